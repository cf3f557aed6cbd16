// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registerrowactions.h"

#include "app/appstate.h"
#include "services/entrywriter.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/presentation/registerentry.h"
#include "ui/presentation/shortcuttext.h"
#include "ui/recurring/recurringformdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registersaveflow.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/register/spliteditordialog.h"
#include "ui/register/transactionformdialog.h"

#include <QMenu>

RegisterRowActions::RegisterRowActions(AppState *state, RegisterSaveFlow *saveFlow,
                                       RegisterScreen *screen)
    : QObject(screen)
    , m_state(state)
    , m_saveFlow(saveFlow)
    , m_screen(screen) {}

void RegisterRowActions::newTransactionDialog() {
    const QString accountId = m_screen->accountId();
    if (accountId.isEmpty())
        return;
    m_screen->table()->finishEditing(true);
    TransactionFormDialog dialog(m_state, accountId, m_screen);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    const QList<SplitLine> lines = dialog.splitLines();
    EntryFields fields = EntryFields::from(dialog.transaction());
    fields.id.clear();
    fields.accountId = accountId;
    QString savedId;
    Database::WriteMark before;
    if (!m_saveFlow->store(fields, dialog.splitChanged() ? &lines : nullptr, &savedId, &before))
        return;
    if (!m_screen->applySaved(savedId, true, before))
        m_screen->reload();
    m_screen->focusNewEntryRow();
    m_screen->showStatusMessage(tr("Transaction saved"), RegisterEntry::ShortMessageMs);
}

bool RegisterRowActions::editTransactionDialog(int row) {
    RegisterModel *model = m_screen->model();
    const RegisterRow *held = model->rowAt(row);
    const std::optional<Transaction> stored
        = held ? m_state->transactionRepository()->findById(held->transaction.id) : std::nullopt;
    if (!stored)
        return false;
    // The form replaces whatever was typed for this row in place.
    if (model->editingRow() == row && !m_screen->confirmLeaveEntry())
        return false;
    m_screen->table()->finishEditing(true);
    TransactionFormDialog dialog(m_state, *stored, m_screen);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return false;
    const QList<SplitLine> lines = dialog.splitLines();
    EntryFields fields = EntryFields::from(dialog.transaction());
    // The form edits this row and no other, whatever its copy says.
    fields.id = stored->id;
    if (!m_saveFlow->store(fields, dialog.splitChanged() ? &lines : nullptr, nullptr))
        return false;
    if (model->editingRow() == row) {
        model->setEditingRow(-1);
        model->clearEntry();
    }
    m_screen->reload();
    m_screen->showStatusMessage(tr("Transaction saved"), RegisterEntry::ShortMessageMs);
    return true;
}

void RegisterRowActions::memorizeCurrentRow() {
    const QModelIndex current = m_screen->table()->currentIndex();
    const RegisterRow *stored
        = current.isValid() ? m_screen->model()->rowAt(current.row()) : nullptr;
    if (!stored)
        return;
    const Transaction &row = stored->transaction;
    if (row.id.isEmpty()) {
        // The opening balance is the account's starting balance, not a payment that recurs.
        m_screen->showStatusMessage(
            tr("The opening balance comes from the account's starting balance; "
               "it cannot be memorized."),
            RegisterEntry::LongMessageMs);
        return;
    }
    if (!row.date.isValid() || row.date.year() < 2000) {
        m_screen->showStatusMessage(tr("Cannot memorize: source transaction has an invalid date"),
                                    RegisterEntry::LongMessageMs);
        return;
    }
    const RecurringTransaction seed = RecurringService::seedFrom(row);
    RecurringFormDialog dialog(m_state, seed, RecurringFormDialog::Mode::Memorize, m_screen);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return;
    if (m_state->entryWriter()->memorize(dialog.recurring()) != EntryWriter::Result::Ok) {
        m_screen->showStatusMessage(tr("Could not memorize the transaction"),
                                    RegisterEntry::LongMessageMs);
        return;
    }
    m_screen->showStatusMessage(tr("Transaction memorized as recurring"),
                                RegisterEntry::ShortMessageMs);
}

void RegisterRowActions::toggleCleared(int row) {
    const RegisterRow *held = m_screen->model()->rowAt(row);
    if (!held || held->transaction.id.isEmpty())
        return;
    const EntryWriter::Result result
        = m_state->entryWriter()->setCleared(held->transaction.id, !held->transaction.cleared);
    if (result != EntryWriter::Result::Ok)
        m_saveFlow->showWriteResult(result);
    m_screen->reload();
}

bool RegisterRowActions::splitRow(int row) {
    const RegisterRow *held = m_screen->model()->rowAt(row);
    const std::optional<Transaction> stored
        = held ? m_state->transactionRepository()->findById(held->transaction.id) : std::nullopt;
    if (!stored)
        return false;
    SplitEditorDialog dialog(m_state, *stored, m_screen);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted || dialog.remaining() != 0)
        return false;
    const EntryWriter::Result result = m_state->entryWriter()->split(stored->id, dialog.lines());
    if (result != EntryWriter::Result::Ok) {
        m_screen->showStatusMessage(tr("Could not save the split"), RegisterEntry::LongMessageMs);
        return false;
    }
    m_screen->reload();
    m_screen->showStatusMessage(tr("Split saved"), RegisterEntry::ShortMessageMs);
    return true;
}

void RegisterRowActions::deleteRow(int row) {
    RegisterModel *model = m_screen->model();
    const RegisterRow *stored = model->rowAt(row);
    if (!stored)
        return;
    if (stored->transaction.id.isEmpty()) {
        m_screen->showStatusMessage(
            tr("The opening balance comes from the account's starting balance; "
               "change it with Account > Edit."),
            RegisterEntry::LongMessageMs);
        return;
    }
    const Transaction transaction = stored->transaction;
    const QString money = formatMoney(qAbs(transaction.amount), model->currency());
    const QString text
        = transaction.transferLinkId.isEmpty()
              ? tr("Delete \"%1\" for %2?").arg(transaction.payee, money)
              : tr("Delete transfer \"%1\" for %2?\n\nBoth sides of the transfer will be deleted.")
                    .arg(transaction.payee, money);
    if (!MessageBoxes::ask(m_screen, tr("Delete Transaction"), text))
        return;
    m_screen->table()->finishEditing(false);
    if (model->editingRow() == row) {
        model->setEditingRow(-1);
        model->clearEntry();
    }
    if (m_state->ledger()->deleteTransaction(transaction.id) != LedgerWriter::Result::Ok) {
        m_screen->showStatusMessage(tr("Could not delete the transaction"),
                                    RegisterEntry::LongMessageMs);
        return;
    }
    m_screen->reload();
}

void RegisterRowActions::showContextMenu(const QPoint &position) {
    RegisterTableView *table = m_screen->table();
    const QModelIndex index = table->indexAt(position);
    QMenu menu(m_screen);
    menu.addAction(tr("&Insert New (%1)").arg(ShortcutText::of("Ctrl+I")), m_screen,
                   &RegisterScreen::beginNewEntry);
    menu.addAction(tr("&New Transaction... (%1)").arg(ShortcutText::of("Ctrl+N")), m_screen,
                   &RegisterScreen::newTransactionDialog);
    const RegisterRow *stored = index.isValid() ? m_screen->model()->rowAt(index.row()) : nullptr;
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
    menu.exec(table->viewport()->mapToGlobal(position));
}
