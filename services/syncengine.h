// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/synctables.h"
#include "storage/database.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>

class AccountRepository;
class CategoryRepository;
class PreferencesRepository;
class QTimer;
class ReconciliationRepository;
struct RecurringTransaction;
struct Transaction;
class RecurringRepository;
class SyncPageApplier;
class TransactionRepository;

namespace TindAccount {
class ApiClient;
}

// Keeps the local database and the sync server in step: pushes every pending row in
// batches, marks what the server accepted, then pulls the server's changes since the stored
// cursor page by page and merges them. One sync at a time; requests that arrive meanwhile
// collapse into one follow-up.
class SyncEngine : public QObject {
    Q_OBJECT
    Q_PROPERTY(SyncState state READ state NOTIFY stateChanged)

public:
    enum SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };
    Q_ENUM(SyncState)

    static constexpr int PushBatchSize = 500;
    static constexpr int PullPageLimit = 200;
    static constexpr int MaxPullPagesPerSync = 50;
    static constexpr int DebounceMs = 2000;
    // Pulled records stored in one transaction at most (whole pages; a page may pass it).
    static constexpr int StoreGroupRecords = 10000;
    static const QString CursorKey;
    // Followed by an entity type: set once the server has shown it knows that kind.
    static const QString ServerKnowsKeyPrefix;
    // The user these books sync with, kept from their first sync.
    static const QString BookOwnerKey;

    SyncEngine(TindAccount::ApiClient *api, AccountRepository *accounts,
               TransactionRepository *transactions, CategoryRepository *categories,
               RecurringRepository *recurring, ReconciliationRepository *reconciliations,
               PreferencesRepository *preferences, QObject *parent = nullptr);
    ~SyncEngine() override;

    // What the last finished run did, for callers that report it (the command-line tool).
    struct RunSummary {
        int pushed = 0;         // records the server accepted
        int rejected = 0;       // records the server refused; they stay pending
        int pulled = 0;         // records received
        int skipped = 0;        // records received but not stored (broken dates)
        bool morePages = false; // the run stopped at its page limit with more to pull
    };

    SyncState state() const { return m_state; }
    RunSummary lastRunSummary() const { return m_lastRun; }
    QString lastError() const { return m_lastError; }
    static QString stateText(SyncState state);

    bool isAutoSyncActive() const;
    int autoSyncInterval() const;
    // A debounced sync is waiting to run.
    bool isSyncScheduled() const;

public Q_SLOTS:
    void syncNow();
    void startAutoSync(int intervalMs);
    void stopAutoSync();
    void scheduleSync();

Q_SIGNALS:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString &error);
    void dataChanged();

private:
    void performSync();
    // The change object of a row; a transaction or rule that still waits for its pulled
    // category carries that category, so that an edit made meanwhile does not erase it.
    QJsonObject withHeldCategory(const SyncTables::Table &table, QJsonObject change) const;
    void loadHeldCategories();
    bool serverKnows(const SyncTables::Table &table) const;
    void forgetNewerKinds(const QJsonArray &batch);
    void pushNextBatch();
    // The change objects of the queue's rows from..from+PushBatchSize.
    QJsonArray buildBatch(qsizetype from) const;
    void handlePushResults(const QJsonArray &sent, const QJsonObject &response);
    void storePushResults();
    bool readsAsSent(const SyncTables::Table &table, const QString &entityId,
                     const QJsonObject &sent) const;
    void keepServerId(const SyncTables::Table &table, const QString &entityId,
                      const QString &serverId);
    void markSynced(const SyncTables::Table &table, const QJsonObject &serverIds);
    void startPull();
    void pullChanges(const QString &since);
    void handlePullPage(const QJsonObject &page);
    // Stores the pages received so far, then fails with error.
    void failPull(const QString &error);
    // False when a page could not be stored.
    bool storeHeldPages();
    void checkIntegrity(const QJsonObject &integrity);
    void finishSync();
    void fail(const QString &error);
    void setState(SyncState state);
    QString storedCursor() const;
    // Without a token nothing may be sent: the server would see every pending row unsigned.
    bool signedOut() const;
    // False, with the refusal sent, when the signed-in user is not the one these books
    // sync with.
    bool signedInAsBookOwner();

    QPointer<TindAccount::ApiClient> m_api; // Not owned.
    AccountRepository *m_accounts;          // Not owned.
    CategoryRepository *m_categories;       // Not owned.
    PreferencesRepository *m_preferences;   // Not owned.
    SyncTables m_tables;
    std::unique_ptr<SyncPageApplier> m_applier;

    SyncState m_state = Idle;
    QString m_lastError;
    // The rows waiting to be pushed, in order.
    QList<SyncTables::PendingChange> m_changeQueue;
    // The batch after the one on its way, built while the server works on that one; it is
    // only used by the push of the same queue (m_pushQueueId) it was built for.
    QJsonArray m_nextBatch;
    quint64 m_nextBatchQueue = 0;
    qint64 m_nextBatchAt = -1; // the queue position it starts at, counted from the first row
    quint64 m_pushQueueId = 0;
    qint64 m_queueSent = 0; // rows of the queue the server has answered for
    // Answers of batches whose next batch was sent before they were stored, oldest first.
    QList<std::pair<QJsonArray, QJsonObject>> m_unstoredResults;
    // The database as the queued rows were read, or as the last batch left it.
    Database::WriteMark m_queueMark;
    // Category ids that pulled rows wait for, by entity type + '\n' + server or local id.
    QHash<QString, QString> m_heldCategories;
    int m_pullPageCount = 0;
    QList<QJsonObject> m_heldPages; // pulled, not stored yet
    int m_heldRecords = 0;
    bool m_followUp = false;
    // This run's pull showed kinds the server had not shown before.
    bool m_pushLearnedKinds = false;
    // A sync is in flight. Separate from the state, which an authentication failure may turn
    // to Error while a request is still out.
    bool m_running = false;
    RunSummary m_run;        // the run in progress
    RunSummary m_lastRun;    // the last finished run
    QTimer *m_autoSyncTimer; // Owned (Qt child).
    QTimer *m_debounceTimer; // Owned (Qt child).
    // While a pulled page or push results are stored.
    bool m_storingOwnWrites = false;
};
