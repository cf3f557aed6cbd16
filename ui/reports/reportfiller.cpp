// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reports/reportfiller.h"

#include "app/appstate.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "ui/common/styles.h"
#include "ui/presentation/accountpresentation.h"
#include "ui/reports/reportcells.h"
#include "ui/reports/reportcharts.h"
#include "ui/reports/reportsscreen.h"

#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QWidget>

#include <algorithm>
#include <map>
#include <utility>

namespace {

using ReportCells::money;
using ReportCells::number;
using ReportCells::text;

// The rows of one report per currency: read for every account at once when they share one
// currency, else read per account and added up by key within each currency.
template<typename Row> struct CurrencyRows {
    Currency currency;
    QList<Row> rows;
};

template<typename Row, typename Read, typename KeyOf, typename Add, typename Less>
QList<CurrencyRows<Row>> readPerCurrency(const QList<ReportFiller::CurrencyGroup> &groups,
                                         Read read, KeyOf keyOf, Add add, Less less) {
    QList<CurrencyRows<Row>> result;
    for (const ReportFiller::CurrencyGroup &group : groups) {
        CurrencyRows<Row> rows{group.currency, {}};
        if (group.accountIds.size() <= 1) {
            rows.rows = read(group.accountIds.value(0));
        } else {
            QHash<QString, qsizetype> at;
            for (const QString &accountId : group.accountIds) {
                for (const Row &row : read(accountId)) {
                    const QString key = keyOf(row);
                    const auto found = at.constFind(key);
                    if (found == at.constEnd()) {
                        at.insert(key, rows.rows.size());
                        rows.rows.append(row);
                    } else {
                        add(rows.rows[*found], row);
                    }
                }
            }
            std::stable_sort(rows.rows.begin(), rows.rows.end(), less);
        }
        if (!rows.rows.isEmpty())
            result.append(rows);
    }
    return result;
}

template<typename Row> int rowCountOf(const QList<CurrencyRows<Row>> &groups) {
    int count = 0;
    for (const CurrencyRows<Row> &group : groups)
        count += int(group.rows.size());
    return count;
}

// The rows of the first currency, for the charts: one axis holds one currency.
template<typename Row> QList<Row> firstRows(const QList<CurrencyRows<Row>> &groups) {
    return groups.isEmpty() ? QList<Row>() : groups.first().rows;
}

template<typename Row> Currency firstCurrency(const QList<CurrencyRows<Row>> &groups) {
    return groups.isEmpty() ? Currency::USD : groups.first().currency;
}

// Replaces a table's rows while drawing it once.
class TableFill {
public:
    TableFill(QTableWidget *table, int rows)
        : m_table(table) {
        m_table->setUpdatesEnabled(false);
        m_table->clearContents();
        m_table->setRowCount(rows);
    }
    ~TableFill() { m_table->setUpdatesEnabled(true); }
    void set(int row, int column, QTableWidgetItem *item) { m_table->setItem(row, column, item); }

private:
    QTableWidget *m_table;
};

} // namespace

ReportFiller::ReportFiller(AppState *state, QWidget *screen, const Views &views)
    : m_state(state)
    , m_screen(screen)
    , m_views(views)
    , m_budgets(new BudgetService(state->database(), state->ledger(), screen)) {}

bool ReportFiller::fill(int tab, const Filter &filter) {
    switch (tab) {
    case ReportsScreen::CategorySpendingTab:
        fillCategorySpending(filter);
        break;
    case ReportsScreen::PayeeSummaryTab:
        fillPayeeSummary(filter);
        break;
    case ReportsScreen::TaxReportTab:
        fillTaxReport(filter);
        break;
    case ReportsScreen::CashFlowTab:
        fillCashFlow(filter);
        break;
    case ReportsScreen::YearOverYearTab:
        fillComparison(filter);
        break;
    case ReportsScreen::BudgetTab:
        return fillBudget(filter);
    default:
        fillAccountSummary();
        break;
    }
    return m_state->reportService()->lastError().isEmpty();
}

void ReportFiller::showCurrencyColumn(QTableWidget *table, int baseColumns, bool shown) {
    table->setColumnCount(baseColumns + (shown ? 1 : 0));
    if (shown)
        table->setHorizontalHeaderItem(baseColumns, new QTableWidgetItem(tr("Currency")));
}

QList<ReportFiller::CurrencyGroup> ReportFiller::currencyGroups(const QString &chosen) const {
    AccountRepository *accounts = m_state->accountRepository();
    if (!chosen.isEmpty())
        return {{accounts->currencyOf(chosen), {chosen}}};
    std::map<int, CurrencyGroup> byCurrency;
    for (const Account &account : accounts->findAll()) {
        CurrencyGroup &group = byCurrency[int(account.currency)];
        group.currency = account.currency;
        group.accountIds << account.id;
    }
    if (byCurrency.size() <= 1)
        return {{byCurrency.empty() ? Currency::USD : byCurrency.begin()->second.currency, {}}};
    QList<CurrencyGroup> groups;
    for (const auto &entry : byCurrency)
        groups << entry.second;
    return groups;
}

