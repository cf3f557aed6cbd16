// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/syncengine.h"

#include "account/apiclient.h"
#include "services/servicelog.h"
#include "services/syncpageapplier.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionscope.h"

#include <QJsonDocument>
#include <QScopedValueRollback>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrlQuery>

#include <optional>
#include <utility>

const QString SyncEngine::CursorKey = QStringLiteral("lastSyncTimestamp");
const QString SyncEngine::ServerKnowsKeyPrefix = QStringLiteral("syncServerKnows.");
const QString SyncEngine::BookOwnerKey = QStringLiteral("syncUserId");

namespace {

const QString kPushPath = QStringLiteral("/sync/push");
const QString kPullPath = QStringLiteral("/sync/pull");

// How long the work done while a push is on its way waits, so that the request's body has
// left first: the network thread takes the body from this thread piece by piece.
constexpr int kUploadMs = 3;

} // namespace

SyncEngine::SyncEngine(TindAccount::ApiClient *api, AccountRepository *accounts,
                       TransactionRepository *transactions, CategoryRepository *categories,
                       RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                       PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_accounts(accounts)
    , m_categories(categories)
    , m_preferences(preferences)
    , m_tables(accounts, transactions, categories, recurring, reconciliations)
    , m_applier(std::make_unique<SyncPageApplier>(accounts, transactions, categories, recurring,
                                                  reconciliations))
    , m_autoSyncTimer(new QTimer(this))
    , m_debounceTimer(new QTimer(this)) {
    m_debounceTimer->setSingleShot(true);
    m_debounceTimer->setInterval(DebounceMs);
    connect(m_autoSyncTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    if (m_api) {
        connect(m_api, &TindAccount::ApiClient::authenticationRequired, this,
                [this] { setState(Error); });
    }
}

SyncEngine::~SyncEngine() = default;

QString SyncEngine::stateText(SyncState state) {
    switch (state) {
    case Idle:
        return tr("Synced");
    case Syncing:
        return tr("Syncing...");
    case Error:
        return tr("Sync error");
    case Offline:
        return tr("Offline");
    }
    return tr("Unknown");
}

bool SyncEngine::isAutoSyncActive() const {
    return m_autoSyncTimer->isActive();
}

int SyncEngine::autoSyncInterval() const {
    return m_autoSyncTimer->interval();
}

bool SyncEngine::isSyncScheduled() const {
    return m_debounceTimer->isActive();
}

bool SyncEngine::signedOut() const {
    return m_api && !m_api->hasCredentials();
}

void SyncEngine::syncNow() {
    if (m_running || m_state == Syncing) {
        m_followUp = true;
        return;
    }
    m_followUp = false;
    if (signedOut()) {
        m_debounceTimer->stop();
        fail(QStringLiteral("Not signed in"));
        return;
    }
    if (!signedInAsBookOwner())
        return;
    m_running = true;
    m_run = RunSummary();
    setState(Syncing);
    performSync();
}

// The sign-in lives in the desktop's credential store, one per person on the machine, while
// books live in data directories, of which a person may keep several (their own, a parent's).
// Without this check the last sign-in would carry every set of books into that one account.
bool SyncEngine::signedInAsBookOwner() {
    const QString user = m_api ? m_api->tokenSubject() : QString();
    if (user.isEmpty())
        return true;
    const QString owner = m_preferences->value(BookOwnerKey, QString());
    if (owner.isEmpty()) {
        // Books synced before the owner was kept belong to whoever syncs them next, as before.
        m_preferences->setValue(BookOwnerKey, user);
        return true;
    }
    if (owner == user)
        return true;
    qCWarning(lcServices).noquote() << "Sync refused: these books sync with user" << owner
                                    << "but user" << user << "is signed in";
    m_debounceTimer->stop();
    fail(tr("These books are kept with another Tindral account. Sign in with the account they "
            "were synced with to sync them."));
    return false;
}

void SyncEngine::startAutoSync(int intervalMs) {
    m_autoSyncTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync() {
    m_autoSyncTimer->stop();
    m_debounceTimer->stop();
}

void SyncEngine::scheduleSync() {
    // The engine's own writes announce themselves like any other; they need no sync.
    if (signedOut() || m_storingOwnWrites)
        return;
    m_debounceTimer->start();
}

void SyncEngine::setState(SyncState state) {
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

QString SyncEngine::storedCursor() const {
    return m_preferences->value(CursorKey, QString());
}

void SyncEngine::loadHeldCategories() {
    m_heldCategories.clear();
    QSqlQuery query(m_accounts->database()->connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT entity_type, record_key, missing_id FROM "
                                   "sync_held_records WHERE missing_table = 'categories'")))
        return;
    while (query.next())
        m_heldCategories.insert(query.value(0).toString() + QLatin1Char('\n')
                                    + query.value(1).toString(),
                                query.value(2).toString());
}

// A pulled row stored without its category (which had not arrived) still belongs to it: a
// push of the row carries the held category, so that an edit here never drops it everywhere.
QJsonObject SyncEngine::withHeldCategory(const SyncTables::Table &table, QJsonObject change) const {
    if (m_heldCategories.isEmpty()
        || (table.kind != SyncTables::Kind::Transaction
            && table.kind != SyncTables::Kind::Recurring))
        return change;
    QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    if (!payload.value(table.categoryKey).toString().isEmpty())
        return change;
    const QString prefix = table.entityType + QLatin1Char('\n');
    const QString serverId = payload.value(QStringLiteral("server_id")).toString();
    QString held = serverId.isEmpty() ? QString() : m_heldCategories.value(prefix + serverId);
    if (held.isEmpty())
        held
            = m_heldCategories.value(prefix + change.value(QStringLiteral("entity_id")).toString());
    if (held.isEmpty())
        return change;
    payload.insert(table.categoryKey, held);
    change.insert(QStringLiteral("payload"), payload);
    return change;
}

bool SyncEngine::serverKnows(const SyncTables::Table &table) const {
    return !table.newerServersOnly
           || m_preferences->boolValue(ServerKnowsKeyPrefix + table.entityType, false);
}

void SyncEngine::performSync() {
    loadHeldCategories();
    QList<SyncTables::PendingChange> changes;
    for (const SyncTables::Table &table : m_tables.all()) {
        if (!serverKnows(table))
            continue;
        const bool mayHoldCategory = !m_heldCategories.isEmpty()
                                     && (table.kind == SyncTables::Kind::Transaction
                                         || table.kind == SyncTables::Kind::Recurring);
        for (SyncTables::PendingChange &change : table.pendingChanges()) {
            if (mayHoldCategory)
                changes.append([this, held = &table, make = std::move(change)] {
                    return withHeldCategory(*held, make());
                });
            else
                changes.append(std::move(change));
        }
    }

    if (changes.isEmpty()) {
        startPull();
        return;
    }
    qCInfo(lcServices).noquote() << "Pushing" << changes.size() << "changes (in batches of"
                                 << PushBatchSize << ")";
    m_changeQueue = std::move(changes);
    ++m_pushQueueId;
    m_queueSent = 0;
    m_nextBatch = {};
    m_queueMark = m_accounts->database()->writeMark();
    pushNextBatch();
}

QJsonArray SyncEngine::buildBatch(qsizetype from) const {
    QJsonArray batch;
    const qsizetype end = qMin(from + PushBatchSize, m_changeQueue.size());
    for (qsizetype i = from; i < end; ++i)
        batch.append(m_changeQueue.at(i)());
    return batch;
}

void SyncEngine::pushNextBatch() {
    if (m_changeQueue.isEmpty()) {
        startPull();
        return;
    }
    if (!m_api) {
        fail(QStringLiteral("Push failed (HTTP %1)").arg(0));
        return;
    }
    if (signedOut()) { // signed out while the sync ran
        fail(QStringLiteral("Not signed in"));
        return;
    }
    const int size = qMin(PushBatchSize, int(m_changeQueue.size()));
    const bool prebuilt = m_nextBatchQueue == m_pushQueueId && m_nextBatchAt == m_queueSent
                          && m_nextBatch.size() == size;
    const QJsonArray batch = prebuilt ? m_nextBatch : buildBatch(0);
    m_nextBatch = {};
    // The queue keeps the batch until the server answered, so that a failed push leaves it
    // queued as it was.
    qCInfo(lcServices).noquote() << "Push batch:" << size << "changes,"
                                 << m_changeQueue.size() - size << "remaining";

    QPointer<SyncEngine> self(this);
    m_api->post(kPushPath, QJsonObject{{QStringLiteral("changes"), batch}},
                [self, batch](bool ok, int status, const QJsonObject &body) {
                    if (!self)
                        return;
                    // Answers of earlier batches are stored first, whatever this one says.
                    self->storePushResults();
                    if (!ok) {
                        if (status == 400)
                            self->forgetNewerKinds(batch);
                        self->fail(QStringLiteral("Push failed (HTTP %1)").arg(status));
                        return;
                    }
                    const qsizetype sent
                        = qMin(qsizetype(batch.size()), self->m_changeQueue.size());
                    self->m_changeQueue.remove(0, sent);
                    self->m_queueSent += sent;
                    if (self->m_changeQueue.isEmpty()) {
                        // The pull that follows must find every accepted row marked.
                        self->handlePushResults(batch, body);
                        self->pushNextBatch();
                        return;
                    }
                    // The next batch leaves before these results are stored, and they are
                    // stored while the server works on it: the two sides no longer wait for
                    // each other in turn. The server still sees one batch at a time, in order.
                    self->m_unstoredResults.append({batch, body});
                    self->pushNextBatch();
                    QTimer::singleShot(kUploadMs, self, [self] {
                        if (self)
                            self->storePushResults();
                    });
                });
    // Built while the server works on this batch, once the request has left.
    if (m_changeQueue.size() > size) {
        const quint64 queue = m_pushQueueId;
        const qint64 at = m_queueSent + size;
        QTimer::singleShot(kUploadMs, this, [self, queue, at] {
            if (!self || self->m_pushQueueId != queue || self->m_queueSent + PushBatchSize != at)
                return;
            self->m_nextBatch = self->buildBatch(PushBatchSize);
            self->m_nextBatchQueue = queue;
            self->m_nextBatchAt = at;
        });
    }
}

void SyncEngine::storePushResults() {
    const QList<std::pair<QJsonArray, QJsonObject>> results = std::exchange(m_unstoredResults, {});
    for (const auto &[sent, response] : results)
        handlePushResults(sent, response);
}

// A server that refuses the batch as malformed may be an older one than the server these kinds
// were seen on (the device was pointed elsewhere): they wait until it shows them again.
void SyncEngine::forgetNewerKinds(const QJsonArray &batch) {
    QSet<QString> sent;
    for (const QJsonValue &change : batch)
        sent.insert(change.toObject().value(QLatin1String("entity_type")).toString());
    for (const SyncTables::Table &table : m_tables.all()) {
        if (table.newerServersOnly && sent.contains(table.entityType)) {
            qCWarning(lcServices).noquote() << "Push refused; not sending" << table.entityType
                                            << "changes until the server lists them again";
            m_preferences->remove(ServerKnowsKeyPrefix + table.entityType);
        }
    }
}

void SyncEngine::handlePushResults(const QJsonArray &sent, const QJsonObject &response) {
    Database *database = m_accounts->database();
    // Nothing written since the queue was read (or since the last batch was marked): every
    // accepted row still reads as it was sent, and comparing each one would only cost time.
    const bool untouched = m_queueMark == database->writeMark();
    QHash<QString, QJsonObject> sentByKey;
    if (!untouched) {
        for (const QJsonValue &value : sent) {
            const QJsonObject change = value.toObject();
            sentByKey.insert(change.value(QLatin1String("entity_type")).toString()
                                 + QLatin1Char('\n')
                                 + change.value(QLatin1String("entity_id")).toString(),
                             change);
        }
    }

    // One disk sync for the whole batch instead of one per row.
    const QScopedValueRollback<bool> ownWrites(m_storingOwnWrites, true);
    TransactionScope scope(database);

    int okCount = 0;
    int errorCount = 0;
    // Per table: local id -> server id of the rows to mark synced.
    QHash<const SyncTables::Table *, QJsonObject> accepted;
    const QJsonArray results = response.value(QLatin1String("results")).toArray();
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        const QString status = result.value(QLatin1String("status")).toString();
        const QString entityId = result.value(QLatin1String("entity_id")).toString();
        const QString serverId = result.value(QLatin1String("server_id")).toString();
        const QString entityType = result.value(QLatin1String("entity_type")).toString();
        if (status == QLatin1String("ok")) {
            ++okCount;
            const SyncTables::Table *table = m_tables.byEntityType(entityType);
            if (!table)
                continue;
            if (untouched
                || readsAsSent(*table, entityId,
                               sentByKey.value(entityType + QLatin1Char('\n') + entityId)))
                accepted[table].insert(entityId, serverId);
            else
                keepServerId(*table, entityId, serverId);
        } else {
            ++errorCount;
            qCWarning(lcServices).noquote()
                << "Push result not ok — leaving record pending:" << entityType << entityId
                << "status=" << status
                << "message=" << result.value(QLatin1String("message")).toString();
        }
    }
    for (auto it = accepted.cbegin(); it != accepted.cend(); ++it)
        markSynced(*it.key(), it.value());
    m_run.pushed += okCount;
    m_run.rejected += errorCount;
    // Taken before the commit announces the changes: whatever a listener writes then is not
    // ours and must be compared next time.
    m_queueMark = database->writeMark();
    if (scope.isOpen() && !scope.commit())
        qCWarning(lcServices).noquote()
            << "Push batch: marking the accepted rows failed:" << scope.errorText();
    if (errorCount > 0)
        qCWarning(lcServices).noquote() << "Push batch:" << okCount << "ok," << errorCount
                                        << "errors — failed records remain pending for next sync";
}

// A row edited (or deleted) while its push was on the way must stay pending, or the edit
// would never reach the server: only a row that still reads as it was sent is marked synced.
bool SyncEngine::readsAsSent(const SyncTables::Table &table, const QString &entityId,
                             const QJsonObject &sent) const {
    if (sent.isEmpty())
        return true;
    std::optional<QJsonObject> current = table.change(entityId);
    return !current || withHeldCategory(table, *current) == sent;
}

// The server id is kept even for a row that stays pending, so the next push updates the
// same server record.
void SyncEngine::keepServerId(const SyncTables::Table &table, const QString &entityId,
                              const QString &serverId) {
    Database *database = m_accounts->database();
    QSqlError error;
    QSqlQuery *query = database->preparedStatement(
        QStringLiteral("UPDATE %1 SET server_id = ? WHERE id = ?").arg(table.name), &error);
    if (query) {
        query->bindValue(0, serverId);
        query->bindValue(1, entityId);
        const bool stored = query->exec();
        error = query->lastError();
        query->finish();
        if (stored) {
            database->noteChange(table.name);
            return;
        }
    }
    qCWarning(lcServices).noquote()
        << "Push batch: storing the server id of" << entityId << "failed:" << error.text();
}

// One statement for the batch's rows of a table rather than one per row.
void SyncEngine::markSynced(const SyncTables::Table &table, const QJsonObject &serverIds) {
    Database *database = m_accounts->database();
    QSqlQuery *query = database->preparedStatement(
        QStringLiteral("UPDATE %1 SET sync_status = 'synced', server_id = pushed.value FROM "
                       "json_each(?) AS pushed WHERE %1.id = pushed.key")
            .arg(table.name));
    bool marked = false;
    if (query) {
        query->bindValue(
            0, QString::fromUtf8(QJsonDocument(serverIds).toJson(QJsonDocument::Compact)));
        marked = query->exec();
        query->finish();
    }
    if (!marked) {
        for (auto it = serverIds.constBegin(); it != serverIds.constEnd(); ++it)
            table.markSynced(it.key(), it.value().toString());
    }
    // Marking alone is silent; the batch announces each table once when it commits.
    database->noteChange(table.name);
}

void SyncEngine::startPull() {
    m_pullPageCount = 0;
    m_heldPages.clear();
    m_heldRecords = 0;
    pullChanges(storedCursor());
}

void SyncEngine::pullChanges(const QString &since) {
    if (!m_api) {
        failPull(QStringLiteral("Pull failed (HTTP %1)").arg(0));
        return;
    }
    if (signedOut()) {
        failPull(QStringLiteral("Not signed in"));
        return;
    }
    QUrlQuery query;
    if (!since.isEmpty())
        query.addQueryItem(QStringLiteral("since"), since);
    query.addQueryItem(QStringLiteral("limit"), QString::number(PullPageLimit));

    QPointer<SyncEngine> self(this);
    m_api->get(
        kPullPath,
        [self](bool ok, int status, const QJsonObject &body) {
            if (!self)
                return;
            if (!ok) {
                self->failPull(QStringLiteral("Pull failed (HTTP %1)").arg(status));
                return;
            }
            self->handlePullPage(body);
        },
        query);
}

// A page is stored together with the ones that follow it, up to a few thousand records, and
// in any case before the sync ends or fails: what a sync ends with is as if each page had been
// stored as it arrived. Every commit rewrites the register's index pages it touched, so 200
// records a commit cost twice what thousands do.
void SyncEngine::handlePullPage(const QJsonObject &page) {
    for (const SyncTables::Table &table : m_tables.all()) {
        const int records = int(table.pulled(page).size());
        m_run.pulled += records;
        m_heldRecords += records;
    }
    m_heldPages.append(page);
    // A server that sends a kind's array knows the kind: its rows may be pushed from now on.
    for (const SyncTables::Table &table : m_tables.all()) {
        if (table.newerServersOnly && page.contains(table.pullKey) && !serverKnows(table)) {
            m_preferences->setBool(ServerKnowsKeyPrefix + table.entityType, true);
            m_pushLearnedKinds = true;
        }
    }

    const QString serverTime = page.value(QLatin1String("server_time")).toString();
    const bool hasMore = page.value(QLatin1String("has_more")).toBool(false);
    ++m_pullPageCount;
    const bool pullMore = hasMore && m_pullPageCount < MaxPullPagesPerSync;
    if (pullMore && m_heldRecords < StoreGroupRecords) {
        pullChanges(serverTime);
        return;
    }
    if (!storeHeldPages()) {
        fail(QStringLiteral("Pull failed (the changes could not be saved)"));
        return;
    }
    if (pullMore) {
        pullChanges(serverTime);
        return;
    }
    m_run.morePages = hasMore;
    finishSync();
}

void SyncEngine::failPull(const QString &error) {
    if (!storeHeldPages()) {
        fail(QStringLiteral("Pull failed (the changes could not be saved)"));
        return;
    }
    fail(error);
}

// In one transaction, each page with its cursor; when it cannot be stored nothing of it stays
// and the cursor stays where it was, so the next sync pulls the pages again.
bool SyncEngine::storeHeldPages() {
    const QList<QJsonObject> pages = std::exchange(m_heldPages, {});
    m_heldRecords = 0;
    if (pages.isEmpty())
        return true;
    Database *database = m_accounts->database();
    const QScopedValueRollback<bool> ownWrites(m_storingOwnWrites, true);
    // Every stored row fires the register's triggers and touches a dozen indexes, more than
    // a statement journal holds in memory by default: on disk that is a file write per row.
    const bool journalInMemory = database->setBulkWriteJournal(true);
    bool stored = true;
    {
        TransactionScope scope(database);
        int applied = 0;
        for (const QJsonObject &page : pages) {
            const bool ok = m_applier->apply(page);
            m_run.skipped += m_applier->skippedCount();
            if (!ok)
                break;
            ++applied;
            const QString serverTime = page.value(QLatin1String("server_time")).toString();
            if (!serverTime.isEmpty())
                m_preferences->setValue(CursorKey, serverTime);
            if (page.contains(QLatin1String("integrity")))
                checkIntegrity(page.value(QLatin1String("integrity")).toObject());
        }
        stored = applied == pages.size();
        if (applied > 0 && scope.isOpen() && !scope.commit()) {
            qCWarning(lcServices).noquote()
                << "Pull: the pulled pages could not be stored:" << scope.errorText();
            stored = false;
        }
    }
    if (journalInMemory)
        database->setBulkWriteJournal(false);
    return stored;
}

void SyncEngine::checkIntegrity(const QJsonObject &integrity) {
    const int serverCount = integrity.value(QLatin1String("category_count")).toInt(0);
    const int localCount = m_categories->count();
    if (serverCount > 0 && serverCount != localCount) {
        qCWarning(lcServices).noquote()
            << "Category count mismatch: local=" << localCount << "server=" << serverCount
            << "(informational only — use Force Full Sync if data appears wrong)";
    }
}

void SyncEngine::finishSync() {
    // Rows of a kind the server has just shown it knows go out in this same run.
    if (std::exchange(m_pushLearnedKinds, false)) {
        for (const SyncTables::Table &table : m_tables.all()) {
            if (table.newerServersOnly && serverKnows(table) && !table.pendingChanges().isEmpty()) {
                performSync();
                return;
            }
        }
    }
    m_lastRun = m_run;
    m_running = false;
    setState(Idle);
    Q_EMIT syncCompleted();
    Q_EMIT dataChanged();
    if (m_followUp) {
        m_followUp = false;
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
    }
}

void SyncEngine::fail(const QString &error) {
    // What the server accepted is marked whatever failed after it.
    storePushResults();
    m_pushLearnedKinds = false;
    m_running = false;
    m_followUp = false;
    m_lastError = error;
    setState(Error);
    Q_EMIT syncFailed(error);
}
