// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QFlags>
#include <QMetaType>
#include <QSet>
#include <QString>

// What changed in the database during one pass of the event loop: the tables written and,
// for transactions, the accounts whose rows changed. Screens reload once per notice instead
// of once per written row.
struct DataChange {
    enum Table {
        Accounts = 0x01,
        Transactions = 0x02,
        Categories = 0x04,
        Recurring = 0x08,
        Reconciliations = 0x10,
        Preferences = 0x20,
        SplitLines = 0x40,
        Budgets = 0x80,
    };
    Q_DECLARE_FLAGS(Tables, Table)

    Tables tables;
    // Accounts whose transactions changed; meaningful only with Transactions. Empty together
    // with anyAccount false means none was named.
    QSet<QString> accountIds;
    // A write that did not name its account (a bulk write, a pulled page): any account's
    // register may have changed.
    bool anyAccount = false;

    bool touches(Tables which) const { return tables & which; }
    // True when the transactions of accountId may have changed.
    bool touchesAccount(const QString &accountId) const {
        return tables.testFlag(Transactions) && (anyAccount || accountIds.contains(accountId));
    }
    bool isEmpty() const { return !tables; }
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DataChange::Tables)
Q_DECLARE_METATYPE(DataChange)
