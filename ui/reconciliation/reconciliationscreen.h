// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"
#include "services/reconciliationservice.h"
#include "storage/enums.h"

#include <QString>
#include <QWidget>

class AppState;
class DateField;
class SmartAmountField;
class QGridLayout;
class QLabel;
class QPushButton;
class QShortcut;
class QTableView;
class ReconciliationModel;

// Reconciling one account against a bank statement: the user enters the statement's date and
// ending balance, ticks the rows the statement shows and finishes once the difference is zero.
// Ticks are kept on screen only; nothing is written until Finish.
class ReconciliationScreen : public QWidget {
    Q_OBJECT

public:
    explicit ReconciliationScreen(AppState *state, QWidget *parent = nullptr);

    void setAccount(const QString &accountId);
    QString accountId() const { return m_accountId; }

    // The transaction form is opened by whoever listens to newTransactionRequested and
    // editTransactionRequested; until one does, Add and Edit stay hidden.
    void setTransactionFormAvailable(bool available);

    // For tests and the look of the window.
    QTableView *table() const { return m_table; }
    ReconciliationModel *model() const { return m_model; }
    DateField *statementDateField() const { return m_statementDate; }
    SmartAmountField *statementBalanceBox() const { return m_statementBalance; }
    QPushButton *finishButton() const { return m_finish; }
    QLabel *differenceLabel() const { return m_difference; }
    qint64 previousBalance() const { return m_previousBalance; }
    qint64 difference() const;
    // The ending balance typed, in the account's minor unit.
    qint64 statementBalance() const;

public Q_SLOTS:
    void onTransactionToggled();
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();
    void reload();

Q_SIGNALS:
    void reconciliationCompleted();
    void cancelled();
    void newTransactionRequested(const QString &accountId);
    void editTransactionRequested(const QString &transactionId);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void onDataChanged(const DataChange &change);
    // Shows what opening() read: the rows (keeping their ticks) and the previous balance.
    void showOpening(ReconciliationService::Opening opening);
    int currentRow() const;
    QLabel *addSummaryRow(QGridLayout *grid, int row, const QString &caption,
                          const QString &accessibleName, bool bold = false);

    AppState *m_state;                // Not owned.
    ReconciliationService *m_service; // Owned (Qt child).
    QString m_accountId;
    Currency m_currency = Currency::USD;
    qint64 m_previousBalance = 0;
    bool m_stale = false; // Data changed while hidden: reload on show.
    bool m_formAvailable = false;

    // All owned (Qt children).
    DateField *m_statementDate;
    SmartAmountField *m_statementBalance;
    QLabel *m_previous = nullptr;
    QLabel *m_deposits = nullptr;
    QLabel *m_withdrawals = nullptr;
    QLabel *m_cleared = nullptr;
    QLabel *m_statement = nullptr;
    QLabel *m_difference = nullptr;
    QPushButton *m_finish;
    QPushButton *m_cancel;
    QTableView *m_table;
    ReconciliationModel *m_model;
    QPushButton *m_add;
    QPushButton *m_edit;
    QPushButton *m_delete;
    QList<QShortcut *> m_formShortcuts;
};
