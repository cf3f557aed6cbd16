// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/online/accountpage.h"

class QPushButton;

// The Data & Privacy section of the account window: deleting the account, which the owner of a
// group cannot do while the group is theirs.
class AccountPrivacyPage : public AccountPage {
    Q_OBJECT

public:
    explicit AccountPrivacyPage(TindAccount::Client *client, QWidget *parent = nullptr);

    QPushButton *deleteAccountButton() const { return m_deleteAccount; }
    QLabel *ownerNotice() const { return m_ownerNotice; }
    // Whether the user may delete the account, and if not, why.
    void updateOwnerState();

Q_SIGNALS:
    // The account is scheduled for deletion; the user is to be signed out.
    void logoutRequested();

private:
    void deleteAccount();

    QPushButton *m_deleteAccount = nullptr; // Owned (Qt child).
    QLabel *m_ownerNotice = nullptr;        // Owned (Qt child).
};
