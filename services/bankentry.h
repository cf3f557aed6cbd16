// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

// One booked entry of a bank statement file (OFX, QFX, CAMT.053) as the file gives it.
struct BankEntry {
    QDate date;     // invalid when missing or unreadable
    QString amount; // signed decimal text with a dot, in the statement's currency
    QString payee;
    QString memo;
    QString checkNumber;
    QString reference; // the bank's own id of the entry; empty when the file has none
};
