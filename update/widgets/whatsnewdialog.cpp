// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/widgets/whatsnewdialog.h"

#include "update/widgets/linkpolicy.h"
#include "update/widgets/notesbrowser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace TindUpdate {

WhatsNewDialog::WhatsNewDialog(const QString &markdown, const QString &appName,
                               const QString &version, const QString &currentVersion,
                               QWidget *parent, const QUrl &downloadUrl)
    : QDialog(parent) {
    setWindowTitle(tr("What's New in %1 %2").arg(appName, version));
    setAccessibleName(windowTitle());
    resize(520, 420);
    auto *layout = new QVBoxLayout(this);

    auto *heading = new QLabel(tr("What's new in %1 %2").arg(appName, version), this);
    heading->setTextFormat(Qt::PlainText);
    QFont headingFont = heading->font();
    headingFont.setPointSizeF(headingFont.pointSizeF() + 3);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    layout->addWidget(heading);

    m_notes = new NotesBrowser(this);
    m_notes->setMarkdown(markdown);
    layout->addWidget(m_notes, 1);

    auto *running = new QLabel(tr("You are running version %1").arg(currentVersion), this);
    running->setTextFormat(Qt::PlainText);
    running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    layout->addWidget(running);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setAccessibleName(tr("Close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    if (LinkPolicy::isOpenable(downloadUrl)) {
        m_download
            = buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::ActionRole);
        m_download->setAccessibleName(m_download->text());
        connect(m_download, &QPushButton::clicked, this, [this, downloadUrl] {
            LinkPolicy::open(downloadUrl);
            accept();
        });
    }
    layout->addWidget(buttons);
}

WhatsNewDialog::~WhatsNewDialog() = default;

} // namespace TindUpdate
