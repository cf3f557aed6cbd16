// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/presentation/reportperiods.h"
#include "ui/reports/reportcharts.h"
#include "ui/reports/reportsscreen.h"
#include "ui/window/mainwindow.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>

using ReportPeriods::Preset;

class tst_ReportsScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void presets_data();
    void presets();
    void comparisons_data();
    void comparisons();

    void lastMonthRunsOnce();
    void customShowsEditsAndWaitsForTyping();
    void onlyTheVisibleTabRuns();
    void tabsByKeyboard();
    void hiddenWindowWaitsForShow();
    void accountFilter();
    void chartsFollowTheTables();
    void smallestBarsAddedUp();
    void budgetAgainstSpending_data();
    void budgetAgainstSpending();
    void exportWritesWhatTheTableShows_data();
    void exportWritesWhatTheTableShows();
    void exportOfEmptyTabSaysSo();
    void exportFailureIsReported();
    void openedFromTheViewMenu();

private:
    std::unique_ptr<ReportsScreen> openScreen(const QDate &today = QDate(2024, 3, 15));
    void addTransaction(const QString &id, const QString &account, const QDate &date, qint64 amount,
                        const QString &payee, const QString &category = {});
    // Answers the save dialog with path (empty: cancel) and every box with Ok.
    void answerSaveWith(const QString &path);
    int settledRuns(ReportsScreen &screen);

    std::unique_ptr<TestAppState> m_app;
    AppState *m_state = nullptr;
    QStringList m_boxes;   // Titles and texts of the message boxes shown.
    int m_fileDialogs = 0; // Save dialogs opened.
};

namespace {

void settle() {
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}

QStringList column(const QTableWidget *table, int c) {
    QStringList texts;
    for (int r = 0; r < table->rowCount(); ++r)
        texts << table->item(r, c)->text();
    return texts;
}

QList<qreal> values(const QBarSet *set) {
    QList<qreal> list;
    for (int i = 0; i < set->count(); ++i)
        list << set->at(i);
    return list;
}

} // namespace

void tst_ReportsScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QLocale::setDefault(QLocale::c());
}

void tst_ReportsScreen::init() {
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    m_state = m_app->state();

    AccountRepository *accounts = m_state->accountRepository();
    QVERIFY(accounts->insert(TestRecords::account("a-1", "Checking", 10000)));
    Account card = TestRecords::account("a-2", "Card");
    card.type = AccountType::CreditCard;
    card.sortOrder = 1;
    QVERIFY(accounts->insert(card));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c-food", "Food")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c-fuel", "Fuel")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c-pay", "Salary")));
    // March is "this month" of the screens below; February is last month.
    addTransaction("t-1", "a-1", QDate(2024, 2, 3), -2500, "Grocer", "c-food");
    addTransaction("t-2", "a-2", QDate(2024, 2, 29), -9000, "Garage", "c-fuel");
    addTransaction("t-3", "a-1", QDate(2024, 2, 1), 300000, "Employer", "c-pay");
    addTransaction("t-4", "a-1", QDate(2024, 3, 1), -1200, "Grocer", "c-food");
    addTransaction("t-5", "a-1", QDate(2024, 1, 20), -4000, "Grocer", "c-food");
    addTransaction("t-6", "a-1", QDate(2023, 2, 10), -700, "Grocer", "c-food");
    settle();
    m_boxes.clear();
    m_fileDialogs = 0;
    answerSaveWith(QString());
}

void tst_ReportsScreen::cleanup() {
    ModalRunner::setHandler({});
    m_state = nullptr;
    m_app.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

void tst_ReportsScreen::addTransaction(const QString &id, const QString &account, const QDate &date,
                                       qint64 amount, const QString &payee,
                                       const QString &category) {
    Transaction t = TestRecords::transaction(id, account, date, amount, payee);
    t.categoryId = category;
    QVERIFY(m_state->transactionRepository()->insert(t));
}

void tst_ReportsScreen::answerSaveWith(const QString &path) {
    ModalRunner::setHandler([this, path](QDialog *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            m_boxes << box->windowTitle() + ": " + box->text();
            return int(QMessageBox::Ok);
        }
        ++m_fileDialogs;
        auto *files = qobject_cast<QFileDialog *>(dialog);
        if (!files || path.isEmpty())
            return int(QDialog::Rejected);
        files->selectFile(path);
        return int(QDialog::Accepted);
    });
}

