// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/import/rulesscreen.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/account.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/importrulerepository.h"
#include "storage/money.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/import/ruleformdialog.h"

#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column {
    TextColumn,
    AmountColumn,
    AccountColumn,
    PayeeColumn,
    CategoryColumn,
    MemoColumn,
    ColumnCount
};

} // namespace

RulesScreen::RulesScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state) {
    setAccessibleName(tr("Import Rules"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        tr("Rules rename payees and set categories and memos as transactions are imported. "
           "They are tried from the top; for each of payee, category and memo the first "
           "matching rule that sets it wins."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setAccessibleName(tr("Import rules"));
    m_table->setHorizontalHeaderLabels({tr("When the payee"), tr("Amount"), tr("Account"),
                                        tr("Show payee as"), tr("Category"), tr("Memo")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(m_table, 1);

    auto *buttons = new QHBoxLayout;
    const auto button = [this, buttons](const QString &text) {
        auto *b = new QPushButton(text, this);
        buttons->addWidget(b);
        return b;
    };
    QPushButton *add = button(tr("&Add..."));
    m_edit = button(tr("&Edit..."));
    m_up = button(tr("Move &Up"));
    m_down = button(tr("Move &Down"));
    m_delete = button(tr("De&lete"));
    buttons->addStretch(1);
    layout->addLayout(buttons);

    connect(add, &QPushButton::clicked, this, &RulesScreen::addRule);
    connect(m_edit, &QPushButton::clicked, this, &RulesScreen::editRule);
    connect(m_up, &QPushButton::clicked, this, &RulesScreen::moveUp);
    connect(m_down, &QPushButton::clicked, this, &RulesScreen::moveDown);
    connect(m_delete, &QPushButton::clicked, this, &RulesScreen::deleteRule);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, &RulesScreen::editRule);
    connect(m_table, &QTableWidget::itemSelectionChanged, this, [this] {
        const int row = m_table->currentRow();
        const bool chosen = row >= 0 && m_table->selectionModel()->hasSelection();
        m_edit->setEnabled(chosen);
        m_delete->setEnabled(chosen);
        m_up->setEnabled(chosen && row > 0);
        m_down->setEnabled(chosen && row < m_rules.size() - 1);
    });
    connect(m_state->importRuleRepository(), &ImportRuleRepository::rulesChanged, this,
            &RulesScreen::refresh);
    refresh();
}

void RulesScreen::refresh() {
    const int row = m_table->currentRow();
    m_rules = m_state->importRuleRepository()->findAll();
    QHash<QString, Account> accounts;
    for (const Account &account : m_state->ledger()->accounts())
        accounts.insert(account.id, account);
    QHash<QString, QString> categories;
    for (const Category &category : m_state->categoryRepository()->findAll())
        categories.insert(category.id, category.name);

    m_table->setRowCount(int(m_rules.size()));
    for (int i = 0; i < m_rules.size(); ++i) {
        const ImportRule &rule = m_rules.at(i);
        const QString match = rule.match == RuleMatch::Is           ? tr("is \"%1\"")
                              : rule.match == RuleMatch::StartsWith ? tr("starts with \"%1\"")
                                                                    : tr("contains \"%1\"");
        const Currency currency = accounts.value(rule.accountId).currency;
        QString amount;
        if (rule.minAmount || rule.maxAmount)
            amount = tr("%1 to %2")
                         .arg(rule.minAmount ? formatAmount(*rule.minAmount, currency) : tr("any"),
                              rule.maxAmount ? formatAmount(*rule.maxAmount, currency) : tr("any"));
        const QString cells[ColumnCount]
            = {match.arg(rule.text),
               amount,
               rule.accountId.isEmpty() ? tr("any account") : accounts.value(rule.accountId).name,
               rule.setPayee,
               categories.value(rule.setCategoryId),
               rule.setMemo};
        for (int column = 0; column < ColumnCount; ++column)
            m_table->setItem(i, column, new QTableWidgetItem(cells[column]));
    }
    select(qMin(row, int(m_rules.size()) - 1));
}

void RulesScreen::select(int row) {
    if (row >= 0)
        m_table->selectRow(row);
    else
        m_table->clearSelection();
    Q_EMIT m_table->itemSelectionChanged();
}

void RulesScreen::addRule() {
    editAndStore(ImportRule());
}

void RulesScreen::addRuleForPayee(const QString &payee) {
    ImportRule rule;
    rule.match = RuleMatch::Contains;
    rule.text = payee;
    rule.setPayee = payee;
    editAndStore(rule);
}

void RulesScreen::editRule() {
    const int row = m_table->currentRow();
    if (row >= 0 && row < m_rules.size())
        editAndStore(m_rules.at(row));
}

void RulesScreen::editAndStore(const ImportRule &rule) {
    RuleFormDialog dialog(m_state, rule, this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    ImportRule entered = dialog.rule();
    if (entered.createdAt.isValid())
        m_state->ledger()->saveImportRule(entered);
    else
        m_state->ledger()->addImportRule(entered);
}

void RulesScreen::move(int step) {
    const int row = m_table->currentRow();
    const int target = row + step;
    if (row < 0 || target < 0 || target >= m_rules.size())
        return;
    QStringList ids;
    for (const ImportRule &rule : std::as_const(m_rules))
        ids << rule.id;
    ids.swapItemsAt(row, target);
    if (m_state->ledger()->reorderImportRules(ids))
        select(target);
}

void RulesScreen::deleteRule() {
    const int row = m_table->currentRow();
    if (row < 0 || row >= m_rules.size())
        return;
    // A rule may hold a long list of hand-picked payees and categories, and nothing undoes it.
    if (!MessageBoxes::ask(this, tr("Delete Rule"),
                           tr("Delete the rule for \"%1\"?").arg(m_rules.at(row).text)))
        return;
    m_state->ledger()->deleteImportRule(m_rules.at(row).id);
}
