// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// One sign-in of a user on one device: the refresh tokens it is given and the access tokens
// minted from them all name it, so ending it ends them all.
struct AuthSession {
    QString sessionId;
    QString userId;
    QString userAgent;
    QString ipAddress;
    QString createdAt;    // ISO 8601 UTC
    QString lastActiveAt; // ISO 8601 UTC, moved on every refresh
    bool revoked = false;
};
