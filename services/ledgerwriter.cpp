// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/ledgerwriter.h"

#include "services/servicelog.h"
#include "services/undorecording.h"
#include "storage/accountrepository.h"
#include "storage/budgetrepository.h"
#include "storage/categoryrepository.h"
#include "storage/identifiers.h"
#include "storage/importrulerepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/reservedpayees.h"
#include "storage/splitlinerepository.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

namespace {

bool commitLogged(TransactionScope &scope, const char *operation) {
    if (scope.commit())
        return true;
    qCWarning(lcServices).noquote()
        << QStringLiteral("LedgerWriter::%1 failed:").arg(QLatin1String(operation))
        << scope.errorText();
    return false;
}

// Rows deleted one by one before a cascade wrote a single stamp got their own times, at most
// a few seconds before the account's.
constexpr int kLegacyCascadeSeconds = 5;

bool succeeded(bool ok) {
    return ok;
}
bool succeeded(int count) {
    return count >= 0;
}
bool succeeded(LedgerWriter::Result result) {
    return result == LedgerWriter::Result::Ok;
}

// Passes result through; a write that worked becomes a step of the undo history.
template<typename R> R kept(UndoRecording &undo, R result) {
    if (succeeded(result))
        undo.keep();
    return result;
}

} // namespace

LedgerWriter::LedgerWriter(Database *database, AccountRepository *accounts,
                           TransactionRepository *transactions, RecurringRepository *recurring,
                           ReconciliationRepository *reconciliations,
                           CategoryRepository *categories, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_categories(categories)
    , m_splitLines(new SplitLineRepository(database, this))
    , m_budgets(new BudgetRepository(database, this))
    , m_importRules(new ImportRuleRepository(database, this)) {}

bool LedgerWriter::createAccount(Account account, qint64 openingBalance, const QDate &asOf,
                                 QString *createdId) {
    UndoRecording undo(m_undo, tr("New Account"));
    const QDateTime now = Timestamps::nowUtc();
    if (account.id.isEmpty())
        account.id = Identifiers::newId();
    account.startingBalance = 0;
    account.version = 1;
    account.syncStatus = SyncStatus::Pending;
    account.createdAt = account.updatedAt = now;

    TransactionScope scope(m_database);
    if (!scope.isOpen() || !m_accounts->insert(account))
        return false;
    if (openingBalance != 0) {
        Transaction opening;
        opening.id = Identifiers::newId();
        opening.accountId = account.id;
        opening.date = asOf.isValid() ? asOf : QDate::currentDate();
        opening.payee = ReservedPayees::openingBalance();
        opening.amount = openingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        opening.createdAt = opening.updatedAt = now;
        if (!m_transactions->insert(opening))
            return false;
    }
    if (!commitLogged(scope, "createAccount"))
        return false;
    if (createdId)
        *createdId = account.id;
    return kept(undo, true);
}

std::optional<Transaction> LedgerWriter::openingBalance(const QString &accountId) const {
    std::optional<Transaction> opening;
    // Newest first: the last match is the oldest.
    for (const Transaction &t : m_transactions->findByAccount(accountId)) {
        if (t.payee == ReservedPayees::openingBalance() && !t.deletedAt.has_value())
            opening = t;
    }
    return opening;
}

QList<Account> LedgerWriter::accounts() const {
    return m_accounts->findAll();
}

std::optional<Account> LedgerWriter::liveAccount(const QString &accountId) const {
    std::optional<Account> account = m_accounts->findById(accountId);
    if (account && account->deletedAt.has_value())
        return std::nullopt;
    return account;
}

std::optional<Transaction> LedgerWriter::liveTransaction(const QString &transactionId) const {
    std::optional<Transaction> transaction = m_transactions->findById(transactionId);
    if (transaction && transaction->deletedAt.has_value())
        return std::nullopt;
    return transaction;
}

bool LedgerWriter::setAccountOrder(const QStringList &accountIds) {
    QList<QPair<QString, int>> order;
    for (int i = 0; i < accountIds.size(); ++i)
        order.append({accountIds.at(i), i});
    return m_accounts->updateSortOrder(order);
}

LedgerWriter::Result LedgerWriter::updateAccount(const Account &edited, qint64 startingBalance,
                                                 const QDate &asOf) {
    UndoRecording undo(m_undo, tr("Edit Account"));
    const std::optional<Account> stored = m_accounts->findById(edited.id);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;
    const QDateTime now = Timestamps::nowUtc();
    Account account = *stored;
    account.name = edited.name;
    account.type = edited.type;
    account.currency = edited.currency;
    account.institution = edited.institution;
    account.accountNumberLast4 = edited.accountNumberLast4;
    account.version = stored->version + 1;
    account.syncStatus = SyncStatus::Pending;
    account.updatedAt = now;

    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    // An opening balance kept as a transaction is changed there, so it never counts twice.
    if (std::optional<Transaction> opening = openingBalance(account.id)) {
        const QDate date = asOf.isValid() ? asOf : opening->date;
        if (startingBalance == 0) {
            if (!m_transactions->softDelete(opening->id))
                return Result::Failed;
        } else if (startingBalance != opening->amount || date != opening->date) {
            opening->amount = startingBalance;
            opening->date = date;
            opening->version += 1;
            opening->syncStatus = SyncStatus::Pending;
            opening->updatedAt = now;
            if (!m_transactions->update(*opening))
                return Result::Failed;
        }
    } else {
        account.startingBalance = startingBalance;
    }
    if (!m_accounts->update(account))
        return Result::Failed;
    return kept(undo, commitLogged(scope, "updateAccount") ? Result::Ok : Result::Failed);
}

LedgerWriter::Result LedgerWriter::transferTarget(const QString &payee, const QString &accountId,
                                                  const QList<Account> &accounts,
                                                  std::optional<Account> *other) {
    other->reset();
    if (!payee.startsWith(ReservedPayees::transferPrefix()))
        return Result::Ok;
    const QString name = payee.mid(ReservedPayees::transferPrefix().size());
    for (const Account &account : accounts) {
        if (account.name == name) {
            if (account.id == accountId)
                return Result::TransferToSameAccount;
            *other = account;
            return Result::Ok;
        }
    }
    return Result::TransferAccountNotFound;
}

LedgerWriter::Result LedgerWriter::resolveTransfer(const QString &payee, const QString &accountId,
                                                   std::optional<Account> *other) const {
    if (!payee.startsWith(ReservedPayees::transferPrefix())) {
        other->reset();
        return Result::Ok;
    }
    return transferTarget(payee, accountId, m_accounts->findAll(), other);
}

LedgerWriter::Result LedgerWriter::addTransaction(Transaction transaction) {
    UndoRecording undo(m_undo, tr("New Transaction"));
    const QDateTime now = Timestamps::nowUtc();
    if (transaction.id.isEmpty())
        transaction.id = Identifiers::newId();
    transaction.version = 1;
    transaction.syncStatus = SyncStatus::Pending;
    transaction.createdAt = transaction.updatedAt = now;

    const std::optional<Account> owner = m_accounts->findById(transaction.accountId);
    if (!owner || owner->deletedAt.has_value())
        return Result::NotFound;

    std::optional<Account> other;
    const Result resolved = resolveTransfer(transaction.payee, transaction.accountId, &other);
    if (resolved != Result::Ok)
        return resolved;

    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    if (other) {
        transaction.payee = QStringLiteral("Transfer to %1").arg(other->name);
        Transaction leg;
        leg.id = Identifiers::newId();
        leg.accountId = other->id;
        leg.date = transaction.date;
        leg.payee = QStringLiteral("Transfer from %1").arg(owner->name);
        leg.amount = -transaction.amount;
        // The other account's statement has not shown this money yet: that side is
        // cleared and reconciled on its own.
        leg.cleared = false;
        leg.reconciled = false;
        leg.transferLinkId = transaction.id;
        leg.transferDestAccountId = transaction.accountId;
        leg.createdAt = leg.updatedAt = now;
        if (!m_transactions->insert(leg))
            return Result::Failed;
        transaction.transferLinkId = leg.id;
        transaction.transferDestAccountId = other->id;
    }
    if (!m_transactions->insert(transaction))
        return Result::Failed;
    return kept(undo, commitLogged(scope, "addTransaction") ? Result::Ok : Result::Failed);
}

std::optional<Transaction> LedgerWriter::otherLeg(const Transaction &leg) const {
    if (leg.transferLinkId.isEmpty())
        return std::nullopt;
    const std::optional<Transaction> linked = m_transactions->findById(leg.transferLinkId);
    if (linked && linked->id != leg.id && !linked->deletedAt.has_value())
        return linked;
    for (const Transaction &candidate : m_transactions->findByTransferLink(leg.transferLinkId)) {
        if (candidate.id != leg.id)
            return candidate;
    }
    return std::nullopt;
}

LedgerWriter::Result LedgerWriter::updateTransaction(Transaction transaction,
                                                     bool rewriteReconciledLeg) {
    UndoRecording undo(m_undo, tr("Edit Transaction"));
    const std::optional<Transaction> stored = m_transactions->findById(transaction.id);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;

    std::optional<Account> named;
    const Result resolved = resolveTransfer(transaction.payee, stored->accountId, &named);
    if (resolved != Result::Ok)
        return resolved;
    std::optional<Transaction> leg = otherLeg(*stored);
    if (named) {
        // Only a new transaction writes both legs; a payee alone never makes money arrive
        // in the other account.
        if (!leg)
            return Result::NotATransfer;
        transaction.payee = QStringLiteral("Transfer to %1").arg(named->name);
    }
    const bool legChanges
        = leg && (leg->amount != -transaction.amount || leg->date != transaction.date);
    if (legChanges && leg->reconciled && !rewriteReconciledLeg)
        return Result::OtherLegReconciled;

    const QDateTime now = Timestamps::nowUtc();
    transaction.accountId = stored->accountId;
    // Screens edit copies that may leave the server's id out; it is never theirs to change.
    if (transaction.serverId.isEmpty())
        transaction.serverId = stored->serverId;
    transaction.version = stored->version + 1;
    transaction.syncStatus = SyncStatus::Pending;
    transaction.updatedAt = now;

    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    if (legChanges) {
        leg->amount = -transaction.amount;
        leg->date = transaction.date;
        leg->version += 1;
        leg->syncStatus = SyncStatus::Pending;
        leg->updatedAt = now;
        if (!m_transactions->update(*leg))
            return Result::Failed;
    }
    if (!m_transactions->update(transaction))
        return Result::Failed;
    return kept(undo, commitLogged(scope, "updateTransaction") ? Result::Ok : Result::Failed);
}

LedgerWriter::Result LedgerWriter::deleteTransaction(const QString &id) {
    UndoRecording undo(m_undo, tr("Delete Transaction"));
    const std::optional<Transaction> stored = m_transactions->findById(id);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;

    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    if (const std::optional<Transaction> leg = otherLeg(*stored)) {
        if (!m_transactions->softDelete(leg->id))
            return Result::Failed;
    }
    if (!m_transactions->softDelete(id))
        return Result::Failed;
    return kept(undo, commitLogged(scope, "deleteTransaction") ? Result::Ok : Result::Failed);
}

bool LedgerWriter::deleteAccount(const QString &accountId) {
    UndoRecording undo(m_undo, tr("Delete Account"));
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || account->deletedAt.has_value())
        return false;

    // One stamp for every row, so that a restore brings back exactly what went with it.
    const QDateTime stamp = Timestamps::nowUtc();
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return false;
    const int transactions = m_transactions->softDeleteByAccount(accountId, stamp);
    const int recurrings = m_recurring->softDeleteByAccount(accountId, stamp);
    const int reconciliations = m_reconciliations->softDeleteByAccount(accountId, stamp);
    if (!m_accounts->softDelete(accountId, stamp) || !commitLogged(scope, "deleteAccount"))
        return false;
    qCInfo(lcServices).noquote() << "Cascade delete account" << accountId
                                 << "→ transactions:" << transactions << "recurrings:" << recurrings
                                 << "reconciliations:" << reconciliations;
    return kept(undo, true);
}

