// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/reportservice.h"

#include "services/servicelog.h"
#include "storage/database.h"
#include "storage/timestamps.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QtNumeric>

#include <algorithm>
#include <limits>

namespace {

// A spreadsheet runs a cell beginning like a formula, so a payee or memo typed as "=HYPERLINK(..."
// would execute on opening: the apostrophe makes it plain text. Money such as "-$5.00" or "-1250"
// stays as it is, since a sign before a digit or symbol is a number.
QString spreadsheetSafe(const QString &cell) {
    if (cell.isEmpty())
        return cell;
    const QChar first = cell.at(0);
    const bool formula = first == QLatin1Char('=') || first == QLatin1Char('@')
                         || ((first == QLatin1Char('+') || first == QLatin1Char('-'))
                             && cell.size() > 1 && cell.at(1).isLetter());
    return formula ? QLatin1Char('\'') + cell : cell;
}

QString quoted(QString cell) {
    cell = spreadsheetSafe(cell);
    cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + cell + QLatin1Char('"');
}

// The queries call rows without a category "Uncategorized" so that they group as one; the user
// reads that name in their own language.
QString categoryName(const QVariant &stored) {
    const QString name = stored.toString();
    return name == QLatin1String("Uncategorized") ? ReportService::tr("Uncategorized") : name;
}

} // namespace

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database) {}

bool ReportService::succeeded(const QSqlQuery &query, bool executed) const {
    if (executed && !query.lastError().isValid()) {
        m_lastError.clear();
        return true;
    }
    m_lastError = query.lastError().text();
    if (m_lastError.trimmed().isEmpty())
        m_lastError = QStringLiteral("the report could not be read");
    qCWarning(lcServices).noquote() << "ReportService: a report read failed:" << m_lastError;
    return false;
}

bool ReportService::run(QSqlQuery &query, QString sql, const QDate &from, const QDate &to,
                        const QString &accountId, const char *tail) const {
    QVariantList values{Timestamps::dateToText(from), Timestamps::dateToText(to)};
    if (!accountId.isEmpty()) {
        sql += QLatin1String(" AND t.account_id = ?");
        values << accountId;
    }
    sql += QLatin1String(tail);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        return false;
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query.exec();
}

QList<CategorySpendingRow> ReportService::categorySpending(const QDate &from, const QDate &to,
                                                           const QString &accountId) const {
    QList<CategorySpendingRow> rows;
    QList<qint64> counts;
    QSqlQuery query(m_database->connection());
    const bool executed
        = run(query,
              // Summed per category id from the index first, then named: the join runs once
              // per category instead of once per transaction.
              QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(s.total), "
                             "SUM(s.n) FROM (SELECT t.category_id, SUM(t.amount) AS total, "
                             "COUNT(*) AS n FROM transactions t WHERE t.deleted_at IS NULL AND "
                             "t.amount < 0 AND t.date >= ? AND t.date <= ?"),
              from, to, accountId,
              " GROUP BY t.category_id) s LEFT JOIN categories c ON s.category_id = c.id "
              "GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(s.total) ASC");
    while (executed && query.next()) {
        rows.append({categoryName(query.value(0)), query.value(1).toLongLong()});
        counts.append(query.value(2).toLongLong());
    }
    if (!succeeded(query, executed))
        return {};

    QList<SplitAdjustment> adjustments;
    if (!splitAdjustments(from, to, accountId, true, &adjustments))
        return {};
    if (adjustments.isEmpty())
        return rows;
    for (const SplitAdjustment &adjustment : adjustments) {
        const auto found = std::find_if(
            rows.begin(), rows.end(), [&](const auto &row) { return row.name == adjustment.name; });
        if (found == rows.end()) {
            rows.append({adjustment.name, adjustment.amount});
            counts.append(adjustment.rows);
            continue;
        }
        const qsizetype at = found - rows.begin();
        if (qAddOverflow(found->total, adjustment.amount, &found->total)) {
            m_lastError = QStringLiteral("integer overflow");
            qCWarning(lcServices) << "ReportService: category spending does not fit";
            return {};
        }
        counts[at] += adjustment.rows;
    }
    // A category whose only rows were split into others has nothing left to show.
    QList<CategorySpendingRow> kept;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (counts.at(i) > 0)
            kept.append(rows.at(i));
    }
    std::stable_sort(kept.begin(), kept.end(),
                     [](const auto &a, const auto &b) { return a.total < b.total; });
    return kept;
}

