// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/jsonfields.h"

namespace TindAccount {

struct Device {
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;

    static Device fromJson(const QJsonObject &o) {
        return {jsonString(o, "id"),
                jsonString(o, "device_name"),
                jsonString(o, "platform"),
                jsonString(o, "app_id"),
                jsonString(o, "app_version"),
                jsonDateTime(o, "last_sync_at"),
                jsonString(o, "device_fingerprint"),
                jsonDateTime(o, "created_at")};
    }
};

} // namespace TindAccount
