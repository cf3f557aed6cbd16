// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/transactionformdialog.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/identifiers.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/modalrunner.h"
#include "ui/register/spliteditordialog.h"
#include "ui/widgets/categorychoices.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The date of the last transaction a form handed back in this run of the program: people
// enter a pile of receipts from the same day one after the other.
QDate g_lastDate;

qint64 sumOfLines(const QList<SplitLine> &lines) {
    qint64 sum = 0;
    for (const SplitLine &line : lines)
        sum += qAbs(line.amount);
    return sum;
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState *state, const QString &accountId,
                                             QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(accountId) {
    setWindowTitle(tr("New Transaction"));
    // Fixed now, so that split lines made before OK already name their transaction.
    m_transaction.id = Identifiers::newId();
    m_transaction.accountId = accountId;
    build();
    m_date->setDate(proposedDate());
    m_payment->setChecked(true);
    showSplitState();
}

TransactionFormDialog::TransactionFormDialog(AppState *state, const Transaction &transaction,
                                             QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_accountId(transaction.accountId)
    , m_transaction(transaction)
    , m_editMode(true) {
    setWindowTitle(tr("Edit Transaction"));
    build();
    m_date->setDate(transaction.date);
    m_payee->setText(transaction.payee);
    m_amount->setAmount(qAbs(transaction.amount));
    (transaction.amount < 0 ? m_payment : m_deposit)->setChecked(true);
    selectCategory(transaction.categoryId);
    m_memo->setText(transaction.memo);
    m_checkNumber->setText(transaction.checkNumber);
    m_cleared->setChecked(transaction.cleared);
    if (transaction.isSplit)
        m_splitLines = state->splitLineRepository()->findByTransaction(transaction.id);
    showSplitState();
}

QDate TransactionFormDialog::proposedDate() {
    return g_lastDate.isValid() ? g_lastDate : QDate::currentDate();
}

void TransactionFormDialog::build() {
    setMinimumWidth(480);
    auto *layout = new QVBoxLayout(this);
    auto *form = new QFormLayout;
    layout->addLayout(form);

    // Forms open from several windows; the account they post to is never left to be guessed.
    m_account = new QLabel(this);
    m_account->setTextFormat(Qt::PlainText);
    m_account->setAccessibleName(tr("Account"));
    const std::optional<Account> account = m_state->accountRepository()->findById(m_accountId);
    m_account->setText(account ? account->name : QString());
    form->addRow(tr("Account:"), m_account);

    auto *type = new QHBoxLayout;
    m_payment = new QRadioButton(tr("Payment"), this);
    m_deposit = new QRadioButton(tr("Deposit"), this);
    m_payment->setAccessibleName(tr("Payment"));
    m_deposit->setAccessibleName(tr("Deposit"));
    type->addWidget(m_payment);
    type->addWidget(m_deposit);
    type->addStretch(1);
    form->addRow(tr("Type:"), type);

    m_date = new DateField(this);
    m_date->setAccessibleName(tr("Date"));
    form->addRow(tr("Date:"), m_date);

    m_payee = new QLineEdit(this);
    m_payee->setPlaceholderText(tr("Start typing to search payees..."));
    m_payee->setAccessibleName(tr("Payee"));
    QCompleter *payees = CategoryChoices::containsCompleter(
        new QStringListModel(m_state->transactionRepository()->payees(), this), m_payee);
    payees->setMaxVisibleItems(10);
    m_payee->setCompleter(payees);
    connect(payees, qOverload<const QString &>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);
    form->addRow(tr("Payee:"), m_payee);

    m_amount = new SmartAmountField(this);
    m_amount->setRange(0, 99999999.99);
    m_amount->setCurrency(m_state->accountRepository()->currencyOf(m_accountId));
    m_amount->setAccessibleName(tr("Amount"));
    form->addRow(tr("Amount:"), m_amount);

    auto *categoryRow = new QHBoxLayout;
    m_category = new QComboBox(this);
    m_category->setEditable(true);
    m_category->setInsertPolicy(QComboBox::NoInsert);
    m_category->setAccessibleName(tr("Category"));
    m_category->addItem(tr("(none)"), QString());
    CategoryChoices::addTo(m_category, m_state->categoryRepository());
    m_category->setCompleter(CategoryChoices::containsCompleter(m_category->model(), m_category));
    m_splitButton = new QPushButton(tr("Split…"), this);
    m_splitButton->setAccessibleName(tr("Split"));
    m_splitButton->setToolTip(tr("Divide the amount among several categories"));
    connect(m_splitButton, &QPushButton::clicked, this, &TransactionFormDialog::editSplit);
    categoryRow->addWidget(m_category, 1);
    categoryRow->addWidget(m_splitButton);
    form->addRow(tr("Category:"), categoryRow);

    m_memo = new QLineEdit(this);
    m_memo->setPlaceholderText(tr("Optional"));
    m_memo->setAccessibleName(tr("Memo"));
    form->addRow(tr("Memo:"), m_memo);

    m_checkNumber = new QLineEdit(this);
    m_checkNumber->setPlaceholderText(tr("Optional"));
    m_checkNumber->setAccessibleName(tr("Check number"));
    form->addRow(tr("Check #:"), m_checkNumber);

    m_cleared = new QCheckBox(tr("Cleared"), this);
    m_cleared->setAccessibleName(tr("Cleared"));
    form->addRow(QString(), m_cleared);

    m_message = new QLabel(this);
    m_message->setAccessibleName(tr("Form message"));
    m_message->setWordWrap(true);
    m_message->hide();
    layout->addWidget(m_message);

    layout->addSpacing(12);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TransactionFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    m_payee->setFocus();
}

void TransactionFormDialog::selectCategory(const QString &categoryId) {
    const int found = categoryId.isEmpty() ? -1 : m_category->findData(categoryId);
    if (found >= 0)
        m_category->setCurrentIndex(found);
}

void TransactionFormDialog::onPayeeSelected(const QString &payee) {
    const std::optional<Transaction> last
        = m_state->transactionRepository()->lastByPayee(payee.trimmed(), m_accountId);
    if (!last)
        return;
    m_amount->setAmount(qAbs(last->amount));
    (last->amount < 0 ? m_payment : m_deposit)->setChecked(true);
    m_memo->setText(last->memo);
    selectCategory(last->categoryId);
}

qint64 TransactionFormDialog::signedAmount() const {
    const qint64 amount = m_amount->amount();
    return m_payment->isChecked() ? -amount : amount;
}

void TransactionFormDialog::showSplitState() {
    const bool split = !m_splitLines.isEmpty();
    // The lines carry the categories of a split transaction; one category for the whole of
    // it would say something the lines contradict.
    m_category->setEnabled(!split);
    m_category->setToolTip(
        split ? tr("Split among %n categories", nullptr, int(m_splitLines.size())) : QString());
    m_splitButton->setText(split ? tr("Edit Split…") : tr("Split…"));
    m_splitButton->setAccessibleName(split ? tr("Edit split") : tr("Split"));
}

bool TransactionFormDialog::editSplit() {
    Transaction current = transaction();
    // A form whose amount is still empty has nothing to divide.
    if (current.amount == 0) {
        m_message->setText(tr("Enter the amount first, then split it."));
        m_message->show();
        return false;
    }
    SplitEditorDialog editor(m_state, current, this);
    editor.setLines(m_splitLines);
    if (ModalRunner::exec(&editor) != QDialog::Accepted || editor.remaining() != 0)
        return false;
    m_splitLines = editor.lines();
    m_splitChanged = true;
    m_message->hide();
    showSplitState();
    return true;
}

void TransactionFormDialog::accept() {
    if (m_payee->text().trimmed().isEmpty()) {
        m_message->setText(tr("Payee is required"));
        m_message->show();
        m_payee->setFocus();
        return;
    }
    if (!m_splitLines.isEmpty() && sumOfLines(m_splitLines) != qAbs(signedAmount())) {
        QMessageBox box(QMessageBox::Question, tr("Split No Longer Adds Up"),
                        tr("The amount changed, so the split no longer adds up to it. Split "
                           "the new amount again?"),
                        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, this);
        box.button(QMessageBox::Yes)->setText(tr("Split Again"));
        box.button(QMessageBox::No)->setText(tr("Remove Split"));
        switch (ModalRunner::exec(&box)) {
        case QMessageBox::Yes:
            if (!editSplit())
                return;
            break;
        case QMessageBox::No:
            m_splitLines.clear();
            m_splitChanged = true;
            showSplitState();
            break;
        default:
            return;
        }
    }
    if (!m_editMode && m_date->parsedDate().isValid())
        g_lastDate = m_date->parsedDate();
    QDialog::accept();
}

QList<SplitLine> TransactionFormDialog::splitLines() const {
    // The lines follow the amount's direction, also when Payment and Deposit were swapped
    // after splitting.
    const bool negative = signedAmount() < 0;
    QList<SplitLine> lines = m_splitLines;
    for (SplitLine &line : lines) {
        line.transactionId = m_transaction.id;
        line.amount = negative ? -qAbs(line.amount) : qAbs(line.amount);
    }
    return lines;
}

Transaction TransactionFormDialog::transaction() const {
    Transaction result = m_transaction;
    if (!m_editMode)
        result.accountId = m_accountId;
    result.date = m_date->parsedDate();
    result.payee = m_payee->text().trimmed();
    result.amount = signedAmount();
    // Only an item of the list names a category; typed text that matches none is no category.
    const int item = m_category->findText(m_category->currentText(), Qt::MatchFixedString);
    result.categoryId = item >= 0 ? m_category->itemData(item).toString() : QString();
    result.memo = m_memo->text().trimmed();
    result.checkNumber = m_checkNumber->text().trimmed();
    result.cleared = m_cleared->isChecked();
    if (!result.cleared)
        result.reconciled = false;
    result.isSplit = !m_splitLines.isEmpty();
    return result;
}