std::unique_ptr<ReportsScreen> tst_ReportsScreen::openScreen(const QDate &today) {
    auto screen = std::make_unique<ReportsScreen>(m_state);
    screen->setToday(today);
    screen->refresh();
    screen->resize(800, 600);
    screen->show();
    settle();
    return screen;
}

int tst_ReportsScreen::settledRuns(ReportsScreen &screen) {
    settle();
    return screen.reportRunCount();
}

void tst_ReportsScreen::presets_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::newRow("last month, leap year") << int(ReportPeriods::LastMonth) << QDate(2024, 3, 15)
                                           << QDate(2024, 2, 1) << QDate(2024, 2, 29);
    QTest::newRow("last month, common year") << int(ReportPeriods::LastMonth) << QDate(2025, 3, 15)
                                             << QDate(2025, 2, 1) << QDate(2025, 2, 28);
    QTest::newRow("last month in January") << int(ReportPeriods::LastMonth) << QDate(2025, 1, 9)
                                           << QDate(2024, 12, 1) << QDate(2024, 12, 31);
    QTest::newRow("this quarter") << int(ReportPeriods::ThisQuarter) << QDate(2025, 5, 15)
                                  << QDate(2025, 4, 1) << QDate(2025, 5, 15);
    QTest::newRow("last quarter across the year")
        << int(ReportPeriods::LastQuarter) << QDate(2025, 2, 10) << QDate(2024, 10, 1)
        << QDate(2024, 12, 31);
    QTest::newRow("last quarter ends the day before this one")
        << int(ReportPeriods::LastQuarter) << QDate(2025, 9, 30) << QDate(2025, 4, 1)
        << QDate(2025, 6, 30);
    QTest::newRow("last 12 months from 29 February")
        << int(ReportPeriods::Last12Months) << QDate(2024, 2, 29) << QDate(2023, 2, 28)
        << QDate(2024, 2, 29);
    QTest::newRow("last year") << int(ReportPeriods::LastYear) << QDate(2025, 6, 1)
                               << QDate(2024, 1, 1) << QDate(2024, 12, 31);
    QTest::newRow("all time") << int(ReportPeriods::AllTime) << QDate(2025, 6, 1)
                              << QDate(2000, 1, 1) << QDate(2025, 6, 1);
}

void tst_ReportsScreen::presets() {
    QFETCH(int, preset);
    QFETCH(QDate, today);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const ReportPeriods::Range range = ReportPeriods::range(Preset(preset), today);
    QCOMPARE(range.from, from);
    QCOMPARE(range.to, to);
}

void tst_ReportsScreen::comparisons_data() {
    QTest::addColumn<int>("comparison");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QList<QDate>>("dates");
    QTest::newRow("this year vs last")
        << int(ReportPeriods::ThisYearVsLastYear) << QDate(2025, 6, 1)
        << QList<QDate>{{2024, 1, 1}, {2024, 12, 31}, {2025, 1, 1}, {2025, 6, 1}};
    QTest::newRow("last year vs the one before")
        << int(ReportPeriods::LastYearVsYearBefore) << QDate(2025, 6, 1)
        << QList<QDate>{{2023, 1, 1}, {2023, 12, 31}, {2024, 1, 1}, {2024, 12, 31}};
    QTest::newRow("this quarter vs last, in January")
        << int(ReportPeriods::ThisQuarterVsLastQuarter) << QDate(2025, 1, 2)
        << QList<QDate>{{2024, 10, 1}, {2024, 12, 31}, {2025, 1, 1}, {2025, 1, 2}};
}

void tst_ReportsScreen::comparisons() {
    QFETCH(int, comparison);
    QFETCH(QDate, today);
    QFETCH(QList<QDate>, dates);
    const ReportPeriods::ComparisonRanges r
        = ReportPeriods::comparison(ReportPeriods::Comparison(comparison), today);
    QCOMPARE((QList<QDate>{r.first.from, r.first.to, r.second.from, r.second.to}), dates);
}

