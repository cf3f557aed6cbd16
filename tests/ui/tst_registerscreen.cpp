// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testappstate.h"
#include "tests/support/testrecords.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"
#include "ui/register/payeememoeditor.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/transactionformdialog.h"
#include "ui/widgets/smartamountfield.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringListModel>
#include <QTableWidget>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

class tst_RegisterScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void enterWalksFieldsAndSavesOnClr();
    void ctrlEnterSavesNewEntry_data();
    void ctrlEnterSavesNewEntry();
    void tabStopsAtTheEnds();
    void transferLegsStayOpposite();
    void transferToOwnAccountRefused();
    void reloadWhileTypingKeepsRow();
    void ownSaveIsNotReadAgain_data();
    void ownSaveIsNotReadAgain();
    void escapeRestoresCellThenDiscardsRow();
    void ctrlIAsksAboutTypedText_data();
    void ctrlIAsksAboutTypedText();
    void ctrlShiftNIsLeftToTheWindow();
    void ctrlMRefusesOpeningBalance();
    void categoryRoundTripsById_data();
    void categoryRoundTripsById();
    void enterTakesCompletionAndMovesOn();
    void unknownCategoryIsRefused();
    void reconciledOtherLegAsks_data();
    void reconciledOtherLegAsks();
    void editFormCannotMakeHalfATransfer();
    void deletedAccountIsLeft();
    void preferencesApplyAtOnce();
    void themeChangeRecoloursBalance();
    void ctrlIBeginsEntryDespiteWindowShortcut();
    void apostropheCopiesFromAbove();
    void openingBalanceIsReadOnly();
    void deleteRemovesBothTransferLegs();
    void categoryPathResolves();
    void splitEditorRemainingAndSave();
    void spaceWhileCompletionsShow();
    void ctrlNSavesFormWithSplit();
    void splitRowAmountChangeAsks_data();
    void splitRowAmountChangeAsks();
    void twoLineMemoUnderPayee();
    void completionsFollowTheBooks();

private:
    void openScreen(const QString &accountId = QStringLiteral("a"));
    QWidget *focus() const { return QApplication::focusWidget(); }
    void key(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString &text);
    void keepActive();
    // A key as the user presses it: to the completion list when it shows, which then has
    // the keyboard.
    void press(int k, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    QList<Transaction> stored(const QString &accountId) const;

    std::unique_ptr<TestAppState> m_app;
    AppState *m_state = nullptr;
    std::unique_ptr<QWidget> m_window;
    RegisterScreen *m_screen = nullptr;
    QStringList m_boxes;
};

void tst_RegisterScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonRegisterTest");
    QLocale::setDefault(QLocale::c());
}

void tst_RegisterScreen::init() {
    m_app = std::make_unique<TestAppState>();
    QVERIFY(m_app->isValid());
    m_state = m_app->state();
    AccountRepository *accounts = m_state->accountRepository();
    QVERIFY(accounts->insert(TestRecords::account("a", "Checking")));
    QVERIFY(accounts->insert(TestRecords::account("b", "Savings")));
    m_boxes.clear();
    // The sign of an editor closed twice, or closed behind the view's back.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("closeEditor")));
    ModalRunner::setHandler([this](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        return int(QMessageBox::Yes);
    });
}

