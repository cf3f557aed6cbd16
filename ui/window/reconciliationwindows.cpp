// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/reconciliationwindows.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "ui/common/errorbox.h"
#include "ui/common/modalrunner.h"
#include "ui/reconciliation/reconciliationscreen.h"
#include "ui/register/transactionformdialog.h"
#include "ui/window/secondarywindows.h"

#include <memory>

ReconciliationWindows::ReconciliationWindows(AppState *state, const SecondaryWindows *windows,
                                             QWidget *owner)
    : QObject(owner)
    , m_state(state)
    , m_windows(windows)
    , m_owner(owner) {}

ReconciliationScreen *ReconciliationWindows::window(const QString &accountId) const {
    return m_open.value(accountId);
}

void ReconciliationWindows::show(const QString &accountId) {
    const std::optional<Account> account = m_state->ledger()->liveAccount(accountId);
    if (!account)
        return;
    const QString title = tr("Reconcile — %1").arg(account->name);
    // Closed windows delete themselves; their entries are dropped here rather than from their
    // destroyed signal, which also fires while the main window is being torn down.
    m_open.removeIf([](const auto &entry) { return entry.value().isNull(); });
    ReconciliationScreen *open = m_open.value(accountId);
    // A closed one is only waiting to be deleted.
    if (open && open->isVisible()) {
        m_windows->present(open, title, QSize(1100, 720));
        return;
    }
    auto *window = new ReconciliationScreen(m_state, m_owner);
    window->setAttribute(Qt::WA_DeleteOnClose);
    m_open.insert(accountId, window);
    connect(window, &ReconciliationScreen::reconciliationCompleted, this, [this, window] {
        Q_EMIT completed();
        window->close();
    });
    connect(window, &ReconciliationScreen::cancelled, window, &QWidget::close);
    // Add and Edit post to the account being reconciled, whatever the register shows or
    // whether it may leave a half-typed row.
    connect(window, &ReconciliationScreen::newTransactionRequested, this,
            [this, window](const QString &id) { openTransactionForm(window, id, QString()); });
    connect(window, &ReconciliationScreen::editTransactionRequested, this,
            [this, window, accountId](const QString &transactionId) {
                openTransactionForm(window, accountId, transactionId);
            });
    window->setTransactionFormAvailable(true);
    window->setAccount(accountId);
    m_windows->present(window, title, QSize(1100, 720));
}

void ReconciliationWindows::openTransactionForm(QWidget *over, const QString &accountId,
                                                const QString &transactionId) {
    std::optional<Transaction> stored;
    if (!transactionId.isEmpty()) {
        stored = m_state->ledger()->liveTransaction(transactionId);
        if (!stored || stored->accountId != accountId) {
            ErrorBox::show(over, tr("Edit Transaction"), tr("This transaction no longer exists."),
                           QString());
            return;
        }
    }
    std::unique_ptr<TransactionFormDialog> dialog
        = stored ? std::make_unique<TransactionFormDialog>(m_state, *stored, over)
                 : std::make_unique<TransactionFormDialog>(m_state, accountId, over);
    if (ModalRunner::exec(dialog.get()) != QDialog::Accepted)
        return;
    const QList<SplitLine> lines = dialog->splitLines();
    const LedgerWriter::Result result = m_state->ledger()->saveTransaction(
        dialog->transaction(), !stored, dialog->splitChanged() ? &lines : nullptr);
    QString reason;
    switch (result) {
    case LedgerWriter::Result::Ok:
        return;
    case LedgerWriter::Result::TransferAccountNotFound:
        reason = tr("The account named after [Transfer] does not exist.");
        break;
    case LedgerWriter::Result::TransferToSameAccount:
        reason = tr("A transfer needs another account.");
        break;
    case LedgerWriter::Result::NotFound:
        reason = tr("The transaction was deleted meanwhile.");
        break;
    case LedgerWriter::Result::NotATransfer:
        reason = tr("An existing transaction cannot become a transfer; delete it and enter the "
                    "transfer as a new transaction.");
        break;
    case LedgerWriter::Result::OtherLegReconciled:
        reason = tr("The other side of the transfer is reconciled.");
        break;
    case LedgerWriter::Result::Failed:
        reason = tr("Nothing was stored.");
        break;
    }
    ErrorBox::show(over, dialog->windowTitle(), tr("The transaction could not be saved."), reason);
}
