// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/client.h"
#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/importservice.h"
#include "services/ledgerwriter.h"
#include "services/syncengine.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/testrecords.h"
#include "tests/support/testsyncserver.h"
#include "ui/budget/budgetscreen.h"
#include "ui/common/modalrunner.h"
#include "ui/lists/categoriesscreen.h"
#include "ui/lists/searchscreen.h"
#include "ui/online/accountscreen.h"
#include "ui/online/signinlinkdialog.h"
#include "ui/presentation/accountlistmodel.h"
#include "ui/reconciliation/reconciliationscreen.h"
#include "ui/recurring/recurringscreen.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/register/transactionformdialog.h"
#include "ui/reports/reportsscreen.h"
#include "ui/settings/settingsscreen.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/window/accountformdialog.h"
#include "ui/window/accountsidebar.h"
#include "ui/window/mainwindow.h"
#include "ui/window/statusbar.h"
#include "ui/window/welcomescreen.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A box or dialog the window opened, as the test answered it.
struct Shown {
    QString title;
    QString text;
};

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void sidebarShowsAccountsInOrder();
    void totalPerCurrency();
    void altDigitsForFirstTenAccounts();
    void stackPages();
    void selectAnAccountFirst();
    void newAccountAndOpeningBalance();
    void editKeepsOpeningBalanceOnce();
    void cascadeDelete_data();
    void cascadeDelete();
    void deleteWhileTyping_data();
    void deleteWhileTyping();
    void autoPostMessage_data();
    void autoPostMessage();
    void sampleDataFromHelpMenu();
    void welcomeButtonFollowsSignIn();
    void layoutKeptInSettings();
    void oneSidebarRefreshPerPass();
    void reorderStoredRefreshQueued();
    void statusBarFollowsTheme();
    void preferencesRestoreRefreshesSidebar();
    void accountWindowNeedsSignIn();
    void shareNeedsSignIn();
    void menuKeysFromOtherWindows();
    void shareWaitsForFirstSync();
    void reconciliationAddPostsToItsAccount();
    void userTextIsNeverMarkup();
    void menuMnemonicsAreUnique();
    void menuItems_data();
    void menuItems();
    void shortcutsHelpFollowsMenus();
    void signInAddressIsShown_data();
    void signInAddressIsShown();
    void preferencesOpenWithFocus();
    void undoBringsBackADeletedRow();

private:
    std::unique_ptr<MainWindow> openWindow();
    static QStackedWidget *pages(MainWindow &window);
    static QListView *sidebarList(MainWindow &window);
    // What the sidebar shows in role of each row.
    static QStringList sidebarColumn(MainWindow &window, int role = Qt::DisplayRole);
    static QString totalText(MainWindow &window);
    // Answers every modal with reply (dialogs get QDialog codes); fill runs on dialogs first.
    void answerWith(int reply, std::function<void(QDialog *)> fill = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    QList<Shown> m_shown;
};

namespace {
// Lets every queued notice and the refreshes they queue run.
void settle() {
    for (int i = 0; i < 10; ++i)
        QCoreApplication::processEvents();
}
} // namespace

void tst_MainWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonWindowTest");
    QLocale::setDefault(QLocale::c());
}

void tst_MainWindow::init() {
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(m_state->initialize());
    auto *theme = new ThemeManager(m_state->preferencesRepository(), m_state.get());
    m_state->setThemeManager(theme);
    theme->setTheme("light");
    m_shown.clear();
    answerWith(QMessageBox::Ok);
}

void tst_MainWindow::cleanup() {
    ModalRunner::setHandler({});
    m_state.reset();
    if (m_dir)
        m_dir->setAutoRemove(!QTest::currentTestFailed());
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

void tst_MainWindow::answerWith(int reply, std::function<void(QDialog *)> fill) {
    ModalRunner::setHandler([this, reply, fill](QDialog *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            m_shown.append({box->windowTitle(), box->text()});
            return reply;
        }
        m_shown.append({dialog->windowTitle(), QString()});
        if (fill)
            fill(dialog);
        return int(QDialog::Accepted);
    });
}

std::unique_ptr<MainWindow> tst_MainWindow::openWindow() {
    auto window = std::make_unique<MainWindow>(m_state.get());
    return window;
}

QStackedWidget *tst_MainWindow::pages(MainWindow &window) {
    return window.findChild<QStackedWidget *>("pages");
}

QListView *tst_MainWindow::sidebarList(MainWindow &window) {
    return window.findChild<QListView *>("accountList");
}

QStringList tst_MainWindow::sidebarColumn(MainWindow &window, int role) {
    const QAbstractItemModel *model = sidebarList(window)->model();
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data(role).toString();
    return shown;
}

QString tst_MainWindow::totalText(MainWindow &window) {
    return window.findChild<QLabel *>("accountsTotal")->text();
}

