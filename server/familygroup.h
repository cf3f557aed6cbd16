// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// A family group. Its members are the users whose groupId names it; the one with role "owner"
// runs it.
struct FamilyGroup {
    QString groupId;
    QString name;
    int maxSeats = 0;
    QString createdAt;
};
