// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"
#include "storage/budget.h"
#include "storage/category.h"
#include "storage/importrule.h"
#include "storage/recurringtransaction.h"
#include "storage/splitline.h"
#include "storage/transaction.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class AccountRepository;
class BudgetRepository;
class CategoryRepository;
class Database;
class ImportRuleRepository;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;
class UndoStack;

// The writes that touch more than one row the way the screens do them (a new account with
// its opening balance, a transfer with both legs, an account with everything it holds), each
// inside one transaction scope so that a failure leaves nothing half-written.
class LedgerWriter : public QObject {
    Q_OBJECT

public:
    enum class Result {
        Ok,
        TransferAccountNotFound,
        TransferToSameAccount,
        NotFound,
        Failed,
        // An edit named a transfer account for a row that has no other leg to move with it.
        NotATransfer,
        // The edit would change the other leg of a transfer, which is reconciled in its own
        // account: the caller asks first and passes rewriteReconciledLeg.
        OtherLegReconciled,
    };

    LedgerWriter(Database *database, AccountRepository *accounts,
                 TransactionRepository *transactions, RecurringRepository *recurring,
                 ReconciliationRepository *reconciliations, CategoryRepository *categories,
                 QObject *parent = nullptr);

    // The account a "[Transfer] NAME" payee typed for a row of accountId moves money to,
    // among accounts: Ok with *other set, Ok with none for any other payee, or why not.
    static Result transferTarget(const QString &payee, const QString &accountId,
                                 const QList<Account> &accounts, std::optional<Account> *other);

    // Stores the account with starting balance 0; a non-zero opening amount becomes an
    // "Opening Balance" transaction dated asOf, cleared and reconciled. The new account's id
    // goes to *createdId when given.
    bool createAccount(Account account, qint64 openingBalance, const QDate &asOf,
                       QString *createdId = nullptr);

    // The opening balance an account keeps as a transaction: its oldest live "Opening
    // Balance" row, if any.
    std::optional<Transaction> openingBalance(const QString &accountId) const;

    // What the windows look up before they write or show: the live accounts in sidebar
    // order, and a live account or transaction by id (none once deleted).
    QList<Account> accounts() const;
    std::optional<Account> liveAccount(const QString &accountId) const;
    std::optional<Transaction> liveTransaction(const QString &transactionId) const;

    // Gives the accounts the order a person dragged them into: each one's place in the list
    // becomes its sort order.
    bool setAccountOrder(const QStringList &accountIds);

    // Saves the details a person edits on an account (name, type, currency, institution,
    // last four digits) with its starting balance as of asOf. An opening balance kept as a
    // transaction changes, moves or goes away with it (0 removes it); otherwise the account's
    // own starting balance changes. Details and balance are written together or not at all.
    Result updateAccount(const Account &edited, qint64 startingBalance, const QDate &asOf);

    // A transaction from a form with its split lines, in one database transaction: added when
    // isNew, else saved as updateTransaction does. lines == nullptr leaves the split as it
    // is; an empty list removes it.
    Result saveTransaction(Transaction transaction, bool isNew, const QList<SplitLine> *lines);

    // Divides a stored transaction among the lines (signed like its amount); an empty list
    // makes it a plain transaction again.
    Result saveSplit(const QString &transactionId, const QList<SplitLine> &lines);

    // Recurring rules as the recurring form hands them back. The id, version and times are
    // given here; an update refuses a rule that is gone (NotFound).
    bool addRecurring(RecurringTransaction rule, QString *createdId = nullptr);
    Result updateRecurring(RecurringTransaction rule);
    Result deleteRecurring(const QString &ruleId);

    // A new category (type, name and parent as given), or a new name for one.
    bool addCategory(Category category, QString *createdId = nullptr);
    Result renameCategory(const QString &categoryId, const QString &name);

    // Import rules as the rule form hands them back. A new rule gets its id (written back
    // into rule) and goes after the others; saving one that is gone changes nothing and is
    // NotFound; a position of 0 or less puts a new rule last. Rules are settings of this device,
    // outside the undo history.
    bool addImportRule(ImportRule &rule);
    Result saveImportRule(const ImportRule &rule);
    Result deleteImportRule(const QString &ruleId);
    // Gives the rules of ids the order they have there, all or none.
    bool reorderImportRules(const QStringList &ids);

