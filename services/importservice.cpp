// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importservice.h"

#include "services/csvparser.h"
#include "services/importtextreader.h"
#include "services/qifparser.h"
#include "services/servicelog.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/dateparsing.h"
#include "storage/identifiers.h"
#include "storage/money.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"
#include "storage/transactionscope.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

#include <memory>
#include <optional>

namespace {

// How often, in rows, an import tells how far it got.
constexpr qint64 kProgressStep = 1000;

// The page cache during an import, in SQLite's notation (negative: KiB).
constexpr int kImportCacheSize = -16384;

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
        , m_now(Timestamps::nowUtc()) {}

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
            const int cacheSize = pragma.value(0).toInt();
            if (cacheSize < kImportCacheSize || cacheSize > 0) {
                m_restoreCacheSize = cacheSize;
                pragma.exec(QStringLiteral("PRAGMA cache_size = %1").arg(kImportCacheSize));
            }
        }
        pragma.finish();
        m_journalInMemory = m_database->setBulkWriteJournal(true);
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
        if (m_duplicate)
            m_insert = m_database->preparedStatement(
                QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, "
                               "amount, category_id, check_number, cleared, reconciled, is_split, "
                               "version, sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, "
                               "?, ?, ?, ?, ?, 0, 0, 1, 'pending', ?, ?)"),
                &error);
        if (!m_insert)
            return fail(QStringLiteral("The database cannot be read: %1").arg(error.text()));
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
    bool add(Transaction t, const QString &categoryName, int line) {
        t.id = Identifiers::newId();
        t.accountId = m_accountId;
        t.payee = notNull(t.payee);
        t.createdAt = t.updatedAt = m_now;
        // Earlier rows of this import are visible here, so a file's repeated line imports
        // once.
        const std::optional<bool> duplicate = isDuplicate(t);
        if (!duplicate)
            return false;
        if (*duplicate) {
            ++m_result.duplicates;
            counted();
            return true;
        }

        const auto known = m_categoryIds.constFind(categoryName);
        if (known != m_categoryIds.constEnd() || categoryName.isEmpty()) {
            t.categoryId = known != m_categoryIds.constEnd() ? *known : QString();
            return insertCounted(t, line);
        }
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
        if (!insertCounted(t, line))
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
        if (hasFailed() || cancelRequested())
            return m_result;
        if (m_result.imported > 0)
            m_database->noteChange(QStringLiteral("transactions"), m_accountId);
        if (!m_scope->commit())
            fail(QStringLiteral("The import could not be saved: %1").arg(m_scope->errorText()));
        m_scope.reset();
        return m_result;
    }

    // Nothing is kept: the counts go with the rolled-back rows.
    bool fail(const QString &error) {
        qCWarning(lcServices).noquote() << "ImportService: import failed:" << error;
        m_result = ImportResult();
        m_result.error = error;
        m_scope.reset();
        return false;
    }

    const ImportResult &result() const { return m_result; }

private:
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

    std::optional<bool> isDuplicate(const Transaction &t) {
        m_duplicate->bindValue(0, t.accountId);
        m_duplicate->bindValue(1, Timestamps::dateToText(t.date));
        m_duplicate->bindValue(2, t.amount);
        m_duplicate->bindValue(3, t.payee);
        if (!m_duplicate->exec()) {
            fail(QStringLiteral("The database cannot be read: %1")
                     .arg(m_duplicate->lastError().text()));
            return std::nullopt;
        }
        const bool found = m_duplicate->next();
        m_duplicate->finish();
        return found;
    }

    // Counts the row as imported or failed. False when the database itself failed.
    bool insertCounted(const Transaction &t, int line) {
        const QVariant values[] = {t.id,
                                   t.accountId,
                                   Timestamps::dateToText(t.date),
                                   t.payee,
                                   t.memo,
                                   t.amount,
                                   textOrNull(t.categoryId),
                                   t.checkNumber,
                                   t.cleared ? 1 : 0,
                                   Timestamps::toText(t.createdAt),
                                   Timestamps::toText(t.updatedAt)};
        for (int i = 0; i < int(std::size(values)); ++i)
            m_insert->bindValue(i, values[i]);
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
    std::unique_ptr<TransactionScope> m_scope;
    QSqlQuery *m_duplicate = nullptr; // Owned by the database's statement cache.
    QSqlQuery *m_insert = nullptr;
    // Category ids by name for this import; a category created for a row is remembered
    // only once that row stands.
    QHash<QString, QString> m_categoryIds;
    ImportResult m_result;
    std::optional<int> m_restoreCacheSize;
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
            = tryParseAmount(row.at(mapping.amountColumn), Currency::USD);
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

ImportResult ImportService::importQif(const QString &filePath, const QString &accountId) {
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
            if (!record.date.isValid()) {
                writer.addUnreadable(record.line, tr("The date is missing or cannot be read"));
                continue;
            }
            if (!record.amountReadable) {
                writer.addUnreadable(record.line, tr("The amount cannot be read"));
                continue;
            }
            Transaction t;
            t.date = record.date;
            t.payee = record.payee;
            t.amount = record.amount;
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
