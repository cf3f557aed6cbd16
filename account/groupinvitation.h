// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/jsonfields.h"

namespace TindAccount {

struct GroupInvitation {
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    static GroupInvitation fromJson(const QJsonObject &o) {
        return {jsonString(o, "id"), jsonString(o, "invited_email"), jsonString(o, "invite_code"),
                jsonString(o, "status"), jsonDateTime(o, "expires_at")};
    }
};

} // namespace TindAccount
