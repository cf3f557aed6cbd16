// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/reconciliation/reconciliationhistoryscreen.h"
#include "ui/reconciliation/reconciliationmodel.h"
#include "ui/reconciliation/reconciliationscreen.h"
#include "ui/register/registerscreen.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/window/mainwindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <memory>

using namespace TestRecords;

class tst_ReconciliationScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithUnreconciledRowsAndSummary();
    void firstReconciliationKeepsFieldDate();
    void tickingByKeys_data();
    void tickingByKeys();
    void tickingByMouse();
    void finishMarksRowsAndStartsNextFromThere();
    void ticksSurviveEditsElsewhere();
    void rowEditedElsewhereBeforeFinishIsNotOverwritten();
    void failedFinishSaysSoAndKeepsRows();
    void deleteAsksFirst_data();
    void deleteAsksFirst();
    void historyListsNewestFirst();
    void mainWindowKeepsOneWindowPerAccount();

private:
    void openScreen(const QString &accountId = QStringLiteral("a"));
    Transaction stored(const QString &id) const {
        return *m_state->transactionRepository()->findById(id);
    }
    int rowOf(const QString &id) const { return m_screen->model()->rowOfId(id); }
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TestAppState> m_app;
    AppState *m_state = nullptr;
    std::unique_ptr<ReconciliationScreen> m_screen;
    QStringList m_boxes;
    int m_answer = QMessageBox::Yes;
};

void tst_ReconciliationScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonReconciliationTest");
    QLocale::setDefault(QLocale::c());
}

// Checking: 100.00 starting balance, 50.00 reconciled in January under a statement of Jan 31,
// then a cleared deposit of 200.00 and two open withdrawals.
void tst_ReconciliationScreen::init() {
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    m_state = m_app->state();
    QVERIFY(m_state->accountRepository()->insert(account("a", "Checking", 10000)));
    QVERIFY(m_state->accountRepository()->insert(account("b", "Savings")));
    TransactionRepository *transactions = m_state->transactionRepository();
    Transaction old = transaction("old", "a", QDate(2026, 1, 5), 5000, "Salary");
    old.cleared = old.reconciled = true;
    QVERIFY(transactions->insert(old));
    Transaction dep = transaction("dep", "a", QDate(2026, 2, 3), 20000, "Refund");
    dep.cleared = true;
    QVERIFY(transactions->insert(dep));
    QVERIFY(transactions->insert(transaction("wd", "a", QDate(2026, 2, 4), -5000, "Grocer")));
    QVERIFY(transactions->insert(transaction("late", "a", QDate(2026, 2, 10), -1234, "Cafe")));
    QVERIFY(
        m_state->reconciliationRepository()->insert(reconciliation("s1", "a", QDate(2026, 1, 31))));
    settle();
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    ModalRunner::setHandler([this](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        return m_answer;
    });
}

void tst_ReconciliationScreen::cleanup() {
    ModalRunner::setHandler({});
    m_screen.reset();
    m_state = nullptr;
    m_app.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

void tst_ReconciliationScreen::openScreen(const QString &accountId) {
    m_screen = std::make_unique<ReconciliationScreen>(m_state);
    // Every reload and patch of the rows must keep the model's contract.
    new QAbstractItemModelTester(
        m_screen->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, m_screen.get());
    m_screen->resize(1100, 720);
    m_screen->setAccount(accountId);
    m_screen->show();
    QApplication::setActiveWindow(m_screen.get());
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    m_screen->table()->setFocus();
}

void tst_ReconciliationScreen::opensWithUnreconciledRowsAndSummary() {
    openScreen();
    ReconciliationModel *model = m_screen->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->transactionAt(0).id, QStringLiteral("dep"));
    QCOMPARE(model->transactionAt(2).id, QStringLiteral("late"));
    // The cleared row starts ticked.
    QVERIFY(model->isTicked(0));
    QVERIFY(!model->isTicked(1));
    QCOMPARE(model->index(0, ReconciliationModel::ClrColumn).data().toString(),
             QStringLiteral("C"));
    QCOMPARE(model->index(1, ReconciliationModel::DateColumn).data().toString(),
             QStringLiteral("2/4/2026"));
    QCOMPARE(model->index(1, ReconciliationModel::AmountColumn).data().toString(),
             QStringLiteral("-$50.00"));
    QCOMPARE(
        model->index(1, ReconciliationModel::AmountColumn).data(Qt::ForegroundRole).value<QColor>(),
        QColor("#C62828"));

    QCOMPARE(m_screen->previousBalance(), 15000);
    // Month ends stay month ends: Jan 31 leads to Feb 28.
    QCOMPARE(m_screen->statementDateField()->date(), QDate(2026, 2, 28));
    QCOMPARE(m_screen->difference(), -35000);
    QCOMPARE(m_screen->differenceLabel()->text(), QStringLiteral("-$350.00"));
    QVERIFY(m_screen->differenceLabel()->styleSheet().contains("#C62828"));
    QVERIFY(!m_screen->finishButton()->isEnabled());
}

