// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/transactionrepository.h"

#include "storage/fulltextquery.h"
#include "storage/reservedpayees.h"
#include "storage/stringpool.h"
#include "storage/transactionscope.h"

#include <QSet>
#include <QtNumeric>

#include <array>
#include <limits>

namespace {

const QString kColumns = QStringLiteral(
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
    "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
    "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
    "t.deleted_at");
const QString kTable = QStringLiteral("transactions");

QString select(const char *rest) {
    return QStringLiteral("SELECT %1 FROM transactions t ").arg(kColumns) + QLatin1String(rest);
}

// The register and the search add the category's name as the 21st column.
QString selectWithCategory(const char *from) {
    return QStringLiteral("SELECT %1, c.name AS category_name FROM transactions t ").arg(kColumns)
           + QLatin1String(from);
}

// The register's rows: the columns of kColumns but server_id and deleted_at, then the
// category's name.
const QString kRegisterColumns = QStringLiteral(
    "SELECT t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, "
    "t.check_number, t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, "
    "t.is_split, t.recurring_id, t.version, t.sync_status, t.created_at, t.updated_at, c.name, "
    "t.rowid FROM transactions t LEFT JOIN categories c ON t.category_id = c.id ");
// Rows of one day written in one go (an import) share their creation time; among them the
// order they were written in counts, which the indexes, sorted by amount after the time, do
// not give by themselves.
const QString kRegisterSelect
    = kRegisterColumns
      + QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, "
                       "t.created_at ASC, t.rowid ASC");

// Rows of a register are read by row number this many at a time, one statement prepared once
// (unused places hold 0, which no row has).
constexpr int kRowsPerRead = 128;

// From this many full-text matches on, a search reads the newest rows first (see
// forEachSearchRow).
constexpr int kManyMatches = 5000;

Transaction readPlain(RowReader &row) {
    return TransactionRepository::readTransaction(row);
}

} // namespace

TransactionRepository::TransactionRepository(Database *database, QObject *parent)
    : Repository(database, kTable, parent) {}

// The columns that insert and update both write, in statement order. An empty category is
// NULL: category_id is a foreign key.
QVariantList TransactionRepository::ownFields(const Transaction &t) {
    return {date(t.date), t.payee, t.memo, t.amount, textOrNull(t.categoryId), t.checkNumber,
            flag(t.cleared), flag(t.reconciled),
            // A pulled row carries an absent link as '' where one made here has none; the
            // report summaries count only rows whose link IS NULL.
            textOrNull(t.transferLinkId), textOrNull(t.transferDestAccountId), flag(t.isSplit),
            textOrNull(t.recurringId)};
}

Transaction TransactionRepository::readTransaction(RowReader &row, StringPool *pool) {
    return readTransactionColumns(row, pool, true);
}

Transaction TransactionRepository::readTransactionColumns(RowReader &row, StringPool *pool,
                                                          bool withSyncColumns) {
    const auto shared = [&row, pool] { return pool ? pool->intern(row.text()) : row.text(); };
    Transaction t;
    t.id = row.text();
    t.accountId = shared();
    t.date = row.date();
    t.payee = shared();
    t.memo = shared();
    t.amount = row.money();
    t.categoryId = shared();
    t.checkNumber = row.text();
    t.cleared = row.flag();
    t.reconciled = row.flag();
    t.transferLinkId = row.text();
    t.transferDestAccountId = shared();
    t.isSplit = row.flag();
    t.recurringId = shared();
    if (withSyncColumns) {
        row.readBookkeeping(t);
    } else {
        t.version = row.number();
        t.syncStatus = syncStatusFromString(row.text());
        t.createdAt = row.timestamp();
        t.updatedAt = row.timestamp();
    }
    return t;
}

RegisterRow TransactionRepository::readRegisterRow(RowReader &row, StringPool *pool) {
    RegisterRow r;
    r.transaction = readTransaction(row, pool);
    r.categoryName = pool ? pool->intern(row.text()) : row.text();
    return r;
}