bool ReportService::splitAdjustments(const QDate &from, const QDate &to, const QString &accountId,
                                     bool moneyOutOnly, QList<SplitAdjustment> *adjustments) const {
    adjustments->clear();
    QString filter
        = QStringLiteral("t.is_split = 1 AND t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?");
    QVariantList filterValues{Timestamps::dateToText(from), Timestamps::dateToText(to)};
    if (!accountId.isEmpty()) {
        filter += QLatin1String(" AND t.account_id = ?");
        filterValues << accountId;
    }
    if (moneyOutOnly)
        filter += QLatin1String(" AND t.amount < 0");
    // Driven by the split lines, which are few: a database without splits pays one empty
    // index probe, and the large transactions table is only looked up by id (CROSS JOIN keeps
    // SQLite from walking the date range of the transactions instead).
    const QString sql
        = QStringLiteral(
              "SELECT COALESCE(c.name, 'Uncategorized'), COALESCE(c.tax_category, ''), "
              "COALESCE(c.is_tax_relevant, 0), SUM(x.amount), SUM(x.n) FROM ("
              "SELECT t.category_id AS category_id, -t.amount AS amount, -1 AS n FROM transactions "
              "t "
              "WHERE t.id IN (SELECT transaction_id FROM split_lines) AND %1 "
              "UNION ALL "
              "SELECT l.category_id, l.amount, 1 FROM split_lines l CROSS JOIN transactions t ON "
              "t.id = "
              "l.transaction_id WHERE %1"
              ") x LEFT JOIN categories c ON x.category_id = c.id GROUP BY x.category_id")
              .arg(filter);
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    bool executed = query.prepare(sql);
    if (executed) {
        for (const QVariant &value : filterValues + filterValues)
            query.addBindValue(value);
        executed = query.exec();
    }
    while (executed && query.next()) {
        SplitAdjustment adjustment;
        adjustment.name = categoryName(query.value(0));
        adjustment.taxCode = query.value(1).toString();
        adjustment.taxRelevant = query.value(2).toInt() == 1;
        adjustment.amount = query.value(3).toLongLong();
        adjustment.rows = query.value(4).toLongLong();
        adjustments->append(adjustment);
    }
    if (!succeeded(query, executed)) {
        adjustments->clear();
        return false;
    }
    return true;
}

QList<PayeeSummaryRow> ReportService::payeeSummary(const QDate &from, const QDate &to,
                                                   const QString &accountId) const {
    QList<PayeeSummaryRow> rows;
    QSqlQuery query(m_database->connection());
    const bool executed
        = run(query,
              QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE "
                             "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
              from, to, accountId, " GROUP BY t.payee ORDER BY SUM(t.amount) ASC");
    while (executed && query.next())
        rows.append(
            {query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt()});
    if (!succeeded(query, executed))
        rows.clear();
    return rows;
}

QList<TaxLineRow> ReportService::taxReport(const QDate &from, const QDate &to) const {
    QList<TaxLineRow> rows;
    QList<qint64> counts;
    QSqlQuery query(m_database->connection());
    const bool executed = run(
        query,
        QStringLiteral("SELECT c.name, c.tax_category, SUM(t.amount), COUNT(*) FROM transactions "
                       "t JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS "
                       "NULL AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ?"),
        from, to, QString(), " GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name");
    while (executed && query.next()) {
        rows.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
        counts.append(query.value(3).toLongLong());
    }
    if (!succeeded(query, executed))
        return {};

    QList<SplitAdjustment> adjustments;
    if (!splitAdjustments(from, to, QString(), false, &adjustments))
        return {};
    bool adjusted = false;
    for (const SplitAdjustment &adjustment : adjustments) {
        if (!adjustment.taxRelevant)
            continue;
        adjusted = true;
        const auto found = std::find_if(rows.begin(), rows.end(), [&](const TaxLineRow &row) {
            return row.categoryName == adjustment.name && row.taxCode == adjustment.taxCode;
        });
        if (found == rows.end()) {
            rows.append({adjustment.name, adjustment.taxCode, adjustment.amount});
            counts.append(adjustment.rows);
            continue;
        }
        const qsizetype at = found - rows.begin();
        if (qAddOverflow(found->total, adjustment.amount, &found->total)) {
            m_lastError = QStringLiteral("integer overflow");
            qCWarning(lcServices) << "ReportService: the tax report does not fit";
            return {};
        }
        counts[at] += adjustment.rows;
    }
    if (!adjusted)
        return rows;
    QList<TaxLineRow> kept;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (counts.at(i) > 0)
            kept.append(rows.at(i));
    }
    std::stable_sort(kept.begin(), kept.end(), [](const TaxLineRow &a, const TaxLineRow &b) {
        return a.taxCode != b.taxCode ? a.taxCode < b.taxCode : a.categoryName < b.categoryName;
    });
    return kept;
}

