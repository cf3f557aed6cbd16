// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"
#include "storage/recurringtransaction.h"

#include <QWidget>

#include <optional>

class AppState;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class RecurringModel;

// Every recurring rule with how many are due: confirm, skip, edit, delete or create them.
class RecurringScreen : public QWidget {
    Q_OBJECT

public:
    explicit RecurringScreen(AppState *state, QWidget *parent = nullptr);

    RecurringModel *model() const { return m_model; }
    QTableView *table() const { return m_table; }
    QLabel *dueLabel() const { return m_dueLabel; }
    QPushButton *confirmAllButton() const { return m_confirmAll; }
    QPushButton *newButton() const { return m_new; }
    QLabel *emptyHint() const { return m_emptyHint; }
    // The context menu of a row, owned by the caller; it acts on that row.
    QMenu *contextMenuFor(int row, QWidget *parent);

public Q_SLOTS:
    void refresh();
    void onContextMenu(const QPoint &position);
    void showNewForm();
    void showEditForm(int row);
    void confirmSelected();
    void skipSelected();
    void deleteSelected();
    void confirmAllDue();

Q_SIGNALS:
    // Rules were posted as transactions.
    void transactionsChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onDataChanged(const DataChange &change);
    void refreshWhenVisible();
    void selectRow(int row);
    int rowOf(const QString &id) const;
    // The current row's rule as stored now, or nothing after telling the user that it was
    // deleted or changed since the list was read (the list is then read again).
    std::optional<RecurringTransaction> currentStoredRule(const QString &actionTitle);

    AppState *m_state;         // Not owned.
    RecurringModel *m_model;   // Owned (Qt child).
    QTableView *m_table;       // Owned (Qt child).
    QLabel *m_dueLabel;        // Owned (Qt child).
    QPushButton *m_confirmAll; // Owned (Qt child).
    QPushButton *m_new;        // Owned (Qt child).
    QLabel *m_emptyHint;       // Owned (Qt child).
    bool m_stale = true;       // Changed while hidden: read again when shown.
};
