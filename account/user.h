// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/jsonfields.h"

namespace TindAccount {

struct User {
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    static User fromJson(const QJsonObject &o) {
        return {jsonString(o, "id"),           jsonString(o, "email"),
                jsonString(o, "display_name"), jsonString(o, "username"),
                jsonString(o, "avatar_url"),   jsonDateTime(o, "created_at")};
    }
};

} // namespace TindAccount