bool LedgerWriter::restoreAccount(const QString &accountId) {
    UndoRecording undo(m_undo, tr("Restore Account"));
    const std::optional<Account> account = m_accounts->findById(accountId);
    if (!account || !account->deletedAt.has_value())
        return false;

    const QDateTime to = *account->deletedAt;
    const QDateTime from = to.addSecs(-kLegacyCascadeSeconds);
    TransactionScope scope(m_database);
    if (!scope.isOpen() || !m_accounts->restore(accountId))
        return false;
    m_transactions->restoreByAccount(accountId, from, to);
    m_recurring->restoreByAccount(accountId, from, to);
    m_reconciliations->restoreByAccount(accountId, from, to);
    return kept(undo, commitLogged(scope, "restoreAccount"));
}

LedgerWriter::Result LedgerWriter::deleteCategory(const QString &categoryId) {
    UndoRecording undo(m_undo, tr("Delete Category"));
    const std::optional<Category> category = m_categories->findById(categoryId);
    if (!category || category->deletedAt.has_value())
        return Result::NotFound;
    TransactionScope scope(m_database);
    if (!scope.isOpen() || m_transactions->clearCategory(categoryId) < 0
        || !m_categories->softDelete(categoryId) || !commitLogged(scope, "deleteCategory"))
        return Result::Failed;
    return kept(undo, Result::Ok);
}

