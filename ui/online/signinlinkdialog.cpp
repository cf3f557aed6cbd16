// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/signinlinkdialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SignInLinkDialog::SignInLinkDialog(QWidget *parent)
    : QDialog(parent)
    , m_message(new QLabel(this))
    , m_address(new QLineEdit(this))
    , m_copy(new QPushButton(tr("&Copy"), this)) {
    setWindowTitle(tr("Sign In"));
    setAccessibleName(tr("Sign In"));
    setMinimumWidth(520);
    auto *layout = new QVBoxLayout(this);
    m_message->setTextFormat(Qt::PlainText);
    m_message->setWordWrap(true);
    layout->addWidget(m_message);

    auto *row = new QHBoxLayout;
    m_address->setReadOnly(true);
    m_address->setAccessibleName(tr("Sign-in address"));
    m_copy->setAccessibleName(tr("Copy the sign-in address"));
    row->addWidget(m_address, 1);
    row->addWidget(m_copy);
    layout->addLayout(row);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(m_address->text());
        m_copy->setText(tr("Copied"));
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void SignInLinkDialog::setAddress(const QUrl &url, bool browserOpened) {
    m_message->setText(
        browserOpened ? tr("Your browser should now show the sign-in page. If it did not open, "
                           "copy this address into a browser on this computer and sign in "
                           "there; this program notices when you are done.")
                      : tr("No browser could be opened for signing in. Copy this address into a "
                           "browser on this computer and sign in there; this program notices "
                           "when you are done."));
    m_address->setText(url.toString());
    m_address->setCursorPosition(0);
    m_copy->setText(tr("&Copy"));
    m_copy->setFocus();
}

QString SignInLinkDialog::messageText() const {
    return m_message->text();
}
