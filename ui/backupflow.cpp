// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/backupflow.h"

// Placeholder until the backup flows are merged: nothing is written or read.
namespace BackupFlow {

bool exportBackup(QWidget *, AppState *) {
    return false;
}

bool importBackup(QWidget *, AppState *) {
    return false;
}

} // namespace BackupFlow
