// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/tokenmanager.h"

#include "account/jwtpayload.h"
#include "account/tokenstore.h"

#include <QDateTime>
#include <QJsonObject>
#include <QMutexLocker>
#include <QPointer>

namespace TindAccount {

namespace {

bool stillValid(qint64 expiry) {
    return expiry != 0
           && QDateTime::currentSecsSinceEpoch() < expiry - TokenManager::ExpiryMarginSeconds;
}

} // namespace

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store)) {}

TokenManager::~TokenManager() = default;

void TokenManager::loadTokens() {
    if (!m_store)
        return;
    m_accessToken = m_store->load(TokenStore::AccessTokenKey).value_or(QString());
    m_refreshToken = m_store->load(TokenStore::RefreshTokenKey).value_or(QString());
}

void TokenManager::setTokens(const QString &access, const QString &refresh) {
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation;
    }
    storeTokens(access, refresh);
}

void TokenManager::storeTokens(const QString &access, const QString &refresh) {
    m_accessToken = access;
    m_refreshToken = refresh;
    if (!m_store)
        return;
    m_store->save(TokenStore::AccessTokenKey, access);
    m_store->save(TokenStore::RefreshTokenKey, refresh);
}

void TokenManager::clearTokens() {
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation;
    }
    m_accessToken.clear();
    m_refreshToken.clear();
    if (m_store)
        m_store->clear();
}

QString TokenManager::accessToken() const {
    if (m_accessToken.isEmpty() || !stillValid(tokenExpiry(m_accessToken)))
        return QString();
    return m_accessToken;
}

bool TokenManager::needsRefresh() const {
    if (m_accessToken.isEmpty())
        return !m_refreshToken.isEmpty();
    if (stillValid(tokenExpiry(m_accessToken)))
        return false;
    return !m_refreshToken.isEmpty();
}

void TokenManager::setRefreshCallback(RefreshFunction function) {
    m_refreshFunction = std::move(function);
}

void TokenManager::refresh(Completion done) {
    QMutexLocker lock(&m_mutex);
    if (done)
        m_pending.append(std::move(done));
    if (m_refreshing)
        return;

    if (!m_refreshToken.isEmpty() && m_refreshFunction) {
        m_refreshing = true;
        const QString refreshToken = m_refreshToken;
        const quint64 generation = m_generation;
        const RefreshFunction function = m_refreshFunction;
        lock.unlock();

        // The exchange may answer twice or after this manager is gone; only the first answer
        // to a living manager counts.
        auto answered = std::make_shared<bool>(false);
        QPointer<TokenManager> self(this);
        function(
            refreshToken,
            [self, answered, generation](const QString &access, const QString &refresh) {
                if (!self || *answered)
                    return;
                *answered = true;
                self->finishRefresh(generation, true, access, refresh);
            },
            [self, answered, generation] {
                if (!self || *answered)
                    return;
                *answered = true;
                self->finishRefresh(generation, false, QString(), QString());
            });
        return;
    }

    QList<Completion> pending;
    pending.swap(m_pending);
    lock.unlock();
    for (const Completion &completion : pending)
        completion(false);
}

void TokenManager::finishRefresh(quint64 generation, bool ok, const QString &access,
                                 const QString &refresh) {
    bool result = ok;
    QMutexLocker generationLock(&m_mutex);
    const bool superseded = generation != m_generation;
    generationLock.unlock();
    if (superseded)
        result = !accessToken().isEmpty(); // whatever replaced the tokens decides
    else if (ok)
        storeTokens(access, refresh);

    QMutexLocker lock(&m_mutex);
    m_refreshing = false;
    QList<Completion> pending;
    pending.swap(m_pending);
    lock.unlock();
    for (const Completion &completion : pending)
        completion(result);
}

qint64 TokenManager::tokenExpiry(const QString &token) {
    // 64-bit on purpose: "exp" passes 2^31 in January 2038.
    return decodeJwtPayload(token).value(QLatin1String("exp")).toInteger(0);
}

QString TokenManager::tokenSubject(const QString &token) {
    return decodeJwtPayload(token).value(QLatin1String("sub")).toString();
}

} // namespace TindAccount
