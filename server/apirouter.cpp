// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/apirouter.h"

#include "server/syncstore.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QStringList>

const QString ApiRouter::BasePath = QStringLiteral("/quillon/v1");

namespace {

HttpResponse methodNotAllowed() {
    return HttpResponse::error(405, QStringLiteral("method not allowed"));
}

} // namespace

ApiRouter::ApiRouter(SyncStore *store, const QByteArray &signingKey)
    : m_store(store)
    , m_signer(signingKey)
    , m_sync(store)
    , m_sharing(store)
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
    static const QRegularExpression refreshPath(
        QStringLiteral("^/api/v1/realms/[^/]+/auth/token/refresh$"));
    if (refreshPath.match(request.path).hasMatch())
        return request.method == "POST" ? refresh(request) : methodNotAllowed();
    if (request.path.startsWith(BasePath + QLatin1Char('/')))
        return api(request, request.path.mid(BasePath.size()));
    if (request.path.startsWith(AccountApi::BasePath + QLatin1Char('/')))
        return api(request, request.path.mid(AccountApi::BasePath.size()), true);
    return HttpResponse::error(404, QStringLiteral("not found"));
}

std::optional<Identity> ApiRouter::authenticate(const HttpRequest &request, QString *why) const {
    static const QByteArray prefix = "Bearer ";
    if (!request.authorization.startsWith(prefix)) {
        *why = QStringLiteral("sign-in required");
        return std::nullopt;
    }
    return m_signer.verify(request.authorization.mid(prefix.size()).trimmed(),
                           JwtSigner::Use::Access, QDateTime::currentSecsSinceEpoch(), why);
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

std::optional<Identity> ApiRouter::current(const Identity &who, QString *why) {
    std::optional<Identity> renewed;
    QString error;
    const bool ok = m_store->run(
        SyncStore::Mode::Read,
        [&](StoreSession &session) {
            if (const std::optional<KnownUser> user = session.user(who.userId))
                renewed = Identity{who.userId, user->groupId, user->role};
            else if (!session.isDeletedUser(who.userId))
                renewed = Identity{who.userId, {}, {}};
            return session.lastError().isEmpty();
        },
        &error);
    if (!ok) {
        *why = QStringLiteral("database unavailable");
        return std::nullopt;
    }
    if (!renewed)
        *why = QStringLiteral("the account was deleted");
    return renewed;
}

HttpResponse ApiRouter::api(const HttpRequest &request, const QString &path, bool account) {
    QString why;
    const std::optional<Identity> who = authenticate(request, &why);
    if (!who)
        return HttpResponse::error(401, why);
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

HttpResponse ApiRouter::refresh(const HttpRequest &request) {
    const QJsonDocument document = QJsonDocument::fromJson(request.body);
    const QJsonValue token = document.object().value(QLatin1String("refresh_token"));
    if (!token.isString())
        return HttpResponse::error(400, QStringLiteral("refresh_token is required"));
    QString why;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    std::optional<Identity> who
        = m_signer.verify(token.toString().toLatin1(), JwtSigner::Use::Refresh, now, &why);
    // The renewed tokens say what the store says now: a member who joined, left or was
    // removed gets the claims that match.
    if (who)
        who = current(*who, &why);
    if (!who)
        return HttpResponse::error(401, why);
    HttpResponse response = HttpResponse::json(
        200,
        {{QStringLiteral("access_token"),
          m_signer.issue(*who, JwtSigner::Use::Access, now, JwtSigner::AccessLifetimeSeconds)},
         {QStringLiteral("refresh_token"),
          m_signer.issue(*who, JwtSigner::Use::Refresh, now, JwtSigner::RefreshLifetimeSeconds)}});
    response.userId = who->userId;
    return response;
}