void tst_MainWindow::sidebarShowsAccountsInOrder() {
    AccountRepository *accounts = m_state->accountRepository();
    Account checking = TestRecords::account("a-1", "Checking", 10000);
    checking.sortOrder = 2;
    checking.institution = "River Bank";
    checking.accountNumberLast4 = "4521";
    Account card = TestRecords::account("a-2", "Card", 0);
    card.sortOrder = 1;
    card.type = AccountType::CreditCard;
    Account cash = TestRecords::account("a-3", "Wallet", 2500);
    cash.sortOrder = 3;
    cash.type = AccountType::Cash;
    cash.accountNumberLast4 = "0001";
    QVERIFY(accounts->insert(checking) && accounts->insert(card) && accounts->insert(cash));
    TransactionRepository *transactions = m_state->transactionRepository();
    QVERIFY(transactions->insert(TestRecords::transaction("t-1", "a-1", QDate(2025, 1, 2), -2550)));
    QVERIFY(transactions->insert(TestRecords::transaction("t-2", "a-2", QDate(2025, 1, 3), -9999)));

    auto window = openWindow();
    QCOMPARE(sidebarColumn(*window), (QStringList{"Card", "Checking", "Wallet"}));
    QCOMPARE(sidebarColumn(*window, Qt::UserRole), (QStringList{"a-2", "a-1", "a-3"}));
    // Wallet has no transactions: its starting balance.
    QCOMPARE(sidebarColumn(*window, AccountListModel::BalanceTextRole),
             (QStringList{"-$99.99", "$74.50", "$25.00"}));
    QCOMPARE(sidebarColumn(*window, AccountListModel::SubtitleRole),
             (QStringList{"Credit Card", "River Bank  ·  *4521", "Cash  ·  *0001"}));
    QCOMPARE(sidebarColumn(*window, Qt::AccessibleTextRole),
             (QStringList{"Card, -$99.99", "Checking, $74.50", "Wallet, $25.00"}));

    // The negative balance in red, the others in green.
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QListView *list = sidebarList(*window);
    const QImage shot = list->viewport()->grab().toImage();
    const auto rowHas = [&](int row, const QColor &colour) {
        const QRect rect = list->visualRect(list->model()->index(row, 0));
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (shot.pixelColor(x, y) == colour)
                    return true;
            }
        }
        return false;
    };
    QVERIFY(rowHas(0, QColor("#FF8A80")));
    QVERIFY(!rowHas(0, QColor("#66BB6A")));
    QVERIFY(rowHas(1, QColor("#66BB6A")));
    QVERIFY(!rowHas(1, QColor("#FF8A80")));

    QCOMPARE(totalText(*window), QStringLiteral("Total: -$0.49"));
    QCOMPARE(window->findChild<StatusBar *>()->accountCountText(), QStringLiteral("3 account(s)"));
}

void tst_MainWindow::totalPerCurrency() {
    auto window = openWindow();
    QCOMPARE(totalText(*window), QStringLiteral("No accounts"));

    AccountRepository *accounts = m_state->accountRepository();
    Account euro = TestRecords::account("e-1", "Euro", 1000);
    euro.currency = Currency::EUR;
    euro.sortOrder = 1;
    Account dollars = TestRecords::account("d-1", "Dollars", 500);
    dollars.sortOrder = 2;
    Account euro2 = TestRecords::account("e-2", "Euro 2", 250);
    euro2.currency = Currency::EUR;
    euro2.sortOrder = 3;
    QVERIFY(accounts->insert(euro) && accounts->insert(dollars) && accounts->insert(euro2));
    auto fresh = openWindow();
    QCOMPARE(totalText(*fresh), QStringLiteral("Total: €12.50  ·  $5.00"));
}

void tst_MainWindow::altDigitsForFirstTenAccounts() {
    AccountRepository *accounts = m_state->accountRepository();
    for (int i = 0; i < 12; ++i) {
        Account a = TestRecords::account(QStringLiteral("acc-%1").arg(i, 2, 10, QLatin1Char('0')),
                                         QStringLiteral("Account %1").arg(i + 1));
        a.sortOrder = i;
        QVERIFY(accounts->insert(a));
    }
    auto window = openWindow();
    const QList<QShortcut *> shortcuts
        = window->findChild<AccountSidebar *>()->findChildren<QShortcut *>(
            Qt::FindDirectChildrenOnly);
    QCOMPARE(shortcuts.size(), 10);
    QCOMPARE(shortcuts.at(0)->key(), QKeySequence(Qt::ALT | Qt::Key_1));
    QCOMPARE(shortcuts.at(8)->key(), QKeySequence(Qt::ALT | Qt::Key_9));
    QCOMPARE(shortcuts.at(9)->key(), QKeySequence(Qt::ALT | Qt::Key_0));

    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_0, Qt::AltModifier);
    QCOMPARE(m_state->currentAccountId(), QStringLiteral("acc-09"));
    QCOMPARE(window->findChild<RegisterScreen *>()->headingText(), QStringLiteral("Account 10"));
    QTest::keyClick(window.get(), Qt::Key_3, Qt::AltModifier);
    QCOMPARE(m_state->currentAccountId(), QStringLiteral("acc-02"));
    QCOMPARE(sidebarList(*window)->currentIndex().row(), 2);
}

void tst_MainWindow::stackPages() {
    auto window = openWindow();
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::WelcomePage));
    QCOMPARE(pages(*window)->count(), 3);

    window->findChild<WelcomeScreen *>()->continueButton()->click();
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::EmptyPage));

    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a-1", "House")));
    window->selectAccount("a-1");
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::RegisterPage));
    QCOMPARE(window->findChild<RegisterScreen *>()->headingText(), QStringLiteral("House"));

    // The sign-in action leads to the welcome page; continuing returns to the account.
    window->action("signIn")->trigger();
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::WelcomePage));
    window->findChild<WelcomeScreen *>()->continueButton()->click();
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::RegisterPage));

    // A remembered account that no longer exists falls back to the first one.
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a-0", "Boat")));
    m_state->setCurrentAccountId("gone");
    auto reopened = openWindow();
    QCOMPARE(pages(*reopened)->currentIndex(), int(MainWindow::RegisterPage));
    QVERIFY(m_state->currentAccountId() == "a-0" || m_state->currentAccountId() == "a-1");
}

