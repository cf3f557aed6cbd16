// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/spliteditordialog.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/money.h"
#include "storage/splitlinerepository.h"
#include "ui/common/styles.h"
#include "ui/widgets/smartamountfield.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

SplitEditorDialog::SplitEditorDialog(AppState *state, const Transaction &transaction,
                                     QWidget *parent)
    : QDialog(parent)
    , m_state(state)
    , m_transaction(transaction)
    , m_table(new QTableWidget(0, 3, this))
    , m_remaining(new QLabel(this))
    , m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
    m_currency = state->accountRepository()->currencyOf(transaction.accountId);
    setWindowTitle(tr("Split Transaction"));
    setMinimumWidth(520);
    auto *layout = new QVBoxLayout(this);
    auto *heading
        = new QLabel(tr("Divide %1 (%2) among categories.")
                         .arg(transaction.payee, formatMoney(qAbs(transaction.amount), m_currency)),
                     this);
    heading->setTextFormat(Qt::PlainText);
    layout->addWidget(heading);
    auto *note = new QLabel(tr("The split is kept on this device and in backups; sync does not "
                               "carry it to your other devices."),
                            this);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    layout->addWidget(note);

    m_table->setHorizontalHeaderLabels({tr("Category"), tr("Amount"), tr("Memo")});
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab walks the fields of the lines, as in any form; the table itself is only their frame.
    m_table->setTabKeyNavigation(false);
    m_table->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(m_table, 1);

    auto *row = new QHBoxLayout;
    auto *add = new QPushButton(tr("&Add Line"), this);
    auto *remove = new QPushButton(tr("&Remove Line"), this);
    connect(add, &QPushButton::clicked, this, &SplitEditorDialog::addRow);
    connect(remove, &QPushButton::clicked, this, &SplitEditorDialog::removeSelectedRow);
    row->addWidget(add);
    row->addWidget(remove);
    row->addStretch(1);
    row->addWidget(m_remaining);
    layout->addLayout(row);
    layout->addWidget(m_buttons);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const QList<SplitLine> stored
        = transaction.id.isEmpty()
              ? QList<SplitLine>()
              : state->splitLineRepository()->findByTransaction(transaction.id);
    for (const SplitLine &line : stored)
        addLine(line.categoryId, qAbs(line.amount), line.memo);
    if (stored.isEmpty()) {
        addLine(transaction.categoryId, qAbs(transaction.amount), QString());
        addLine(QString(), 0, QString());
    }
    updateRemaining();
    if (m_table->rowCount() > 0)
        m_table->cellWidget(0, 0)->setFocus();
}

void SplitEditorDialog::addLine(const QString &categoryId, qint64 cents, const QString &memo) {
    const int row = m_table->rowCount();
    m_table->insertRow(row);
    auto *combo = new QComboBox(m_table);
    // A line starts without a category until one is chosen: taking the first of the list
    // would file money where nobody put it.
    combo->addItem(tr("(choose a category)"), QString());
    for (const Category &category : m_state->categoryRepository()->findAll())
        combo->addItem(category.name, category.id);
    combo->setCurrentIndex(std::max(0, combo->findData(categoryId)));
    combo->setAccessibleName(tr("Category of line %1").arg(row + 1));
    connect(combo, &QComboBox::currentIndexChanged, this, &SplitEditorDialog::updateRemaining);
    m_table->setCellWidget(row, 0, combo);
    auto *amount = new SmartAmountField(m_table);
    amount->setRange(0, 99999999.99);
    amount->setCurrency(m_currency);
    amount->setAmount(cents);
    amount->setAccessibleName(tr("Amount of line %1").arg(row + 1));
    connect(amount, &QDoubleSpinBox::valueChanged, this, &SplitEditorDialog::updateRemaining);
    m_table->setCellWidget(row, 1, amount);
    auto *memoEdit = new QLineEdit(memo, m_table);
    memoEdit->setAccessibleName(tr("Memo of line %1").arg(row + 1));
    m_table->setCellWidget(row, 2, memoEdit);
    // The line holding the focus is the current one, for "Remove Line".
    for (QWidget *field : {static_cast<QWidget *>(combo), static_cast<QWidget *>(amount),
                           static_cast<QWidget *>(memoEdit)})
        field->installEventFilter(this);
}