LedgerWriter::Result LedgerWriter::saveTransaction(Transaction transaction, bool isNew,
                                                   const QList<SplitLine> *lines) {
    UndoRecording undo(m_undo, isNew ? tr("New Transaction") : tr("Edit Transaction"));
    if (transaction.id.isEmpty())
        transaction.id = Identifiers::newId();
    if (lines)
        transaction.isSplit = !lines->isEmpty();
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    const Result result = isNew ? addTransaction(transaction) : updateTransaction(transaction);
    if (result != Result::Ok)
        return result;
    if (lines) {
        QList<SplitLine> signedLines = *lines;
        for (SplitLine &line : signedLines) {
            line.transactionId = transaction.id;
            line.amount = transaction.amount < 0 ? -qAbs(line.amount) : qAbs(line.amount);
        }
        if (!m_splitLines->replaceForTransaction(transaction.id, signedLines))
            return Result::Failed;
    }
    return kept(undo, commitLogged(scope, "saveTransaction") ? Result::Ok : Result::Failed);
}

LedgerWriter::Result LedgerWriter::saveSplit(const QString &transactionId,
                                             const QList<SplitLine> &lines) {
    UndoRecording undo(m_undo, tr("Split Transaction"));
    const std::optional<Transaction> stored = m_transactions->findById(transactionId);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;
    QList<SplitLine> signedLines = lines;
    for (SplitLine &line : signedLines) {
        line.transactionId = transactionId;
        line.amount = stored->amount < 0 ? -qAbs(line.amount) : qAbs(line.amount);
    }
    Transaction transaction = *stored;
    transaction.isSplit = !lines.isEmpty();
    transaction.version = stored->version + 1;
    transaction.syncStatus = SyncStatus::Pending;
    transaction.updatedAt = Timestamps::nowUtc();
    TransactionScope scope(m_database);
    if (!scope.isOpen() || !m_splitLines->replaceForTransaction(transactionId, signedLines)
        || !m_transactions->update(transaction))
        return Result::Failed;
    return kept(undo, commitLogged(scope, "saveSplit") ? Result::Ok : Result::Failed);
}