void tst_MainWindow::selectAnAccountFirst() {
    auto window = openWindow();
    for (const char *name : {"editAccount", "deleteAccount"}) {
        window->findChild<StatusBar *>()->clearMessage();
        QAction *action = window->action(name);
        QVERIFY2(action, name);
        action->trigger();
        QCOMPARE(window->findChild<StatusBar *>()->currentMessage(),
                 QStringLiteral("Select an account first"));
    }
    QVERIFY(m_shown.isEmpty());
}

void tst_MainWindow::newAccountAndOpeningBalance() {
    auto window = openWindow();
    answerWith(QMessageBox::Ok, [](QDialog *dialog) {
        auto *form = qobject_cast<AccountFormDialog *>(dialog);
        QVERIFY(form && !form->isEditMode());
        form->nameEdit()->setText("  Wallet  ");
        form->balanceSpin()->setValue(-250.0);
    });
    window->action("newAccount")->trigger();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("New Account"));

    const QList<Account> all = m_state->accountRepository()->findAll();
    QCOMPARE(all.size(), 1);
    QCOMPARE(all.first().name, QStringLiteral("Wallet"));
    QCOMPARE(all.first().startingBalance, 0);
    const QList<Transaction> rows = m_state->transactionRepository()->findByAccount(all.first().id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows.first().amount, -25000);
    QVERIFY(rows.first().cleared && rows.first().reconciled);
    QCOMPARE(m_state->currentAccountId(), all.first().id);
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::RegisterPage));

    // A zero starting balance makes no transaction; an empty name makes no account.
    answerWith(QMessageBox::Ok, [](QDialog *dialog) {
        qobject_cast<AccountFormDialog *>(dialog)->nameEdit()->setText("Empty");
    });
    window->showNewAccountDialog();
    answerWith(QMessageBox::Ok, [](QDialog *dialog) {
        qobject_cast<AccountFormDialog *>(dialog)->nameEdit()->setText("   ");
    });
    window->showNewAccountDialog();
    const QList<Account> after = m_state->accountRepository()->findAll();
    QCOMPARE(after.size(), 2);
    const QString emptyId = after.at(0).name == "Empty" ? after.at(0).id : after.at(1).id;
    QVERIFY(m_state->transactionRepository()->findByAccount(emptyId).isEmpty());
}

void tst_MainWindow::editKeepsOpeningBalanceOnce() {
    Account plain = TestRecords::account("p-1", "Plain", 5000);
    QVERIFY(m_state->accountRepository()->insert(plain));
    QVERIFY(m_state->ledger()->createAccount(TestRecords::account("o-1", "Opened"), -25000,
                                             QDate(2025, 3, 1)));
    auto window = openWindow();

    // The opening balance row is what the form shows and changes.
    window->selectAccount("o-1");
    double shown = 0;
    QDate shownDate;
    answerWith(QMessageBox::Ok, [&](QDialog *dialog) {
        auto *form = qobject_cast<AccountFormDialog *>(dialog);
        QVERIFY(form && form->isEditMode());
        shown = form->balanceSpin()->value();
        shownDate = form->startingBalanceDate();
        form->balanceSpin()->setValue(-300.0);
        form->nameEdit()->setText("Opened Renamed");
    });
    window->action("editAccount")->trigger();
    QCOMPARE(shown, -250.0);
    QCOMPARE(shownDate, QDate(2025, 3, 1));
    const Account opened = *m_state->accountRepository()->findById("o-1");
    QCOMPARE(opened.name, QStringLiteral("Opened Renamed"));
    QCOMPARE(opened.startingBalance, 0);
    QCOMPARE(m_state->accountRepository()->balances().value("o-1"), -30000);
    const QList<Transaction> rows = m_state->transactionRepository()->findByAccount("o-1");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().date, QDate(2025, 3, 1));
    QCOMPARE(window->findChild<RegisterScreen *>()->headingText(),
             QStringLiteral("Opened Renamed"));

    // Without such a row the stored starting balance is edited.
    window->selectAccount("p-1");
    answerWith(QMessageBox::Ok, [&](QDialog *dialog) {
        auto *form = qobject_cast<AccountFormDialog *>(dialog);
        shown = form->balanceSpin()->value();
        form->balanceSpin()->setValue(75.25);
    });
    window->showEditAccountDialog();
    QCOMPARE(shown, 50.0);
    QCOMPARE(m_state->accountRepository()->findById("p-1")->startingBalance, 7525);
    QVERIFY(m_state->transactionRepository()->findByAccount("p-1").isEmpty());
}

void tst_MainWindow::cascadeDelete_data() {
    QTest::addColumn<QString>("deleted");
    QTest::addColumn<QString>("currentAfter");
    QTest::addColumn<int>("pageAfter");
    QTest::addRow("another account") << "b"
                                     << "c" << int(MainWindow::RegisterPage);
    QTest::addRow("the current account, first remaining selected")
        << "c"
        << "a" << int(MainWindow::RegisterPage);
}

