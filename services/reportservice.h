// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/reportrows.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Database;
class QSqlQuery;

// The read-only aggregates behind the reports screen. Date ranges are inclusive at both
// ends; an empty account id means every account. Soft-deleted transactions never count, nor
// do the legs of a transfer except in the account summary: money moved between one's own
// accounts is neither spent nor earned.
// A query that fails gives an empty result, and lastError() tells it from a period without
// transactions (an amount total beyond 64 bits fails the read rather than coming out as 0).
class ReportService : public QObject {
    Q_OBJECT

public:
    explicit ReportService(Database *database, QObject *parent = nullptr);

    // Money out only, most spent first; no category is "Uncategorized".
    QList<CategorySpendingRow> categorySpending(const QDate &from, const QDate &to,
                                                const QString &accountId = QString()) const;
    // Money in and out, largest net outflow first.
    QList<PayeeSummaryRow> payeeSummary(const QDate &from, const QDate &to,
                                        const QString &accountId = QString()) const;
    // Tax-relevant categories of every account.
    // accountId empty: every account (the screen's filter does not apply to this report; the
    // screen reads one account at a time only to keep currencies apart).
    QList<TaxLineRow> taxReport(const QDate &from, const QDate &to,
                                const QString &accountId = QString()) const;
    // One row per month that has transactions.
    QList<CashFlowMonthRow> cashFlow(const QDate &from, const QDate &to,
                                     const QString &accountId = QString()) const;
    // Every live account, in the sidebar's order.
    QList<AccountSummaryRow> accountSummary() const;
    // Net total per category name.
    QMap<QString, qint64> categoryTotals(const QDate &from, const QDate &to,
                                         const QString &accountId = QString()) const;
    // Every category of either period, by name (case-sensitive order).
    QList<PeriodComparisonRow> comparePeriods(const QDate &from1, const QDate &to1,
                                              const QDate &from2, const QDate &to2,
                                              const QString &accountId = QString()) const;

    // Why the last report read failed; empty when it succeeded.
    QString lastError() const { return m_lastError; }

    // Whether the months a range covers whole are read from the monthly summaries the
    // database keeps (the default) or every report adds up the transactions themselves. Both
    // give the same rows; the second is the reference the first is checked against.
    void setUseSummaries(bool use) { m_useSummaries = use; }

    // Every cell quoted, quotes doubled, line feeds only, no byte-order mark; a cell that a
    // spreadsheet would run as a formula gets a leading apostrophe.
    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows);
    // One line of that text, line feed included: for writers that send rows as they come.
    static QString csvLine(const QStringList &cells);

private:
    // The first rows of a per-category report with, for each, how many transactions made it.
    template<typename Row> struct CountedRows {
        QList<Row> rows;
        QList<qint64> counts;
    };

    // What the split transactions of a range change in a per-category report: each one is
    // taken back from the row's own category and counted again per line. Only rows marked
    // split whose lines this device holds take part.
    struct SplitAdjustment {
        QString name; // the category's name, or "Uncategorized"
        QString taxCode;
        bool taxRelevant = false;
        qint64 amount = 0;
        qint64 rows = 0; // rows gained (lines) minus rows taken back (split transactions)
    };
    // False when the read failed (lastError() says why).
    bool splitAdjustments(const QDate &from, const QDate &to, const QString &accountId,
                          bool moneyOutOnly, QList<SplitAdjustment> *adjustments) const;

    // Adds the split adjustments to the rows they match (or as new rows) and drops the rows
    // left without transactions; false when a total no longer fits.
    template<typename Row, typename Matches, typename MakeRow>
    bool applyAdjustments(CountedRows<Row> *counted, const QList<SplitAdjustment> &adjustments,
                          Matches matches, MakeRow makeRow, const char *report) const;

    // The per-category sums before split adjustments; false when the read
    // failed (lastError() says why). Each tries the monthly summaries first.
    // moneyOutOnly: the spending (rows with amount < 0, most spent first); otherwise the net
    // total of every row.
    bool perCategoryTotals(const QDate &from, const QDate &to, const QString &accountId,
                           bool moneyOutOnly, CountedRows<CategorySpendingRow> *counted) const;
    bool taxTotals(const QDate &from, const QDate &to, const QString &accountId,
                   CountedRows<TaxLineRow> *counted) const;

    // Runs a report over the monthly summaries of the whole months in the range and the
    // transactions of the days around them (with a year table, whole years of every account
    // come from it). cellColumns and rowColumns are what a summary cell and a transaction
    // give; outerSql adds them up and holds "%INNER%" where they go.
    // False, having changed nothing the caller shows, when the summaries cannot stand in for
    // the transactions here: then the caller reads the transactions.
    bool runOverSummaries(QSqlQuery &query, const QDate &from, const QDate &to,
                          const QString &accountId, const char *allAccountsTable,
                          const char *accountTable, const char *yearTable, const char *cellColumns,
                          const char *rowColumns, const char *rowFilter,
                          const char *outerSql) const;

    // Appends the optional account condition and runs the statement.
    bool run(QSqlQuery &query, QString sql, const QDate &from, const QDate &to,
             const QString &accountId, const char *tail) const;

    // Records why query failed (when it did) and logs it; true when it did not.
    bool succeeded(const QSqlQuery &query, bool executed = true) const;

    Database *m_database; // Not owned.
    mutable QString m_lastError;
    bool m_useSummaries = true;
};
