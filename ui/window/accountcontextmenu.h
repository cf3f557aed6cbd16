// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"

#include <QMenu>

#include <optional>

class AccountActions;
class MainWindow;

// The menu of a right click on the sidebar: on an account's row, that account's commands, each
// of which selects it first; beside the rows, only "New Account...".
class AccountContextMenu : public QMenu {
    Q_OBJECT

public:
    AccountContextMenu(MainWindow *window, AccountActions *actions,
                       const std::optional<Account> &account);
};
