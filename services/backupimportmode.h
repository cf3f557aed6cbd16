// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

// What a restore does with a row whose id the database already has. A row the database
// lacks is always inserted, and no local row is ever deleted.
enum class BackupImportMode {
    SkipExisting = 0, // leave it unchanged
    Overwrite = 1,    // replace it with the backup's row
    KeepNewer = 2,    // replace it when the backup's row is newer or has no updated_at
};
