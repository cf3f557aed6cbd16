// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/mainmenu.h"

#include "ui/window/mainwindow.h"

#include "account/authclient.h"
#include "account/client.h"
#include "app/appstate.h"
#include "ui/register/registerscreen.h"
#include "ui/window/helpmenuactions.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>

#include <algorithm>

const QList<MainMenu::Item> &MainMenu::items() {
    using K = QKeySequence;
    const auto rules = [](MainWindow *window) { window->showRulesWindow(); };
    const auto undo = [](MainWindow *window) { window->undoOrRedo(true); };
    const auto redo = [](MainWindow *window) { window->undoOrRedo(false); };
    const auto signIn = [](MainWindow *window) {
        if (window->m_register->confirmLeaveEntry())
            window->m_stack->setCurrentIndex(MainWindow::WelcomePage);
    };
    const auto signOut
        = [](MainWindow *window) { window->m_state->accountClient()->auth()->logout(); };
    const auto about = [](MainWindow *window) { window->m_help->showAbout(); };
    const auto whatsNew = [](MainWindow *window) { window->m_help->showWhatsNew(); };
    const auto updates = [](MainWindow *window) { window->m_help->checkForUpdates(); };
    const auto shortcuts = [](MainWindow *window) {
        window->m_help->showKeyboardShortcuts(window->m_menu->shortcutRows());
    };
    const auto loadSamples = [](MainWindow *window) { window->m_help->loadSampleData(); };
    const auto clearSamples = [](MainWindow *window) { window->m_help->clearSampleData(); };
    static const QList<Item> items = {
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
         {}, about, nullptr, 0},
        {QT_TR_NOOP("&Help"), "whatsNew", QT_TR_NOOP("What's &New..."), K::UnknownKey,
         {}, whatsNew, nullptr, 0},
        {QT_TR_NOOP("&Help"), "checkForUpdates", QT_TR_NOOP("Check for &Updates..."), K::UnknownKey,
         {}, updates, nullptr, 0},
        {QT_TR_NOOP("&Help"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Help"), "keyboardShortcuts", QT_TR_NOOP("&Keyboard Shortcuts"), K::UnknownKey,
         {}, shortcuts, nullptr, 0},
        {QT_TR_NOOP("&Help"), nullptr, nullptr, K::UnknownKey, {}, {}, nullptr, 0},
        {QT_TR_NOOP("&Help"), "loadSampleData", QT_TR_NOOP("Load &Sample Data"), K::UnknownKey,
         {}, loadSamples, nullptr, 0},
        {QT_TR_NOOP("&Help"), "clearSampleData", QT_TR_NOOP("&Clear Sample Data"), K::UnknownKey,
         {}, clearSamples, nullptr, 0},
        // clang-format on
    };
    return items;
}

MainMenu::MainMenu(MainWindow *window) {
    QMenu *menu = nullptr;
    const char *menuTitle = nullptr;
    for (const Item &item : items()) {
        if (!menuTitle || qstrcmp(menuTitle, item.menu) != 0) {
            menuTitle = item.menu;
            menu = window->menuBar()->addMenu(tr(item.menu));
            m_menus << menu;
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
        QObject::connect(action, &QAction::triggered, window, [window, slot] { slot(window); });
    }
}

QAction *MainMenu::action(const QString &name) const {
    for (QMenu *menu : m_menus) {
        for (QAction *a : menu->actions()) {
            if (a->objectName() == name)
                return a;
        }
    }
    return nullptr;
}

QList<QPair<QString, QString>> MainMenu::shortcutRows() const {
    QList<std::pair<int, QPair<QString, QString>>> rows;
    for (const Item &item : items()) {
        const QAction *bound = item.help ? action(QLatin1String(item.name)) : nullptr;
        if (bound)
            rows.append({item.helpRow,
                         {bound->shortcut().toString(QKeySequence::NativeText), tr(item.help)}});
    }
    std::sort(rows.begin(), rows.end(),
              [](const auto &a, const auto &b) { return a.first < b.first; });
    QList<QPair<QString, QString>> result;
    for (const auto &row : std::as_const(rows))
        result << row.second;
    return result;
}
