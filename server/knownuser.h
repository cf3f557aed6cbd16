// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// A user this server has issued a token to or seen a token of: sharing needs to know which
// group a member belongs to.
struct KnownUser {
    QString userId;
    QString groupId;
    QString email;
    QString displayName;
    // "owner" or "member" of groupId; empty without a group.
    QString role;
    QString joinedAt; // when the user joined groupId
    QString createdAt;

    // A user the store has nothing more of.
    static KnownUser withId(const QString &userId) {
        KnownUser user;
        user.userId = userId;
        return user;
    }
};
