// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/apirouter.h"

#include "server/syncstore.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QStringList>

const QString ApiRouter::BasePath = QStringLiteral("/quillon/v1");

namespace {

HttpResponse methodNotAllowed() {
    return HttpResponse::error(405, QStringLiteral("method not allowed"));
}

} // namespace

ApiRouter::ApiRouter(SyncStore *store, const QByteArray &signingKey,
                     const AuthApi::Options &authOptions)
    : m_store(store)
    , m_signer(signingKey)
    , m_sync(store)
    , m_sharing(store)
    , m_auth(store, signingKey, authOptions,
             [this](const HttpRequest &request, QString *why, int *status) {
                 return authenticate(request, why, status);
             }) {}

HttpResponse ApiRouter::handle(const HttpRequest &request) {
    if (request.path == QLatin1String("/healthz")) {
        QString error;
        const bool ok = m_store->run(
            SyncStore::Mode::Read,
            [](StoreSession &session) {
                session.committedSequence();
                return session.lastError().isEmpty();
            },
            &error);
        return ok ? HttpResponse::json(200, {{QStringLiteral("status"), QStringLiteral("ok")}})
                  : HttpResponse::error(503, QStringLiteral("database unavailable"));
    }
    if (m_auth.owns(request.path))
        return m_auth.handle(request);
    if (request.path.startsWith(BasePath + QLatin1Char('/')))
        return api(request, request.path.mid(BasePath.size()));
    return HttpResponse::error(404, QStringLiteral("not found"));
}

std::optional<Identity> ApiRouter::authenticate(const HttpRequest &request, QString *why,
                                                int *status) const {
    if (status)
        *status = 401;
    static const QByteArray prefix = "Bearer ";
    if (!request.authorization.startsWith(prefix)) {
        *why = QStringLiteral("sign-in required");
        return std::nullopt;
    }
    std::optional<Identity> who
        = m_signer.verify(request.authorization.mid(prefix.size()).trimmed(),
                          JwtSigner::Use::Access, QDateTime::currentSecsSinceEpoch(), why);
    if (!who)
        return std::nullopt;
    // A token outlives nothing it came from: sign-out, a revoked session, a password change or
    // a disabled account end the session, and with it every token minted for it.
    if (who->sessionId.isEmpty()) {
        *why = QStringLiteral("token without a session");
        return std::nullopt;
    }
    bool live = false;
    QString error;
    if (!m_store->run(
            SyncStore::Mode::Read,
            [&](StoreSession &session) {
                live = session.isAuthSessionLive(who->sessionId, who->userId);
                return session.lastError().isEmpty();
            },
            &error)) {
        *why = QStringLiteral("database unavailable");
        if (status)
            *status = 503;
        return std::nullopt;
    }
    if (!live) {
        *why = QStringLiteral("the session has ended");
        return std::nullopt;
    }
    return who;
}

void ApiRouter::remember(const Identity &who) {
    {
        const std::lock_guard<std::mutex> lock(m_seenLock);
        const auto it = m_seenGroups.constFind(who.userId);
        if (it != m_seenGroups.cend() && *it == who.groupId)
            return;
    }
    QString error;
    m_store->run(
        SyncStore::Mode::Write,
        [&who](StoreSession &session) {
            KnownUser user
                = session.user(who.userId).value_or(KnownUser{who.userId, {}, {}, {}, {}});
            if (user.groupId == who.groupId && session.user(who.userId))
                return true;
            user.groupId = who.groupId;
            return session.putUser(user);
        },
        &error);
    if (error.isEmpty()) {
        const std::lock_guard<std::mutex> lock(m_seenLock);
        m_seenGroups.insert(who.userId, who.groupId);
    }
}

HttpResponse ApiRouter::api(const HttpRequest &request, const QString &path) {
    QString why;
    int status = 401;
    const std::optional<Identity> who = authenticate(request, &why, &status);
    if (!who)
        return HttpResponse::error(status, why);
    remember(*who);

    HttpResponse response = [&] {
        if (path == QLatin1String("/sync/push"))
            return request.method == "POST" ? m_sync.push(*who, request) : methodNotAllowed();
        if (path == QLatin1String("/sync/pull"))
            return request.method == "GET" ? m_sync.pull(*who, request) : methodNotAllowed();
        // /accounts/{id}/members, /accounts/{id}/share, /accounts/{id}/share/{userId}
        const QStringList parts = path.split(QLatin1Char('/'));
        if (parts.size() >= 4 && parts.at(1) == QLatin1String("accounts")
            && !parts.at(2).isEmpty()) {
            const QString &account = parts.at(2);
            if (parts.size() == 4 && parts.at(3) == QLatin1String("members"))
                return request.method == "GET" ? m_sharing.members(*who, account)
                                               : methodNotAllowed();
            if (parts.size() == 4 && parts.at(3) == QLatin1String("share"))
                return request.method == "POST" ? m_sharing.share(*who, account, request)
                                                : methodNotAllowed();
            if (parts.size() == 5 && parts.at(3) == QLatin1String("share")
                && !parts.at(4).isEmpty())
                return request.method == "DELETE" ? m_sharing.unshare(*who, account, parts.at(4))
                                                  : methodNotAllowed();
        }
        return HttpResponse::error(404, QStringLiteral("not found"));
    }();
    response.userId = who->userId;
    return response;
}