void tst_ReconciliationScreen::firstReconciliationKeepsFieldDate() {
    openScreen(QStringLiteral("b"));
    QCOMPARE(m_screen->statementDateField()->date(), QDate::currentDate());
    QCOMPARE(m_screen->model()->rowCount(), 0);
    // Nothing ticked and a statement equal to the previous balance: finishing is allowed.
    QCOMPARE(m_screen->difference(), 0);
    QVERIFY(m_screen->finishButton()->isEnabled());
    QVERIFY(m_screen->differenceLabel()->styleSheet().contains("#2E7D32"));
}

void tst_ReconciliationScreen::tickingByKeys_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("space") << int(Qt::Key_Space);
    QTest::newRow("c") << int(Qt::Key_C);
    QTest::newRow("r") << int(Qt::Key_R);
}

void tst_ReconciliationScreen::tickingByKeys() {
    QFETCH(int, key);
    openScreen();
    m_screen->statementBalanceBox()->setValue(300.00);
    QTableView *table = m_screen->table();
    table->setCurrentIndex(m_screen->model()->index(rowOf("wd"), ReconciliationModel::PayeeColumn));

    QTest::keyClick(table, Qt::Key(key));
    QVERIFY(m_screen->model()->isTicked(rowOf("wd")));
    // The withdrawal of -50.00 moves the withdrawals by -50.00 and the difference by +50.00.
    QCOMPARE(m_screen->model()->clearedWithdrawals(), -5000);
    QCOMPARE(m_screen->difference(), 0);
    QVERIFY(m_screen->finishButton()->isEnabled());

    QTest::keyClick(table, Qt::Key(key));
    QVERIFY(!m_screen->model()->isTicked(rowOf("wd")));
    QCOMPARE(m_screen->difference(), -5000);
    QVERIFY(!m_screen->finishButton()->isEnabled());

    // Without a current row the key changes nothing and goes no further.
    table->setCurrentIndex(QModelIndex());
    QTest::keyClick(table, Qt::Key(key));
    QVERIFY(!table->currentIndex().isValid());
    QCOMPARE(m_screen->difference(), -5000);
}

void tst_ReconciliationScreen::tickingByMouse() {
    openScreen();
    QTableView *table = m_screen->table();
    const QModelIndex cell = m_screen->model()->index(rowOf("wd"), ReconciliationModel::TickColumn);
    QStyleOptionViewItem option;
    option.initFrom(table);
    option.rect = table->visualRect(cell);
    option.features |= QStyleOptionViewItem::HasCheckIndicator;
    const QRect box
        = table->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, table);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box.center());
    QVERIFY(m_screen->model()->isTicked(cell.row()));
    QCOMPARE(m_screen->model()->clearedWithdrawals(), -5000);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, box.center());
    QVERIFY(!m_screen->model()->isTicked(cell.row()));
}

void tst_ReconciliationScreen::finishMarksRowsAndStartsNextFromThere() {
    openScreen();
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);
    m_screen->model()->setTicked(rowOf("wd"), true);
    m_screen->statementBalanceBox()->setValue(300.00);
    QVERIFY(m_screen->finishButton()->isEnabled());
    QTest::mouseClick(m_screen->finishButton(), Qt::LeftButton);

    QCOMPARE(m_boxes, QStringList{"Reconciliation Complete"});
    QCOMPARE(completed.size(), 1);
    QVERIFY(stored("dep").reconciled && stored("wd").reconciled && stored("wd").cleared);
    QVERIFY(!stored("late").reconciled);
    const QList<Reconciliation> history = m_state->reconciliationRepository()->findByAccount("a");
    QCOMPARE(history.size(), 2);
    QCOMPARE(history.first().statementDate, QDate(2026, 2, 28));
    QCOMPARE(history.first().statementBalance, 30000);
    QCOMPARE(history.first().reconciledBalance, 30000);

    settle();
    openScreen();
    QCOMPARE(m_screen->previousBalance(), 30000);
    QCOMPARE(m_screen->model()->rowCount(), 1);
    QCOMPARE(m_screen->statementDateField()->date(), QDate(2026, 3, 31));
}

