// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reconciliation/reconciliationscreen.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "services/reconciliationservice.h"
#include "storage/accountrepository.h"
#include "storage/money.h"
#include "storage/reconciliationrepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/styles.h"
#include "ui/presentation/shortcuttext.h"
#include "ui/reconciliation/reconciliationmodel.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QApplication>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <cmath>

namespace {

QFrame *separator(QWidget *parent) {
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_service(new ReconciliationService(state->database(), state->accountRepository(),
                                          state->transactionRepository(),
                                          state->reconciliationRepository(), this))
    , m_statementDate(new DateField(this))
    , m_statementBalance(new SmartAmountField(this))
    , m_finish(new QPushButton(tr("Finish Reconciliation"), this))
    , m_cancel(new QPushButton(tr("Cancel"), this))
    , m_table(new QTableView(this))
    , m_model(new ReconciliationModel(this))
    , m_add(new QPushButton(tr("Add Transaction"), this))
    , m_edit(new QPushButton(tr("Edit"), this))
    , m_delete(new QPushButton(tr("Delete"), this)) {
    m_service->setUndoStack(state->undoStack());
    setAccessibleName(tr("Reconcile Account"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *title = new QLabel(tr("Reconcile Account"), this);
    QFont titleFont = QApplication::font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    title->setFont(titleFont);
    layout->addWidget(title);

    auto *statementRow = new QHBoxLayout;
    auto *dateCaption = new QLabel(tr("Statement Date:"), this);
    dateCaption->setBuddy(m_statementDate);
    m_statementDate->setAccessibleName(tr("Statement date"));
    m_statementDate->setMinimumWidth(140);
    auto *balanceCaption = new QLabel(tr("Statement Balance:"), this);
    balanceCaption->setBuddy(m_statementBalance);
    m_statementBalance->setAccessibleName(tr("Statement balance"));
    m_statementBalance->setRange(-99999999.99, 99999999.99);
    m_statementBalance->setMinimumWidth(160);
    statementRow->addWidget(dateCaption);
    statementRow->addWidget(m_statementDate);
    statementRow->addSpacing(16);
    statementRow->addWidget(balanceCaption);
    statementRow->addWidget(m_statementBalance);
    statementRow->addStretch(1);
    layout->addLayout(statementRow);
    connect(m_statementBalance, &QDoubleSpinBox::valueChanged, this,
            &ReconciliationScreen::updateDifference);

    auto *body = new QHBoxLayout;
    body->setSpacing(16);
    auto *listColumn = new QVBoxLayout;

    m_table->setModel(m_model);
    m_table->setAccessibleName(tr("Unreconciled transactions"));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->setShowGrid(false);
    m_table->setWordWrap(false);
    // Tab leaves the list for the buttons; the arrows move within it.
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(30);
    QHeaderView *columns = m_table->horizontalHeader();
    // Fixed widths: sizing to contents would measure every row of a long list.
    const int widths[ReconciliationModel::ColumnCount] = {36, 110, 0, 130, 44};
    for (int column = 0; column < ReconciliationModel::ColumnCount; ++column) {
        if (widths[column] > 0) {
            columns->setSectionResizeMode(column, QHeaderView::Fixed);
            columns->resizeSection(column, widths[column]);
        } else {
            columns->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
    m_table->installEventFilter(this);
    connect(m_table, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.column() != ReconciliationModel::TickColumn)
            editSelectedTransaction();
    });
    connect(m_model, &ReconciliationModel::tickedChanged, this,
            &ReconciliationScreen::onTransactionToggled);
    listColumn->addWidget(m_table, 1);

    auto *rowButtons = new QHBoxLayout;
    m_add->setToolTip(tr("Add a transaction (%1)").arg(ShortcutText::of("Ctrl+N")));
    m_edit->setToolTip(tr("Edit selected transaction (F2)"));
    m_delete->setToolTip(tr("Delete selected transaction (%1)").arg(ShortcutText::of("Del")));
    m_add->setAccessibleName(tr("Add Transaction"));
    m_edit->setAccessibleName(tr("Edit transaction"));
    m_delete->setAccessibleName(tr("Delete transaction"));
    connect(m_add, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(m_edit, &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    connect(m_delete, &QPushButton::clicked, this,
            &ReconciliationScreen::deleteSelectedTransaction);
    rowButtons->addWidget(m_add);
    rowButtons->addWidget(m_edit);
    rowButtons->addWidget(m_delete);
    rowButtons->addStretch(1);
    auto *hint = new QLabel(tr("Space, C or R: tick the current row"), this);
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    rowButtons->addWidget(hint);
    listColumn->addLayout(rowButtons);
    body->addLayout(listColumn, 1);

    auto *side = new QVBoxLayout;
    auto *panel = new QFrame(this);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFixedWidth(310);
    auto *grid = new QGridLayout(panel);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    m_previous = addSummaryRow(grid, 0, tr("Previous Balance"), tr("Previous balance"));
    m_deposits = addSummaryRow(grid, 1, tr("Cleared Deposits"), tr("Cleared deposits"));
    m_withdrawals = addSummaryRow(grid, 2, tr("Cleared Withdrawals"), tr("Cleared withdrawals"));
    grid->addWidget(separator(panel), 3, 0, 1, 2);
    m_cleared = addSummaryRow(grid, 4, tr("Cleared Balance"), tr("Cleared balance"));
    m_statement = addSummaryRow(grid, 5, tr("Statement Balance"), tr("Statement balance total"));
    grid->addWidget(separator(panel), 6, 0, 1, 2);
    m_difference = addSummaryRow(grid, 7, tr("Difference"), tr("Difference"), true);
    side->addWidget(panel);
    side->addSpacing(8);

    m_finish->setStyleSheet(Styles::primaryButtonGreyedWhenDisabled());
    m_finish->setAccessibleName(tr("Finish Reconciliation"));
    m_finish->setEnabled(false);
    m_cancel->setAccessibleName(tr("Cancel reconciliation"));
    connect(m_finish, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(m_cancel, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);
    side->addWidget(m_finish);
    side->addWidget(m_cancel);
    side->addStretch(1);
    body->addLayout(side);
    layout->addLayout(body, 1);

    auto shortcut = [this](const QKeySequence &keys, void (ReconciliationScreen::*slot)()) {
        auto *result = new QShortcut(keys, this);
        result->setContext(Qt::WidgetWithChildrenShortcut);
        connect(result, &QShortcut::activated, this, slot);
        return result;
    };
    m_formShortcuts << shortcut(QKeySequence::New, &ReconciliationScreen::addTransaction)
                    << shortcut(QKeySequence(Qt::Key_Insert), &ReconciliationScreen::addTransaction)
                    << shortcut(QKeySequence(Qt::Key_F2),
                                &ReconciliationScreen::editSelectedTransaction);
    // Text fields keep Delete for themselves: they take it before any shortcut.
    shortcut(QKeySequence::Delete, &ReconciliationScreen::deleteSelectedTransaction);
    if (QKeySequence(QKeySequence::Delete) != QKeySequence(Qt::Key_Delete))
        shortcut(QKeySequence(Qt::Key_Delete), &ReconciliationScreen::deleteSelectedTransaction);
    setTransactionFormAvailable(false);
    // Statement first, then the rows to tick, then the way out.
    setTabOrder(m_statementDate, m_statementBalance);
    setTabOrder(m_statementBalance, m_table);
    setTabOrder(m_table, m_add);
    setTabOrder(m_add, m_edit);
    setTabOrder(m_edit, m_delete);
    setTabOrder(m_delete, m_finish);
    setTabOrder(m_finish, m_cancel);

    connect(m_state, &AppState::dataChanged, this, &ReconciliationScreen::onDataChanged);
    updateDifference();
}

QLabel *ReconciliationScreen::addSummaryRow(QGridLayout *grid, int row, const QString &caption,
                                            const QString &accessibleName, bool bold) {
    auto *captionLabel = new QLabel(caption, grid->parentWidget());
    captionLabel->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    QFont valueFont(QStringLiteral("monospace"));
    valueFont.setStyleHint(QFont::TypeWriter);
    valueFont.setPointSizeF(QApplication::font().pointSizeF());
    if (bold) {
        QFont captionFont = captionLabel->font();
        captionFont.setBold(true);
        captionLabel->setFont(captionFont);
        valueFont.setBold(true);
    }
    auto *value = new QLabel(grid->parentWidget());
    value->setFont(valueFont);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setAccessibleName(accessibleName);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

void ReconciliationScreen::setTransactionFormAvailable(bool available) {
    m_formAvailable = available;
    m_add->setVisible(available);
    m_edit->setVisible(available);
    for (QShortcut *shortcut : std::as_const(m_formShortcuts))
        shortcut->setEnabled(available);
}

void ReconciliationScreen::setAccount(const QString &accountId) {
    if (accountId != m_accountId)
        m_model->clear();
    m_accountId = accountId;
    const std::optional<Account> account = m_state->accountRepository()->findById(accountId);
    if (!account)
        return;
    m_currency = account->currency;
    m_model->setCurrency(m_currency);
    m_statementBalance->setCurrency(m_currency);
    ReconciliationService::Opening opening = m_service->opening(accountId);
    if (opening.defaultStatementDate.isValid())
        m_statementDate->setDate(opening.defaultStatementDate);
    showOpening(std::move(opening));
}

void ReconciliationScreen::reload() {
    if (!m_accountId.isEmpty())
        showOpening(m_service->opening(m_accountId));
}

void ReconciliationScreen::showOpening(ReconciliationService::Opening opening) {
    m_stale = false;
    if (!opening.accountFound) {
        m_model->clear();
        m_previousBalance = 0;
        updateDifference();
        return;
    }
    m_previousBalance = opening.previousBalance;

    const int row = currentRow();
    const QString currentId = row >= 0 ? m_model->transactionAt(row).id : QString();
    m_model->setRows(std::move(opening.unreconciled));
    int target = currentId.isEmpty() ? -1 : m_model->rowOfId(currentId);
    if (target < 0 && row >= 0 && m_model->rowCount() > 0)
        target = qMin(row, m_model->rowCount() - 1);
    if (target >= 0)
        m_table->setCurrentIndex(m_model->index(target, ReconciliationModel::PayeeColumn));
    updateDifference();
}

void ReconciliationScreen::onDataChanged(const DataChange &change) {
    if (m_accountId.isEmpty())
        return;
    if (!change.touches(DataChange::Accounts) && !change.touchesAccount(m_accountId))
        return;
    if (isVisible())
        reload();
    else
        m_stale = true;
}

void ReconciliationScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_stale)
        reload();
}

int ReconciliationScreen::currentRow() const {
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() && current.row() < m_model->rowCount() ? current.row() : -1;
}

qint64 ReconciliationScreen::statementBalance() const {
    return m_statementBalance->amount();
}

qint64 ReconciliationScreen::difference() const {
    const qint64 cleared
        = m_previousBalance + m_model->clearedDeposits() + m_model->clearedWithdrawals();
    return statementBalance() - cleared;
}

void ReconciliationScreen::onTransactionToggled() {
    updateDifference();
}

void ReconciliationScreen::updateDifference() {
    const qint64 deposits = m_model->clearedDeposits();
    const qint64 withdrawals = m_model->clearedWithdrawals();
    const qint64 cleared = m_previousBalance + deposits + withdrawals;
    const qint64 statement = statementBalance();
    const qint64 difference = statement - cleared;
    m_previous->setText(formatMoney(m_previousBalance, m_currency));
    m_deposits->setText(formatMoney(deposits, m_currency));
    m_withdrawals->setText(formatMoney(withdrawals, m_currency));
    m_cleared->setText(formatMoney(cleared, m_currency));
    m_statement->setText(formatMoney(statement, m_currency));
    m_difference->setText(formatMoney(difference, m_currency));
    m_difference->setStyleSheet(Styles::textColourStyle(
        difference == 0 ? Styles::positiveColour() : Styles::negativeColour()));
    m_finish->setEnabled(difference == 0 && !m_accountId.isEmpty());
}

bool ReconciliationScreen::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier));
        if (plain
            && (key->key() == Qt::Key_Space || key->key() == Qt::Key_C
                || key->key() == Qt::Key_R)) {
            // Taken even without a current row, so the view never starts a keyboard search.
            m_model->toggle(currentRow());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReconciliationScreen::finish() {
    if (m_accountId.isEmpty() || difference() != 0)
        return;
    const ReconciliationService::FinishResult result = m_service->finish(
        m_accountId, m_statementDate->date(), statementBalance(), m_model->tickedTransactions());
    switch (result.status) {
    case ReconciliationService::Status::Ok:
        MessageBoxes::inform(this, tr("Reconciliation Complete"),
                             tr("Account reconciled successfully."));
        Q_EMIT reconciliationCompleted();
        return;
    case ReconciliationService::Status::RowsChanged:
        reload();
        MessageBoxes::inform(
            this, tr("Transactions Changed"),
            tr("%n ticked transaction(s) changed since the list was shown. The list "
               "now shows them as they are stored; check the difference and finish "
               "again.",
               nullptr, int(result.changedIds.size())));
        return;
    case ReconciliationService::Status::Unbalanced:
        reload();
        MessageBoxes::inform(this, tr("Transactions Changed"),
                             tr("The stored transactions no longer add up to the statement balance "
                                "(a ticked transaction was deleted or changed elsewhere). The list "
                                "has been reloaded; check the difference and finish again."));
        return;
    case ReconciliationService::Status::AccountNotFound:
        ErrorBox::show(this, tr("Finish Reconciliation"), tr("This account no longer exists."),
                       tr("Nothing was recorded."));
        return;
    case ReconciliationService::Status::Failed:
        ErrorBox::show(this, tr("Finish Reconciliation"),
                       tr("The reconciliation could not be saved."),
                       tr("No transaction was marked reconciled and your ticks are kept; you "
                          "can finish again."));
        return;
    }
}

void ReconciliationScreen::addTransaction() {
    if (m_formAvailable && !m_accountId.isEmpty())
        Q_EMIT newTransactionRequested(m_accountId);
}

void ReconciliationScreen::editSelectedTransaction() {
    const int row = currentRow();
    if (m_formAvailable && row >= 0)
        Q_EMIT editTransactionRequested(m_model->transactionAt(row).id);
}

void ReconciliationScreen::deleteSelectedTransaction() {
    const int row = currentRow();
    if (row < 0)
        return;
    const Transaction shown = m_model->transactionAt(row);
    if (!MessageBoxes::ask(this, tr("Delete Transaction"),
                           tr("Delete the transaction for %1?").arg(shown.payee)))
        return;
    // Deleted the way the register deletes, so a transfer loses both legs together.
    switch (m_state->ledger()->deleteTransaction(shown.id)) {
    case LedgerWriter::Result::Ok:
        break;
    case LedgerWriter::Result::NotFound:
        reload();
        MessageBoxes::inform(this, tr("Delete Transaction"),
                             tr("This transaction was already deleted elsewhere."));
        break;
    default:
        ErrorBox::show(this, tr("Delete Transaction"), tr("The transaction could not be deleted."),
                       tr("It is still in the account."));
        break;
    }
}