bool SplitEditorDialog::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn) {
        for (int row = 0; row < m_table->rowCount(); ++row) {
            for (int column = 0; column < m_table->columnCount(); ++column) {
                if (m_table->cellWidget(row, column) == watched)
                    m_table->setCurrentCell(row, column);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SplitEditorDialog::setLines(const QList<SplitLine> &lines) {
    m_table->setRowCount(0);
    for (const SplitLine &line : lines)
        addLine(line.categoryId, qAbs(line.amount), line.memo);
    if (lines.isEmpty()) {
        addLine(m_transaction.categoryId, qAbs(m_transaction.amount), QString());
        addLine(QString(), 0, QString());
    }
    updateRemaining();
}

void SplitEditorDialog::addRow() {
    addLine(QString(), qMax<qint64>(0, remaining()), QString());
    updateRemaining();
    m_table->cellWidget(m_table->rowCount() - 1, 0)->setFocus();
}

void SplitEditorDialog::removeSelectedRow() {
    const int row = m_table->currentRow();
    if (row < 0)
        return;
    m_table->removeRow(row);
    updateRemaining();
    if (m_table->rowCount() > 0)
        m_table->cellWidget(qMin(row, m_table->rowCount() - 1), 0)->setFocus();
}

qint64 SplitEditorDialog::remaining() const {
    qint64 sum = 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        if (auto *amount = qobject_cast<SmartAmountField *>(m_table->cellWidget(row, 1)))
            sum += amount->amount();
    }
    return qAbs(m_transaction.amount) - sum;
}

QString SplitEditorDialog::remainingText() const {
    return m_remaining->text();
}

void SplitEditorDialog::updateRemaining() {
    const qint64 left = remaining();
    m_remaining->setText(tr("Remaining: %1").arg(formatMoney(left, m_currency)));
    m_remaining->setStyleSheet(left == 0  ? Styles::textColourStyle(Styles::positiveColour())
                               : left < 0 ? Styles::textColourStyle(Styles::negativeColour())
                                          : QString());
    // A split that does not add up to the transaction would change its amount behind the
    // user's back; a line without a category has nowhere to go.
    bool complete = left == 0 && m_table->rowCount() > 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        auto *combo = qobject_cast<QComboBox *>(m_table->cellWidget(row, 0));
        auto *amount = qobject_cast<SmartAmountField *>(m_table->cellWidget(row, 1));
        // An untouched empty line is no line at all.
        if (combo && combo->currentData().toString().isEmpty() && amount && amount->amount() != 0)
            complete = false;
    }
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(complete);
}

QList<SplitLine> SplitEditorDialog::lines() const {
    QList<SplitLine> result;
    const bool negative = m_transaction.amount < 0;
    for (int row = 0; row < m_table->rowCount(); ++row) {
        auto *combo = qobject_cast<QComboBox *>(m_table->cellWidget(row, 0));
        auto *amount = qobject_cast<SmartAmountField *>(m_table->cellWidget(row, 1));
        if (!combo || !amount)
            continue;
        SplitLine line;
        line.transactionId = m_transaction.id;
        line.categoryId = combo->currentData().toString();
        const qint64 value = amount->amount();
        if (value == 0 && line.categoryId.isEmpty())
            continue;
        line.amount = negative ? -value : value;
        if (auto *memo = qobject_cast<QLineEdit *>(m_table->cellWidget(row, 2)))
            line.memo = memo->text().trimmed();
        result.append(line);
    }
    return result;
}
