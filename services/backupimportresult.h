// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QStringList>

// What a restore did, per table, and the texts of what went wrong.
struct BackupImportResult {
    struct Counts {
        int imported = 0;
        int skipped = 0;
    };

    Counts accounts;
    Counts categories;
    Counts transactions;
    Counts splitLines;
    Counts recurring;
    Counts reconciliations;
    QStringList errors;
};
