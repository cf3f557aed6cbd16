// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/reportservice.h"

#include "services/servicelog.h"
#include "storage/database.h"
#include "storage/timestamps.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
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

bool ReportService::runOverSummaries(QSqlQuery &query, const QDate &from, const QDate &to,
                                     const QString &accountId, const char *allAccountsTable,
                                     const char *accountTable, const char *yearTable,
                                     const char *cellColumns, const char *rowColumns,
                                     const char *rowFilter, const char *outerSql) const {
    if (!m_useSummaries || !from.isValid() || !to.isValid() || from > to || from.year() < 1000
        || to.year() > 9999)
        return false;
    const QDate firstWhole
        = from.day() == 1 ? from : QDate(from.year(), from.month(), 1).addMonths(1);
    const QDate lastWhole = to.day() == to.daysInMonth()
                                ? QDate(to.year(), to.month(), 1)
                                : QDate(to.year(), to.month(), 1).addMonths(-1);
    // A range within a month or two is read from the transactions alone as quickly.
    if (firstWhole > lastWhole)
        return false;

    // Rows with a date that is not a real day count in no month, and a category whose id is
    // empty would be taken for the summaries' "no category": either way the months cannot
    // stand in for the transactions.
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral(
            "SELECT EXISTS (SELECT 1 FROM report_category_months WHERE month = '' AND "
            "out_count + in_count <> 0) OR EXISTS (SELECT 1 FROM categories WHERE id = '')"))
        || !query.next() || query.value(0).toInt() != 0) {
        qCDebug(lcServices) << "ReportService: reading the transactions instead of the summaries";
        return false;
    }

    QStringList parts;
    QVariantList values;
    const auto cells
        = [&](const char *table, const char *key, const QString &first, const QString &last) {
              QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE ")
                                .arg(QLatin1String(cellColumns), QLatin1String(table));
              if (!accountId.isEmpty()) {
                  sql += QLatin1String("account_id = ? AND ");
                  values << accountId;
              }
              sql += QStringLiteral("%1 >= ? AND %1 <= ?").arg(QLatin1String(key));
              values << first << last;
              parts << sql;
          };
    const auto month = [](const QDate &date) { return date.toString(QStringLiteral("yyyy-MM")); };
    const char *monthTable = accountId.isEmpty() ? allAccountsTable : accountTable;
    const int firstYear = firstWhole.month() == 1 ? firstWhole.year() : firstWhole.year() + 1;
    const int lastYear = lastWhole.month() == 12 ? lastWhole.year() : lastWhole.year() - 1;
    if (yearTable && accountId.isEmpty() && firstYear <= lastYear) {
        cells(yearTable, "year", QString::number(firstYear), QString::number(lastYear));
        if (firstWhole.year() < firstYear)
            cells(monthTable, "month", month(firstWhole),
                  QStringLiteral("%1-12").arg(firstWhole.year()));
        if (lastWhole.year() > lastYear)
            cells(monthTable, "month", QStringLiteral("%1-01").arg(lastWhole.year()),
                  month(lastWhole));
    } else {
        cells(monthTable, "month", month(firstWhole), month(lastWhole));
    }

    const auto days = [&](const char *dates, const QDate &low, const QDate &high) {
        QString sql
            = QStringLiteral("SELECT %1 FROM transactions t WHERE t.deleted_at IS NULL AND "
                             "t.transfer_link_id IS NULL%2 "
                             "AND %3")
                  .arg(QLatin1String(rowColumns), QLatin1String(rowFilter), QLatin1String(dates));
        values << Timestamps::dateToText(low) << Timestamps::dateToText(high);
        if (!accountId.isEmpty()) {
            sql += QLatin1String(" AND t.account_id = ?");
            values << accountId;
        }
        parts << sql;
    };
    if (from < firstWhole)
        days("t.date >= ? AND t.date < ?", from, firstWhole);
    const QDate lastWholeEnd = lastWhole.addMonths(1).addDays(-1);
    if (to > lastWholeEnd)
        days("t.date > ? AND t.date <= ?", lastWholeEnd, to);

    QString sql = QLatin1String(outerSql);
    sql.replace(QLatin1String("%INNER%"), parts.join(QLatin1String(" UNION ALL ")));
    bool executed = query.prepare(sql);
    if (executed) {
        for (const QVariant &value : values)
            query.addBindValue(value);
        executed = query.exec();
    }
    if (!executed) {
        qCDebug(lcServices).noquote()
            << "ReportService: the summaries could not be read:" << query.lastError().text();
        return false;
    }
    return true;
}

