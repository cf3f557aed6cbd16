// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class AccountListModel;
class AppState;
class QLabel;
class QListView;
class QModelIndex;
class QShortcut;

// The accounts beside the register: one row each with its balance, the total under them, and
// Alt+1 ... Alt+9, Alt+0 to go to the first ten. A refresh merges the stored accounts into
// the rows (only changed rows repaint); the rows can be dragged into a new order.
class AccountSidebar : public QWidget {
    Q_OBJECT

public:
    explicit AccountSidebar(AppState *state, QWidget *parent = nullptr);

    // Reads the live accounts and their balances again.
    void refresh();
    // The ids in the order shown.
    QStringList accountIds() const;
    // Marks the account's row as the current one; none when it has no row.
    void setCurrentAccount(const QString &accountId);

Q_SIGNALS:
    // A click on a row or its Alt+digit key.
    void accountChosen(const QString &accountId);
    // A right click: on an account's row, or on no row (empty accountId).
    void contextMenuRequested(const QString &accountId, const QPoint &globalPosition);
    // A person dragged a row: the ids in their new order.
    void orderChanged(const QStringList &accountIds);

private:
    void rebuildShortcuts();

    AppState *m_state;              // Not owned.
    AccountListModel *m_model;      // Owned (Qt child).
    QListView *m_list;              // Owned (Qt child).
    QLabel *m_total;                // Owned (Qt child).
    QList<QShortcut *> m_shortcuts; // Owned (Qt children).
    QStringList m_shortcutIds;      // The accounts m_shortcuts lead to, in order.
};
