// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/sharerevocation.h"

#include "server/storesession.h"

bool ShareRevocation::revoke(StoreSession &session, const QString &ownerId,
                             const QString &accountId, const QString &memberId) {
    if (!session.removeShare(ownerId, accountId, memberId))
        return false;
    for (const StoredRecord &record : session.recordsOfAccount(ownerId, accountId)) {
        if (!session.addRevocation(memberId, record, session.nextSequence()))
            return false;
    }
    if (auto account = session.recordByClientId(ownerId, QStringLiteral("account"), accountId)) {
        account->sequence = session.nextSequence();
        if (!session.putRecord(*account))
            return false;
    }
    return true;
}

bool ShareRevocation::revokeAllOf(StoreSession &session, const QString &userId) {
    for (const QString &accountId : session.sharedAccountsOf(userId)) {
        for (const Share &share : session.sharesOfAccount(userId, accountId)) {
            if (!revoke(session, userId, accountId, share.memberId))
                return false;
        }
    }
    for (const Share &share : session.sharesOfMember(userId)) {
        if (!revoke(session, share.ownerId, share.accountId, userId))
            return false;
    }
    return true;
}
