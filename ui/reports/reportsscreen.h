// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class AppState;
class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;
class QWidget;
class ReportFiller;

// Seven reports as tabs over one filter (account and period), each table exportable as CSV.
// Reads only. A report is read when its tab is shown and its filter or the data changed
// since it was last read, never for tabs nobody looks at, and not while dates are typed.
class ReportsScreen : public QWidget {
    Q_OBJECT

public:
    enum Tab {
        CategorySpendingTab,
        PayeeSummaryTab,
        TaxReportTab,
        CashFlowTab,
        YearOverYearTab,
        AccountSummaryTab,
        BudgetTab,
        TabCount
    };

    explicit ReportsScreen(AppState *state, QWidget *parent = nullptr);
    ~ReportsScreen() override;

    // Reads the account list again and the visible report anew.
    void refresh();

    // The day the period presets count from; an invalid date means the real today.
    void setToday(const QDate &today);
    QDate today() const;

    // For tests and the look of the window.
    QTabWidget *tabs() const { return m_tabs; }
    QTableWidget *table(int tab) const { return m_tables.value(tab); }
    // The chart above the tab's table, or null for tabs without one.
    QChartView *chartView(int tab) const;
    QComboBox *accountCombo() const { return m_account; }
    QComboBox *periodCombo() const { return m_period; }
    QComboBox *comparisonCombo() const { return m_comparison; }
    QDateEdit *fromEdit() const { return m_from; }
    QDateEdit *toEdit() const { return m_to; }
    QLabel *rangeLabel() const { return m_rangeLabel; }
    QLabel *comparisonLabel() const { return m_comparisonLabel; }
    QWidget *comparisonCustomRow() const { return m_comparisonCustom; }
    QDateEdit *comparisonEdit(int index) const { return m_comparisonEdits.value(index); }
    QPushButton *exportButton() const { return m_export; }
    // How many reports were read from the database so far.
    int reportRunCount() const { return m_runCount; }
    // How long typed dates wait before the report is read.
    static constexpr int kTypingDelayMs = 400;

public Q_SLOTS:
    void onDatePresetChanged(int index);
    void onFilterChanged();
    // Reads the report of the visible tab now.
    void runReport();
    void exportCurrentTab();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildFilterRow();
    QWidget *buildComparisonControls();
    QTableWidget *newTable(const QStringList &headers);
    QDateEdit *newDateEdit(const QString &accessibleName);
    void onComparisonChanged(int index);
    void onDateEdited();
    void onDataChanged(const DataChange &change);
    void reloadAccounts();
    // Reads the visible report after delayMs unless it already shows the current filter.
    void scheduleRun(int delayMs);
    void runIfOutdated();
    // What the tab's report depends on; a tab whose last read had another key is outdated.
    QString filterKey(int tab) const;
    void fillTab(int tab);
    QString accountId() const;
    void setDateQuietly(QDateEdit *edit, const QDate &date);

    AppState *m_state; // Not owned.
    QDate m_today;
    QComboBox *m_account = nullptr;          // Owned (Qt child).
    QComboBox *m_period = nullptr;           // Owned (Qt child).
    QLabel *m_rangeLabel = nullptr;          // Owned (Qt child).
    QLabel *m_notice = nullptr;              // Owned (Qt child).
    QDateEdit *m_from = nullptr;             // Owned (Qt child).
    QDateEdit *m_to = nullptr;               // Owned (Qt child).
    QPushButton *m_export = nullptr;         // Owned (Qt child).
    QTabWidget *m_tabs = nullptr;            // Owned (Qt child).
    QComboBox *m_comparison = nullptr;       // Owned (Qt child).
    QLabel *m_comparisonLabel = nullptr;     // Owned (Qt child).
    QWidget *m_comparisonCustom = nullptr;   // Owned (Qt child).
    QList<QDateEdit *> m_comparisonEdits;    // P1 from, P1 to, P2 from, P2 to (Qt children).
    QList<QTableWidget *> m_tables;          // Owned (Qt children).
    QChartView *m_spendingChart = nullptr;   // Owned (Qt child).
    QChartView *m_cashFlowChart = nullptr;   // Owned (Qt child).
    QChartView *m_comparisonChart = nullptr; // Owned (Qt child).
    QChartView *m_budgetChart = nullptr;     // Owned (Qt child).
    QLabel *m_budgetMonths = nullptr;        // Owned (Qt child).
    QTimer *m_runTimer = nullptr;            // Owned (Qt child).
    QVector<QString> m_shownKeys;            // Per tab: the filter its table shows.
    // Reads the reports into the tables and charts; made once they exist.
    std::unique_ptr<ReportFiller> m_filler;
    bool m_suppress = false;
    int m_runCount = 0;
};
