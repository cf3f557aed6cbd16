// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>
#include <QString>

#include <optional>

struct Account;
class AppState;
class QAction;
class QWidget;
class RegisterScreen;
class StatusBar;

// What the menus and the sidebar do to one account: create, edit, delete and share it. Each
// asks with a dialog over the owner and writes through the ledger.
class AccountActions : public QObject {
    Q_OBJECT

public:
    AccountActions(AppState *state, RegisterScreen *registerScreen, StatusBar *statusBar,
                   QWidget *owner);

    void create();
    void edit(const QString &accountId);
    void remove(const QString &accountId);
    void share(const QString &accountId);
    // "Share..." waits until the account has been synced once; before sign-in it stays
    // available, to say that sharing needs an account.
    void updateShareAction(QAction *share, const QString &accountId) const;

Q_SIGNALS:
    void created(const QString &accountId);
    // The current account was deleted; another page must be chosen.
    void currentRemoved();

private:
    bool waitsForFirstSync(const std::optional<Account> &account) const;

    AppState *m_state;          // Not owned.
    RegisterScreen *m_register; // Not owned.
    StatusBar *m_statusBar;     // Not owned.
    QWidget *m_owner;           // Not owned; the dialogs' parent.
};
