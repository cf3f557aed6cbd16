// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/jwtsigner.h"

#include <QCryptographicHash>
#include <QJsonDocument>
#include <QList>
#include <QMessageAuthenticationCode>

namespace {

constexpr auto kBase64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QByteArray encodePart(const QJsonObject &object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact).toBase64(kBase64Url);
}

std::optional<QJsonObject> decodePart(const QByteArray &part) {
    const auto decoded = QByteArray::fromBase64Encoding(part, kBase64Url);
    if (!decoded)
        return std::nullopt;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(*decoded, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

QString useText(JwtSigner::Use use) {
    return use == JwtSigner::Use::Access ? QStringLiteral("access") : QStringLiteral("refresh");
}

// A comparison whose time does not tell how many leading bytes matched.
bool sameBytes(const QByteArray &a, const QByteArray &b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a.at(i) ^ b.at(i));
    return difference == 0;
}

bool fail(QString *why, const QString &reason) {
    if (why)
        *why = reason;
    return false;
}

} // namespace

JwtSigner::JwtSigner(QByteArray key)
    : m_key(std::move(key)) {}

QByteArray JwtSigner::sign(const QByteArray &signingInput) const {
    return QMessageAuthenticationCode::hash(signingInput, m_key, QCryptographicHash::Sha256)
        .toBase64(kBase64Url);
}

QString JwtSigner::issue(const Identity &who, Use use, qint64 now, qint64 lifetimeSeconds) const {
    QJsonObject claims{{QStringLiteral("sub"), who.userId},
                       {QStringLiteral("iat"), now},
                       {QStringLiteral("exp"), now + lifetimeSeconds},
                       {QStringLiteral("token_use"), useText(use)}};
    if (!who.sessionId.isEmpty())
        claims.insert(QStringLiteral("sid"), who.sessionId);
    if (!who.groupId.isEmpty() || !who.role.isEmpty())
        claims.insert(QStringLiteral("custom"),
                      QJsonObject{{QStringLiteral("tind"),
                                   QJsonObject{{QStringLiteral("group_id"), who.groupId},
                                               {QStringLiteral("role"), who.role}}}});
    const QByteArray input = encodePart({{QStringLiteral("alg"), QStringLiteral("HS256")},
                                         {QStringLiteral("typ"), QStringLiteral("JWT")}})
                             + '.' + encodePart(claims);
    return QString::fromLatin1(input + '.' + sign(input));
}

std::optional<Identity> JwtSigner::verify(const QByteArray &token, Use use, qint64 now,
                                          QString *why) const {
    const QList<QByteArray> parts = token.split('.');
    if (parts.size() != 3) {
        fail(why, QStringLiteral("not a token"));
        return std::nullopt;
    }
    const std::optional<QJsonObject> header = decodePart(parts.at(0));
    // Only the one algorithm this server signs with: a token may not choose how it is checked.
    if (!header || header->value(QLatin1String("alg")).toString() != QLatin1String("HS256")) {
        fail(why, QStringLiteral("not a token of this server"));
        return std::nullopt;
    }
    if (!sameBytes(sign(parts.at(0) + '.' + parts.at(1)), parts.at(2))) {
        fail(why, QStringLiteral("bad signature"));
        return std::nullopt;
    }
    const std::optional<QJsonObject> claims = decodePart(parts.at(1));
    if (!claims) {
        fail(why, QStringLiteral("not a token"));
        return std::nullopt;
    }
    const QJsonValue exp = claims->value(QLatin1String("exp"));
    if (!exp.isDouble() || qint64(exp.toDouble()) <= now) {
        fail(why, QStringLiteral("expired"));
        return std::nullopt;
    }
    if (claims->value(QLatin1String("token_use")).toString() != useText(use)) {
        fail(why, QStringLiteral("wrong kind of token"));
        return std::nullopt;
    }
    Identity who;
    who.userId = claims->value(QLatin1String("sub")).toString();
    if (who.userId.isEmpty()) {
        fail(why, QStringLiteral("no subject"));
        return std::nullopt;
    }
    const QJsonObject tind
        = claims->value(QLatin1String("custom")).toObject().value(QLatin1String("tind")).toObject();
    who.groupId = tind.value(QLatin1String("group_id")).toString();
    who.role = tind.value(QLatin1String("role")).toString();
    who.sessionId = claims->value(QLatin1String("sid")).toString();
    return who;
}
