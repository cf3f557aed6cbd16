// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/recurring/recurringformdialog.h"
#include "ui/recurring/recurringmodel.h"
#include "ui/recurring/recurringscreen.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/window/mainwindow.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#include <functional>
#include <memory>

namespace {

const QDate kToday = QDate::currentDate();

void settle() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class tst_RecurringScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void listAndDueLabel_data();
    void listAndDueLabel();
    void contextMenuEnabling_data();
    void contextMenuEnabling();
    void confirmSkipDelete();
    void confirmAllDuePostsEachOnce();
    void failedConfirmIsReported();
    void staleRowIsReadAgain();
    void editKeepsOrMovesNextDue();
    void editLosesToChangeMadeMeanwhile();
    void refreshesOnChangeOnlyWhenVisible();
    void windowOpensFromMenuShortcut();

private:
    void openScreen();
    void addRule(const QString &id, const QDate &nextDue, bool active = true,
                 const QString &payee = QStringLiteral("Rent"));
    int rowOf(const QString &id) const;
    QAction *menuAction(QMenu *menu, const QString &text) const;
    // Answers boxes with reply and lets fill work on forms before accepting them.
    void answerWith(int reply, std::function<void(RecurringFormDialog *)> fill = {});
    int postedCount() const;

    std::unique_ptr<TestAppState> m_app;
    AppState *m_state = nullptr;
    std::unique_ptr<RecurringScreen> m_screen;
    QStringList m_titles;
};

void tst_RecurringScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonRecurringScreenTest");
    QLocale::setDefault(QLocale::c());
}

void tst_RecurringScreen::init() {
    QSettings().clear();
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    m_state = m_app->state();
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Checking")));
    m_titles.clear();
    answerWith(QMessageBox::Yes);
}

void tst_RecurringScreen::cleanup() {
    ModalRunner::setHandler({});
    m_screen.reset();
    m_state = nullptr;
    m_app.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

void tst_RecurringScreen::openScreen() {
    m_screen = std::make_unique<RecurringScreen>(m_state);
    // Every reload and patch of the rows must keep the model's contract.
    new QAbstractItemModelTester(
        m_screen->model(), QAbstractItemModelTester::FailureReportingMode::QtTest, m_screen.get());
    m_screen->resize(700, 500);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_screen.get()));
    settle();
}

void tst_RecurringScreen::addRule(const QString &id, const QDate &nextDue, bool active,
                                  const QString &payee) {
    RecurringTransaction rule = TestRecords::rule(id, "a", nextDue);
    rule.startDate = nextDue;
    rule.isActive = active;
    rule.payee = payee;
    QVERIFY(m_state->recurringRepository()->insert(rule));
}

int tst_RecurringScreen::rowOf(const QString &id) const {
    for (int row = 0; row < m_screen->model()->rowCount(); ++row) {
        if (m_screen->model()->ruleAt(row)->id == id)
            return row;
    }
    return -1;
}

