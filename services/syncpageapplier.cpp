// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/syncpageapplier.h"

#include "services/servicelog.h"
#include "services/syncwire.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

#include <QJsonDocument>
#include <QSqlError>
#include <QStringList>

#include <optional>
#include <utility>

namespace {

using Kind = SyncTables::Kind;

bool isBrokenDate(const QDate &date) {
    return !date.isValid() || date.year() < 2000;
}

// The version rule: the higher version wins, and an equal one replaces a row that has been
// pushed. A row with changes not pushed yet (made during this sync, or refused by the server)
// keeps them against the same version: they were made on top of it and go out next time.
bool localWins(const SyncTables::RowState &local, int incomingVersion) {
    return incomingVersion < local.version || (incomingVersion == local.version && local.pending);
}

} // namespace

SyncPageApplier::SyncPageApplier(AccountRepository *accounts, TransactionRepository *transactions,
                                 CategoryRepository *categories, RecurringRepository *recurring,
                                 ReconciliationRepository *reconciliations)
    : m_accounts(accounts)
    , m_tables(accounts, transactions, categories, recurring, reconciliations) {}

SyncPageApplier::~SyncPageApplier() = default;

QSqlDatabase SyncPageApplier::connection() const {
    return m_accounts->database()->connection();
}

// The currency a pulled record's amounts are in. While its account has not arrived, the
// widest limit (cents) applies; the record is checked again when it comes back from waiting.
Currency SyncPageApplier::currencyOf(const QString &entityType, const QJsonObject &record) {
    if (entityType == SyncWire::AccountEntity)
        return currencyFromString(SyncWire::readText(record, QStringLiteral("currency")));
    if (entityType == SyncWire::CategoryEntity || entityType == SyncWire::BudgetEntity)
        return Currency::USD;
    const QString accountId = SyncWire::readText(record, QStringLiteral("account_id"));
    const auto known = m_currencies.constFind(accountId);
    if (known != m_currencies.cend())
        return *known;
    QSqlQuery &query = prepared(QStringLiteral("SELECT currency FROM accounts WHERE id = ?"));
    query.bindValue(0, accountId);
    Currency currency = Currency::USD;
    if (query.exec() && query.next()) {
        currency = currencyFromString(query.value(0).toString());
        m_currencies.insert(accountId, currency);
    }
    query.finish();
    return currency;
}

QSqlQuery &SyncPageApplier::prepared(const QString &sql) {
    QSqlError error;
    if (QSqlQuery *query = m_accounts->database()->preparedStatement(sql, &error))
        return *query;
    qCWarning(lcServices).noquote() << "SyncPageApplier: cannot prepare" << sql << error.text();
    // Unprepared, so that running it fails like any broken statement.
    m_unprepared = QSqlQuery(connection());
    return m_unprepared;
}

bool SyncPageApplier::apply(const QJsonObject &page) {
    Database *database = m_accounts->database();
    // Every row stored fires the register's triggers and touches a dozen indexes, more than
    // a statement journal holds in memory by default: on disk that is a file write per row.
    const bool journalInMemory = database->setBulkWriteJournal(true);
    const bool applied = applyInTransaction(page);
    if (journalInMemory)
        database->setBulkWriteJournal(false);
    return applied;
}