namespace {

// Reads every row of a report over the summaries; false (with nothing kept) when a sum came
// out as floating point, the mark of a summary that no longer holds an exact total, or a sum
// failed: the rows themselves then decide what the report says.
template<typename Read> bool readSummaryRows(QSqlQuery &query, Read read) {
    const int columns = query.record().count();
    while (query.next()) {
        for (int i = 0; i < columns; ++i) {
            if (query.value(i).typeId() == QMetaType::Double)
                return false;
        }
        read(query);
    }
    return !query.lastError().isValid();
}

} // namespace

bool ReportService::perCategoryTotals(const QDate &from, const QDate &to, const QString &accountId,
                                      bool moneyOutOnly,
                                      CountedRows<CategorySpendingRow> *counted) const {
    const auto read = [&](const QSqlQuery &query) {
        counted->rows.append({categoryName(query.value(0)), query.value(1).toLongLong()});
        counted->counts.append(query.value(2).toLongLong());
    };
    QSqlQuery query(m_database->connection());
    const char *cellColumns
        = moneyOutOnly
              ? "category_id AS k, out_total AS total, out_count AS n"
              : "category_id AS k, out_total + in_total AS total, out_count + in_count AS n";
    QByteArray outerSql
        = "SELECT COALESCE(c.name, 'Uncategorized'), SUM(x.total), SUM(x.n) FROM (SELECT k, "
          "SUM(total) AS total, SUM(n) AS n FROM (%INNER%) GROUP BY k) x LEFT JOIN categories c "
          "ON c.id = NULLIF(x.k, '') GROUP BY COALESCE(c.name, 'Uncategorized') HAVING SUM(x.n) "
          "> 0";
    if (moneyOutOnly)
        outerSql += " ORDER BY SUM(x.total) ASC, 1";
    if (runOverSummaries(query, from, to, accountId, "report_category_months",
                         "report_account_category_months", nullptr, cellColumns,
                         "IFNULL(t.category_id, '') AS k, t.amount AS total, 1 AS n",
                         moneyOutOnly ? " AND t.amount < 0" : "", outerSql.constData())) {
        if (readSummaryRows(query, read))
            return succeeded(query);
        *counted = {};
    }
    const bool executed
        = moneyOutOnly
              ? run(query,
                    // Summed per category id from the index first, then named: the join runs
                    // once per category instead of once per transaction.
                    QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(s.total), "
                                   "SUM(s.n) FROM (SELECT t.category_id, SUM(t.amount) AS total, "
                                   "COUNT(*) AS n FROM transactions t WHERE t.deleted_at IS NULL "
                                   "AND t.transfer_link_id IS NULL AND t.amount < 0 AND t.date >= "
                                   "? AND t.date <= ?"),
                    from, to, accountId,
                    " GROUP BY t.category_id) s LEFT JOIN categories c ON s.category_id = c.id "
                    "GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(s.total) ASC, 1")
              : run(query,
                    QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount), "
                                   "COUNT(*) FROM transactions t LEFT JOIN categories c ON "
                                   "t.category_id = c.id WHERE t.deleted_at IS NULL AND "
                                   "t.transfer_link_id IS NULL AND t.date >= "
                                   "? AND t.date <= ?"),
                    from, to, accountId, " GROUP BY COALESCE(c.name, 'Uncategorized')");
    while (executed && query.next())
        read(query);
    return succeeded(query, executed);
}