void tst_RegisterScreen::cleanup() {
    ModalRunner::setHandler({});
    m_window.reset();
    m_screen = nullptr;
    m_state = nullptr;
    m_app.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

void tst_RegisterScreen::openScreen(const QString &accountId) {
    m_window = std::make_unique<QWidget>();
    m_screen = new RegisterScreen(m_state, m_window.get());
    auto *layout = new QVBoxLayout(m_window.get());
    layout->addWidget(m_screen);
    m_window->resize(1100, 600);
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    m_screen->loadAccount(accountId);
    m_screen->table()->setFocus();
    QCoreApplication::processEvents();
}

void tst_RegisterScreen::key(int k, Qt::KeyboardModifiers modifiers) {
    QWidget *target = focus() ? focus() : m_screen->table();
    QTest::keyClick(target, Qt::Key(k), modifiers);
    // Tab moves run from the event loop.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    keepActive();
}

// The offscreen platform hands activation to a completion popup and leaves it there when the
// popup hides; a real window manager keeps it on the window.
void tst_RegisterScreen::keepActive() {
    if (m_window && QApplication::activeWindow() != m_window.get()
        && !QApplication::activePopupWidget())
        QApplication::setActiveWindow(m_window.get());
}

void tst_RegisterScreen::press(int k, Qt::KeyboardModifiers modifiers) {
    QWidget *popup = QApplication::activePopupWidget();
    if (!popup) {
        key(k, modifiers);
        return;
    }
    QTest::keyClick(popup, Qt::Key(k), modifiers);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    keepActive();
}

void tst_RegisterScreen::type(const QString &text) {
    for (const QChar c : text) {
        QVERIFY(focus());
        QTest::keyClicks(focus(), QString(c));
        QCoreApplication::processEvents();
        keepActive();
    }
}

QList<Transaction> tst_RegisterScreen::stored(const QString &accountId) const {
    return m_state->transactionRepository()->findByAccount(accountId);
}

void tst_RegisterScreen::enterWalksFieldsAndSavesOnClr() {
    openScreen();
    RegisterTableView *table = m_screen->table();
    QCOMPARE(table->currentIndex().row(), m_screen->model()->newEntryRow());
    key(Qt::Key_Return); // opens the date editor
    QVERIFY(table->isEditing());
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::DateColumn));
    QCOMPARE(focus()->actions().size(), 1); // one calendar button
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    type("3/4/2025");
    key(Qt::Key_Return);
    type("101");
    key(Qt::Key_Return);
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::PayeeColumn));
    type("Grocer");
    key(Qt::Key_Return);
    key(Qt::Key_Return); // category left empty
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::MemoColumn));
    type("weekly shop");
    key(Qt::Key_Return);
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::PaymentColumn));
    type("25.50");
    key(Qt::Key_Return);
    key(Qt::Key_Return); // deposit left empty
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::ClrColumn));
    type("r"); // lower case counts
    QVERIFY(stored("a").isEmpty());
    key(Qt::Key_Return);

    const QList<Transaction> rows = stored("a");
    QCOMPARE(rows.size(), 1);
    const Transaction &t = rows.first();
    QCOMPARE(t.payee, QStringLiteral("Grocer"));
    QCOMPARE(t.date, QDate(2025, 3, 4));
    QCOMPARE(t.checkNumber, QStringLiteral("101"));
    QCOMPARE(t.memo, QStringLiteral("weekly shop"));
    QCOMPARE(t.amount, -2550);
    QVERIFY(t.reconciled && t.cleared);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->data(model->index(0, RegisterModel::BalanceColumn)).toString(),
             QStringLiteral("-25.50"));
    QCOMPARE(m_screen->balanceText(), QStringLiteral("-$25.50"));
    // Back on a fresh new-entry row, dated like the last one saved.
    QCOMPARE(table->currentIndex().row(), model->newEntryRow());
    QCOMPARE(model->buffer().date, QStringLiteral("3/4/2025"));
    QCOMPARE(model->buffer().payee, QString());
}

void tst_RegisterScreen::ctrlEnterSavesNewEntry_data() {
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<bool>("saved");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("message");
    QTest::newRow("payment") << "50"
                             << "" << true << qint64(-5000) << "";
    QTest::newRow("minus under payment is a payment") << "-50"
                                                      << "" << true << qint64(-5000) << "";
    QTest::newRow("minus under deposit is a deposit") << ""
                                                      << "-12.34" << true << qint64(1234) << "";
    QTest::newRow("payment wins") << "50"
                                  << "40" << true << qint64(-5000) << "";
    QTest::newRow("explicit zero") << "0"
                                   << "" << true << qint64(0) << "";
    QTest::newRow("thousands") << "1,234.56"
                               << "" << true << qint64(-123456) << "";
    QTest::newRow("both empty") << ""
                                << "" << false << qint64(0) << "Enter a payment or deposit amount";
    QTest::newRow("unreadable") << "abc"
                                << "" << false << qint64(0)
                                << "Cannot read the amount \"abc\"; type it like 1,234.56";
    QTest::newRow("decimal comma")
        << "12,50"
        << "" << false << qint64(0) << "Cannot read the amount \"12,50\"; type it like 1,234.56";
}

void tst_RegisterScreen::ctrlEnterSavesNewEntry() {
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(bool, saved);
    QFETCH(qint64, amount);
    QFETCH(QString, message);
    openScreen();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab); // Chk #
    key(Qt::Key_Tab); // Payee
    type("Shop");
    key(Qt::Key_Tab); // Category
    key(Qt::Key_Tab); // Memo
    key(Qt::Key_Tab); // Payment
    QCOMPARE(m_screen->table()->currentIndex().column(), int(RegisterModel::PaymentColumn));
    type(payment);
    key(Qt::Key_Tab);
    type(deposit);
    key(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> rows = stored("a");
    QCOMPARE(rows.size(), saved ? 1 : 0);
    if (saved) {
        QCOMPARE(rows.first().amount, amount);
        return;
    }
    QCOMPARE(m_screen->messageText(), message);
    // Nothing typed is lost.
    QCOMPARE(m_screen->model()->buffer().payee, QStringLiteral("Shop"));
    QCOMPARE(m_screen->model()->buffer().payment, payment);
}

void tst_RegisterScreen::tabStopsAtTheEnds() {
    openScreen();
    RegisterTableView *table = m_screen->table();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Backtab);
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::DateColumn));
    for (int i = 0; i < 10; ++i)
        key(Qt::Key_Tab);
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::ClrColumn));
    QVERIFY(table->isEditing());
    QVERIFY(stored("a").isEmpty());
}

