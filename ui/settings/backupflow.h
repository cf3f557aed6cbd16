// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

#include <functional>

class AppState;
class QWidget;

// The whole user flow of writing a backup archive and of restoring one: the file choice,
// the questions, the work off the GUI thread under a progress dialog that can cancel it,
// and the closing message. Each call returns when the flow is over, true when the archive
// was written or the restore committed.
namespace BackupFlow {

bool exportBackup(QWidget *parent, AppState *state);
bool importBackup(QWidget *parent, AppState *state);

// The flows after the file choice.
bool exportBackupTo(QWidget *parent, AppState *state, const QString &path);
bool importBackupFrom(QWidget *parent, AppState *state, const QString &path);

// The file dialogs, replaceable for tests: given the parent, the dialog's title, the
// proposed file name (empty for an open dialog) and the filter, the chosen path or empty
// when the user cancelled. An empty chooser restores the system's dialogs.
using FileChooser = std::function<QString(QWidget *parent, const QString &title,
                                          const QString &proposed, const QString &filter)>;
void setSaveFileChooser(FileChooser chooser);
void setOpenFileChooser(FileChooser chooser);

} // namespace BackupFlow
