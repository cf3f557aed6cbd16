// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/syncapi.h"

#include "server/accesspolicy.h"
#include "server/pullpagewriter.h"
#include "server/recordid.h"
#include "server/synccursor.h"
#include "server/syncstore.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QUuid>

#include <algorithm>
#include <cmath>

namespace {

const QString kAccount = QStringLiteral("account");
const QStringList kEntityTypes{kAccount,
                               QStringLiteral("category"),
                               QStringLiteral("recurring"),
                               QStringLiteral("transaction"),
                               QStringLiteral("reconciliation"),
                               QStringLiteral("budget")};
// Index for index the array of each entity type in a pulled page.
const QStringList kPullArrays{QStringLiteral("accounts"),
                              QStringLiteral("categories"),
                              QStringLiteral("recurring_transactions"),
                              QStringLiteral("transactions"),
                              QStringLiteral("reconciliations"),
                              QStringLiteral("budgets")};
constexpr int kMaxIdLength = 128;

struct Change {
    QString entityType;
    QString entityId;
    bool deleted = false;
    int version = 0;
    QString serverIdHint;
    QString accountId;
    QJsonObject payload;
};

QString nowText() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

bool isId(const QJsonValue &value, bool mayBeEmpty) {
    if (value.isUndefined() || value.isNull())
        return mayBeEmpty;
    if (!value.isString())
        return false;
    const QString text = value.toString();
    return (mayBeEmpty || !text.isEmpty()) && text.size() <= kMaxIdLength;
}

// Reads one change; the reason it is malformed otherwise.
std::optional<Change> readChange(const QJsonValue &value, QString *why) {
    if (!value.isObject()) {
        *why = QStringLiteral("is not an object");
        return std::nullopt;
    }
    const QJsonObject object = value.toObject();
    Change change;
    change.entityType = object.value(QLatin1String("entity_type")).toString();
    if (!kEntityTypes.contains(change.entityType)) {
        *why = QStringLiteral("has an unknown entity_type");
        return std::nullopt;
    }
    if (!isId(object.value(QLatin1String("entity_id")), false)) {
        *why = QStringLiteral("needs entity_id as a string");
        return std::nullopt;
    }
    change.entityId = object.value(QLatin1String("entity_id")).toString();
    const QString action = object.value(QLatin1String("action")).toString();
    if (action != QLatin1String("upsert") && action != QLatin1String("delete")) {
        *why = QStringLiteral("needs action \"upsert\" or \"delete\"");
        return std::nullopt;
    }
    change.deleted = action == QLatin1String("delete");
    const QJsonValue version = object.value(QLatin1String("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 0 || number > 2147483647.0
        || std::floor(number) != number) {
        *why = QStringLiteral("needs version as a whole number");
        return std::nullopt;
    }
    change.version = int(number);
    if (!object.value(QLatin1String("payload")).isObject()) {
        *why = QStringLiteral("needs payload as an object");
        return std::nullopt;
    }
    change.payload = object.value(QLatin1String("payload")).toObject();
    for (const char *key : {"server_id", "client_id", "account_id", "deleted_at"}) {
        if (!isId(change.payload.value(QLatin1String(key)), true)) {
            *why = QStringLiteral("has a payload %1 that is not a string").arg(QLatin1String(key));
            return std::nullopt;
        }
    }
    change.serverIdHint = change.payload.value(QLatin1String("server_id")).toString();
    change.accountId = change.entityType == kAccount
                           ? change.entityId
                           : change.payload.value(QLatin1String("account_id")).toString();
    // The row's identity is kept beside the payload, not in it.
    change.payload.remove(QStringLiteral("server_id"));
    change.payload.remove(QStringLiteral("client_id"));
    change.payload.remove(QStringLiteral("version"));
    if (!change.deleted)
        change.payload.remove(QStringLiteral("deleted_at"));
    else if (change.payload.value(QLatin1String("deleted_at")).toString().isEmpty())
        change.payload.insert(QStringLiteral("deleted_at"), nowText());
    return change;
}

QJsonObject result(const Change &change, const QString &status, const QString &serverId,
                   const QString &message = QString()) {
    QJsonObject object{{QStringLiteral("status"), status},
                       {QStringLiteral("entity_type"), change.entityType},
                       {QStringLiteral("entity_id"), change.entityId},
                       {QStringLiteral("server_id"), serverId}};
    if (!message.isEmpty())
        object.insert(QStringLiteral("message"), message);
    return object;
}

// Applies one change under the merge rule; the result to answer with.
QJsonObject apply(StoreSession &session, AccessPolicy &policy, const Change &change, bool *failed) {
    std::optional<StoredRecord> existing;
    if (!change.serverIdHint.isEmpty()) {
        existing = session.recordByServerId(change.serverIdHint);
        if (existing && existing->entityType != change.entityType)
            existing.reset();
        if (existing && !policy.canRead(*existing)) {
            // A device deletes what an ended share took away from it; for that user the
            // record is gone already, and telling the device otherwise would keep it retrying.
            if (change.deleted && session.hasRevocation(policy.userId(), existing->serverId))
                return result(change, QStringLiteral("ok"), existing->serverId);
            return result(change, QStringLiteral("forbidden"), QString(),
                          QStringLiteral("not a record of this user"));
        }
    }
    if (!existing) {
        const QString owner = policy.ownerFor(change.entityType, change.accountId);
        existing = session.recordByClientId(owner, change.entityType, change.entityId);
        if (!existing && !policy.canWriteInto(owner, change.entityType, change.accountId))
            return result(change, QStringLiteral("forbidden"), QString(),
                          QStringLiteral("the account is shared read-only"));
        if (!existing) {
            StoredRecord fresh;
            fresh.serverId = RecordId::create();
            fresh.ownerId = owner;
            fresh.entityType = change.entityType;
            fresh.clientId = change.entityId;
            existing = fresh;
            existing->version = -1; // nothing stored yet: any version is newer
        }
    }
    StoredRecord &record = *existing;
    if (record.version >= 0) {
        if (!policy.canWrite(record))
            return result(change, QStringLiteral("forbidden"), record.serverId,
                          QStringLiteral("the record is shared read-only"));
        if (change.accountId != record.accountId
            && !policy.canWriteInto(record.ownerId, change.entityType, change.accountId))
            return result(change, QStringLiteral("forbidden"), record.serverId,
                          QStringLiteral("cannot move the record to that account"));
        if (change.version < record.version)
            return result(change, QStringLiteral("conflict"), record.serverId,
                          QStringLiteral("the server has version %1").arg(record.version));
        if (change.version == record.version && change.deleted == record.deleted
            && QJsonDocument::fromJson(record.payload).object() == change.payload)
            return result(change, QStringLiteral("ok"), record.serverId);
    }
    record.accountId = change.accountId;
    record.version = change.version;
    record.deleted = change.deleted;
    record.payload = QJsonDocument(change.payload).toJson(QJsonDocument::Compact);
    record.sequence = session.nextSequence();
    if (!session.putRecord(record)) {
        *failed = true;
        return {};
    }
    return result(change, QStringLiteral("ok"), record.serverId);
}

// Everything apply() and the policy may look up for these changes: each record by the
// server id the device knows, and by its client id in every data space it may belong to.
void preload(StoreSession &session, AccessPolicy &policy, const QList<Change> &changes) {
    QList<QString> serverIds;
    QList<StoreSession::ClientKey> clientKeys;
    QSet<QString> accounts;
    for (const Change &change : changes) {
        if (!change.serverIdHint.isEmpty())
            serverIds.append(change.serverIdHint);
        clientKeys.append({policy.userId(), change.entityType, change.entityId});
        if (change.entityType == kAccount || change.accountId.isEmpty())
            continue;
        for (const QString &owner : policy.sharingOwners(change.accountId))
            clientKeys.append({owner, change.entityType, change.entityId});
        if (!accounts.contains(change.accountId)) {
            accounts.insert(change.accountId);
            clientKeys.append({policy.userId(), kAccount, change.accountId});
        }
    }
    session.preload(serverIds, clientKeys);
}

} // namespace

SyncApi::SyncApi(SyncStore *store)
    : m_store(store) {}

HttpResponse SyncApi::push(const Identity &who, const HttpRequest &request) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return HttpResponse::error(400, QStringLiteral("the body is not a JSON object"));
    const QJsonValue changesValue = document.object().value(QLatin1String("changes"));
    if (!changesValue.isArray())
        return HttpResponse::error(400, QStringLiteral("\"changes\" must be an array"));
    const QJsonArray changesArray = changesValue.toArray();
    if (changesArray.size() > MaxChangesPerPush)
        return HttpResponse::error(
            413, QStringLiteral("at most %1 changes per push").arg(MaxChangesPerPush));

