// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/online/accountpage.h"

// The Profile section of the account window: the user's name and address, and the way to the
// web portal.
class AccountProfilePage : public AccountPage {
    Q_OBJECT

public:
    explicit AccountProfilePage(TindAccount::Client *client, QWidget *parent = nullptr);

    // Shows the user as last known, then as the server says.
    void reload();

private:
    void showProfile();
    void editDisplayName();

    QLabel *m_displayName = nullptr; // Owned (Qt child).
    QLabel *m_email = nullptr;       // Owned (Qt child).
};
