// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "app/preferencekeys.h"
#include "app/thememanager.h"
#include "services/entrywriter.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"
#include "ui/presentation/registerentry.h"
#include "ui/presentation/shortcuttext.h"
#include "ui/recurring/recurringformdialog.h"
#include "ui/register/payeememoeditor.h"
#include "ui/register/registercompletions.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/transactionformdialog.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kShortMessageMs = 3000;
constexpr int kLongMessageMs = 5000;

QFont sizedFont(int delta, int weight = QFont::Normal) {
    QFont font = QApplication::font();
    font.setPointSizeF(qMax(7.0, font.pointSizeF() + delta));
    font.setWeight(QFont::Weight(weight));
    return font;
}

bool isEnter(const QKeyEvent *event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Ctrl alone: with Shift too the key is another (Ctrl+Shift+N is New Account).
bool isCtrl(const QKeyEvent *event) {
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

// The register's own keys, which the window's shortcuts must not take while it has focus.
bool isRegisterShortcut(const QKeyEvent *event) {
    if (!isCtrl(event))
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_D:
    case Qt::Key_I:
    case Qt::Key_M:
    case Qt::Key_N:
        return true;
    default:
        return false;
    }
}

} // namespace

RegisterScreen::RegisterScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_heading(new QLabel(this))
    , m_balance(new QLabel(this))
    , m_subtitle(new QLabel(this))
    , m_reconcile(new QPushButton(tr("Reconcile"), this))
    , m_table(new RegisterTableView(this, this))
    , m_model(new RegisterModel(this))
    , m_completions(new RegisterCompletions(state, this))
    , m_delegate(new RegisterDelegate(m_completions, this))
    , m_message(new QLabel(this))
    , m_messageTimer(new QTimer(this)) {
    setAccessibleName(tr("Register"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    // The account's name and institution are shown as typed, never read as markup.
    m_heading->setTextFormat(Qt::PlainText);
    m_subtitle->setTextFormat(Qt::PlainText);
    m_message->setTextFormat(Qt::PlainText);
    // A long message wraps instead of widening the window past the screen.
    m_message->setWordWrap(true);
    auto *header = new QHBoxLayout;
    header->setSpacing(16);
    m_heading->setFont(sizedFont(8, QFont::DemiBold));
    m_balance->setFont(sizedFont(4, QFont::DemiBold));
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_balance->setAccessibleName(tr("Ending balance"));
    m_reconcile->setFocusPolicy(Qt::ClickFocus);
    connect(m_reconcile, &QPushButton::clicked, this, &RegisterScreen::reconcileRequested);
    m_reconcile->setAccessibleName(tr("Reconcile account"));
    header->addWidget(m_heading);
    header->addStretch(1);
    header->addWidget(m_balance);
    header->addWidget(m_reconcile);
    layout->addLayout(header);

    m_subtitle->setFont(sizedFont(-2));
    m_subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    layout->addWidget(m_subtitle);
    layout->addSpacing(8);

    m_table->setModel(m_model);
    m_table->setItemDelegate(m_delegate);
    m_table->setAccessibleName(tr("Transactions"));
    m_table->setAlternatingRowColors(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setTabKeyNavigation(false);
    m_table->setFocusPolicy(Qt::StrongFocus);
    m_table->setSortingEnabled(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(36);
    m_table->setShowGrid(false);
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed);
    QHeaderView *columns = m_table->horizontalHeader();
    const int fixedWidths[] = {130, 60, 0, 0, 0, 100, 100, 35, 110};
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        if (fixedWidths[column] > 0) {
            columns->setSectionResizeMode(column, QHeaderView::Fixed);
            columns->resizeSection(column, fixedWidths[column]);
        } else {
            columns->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
    layout->addWidget(m_table, 1);
    m_table->installEventFilter(this);
    m_table->viewport()->installEventFilter(this);
    connect(m_table, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_table, &RegisterTableView::editingFinished, this, [this] {
        if (m_reloadPending)
            QTimer::singleShot(0, this, [this] {
                if (m_reloadPending && !m_table->isEditing())
                    reload();
            });
    });
    m_delegate->setKeyHandler(
        [this](QWidget *editor, QKeyEvent *event) { return handleKey(editor, event); });
    connect(m_model, &RegisterModel::rowsOutdated, this, &RegisterScreen::reload);

    auto *bottom = new QHBoxLayout;
    m_message->setStyleSheet(
        QStringLiteral("color: %1; padding: 2px 4px;").arg(Styles::mutedColour()));
    m_message->setAccessibleName(tr("Register message"));
    auto *hint = new QLabel(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  "
                               "': copy above")
                                .arg(ShortcutText::of("Ctrl+Enter"), ShortcutText::of("Ctrl+D"),
                                     ShortcutText::of("Ctrl+M")),
                            this);
    hint->setStyleSheet(Styles::textColourStyle(Styles::keyHintColour())
                        + QStringLiteral(" padding: 2px 4px;"));
    bottom->addWidget(m_message, 1);
    bottom->addWidget(hint);
    layout->addLayout(bottom);

    m_messageTimer->setSingleShot(true);
    connect(m_messageTimer, &QTimer::timeout, m_message, &QLabel::clear);

    // Row layout and order are read on reload: a change of either is shown at once.
    connect(m_state->preferencesRepository(), &PreferencesRepository::changed, this,
            [this](const QString &key) {
                if (key == PreferenceKeys::registerTwoLine()
                    || key == PreferenceKeys::registerNewestFirst())
                    reload();
            });
    // The balance's colour is set for the palette of the moment.
    if (ThemeManager *theme = m_state->themeManager())
        connect(theme, &ThemeManager::themeChanged, this, &RegisterScreen::colourEndingBalance);
}

QString RegisterScreen::headingText() const {
    return m_heading->text();
}

QString RegisterScreen::balanceText() const {
    return m_balance->text();
}

QString RegisterScreen::messageText() const {
    return m_message->text();
}

void RegisterScreen::showStatusMessage(const QString &text, int milliseconds) {
    m_message->setText(text);
    m_messageTimer->start(milliseconds);
}

void RegisterScreen::loadAccount(const QString &accountId) {
    if (accountId != m_accountId) {
        m_table->finishEditing(true);
        m_model->clearEntry();
        m_model->setEditingRow(-1);
        // Rows of the previous account must not be matched against this one's.
        m_model->setRows({}, false);
    }
    m_accountId = accountId;
    m_completions->setAccountId(accountId);
    reload();
    focusNewEntryRow();
}

bool RegisterScreen::confirmLeaveEntry() {
    m_table->finishEditing(true);
    if (!m_model->isDirty())
        return true;
    QMessageBox box(QMessageBox::Question, tr("Unsaved Transaction"),
                    tr("Save the transaction you were typing?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    switch (ModalRunner::exec(&box)) {
    case QMessageBox::Save:
        return commitCurrentRow();
    case QMessageBox::Discard:
        discardEntry();
        return true;
    default:
        return false;
    }
}

bool RegisterScreen::hasUnsavedEntry() {
    m_table->finishEditing(true);
    return m_model->isDirty();
}

void RegisterScreen::leaveAccount() {
    m_table->finishEditing(false);
    m_model->setEditingRow(-1);
    m_model->clearEntry();
    m_model->setRows(QList<RegisterRow>{}, false);
    m_accountId.clear();
    m_completions->setAccountId(QString());
    m_reloadPending = false;
    m_heading->clear();
    m_subtitle->clear();
    m_subtitle->hide();
    m_balance->clear();
}

void RegisterScreen::reload() {
    if (m_accountId.isEmpty() || m_model->isCurrentAt(m_state->database()->writeMark()))
        return;
    const std::optional<Account> account = m_state->accountRepository()->findById(m_accountId);
    if (!account || account->deletedAt.has_value()) {
        // What is being typed has nowhere to go any more, open field or not.
        leaveAccount();
        return;
    }
    if (m_table->isEditing()) {
        // Resetting the model would close the editor and drop what it holds.
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    m_heading->setText(account->name);
    QString subtitle = account->institution;
    if (!subtitle.isEmpty() && !account->accountNumberLast4.isEmpty())
        subtitle += QStringLiteral("  ·  *%1").arg(account->accountNumberLast4);
    m_subtitle->setText(subtitle);
    m_subtitle->setVisible(!subtitle.isEmpty());

    const QModelIndex current = m_table->currentIndex();
    const QString currentId = current.data(RegisterModel::TransactionIdRole).toString();
    const int currentRow = current.row();
    const int currentColumn = current.isValid() ? current.column() : 0;
    const QModelIndex top = m_table->indexAt(QPoint(0, 0));
    const QString topId = top.data(RegisterModel::TransactionIdRole).toString();
    const int topRow = top.row();
    const bool wasOnNewEntry = current.isValid() && m_model->isNewEntryRow(currentRow);

    TransactionRepository *transactions = m_state->transactionRepository();
    const RegisterEntries entries = transactions->registerEntries(m_accountId);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    const bool twoLine = preferences->boolValue(PreferenceKeys::registerTwoLine(), false);
    m_model->setTwoLine(twoLine);
    m_delegate->setTwoLine(twoLine);
    m_table->setColumnHidden(RegisterModel::MemoColumn, twoLine);
    m_table->verticalHeader()->setDefaultSectionSize(twoLine ? 52 : 36);
    const bool newestFirst = preferences->boolValue(PreferenceKeys::registerNewestFirst(), false);
    m_model->setCurrency(account->currency);
    m_model->setRows(entries, transactions, newestFirst);

    showEndingBalance(*account);

    const int last = m_model->rowCount() - 1;
    int row = wasOnNewEntry ? m_model->newEntryRow() : m_model->rowOfId(currentId);
    if (row < 0)
        row = currentRow < 0 ? -1 : qMin(currentRow, last);
    if (row >= 0)
        m_table->setCurrentIndex(m_model->index(row, currentColumn));
    int topTarget = m_model->rowOfId(topId);
    if (topTarget < 0 && topRow >= 0)
        topTarget = qMin(topRow, last);
    if (topTarget >= 0)
        m_table->scrollTo(m_model->index(topTarget, 0), QAbstractItemView::PositionAtTop);
    if (row >= 0)
        m_table->scrollTo(m_model->index(row, currentColumn));
}

void RegisterScreen::showEndingBalance(const Account &account) {
    m_endingBalance = m_model->endingBalance(account.startingBalance);
    m_balance->setText(formatMoney(m_endingBalance, account.currency));
    colourEndingBalance();
}

void RegisterScreen::colourEndingBalance() {
    const QColor colour = m_endingBalance < 0 ? Styles::negativeColour() : Styles::positiveColour();
    m_balance->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
}

bool RegisterScreen::applySaved(const QString &id, bool isNew, const Database::WriteMark &before) {
    if (m_reloadPending || m_table->isEditing())
        return false;
    const std::optional<RegisterRow> row = m_state->transactionRepository()->registerRow(id);
    if (!row || row->transaction.accountId != m_accountId)
        return false;
    const std::optional<Account> account = m_state->accountRepository()->findById(m_accountId);
    if (!account || !(isNew ? m_model->appendRow(*row) : m_model->updateRow(*row)))
        return false;
    showEndingBalance(*account);
    m_model->notePatched(before, m_state->database()->writeMark());
    return true;
}

bool RegisterScreen::showTransaction(const QString &transactionId) {
    const int row = m_model->rowOfId(transactionId);
    if (row < 0)
        return false;
    const QModelIndex index = m_model->index(row, RegisterModel::PayeeColumn);
    m_table->setCurrentIndex(index);
    m_table->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_table->setFocus();
    return true;
}

void RegisterScreen::focusNewEntryRow() {
    if (m_model->rowCount() == 0)
        return;
    if (m_model->newestFirst())
        m_table->scrollToTop();
    else
        m_table->scrollToBottom();
    m_table->setCurrentIndex(m_model->index(m_model->newEntryRow(), 0));
}

bool RegisterScreen::startEditingRow(int row) {
    if (m_model->isReadOnlyRow(row)) {
        showStatusMessage(tr("The opening balance comes from the account's starting balance; "
                             "change it with Account > Edit."),
                          kLongMessageMs);
        return false;
    }
    const int bufferRow
        = m_model->editingRow() >= 0 ? m_model->editingRow() : m_model->newEntryRow();
    if (row == bufferRow)
        return true;
    if (!confirmLeaveEntry())
        return false;
    if (m_model->isNewEntryRow(row)) {
        if (m_model->editingRow() >= 0)
            m_model->clearEntry();
        m_model->setEditingRow(-1);
        return true;
    }
    m_model->loadEntry(row);
    m_model->setEditingRow(row);
    return true;
}

bool RegisterScreen::commitCurrentRow() {
    m_table->finishEditing(true);
    const RegisterModel::EditBuffer buffer = m_model->buffer();
    const int editedRow = m_model->editingRow();

    const RegisterEntry entry(m_accountId, m_model->currency(),
                              m_state->accountRepository()->findAll(),
                              m_state->categoryRepository()->findAll());
    const RegisterEntry::Outcome outcome = entry.read(buffer);
    if (!outcome.accepted()) {
        showStatusMessage(outcome.refusal, outcome.messageMs);
        return false;
    }
    EntryFields fields = outcome.fields;
    const qint64 amount = fields.amount;

    QList<SplitLine> lines;
    bool writeLines = false;
    if (editedRow >= 0) {
        const RegisterRow *stored = m_model->rowAt(editedRow);
        if (!stored)
            return false;
        fields.id = stored->transaction.id;
        if (stored->transaction.isSplit && amount != stored->transaction.amount) {
            Transaction resized = stored->transaction;
            resized.amount = amount;
            if (!resplit(resized, &lines))
                return false;
            writeLines = true;
        }
    }
    QString savedId;
    Database::WriteMark before;
    if (!storeTransaction(fields, writeLines ? &lines : nullptr, &savedId, &before))
        return false;

    if (editedRow < 0)
        m_model->setLastDateUsed(buffer.date);
    m_model->setEditingRow(-1);
    m_model->clearEntry();
    m_table->setCurrentIndex(QModelIndex());
    if (!applySaved(savedId, editedRow < 0, before))
        reload();
    if (editedRow < 0) {
        focusNewEntryRow();
    } else {
        const int row = m_model->rowOfId(savedId);
        const int below = row + 1 < m_model->rowCount() ? row + 1 : m_model->newEntryRow();
        m_table->setCurrentIndex(m_model->index(below, 0));
    }
    showStatusMessage(tr("Transaction saved"), kShortMessageMs);
    return true;
}

void RegisterScreen::discardEntry() {
    m_table->finishEditing(false);
    m_model->setEditingRow(-1);
    m_model->clearEntry();
    if (m_reloadPending)
        reload();
}

void RegisterScreen::deleteCurrentRow() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid())
        return;
    if (m_model->isNewEntryRow(current.row())) {
        m_table->finishEditing(false);
        m_model->clearEntry();
        m_table->setCurrentIndex(m_model->index(current.row(), 0));
        m_table->editCurrent();
        showStatusMessage(tr("Fields cleared"), kShortMessageMs);
        return;
    }
    deleteRow(current.row());
}

void RegisterScreen::deleteRow(int row) {
    const RegisterRow *stored = m_model->rowAt(row);
    if (!stored)
        return;
    if (stored->transaction.id.isEmpty()) {
        showStatusMessage(tr("The opening balance comes from the account's starting balance; "
                             "change it with Account > Edit."),
                          kLongMessageMs);
        return;
    }
    const Transaction transaction = stored->transaction;
    const QString money = formatMoney(qAbs(transaction.amount), m_model->currency());
    const QString text
        = transaction.transferLinkId.isEmpty()
              ? tr("Delete \"%1\" for %2?").arg(transaction.payee, money)
              : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                    .arg(transaction.payee, money);
    if (!MessageBoxes::ask(this, tr("Delete Transaction"), text))
        return;
    m_table->finishEditing(false);
    if (m_model->editingRow() == row) {
        m_model->setEditingRow(-1);
        m_model->clearEntry();
    }
    if (m_state->ledger()->deleteTransaction(transaction.id) != LedgerWriter::Result::Ok) {
        showStatusMessage(tr("Could not delete the transaction"), kLongMessageMs);
        return;
    }
    reload();
}

void RegisterScreen::copyFromAbove() {
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || current.row() == 0
        || current.column() >= RegisterModel::BalanceColumn)
        return;
    const QModelIndex above = m_model->index(current.row() - 1, current.column());
    if (m_model->isNewEntryRow(above.row()) || !startEditingRow(current.row()))
        return;
    const QString text = above.data(Qt::DisplayRole).toString();
    m_model->setData(current, text);
    if (auto *line = qobject_cast<QLineEdit *>(m_table->currentEditor()))
        line->setText(text);
}

int RegisterScreen::nextField(int column, bool forward) const {
    int candidate = column;
    if (column < 0 || column > RegisterModel::ClrColumn)
        candidate = forward ? -1 : RegisterModel::ClrColumn + 1;
    for (;;) {
        candidate += forward ? 1 : -1;
        if (candidate < 0 || candidate > RegisterModel::ClrColumn)
            return -1;
        if (!m_table->isColumnHidden(candidate))
            return candidate;
    }
}

void RegisterScreen::moveToField(int row, int column) {
    const QModelIndex target = m_model->index(row, column);
    {
        const QSignalBlocker blocker(m_table->selectionModel());
        m_table->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }
    m_table->viewport()->update();
    if (target.flags() & Qt::ItemIsEditable)
        m_table->editCurrent();
}

void RegisterScreen::finishEditor(bool commit) {
    m_table->finishEditing(commit);
    if (m_reloadPending)
        reload();
}

void RegisterScreen::advanceToNextField() {
    if (!m_table->currentIndex().isValid())
        return;
    finishEditor(true);
    const QModelIndex current = m_table->currentIndex();
    const int next = nextField(current.column(), true);
    if (next < 0) {
        commitCurrentRow();
        return;
    }
    moveToField(current.row(), next);
}

void RegisterScreen::advanceToPreviousField() {
    if (!m_table->currentIndex().isValid())
        return;
    finishEditor(true);
    const QModelIndex current = m_table->currentIndex();
    const int previous = nextField(current.column(), false);
    if (previous >= 0)
        moveToField(current.row(), previous);
}

void RegisterScreen::tabToField(bool next) {
    if (!m_table->currentIndex().isValid())
        return;
    finishEditor(true);
    const QModelIndex current = m_table->currentIndex();
    const int target = nextField(current.column(), next);
    if (target < 0) {
        // No wrap and no save at the ends of the row: stay, with the editor open again.
        if (current.flags() & Qt::ItemIsEditable)
            m_table->editCurrent();
        return;
    }
    if (!(m_model->flags(m_model->index(current.row(), target)) & Qt::ItemIsEditable)
        && !startEditingRow(current.row()))
        return;
    moveToField(current.row(), target);
}

void RegisterScreen::beginNewEntry() {
    // Half-typed text, in the new-entry row too, would otherwise end up in the next entry.
    if (!confirmLeaveEntry())
        return;
    m_model->setEditingRow(-1);
    m_model->clearEntry();
    const QModelIndex entry = m_model->index(m_model->newEntryRow(), 0);
    m_table->setCurrentIndex(entry);
    m_table->scrollTo(entry);
    m_table->setFocus();
    m_table->editCurrent();
}

bool RegisterScreen::storeTransaction(const EntryFields &fields, const QList<SplitLine> *lines,
                                      QString *savedId, Database::WriteMark *before) {
    if (before)
        *before = m_state->database()->writeMark();
    EntryWriter *writer = m_state->entryWriter();
    EntryWriter::Result result = writer->save(fields, lines, false, savedId);
    if (result == EntryWriter::Result::OtherLegReconciled) {
        const std::optional<Transaction> stored
            = m_state->transactionRepository()->findById(fields.id);
        const std::optional<Transaction> leg
            = stored ? m_state->ledger()->otherLeg(*stored) : std::nullopt;
        const std::optional<Account> other
            = leg ? m_state->accountRepository()->findById(leg->accountId) : std::nullopt;
        if (MessageBoxes::ask(this, tr("Reconciled Transfer"),
                              tr("The other side of this transfer, in \"%1\", is reconciled.\n\n"
                                 "Change it there too?")
                                  .arg(other ? other->name : QString())))
            result = writer->save(fields, lines, true, savedId);
        else
            result = EntryWriter::Result::OtherLegReconciled;
    }
    if (result == EntryWriter::Result::Ok)
        return true;
    showWriteResult(result);
    return false;
}

void RegisterScreen::showWriteResult(EntryWriter::Result result) {
    const RegisterEntry::Outcome failure = RegisterEntry::writeFailure(result);
    showStatusMessage(failure.refusal, failure.messageMs);
}

bool RegisterScreen::resplit(const Transaction &transaction, QList<SplitLine> *lines) {
    QMessageBox box(QMessageBox::Question, tr("Split No Longer Adds Up"),
                    tr("This transaction is split, and its amount changed. Split the new "
                       "amount again?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
    box.button(QMessageBox::Yes)->setText(tr("Split Again"));
    box.button(QMessageBox::No)->setText(tr("Remove Split"));
    switch (ModalRunner::exec(&box)) {
    case QMessageBox::Yes: {
        SplitEditorDialog editor(m_state, transaction, this);
        if (ModalRunner::exec(&editor) != QDialog::Accepted || editor.remaining() != 0) {
            showStatusMessage(tr("Not saved: the split still needs dividing"), kLongMessageMs);
            return false;
        }
        *lines = editor.lines();
        return true;
    }
    case QMessageBox::No:
        lines->clear();
        return true;
    default:
        return false;
    }
}

void RegisterScreen::newTransactionDialog() {
    if (m_accountId.isEmpty())
        return;
    m_table->finishEditing(true);
    TransactionFormDialog dialog(m_state, m_accountId, this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    const QList<SplitLine> lines = dialog.splitLines();
    EntryFields fields = EntryFields::from(dialog.transaction());
    fields.id.clear();
    fields.accountId = m_accountId;
    QString savedId;
    Database::WriteMark before;
    if (!storeTransaction(fields, dialog.splitChanged() ? &lines : nullptr, &savedId, &before))
        return;
    if (!applySaved(savedId, true, before))
        reload();
    focusNewEntryRow();
    showStatusMessage(tr("Transaction saved"), kShortMessageMs);
}

bool RegisterScreen::editTransactionDialog(int row) {
    const RegisterRow *held = m_model->rowAt(row);
    const std::optional<Transaction> stored
        = held ? m_state->transactionRepository()->findById(held->transaction.id) : std::nullopt;
    if (!stored)
        return false;
    // The form replaces whatever was typed for this row in place.
    if (m_model->editingRow() == row && !confirmLeaveEntry())
        return false;
    m_table->finishEditing(true);
    TransactionFormDialog dialog(m_state, *stored, this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return false;
    const QList<SplitLine> lines = dialog.splitLines();
    EntryFields fields = EntryFields::from(dialog.transaction());
    // The form edits this row and no other, whatever its copy says.
    fields.id = stored->id;
    if (!storeTransaction(fields, dialog.splitChanged() ? &lines : nullptr, nullptr))
        return false;
    if (m_model->editingRow() == row) {
        m_model->setEditingRow(-1);
        m_model->clearEntry();
    }
    reload();
    showStatusMessage(tr("Transaction saved"), kShortMessageMs);
    return true;
}

void RegisterScreen::memorizeCurrentRow() {
    const QModelIndex current = m_table->currentIndex();
    const RegisterRow *stored = current.isValid() ? m_model->rowAt(current.row()) : nullptr;
    if (!stored)
        return;
    const Transaction &row = stored->transaction;
    if (row.id.isEmpty()) {
        // The opening balance is the account's starting balance, not a payment that recurs.
        showStatusMessage(tr("The opening balance comes from the account's starting balance; "
                             "it cannot be memorized."),
                          kLongMessageMs);
        return;
    }
    if (!row.date.isValid() || row.date.year() < 2000) {
        showStatusMessage(tr("Cannot memorize: source transaction has an invalid date"),
                          kLongMessageMs);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = row.accountId;
    seed.payee = row.payee;
    seed.memo = row.memo;
    seed.amount = row.amount;
    seed.categoryId = row.categoryId;
    seed.transferDestAccountId = row.transferDestAccountId;
    seed.frequency = Frequency::Monthly;
    seed.startDate = row.date;
    // The row is this date's occurrence already; confirming must not post it again.
    seed.nextDueDate = RecurringService::nextOccurrence(row.date, seed.frequency);
    seed.isActive = true;

    RecurringFormDialog dialog(m_state, seed, RecurringFormDialog::Mode::Memorize, this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    if (m_state->entryWriter()->memorize(dialog.recurring()) != EntryWriter::Result::Ok) {
        showStatusMessage(tr("Could not memorize the transaction"), kLongMessageMs);
        return;
    }
    showStatusMessage(tr("Transaction memorized as recurring"), kShortMessageMs);
}

void RegisterScreen::toggleCleared(int row) {
    const RegisterRow *held = m_model->rowAt(row);
    if (!held || held->transaction.id.isEmpty())
        return;
    const EntryWriter::Result result
        = m_state->entryWriter()->setCleared(held->transaction.id, !held->transaction.cleared);
    if (result != EntryWriter::Result::Ok)
        showWriteResult(result);
    reload();
}

bool RegisterScreen::splitRow(int row) {
    const RegisterRow *held = m_model->rowAt(row);
    const std::optional<Transaction> stored
        = held ? m_state->transactionRepository()->findById(held->transaction.id) : std::nullopt;
    if (!stored)
        return false;
    SplitEditorDialog dialog(m_state, *stored, this);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted || dialog.remaining() != 0)
        return false;
    const EntryWriter::Result result = m_state->entryWriter()->split(stored->id, dialog.lines());
    if (result != EntryWriter::Result::Ok) {
        showStatusMessage(tr("Could not save the split"), kLongMessageMs);
        return false;
    }
    reload();
    showStatusMessage(tr("Split saved"), kShortMessageMs);
    return true;
}

void RegisterScreen::onContextMenu(const QPoint &position) {
    const QModelIndex index = m_table->indexAt(position);
    QMenu menu(this);
    menu.addAction(tr("&Insert New (%1)").arg(ShortcutText::of("Ctrl+I")), this,
                   &RegisterScreen::beginNewEntry);
    menu.addAction(tr("&New Transaction... (%1)").arg(ShortcutText::of("Ctrl+N")), this,
                   &RegisterScreen::newTransactionDialog);
    const RegisterRow *stored = index.isValid() ? m_model->rowAt(index.row()) : nullptr;
    if (stored && !stored->transaction.id.isEmpty()) {
        const int row = index.row();
        menu.addSeparator();
        menu.addAction(stored->transaction.cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"),
                       this, [this, row] { toggleCleared(row); });
        menu.addAction(tr("&Edit..."), this, [this, row] { editTransactionDialog(row); });
        menu.addAction(tr("S&plit..."), this, [this, row] { splitRow(row); });
        menu.addAction(tr("&Delete (%1)").arg(ShortcutText::of("Ctrl+D")), this,
                       [this, row] { deleteRow(row); });
        const QString payee = stored->transaction.payee;
        if (!payee.trimmed().isEmpty()) {
            menu.addSeparator();
            menu.addAction(tr("Create &Rule from This Payee..."), this,
                           [this, payee] { Q_EMIT createRuleRequested(payee); });
        }
    }
    menu.exec(m_table->viewport()->mapToGlobal(position));
}

bool RegisterScreen::eventFilter(QObject *object, QEvent *event) {
    if ((object == m_table || object == m_table->viewport())
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        if (handleKey(nullptr, static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QWidget::eventFilter(object, event);
}

bool RegisterScreen::handleKey(QWidget *editor, QKeyEvent *event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the register's keys before the window's shortcuts (Ctrl+I is Import there).
        if (isRegisterShortcut(event) || (editor && event->key() == Qt::Key_Escape)) {
            event->accept();
            return true;
        }
        return false;
    }
    const bool ctrl = isCtrl(event);
    auto *line = qobject_cast<QLineEdit *>(editor);
    QCompleter *completer = line ? line->completer() : nullptr;
    if (!ctrl && completer && completer->popup()->isVisible()) {
        // With completions showing, Enter and Tab take the highlighted one and Escape only
        // closes the list.
        const QModelIndex highlighted = completer->popup()->currentIndex();
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (isEnter(event) || tab || event->key() == Qt::Key_Escape) {
            if (event->key() != Qt::Key_Escape && highlighted.isValid()) {
                const QString text = highlighted.data(Qt::DisplayRole).toString();
                line->setText(text);
                Q_EMIT completer->activated(text);
            }
            completer->popup()->hide();
            // Enter goes on to the next field like Tab, so that what is typed next lands
            // there and not after the completion.
            if (event->key() == Qt::Key_Escape)
                return true;
        }
    }
    if (ctrl && isEnter(event)) {
        commitCurrentRow();
        return true;
    }
    const bool leaving
        = isEnter(event) || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!ctrl && leaving && editor
        && m_table->currentIndex().column() == RegisterModel::CategoryColumn) {
        const QString unknown = RegisterDelegate::unknownCategoryText(
            editor, m_state->categoryRepository()->findAll());
        if (!unknown.isEmpty()) {
            // Said here, where it can still be put right, rather than at the save.
            showStatusMessage(tr("No category \"%1\"; choose one from the list").arg(unknown),
                              kLongMessageMs);
            return true;
        }
    }
    if (ctrl) {
        switch (event->key()) {
        case Qt::Key_D:
            deleteCurrentRow();
            return true;
        case Qt::Key_I:
            beginNewEntry();
            return true;
        case Qt::Key_M:
            memorizeCurrentRow();
            return true;
        case Qt::Key_N:
            newTransactionDialog();
            return true;
        default:
            return false;
        }
    }
    if (isEnter(event)) {
        if (editor || !m_table->currentIndex().isValid())
            advanceToNextField();
        else
            m_table->editCurrent();
        return true;
    }
    if (event->key() == Qt::Key_Escape && editor) {
        // The cell goes back to what it held; a second Escape discards the row.
        finishEditor(false);
        m_table->setFocus();
        if (m_model->isDirty())
            showStatusMessage(tr("Press Escape again to discard the row"), kShortMessageMs);
        return true;
    }
    if (event->key() == Qt::Key_Escape && m_model->isDirty()) {
        discardEntry();
        showStatusMessage(tr("Row discarded"), kShortMessageMs);
        return true;
    }
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && line) {
        // Payee and memo share one cell in two-line rows: Tab walks between them first.
        const bool next = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        const PayeeMemoEditor *pair = PayeeMemoEditor::of(line);
        if (QLineEdit *other = pair ? pair->partner(line, next) : nullptr) {
            other->setFocus(Qt::TabFocusReason);
            other->selectAll();
            return true;
        }
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        const bool next = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        QTimer::singleShot(0, this, [this, next] { tabToField(next); });
        return true;
    }
    if (!editor && event->key() == Qt::Key_Apostrophe) {
        copyFromAbove();
        return true;
    }
    return false;
}
