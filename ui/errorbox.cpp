// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/errorbox.h"

#include "ui/modalrunner.h"

#include <QMessageBox>

namespace ErrorBox {

void show(QWidget *parent, const QString &actionTitle, const QString &text, const QString &kept,
          const QString &serverText) {
    QMessageBox box(QMessageBox::Warning, actionTitle, text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    QString informative = kept;
    if (!serverText.isEmpty())
        informative += QStringLiteral("\n\n")
                       + QMessageBox::tr("The server said: %1").arg(serverText.trimmed());
    box.setInformativeText(informative);
    box.setAccessibleName(actionTitle);
    ModalRunner::exec(&box);
}

} // namespace ErrorBox
