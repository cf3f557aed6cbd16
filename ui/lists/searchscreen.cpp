// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/lists/searchscreen.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "ui/lists/searchresultsmodel.h"
#include "ui/register/registermodel.h"
#include "ui/widgets/dateedits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kTypingPauseMs = 300;

bool isEnter(const QKeyEvent *event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

QDateEdit *makeDateEdit(const QDate &date, const QString &name, QWidget *parent) {
    QDateEdit *edit = DateEdits::make(date, parent);
    edit->setAccessibleName(name);
    edit->setEnabled(false);
    return edit;
}

// Puts back the entry whose data is id, else the first ("All ...").
void chooseData(QComboBox *combo, const QString &id) {
    const int index = combo->findData(id);
    combo->setCurrentIndex(index < 0 ? 0 : index);
}

} // namespace

SearchScreen::SearchScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_search(new QLineEdit(this))
    , m_account(new QComboBox(this))
    , m_category(new QComboBox(this))
    , m_dateRange(new QCheckBox(tr("Date range:"), this))
    , m_from(makeDateEdit(QDate::currentDate().addMonths(-1), tr("From date"), this))
    , m_to(makeDateEdit(QDate::currentDate(), tr("To date"), this))
    , m_clearedOnly(new QCheckBox(tr("Cleared only"), this))
    , m_table(new QTableView(this))
    , m_typingPause(new QTimer(this))
    , m_rows(new RegisterModel(this))
    , m_results(new SearchResultsModel(m_rows, this)) {
    setAccessibleName(tr("Search Transactions"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    m_search->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_search->setClearButtonEnabled(true);
    m_search->setAccessibleName(tr("Search text"));
    layout->addWidget(m_search);

    auto *filters = new QHBoxLayout;
    auto *accountLabel = new QLabel(tr("Account:"), this);
    accountLabel->setBuddy(m_account);
    m_account->setAccessibleName(tr("Account filter"));
    m_account->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto *categoryLabel = new QLabel(tr("Category:"), this);
    categoryLabel->setBuddy(m_category);
    m_category->setAccessibleName(tr("Category filter"));
    m_category->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_dateRange->setAccessibleName(tr("Date range"));
    m_clearedOnly->setAccessibleName(tr("Cleared only"));
    filters->addWidget(accountLabel);
    filters->addWidget(m_account);
    filters->addWidget(categoryLabel);
    filters->addWidget(m_category);
    filters->addWidget(m_dateRange);
    filters->addWidget(m_from);
    filters->addWidget(new QLabel(tr("to"), this));
    filters->addWidget(m_to);
    filters->addWidget(m_clearedOnly);
    filters->addStretch(1);
    layout->addLayout(filters);

    m_table->setModel(m_results);
    m_table->setAccessibleName(tr("Search results"));
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setShowGrid(false);
    // One line a row, as in the register: long texts are cut short rather than wrapped.
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(32);
    QHeaderView *columns = m_table->horizontalHeader();
    // The register's widths, with the account where a search needs it.
    const int widths[] = {90, 120, 55, 0, 0, 120, 85, 85, 35};
    for (int column = 0; column < SearchResultsModel::ColumnCount; ++column) {
        if (widths[column] > 0) {
            columns->setSectionResizeMode(column, QHeaderView::Interactive);
            columns->resizeSection(column, widths[column]);
        } else {
            columns->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
    columns->setSectionResizeMode(SearchResultsModel::ClrColumn, QHeaderView::Fixed);
    layout->addWidget(m_table, 1);

    m_typingPause->setSingleShot(true);
    m_typingPause->setInterval(kTypingPauseMs);
    connect(m_typingPause, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_search, &QLineEdit::textEdited, m_typingPause, qOverload<>(&QTimer::start));
    connect(m_account, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_category, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_dateRange, &QCheckBox::toggled, this, [this](bool on) {
        m_from->setEnabled(on);
        m_to->setEnabled(on);
        performSearch();
    });
    connect(m_clearedOnly, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    const auto dateChanged = [this] {
        if (m_dateRange->isChecked())
            performSearch();
    };
    connect(m_from, &QDateEdit::dateChanged, this, dateChanged);
    connect(m_to, &QDateEdit::dateChanged, this, dateChanged);
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { openRow(index.row()); });
    m_search->installEventFilter(this);
    m_table->installEventFilter(this);

    connect(m_state, &AppState::dataChanged, this, &SearchScreen::onDataChanged);
}

void SearchScreen::refresh() {
    m_stale = false;
    fillFilters();
    m_typingPause->stop();
    performSearch();
}

void SearchScreen::fillFilters() {
    const QString accountId = m_account->currentData().toString();
    const QString categoryId = m_category->currentData().toString();
    const QSignalBlocker blockAccounts(m_account);
    const QSignalBlocker blockCategories(m_category);

    QHash<QString, QString> names;
    QHash<QString, Currency> currencies;
    m_account->clear();
    m_account->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_state->accountRepository()->findAll()) {
        m_account->addItem(account.name, account.id);
        names.insert(account.id, account.name);
        currencies.insert(account.id, account.currency);
    }
    chooseData(m_account, accountId);
    m_results->setAccountNames(names);
    m_results->setAccountCurrencies(currencies);

    m_category->clear();
    m_category->addItem(tr("All Categories"), QString());
    for (const Category &category : m_state->categoryRepository()->findAll())
        m_category->addItem(category.name, category.id);
    chooseData(m_category, categoryId);
}

void SearchScreen::performSearch() {
    m_typingPause->stop();
    ++m_searches;
    SearchFilter filter;
    filter.accountId = m_account->currentData().toString();
    filter.categoryId = m_category->currentData().toString();
    if (m_dateRange->isChecked()) {
        filter.fromDate = m_from->date();
        filter.toDate = m_to->date();
    }
    if (m_clearedOnly->isChecked())
        filter.cleared = true;

    const QString currentId = m_results->transactionIdAt(m_table->currentIndex().row());
    m_rows->setRows(m_state->transactionRepository()->searchWords(m_search->text(), filter), false);
    const int row = m_rows->rowOfId(currentId);
    if (row >= 0)
        m_table->setCurrentIndex(m_results->index(row, SearchResultsModel::PayeeColumn));
}

void SearchScreen::onDataChanged(const DataChange &change) {
    if (!change.touches(DataChange::Accounts | DataChange::Categories | DataChange::Transactions))
        return;
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    if (change.touches(DataChange::Accounts | DataChange::Categories))
        fillFilters();
    performSearch();
}

void SearchScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void SearchScreen::openRow(int row) {
    const QString id = m_results->transactionIdAt(row);
    if (!id.isEmpty())
        Q_EMIT editTransactionRequested(id);
}

bool SearchScreen::eventFilter(QObject *object, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(object, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (object == m_search) {
        // Enter searches without waiting; Down goes on to the results.
        if (isEnter(key)) {
            performSearch();
            return true;
        }
        if (key->key() == Qt::Key_Down && m_results->rowCount() > 0) {
            m_table->setFocus();
            if (!m_table->currentIndex().isValid())
                m_table->setCurrentIndex(m_results->index(0, SearchResultsModel::PayeeColumn));
            return true;
        }
    } else if (object == m_table && isEnter(key) && m_table->currentIndex().isValid()) {
        openRow(m_table->currentIndex().row());
        return true;
    }
    return QWidget::eventFilter(object, event);
}
