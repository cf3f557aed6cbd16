// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reports/reportcharts.h"

#include "storage/money.h"

#include "ui/common/styles.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPalette>
#include <QValueAxis>

#include <algorithm>

namespace ReportCharts {

namespace {

QString tr(const char *text, const char *disambiguation = nullptr, int n = -1) {
    return QCoreApplication::translate("ReportCharts", text, disambiguation, n);
}

// More bars than this no longer fit the chart's height with readable names; the smallest
// are added up into one bar instead, so the chart still accounts for all the money.
constexpr int kMostBars = 6;

// One bar (or pair of bars) of a horizontal chart, in major units (dollars, yen).
struct Bar {
    QString name;
    double first = 0;
    double second = 0;
    double size() const { return qMax(qAbs(first), qAbs(second)); }
};

// The largest bars first, the rest folded into the last one.
QList<Bar> largestBars(QList<Bar> bars) {
    std::stable_sort(bars.begin(), bars.end(),
                     [](const Bar &a, const Bar &b) { return a.size() > b.size(); });
    if (bars.size() <= kMostBars)
        return bars;
    Bar rest;
    const int kept = kMostBars - 1;
    rest.name = tr("%n other categories", nullptr, int(bars.size()) - kept);
    for (int i = kept; i < bars.size(); ++i) {
        rest.first += bars.at(i).first;
        rest.second += bars.at(i).second;
    }
    bars.erase(bars.begin() + kept, bars.end());
    bars << rest;
    return bars;
}

double majorUnits(qint64 amount, Currency currency) {
    return double(amount) / double(minorPerMajor(currency));
}

// The amount colours of the register, so a chart says "in" and "out" the way the rest of
// the program does.
struct Colours {
    QColor text;
    QColor grid;
    QColor background;
    QColor income;
    QColor expense;
    QColor net;
    QColor accent;
    QColor muted;
};

Colours coloursFor(const QPalette &palette) {
    Colours c;
    c.text = palette.color(QPalette::WindowText);
    c.grid = palette.color(QPalette::Mid);
    c.background = palette.color(QPalette::Base);
    c.income = Styles::positiveColour(palette);
    c.expense = Styles::negativeColour(palette);
    c.net = Styles::warningColour(palette);
    c.accent = Styles::accentColour();
    c.muted = QColor(Styles::mutedColour());
    return c;
}

QChart *newChart(const Colours &colours) {
    auto *chart = new QChart;
    chart->setBackgroundBrush(colours.background);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(4, 4, 4, 4));
    chart->legend()->setLabelColor(colours.text);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

void styleAxis(QAbstractAxis *axis, const Colours &colours) {
    axis->setLabelsColor(colours.text);
    axis->setLinePenColor(colours.grid);
    axis->setGridLineColor(colours.grid);
}

// A money axis that always shows zero, so bars of either sign start from a visible line.
QValueAxis *moneyAxis(double low, double high, const Colours &colours) {
    auto *axis = new QValueAxis;
    low = qMin(low, 0.0);
    high = qMax(high, 0.0);
    if (low == high)
        high = low + 1.0;
    axis->setRange(low, high);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%.0f"));
    styleAxis(axis, colours);
    return axis;
}

// Axis labels and legend entries are drawn as rich text; a category is named as typed.
QString axisLabel(const QString &name) {
    return name.toHtmlEscaped();
}

QBarSet *barSet(const QString &name, const QColor &colour) {
    auto *set = new QBarSet(axisLabel(name));
    set->setColor(colour);
    set->setBorderColor(colour);
    return set;
}

// Two bars per category, first and second, the largest pair at the top. Takes the sets.
QChart *pairedBars(QList<Bar> bars, QBarSet *first, QBarSet *second, const Colours &colours) {
    QChart *chart = newChart(colours);
    if (bars.isEmpty()) {
        delete first;
        delete second;
        return chart;
    }
    bars = largestBars(bars);
    QStringList names;
    double low = 0;
    double high = 0;
    // Last first, so that the largest pair is at the top.
    for (auto bar = bars.crbegin(); bar != bars.crend(); ++bar) {
        names << axisLabel(bar->name);
        *first << bar->first;
        *second << bar->second;
        low = std::min({low, bar->first, bar->second});
        high = std::max({high, bar->first, bar->second});
    }
    auto *series = new QHorizontalBarSeries;
    series->append(first);
    series->append(second);
    chart->addSeries(series);

    auto *categories = new QBarCategoryAxis;
    categories->append(names);
    categories->setGridLineVisible(false);
    styleAxis(categories, colours);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    QValueAxis *money = moneyAxis(low, high, colours);
    chart->addAxis(money, Qt::AlignBottom);
    series->attachAxis(money);
    chart->legend()->setAlignment(Qt::AlignTop);
    return chart;
}

} // namespace

QChart *categorySpending(const QList<CategorySpendingRow> &rows, const QPalette &palette,
                         Currency currency) {
    const Colours colours = coloursFor(palette);
    QChart *chart = newChart(colours);
    if (rows.isEmpty())
        return chart;
    QList<Bar> bars;
    for (const CategorySpendingRow &row : rows)
        bars << Bar{row.name, -majorUnits(row.total, currency)};
    bars = largestBars(bars);
    // Horizontal bars are drawn from the bottom up (a category axis cannot be reversed), so
    // they go in last first to put the largest at the top.
    QBarSet *spent = barSet(tr("Spent"), colours.accent);
    QStringList names;
    double high = 0;
    for (auto bar = bars.crbegin(); bar != bars.crend(); ++bar) {
        names << axisLabel(bar->name);
        *spent << bar->first;
        high = qMax(high, bar->first);
    }
    auto *series = new QHorizontalBarSeries;
    series->append(spent);
    chart->addSeries(series);
    chart->legend()->setVisible(false);

    auto *categories = new QBarCategoryAxis;
    categories->append(names);
    categories->setGridLineVisible(false);
    styleAxis(categories, colours);
    chart->addAxis(categories, Qt::AlignLeft);
    series->attachAxis(categories);
    QValueAxis *money = moneyAxis(0, high, colours);
    chart->addAxis(money, Qt::AlignBottom);
    series->attachAxis(money);
    return chart;
}

QChart *cashFlow(const QList<CashFlowMonthRow> &rows, const QPalette &palette, Currency currency) {
    const Colours colours = coloursFor(palette);
    QChart *chart = newChart(colours);
    if (rows.isEmpty())
        return chart;
    QBarSet *income = barSet(tr("Income"), colours.income);
    QBarSet *expenses = barSet(tr("Expenses"), colours.expense);
    auto *net = new QLineSeries;
    net->setName(tr("Net"));
    QPen pen(colours.net);
    pen.setWidth(2);
    net->setPen(pen);
    net->setPointsVisible(true);
    QStringList months;
    double low = 0;
    double high = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const CashFlowMonthRow &row = rows.at(i);
        months << row.month;
        // Expenses as the height of money going out, beside the money coming in.
        *income << majorUnits(row.income, currency);
        *expenses << -majorUnits(row.expenses, currency);
        net->append(i, majorUnits(row.net, currency));
        high = std::max({high, majorUnits(row.income, currency),
                         -majorUnits(row.expenses, currency), majorUnits(row.net, currency)});
        low = qMin(low, majorUnits(row.net, currency));
    }
    auto *bars = new QBarSeries;
    bars->append(income);
    bars->append(expenses);
    chart->addSeries(bars);
    chart->addSeries(net);

