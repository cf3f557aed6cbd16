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

#include <optional>

namespace {

const QString kAccounts = QStringLiteral("accounts");
const QString kCategories = QStringLiteral("categories");
const QString kRecurring = QStringLiteral("recurring_transactions");
const QString kTransactions = QStringLiteral("transactions");
const QString kReconciliations = QStringLiteral("reconciliations");

bool isBrokenDate(const QDate &date) {
    return !date.isValid() || date.year() < 2000;
}

} // namespace

SyncPageApplier::SyncPageApplier(AccountRepository *accounts, TransactionRepository *transactions,
                                 CategoryRepository *categories, RecurringRepository *recurring,
                                 ReconciliationRepository *reconciliations)
    : m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations) {}

SyncPageApplier::~SyncPageApplier() = default;

QSqlDatabase SyncPageApplier::connection() const {
    return m_accounts->database()->connection();
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
    QSqlDatabase db = connection();
    TransactionScope scope(m_accounts->database());
    if (!scope.isOpen()) {
        qCWarning(lcServices).noquote() << "SyncPageApplier: cannot begin a transaction";
        return false;
    }
    // Rows of one page may refer to each other in any order (a parent category after its
    // child); the references are checked when the page commits.
    QSqlQuery(db).exec(QStringLiteral("PRAGMA defer_foreign_keys = ON"));

    m_heldKeys.clear();
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
    const QJsonArray categories = page.value(QLatin1String("categories")).toArray();
    for (const QJsonValue &value : categories) {
        const QString id = SyncWire::readText(value.toObject(), QStringLiteral("client_id"));
        if (!id.isEmpty())
            m_pageCategoryIds.insert(id);
    }

    const auto applyArray = [this, &page](const QString &key, Kind kind) {
        const QJsonArray records = page.value(key).toArray();
        for (const QJsonValue &value : records)
            applyRecord(kind, value.toObject());
    };
    applyArray(QStringLiteral("accounts"), Kind::Account);
    applyArray(QStringLiteral("categories"), Kind::Category);
    clearUnresolvedParents();
    applyArray(page.contains(QLatin1String("recurring_transactions"))
                   ? QStringLiteral("recurring_transactions")
                   : QStringLiteral("recurring"),
               Kind::Recurring);
    applyArray(QStringLiteral("transactions"), Kind::Transaction);
    applyArray(QStringLiteral("reconciliations"), Kind::Reconciliation);
    if (!m_heldKeys.isEmpty())
        retryHeldRecords();

    if (!scope.commit()) {
        qCWarning(lcServices).noquote()
            << "SyncPageApplier: the pulled page could not be stored:" << scope.errorText();
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

void SyncPageApplier::applyRecord(Kind kind, const QJsonObject &record) {
    releaseHeld(kind, record);
    switch (kind) {
    case Kind::Account:
        applyAccount(record);
        break;
    case Kind::Category:
        applyCategory(record);
        break;
    case Kind::Recurring:
        applyRecurring(record);
        break;
    case Kind::Transaction:
        applyTransaction(record);
        break;
    case Kind::Reconciliation:
        applyReconciliation(record);
        break;
    }
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
    QSqlQuery &query = prepared(QStringLiteral("SELECT 1 FROM %1 WHERE id = ?").arg(table));
    query.bindValue(0, id);
    const bool found = query.exec() && query.next();
    query.finish();
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

QString SyncPageApplier::entityType(Kind kind) {
    switch (kind) {
    case Kind::Account:
        return SyncWire::AccountEntity;
    case Kind::Category:
        return SyncWire::CategoryEntity;
    case Kind::Recurring:
        return SyncWire::RecurringEntity;
    case Kind::Transaction:
        return SyncWire::TransactionEntity;
    case Kind::Reconciliation:
        return SyncWire::ReconciliationEntity;
    }
    return QString();
}

QString SyncPageApplier::recordKey(const QJsonObject &record) {
    const QString serverId = SyncWire::readText(record, QStringLiteral("id"));
    return serverId.isEmpty() ? SyncWire::readText(record, QStringLiteral("client_id")) : serverId;
}

void SyncPageApplier::releaseHeld(Kind kind, const QJsonObject &record) {
    if (m_heldKeys.isEmpty())
        return;
    const QString key = recordKey(record);
    if (!m_heldKeys.remove(entityType(kind) + QLatin1Char('\n') + key))
        return;
    QSqlQuery &query = prepared(
        QStringLiteral("DELETE FROM sync_held_records WHERE entity_type = ? AND record_key = ?"));
    query.bindValue(0, entityType(kind));
    query.bindValue(1, key);
    query.exec();
    query.finish();
}

void SyncPageApplier::hold(Kind kind, const QJsonObject &record, const QString &missingTable,
                           const QString &missingId) {
    const QString key = recordKey(record);
    QSqlQuery &query = prepared(QStringLiteral(
        "INSERT OR REPLACE INTO sync_held_records (entity_type, record_key, payload, "
        "missing_table, missing_id, held_at) VALUES (?, ?, ?, ?, ?, ?)"));
    query.bindValue(0, entityType(kind));
    query.bindValue(1, key);
    query.bindValue(2, QString::fromUtf8(QJsonDocument(record).toJson(QJsonDocument::Compact)));
    query.bindValue(3, missingTable);
    query.bindValue(4, missingId);
    query.bindValue(5, Timestamps::toText(Timestamps::nowUtc()));
    if (query.exec())
        m_heldKeys.insert(entityType(kind) + QLatin1Char('\n') + key);
    else
        qCWarning(lcServices).noquote()
            << "SyncPageApplier: holding" << key << "failed:" << query.lastError().text();
    query.finish();
}

void SyncPageApplier::retryHeldRecords() {
    struct Held {
        Kind kind;
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
            if (missingTable != kAccounts && missingTable != kCategories)
                continue;
            if (!rowExists(missingTable, missingId))
                continue;
            const QJsonObject record = QJsonDocument::fromJson(payload.toUtf8()).object();
            for (Kind kind :
                 {Kind::Category, Kind::Recurring, Kind::Transaction, Kind::Reconciliation}) {
                if (entityType(kind) == type)
                    ready.append({kind, record});
            }
        }
    }
    // Kinds in the page's order, so that a category comes back before what uses it.
    std::stable_sort(ready.begin(), ready.end(),
                     [](const Held &a, const Held &b) { return a.kind < b.kind; });
    for (const Held &held : ready) {
        releaseHeld(held.kind, held.record);
        applyRecord(held.kind, held.record);
    }
    clearUnresolvedParents();
}

// A parent that was expected in the page but did not come (for example a deleted one that
// was never stored here) would fail the whole page when it commits.
void SyncPageApplier::clearUnresolvedParents() {
    for (auto it = m_parentsToConfirm.cbegin(); it != m_parentsToConfirm.cend(); ++it) {
        const QString parentId = SyncWire::readText(it.value(), QStringLiteral("parent_id"));
        if (rowExists(kCategories, parentId))
            continue;
        qCWarning(lcServices).noquote()
            << "applyCategory: parent category" << parentId << "of" << it.key()
            << "is not on this device yet; stored at the top level until it arrives";
        QSqlQuery &query
            = prepared(QStringLiteral("UPDATE categories SET parent_id = NULL WHERE id = ?"));
        query.bindValue(0, it.key());
        if (query.exec())
            m_accounts->database()->noteChange(kCategories);
        query.finish();
        hold(Kind::Category, it.value(), kCategories, parentId);
    }
    m_parentsToConfirm.clear();
}

namespace {

// Steps shared by every kind: find the local row by client id, then by server id; give a
// record that matches nothing and has no client id a new id.
template<typename Record, typename Repository, typename Lookup>
std::optional<Record> findLocal(Repository *repository, Record &incoming, Lookup byServerId) {
    std::optional<Record> local;
    if (!incoming.id.isEmpty())
        local = repository->findById(incoming.id);
    if (!local && !incoming.serverId.isEmpty()) {
        const QString id = byServerId(incoming.serverId);
        if (!id.isEmpty()) {
            local = repository->findById(id);
            if (local)
                incoming.id = id;
        }
    }
    if (!local && incoming.id.isEmpty())
        incoming.id = Identifiers::newId();
    return local;
}

// The version rule: the higher version wins, and an equal one replaces a row that has been
// pushed. A row with changes not pushed yet (made during this sync, or refused by the server)
// keeps them against the same version: they were made on top of it and go out next time.
template<typename Record> bool localWins(const Record &local, const Record &incoming) {
    return incoming.version < local.version
           || (incoming.version == local.version && local.syncStatus == SyncStatus::Pending);
}

} // namespace

void SyncPageApplier::applyAccount(const QJsonObject &json) {
    Account incoming = SyncWire::accountFromPull(json);
    const auto local = findLocal(m_accounts, incoming, [this](const QString &serverId) {
        return idByServerId(kAccounts, serverId);
    });
    if (local) {
        if (localWins(*local, incoming))
            return;
        m_accounts->update(incoming);
        if (!incoming.deletedAt && local->deletedAt)
            restoreRow(kAccounts, incoming.id);
        if (incoming.deletedAt && !local->deletedAt)
            m_accounts->softDelete(incoming.id);
    } else if (!incoming.deletedAt) {
        m_accounts->insert(incoming);
    }
}

void SyncPageApplier::applyCategory(const QJsonObject &json) {
    Category incoming = SyncWire::categoryFromPull(json);
    const auto local = findLocal(m_categories, incoming, [this](const QString &serverId) {
        return idByServerId(kCategories, serverId);
    });
    if (local ? localWins(*local, incoming) : bool(incoming.deletedAt))
        return;

    if (!incoming.parentId.isEmpty() && !rowExists(kCategories, incoming.parentId)) {
        if (m_pageCategoryIds.contains(incoming.parentId)) {
            m_parentsToConfirm.insert(incoming.id, json);
        } else {
            qCWarning(lcServices).noquote()
                << "applyCategory: parent category" << incoming.parentId << "of" << incoming.id
                << "is not on this device yet; stored at the top level until "
                   "it arrives";
            hold(Kind::Category, json, kCategories, incoming.parentId);
            incoming.parentId.clear();
        }
    }

    if (local) {
        m_categories->update(incoming);
        if (!incoming.deletedAt && local->deletedAt)
            restoreRow(kCategories, incoming.id);
        if (incoming.deletedAt && !local->deletedAt)
            m_categories->softDelete(incoming.id);
    } else {
        m_categories->insert(incoming);
    }
}

void SyncPageApplier::applyRecurring(const QJsonObject &json) {
    RecurringTransaction incoming = SyncWire::recurringFromPull(json);
    const auto local = findLocal(m_recurring, incoming, [this](const QString &serverId) {
        return idByServerId(kRecurring, serverId);
    });
    if (isBrokenDate(incoming.nextDueDate)) {
        ++m_skipped;
        qCWarning(lcServices).noquote()
            << "applyRecurring: skipping server record with broken nextDueDate:" << incoming.id
            << incoming.payee << SyncWire::readText(json, QStringLiteral("next_due_date"));
        return;
    }
    if (local ? localWins(*local, incoming) : bool(incoming.deletedAt))
        return;
    if (!local && !rowExists(kAccounts, incoming.accountId)) {
        qCInfo(lcServices).noquote() << "applyRecurring: account" << incoming.accountId << "of"
                                     << incoming.id << "has not arrived yet; holding the rule";
        hold(Kind::Recurring, json, kAccounts, incoming.accountId);
        return;
    }
    if (!incoming.categoryId.isEmpty() && !rowExists(kCategories, incoming.categoryId)) {
        qCWarning(lcServices).noquote()
            << "applyRecurring: category" << incoming.categoryId << "of" << incoming.id
            << "is not on this device yet; stored without a category until it arrives";
        hold(Kind::Recurring, json, kCategories, incoming.categoryId);
        incoming.categoryId.clear();
    }

    if (local) {
        m_recurring->update(incoming);
        if (!incoming.deletedAt && local->deletedAt)
            restoreRow(kRecurring, incoming.id);
        if (incoming.deletedAt && !local->deletedAt)
            m_recurring->softDelete(incoming.id);
    } else {
        m_recurring->insert(incoming);
    }
}

void SyncPageApplier::applyTransaction(const QJsonObject &json) {
    Transaction incoming = SyncWire::transactionFromPull(json);
    const auto local = findLocal(m_transactions, incoming, [this](const QString &serverId) {
        return idByServerId(kTransactions, serverId);
    });
    if (isBrokenDate(incoming.date)) {
        ++m_skipped;
        qCWarning(lcServices).noquote()
            << "applyTransactionChange: skipping server record with broken date:" << incoming.id
            << incoming.payee << SyncWire::readText(json, QStringLiteral("date"));
        return;
    }
    if (local ? localWins(*local, incoming) : bool(incoming.deletedAt))
        return;
    if (!local && !rowExists(kAccounts, incoming.accountId)) {
        qCInfo(lcServices).noquote()
            << "applyTransactionChange: account" << incoming.accountId << "of" << incoming.id
            << "has not arrived yet; holding the transaction";
        hold(Kind::Transaction, json, kAccounts, incoming.accountId);
        return;
    }
    if (!incoming.categoryId.isEmpty() && !rowExists(kCategories, incoming.categoryId)) {
        qCWarning(lcServices).noquote()
            << "applyTransactionChange: category" << incoming.categoryId << "of" << incoming.id
            << "is not on this device yet; stored without a category until it arrives";
        hold(Kind::Transaction, json, kCategories, incoming.categoryId);
        incoming.categoryId.clear();
    }

    if (local) {
        m_transactions->update(incoming);
        if (!incoming.deletedAt && local->deletedAt)
            restoreRow(kTransactions, incoming.id);
        if (incoming.deletedAt && !local->deletedAt)
            m_transactions->softDelete(incoming.id);
    } else {
        m_transactions->insert(incoming);
    }
}

void SyncPageApplier::applyReconciliation(const QJsonObject &json) {
    Reconciliation incoming = SyncWire::reconciliationFromPull(json);
    const auto local = findLocal(m_reconciliations, incoming, [this](const QString &serverId) {
        return idByServerId(kReconciliations, serverId);
    });
    if (isBrokenDate(incoming.statementDate)) {
        ++m_skipped;
        qCWarning(lcServices).noquote()
            << "applyReconciliation: skipping server record with broken statementDate:"
            << incoming.id << SyncWire::readText(json, QStringLiteral("statement_date"));
        return;
    }
    if (local ? localWins(*local, incoming) : bool(incoming.deletedAt))
        return;
    // An update may move a reconciliation to another account.
    if ((!local || local->accountId != incoming.accountId)
        && !rowExists(kAccounts, incoming.accountId)) {
        qCInfo(lcServices).noquote()
            << "applyReconciliation: account" << incoming.accountId << "of" << incoming.id
            << "has not arrived yet; holding the reconciliation";
        hold(Kind::Reconciliation, json, kAccounts, incoming.accountId);
        return;
    }

    if (local) {
        m_reconciliations->update(incoming);
        if (!incoming.deletedAt && local->deletedAt)
            restoreRow(kReconciliations, incoming.id);
        // Reconciliations have no deletion of their own to echo; only record it.
        if (incoming.deletedAt && !local->deletedAt)
            markRowDeleted(kReconciliations, incoming.id,
                           SyncWire::readText(json, QStringLiteral("deleted_at")));
    } else {
        m_reconciliations->insert(incoming);
    }
}