bool SyncPageApplier::applyInTransaction(const QJsonObject &page) {
    QSqlDatabase db = connection();
    // Inside the caller's transaction the page is part of it: a savepoint of its own would
    // journal every page it touches once more, and only the caller's commit decides anyway.
    std::optional<TransactionScope> scope;
    if (m_accounts->database()->transactionDepth() == 0) {
        scope.emplace(m_accounts->database());
        if (!scope->isOpen()) {
            qCWarning(lcServices).noquote() << "SyncPageApplier: cannot begin a transaction";
            return false;
        }
    }
    // Rows of one page may refer to each other in any order (a parent category after its
    // child); the references are checked when the page commits. Setting the flag makes every
    // prepared statement of the connection compile again, so it is set once per transaction
    // (the commit clears it), not once for each of the pages stored together.
    QSqlQuery deferred(db);
    if (!deferred.exec(QStringLiteral("PRAGMA defer_foreign_keys")) || !deferred.next()
        || deferred.value(0).toInt() == 0)
        deferred.exec(QStringLiteral("PRAGMA defer_foreign_keys = ON"));
    deferred.finish();

    m_heldKeys.clear();
    m_existingRows.clear();
    m_currencies.clear();
    m_skipped = 0;
    {
        QSqlQuery &held
            = prepared(QStringLiteral("SELECT entity_type, record_key FROM sync_held_records"));
        if (held.exec()) {
            while (held.next())
                m_heldKeys.insert(held.value(0).toString() + QLatin1Char('\n')
                                  + held.value(1).toString());
        }
        held.finish();
    }

    m_pageCategoryIds.clear();
    m_parentsToConfirm.clear();
    const QJsonArray categories = m_tables.table(Kind::Category).pulled(page);
    for (const QJsonValue &value : categories) {
        const QString id = SyncWire::readText(value.toObject(), QStringLiteral("client_id"));
        if (!id.isEmpty())
            m_pageCategoryIds.insert(id);
    }

    for (const SyncTables::Table &table : m_tables.all()) {
        const QJsonArray records = table.pulled(page);
        beginBatch(table, records);
        for (const QJsonValue &value : records)
            applyRecord(table, value.toObject());
        endBatch();
        // Parents expected later in the page have all had their chance.
        if (table.kind == Kind::Category)
            clearUnresolvedParents();
    }
    if (!m_heldKeys.isEmpty())
        retryHeldRecords();

    if (scope && !scope->commit()) {
        qCWarning(lcServices).noquote()
            << "SyncPageApplier: the pulled page could not be stored:" << scope->errorText();
        return false;
    }
    return true;
}

int SyncPageApplier::heldCount() const {
    QSqlQuery query(connection());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM sync_held_records")) || !query.next())
        return 0;
    return query.value(0).toInt();
}

void SyncPageApplier::applyRecord(const SyncTables::Table &table, const QJsonObject &record) {
    releaseHeld(table, record);
    if (!SyncWire::amountsInRange(table.entityType, record, currencyOf(table.entityType, record))) {
        ++m_skipped;
        qCWarning(lcServices).noquote()
            << "SyncPageApplier: skipping server record with an amount out of range:"
            << table.entityType << recordKey(record);
        return;
    }
    merge(table, record);
}

namespace {

// New rows written with one statement at most.
constexpr int kInsertBatch = 500;

// The texts of member key that occur exactly once among the records: a text that occurs
// twice may find a row the first record wrote.
QStringList uniqueTexts(const QJsonArray &records, const QString &key) {
    QHash<QString, int> counts;
    for (const QJsonValue &value : records)
        ++counts[SyncWire::readText(value.toObject(), key)];
    counts.remove(QString());
    QStringList unique;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() == 1)
            unique.append(it.key());
    }
    return unique;
}

} // namespace

void SyncPageApplier::beginBatch(const SyncTables::Table &table, const QJsonArray &records) {
    m_batch = Batch();
    if (!table.rowStates || records.size() < 2)
        return;
    const QStringList ids = uniqueTexts(records, QStringLiteral("client_id"));
    const QSet<QString> idSet(ids.cbegin(), ids.cend());
    QList<QJsonObject> unique;
    unique.reserve(ids.size());
    for (const QJsonValue &value : records) {
        const QJsonObject record = value.toObject();
        if (idSet.contains(SyncWire::readText(record, QStringLiteral("client_id"))))
            unique.append(record);
    }
    // Unread, every id is looked up on its own.
    std::optional<QHash<QString, SyncTables::RowState>> states = table.rowStates(unique);
    if (states) {
        m_batch.states = std::move(*states);
        m_batch.ids = idSet;
    }

    const QStringList serverIds = uniqueTexts(records, QStringLiteral("id"));
    QSqlQuery &query = prepared(
        QStringLiteral("SELECT server_id, id FROM %1 WHERE server_id IN (SELECT value FROM "
                       "json_each(?))")
            .arg(table.name));
    query.bindValue(
        0,
        QString::fromUtf8(
            QJsonDocument(QJsonArray::fromStringList(serverIds)).toJson(QJsonDocument::Compact)));
    const bool read = query.exec();
    while (read && query.next())
        m_batch.idsByServerId.insert(query.value(0).toString(), query.value(1).toString());
    query.finish();
    if (read)
        m_batch.serverIds = QSet<QString>(serverIds.cbegin(), serverIds.cend());
    m_batch.table = &table;
}

