// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/bankstatement.h"

#include <QList>
#include <QString>

// What an import did. Every row of the file is counted once: imported, a duplicate, or failed
// (unreadable, out of range, or refused by the database). When the import as a whole failed,
// error says why and nothing was stored.
struct ImportResult {
    // A row that failed: the line of the file it starts on (from 1) and why, in words.
    struct FailedRow {
        int line = 0;
        QString reason;
    };
    // Enough to find the pattern in a broken file without keeping all of a huge one.
    static constexpr int kListedFailures = 100;

    int imported = 0;            // rows inserted
    int duplicates = 0;          // rows already in the account
    int failed = 0;              // rows that could not be read or stored
    QList<FailedRow> failedRows; // the first kListedFailures of them, in file order
    QString error;               // empty unless the whole import failed
    bool cancelled = false;      // stopped on request; error says so and nothing was stored
    // Of the imported rows, those linked as the other leg of a transfer already in another
    // account.
    int transfers = 0;
    // What a bank statement file (OFX, CAMT.053) says about its accounts; empty for CSV and
    // QIF.
    QList<BankStatement> statements;
};
