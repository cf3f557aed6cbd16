// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importservice.h"

#include "services/camtreader.h"
#include "services/csvparser.h"
#include "services/importformat.h"
#include "services/importparsing.h"
#include "services/importruleset.h"
#include "services/importtextreader.h"
#include "services/ofxreader.h"
#include "services/qifparser.h"
#include "services/servicelog.h"
#include "services/undorecording.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/dateparsing.h"
#include "storage/identifiers.h"
#include "storage/importrulerepository.h"
#include "storage/money.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>

namespace {

// How often, in rows, an import tells how far it got.
constexpr qint64 kProgressStep = 1000;

// The page cache during an import, in SQLite's notation (negative: KiB).
constexpr int kImportCacheSize = -16384;

// Rows stored by one statement. Each statement that writes the search index makes it flush
// what it holds and opens a statement journal, so one statement a row costs several times
// the row's own writes. A statement also journals, in memory, every page it changes, so a
// few dozen rows a statement is where the overhead is gone and the journal still small.
constexpr int kBatchRows = 64;

// The columns an import writes, in the order of the insert's values.
constexpr int kInsertColumns = 14;

// The page cache while the undo step is read from the rows the import wrote.
constexpr int kStepCacheSize = -2048;

// How far apart, in days, the two legs of a transfer may be booked.
constexpr int kTransferDays = 3;

// SQLite's primary result code for a row refused by its own constraints; any other failure
// of a write is the database's (locked, read-only, full) and ends the import.
constexpr int kSqliteConstraint = 19;

bool isRowRefusal(const QSqlError &error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok);
    return ok && (code & 0xff) == kSqliteConstraint;
}

// A bank file may leave the payee blank; the column may not be NULL.
QString notNull(const QString &text) {
    return text.isNull() ? QStringLiteral("") : text;
}

QVariant textOrNull(const QString &text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QString cannotRead(const QString &filePath, const ImportTextReader &reader) {
    return QStringLiteral("Cannot read %1: %2").arg(filePath, reader.errorString());
}

} // namespace

// One import's writes: the database transaction around them, the statements, the counts
// and the categories met so far.
class ImportService::Writer {
public:
    Writer(ImportService *service, const QString &accountId)
        : m_service(service)
        , m_database(service->m_transactions->database())
        , m_accountId(accountId)
        , m_now(Timestamps::nowUtc())
        , m_nowText(Timestamps::toText(m_now)) {}

    // Opens the file and starts the one transaction of the import; false (with the reason in
    // the result) when either fails.
    bool openAndBegin(ImportTextReader &reader, const QString &filePath) {
        if (!reader.open(filePath))
            return fail(QStringLiteral("Cannot read %1: %2").arg(filePath, reader.errorString()));
        return begin();
    }