void tst_MainWindow::cascadeDelete() {
    QFETCH(QString, deleted);
    QFETCH(QString, currentAfter);
    QFETCH(int, pageAfter);
    AccountRepository *accounts = m_state->accountRepository();
    int order = 0;
    for (const char *id : {"a", "b", "c"}) {
        Account account = TestRecords::account(id, QStringLiteral("Account %1").arg(id));
        account.sortOrder = order++;
        QVERIFY(accounts->insert(account));
    }
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t-del", deleted, QDate(2025, 2, 2), -100)));
    QVERIFY(m_state->recurringRepository()->insert(
        TestRecords::rule("r-del", deleted, QDate::currentDate().addDays(30))));
    auto window = openWindow();
    window->selectAccount("c");

    // Saying No keeps everything.
    answerWith(QMessageBox::No);
    window->deleteAccount(deleted);
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Delete Account"));
    QVERIFY(m_shown.first().text.startsWith(QStringLiteral("Delete \"Account %1\"?").arg(deleted)));
    QVERIFY(!accounts->findById(deleted)->deletedAt);

    answerWith(QMessageBox::Yes);
    window->deleteAccount(deleted);
    QVERIFY(accounts->findById(deleted)->deletedAt);
    QVERIFY(m_state->transactionRepository()->findById("t-del")->deletedAt);
    QVERIFY(m_state->transactionRepository()->findByAccount(deleted).isEmpty());
    QCOMPARE(m_state->currentAccountId(), currentAfter);
    QCOMPARE(pages(*window)->currentIndex(), pageAfter);
    QTRY_COMPARE(sidebarList(*window)->model()->rowCount(), 2);
    QVERIFY(!sidebarColumn(*window).contains(QStringLiteral("Account %1").arg(deleted)));
    QCOMPARE(sidebarList(*window)->currentIndex().data(Qt::UserRole).toString(), currentAfter);
}

void tst_MainWindow::deleteWhileTyping_data() {
    QTest::addColumn<int>("unsavedAnswer");
    QTest::addRow("save if asked") << int(QMessageBox::Save);
    QTest::addRow("cancel if asked") << int(QMessageBox::Cancel);
}

// The row typed in an account being deleted goes with it: it is never saved into the deleted
// account, and the register never stays on it.
void tst_MainWindow::deleteWhileTyping() {
    QFETCH(int, unsavedAnswer);
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Account a")));
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("b", "Account b")));
    auto window = openWindow();
    window->selectAccount("a");
    auto *screen = window->findChild<RegisterScreen *>();
    screen->model()->setBufferField(RegisterModel::PayeeColumn, "Half typed");
    screen->model()->setBufferField(RegisterModel::PaymentColumn, "5");
    ModalRunner::setHandler([&](QDialog *dialog) {
        auto *box = qobject_cast<QMessageBox *>(dialog);
        m_shown.append({dialog->windowTitle(), box ? box->text() : QString()});
        return dialog->windowTitle() == QLatin1String("Delete Account") ? int(QMessageBox::Yes)
                                                                        : unsavedAnswer;
    });
    window->deleteAccount("a");
    settle();
    QCOMPARE(m_shown.size(), 1);
    QVERIFY(m_shown.first().text.contains("will be discarded"));
    QVERIFY(m_state->accountRepository()->findById("a")->deletedAt);
    QVERIFY(m_state->transactionRepository()->findByAccount("a").isEmpty());
    QCOMPARE(screen->accountId(), QStringLiteral("b"));
    QVERIFY(!screen->model()->isDirty());
}

void tst_MainWindow::autoPostMessage_data() {
    QTest::addColumn<bool>("due");
    QTest::addRow("a rule due") << true;
    QTest::addRow("nothing due") << false;
}

void tst_MainWindow::autoPostMessage() {
    QFETCH(bool, due);
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Home")));
    RecurringTransaction rule = TestRecords::rule(
        "r-1", "a", due ? QDate::currentDate().addDays(-1) : QDate::currentDate().addDays(20));
    rule.autoPost = true;
    QVERIFY(m_state->recurringRepository()->insert(rule));

    auto window = openWindow();
    const QString message = window->findChild<StatusBar *>()->currentMessage();
    if (due) {
        QVERIFY2(message.startsWith("Auto-posted "), qPrintable(message));
        QVERIFY(!m_state->transactionRepository()->findByAccount("a").isEmpty());
    } else {
        QVERIFY2(message.isEmpty(), qPrintable(message));
    }
}

void tst_MainWindow::sampleDataFromHelpMenu() {
    auto window = openWindow();
    window->action("loadSampleData")->trigger();
    QVERIFY(m_shown.isEmpty());
    QCOMPARE(window->findChild<StatusBar *>()->currentMessage(),
             QStringLiteral("Sample data loaded"));
    QTRY_COMPARE(sidebarList(*window)->model()->rowCount(), 3);
    QCOMPARE(window->findChild<StatusBar *>()->accountCountText(), QStringLiteral("3 account(s)"));

    window->action("loadSampleData")->trigger();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Sample Data"));
    QCOMPARE(m_shown.first().text, QStringLiteral("Sample data is already loaded."));
    QCOMPARE(m_state->accountRepository()->findAll().size(), 3);

    window->selectAccount(m_state->accountRepository()->findAll().first().id);
    window->action("clearSampleData")->trigger();
    QCOMPARE(window->findChild<StatusBar *>()->currentMessage(),
             QStringLiteral("Sample data cleared"));
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::WelcomePage));
    QVERIFY(m_state->currentAccountId().isEmpty());
    QTRY_COMPARE(sidebarList(*window)->model()->rowCount(), 0);

    window->action("clearSampleData")->trigger();
    QCOMPARE(m_shown.size(), 2);
    QCOMPARE(m_shown.last().text, QStringLiteral("No sample data to clear."));
}

void tst_MainWindow::welcomeButtonFollowsSignIn() {
    auto window = openWindow();
    WelcomeScreen *welcome = window->findChild<WelcomeScreen *>();
    QCOMPARE(welcome->signInButton()->text(), QStringLiteral("Already have an account? Sign In"));
    QCOMPARE(window->findChild<StatusBar *>()->syncText(), QStringLiteral("Not signed in"));
    QVERIFY(window->action("signIn")->isVisible());
    QVERIFY(!window->action("signOut")->isVisible());
    // Refreshing never stacks handlers: one click, one request.
    welcome->updateAuthButton();
    welcome->updateAuthButton();
    QSignalSpy requested(welcome, &WelcomeScreen::signInRequested);
    // Keep the browser shut.
    m_state->accountClient()->setUrlOpener([](const QUrl &) { return true; });
    welcome->signInButton()->click();
    QCOMPARE(requested.count(), 1);
}

