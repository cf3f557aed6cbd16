// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/mainwindow.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "app/appupdateconfig.h"
#include "app/preferencekeys.h"
#include "app/thememanager.h"
#include "services/accountsharingservice.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "services/syncengine.h"
#include "services/undostack.h"
#include "storage/preferencesrepository.h"
#include "ui/budget/budgetscreen.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/import/importscreen.h"
#include "ui/import/rulesscreen.h"
#include "ui/lists/categoriesscreen.h"
#include "ui/lists/payeescreen.h"
#include "ui/lists/searchscreen.h"
#include "ui/online/accountscreen.h"
#include "ui/online/sharemembersdialog.h"
#include "ui/online/signinlinkdialog.h"
#include "ui/presentation/accountpresentation.h"
#include "ui/presentation/regionalformat.h"
#include "ui/presentation/shortcuttext.h"
#include "ui/reconciliation/reconciliationhistoryscreen.h"
#include "ui/reconciliation/reconciliationscreen.h"
#include "ui/recurring/recurringscreen.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/transactionformdialog.h"
#include "ui/reports/reportsscreen.h"
#include "ui/settings/settingsscreen.h"
#include "ui/window/accountformdialog.h"
#include "ui/window/accountsidebar.h"
#include "ui/window/emptystatepage.h"
#include "ui/window/statusbar.h"
#include "ui/window/welcomescreen.h"
#include "update/widgets/updateflows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>

#include <algorithm>

namespace {

const QString kGeometryKey = QStringLiteral("mainwindow/geometry");
const QString kSplitterKey = QStringLiteral("mainwindow/splitter");
constexpr int kShortMessageMs = 3000;
constexpr int kLongMessageMs = 5000;
} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_sampleData(new SampleDataService(state->database(), this))
    , m_windows(this, state) {
    setWindowTitle(tr("Tindral Quillon"));
    setAccessibleName(tr("Tindral Quillon"));

    RegionalFormat::setDateFormat(
        state->preferencesRepository()->value(PreferenceKeys::dateFormat(), QString()));
    setupMenuBar();

    m_stack = new QStackedWidget(this);
    m_stack->setObjectName(QStringLiteral("pages"));
    m_stack->setAccessibleName(tr("Pages"));
    m_welcome = new WelcomeScreen(m_state, m_stack);
    m_register = new RegisterScreen(m_state, m_stack);
    m_emptyPage = new EmptyStatePage(m_stack);
    m_stack->insertWidget(WelcomePage, m_welcome);
    m_stack->insertWidget(RegisterPage, m_register);
    m_stack->insertWidget(EmptyPage, m_emptyPage);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("sidebarSplitter"));
    m_sidebar = new AccountSidebar(m_state, this);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_stack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
    m_splitter->setAccessibleName(tr("Sidebar and pages"));
    for (int i = 0; i < m_splitter->count(); ++i)
        m_splitter->handle(i)->setAccessibleName(tr("Sidebar width"));
    setCentralWidget(m_splitter);

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);

    restoreLayout();
    connectSignals();
    refreshSidebar();

    const int posted = m_state->recurringService()->autoPostDue();
    if (posted > 0) {
        m_statusBar->showMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted),
                                 kLongMessageMs);
    }
    showPending();
    choosePage();
    updateSignInState();
}

MainWindow::~MainWindow() = default;

void MainWindow::showDatesAgain() {
    // Date edits keep the format they were given; the models format dates as they paint.
    const QString format = RegionalFormat::dateFormat();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QDateEdit *edit : window->findChildren<QDateEdit *>())
            edit->setDisplayFormat(format);
        window->update();
    }
    m_register->reload();
}

QAction *MainWindow::action(const QString &name) const {
    for (QMenu *menu : m_menus) {
        for (QAction *a : menu->actions()) {
            if (a->objectName() == name)
                return a;
        }
    }
    return nullptr;
}