bool ReportService::taxTotals(const QDate &from, const QDate &to, const QString &accountId,
                              CountedRows<TaxLineRow> *counted) const {
    const auto read = [&](const QSqlQuery &query) {
        counted->rows.append(
            {query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
        counted->counts.append(query.value(3).toLongLong());
    };
    QSqlQuery query(m_database->connection());
    if (runOverSummaries(
            query, from, to, accountId, "report_category_months", "report_account_category_months",
            nullptr, "category_id AS k, out_total + in_total AS total, out_count + in_count AS n",
            "IFNULL(t.category_id, '') AS k, t.amount AS total, 1 AS n", "",
            "SELECT c.name, c.tax_category, SUM(x.total), SUM(x.n) FROM (SELECT k, SUM(total) AS "
            "total, SUM(n) AS n FROM (%INNER%) GROUP BY k) x JOIN categories c ON c.id = "
            "NULLIF(x.k, '') WHERE c.is_tax_relevant = 1 GROUP BY c.name, c.tax_category HAVING "
            "SUM(x.n) > 0 ORDER BY c.tax_category, c.name")) {
        if (readSummaryRows(query, read))
            return succeeded(query);
        *counted = {};
    }
    const bool executed = run(
        query,
        QStringLiteral("SELECT c.name, c.tax_category, SUM(t.amount), COUNT(*) FROM transactions "
                       "t JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS "
                       "NULL AND t.transfer_link_id IS NULL AND c.is_tax_relevant = 1 AND t.date "
                       ">= ? AND t.date <= ?"),
        from, to, accountId, " GROUP BY c.name, c.tax_category ORDER BY c.tax_category, c.name");
    while (executed && query.next())
        read(query);
    return succeeded(query, executed);
}

template<typename Row, typename Matches, typename MakeRow>
bool ReportService::applyAdjustments(CountedRows<Row> *counted,
                                     const QList<SplitAdjustment> &adjustments, Matches matches,
                                     MakeRow makeRow, const char *report) const {
    for (const SplitAdjustment &adjustment : adjustments) {
        const auto found = std::find_if(counted->rows.begin(), counted->rows.end(),
                                        [&](const Row &row) { return matches(row, adjustment); });
        if (found == counted->rows.end()) {
            counted->rows.append(makeRow(adjustment));
            counted->counts.append(adjustment.rows);
            continue;
        }
        if (qAddOverflow(found->total, adjustment.amount, &found->total)) {
            m_lastError = QStringLiteral("integer overflow");
            qCWarning(lcServices) << "ReportService: the" << report << "does not fit";
            return false;
        }
        counted->counts[found - counted->rows.begin()] += adjustment.rows;
    }
    // A category whose only rows were split into others has nothing left to show.
    QList<Row> kept;
    for (qsizetype i = 0; i < counted->rows.size(); ++i) {
        if (counted->counts.at(i) > 0)
            kept.append(counted->rows.at(i));
    }
    counted->rows = kept;
    counted->counts.clear();
    return true;
}

QList<CategorySpendingRow> ReportService::categorySpending(const QDate &from, const QDate &to,
                                                           const QString &accountId) const {
    CountedRows<CategorySpendingRow> counted;
    QList<SplitAdjustment> adjustments;
    if (!perCategoryTotals(from, to, accountId, true, &counted)
        || !splitAdjustments(from, to, accountId, true, &adjustments))
        return {};
    if (adjustments.isEmpty())
        return counted.rows;
    if (!applyAdjustments(
            &counted, adjustments,
            [](const CategorySpendingRow &row, const SplitAdjustment &adjustment) {
                return row.name == adjustment.name;
            },
            [](const SplitAdjustment &adjustment) {
                return CategorySpendingRow{adjustment.name, adjustment.amount};
            },
            "category spending"))
        return {};
    std::stable_sort(counted.rows.begin(), counted.rows.end(),
                     [](const auto &a, const auto &b) { return a.total < b.total; });
    return counted.rows;
}

bool ReportService::splitAdjustments(const QDate &from, const QDate &to, const QString &accountId,
                                     bool moneyOutOnly, QList<SplitAdjustment> *adjustments) const {
    adjustments->clear();
    QString filter
        = QStringLiteral("t.is_split = 1 AND t.deleted_at IS NULL AND t.transfer_link_id IS NULL "
                         "AND t.date >= ? AND t.date <= ?");
    QVariantList filterValues{Timestamps::dateToText(from), Timestamps::dateToText(to)};
    if (!accountId.isEmpty()) {
        filter += QLatin1String(" AND t.account_id = ?");
        filterValues << accountId;
    }
    if (moneyOutOnly)
        filter += QLatin1String(" AND t.amount < 0");
    // Driven by the split lines, which are few: a database without splits pays one empty
    // index probe, and the large transactions table is only looked up by id (CROSS JOIN keeps
    // SQLite from walking the date range of the transactions instead, and from walking every
    // transaction without a transfer link, which it does for "t.id IN (...)").
    const QString sql
        = QStringLiteral(
              "SELECT COALESCE(c.name, 'Uncategorized'), COALESCE(c.tax_category, ''), "
              "COALESCE(c.is_tax_relevant, 0), SUM(x.amount), SUM(x.n) FROM ("
              "SELECT t.category_id AS category_id, -t.amount AS amount, -1 AS n FROM "
              "(SELECT DISTINCT transaction_id AS id FROM split_lines) s CROSS JOIN transactions "
              "t ON t.id = s.id WHERE %1 "
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
    const auto read = [&](const QSqlQuery &query) {
        rows.append(
            {query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt()});
    };
    QSqlQuery query(m_database->connection());
    if (runOverSummaries(query, from, to, accountId, "report_payee_months",
                         "report_account_payee_months", "report_payee_years",
                         "payee AS k, total, count AS n", "t.payee AS k, t.amount AS total, 1 AS n",
                         "",
                         "SELECT k, SUM(total), SUM(n) FROM (%INNER%) GROUP BY k HAVING SUM(n) > "
                         "0 ORDER BY SUM(total) ASC, k")) {
        if (readSummaryRows(query, read))
            return succeeded(query) ? rows : QList<PayeeSummaryRow>();
        rows.clear();
    }
    const bool executed = run(
        query,
        QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE "
                       "t.deleted_at IS NULL AND t.transfer_link_id IS NULL AND t.date >= ? AND "
                       "t.date <= ?"),
        from, to, accountId, " GROUP BY t.payee ORDER BY SUM(t.amount) ASC, t.payee");
    while (executed && query.next())
        read(query);
    if (!succeeded(query, executed))
        rows.clear();
    return rows;
}

QList<TaxLineRow> ReportService::taxReport(const QDate &from, const QDate &to,
                                           const QString &accountId) const {
    CountedRows<TaxLineRow> counted;
    QList<SplitAdjustment> adjustments;
    if (!taxTotals(from, to, accountId, &counted)
        || !splitAdjustments(from, to, accountId, false, &adjustments))
        return {};
    adjustments.erase(std::remove_if(adjustments.begin(), adjustments.end(),
                                     [](const SplitAdjustment &a) { return !a.taxRelevant; }),
                      adjustments.end());
    if (adjustments.isEmpty())
        return counted.rows;
    if (!applyAdjustments(
            &counted, adjustments,
            [](const TaxLineRow &row, const SplitAdjustment &adjustment) {
                return row.categoryName == adjustment.name && row.taxCode == adjustment.taxCode;
            },
            [](const SplitAdjustment &adjustment) {
                return TaxLineRow{adjustment.name, adjustment.taxCode, adjustment.amount};
            },
            "tax report"))
        return {};
    std::stable_sort(
        counted.rows.begin(), counted.rows.end(), [](const TaxLineRow &a, const TaxLineRow &b) {
            return a.taxCode != b.taxCode ? a.taxCode < b.taxCode : a.categoryName < b.categoryName;
        });
    return counted.rows;
}

QList<CashFlowMonthRow> ReportService::cashFlow(const QDate &from, const QDate &to,
                                                const QString &accountId) const {
    QList<CashFlowMonthRow> rows;
    const auto read = [&](const QSqlQuery &query) {
        CashFlowMonthRow row;
        row.month = query.value(0).toString();
        row.income = query.value(1).toLongLong();
        row.expenses = query.value(2).toLongLong();
        row.net = row.income + row.expenses;
        rows.append(row);
    };
    QSqlQuery query(m_database->connection());
    if (runOverSummaries(query, from, to, accountId, "report_category_months",
                         "report_account_category_months", nullptr,
                         "month AS k, in_total AS income, out_total AS expenses, in_count + "
                         "out_count AS n",
                         "strftime('%Y-%m', t.date) AS k, CASE WHEN t.amount > 0 THEN t.amount "
                         "ELSE 0 END AS income, CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END "
                         "AS expenses, 1 AS n",
                         "",
                         "SELECT k, SUM(income), SUM(expenses) FROM (%INNER%) GROUP BY k HAVING "
                         "SUM(n) > 0 ORDER BY k")) {
        if (readSummaryRows(query, read))
            return succeeded(query) ? rows : QList<CashFlowMonthRow>();
        rows.clear();
    }
    const bool executed = run(
        query,
        QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount "
                       "> 0 THEN t.amount ELSE 0 END) AS income, SUM(CASE WHEN t.amount < 0 "
                       "THEN t.amount ELSE 0 END) AS expenses FROM transactions t WHERE "
                       "t.deleted_at IS NULL AND t.transfer_link_id IS NULL AND t.date >= ? AND "
                       "t.date <= ?"),
        from, to, accountId, " GROUP BY month ORDER BY month");
    while (executed && query.next())
        read(query);
    if (!succeeded(query, executed))
        rows.clear();
    return rows;
}

QList<AccountSummaryRow> ReportService::accountSummary() const {
    QList<AccountSummaryRow> rows;
    // False when a balance does not fit (lastError() says so).
    const auto add
        = [&](const QSqlQuery &query, qint64 clearedSum, qint64 unclearedSum, qint64 totalSum) {
              AccountSummaryRow row;
              row.name = query.value(0).toString();
              row.accountType = query.value(1).toString();
              row.currency = currencyFromString(query.value(6).toString());
              const qint64 starting = query.value(2).toLongLong();
              row.unclearedAmount = unclearedSum;
              if (qAddOverflow(starting, clearedSum, &row.clearedBalance)
                  || qAddOverflow(starting, totalSum, &row.balance)) {
                  m_lastError = QStringLiteral("integer overflow");
                  qCWarning(lcServices).noquote()
                      << "ReportService: the balance of" << row.name << "does not fit";
                  return false;
              }
              rows.append(row);
              return true;
          };

    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    if (m_useSummaries) {
        // Each account's total is kept by triggers and its open rows are few: the cleared sum
        // is what remains, so no account is read row by row. Rows whose cleared flag is
        // neither 0 nor 1 count in the balance only, as in the full read.
        bool usable = query.exec(QStringLiteral(
            "SELECT a.name, a.account_type, a.starting_balance, IFNULL(l.total, 0), "
            "IFNULL((SELECT SUM(t.amount) FROM transactions t WHERE t.account_id = a.id AND "
            "t.deleted_at IS NULL AND t.cleared = 0), 0), IFNULL((SELECT SUM(x.amount) FROM "
            "(SELECT t.amount FROM transactions t WHERE t.account_id = a.id AND t.deleted_at IS "
            "NULL AND t.cleared < 0 UNION ALL SELECT t.amount FROM transactions t WHERE "
            "t.account_id = a.id AND t.deleted_at IS NULL AND t.cleared > 0 AND t.cleared < 1 "
            "UNION ALL SELECT t.amount FROM transactions t WHERE t.account_id = a.id AND "
            "t.deleted_at IS NULL AND t.cleared > 1) x), 0), a.currency FROM accounts a LEFT JOIN "
            "account_live_totals l ON l.account_id = a.id WHERE a.deleted_at IS NULL ORDER BY "
            "a.sort_order, a.name, a.id"));
        while (usable && query.next()) {
            // A total that is not an integer overflowed on the way: the rows decide.
            for (int i = 3; i <= 5; ++i)
                usable = usable && query.value(i).typeId() != QMetaType::Double;
            const qint64 total = query.value(3).toLongLong();
            const qint64 uncleared = query.value(4).toLongLong();
            qint64 rest = 0;
            qint64 cleared = 0;
            usable = usable && !qSubOverflow(total, uncleared, &rest)
                     && !qSubOverflow(rest, query.value(5).toLongLong(), &cleared);
            if (usable && !add(query, cleared, uncleared, total))
                return {};
        }
        if (usable && succeeded(query))
            return rows;
        rows.clear();
    }

    const bool executed = query.exec(QStringLiteral(
        "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN "
        "t.cleared = 1 THEN t.amount ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN "
        "t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
        "COALESCE(SUM(t.amount), 0) AS total_sum, a.currency FROM accounts a LEFT JOIN "
        "transactions t ON "
        "t.account_id = a.id AND t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY "
        "a.id ORDER BY a.sort_order, a.name, a.id"));
    while (executed && query.next()) {
        if (!add(query, query.value(3).toLongLong(), query.value(4).toLongLong(),
                 query.value(5).toLongLong()))
            return {};
    }
    if (!succeeded(query, executed))
        rows.clear();
    return rows;
}

QMap<QString, qint64> ReportService::categoryTotals(const QDate &from, const QDate &to,
                                                    const QString &accountId) const {
    CountedRows<CategorySpendingRow> counted;
    QList<SplitAdjustment> adjustments;
    if (!perCategoryTotals(from, to, accountId, false, &counted)
        || !splitAdjustments(from, to, accountId, false, &adjustments))
        return {};
    if (!adjustments.isEmpty()
        && !applyAdjustments(
            &counted, adjustments,
            [](const CategorySpendingRow &row, const SplitAdjustment &adjustment) {
                return row.name == adjustment.name;
            },
            [](const SplitAdjustment &adjustment) {
                return CategorySpendingRow{adjustment.name, adjustment.amount};
            },
            "category totals"))
        return {};
    QMap<QString, qint64> totals;
    for (const CategorySpendingRow &row : counted.rows)
        totals.insert(row.name, row.total);
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