void tst_MainWindow::layoutKeptInSettings() {
    {
        auto window = openWindow();
        window->show();
        window->findChild<QSplitter *>("sidebarSplitter")->setSizes({333, 700});
        window->close();
    }
    QVERIFY(!QSettings().value("mainwindow/geometry").toByteArray().isEmpty());
    QVERIFY(!QSettings().value("mainwindow/splitter").toByteArray().isEmpty());
    auto window = openWindow();
    window->show();
    QCOMPARE(window->findChild<QSplitter *>("sidebarSplitter")->sizes().first(), 333);
}

void tst_MainWindow::oneSidebarRefreshPerPass() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Home")));
    auto window = openWindow();
    settle();
    const int before = window->sidebarRefreshCount();

    QFile csv(m_dir->filePath("bank.csv"));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Date,Payee,Amount\n");
    for (int i = 0; i < 10000; ++i)
        csv.write(QStringLiteral("01/%1/2025,Shop %2,-%3\n")
                      .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                      .arg(i)
                      .arg(formatAmount(i + 1, Currency::USD))
                      .toUtf8());
    csv.close();
    const ImportResult result
        = m_state->importService()->importCsv(csv.fileName(), "a", CsvMapping());
    QCOMPARE(result.imported, 10000);
    settle();
    QCOMPARE(window->sidebarRefreshCount(), before + 1);
    QCOMPARE(sidebarColumn(*window, AccountListModel::BalanceTextRole),
             QStringList{"-$500,050.00"});
}

void tst_MainWindow::reorderStoredRefreshQueued() {
    AccountRepository *accounts = m_state->accountRepository();
    int order = 0;
    for (const char *id : {"a", "b", "c"}) {
        Account account = TestRecords::account(id, QStringLiteral("Account %1").arg(id));
        account.sortOrder = order++;
        QVERIFY(accounts->insert(account));
    }
    auto window = openWindow();
    settle();
    const int before = window->sidebarRefreshCount();
    // What a drop does to the list: the model moves the row, the window stores the order.
    QVERIFY(sidebarList(*window)->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    QCOMPARE(window->sidebarRefreshCount(), before); // never inside the handler
    QStringList stored;
    for (const Account &account : accounts->findAll())
        stored << account.id;
    QCOMPARE(stored, (QStringList{"c", "a", "b"}));
    settle();
    QCOMPARE(window->sidebarRefreshCount(), before + 1);
    QCOMPARE(sidebarColumn(*window), (QStringList{"Account c", "Account a", "Account b"}));
}

void tst_MainWindow::statusBarFollowsTheme() {
    auto window = openWindow();
    auto *sync = window->findChild<StatusBar *>()->findChildren<QLabel *>().last();
    QCOMPARE(sync->text(), QStringLiteral("Not signed in"));
    QVERIFY(sync->styleSheet().contains("#2A3D33"));
    m_state->themeManager()->setTheme("dark");
    QVERIFY(sync->styleSheet().contains("#8FAF9F"));
    m_state->themeManager()->setTheme("light");
    QVERIFY(sync->styleSheet().contains("#2A3D33"));
}

void tst_MainWindow::preferencesRestoreRefreshesSidebar() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc-1", "Savings")));
    QVERIFY(m_state->ledger()->deleteAccount("acc-1"));
    auto window = openWindow();
    settle();
    QCOMPARE(sidebarColumn(*window), QStringList());

    window->action("preferences")->trigger();
    auto *settings = window->findChild<SettingsScreen *>();
    QVERIFY(settings);
    QVERIFY(settings->isWindow());
    QCOMPARE(settings->windowTitle(), QStringLiteral("Preferences"));
    QCOMPARE(settings->size(), QSize(500, 550));
    settings->pageList()->setCurrentRow(SettingsScreen::DataPage);
    settings->deletedList()->setCurrentRow(0);
    QTest::mouseClick(settings->restoreButton(), Qt::LeftButton);
    settle();
    QCOMPARE(sidebarColumn(*window), QStringList{"Savings"});

    // The same window comes back, refreshed.
    window->action("preferences")->trigger();
    QCOMPARE(window->findChildren<SettingsScreen *>().size(), 1);
    QVERIFY(settings->deletedSection()->isHidden());
}

void tst_MainWindow::accountWindowNeedsSignIn() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc-1", "Savings")));
    auto window = openWindow();
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::RegisterPage));
    window->action("tindralAccount")->trigger();
    QCOMPARE(pages(*window)->currentIndex(), int(MainWindow::WelcomePage));
    QVERIFY(!window->findChild<AccountScreen *>());
}