void tst_RegisterScreen::transferLegsStayOpposite() {
    openScreen();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("[Transfer] Savings");
    QTest::keyClick(focus(), Qt::Key_Escape); // closes the completion popup only
    QTRY_VERIFY(m_screen->table()->isEditing());
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("100");
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(stored("a").size(), 1);
    QCOMPARE(stored("b").size(), 1);
    const Transaction mine = stored("a").first();
    const Transaction theirs = stored("b").first();
    QCOMPARE(mine.payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(theirs.payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(mine.amount, -10000);
    QCOMPARE(theirs.amount, 10000);
    QCOMPARE(mine.transferLinkId, theirs.id);

    // Edit this leg's amount in place: the other follows.
    RegisterTableView *table = m_screen->table();
    table->setCurrentIndex(m_screen->model()->index(0, RegisterModel::PaymentColumn));
    key(Qt::Key_Return);
    QVERIFY(table->isEditing());
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    type("40");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored("a").first().amount, -4000);
    QCOMPARE(stored("b").first().amount, 4000);
}

void tst_RegisterScreen::transferToOwnAccountRefused() {
    openScreen();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("[Transfer] Checking");
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("5");
    key(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(stored("a").isEmpty());
    QCOMPARE(m_screen->messageText(), QStringLiteral("A transfer needs another account"));
}

// A row saved in place needs no reload for its own notice; but a write by someone else that
// lands in the same pass of the event loop (a sync, another window) shares that notice and
// must still be shown.
void tst_RegisterScreen::ownSaveIsNotReadAgain_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("balance");
    QTest::newRow("own save alone") << ""
                                    << "-$6.00";
    QTest::newRow("this program writes beside it") << "this"
                                                   << "-$13.00";
    QTest::newRow("another program commits") << "other"
                                             << "-$12.00";
}

// A row saved from the register is put in place, and the notice of that save reads nothing
// again; any other write, here or in another program, is read and shown.
void tst_RegisterScreen::ownSaveIsNotReadAgain() {
    QFETCH(QString, writer);
    QFETCH(QString, balance);
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("old", "a", QDate(2025, 1, 1), -100, "Old")));
    // As the main window does: every notice reloads the register. Connected before the
    // screen exists, so that nothing hangs on the order of connections.
    connect(m_state, &AppState::dataChanged, this, [this] {
        if (m_screen)
            m_screen->reload();
    });
    m_state->watchOtherWriters(10);
    openScreen();
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->rowCount(), 2);

    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QVERIFY(resets.isValid());
    model->setBufferField(RegisterModel::DateColumn, "2/1/2025");
    model->setBufferField(RegisterModel::PayeeColumn, "Mine");
    model->setBufferField(RegisterModel::PaymentColumn, "5");
    QVERIFY(m_screen->commitCurrentRow());
    QCOMPARE(model->rowCount(), 3); // in place, before any notice
    QCOMPARE(resets.count(), 0);

    if (writer == QLatin1String("this")) {
        QVERIFY(m_state->transactionRepository()->insert(
            TestRecords::transaction("theirs", "a", QDate(2025, 3, 1), -700, "Theirs")));
        QTRY_COMPARE(model->rowCount(), 4);
    } else if (writer == QLatin1String("other")) {
        {
            QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-writer");
            other.setDatabaseName(Database::databasePath());
            QVERIFY(other.open());
            QSqlQuery query(other);
            QVERIFY2(query.exec("UPDATE transactions SET payee = 'Theirs', amount = -700 "
                                "WHERE id = 'old'"),
                     qPrintable(query.lastError().text()));
        }
        QSqlDatabase::removeDatabase("other-writer");
        QTRY_COMPARE(
            model->data(model->index(model->rowOfId("old"), RegisterModel::PayeeColumn)).toString(),
            QStringLiteral("Theirs"));
    } else {
        // Long enough for the notice and several looks for other programs' commits.
        QTest::qWait(100);
        QCOMPARE(resets.count(), 0);
    }
    QCOMPARE(m_screen->balanceText(), balance);
    QVERIFY(model->rowOfId("old") >= 0);
}

void tst_RegisterScreen::reloadWhileTypingKeepsRow() {
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("old", "a", QDate(2025, 1, 1), -100, "Old")));
    openScreen();
    RegisterModel *model = m_screen->model();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("Half typ");

    // Another window saves a row while the payee editor is open.
    Transaction other = TestRecords::transaction("", "a", QDate(2025, 2, 1), -700, "Elsewhere");
    QCOMPARE(m_state->ledger()->addTransaction(other), LedgerWriter::Result::Ok);
    m_screen->reload();
    QTRY_COMPARE(model->rowCount(), 2 + 0); // waits for the editor
    QVERIFY(m_screen->table()->isEditing());
    type("ed");
    key(Qt::Key_Tab);
    QTRY_COMPARE(model->rowCount(), 3);
    QCOMPARE(model->buffer().payee, QStringLiteral("Half typed"));
    QCOMPARE(model->data(model->index(model->newEntryRow(), RegisterModel::PayeeColumn)).toString(),
             QStringLiteral("Half typed"));

    // The same while a stored row is being edited and no editor is open. Moving there asks
    // about the new entry typed so far.
    ModalRunner::setHandler([this](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        return int(QMessageBox::Discard);
    });
    m_screen->table()->setCurrentIndex(model->index(0, RegisterModel::MemoColumn));
    key(Qt::Key_Return);
    type("note");
    key(Qt::Key_Escape, Qt::NoModifier);
    QCOMPARE(model->buffer().memo, QString()); // Escape discards
    key(Qt::Key_Return);
    type("note");
    key(Qt::Key_Return); // to Payment
    m_screen->table()->finishEditing(true);
    QCOMPARE(m_state->ledger()->addTransaction(
                 TestRecords::transaction("", "a", QDate(2024, 1, 1), -5, "Earlier")),
             LedgerWriter::Result::Ok);
    m_screen->reload();
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->editingRow(), model->rowOfId("old"));
    QCOMPARE(model->buffer().memo, QStringLiteral("note"));
    QCOMPARE(m_boxes, QStringList{"Unsaved Transaction"});
}