const QList<MainWindow::MenuItem> &MainWindow::menuItems() {
    using K = QKeySequence;
    const auto undo = [](MainWindow *window) { window->undoOrRedo(true); };
    const auto redo = [](MainWindow *window) { window->undoOrRedo(false); };
    const auto rules = [](MainWindow *window) { window->showRulesWindow(); };
    const auto signIn = [](MainWindow *window) {
        if (window->m_register->confirmLeaveEntry())
            window->m_stack->setCurrentIndex(WelcomePage);
    };
    const auto signOut
        = [](MainWindow *window) { window->m_state->accountClient()->auth()->logout(); };
    static const QList<MenuItem> items = {
        // clang-format off
        {QT_TR_NOOP("&File"), "newTransaction", QT_TR_NOOP("&New Transaction"), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+N")}, &MainWindow::startNewTransaction, QT_TR_NOOP("New transaction"), 1},
        {QT_TR_NOOP("&File"), "newAccount", QT_TR_NOOP("New &Account"), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+Shift+N")}, &MainWindow::showNewAccountDialog, QT_TR_NOOP("New account"), 2},
        {QT_TR_NOOP("&File"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&File"), "import", QT_TR_NOOP("&Import..."), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+I")}, &MainWindow::showImportWindow, QT_TR_NOOP("Import"), 5},
        {QT_TR_NOOP("&File"), "importRules", QT_TR_NOOP("Import &Rules..."), K::UnknownKey,
         {}, rules, nullptr, 0},
        {QT_TR_NOOP("&File"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&File"), "tindralAccount", QT_TR_NOOP("&Tindral Account..."), K::UnknownKey,
         {}, &MainWindow::showAccountWindow, nullptr, 0},
        {QT_TR_NOOP("&File"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&File"), "signIn", QT_TR_NOOP("&Sign In..."), K::UnknownKey,
         {}, signIn, nullptr, 0},
        {QT_TR_NOOP("&File"), "signOut", QT_TR_NOOP("Sign &Out"), K::UnknownKey,
         {}, signOut, nullptr, 0},
        {QT_TR_NOOP("&File"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&File"), "quit", QT_TR_NOOP("&Quit"), K::Quit,
         {}, &QWidget::close, nullptr, 0},

        // Window-wide keys: a line editor with the focus takes Ctrl+Z for its own typing
        // first (it claims the key through the shortcut override), so an open register
        // editor keeps undoing what was typed into it.
        {QT_TR_NOOP("&Edit"), "undo", QT_TR_NOOP("&Undo"), K::Undo, {}, undo, nullptr, 0},
        {QT_TR_NOOP("&Edit"), "redo", QT_TR_NOOP("&Redo"), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+Shift+Z"), QT_TR_NOOP("Ctrl+Y")}, redo, nullptr, 0},
        {QT_TR_NOOP("&Edit"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Edit"), "find", QT_TR_NOOP("&Find..."), K::Find,
         {}, &MainWindow::showSearchWindow, QT_TR_NOOP("Search transactions"), 4},
        {QT_TR_NOOP("&Edit"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Edit"), "preferences", QT_TR_NOOP("&Preferences..."), K::UnknownKey,
         {}, &MainWindow::showSettingsWindow, nullptr, 0},

        {QT_TR_NOOP("&Account"), "editAccount", QT_TR_NOOP("&Edit..."), K::UnknownKey,
         {}, &MainWindow::showEditAccountDialog, nullptr, 0},
        {QT_TR_NOOP("&Account"), "reconcile", QT_TR_NOOP("&Reconcile..."), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+R")}, &MainWindow::showReconciliationWindow,
         QT_TR_NOOP("Reconcile account"), 3},
        {QT_TR_NOOP("&Account"), "reconciliationHistory", QT_TR_NOOP("Reconciliation &History..."),
         K::UnknownKey, {}, &MainWindow::showReconciliationHistoryWindow, nullptr, 0},
        {QT_TR_NOOP("&Account"), "renamePayees", QT_TR_NOOP("Rename &Payees..."), K::UnknownKey,
         {}, &MainWindow::showPayeesWindow, nullptr, 0},
        {QT_TR_NOOP("&Account"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Account"), "share", QT_TR_NOOP("&Share..."), K::UnknownKey,
         {}, &MainWindow::showShareAccountDialog, nullptr, 0},
        {QT_TR_NOOP("&Account"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Account"), "deleteAccount", QT_TR_NOOP("&Delete"), K::UnknownKey,
         {}, &MainWindow::deleteCurrentAccount, nullptr, 0},

        {QT_TR_NOOP("&View"), "reports", QT_TR_NOOP("&Reports"), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+2")}, &MainWindow::showReportsWindow, QT_TR_NOOP("Reports"), 6},
        {QT_TR_NOOP("&View"), "recurring", QT_TR_NOOP("Re&curring Transactions"), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+3")}, &MainWindow::showRecurringWindow,
         QT_TR_NOOP("Recurring transactions"), 7},
        {QT_TR_NOOP("&View"), "categories", QT_TR_NOOP("C&ategories"), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+4")}, &MainWindow::showCategoriesWindow, QT_TR_NOOP("Categories"), 8},
        {QT_TR_NOOP("&View"), "budget", QT_TR_NOOP("&Budget"), K::UnknownKey,
         {QT_TR_NOOP("Ctrl+5")}, &MainWindow::showBudgetWindow, QT_TR_NOOP("Budget"), 9},

        {QT_TR_NOOP("&Help"), "about", QT_TR_NOOP("&About Tindral Quillon"), K::UnknownKey,
         {}, &MainWindow::showAbout, nullptr, 0},
        {QT_TR_NOOP("&Help"), "whatsNew", QT_TR_NOOP("What's &New..."), K::UnknownKey,
         {}, &MainWindow::showWhatsNew, nullptr, 0},
        {QT_TR_NOOP("&Help"), "checkForUpdates", QT_TR_NOOP("Check for &Updates..."), K::UnknownKey,
         {}, &MainWindow::checkForUpdates, nullptr, 0},
        {QT_TR_NOOP("&Help"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Help"), "keyboardShortcuts", QT_TR_NOOP("&Keyboard Shortcuts"), K::UnknownKey,
         {}, &MainWindow::showKeyboardShortcuts, nullptr, 0},
        {QT_TR_NOOP("&Help"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Help"), "loadSampleData", QT_TR_NOOP("Load &Sample Data"), K::UnknownKey,
         {}, &MainWindow::loadSampleData, nullptr, 0},
        {QT_TR_NOOP("&Help"), "clearSampleData", QT_TR_NOOP("&Clear Sample Data"), K::UnknownKey,
         {}, &MainWindow::clearSampleData, nullptr, 0},
        // clang-format on
    };
    return items;
}

void MainWindow::setupMenuBar() {
    QMenu *menu = nullptr;
    const char *menuTitle = nullptr;
    for (const MenuItem &item : menuItems()) {
        if (!menuTitle || qstrcmp(menuTitle, item.menu) != 0) {
            menuTitle = item.menu;
            menu = menuBar()->addMenu(tr(item.menu));
            m_menus << menu;
            m_windows.setMenus(m_menus);
        }
        if (!item.name) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(tr(item.text));
        action->setObjectName(QLatin1String(item.name));
        if (item.standardKey != QKeySequence::UnknownKey) {
            action->setShortcut(item.standardKey);
        } else {
            QList<QKeySequence> keys;
            for (const char *key : item.keys) {
                if (key)
                    keys << QKeySequence(tr(key));
            }
            action->setShortcuts(keys);
        }
        const std::function<void(MainWindow *)> slot = item.slot;
        connect(action, &QAction::triggered, this, [this, slot] { slot(this); });
    }
    m_signInAction = action(QStringLiteral("signIn"));
    m_signOutAction = action(QStringLiteral("signOut"));
    m_undoAction = action(QStringLiteral("undo"));
    m_redoAction = action(QStringLiteral("redo"));
    if (UndoStack *history = m_state->undoStack())
        connect(history, &UndoStack::changed, this, &MainWindow::updateUndoActions);
    updateUndoActions();
}

void MainWindow::startNewTransaction() {
    if (m_register->accountId().isEmpty()) {
        m_statusBar->showMessage(tr("Select an account first"), kShortMessageMs);
        return;
    }
    m_stack->setCurrentIndex(RegisterPage);
    m_register->newTransactionDialog();
}

void MainWindow::connectSignals() {
    connect(m_state, &AppState::dataChanged, this, &MainWindow::onDataChanged);
    connect(m_state, &AppState::currentAccountChanged, this, &MainWindow::updateShareAction);
    connect(m_register, &RegisterScreen::reconcileRequested, this,
            &MainWindow::showReconciliationWindow);
    connect(m_register, &RegisterScreen::createRuleRequested, this, &MainWindow::showRulesWindow);
    if (ThemeManager *theme = m_state->themeManager())
        connect(theme, &ThemeManager::themeChanged, m_statusBar, &StatusBar::recolor);
    connect(m_state->recurringService(), &RecurringService::pendingCountChanged, m_statusBar,
            &StatusBar::setRecurringDue);

    SyncEngine *sync = m_state->syncEngine();
    connect(sync, &SyncEngine::stateChanged, this, [this](SyncEngine::SyncState state) {
        if (m_state->accountClient()->isAuthenticated())
            m_statusBar->setSyncText(SyncEngine::stateText(state));
    });
    // Without an account there is nothing to sync with; a run then fails for want of a
    // session, which is no news to someone who never signed in.
    connect(sync, &SyncEngine::syncCompleted, this, [this] {
        if (m_state->accountClient()->isAuthenticated())
            m_statusBar->showMessage(tr("Sync complete"), 2000);
        if (m_state->currentAccountId().isEmpty())
            choosePage();
    });
    // One notice per sync run that stored something.
    connect(sync, &SyncEngine::dataChanged, this, [this] {
        requestSidebarRefresh();
        m_register->reload();
    });
    connect(sync, &SyncEngine::syncFailed, this, [this](const QString &error) {
        if (m_state->accountClient()->isAuthenticated())
            m_statusBar->showMessage(tr("Sync failed: %1").arg(error), kLongMessageMs);
    });

    TindAccount::AuthClient *auth = m_state->accountClient()->auth();
    connect(auth, &TindAccount::AuthClient::loginAddressReady, this,
            [this](const QUrl &url, bool browserOpened) {
                if (!m_signInLink)
                    m_signInLink = new SignInLinkDialog(this);
                m_signInLink->setAddress(url, browserOpened);
                m_signInLink->show();
                m_signInLink->raise();
            });
    connect(auth, &TindAccount::AuthClient::loginSucceeded, this, [this] {
        if (m_signInLink)
            m_signInLink->close();
        m_statusBar->showMessage(tr("Signed in successfully"), kShortMessageMs);
        updateSignInState();
    });
    connect(auth, &TindAccount::AuthClient::loginFailed, this, [this](const QString &error) {
        m_statusBar->showMessage(tr("Sign-in failed: %1").arg(error), kLongMessageMs);
    });
    connect(auth, &TindAccount::AuthClient::stateChanged, this, &MainWindow::updateSignInState);

    connect(m_welcome, &WelcomeScreen::signInRequested, auth, &TindAccount::AuthClient::login);
    connect(m_welcome, &WelcomeScreen::dismissRequested, this, [this] {
        if (m_state->currentAccountId().isEmpty())
            m_stack->setCurrentIndex(EmptyPage);
        else
            selectAccount(m_state->currentAccountId());
    });
    connect(m_emptyPage, &EmptyStatePage::createAccountRequested, this,
            &MainWindow::showNewAccountDialog);

    connect(m_sidebar, &AccountSidebar::accountChosen, this, &MainWindow::selectAccount);
    connect(m_sidebar, &AccountSidebar::contextMenuRequested, this,
            &MainWindow::onAccountContextMenu);
    connect(m_sidebar, &AccountSidebar::orderChanged, this, &MainWindow::storeAccountOrder);
}

void MainWindow::onDataChanged(const DataChange &change) {
    if (change.touches(DataChange::Accounts | DataChange::Transactions))
        requestSidebarRefresh();
    if (change.touches(DataChange::Recurring | DataChange::Transactions))
        showPending();
    if (change.touches(DataChange::Accounts) || change.touchesAccount(m_register->accountId()))
        m_register->reload();
    if (change.touches(DataChange::Accounts))
        updateShareAction();
}

void MainWindow::requestSidebarRefresh() {
    if (m_refreshQueued)
        return;
    m_refreshQueued = true;
    // Queued, so that many writes in one pass (and writes made inside a drop handler, while
    // the list is busy) lead to one rebuild after they are done.
    QMetaObject::invokeMethod(this, &MainWindow::onAccountsChanged, Qt::QueuedConnection);
}

void MainWindow::onAccountsChanged() {
    refreshSidebar();
}

void MainWindow::refreshSidebar() {
    m_refreshQueued = false;
    ++m_sidebarRefreshes;
    m_sidebar->refresh();
    const QStringList ids = m_sidebar->accountIds();
    m_statusBar->setAccountCount(int(ids.size()));

    const QString current = m_state->currentAccountId();
    if (current.isEmpty())
        return;
    if (ids.contains(current)) {
        m_sidebar->setCurrentAccount(current);
    } else if (m_stack->currentIndex() == RegisterPage) {
        // The shown account is gone (deleted here, by sync or with the sample data).
        m_state->setCurrentAccountId(QString());
        choosePage();
    }
}

void MainWindow::storeAccountOrder(const QStringList &accountIds) {
    m_state->ledger()->setAccountOrder(accountIds);
}

void MainWindow::selectAccount(const QString &accountId) {
    if (accountId != m_register->accountId() && !m_register->confirmLeaveEntry()) {
        m_sidebar->setCurrentAccount(m_register->accountId());
        return;
    }
    m_state->setCurrentAccountId(accountId);
    m_register->loadAccount(accountId);
    m_stack->setCurrentIndex(RegisterPage);
    m_sidebar->setCurrentAccount(accountId);
}

void MainWindow::choosePage() {
    LedgerWriter *ledger = m_state->ledger();
    const QString current = m_state->currentAccountId();
    if (!current.isEmpty() && ledger->liveAccount(current)) {
        selectAccount(current);
        return;
    }
    const QList<Account> all = ledger->accounts();
    if (!all.isEmpty()) {
        selectAccount(all.first().id);
        return;
    }
    m_state->setCurrentAccountId(QString());
    m_stack->setCurrentIndex(m_state->accountClient()->isAuthenticated() ? EmptyPage : WelcomePage);
}

void MainWindow::updateSignInState() {
    const bool signedIn = m_state->accountClient()->isAuthenticated();
    m_signInAction->setVisible(!signedIn);
    m_signOutAction->setVisible(signedIn);
    m_welcome->updateAuthButton();
    updateShareAction();
    if (!signedIn) {
        m_statusBar->setSyncText(tr("Not signed in"));
        return;
    }
    m_statusBar->setSyncText(SyncEngine::stateText(m_state->syncEngine()->state()));
    if (m_stack->currentIndex() == WelcomePage) {
        if (m_state->currentAccountId().isEmpty())
            m_stack->setCurrentIndex(EmptyPage);
        else
            selectAccount(m_state->currentAccountId());
    }
}

void MainWindow::showPending() {
    m_statusBar->setRecurringDue(m_state->recurringService()->pendingCount());
}

bool MainWindow::requireCurrentAccount() {
    if (!m_state->currentAccountId().isEmpty())
        return true;
    m_statusBar->showMessage(tr("Select an account first"), kShortMessageMs);
    return false;
}

void MainWindow::showNewAccountDialog() {
    AccountFormDialog dialog(this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return;
    QString id;
    if (!m_state->ledger()->createAccount(account, account.startingBalance,
                                          dialog.startingBalanceDate(), &id)) {
        ErrorBox::show(this, tr("New Account"), tr("The account could not be created."),
                       tr("Nothing was stored; your other accounts are unchanged."));
        return;
    }
    selectAccount(id);
}

void MainWindow::showEditAccountDialog() {
    if (!requireCurrentAccount())
        return;
    const auto stored = m_state->ledger()->liveAccount(m_state->currentAccountId());
    if (!stored)
        return;
    const std::optional<Transaction> opening = m_state->ledger()->openingBalance(stored->id);
    Account shown = *stored;
    if (opening)
        shown.startingBalance = opening->amount;
    AccountFormDialog dialog(shown, this);
    if (opening)
        dialog.setStartingBalanceDate(opening->date);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;

    const Account edited = dialog.account();
    if (edited.name.isEmpty())
        return;
    const LedgerWriter::Result result = m_state->ledger()->updateAccount(
        edited, edited.startingBalance, dialog.startingBalanceDate());
    if (result == LedgerWriter::Result::NotFound) {
        ErrorBox::show(this, tr("Edit Account"), tr("The changes could not be saved."),
                       tr("The account was deleted meanwhile."));
    } else if (result != LedgerWriter::Result::Ok) {
        ErrorBox::show(this, tr("Edit Account"), tr("The changes could not be saved."),
                       tr("The account keeps its previous details and balance."));
    }
    m_register->reload();
}

void MainWindow::showReportsWindow() {
    m_windows.show<ReportsScreen>(tr("Reports"), QSize(800, 600), {}, &ReportsScreen::refresh);
}

void MainWindow::showRecurringWindow() {
    // The register, the sidebar and this window itself all follow the postings and rule
    // changes through AppState's change notice; no signal of the screen is needed here.
    m_windows.show<RecurringScreen>(tr("Recurring Transactions"), QSize(700, 500), {},
                                    &RecurringScreen::refresh);
}

void MainWindow::showBudgetWindow() {
    BudgetScreen *window
        = m_windows.show<BudgetScreen>(tr("Budget"), QSize(800, 600), {}, &BudgetScreen::refresh);
    window->table()->setFocus();
}

void MainWindow::showSearchWindow() {
    SearchScreen *window = m_windows.show<SearchScreen>(
        tr("Search Transactions"), QSize(800, 550),
        [this] {
            auto *made = new SearchScreen(m_state, this);
            connect(made, &SearchScreen::editTransactionRequested, this,
                    &MainWindow::showTransaction);
            return made;
        },
        &SearchScreen::refresh);
    window->searchField()->setFocus();
    window->searchField()->selectAll();
}

void MainWindow::showTransaction(const QString &transactionId) {
    const auto transaction = m_state->ledger()->liveTransaction(transactionId);
    if (!transaction) {
        m_statusBar->showMessage(tr("That transaction no longer exists"), kShortMessageMs);
        return;
    }
    selectAccount(transaction->accountId);
    // Leaving a half-typed entry may have been refused: then the register stays where it was.
    if (m_register->accountId() != transaction->accountId)
        return;
    m_register->showTransaction(transactionId);
    raise();
    activateWindow();
}

void MainWindow::showCategoriesWindow() {
    m_windows.show<CategoriesScreen>(tr("Categories"), QSize(600, 500), {},
                                     &CategoriesScreen::refresh);
}

void MainWindow::showSettingsWindow() {
    m_windows.show<SettingsScreen>(
        tr("Preferences"), QSize(500, 550),
        [this] {
            auto *made = new SettingsScreen(m_state, this);
            connect(made, &SettingsScreen::deletedAccountRestored, this,
                    &MainWindow::requestSidebarRefresh);
            connect(made, &SettingsScreen::dateFormatChanged, this, &MainWindow::showDatesAgain);
            return made;
        },
        &SettingsScreen::refresh);
}

ReconciliationScreen *MainWindow::reconciliationWindow(const QString &accountId) const {
    return m_reconciliationWindows.value(accountId);
}

void MainWindow::showReconciliationWindow() {
    if (!requireCurrentAccount())
        return;
    const QString accountId = m_state->currentAccountId();
    const std::optional<Account> account = m_state->ledger()->liveAccount(accountId);
    if (!account)
        return;
    const QString title = tr("Reconcile — %1").arg(account->name);
    // Closed windows delete themselves; their entries are dropped here rather than from their
    // destroyed signal, which also fires while this window is being torn down.
    m_reconciliationWindows.removeIf([](const auto &entry) { return entry.value().isNull(); });
    ReconciliationScreen *open = m_reconciliationWindows.value(accountId);
    // A closed one is only waiting to be deleted.
    if (open && open->isVisible()) {
        m_windows.present(open, title, QSize(1100, 720));
        return;
    }
    auto *window = new ReconciliationScreen(m_state, this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_reconciliationWindows.insert(accountId, window);
    connect(window, &ReconciliationScreen::reconciliationCompleted, this, [this, window] {
        m_register->reload();
        requestSidebarRefresh();
        window->close();
    });
    connect(window, &ReconciliationScreen::cancelled, window, &QWidget::close);
    // Add and Edit post to the account being reconciled, whatever the register shows or
    // whether it may leave a half-typed row.
    connect(window, &ReconciliationScreen::newTransactionRequested, this,
            [this, window](const QString &id) { openTransactionForm(window, id, QString()); });
    connect(window, &ReconciliationScreen::editTransactionRequested, this,
            [this, window, accountId](const QString &transactionId) {
                openTransactionForm(window, accountId, transactionId);
            });
    window->setTransactionFormAvailable(true);
    window->setAccount(accountId);
    m_windows.present(window, title, QSize(1100, 720));
}

void MainWindow::openTransactionForm(QWidget *over, const QString &accountId,
                                     const QString &transactionId) {
    std::optional<Transaction> stored;
    if (!transactionId.isEmpty()) {
        stored = m_state->ledger()->liveTransaction(transactionId);
        if (!stored || stored->accountId != accountId) {
            ErrorBox::show(over, tr("Edit Transaction"), tr("This transaction no longer exists."),
                           QString());
            return;
        }
    }
    std::unique_ptr<TransactionFormDialog> dialog
        = stored ? std::make_unique<TransactionFormDialog>(m_state, *stored, over)
                 : std::make_unique<TransactionFormDialog>(m_state, accountId, over);
    if (ModalRunner::exec(dialog.get()) != QDialog::Accepted)
        return;
    const QList<SplitLine> lines = dialog->splitLines();
    const LedgerWriter::Result result = m_state->ledger()->saveTransaction(
        dialog->transaction(), !stored, dialog->splitChanged() ? &lines : nullptr);
    QString reason;
    switch (result) {
    case LedgerWriter::Result::Ok:
        return;
    case LedgerWriter::Result::TransferAccountNotFound:
        reason = tr("The account named after [Transfer] does not exist.");
        break;
    case LedgerWriter::Result::TransferToSameAccount:
        reason = tr("A transfer needs another account.");
        break;
    case LedgerWriter::Result::NotFound:
        reason = tr("The transaction was deleted meanwhile.");
        break;
    case LedgerWriter::Result::NotATransfer:
        reason = tr("An existing transaction cannot become a transfer; delete it and enter the "
                    "transfer as a new transaction.");
        break;
    case LedgerWriter::Result::OtherLegReconciled:
        reason = tr("The other side of the transfer is reconciled.");
        break;
    case LedgerWriter::Result::Failed:
        reason = tr("Nothing was stored.");
        break;
    }
    ErrorBox::show(over, dialog->windowTitle(), tr("The transaction could not be saved."), reason);
}

void MainWindow::showReconciliationHistoryWindow() {
    if (!requireCurrentAccount())
        return;
    const QString accountId = m_state->currentAccountId();
    m_windows.show<ReconciliationHistoryScreen>(
        tr("Reconciliation History"), QSize(750, 500), {},
        [accountId](ReconciliationHistoryScreen *window) { window->setAccount(accountId); });
}

void MainWindow::showImportWindow() {
    if (m_state->ledger()->accounts().isEmpty()) {
        if (MessageBoxes::ask(this, tr("No Accounts"),
                              tr("You need to create an account before importing transactions. "
                                 "Create one now?"),
                              MessageBoxes::Default::Yes))
            showNewAccountDialog();
        return;
    }
    m_windows.show<ImportScreen>(
        tr("Import Transactions"), QSize(650, 600),
        [this] {
            auto *made = new ImportScreen(m_state, this);
            connect(made, &ImportScreen::importCompleted, this, [this] {
                requestSidebarRefresh();
                m_register->reload();
            });
            return made;
        },
        &ImportScreen::refresh);
}

void MainWindow::showRulesWindow(const QString &payee) {
    RulesScreen *window = m_windows.show<RulesScreen>(tr("Import Rules"), QSize(700, 450), {},
                                                      &RulesScreen::refresh);
    if (!payee.isEmpty())
        window->addRuleForPayee(payee);
}

void MainWindow::showPayeesWindow() {
    // A rename announces itself as a change of transactions, which reloads the register
    // already; payeesChanged needs no second reload here.
    m_windows.show<PayeeScreen>(tr("Payee Management"), QSize(550, 500), {}, &PayeeScreen::refresh);
}

void MainWindow::showShareAccountDialog() {
    if (!requireCurrentAccount())
        return;
    if (!m_state->accountClient()->isAuthenticated()) {
        MessageBoxes::inform(this, tr("Sign In Required"),
                             tr("Sharing requires a Tindral account. Sign in via File › Sign In "
                                "to enable sharing."));
        return;
    }
    const auto account = m_state->ledger()->liveAccount(m_state->currentAccountId());
    if (!account)
        return;
    // The server learns of an account at its first sync; until then there is nothing to share.
    if (account->serverId.isEmpty()) {
        m_statusBar->showMessage(tr("Sync this account once before sharing it"), kLongMessageMs);
        return;
    }
    ShareMembersDialog::Texts texts;
    texts.windowTitle = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(account->name);
    texts.description = tr("Share this account with members of your Tindral family group. "
                           "They'll see the same register, balances, and reconciliation history "
                           "on their devices.");
    texts.listCaption = tr("Shared with");
    texts.emptyList = tr("Not shared with anyone yet.");
    texts.noGroup = tr("You're not part of a Tindral group yet. Create or join one under File › "
                       "Tindral Account..., then share this account with its members.");
    texts.shareButton = tr("Share");
    texts.removeButton = tr("Remove Selected");
    texts.closeButton = tr("Close");
    texts.role = QStringLiteral("member");
    texts.shareFailedTitle = tr("Share Failed");
    texts.removeFailedTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");
    ShareMembersDialog dialog(m_state->accountClient(), m_state->sharingService(), account->id,
                              texts, this);
    connect(&dialog, &ShareMembersDialog::sharingChanged, m_state->syncEngine(),
            &SyncEngine::scheduleSync);
    ModalRunner::exec(&dialog);
}

void MainWindow::updateShareAction() {
    QAction *share = action(QStringLiteral("share"));
    if (!share)
        return;
    const QString current = m_state->currentAccountId();
    const auto account = current.isEmpty() ? std::nullopt : m_state->ledger()->liveAccount(current);
    // Before sign-in the action stays available, to say that sharing needs an account.
    const bool unsynced
        = account && account->serverId.isEmpty() && m_state->accountClient()->isAuthenticated();
    share->setEnabled(!unsynced);
    share->setToolTip(unsynced ? tr("This account can be shared after its first sync.")
                               : QString());
}

void MainWindow::showAccountWindow() {
    if (!m_state->accountClient()->isAuthenticated()) {
        if (m_register->confirmLeaveEntry())
            m_stack->setCurrentIndex(WelcomePage);
        return;
    }
    m_windows.show<AccountScreen>(
        tr("Tindral Account"), QSize(600, 550),
        [this] {
            auto *made = new AccountScreen(m_state->accountClient(), this);
            connect(made, &AccountScreen::logoutRequested, made, [this, made] {
                m_state->accountClient()->auth()->logout();
                made->close();
            });
            return made;
        },
        &AccountScreen::reload);
}

TindUpdate::StatusFunctions MainWindow::updateStatus() {
    QPointer<StatusBar> bar(m_statusBar);
    TindUpdate::StatusFunctions status;
    status.show = [bar](const QString &text, int milliseconds) {
        if (!bar)
            return;
        if (milliseconds > 0)
            bar->finishProgress(text, milliseconds);
        else
            bar->showProgress(text);
    };
    status.clear = [bar] {
        if (bar)
            bar->hideProgress();
    };
    return status;
}

void MainWindow::showWhatsNew() {
    TindUpdate::showWhatsNew(AppUpdateConfig::create(), tr("Tindral Quillon"), this,
                             updateStatus());
}

void MainWindow::checkForUpdates() {
    TindUpdate::checkForUpdatesInteractive(AppUpdateConfig::create(), tr("Tindral Quillon"), this,
                                           updateStatus());
}

void MainWindow::onAccountContextMenu(const QString &id, const QPoint &globalPosition) {
    QMenu menu(this);
    menu.setAccessibleName(tr("Account actions"));
    connect(menu.addAction(tr("New Account...")), &QAction::triggered, this,
            &MainWindow::showNewAccountDialog);
    const auto account = id.isEmpty() ? std::nullopt : m_state->ledger()->liveAccount(id);
    if (account) {
        menu.addSeparator();
        connect(menu.addAction(tr("Edit \"%1\"...").arg(account->name)), &QAction::triggered, this,
                [this, id] {
                    selectAccount(id);
                    showEditAccountDialog();
                });
        connect(menu.addAction(tr("Reconcile...")), &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showReconciliationWindow();
        });
        connect(menu.addAction(tr("Reconciliation History...")), &QAction::triggered, this,
                [this, id] {
                    selectAccount(id);
                    showReconciliationHistoryWindow();
                });
        connect(menu.addAction(tr("Rename Payees...")), &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showPayeesWindow();
        });
        menu.addSeparator();
        QAction *share = menu.addAction(tr("Share..."));
        if (account->serverId.isEmpty() && m_state->accountClient()->isAuthenticated()) {
            share->setEnabled(false);
            share->setToolTip(tr("This account can be shared after its first sync."));
        }
        connect(share, &QAction::triggered, this, [this, id] {
            selectAccount(id);
            showShareAccountDialog();
        });
        menu.addSeparator();
        connect(menu.addAction(tr("Delete \"%1\"").arg(account->name)), &QAction::triggered, this,
                [this, id] { deleteAccount(id); });
    }
    menu.exec(globalPosition);
    // The right click selected the row under the mouse; show the current account again.
    m_sidebar->setCurrentAccount(m_state->currentAccountId());
}

void MainWindow::deleteCurrentAccount() {
    if (!requireCurrentAccount())
        return;
    deleteAccount(m_state->currentAccountId());
}

void MainWindow::deleteAccount(const QString &accountId) {
    const auto account = m_state->ledger()->liveAccount(accountId);
    if (!account)
        return;
    // A row being typed in that account has nowhere to go once it is deleted: say so, and
    // drop it before the account goes, so that nothing later saves into it.
    const bool typedThere = m_register->accountId() == accountId && m_register->hasUnsavedEntry();
    QString question = tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and "
                          "reconciliation history for this account will be removed. You can "
                          "restore it from Preferences → Data & Sync.")
                           .arg(account->name);
    if (typedThere)
        question += QStringLiteral("\n\n")
                    + tr("The transaction you are typing in this account will be discarded.");
    if (!MessageBoxes::askWarning(this, tr("Delete Account"), question))
        return;
    if (m_register->accountId() == accountId)
        m_register->discardEntry();

    if (!m_state->ledger()->deleteAccount(accountId)) {
        ErrorBox::show(this, tr("Delete Account"), tr("The account could not be deleted."),
                       tr("Nothing was removed: the account and all its entries are kept."));
        return;
    }
    if (accountId == m_state->currentAccountId()) {
        m_state->setCurrentAccountId(QString());
        choosePage();
    }
}

void MainWindow::showAbout() {
    QMessageBox box(this);
    box.setWindowTitle(tr("About Tindral Quillon"));
    box.setIconPixmap(QPixmap(QStringLiteral(":/icons/icons/app_icon.png"))
                          .scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    box.setTextFormat(Qt::RichText);
    box.setText(tr("<h3>Tindral Quillon</h3><p>Version %1</p>"
                   "<p>A digital quillon register for tracking household finances.</p>"
                   "<p><small>This application uses the Qt framework under the GNU LGPL version 3. "
                   "The source code of Qt is available at "
                   "<a href=\"https://download.qt.io/\">download.qt.io</a>.</small></p>")
                    .arg(QApplication::applicationVersion().toHtmlEscaped()));
    ModalRunner::exec(&box);
}

void MainWindow::showKeyboardShortcuts() {
    const auto table = [](const QString &heading, const QList<QPair<QString, QString>> &rows) {
        QString html = QStringLiteral("<h4>%1</h4><table cellspacing=\"6\">").arg(heading);
        for (const auto &[key, meaning] : rows)
            html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(key, meaning);
        return html + QStringLiteral("</table>");
    };
    QString html;
    html += table(tr("Register"), {{ShortcutText::of("Ctrl+Enter"), tr("Save transaction")},
                                   {ShortcutText::of("Ctrl+I"), tr("Insert new transaction")},
                                   {ShortcutText::of("Ctrl+D"), tr("Delete current transaction")},
                                   {tr("Tab / Shift+Tab"), tr("Next / previous field")},
                                   {tr("' (apostrophe)"), tr("Copy value from field above")}});
    html += table(tr("Date Field"), {{tr("t"), tr("Today")},
                                     {tr("+ / -"), tr("Next / previous day")},
                                     {tr("m / h"), tr("First / last day of month")},
                                     {tr("y / r"), tr("First / last day of year")},
                                     {tr("w / k"), tr("First / last day of week")}});
    // The menus' own keys, as the menu bar binds them.
    QList<std::pair<int, QPair<QString, QString>>> general;
    for (const MenuItem &item : menuItems()) {
        const QAction *bound = item.help ? action(QLatin1String(item.name)) : nullptr;
        if (bound)
            general.append({item.helpRow,
                            {bound->shortcut().toString(QKeySequence::NativeText), tr(item.help)}});
    }
    std::sort(general.begin(), general.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QPair<QString, QString>> generalRows;
    for (const auto &row : std::as_const(general))
        generalRows << row.second;
    html += table(tr("General"), generalRows);
    html += table(tr("Accounts"), {{tr("Alt+1 &ndash; Alt+9"), tr("Switch to account 1&ndash;9")},
                                   {tr("Alt+0"), tr("Switch to account 10")}});
    QMessageBox box(QMessageBox::Information, tr("Keyboard Shortcuts"), html, QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::RichText);
    ModalRunner::exec(&box);
}

void MainWindow::loadSampleData() {
    if (m_sampleData->hasSampleData()) {
        MessageBoxes::inform(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    if (!m_sampleData->loadSampleData()) {
        ErrorBox::show(this, tr("Load Sample Data"), tr("The sample data could not be loaded."),
                       tr("Nothing was added; your own accounts are unchanged."));
        return;
    }
    m_statusBar->showMessage(tr("Sample data loaded"), kShortMessageMs);
}

void MainWindow::clearSampleData() {
    if (!m_sampleData->hasSampleData()) {
        MessageBoxes::inform(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    if (!m_sampleData->clearSampleData()) {
        ErrorBox::show(this, tr("Clear Sample Data"), tr("The sample data could not be removed."),
                       tr("Nothing was removed. A sample account that holds entries of your own "
                          "stays until you move or delete them."));
        return;
    }
    const QString current = m_state->currentAccountId();
    if (!current.isEmpty() && !m_state->ledger()->liveAccount(current))
        m_state->setCurrentAccountId(QString());
    m_stack->setCurrentIndex(WelcomePage);
    m_statusBar->showMessage(tr("Sample data cleared"), kShortMessageMs);
}

void MainWindow::restoreLayout() {
    QSettings settings;
    const QByteArray geometry = settings.value(kGeometryKey).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        const QSize size(1280, 900);
        resize(size);
        // On a smaller screen the window would reach below it, status bar and all.
        const QScreen *screen = this->screen();
        const QSize available = screen ? screen->availableGeometry().size() : size;
        if (available.width() < size.width() || available.height() < size.height())
            setWindowState(windowState() | Qt::WindowMaximized);
    }
    const QByteArray splitter = settings.value(kSplitterKey).toByteArray();
    if (splitter.isEmpty() || !m_splitter->restoreState(splitter))
        m_splitter->setSizes({280, 1000});
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!m_register->confirmLeaveEntry()) {
        event->ignore();
        return;
    }
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kSplitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}

void MainWindow::updateUndoActions() {
    const UndoStack *history = m_state->undoStack();
    const bool canUndo = history && history->canUndo();
    const bool canRedo = history && history->canRedo();
    m_undoAction->setEnabled(canUndo);
    m_undoAction->setText(canUndo ? tr("&Undo %1").arg(history->undoLabel()) : tr("&Undo"));
    m_redoAction->setEnabled(canRedo);
    m_redoAction->setText(canRedo ? tr("&Redo %1").arg(history->redoLabel()) : tr("&Redo"));
}

void MainWindow::undoOrRedo(bool undo) {
    UndoStack *history = m_state->undoStack();
    if (!history || !(undo ? history->canUndo() : history->canRedo()))
        return;
    QString error;
    if (undo ? history->undo(&error) : history->redo(&error))
        return;
    ErrorBox::show(this, undo ? tr("Undo") : tr("Redo"), error,
                   tr("Your books were left as they are."));
}
