// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"

#include <QStringList>
#include <QWidget>

class AppState;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

// Every payee of every account, to tidy up: rename one, or merge several spellings into one
// name, across all live transactions.
class PayeeScreen : public QWidget {
    Q_OBJECT

public:
    explicit PayeeScreen(AppState *state, QWidget *parent = nullptr);

    // Reads the payees again, keeping the selection where the names still exist.
    void refresh();

    QListView *payeeList() const { return m_list; }
    QLineEdit *renameField() const { return m_renameTo; }
    QPushButton *renameButton() const { return m_rename; }
    QPushButton *mergeButton() const { return m_merge; }
    QStringList selectedPayees() const;
    void selectPayees(const QStringList &payees);

public Q_SLOTS:
    void onRename();
    void onMerge();

Q_SIGNALS:
    void payeesChanged();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Renames the payees to target; false (with the error shown) when nothing was stored.
    bool rename(const QStringList &payees, const QString &target, int *renamed);
    void onDataChanged(const DataChange &change);

    AppState *m_state;         // Not owned.
    QListView *m_list;         // Owned (Qt child).
    QStringListModel *m_model; // Owned (Qt child).
    QLineEdit *m_renameTo;     // Owned (Qt child).
    QPushButton *m_rename;     // Owned (Qt child).
    QPushButton *m_merge;      // Owned (Qt child).
    bool m_stale = false;      // Data changed while hidden.
    // Selected by the next read, which the change notice of this screen's own rename brings.
    QStringList m_selectAfterRead;
};
