// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/authstate.h"
#include "account/session.h"
#include "account/urlopener.h"
#include "account/user.h"
#include "account/whilealive.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

namespace TindAccount {

class ApiClient;
class TokenManager;

// The signed-in state: browser sign-in through a loopback redirect, start-up restore, refresh,
// sign-out, and the user-level calls of the auth realm.
class AuthClient : public QObject {
    Q_OBJECT
    Q_PROPERTY(TindAccount::AuthState state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    using UserCallback = std::function<void(const User &user)>;
    using BoolCallback = std::function<void(bool ok)>;
    using SessionsCallback = std::function<void(const QList<Session> &sessions)>;

    AuthClient(const QString &authBaseUrl, const QString &realmSlug, const QString &clientId,
               ApiClient *authApi, TokenManager *tokens, QObject *parent = nullptr);
    ~AuthClient() override;

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::SignedIn; }

    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

    void initialize();
    void login();
    // Ends the session at once; serverAnswered, when given, is called once the server's reply
    // (or the failure to reach it) is in, for callers that must not exit before that.
    void logout(BoolCallback serverAnswered = BoolCallback());
    void refreshToken(BoolCallback done);

    void fetchCurrentUser(UserCallback callback);
    void updateProfile(const QString &displayName, UserCallback callback);
    void changePassword(const QString &currentPassword, const QString &newPassword,
                        BoolCallback callback);
    void listSessions(SessionsCallback callback);
    void revokeSession(const QString &sessionId, BoolCallback callback = BoolCallback());

    // The same calls for a receiver, a window or dialog: the callback dies with it, so that a
    // reply coming after it was closed calls nothing.
    void fetchCurrentUser(const QObject *receiver, UserCallback callback) {
        fetchCurrentUser(whileAlive(receiver, std::move(callback)));
    }
    void updateProfile(const QObject *receiver, const QString &displayName, UserCallback callback) {
        updateProfile(displayName, whileAlive(receiver, std::move(callback)));
    }
    void changePassword(const QObject *receiver, const QString &currentPassword,
                        const QString &newPassword, BoolCallback callback) {
        changePassword(currentPassword, newPassword, whileAlive(receiver, std::move(callback)));
    }
    void listSessions(const QObject *receiver, SessionsCallback callback) {
        listSessions(whileAlive(receiver, std::move(callback)));
    }
    void revokeSession(const QObject *receiver, const QString &sessionId, BoolCallback callback) {
        revokeSession(sessionId, whileAlive(receiver, std::move(callback)));
    }

    User currentUser() const { return m_currentUser; }
    QString currentUserId() const;

Q_SIGNALS:
    void stateChanged(TindAccount::AuthState state);
    // The address of the sign-in page, and whether a browser was opened on it; emitted each
    // time login() starts, so that the address can be offered when no browser shows it.
    void loginAddressReady(const QUrl &url, bool browserOpened);
    void loginSucceeded();
    void loginFailed(const QString &error);
    void logoutCompleted();

private:
    using ExchangeCallback
        = std::function<void(bool ok, int status, const QString &access, const QString &refresh)>;

    void setupRefreshCallback();
    // One refresh exchange with the server; the tokens are handed to done, not stored.
    void exchangeRefreshToken(const QString &refreshToken, ExchangeCallback done);
    // What one browser sign-in sent, to check its redirect and redeem its code with.
    struct LoginAttempt {
        QString state;
        QString verifier;
        QString redirectUri;
    };

    void handleCallback(const QUrl &url, const LoginAttempt &attempt);
    void exchangeCode(const QString &code, const LoginAttempt &attempt);
    void completeLogin(const QString &access, const QString &refresh);
    void setState(AuthState state);

    QString m_authBaseUrl;
    QString m_realmSlug;
    QString m_clientId;
    QPointer<ApiClient> m_authApi;   // Not owned.
    QPointer<TokenManager> m_tokens; // Not owned.
    AuthState m_state = AuthState::Initial;
    User m_currentUser;
    UrlOpener m_urlOpener = openInSystemBrowser;
    // The refresh token the server last refused outright (400 or 401). Only such a refusal of
    // the token still held ends the session: a 5xx or no answer says nothing about the tokens,
    // and a refusal that arrives after a newer sign-in concerns tokens that are gone.
    QString m_refusedRefreshToken;
};

} // namespace TindAccount