QList<Transaction> TransactionRepository::findByAccount(const QString &accountId) const {
    return readList<Transaction>(select("WHERE t.account_id = ? AND t.deleted_at IS NULL ORDER "
                                        "BY t.date DESC, t.created_at DESC"),
                                 {accountId}, readPlain);
}

std::optional<Transaction> TransactionRepository::findById(const QString &id) const {
    return readFirst<Transaction>(select("WHERE t.id = ?"), {id}, readPlain);
}

std::optional<QList<Transaction>> TransactionRepository::findByIds(const QStringList &ids) const {
    QList<Transaction> rows;
    if (ids.isEmpty())
        return rows;
    if (!forEachRow(select("WHERE t.id IN (SELECT value FROM json_each(?))"), {jsonArray(ids)},
                    [&rows](RowReader &row) { rows.append(readPlain(row)); }))
        return std::nullopt;
    return rows;
}

QList<Transaction> TransactionRepository::findPending() const {
    return readList<Transaction>(select("WHERE t.sync_status = 'pending'"), {}, readPlain);
}

QList<Transaction> TransactionRepository::findByTransferLink(const QString &linkId) const {
    return readList<Transaction>(select("WHERE t.transfer_link_id = ? AND t.deleted_at IS NULL"),
                                 {linkId}, readPlain);
}

QList<Transaction> TransactionRepository::findUnreconciled(const QString &accountId) const {
    return readList<Transaction>(select("WHERE t.account_id = ? AND t.deleted_at IS NULL AND "
                                        "t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC, "
                                        "t.rowid ASC"),
                                 {accountId}, readPlain);
}

QList<Transaction>
TransactionRepository::findUnreconciledSummaries(const QString &accountId) const {
    StringPool pool;
    return readList<Transaction>(
        QStringLiteral("SELECT id, date, payee, amount, cleared, version, updated_at FROM "
                       "transactions WHERE account_id = ? AND deleted_at IS NULL AND reconciled "
                       "= 0 ORDER BY date ASC, created_at ASC, rowid ASC"),
        {accountId}, [&accountId, &pool](RowReader &row) {
            Transaction t;
            t.id = row.text();
            t.accountId = accountId;
            t.date = row.date();
            t.payee = pool.intern(row.text());
            t.amount = row.money();
            t.cleared = row.flag();
            t.version = row.number();
            t.updatedAt = row.timestamp();
            return t;
        });
}

std::optional<qint64> TransactionRepository::unreconciledTotal(const QString &accountId) const {
    qint64 total = 0;
    bool overflowed = false;
    // Added up here rather than by SUM(), which fails the whole statement where a 64-bit sum
    // overflows; an overflow still gives no total rather than a wrapped one.
    if (!forEachRow(QStringLiteral("SELECT amount FROM transactions WHERE account_id = ? AND "
                                   "deleted_at IS NULL AND reconciled = 0"),
                    {accountId},
                    [&](RowReader &row) {
                        overflowed = overflowed || qAddOverflow(total, row.money(), &total);
                    })
        || overflowed)
        return std::nullopt;
    return total;
}

QList<RegisterRow> TransactionRepository::registerRows(const QString &accountId) const {
    // Sized once: a register can hold a hundred thousand rows, and a list that grows by
    // doubling keeps up to half of its room unused.
    QList<RegisterRow> rows;
    rows.reserve(readFirst<qsizetype>(QStringLiteral("SELECT COUNT(*) + 1 FROM transactions "
                                                     "WHERE account_id = ? AND deleted_at IS NULL"),
                                      {accountId}, [](RowReader &row) { return row.money(); })
                     .value_or(0));
    // The rows are all kept, so every repeated text may stay in the pool.
    StringPool pool(std::numeric_limits<qsizetype>::max());
    visitRegister(accountId, pool, [&rows](RegisterRow &row) { rows.append(std::move(row)); });
    return rows;
}

std::optional<RegisterRow> TransactionRepository::registerRow(const QString &id) const {
    return readFirst<RegisterRow>(
        kRegisterColumns + QStringLiteral("WHERE t.id = ? AND t.deleted_at IS NULL"), {id},
        [](RowReader &reader) { return readRegisterColumns(reader, nullptr); });
}

