// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/budgetservice.h"
#include "services/reportrows.h"

#include <QList>
#include <QString>

class QChart;
class QChartView;
class QPalette;

// The pictures above the report tables: the same rows as the table, in major units of one
// currency, coloured
// from the palette so that they read on the light and the dark theme alike. Bar charts show
// the largest bars at the top; beyond six, the smallest are added up into one bar.
namespace ReportCharts {

// Horizontal bars of the money spent per category, the largest at the top.
QChart *categorySpending(const QList<CategorySpendingRow> &rows, const QPalette &palette,
                         Currency currency = Currency::USD);
// Income and expense bars per month, with the net as a line across them.
QChart *cashFlow(const QList<CashFlowMonthRow> &rows, const QPalette &palette,
                 Currency currency = Currency::USD);
// The two periods' net totals side by side per category, the largest pair at the top.
QChart *periodComparison(const QList<PeriodComparisonRow> &rows, const QString &firstName,
                         const QString &secondName, const QPalette &palette,
                         Currency currency = Currency::USD);

// What each top-level category had to spend (budget and carried in) beside what it spent, the
// largest pair at the top.
QChart *budget(const QList<BudgetLine> &lines, const QPalette &palette,
               Currency currency = Currency::USD);

// Puts chart into view (which then owns it) and deletes the chart it showed before.
void show(QChartView *view, QChart *chart);

} // namespace ReportCharts
