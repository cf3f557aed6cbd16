// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/reconciliation.h"
#include "storage/transaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class UndoStack;
class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// Reconciling an account against a bank statement: where the next statement starts and the
// all-or-nothing write that marks the ticked rows reconciled and records the statement.
class ReconciliationService : public QObject {
    Q_OBJECT

public:
    struct Opening {
        bool accountFound = false;
        // The starting balance plus every live reconciled transaction.
        qint64 previousBalance = 0;
        // The latest date among those transactions; invalid when there is none.
        QDate lastReconciledDate;
        // One statement period after the last statement or the last reconciled transaction,
        // whichever is later; invalid for an account never reconciled.
        QDate defaultStatementDate;
        // The live unreconciled transactions, oldest first, as
        // TransactionRepository::findUnreconciledSummaries reads them.
        QList<Transaction> unreconciled;
    };

    enum class Status {
        Ok,
        // The account is gone.
        AccountNotFound,
        // A ticked row was edited since it was read; nothing was written.
        RowsChanged,
        // The stored rows no longer add up to the statement balance (a ticked row was
        // deleted, or the previous balance moved); nothing was written.
        Unbalanced,
        // A write failed; it was rolled back.
        Failed,
    };
    Q_ENUM(Status)

    struct FinishResult {
        Status status = Status::Failed;
        QStringList changedIds;        // RowsChanged: the rows edited meanwhile
        QStringList skippedIds;        // ticked rows deleted meanwhile, left alone
        Reconciliation reconciliation; // Ok: the row recorded
    };

    ReconciliationService(Database *database, AccountRepository *accounts,
                          TransactionRepository *transactions,
                          ReconciliationRepository *reconciliations, QObject *parent = nullptr);

    Opening opening(const QString &accountId) const;

    // One month on, keeping a month's last day on the last day of the next month (Jan 31,
    // Feb 28, Mar 31), so that month-end statements do not drift to the 28th.
    static QDate nextStatementDate(const QDate &from);

    // ticked: the rows as the caller read them. Each is read again by id inside one database
    // transaction; a deleted one is skipped, an edited one (another version or updated time)
    // stops the whole finish so that nothing is written from a stale copy. The reconciled
    // balance is recomputed from the stored rows and must equal statementBalance.
    FinishResult finish(const QString &accountId, const QDate &statementDate,
                        qint64 statementBalance, const QList<Transaction> &ticked);

    // Where changes are recorded for undo; none by default.
    void setUndoStack(UndoStack *undo) { m_undo = undo; }

private:
    // The previous balance: the account's balance (kept as a running total) less its
    // unreconciled rows (open: their sum), so that years of reconciled rows are never added
    // up again.
    bool previousBalance(const QString &accountId, qint64 open, qint64 *balance) const;
    QDate lastReconciledDate(const QString &accountId) const;

    Database *m_database;                        // Not owned.
    AccountRepository *m_accounts;               // Not owned.
    TransactionRepository *m_transactions;       // Not owned.
    ReconciliationRepository *m_reconciliations; // Not owned.
    UndoStack *m_undo = nullptr;                 // Not owned; may be null.
};