RegisterEntries TransactionRepository::registerEntries(const QString &accountId) const {
    RegisterEntries entries;
    entries.accountId = accountId;
    std::optional<RegisterRow> opening = openingRow(accountId);
    qint64 running = opening ? opening->runningBalance : 0;
    const qsizetype count
        = readFirst<qsizetype>(QStringLiteral("SELECT COUNT(*) FROM transactions "
                                              "WHERE account_id = ? AND deleted_at IS NULL"),
                               {accountId}, [](RowReader &row) { return row.money(); })
              .value_or(0);
    entries.rowIds.reserve(count);
    entries.balances.reserve(count);
    // The columns of the register's order index, so that no row of the table is visited.
    const bool read = forEachRow(
        QStringLiteral("SELECT rowid, amount FROM transactions WHERE account_id = ? AND "
                       "deleted_at IS NULL ORDER BY date ASC, created_at ASC, rowid ASC"),
        {accountId}, [&](RowReader &row) {
            entries.rowIds.append(row.money());
            running += row.money();
            entries.balances.append(running);
        });
    if (!read)
        return {};
    entries.opening = std::move(opening);
    return entries;
}

QList<RegisterRow> TransactionRepository::registerRowsById(const QString &accountId,
                                                           const QList<qint64> &rowIds) const {
    static const QString sql = [] {
        QStringList places;
        for (int i = 0; i < kRowsPerRead; ++i)
            places.append(QStringLiteral("?"));
        return kRegisterColumns
               + QStringLiteral("WHERE t.rowid IN (%1) AND t.account_id = ? AND "
                                "t.deleted_at IS NULL")
                     .arg(places.join(QLatin1Char(',')));
    }();
    QList<RegisterRow> rows;
    rows.reserve(rowIds.size());
    StringPool pool;
    for (qsizetype first = 0; first < rowIds.size(); first += kRowsPerRead) {
        QVariantList values;
        values.reserve(kRowsPerRead + 1);
        for (qsizetype i = first; i < first + kRowsPerRead; ++i)
            values.append(i < rowIds.size() ? rowIds.at(i) : qint64(0));
        values.append(accountId);
        forEachRow(sql, values,
                   [&](RowReader &reader) { rows.append(readRegisterColumns(reader, &pool)); });
    }
    return rows;
}

qint64 TransactionRepository::rowIdOf(const QString &id) const {
    return readFirst<qint64>(QStringLiteral("SELECT rowid FROM transactions WHERE id = ? AND "
                                            "deleted_at IS NULL"),
                             {id}, [](RowReader &row) { return row.money(); })
        .value_or(0);
}

std::optional<RegisterRow> TransactionRepository::openingRow(const QString &accountId) const {
    const qint64 startingBalance
        = readFirst<qint64>(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"),
                            {accountId}, [](RowReader &row) { return row.money(); })
              .value_or(0);
    if (startingBalance == 0)
        return std::nullopt;
    const QDate earliest
        = readFirst<QDate>(QStringLiteral("SELECT date FROM transactions WHERE account_id = ? "
                                          "AND deleted_at IS NULL ORDER BY date ASC LIMIT 1"),
                           {accountId}, [](RowReader &row) { return row.date(); })
              .value_or(QDate());
    RegisterRow opening;
    opening.transaction.payee = ReservedPayees::openingBalance();
    opening.transaction.amount = startingBalance;
    opening.transaction.date = earliest.isValid() ? earliest : QDate::currentDate();
    opening.transaction.cleared = true;
    opening.transaction.reconciled = true;
    opening.runningBalance = startingBalance;
    return opening;
}

RegisterRow TransactionRepository::readRegisterColumns(RowReader &reader, StringPool *pool) {
    RegisterRow row;
    row.transaction = readTransactionColumns(reader, pool, false);
    row.categoryName = pool ? pool->intern(reader.text()) : reader.text();
    row.rowId = reader.money();
    return row;
}