void tst_ReportsScreen::lastMonthRunsOnce() {
    auto screen = openScreen();
    // This Month on 15 March: only the grocer of 1 March.
    QCOMPARE(column(screen->table(ReportsScreen::CategorySpendingTab), 0), QStringList{"Food"});
    const int before = screen->reportRunCount();

    screen->periodCombo()->setFocus();
    QTest::keyClick(screen->periodCombo(), Qt::Key_Down);
    QCOMPARE(screen->periodCombo()->currentText(), QStringLiteral("Last Month"));
    QCOMPARE(screen->fromEdit()->date(), QDate(2024, 2, 1));
    QCOMPARE(screen->toEdit()->date(), QDate(2024, 2, 29));
    QVERIFY(screen->rangeLabel()->isVisible());
    QVERIFY(!screen->fromEdit()->isVisible());
    QCOMPARE(settledRuns(*screen), before + 1);

    QTableWidget *spending = screen->table(ReportsScreen::CategorySpendingTab);
    QCOMPARE(column(spending, 0), (QStringList{"Fuel", "Food"}));
    QCOMPARE(column(spending, 1), (QStringList{"-$90.00", "-$25.00"}));
}

void tst_ReportsScreen::customShowsEditsAndWaitsForTyping() {
    auto screen = openScreen();
    screen->periodCombo()->setCurrentIndex(ReportPeriods::LastMonth);
    const int before = settledRuns(*screen);

    screen->periodCombo()->setCurrentIndex(ReportPeriods::Custom);
    QVERIFY(screen->fromEdit()->isVisible());
    QVERIFY(screen->toEdit()->isVisible());
    QVERIFY(!screen->rangeLabel()->isVisible());
    QCOMPARE(screen->fromEdit()->date(), QDate(2024, 2, 1));
    QCOMPARE(screen->toEdit()->date(), QDate(2024, 2, 29));
    // The same dates as before: nothing new to read.
    QCOMPARE(settledRuns(*screen), before);

    // Typing a whole date changes it several times; the report waits for the last one.
    QDateEdit *from = screen->fromEdit();
    from->setFocus();
    from->setSelectedSection(QDateTimeEdit::YearSection);
    QTest::keyClicks(from, "2023");
    QCOMPARE(from->date().year(), 2023);
    QCOMPARE(settledRuns(*screen), before);
    QTRY_COMPARE_WITH_TIMEOUT(screen->reportRunCount(), before + 1,
                              ReportsScreen::kTypingDelayMs * 4);
    QTest::qWait(ReportsScreen::kTypingDelayMs + 100);
    QCOMPARE(screen->reportRunCount(), before + 1);
    // 1 February 2023 to 29 February 2024 takes in two more grocer visits.
    QCOMPARE(column(screen->table(ReportsScreen::CategorySpendingTab), 1),
             (QStringList{"-$90.00", "-$72.00"}));
}

void tst_ReportsScreen::onlyTheVisibleTabRuns() {
    auto screen = openScreen();
    screen->periodCombo()->setCurrentIndex(ReportPeriods::LastMonth);
    const int before = settledRuns(*screen);
    QCOMPARE(screen->table(ReportsScreen::CashFlowTab)->rowCount(), 0);

    screen->tabs()->setCurrentIndex(ReportsScreen::CashFlowTab);
    QCOMPARE(settledRuns(*screen), before + 1);
    QCOMPARE(column(screen->table(ReportsScreen::CashFlowTab), 0), QStringList{"2024-02"});
    // Back and forth without a change reads nothing again.
    screen->tabs()->setCurrentIndex(ReportsScreen::CategorySpendingTab);
    screen->tabs()->setCurrentIndex(ReportsScreen::CashFlowTab);
    QCOMPARE(settledRuns(*screen), before + 1);

    // A write reads the visible tab again, once for the whole pass of writes.
    addTransaction("t-7", "a-1", QDate(2024, 2, 10), -100, "Kiosk");
    addTransaction("t-8", "a-1", QDate(2024, 2, 11), -100, "Kiosk");
    QCOMPARE(settledRuns(*screen), before + 2);
    QCOMPARE(column(screen->table(ReportsScreen::CashFlowTab), 2), QStringList{"-$117.00"});
}