bool LedgerWriter::addRecurring(RecurringTransaction rule, QString *createdId) {
    UndoRecording undo(m_undo, tr("New Recurring Transaction"));
    const QDateTime now = Timestamps::nowUtc();
    if (rule.id.isEmpty())
        rule.id = Identifiers::newId();
    rule.version = 1;
    rule.syncStatus = SyncStatus::Pending;
    rule.serverId.clear();
    rule.deletedAt.reset();
    rule.createdAt = rule.updatedAt = now;
    if (!m_recurring->insert(rule))
        return false;
    if (createdId)
        *createdId = rule.id;
    return kept(undo, true);
}

LedgerWriter::Result LedgerWriter::updateRecurring(RecurringTransaction rule) {
    UndoRecording undo(m_undo, tr("Edit Recurring Transaction"));
    const std::optional<RecurringTransaction> stored = m_recurring->findById(rule.id);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;
    rule.version = stored->version + 1;
    rule.syncStatus = SyncStatus::Pending;
    if (rule.serverId.isEmpty())
        rule.serverId = stored->serverId;
    rule.createdAt = stored->createdAt;
    rule.updatedAt = Timestamps::nowUtc();
    return kept(undo, m_recurring->update(rule) ? Result::Ok : Result::Failed);
}

LedgerWriter::Result LedgerWriter::deleteRecurring(const QString &ruleId) {
    UndoRecording undo(m_undo, tr("Delete Recurring Transaction"));
    const std::optional<RecurringTransaction> stored = m_recurring->findById(ruleId);
    if (!stored || stored->deletedAt.has_value())
        return Result::NotFound;
    return kept(undo, m_recurring->softDelete(ruleId) ? Result::Ok : Result::Failed);
}