void ReportFiller::fillCategorySpending(const Filter &filter) {
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<CategorySpendingRow>(
        currencyGroups(filter.accountId),
        [&](const QString &id) { return reports->categorySpending(filter.from, filter.to, id); },
        [](const CategorySpendingRow &row) { return row.name; },
        [](CategorySpendingRow &sum, const CategorySpendingRow &row) { sum.total += row.total; },
        [](const CategorySpendingRow &a, const CategorySpendingRow &b) {
            return a.total != b.total ? a.total < b.total : a.name < b.name;
        });
    QTableWidget *table = m_views.tables.at(ReportsScreen::CategorySpendingTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 2, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const CategorySpendingRow &row : group.rows) {
            fill.set(r, 0, text(row.name));
            fill.set(r, 1, money(row.total, group.currency));
            if (mixed)
                fill.set(r, 2, text(currencyToString(group.currency)));
            ++r;
        }
    }
    m_spendingRows = firstRows(groups);
    m_spendingCurrency = firstCurrency(groups);
    ReportCharts::show(
        m_views.spendingChart,
        ReportCharts::categorySpending(m_spendingRows, m_screen->palette(), m_spendingCurrency));
}

void ReportFiller::fillPayeeSummary(const Filter &filter) {
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<PayeeSummaryRow>(
        currencyGroups(filter.accountId),
        [&](const QString &id) { return reports->payeeSummary(filter.from, filter.to, id); },
        [](const PayeeSummaryRow &row) { return row.payee; },
        [](PayeeSummaryRow &sum, const PayeeSummaryRow &row) {
            sum.total += row.total;
            sum.count += row.count;
        },
        [](const PayeeSummaryRow &a, const PayeeSummaryRow &b) {
            return a.total != b.total ? a.total < b.total : a.payee < b.payee;
        });
    QTableWidget *table = m_views.tables.at(ReportsScreen::PayeeSummaryTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 3, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const PayeeSummaryRow &row : group.rows) {
            fill.set(r, 0, text(row.payee));
            fill.set(r, 1, money(row.total, group.currency));
            fill.set(r, 2, number(QString::number(row.count)));
            if (mixed)
                fill.set(r, 3, text(currencyToString(group.currency)));
            ++r;
        }
    }
}

void ReportFiller::fillTaxReport(const Filter &filter) {
    ReportService *reports = m_state->reportService();
    // The account filter does not apply to this report.
    const auto groups = readPerCurrency<TaxLineRow>(
        currencyGroups(QString()),
        [&](const QString &id) { return reports->taxReport(filter.from, filter.to, id); },
        [](const TaxLineRow &row) { return row.taxCode + QLatin1Char('\n') + row.categoryName; },
        [](TaxLineRow &sum, const TaxLineRow &row) { sum.total += row.total; },
        [](const TaxLineRow &a, const TaxLineRow &b) {
            return a.taxCode != b.taxCode ? a.taxCode < b.taxCode : a.categoryName < b.categoryName;
        });
    QTableWidget *table = m_views.tables.at(ReportsScreen::TaxReportTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 3, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const TaxLineRow &row : group.rows) {
            fill.set(r, 0, text(row.categoryName));
            fill.set(r, 1, text(row.taxCode));
            fill.set(r, 2, money(row.total, group.currency));
            if (mixed)
                fill.set(r, 3, text(currencyToString(group.currency)));
            ++r;
        }
    }
}

void ReportFiller::fillCashFlow(const Filter &filter) {
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<CashFlowMonthRow>(
        currencyGroups(filter.accountId),
        [&](const QString &id) { return reports->cashFlow(filter.from, filter.to, id); },
        [](const CashFlowMonthRow &row) { return row.month; },
        [](CashFlowMonthRow &sum, const CashFlowMonthRow &row) {
            sum.income += row.income;
            sum.expenses += row.expenses;
            sum.net += row.net;
        },
        [](const CashFlowMonthRow &a, const CashFlowMonthRow &b) { return a.month < b.month; });
    QTableWidget *table = m_views.tables.at(ReportsScreen::CashFlowTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 4, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const CashFlowMonthRow &row : group.rows) {
            fill.set(r, 0, text(row.month));
            fill.set(r, 1, money(row.income, group.currency));
            fill.set(r, 2, money(row.expenses, group.currency));
            fill.set(r, 3, money(row.net, group.currency));
            if (mixed)
                fill.set(r, 4, text(currencyToString(group.currency)));
            ++r;
        }
    }
    m_cashFlowRows = firstRows(groups);
    m_cashFlowCurrency = firstCurrency(groups);
    ReportCharts::show(
        m_views.cashFlowChart,
        ReportCharts::cashFlow(m_cashFlowRows, m_screen->palette(), m_cashFlowCurrency));
}