QAction *tst_RecurringScreen::menuAction(QMenu *menu, const QString &text) const {
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void tst_RecurringScreen::answerWith(int reply, std::function<void(RecurringFormDialog *)> fill) {
    ModalRunner::setHandler([this, reply, fill](QDialog *dialog) {
        m_titles << dialog->windowTitle();
        if (auto *form = qobject_cast<RecurringFormDialog *>(dialog)) {
            if (fill)
                fill(form);
            form->accept();
            return form->result();
        }
        return reply;
    });
}

int tst_RecurringScreen::postedCount() const {
    return m_state->transactionRepository()->findByAccount("a").size();
}

void tst_RecurringScreen::listAndDueLabel_data() {
    QTest::addColumn<QList<int>>("dueOffsets");
    QTest::addColumn<QList<bool>>("active");
    QTest::addColumn<QString>("label");
    QTest::newRow("none") << QList<int>{} << QList<bool>{} << QString();
    QTest::newRow("only future") << QList<int>{3} << QList<bool>{true} << QString();
    QTest::newRow("today, past, future, inactive")
        << QList<int>{0, -40, 5, -2} << QList<bool>{true, true, true, false}
        << QStringLiteral("(2 due)");
}

void tst_RecurringScreen::listAndDueLabel() {
    QFETCH(QList<int>, dueOffsets);
    QFETCH(QList<bool>, active);
    QFETCH(QString, label);
    for (int i = 0; i < dueOffsets.size(); ++i)
        addRule(QStringLiteral("r%1").arg(i), kToday.addDays(dueOffsets[i]), active[i]);
    openScreen();
    QCOMPARE(m_screen->dueLabel()->text(), label);
    QCOMPARE(m_screen->confirmAllButton()->isEnabled(), !label.isEmpty());
    QCOMPARE(m_screen->emptyHint()->isVisible(), dueOffsets.isEmpty());
    QCOMPARE(m_screen->model()->rowCount(), dueOffsets.size());
    if (dueOffsets.size() < 4)
        return;
    // Earliest next due date first.
    QCOMPARE(m_screen->model()->ruleAt(0)->nextDueDate, kToday.addDays(-40));
    const QModelIndex first = m_screen->model()->index(0, 0);
    auto cell = [&](int column, int role = Qt::DisplayRole) {
        return first.siblingAtColumn(column).data(role);
    };
    QCOMPARE(cell(RecurringModel::AccountColumn).toString(), QStringLiteral("Checking"));
    QCOMPARE(cell(RecurringModel::AmountColumn).toString(), QStringLiteral("-$1,200.00"));
    QCOMPARE(cell(RecurringModel::FrequencyColumn).toString(), QStringLiteral("Monthly"));
    QCOMPARE(cell(RecurringModel::AutoColumn).toString(), QStringLiteral("No"));
    QVERIFY(cell(RecurringModel::NextDueColumn, Qt::ForegroundRole).isValid());
    const int inactive = rowOf("r3");
    QCOMPARE(m_screen->model()->index(inactive, RecurringModel::StatusColumn).data().toString(),
             QStringLiteral("Inactive"));
    QVERIFY(!m_screen->model()
                 ->index(inactive, RecurringModel::NextDueColumn)
                 .data(Qt::ForegroundRole)
                 .isValid());
}

void tst_RecurringScreen::contextMenuEnabling_data() {
    QTest::addColumn<int>("dueOffset");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("due today") << 0 << true << true;
    QTest::newRow("overdue") << -3 << true << true;
    QTest::newRow("due in the future") << 1 << true << false;
    QTest::newRow("inactive") << -3 << false << false;
}

void tst_RecurringScreen::contextMenuEnabling() {
    QFETCH(int, dueOffset);
    QFETCH(bool, active);
    QFETCH(bool, enabled);
    addRule("r", kToday.addDays(dueOffset), active);
    openScreen();
    std::unique_ptr<QMenu> menu(m_screen->contextMenuFor(0, m_screen.get()));
    QVERIFY(menu);
    QCOMPARE(menuAction(menu.get(), "&Confirm")->isEnabled(), enabled);
    QCOMPARE(menuAction(menu.get(), "&Skip")->isEnabled(), enabled);
    QVERIFY(menuAction(menu.get(), "&Edit")->isEnabled());
    QVERIFY(menuAction(menu.get(), "&Delete")->isEnabled());
}

void tst_RecurringScreen::confirmSkipDelete() {
    addRule("confirm", kToday.addDays(-1), true, "Gym");
    addRule("skip", kToday, true, "Phone");
    addRule("delete", kToday.addDays(9), true, "Paper");
    openScreen();
    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);

    std::unique_ptr<QMenu> menu(m_screen->contextMenuFor(rowOf("confirm"), m_screen.get()));
    menuAction(menu.get(), "&Confirm")->trigger();
    QCOMPARE(posted.count(), 1);
    QCOMPARE(postedCount(), 1);
    QCOMPARE(m_state->transactionRepository()->findByAccount("a").first().date, kToday.addDays(-1));
    QCOMPARE(m_screen->model()->ruleAt(rowOf("confirm"))->nextDueDate,
             kToday.addDays(-1).addMonths(1));

    menu.reset(m_screen->contextMenuFor(rowOf("skip"), m_screen.get()));
    menuAction(menu.get(), "&Skip")->trigger();
    QCOMPARE(postedCount(), 1);
    QCOMPARE(m_screen->model()->ruleAt(rowOf("skip"))->nextDueDate, kToday.addMonths(1));
    QCOMPARE(m_screen->dueLabel()->text(), QString());

    answerWith(QMessageBox::No);
    menu.reset(m_screen->contextMenuFor(rowOf("delete"), m_screen.get()));
    menuAction(menu.get(), "&Delete")->trigger();
    QCOMPARE(m_titles, QStringList{"Delete"});
    QVERIFY(rowOf("delete") >= 0);
    answerWith(QMessageBox::Yes);
    menuAction(menu.get(), "&Delete")->trigger();
    QCOMPARE(rowOf("delete"), -1);
    QVERIFY(m_state->recurringRepository()->findById("delete")->deletedAt);
}

void tst_RecurringScreen::confirmAllDuePostsEachOnce() {
    addRule("r1", kToday.addDays(-60));
    addRule("r2", kToday);
    addRule("r3", kToday.addDays(2));
    addRule("off", kToday.addDays(-1), false);
    openScreen();
    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    QTest::mouseClick(m_screen->confirmAllButton(), Qt::LeftButton);
    // One occurrence each, even for the rule that is two months behind.
    QCOMPARE(postedCount(), 2);
    QCOMPARE(posted.count(), 1);
    QCOMPARE(m_screen->dueLabel()->text(), QStringLiteral("(1 due)"));
    QVERIFY(m_titles.isEmpty());
}

