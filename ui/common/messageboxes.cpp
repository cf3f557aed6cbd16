// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/common/messageboxes.h"

#include "ui/common/modalrunner.h"

#include <QMessageBox>

namespace MessageBoxes {

namespace {

int run(QMessageBox::Icon icon, QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(title);
    box.setDefaultButton(defaultButton);
    return ModalRunner::exec(&box);
}

} // namespace

void inform(QWidget *parent, const QString &title, const QString &text) {
    run(QMessageBox::Information, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

void warn(QWidget *parent, const QString &title, const QString &text) {
    run(QMessageBox::Warning, parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool ask(QWidget *parent, const QString &title, const QString &text, Default defaultAnswer) {
    return run(QMessageBox::Question, parent, title, text, QMessageBox::Yes | QMessageBox::No,
               defaultAnswer == Default::Yes ? QMessageBox::Yes : QMessageBox::No)
           == QMessageBox::Yes;
}

bool askWarning(QWidget *parent, const QString &title, const QString &text) {
    return run(QMessageBox::Warning, parent, title, text, QMessageBox::Yes | QMessageBox::No,
               QMessageBox::No)
           == QMessageBox::Yes;
}

} // namespace MessageBoxes
