// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/syncengine.h"

#include "account/apiclient.h"
#include "services/servicelog.h"
#include "services/syncpageapplier.h"
#include "services/syncwire.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

#include <QScopedValueRollback>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrlQuery>

#include <optional>

const QString SyncEngine::CursorKey = QStringLiteral("lastSyncTimestamp");

namespace {

const QString kPushPath = QStringLiteral("/sync/push");
const QString kPullPath = QStringLiteral("/sync/pull");

template<typename Record> std::optional<QJsonObject> changeOf(const std::optional<Record> &record) {
    if (!record)
        return std::nullopt;
    return SyncWire::change(*record);
}

QString tableOf(const QString &entityType) {
    if (entityType == SyncWire::AccountEntity)
        return QStringLiteral("accounts");
    if (entityType == SyncWire::CategoryEntity)
        return QStringLiteral("categories");
    if (entityType == SyncWire::RecurringEntity)
        return QStringLiteral("recurring_transactions");
    if (entityType == SyncWire::TransactionEntity)
        return QStringLiteral("transactions");
    if (entityType == SyncWire::ReconciliationEntity)
        return QStringLiteral("reconciliations");
    return QString();
}

} // namespace

SyncEngine::SyncEngine(TindAccount::ApiClient *api, AccountRepository *accounts,
                       TransactionRepository *transactions, CategoryRepository *categories,
                       RecurringRepository *recurring, ReconciliationRepository *reconciliations,
                       PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_preferences(preferences)
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

void SyncEngine::syncNow() {
    if (m_running || m_state == Syncing) {
        m_followUp = true;
        return;
    }
    m_followUp = false;
    m_running = true;
    m_run = RunSummary();
    setState(Syncing);
    performSync();
}

void SyncEngine::startAutoSync(int intervalMs) {
    m_autoSyncTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stopAutoSync() {
    m_autoSyncTimer->stop();
}

void SyncEngine::scheduleSync() {
    // The engine's own writes announce themselves like any other; they need no sync.
    if (m_storingOwnWrites)
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

void SyncEngine::performSync() {
    QList<QJsonObject> changes;
    for (const Account &a : m_accounts->findPending())
        changes.append(SyncWire::change(a));
    for (const Category &c : m_categories->findPending())
        changes.append(SyncWire::change(c));
    for (const RecurringTransaction &r : m_recurring->findPending())
        changes.append(SyncWire::change(r));
    for (const Transaction &t : m_transactions->findPending())
        changes.append(SyncWire::change(t));
    for (const Reconciliation &r : m_reconciliations->findPending())
        changes.append(SyncWire::change(r));

    if (changes.isEmpty()) {
        startPull();
        return;
    }
    qCInfo(lcServices).noquote() << "Pushing" << changes.size() << "changes (in batches of"
                                 << PushBatchSize << ")";
    m_changeQueue = std::move(changes);
    pushNextBatch();
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
    const int size = qMin(PushBatchSize, int(m_changeQueue.size()));
    QJsonArray batch;
    for (int i = 0; i < size; ++i)
        batch.append(m_changeQueue.at(i));
    // The queue keeps the batch until the server answered, so that a failed push leaves it
    // queued as it was.
    qCInfo(lcServices).noquote() << "Push batch:" << size << "changes,"
                                 << m_changeQueue.size() - size << "remaining";

    QPointer<SyncEngine> self(this);
    m_api->post(kPushPath, QJsonObject{{QStringLiteral("changes"), batch}},
                [self, batch](bool ok, int status, const QJsonObject &body) {
                    if (!self)
                        return;
                    if (!ok) {
                        self->fail(QStringLiteral("Push failed (HTTP %1)").arg(status));
                        return;
                    }
                    self->m_changeQueue.remove(
                        0, qMin(qsizetype(batch.size()), self->m_changeQueue.size()));
                    self->handlePushResults(batch, body);
                    self->pushNextBatch();
                });
}

void SyncEngine::handlePushResults(const QJsonArray &sent, const QJsonObject &response) {
    QHash<QString, QJsonObject> sentByKey;
    for (const QJsonValue &value : sent) {
        const QJsonObject change = value.toObject();
        sentByKey.insert(change.value(QLatin1String("entity_type")).toString() + QLatin1Char('\n')
                             + change.value(QLatin1String("entity_id")).toString(),
                         change);
    }

    // One disk sync for the whole batch instead of one per row.
    const QScopedValueRollback<bool> ownWrites(m_storingOwnWrites, true);
    TransactionScope scope(m_accounts->database());

    int okCount = 0;
    int errorCount = 0;
    const QJsonArray results = response.value(QLatin1String("results")).toArray();
    for (const QJsonValue &value : results) {
        const QJsonObject result = value.toObject();
        const QString status = result.value(QLatin1String("status")).toString();
        const QString entityId = result.value(QLatin1String("entity_id")).toString();
        const QString serverId = result.value(QLatin1String("server_id")).toString();
        const QString entityType = result.value(QLatin1String("entity_type")).toString();
        if (status == QLatin1String("ok")) {
            ++okCount;
            markPushed(entityType, entityId, serverId,
                       sentByKey.value(entityType + QLatin1Char('\n') + entityId));
        } else {
            ++errorCount;
            qCWarning(lcServices).noquote()
                << "Push result not ok — leaving record pending:" << entityType << entityId
                << "status=" << status
                << "message=" << result.value(QLatin1String("message")).toString();
        }
    }
    m_run.pushed += okCount;
    m_run.rejected += errorCount;
    if (scope.isOpen() && !scope.commit())
        qCWarning(lcServices).noquote()
            << "Push batch: marking the accepted rows failed:" << scope.errorText();
    if (errorCount > 0)
        qCWarning(lcServices).noquote() << "Push batch:" << okCount << "ok," << errorCount
                                        << "errors — failed records remain pending for next sync";
}

// A row edited (or deleted) while its push was on the way must stay pending, or the edit
// would never reach the server: only a row that still reads as it was sent is marked synced.
// The server id is kept either way, so the next push updates the same server record.
void SyncEngine::markPushed(const QString &entityType, const QString &entityId,
                            const QString &serverId, const QJsonObject &sent) {
    std::optional<QJsonObject> current;
    if (entityType == SyncWire::AccountEntity)
        current = changeOf(m_accounts->findById(entityId));
    else if (entityType == SyncWire::CategoryEntity)
        current = changeOf(m_categories->findById(entityId));
    else if (entityType == SyncWire::RecurringEntity)
        current = changeOf(m_recurring->findById(entityId));
    else if (entityType == SyncWire::TransactionEntity)
        current = changeOf(m_transactions->findById(entityId));
    else if (entityType == SyncWire::ReconciliationEntity)
        current = changeOf(m_reconciliations->findById(entityId));
    else
        return;

    if (sent.isEmpty() || !current || *current == sent) {
        if (entityType == SyncWire::AccountEntity)
            m_accounts->markSynced(entityId, serverId);
        else if (entityType == SyncWire::CategoryEntity)
            m_categories->markSynced(entityId, serverId);
        else if (entityType == SyncWire::RecurringEntity)
            m_recurring->markSynced(entityId, serverId);
        else if (entityType == SyncWire::TransactionEntity)
            m_transactions->markSynced(entityId, serverId);
        else
            m_reconciliations->markSynced(entityId, serverId);
        // Marking alone is silent; the batch announces each table once when it commits.
        m_accounts->database()->noteChange(tableOf(entityType));
        return;
    }
    QSqlQuery query(m_accounts->database()->connection());
    query.prepare(
        QStringLiteral("UPDATE %1 SET server_id = ? WHERE id = ?").arg(tableOf(entityType)));
    query.addBindValue(serverId);
    query.addBindValue(entityId);
    if (query.exec())
        m_accounts->database()->noteChange(tableOf(entityType));
    else
        qCWarning(lcServices).noquote() << "Push batch: storing the server id of" << entityId
                                        << "failed:" << query.lastError().text();
}

void SyncEngine::startPull() {
    m_pullPageCount = 0;
    pullChanges(storedCursor());
}

void SyncEngine::pullChanges(const QString &since) {
    if (!m_api) {
        fail(QStringLiteral("Pull failed (HTTP %1)").arg(0));
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
                self->fail(QStringLiteral("Pull failed (HTTP %1)").arg(status));
                return;
            }
            self->handlePullPage(body);
        },
        query);
}

void SyncEngine::handlePullPage(const QJsonObject &page) {
    for (const char *key :
         {"accounts", "categories", "recurring_transactions", "transactions", "reconciliations"})
        m_run.pulled += int(page.value(QLatin1String(key)).toArray().size());
    bool applied = false;
    {
        const QScopedValueRollback<bool> ownWrites(m_storingOwnWrites, true);
        applied = m_applier->apply(page);
    }
    m_run.skipped += m_applier->skippedCount();
    if (!applied) {
        // Nothing of the page was stored and the cursor stays, so the next sync pulls it again.
        fail(QStringLiteral("Pull failed (the changes could not be saved)"));
        return;
    }

    const QString serverTime = page.value(QLatin1String("server_time")).toString();
    if (!serverTime.isEmpty())
        m_preferences->setValue(CursorKey, serverTime);

    if (page.contains(QLatin1String("integrity")))
        checkIntegrity(page.value(QLatin1String("integrity")).toObject());

    const bool hasMore = page.value(QLatin1String("has_more")).toBool(false);
    ++m_pullPageCount;
    if (hasMore && m_pullPageCount < MaxPullPagesPerSync) {
        pullChanges(serverTime);
        return;
    }
    m_run.morePages = hasMore;
    finishSync();
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
    m_running = false;
    m_followUp = false;
    m_lastError = error;
    setState(Error);
    Q_EMIT syncFailed(error);
}
