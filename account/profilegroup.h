// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/jsonfields.h"

namespace TindAccount {

struct ProfileGroup {
    QString id;
    QString name;
    QString role;
    int memberCount = 0;

    static ProfileGroup fromJson(const QJsonObject &o) {
        return {jsonString(o, "id"), jsonString(o, "name"), jsonString(o, "role"),
                jsonInt(o, "member_count")};
    }
};

} // namespace TindAccount