// Ctrl+Tab and Ctrl+Page Down step through the tabs (round the end), Ctrl+Shift+Tab and
// Ctrl+Page Up back, wherever the focus is in the window.
void tst_ReportsScreen::tabsByKeyboard() {
    auto screen = openScreen();
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen.get()));
    screen->periodCombo()->setFocus();
    QTabWidget *tabs = screen->tabs();
    const int start = tabs->currentIndex();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), (start + 1) % ReportsScreen::TabCount);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), (start + 2) % ReportsScreen::TabCount);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), (start + 1) % ReportsScreen::TabCount);
    tabs->setCurrentIndex(0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), ReportsScreen::TabCount - 1);
}

void tst_ReportsScreen::hiddenWindowWaitsForShow() {
    auto screen = openScreen();
    screen->hide();
    const int before = settledRuns(*screen);
    addTransaction("t-7", "a-1", QDate(2024, 3, 2), -800, "Kiosk", "c-food");
    screen->periodCombo()->setCurrentIndex(ReportPeriods::ThisYear);
    QCOMPARE(settledRuns(*screen), before);

    screen->show();
    QCOMPARE(settledRuns(*screen), before + 1);
    QCOMPARE(column(screen->table(ReportsScreen::CategorySpendingTab), 1),
             (QStringList{"-$90.00", "-$85.00"}));
}

void tst_ReportsScreen::accountFilter() {
    auto screen = openScreen();
    QComboBox *account = screen->accountCombo();
    QCOMPARE(account->itemText(0), QStringLiteral("All Accounts"));
    QVERIFY(account->itemData(0).toString().isEmpty());
    QCOMPARE(account->count(), 3);
    screen->periodCombo()->setCurrentIndex(ReportPeriods::LastMonth);
    screen->tabs()->setCurrentIndex(ReportsScreen::PayeeSummaryTab);
    settle();
    QCOMPARE(column(screen->table(ReportsScreen::PayeeSummaryTab), 0),
             (QStringList{"Garage", "Grocer", "Employer"}));

    account->setCurrentIndex(account->findData("a-2"));
    settle();
    QCOMPARE(column(screen->table(ReportsScreen::PayeeSummaryTab), 0), QStringList{"Garage"});
    QCOMPARE(column(screen->table(ReportsScreen::PayeeSummaryTab), 2), QStringList{"1"});

    // The chosen account going away leaves every account in the filter.
    QVERIFY(m_state->accountRepository()->softDelete("a-2"));
    settle();
    QCOMPARE(account->currentIndex(), 0);
    QCOMPARE(account->count(), 2);

    screen->tabs()->setCurrentIndex(ReportsScreen::AccountSummaryTab);
    settle();
    QTableWidget *summary = screen->table(ReportsScreen::AccountSummaryTab);
    QCOMPARE(column(summary, 0), QStringList{"Checking"});
    QCOMPARE(column(summary, 1), QStringList{"Checking"});
}