bool LedgerWriter::addCategory(Category category, QString *createdId) {
    UndoRecording undo(m_undo, tr("New Category"));
    if (category.id.isEmpty())
        category.id = Identifiers::newId();
    category.version = 1;
    category.syncStatus = SyncStatus::Pending;
    category.serverId.clear();
    category.createdAt = category.updatedAt = Timestamps::nowUtc();
    if (!m_categories->insert(category))
        return false;
    if (createdId)
        *createdId = category.id;
    return kept(undo, true);
}

bool LedgerWriter::addImportRule(ImportRule &rule) {
    rule.id.clear();
    rule.createdAt = rule.updatedAt = QDateTime();
    return m_importRules->insert(rule);
}

LedgerWriter::Result LedgerWriter::saveImportRule(const ImportRule &rule) {
    if (rule.id.isEmpty() || !m_importRules->findById(rule.id))
        return Result::NotFound;
    return m_importRules->update(rule) ? Result::Ok : Result::Failed;
}

LedgerWriter::Result LedgerWriter::deleteImportRule(const QString &ruleId) {
    if (ruleId.isEmpty() || !m_importRules->findById(ruleId))
        return Result::NotFound;
    return m_importRules->remove(ruleId) ? Result::Ok : Result::Failed;
}

bool LedgerWriter::reorderImportRules(const QStringList &ids) {
    return m_importRules->reorder(ids);
}

LedgerWriter::Result LedgerWriter::renameCategory(const QString &categoryId, const QString &name) {
    UndoRecording undo(m_undo, tr("Rename Category"));
    std::optional<Category> category = m_categories->findById(categoryId);
    if (!category || category->deletedAt.has_value())
        return Result::NotFound;
    if (category->name == name)
        return Result::Ok;
    category->name = name;
    category->version += 1;
    category->syncStatus = SyncStatus::Pending;
    category->updatedAt = Timestamps::nowUtc();
    return kept(undo, m_categories->update(*category) ? Result::Ok : Result::Failed);
}