    bool begin() {
        QSqlQuery pragma(m_database->connection());
        // A long import would otherwise fill the connection's whole page cache with pages it
        // has written and will not read again; smaller, the cache spills them to the log as
        // it goes, and memory stays flat whatever the file's size.
        if (pragma.exec(QStringLiteral("PRAGMA cache_size")) && pragma.next()) {
            // Kept whatever it is: the undo step is read with a smaller cache still.
            const int cacheSize = pragma.value(0).toInt();
            m_restoreCacheSize = cacheSize;
            if (cacheSize < kImportCacheSize || cacheSize > 0)
                pragma.exec(QStringLiteral("PRAGMA cache_size = %1").arg(kImportCacheSize));
        }
        // Pages read through the file mapping stay resident for the whole import, and a
        // large database's import would touch most of it; read through the cache they come
        // and go with it.
        if (pragma.exec(QStringLiteral("PRAGMA mmap_size")) && pragma.next()) {
            const qint64 mmapSize = pragma.value(0).toLongLong();
            if (mmapSize > 0) {
                m_restoreMmapSize = mmapSize;
                pragma.exec(QStringLiteral("PRAGMA mmap_size = 0"));
            }
        }
        pragma.finish();
        m_journalInMemory = m_database->setBulkWriteJournal(true);
        m_undo.emplace(m_service->m_undo, QString());
        m_scope = std::make_unique<TransactionScope>(m_database);
        if (!m_scope->isOpen())
            return fail(
                QStringLiteral("The database cannot be written: %1").arg(m_scope->errorText()));
        QSqlError error;
        // Same account, day, amount and payee (case-sensitive) among the live rows. Asked
        // directly rather than through the register search, which stops at 200 rows a day.
        m_duplicate = m_database->preparedStatement(
            QStringLiteral("SELECT 1 FROM transactions WHERE account_id = ? AND date = ? AND "
                           "amount = ? AND payee = ? AND deleted_at IS NULL LIMIT 1"),
            &error);
        // A row the bank named is the same row when the name is; among the rows it did not
        // name (typed in, or from a CSV file) the day, amount and payee decide.
        if (m_duplicate)
            m_duplicateReference = m_database->preparedStatement(
                QStringLiteral("SELECT 1 FROM transactions WHERE account_id = ? AND "
                               "bank_reference = ? AND deleted_at IS NULL LIMIT 1"),
                &error);
        if (m_duplicateReference)
            m_duplicateUnnamed = m_database->preparedStatement(
                QStringLiteral("SELECT 1 FROM transactions WHERE account_id = ? AND date = ? AND "
                               "amount = ? AND payee = ? AND bank_reference IS NULL AND "
                               "deleted_at IS NULL LIMIT 1"),
                &error);
        // The nearest unlinked row of the opposite amount in another live account of the
        // same currency.
        if (m_duplicateUnnamed)
            m_otherLeg = m_database->preparedStatement(
                QStringLiteral(
                    "SELECT t.id, t.account_id FROM transactions t JOIN accounts a ON a.id = "
                    "t.account_id AND a.deleted_at IS NULL WHERE t.amount = ? AND t.date >= ? AND "
                    "t.date <= ? AND t.transfer_link_id IS NULL AND t.deleted_at IS NULL AND "
                    "t.account_id <> ? AND a.currency = (SELECT currency FROM accounts WHERE id = "
                    "?) ORDER BY abs(julianday(t.date) - julianday(?)), t.created_at, t.id LIMIT "
                    "1"),
                &error);
        if (m_otherLeg)
            m_linkOtherLeg = m_database->preparedStatement(
                QStringLiteral("UPDATE transactions SET transfer_link_id = ?, "
                               "transfer_dest_account_id = ?, version = version + 1, sync_status "
                               "= 'pending', updated_at = ? WHERE id = ?"),
                &error);
        if (m_linkOtherLeg)
            m_insert = m_database->preparedStatement(insertSql(1), &error);
        if (m_insert)
            m_insertBatch = m_database->preparedStatement(insertSql(kBatchRows), &error);
        if (!m_insertBatch)
            return fail(QStringLiteral("The database cannot be read: %1").arg(error.text()));
        loadRules();
        return true;
    }

    ~Writer() {
        m_scope.reset();
        if (m_journalInMemory)
            m_database->setBulkWriteJournal(false);
        if (m_restoreCacheSize) {
            QSqlQuery pragma(m_database->connection());
            pragma.exec(QStringLiteral("PRAGMA cache_size = %1").arg(*m_restoreCacheSize));
        }
        if (m_restoreMmapSize) {
            QSqlQuery pragma(m_database->connection());
            pragma.exec(QStringLiteral("PRAGMA mmap_size = %1").arg(*m_restoreMmapSize));
        }
    }

    bool hasFailed() const { return !m_result.error.isEmpty(); }

    // True (and the import undone) when the caller asked to stop.
    bool cancelRequested() {
        if (!m_service->m_cancelCheck || !m_service->m_cancelCheck())
            return false;
        // As a failure, but not worth a warning: the user asked for it.
        m_result = ImportResult();
        m_result.error = QStringLiteral("The import was cancelled");
        m_result.cancelled = true;
        m_scope.reset();
        return true;
    }

    void addUnreadable(int line, const QString &reason) {
        addFailed(line, reason);
        counted();
    }

