// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/ledgerwriter.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class BudgetRepository;
class Database;

// One expense category in a month's budget. Money in minor units; spent is positive for money
// out, the way a budget reads, so remaining = budget + carried - spent.
struct BudgetLine {
    QString categoryId;
    QString name;
    QString parentId; // empty at the top level
    int depth = 0;
    // The category has a budget of its own this month; a parent without one sums its
    // children.
    bool ownBudget = false;
    bool rollover = false;
    qint64 budget = 0;
    qint64 carried = 0; // left over from last month and carried in
    qint64 spent = 0;   // this category's and its sub-categories'
    qint64 remaining = 0;

    // Nothing budgeted, carried or spent: lists of a month leave such a line out.
    bool isBlank() const { return budget == 0 && carried == 0 && spent == 0; }
};

// A month, or the months of a period added up: budgets and spending summed over the months,
// carried = what came into the first month from before.
struct BudgetMonth {
    QDate month;             // the first day
    QDate lastMonth;         // the first day of the last month; month for a single month
    QList<BudgetLine> lines; // parents before their children, by name
    // Over the top-level lines, so that a child is not counted twice.
    qint64 totalBudget = 0;
    qint64 totalCarried = 0;
    qint64 totalSpent = 0;
    qint64 totalRemaining = 0;
    // False when a read failed; the lines are empty then.
    bool ok = false;
};

// Monthly budgets of the expense categories, read against what was spent. Spent comes from
// the same monthly summaries and split lines as the category spending report, so the two
// agree for every month. Writes go through the LedgerWriter.
class BudgetService : public QObject {
    Q_OBJECT

public:
    BudgetService(Database *database, LedgerWriter *writer, QObject *parent = nullptr);

    // The month holding day.
    BudgetMonth month(const QDate &day) const;
    // The whole months from the one holding from to the one holding to, budget against
    // spending: what the budget report shows for a period. A month counts whole even when
    // the period takes only part of it, as its budget is for the whole month.
    BudgetMonth period(const QDate &from, const QDate &to) const;

    // Gives the month holding day the budgets of the month before (amount and rollover),
    // replacing the ones it has for those categories. *count receives how many were copied.
    LedgerWriter::Result copyPreviousMonth(const QDate &day, int *count = nullptr);
    // Budgets each category at what it spent on average over the three months before (a
    // month without spending counts as nothing spent); categories that spent nothing keep
    // their budget. A parent gets one of its own only where money was booked on it directly,
    // then over everything below it as well.
    LedgerWriter::Result fillFromAverage(const QDate &day, int *count = nullptr);

    // Budgets carry no currency of their own: they are read in that of the first account in
    // the sidebar, as the reports add up accounts of one currency. USD without accounts.
    Currency currency() const;

    static QString monthKey(const QDate &day);

private:
    struct CategoryNode {
        QString id;
        QString name;
        QString parentId;
        QList<int> children;
    };
    // Live expense categories with their tree; roots in *roots. False when the read failed.
    bool readCategories(QList<CategoryNode> *nodes, QList<int> *roots) const;
    // Money out per "month|category" key for the months between from and to (first days),
    // positive; false when the read failed.
    bool readSpent(const QDate &from, const QDate &to, QHash<QString, qint64> *spent) const;

    Database *m_database;        // Not owned.
    LedgerWriter *m_writer;      // Not owned.
    BudgetRepository *m_budgets; // Owned (Qt child).
};
