// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/settings/settingsaboutpage.h"

#include "ui/common/styles.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

SettingsAboutPage::SettingsAboutPage(QWidget *parent)
    : SettingsPage(tr("About"), parent) {
    QVBoxLayout *layout = pageLayout();
    auto *name = new QLabel(tr("Tindral Quillon"), this);
    QFont nameFont = QApplication::font();
    nameFont.setPointSize(nameFont.pointSize() + 8);
    name->setFont(nameFont);
    layout->addWidget(name);
    auto *version = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()), this);
    version->setTextFormat(Qt::PlainText);
    layout->addWidget(version);
    layout->addSpacing(8);
    auto *description = new QLabel(
        tr("A digital quillon register for tracking household finances: accounts, transfers, "
           "recurring entries, reconciliation, reports and backups, kept in one file on this "
           "computer and synchronised between your devices when you sign in."),
        this);
    description->setWordWrap(true);
    layout->addWidget(description);
    auto *links = new QLabel(tr("<a href=\"https://tindral.example/quillon\">Website</a> · "
                                "<a href=\"https://tindral.example/quillon/help\">Help</a> · "
                                "<a href=\"https://tindral.example/privacy\">Privacy</a>"),
                             this);
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setAccessibleName(tr("Links"));
    layout->addWidget(links);
    layout->addSpacing(8);
    auto *notice = new QLabel(tr("This application uses the Qt framework under the GNU LGPL "
                                 "version 3."),
                              this);
    notice->setWordWrap(true);
    QFont small = QApplication::font();
    small.setPointSize(smallPointSize());
    notice->setFont(small);
    notice->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    layout->addWidget(notice);
    layout->addStretch(1);
}