void tst_RegisterScreen::escapeRestoresCellThenDiscardsRow() {
    openScreen();
    RegisterModel *model = m_screen->model();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("Keep");
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    QCOMPARE(m_screen->table()->currentIndex().column(), int(RegisterModel::MemoColumn));
    type("Typo");
    key(Qt::Key_Escape);
    QVERIFY(!m_screen->table()->isEditing());
    QCOMPARE(model->buffer().memo, QString());
    QCOMPARE(model->buffer().payee, QStringLiteral("Keep"));
    key(Qt::Key_Escape);
    QCOMPARE(model->buffer().payee, QString());
    QVERIFY(!model->isDirty());
    QVERIFY(stored("a").isEmpty());
}

void tst_RegisterScreen::ctrlIAsksAboutTypedText_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("saved");
    QTest::addColumn<QString>("payeeAfter");
    QTest::addRow("save") << int(QMessageBox::Save) << 1 << "";
    QTest::addRow("discard") << int(QMessageBox::Discard) << 0 << "";
    QTest::addRow("cancel keeps the row") << int(QMessageBox::Cancel) << 0 << "Shop";
}

// A check number and memo typed before Ctrl+I must not turn up in the next entry.
void tst_RegisterScreen::ctrlIAsksAboutTypedText() {
    QFETCH(int, answer);
    QFETCH(int, saved);
    QFETCH(QString, payeeAfter);
    openScreen();
    ModalRunner::setHandler([&](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        return answer;
    });
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    type("101");
    key(Qt::Key_Tab);
    type("Shop");
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("note");
    key(Qt::Key_Tab);
    type("5"); // still in its editor
    key(Qt::Key_I, Qt::ControlModifier);

    QCOMPARE(m_boxes, QStringList{"Unsaved Transaction"});
    QCOMPARE(stored("a").size(), saved);
    if (saved)
        QCOMPARE(stored("a").first().checkNumber, QStringLiteral("101"));
    const RegisterModel::EditBuffer &buffer = m_screen->model()->buffer();
    QCOMPARE(buffer.payee, payeeAfter);
    QCOMPARE(buffer.checkNumber, payeeAfter.isEmpty() ? QString() : QStringLiteral("101"));
    QCOMPARE(buffer.memo, payeeAfter.isEmpty() ? QString() : QStringLiteral("note"));
}

void tst_RegisterScreen::ctrlShiftNIsLeftToTheWindow() {
    openScreen();
    auto *newAccount = new QAction("New Account", m_window.get());
    newAccount->setShortcut(QKeySequence("Ctrl+Shift+N"));
    m_window->addAction(newAccount);
    QSignalSpy triggered(newAccount, &QAction::triggered);
    key(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(triggered.count(), 1);
    QVERIFY(m_boxes.isEmpty()); // no New Transaction form
}

void tst_RegisterScreen::ctrlMRefusesOpeningBalance() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("c", "Wallet", 5000)));
    openScreen("c");
    m_screen->table()->setCurrentIndex(m_screen->model()->index(0, RegisterModel::PayeeColumn));
    key(Qt::Key_M, Qt::ControlModifier);
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(m_screen->messageText().contains("cannot be memorized"));
    QVERIFY(m_state->recurringRepository()->findAll().isEmpty());
}

void tst_RegisterScreen::categoryRoundTripsById_data() {
    QTest::addColumn<QString>("categoryId");
    QTest::addRow("Transportation > Maintenance") << "tm";
    QTest::addRow("Housing > Maintenance") << "hm";
}

// Two categories share a name under different parents: walking through a row's fields with
// Enter keeps its own, and is no change worth asking about.
void tst_RegisterScreen::categoryRoundTripsById() {
    QFETCH(QString, categoryId);
    CategoryRepository *categories = m_state->categoryRepository();
    QVERIFY(categories->insert(TestRecords::category("tr", "Transportation")));
    QVERIFY(categories->insert(TestRecords::category("ho", "Housing")));
    for (const auto &[id, parent] : {std::pair{"tm", "tr"}, std::pair{"hm", "ho"}}) {
        Category child = TestRecords::category(id, "Maintenance");
        child.parentId = parent;
        QVERIFY(categories->insert(child));
    }
    Transaction t = TestRecords::transaction("t", "a", QDate(2025, 1, 1), -100, "Garage");
    t.categoryId = categoryId;
    QVERIFY(m_state->transactionRepository()->insert(t));
    openScreen();
    RegisterModel *model = m_screen->model();
    RegisterTableView *table = m_screen->table();
    table->setCurrentIndex(model->index(0, RegisterModel::DateColumn));
    key(Qt::Key_Return);
    for (int field = RegisterModel::DateColumn; field < RegisterModel::ClrColumn; ++field)
        key(Qt::Key_Return);
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::ClrColumn));
    QVERIFY(!model->isDirty());
    QVERIFY(m_screen->confirmLeaveEntry());
    QVERIFY(m_boxes.isEmpty());
    QVERIFY(m_screen->commitCurrentRow());
    QCOMPARE(m_state->transactionRepository()->findById("t")->categoryId, categoryId);
}