    // Stores one row unless the account has it already. False when the database failed.
    // line: where the row starts in the file (from 1); reference: the bank's id of the row,
    // where it gave one.
    bool add(Transaction t, const QString &categoryName, int line,
             const QString &reference = QString()) {
        t.id = Identifiers::newId();
        t.accountId = m_accountId;
        t.payee = notNull(t.payee);
        t.categoryId.clear();
        t.createdAt = t.updatedAt = m_now;
        m_rules.apply(t);
        // Earlier rows of this import are visible here, so a file's repeated line imports
        // once.
        const std::optional<bool> duplicate = isDuplicate(t, reference);
        if (!duplicate)
            return false;
        if (*duplicate) {
            ++m_result.duplicates;
            counted();
            return true;
        }
        if (!findOtherLeg(t))
            return false;

        const auto known = m_categoryIds.constFind(categoryName);
        const bool categoryKnown = !t.categoryId.isEmpty() || categoryName.isEmpty()
                                   || known != m_categoryIds.constEnd();
        if (categoryKnown && t.transferLinkId.isEmpty()) {
            if (t.categoryId.isEmpty() && known != m_categoryIds.constEnd())
                t.categoryId = *known;
            return queue(t, line, reference);
        }
        // A transfer claims its other leg at once, so that no later row claims it too, and a
        // new category stands or falls with its row: both are stored alone, after the rows
        // before them.
        if (!flushPending())
            return false;
        if (categoryKnown)
            return insertCounted(t, line, reference);
        // A category created for a row stands or falls with it; only here is a savepoint
        // worth its cost.
        TransactionScope row(m_database);
        if (!row.isOpen())
            return fail(QStringLiteral("The database cannot be written: %1").arg(row.errorText()));
        const std::optional<QString> categoryId = resolveCategory(categoryName);
        if (!categoryId) {
            row.rollback();
            addFailed(
                line,
                ImportService::tr("Its category \"%1\" could not be created").arg(categoryName));
            counted();
            return true;
        }
        t.categoryId = *categoryId;
        const int before = m_result.imported;
        if (!insertCounted(t, line, reference))
            return false;
        if (m_result.imported == before) {
            row.rollback();
            return true;
        }
        if (!row.commit())
            return fail(QStringLiteral("The database cannot be written: %1").arg(row.errorText()));
        m_categoryIds.insert(categoryName, *categoryId);
        return true;
    }

    ImportResult finish() {
        if (hasFailed() || cancelRequested() || !flushPending())
            return m_result;
        // A row the database refused within a batch is listed when its batch is stored
        // again row by row, after rows of the file that could not be read past it.
        std::stable_sort(m_result.failedRows.begin(), m_result.failedRows.end(),
                         [](const auto &a, const auto &b) { return a.line < b.line; });
        if (m_result.imported > 0)
            m_database->noteChange(QStringLiteral("transactions"), m_accountId);
        for (const QString &other : std::as_const(m_linkedAccounts))
            m_database->noteChange(QStringLiteral("transactions"), other);
        if (!m_scope->commit())
            fail(QStringLiteral("The import could not be saved: %1").arg(m_scope->errorText()));
        m_scope.reset();
        // The whole file is one step of the undo history.
        if (m_undo && m_result.error.isEmpty()) {
            // The cache is full of pages the import wrote and nothing reads again; given
            // back before the step is made, their memory holds the step's images instead.
            QSqlQuery pragma(m_database->connection());
            pragma.exec(QStringLiteral("PRAGMA cache_size = %1").arg(kStepCacheSize));
            pragma.exec(QStringLiteral("PRAGMA shrink_memory"));
            m_undo->setLabel(
                ImportService::tr("Import of %n Transaction(s)", nullptr, m_result.imported));
            m_undo->keep();
        }
        m_undo.reset();
        return m_result;
    }

    // Nothing is kept: the counts go with the rolled-back rows.
    bool fail(const QString &error) {
        qCWarning(lcServices).noquote() << "ImportService: import failed:" << error;
        m_result = ImportResult();
        m_result.error = error;
        m_scope.reset();
        m_undo.reset();
        return false;
    }

    const ImportResult &result() const { return m_result; }
    void setStatements(const QList<BankStatement> &statements) { m_result.statements = statements; }

private:
    // A row waiting for its batch.
    struct PendingRow {
        Transaction t;
        QString reference; // the bank's id of the row, where it gave one
        int line = 0;
    };

