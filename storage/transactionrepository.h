// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/registerrow.h"
#include "storage/repository.h"
#include "storage/searchfilter.h"
#include "storage/transaction.h"

class StringPool;

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class TransactionRepository : public Repository {
    Q_OBJECT

public:
    explicit TransactionRepository(Database *database, QObject *parent = nullptr);

    // Live transactions of one account, newest first.
    QList<Transaction> findByAccount(const QString &accountId) const;
    // Also soft-deleted transactions.
    std::optional<Transaction> findById(const QString &id) const;
    // The rows with these ids, soft-deleted ones included, read with one statement; ids
    // without a row are left out. In no particular order; none when the read failed.
    std::optional<QList<Transaction>> findByIds(const QStringList &ids) const;
    // Every pending row, soft-deleted ones included, so that deletions reach the server.
    QList<Transaction> findPending() const;
    // Live, unreconciled transactions of one account, oldest first.
    QList<Transaction> findUnreconciled(const QString &accountId) const;
    // The same rows with only what a reconciliation list shows and checks when it finishes:
    // id, account, date, payee, amount, cleared, reconciled, version and updated_at (the
    // other fields keep their defaults). An account can have a hundred thousand open rows.
    QList<Transaction> findUnreconciledSummaries(const QString &accountId) const;
    // The sum of their amounts; empty when it cannot be read.
    std::optional<qint64> unreconciledTotal(const QString &accountId) const;

    // The register of one account, oldest first, with running balances. A non-zero starting
    // balance comes first as a synthetic "Opening Balance" row with an empty id, dated on the
    // earliest live transaction (today when there is none).
    // The rows leave out the server id, which the register never shows and which would
    // otherwise be one more distinct text per row held; writes take it from the stored row.
    QList<RegisterRow> registerRows(const QString &accountId) const;
    // The same register as the row numbers and balances of its rows, read from an index
    // alone: what opening a register of any length needs before it shows a screenful.
    // Empty (no opening row either) when it cannot be read.
    RegisterEntries registerEntries(const QString &accountId) const;
    // The live rows of the account among rowIds as the register shows them (row number
    // included, running balance left 0), in no particular order; a row deleted or moved to
    // another account meanwhile is left out.
    QList<RegisterRow> registerRowsById(const QString &accountId,
                                        const QList<qint64> &rowIds) const;
    // The row number of a live transaction, or 0.
    qint64 rowIdOf(const QString &id) const;
    // One live row as the register shows it (with its row number, without its running
    // balance or server id).
    std::optional<RegisterRow> registerRow(const QString &id) const;
    // The same rows (also without the server id), in the same order with the same balances,
    // handed to visit one by one as
    // they are read, so that a listing of any length holds one row at a time. False when the
    // rows could not be read (visit may have seen some of them).
    using RowVisitor = std::function<void(const RegisterRow &row)>;
    bool forEachRegisterRow(const QString &accountId, const RowVisitor &visit) const;
    // Full-text search: text is an FTS5 query, passed on unchanged; an empty text searches
    // by the filter alone. Newest first, at most 200 rows; a query FTS5 cannot parse gives
    // no rows.
    QList<RegisterRow> search(const QString &text, const SearchFilter &filter = {}) const;
    // The same search for what a person typed: every word must match, each as the start of a
    // word (see FullTextQuery). Text without a letter or digit finds nothing; empty text
    // searches by the filter alone.
    QList<RegisterRow> searchWords(const QString &words, const SearchFilter &filter = {}) const;
    // Live transactions whose transfer link is linkId.
    QList<Transaction> findByTransferLink(const QString &linkId) const;
    // The same rows as search, handed to visit as they are read; false when the statement
    // failed (an FTS5 query it cannot parse included).
    bool forEachSearchRow(const QString &text, const SearchFilter &filter,
                          const RowVisitor &visit) const;
    // Every payee of a live transaction, once each, sorted (binary collation).
    QStringList payees() const;
    // The same list: the forms pass their account, but payees are shared by all accounts.
    QStringList payees(const QString &accountId) const;
    // Live transactions filed under the category; 0 on failure.
    int countByCategory(const QString &categoryId) const;
    // The newest live transaction of this payee in this account, for autofill.
    std::optional<Transaction> lastByPayee(const QString &payee, const QString &accountId) const;

    bool insert(const Transaction &transaction);
    // The rows as insert() writes each, with one statement: all of them or, when it fails
    // (logged), none. One change notice per account.
    bool insertMany(const QList<Transaction> &transactions);
    // Never changes account_id or created_at.
    bool update(const Transaction &transaction);
    // Brings a deleted row back as transaction (account included), for an id that stands for
    // one thing and is taken again when that thing is (a recurring occurrence posted again
    // after an undo). False when the row is not a deleted one.
    bool revive(const Transaction &transaction);
    // False, silently, when there is no such row. Leaves the other leg of a transfer and any
    // split lines alone.
    bool softDelete(const QString &id);
    // stamp: the deletion time to write, now when not valid.
    int softDeleteByAccount(const QString &accountId, const QDateTime &stamp = {});
    // Undoes softDeleteByAccount for the rows whose stamp lies within [from, to].
    int restoreByAccount(const QString &accountId, const QDateTime &from, const QDateTime &to);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();
    // Gives every live transaction paid to one of from (other than to itself) the payee to,
    // all or none, with one change notice. Each renamed row gets a new version and goes out
    // with the next sync. The number renamed, or -1 when the rename failed and nothing
    // changed.
    int renamePayees(const QStringList &from, const QString &to);
    // Leaves the category's live transactions uncategorised (new version, pending): what
    // deleting the category means for them. The number changed, or -1 on failure. Meant to
    // run in the same transaction scope as the category's deletion.
    int clearCategory(const QString &categoryId);

    // With a pool, the texts that repeat from row to row (account, payee, memo, category)
    // are shared with the rows read before.
    static Transaction readTransaction(RowReader &row, StringPool *pool = nullptr);
    static RegisterRow readRegisterRow(RowReader &row, StringPool *pool = nullptr);

Q_SIGNALS:
    // accountId is empty when any account may have changed.
    void transactionsChanged(const QString &accountId);

protected:
    void announceChange(const QString &accountId) override;

private:
    // Hands each row over as a non-const reference, so that a caller that keeps them can
    // move them instead of copying.
    using RegisterSink = std::function<void(RegisterRow &row)>;
    bool visitRegister(const QString &accountId, StringPool &pool, const RegisterSink &visit) const;
    std::optional<RegisterRow> openingRow(const QString &accountId) const;
    // The register's columns: those of readTransactionColumns without the sync columns, then
    // the category's name and the row number.
    static RegisterRow readRegisterColumns(RowReader &reader, StringPool *pool);
    // withSyncColumns false: the statement leaves out server_id and deleted_at.
    static Transaction readTransactionColumns(RowReader &row, StringPool *pool,
                                              bool withSyncColumns);
    static QVariantList ownFields(const Transaction &transaction);
};
