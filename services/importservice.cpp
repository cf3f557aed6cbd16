// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importservice.h"

#include "services/importparsing.h"
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

#include <QFile>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>

namespace {

std::optional<QString> readFile(const QString &filePath) {
    // Binary: the decoder must see the bytes as they are (a UTF-16 file has no CRLF byte
    // pairs to translate), and both parsers drop carriage returns themselves.
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeImportText(file.readAll());
}

} // namespace

ImportService::ImportService(TransactionRepository *transactions, CategoryRepository *categories,
                             QObject *parent)
    : QObject(parent)
    , m_transactions(transactions)
    , m_categories(categories) {}

ImportResult ImportService::importCsv(const QString &filePath, const QString &accountId,
                                      const CsvMapping &mapping) {
    const std::optional<QString> text = readFile(filePath);
    if (!text)
        return {};
    const QList<QStringList> rows = parseCsv(*text);
    const QDateTime now = Timestamps::nowUtc();
    const QDate today = QDate::currentDate();

    QList<Candidate> candidates;
    candidates.reserve(rows.size());
    for (int i = mapping.hasHeader ? 1 : 0; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        const auto inside = [&row](int column) { return column >= 0 && column < row.size(); };
        if (!inside(mapping.dateColumn) || !inside(mapping.payeeColumn)
            || !inside(mapping.amountColumn))
            continue;
        // A two-digit year reads as the nearest fitting year, not as 1900-1999.
        const QDate date
            = DateParsing::fromString(row.at(mapping.dateColumn), mapping.dateFormat, today);
        if (!date.isValid())
            continue;

        Candidate candidate;
        Transaction &t = candidate.transaction;
        t.id = Identifiers::newId();
        t.accountId = accountId;
        t.date = date;
        t.payee = row.at(mapping.payeeColumn);
        t.amount = parseAmount(row.at(mapping.amountColumn), Currency::USD);
        if (inside(mapping.memoColumn))
            t.memo = row.at(mapping.memoColumn);
        if (inside(mapping.categoryColumn))
            candidate.categoryName = row.at(mapping.categoryColumn);
        t.createdAt = t.updatedAt = now;
        candidates.append(candidate);
    }
    return importCandidates(candidates);
}

ImportResult ImportService::importQif(const QString &filePath, const QString &accountId) {
    const std::optional<QString> text = readFile(filePath);
    if (!text)
        return {};
    const QDateTime now = Timestamps::nowUtc();

    QList<Candidate> candidates;
    for (const QifRecord &record : parseQif(*text)) {
        if (!record.date.isValid())
            continue;
        Candidate candidate;
        Transaction &t = candidate.transaction;
        t.id = Identifiers::newId();
        t.accountId = accountId;
        t.date = record.date;
        t.payee = record.payee;
        t.amount = record.amount;
        t.memo = record.memo;
        t.checkNumber = record.checkNumber;
        t.cleared = record.cleared;
        candidate.categoryName = record.category;
        t.createdAt = t.updatedAt = now;
        candidates.append(candidate);
    }
    return importCandidates(candidates);
}

ImportResult ImportService::importCandidates(const QList<Candidate> &candidates) {
    if (candidates.isEmpty())
        return {};
    Database *database = m_transactions->database();
    TransactionScope scope(database);
    if (!scope.isOpen()) {
        qCWarning(lcServices).noquote() << "ImportService: cannot begin a transaction";
        return {};
    }

    // Same account, day, amount and payee (case-sensitive) among the live rows. Asked
    // directly rather than through the register search, which stops at 200 rows a day.
    QSqlQuery *duplicate = database->preparedStatement(QStringLiteral(
        "SELECT 1 FROM transactions WHERE account_id = ? AND date = ? AND amount = ? AND "
        "payee = ? AND deleted_at IS NULL LIMIT 1"));
    if (!duplicate)
        return {};

    // Category ids by name for this import; a category created for a row is remembered
    // only once that row stands.
    QHash<QString, QString> categoryIds;
    ImportResult result;
    for (const Candidate &candidate : candidates) {
        // Earlier rows of this import are visible here, so a file's repeated line imports
        // once.
        if (isDuplicate(*duplicate, candidate.transaction)) {
            ++result.duplicates;
            continue;
        }
        TransactionScope row(database);
        if (!row.isOpen())
            return {};
        Transaction t = candidate.transaction;
        const auto known = categoryIds.constFind(candidate.categoryName);
        const std::optional<QString> categoryId = known != categoryIds.constEnd()
                                                      ? std::optional<QString>(*known)
                                                      : resolveCategory(candidate.categoryName);
        bool written = false;
        if (categoryId) {
            t.categoryId = *categoryId;
            written = m_transactions->insert(t);
        }
        if (!written) {
            // Also undoes a category created for this row alone.
            row.rollback();
            continue;
        }
        if (!row.commit())
            return {};
        ++result.imported;
        categoryIds.insert(candidate.categoryName, *categoryId);
    }

    if (!scope.commit()) {
        qCWarning(lcServices).noquote()
            << "ImportService: the import could not be committed:" << scope.errorText();
        return {};
    }
    return result;
}

bool ImportService::isDuplicate(QSqlQuery &query, const Transaction &transaction) const {
    query.bindValue(0, transaction.accountId);
    query.bindValue(1, Timestamps::dateToText(transaction.date));
    query.bindValue(2, transaction.amount);
    query.bindValue(3, transaction.payee);
    const bool found = query.exec() && query.next();
    query.finish();
    return found;
}

std::optional<QString> ImportService::resolveCategory(const QString &name) {
    if (name.isEmpty())
        return QString();
    if (const std::optional<Category> existing = m_categories->findByName(name))
        return existing->id;
    Category category;
    category.id = Identifiers::newId();
    category.name = name;
    category.type = CategoryType::Expense;
    category.createdAt = category.updatedAt = Timestamps::nowUtc();
    if (!m_categories->insert(category))
        return std::nullopt;
    return category.id;
}