int LedgerWriter::renamePayees(const QStringList &from, const QString &to) {
    UndoRecording undo(m_undo, from.size() > 1 ? tr("Merge Payees") : tr("Rename Payee"));
    return kept(undo, m_transactions->renamePayees(from, to));
}

int LedgerWriter::markAllForResync() {
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return -1;
    const int counts[]
        = {m_accounts->markAllPendingForResync(),        m_categories->markAllPendingForResync(),
           m_transactions->markAllPendingForResync(),    m_recurring->markAllPendingForResync(),
           m_reconciliations->markAllPendingForResync(), m_budgets->markAllPendingForResync()};
    int total = 0;
    for (const int count : counts) {
        if (count < 0)
            return -1;
        total += count;
    }
    if (!commitLogged(scope, "markAllForResync"))
        return -1;
    qCInfo(lcServices).noquote() << "Force full sync: marked" << total << "rows pending";
    return total;
}

namespace {

bool isBudgetMonth(const QString &month) {
    return month.size() == 7
           && QDate::fromString(month + QLatin1String("-01"), Qt::ISODate).isValid();
}

} // namespace

LedgerWriter::Result LedgerWriter::writeBudget(const QString &categoryId, const QString &month,
                                               qint64 amount, bool rollover) {
    if (!isBudgetMonth(month) || amount < 0)
        return Result::Failed;
    const std::optional<Category> category = m_categories->findById(categoryId);
    if (!category || category->deletedAt || category->type != CategoryType::Expense)
        return Result::NotFound;
    const QDateTime now = Timestamps::nowUtc();
    std::optional<Budget> stored = m_budgets->find(categoryId, month);
    if (!stored) {
        Budget budget;
        budget.id = Identifiers::newId();
        budget.categoryId = categoryId;
        budget.month = month;
        budget.amount = amount;
        budget.rollover = rollover;
        budget.createdAt = budget.updatedAt = now;
        return m_budgets->insert(budget) ? Result::Ok : Result::Failed;
    }
    if (!stored->deletedAt && stored->amount == amount && stored->rollover == rollover)
        return Result::Ok;
    stored->amount = amount;
    stored->rollover = rollover;
    stored->deletedAt.reset();
    stored->version += 1;
    stored->syncStatus = SyncStatus::Pending;
    stored->updatedAt = now;
    return m_budgets->update(*stored) ? Result::Ok : Result::Failed;
}

LedgerWriter::Result LedgerWriter::setBudget(const QString &categoryId, const QString &month,
                                             qint64 amount, bool rollover) {
    UndoRecording undo(m_undo, tr("Set Budget"));
    return kept(undo, writeBudget(categoryId, month, amount, rollover));
}

LedgerWriter::Result LedgerWriter::clearBudget(const QString &categoryId, const QString &month) {
    UndoRecording undo(m_undo, tr("Clear Budget"));
    std::optional<Budget> stored = m_budgets->find(categoryId, month);
    if (!stored || stored->deletedAt)
        return Result::NotFound;
    const QDateTime now = Timestamps::nowUtc();
    stored->deletedAt = now;
    stored->version += 1;
    stored->syncStatus = SyncStatus::Pending;
    stored->updatedAt = now;
    return kept(undo, m_budgets->update(*stored) ? Result::Ok : Result::Failed);
}

LedgerWriter::Result LedgerWriter::setBudgets(const QList<Budget> &budgets, const QString &label) {
    UndoRecording undo(m_undo, label);
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return Result::Failed;
    for (const Budget &budget : budgets) {
        const Result result
            = writeBudget(budget.categoryId, budget.month, budget.amount, budget.rollover);
        if (result != Result::Ok)
            return result;
    }
    return kept(undo, commitLogged(scope, "setBudgets") ? Result::Ok : Result::Failed);
}
