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

    // The account number as the sidebar shows one: "*" and its last four characters.
    QString maskedAccountNumber() const {
        return accountNumber.isEmpty() ? QString() : QLatin1Char('*') + accountNumber.right(4);
    }
};
