// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/entrywriter.h"

#include "services/servicelog.h"
#include "services/undorecording.h"
#include "storage/accountrepository.h"
#include "storage/identifiers.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

namespace {

bool commitLogged(TransactionScope &scope, const char *operation) {
    if (scope.commit())
        return true;
    qCWarning(lcServices).noquote()
        << QStringLiteral("EntryWriter::%1 failed:").arg(QLatin1String(operation))
        << scope.errorText();
    return false;
}

// Passes result through; a write that worked becomes a step of the undo history.
EntryWriter::Result kept(UndoRecording &undo, EntryWriter::Result result) {
    if (result == EntryWriter::Result::Ok)
        undo.keep();
    return result;
}

} // namespace

EntryFields EntryFields::from(const Transaction &transaction) {
    EntryFields fields;
    fields.id = transaction.id;
    fields.accountId = transaction.accountId;
    fields.date = transaction.date;
    fields.payee = transaction.payee;
    fields.checkNumber = transaction.checkNumber;
    fields.memo = transaction.memo;
    fields.amount = transaction.amount;
    fields.categoryId = transaction.categoryId;
    fields.cleared = transaction.cleared;
    fields.reconciled = transaction.reconciled;
    return fields;
}

EntryWriter::EntryWriter(Database *database, LedgerWriter *ledger, AccountRepository *accounts,
                         TransactionRepository *transactions, SplitLineRepository *splitLines,
                         RecurringRepository *recurring, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_ledger(ledger)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
    , m_recurring(recurring) {}

EntryWriter::Result EntryWriter::save(const EntryFields &fields, const QList<SplitLine> *lines,
                                      bool rewriteReconciledLeg, QString *savedId) {
    UndoRecording undo(m_undo,
                       fields.id.isEmpty() ? tr("New Transaction") : tr("Edit Transaction"));
    Transaction transaction;
    const bool isNew = fields.id.isEmpty();
    if (isNew) {
        transaction.id = Identifiers::newId();
        transaction.accountId = fields.accountId;
    } else {
        const std::optional<Transaction> stored = m_transactions->findById(fields.id);
        if (!stored || stored->deletedAt.has_value())
            return Result::NotFound;
        transaction = *stored;
    }
    transaction.date = fields.date.isValid() ? fields.date : QDate::currentDate();
    transaction.payee = fields.payee.trimmed();
    transaction.checkNumber = fields.checkNumber.trimmed();
    transaction.memo = fields.memo.trimmed();
    transaction.amount = fields.amount;
    transaction.categoryId = fields.categoryId;
    transaction.cleared = fields.cleared || fields.reconciled;
    transaction.reconciled = fields.reconciled;
    if (lines)
        transaction.isSplit = !lines->isEmpty();

    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    const Result result = isNew ? m_ledger->addTransaction(transaction)
                                : m_ledger->updateTransaction(transaction, rewriteReconciledLeg);
    if (result != Result::Ok)
        return result;
    if (lines && !m_splitLines->replaceForTransaction(transaction.id, *lines))
        return Result::Failed;
    if (!commitLogged(scope, "save"))
        return Result::Failed;
    if (savedId)
        *savedId = transaction.id;
    return kept(undo, Result::Ok);
}

EntryWriter::Result EntryWriter::setCleared(const QString &id, bool cleared) {
    UndoRecording undo(m_undo, cleared ? tr("Mark Cleared") : tr("Mark Uncleared"));
    const std::optional<Transaction> stored = m_transactions->findById(id);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;
    Transaction transaction = *stored;
    transaction.cleared = cleared;
    if (!cleared)
        transaction.reconciled = false;
    return kept(undo, m_ledger->updateTransaction(transaction));
}

EntryWriter::Result EntryWriter::split(const QString &id, const QList<SplitLine> &lines) {
    UndoRecording undo(m_undo, tr("Split Transaction"));
    const std::optional<Transaction> stored = m_transactions->findById(id);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;
    Transaction transaction = *stored;
    transaction.isSplit = !lines.isEmpty();
    // The lines and the flag that says they exist are written together or not at all.
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    const Result result = m_ledger->updateTransaction(transaction);
    if (result != Result::Ok)
        return result;
    if (!m_splitLines->replaceForTransaction(id, lines) || !commitLogged(scope, "split"))
        return Result::Failed;
    return kept(undo, Result::Ok);
}

EntryWriter::Result EntryWriter::memorize(RecurringTransaction rule) {
    UndoRecording undo(m_undo, tr("Memorize Transaction"));
    const std::optional<Account> account = m_accounts->findById(rule.accountId);
    if (!account || account->deletedAt.has_value())
        return Result::NotFound;
    const QDateTime now = Timestamps::nowUtc();
    if (rule.id.isEmpty())
        rule.id = Identifiers::newId();
    rule.version = 1;
    rule.syncStatus = SyncStatus::Pending;
    rule.serverId.clear();
    rule.deletedAt.reset();
    rule.createdAt = rule.updatedAt = now;
    return kept(undo, m_recurring->insert(rule) ? Result::Ok : Result::Failed);
}
