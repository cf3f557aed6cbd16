// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/jsonfields.h"

namespace TindAccount {

struct GroupMember {
    QString accountId;
    QString displayName;
    QString email;
    QString role; // "owner" marks the group's owner
    QDateTime joinedAt;

    static GroupMember fromJson(const QJsonObject &o) {
        return {jsonString(o, "account_id"), jsonString(o, "display_name"), jsonString(o, "email"),
                jsonString(o, "role"), jsonDateTime(o, "joined_at")};
    }
};

} // namespace TindAccount
