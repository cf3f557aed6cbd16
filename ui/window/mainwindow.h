// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"
#include "ui/window/secondarywindows.h"
#include "update/widgets/updateflows.h"

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>

class AccountScreen;
class AccountSidebar;
class AppState;
class CategoriesScreen;
class EmptyStatePage;
class ImportScreen;
class PayeeScreen;
class QAction;
class QMenu;
class QSplitter;
class QStackedWidget;
class ReconciliationHistoryScreen;
class ReconciliationScreen;
class BudgetScreen;
class RecurringScreen;
class RegisterScreen;
class RulesScreen;
class ReportsScreen;
class SampleDataService;
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
    void showWhatsNew();
    void checkForUpdates();
    // The menu of a right click on the sidebar, on an account's row or beside the rows.
    void onAccountContextMenu(const QString &accountId, const QPoint &globalPosition);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    void showAbout();
    void showKeyboardShortcuts();
    void loadSampleData();
    void clearSampleData();
    // Asks for one sidebar rebuild on the next pass of the event loop; requests made before
    // it runs share it.
    void requestSidebarRefresh();
    void showDatesAgain();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    // One item of the menu bar, a separator when name is null. Texts and keys are translated
    // in this class's context; a key the platform names (Quit, Find) wins over keys. An item
    // with a help text is listed with its keys in the keyboard shortcuts help, at helpRow.
    struct MenuItem {
        const char *menu;
        const char *name;
        const char *text;
        QKeySequence::StandardKey standardKey;
        std::array<const char *, 2> keys;
        std::function<void(MainWindow *)> slot;
        const char *help;
        int helpRow;
    };
    // The menu bar and the shortcuts help are both made from this one table, so that a key
    // can never be bound in one and described differently in the other.
    static const QList<MenuItem> &menuItems();

    void setupMenuBar();
    void startNewTransaction();
    void connectSignals();
    void refreshSidebar();
    void choosePage();
    void updateSignInState();
    // "Share..." waits until the current account has been synced once.
    void updateShareAction();
    TindUpdate::StatusFunctions updateStatus();
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
    // The transaction form over a window other than the register (a reconciliation): for a
    // new transaction in accountId, or for the stored transaction transactionId. Writes
    // through the ledger; the windows follow its change notice.
    void openTransactionForm(QWidget *over, const QString &accountId, const QString &transactionId);

    AppState *m_state;                     // Not owned.
    SampleDataService *m_sampleData;       // Owned (Qt child).
    AccountSidebar *m_sidebar = nullptr;   // Owned (Qt child).
    QSplitter *m_splitter = nullptr;       // Owned (Qt child).
    QStackedWidget *m_stack = nullptr;     // Owned (Qt child).
    WelcomeScreen *m_welcome = nullptr;    // Owned (Qt child).
    RegisterScreen *m_register = nullptr;  // Owned (Qt child).
    EmptyStatePage *m_emptyPage = nullptr; // Owned (Qt child).
    StatusBar *m_statusBar = nullptr;      // Owned (Qt child).
    SecondaryWindows m_windows;
    SignInLinkDialog *m_signInLink = nullptr; // Owned (Qt child); one at a time.
    // One reconciliation window per account, deleted on close, so two windows can never both
    // finish the same statement.
    QHash<QString, QPointer<ReconciliationScreen>> m_reconciliationWindows;
    QAction *m_signInAction = nullptr;  // Owned (Qt child).
    QAction *m_signOutAction = nullptr; // Owned (Qt child).
    QAction *m_undoAction = nullptr;    // Owned (Qt child).
    QAction *m_redoAction = nullptr;    // Owned (Qt child).
    QList<QMenu *> m_menus;             // Owned (Qt children).
    bool m_refreshQueued = false;
    int m_sidebarRefreshes = 0;
};
