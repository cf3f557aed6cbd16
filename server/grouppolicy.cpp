// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/grouppolicy.h"

namespace {

const QString kOwner = QStringLiteral("owner");

bool sameEmail(const QString &a, const QString &b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

int GroupPolicy::status(Verdict verdict) {
    switch (verdict) {
    case Verdict::Allowed:
        return 200;
    case Verdict::StaleToken:
        return 401;
    case Verdict::NotOwner:
    case Verdict::NotForYou:
        return 403;
    case Verdict::NotInGroup:
    case Verdict::UnusableCode:
    case Verdict::NotAMember:
    case Verdict::NoSuchInvitation:
        return 404;
    case Verdict::AlreadyInGroup:
    case Verdict::GroupFull:
        return 409;
    case Verdict::CannotRemoveSelf:
        return 400;
    }
    return 400;
}

QString GroupPolicy::message(Verdict verdict) {
    switch (verdict) {
    case Verdict::Allowed:
        return QString();
    case Verdict::StaleToken:
        return QStringLiteral("the token's group membership is out of date; renew the token");
    case Verdict::NotInGroup:
        return QStringLiteral("you are not in a group");
    case Verdict::NotOwner:
        return QStringLiteral("only the group's owner may do this");
    case Verdict::AlreadyInGroup:
        return QStringLiteral("you are already in a group; leave it first");
    case Verdict::GroupFull:
        return QStringLiteral("the group has no free seat");
    case Verdict::UnusableCode:
        return QStringLiteral("invalid or expired invite code");
    case Verdict::NotForYou:
        return QStringLiteral("this invitation is for another email address");
    case Verdict::CannotRemoveSelf:
        return QStringLiteral("the owner leaves the group instead of removing themselves");
    case Verdict::NotAMember:
        return QStringLiteral("no such member of your group");
    case Verdict::NoSuchInvitation:
        return QStringLiteral("no such invitation");
    }
    return QString();
}

bool GroupPolicy::claimsCurrent(const Identity &who, const KnownUser &stored) {
    return who.userId == stored.userId && who.groupId == stored.groupId
           && (stored.groupId.isEmpty() || who.role == stored.role);
}

GroupPolicy::Verdict GroupPolicy::mayActInGroup(const Identity &who, const KnownUser &caller) {
    if (!claimsCurrent(who, caller))
        return Verdict::StaleToken;
    return caller.groupId.isEmpty() ? Verdict::NotInGroup : Verdict::Allowed;
}

GroupPolicy::Verdict GroupPolicy::mayInvite(const Identity &who, const KnownUser &caller,
                                            int members, int openInvitations) {
    if (!claimsCurrent(who, caller))
        return Verdict::StaleToken;
    if (caller.groupId.isEmpty())
        return Verdict::Allowed;
    if (caller.role != kOwner)
        return Verdict::NotOwner;
    return members + openInvitations >= MaxSeats ? Verdict::GroupFull : Verdict::Allowed;
}

GroupPolicy::Verdict GroupPolicy::mayJoin(const Identity &who, const KnownUser &joiner,
                                          const std::optional<Invitation> &invitation, int members,
                                          const QDateTime &now) {
    if (!claimsCurrent(who, joiner))
        return Verdict::StaleToken;
    if (!joiner.groupId.isEmpty())
        return Verdict::AlreadyInGroup;
    if (!invitation || expired(*invitation, now))
        return Verdict::UnusableCode;
    if (!invitation->email.isEmpty() && !sameEmail(invitation->email, joiner.email))
        return Verdict::NotForYou;
    // The invitation holds a seat of its own, so this is only short when the group filled up
    // another way.
    return members >= MaxSeats ? Verdict::GroupFull : Verdict::Allowed;
}

GroupPolicy::Verdict GroupPolicy::mayRemove(const Identity &who, const KnownUser &caller,
                                            const std::optional<KnownUser> &target) {
    const Verdict inGroup = mayActInGroup(who, caller);
    if (inGroup != Verdict::Allowed)
        return inGroup;
    if (caller.role != kOwner)
        return Verdict::NotOwner;
    if (!target || target->groupId != caller.groupId)
        return Verdict::NotAMember;
    return target->userId == caller.userId ? Verdict::CannotRemoveSelf : Verdict::Allowed;
}

GroupPolicy::Verdict GroupPolicy::mayRevoke(const Identity &who, const KnownUser &caller,
                                            const std::optional<Invitation> &invitation) {
    const Verdict inGroup = mayActInGroup(who, caller);
    if (inGroup != Verdict::Allowed)
        return inGroup;
    if (caller.role != kOwner)
        return Verdict::NotOwner;
    // Another group's invitation is answered as missing: ids are not to be probed.
    return invitation && invitation->groupId == caller.groupId ? Verdict::Allowed
                                                               : Verdict::NoSuchInvitation;
}

GroupPolicy::Verdict GroupPolicy::mayShare(const Identity &who, const KnownUser &owner,
                                           const KnownUser &member) {
    const Verdict inGroup = mayActInGroup(who, owner);
    if (inGroup != Verdict::Allowed)
        return inGroup;
    return member.groupId == owner.groupId ? Verdict::Allowed : Verdict::NotAMember;
}

bool GroupPolicy::expired(const Invitation &invitation, const QDateTime &now) {
    const QDateTime expiry = QDateTime::fromString(invitation.expiresAt, Qt::ISODate);
    return !expiry.isValid() || expiry <= now;
}

std::optional<KnownUser> GroupPolicy::successor(const QList<KnownUser> &members,
                                                const QString &leavingOwnerId) {
    std::optional<KnownUser> next;
    for (const KnownUser &member : members) {
        if (member.userId == leavingOwnerId)
            continue;
        if (!next || member.joinedAt < next->joinedAt
            || (member.joinedAt == next->joinedAt && member.userId < next->userId))
            next = member;
    }
    return next;
}