    void loadRules() {
        CategoryRepository *categories = m_service->m_categories;
        m_rules = ImportRuleSet(ImportRuleRepository(m_database).findAll(), m_accountId,
                                [categories](const QString &id) {
                                    const std::optional<Category> found = categories->findById(id);
                                    return found && !found->deletedAt;
                                });
    }

    // Sets t's link when another account holds the other leg of this transfer. False when
    // the database failed.
    bool findOtherLeg(Transaction &t) {
        t.transferLinkId.clear();
        t.transferDestAccountId.clear();
        if (t.amount == 0)
            return true;
        const QVariant values[] = {-t.amount,
                                   Timestamps::dateToText(t.date.addDays(-kTransferDays)),
                                   Timestamps::dateToText(t.date.addDays(kTransferDays)),
                                   m_accountId,
                                   m_accountId,
                                   Timestamps::dateToText(t.date)};
        for (int i = 0; i < int(std::size(values)); ++i)
            m_otherLeg->bindValue(i, values[i]);
        if (!m_otherLeg->exec())
            return fail(QStringLiteral("The database cannot be read: %1")
                            .arg(m_otherLeg->lastError().text()));
        if (m_otherLeg->next()) {
            t.transferLinkId = m_otherLeg->value(0).toString();
            t.transferDestAccountId = m_otherLeg->value(1).toString();
        }
        m_otherLeg->finish();
        return true;
    }

    // The other leg points back at the row just stored.
    bool linkOtherLeg(const Transaction &t) {
        m_linkOtherLeg->bindValue(0, t.id);
        m_linkOtherLeg->bindValue(1, m_accountId);
        m_linkOtherLeg->bindValue(2, Timestamps::toText(m_now));
        m_linkOtherLeg->bindValue(3, t.transferLinkId);
        const bool ok = m_linkOtherLeg->exec();
        m_linkOtherLeg->finish();
        if (!ok)
            return fail(QStringLiteral("A transfer could not be linked: %1")
                            .arg(m_linkOtherLeg->lastError().text()));
        ++m_result.transfers;
        m_linkedAccounts.insert(t.transferDestAccountId);
        return true;
    }

    void addFailed(int line, const QString &reason) {
        ++m_result.failed;
        if (m_result.failedRows.size() < ImportResult::kListedFailures)
            m_result.failedRows.append({line, reason});
    }

    void counted() {
        const qint64 rows = qint64(m_result.imported) + m_result.duplicates + m_result.failed;
        if (rows % kProgressStep == 0)
            Q_EMIT m_service->progressed(rows);
    }

    // A row like one still waiting for its batch is asked about once that batch is stored:
    // it repeats a row only if the database took that row.
    std::optional<bool> isDuplicate(const Transaction &t, const QString &reference) {
        const QString key = pendingKey(t);
        const bool likePending = reference.isEmpty() ? m_pendingKeys.contains(key)
                                                     : m_pendingReferences.contains(reference)
                                                           || m_pendingUnnamedKeys.contains(key);
        if (likePending && !flushPending())
            return std::nullopt;
        if (!reference.isEmpty()) {
            const std::optional<bool> named = ask(m_duplicateReference, {t.accountId, reference});
            if (!named || *named)
                return named;
            return ask(m_duplicateUnnamed,
                       {t.accountId, Timestamps::dateToText(t.date), t.amount, t.payee});
        }
        return ask(m_duplicate, {t.accountId, Timestamps::dateToText(t.date), t.amount, t.payee});
    }

    // Day, amount and payee, as the duplicate queries compare them.
    static QString pendingKey(const Transaction &t) {
        return Timestamps::dateToText(t.date) + QLatin1Char('\x1f') + QString::number(t.amount)
               + QLatin1Char('\x1f') + t.payee;
    }

