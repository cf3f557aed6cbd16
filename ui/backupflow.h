// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

class AppState;
class QWidget;

namespace BackupFlow {
bool exportBackup(QWidget *parent, AppState *state);
bool importBackup(QWidget *parent, AppState *state);
} // namespace BackupFlow
