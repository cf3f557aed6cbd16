// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/budgetservice.h"
#include "services/reportrows.h"
#include "storage/enums.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class AppState;
class BudgetService;
class QChartView;
class QLabel;
class QTableWidget;
class QWidget;

// Reads the reports of the reports window and puts them into their tables and charts. Over
// accounts of several currencies each currency's rows stay apart, so that no figure adds yen
// to dollars; the charts draw the first currency's rows, as one axis holds one currency.
class ReportFiller {
    Q_DECLARE_TR_FUNCTIONS(ReportFiller)

public:
    // Where the reports go: a table per tab, in the order of ReportsScreen::Tab, and the
    // charts above some of them.
    struct Views {
        QList<QTableWidget *> tables;
        QChartView *spendingChart = nullptr;
        QChartView *cashFlowChart = nullptr;
        QChartView *comparisonChart = nullptr;
        QChartView *budgetChart = nullptr;
        QLabel *budgetMonths = nullptr;
    };

    // What the reports are read for. An empty accountId means every account; comparison holds
    // the compared periods' dates: P1 from, P1 to, P2 from, P2 to.
    struct Filter {
        QString accountId;
        QDate from;
        QDate to;
        QList<QDate> comparison;
    };

    // The accounts a report reads, one group per currency. A group with no ids stands for
    // every account (all in one currency).
    struct CurrencyGroup {
        Currency currency = Currency::USD;
        QStringList accountIds;
    };

    // screen gives the palette the charts are coloured from and owns the budget reader.
    ReportFiller(AppState *state, QWidget *screen, const Views &views);

    // Reads the tab's report into its table and chart; false when the read failed, so that
    // an empty table is not taken for a period without rows.
    bool fill(int tab, const Filter &filter);
    // Draws the charts again from the rows they last showed, as after a change of theme.
    void redrawCharts();

private:
    void fillCategorySpending(const Filter &filter);
    void fillPayeeSummary(const Filter &filter);
    void fillTaxReport(const Filter &filter);
    void fillCashFlow(const Filter &filter);
    void fillComparison(const Filter &filter);
    void fillAccountSummary();
    // False when the budgets could not be read.
    bool fillBudget(const Filter &filter);
    void showComparisonChart();
    QList<CurrencyGroup> currencyGroups(const QString &accountId) const;
    // A report over accounts of several currencies names the currency in a column of its
    // own (also in the export).
    static void showCurrencyColumn(QTableWidget *table, int baseColumns, bool shown);

    AppState *m_state;                  // Not owned.
    QWidget *m_screen;                  // Not owned.
    Views m_views;                      // All owned by the screen.
    BudgetService *m_budgets = nullptr; // Owned by the screen (Qt child).
    // The rows the charts show, kept to draw them again when the theme changes.
    QList<CategorySpendingRow> m_spendingRows;
    QList<CashFlowMonthRow> m_cashFlowRows;
    QList<PeriodComparisonRow> m_comparisonRows;
    QList<BudgetLine> m_budgetLines;
    Currency m_spendingCurrency = Currency::USD;
    Currency m_cashFlowCurrency = Currency::USD;
    Currency m_comparisonCurrency = Currency::USD;
    Currency m_budgetCurrency = Currency::USD;
};
