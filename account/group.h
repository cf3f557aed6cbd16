// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/groupinvitation.h"
#include "account/groupmember.h"
#include "account/jsonfields.h"

#include <QJsonArray>
#include <QList>

namespace TindAccount {

struct Group {
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    static Group fromJson(const QJsonObject &o) {
        Group g{jsonString(o, "id"), jsonString(o, "name"), jsonInt(o, "max_seats"), {}, {}};
        for (const QJsonValue &v : o.value(QLatin1String("members")).toArray())
            g.members.append(GroupMember::fromJson(v.toObject()));
        for (const QJsonValue &v : o.value(QLatin1String("pending_invitations")).toArray())
            g.pendingInvitations.append(GroupInvitation::fromJson(v.toObject()));
        return g;
    }
};

} // namespace TindAccount
