// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/tindclaims.h"

#include "account/jwtpayload.h"

#include <QJsonObject>

namespace TindAccount {

TindClaims TindClaims::fromAccessToken(const QString &token) {
    const QJsonObject tind = decodeJwtPayload(token)
                                 .value(QLatin1String("custom"))
                                 .toObject()
                                 .value(QLatin1String("tind"))
                                 .toObject();
    TindClaims claims;
    if (tind.isEmpty())
        return claims;
    claims.groupId = tind.value(QLatin1String("group_id")).toString();
    claims.role = tind.value(QLatin1String("role")).toString();
    return claims;
}

} // namespace TindAccount
