// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/sharingapi.h"

#include "server/accesspolicy.h"
#include "server/grouppolicy.h"
#include "server/sharerevocation.h"
#include "server/syncstore.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

const QString kAccount = QStringLiteral("account");

HttpResponse notFound() {
    return HttpResponse::error(404, QStringLiteral("Account not found"));
}

// The caller's own account named by a path, by client id or server id.
std::optional<StoredRecord> ownAccount(StoreSession &session, const QString &userId,
                                       const QString &accountId) {
    std::optional<StoredRecord> account = session.recordByClientId(userId, kAccount, accountId);
    if (!account) {
        account = session.recordByServerId(accountId);
        if (account && (account->ownerId != userId || account->entityType != kAccount))
            account.reset();
    }
    if (account && account->deleted)
        account.reset();
    return account;
}

// Gives every row of the account a new place in the sequence, so that whoever may see it now
// receives it with the next pull, whatever their cursor.
bool resequence(StoreSession &session, const QString &ownerId, const QString &accountId) {
    for (StoredRecord record : session.recordsOfAccount(ownerId, accountId)) {
        record.sequence = session.nextSequence();
        if (!session.putRecord(record))
            return false;
    }
    return true;
}

HttpResponse storeFailure(const QString &error) {
    qWarning("sharing: storing failed: %s", qPrintable(error));
    return HttpResponse::error(503, QStringLiteral("the share could not be stored"));
}

} // namespace

SharingApi::SharingApi(SyncStore *store)
    : m_store(store) {}

HttpResponse SharingApi::members(const Identity &who, const QString &accountId) {
    HttpResponse response = notFound();
    QString error;
    const bool ok = m_store->run(
        SyncStore::Mode::Read,
        [&](StoreSession &session) {
            QList<Share> shares;
            if (const auto account = ownAccount(session, who.userId, accountId)) {
                shares = session.sharesOfAccount(who.userId, account->clientId);
            } else {
                AccessPolicy policy(session, who);
                const QString owner = policy.ownerFor(QStringLiteral("transaction"), accountId);
                if (owner == who.userId || !policy.shareOf(owner, accountId))
                    return true;
                shares = session.sharesOfAccount(owner, accountId);
            }
            QJsonArray array;
            for (const Share &share : shares) {
                const std::optional<KnownUser> user = session.user(share.memberId);
                array.append(QJsonObject{
                    {QStringLiteral("user_id"), share.memberId},
                    {QStringLiteral("email"),
                     user && !user->email.isEmpty() ? user->email : share.email},
                    {QStringLiteral("display_name"), user ? user->displayName : QString()},
                    {QStringLiteral("role"), share.role},
                    {QStringLiteral("created_at"), share.createdAt}});
            }
            response = HttpResponse::json(200, {{QStringLiteral("members"), array}});
            return true;
        },
        &error);
    return ok ? response : storeFailure(error);
}

HttpResponse SharingApi::share(const Identity &who, const QString &accountId,
                               const HttpRequest &request) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return HttpResponse::error(400, QStringLiteral("the body is not a JSON object"));
    const QJsonObject body = document.object();
    for (const char *key : {"user_id", "email", "role"}) {
        const QJsonValue value = body.value(QLatin1String(key));
        if (!value.isUndefined() && !value.isString())
            return HttpResponse::error(
                400, QStringLiteral("\"%1\" must be a string").arg(QLatin1String(key)));
    }
    const QString target = body.value(QLatin1String("user_id")).toString();
    const QString email = body.value(QLatin1String("email")).toString();
    QString role = body.value(QLatin1String("role")).toString();
    if (role.isEmpty())
        role = QStringLiteral("member");
    if (role != QLatin1String("member") && role != QLatin1String("viewer"))
        return HttpResponse::error(400, QStringLiteral("role must be \"member\" or \"viewer\""));
    if (target.isEmpty() && email.isEmpty())
        return HttpResponse::error(400, QStringLiteral("user_id is required"));

    HttpResponse response = notFound();
    QString error;
    const bool ok = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            const std::optional<StoredRecord> account = ownAccount(session, who.userId, accountId);
            if (!account)
                return true;
            // The stored group decides: a token may still claim a group its holder has left.
            const KnownUser owner
                = session.user(who.userId).value_or(KnownUser::withId(who.userId));
            std::optional<KnownUser> member;
            if (!target.contains(QLatin1Char('@')) && !target.isEmpty())
                member = session.user(target);
            if (!member)
                member = session.userByEmail(email.isEmpty() ? target : email);
            const GroupPolicy::Verdict verdict
                = GroupPolicy::mayShare(who, owner, member.value_or(KnownUser()));
            if (verdict == GroupPolicy::Verdict::StaleToken) {
                response = HttpResponse::error(GroupPolicy::status(verdict),
                                               GroupPolicy::message(verdict));
                return true;
            }
            if (!member || verdict != GroupPolicy::Verdict::Allowed) {
                response = HttpResponse::error(
                    404, QStringLiteral("No member of your group is known by that name"));
                return true;
            }
            if (member->userId == who.userId) {
                response = HttpResponse::error(
                    400, QStringLiteral("An account cannot be shared with its owner"));
                return true;
            }
            Share share{who.userId,     account->clientId,
                        member->userId, member->email.isEmpty() ? email : member->email,
                        role,           QDateTime::currentDateTimeUtc().toString(Qt::ISODate)};
            for (const Share &existing : session.sharesOfAccount(who.userId, account->clientId)) {
                if (existing.memberId == member->userId)
                    share.createdAt = existing.createdAt;
            }
            if (!session.putShare(share)
                || !session.clearRevocations(member->userId, who.userId, account->clientId)
                || !resequence(session, who.userId, account->clientId))
                return false;
            response = HttpResponse::json(200, {{QStringLiteral("status"), QStringLiteral("ok")}});
            return true;
        },
        &error);
    return ok ? response : storeFailure(error);
}

HttpResponse SharingApi::unshare(const Identity &who, const QString &accountId,
                                 const QString &memberId) {
    HttpResponse response = notFound();
    QString error;
    const bool ok = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            QString owner;
            QString accountClientId;
            if (const auto account = ownAccount(session, who.userId, accountId)) {
                owner = who.userId;
                accountClientId = account->clientId;
            } else if (memberId == who.userId) {
                // A member leaves an account shared with them.
                AccessPolicy policy(session, who);
                owner = policy.ownerFor(QStringLiteral("transaction"), accountId);
                if (owner == who.userId || !policy.shareOf(owner, accountId))
                    return true;
                accountClientId = accountId;
            } else {
                return true;
            }
            bool found = false;
            for (const Share &share : session.sharesOfAccount(owner, accountClientId))
                found = found || share.memberId == memberId;
            if (!found) {
                response = HttpResponse::error(404, QStringLiteral("No such share"));
                return true;
            }
            if (!ShareRevocation::revoke(session, owner, accountClientId, memberId))
                return false;
            response = HttpResponse::json(200, {});
            return true;
        },
        &error);
    return ok ? response : storeFailure(error);
}