void ReportFiller::fillComparison(const Filter &filter) {
    const QList<QDate> &dates = filter.comparison;
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<PeriodComparisonRow>(
        currencyGroups(filter.accountId),
        [&](const QString &id) {
            return reports->comparePeriods(dates.at(0), dates.at(1), dates.at(2), dates.at(3), id);
        },
        [](const PeriodComparisonRow &row) { return row.categoryName; },
        [](PeriodComparisonRow &sum, const PeriodComparisonRow &row) {
            sum.period1Total += row.period1Total;
            sum.period2Total += row.period2Total;
            sum.difference += row.difference;
        },
        [](const PeriodComparisonRow &a, const PeriodComparisonRow &b) {
            return a.categoryName < b.categoryName;
        });
    QTableWidget *table = m_views.tables.at(ReportsScreen::YearOverYearTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 4, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const PeriodComparisonRow &row : group.rows) {
            fill.set(r, 0, text(row.categoryName));
            fill.set(r, 1, money(row.period1Total, group.currency));
            fill.set(r, 2, money(row.period2Total, group.currency));
            fill.set(r, 3, money(row.difference, group.currency));
            if (mixed)
                fill.set(r, 4, text(currencyToString(group.currency)));
            ++r;
        }
    }
    m_comparisonRows = firstRows(groups);
    m_comparisonCurrency = firstCurrency(groups);
    showComparisonChart();
}

void ReportFiller::showComparisonChart() {
    ReportCharts::show(m_views.comparisonChart,
                       ReportCharts::periodComparison(m_comparisonRows, tr("Period 1"),
                                                      tr("Period 2"), m_screen->palette(),
                                                      m_comparisonCurrency));
}

void ReportFiller::fillAccountSummary() {
    const QList<AccountSummaryRow> rows = m_state->reportService()->accountSummary();
    bool mixed = false;
    for (const AccountSummaryRow &row : rows)
        mixed = mixed || row.currency != rows.first().currency;
    QTableWidget *table = m_views.tables.at(ReportsScreen::AccountSummaryTab);
    showCurrencyColumn(table, 5, mixed);
    TableFill fill(table, int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const AccountSummaryRow &row = rows.at(r);
        fill.set(r, 0, text(row.name));
        fill.set(r, 1, text(AccountPresentation::typeName(accountTypeFromString(row.accountType))));
        fill.set(r, 2, money(row.clearedBalance, row.currency));
        fill.set(r, 3, money(row.unclearedAmount, row.currency));
        fill.set(r, 4, money(row.balance, row.currency));
        if (mixed)
            fill.set(r, 5, text(currencyToString(row.currency)));
    }
}

bool ReportFiller::fillBudget(const Filter &filter) {
    const BudgetMonth data = m_budgets->period(filter.from, filter.to);
    m_budgetCurrency = m_budgets->currency();
    m_budgetLines.clear();
    for (const BudgetLine &line : data.lines) {
        if (!line.isBlank())
            m_budgetLines << line;
    }
    const auto monthName
        = [](const QDate &month) { return QLocale().toString(month, QStringLiteral("MMMM yyyy")); };
    QLabel *months = m_views.budgetMonths;
    if (!data.ok)
        months->clear();
    else if (data.month == data.lastMonth)
        months->setText(tr("Budgets of %1").arg(monthName(data.month)));
    else
        months->setText(tr("Budgets of the whole months %1 – %2")
                            .arg(monthName(data.month), monthName(data.lastMonth)));

    QTableWidget *table = m_views.tables.at(ReportsScreen::BudgetTab);
    const QColor over = Styles::negativeColour(m_screen->palette());
    TableFill fill(table, m_budgetLines.isEmpty() ? 0 : int(m_budgetLines.size()) + 1);
    const auto setRow = [&](int r, const QString &name, qint64 budget, qint64 carried, qint64 spent,
                            qint64 remaining, bool total) {
        QList<QTableWidgetItem *> items{
            text(name), money(budget, m_budgetCurrency), money(carried, m_budgetCurrency),
            money(spent, m_budgetCurrency), money(remaining, m_budgetCurrency)};
        for (int c = 0; c < items.size(); ++c) {
            QTableWidgetItem *item = items.at(c);
            if (remaining < 0)
                item->setForeground(over);
            if (total) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            fill.set(r, c, item);
        }
    };
    int r = 0;
    for (const BudgetLine &line : std::as_const(m_budgetLines)) {
        setRow(r++, QString(line.depth * 4, QLatin1Char(' ')) + line.name, line.budget,
               line.carried, line.spent, line.remaining, false);
    }
    if (!m_budgetLines.isEmpty())
        setRow(r, tr("Total"), data.totalBudget, data.totalCarried, data.totalSpent,
               data.totalRemaining, true);
    ReportCharts::show(m_views.budgetChart,
                       ReportCharts::budget(m_budgetLines, m_screen->palette(), m_budgetCurrency));
    return data.ok;
}

void ReportFiller::redrawCharts() {
    const QPalette palette = m_screen->palette();
    ReportCharts::show(m_views.spendingChart,
                       ReportCharts::categorySpending(m_spendingRows, palette, m_spendingCurrency));
    ReportCharts::show(m_views.cashFlowChart,
                       ReportCharts::cashFlow(m_cashFlowRows, palette, m_cashFlowCurrency));
    showComparisonChart();
    ReportCharts::show(m_views.budgetChart,
                       ReportCharts::budget(m_budgetLines, palette, m_budgetCurrency));
}
