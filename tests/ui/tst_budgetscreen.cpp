// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/budgetservice.h"
#include "services/ledgerwriter.h"
#include "services/sampledataservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/budget/budgetscreen.h"
#include "ui/common/styles.h"
#include "ui/presentation/amountinput.h"
#include "ui/widgets/smartamountfield.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cmath>

namespace {

int rowOf(BudgetScreen &screen, const QString &categoryId) {
    for (int row = 0; row < screen.data().lines.size(); ++row) {
        if (screen.data().lines.at(row).categoryId == categoryId)
            return row;
    }
    return -1;
}

// The contrast ratio of two colours as accessibility guidelines define it, 1 to 21.
double contrast(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
               + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

class tst_BudgetScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void sampleMonthDrivenByKeys();
    void overBudgetBarReadsInEitherTheme_data();
    void overBudgetBarReadsInEitherTheme();
};

void tst_BudgetScreen::sampleMonthDrivenByKeys() {
    TestAppState app;
    QVERIFY(app.isValid());
    AppState *state = app.state();
    QVERIFY(SampleDataService(state->database()).loadSampleData());
    const QString groceries = state->categoryRepository()->findByName("Groceries")->id;
    const QDate today = QDate::currentDate();
    const QDate thisMonth(today.year(), today.month(), 1);

    BudgetScreen screen(state);
    screen.resize(800, 600);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(screen.month(), thisMonth);
    int budgeted = 0;
    for (const BudgetLine &line : screen.data().lines)
        budgeted += line.ownBudget ? 1 : 0;
    QVERIFY2(budgeted >= 3, "the sample month has at least three budgeted categories");

    // Month by month with the keyboard, across the table.
    screen.table()->setFocus();
    QTest::keyClick(screen.table(), Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(screen.month(), thisMonth.addMonths(-1));
    QTest::keyClick(screen.table(), Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(screen.month(), thisMonth);

    // A new budget typed for the selected category, stored in the month shown.
    const int row = rowOf(screen, groceries);
    QVERIFY(row >= 0);
    screen.table()->selectRow(row);
    QCOMPARE(screen.amountField()->amount(), qint64(60000));
    screen.amountField()->setFocus();
    screen.amountField()->selectAll();
    QTest::keyClicks(screen.amountField(), "0.01");
    QTest::keyClick(screen.amountField(), Qt::Key_Return);
    BudgetService service(state->database(), state->ledger());
    const BudgetMonth stored = service.month(thisMonth);
    QCOMPARE(stored.lines.at(row).budget, qint64(1));
    QCOMPARE(screen.data().lines.at(row).budget, qint64(1));

    // Money out beyond a budget of one cent turns the line to the negative colour.
    Transaction spent = TestRecords::transaction(QString(), "sample-acct-checking", today, -2500);
    spent.categoryId = groceries;
    QCOMPARE(state->ledger()->addTransaction(spent), LedgerWriter::Result::Ok);
    screen.refresh();
    const int after = rowOf(screen, groceries);
    QVERIFY(screen.data().lines.at(after).remaining < 0);
    QCOMPARE(screen.table()->item(after, BudgetScreen::Remaining)->foreground().color(),
             Styles::negativeColour(screen.palette()));
    QVERIFY(screen.totalsLabel()->text().contains(
        AmountInput::toText(screen.data().totalSpent, Currency::USD)));

    for (QWidget *control :
         {static_cast<QWidget *>(screen.table()), static_cast<QWidget *>(screen.amountField()),
          static_cast<QWidget *>(screen.rolloverBox()), static_cast<QWidget *>(screen.monthLabel()),
          static_cast<QWidget *>(screen.totalsLabel())})
        QVERIFY2(!control->accessibleName().isEmpty(), control->metaObject()->className());
    for (QAbstractButton *button : screen.findChildren<QAbstractButton *>()) {
        if (button->parent() == &screen)
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->text()));
    }
    QVERIFY(!qobject_cast<QProgressBar *>(screen.table()->cellWidget(after, BudgetScreen::Used))
                 ->accessibleName()
                 .isEmpty());
}

void tst_BudgetScreen::overBudgetBarReadsInEitherTheme_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("then");
    QTest::newRow("light, then dark while open") << "light"
                                                 << "dark";
    QTest::newRow("dark, then light while open") << "dark"
                                                 << "light";
}

void tst_BudgetScreen::overBudgetBarReadsInEitherTheme() {
    QFETCH(QString, first);
    QFETCH(QString, then);
    TestAppState app;
    QVERIFY(app.isValid());
    AppState *state = app.state();
    QVERIFY(state->accountRepository()->insert(TestRecords::account("a-1")));
    QVERIFY(state->categoryRepository()->insert(TestRecords::category("c-1", "Gifts")));
    const QDate today = QDate::currentDate();
    QCOMPARE(state->ledger()->setBudget("c-1", BudgetService::monthKey(today), 1000, false),
             LedgerWriter::Result::Ok);
    Transaction spent = TestRecords::transaction("t-1", "a-1", today, -2500);
    spent.categoryId = "c-1";
    QCOMPARE(state->ledger()->addTransaction(spent), LedgerWriter::Result::Ok);

    state->themeManager()->setTheme(first);
    BudgetScreen screen(state);
    screen.resize(800, 600);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    for (const QString &theme : {first, then}) {
        state->themeManager()->setTheme(theme);
        QCoreApplication::processEvents();
        auto *bar = qobject_cast<QProgressBar *>(
            screen.table()->cellWidget(rowOf(screen, "c-1"), BudgetScreen::Used));
        QVERIFY(bar);
        QCOMPARE(bar->text(), QString("250%"));
        const QPalette colours = bar->palette();
        QCOMPARE(colours.color(QPalette::Highlight), Styles::negativeColour(screen.palette()));
        QVERIFY2(
            contrast(colours.color(QPalette::Highlight), colours.color(QPalette::HighlightedText))
                >= 4.5,
            qPrintable(theme));
    }
}

QTEST_MAIN(tst_BudgetScreen)
#include "tst_budgetscreen.moc"
