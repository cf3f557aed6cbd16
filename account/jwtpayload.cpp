// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/jwtpayload.h"

#include <QByteArray>
#include <QJsonDocument>

namespace TindAccount {

QJsonObject decodeJwtPayload(const QString &token) {
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return {};
    // Padding is optional in base64url; Qt accepts the payload with or without it.
    const QByteArray json
        = QByteArray::fromBase64(parts.at(1).toLatin1(), QByteArray::Base64UrlEncoding);
    return QJsonDocument::fromJson(json).object();
}

} // namespace TindAccount
