// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reports/reportsscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/budgetservice.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/enums.h"
#include "storage/money.h"
#include "ui/common/errorbox.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"
#include "ui/presentation/accountpresentation.h"
#include "ui/presentation/regionalformat.h"
#include "ui/presentation/reportcolumns.h"
#include "ui/presentation/reportperiods.h"
#include "ui/reports/reportcharts.h"
#include "ui/widgets/dateedits.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSaveFile>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <utility>

namespace {

constexpr int kRowHeight = 36;

QFont sizedFont(int delta, int weight) {
    QFont font = QApplication::font();
    font.setPointSizeF(qMax(7.0, font.pointSizeF() + delta));
    font.setWeight(QFont::Weight(weight));
    return font;
}

QString shortDate(const QDate &date) {
    return RegionalFormat::formatDate(date);
}

QTableWidgetItem *textItem(const QString &text) {
    return new QTableWidgetItem(text);
}

QTableWidgetItem *numberItem(const QString &text) {
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

// Money cells keep their amount and currency beside the text, so the export writes numbers.
constexpr int kAmountRole = Qt::UserRole + 1;
constexpr int kCurrencyRole = Qt::UserRole + 2;

QTableWidgetItem *moneyItem(qint64 amount, Currency currency) {
    QTableWidgetItem *item = numberItem(formatMoney(amount, currency));
    item->setData(kAmountRole, amount);
    item->setData(kCurrencyRole, int(currency));
    return item;
}

QString exportText(const QTableWidgetItem *item) {
    if (!item)
        return QString();
    const QVariant amount = item->data(kAmountRole);
    if (!amount.isValid())
        return item->text();
    return formatPlainNumber(amount.toLongLong(), Currency(item->data(kCurrencyRole).toInt()));
}

// A report over accounts of several currencies lists each currency's rows apart and names
// the currency in a column of its own (also in the export).
void showCurrencyColumn(QTableWidget *table, int baseColumns, bool shown) {
    table->setColumnCount(baseColumns + (shown ? 1 : 0));
    if (shown)
        table->setHorizontalHeaderItem(baseColumns,
                                       new QTableWidgetItem(ReportsScreen::tr("Currency")));
}

// The rows of one report per currency: read for every account at once when they share one
// currency, else read per account and added up by key within each currency.
template<typename Row> struct CurrencyRows {
    Currency currency;
    QList<Row> rows;
};

template<typename Row, typename Read, typename KeyOf, typename Add, typename Less>
QList<CurrencyRows<Row>> readPerCurrency(const QList<ReportsScreen::CurrencyGroup> &groups,
                                         Read read, KeyOf keyOf, Add add, Less less) {
    QList<CurrencyRows<Row>> result;
    for (const ReportsScreen::CurrencyGroup &group : groups) {
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

const char *const kFileNames[]
    = {"category_spending.csv", "payee_summary.csv",   "tax_report.csv", "cash_flow.csv",
       "year_over_year.csv",    "account_summary.csv", "budget.csv"};

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

ReportsScreen::ReportsScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_budgets(new BudgetService(state->database(), state->ledger(), this))
    , m_runTimer(new QTimer(this))
    , m_shownKeys(TabCount) {
    setAccessibleName(tr("Reports"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(0);

    auto *title = new QLabel(tr("Reports"), this);
    title->setFont(sizedFont(8, QFont::DemiBold));
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(buildFilterRow());
    layout->addSpacing(12);

    m_notice = new QLabel(this);
    m_notice->setWordWrap(true);
    m_notice->setVisible(false);
    m_notice->setAccessibleName(tr("Report problem"));
    layout->addWidget(m_notice);

    m_tabs = new QTabWidget(this);
    m_tabs->setAccessibleName(tr("Report"));
    layout->addWidget(m_tabs, 1);

    const QStringList titles{
        tr("Category Spending"), tr("Payee Summary"),   tr("Tax Report"), tr("Cash Flow"),
        tr("Year-over-Year"),    tr("Account Summary"), tr("Budget")};
    using Report = ReportColumns::Report;
    const QList<QStringList> headers{
        ReportColumns::titles(Report::CategorySpending),
        ReportColumns::titles(Report::PayeeSummary),
        ReportColumns::titles(Report::Tax),
        ReportColumns::titles(Report::CashFlow),
        ReportColumns::titles(Report::YearOverYear),
        ReportColumns::titles(Report::AccountSummary),
        ReportColumns::titles(Report::Budget),
    };
    for (int tab = 0; tab < TabCount; ++tab) {
        auto *page = new QWidget(m_tabs);
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(8, 8, 8, 8);
        QTableWidget *table = newTable(headers.at(tab));
        table->setAccessibleName(titles.at(tab));
        m_tables << table;
        if (tab == YearOverYearTab)
            pageLayout->addWidget(buildComparisonControls());
        if (tab == BudgetTab) {
            // Budgets are monthly: say which whole months the period stands for.
            m_budgetMonths = new QLabel(page);
            m_budgetMonths->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
            m_budgetMonths->setAccessibleName(tr("Budgeted months"));
            pageLayout->addWidget(m_budgetMonths);
        }
        QChartView *chart = nullptr;
        if (tab == CategorySpendingTab || tab == CashFlowTab || tab == YearOverYearTab
            || tab == BudgetTab) {
            chart = new QChartView(page);
            chart->setRenderHint(QPainter::Antialiasing);
            chart->setMinimumHeight(160);
            chart->setAccessibleName(tr("%1 chart").arg(titles.at(tab)));
            chart->setFrameShape(QFrame::NoFrame);
            auto *splitter = new QSplitter(Qt::Vertical, page);
            splitter->setChildrenCollapsible(false);
            splitter->addWidget(chart);
            splitter->addWidget(table);
            // The chart is what people look at first; the table scrolls.
            splitter->setStretchFactor(0, 3);
            splitter->setStretchFactor(1, 2);
            pageLayout->addWidget(splitter, 1);
        } else {
            pageLayout->addWidget(table, 1);
        }
        if (tab == CategorySpendingTab)
            m_spendingChart = chart;
        else if (tab == CashFlowTab)
            m_cashFlowChart = chart;
        else if (tab == YearOverYearTab)
            m_comparisonChart = chart;
        else if (tab == BudgetTab)
            m_budgetChart = chart;
        m_tabs->addTab(page, titles.at(tab));
    }
    redrawCharts();

    // The tabs answer Ctrl+Tab only while they hold the focus, and the focus starts on the
    // filters: the keys that step through tabs work from anywhere in the window.
    const auto stepTabs = [this](const QList<QKeySequence> &keys, int step) {
        for (const QKeySequence &key : keys) {
            auto *shortcut = new QShortcut(key, this);
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
            connect(shortcut, &QShortcut::activated, this, [this, step] {
                m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + TabCount) % TabCount);
            });
        }
    };
    stepTabs({QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)}, 1);
    stepTabs({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
              QKeySequence(Qt::CTRL | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
             -1);

    m_runTimer->setSingleShot(true);
    connect(m_runTimer, &QTimer::timeout, this, &ReportsScreen::runIfOutdated);
    connect(m_tabs, &QTabWidget::currentChanged, this, [this] { scheduleRun(0); });
    connect(state, &AppState::dataChanged, this, &ReportsScreen::onDataChanged);

    m_suppress = true;
    reloadAccounts();
    onDatePresetChanged(m_period->currentIndex());
    onComparisonChanged(m_comparison->currentIndex());
    m_suppress = false;
}

QWidget *ReportsScreen::buildFilterRow() {
    auto *row = new QWidget(this);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    auto *accountLabel = new QLabel(tr("Account:"), row);
    m_account = new QComboBox(row);
    m_account->setMinimumWidth(140);
    m_account->setAccessibleName(tr("Account"));
    accountLabel->setBuddy(m_account);
    connect(m_account, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);

    auto *periodLabel = new QLabel(tr("Period:"), row);
    m_period = new QComboBox(row);
    m_period->setMinimumWidth(130);
    m_period->setAccessibleName(tr("Period"));
    periodLabel->setBuddy(m_period);
    for (int preset = 0; preset < ReportPeriods::PresetCount; ++preset)
        m_period->addItem(ReportPeriods::presetName(ReportPeriods::Preset(preset)));
    connect(m_period, &QComboBox::currentIndexChanged, this, [this](int index) {
        onDatePresetChanged(index);
        onFilterChanged();
    });

    m_rangeLabel = new QLabel(row);
    m_rangeLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    m_rangeLabel->setAccessibleName(tr("Period dates"));
    m_from = newDateEdit(tr("From"));
    m_to = newDateEdit(tr("To"));

    m_export = new QPushButton(tr("Export CSV"), row);
    m_export->setAccessibleName(tr("Export CSV"));
    connect(m_export, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);

    layout->addWidget(accountLabel);
    layout->addWidget(m_account);
    layout->addSpacing(8);
    layout->addWidget(periodLabel);
    layout->addWidget(m_period);
    layout->addWidget(m_rangeLabel);
    layout->addWidget(m_from);
    layout->addWidget(m_to);
    layout->addStretch(1);
    layout->addWidget(m_export);
    return row;
}

QWidget *ReportsScreen::buildComparisonControls() {
    auto *box = new QWidget(this);
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto *top = new QHBoxLayout;
    top->setSpacing(8);
    auto *label = new QLabel(tr("Compare:"), box);
    m_comparison = new QComboBox(box);
    m_comparison->setAccessibleName(tr("Compare"));
    label->setBuddy(m_comparison);
    for (int c = 0; c < ReportPeriods::ComparisonCount; ++c)
        m_comparison->addItem(ReportPeriods::comparisonName(ReportPeriods::Comparison(c)));
    connect(m_comparison, &QComboBox::currentIndexChanged, this,
            &ReportsScreen::onComparisonChanged);
    m_comparisonLabel = new QLabel(box);
    m_comparisonLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    m_comparisonLabel->setAccessibleName(tr("Compared periods"));
    top->addWidget(label);
    top->addWidget(m_comparison);
    top->addWidget(m_comparisonLabel);
    top->addStretch(1);
    layout->addLayout(top);

    m_comparisonCustom = new QWidget(box);
    auto *custom = new QHBoxLayout(m_comparisonCustom);
    custom->setContentsMargins(0, 0, 0, 0);
    custom->setSpacing(8);
    const QStringList names{tr("Period 1 from"), tr("Period 1 to"), tr("Period 2 from"),
                            tr("Period 2 to")};
    for (int i = 0; i < 4; ++i) {
        if (i == 0)
            custom->addWidget(new QLabel(tr("P1:"), m_comparisonCustom));
        else if (i == 2)
            custom->addWidget(new QLabel(tr("P2:"), m_comparisonCustom));
        QDateEdit *edit = newDateEdit(names.at(i));
        edit->setParent(m_comparisonCustom);
        edit->setVisible(true);
        custom->addWidget(edit);
        m_comparisonEdits << edit;
    }
    custom->addStretch(1);
    layout->addWidget(m_comparisonCustom);
    m_comparisonCustom->setVisible(false);
    return box;
}

QTableWidget *ReportsScreen::newTable(const QStringList &headers) {
    auto *table = new QTableWidget(0, int(headers.size()), this);
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->setShowGrid(false);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    table->horizontalHeader()->setDefaultSectionSize(130);
    return table;
}

QDateEdit *ReportsScreen::newDateEdit(const QString &accessibleName) {
    // The dates are set once the period is known; until then QDateEdit's own default stands.
    QDateEdit *edit = DateEdits::make(QDate(2000, 1, 1), this);
    edit->setAccessibleName(accessibleName);
    edit->setVisible(false);
    connect(edit, &QDateEdit::dateChanged, this, &ReportsScreen::onDateEdited);
    return edit;
}

void ReportsScreen::setToday(const QDate &today) {
    m_today = today;
}

QDate ReportsScreen::today() const {
    return m_today.isValid() ? m_today : QDate::currentDate();
}

QChartView *ReportsScreen::chartView(int tab) const {
    switch (tab) {
    case CategorySpendingTab:
        return m_spendingChart;
    case CashFlowTab:
        return m_cashFlowChart;
    case YearOverYearTab:
        return m_comparisonChart;
    case BudgetTab:
        return m_budgetChart;
    default:
        return nullptr;
    }
}

void ReportsScreen::refresh() {
    m_suppress = true;
    reloadAccounts();
    // Presets count from today, which may have moved on since the window was last open.
    if (m_period->currentIndex() != ReportPeriods::Custom)
        onDatePresetChanged(m_period->currentIndex());
    if (m_comparison->currentIndex() != ReportPeriods::CustomComparison)
        onComparisonChanged(m_comparison->currentIndex());
    m_suppress = false;
    m_shownKeys.fill(QString());
    scheduleRun(0);
}

void ReportsScreen::onDatePresetChanged(int index) {
    if (index < 0 || index >= ReportPeriods::PresetCount)
        return;
    const bool custom = index == ReportPeriods::Custom;
    m_from->setVisible(custom);
    m_to->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (custom)
        return;
    const ReportPeriods::Range range = ReportPeriods::range(ReportPeriods::Preset(index), today());
    setDateQuietly(m_from, range.from);
    setDateQuietly(m_to, range.to);
    m_rangeLabel->setText(tr("%1 – %2").arg(shortDate(range.from), shortDate(range.to)));
}

void ReportsScreen::onComparisonChanged(int index) {
    if (index < 0 || index >= ReportPeriods::ComparisonCount)
        return;
    const bool custom = index == ReportPeriods::CustomComparison;
    if (!custom) {
        const ReportPeriods::ComparisonRanges ranges
            = ReportPeriods::comparison(ReportPeriods::Comparison(index), today());
        setDateQuietly(m_comparisonEdits.at(0), ranges.first.from);
        setDateQuietly(m_comparisonEdits.at(1), ranges.first.to);
        setDateQuietly(m_comparisonEdits.at(2), ranges.second.from);
        setDateQuietly(m_comparisonEdits.at(3), ranges.second.to);
    }
    m_comparisonCustom->setVisible(custom);
    m_comparisonLabel->setVisible(!custom);
    m_comparisonLabel->setText(tr("P1: %1 – %2    P2: %3 – %4")
                                   .arg(shortDate(m_comparisonEdits.at(0)->date()),
                                        shortDate(m_comparisonEdits.at(1)->date()),
                                        shortDate(m_comparisonEdits.at(2)->date()),
                                        shortDate(m_comparisonEdits.at(3)->date())));
    onFilterChanged();
}

void ReportsScreen::setDateQuietly(QDateEdit *edit, const QDate &date) {
    const bool was = m_suppress;
    m_suppress = true;
    edit->setDate(date);
    m_suppress = was;
}

void ReportsScreen::onFilterChanged() {
    if (!m_suppress)
        scheduleRun(0);
}

void ReportsScreen::onDateEdited() {
    if (!m_suppress)
        scheduleRun(kTypingDelayMs);
}

void ReportsScreen::onDataChanged(const DataChange &change) {
    if (!change.touches(DataChange::Transactions | DataChange::Accounts | DataChange::Categories
                        | DataChange::SplitLines | DataChange::Budgets))
        return;
    if (change.touches(DataChange::Accounts))
        reloadAccounts();
    m_shownKeys.fill(QString());
    // A hidden window reads again when it is shown.
    if (isVisible())
        scheduleRun(0);
}

void ReportsScreen::reloadAccounts() {
    const QString current = accountId();
    const QSignalBlocker blocker(m_account);
    m_account->clear();
    m_account->addItem(tr("All Accounts"), QString());
    const QList<Account> accounts = m_state->accountRepository()->findAll();
    for (const Account &account : accounts)
        m_account->addItem(account.name, account.id);
    // An account that went away leaves the filter on every account.
    m_account->setCurrentIndex(qMax(0, m_account->findData(current)));
}

QString ReportsScreen::accountId() const {
    return m_account->currentData().toString();
}

void ReportsScreen::scheduleRun(int delayMs) {
    m_runTimer->start(delayMs);
}

void ReportsScreen::runIfOutdated() {
    if (!isVisible())
        return;
    const int tab = m_tabs->currentIndex();
    if (tab >= 0 && m_shownKeys.at(tab) != filterKey(tab))
        runReport();
}

QString ReportsScreen::filterKey(int tab) const {
    const auto iso = [](const QDateEdit *edit) { return edit->date().toString(Qt::ISODate); };
    const QString period = iso(m_from) + QLatin1Char('/') + iso(m_to);
    switch (tab) {
    case CategorySpendingTab:
    case PayeeSummaryTab:
    case CashFlowTab:
        return QStringLiteral("%1|%2").arg(accountId(), period);
    case TaxReportTab:
    case BudgetTab:
        return period;
    case YearOverYearTab: {
        QString key = accountId();
        for (const QDateEdit *edit : m_comparisonEdits)
            key += QLatin1Char('|') + iso(edit);
        return key;
    }
    default:
        return QStringLiteral("all");
    }
}

void ReportsScreen::runReport() {
    m_runTimer->stop();
    const int tab = m_tabs->currentIndex();
    if (tab >= 0)
        fillTab(tab);
}

void ReportsScreen::fillTab(int tab) {
    ++m_runCount;
    switch (tab) {
    case CategorySpendingTab:
        fillCategorySpending();
        break;
    case PayeeSummaryTab:
        fillPayeeSummary();
        break;
    case TaxReportTab:
        fillTaxReport();
        break;
    case CashFlowTab:
        fillCashFlow();
        break;
    case YearOverYearTab:
        fillComparison();
        break;
    case BudgetTab:
        fillBudget();
        break;
    default:
        fillAccountSummary();
        break;
    }
    m_shownKeys[tab] = filterKey(tab);
    // An empty table would read as "nothing happened in this period"; a failed read says so.
    const bool failed
        = tab == BudgetTab ? !m_budgetReadOk : !m_state->reportService()->lastError().isEmpty();
    m_notice->setVisible(failed);
    if (failed) {
        m_notice->setStyleSheet(Styles::textColourStyle(Styles::warningColour(palette())));
        m_notice->setText(tr("This report could not be read, so the table may be incomplete."));
    }
}

QList<ReportsScreen::CurrencyGroup> ReportsScreen::currencyGroups(const QString &chosen) const {
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

void ReportsScreen::fillCategorySpending() {
    const QDate from = m_from->date();
    const QDate to = m_to->date();
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<CategorySpendingRow>(
        currencyGroups(accountId()),
        [&](const QString &id) { return reports->categorySpending(from, to, id); },
        [](const CategorySpendingRow &row) { return row.name; },
        [](CategorySpendingRow &sum, const CategorySpendingRow &row) { sum.total += row.total; },
        [](const CategorySpendingRow &a, const CategorySpendingRow &b) {
            return a.total != b.total ? a.total < b.total : a.name < b.name;
        });
    QTableWidget *table = m_tables.at(CategorySpendingTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 2, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const CategorySpendingRow &row : group.rows) {
            fill.set(r, 0, textItem(row.name));
            fill.set(r, 1, moneyItem(row.total, group.currency));
            if (mixed)
                fill.set(r, 2, textItem(currencyToString(group.currency)));
            ++r;
        }
    }
    m_spendingRows = firstRows(groups);
    m_spendingCurrency = groups.isEmpty() ? Currency::USD : groups.first().currency;
    ReportCharts::show(m_spendingChart, ReportCharts::categorySpending(m_spendingRows, palette(),
                                                                       m_spendingCurrency));
}

void ReportsScreen::fillPayeeSummary() {
    const QDate from = m_from->date();
    const QDate to = m_to->date();
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<PayeeSummaryRow>(
        currencyGroups(accountId()),
        [&](const QString &id) { return reports->payeeSummary(from, to, id); },
        [](const PayeeSummaryRow &row) { return row.payee; },
        [](PayeeSummaryRow &sum, const PayeeSummaryRow &row) {
            sum.total += row.total;
            sum.count += row.count;
        },
        [](const PayeeSummaryRow &a, const PayeeSummaryRow &b) {
            return a.total != b.total ? a.total < b.total : a.payee < b.payee;
        });
    QTableWidget *table = m_tables.at(PayeeSummaryTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 3, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const PayeeSummaryRow &row : group.rows) {
            fill.set(r, 0, textItem(row.payee));
            fill.set(r, 1, moneyItem(row.total, group.currency));
            fill.set(r, 2, numberItem(QString::number(row.count)));
            if (mixed)
                fill.set(r, 3, textItem(currencyToString(group.currency)));
            ++r;
        }
    }
}

void ReportsScreen::fillTaxReport() {
    const QDate from = m_from->date();
    const QDate to = m_to->date();
    ReportService *reports = m_state->reportService();
    // The account filter does not apply to this report.
    const auto groups = readPerCurrency<TaxLineRow>(
        currencyGroups(QString()),
        [&](const QString &id) { return reports->taxReport(from, to, id); },
        [](const TaxLineRow &row) { return row.taxCode + QLatin1Char('\n') + row.categoryName; },
        [](TaxLineRow &sum, const TaxLineRow &row) { sum.total += row.total; },
        [](const TaxLineRow &a, const TaxLineRow &b) {
            return a.taxCode != b.taxCode ? a.taxCode < b.taxCode : a.categoryName < b.categoryName;
        });
    QTableWidget *table = m_tables.at(TaxReportTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 3, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const TaxLineRow &row : group.rows) {
            fill.set(r, 0, textItem(row.categoryName));
            fill.set(r, 1, textItem(row.taxCode));
            fill.set(r, 2, moneyItem(row.total, group.currency));
            if (mixed)
                fill.set(r, 3, textItem(currencyToString(group.currency)));
            ++r;
        }
    }
}

void ReportsScreen::fillCashFlow() {
    const QDate from = m_from->date();
    const QDate to = m_to->date();
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<CashFlowMonthRow>(
        currencyGroups(accountId()),
        [&](const QString &id) { return reports->cashFlow(from, to, id); },
        [](const CashFlowMonthRow &row) { return row.month; },
        [](CashFlowMonthRow &sum, const CashFlowMonthRow &row) {
            sum.income += row.income;
            sum.expenses += row.expenses;
            sum.net += row.net;
        },
        [](const CashFlowMonthRow &a, const CashFlowMonthRow &b) { return a.month < b.month; });
    QTableWidget *table = m_tables.at(CashFlowTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 4, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const CashFlowMonthRow &row : group.rows) {
            fill.set(r, 0, textItem(row.month));
            fill.set(r, 1, moneyItem(row.income, group.currency));
            fill.set(r, 2, moneyItem(row.expenses, group.currency));
            fill.set(r, 3, moneyItem(row.net, group.currency));
            if (mixed)
                fill.set(r, 4, textItem(currencyToString(group.currency)));
            ++r;
        }
    }
    m_cashFlowRows = firstRows(groups);
    m_cashFlowCurrency = groups.isEmpty() ? Currency::USD : groups.first().currency;
    ReportCharts::show(m_cashFlowChart,
                       ReportCharts::cashFlow(m_cashFlowRows, palette(), m_cashFlowCurrency));
}

void ReportsScreen::fillComparison() {
    const QList<QDate> dates{m_comparisonEdits.at(0)->date(), m_comparisonEdits.at(1)->date(),
                             m_comparisonEdits.at(2)->date(), m_comparisonEdits.at(3)->date()};
    ReportService *reports = m_state->reportService();
    const auto groups = readPerCurrency<PeriodComparisonRow>(
        currencyGroups(accountId()),
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
    QTableWidget *table = m_tables.at(YearOverYearTab);
    const bool mixed = groups.size() > 1;
    showCurrencyColumn(table, 4, mixed);
    TableFill fill(table, rowCountOf(groups));
    int r = 0;
    for (const auto &group : groups) {
        for (const PeriodComparisonRow &row : group.rows) {
            fill.set(r, 0, textItem(row.categoryName));
            fill.set(r, 1, moneyItem(row.period1Total, group.currency));
            fill.set(r, 2, moneyItem(row.period2Total, group.currency));
            fill.set(r, 3, moneyItem(row.difference, group.currency));
            if (mixed)
                fill.set(r, 4, textItem(currencyToString(group.currency)));
            ++r;
        }
    }
    m_comparisonRows = firstRows(groups);
    m_comparisonCurrency = groups.isEmpty() ? Currency::USD : groups.first().currency;
    ReportCharts::show(m_comparisonChart, ReportCharts::periodComparison(
                                              m_comparisonRows, tr("Period 1"), tr("Period 2"),
                                              palette(), m_comparisonCurrency));
}

void ReportsScreen::fillAccountSummary() {
    const QList<AccountSummaryRow> rows = m_state->reportService()->accountSummary();
    bool mixed = false;
    for (const AccountSummaryRow &row : rows)
        mixed = mixed || row.currency != rows.first().currency;
    QTableWidget *table = m_tables.at(AccountSummaryTab);
    showCurrencyColumn(table, 5, mixed);
    TableFill fill(table, int(rows.size()));
    for (int r = 0; r < rows.size(); ++r) {
        const AccountSummaryRow &row = rows.at(r);
        fill.set(r, 0, textItem(row.name));
        fill.set(r, 1,
                 textItem(AccountPresentation::typeName(accountTypeFromString(row.accountType))));
        fill.set(r, 2, moneyItem(row.clearedBalance, row.currency));
        fill.set(r, 3, moneyItem(row.unclearedAmount, row.currency));
        fill.set(r, 4, moneyItem(row.balance, row.currency));
        if (mixed)
            fill.set(r, 5, textItem(currencyToString(row.currency)));
    }
}

void ReportsScreen::fillBudget() {
    const BudgetMonth data = m_budgets->period(m_from->date(), m_to->date());
    m_budgetReadOk = data.ok;
    m_budgetCurrency = m_budgets->currency();
    m_budgetLines.clear();
    for (const BudgetLine &line : data.lines) {
        if (!line.isBlank())
            m_budgetLines << line;
    }
    const auto monthName
        = [](const QDate &month) { return QLocale().toString(month, QStringLiteral("MMMM yyyy")); };
    if (!data.ok)
        m_budgetMonths->clear();
    else if (data.month == data.lastMonth)
        m_budgetMonths->setText(tr("Budgets of %1").arg(monthName(data.month)));
    else
        m_budgetMonths->setText(tr("Budgets of the whole months %1 – %2")
                                    .arg(monthName(data.month), monthName(data.lastMonth)));

    QTableWidget *table = m_tables.at(BudgetTab);
    const QColor over = Styles::negativeColour(palette());
    TableFill fill(table, m_budgetLines.isEmpty() ? 0 : int(m_budgetLines.size()) + 1);
    const auto setRow = [&](int r, const QString &name, qint64 budget, qint64 carried, qint64 spent,
                            qint64 remaining, bool total) {
        QList<QTableWidgetItem *> items{textItem(name), moneyItem(budget, m_budgetCurrency),
                                        moneyItem(carried, m_budgetCurrency),
                                        moneyItem(spent, m_budgetCurrency),
                                        moneyItem(remaining, m_budgetCurrency)};
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
    ReportCharts::show(m_budgetChart,
                       ReportCharts::budget(m_budgetLines, palette(), m_budgetCurrency));
}

void ReportsScreen::redrawCharts() {
    ReportCharts::show(m_spendingChart, ReportCharts::categorySpending(m_spendingRows, palette(),
                                                                       m_spendingCurrency));
    ReportCharts::show(m_cashFlowChart,
                       ReportCharts::cashFlow(m_cashFlowRows, palette(), m_cashFlowCurrency));
    ReportCharts::show(m_comparisonChart, ReportCharts::periodComparison(
                                              m_comparisonRows, tr("Period 1"), tr("Period 2"),
                                              palette(), m_comparisonCurrency));
    ReportCharts::show(m_budgetChart,
                       ReportCharts::budget(m_budgetLines, palette(), m_budgetCurrency));
}

void ReportsScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    scheduleRun(0);
}

void ReportsScreen::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::PaletteChange
         || event->type() == QEvent::ApplicationPaletteChange)
        && m_spendingChart)
        redrawCharts();
}

