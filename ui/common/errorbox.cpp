// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/common/errorbox.h"

#include "ui/common/modalrunner.h"

#include <QMessageBox>

namespace ErrorBox {

void show(QWidget *parent, const QString &actionTitle, const QString &text, const QString &kept,
          const QString &serverText) {
    // One plain-text body: the informative part of a box would guess at rich text.
    QString body = text + QStringLiteral("\n\n") + kept;
    if (!serverText.isEmpty())
        body += QStringLiteral("\n\n")
                + QMessageBox::tr("The server said: %1").arg(serverText.trimmed());
    QMessageBox box(QMessageBox::Warning, actionTitle, body, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.setAccessibleName(actionTitle);
    ModalRunner::exec(&box);
}

} // namespace ErrorBox
