// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

// What a bank statement file says about the account beside its entries.
struct BankStatement {
    QString accountNumber; // as the bank writes it; empty when the file leaves it out
    QString currency;      // ISO 4217 code, empty when not given
    QString ledgerBalance; // signed decimal text with a dot; empty when not given
    QDate balanceDate;
    int entries = 0;

    // The number without the spaces and dashes banks group it with ("DE89 3704 ..."), so
    // that one account reads the same however a statement writes it.
    QString plainAccountNumber() const {
        QString plain;
        plain.reserve(accountNumber.size());
        for (const QChar c : accountNumber) {
            if (!c.isSpace() && c != QLatin1Char('-'))
                plain.append(c);
        }
        return plain;
    }
    // What an account keeps of it and matches on: the last four characters.
    QString lastFour() const { return plainAccountNumber().right(4); }
    // The account number as the sidebar shows one: "*" and its last four characters.
    QString maskedAccountNumber() const {
        const QString last = lastFour();
        return last.isEmpty() ? QString() : QLatin1Char('*') + last;
    }
};
