// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableView;
class QTimer;
class RegisterModel;
class SearchResultsModel;

// Finds transactions in every account by words of their payee, memo or check number,
// narrowed by account, category, a date range and the cleared flag. Typing waits for a pause
// before searching; every other filter searches at once.
class SearchScreen : public QWidget {
    Q_OBJECT

public:
    explicit SearchScreen(AppState *state, QWidget *parent = nullptr);

    // Refills the account and category filters, keeping what was chosen, and searches again.
    void refresh();

    QLineEdit *searchField() const { return m_search; }
    QComboBox *accountFilter() const { return m_account; }
    QComboBox *categoryFilter() const { return m_category; }
    QCheckBox *dateRangeBox() const { return m_dateRange; }
    QDateEdit *fromDate() const { return m_from; }
    QDateEdit *toDate() const { return m_to; }
    QCheckBox *clearedOnlyBox() const { return m_clearedOnly; }
    QTableView *resultsView() const { return m_table; }
    SearchResultsModel *results() const { return m_results; }
    // How many searches ran, for tests of the typing pause.
    int searchCount() const { return m_searches; }

public Q_SLOTS:
    void performSearch();

Q_SIGNALS:
    // A result was opened (double-click or Enter): its transaction should be shown.
    void editTransactionRequested(const QString &transactionId);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fillFilters();
    void onDataChanged(const DataChange &change);
    void openRow(int row);

    AppState *m_state;             // Not owned.
    QLineEdit *m_search;           // Owned (Qt child).
    QComboBox *m_account;          // Owned (Qt child).
    QComboBox *m_category;         // Owned (Qt child).
    QCheckBox *m_dateRange;        // Owned (Qt child).
    QDateEdit *m_from;             // Owned (Qt child).
    QDateEdit *m_to;               // Owned (Qt child).
    QCheckBox *m_clearedOnly;      // Owned (Qt child).
    QTableView *m_table;           // Owned (Qt child).
    QTimer *m_typingPause;         // Owned (Qt child).
    RegisterModel *m_rows;         // Owned (Qt child).
    SearchResultsModel *m_results; // Owned (Qt child).
    bool m_stale = false;          // Data changed while hidden.
    int m_searches = 0;
};
