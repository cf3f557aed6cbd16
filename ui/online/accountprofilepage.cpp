// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountprofilepage.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/user.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AccountProfilePage::AccountProfilePage(TindAccount::Client *client, QWidget *parent)
    : AccountPage(client, parent) {
    QVBoxLayout *content = this->content();
    content->addWidget(heading(tr("Personal Information")));
    m_displayName = plainLabel(tr("(not set)"));
    m_displayName->setAccessibleName(tr("Display name"));
    auto *edit = new QPushButton(tr("Edit Display Name"));
    edit->setAccessibleName(tr("Edit Display Name"));
    connect(edit, &QPushButton::clicked, this, &AccountProfilePage::editDisplayName);
    row(content, m_displayName, edit);
    m_email = muted(QString());
    m_email->setAccessibleName(tr("E-mail address"));
    content->addWidget(m_email);
    content->addSpacing(16);
    content->addWidget(heading(tr("Account Portal")));
    content->addWidget(muted(tr("Billing, subscriptions and more are managed on the web.")));
    auto *portal = new QPushButton(tr("Open Account Portal"));
    portal->setAccessibleName(tr("Open Account Portal"));
    connect(portal, &QPushButton::clicked, client->account(),
            &TindAccount::AccountClient::openAccountPortal);
    row(content, new QWidget, portal);
}

void AccountProfilePage::reload() {
    showProfile();
    client()->auth()->fetchCurrentUser(this, [this](const TindAccount::User &) { showProfile(); });
}

void AccountProfilePage::showProfile() {
    const TindAccount::User user = client()->auth()->currentUser();
    m_displayName->setText(user.displayName.isEmpty() ? tr("(not set)") : user.displayName);
    m_email->setText(user.email);
}

void AccountProfilePage::editDisplayName() {
    const std::optional<QString> entered = askText(tr("Edit Display Name"), tr("Display name:"),
                                                   client()->auth()->currentUser().displayName);
    if (!entered || entered->trimmed().isEmpty())
        return;
    client()->auth()->updateProfile(
        this, entered->trimmed(), [this](const TindAccount::User &user) {
            const bool ok = !user.id.isEmpty();
            report(ok ? tr("Display name updated.") : tr("Failed to update profile."), ok);
            showProfile();
        });
}
