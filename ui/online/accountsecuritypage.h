// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/online/accountpage.h"

#include <QList>

class QPushButton;

namespace TindAccount {
struct Session;
} // namespace TindAccount

// The Security section of the account window: the password, and the sessions signed in to the
// account, each but this one of which can be ended.
class AccountSecurityPage : public AccountPage {
    Q_OBJECT

public:
    explicit AccountSecurityPage(TindAccount::Client *client, QWidget *parent = nullptr);

public Q_SLOTS:
    void loadSessions();

private:
    void showSessions(const QList<TindAccount::Session> &sessions);
    void changePassword();

    QPushButton *m_changePassword = nullptr; // Owned (Qt child).
    QVBoxLayout *m_sessions = nullptr;       // Owned (by the page's layout).
};