bool TransactionRepository::forEachRegisterRow(const QString &accountId,
                                               const RowVisitor &visit) const {
    StringPool pool;
    return visitRegister(accountId, pool, [&visit](RegisterRow &row) { visit(row); });
}

bool TransactionRepository::visitRegister(const QString &accountId, StringPool &pool,
                                          const RegisterSink &visit) const {
    std::optional<RegisterRow> opening = openingRow(accountId);
    const qint64 startingBalance = opening ? opening->runningBalance : 0;
    if (opening)
        visit(*opening);

    qint64 running = startingBalance;
    // The register never shows the server id (writes take it from the stored row) and its
    // rows are all live: neither is read, two columns fewer to convert for every row.
    return forEachRow(kRegisterSelect, {accountId}, [&](RowReader &reader) {
        RegisterRow row = readRegisterColumns(reader, &pool);
        running += row.transaction.amount;
        row.runningBalance = running;
        visit(row);
    });
}

QList<RegisterRow> TransactionRepository::search(const QString &text,
                                                 const SearchFilter &filter) const {
    QList<RegisterRow> rows;
    forEachSearchRow(text, filter, [&rows](const RegisterRow &row) { rows.append(row); });
    return rows;
}

QList<RegisterRow> TransactionRepository::searchWords(const QString &words,
                                                      const SearchFilter &filter) const {
    const QString query = FullTextQuery::fromWords(words);
    if (query.isEmpty() && !words.trimmed().isEmpty())
        return {};
    return search(query, filter);
}

bool TransactionRepository::forEachSearchRow(const QString &text, const SearchFilter &filter,
                                             const RowVisitor &visit) const {
    QString sql;
    QVariantList values;
    if (text.isEmpty()) {
        sql = selectWithCategory("LEFT JOIN categories c ON t.category_id = c.id WHERE "
                                 "t.deleted_at IS NULL");
    } else {
        // A word in many rows (a tenth of a million-row database for "coffee") costs a lookup
        // and a sort place for every one of them when the rows come from the index of words;
        // reading the newest rows first and keeping those that match stops after a few
        // thousand. A rare word would make that read every row, so the index of words leads
        // until the matches are many. Counting up to the threshold reads only that many.
        const std::optional<int> matches = readFirst<int>(
            QStringLiteral("SELECT COUNT(*) FROM (SELECT rowid FROM transactions_fts WHERE "
                           "transactions_fts MATCH ? LIMIT %1)")
                .arg(kManyMatches),
            {text}, [](RowReader &row) { return row.number(); });
        if (!matches)
            return false;
        if (*matches >= kManyMatches) {
            sql = selectWithCategory(
                "INDEXED BY idx_transactions_live_date_report LEFT JOIN categories c ON "
                "t.category_id = c.id WHERE t.deleted_at IS NULL AND +t.rowid IN (SELECT rowid "
                "FROM transactions_fts WHERE transactions_fts MATCH ?)");
        } else {
            sql = selectWithCategory(
                "JOIN transactions_fts fts ON fts.rowid = t.rowid LEFT JOIN categories c ON "
                "t.category_id = c.id WHERE t.deleted_at IS NULL AND transactions_fts MATCH ?");
        }
        values << text;
    }
    if (!filter.accountId.isEmpty()) {
        sql += QLatin1String(" AND t.account_id = ?");
        values << filter.accountId;
    }
    if (!filter.categoryId.isEmpty()) {
        sql += QLatin1String(" AND t.category_id = ?");
        values << filter.categoryId;
    }
    if (filter.fromDate.isValid()) {
        sql += QLatin1String(" AND t.date >= ?");
        values << date(filter.fromDate);
    }
    if (filter.toDate.isValid()) {
        sql += QLatin1String(" AND t.date <= ?");
        values << date(filter.toDate);
    }
    if (filter.cleared) {
        sql += QLatin1String(" AND t.cleared = ?");
        values << flag(*filter.cleared);
    }
    sql += QLatin1String(" ORDER BY t.date DESC, t.created_at DESC LIMIT 200");
    StringPool pool;
    return forEachRow(sql, values,
                      [&](RowReader &reader) { visit(readRegisterRow(reader, &pool)); });
}

