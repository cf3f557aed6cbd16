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
    , m_sharing(store) {}

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
    const std::optional<Identity> who = authenticate(request, &why);
    if (!who)
        return HttpResponse::error(401, why);
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

HttpResponse ApiRouter::refresh(const HttpRequest &request) {
    const QJsonDocument document = QJsonDocument::fromJson(request.body);
    const QJsonValue token = document.object().value(QLatin1String("refresh_token"));
    if (!token.isString())
        return HttpResponse::error(400, QStringLiteral("refresh_token is required"));
    QString why;
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const std::optional<Identity> who
        = m_signer.verify(token.toString().toLatin1(), JwtSigner::Use::Refresh, now, &why);
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