    static QString insertSql(int rows) {
        const QString row = QStringLiteral("(?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?, 0, 1, 'pending', "
                                           "?, ?, ?)");
        QStringList rowsSql;
        rowsSql.reserve(rows);
        for (int i = 0; i < rows; ++i)
            rowsSql << row;
        return QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, "
                              "amount, category_id, check_number, cleared, reconciled, "
                              "transfer_link_id, transfer_dest_account_id, is_split, version, "
                              "sync_status, created_at, updated_at, bank_reference) VALUES ")
               + rowsSql.join(QStringLiteral(", "));
    }

    void bindRow(QSqlQuery *query, int row, const Transaction &t, const QString &reference) {
        const QVariant values[kInsertColumns] = {t.id,
                                                 t.accountId,
                                                 Timestamps::dateToText(t.date),
                                                 t.payee,
                                                 t.memo,
                                                 t.amount,
                                                 textOrNull(t.categoryId),
                                                 t.checkNumber,
                                                 t.cleared ? 1 : 0,
                                                 textOrNull(t.transferLinkId),
                                                 textOrNull(t.transferDestAccountId),
                                                 timeText(t.createdAt),
                                                 timeText(t.updatedAt),
                                                 textOrNull(reference)};
        for (int i = 0; i < kInsertColumns; ++i)
            query->bindValue(row * kInsertColumns + i, values[i]);
    }

    QString timeText(const QDateTime &time) const {
        return time == m_now ? m_nowText : Timestamps::toText(time);
    }

    // Holds a row for the next batch. False when the database failed.
    bool queue(const Transaction &t, int line, const QString &reference) {
        m_pending.append({t, reference, line});
        const QString key = pendingKey(t);
        m_pendingKeys.insert(key);
        if (reference.isEmpty())
            m_pendingUnnamedKeys.insert(key);
        else
            m_pendingReferences.insert(reference);
        return m_pending.size() < kBatchRows || flushPending();
    }

    // Stores the rows waiting for their batch, a whole batch with one statement and a
    // shorter rest in halving pieces, so that only a handful of statements stay prepared.
    // False when the database itself failed.
    bool flushPending() {
        if (m_pending.isEmpty())
            return true;
        const QList<PendingRow> rows = std::exchange(m_pending, {});
        m_pendingKeys.clear();
        m_pendingUnnamedKeys.clear();
        m_pendingReferences.clear();
        qsizetype start = 0;
        for (int size = kBatchRows; size > 0; size /= 2) {
            for (; rows.size() - start >= size; start += size) {
                if (!insertPiece(rows, start, size))
                    return false;
            }
        }
        return true;
    }

    // When the database refuses one row of a piece, the statement stores none of them and
    // each is tried alone, so that only the refused one counts as failed.
    bool insertPiece(const QList<PendingRow> &rows, qsizetype start, int size) {
        QSqlError error;
        QSqlQuery *insert = size == kBatchRows ? m_insertBatch
                            : size == 1        ? m_insert
                                        : m_database->preparedStatement(insertSql(size), &error);
        if (!insert)
            return fail(QStringLiteral("A row could not be stored: %1").arg(error.text()));
        for (int row = 0; row < size; ++row)
            bindRow(insert, row, rows.at(start + row).t, rows.at(start + row).reference);
        const bool ok = insert->exec();
        insert->finish();
        if (!ok) {
            error = insert->lastError();
            if (!isRowRefusal(error))
                return fail(QStringLiteral("A row could not be stored: %1").arg(error.text()));
            for (int row = 0; row < size; ++row) {
                const PendingRow &pending = rows.at(start + row);
                if (!insertCounted(pending.t, pending.line, pending.reference))
                    return false;
            }
            return true;
        }
        for (int row = 0; row < size; ++row) {
            ++m_result.imported;
            counted();
        }
        return true;
    }

    // Whether the query finds a row.
    std::optional<bool> ask(QSqlQuery *query, const QVariantList &values) {
        for (int i = 0; i < values.size(); ++i)
            query->bindValue(i, values.at(i));
        if (!query->exec()) {
            fail(QStringLiteral("The database cannot be read: %1").arg(query->lastError().text()));
            return std::nullopt;
        }
        const bool found = query->next();
        query->finish();
        return found;
    }

    // Counts the row as imported or failed. False when the database itself failed.
    bool insertCounted(const Transaction &t, int line, const QString &reference) {
        bindRow(m_insert, 0, t, reference);
        const bool ok = m_insert->exec();
        m_insert->finish();
        if (!ok) {
            const QSqlError error = m_insert->lastError();
            if (!isRowRefusal(error))
                return fail(QStringLiteral("A row could not be stored: %1").arg(error.text()));
            qCWarning(lcServices).noquote() << "ImportService: row refused:" << error.text();
            addFailed(line,
                      ImportService::tr("The database refused it: %1").arg(error.databaseText()));
        } else {
            ++m_result.imported;
            if (!t.transferLinkId.isEmpty() && !linkOtherLeg(t))
                return false;
        }
        counted();
        return true;
    }

    // The id of the live category of this name, created when there is none; empty when
    // creating failed.
    std::optional<QString> resolveCategory(const QString &name) {
        CategoryRepository *categories = m_service->m_categories;
        if (const std::optional<Category> existing = categories->findByName(name))
            return existing->id;
        Category category;
        category.id = Identifiers::newId();
        category.name = name;
        category.type = CategoryType::Expense;
        category.createdAt = category.updatedAt = m_now;
        if (!categories->insert(category))
            return std::nullopt;
        return category.id;
    }

    ImportService *m_service;
    Database *m_database;
    const QString m_accountId;
    const QDateTime m_now;
    // Every row's creation and update time, written out once rather than twice a row.
    const QString m_nowText;
    // Ends after the scope, so that the step is taken from committed rows.
    std::optional<UndoRecording> m_undo;
    std::unique_ptr<TransactionScope> m_scope;
    QSqlQuery *m_duplicate = nullptr; // Owned by the database's statement cache.
    QSqlQuery *m_duplicateReference = nullptr;
    QSqlQuery *m_duplicateUnnamed = nullptr;
    QSqlQuery *m_otherLeg = nullptr;
    QSqlQuery *m_linkOtherLeg = nullptr;
    QSqlQuery *m_insert = nullptr;
    QSqlQuery *m_insertBatch = nullptr;
    ImportRuleSet m_rules;
    // Rows waiting to be stored together, with what the duplicate check asks of them.
    QList<PendingRow> m_pending;
    QSet<QString> m_pendingKeys;
    QSet<QString> m_pendingUnnamedKeys;
    QSet<QString> m_pendingReferences;
    QSet<QString> m_linkedAccounts;
    // Category ids by name for this import; a category created for a row is remembered
    // only once that row stands.
    QHash<QString, QString> m_categoryIds;
    ImportResult m_result;
    std::optional<int> m_restoreCacheSize;
    std::optional<qint64> m_restoreMmapSize;
    bool m_journalInMemory = false;
};