void tst_ReconciliationScreen::ticksSurviveEditsElsewhere() {
    openScreen();
    ReconciliationModel *model = m_screen->model();
    model->setTicked(rowOf("wd"), true);
    model->setTicked(rowOf("dep"), false);

    // As the register saves an edit, and a new cleared entry made meanwhile.
    Transaction edited = stored("wd");
    edited.payee = QStringLiteral("Grocer & Co");
    QCOMPARE(m_state->ledger()->updateTransaction(edited), LedgerWriter::Result::Ok);
    Transaction added = transaction(QString(), "a", QDate(2026, 2, 5), 700, "Interest");
    added.cleared = true;
    QCOMPARE(m_state->ledger()->addTransaction(added), LedgerWriter::Result::Ok);
    settle();

    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->transactionAt(rowOf("wd")).payee, QStringLiteral("Grocer & Co"));
    QVERIFY(model->isTicked(rowOf("wd")));
    QVERIFY(!model->isTicked(rowOf("dep")));
    QCOMPARE(model->transactionAt(2).payee, QStringLiteral("Interest"));
    QVERIFY(model->isTicked(2));
    QCOMPARE(model->clearedDeposits(), 700);
    QCOMPARE(model->clearedWithdrawals(), -5000);
}

void tst_ReconciliationScreen::rowEditedElsewhereBeforeFinishIsNotOverwritten() {
    openScreen();
    m_screen->model()->setTicked(rowOf("wd"), true);
    m_screen->statementBalanceBox()->setValue(300.00);
    QVERIFY(m_screen->finishButton()->isEnabled());
    // Saved elsewhere in the same pass of the event loop, before the screen heard of it.
    Transaction edited = stored("wd");
    edited.amount = -6000;
    QCOMPARE(m_state->ledger()->updateTransaction(edited), LedgerWriter::Result::Ok);
    m_screen->finish();

    QCOMPARE(m_boxes, QStringList{"Transactions Changed"});
    QVERIFY(!stored("wd").reconciled);
    QCOMPARE(stored("wd").amount, -6000);
    QVERIFY(!stored("dep").reconciled);
    QCOMPARE(m_state->reconciliationRepository()->findByAccount("a").size(), 1);
    // The screen shows the stored row, still ticked, and the difference it now makes.
    QCOMPARE(m_screen->model()->transactionAt(rowOf("wd")).amount, -6000);
    QVERIFY(m_screen->model()->isTicked(rowOf("wd")));
    QCOMPARE(m_screen->difference(), 1000);
    QVERIFY(!m_screen->finishButton()->isEnabled());
}

void tst_ReconciliationScreen::failedFinishSaysSoAndKeepsRows() {
    openScreen();
    QSignalSpy completed(m_screen.get(), &ReconciliationScreen::reconciliationCompleted);
    QSqlQuery trigger(m_state->database()->connection());
    QVERIFY2(trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                          "BEGIN SELECT RAISE(ABORT, 'disk full'); END"),
             qPrintable(trigger.lastError().text()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("ReconciliationRepository::insert"));
    m_screen->statementBalanceBox()->setValue(350.00);
    m_screen->finish();

    QCOMPARE(m_boxes, QStringList{"Finish Reconciliation"});
    QCOMPARE(completed.size(), 0);
    QVERIFY(!stored("dep").reconciled);
    QVERIFY(m_screen->model()->isTicked(rowOf("dep")));
    QVERIFY(m_screen->finishButton()->isEnabled());
}

void tst_ReconciliationScreen::deleteAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << int(QMessageBox::Yes) << true;
    QTest::newRow("no") << int(QMessageBox::No) << false;
}