// The menus' keys work from the windows the main window opens, as they do from the main
// window; a key such a window binds itself (Ctrl+N adds to a reconciliation) stays its own.
void tst_MainWindow::menuKeysFromOtherWindows() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Checking")));
    auto window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->selectAccount("a");

    QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
    auto *reports = window->findChild<ReportsScreen *>();
    QVERIFY(reports && reports->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), reports);
    QTest::keyClick(reports, Qt::Key_5, Qt::ControlModifier);
    auto *budget = window->findChild<BudgetScreen *>();
    QVERIFY(budget && budget->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), budget);
    QTest::keyClick(budget, Qt::Key_3, Qt::ControlModifier);
    auto *recurring = window->findChild<RecurringScreen *>();
    QVERIFY(recurring && recurring->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), recurring);
    QTest::keyClick(recurring, Qt::Key_F, Qt::ControlModifier);
    auto *search = window->findChild<SearchScreen *>();
    QVERIFY(search && search->isVisible());
    QTRY_COMPARE(QApplication::activeWindow(), search);
    QTest::keyClick(search, Qt::Key_R, Qt::ControlModifier);
    ReconciliationScreen *reconciliation = window->reconciliationWindow("a");
    QVERIFY(reconciliation && reconciliation->isVisible());

    QSignalSpy adds(reconciliation, &ReconciliationScreen::newTransactionRequested);
    answerWith(QDialog::Rejected);
    reconciliation->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), reconciliation);
    reconciliation->table()->setFocus();
    QTest::keyClick(reconciliation->table(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(adds.count(), 1);
    QVERIFY(!reconciliation->actions().contains(window->action("newTransaction")));
    // The window's other menu keys still reach the main window's actions.
    reconciliation->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), reconciliation);
    QTest::keyClick(reconciliation->table(), Qt::Key_4, Qt::ControlModifier);
    QVERIFY(window->findChild<CategoriesScreen *>());
}

void tst_MainWindow::shareNeedsSignIn() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc-1", "Savings")));
    auto window = openWindow();
    QAction *share = window->action("share");
    QVERIFY(share->isEnabled());
    share->trigger();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Sign In Required"));
    QCOMPARE(m_shown.first().text,
             QStringLiteral("Sharing requires a Tindral account. Sign in via File › Sign In to "
                            "enable sharing."));
}

void tst_MainWindow::shareWaitsForFirstSync() {
    // Signed in against loopback servers whose sync refuses every push.
    TestHttpServer auth;
    QVERIFY(auth.listen());
    auth.setHandler([](const TestHttpServer::Request &) {
        return TestHttpServer::Response::json(
            200, {{"access_token", fakeJwtExpiringIn(3600)}, {"refresh_token", "r2"}});
    });
    TestSyncServer sync;
    QVERIFY(sync.listen());
    sync.setPushFailure(500);
    qputenv("AUTH_BASE_URL", auth.url().toString().toUtf8());
    qputenv("SYNC_API_URL", sync.url().toString().toUtf8());
    m_state.reset();
    m_state = std::make_unique<AppState>();
    auto store = std::make_unique<TindAccount::MemoryTokenStore>();
    store->save("tindral_access_token", fakeJwtExpiringIn(3600));
    store->save("tindral_refresh_token", "r1");
    m_state->setTokenStore(std::move(store));
    QVERIFY(m_state->initialize());
    qunsetenv("AUTH_BASE_URL");
    qunsetenv("SYNC_API_URL");
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc-1", "Savings")));

    auto window = openWindow();
    QTRY_VERIFY(!sync.requests("/sync/push").isEmpty());
    QAction *share = window->action("share");
    QVERIFY(!share->isEnabled());
    QVERIFY(!share->toolTip().isEmpty());
    share->trigger();
    QVERIFY(m_shown.isEmpty());
}

// The register switching away from a half-typed row can be refused; a transaction added from
// a reconciliation window still goes to the account reconciled, and the form says which.
void tst_MainWindow::reconciliationAddPostsToItsAccount() {
    AccountRepository *accounts = m_state->accountRepository();
    QVERIFY(accounts->insert(TestRecords::account("a", "Checking")));
    QVERIFY(accounts->insert(TestRecords::account("b", "Savings")));
    auto window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->selectAccount("b");
    window->action("reconcile")->trigger();
    ReconciliationScreen *reconciliation = window->reconciliationWindow("b");
    QVERIFY(reconciliation);
    window->selectAccount("a");
    window->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), window.get());
    RegisterScreen *screen = window->findChild<RegisterScreen *>();
    screen->beginNewEntry();
    for (int field = 0; field < 2; ++field) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    }
    QVERIFY(QApplication::focusWidget());
    QTest::keyClicks(QApplication::focusWidget(), "Half typed");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    QVERIFY(screen->model()->isDirty());

    QString formAccount;
    // Boxes (a "leave the row?" question) are answered Cancel: the row being typed stays.
    answerWith(QMessageBox::Cancel, [&formAccount](QDialog *dialog) {
        auto *form = qobject_cast<TransactionFormDialog *>(dialog);
        if (!form)
            return;
        formAccount = form->accountLabel()->text();
        for (QLineEdit *line : form->findChildren<QLineEdit *>()) {
            if (line->accessibleName() == "Payee")
                QTest::keyClicks(line, "Bank fee");
        }
        form->amountField()->setFocus();
        QTest::keyClicks(form->amountField(), "5");
    });
    reconciliation->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), reconciliation);
    reconciliation->table()->setFocus();
    QTest::keyClick(reconciliation->table(), Qt::Key_N, Qt::ControlModifier);
    settle();

    QCOMPARE(formAccount, QStringLiteral("Savings"));
    TransactionRepository *transactions = m_state->transactionRepository();
    QCOMPARE(transactions->findByAccount("a").size(), 0);
    const QList<Transaction> saved = transactions->findByAccount("b");
    QCOMPARE(saved.size(), 1);
    QCOMPARE(saved.first().payee, QStringLiteral("Bank fee"));
    // The register was never asked to leave its row.
    QCOMPARE(screen->accountId(), QStringLiteral("a"));
    QVERIFY(screen->model()->isDirty());
    for (const Shown &shown : std::as_const(m_shown))
        QVERIFY2(shown.title != "Unsaved Transaction", qPrintable(shown.text));
}

