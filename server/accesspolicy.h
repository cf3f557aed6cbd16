// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/identity.h"
#include "server/share.h"
#include "server/storedrecord.h"

#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class StoreSession;

// Who may see and change which rows. Every row belongs to its owner's data space; a share
// opens one account of it (the account and the rows that name it) to one member, for reading,
// and for writing the account's rows when the share's role is "member". The account row
// itself stays the owner's to change. Every handler asks here; none decides on its own.
class AccessPolicy {
public:
    AccessPolicy(StoreSession &session, const Identity &who);

    const QString &userId() const { return m_who.userId; }
    // The share through which this user reaches ownerId's account, if any.
    std::optional<Share> shareOf(const QString &ownerId, const QString &accountId);
    bool canRead(const StoredRecord &record);
    bool canWrite(const StoredRecord &record);
    // A record of this kind may be created in, or moved to, ownerId's account.
    bool canWriteInto(const QString &ownerId, const QString &entityType, const QString &accountId);
    // The data space a record not yet stored goes to: the owner of the shared account it
    // names, else the user's own.
    QString ownerFor(const QString &entityType, const QString &accountId);
    // The owners of accounts with this client id that are shared with this user.
    QList<QString> sharingOwners(const QString &accountId);

private:
    const QList<Share> &shares();

    StoreSession &m_session;
    Identity m_who;
    std::optional<QList<Share>> m_shares;
    QHash<QString, bool> m_ownAccounts; // account client id -> the user's own
};