    auto *axisMonths = new QBarCategoryAxis;
    axisMonths->append(months);
    axisMonths->setGridLineVisible(false);
    styleAxis(axisMonths, colours);
    chart->addAxis(axisMonths, Qt::AlignBottom);
    bars->attachAxis(axisMonths);
    net->attachAxis(axisMonths);
    QValueAxis *money = moneyAxis(low, high, colours);
    chart->addAxis(money, Qt::AlignLeft);
    bars->attachAxis(money);
    net->attachAxis(money);
    chart->legend()->setAlignment(Qt::AlignTop);
    return chart;
}

QChart *periodComparison(const QList<PeriodComparisonRow> &rows, const QString &firstName,
                         const QString &secondName, const QPalette &palette, Currency currency) {
    const Colours colours = coloursFor(palette);
    QList<Bar> bars;
    for (const PeriodComparisonRow &row : rows)
        bars << Bar{row.categoryName, majorUnits(row.period1Total, currency),
                    majorUnits(row.period2Total, currency)};
    return pairedBars(bars, barSet(firstName, colours.muted), barSet(secondName, colours.accent),
                      colours);
}

QChart *budget(const QList<BudgetLine> &lines, const QPalette &palette, Currency currency) {
    const Colours colours = coloursFor(palette);
    QList<Bar> bars;
    for (const BudgetLine &line : lines) {
        // Children are inside their parent's bar.
        if (line.depth == 0 && !line.isBlank())
            bars << Bar{line.name, majorUnits(line.budget + line.carried, currency),
                        majorUnits(line.spent, currency)};
    }
    return pairedBars(bars, barSet(tr("Budget and carried in"), colours.muted),
                      barSet(tr("Spent"), colours.accent), colours);
}

void show(QChartView *view, QChart *chart) {
    QChart *previous = view->chart();
    view->setChart(chart);
    delete previous;
}

} // namespace ReportCharts
