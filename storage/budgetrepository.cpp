// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/budgetrepository.h"

namespace {

const QString kSelect
    = QStringLiteral("SELECT id, category_id, month, amount, rollover, version, sync_status, "
                     "server_id, created_at, updated_at, deleted_at FROM budgets ");

} // namespace

BudgetRepository::BudgetRepository(Database *database, QObject *parent)
    : Repository(database, QStringLiteral("budgets"), parent) {}

Budget BudgetRepository::readBudget(RowReader &row) {
    Budget b;
    b.id = row.text();
    b.categoryId = row.text();
    b.month = row.text();
    b.amount = row.money();
    b.rollover = row.flag();
    row.readBookkeeping(b);
    return b;
}

QList<Budget> BudgetRepository::findMonths(const QString &fromMonth, const QString &toMonth) const {
    return readList<Budget>(kSelect
                                + QLatin1String("WHERE deleted_at IS NULL AND month >= ? AND "
                                                "month <= ? ORDER BY month, category_id"),
                            {fromMonth, toMonth}, readBudget);
}

std::optional<Budget> BudgetRepository::find(const QString &categoryId,
                                             const QString &month) const {
    return readFirst<Budget>(kSelect
                                 + QLatin1String("WHERE category_id = ? AND month = ? ORDER BY "
                                                 "deleted_at IS NOT NULL, updated_at DESC"),
                             {categoryId, month}, readBudget);
}

std::optional<Budget> BudgetRepository::findById(const QString &id) const {
    return readFirst<Budget>(kSelect + QLatin1String("WHERE id = ?"), {id}, readBudget);
}

QList<Budget> BudgetRepository::findPending() const {
    return readList<Budget>(kSelect + QLatin1String("WHERE sync_status = 'pending'"), {},
                            readBudget);
}

bool BudgetRepository::markSynced(const QString &id, const QString &serverId) {
    return markSyncedRow(QStringLiteral("budgets"), id, serverId);
}

int BudgetRepository::markAllPendingForResync() {
    return markAllPendingRows(QStringLiteral("budgets"));
}

bool BudgetRepository::insert(const Budget &b) {
    return change(QStringLiteral("INSERT INTO budgets (id, category_id, month, amount, rollover, "
                                 "version, sync_status, server_id, created_at, updated_at, "
                                 "deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  QVariantList{b.id, b.categoryId, b.month, b.amount, flag(b.rollover)}
                      + insertBookkeeping(b)
                      + QVariantList{b.deletedAt ? timestamp(*b.deletedAt) : QVariant()},
                  "insert");
}

bool BudgetRepository::update(const Budget &b) {
    return change(QStringLiteral("UPDATE budgets SET category_id = ?, month = ?, amount = ?, "
                                 "rollover = ?, deleted_at = ?, version = ?, sync_status = ?, "
                                 "server_id = ?, updated_at = ? WHERE id = ?"),
                  QVariantList{b.categoryId, b.month, b.amount, flag(b.rollover),
                               b.deletedAt ? timestamp(*b.deletedAt) : QVariant()}
                      + updateBookkeeping(b),
                  "update");
}

void BudgetRepository::announceChange(const QString &) {
    Q_EMIT budgetsChanged();
}
