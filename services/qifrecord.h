// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

// One transaction record of a QIF file; fields the record lacks stay empty.
struct QifRecord {
    QDate date; // invalid when missing or unreadable
    QString payee;
    qint64 amount = 0; // cents, negative: money out
    bool amountReadable
        = true; // false when the amount line could not be read (or was out of range)
    QString memo;
    QString category;
    QString checkNumber;
    bool cleared = false;
    int line = 0; // the line of the file the record starts on, from 1
};
