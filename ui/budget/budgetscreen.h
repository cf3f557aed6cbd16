// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"
#include "services/budgetservice.h"

#include <QDate>
#include <QWidget>

class AppState;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;
class SmartAmountField;

// A month's budget per expense category against what was spent, with the month's budget of
// the selected category edited below the table.
class BudgetScreen : public QWidget {
    Q_OBJECT

public:
    enum Column { Category, Budget, Carried, Spent, Remaining, Used, ColumnCount };

    explicit BudgetScreen(AppState *state, QWidget *parent = nullptr);
    ~BudgetScreen() override;

    QDate month() const { return m_data.month; }
    const BudgetMonth &data() const { return m_data; }
    QTableWidget *table() const { return m_table; }
    QLabel *monthLabel() const { return m_monthLabel; }
    QLabel *totalsLabel() const { return m_totals; }
    SmartAmountField *amountField() const { return m_amount; }
    QCheckBox *rolloverBox() const { return m_rollover; }

public Q_SLOTS:
    void refresh();
    void showMonth(const QDate &day);
    void previousMonth();
    void nextMonth();
    // Stores the amount and rollover below the table as the selected category's budget.
    void applyBudget();
    void clearBudget();
    void copyLastMonth();
    void fillFromAverage();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void onDataChanged(const DataChange &change);
    void onCurrentRowChanged();
    QString selectedCategory() const;
    void report(LedgerWriter::Result result, const QString &action);

    AppState *m_state;        // Not owned.
    BudgetService *m_service; // Owned (Qt child).
    BudgetMonth m_data;
    QLabel *m_monthLabel;       // Owned (Qt child).
    QTableWidget *m_table;      // Owned (Qt child).
    QLabel *m_totals;           // Owned (Qt child).
    QLabel *m_editLabel;        // Owned (Qt child).
    SmartAmountField *m_amount; // Owned (Qt child).
    QCheckBox *m_rollover;      // Owned (Qt child).
    QPushButton *m_set;         // Owned (Qt child).
    QPushButton *m_clear;       // Owned (Qt child).
    bool m_stale = true;        // Changed while hidden: read again when shown.
};
