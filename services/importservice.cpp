// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "importservice.h"

#include "category.h"
#include "categoryrepository.h"
#include "database.h"
#include "identifiers.h"
#include "importparsing.h"
#include "money.h"
#include "searchfilter.h"
#include "servicelog.h"
#include "timestamps.h"
#include "transactionrepository.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const QString kRowSavepoint = QStringLiteral("import_row");

std::optional<QString> readFile(const QString &filePath) {
    // Binary: the decoder must see the bytes as they are (a UTF-16 file has no CRLF byte
    // pairs to translate), and both parsers drop carriage returns themselves.
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeImportText(file.readAll());
}

bool exec(QSqlDatabase db, const QString &sql) {
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    qCWarning(lcServices).noquote()
        << "ImportService:" << sql << "failed:" << query.lastError().text();
    return false;
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

    QList<Candidate> candidates;
    candidates.reserve(rows.size());
    for (int i = mapping.hasHeader ? 1 : 0; i < rows.size(); ++i) {
        const QStringList &row = rows.at(i);
        const auto inside = [&row](int column) { return column >= 0 && column < row.size(); };
        if (!inside(mapping.dateColumn) || !inside(mapping.payeeColumn)
            || !inside(mapping.amountColumn))
            continue;
        // A two-digit year reads as 1900-1999, QDate's own base.
        const QDate date = QDate::fromString(row.at(mapping.dateColumn), mapping.dateFormat);
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
    QSqlDatabase db = m_transactions->database()->connection();
    if (!db.transaction()) {
        qCWarning(lcServices).noquote()
            << "ImportService: cannot begin a transaction:" << db.lastError().text();
        return {};
    }

    ImportResult result;
    for (const Candidate &candidate : candidates) {
        // Earlier rows of this import are visible here, so a file's repeated line imports
        // once.
        if (isDuplicate(candidate.transaction)) {
            ++result.duplicates;
            continue;
        }
        if (!exec(db, QStringLiteral("SAVEPOINT ") + kRowSavepoint)) {
            db.rollback();
            return {};
        }
        Transaction t = candidate.transaction;
        const std::optional<QString> categoryId = resolveCategory(candidate.categoryName);
        bool written = false;
        if (categoryId) {
            t.categoryId = *categoryId;
            written = m_transactions->insert(t);
        }
        if (written) {
            ++result.imported;
        } else {
            // Also undoes a category created for this row alone.
            exec(db, QStringLiteral("ROLLBACK TO ") + kRowSavepoint);
        }
        if (!exec(db, QStringLiteral("RELEASE ") + kRowSavepoint)) {
            db.rollback();
            return {};
        }
    }

    if (!db.commit()) {
        qCWarning(lcServices).noquote()
            << "ImportService: the import could not be committed:" << db.lastError().text();
        db.rollback();
        return {};
    }
    return result;
}

bool ImportService::isDuplicate(const Transaction &transaction) const {
    SearchFilter filter;
    filter.accountId = transaction.accountId;
    filter.fromDate = transaction.date;
    filter.toDate = transaction.date;
    const QList<RegisterRow> sameDay = m_transactions->search(QString(), filter);
    for (const RegisterRow &row : sameDay) {
        if (row.transaction.amount == transaction.amount
            && row.transaction.payee == transaction.payee)
            return true;
    }
    return false;
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