void SyncPageApplier::endBatch() {
    flushInserts();
    m_batch = Batch();
}

std::optional<SyncTables::RowState> SyncPageApplier::localRowState(const SyncTables::Table &table,
                                                                   const QString &id,
                                                                   const QJsonObject &record) {
    if (m_batch.table == &table && m_batch.ids.contains(id)) {
        const auto found = m_batch.states.constFind(id);
        if (found == m_batch.states.cend())
            return std::nullopt;
        return *found;
    }
    // The rows not written yet must be there to be found.
    flushInserts();
    return table.rowState(id, &record);
}

QString SyncPageApplier::localIdOf(const SyncTables::Table &table, const QString &serverId) {
    if (m_batch.table == &table && m_batch.serverIds.contains(serverId))
        return m_batch.idsByServerId.value(serverId);
    flushInserts();
    return idByServerId(table.name, serverId);
}

void SyncPageApplier::forgetBatched(const SyncTables::Table &table, const QString &id,
                                    const QString &serverId) {
    if (m_batch.table != &table)
        return;
    m_batch.ids.remove(id);
    m_batch.serverIds.remove(serverId);
}

void SyncPageApplier::storeRow(const SyncTables::Table &table, const QJsonObject &record,
                               bool exists) {
    if (exists || m_batch.table != &table || !table.insertMany) {
        table.store(record, exists);
        return;
    }
    m_batch.inserts.append(record);
    if (m_batch.inserts.size() >= kInsertBatch)
        flushInserts();
}

void SyncPageApplier::flushInserts() {
    if (m_batch.inserts.isEmpty())
        return;
    const QList<QJsonObject> inserts = std::exchange(m_batch.inserts, {});
    if (m_batch.table->insertMany(inserts))
        return;
    // One row the table refuses must not keep the others out: each on its own, as always.
    for (const QJsonObject &record : inserts)
        m_batch.table->store(record, false);
}

QString SyncPageApplier::idByServerId(const QString &table, const QString &serverId) {
    QSqlQuery &query = prepared(QStringLiteral("SELECT id FROM %1 WHERE server_id = ?").arg(table));
    query.bindValue(0, serverId);
    QString id;
    if (query.exec() && query.next())
        id = query.value(0).toString();
    query.finish();
    return id;
}

bool SyncPageApplier::rowExists(const QString &table, const QString &id) {
    const QString key = table + QLatin1Char('\n') + id;
    if (m_existingRows.contains(key))
        return true;
    QSqlQuery &query = prepared(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(table));
    query.bindValue(0, id);
    const bool found = query.exec() && query.next();
    query.finish();
    if (found)
        m_existingRows.insert(key);
    return found;
}

// A record deleted here and live on the server was restored on another device.
void SyncPageApplier::restoreRow(const QString &table, const QString &id) {
    QSqlQuery &query
        = prepared(QStringLiteral("UPDATE %1 SET deleted_at = NULL WHERE id = ?").arg(table));
    query.bindValue(0, id);
    if (query.exec())
        m_accounts->database()->noteChange(table);
    else
        qCWarning(lcServices).noquote()
            << "SyncPageApplier: restoring" << id << "failed:" << query.lastError().text();
    query.finish();
}

void SyncPageApplier::markRowDeleted(const QString &table, const QString &id,
                                     const QString &deletedAt) {
    QSqlQuery &query = prepared(
        QStringLiteral("UPDATE %1 SET deleted_at = ? WHERE id = ? AND deleted_at IS NULL")
            .arg(table));
    query.bindValue(0, deletedAt);
    query.bindValue(1, id);
    if (query.exec())
        m_accounts->database()->noteChange(table);
    else
        qCWarning(lcServices).noquote()
            << "SyncPageApplier: deleting" << id << "failed:" << query.lastError().text();
    query.finish();
}

