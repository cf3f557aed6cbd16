// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <functional>

class QDialog;

// Every modal dialog and message box of the screens runs through here, so that tests can
// answer them: a modal exec() would block forever without a display.
namespace ModalRunner {

using Handler = std::function<int(QDialog *dialog)>;

// The dialog's exec(), or the installed handler's answer (a QDialog::DialogCode or a
// QMessageBox::StandardButton).
int exec(QDialog *dialog);

// Installs a handler for tests; an empty one restores exec().
void setHandler(Handler handler);

} // namespace ModalRunner