// Names, institutions and payees may hold anything, markup included: every label that shows
// them shows the characters, and chart axes are given escaped text.
void tst_MainWindow::userTextIsNeverMarkup() {
    const QString markup = QStringLiteral("<h1>Big</h1>");
    Account account = TestRecords::account("a", markup);
    account.institution = "<i>Bank</i>";
    QVERIFY(m_state->accountRepository()->insert(account));
    QVERIFY(m_state->reconciliationRepository()->insert(
        TestRecords::reconciliation("r", "a", QDate(2026, 1, 31))));
    auto window = openWindow();
    window->show();
    window->selectAccount("a");
    window->action("reconciliationHistory")->trigger();
    window->action("reconcile")->trigger();
    settle();

    QList<QLabel *> labels = window->findChildren<QLabel *>();
    int seen = 0;
    for (QLabel *label : std::as_const(labels)) {
        if (!label->text().contains("<h1>") && !label->text().contains("<i>"))
            continue;
        ++seen;
        QVERIFY2(label->textFormat() == Qt::PlainText,
                 qPrintable(QStringLiteral("%1 shows \"%2\" as markup")
                                .arg(QString::fromLatin1(label->metaObject()->className()),
                                     label->text())));
    }
    // The register heading and subtitle, the history title. The sidebar paints its rows as
    // plain text.
    QVERIFY2(seen >= 3, qPrintable(QString::number(seen)));
}

// Alt+letter in an open menu must pick one item, in English as in the translations.
void tst_MainWindow::menuMnemonicsAreUnique() {
    auto window = openWindow();
    const auto mnemonic = [](const QString &text) {
        const int at = text.indexOf(QRegularExpression("&[^&]"));
        return at < 0 ? QChar() : text.at(at + 1).toLower();
    };
    QSet<QChar> menus;
    for (QAction *menuAction : window->menuBar()->actions()) {
        const QChar menuKey = mnemonic(menuAction->text());
        QVERIFY2(!menus.contains(menuKey), qPrintable(menuAction->text()));
        menus.insert(menuKey);
        QMap<QChar, QString> items;
        for (QAction *item : menuAction->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QChar key = mnemonic(item->text());
            QVERIFY2(!key.isNull(), qPrintable(item->text()));
            QVERIFY2(!items.contains(key),
                     qPrintable(QStringLiteral("%1: \"%2\" and \"%3\"")
                                    .arg(menuAction->text(), items.value(key), item->text())));
            items.insert(key, item->text());
        }
    }
}

void tst_MainWindow::menuItems_data() {
    QTest::addColumn<QString>("menu");
    // "objectName text keys" in menu order, "-" for a separator.
    QTest::addColumn<QStringList>("items");
    QTest::addRow("file") << "&File"
                          << QStringList{"newTransaction &New Transaction Ctrl+N",
                                         "newAccount New &Account Ctrl+Shift+N",
                                         "-",
                                         "import &Import... Ctrl+I",
                                         "importRules Import &Rules... ",
                                         "-",
                                         "tindralAccount &Tindral Account... ",
                                         "-",
                                         "signIn &Sign In... ",
                                         "signOut Sign &Out ",
                                         "-",
                                         "quit &Quit {Quit}"};
    QTest::addRow("edit") << "&Edit" << QStringList{"undo &Undo Ctrl+Z",
                                                    "redo &Redo Ctrl+Shift+Z, Ctrl+Y",
                                                    "-",
                                                    "find &Find... Ctrl+F",
                                                    "-",
                                                    "preferences &Preferences... "};
    QTest::addRow("account") << "&Account"
                             << QStringList{"editAccount &Edit... ",
                                            "reconcile &Reconcile... Ctrl+R",
                                            "reconciliationHistory Reconciliation &History... ",
                                            "renamePayees Rename &Payees... ",
                                            "-",
                                            "share &Share... ",
                                            "-",
                                            "deleteAccount &Delete "};
    QTest::addRow("view") << "&View"
                          << QStringList{"reports &Reports Ctrl+2",
                                         "recurring Re&curring Transactions Ctrl+3",
                                         "categories C&ategories Ctrl+4", "budget &Budget Ctrl+5"};
    QTest::addRow("help") << "&Help" << QStringList{"about &About Tindral Quillon ",
                                                    "whatsNew What's &New... ",
                                                    "checkForUpdates Check for &Updates... ",
                                                    "-",
                                                    "keyboardShortcuts &Keyboard Shortcuts ",
                                                    "-",
                                                    "loadSampleData Load &Sample Data ",
                                                    "clearSampleData &Clear Sample Data "};
}

void tst_MainWindow::menuItems() {
    QFETCH(QString, menu);
    QFETCH(QStringList, items);
    // The platform's own key for quitting, if it has one.
    items.replaceInStrings("{Quit}", QKeySequence(QKeySequence::Quit).toString());
    auto window = openWindow();
    QMenu *found = nullptr;
    for (QAction *menuAction : window->menuBar()->actions()) {
        if (menuAction->text() == menu)
            found = menuAction->menu();
    }
    QVERIFY(found);
    QStringList shown;
    for (QAction *item : found->actions()) {
        if (item->isSeparator()) {
            shown << "-";
            continue;
        }
        QStringList keys;
        for (const QKeySequence &key : item->shortcuts())
            keys << key.toString(QKeySequence::PortableText);
        shown << QStringLiteral("%1 %2 %3")
                     .arg(item->objectName(), item->text(), keys.join(QStringLiteral(", ")));
        QCOMPARE(window->action(item->objectName()), item);
    }
    QCOMPARE(shown, items);
}