// Enter on a completion takes it and goes on, so the memo typed next is the memo.
void tst_RegisterScreen::enterTakesCompletionAndMovesOn() {
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("qf", "Quokka Feed")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("qt", "Quokka Toys")));
    openScreen();
    RegisterTableView *table = m_screen->table();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("Shop");
    key(Qt::Key_Tab);
    type("Quokka");
    QTRY_VERIFY(QApplication::activePopupWidget());
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::MemoColumn));
    QVERIFY(table->isEditing());
    type("bread");
    key(Qt::Key_Tab);
    type("5");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored("a").size(), 1);
    QCOMPARE(stored("a").first().categoryId, QStringLiteral("qf"));
    QCOMPARE(stored("a").first().memo, QStringLiteral("bread"));
}

void tst_RegisterScreen::unknownCategoryIsRefused() {
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("groc", "Groceries")));
    openScreen();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("Shop");
    key(Qt::Key_Tab);
    type("Zzz");
    key(Qt::Key_Tab);
    QCOMPARE(m_screen->table()->currentIndex().column(), int(RegisterModel::CategoryColumn));
    QCOMPARE(m_screen->messageText(),
             QStringLiteral("No category \"Zzz\"; choose one from the list"));
    m_screen->model()->setBufferField(RegisterModel::PaymentColumn, "5");
    key(Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(stored("a").isEmpty());
    QCOMPARE(m_screen->messageText(),
             QStringLiteral("No category \"Zzz\"; choose one from the list"));
    QCOMPARE(m_screen->model()->buffer().categoryText, QStringLiteral("Zzz"));
}

void tst_RegisterScreen::reconciledOtherLegAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<qint64>("amount");
    QTest::addRow("change both") << int(QMessageBox::Yes) << qint64(-4000);
    QTest::addRow("keep both") << int(QMessageBox::No) << qint64(-10000);
}

void tst_RegisterScreen::reconciledOtherLegAsks() {
    QFETCH(int, answer);
    QFETCH(qint64, amount);
    Transaction transfer
        = TestRecords::transaction("", "a", QDate(2025, 1, 1), -10000, "[Transfer] Savings");
    QCOMPARE(m_state->ledger()->addTransaction(transfer), LedgerWriter::Result::Ok);
    Transaction theirs = stored("b").first();
    theirs.cleared = theirs.reconciled = true;
    QVERIFY(m_state->transactionRepository()->update(theirs));
    openScreen();
    QStringList texts;
    ModalRunner::setHandler([&](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        if (auto *box = qobject_cast<QMessageBox *>(dialog))
            texts << box->text();
        return answer;
    });
    RegisterTableView *table = m_screen->table();
    table->setCurrentIndex(m_screen->model()->index(0, RegisterModel::PaymentColumn));
    key(Qt::Key_Return);
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    type("40");
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(m_boxes, QStringList{"Reconciled Transfer"});
    QVERIFY(texts.first().contains("\"Savings\""));
    QCOMPARE(stored("a").first().amount, amount);
    QCOMPARE(stored("b").first().amount, -amount);
    QVERIFY(stored("b").first().reconciled);
    if (answer == int(QMessageBox::No))
        QCOMPARE(m_screen->model()->buffer().payment, QStringLiteral("40"));
}

// The form and the register keep one rule: a plain row does not become half a transfer.
void tst_RegisterScreen::editFormCannotMakeHalfATransfer() {
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t", "a", QDate(2025, 1, 1), -100, "Grocer")));
    openScreen();
    ModalRunner::setHandler([&](QDialog *dialog) {
        auto *form = qobject_cast<TransactionFormDialog *>(dialog);
        if (!form)
            return int(QDialog::Rejected);
        for (QLineEdit *line : form->findChildren<QLineEdit *>()) {
            if (line->accessibleName() == QLatin1String("Payee"))
                line->setText("[Transfer] Savings");
        }
        form->accept();
        return form->result();
    });
    QVERIFY(!m_screen->editTransactionDialog(0));
    QCOMPARE(m_state->transactionRepository()->findById("t")->payee, QStringLiteral("Grocer"));
    QVERIFY(stored("b").isEmpty());
    QVERIFY(m_screen->messageText().contains("cannot become a transfer"));
}

// Deleted elsewhere (a sync, the command line) while a row is being typed in it.
void tst_RegisterScreen::deletedAccountIsLeft() {
    openScreen();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("Half");
    key(Qt::Key_Tab);
    QVERIFY(m_state->ledger()->deleteAccount("a"));
    m_screen->reload();
    QTRY_COMPARE(m_screen->accountId(), QString());
    QVERIFY(!m_screen->model()->isDirty());
    QCOMPARE(m_screen->model()->dataRowCount(), 0);
    m_screen->model()->setBufferField(RegisterModel::PayeeColumn, "Late");
    m_screen->model()->setBufferField(RegisterModel::PaymentColumn, "5");
    QVERIFY(!m_screen->commitCurrentRow());
    QVERIFY(stored("a").isEmpty());
}

