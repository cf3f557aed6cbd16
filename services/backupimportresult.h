// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QStringList>

// What a restore did, per table, and the texts of what went wrong.
struct BackupImportResult {
    struct Counts {
        int imported = 0;
        // Kept as they were by the import mode.
        int skipped = 0;
        // Refused: a value of the wrong type or out of range, or a row the database's own
        // constraints reject. Each has a text in errors.
        int failed = 0;
        // Not read because they hold columns this program does not know (a backup from a
        // newer version).
        int unknownColumns = 0;
    };

    Counts accounts;
    Counts categories;
    Counts transactions;
    Counts splitLines;
    Counts recurring;
    Counts reconciliations;
    Counts importRules;
    Counts budgets;
    // The unknown columns met, sorted.
    QStringList unknownColumnNames;
    QStringList errors;
    // False when nothing was restored because the archive could not be read or the database
    // refused the restore as a whole.
    bool completed = false;
    // Stopped on request before it committed: nothing was restored.
    bool cancelled = false;
};