void ReportsScreen::exportCurrentTab() {
    const int tab = m_tabs->currentIndex();
    if (tab < 0)
        return;
    // A filter changed a moment ago (dates still being typed): export what it now selects.
    if (m_shownKeys.at(tab) != filterKey(tab))
        runReport();
    QTableWidget *table = m_tables.at(tab);
    if (table->rowCount() == 0) {
        QMessageBox box(QMessageBox::Information, tr("Export CSV"),
                        tr("There is nothing to export: this report has no rows for the "
                           "chosen account and period."),
                        QMessageBox::Ok, this);
        box.setAccessibleName(tr("Export CSV"));
        ModalRunner::exec(&box);
        return;
    }

    const QString suggested
        = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
              .filePath(QLatin1String(kFileNames[tab]));
    QFileDialog dialog(this, tr("Export CSV"), suggested, tr("CSV Files (*.csv)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    dialog.selectFile(suggested);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    const QString path = dialog.selectedFiles().value(0);
    if (path.isEmpty())
        return;

    QStringList headers;
    for (int c = 0; c < table->columnCount(); ++c)
        headers << table->horizontalHeaderItem(c)->text();
    QList<QStringList> rows;
    rows.reserve(table->rowCount());
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem *item = table->item(r, c);
            cells << exportText(item);
        }
        rows << cells;
    }
    const QByteArray bytes = ReportService::toCsv(headers, rows).toUtf8();

    // All or nothing: the file appears only once every byte is on disk.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Text)
                         && file.write(bytes) == bytes.size() && file.commit();
    if (!written) {
        ErrorBox::show(this, tr("Export CSV"),
                       tr("The report could not be saved to %1: %2")
                           .arg(QDir::toNativeSeparators(path), file.errorString()),
                       tr("No file was written; a file already there is unchanged."));
    }
}
