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
             })
    , m_account(store) {}

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
    if (request.path.startsWith(AccountApi::BasePath + QLatin1Char('/')))
        return api(request, request.path.mid(AccountApi::BasePath.size()), true);
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

bool ApiRouter::remember(const Identity &who) {
    static constexpr qint64 kRecheckSeconds = 60;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    {
        const std::lock_guard<std::mutex> lock(m_seenLock);
        const auto it = m_seenUsers.constFind(who.userId);
        if (it != m_seenUsers.cend() && now - *it < kRecheckSeconds)
            return true;
    }
    bool known = false;
    bool deleted = false;
    QString error;
    m_store->run(
        SyncStore::Mode::Read,
        [&](StoreSession &session) {
            known = bool(session.user(who.userId));
            deleted = !known && session.isDeletedUser(who.userId);
            return session.lastError().isEmpty();
        },
        &error);
    if (deleted)
        return false;
    // Only the account service and the administrator put users into groups: a token's group
    // claim is not taken for the truth.
    if (!known && error.isEmpty())
        m_store->run(
            SyncStore::Mode::Write,
            [&who](StoreSession &session) {
                if (session.user(who.userId) || session.isDeletedUser(who.userId))
                    return true;
                KnownUser user = KnownUser::withId(who.userId);
                user.createdAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
                return session.putUser(user);
            },
            &error);
    if (error.isEmpty()) {
        const std::lock_guard<std::mutex> lock(m_seenLock);
        m_seenUsers.insert(who.userId, now);
    }
    return true;
}

void ApiRouter::forget(const QString &userId) {
    const std::lock_guard<std::mutex> lock(m_seenLock);
    m_seenUsers.remove(userId);
}

HttpResponse ApiRouter::api(const HttpRequest &request, const QString &path, bool account) {
    QString why;
    int status = 401;
    const std::optional<Identity> who = authenticate(request, &why, &status);
    if (!who)
        return HttpResponse::error(status, why);
    if (!remember(*who))
        return HttpResponse::error(401, QStringLiteral("the account was deleted"));

    HttpResponse response = [&] {
        if (account) {
            HttpResponse answer = m_account.handle(*who, request, path);
            if (request.method == "DELETE" && path == QLatin1String("/profile")
                && answer.status == 200)
                forget(who->userId);
            return answer;
        }
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