void tst_ReconciliationScreen::deleteAsksFirst() {
    QFETCH(int, answer);
    QFETCH(bool, deleted);
    openScreen();
    m_answer = answer;
    m_screen->table()->setCurrentIndex(
        m_screen->model()->index(rowOf("late"), ReconciliationModel::PayeeColumn));
    QTest::keyClick(m_screen->table(), Qt::Key_Delete);
    settle();
    QCOMPARE(m_boxes, QStringList{"Delete Transaction"});
    QCOMPARE(stored("late").deletedAt.has_value(), deleted);
    QCOMPARE(rowOf("late") < 0, deleted);
}

void tst_ReconciliationScreen::historyListsNewestFirst() {
    ReconciliationHistoryScreen history(m_state);
    history.resize(750, 500);
    history.setAccount("b");
    history.show();
    QCOMPARE(history.titleLabel()->text(), QStringLiteral("Reconciliation History — Savings"));
    QVERIFY(history.table()->isHidden());
    QVERIFY(!history.emptyLabel()->isHidden());

    Reconciliation later = reconciliation("s2", "b", QDate(2026, 2, 28));
    later.statementBalance = later.reconciledBalance = -1234;
    QVERIFY(m_state->reconciliationRepository()->insert(
        reconciliation("s1b", "b", QDate(2026, 1, 31))));
    QVERIFY(m_state->reconciliationRepository()->insert(later));
    settle();

    QVERIFY(!history.table()->isHidden());
    QVERIFY(history.emptyLabel()->isHidden());
    QTableWidget *table = history.table();
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("2/28/2026"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("-$12.34"));
    QCOMPARE(table->item(0, 2)->foreground().color(), QColor("#C62828"));
    QCOMPARE(table->item(1, 0)->text(), QStringLiteral("1/31/2026"));
    QCOMPARE(table->item(1, 3)->text(),
             stamp().toLocalTime().toString(QStringLiteral("M/d/yyyy HH:mm")));
}

void tst_ReconciliationScreen::mainWindowKeepsOneWindowPerAccount() {
    MainWindow window(m_state);
    window.show();
    window.selectAccount("a");
    window.action("reconcile")->trigger();
    QPointer<ReconciliationScreen> first = window.reconciliationWindow("a");
    QVERIFY(first);
    QCOMPARE(first->windowTitle(), QStringLiteral("Reconcile — Checking"));
    QCOMPARE(first->size(), QSize(1100, 720));
    QCOMPARE(first->model()->rowCount(), 3);

    // Asking again, from the menu or the register's button, raises the same window.
    window.action("reconcile")->trigger();
    QPushButton *reconcile = nullptr;
    for (QPushButton *button :
         window.findChild<RegisterScreen *>()->findChildren<QPushButton *>()) {
        if (button->text() == QStringLiteral("Reconcile"))
            reconcile = button;
    }
    QVERIFY(reconcile && reconcile->isVisible());
    QTest::mouseClick(reconcile, Qt::LeftButton);
    QCOMPARE(window.reconciliationWindow("a"), first.data());
    QCOMPARE(window.findChildren<ReconciliationScreen *>().size(), 1);

    window.selectAccount("b");
    window.action("reconcile")->trigger();
    ReconciliationScreen *second = window.reconciliationWindow("b");
    QVERIFY(second && second != first);
    QCOMPARE(second->windowTitle(), QStringLiteral("Reconcile — Savings"));
    // Finishing closes the window; it is then deleted.
    QTest::mouseClick(second->finishButton(), Qt::LeftButton);
    QCOMPARE(m_boxes, QStringList{"Reconciliation Complete"});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window.reconciliationWindow("b"));

    QMetaObject::invokeMethod(first.data(), "cancelled");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    window.selectAccount("a");
    window.action("reconcile")->trigger();
    QVERIFY(window.reconciliationWindow("a"));

    window.action("reconciliationHistory")->trigger();
    ReconciliationHistoryScreen *history = window.findChild<ReconciliationHistoryScreen *>();
    QVERIFY(history && history->isVisible());
    QCOMPARE(history->windowTitle(), QStringLiteral("Reconciliation History"));
    QCOMPARE(history->size(), QSize(750, 500));
    QCOMPARE(history->table()->rowCount(), 1);
}

QTEST_MAIN(tst_ReconciliationScreen)
#include "tst_reconciliationscreen.moc"