void tst_RegisterScreen::preferencesApplyAtOnce() {
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t", "a", QDate(2025, 1, 1), -100, "Bakery")));
    openScreen();
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->newEntryRow(), 1);
    QVERIFY(m_state->preferencesRepository()->setBool("registerTwoLine", true));
    QTRY_VERIFY(m_screen->table()->isColumnHidden(RegisterModel::MemoColumn));
    QVERIFY(m_state->preferencesRepository()->setBool("registerNewestFirst", true));
    QTRY_COMPARE(model->newEntryRow(), 0);
}

void tst_RegisterScreen::themeChangeRecoloursBalance() {
    openScreen();
    auto *balance = m_screen->findChild<QLabel *>();
    for (QLabel *label : m_screen->findChildren<QLabel *>()) {
        if (label->accessibleName() == QLatin1String("Ending balance"))
            balance = label;
    }
    ThemeManager *theme = m_state->themeManager();
    for (const char *name : {"dark", "light"}) {
        theme->setTheme(QString::fromLatin1(name));
        QTRY_VERIFY(balance->styleSheet().contains(Styles::positiveColour().name()));
    }
}

void tst_RegisterScreen::ctrlIBeginsEntryDespiteWindowShortcut() {
    openScreen();
    auto *import = new QAction("Import", m_window.get());
    import->setShortcut(QKeySequence("Ctrl+I"));
    m_window->addAction(import);
    QSignalSpy triggered(import, &QAction::triggered);
    key(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 0);
    QVERIFY(m_screen->table()->isEditing());
    QCOMPARE(m_screen->table()->currentIndex().row(), m_screen->model()->newEntryRow());
}

void tst_RegisterScreen::apostropheCopiesFromAbove() {
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t", "a", QDate(2025, 1, 1), -100, "Baker")));
    openScreen();
    RegisterModel *model = m_screen->model();
    RegisterTableView *table = m_screen->table();
    table->setCurrentIndex(model->index(model->newEntryRow(), RegisterModel::PayeeColumn));
    key(Qt::Key_Apostrophe);
    QCOMPARE(model->buffer().payee, QStringLiteral("Baker"));
    // Inside an open editor it is just a character.
    key(Qt::Key_Return);
    QVERIFY(table->isEditing());
    key(Qt::Key_End);
    key(Qt::Key_Apostrophe);
    key(Qt::Key_S);
    key(Qt::Key_Tab);
    QCOMPARE(model->buffer().payee, QStringLiteral("Baker's"));
}

void tst_RegisterScreen::openingBalanceIsReadOnly() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("c", "Wallet", 5000)));
    openScreen("c");
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->rowCount(), 2);
    m_screen->table()->setCurrentIndex(model->index(0, RegisterModel::PayeeColumn));
    key(Qt::Key_Return);
    QVERIFY(!m_screen->table()->isEditing());
    QVERIFY(m_screen->messageText().contains("starting balance"));
    key(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(model->rowCount(), 2);
}

void tst_RegisterScreen::deleteRemovesBothTransferLegs() {
    Transaction transfer
        = TestRecords::transaction("", "a", QDate(2025, 1, 1), -300, "[Transfer] Savings");
    QCOMPARE(m_state->ledger()->addTransaction(transfer), LedgerWriter::Result::Ok);
    QVERIFY(m_state->preferencesRepository()->setBool("registerNewestFirst", true));
    openScreen();
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->newEntryRow(), 0);
    m_screen->table()->setCurrentIndex(model->index(1, RegisterModel::PayeeColumn));
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_boxes, QStringList{"Delete Transaction"});
    QVERIFY(stored("a").isEmpty());
    QVERIFY(stored("b").isEmpty());
    QCOMPARE(model->rowCount(), 1);
}

void tst_RegisterScreen::categoryPathResolves() {
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("hob", "Hobby")));
    Category groceries = TestRecords::category("groc", "Zeppelin Parts");
    groceries.parentId = "hob";
    QVERIFY(m_state->categoryRepository()->insert(groceries));
    openScreen();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("Shop");
    key(Qt::Key_Tab);
    type("Leisure > Zeppelin Parts"); // no such parent: the part after " > " names it
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("5");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(stored("a").size(), 1);
    QCOMPARE(stored("a").first().categoryId, QStringLiteral("groc"));
}

