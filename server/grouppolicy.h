// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/identity.h"
#include "server/invitation.h"
#include "server/knownuser.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Who may do what to a family group. The stored membership decides, never the token: a token
// that still claims a group its holder has left (or been removed from) is out of date, and
// group actions refuse it until it is renewed. Pure decisions on values, so that every rule
// can be tried without a server.
class GroupPolicy {
public:
    enum class Verdict {
        Allowed,
        StaleToken,       // the token's group or role is not the stored one
        NotInGroup,       // the caller has no group
        NotOwner,         // only the owner may do this
        AlreadyInGroup,   // joining while in a group (this one or another)
        GroupFull,        // no seat left
        UnusableCode,     // unknown, expired or used invitation, or one of another group
        NotForYou,        // the invitation names someone else's email
        CannotRemoveSelf, // the owner leaves instead
        NotAMember,       // the target is not in the caller's group
        NoSuchInvitation, // unknown, or another group's
    };

    static constexpr int MaxSeats = 6;
    static constexpr qint64 InvitationLifetimeSeconds = 7 * 24 * 3600;

    // The HTTP status a refusal is answered with.
    static int status(Verdict verdict);
    static QString message(Verdict verdict);

    static bool claimsCurrent(const Identity &who, const KnownUser &stored);
    // Group actions after the stale-token check: in a group at all.
    static Verdict mayActInGroup(const Identity &who, const KnownUser &caller);
    // members and open invitations of the caller's group; none without a group (the invite
    // then founds one).
    static Verdict mayInvite(const Identity &who, const KnownUser &caller, int members,
                             int openInvitations);
    static Verdict mayJoin(const Identity &who, const KnownUser &joiner,
                           const std::optional<Invitation> &invitation, int members,
                           const QDateTime &now);
    static Verdict mayRemove(const Identity &who, const KnownUser &caller,
                             const std::optional<KnownUser> &target);
    static Verdict mayRevoke(const Identity &who, const KnownUser &caller,
                             const std::optional<Invitation> &invitation);
    // Sharing an account of owner's with member: both in the same group.
    static Verdict mayShare(const Identity &who, const KnownUser &owner, const KnownUser &member);

    static bool expired(const Invitation &invitation, const QDateTime &now);
    // Who runs the group after its owner goes: the member who joined first; none leaves the
    // group to be dissolved.
    static std::optional<KnownUser> successor(const QList<KnownUser> &members,
                                              const QString &leavingOwnerId);
};
