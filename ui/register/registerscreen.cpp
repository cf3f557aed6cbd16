// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "app/preferencekeys.h"
#include "app/thememanager.h"
#include "services/entrywriter.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "storage/preferencesrepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"
#include "ui/presentation/messagetimes.h"
#include "ui/presentation/registerentry.h"
#include "ui/presentation/shortcuttext.h"
#include "ui/register/registercompletions.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registerkeyboard.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerrowactions.h"
#include "ui/register/registersaveflow.h"
#include "ui/register/registertableview.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QFont sizedFont(int delta, int weight = QFont::Normal) {
    QFont font = QApplication::font();
    font.setPointSizeF(qMax(7.0, font.pointSizeF() + delta));
    font.setWeight(QFont::Weight(weight));
    return font;
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
    , m_messageTimer(new QTimer(this))
    , m_saveFlow(new RegisterSaveFlow(state, this))
    , m_rowActions(new RegisterRowActions(state, m_saveFlow, this))
    , m_keyboard(new RegisterKeyboard(state, this)) {
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
    m_table->installEventFilter(m_keyboard);
    m_table->viewport()->installEventFilter(m_keyboard);
    connect(m_table, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    connect(m_table, &RegisterTableView::editingFinished, this, [this] {
        if (m_reloadPending)
            QTimer::singleShot(0, this, [this] {
                if (m_reloadPending && !m_table->isEditing())
                    reload();
            });
    });
    m_delegate->setKeyHandler([keyboard = m_keyboard](QWidget *editor, QKeyEvent *event) {
        return keyboard->handleKey(editor, event);
    });
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
    connect(m_saveFlow, &RegisterSaveFlow::statusMessage, this, &RegisterScreen::showStatusMessage);
    connect(m_rowActions, &RegisterRowActions::createRuleRequested, this,
            &RegisterScreen::createRuleRequested);

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

RegisterScreen::~RegisterScreen() {
    // The keyboard reaches the table through this screen. The table outlives this destructor
    // (it goes with the QWidget part) and still receives events meanwhile, so they must no
    // longer reach the keyboard.
    m_table->removeEventFilter(m_keyboard);
    m_table->viewport()->removeEventFilter(m_keyboard);
    m_delegate->setKeyHandler({});
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
                          MessageTimes::LongMs);
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
            if (!m_saveFlow->resplit(resized, &lines))
                return false;
            writeLines = true;
        }
    }
    QString savedId;
    Database::WriteMark before;
    if (!m_saveFlow->store(fields, writeLines ? &lines : nullptr, &savedId, &before))
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
    showStatusMessage(tr("Transaction saved"), MessageTimes::ShortMs);
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
        showStatusMessage(tr("Fields cleared"), MessageTimes::ShortMs);
        return;
    }
    m_rowActions->deleteRow(current.row());
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

void RegisterScreen::finishEditor(bool commit) {
    m_table->finishEditing(commit);
    if (m_reloadPending)
        reload();
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

void RegisterScreen::advanceToNextField() {
    m_keyboard->advanceToNextField();
}

void RegisterScreen::advanceToPreviousField() {
    m_keyboard->advanceToPreviousField();
}

void RegisterScreen::tabToField(bool next) {
    m_keyboard->tabToField(next);
}

void RegisterScreen::newTransactionDialog() {
    m_rowActions->newTransactionDialog();
}

bool RegisterScreen::editTransactionDialog(int row) {
    return m_rowActions->editTransactionDialog(row);
}

void RegisterScreen::memorizeCurrentRow() {
    m_rowActions->memorizeCurrentRow();
}

bool RegisterScreen::splitRow(int row) {
    return m_rowActions->splitRow(row);
}

void RegisterScreen::onContextMenu(const QPoint &position) {
    m_rowActions->showContextMenu(position);
}
