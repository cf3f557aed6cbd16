// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/reconciliationservice.h"

#include "services/servicelog.h"
#include "services/undorecording.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/reconciliationrepository.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

ReconciliationService::ReconciliationService(Database *database, AccountRepository *accounts,
                                             TransactionRepository *transactions,
                                             ReconciliationRepository *reconciliations,
                                             QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations) {}

QDate ReconciliationService::nextStatementDate(const QDate &from) {
    if (!from.isValid())
        return {};
    const QDate next = from.addMonths(1);
    if (from.day() == from.daysInMonth())
        return QDate(next.year(), next.month(), next.daysInMonth());
    return next;
}

bool ReconciliationService::previousBalance(const QString &accountId, qint64 open,
                                            qint64 *balance) const {
    const std::optional<qint64> current = m_accounts->balance(accountId);
    if (!current)
        return false;
    *balance = *current - open;
    return true;
}

QDate ReconciliationService::lastReconciledDate(const QString &accountId) const {
    // Newest first along the register's index: the open rows are the newest, so the walk
    // stops soon after them.
    QSqlError error;
    QSqlQuery *query = m_database->preparedStatement(
        QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
                       "AND reconciled = 1 ORDER BY date DESC LIMIT 1"),
        &error);
    if (!query)
        return {};
    query->addBindValue(accountId);
    QDate result;
    if (query->exec() && query->next())
        result = Timestamps::dateFromText(query->value(0).toString());
    query->finish();
    return result;
}

ReconciliationService::Opening ReconciliationService::opening(const QString &accountId) const {
    Opening result;
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || account->deletedAt)
        return result;
    result.accountFound = true;
    result.unreconciled = m_transactions->findUnreconciledSummaries(accountId);
    qint64 open = 0;
    for (const Transaction &row : std::as_const(result.unreconciled))
        open += row.amount;
    previousBalance(accountId, open, &result.previousBalance);
    result.lastReconciledDate = lastReconciledDate(accountId);
    const QDate reconciledUpTo = result.lastReconciledDate;
    const std::optional<Reconciliation> latest = m_reconciliations->findLatest(accountId);
    if (latest && (!reconciledUpTo.isValid() || reconciledUpTo <= latest->statementDate))
        result.defaultStatementDate = nextStatementDate(latest->statementDate);
    else if (reconciledUpTo.isValid())
        result.defaultStatementDate = nextStatementDate(reconciledUpTo);
    return result;
}

ReconciliationService::FinishResult
ReconciliationService::finish(const QString &accountId, const QDate &statementDate,
                              qint64 statementBalance, const QList<Transaction> &ticked) {
    UndoRecording undo(m_undo, tr("Finish Reconciliation"));
    FinishResult result;
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || account->deletedAt) {
        result.status = Status::AccountNotFound;
        return result;
    }

    // Everything below reads and writes under the write lock, so no other writer can slip
    // in between the check and the write.
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return result;

    qint64 reconciledBalance = 0;
    const std::optional<qint64> open = m_transactions->unreconciledTotal(accountId);
    if (!open || !previousBalance(accountId, *open, &reconciledBalance))
        return result;

    QList<Transaction> toWrite;
    toWrite.reserve(ticked.size());
    for (const Transaction &seen : ticked) {
        const std::optional<Transaction> stored = m_transactions->findById(seen.id);
        if (!stored || stored->deletedAt) {
            result.skippedIds << seen.id;
            continue;
        }
        if (stored->accountId != accountId || stored->reconciled || stored->version != seen.version
            || stored->updatedAt != seen.updatedAt) {
            result.changedIds << seen.id;
            continue;
        }
        toWrite << *stored;
        reconciledBalance += stored->amount;
    }
    if (!result.changedIds.isEmpty()) {
        result.status = Status::RowsChanged;
        return result;
    }
    if (reconciledBalance != statementBalance) {
        result.status = Status::Unbalanced;
        return result;
    }

    const QDateTime now = Timestamps::nowUtc();
    for (Transaction &row : toWrite) {
        row.cleared = true;
        row.reconciled = true;
        row.updatedAt = now;
        row.syncStatus = SyncStatus::Pending;
        if (!m_transactions->update(row))
            return result;
    }

    Reconciliation reconciliation;
    reconciliation.id = Identifiers::newId();
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = statementBalance;
    reconciliation.reconciledBalance = reconciledBalance;
    reconciliation.completedAt = now;
    reconciliation.createdAt = reconciliation.updatedAt = now;
    if (!m_reconciliations->insert(reconciliation))
        return result;
    if (!scope.commit()) {
        qCWarning(lcServices).noquote()
            << "ReconciliationService::finish failed:" << scope.errorText();
        return result;
    }
    undo.keep();
    result.status = Status::Ok;
    result.reconciliation = reconciliation;
    return result;
}
