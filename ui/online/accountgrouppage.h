// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/online/accountpage.h"

namespace TindAccount {
struct Group;
} // namespace TindAccount

// The Group section of the account window: the members and invitations of the user's group
// for its owner to manage, leaving it for a member, joining one for everyone else.
class AccountGroupPage : public AccountPage {
    Q_OBJECT

public:
    explicit AccountGroupPage(TindAccount::Client *client, QWidget *parent = nullptr);

public Q_SLOTS:
    void loadGroup();

Q_SIGNALS:
    // The group is about to be shown again; who owns it may have changed.
    void groupShown();

private:
    void showGroup(const TindAccount::Group &group);
    void joinGroup();
    void inviteByEmail();
    void generateInviteCode();
};
