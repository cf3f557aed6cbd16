// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"

#include <QString>
#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The past reconciliations of one account, newest statement first.
class ReconciliationHistoryScreen : public QWidget {
    Q_OBJECT

public:
    explicit ReconciliationHistoryScreen(AppState *state, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }

    // For tests and the look of the window.
    QLabel *titleLabel() const { return m_title; }
    QTableWidget *table() const { return m_table; }
    QLabel *emptyLabel() const { return m_empty; }

public Q_SLOTS:
    void reload();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void onDataChanged(const DataChange &change);

    AppState *m_state; // Not owned.
    QString m_accountId;
    bool m_stale = false; // Data changed while hidden: reload on show.
    // All owned (Qt children).
    QLabel *m_title;
    QTableWidget *m_table;
    QLabel *m_empty;
};
