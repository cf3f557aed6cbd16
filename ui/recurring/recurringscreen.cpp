// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/recurring/recurringscreen.h"

#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
#include "storage/recurringrepository.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"
#include "ui/presentation/shortcuttext.h"
#include "ui/recurring/recurringformdialog.h"
#include "ui/recurring/recurringmodel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QVBoxLayout>

#include <memory>

namespace {

// Whether nothing that confirming, skipping or editing depends on changed between the two
// readings of a rule.
bool sameState(const RecurringTransaction &shown, const RecurringTransaction &stored) {
    return shown.version == stored.version && shown.updatedAt == stored.updatedAt
           && shown.nextDueDate == stored.nextDueDate && shown.isActive == stored.isActive
           && !stored.deletedAt;
}

} // namespace

RecurringScreen::RecurringScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new RecurringModel(state->accountRepository(), this))
    , m_table(new QTableView(this))
    , m_dueLabel(new QLabel(this))
    , m_confirmAll(new QPushButton(tr("Confirm All Due"), this))
    , m_new(new QPushButton(tr("New Recurring"), this))
    , m_emptyHint(new QLabel(this)) {
    setAccessibleName(tr("Recurring Transactions"));
    auto *layout = new QVBoxLayout(this);

    auto *header = new QHBoxLayout;
    auto *title = new QLabel(tr("Recurring Transactions"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    QFont dueFont = m_dueLabel->font();
    dueFont.setWeight(QFont::Bold);
    m_dueLabel->setFont(dueFont);
    m_dueLabel->setAccessibleName(tr("Due recurring transactions"));
    m_confirmAll->setAccessibleName(tr("Confirm All Due"));
    m_new->setAccessibleName(tr("New Recurring"));
    m_new->setStyleSheet(Styles::primaryButton());
    m_emptyHint->setText(tr("No recurring transactions yet. Create one with New Recurring, or "
                            "select a row in a register and press %1 to memorize it.")
                             .arg(ShortcutText::of("Ctrl+M")));
    m_emptyHint->setWordWrap(true);
    m_emptyHint->setStyleSheet(
        QStringLiteral("color: %1; padding: 4px 0;").arg(Styles::mutedColour()));
    m_emptyHint->hide();
    header->addWidget(title);
    header->addWidget(m_dueLabel);
    header->addStretch(1);
    header->addWidget(m_confirmAll);
    header->addWidget(m_new);
    layout->addLayout(header);

    m_table->setModel(m_model);
    m_table->setAccessibleName(tr("Recurring transactions"));
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setWordWrap(false);
    // Every column as wide as its texts, so that the payee gets the room that is left.
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setSectionResizeMode(RecurringModel::PayeeColumn,
                                                      QHeaderView::Stretch);
    layout->addWidget(m_emptyHint);
    layout->addWidget(m_table, 1);

    connect(m_confirmAll, &QPushButton::clicked, this, &RecurringScreen::confirmAllDue);
    connect(m_new, &QPushButton::clicked, this, &RecurringScreen::showNewForm);
    connect(m_table, &QWidget::customContextMenuRequested, this, &RecurringScreen::onContextMenu);
    connect(m_table, &QAbstractItemView::doubleClicked, this,
            [this](const QModelIndex &index) { showEditForm(index.row()); });
    connect(state, &AppState::dataChanged, this, &RecurringScreen::onDataChanged);
    // The due label's colour is chosen for the palette in use.
    if (ThemeManager *theme = state->themeManager())
        connect(theme, &ThemeManager::themeChanged, this, &RecurringScreen::refreshWhenVisible);
}

void RecurringScreen::onDataChanged(const DataChange &change) {
    if (change.touches(DataChange::Recurring | DataChange::Accounts))
        refreshWhenVisible();
}

void RecurringScreen::refreshWhenVisible() {
    // AppState sends one notice per pass of the event loop; a hidden screen reads once
    // when it is shown again.
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void RecurringScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void RecurringScreen::refresh() {
    m_stale = false;
    const QString currentId = [this] {
        const RecurringTransaction *rule = m_model->ruleAt(m_table->currentIndex().row());
        return rule ? rule->id : QString();
    }();
    m_model->setRules(m_state->recurringService()->allRecurring());
    if (const int row = currentId.isEmpty() ? -1 : rowOf(currentId); row >= 0)
        selectRow(row);

    m_emptyHint->setVisible(m_model->rowCount() == 0);
    const int due = m_state->recurringService()->pendingCount();
    m_confirmAll->setEnabled(due >= 1);
    if (due >= 1) {
        m_dueLabel->setText(tr("(%1 due)").arg(due));
        m_dueLabel->setStyleSheet(Styles::textColourStyle(Styles::dueColour()));
    } else {
        m_dueLabel->clear();
    }
}

void RecurringScreen::selectRow(int row) {
    m_table->setCurrentIndex(m_model->index(row, RecurringModel::PayeeColumn));
    m_table->selectRow(row);
}

std::optional<RecurringTransaction> RecurringScreen::currentStoredRule(const QString &actionTitle) {
    const RecurringTransaction *shown = m_model->ruleAt(m_table->currentIndex().row());
    if (!shown)
        return std::nullopt;
    const std::optional<RecurringTransaction> stored
        = m_state->recurringRepository()->findById(shown->id);
    if (!stored || stored->deletedAt) {
        ErrorBox::show(this, actionTitle, tr("This recurring transaction was deleted meanwhile."),
                       tr("Nothing was changed."));
        refresh();
        return std::nullopt;
    }
    if (!sameState(*shown, *stored)) {
        ErrorBox::show(this, actionTitle,
                       tr("This recurring transaction was changed meanwhile, perhaps in another "
                          "window or by a sync."),
                       tr("Nothing was changed; the list now shows it as it is stored."));
        refresh();
        return std::nullopt;
    }
    return stored;
}

void RecurringScreen::confirmAllDue() {
    const int due = m_state->recurringService()->pendingCount();
    const int confirmed = m_state->recurringService()->confirmAllDue();
    if (confirmed > 0)
        Q_EMIT transactionsChanged();
    refresh();
    if (confirmed < due) {
        ErrorBox::show(
            this, tr("Confirm All Due"),
            tr("%n due recurring transaction(s) could not be posted.", nullptr, due - confirmed),
            tr("Those rules were left as they were; the others were posted."));
    }
}

void RecurringScreen::confirmSelected() {
    const std::optional<RecurringTransaction> rule = currentStoredRule(tr("Confirm"));
    if (!rule)
        return;
    if (!m_state->recurringService()->confirm(*rule)) {
        ErrorBox::show(this, tr("Confirm"),
                       tr("\"%1\" could not be posted. The occurrence may have been posted "
                          "already, or its date or account is no longer valid.")
                           .arg(rule->payee),
                       tr("Nothing was posted and the rule was not advanced."));
        refresh();
        return;
    }
    Q_EMIT transactionsChanged();
    refresh();
}

void RecurringScreen::skipSelected() {
    const std::optional<RecurringTransaction> rule = currentStoredRule(tr("Skip"));
    if (!rule)
        return;
    if (!m_state->recurringService()->skip(*rule)) {
        ErrorBox::show(this, tr("Skip"),
                       tr("The occurrence of \"%1\" could not be skipped.").arg(rule->payee),
                       tr("The rule keeps its next due date."));
    }
    refresh();
}

void RecurringScreen::deleteSelected() {
    const RecurringTransaction *shown = m_model->ruleAt(m_table->currentIndex().row());
    if (!shown)
        return;
    const RecurringTransaction rule = *shown;
    if (!MessageBoxes::ask(this, tr("Delete"), tr("Delete recurring \"%1\"?").arg(rule.payee)))
        return;
    if (m_state->ledger()->deleteRecurring(rule.id) == LedgerWriter::Result::Failed) {
        ErrorBox::show(this, tr("Delete"),
                       tr("The recurring transaction \"%1\" could not be deleted.").arg(rule.payee),
                       tr("It is still in the list."));
    }
    refresh();
}

void RecurringScreen::showNewForm() {
    RecurringFormDialog dialog(m_state, this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    if (!m_state->ledger()->addRecurring(dialog.recurring())) {
        ErrorBox::show(this, tr("New Recurring"),
                       tr("The recurring transaction could not be saved."),
                       tr("Nothing was added."));
    }
    refresh();
}

void RecurringScreen::showEditForm(int row) {
    if (!m_model->ruleAt(row))
        return;
    selectRow(row);
    const std::optional<RecurringTransaction> rule = currentStoredRule(tr("Edit"));
    if (!rule)
        return;
    RecurringFormDialog dialog(m_state, *rule, RecurringFormDialog::Mode::Edit, this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    // A confirm or sync while the form was open must not be undone by the form's older copy.
    const std::optional<RecurringTransaction> now
        = m_state->recurringRepository()->findById(rule->id);
    if (!now || !sameState(*rule, *now)) {
        ErrorBox::show(this, tr("Edit"),
                       tr("This recurring transaction was changed or deleted while the form was "
                          "open."),
                       tr("Your changes were not saved; the list now shows it as it is stored."));
        refresh();
        return;
    }
    if (m_state->ledger()->updateRecurring(dialog.recurring()) != LedgerWriter::Result::Ok) {
        ErrorBox::show(this, tr("Edit"), tr("The changes could not be saved."),
                       tr("The recurring transaction keeps its previous details."));
    }
    refresh();
}

QMenu *RecurringScreen::contextMenuFor(int row, QWidget *parent) {
    const RecurringTransaction *rule = m_model->ruleAt(row);
    if (!rule)
        return nullptr;
    const bool due = RecurringModel::isDue(*rule);
    // By id, not by row: the list may be read again while the menu is open.
    const QString id = rule->id;
    const auto onRule = [this, id](void (RecurringScreen::*slot)()) {
        return [this, id, slot] {
            const int at = rowOf(id);
            if (at < 0)
                return;
            selectRow(at);
            (this->*slot)();
        };
    };
    auto *menu = new QMenu(parent);
    menu->setAccessibleName(tr("Recurring transaction actions"));
    menu->addAction(tr("&Edit"), this, [this, id] {
        const int at = rowOf(id);
        if (at >= 0)
            showEditForm(at);
    });
    QAction *confirm
        = menu->addAction(tr("&Confirm"), this, onRule(&RecurringScreen::confirmSelected));
    QAction *skip = menu->addAction(tr("&Skip"), this, onRule(&RecurringScreen::skipSelected));
    confirm->setEnabled(due);
    skip->setEnabled(due);
    menu->addSeparator();
    menu->addAction(tr("&Delete"), this, onRule(&RecurringScreen::deleteSelected));
    return menu;
}

int RecurringScreen::rowOf(const QString &id) const {
    for (int row = 0; row < m_model->rowCount(); ++row) {
        if (m_model->ruleAt(row)->id == id)
            return row;
    }
    return -1;
}

void RecurringScreen::onContextMenu(const QPoint &position) {
    const QModelIndex index = m_table->indexAt(position);
    if (!index.isValid())
        return;
    std::unique_ptr<QMenu> menu(contextMenuFor(index.row(), this));
    if (menu)
        menu->exec(m_table->viewport()->mapToGlobal(position));
}
