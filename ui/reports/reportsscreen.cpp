// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reports/reportsscreen.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "ui/common/styles.h"
#include "ui/presentation/regionalformat.h"
#include "ui/presentation/reportcolumns.h"
#include "ui/presentation/reportperiods.h"
#include "ui/reports/reportexport.h"
#include "ui/reports/reportfiller.h"
#include "ui/widgets/dateedits.h"

#include <QApplication>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

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

const char *const kFileNames[]
    = {"category_spending.csv", "payee_summary.csv",   "tax_report.csv", "cash_flow.csv",
       "year_over_year.csv",    "account_summary.csv", "budget.csv"};

} // namespace

ReportsScreen::ReportsScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
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
    m_filler = std::make_unique<ReportFiller>(
        state, this,
        ReportFiller::Views{m_tables, m_spendingChart, m_cashFlowChart, m_comparisonChart,
                            m_budgetChart, m_budgetMonths});
    m_filler->redrawCharts();

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

ReportsScreen::~ReportsScreen() = default;

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
    const QDate from = m_from->date();
    const QDate to = m_to->date();
    QList<QDate> comparison;
    for (const QDateEdit *edit : std::as_const(m_comparisonEdits))
        comparison << edit->date();
    const bool read = m_filler->fill(tab, {accountId(), from, to, comparison});
    m_shownKeys[tab] = filterKey(tab);
    // An empty table would read as "nothing happened in this period"; a failed read says so.
    m_notice->setVisible(!read);
    if (!read) {
        m_notice->setStyleSheet(Styles::textColourStyle(Styles::warningColour(palette())));
        m_notice->setText(tr("This report could not be read, so the table may be incomplete."));
    }
}

void ReportsScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    scheduleRun(0);
}

void ReportsScreen::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::PaletteChange
         || event->type() == QEvent::ApplicationPaletteChange)
        && m_filler)
        m_filler->redrawCharts();
}

void ReportsScreen::exportCurrentTab() {
    const int tab = m_tabs->currentIndex();
    if (tab < 0)
        return;
    // A filter changed a moment ago (dates still being typed): export what it now selects.
    if (m_shownKeys.at(tab) != filterKey(tab))
        runReport();
    ReportExport::saveTable(this, m_tables.at(tab), QLatin1String(kFileNames[tab]));
}
