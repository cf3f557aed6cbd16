// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/reconciliationrepository.h"

namespace {

const QString kColumns
    = QStringLiteral("id, account_id, statement_date, statement_balance, reconciled_balance, "
                     "completed_at, version, sync_status, server_id, created_at, updated_at, "
                     "deleted_at");
const QString kTable = QStringLiteral("reconciliations");

QString select(const char *rest) {
    return QStringLiteral("SELECT %1 FROM reconciliations ").arg(kColumns) + QLatin1String(rest);
}

QDateTime validOrNow(const QDateTime &timestamp) {
    return timestamp.isValid() ? timestamp : Timestamps::nowUtc();
}

} // namespace

ReconciliationRepository::ReconciliationRepository(Database *database, QObject *parent)
    : Repository(database, kTable, parent) {}

// The columns that insert and update both write, in statement order.
QVariantList ReconciliationRepository::ownFields(const Reconciliation &r) {
    return {r.accountId, date(r.statementDate), r.statementBalance, r.reconciledBalance,
            timestamp(r.completedAt)};
}

Reconciliation ReconciliationRepository::readReconciliation(RowReader &row) {
    Reconciliation r;
    r.id = row.text();
    r.accountId = row.text();
    r.statementDate = row.date();
    r.statementBalance = row.money();
    r.reconciledBalance = row.money();
    r.completedAt = row.timestamp();
    row.readBookkeeping(r);
    return r;
}

QList<Reconciliation> ReconciliationRepository::findByAccount(const QString &accountId) const {
    return readList<Reconciliation>(
        select("WHERE account_id = ? AND deleted_at IS NULL ORDER BY statement_date DESC"),
        {accountId}, readReconciliation);
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString &id) const {
    return readFirst<Reconciliation>(select("WHERE id = ?"), {id}, readReconciliation);
}

std::optional<Reconciliation> ReconciliationRepository::findLatest(const QString &accountId) const {
    return readFirst<Reconciliation>(select("WHERE account_id = ? AND deleted_at IS NULL ORDER BY "
                                            "statement_date DESC LIMIT 1"),
                                     {accountId}, readReconciliation);
}

QList<Reconciliation> ReconciliationRepository::findPending() const {
    return readList<Reconciliation>(select("WHERE sync_status = 'pending'"), {},
                                    readReconciliation);
}

bool ReconciliationRepository::insert(const Reconciliation &r) {
    Reconciliation filled = r;
    filled.createdAt = validOrNow(r.createdAt);
    filled.updatedAt = validOrNow(r.updatedAt);
    return change(
        QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, "
                       "statement_balance, reconciled_balance, completed_at, version, "
                       "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?)"),
        QVariantList{r.id} + ownFields(r) + insertBookkeeping(filled), "insert");
}

bool ReconciliationRepository::update(const Reconciliation &r) {
    return change(
        QStringLiteral("UPDATE reconciliations SET account_id=?, statement_date=?, "
                       "statement_balance=?, reconciled_balance=?, completed_at=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        ownFields(r) + updateBookkeeping(r), "update");
}

int ReconciliationRepository::softDeleteByAccount(const QString &accountId,
                                                  const QDateTime &stamp) {
    return softDeleteAllOfAccount(kTable, accountId, stamp);
}

int ReconciliationRepository::restoreByAccount(const QString &accountId, const QDateTime &from,
                                               const QDateTime &to) {
    return restoreAllOfAccount(kTable, accountId, from, to);
}

bool ReconciliationRepository::markSynced(const QString &id, const QString &serverId) {
    return markSyncedRow(kTable, id, serverId);
}

int ReconciliationRepository::markAllPendingForResync() {
    return markAllPendingRows(kTable);
}

void ReconciliationRepository::announceChange(const QString &) {
    Q_EMIT reconciliationsChanged();
}