void tst_RecurringScreen::failedConfirmIsReported() {
    addRule("r", kToday);
    // The occurrence arrived from another device already.
    Transaction existing = TestRecords::transaction(
        RecurringService::occurrenceId("r", kToday, false), "a", kToday, -120000, "Rent");
    QVERIFY(m_state->transactionRepository()->insert(existing));
    openScreen();
    QSignalSpy posted(m_screen.get(), &RecurringScreen::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert failed"));
    m_screen->table()->setCurrentIndex(m_screen->model()->index(0, 1));
    m_screen->confirmSelected();
    QCOMPARE(m_titles, QStringList{"Confirm"});
    QCOMPARE(posted.count(), 0);
    QCOMPARE(m_state->recurringRepository()->findById("r")->nextDueDate, kToday);

    m_titles.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("TransactionRepository::insert failed"));
    QTest::mouseClick(m_screen->confirmAllButton(), Qt::LeftButton);
    QCOMPARE(m_titles, QStringList{"Confirm All Due"});
}

void tst_RecurringScreen::staleRowIsReadAgain() {
    addRule("r", kToday);
    openScreen();
    m_screen->table()->setCurrentIndex(m_screen->model()->index(0, 1));
    // Skipped elsewhere before this screen heard of it.
    QVERIFY(m_state->recurringService()->skip(*m_state->recurringRepository()->findById("r")));
    m_screen->confirmSelected();
    QCOMPARE(postedCount(), 0);
    QCOMPARE(m_titles, QStringList{"Confirm"});
    QCOMPARE(m_screen->model()->ruleAt(0)->nextDueDate, kToday.addMonths(1));
}

void tst_RecurringScreen::editKeepsOrMovesNextDue() {
    addRule("r", kToday.addMonths(5));
    openScreen();
    answerWith(QMessageBox::Yes, [](RecurringFormDialog *form) {
        QCOMPARE(form->mode(), RecurringFormDialog::Mode::Edit);
        form->payeeEdit()->setText("Rent (new flat)");
    });
    m_screen->showEditForm(0);
    std::optional<RecurringTransaction> stored = m_state->recurringRepository()->findById("r");
    QCOMPARE(stored->payee, QStringLiteral("Rent (new flat)"));
    QCOMPARE(stored->nextDueDate, kToday.addMonths(5));
    QCOMPARE(stored->version, 2);

    answerWith(QMessageBox::Yes, [](RecurringFormDialog *form) {
        form->startDateEdit()->setDate(kToday.addDays(3));
    });
    const QPoint cell = m_screen->table()->visualRect(m_screen->model()->index(0, 1)).center();
    QTest::mouseClick(m_screen->table()->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(m_screen->table()->viewport(), Qt::LeftButton, {}, cell);
    QCOMPARE(m_titles.size(), 2);
    stored = m_state->recurringRepository()->findById("r");
    QCOMPARE(stored->startDate, kToday.addDays(3));
    QCOMPARE(stored->nextDueDate, kToday.addDays(3));
}

void tst_RecurringScreen::editLosesToChangeMadeMeanwhile() {
    addRule("r", kToday);
    openScreen();
    answerWith(QMessageBox::Ok, [this](RecurringFormDialog *form) {
        form->payeeEdit()->setText("Edited");
        // Confirmed from another window while the form was open.
        QVERIFY(
            m_state->recurringService()->confirm(*m_state->recurringRepository()->findById("r")));
    });
    m_screen->showEditForm(0);
    const RecurringTransaction stored = *m_state->recurringRepository()->findById("r");
    QCOMPARE(stored.payee, QStringLiteral("Rent"));
    QCOMPARE(stored.nextDueDate, kToday.addMonths(1));
    QCOMPARE(m_titles.last(), QStringLiteral("Edit"));
}

void tst_RecurringScreen::refreshesOnChangeOnlyWhenVisible() {
    openScreen();
    addRule("r1", kToday);
    settle();
    QCOMPARE(m_screen->model()->rowCount(), 1);
    QCOMPARE(m_screen->dueLabel()->text(), QStringLiteral("(1 due)"));

    m_screen->hide();
    addRule("r2", kToday);
    settle();
    QCOMPARE(m_screen->model()->rowCount(), 1);
    m_screen->show();
    settle();
    QCOMPARE(m_screen->model()->rowCount(), 2);
}

void tst_RecurringScreen::windowOpensFromMenuShortcut() {
    addRule("r", kToday.addDays(-1));
    // Auto-post leaves rules that wait for confirmation alone.
    MainWindow window(m_state);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::keyClick(&window, Qt::Key_3, Qt::ControlModifier);
    settle();
    auto *screen = window.findChild<RecurringScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isVisible() && screen->isWindow());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Recurring Transactions"));
    QCOMPARE(screen->size(), QSize(700, 500));
    QCOMPARE(screen->model()->rowCount(), 1);

    // The posting reaches the register's account through the shared change notice.
    window.selectAccount("a");
    screen->table()->setCurrentIndex(screen->model()->index(0, 1));
    screen->confirmSelected();
    settle();
    QCOMPARE(window.findChild<RegisterScreen *>()->model()->rowCount(),
             2); // the posting and the new entry
    window.showRecurringWindow();
    QCOMPARE(window.findChildren<RecurringScreen *>().size(), 1);
}

QTEST_MAIN(tst_RecurringScreen)
#include "tst_recurringscreen.moc"
