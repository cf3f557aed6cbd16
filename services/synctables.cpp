// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/synctables.h"

#include "services/servicelog.h"
#include "services/syncwire.h"
#include "storage/accountrepository.h"
#include "storage/budgetrepository.h"
#include "storage/categoryrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"

#include <QDate>

namespace {

QString owningAccount(const Account &) {
    return QString();
}

QString owningAccount(const Category &) {
    return QString();
}

QString owningAccount(const Budget &) {
    return QString();
}

// Which of two live budgets of one category and month stays: the one set last, and of two
// set at the same instant the one with the greater id. Every device decides alike.
bool keptOver(const Budget &a, const Budget &b) {
    return a.updatedAt != b.updatedAt ? a.updatedAt > b.updatedAt : a.id > b.id;
}

// Stores a pulled budget. Two devices may each have budgeted the same category for the same
// month before either synced; only one may stay live, and the other is deleted here and that
// deletion pushed, so that every device and the server end with the same one.
bool storeBudget(BudgetRepository *budgets, const QJsonObject &json, bool exists) {
    Budget record = SyncWire::budgetFromPull(json);
    if (record.month.size() != 7
        || !QDate::fromString(record.month + QLatin1String("-01"), Qt::ISODate).isValid()
        || record.amount < 0) {
        qCWarning(lcServices).noquote()
            << "applyBudget: skipping server record with a broken month or amount:" << record.id
            << record.month << record.amount;
        return false;
    }
    const QDateTime now = Timestamps::nowUtc();
    if (!record.createdAt.isValid())
        record.createdAt = now;
    if (!record.updatedAt.isValid())
        record.updatedAt = now;
    if (!record.deletedAt) {
        std::optional<Budget> other = budgets->find(record.categoryId, record.month);
        if (other && !other->deletedAt && other->id != record.id) {
            Budget &loser = keptOver(*other, record) ? record : *other;
            loser.deletedAt = now;
            loser.updatedAt = now;
            loser.version += 1;
            loser.syncStatus = SyncStatus::Pending;
            if (&loser == &*other && !budgets->update(loser))
                return false;
        }
    }
    return exists ? budgets->update(record) : budgets->insert(record);
}

template<typename Record> QString owningAccount(const Record &record) {
    return record.accountId;
}

// Kinds without a comparison of their own compare the changes they would push.
template<typename Record>
auto sameChange(const Record &a, const Record &b, int) -> decltype(SyncWire::sameChange(a, b)) {
    return SyncWire::sameChange(a, b);
}

template<typename Record> bool sameChange(const Record &a, const Record &b, long) {
    return SyncWire::change(a) == SyncWire::change(b);
}

// The state of a local row against the pulled record of the same id; the record, when given,
// is compared with the row.
template<typename Record>
SyncTables::RowState rowStateOf(const Record &record, const QJsonObject *pulled,
                                Record (*fromPull)(const QJsonObject &)) {
    SyncTables::RowState state{record.version, record.syncStatus == SyncStatus::Pending,
                               bool(record.deletedAt), owningAccount(record)};
    // Compared as the change each would push, which covers every synchronised column.
    if (pulled && record.syncStatus == SyncStatus::Synced
        && record.version == SyncWire::readInteger(*pulled, QStringLiteral("version"))
        && record.serverId == SyncWire::readText(*pulled, QStringLiteral("id"))) {
        QJsonObject incoming = *pulled;
        incoming.insert(QStringLiteral("client_id"), record.id);
        state.holdsRecord = sameChange(fromPull(incoming), record, 0);
    }
    return state;
}

// Repositories that read and write rows by the thousand get the batch functions.
template<typename Record, typename Repository>
auto bindBatches(SyncTables::Table &table, Repository *repository,
                 Record (*fromPull)(const QJsonObject &), int)
    -> decltype(repository->findByIds(QStringList()), repository->insertMany(QList<Record>()),
                void()) {
    table.rowStates = [repository, fromPull](const QList<QJsonObject> &records)
        -> std::optional<QHash<QString, SyncTables::RowState>> {
        QHash<QString, const QJsonObject *> byId;
        for (const QJsonObject &record : records)
            byId.insert(SyncWire::readText(record, QStringLiteral("client_id")), &record);
        byId.remove(QString());
        const std::optional<QList<Record>> rows = repository->findByIds(byId.keys());
        if (!rows)
            return std::nullopt;
        QHash<QString, SyncTables::RowState> states;
        for (const Record &row : *rows)
            states.insert(row.id, rowStateOf(row, byId.value(row.id), fromPull));
        return states;
    };
    table.insertMany = [repository, fromPull](const QList<QJsonObject> &records) {
        QList<Record> rows;
        rows.reserve(records.size());
        for (const QJsonObject &record : records)
            rows.append(fromPull(record));
        return repository->insertMany(rows);
    };
}

template<typename Record, typename Repository>
void bindBatches(SyncTables::Table &, Repository *, Record (*)(const QJsonObject &), long) {}

template<typename Record, typename Repository>
void bindRepository(SyncTables::Table &table, Repository *repository,
                    Record (*fromPull)(const QJsonObject &)) {
    bindBatches(table, repository, fromPull, 0);
    table.pendingChanges = [repository] {
        QList<SyncTables::PendingChange> changes;
        for (Record &record : repository->findPending())
            changes.append([record = std::move(record)] { return SyncWire::change(record); });
        return changes;
    };
    table.change = [repository](const QString &id) -> std::optional<QJsonObject> {
        const std::optional<Record> record = repository->findById(id);
        if (!record)
            return std::nullopt;
        return SyncWire::change(*record);
    };
    table.markSynced = [repository](const QString &id, const QString &serverId) {
        return repository->markSynced(id, serverId);
    };
    table.rowState
        = [repository, fromPull](const QString &id,
                                 const QJsonObject *pulled) -> std::optional<SyncTables::RowState> {
        const std::optional<Record> record = repository->findById(id);
        if (!record)
            return std::nullopt;
        return rowStateOf(*record, pulled, fromPull);
    };
    table.store = [repository, fromPull](const QJsonObject &json, bool exists) {
        const Record record = fromPull(json);
        return exists ? repository->update(record) : repository->insert(record);
    };
}

template<typename Repository>
void bindSoftDelete(SyncTables::Table &table, Repository *repository) {
    table.echoesDeletion = true;
    table.softDelete = [repository](const QString &id) { return repository->softDelete(id); };
}

// Every kind's array in a pulled page is named after its table.
SyncTables::Table describe(SyncTables::Kind kind, const QString &entityType, const QString &name,
                           const QString &logName) {
    SyncTables::Table table;
    table.kind = kind;
    table.entityType = entityType;
    table.name = name;
    table.pullKey = name;
    table.logName = logName;
    return table;
}

// A record that belongs to an account and carries a date that has to be sane.
void belongToAccount(SyncTables::Table &table, const QString &dateKey, const QString &dateName) {
    table.waitsForAccount = true;
    table.dateKey = dateKey;
    table.dateName = dateName;
}

// A register entry (a transaction, or the rule that posts them) may also name a category.
void describeEntry(SyncTables::Table &table, const QString &dateKey, const QString &dateName) {
    belongToAccount(table, dateKey, dateName);
    table.categoryKey = QStringLiteral("category_id");
    table.categoryRole = QStringLiteral("category");
    table.hasPayee = true;
}

} // namespace

