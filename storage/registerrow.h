// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/transaction.h"

#include <QList>
#include <QString>

#include <optional>

struct RegisterRow {
    Transaction transaction;
    qint64 runningBalance = 0; // the account balance after this row
    QString categoryName;      // empty when the row has no category or it is not found
    qint64 rowId = 0;          // the database's own row number; 0 when not read with it
};

// One account's register without its rows: their order and running balances, enough to show
// any row's balance and to read just the rows in view.
struct RegisterEntries {
    QString accountId;
    // The synthetic "Opening Balance" row, when the account has a starting balance.
    std::optional<RegisterRow> opening;
    QList<qint64> rowIds;   // oldest first
    QList<qint64> balances; // the account balance after each of them
};