ImportService::ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                             QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_categories(categories) {}

ImportResult ImportService::importCsv(const QString &filePath, const QString &accountId,
                                      const CsvMapping &mapping) {
    Writer writer(this, accountId);
    ImportTextReader reader;
    if (!writer.openAndBegin(reader, filePath))
        return writer.result();

    const QDate today = QDate::currentDate();
    bool header = mapping.hasHeader;
    const auto handle = [&](const QStringList &row, int line) {
        if (writer.cancelRequested())
            return false;
        if (header) {
            header = false;
            return true;
        }
        const auto inside = [&row](int column) { return column >= 0 && column < row.size(); };
        if (!inside(mapping.dateColumn) || !inside(mapping.payeeColumn)
            || !inside(mapping.amountColumn)) {
            writer.addUnreadable(line, tr("It has %n column(s), fewer than the columns chosen",
                                          nullptr, int(row.size())));
            return true;
        }
        // A two-digit year reads as the nearest fitting year, not as 1900-1999.
        const QDate date
            = DateParsing::fromString(row.at(mapping.dateColumn), mapping.dateFormat, today);
        const std::optional<qint64> amount
            = tryParseAmount(row.at(mapping.amountColumn), mapping.currency);
        if (!date.isValid()) {
            writer.addUnreadable(line, tr("The date \"%1\" cannot be read as %2")
                                           .arg(row.at(mapping.dateColumn), mapping.dateFormat));
            return true;
        }
        if (!amount) {
            writer.addUnreadable(
                line, tr("The amount \"%1\" cannot be read").arg(row.at(mapping.amountColumn)));
            return true;
        }
        Transaction t;
        t.date = date;
        t.payee = row.at(mapping.payeeColumn);
        t.amount = *amount;
        if (inside(mapping.memoColumn))
            t.memo = row.at(mapping.memoColumn);
        const QString category
            = inside(mapping.categoryColumn) ? row.at(mapping.categoryColumn) : QString();
        return writer.add(t, category, line);
    };

    CsvParser parser;
    QString text;
    const auto drain = [&]() {
        while (parser.hasRow()) {
            int line = 0;
            const QStringList row = parser.takeRow(&line);
            if (!handle(row, line))
                return false;
        }
        return true;
    };
    while (reader.read(&text)) {
        parser.feed(text);
        if (!drain())
            return writer.result();
    }
    if (reader.hasError()) {
        writer.fail(cannotRead(filePath, reader));
        return writer.result();
    }
    parser.finish();
    if (!drain())
        return writer.result();
    return writer.finish();
}