    // Gives every live transaction paid to one of from the payee to instead, in one go.
    // Returns how many rows changed, or -1 when nothing could be written.
    int renamePayees(const QStringList &from, const QString &to);

    // Makes every live record of every synced table pending again so that the next sync
    // sends it all: one statement per table, in one database transaction. Returns the number
    // of rows marked, or -1 when nothing was changed.
    int markAllForResync();

    // Stores a new transaction for transaction.accountId (NotFound when that account is not
    // live). A payee "[Transfer] NAME" makes it a
    // transfer to the account named exactly NAME: this leg's payee becomes "Transfer to NAME"
    // and the other account gets "Transfer from <this account>" with the opposite amount.
    Result addTransaction(Transaction transaction);

    // Saves an edited transaction: its version goes one past the stored row's, it becomes
    // pending with a new updated time. When it is a leg of a transfer, the other leg follows:
    // the opposite amount and the same date. A "[Transfer] NAME" payee is rewritten to
    // "Transfer to NAME" (the account must exist and not be this row's own), and only for a
    // row that is a transfer already: a plain row would become half a transfer (NotATransfer).
    // A reconciled other leg is only rewritten with rewriteReconciledLeg (else
    // OtherLegReconciled, nothing written); an other leg the edit leaves as it is, is not
    // written at all.
    Result updateTransaction(Transaction transaction, bool rewriteReconciledLeg = false);

    // Soft-deletes the transaction and, for a transfer, its other leg.
    Result deleteTransaction(const QString &id);

    // The other leg of a transfer: the live row whose id is leg's link id, else another live
    // row carrying the same link id. Both shapes exist in stored data.
    std::optional<Transaction> otherLeg(const Transaction &leg) const;

    // Soft-deletes the account with its transactions, recurring rules and reconciliations,
    // all with one deletion stamp. False when there is no live account of that id.
    bool deleteAccount(const QString &accountId);

    // Brings back a deleted account and the rows deleted with it: those carrying its
    // deletion stamp or, for stamps written one by one, one up to a few seconds older.
    bool restoreAccount(const QString &accountId);

    // Soft-deletes the category and leaves its live transactions uncategorised, together, so
    // that no transaction keeps pointing at a category nobody can see or choose any more.
    // Its sub-categories stay and are shown at the top level. NotFound when there is no live
    // category of that id.
    Result deleteCategory(const QString &categoryId);

    // The budget of an expense category for a month ("yyyy-MM"): amount in minor units, not
    // negative. Setting replaces the month's budget of that category; clearing removes it,
    // after which a parent sums its children again. NotFound when the category is not a live
    // expense category; Failed for a month or amount that cannot be a budget.
    Result setBudget(const QString &categoryId, const QString &month, qint64 amount, bool rollover);
    Result clearBudget(const QString &categoryId, const QString &month);
    // Several budgets at once (categoryId, month, amount and rollover of each): all are
    // written or none, as one undo step named label.
    Result setBudgets(const QList<Budget> &budgets, const QString &label);
    // Where the changes made through this writer are recorded for undo; none by default.
    void setUndoStack(UndoStack *undo) { m_undo = undo; }

private:
    // setBudget without a scope of its own.
    Result writeBudget(const QString &categoryId, const QString &month, qint64 amount,
                       bool rollover);

    // Resolves a "[Transfer] NAME" payee for a row of accountId: the named account, or a
    // result other than Ok. Leaves other payees alone (no account, Ok).
    Result resolveTransfer(const QString &payee, const QString &accountId,
                           std::optional<Account> *other) const;

    Database *m_database;                        // Not owned.
    AccountRepository *m_accounts;               // Not owned.
    TransactionRepository *m_transactions;       // Not owned.
    RecurringRepository *m_recurring;            // Not owned.
    ReconciliationRepository *m_reconciliations; // Not owned.
    CategoryRepository *m_categories;            // Not owned.
    SplitLineRepository *m_splitLines;           // Owned (Qt child).
    BudgetRepository *m_budgets;                 // Owned (Qt child).
    ImportRuleRepository *m_importRules;         // Owned (Qt child).
    UndoStack *m_undo = nullptr;                 // Not owned; may be null.
};
