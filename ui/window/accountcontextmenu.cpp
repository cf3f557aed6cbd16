// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/accountcontextmenu.h"

#include "ui/window/accountactions.h"
#include "ui/window/mainwindow.h"

AccountContextMenu::AccountContextMenu(MainWindow *window, AccountActions *actions,
                                       const std::optional<Account> &account)
    : QMenu(window) {
    setAccessibleName(tr("Account actions"));
    connect(addAction(tr("New Account...")), &QAction::triggered, window,
            &MainWindow::showNewAccountDialog);
    if (!account)
        return;
    const QString id = account->id;
    // Each command works on the current account, so the clicked one becomes current first.
    const auto onAccount = [window, id](void (MainWindow::*command)()) {
        return [window, id, command] {
            window->selectAccount(id);
            (window->*command)();
        };
    };
    addSeparator();
    connect(addAction(tr("Edit \"%1\"...").arg(account->name)), &QAction::triggered, window,
            onAccount(&MainWindow::showEditAccountDialog));
    connect(addAction(tr("Reconcile...")), &QAction::triggered, window,
            onAccount(&MainWindow::showReconciliationWindow));
    connect(addAction(tr("Reconciliation History...")), &QAction::triggered, window,
            onAccount(&MainWindow::showReconciliationHistoryWindow));
    connect(addAction(tr("Rename Payees...")), &QAction::triggered, window,
            onAccount(&MainWindow::showPayeesWindow));
    addSeparator();
    QAction *share = addAction(tr("Share..."));
    actions->updateShareAction(share, id);
    connect(share, &QAction::triggered, window, onAccount(&MainWindow::showShareAccountDialog));
    addSeparator();
    connect(addAction(tr("Delete \"%1\"").arg(account->name)), &QAction::triggered, window,
            [window, id] { window->deleteAccount(id); });
}
