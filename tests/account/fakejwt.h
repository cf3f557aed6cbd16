// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// Unsigned tokens with a chosen payload: the client reads its token, it never verifies it.
inline QString fakeJwt(const QJsonObject &payload) {
    const auto encode = [](const QByteArray &bytes) {
        return bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    };
    return QString::fromLatin1(encode(R"({"alg":"none","typ":"JWT"})") + '.'
                               + encode(QJsonDocument(payload).toJson(QJsonDocument::Compact))
                               + ".c2ln");
}

inline QString fakeJwtExpiringIn(qint64 seconds, QJsonObject payload = {}) {
    payload.insert(QStringLiteral("exp"), QDateTime::currentSecsSinceEpoch() + seconds);
    return fakeJwt(payload);
}
