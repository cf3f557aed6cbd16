// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/authcode.h"
#include "server/authsession.h"
#include "server/credential.h"
#include "server/familygroup.h"
#include "server/invitation.h"
#include "server/knownuser.h"
#include "server/refreshtoken.h"
#include "server/registereddevice.h"
#include "server/share.h"
#include "server/storedrecord.h"

#include <QList>
#include <QString>

#include <optional>

// What the API does with the stored data, inside one database transaction. A writing
// session holds the sequence for its whole life, so changes become visible in the order of
// their sequence numbers and a reader's cursor never skips one still being written.
class StoreSession {
public:
    // A record's identity in its owner's data space.
    struct ClientKey {
        QString ownerId;
        QString entityType;
        QString clientId;
    };

    virtual ~StoreSession() = default;

    // Writing sessions: the records that are about to be looked up one by one, read in one go
    // where each lookup would cost a round trip. Later lookups of them answer from what was
    // read (and what this session wrote since), so nobody else may write them meanwhile: the
    // session takes its turn among writers first.
    virtual void preload(const QList<QString> &serverIds, const QList<ClientKey> &clientKeys) {
        Q_UNUSED(serverIds);
        Q_UNUSED(clientKeys);
    }

    virtual std::optional<StoredRecord> recordByServerId(const QString &serverId) = 0;
    virtual std::optional<StoredRecord>
    recordByClientId(const QString &ownerId, const QString &entityType, const QString &clientId)
        = 0;
    // Rows of one account (the account itself included), in any order.
    virtual QList<StoredRecord> recordsOfAccount(const QString &ownerId, const QString &accountId)
        = 0;
    // Inserts the record, or replaces the one with its server id.
    virtual bool putRecord(const StoredRecord &record) = 0;
    // The next number of the one server-wide sequence (writing sessions only).
    virtual qint64 nextSequence() = 0;
    // The highest sequence number of a finished write.
    virtual qint64 committedSequence() = 0;

    // Pull pages: changes with since < sequence <= upTo, in sequence order, at most limit.
    virtual QList<StoredRecord> ownChanges(const QString &ownerId, qint64 since, qint64 upTo,
                                           int limit)
        = 0;
    virtual QList<StoredRecord> sharedChanges(const QString &memberId, qint64 since, qint64 upTo,
                                              int limit)
        = 0;
    // Tombstones of rows that were shared with the member and no longer are; the records
    // carry the row's identity and revoked = true.
    virtual QList<StoredRecord> revocations(const QString &memberId, qint64 since, qint64 upTo,
                                            int limit)
        = 0;
    virtual bool hasRevocation(const QString &memberId, const QString &serverId) = 0;
    virtual bool addRevocation(const QString &memberId, const StoredRecord &record, qint64 sequence)
        = 0;
    virtual bool clearRevocations(const QString &memberId, const QString &ownerId,
                                  const QString &accountId)
        = 0;
    virtual int liveCategoryCount(const QString &ownerId) = 0;

    virtual QList<Share> sharesOfMember(const QString &memberId) = 0;
    virtual QList<Share> sharesOfAccount(const QString &ownerId, const QString &accountId) = 0;
    // Accounts of the owner shared with anyone.
    virtual QList<QString> sharedAccountsOf(const QString &ownerId) = 0;
    virtual bool putShare(const Share &share) = 0;
    virtual bool removeShare(const QString &ownerId, const QString &accountId,
                             const QString &memberId)
        = 0;

    virtual std::optional<KnownUser> user(const QString &userId) = 0;
    virtual std::optional<KnownUser> userByEmail(const QString &email) = 0;
    virtual bool putUser(const KnownUser &user) = 0;

    // Sign-in credentials; the email is looked up in its canonical form.
    virtual std::optional<Credential> credential(const QString &userId) = 0;
    virtual std::optional<Credential> credentialByEmail(const QString &email) = 0;
    // Every credential, by email.
    virtual QList<Credential> credentials() = 0;
    // Inserts, or replaces the one of its user id.
    virtual bool putCredential(const Credential &credential) = 0;

    // Inserts, or replaces the one of its session id.
    virtual bool putAuthSession(const AuthSession &session) = 0;
    virtual std::optional<AuthSession> authSession(const QString &sessionId) = 0;
    // The user's sessions that are not revoked, oldest first.
    virtual QList<AuthSession> liveAuthSessionsOf(const QString &userId) = 0;
    // Revokes every session of the user except keep (none when keep is empty).
    virtual bool revokeAuthSessionsOf(const QString &userId, const QString &keep) = 0;
    // Whether the session exists, is the user's and is not revoked: asked on every request, so
    // one lookup by primary key.
    virtual bool isAuthSessionLive(const QString &sessionId, const QString &userId) = 0;

    virtual bool putRefreshToken(const RefreshToken &token) = 0;
    virtual std::optional<RefreshToken> refreshToken(const QString &tokenHash) = 0;
    // Marks the token used. False when it already was: another request used it first.
    virtual bool useRefreshToken(const QString &tokenHash) = 0;
    // Drops tokens and codes that expired before now.
    virtual bool forgetExpired(qint64 now) = 0;

    virtual bool putAuthCode(const AuthCode &code) = 0;
    // The code, deleted as it is read: whoever takes it first has it.
    virtual std::optional<AuthCode> takeAuthCode(const QString &codeHash) = 0;

    // Counts one more attempt in the bucket's window starting at windowStart and returns the
    // attempts of that window so far; 0 when it could not count.
    virtual int countAttempt(const QString &bucket, qint64 windowStart) = 0;
    virtual bool forgetAttemptsBefore(qint64 windowStart) = 0;
    // Writers that change groups, invitations or devices call this first, so that two of them
    // never both see a free seat or an unused code.
    virtual bool serializeAccountChanges() { return true; }
    virtual QList<KnownUser> membersOf(const QString &groupId) = 0;
    virtual std::optional<FamilyGroup> group(const QString &groupId) = 0;
    virtual bool putGroup(const FamilyGroup &group) = 0;
    // The group with its invitations.
    virtual bool removeGroup(const QString &groupId) = 0;
    virtual QList<Invitation> invitationsOf(const QString &groupId) = 0;
    virtual std::optional<Invitation> invitation(const QString &invitationId) = 0;
    virtual std::optional<Invitation> invitationByCode(const QString &code) = 0;
    virtual bool putInvitation(const Invitation &invitation) = 0;
    virtual bool removeInvitation(const QString &invitationId) = 0;
    virtual QList<RegisteredDevice> devicesOf(const QString &userId) = 0;
    virtual bool putDevice(const RegisteredDevice &device) = 0;
    virtual bool removeDevice(const QString &userId, const QString &deviceId) = 0;
    // Everything stored of the user (records, shares both ways, the tombstones addressed to
    // them, devices, the user row); the id is kept as deleted so that old tokens stay refused.
    virtual bool removeUser(const QString &userId, const QString &deletedAt) = 0;
    virtual bool isDeletedUser(const QString &userId) = 0;
    // An administrator issues the id again.
    virtual bool undeleteUser(const QString &userId) = 0;
    // Every sign-in session of the user ends, and with it the tokens minted for it.
    bool endSessionsOf(const QString &userId) { return revokeAuthSessionsOf(userId, QString()); }

    virtual QString lastError() const = 0;
};
