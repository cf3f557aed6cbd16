// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/common/modalrunner.h"

#include <QDialog>

namespace ModalRunner {

namespace {
Handler &handler() {
    static Handler h;
    return h;
}
} // namespace

int exec(QDialog *dialog) {
    if (handler())
        return handler()(dialog);
    return dialog->exec();
}

void setHandler(Handler h) {
    handler() = std::move(h);
}

} // namespace ModalRunner