ImportResult ImportService::importQif(const QString &filePath, const QString &accountId,
                                      Currency currency) {
    Writer writer(this, accountId);
    ImportTextReader reader;
    if (!writer.openAndBegin(reader, filePath))
        return writer.result();

    QifParser parser;
    const auto drain = [&]() {
        while (parser.hasRecord()) {
            if (writer.cancelRequested())
                return false;
            const QifRecord record = parser.takeRecord();
            const std::optional<qint64> amount
                = record.amountReadable ? qifAmountIn(record.amount, currency) : std::nullopt;
            if (!record.date.isValid()) {
                writer.addUnreadable(record.line, tr("The date is missing or cannot be read"));
                continue;
            }
            if (!amount) {
                writer.addUnreadable(record.line, tr("The amount cannot be read"));
                continue;
            }
            Transaction t;
            t.date = record.date;
            t.payee = record.payee;
            t.amount = *amount;
            t.memo = record.memo;
            t.checkNumber = record.checkNumber;
            t.cleared = record.cleared;
            if (!writer.add(t, record.category, record.line))
                return false;
        }
        return true;
    };

    // A line may be split between two pieces of text: its start waits for the rest.
    QString pending;
    QString text;
    while (reader.read(&text)) {
        pending += text;
        qsizetype start = 0;
        for (qsizetype end = pending.indexOf(QLatin1Char('\n')); end >= 0;
             end = pending.indexOf(QLatin1Char('\n'), start)) {
            parser.feedLine(QStringView(pending).mid(start, end - start));
            start = end + 1;
        }
        pending.remove(0, start);
        if (!drain())
            return writer.result();
    }
    if (reader.hasError()) {
        writer.fail(cannotRead(filePath, reader));
        return writer.result();
    }
    parser.feedLine(pending);
    parser.finish();
    if (!drain())
        return writer.result();
    return writer.finish();
}

// Which of a bank file's statements belong in the account whose number ends in last4: all of
// them when they are of one account (a file of consecutive days), else those of the one
// account the last digits pick out. When none or several are picked out, error says so and
// the list is empty, since entries of another account must never land in this one.
QList<int> ImportService::statementsOf(const QList<BankStatement> &statements, const QString &last4,
                                       QString *error) {
    const auto normalized = [](const BankStatement &s) { return s.plainAccountNumber(); };
    QStringList numbers;
    for (const BankStatement &s : statements) {
        if (!numbers.contains(normalized(s)))
            numbers.append(normalized(s));
    }
    QList<int> all;
    for (int i = 0; i < statements.size(); ++i)
        all.append(i);
    if (numbers.size() <= 1)
        return all;

    const QString digits = last4.trimmed();
    QStringList matching;
    QStringList masked;
    for (const QString &number : std::as_const(numbers)) {
        masked.append(number.isEmpty() ? tr("no number") : QLatin1Char('*') + number.right(4));
        if (!digits.isEmpty() && !number.isEmpty() && number.endsWith(digits, Qt::CaseInsensitive))
            matching.append(number);
    }
    const QString found = masked.join(QStringLiteral(", "));
    if (matching.size() == 1) {
        QList<int> chosen;
        for (int i = 0; i < statements.size(); ++i) {
            if (normalized(statements.at(i)) == matching.first())
                chosen.append(i);
        }
        return chosen;
    }
    if (digits.isEmpty())
        *error = tr("The file holds statements of several accounts (%1). Enter the last four "
                    "digits of this account's number in its settings to import its statement "
                    "alone. Nothing was imported.")
                     .arg(found);
    else if (matching.isEmpty())
        *error = tr("The file holds statements of several accounts (%1) and none of them ends "
                    "in this account's last four digits, %2. Nothing was imported.")
                     .arg(found, digits);
    else
        *error = tr("The file holds statements of several accounts (%1) and more than one ends "
                    "in this account's last four digits, %2. Nothing was imported.")
                     .arg(found, digits);
    return {};
}