void tst_ReportsScreen::chartsFollowTheTables() {
    addTransaction("t-7", "a-1", QDate(2024, 2, 12), -1000, "Kiosk");
    auto screen = openScreen();
    screen->periodCombo()->setCurrentIndex(ReportPeriods::ThisYear);
    settle();

    // Category Spending: one bar per row, largest on top, as positive amounts.
    QTableWidget *spending = screen->table(ReportsScreen::CategorySpendingTab);
    QCOMPARE(column(spending, 0), (QStringList{"Fuel", "Food", "Uncategorized"}));
    QChart *chart = screen->chartView(ReportsScreen::CategorySpendingTab)->chart();
    auto *bars = qobject_cast<QHorizontalBarSeries *>(chart->series().value(0));
    QVERIFY(bars);
    // Drawn from the bottom up: the last value is the top bar.
    QCOMPARE(values(bars->barSets().at(0)), (QList<qreal>{10.0, 77.0, 90.0}));
    auto *names = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Vertical).value(0));
    QVERIFY(names);
    QCOMPARE(names->categories(), (QStringList{"Uncategorized", "Food", "Fuel"}));

    // Cash Flow: income and expense bars per month, the net as a line.
    screen->tabs()->setCurrentIndex(ReportsScreen::CashFlowTab);
    settle();
    QCOMPARE(column(screen->table(ReportsScreen::CashFlowTab), 0),
             (QStringList{"2024-01", "2024-02", "2024-03"}));
    chart = screen->chartView(ReportsScreen::CashFlowTab)->chart();
    QBarSeries *monthly = nullptr;
    QLineSeries *net = nullptr;
    for (QAbstractSeries *series : chart->series()) {
        if (auto *b = qobject_cast<QBarSeries *>(series))
            monthly = b;
        if (auto *l = qobject_cast<QLineSeries *>(series))
            net = l;
    }
    QVERIFY(monthly && net);
    QCOMPARE(values(monthly->barSets().at(0)), (QList<qreal>{0.0, 3000.0, 0.0}));
    QCOMPARE(values(monthly->barSets().at(1)), (QList<qreal>{40.0, 125.0, 12.0}));
    QCOMPARE(net->points(), (QList<QPointF>{{0, -40.0}, {1, 2875.0}, {2, -12.0}}));

    // Year over Year: the two periods side by side; this year vs last on 15 March 2024.
    screen->tabs()->setCurrentIndex(ReportsScreen::YearOverYearTab);
    settle();
    QTableWidget *compared = screen->table(ReportsScreen::YearOverYearTab);
    QCOMPARE(column(compared, 0), (QStringList{"Food", "Fuel", "Salary", "Uncategorized"}));
    QCOMPARE(column(compared, 1), (QStringList{"-$7.00", "$0.00", "$0.00", "$0.00"}));
    chart = screen->chartView(ReportsScreen::YearOverYearTab)->chart();
    auto *pairs = qobject_cast<QHorizontalBarSeries *>(chart->series().value(0));
    QVERIFY(pairs);
    QCOMPARE(pairs->barSets().size(), 2);
    QCOMPARE(qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Vertical).value(0))->categories(),
             (QStringList{"Uncategorized", "Food", "Fuel", "Salary"}));
    QCOMPARE(values(pairs->barSets().at(0)), (QList<qreal>{0.0, -7.0, 0.0, 0.0}));
    QCOMPARE(values(pairs->barSets().at(1)), (QList<qreal>{-10.0, -77.0, -90.0, 3000.0}));

    // The dark theme draws the charts again in its own colours, without reading anything.
    const int runs = screen->reportRunCount();
    m_state->themeManager()->setTheme("dark");
    settle();
    chart = screen->chartView(ReportsScreen::CashFlowTab)->chart();
    QVERIFY(chart->backgroundBrush().color() != Qt::white);
    for (QAbstractSeries *series : chart->series())
        if (auto *b = qobject_cast<QBarSeries *>(series))
            QCOMPARE(b->barSets().at(0)->color(), QColor("#66BB6A"));
    QCOMPARE(screen->reportRunCount(), runs);
}

void tst_ReportsScreen::smallestBarsAddedUp() {
    QList<CategorySpendingRow> rows;
    for (int i = 1; i <= 10; ++i)
        rows << CategorySpendingRow{QStringLiteral("C%1").arg(i), -100 * i};
    std::unique_ptr<QChart> chart(ReportCharts::categorySpending(rows, QPalette()));
    auto *bars = qobject_cast<QHorizontalBarSeries *>(chart->series().value(0));
    QVERIFY(bars);
    // Five largest, then the five smallest as one bar of $15.00, all from the bottom up.
    QCOMPARE(values(bars->barSets().at(0)), (QList<qreal>{15.0, 6.0, 7.0, 8.0, 9.0, 10.0}));
    auto *names = qobject_cast<QBarCategoryAxis *>(chart->axes(Qt::Vertical).value(0));
    QCOMPARE(names->categories(),
             (QStringList{"5 other categories", "C6", "C7", "C8", "C9", "C10"}));
}

