// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/sessiontokens.h"

#include "server/storesession.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QRandomGenerator>
#include <QUuid>

QJsonObject SessionTokens::Issued::toJson() const {
    return {{QStringLiteral("access_token"), accessToken},
            {QStringLiteral("refresh_token"), refreshToken},
            {QStringLiteral("token_type"), QStringLiteral("Bearer")},
            {QStringLiteral("expires_in"), accessLifetime}};
}

const QString SessionTokens::EnrolmentPrefix = QStringLiteral("enrol.");

QString SessionTokens::randomSecret() {
    QByteArray bytes(32, Qt::Uninitialized);
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString SessionTokens::hashOf(const QString &secret) {
    return QString::fromLatin1(
        QCryptographicHash::hash(secret.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString SessionTokens::nowText(qint64 now) {
    return QDateTime::fromSecsSinceEpoch(now, Qt::UTC).toString(Qt::ISODate);
}

std::optional<SessionTokens::Issued>
SessionTokens::start(StoreSession &session, const JwtSigner &signer, const QString &userId,
                     const QString &userAgent, const QString &ipAddress, qint64 now,
                     qint64 accessLifetime, Kind kind) {
    AuthSession started;
    started.sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    started.userId = userId;
    // Shown in the session list only; a long one is cut rather than refused.
    started.userAgent = userAgent.left(256);
    started.ipAddress = ipAddress.left(64);
    started.createdAt = nowText(now);
    started.lastActiveAt = started.createdAt;
    if (!session.putAuthSession(started))
        return std::nullopt;
    return issue(session, signer, userId, started.sessionId, now, accessLifetime, kind);
}

std::optional<SessionTokens::Issued> SessionTokens::renew(StoreSession &session,
                                                          const JwtSigner &signer,
                                                          const QString &userId,
                                                          const QString &sessionId, qint64 now) {
    std::optional<AuthSession> current = session.authSession(sessionId);
    if (!current)
        return std::nullopt;
    current->lastActiveAt = nowText(now);
    if (!session.putAuthSession(*current))
        return std::nullopt;
    return issue(session, signer, userId, sessionId, now, AccessLifetimeSeconds, Kind::SignIn);
}

std::optional<SessionTokens::Issued>
SessionTokens::issue(StoreSession &session, const JwtSigner &signer, const QString &userId,
                     const QString &sessionId, qint64 now, qint64 accessLifetime, Kind kind) {
    Issued issued;
    issued.sessionId = sessionId;
    issued.accessLifetime = accessLifetime;
    issued.refreshToken = (kind == Kind::Enrolment ? EnrolmentPrefix : QString()) + randomSecret();
    if (!session.putRefreshToken(RefreshToken{hashOf(issued.refreshToken), sessionId,
                                              now + RefreshLifetimeSeconds, false}))
        return std::nullopt;
    // Group and role as the server keeps them now, not as an older token said.
    const std::optional<KnownUser> user = session.user(userId);
    Identity who{userId, user ? user->groupId : QString(), user ? user->role : QString(),
                 sessionId};
    issued.accessToken = signer.issue(who, JwtSigner::Use::Access, now, accessLifetime);
    return issued;
}
