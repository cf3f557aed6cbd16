// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountprivacypage.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "ui/common/messageboxes.h"
#include "ui/common/styles.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AccountPrivacyPage::AccountPrivacyPage(TindAccount::Client *client, QWidget *parent)
    : AccountPage(client, parent) {
    QVBoxLayout *content = this->content();
    content->addWidget(heading(tr("Danger Zone")));
    content->addWidget(
        muted(tr("Permanently delete your account. This cannot be undone after 30 days.")));
    m_deleteAccount = new QPushButton(tr("Delete Account"));
    m_deleteAccount->setAccessibleName(tr("Delete Account"));
    m_deleteAccount->setStyleSheet(Styles::dangerButton());
    connect(m_deleteAccount, &QPushButton::clicked, this, &AccountPrivacyPage::deleteAccount);
    row(content, new QWidget, m_deleteAccount);
    m_ownerNotice = muted(tr("You are the group owner. Transfer ownership or remove all members "
                             "before deleting your account."));
    m_ownerNotice->hide();
    content->addWidget(m_ownerNotice);
}

void AccountPrivacyPage::updateOwnerState() {
    const bool owner = isOwner();
    m_deleteAccount->setEnabled(!owner);
    m_ownerNotice->setVisible(owner);
}

void AccountPrivacyPage::deleteAccount() {
    if (isOwner())
        return;
    const auto entered
        = askText(tr("Delete Account"), tr("This will schedule your account for permanent deletion "
                                           "after 30 days.\n\nType DELETE to confirm:"));
    if (!entered || *entered != QLatin1String("DELETE"))
        return;
    m_deleteAccount->setEnabled(false);
    client()->account()->deleteAccount(this, [this](bool ok) {
        updateOwnerState();
        if (!ok) {
            report(tr("Failed to delete account."), false);
            return;
        }
        MessageBoxes::inform(
            this, tr("Account Scheduled for Deletion"),
            tr("Your account will be permanently deleted in 30 days. You can recover it by "
               "signing in before then."));
        Q_EMIT logoutRequested();
    });
}
