// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// An account of ownerId's data space that memberId may read, and write when role is "member".
struct Share {
    QString ownerId;
    QString accountId; // the account's client id
    QString memberId;
    QString email;
    QString role;
    QString createdAt;

    static bool mayWrite(const QString &role) { return role == QLatin1String("member"); }
};