QList<CashFlowMonthRow> ReportService::cashFlow(const QDate &from, const QDate &to,
                                                const QString &accountId) const {
    QList<CashFlowMonthRow> rows;
    QSqlQuery query(m_database->connection());
    const bool executed
        = run(query,
              QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount "
                             "> 0 THEN t.amount ELSE 0 END) AS income, SUM(CASE WHEN t.amount < 0 "
                             "THEN t.amount ELSE 0 END) AS expenses FROM transactions t WHERE "
                             "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
              from, to, accountId, " GROUP BY month ORDER BY month");
    while (executed && query.next()) {
        CashFlowMonthRow row;
        row.month = query.value(0).toString();
        row.income = query.value(1).toLongLong();
        row.expenses = query.value(2).toLongLong();
        row.net = row.income + row.expenses;
        rows.append(row);
    }
    if (!succeeded(query, executed))
        rows.clear();
    return rows;
}

QList<AccountSummaryRow> ReportService::accountSummary() const {
    QList<AccountSummaryRow> rows;
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    const bool executed = query.exec(QStringLiteral(
        "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN "
        "t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN "
        "t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
        "COALESCE(SUM(t.amount), 0) AS total_sum FROM accounts a LEFT JOIN transactions t ON "
        "t.account_id = a.id AND t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY "
        "a.id ORDER BY a.sort_order, a.name"));
    while (executed && query.next()) {
        AccountSummaryRow row;
        row.name = query.value(0).toString();
        row.accountType = query.value(1).toString();
        const qint64 starting = query.value(2).toLongLong();
        row.unclearedAmount = query.value(4).toLongLong();
        if (qAddOverflow(starting, query.value(3).toLongLong(), &row.clearedBalance)
            || qAddOverflow(starting, query.value(5).toLongLong(), &row.balance)) {
            m_lastError = QStringLiteral("integer overflow");
            qCWarning(lcServices).noquote()
                << "ReportService: the balance of" << row.name << "does not fit";
            return {};
        }
        rows.append(row);
    }
    if (!succeeded(query, executed))
        rows.clear();
    return rows;
}

QMap<QString, qint64> ReportService::categoryTotals(const QDate &from, const QDate &to,
                                                    const QString &accountId) const {
    QMap<QString, qint64> totals;
    QHash<QString, qint64> counts;
    QSqlQuery query(m_database->connection());
    const bool executed
        = run(query,
              QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount), COUNT(*) "
                             "FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                             "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
              from, to, accountId, " GROUP BY COALESCE(c.name, 'Uncategorized')");
    while (executed && query.next()) {
        totals.insert(categoryName(query.value(0)), query.value(1).toLongLong());
        counts.insert(categoryName(query.value(0)), query.value(2).toLongLong());
    }
    if (!succeeded(query, executed))
        return {};

    QList<SplitAdjustment> adjustments;
    if (!splitAdjustments(from, to, accountId, false, &adjustments))
        return {};
    for (const SplitAdjustment &adjustment : adjustments) {
        qint64 &total = totals[adjustment.name];
        if (qAddOverflow(total, adjustment.amount, &total)) {
            m_lastError = QStringLiteral("integer overflow");
            qCWarning(lcServices) << "ReportService: the category totals do not fit";
            return {};
        }
        counts[adjustment.name] += adjustment.rows;
    }
    // A category whose only rows were split into others has nothing left to compare.
    for (const SplitAdjustment &adjustment : adjustments) {
        if (counts.value(adjustment.name) <= 0)
            totals.remove(adjustment.name);
    }
    return totals;
}

QList<PeriodComparisonRow> ReportService::comparePeriods(const QDate &from1, const QDate &to1,
                                                         const QDate &from2, const QDate &to2,
                                                         const QString &accountId) const {
    const QMap<QString, qint64> totals1 = categoryTotals(from1, to1, accountId);
    const QString firstError = m_lastError;
    const QMap<QString, qint64> totals2 = categoryTotals(from2, to2, accountId);
    if (!firstError.isEmpty() || !m_lastError.isEmpty()) {
        if (m_lastError.isEmpty())
            m_lastError = firstError;
        return {};
    }
    QStringList names = totals1.keys() + totals2.keys();
    // QString's operator< compares UTF-16 code units: the plain, case-sensitive order.
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());

    QList<PeriodComparisonRow> rows;
    rows.reserve(names.size());
    for (const QString &name : names) {
        PeriodComparisonRow row;
        row.categoryName = name;
        row.period1Total = totals1.value(name, 0);
        row.period2Total = totals2.value(name, 0);
        row.difference = row.period2Total - row.period1Total;
        rows.append(row);
    }
    return rows;
}

QString ReportService::toCsv(const QStringList &headers, const QList<QStringList> &rows) {
    QString csv = csvLine(headers);
    for (const QStringList &row : rows)
        csv += csvLine(row);
    return csv;
}

QString ReportService::csvLine(const QStringList &cells) {
    QString line;
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        line += quoted(cells.at(i));
    }
    line += QLatin1Char('\n');
    return line;
}