void tst_ReportsScreen::budgetAgainstSpending_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QString>("months");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("carried");
    QTest::addColumn<QStringList>("remaining");
    QTest::addColumn<QList<qreal>>("spentBars"); // bottom up

    QTest::newRow("one month, one category over")
        << int(ReportPeriods::LastMonth) << "Budgets of February 2024"
        << QStringList{"Food", "Fuel", "Total"} << QStringList{"$0.00", "$0.00", "$0.00"}
        << QStringList{"$25.00", "-$10.00", "$15.00"} << QList<qreal>{25.0, 90.0};
    // February's leftover food money carries in; fuel has nothing this month and is left out.
    QTest::newRow("part of a month, with rollover")
        << int(ReportPeriods::ThisMonth) << "Budgets of March 2024" << QStringList{"Food", "Total"}
        << QStringList{"$25.00", "$25.00"} << QStringList{"$43.00", "$43.00"} << QList<qreal>{12.0};
    QTest::newRow("months summed")
        << int(ReportPeriods::ThisYear) << "Budgets of the whole months January 2024 – March 2024"
        << QStringList{"Food", "Fuel", "Total"} << QStringList{"$0.00", "$0.00", "$0.00"}
        << QStringList{"$3.00", "-$10.00", "-$7.00"} << QList<qreal>{77.0, 90.0};
}

void tst_ReportsScreen::budgetAgainstSpending() {
    QFETCH(int, preset);
    QFETCH(QString, months);
    QFETCH(QStringList, names);
    QFETCH(QStringList, carried);
    QFETCH(QStringList, remaining);
    QFETCH(QList<qreal>, spentBars);
    LedgerWriter *ledger = m_state->ledger();
    QCOMPARE(ledger->setBudget("c-food", "2024-02", 5000, true), LedgerWriter::Result::Ok);
    QCOMPARE(ledger->setBudget("c-food", "2024-03", 3000, false), LedgerWriter::Result::Ok);
    QCOMPARE(ledger->setBudget("c-fuel", "2024-02", 8000, false), LedgerWriter::Result::Ok);
    auto screen = openScreen();
    screen->tabs()->setCurrentIndex(ReportsScreen::BudgetTab);
    screen->periodCombo()->setCurrentIndex(preset);
    settle();

    QTableWidget *table = screen->table(ReportsScreen::BudgetTab);
    QCOMPARE(column(table, 0), names);
    QCOMPARE(column(table, 2), carried);
    QCOMPARE(column(table, 4), remaining);
    bool monthsShown = false;
    for (const QLabel *label : screen->findChildren<QLabel *>())
        monthsShown = monthsShown
                      || (label->accessibleName() == "Budgeted months" && label->text() == months
                          && label->isVisible());
    QVERIFY2(monthsShown, qPrintable(months));
    QChart *chart = screen->chartView(ReportsScreen::BudgetTab)->chart();
    auto *pairs = qobject_cast<QHorizontalBarSeries *>(chart->series().value(0));
    QVERIFY(pairs);
    QCOMPARE(values(pairs->barSets().at(1)), spentBars);

    // A budget set while the tab is shown is read at once.
    QCOMPARE(ledger->setBudget("c-food", "2024-03", 4000, false), LedgerWriter::Result::Ok);
    QCOMPARE(ledger->setBudget("c-food", "2024-01", 4000, false), LedgerWriter::Result::Ok);
    settle();
    const qint64 food = preset == ReportPeriods::LastMonth   ? 5000
                        : preset == ReportPeriods::ThisMonth ? 4000
                                                             : 4000 + 5000 + 4000;
    QCOMPARE(table->item(0, 1)->text(), formatMoney(food, Currency::USD));
}