void tst_RegisterScreen::splitEditorRemainingAndSave() {
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c1", "Aardvark Food")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c2", "Aardvark Toys")));
    Transaction t = TestRecords::transaction("t", "a", QDate(2025, 1, 1), -10000, "Zoo");
    t.categoryId = "c1";
    QVERIFY(m_state->transactionRepository()->insert(t));
    openScreen();

    QStringList remainingTexts;
    bool okWhenOver = true;
    ModalRunner::setHandler([&](QDialog *dialog) {
        auto *split = qobject_cast<SplitEditorDialog *>(dialog);
        if (!split)
            return int(QDialog::Rejected);
        QPushButton *ok = split->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
        QTableWidget *table = split->table();
        auto amount
            = [&](int row) { return qobject_cast<QDoubleSpinBox *>(table->cellWidget(row, 1)); };
        // Starts as one line of the whole amount in the row's category, and an empty line.
        remainingTexts << split->remainingText();
        amount(0)->setValue(70);
        remainingTexts << split->remainingText();
        amount(1)->setValue(40);
        remainingTexts << split->remainingText();
        okWhenOver = ok->isEnabled();
        auto *combo = qobject_cast<QComboBox *>(table->cellWidget(1, 0));
        combo->setCurrentIndex(combo->findData("c2"));
        amount(1)->setValue(30);
        remainingTexts << split->remainingText();
        return ok->isEnabled() ? int(QDialog::Accepted) : int(QDialog::Rejected);
    });
    QVERIFY(m_screen->splitRow(0));
    QCOMPARE(remainingTexts, (QStringList{"Remaining: $0.00", "Remaining: $30.00",
                                          "Remaining: -$10.00", "Remaining: $0.00"}));
    QVERIFY(!okWhenOver);

    const QList<SplitLine> lines = m_state->splitLineRepository()->findByTransaction("t");
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).amount + lines.at(1).amount, -10000);
    QCOMPARE(lines.at(1).categoryId, QStringLiteral("c2"));
    QVERIFY(m_state->transactionRepository()->findById("t")->isSplit);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->data(model->index(0, RegisterModel::CategoryColumn)).toString(),
             QStringLiteral("(split)"));
}

void tst_RegisterScreen::spaceWhileCompletionsShow() {
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t", "a", QDate(2025, 1, 1), -100, "Corner Bistro")));
    openScreen();
    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    auto *line = qobject_cast<QLineEdit *>(focus());
    QVERIFY(line);
    QTest::keyClicks(line, "Corner");
    QTRY_VERIFY(line->completer()->popup()->isVisible());
    QTest::keyClick(line->completer()->popup(), Qt::Key_Space);
    QTest::keyClicks(line->completer()->popup(), "B");
    QCOMPARE(line->text(), QStringLiteral("Corner B"));
}

// The form from Ctrl+N, split with its own button: the row, its lines and the flag are stored.
void tst_RegisterScreen::ctrlNSavesFormWithSplit() {
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c1", "Aardvark Food")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c2", "Aardvark Toys")));
    openScreen();
    QStringList seen;
    ModalRunner::setHandler([&](QDialog *dialog) {
        seen << dialog->windowTitle();
        if (auto *split = qobject_cast<SplitEditorDialog *>(dialog)) {
            QTableWidget *table = split->table();
            qobject_cast<QDoubleSpinBox *>(table->cellWidget(0, 1))->setValue(35);
            qobject_cast<QDoubleSpinBox *>(table->cellWidget(1, 1))->setValue(15);
            for (int row = 0; row < 2; ++row) {
                auto *combo = qobject_cast<QComboBox *>(table->cellWidget(row, 0));
                combo->setCurrentIndex(combo->findData(row == 0 ? "c1" : "c2"));
            }
            return int(QDialog::Accepted);
        }
        auto *form = qobject_cast<TransactionFormDialog *>(dialog);
        if (!form)
            return int(QDialog::Rejected);
        for (QLineEdit *line : form->findChildren<QLineEdit *>()) {
            if (line->accessibleName() == QLatin1String("Payee"))
                QTest::keyClicks(line, "Market");
        }
        form->amountField()->setValue(50);
        QTest::mouseClick(form->splitButton(), Qt::LeftButton);
        form->accept();
        return form->result();
    });
    key(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(seen, (QStringList{"New Transaction", "Split Transaction"}));

    const QList<Transaction> rows = stored("a");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().amount, -5000);
    QVERIFY(rows.first().isSplit);
    const QList<SplitLine> lines
        = m_state->splitLineRepository()->findByTransaction(rows.first().id);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).amount + lines.at(1).amount, -5000);
    RegisterModel *model = m_screen->model();
    QCOMPARE(model->data(model->index(0, RegisterModel::CategoryColumn)).toString(),
             QStringLiteral("(split)"));
    QCOMPARE(m_screen->table()->currentIndex().row(), model->newEntryRow());
}

void tst_RegisterScreen::splitRowAmountChangeAsks_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("split");
    QTest::addColumn<qint64>("lineTotal");
    QTest::addRow("split again") << int(QMessageBox::Yes) << qint64(-12000) << true
                                 << qint64(-12000);
    QTest::addRow("remove split") << int(QMessageBox::No) << qint64(-12000) << false << qint64(0);
    QTest::addRow("cancel saves nothing")
        << int(QMessageBox::Cancel) << qint64(-10000) << true << qint64(-10000);
}