QStringList TransactionRepository::payees() const {
    // DISTINCT would read every row's entry in the payee index; stepping from one payee to
    // the next greater one reads one entry per payee (a few thousand, not a million).
    return readList<QString>(
        QStringLiteral("WITH RECURSIVE p(payee) AS (SELECT MIN(payee) FROM transactions WHERE "
                       "deleted_at IS NULL AND payee > '' UNION ALL SELECT (SELECT MIN(payee) "
                       "FROM transactions WHERE deleted_at IS NULL AND payee > p.payee) FROM p "
                       "WHERE p.payee IS NOT NULL) SELECT payee FROM p WHERE payee IS NOT NULL"),
        {}, [](RowReader &row) { return row.text(); });
}

QStringList TransactionRepository::payees(const QString &) const {
    return payees();
}

int TransactionRepository::countByCategory(const QString &categoryId) const {
    const auto n = readFirst<int>(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE "
                                                 "category_id = ? AND deleted_at IS NULL"),
                                  {categoryId}, [](RowReader &row) { return row.number(); });
    return n.value_or(0);
}

std::optional<Transaction> TransactionRepository::lastByPayee(const QString &payee,
                                                              const QString &accountId) const {
    return readFirst<Transaction>(select("WHERE t.payee = ? AND t.account_id = ? AND "
                                         "t.deleted_at IS NULL ORDER BY t.date DESC, "
                                         "t.created_at DESC LIMIT 1"),
                                  {payee, accountId}, readPlain);
}

bool TransactionRepository::insert(const Transaction &t) {
    return change(
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                       "category_id, check_number, cleared, reconciled, transfer_link_id, "
                       "transfer_dest_account_id, is_split, recurring_id, version, sync_status, "
                       "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        QVariantList{t.id, t.accountId} + ownFields(t) + insertBookkeeping(t), "insert",
        t.accountId);
}

namespace {

// Rows written by one statement of insertMany. Row by row, each statement would open and
// release a savepoint of the full-text index, and the index writes its pending terms out at
// every release: most of what storing a pulled page costs. A few dozen rows a statement is
// where that cost is gone (512 measured no faster), with bound values rather than one JSON
// text that SQLite would parse again.
constexpr int kInsertManyRows = 64;

QString insertManySql(int rows) {
    static const QString columns = QStringLiteral(
        "id, account_id, date, payee, memo, amount, category_id, check_number, cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, "
        "version, sync_status, server_id, created_at, updated_at");
    static const QString row = [] {
        const int count = int(columns.count(QLatin1Char(','))) + 1;
        QStringList marks;
        for (int i = 0; i < count; ++i)
            marks.append(QStringLiteral("?"));
        return QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')');
    }();
    QStringList values;
    values.reserve(rows);
    for (int i = 0; i < rows; ++i)
        values.append(row);
    return QStringLiteral("INSERT INTO transactions (%1) VALUES %2")
        .arg(columns, values.join(QLatin1Char(',')));
}

// The statement for 1, 2, 4, ... kInsertManyRows rows.
const QString &insertManyStatement(int rows) {
    static const std::array<QString, 7> statements = [] {
        std::array<QString, 7> texts;
        for (int i = 0; i < 7; ++i)
            texts[i] = insertManySql(1 << i);
        return texts;
    }();
    static_assert(kInsertManyRows == 1 << 6);
    int index = 0;
    while ((1 << index) < rows)
        ++index;
    return statements[index];
}

} // namespace

bool TransactionRepository::insertMany(const QList<Transaction> &transactions) {
    if (transactions.isEmpty())
        return true;
    // All of them or none: the caller stores them one by one when the batch fails.
    TransactionScope scope(database());
    if (!scope.isOpen())
        return false;
    QSet<QString> accounts;
    qsizetype start = 0;
    // Whole statements of the largest size first, then halves, so that a few statement texts
    // serve every count and each is prepared once.
    for (int size = kInsertManyRows; size > 0; size /= 2) {
        while (transactions.size() - start >= size) {
            QVariantList values;
            values.reserve(size * 19);
            for (qsizetype i = start; i < start + size; ++i) {
                const Transaction &t = transactions.at(i);
                values << t.id << t.accountId;
                values += ownFields(t);
                values += insertBookkeeping(t);
                accounts.insert(t.accountId);
            }
            if (!write(insertManyStatement(size), values, "insertMany"))
                return false;
            start += size;
        }
    }
    for (const QString &account : std::as_const(accounts))
        noteChange(account);
    return scope.commit();
}

