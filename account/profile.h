// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/jsonfields.h"
#include "account/profilegroup.h"

#include <optional>

namespace TindAccount {

struct Profile {
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    std::optional<ProfileGroup> group; // present only when the answer holds a group object

    static Profile fromJson(const QJsonObject &o) {
        Profile p{jsonString(o, "id"),
                  jsonString(o, "email"),
                  jsonString(o, "display_name"),
                  jsonString(o, "avatar_url"),
                  jsonString(o, "language"),
                  jsonString(o, "timezone"),
                  jsonString(o, "status"),
                  jsonDateTime(o, "created_at"),
                  std::nullopt};
        const QJsonValue group = o.value(QLatin1String("group"));
        if (group.isObject())
            p.group = ProfileGroup::fromJson(group.toObject());
        return p;
    }
};

} // namespace TindAccount