SyncTables::SyncTables(AccountRepository *accounts, TransactionRepository *transactions,
                       CategoryRepository *categories, RecurringRepository *recurring,
                       ReconciliationRepository *reconciliations) {
    Table account = describe(Kind::Account, SyncWire::AccountEntity, QStringLiteral("accounts"),
                             QStringLiteral("applyAccount"));
    bindRepository(account, accounts, &SyncWire::accountFromPull);
    bindSoftDelete(account, accounts);

    Table category = describe(Kind::Category, SyncWire::CategoryEntity,
                              QStringLiteral("categories"), QStringLiteral("applyCategory"));
    category.categoryKey = QStringLiteral("parent_id");
    category.categoryRole = QStringLiteral("parent category");
    category.categoryMayFollowInPage = true;
    bindRepository(category, categories, &SyncWire::categoryFromPull);
    bindSoftDelete(category, categories);

    Table rule
        = describe(Kind::Recurring, SyncWire::RecurringEntity,
                   QStringLiteral("recurring_transactions"), QStringLiteral("applyRecurring"));
    rule.oldPullKey = QStringLiteral("recurring");
    describeEntry(rule, QStringLiteral("next_due_date"), QStringLiteral("nextDueDate"));
    bindRepository(rule, recurring, &SyncWire::recurringFromPull);
    bindSoftDelete(rule, recurring);

    Table transaction
        = describe(Kind::Transaction, SyncWire::TransactionEntity, QStringLiteral("transactions"),
                   QStringLiteral("applyTransactionChange"));
    describeEntry(transaction, QStringLiteral("date"), QStringLiteral("date"));
    bindRepository(transaction, transactions, &SyncWire::transactionFromPull);
    bindSoftDelete(transaction, transactions);

    // Reconciliations have no deletion of their own to echo.
    Table reconciliation
        = describe(Kind::Reconciliation, SyncWire::ReconciliationEntity,
                   QStringLiteral("reconciliations"), QStringLiteral("applyReconciliation"));
    belongToAccount(reconciliation, QStringLiteral("statement_date"),
                    QStringLiteral("statementDate"));
    bindRepository(reconciliation, reconciliations, &SyncWire::reconciliationFromPull);

    // A cleared budget is only recorded as deleted, like a reconciliation.
    m_budgets = std::make_shared<BudgetRepository>(categories->database());
    Table budget = describe(Kind::Budget, SyncWire::BudgetEntity, QStringLiteral("budgets"),
                            QStringLiteral("applyBudget"));
    budget.waitsForCategory = true;
    budget.newerServersOnly = true;
    bindRepository(budget, m_budgets.get(), &SyncWire::budgetFromPull);
    budget.store = [budgets = m_budgets.get()](const QJsonObject &json, bool exists) {
        return storeBudget(budgets, json, exists);
    };

    m_tables = {account, category, rule, transaction, reconciliation, budget};
}

const SyncTables::Table *SyncTables::byEntityType(const QString &entityType) const {
    for (const Table &table : m_tables) {
        if (table.entityType == entityType)
            return &table;
    }
    return nullptr;
}

QJsonArray SyncTables::Table::pulled(const QJsonObject &page) const {
    if (oldPullKey.isEmpty() || page.contains(pullKey))
        return page.value(pullKey).toArray();
    return page.value(oldPullKey).toArray();
}
