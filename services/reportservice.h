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
// ends; an empty account id means every account. Soft-deleted transactions never count.
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
    QList<TaxLineRow> taxReport(const QDate &from, const QDate &to) const;
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

    // Every cell quoted, quotes doubled, line feeds only, no byte-order mark; a cell that a
    // spreadsheet would run as a formula gets a leading apostrophe.
    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows);
    // One line of that text, line feed included: for writers that send rows as they come.
    static QString csvLine(const QStringList &cells);

private:
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

    // Appends the optional account condition and runs the statement.
    bool run(QSqlQuery &query, QString sql, const QDate &from, const QDate &to,
             const QString &accountId, const char *tail) const;

    // Records why query failed (when it did) and logs it; true when it did not.
    bool succeeded(const QSqlQuery &query, bool executed = true) const;

    Database *m_database; // Not owned.
    mutable QString m_lastError;
};
