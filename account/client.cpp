// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/client.h"

#include "account/accountclient.h"
#include "account/accountlog.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"

#include <QSysInfo>
#include <QUrl>

#ifdef Q_OS_WIN
#include "account/credentialmanagertokenstore.h"
#else
#include "account/secretservicetokenstore.h"
#endif

namespace TindAccount {

Client::Client(const ClientConfig &config, QObject *parent)
    : Client(config, createPlatformTokenStore(config.appId), parent) {}

Client::Client(const ClientConfig &config, std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_tokens(new TokenManager(std::move(store), this))
    , m_authApi(new ApiClient(m_tokens, this))
    , m_accountApi(new ApiClient(m_tokens, this))
    , m_syncApi(new ApiClient(m_tokens, this))
    , m_auth(nullptr)
    , m_account(nullptr) {
    m_authApi->setBaseUrl(
        QUrl(QStringLiteral("%1/api/v1/realms/%2").arg(config.authBaseUrl, config.realmSlug)));
    m_accountApi->setBaseUrl(QUrl(config.accountApiUrl));
    const QString platform = platformName(config.platform);
    for (ApiClient *api : {m_authApi, m_accountApi, m_syncApi})
        api->setClientInfo(config.appId, config.appVersion, platform);

    m_auth = new AuthClient(config.authBaseUrl, config.realmSlug, config.clientId, m_authApi,
                            m_tokens, this);
    m_account = new AccountClient(m_accountApi, m_auth, config, this);

    connect(m_auth, &AuthClient::stateChanged, this, [this](AuthState state) {
        Q_EMIT authStateChanged(state);
        if (state == AuthState::SignedIn)
            Q_EMIT claimsUpdated(claims());
    });
}

Client::~Client() = default;

void Client::setUrlOpener(const UrlOpener &opener) {
    m_auth->setUrlOpener(opener);
    m_account->setUrlOpener(opener);
}

void Client::initialize() {
    m_auth->initialize();
}

bool Client::isAuthenticated() const {
    return m_auth->state() == AuthState::SignedIn;
}

TindClaims Client::claims() const {
    const QString token = m_tokens->accessToken();
    return token.isEmpty() ? TindClaims() : TindClaims::fromAccessToken(token);
}

QString Client::platformName(const QString &configured) {
    if (!configured.isEmpty())
        return configured;
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

std::unique_ptr<TokenStore> Client::createPlatformTokenStore(const QString &service) {
#ifdef Q_OS_WIN
    return std::make_unique<CredentialManagerTokenStore>(service);
#else
    auto store = std::make_unique<SecretServiceTokenStore>(service);
    if (store->isAvailable())
        return store;
    qCWarning(lcTindAccount).noquote()
        << "No Secret Service is available: sign-in is kept in memory until the program ends";
    return std::make_unique<MemoryTokenStore>();
#endif
}

} // namespace TindAccount