bool TransactionRepository::update(const Transaction &t) {
    return change(
        QStringLiteral("UPDATE transactions SET date=?, payee=?, memo=?, amount=?, category_id=?, "
                       "check_number=?, cleared=?, reconciled=?, transfer_link_id=?, "
                       "transfer_dest_account_id=?, is_split=?, recurring_id=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        ownFields(t) + updateBookkeeping(t), "update", t.accountId);
}

bool TransactionRepository::revive(const Transaction &t) {
    const int revived
        = writeCount(QStringLiteral("UPDATE transactions SET account_id=?, date=?, payee=?, "
                                    "memo=?, amount=?, category_id=?, check_number=?, "
                                    "cleared=?, reconciled=?, transfer_link_id=?, "
                                    "transfer_dest_account_id=?, is_split=?, recurring_id=?, "
                                    "version=?, sync_status=?, server_id=?, updated_at=?, "
                                    "deleted_at=NULL WHERE id=? AND deleted_at IS NOT NULL"),
                     QVariantList{t.accountId} + ownFields(t) + updateBookkeeping(t), "revive");
    if (revived != 1)
        return false;
    noteChange(t.accountId);
    return true;
}

bool TransactionRepository::softDelete(const QString &id) {
    const std::optional<Transaction> existing = findById(id);
    if (!existing)
        return false;
    return softDeleteRow(kTable, id, "softDelete", existing->accountId);
}

int TransactionRepository::softDeleteByAccount(const QString &accountId, const QDateTime &stamp) {
    return softDeleteAllOfAccount(kTable, accountId, stamp);
}

int TransactionRepository::restoreByAccount(const QString &accountId, const QDateTime &from,
                                            const QDateTime &to) {
    return restoreAllOfAccount(kTable, accountId, from, to);
}

bool TransactionRepository::markSynced(const QString &id, const QString &serverId) {
    return markSyncedRow(kTable, id, serverId);
}

int TransactionRepository::markAllPendingForResync() {
    return markAllPendingRows(kTable);
}

int TransactionRepository::renamePayees(const QStringList &from, const QString &to) {
    TransactionScope scope(database());
    if (!scope.isOpen())
        return -1;
    const QString now = nowText();
    int renamed = 0;
    for (const QString &payee : from) {
        if (payee == to)
            continue;
        QSqlQuery *query = run(QStringLiteral("UPDATE transactions SET payee = ?, version = "
                                              "version + 1, sync_status = 'pending', "
                                              "updated_at = ? WHERE payee = ? AND deleted_at "
                                              "IS NULL"),
                               {to, now, payee}, "renamePayees");
        if (!query)
            return -1;
        renamed += qMax(0, query->numRowsAffected());
        query->finish();
    }
    if (renamed > 0)
        noteChange();
    if (!scope.commit()) {
        logFailure("renamePayees", scope.errorText());
        return -1;
    }
    return renamed;
}

int TransactionRepository::clearCategory(const QString &categoryId) {
    QSqlQuery *query = run(QStringLiteral("UPDATE transactions SET category_id = NULL, version = "
                                          "version + 1, sync_status = 'pending', updated_at = ? "
                                          "WHERE category_id = ? AND deleted_at IS NULL"),
                           {nowText(), categoryId}, "clearCategory");
    if (!query)
        return -1;
    const int changed = qMax(0, query->numRowsAffected());
    query->finish();
    if (changed > 0)
        noteChange();
    return changed;
}

void TransactionRepository::announceChange(const QString &accountId) {
    Q_EMIT transactionsChanged(accountId);
}