    // Every change is read before any is stored: a malformed batch changes nothing.
    QList<Change> changes;
    changes.reserve(changesArray.size());
    for (qsizetype i = 0; i < changesArray.size(); ++i) {
        QString why;
        std::optional<Change> change = readChange(changesArray.at(i), &why);
        if (!change)
            return HttpResponse::error(400, QStringLiteral("change %1 %2").arg(i).arg(why));
        changes.append(std::move(*change));
    }

    QJsonArray results;
    QString error;
    const bool stored = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            AccessPolicy policy(session, who);
            preload(session, policy, changes);
            for (const Change &change : changes) {
                bool failed = false;
                results.append(apply(session, policy, change, &failed));
                if (failed)
                    return false;
            }
            return true;
        },
        &error);
    if (!stored) {
        qWarning("push: storing failed: %s", qPrintable(error));
        return HttpResponse::error(503, QStringLiteral("the changes could not be stored"));
    }
    return HttpResponse::json(200, {{QStringLiteral("results"), results}});
}

HttpResponse SyncApi::pull(const Identity &who, const HttpRequest &request) {
    qint64 since = 0;
    const QString sinceText
        = request.query.queryItemValue(QStringLiteral("since"), QUrl::FullyDecoded);
    if (!sinceText.isEmpty()) {
        const std::optional<qint64> parsed = SyncCursor::parse(sinceText);
        if (!parsed)
            return HttpResponse::error(400, QStringLiteral("\"since\" is not a server_time"));
        since = *parsed;
    }
    int limit = DefaultPullLimit;
    if (request.query.hasQueryItem(QStringLiteral("limit"))) {
        bool ok = false;
        limit = request.query.queryItemValue(QStringLiteral("limit")).toInt(&ok);
        if (!ok || limit <= 0)
            return HttpResponse::error(400, QStringLiteral("\"limit\" must be a positive number"));
        limit = qMin(limit, MaxPullLimit);
    }

    QByteArray page;
    QString error;
    const bool read = m_store->run(
        SyncStore::Mode::Read,
        [&](StoreSession &session) {
            // The upper bound is read first: every change at or below it has been committed,
            // and any still being written gets a higher number, so the cursor skips none.
            const qint64 upTo = session.committedSequence();
            // Nothing at or below the cursor can be new: a device that is up to date costs
            // one statement.
            QList<StoredRecord> records;
            if (since < upTo) {
                records = session.ownChanges(who.userId, since, upTo, limit + 1);
                records += session.sharedChanges(who.userId, since, upTo, limit + 1);
                records += session.revocations(who.userId, since, upTo, limit + 1);
            }
            std::sort(records.begin(), records.end(),
                      [](const StoredRecord &a, const StoredRecord &b) {
                          return a.sequence < b.sequence;
                      });
            const bool hasMore = records.size() > limit;
            if (hasMore)
                records.resize(limit);

            QSet<QString> sharedAccounts;
            if (!records.isEmpty()) {
                const QList<QString> shared = session.sharedAccountsOf(who.userId);
                sharedAccounts = QSet<QString>(shared.cbegin(), shared.cend());
            }
            PullPageWriter writer(kEntityTypes, kPullArrays, sharedAccounts, who.userId);
            for (const StoredRecord &record : records)
                writer.add(record);
            const qint64 cursor = hasMore ? records.last().sequence : qMax(upTo, since);
            // Before the first change there is no position to hand out.
            page = writer.finish(cursor > 0 ? SyncCursor::text(cursor) : QString(), hasMore,
                                 categoryCount(session, who.userId, upTo));
            return session.lastError().isEmpty();
        },
        &error);
    if (!read) {
        qWarning("pull: reading failed: %s", qPrintable(error));
        return HttpResponse::error(503, QStringLiteral("the changes could not be read"));
    }
    HttpResponse response;
    response.body = std::move(page);
    return response;
}

int SyncApi::categoryCount(StoreSession &session, const QString &userId, qint64 upTo) {
    {
        const std::lock_guard<std::mutex> lock(m_countsLock);
        const auto cached = m_counts.constFind(userId);
        if (cached != m_counts.cend() && cached->upTo == upTo)
            return cached->categories;
    }
    const int categories = session.liveCategoryCount(userId);
    if (session.lastError().isEmpty()) {
        const std::lock_guard<std::mutex> lock(m_countsLock);
        m_counts.insert(userId, {upTo, categories});
    }
    return categories;
}
