// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// A machine a user signed in on; one per user and fingerprint.
struct RegisteredDevice {
    QString deviceId;
    QString userId;
    QString fingerprint;
    QString name;
    QString platform;
    QString appId;
    QString appVersion;
    QString createdAt;
    QString lastSyncAt;
};
