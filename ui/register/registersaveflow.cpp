// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registersaveflow.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/accountrepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/presentation/registerentry.h"
#include "ui/register/spliteditordialog.h"

#include <QMessageBox>
#include <QPushButton>

RegisterSaveFlow::RegisterSaveFlow(AppState *state, QWidget *parent)
    : QObject(parent)
    , m_state(state)
    , m_parent(parent) {}

bool RegisterSaveFlow::store(const EntryFields &fields, const QList<SplitLine> *lines,
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
        if (MessageBoxes::ask(m_parent, tr("Reconciled Transfer"),
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

void RegisterSaveFlow::showWriteResult(EntryWriter::Result result) {
    const RegisterEntry::Outcome failure = RegisterEntry::writeFailure(result);
    Q_EMIT statusMessage(failure.refusal, failure.messageMs);
}

bool RegisterSaveFlow::resplit(const Transaction &transaction, QList<SplitLine> *lines) {
    QMessageBox box(QMessageBox::Question, tr("Split No Longer Adds Up"),
                    tr("This transaction is split, and its amount changed. Split the new "
                       "amount again?"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.button(QMessageBox::Yes)->setText(tr("Split Again"));
    box.button(QMessageBox::No)->setText(tr("Remove Split"));
    switch (ModalRunner::exec(&box)) {
    case QMessageBox::Yes: {
        SplitEditorDialog editor(m_state, transaction, m_parent);
        if (ModalRunner::exec(&editor) != QDialog::Accepted || editor.remaining() != 0) {
            Q_EMIT statusMessage(tr("Not saved: the split still needs dividing"),
                                 RegisterEntry::LongMessageMs);
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