QString SyncPageApplier::recordKey(const QJsonObject &record) {
    const QString serverId = SyncWire::readText(record, QStringLiteral("id"));
    return serverId.isEmpty() ? SyncWire::readText(record, QStringLiteral("client_id")) : serverId;
}

void SyncPageApplier::releaseHeld(const SyncTables::Table &table, const QJsonObject &record) {
    if (m_heldKeys.isEmpty())
        return;
    const QString key = recordKey(record);
    if (!m_heldKeys.remove(table.entityType + QLatin1Char('\n') + key))
        return;
    QSqlQuery &query = prepared(
        QStringLiteral("DELETE FROM sync_held_records WHERE entity_type = ? AND record_key = ?"));
    query.bindValue(0, table.entityType);
    query.bindValue(1, key);
    query.exec();
    query.finish();
}

void SyncPageApplier::hold(const SyncTables::Table &table, const QJsonObject &record,
                           const QString &missingTable, const QString &missingId) {
    const QString key = recordKey(record);
    QSqlQuery &query = prepared(QStringLiteral(
        "INSERT OR REPLACE INTO sync_held_records (entity_type, record_key, payload, "
        "missing_table, missing_id, held_at) VALUES (?, ?, ?, ?, ?, ?)"));
    query.bindValue(0, table.entityType);
    query.bindValue(1, key);
    query.bindValue(2, QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)));
    query.bindValue(3, missingTable);
    query.bindValue(4, missingId);
    query.bindValue(5, Timestamps::toText(Timestamps::nowUtc()));
    if (query.exec())
        m_heldKeys.insert(table.entityType + QLatin1Char('\n') + key);
    else
        qCWarning(lcServices).noquote()
            << "SyncPageApplier: holding" << key << "failed:" << query.lastError().text();
    query.finish();
}

void SyncPageApplier::retryHeldRecords() {
    struct Held {
        const SyncTables::Table *table;
        QJsonObject record;
    };
    QList<Held> ready;
    {
        QSqlQuery &query = prepared(QStringLiteral(
            "SELECT entity_type, payload, missing_table, missing_id FROM sync_held_records "
            "ORDER BY held_at"));
        if (!query.exec())
            return;
        QList<std::tuple<QString, QString, QString, QString>> rows;
        while (query.next())
            rows.append({query.value(0).toString(), query.value(1).toString(),
                         query.value(2).toString(), query.value(3).toString()});
        query.finish();
        for (const auto &[type, payload, missingTable, missingId] : rows) {
            // Only the tables a record can wait for; the text came from this class.
            if (missingTable != m_tables.table(Kind::Account).name
                && missingTable != m_tables.table(Kind::Category).name)
                continue;
            if (!rowExists(missingTable, missingId))
                continue;
            if (const SyncTables::Table *table = m_tables.byEntityType(type))
                ready.append({table, QJsonDocument::fromJson(payload.toUtf8()).object()});
        }
    }
    // Kinds in the page's order, so that a category comes back before what uses it.
    std::stable_sort(ready.begin(), ready.end(),
                     [](const Held &a, const Held &b) { return a.table->kind < b.table->kind; });
    for (const Held &held : ready)
        applyRecord(*held.table, held.record);
    clearUnresolvedParents();
}

// A parent that was expected in the page but did not come (for example a deleted one that
// was never stored here) would fail the whole page when it commits.
void SyncPageApplier::clearUnresolvedParents() {
    const SyncTables::Table &categories = m_tables.table(Kind::Category);
    for (auto it = m_parentsToConfirm.cbegin(); it != m_parentsToConfirm.cend(); ++it) {
        const QString parentId = SyncWire::readText(it.value(), categories.categoryKey);
        if (rowExists(categories.name, parentId))
            continue;
        qCWarning(lcServices).noquote()
            << categories.logName + QLatin1Char(':') << categories.categoryRole << parentId << "of"
            << it.key() << "is not on this device yet; stored without it until it arrives";
        QSqlQuery &query = prepared(QStringLiteral("UPDATE %1 SET %2 = NULL WHERE id = ?")
                                        .arg(categories.name, categories.categoryKey));
        query.bindValue(0, it.key());
        if (query.exec())
            m_accounts->database()->noteChange(categories.name);
        query.finish();
        hold(categories, it.value(), categories.name, parentId);
    }
    m_parentsToConfirm.clear();
}

