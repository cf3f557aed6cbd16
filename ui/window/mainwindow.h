// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"
#include "ui/window/secondarywindows.h"

#include <QMainWindow>
#include <QString>

#include <memory>

class AccountActions;
class AccountScreen;
class AccountSidebar;
class AppState;
class CategoriesScreen;
class EmptyStatePage;
class HelpMenuActions;
class ImportScreen;
class MainMenu;
class PayeeScreen;
class QAction;
class QMenu;
class QSplitter;
class QStackedWidget;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class ReconciliationWindows;
class BudgetScreen;
class RecurringScreen;
class RegisterScreen;
class RulesScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;
class SignInLinkDialog;
class StatusBar;
class WelcomeScreen;

// The program's window: the account sidebar, the page stack (welcome, register, getting
// started), the menus and the status bar. Holds no data of its own; everything comes from
// AppState and is refreshed when AppState announces a change.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    enum Page { WelcomePage = 0, RegisterPage = 1, EmptyPage = 2 };

    explicit MainWindow(AppState *state, QWidget *parent = nullptr);
    ~MainWindow() override;

    // For tests and the look of the window. The parts have object names: "pages" (the page
    // stack), "sidebarSplitter", "accountList", "accountsTotal".
    // How many times the sidebar was rebuilt.
    int sidebarRefreshCount() const { return m_sidebarRefreshes; }
    // The action with this object name ("newAccount", "loadSampleData", ...), or null.
    QAction *action(const QString &name) const;
    // The open reconciliation window of this account, or null.
    ReconciliationScreen *reconciliationWindow(const QString &accountId) const;

public Q_SLOTS:
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow();
    void showRecurringWindow();
    void showBudgetWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showSettingsWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow();
    // With a payee, opens the form of a new rule for it over the rules.
    void showRulesWindow(const QString &payee = QString());
    void showPayeesWindow();
    // Selects the transaction's account and makes its row current in the register.
    void showTransaction(const QString &transactionId);
    void showShareAccountDialog();
    void showAccountWindow();
    // The menu of a right click on the sidebar, on an account's row or beside the rows.
    void onAccountContextMenu(const QString &accountId, const QPoint &globalPosition);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    // Asks for one sidebar rebuild on the next pass of the event loop; requests made before
    // it runs share it.
    void requestSidebarRefresh();
    void showDatesAgain();
    void startNewTransaction();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // The menu table reaches the window's parts as the window's own code would.
    friend class MainMenu;

    void setupMenuBar();
    void connectSignals();
    void refreshSidebar();
    void choosePage();
    void updateSignInState();
    void updateShareAction();
    void onDataChanged(const DataChange &change);
    // Names the change Edit > Undo and Redo would take back or do again.
    void updateUndoActions();
    void undoOrRedo(bool undo);
    // Stores the order a person dragged the accounts into.
    void storeAccountOrder(const QStringList &accountIds);
    void showPending();
    void restoreLayout();
    // False, with "Select an account first" in the status bar, when no account is current.
    bool requireCurrentAccount();
    AppState *m_state;                     // Not owned.
    AccountSidebar *m_sidebar = nullptr;   // Owned (Qt child).
    QSplitter *m_splitter = nullptr;       // Owned (Qt child).
    QStackedWidget *m_stack = nullptr;     // Owned (Qt child).
    WelcomeScreen *m_welcome = nullptr;    // Owned (Qt child).
    RegisterScreen *m_register = nullptr;  // Owned (Qt child).
    EmptyStatePage *m_emptyPage = nullptr; // Owned (Qt child).
    StatusBar *m_statusBar = nullptr;      // Owned (Qt child).
    SecondaryWindows m_windows;
    SignInLinkDialog *m_signInLink = nullptr;           // Owned (Qt child); one at a time.
    AccountActions *m_accountActions = nullptr;         // Owned (Qt child).
    ReconciliationWindows *m_reconciliations = nullptr; // Owned (Qt child).
    HelpMenuActions *m_help = nullptr;                  // Owned (Qt child).
    std::unique_ptr<MainMenu> m_menu;
    QAction *m_signInAction = nullptr;  // Owned (Qt child).
    QAction *m_signOutAction = nullptr; // Owned (Qt child).
    QAction *m_undoAction = nullptr;    // Owned (Qt child).
    QAction *m_redoAction = nullptr;    // Owned (Qt child).
    bool m_refreshQueued = false;
    int m_sidebarRefreshes = 0;
};
