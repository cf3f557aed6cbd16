// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/jsonfields.h"

namespace TindAccount {

struct Session {
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;

    static Session fromJson(const QJsonObject &o) {
        return {jsonString(o, "id"),
                jsonString(o, "user_agent"),
                jsonString(o, "ip_address"),
                jsonDateTime(o, "created_at"),
                jsonDateTime(o, "last_active_at"),
                o.value(QLatin1String("is_current")).toBool()};
    }
};

} // namespace TindAccount