void tst_RegisterScreen::splitRowAmountChangeAsks() {
    QFETCH(int, answer);
    QFETCH(qint64, amount);
    QFETCH(bool, split);
    QFETCH(qint64, lineTotal);
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c1", "Aardvark Food")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("c2", "Aardvark Toys")));
    Transaction t = TestRecords::transaction("t", "a", QDate(2025, 1, 1), -10000, "Zoo");
    t.isSplit = true;
    QVERIFY(m_state->transactionRepository()->insert(t));
    QVERIFY(m_state->splitLineRepository()->replaceForTransaction(
        "t", {SplitLine{{}, "t", "c1", -7000, {}, {}, {}},
              SplitLine{{}, "t", "c2", -3000, {}, {}, {}}}));
    openScreen();

    QStringList asked;
    QString remaining;
    ModalRunner::setHandler([&](QDialog *dialog) {
        if (auto *editor = qobject_cast<SplitEditorDialog *>(dialog)) {
            // The stored lines come back; the second takes what the new amount added.
            remaining = editor->remainingText();
            qobject_cast<QDoubleSpinBox *>(editor->table()->cellWidget(1, 1))->setValue(50);
            return int(QDialog::Accepted);
        }
        asked << dialog->windowTitle();
        return answer;
    });
    RegisterTableView *table = m_screen->table();
    table->setCurrentIndex(m_screen->model()->index(0, RegisterModel::PaymentColumn));
    key(Qt::Key_Return);
    QVERIFY(table->isEditing());
    QTest::keyClick(focus(), Qt::Key_A, Qt::ControlModifier);
    type("120");
    key(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(asked, QStringList{"Split No Longer Adds Up"});
    if (answer == int(QMessageBox::Yes))
        QCOMPARE(remaining, QStringLiteral("Remaining: $20.00"));
    const std::optional<Transaction> after = m_state->transactionRepository()->findById("t");
    QCOMPARE(after->amount, amount);
    QCOMPARE(after->isSplit, split);
    qint64 sum = 0;
    for (const SplitLine &line : m_state->splitLineRepository()->findByTransaction("t"))
        sum += line.amount;
    QCOMPARE(sum, lineTotal);
    // Backing out keeps what was typed, for another try.
    if (answer == int(QMessageBox::Cancel))
        QCOMPARE(m_screen->model()->buffer().payment, QStringLiteral("120"));
}

// With the Memo column hidden, the memo is typed under the payee in the same cell.
void tst_RegisterScreen::twoLineMemoUnderPayee() {
    QVERIFY(m_state->preferencesRepository()->setBool("registerTwoLine", true));
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t", "a", QDate(2025, 1, 1), -100, "Bakery", "rye loaf")));
    openScreen();
    RegisterTableView *table = m_screen->table();
    QVERIFY(table->isColumnHidden(RegisterModel::MemoColumn));
    QCOMPARE(table->rowHeight(0), 52);
    QVERIFY(!table->grab().isNull()); // paints without tripping over the memo line

    key(Qt::Key_I, Qt::ControlModifier);
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    auto *pair = qobject_cast<PayeeMemoEditor *>(table->currentEditor());
    QVERIFY(pair);
    QCOMPARE(focus(), pair->payeeEdit());
    type("Cafe");
    key(Qt::Key_Tab);
    QCOMPARE(focus(), pair->memoEdit());
    type("with Sam");
    key(Qt::Key_Tab); // on to Category, the memo column being hidden
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::CategoryColumn));
    key(Qt::Key_Tab);
    QCOMPARE(table->currentIndex().column(), int(RegisterModel::PaymentColumn));
    type("4");
    key(Qt::Key_Return, Qt::ControlModifier);

    const std::optional<Transaction> cafe = [&]() -> std::optional<Transaction> {
        for (const Transaction &t : stored("a")) {
            if (t.payee == QLatin1String("Cafe"))
                return t;
        }
        return std::nullopt;
    }();
    QVERIFY(cafe);
    QCOMPARE(cafe->memo, QStringLiteral("with Sam"));
    QCOMPARE(cafe->amount, -400);
}

// The editors share lists read once, yet offer what was written since they were read.
void tst_RegisterScreen::completionsFollowTheBooks() {
    openScreen();
    RegisterTableView *table = m_screen->table();
    RegisterModel *model = m_screen->model();
    const auto payeesOffered = [&] {
        table->setCurrentIndex(model->index(model->newEntryRow(), RegisterModel::PayeeColumn));
        table->editCurrent();
        auto *line = qobject_cast<QLineEdit *>(table->currentEditor());
        const auto *list
            = line ? qobject_cast<QStringListModel *>(line->completer()->model()) : nullptr;
        const QStringList offered = list ? list->stringList() : QStringList();
        table->finishEditing(false);
        return offered;
    };
    const auto categoriesOffered = [&] {
        table->setCurrentIndex(model->index(model->newEntryRow(), RegisterModel::CategoryColumn));
        table->editCurrent();
        QStringList offered;
        if (auto *combo = qobject_cast<QComboBox *>(table->currentEditor())) {
            for (int i = 0; i < combo->count(); ++i)
                offered << combo->itemText(i);
        }
        table->finishEditing(false);
        return offered;
    };

    QCOMPARE(payeesOffered(), QStringList{"[Transfer] Savings"});
    QVERIFY(!categoriesOffered().contains("Garden"));

    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("f", "b", QDate(2025, 1, 1), -100, "Florist")));
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("c", "Brokerage")));
    QVERIFY(m_state->categoryRepository()->insert(TestRecords::category("garden", "Garden")));
    QCOMPARE(payeesOffered(),
             (QStringList{"Florist", "[Transfer] Brokerage", "[Transfer] Savings"}));
    QVERIFY(categoriesOffered().contains("Garden"));
}

QTEST_MAIN(tst_RegisterScreen)
#include "tst_registerscreen.moc"