void SyncPageApplier::merge(const SyncTables::Table &table, const QJsonObject &json) {
    // Find the local row by client id, then by server id; a record that matches nothing and
    // has no client id gets a new id.
    QString id = SyncWire::readText(json, QStringLiteral("client_id"));
    const QString serverId = SyncWire::readText(json, QStringLiteral("id"));
    std::optional<SyncTables::RowState> local;
    if (!id.isEmpty())
        local = localRowState(table, id, json);
    if (!local && !serverId.isEmpty()) {
        const QString matched = localIdOf(table, serverId);
        if (!matched.isEmpty()) {
            flushInserts();
            local = table.rowState(matched, &json);
            if (local)
                id = matched;
        }
    }
    if (!local && id.isEmpty())
        id = Identifiers::newId();

    if (!table.dateKey.isEmpty() && isBrokenDate(SyncWire::readDate(json, table.dateKey))) {
        ++m_skipped;
        QStringList what{id};
        if (table.hasPayee)
            what << SyncWire::readText(json, QStringLiteral("payee"));
        what << SyncWire::readText(json, table.dateKey);
        qCWarning(lcServices).noquote()
            << table.logName + QStringLiteral(": skipping server record with broken")
            << table.dateName + QLatin1Char(':') << what.join(QLatin1Char(' '));
        return;
    }
    const bool deleted = SyncWire::isDeleted(json);
    if (local ? local->holdsRecord
                    || localWins(*local, SyncWire::readInteger(json, QStringLiteral("version")))
              : deleted)
        return;

    const SyncTables::Table &accounts = m_tables.table(Kind::Account);
    const SyncTables::Table &categories = m_tables.table(Kind::Category);
    if (table.waitsForAccount) {
        // A new record, or one moved to another account, refers to an account that has to
        // be here when the page commits.
        const QString accountId = SyncWire::readText(json, QStringLiteral("account_id"));
        if ((!local || local->accountId != accountId) && !rowExists(accounts.name, accountId)) {
            qCInfo(lcServices).noquote() << table.logName + QStringLiteral(": account") << accountId
                                         << "of" << id << "has not arrived yet; holding the record";
            hold(table, json, accounts.name, accountId);
            return;
        }
    }
    if (table.waitsForCategory) {
        const QString categoryId = SyncWire::readText(json, QStringLiteral("category_id"));
        if (!rowExists(categories.name, categoryId)) {
            qCInfo(lcServices).noquote()
                << table.logName + QStringLiteral(": category") << categoryId << "of" << id
                << "has not arrived yet; holding the record";
            hold(table, json, categories.name, categoryId);
            return;
        }
    }
    QJsonObject record = json;
    record.insert(QStringLiteral("client_id"), id);
    const QString categoryId
        = table.categoryKey.isEmpty() ? QString() : SyncWire::readText(json, table.categoryKey);
    if (!categoryId.isEmpty() && !rowExists(categories.name, categoryId)) {
        if (table.categoryMayFollowInPage && m_pageCategoryIds.contains(categoryId)) {
            m_parentsToConfirm.insert(id, json);
        } else {
            qCWarning(lcServices).noquote()
                << table.logName + QLatin1Char(':') << table.categoryRole << categoryId << "of"
                << id << "is not on this device yet; stored without it until it arrives";
            hold(table, json, categories.name, categoryId);
            record.remove(table.categoryKey);
        }
    }

    forgetBatched(table, id, serverId);
    storeRow(table, record, bool(local));
    if (table.kind == Kind::Account)
        m_currencies.remove(id);
    if (!local)
        return;
    // A record deleted here and live on the server was restored on another device.
    if (!deleted && local->deleted)
        restoreRow(table.name, id);
    if (deleted && !local->deleted) {
        if (table.echoesDeletion)
            table.softDelete(id);
        else
            markRowDeleted(table.name, id, SyncWire::readText(json, QStringLiteral("deleted_at")));
    }
}