// The help lists, under General, each menu key that has a line there, as the menus bind it.
void tst_MainWindow::shortcutsHelpFollowsMenus() {
    auto window = openWindow();
    window->action("keyboardShortcuts")->trigger();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Keyboard Shortcuts"));
    const QString html = m_shown.first().text;
    const int from = html.indexOf("<h4>General</h4>");
    const int to = html.indexOf("<h4>", from + 1);
    QVERIFY(from >= 0 && to > from);
    QRegularExpression row("<tr><td><b>([^<]*)</b></td><td>([^<]*)</td></tr>");
    QStringList rows;
    for (const QRegularExpressionMatch &match : row.globalMatch(html.mid(from, to - from))) {
        rows << match.captured(1) + " " + match.captured(2);
        bool bound = false;
        for (QMenu *menu : window->menuBar()->findChildren<QMenu *>()) {
            for (QAction *item : menu->actions())
                bound = bound || item->shortcut().toString() == match.captured(1);
        }
        QVERIFY2(bound, qPrintable(match.captured(1)));
    }
    QCOMPARE(rows, (QStringList{"Ctrl+N New transaction", "Ctrl+Shift+N New account",
                                "Ctrl+R Reconcile account", "Ctrl+F Search transactions",
                                "Ctrl+I Import", "Ctrl+2 Reports", "Ctrl+3 Recurring transactions",
                                "Ctrl+4 Categories", "Ctrl+5 Budget"}));
}

void tst_MainWindow::signInAddressIsShown_data() {
    QTest::addColumn<bool>("browserOpens");
    QTest::addRow("no browser") << false;
    QTest::addRow("browser opened") << true;
}

// Without a browser, the address to sign in at is the only way in; with one, it is the way
// back when the page did not show.
void tst_MainWindow::signInAddressIsShown() {
    QFETCH(bool, browserOpens);
    QUrl opened;
    m_state->accountClient()->setUrlOpener([&opened, browserOpens](const QUrl &url) {
        opened = url;
        return browserOpens;
    });
    auto window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QVERIFY(pages(*window)->currentIndex() == MainWindow::WelcomePage);
    QTest::mouseClick(window->findChild<WelcomeScreen *>()->signInButton(), Qt::LeftButton);
    settle();
    QVERIFY(opened.isValid());

    auto *dialog = window->findChild<SignInLinkDialog *>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->addressField()->text(), opened.toString());
    QVERIFY(dialog->addressField()->isReadOnly());
    QVERIFY(dialog->messageText().contains(browserOpens ? "If it did not open" : "No browser"));
    QApplication::clipboard()->clear();
    QTest::mouseClick(dialog->copyButton(), Qt::LeftButton);
    QCOMPARE(QApplication::clipboard()->text(), opened.toString());

    // A second attempt reuses the one dialog.
    QTest::mouseClick(window->findChild<WelcomeScreen *>()->signInButton(), Qt::LeftButton);
    settle();
    QCOMPARE(window->findChildren<SignInLinkDialog *>().size(), 1);
}

void tst_MainWindow::preferencesOpenWithFocus() {
    auto window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->action("preferences")->trigger();
    auto *settings = window->findChild<SettingsScreen *>();
    QVERIFY(settings);
    QTRY_COMPARE(QApplication::activeWindow(), settings);
    QVERIFY(QApplication::focusWidget());
    QVERIFY(settings->isAncestorOf(QApplication::focusWidget()));
}

void tst_MainWindow::undoBringsBackADeletedRow() {
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("a", "Checking", 10000)));
    auto *rows = m_state->transactionRepository();
    QVERIFY(rows->insert(TestRecords::transaction("t1", "a", QDate(2026, 3, 1), -1500, "Cafe")));
    QVERIFY(rows->insert(TestRecords::transaction("t2", "a", QDate(2026, 3, 2), -2500, "Grocer")));
    auto window = openWindow();
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    window->selectAccount("a");
    auto *screen = window->findChild<RegisterScreen *>();
    RegisterModel *model = screen->model();
    auto balanceOf = [model](const QString &id) {
        return model->index(model->rowOfId(id), RegisterModel::BalanceColumn).data().toString();
    };
    const QString balanceBefore = balanceOf("t2");
    QVERIFY(!window->action("undo")->isEnabled());

    answerWith(QMessageBox::Yes);
    screen->table()->setFocus();
    screen->table()->setCurrentIndex(
        model->index(model->rowOfId("t1"), RegisterModel::PayeeColumn));
    QTest::keyClick(screen->table(), Qt::Key_D, Qt::ControlModifier);
    QTRY_COMPARE(model->rowOfId("t1"), -1);
    QVERIFY(balanceOf("t2") != balanceBefore);
    QCOMPARE(window->action("undo")->text(), QStringLiteral("&Undo Delete Transaction"));

    // Typing in an open editor is the editor's to undo, not the books'.
    screen->table()->setCurrentIndex(
        model->index(model->rowCount() - 1, RegisterModel::MemoColumn));
    screen->table()->editCurrent();
    auto *editor = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    QVERIFY(editor);
    QTest::keyClicks(editor, "abc");
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(editor->text(), QString());
    QCOMPARE(model->rowOfId("t1"), -1);
    screen->table()->finishEditing(false);
    model->clearEntry();

    screen->table()->setFocus();
    QTest::keyClick(screen->table(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(model->rowOfId("t1") >= 0);
    QCOMPARE(balanceOf("t2"), balanceBefore);
    QVERIFY(!window->action("undo")->isEnabled());
    QCOMPARE(window->action("redo")->text(), QStringLiteral("&Redo Delete Transaction"));

    QTest::keyClick(screen->table(), Qt::Key_Y, Qt::ControlModifier);
    QTRY_COMPARE(model->rowOfId("t1"), -1);
    QTest::keyClick(screen->table(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_VERIFY(model->rowOfId("t1") >= 0);
    QCOMPARE(balanceOf("t2"), balanceBefore);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
