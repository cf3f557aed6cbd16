// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// An open invitation into a group. Its code is used once: joining removes it.
struct Invitation {
    QString invitationId;
    QString groupId;
    QString code;
    QString email; // only this person may use it; empty: whoever has the code
    QString invitedBy;
    QString createdAt;
    QString expiresAt;
};