void tst_ReportsScreen::exportWritesWhatTheTableShows_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("cash flow") << int(ReportsScreen::CashFlowTab) << QString()
                               << QByteArray("\"Month\",\"Income\",\"Expenses\",\"Net\"\n"
                                             "\"2024-02\",\"3000.00\",\"-115.00\","
                                             "\"2885.00\"\n");
    const QByteArray header = "\"Payee\",\"Total\",\"Count\"\n";
    const QByteArray rest = "\"Grocer\",\"-25.00\",\"1\"\n\"Employer\",\"3000.00\",\"1\"\n";
    QTest::newRow("formula") << int(ReportsScreen::PayeeSummaryTab) << QString("=HYPERLINK(\"x\")")
                             << header + "\"'=HYPERLINK(\"\"x\"\")\",\"-90.00\",\"1\"\n" + rest;
    QTest::newRow("plus and a letter") << int(ReportsScreen::PayeeSummaryTab) << QString("+cmd")
                                       << header + "\"'+cmd\",\"-90.00\",\"1\"\n" + rest;
    QTest::newRow("minus and a letter") << int(ReportsScreen::PayeeSummaryTab) << QString("-Refund")
                                        << header + "\"'-Refund\",\"-90.00\",\"1\"\n" + rest;
    QTest::newRow("at sign") << int(ReportsScreen::PayeeSummaryTab) << QString("@home")
                             << header + "\"'@home\",\"-90.00\",\"1\"\n" + rest;
    QTest::newRow("minus and a digit") << int(ReportsScreen::PayeeSummaryTab) << QString("-5 Store")
                                       << header + "\"-5 Store\",\"-90.00\",\"1\"\n" + rest;
}

void tst_ReportsScreen::exportWritesWhatTheTableShows() {
    QFETCH(int, tab);
    QFETCH(QString, payee);
    QFETCH(QByteArray, expected);
    if (!payee.isEmpty()) {
        Transaction garage = *m_state->transactionRepository()->findById("t-2");
        garage.payee = payee;
        QVERIFY(m_state->transactionRepository()->update(garage));
    }
    auto screen = openScreen();
    screen->periodCombo()->setCurrentIndex(ReportPeriods::LastMonth);
    screen->tabs()->setCurrentIndex(tab);
    settle();

    const QString path = m_app->filePath("out.csv");
    answerSaveWith(path);
    QTest::mouseClick(screen->exportButton(), Qt::LeftButton);
    QCOMPARE(m_fileDialogs, 1);
    QCOMPARE(m_boxes, QStringList());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), expected);
}

void tst_ReportsScreen::exportOfEmptyTabSaysSo() {
    auto screen = openScreen();
    screen->tabs()->setCurrentIndex(ReportsScreen::TaxReportTab);
    settle();
    QCOMPARE(screen->table(ReportsScreen::TaxReportTab)->rowCount(), 0);
    answerSaveWith(m_app->filePath("never.csv"));
    QTest::mouseClick(screen->exportButton(), Qt::LeftButton);
    QCOMPARE(m_fileDialogs, 0);
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes.first().contains("nothing to export"), qPrintable(m_boxes.first()));
    QVERIFY(!QFile::exists(m_app->filePath("never.csv")));
}

void tst_ReportsScreen::exportFailureIsReported() {
    auto screen = openScreen();
    // A folder that is not there: the file cannot be written.
    const QString path = m_app->filePath("missing/folder/out.csv");
    answerSaveWith(path);
    screen->exportCurrentTab();
    QCOMPARE(m_fileDialogs, 1);
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY2(m_boxes.first().startsWith("Export CSV: The report could not be saved"),
             qPrintable(m_boxes.first()));
    QVERIFY(!QFile::exists(path));
}

void tst_ReportsScreen::openedFromTheViewMenu() {
    MainWindow window(m_state);
    window.show();
    QAction *reports = window.action("reports");
    QVERIFY(reports);
    QCOMPARE(reports->shortcut(), QKeySequence("Ctrl+2"));
    reports->trigger();
    const QList<ReportsScreen *> screens = window.findChildren<ReportsScreen *>();
    QCOMPARE(screens.size(), 1);
    ReportsScreen *screen = screens.first();
    QVERIFY(screen->isWindow());
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Reports"));
    QCOMPARE(screen->size(), QSize(800, 600));
    // Read once on opening, not once for the refresh and again for the show.
    QCOMPARE(settledRuns(*screen), 1);

    // Opened again: the same window, at the size it was given, its data read anew.
    screen->resize(900, 700);
    const int runs = screen->reportRunCount();
    reports->trigger();
    settle();
    QCOMPARE(window.findChildren<ReportsScreen *>().size(), 1);
    QCOMPARE(screen->size(), QSize(900, 700));
    QCOMPARE(screen->reportRunCount(), runs + 1);
}

QTEST_MAIN(tst_ReportsScreen)
#include "tst_reportsscreen.moc"
