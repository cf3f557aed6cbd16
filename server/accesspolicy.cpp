// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/accesspolicy.h"

#include "server/storesession.h"

namespace {

const QString kAccount = QStringLiteral("account");

} // namespace

AccessPolicy::AccessPolicy(StoreSession &session, const Identity &who)
    : m_session(session)
    , m_who(who) {}

const QList<Share> &AccessPolicy::shares() {
    if (!m_shares)
        m_shares = m_session.sharesOfMember(m_who.userId);
    return *m_shares;
}

std::optional<Share> AccessPolicy::shareOf(const QString &ownerId, const QString &accountId) {
    if (accountId.isEmpty())
        return std::nullopt;
    for (const Share &share : shares()) {
        if (share.ownerId == ownerId && share.accountId == accountId)
            return share;
    }
    return std::nullopt;
}

bool AccessPolicy::canRead(const StoredRecord &record) {
    return record.ownerId == m_who.userId || shareOf(record.ownerId, record.accountId);
}

bool AccessPolicy::canWrite(const StoredRecord &record) {
    if (record.ownerId == m_who.userId)
        return true;
    return canWriteInto(record.ownerId, record.entityType, record.accountId);
}

bool AccessPolicy::canWriteInto(const QString &ownerId, const QString &entityType,
                                const QString &accountId) {
    if (ownerId == m_who.userId)
        return true;
    if (entityType == kAccount)
        return false;
    const std::optional<Share> share = shareOf(ownerId, accountId);
    return share && Share::mayWrite(share->role);
}

QString AccessPolicy::ownerFor(const QString &entityType, const QString &accountId) {
    if (entityType == kAccount || accountId.isEmpty())
        return m_who.userId;
    // A push names the same few accounts hundreds of times.
    auto own = m_ownAccounts.constFind(accountId);
    if (own == m_ownAccounts.cend())
        own = m_ownAccounts.insert(
            accountId, bool(m_session.recordByClientId(m_who.userId, kAccount, accountId)));
    if (*own)
        return m_who.userId;
    for (const Share &share : shares()) {
        if (share.accountId == accountId)
            return share.ownerId;
    }
    return m_who.userId;
}

QList<QString> AccessPolicy::sharingOwners(const QString &accountId) {
    QList<QString> owners;
    for (const Share &share : shares()) {
        if (share.accountId == accountId && !owners.contains(share.ownerId))
            owners.append(share.ownerId);
    }
    return owners;
}
