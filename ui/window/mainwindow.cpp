// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/mainwindow.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "app/preferencekeys.h"
#include "app/thememanager.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
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
#include "ui/online/signinlinkdialog.h"
#include "ui/presentation/accountpresentation.h"
#include "ui/presentation/messagetimes.h"
#include "ui/presentation/regionalformat.h"
#include "ui/reconciliation/reconciliationhistoryscreen.h"
#include "ui/reconciliation/reconciliationscreen.h"
#include "ui/recurring/recurringscreen.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/reports/reportsscreen.h"
#include "ui/settings/settingsscreen.h"
#include "ui/window/accountactions.h"
#include "ui/window/accountcontextmenu.h"
#include "ui/window/accountsidebar.h"
#include "ui/window/emptystatepage.h"
#include "ui/window/helpmenuactions.h"
#include "ui/window/mainmenu.h"
#include "ui/window/reconciliationwindows.h"
#include "ui/window/statusbar.h"
#include "ui/window/welcomescreen.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableWidget>

#include <algorithm>

namespace {

const QString kGeometryKey = QStringLiteral("mainwindow/geometry");
const QString kSplitterKey = QStringLiteral("mainwindow/splitter");
} // namespace

MainWindow::MainWindow(AppState *state, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
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
    m_accountActions = new AccountActions(m_state, m_register, m_statusBar, this);
    m_reconciliations = new ReconciliationWindows(m_state, &m_windows, this);
    m_help = new HelpMenuActions(m_state, m_statusBar, this);

    restoreLayout();
    connectSignals();
    refreshSidebar();

    const int posted = m_state->recurringService()->autoPostDue();
    if (posted > 0) {
        m_statusBar->showMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted),
                                 MessageTimes::LongMs);
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
    return m_menu ? m_menu->action(name) : nullptr;
}

void MainWindow::setupMenuBar() {
    m_menu = std::make_unique<MainMenu>(this);
    m_windows.setMenus(m_menu->menus());
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
        m_statusBar->showMessage(tr("Select an account first"), MessageTimes::ShortMs);
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
            m_statusBar->showMessage(tr("Sync failed: %1").arg(error), MessageTimes::LongMs);
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
        m_statusBar->showMessage(tr("Signed in successfully"), MessageTimes::ShortMs);
        updateSignInState();
    });
    connect(auth, &TindAccount::AuthClient::loginFailed, this, [this](const QString &error) {
        m_statusBar->showMessage(tr("Sign-in failed: %1").arg(error), MessageTimes::LongMs);
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
    connect(m_accountActions, &AccountActions::created, this, &MainWindow::selectAccount);
    connect(m_accountActions, &AccountActions::currentRemoved, this, &MainWindow::choosePage);
    connect(m_help, &HelpMenuActions::sampleDataCleared, this,
            [this] { m_stack->setCurrentIndex(WelcomePage); });
    connect(m_reconciliations, &ReconciliationWindows::completed, this, [this] {
        m_register->reload();
        requestSidebarRefresh();
    });
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
    m_statusBar->showMessage(tr("Select an account first"), MessageTimes::ShortMs);
    return false;
}

void MainWindow::showNewAccountDialog() {
    m_accountActions->create();
}

void MainWindow::showEditAccountDialog() {
    if (requireCurrentAccount())
        m_accountActions->edit(m_state->currentAccountId());
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
        m_statusBar->showMessage(tr("That transaction no longer exists"), MessageTimes::ShortMs);
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
    return m_reconciliations->window(accountId);
}

void MainWindow::showReconciliationWindow() {
    if (requireCurrentAccount())
        m_reconciliations->show(m_state->currentAccountId());
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
    if (requireCurrentAccount())
        m_accountActions->share(m_state->currentAccountId());
}

void MainWindow::updateShareAction() {
    if (QAction *share = action(QStringLiteral("share")))
        m_accountActions->updateShareAction(share, m_state->currentAccountId());
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

void MainWindow::onAccountContextMenu(const QString &id, const QPoint &globalPosition) {
    const auto account = id.isEmpty() ? std::nullopt : m_state->ledger()->liveAccount(id);
    AccountContextMenu(this, m_accountActions, account).exec(globalPosition);
    // The right click selected the row under the mouse; show the current account again.
    m_sidebar->setCurrentAccount(m_state->currentAccountId());
}

void MainWindow::deleteCurrentAccount() {
    if (!requireCurrentAccount())
        return;
    deleteAccount(m_state->currentAccountId());
}

void MainWindow::deleteAccount(const QString &accountId) {
    m_accountActions->remove(accountId);
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