ImportResult ImportService::importBankFile(const QString &filePath, const QString &accountId) {
    Writer writer(this, accountId);
    if (!writer.begin())
        return writer.result();
    // Amounts are read in the account's currency, whose minor unit the rows keep.
    const std::optional<Account> account
        = AccountRepository(m_transactions->database()).findById(accountId);
    const Currency currency = account ? account->currency : Currency::USD;

    // Statements have no useful line numbers once read; a failed entry is named by its place
    // among the file's entries instead.
    int entryNumber = 0;
    const auto handle = [&](const BankEntry &entry) {
        if (writer.cancelRequested())
            return false;
        ++entryNumber;
        const std::optional<qint64> amount = tryParseAmount(entry.amount, currency);
        if (!entry.date.isValid()) {
            writer.addUnreadable(entryNumber, tr("The date is missing or cannot be read"));
            return true;
        }
        if (!amount) {
            writer.addUnreadable(entryNumber,
                                 tr("The amount \"%1\" cannot be read").arg(entry.amount));
            return true;
        }
        Transaction t;
        t.date = entry.date;
        t.payee = entry.payee;
        t.amount = *amount;
        t.memo = entry.memo;
        t.checkNumber = entry.checkNumber;
        // The bank has booked it: it is on the statement already.
        t.cleared = true;
        return writer.add(t, QString(), entryNumber, entry.reference);
    };

    // The entries are read as the file streams by, but which statement is this account's is
    // only known once every statement has named its account: a first pass without entries
    // learns that, the second imports.
    const bool camt = detectImportFormat(filePath) == ImportFormat::Camt;
    const auto readFile = [&](const std::function<bool(int, const BankEntry &)> &onEntry,
                              QString *error, QList<BankStatement> *statements) {
        if (camt) {
            CamtReader reader;
            // Statements are listed as they close, so their count names the open one.
            const bool read = reader.read(filePath, [&](const BankEntry &entry) {
                return onEntry(int(reader.statements().size()), entry);
            });
            *error = reader.errorString();
            *statements = reader.statements();
            return read;
        }
        OfxReader reader;
        const bool read = reader.read(filePath, [&](const BankEntry &entry) {
            return onEntry(int(reader.statements().size()), entry);
        });
        *error = reader.errorString();
        *statements = reader.statements();
        return read;
    };
    const auto cannotReadFile = [&](const QString &error) {
        writer.fail(QStringLiteral("Cannot read %1: %2").arg(filePath, error));
        return writer.result();
    };

    QString error;
    QList<BankStatement> statements;
    if (!readFile([](int, const BankEntry &) { return true; }, &error, &statements))
        return cannotReadFile(error);
    const QList<int> chosen
        = statementsOf(statements, account ? account->accountNumberLast4 : QString(), &error);
    if (!error.isEmpty()) {
        writer.fail(error);
        return writer.result();
    }

    QList<BankStatement> read;
    if (!readFile(
            [&](int statement, const BankEntry &entry) {
                return !chosen.contains(statement) || handle(entry);
            },
            &error, &read)) {
        if (writer.hasFailed() || writer.cancelRequested())
            return writer.result();
        return cannotReadFile(error);
    }
    if (writer.hasFailed() || writer.cancelRequested())
        return writer.result();
    statements.clear();
    for (const int index : chosen)
        statements.append(read.value(index));
    writer.setStatements(statements);
    return writer.finish();
}
