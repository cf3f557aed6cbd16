// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/authstate.h"
#include "account/clientconfig.h"
#include "account/tindclaims.h"
#include "account/urlopener.h"

#include <QObject>

#include <memory>

namespace TindAccount {

class AccountClient;
class ApiClient;
class AuthClient;
class TokenManager;
class TokenStore;

// The account-services client: configured once, owns the token manager, the three API clients
// and the auth and account clients.
class Client : public QObject {
    Q_OBJECT

public:
    // Keeps the tokens in the system's credential store (in memory where there is none).
    explicit Client(const ClientConfig &config, QObject *parent = nullptr);
    // Keeps the tokens in the given store.
    Client(const ClientConfig &config, std::unique_ptr<TokenStore> store,
           QObject *parent = nullptr);
    ~Client() override;

    const ClientConfig &config() const { return m_config; }

    TokenManager *tokens() const { return m_tokens; }
    ApiClient *authApi() const { return m_authApi; }
    ApiClient *accountApi() const { return m_accountApi; }
    ApiClient *syncApi() const { return m_syncApi; }
    AuthClient *auth() const { return m_auth; }
    AccountClient *account() const { return m_account; }

    // Where sign-in and the account portal open their pages; the system browser by default.
    void setUrlOpener(const UrlOpener &opener);

    void initialize();
    bool isAuthenticated() const;
    TindClaims claims() const;

    // The configured platform, else the running kernel's name ("windows", "linux", "macos").
    static QString platformName(const QString &configured);
    // The credential store of this platform for the given service.
    static std::unique_ptr<TokenStore> createPlatformTokenStore(const QString &service);

Q_SIGNALS:
    void authStateChanged(TindAccount::AuthState state);
    void claimsUpdated(const TindAccount::TindClaims &claims);

private:
    ClientConfig m_config;
    TokenManager *m_tokens;   // Owned (Qt child); owns the store.
    ApiClient *m_authApi;     // Owned (Qt child).
    ApiClient *m_accountApi;  // Owned (Qt child).
    ApiClient *m_syncApi;     // Owned (Qt child).
    AuthClient *m_auth;       // Owned (Qt child).
    AccountClient *m_account; // Owned (Qt child).
};

} // namespace TindAccount
