// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/synctables.h"
#include "storage/enums.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <optional>

// Merges one pulled page into the local tables, every kind through one routine: finds each
// record's row by client id, then by server id, keeps the higher version, echoes deletions and
// skips records with broken dates.
//
// A page is applied in one database transaction, so that a failure or a crash leaves it to
// be pulled again instead of half-applied. A record that refers to an account this device
// does not have yet is held back (in sync_held_records) and applied once that account
// arrives; a category or parent category that is not here yet is left out for now and put
// back when it arrives. So nothing a page carries is lost while the cursor moves on.
class SyncPageApplier {
public:
    SyncPageApplier(AccountRepository *accounts, TransactionRepository *transactions,
                    CategoryRepository *categories, RecurringRepository *recurring,
                    ReconciliationRepository *reconciliations);
    ~SyncPageApplier();

    // False when the page could not be stored at all (the transaction failed); then nothing
    // of it stays. Failures of single rows are logged and do not fail the page. Inside a
    // transaction the caller holds, the page joins it and the caller's commit decides.
    bool apply(const QJsonObject &page);

    // The records waiting for a row that has not arrived, for diagnostics.
    int heldCount() const;
    // Records of the last page that were not stored because their dates are broken.
    int skippedCount() const { return m_skipped; }

private:
    int m_skipped = 0;

    bool applyInTransaction(const QJsonObject &page);
    void applyRecord(const SyncTables::Table &table, const QJsonObject &record);
    void merge(const SyncTables::Table &table, const QJsonObject &record);
    void retryHeldRecords();
    void clearUnresolvedParents();

    // One kind's records of a page read their rows in one go rather than one by one, and
    // new rows are written many at once (for the kinds whose repository can).
    void beginBatch(const SyncTables::Table &table, const QJsonArray &records);
    void endBatch();
    std::optional<SyncTables::RowState> localRowState(const SyncTables::Table &table,
                                                      const QString &id, const QJsonObject &record);
    QString localIdOf(const SyncTables::Table &table, const QString &serverId);
    // What was read in one go no longer holds for a row about to be written.
    void forgetBatched(const SyncTables::Table &table, const QString &id, const QString &serverId);
    void storeRow(const SyncTables::Table &table, const QJsonObject &record, bool exists);
    void flushInserts();

    QString idByServerId(const QString &table, const QString &serverId);
    bool rowExists(const QString &table, const QString &id);
    void restoreRow(const QString &table, const QString &id);
    void markRowDeleted(const QString &table, const QString &id, const QString &deletedAt);

    static QString recordKey(const QJsonObject &record);
    // Drops a held copy of this record: the newer one supersedes it.
    void releaseHeld(const SyncTables::Table &table, const QJsonObject &record);
    void hold(const SyncTables::Table &table, const QJsonObject &record,
              const QString &missingTable, const QString &missingId);

    // The currency whose amount range a pulled record must keep to.
    Currency currencyOf(const QString &entityType, const QJsonObject &record);
    // Prepared once on the connection and shared with the repositories: a page runs the same
    // few lookups per record.
    QSqlQuery &prepared(const QString &sql);

    QSqlDatabase connection() const;

    AccountRepository *m_accounts; // Not owned.
    SyncTables m_tables;

    QSqlQuery m_unprepared;   // Handed out when a statement cannot be prepared.
    QSet<QString> m_heldKeys; // entity type + '\n' + record key, while a page is applied
    QSet<QString> m_pageCategoryIds;
    QHash<QString, QJsonObject> m_parentsToConfirm; // category id -> its pulled record
    // A page names the same few accounts and categories hundreds of times. Rows are never
    // removed while a page is stored, so a row found once stays found.
    QSet<QString> m_existingRows;          // table + '\n' + id
    QHash<QString, Currency> m_currencies; // account id -> its currency, until it is stored

    struct Batch {
        const SyncTables::Table *table = nullptr; // none: every lookup goes to the database
        QSet<QString> ids; // client ids read in one go, whether a row was found or not
        QHash<QString, SyncTables::RowState> states;
        QSet<QString> serverIds; // server ids looked up in one go
        QHash<QString, QString> idsByServerId;
        QList<QJsonObject> inserts; // new rows not written yet
    };
    Batch m_batch;
};
