// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/lists/payeescreen.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/transactionrepository.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSet>
#include <QStringListModel>
#include <QVBoxLayout>

#include <utility>

PayeeScreen::PayeeScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_list(new QListView(this))
    , m_model(new QStringListModel(this))
    , m_renameTo(new QLineEdit(this))
    , m_rename(new QPushButton(tr("Rename Selected"), this))
    , m_merge(new QPushButton(tr("Merge Selected"), this)) {
    setAccessibleName(tr("Payee Management"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *title = new QLabel(tr("Payee Management"), this);
    QFont titleFont = QApplication::font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    layout->addWidget(title);

    m_list->setModel(m_model);
    m_list->setAccessibleName(tr("Payees"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Thousands of payees lay out at once only when every row is known to be one line.
    m_list->setUniformItemSizes(true);
    layout->addWidget(m_list, 1);

    auto *bottom = new QHBoxLayout;
    auto *label = new QLabel(tr("Rename to:"), this);
    label->setBuddy(m_renameTo);
    m_renameTo->setAccessibleName(tr("Rename to"));
    m_rename->setAccessibleName(tr("Rename Selected"));
    m_merge->setAccessibleName(tr("Merge Selected"));
    bottom->addWidget(label);
    bottom->addWidget(m_renameTo, 1);
    bottom->addWidget(m_rename);
    bottom->addWidget(m_merge);
    layout->addLayout(bottom);

    connect(m_rename, &QPushButton::clicked, this, &PayeeScreen::onRename);
    connect(m_merge, &QPushButton::clicked, this, &PayeeScreen::onMerge);
    connect(m_renameTo, &QLineEdit::returnPressed, this, &PayeeScreen::onRename);
    connect(m_state, &AppState::dataChanged, this, &PayeeScreen::onDataChanged);
}

void PayeeScreen::refresh() {
    m_stale = false;
    const QStringList selected
        = m_selectAfterRead.isEmpty() ? selectedPayees() : std::exchange(m_selectAfterRead, {});
    m_model->setStringList(m_state->transactionRepository()->payees());
    selectPayees(selected);
}

QStringList PayeeScreen::selectedPayees() const {
    QStringList payees;
    QModelIndexList rows = m_list->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    for (const QModelIndex &index : rows)
        payees << index.data().toString();
    return payees;
}

void PayeeScreen::selectPayees(const QStringList &payees) {
    QItemSelectionModel *selection = m_list->selectionModel();
    selection->clear();
    if (payees.isEmpty())
        return;
    const QSet<QString> wanted(payees.cbegin(), payees.cend());
    const QStringList all = m_model->stringList();
    QItemSelection rows;
    QModelIndex first;
    for (int row = 0; row < all.size(); ++row) {
        if (!wanted.contains(all.at(row)))
            continue;
        const QModelIndex index = m_model->index(row);
        rows.select(index, index);
        if (!first.isValid())
            first = index;
    }
    if (!first.isValid())
        return;
    selection->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selection->select(rows, QItemSelectionModel::Select);
    m_list->scrollTo(first);
}

bool PayeeScreen::rename(const QStringList &payees, const QString &target, int *renamed) {
    *renamed = m_state->ledger()->renamePayees(payees, target);
    if (*renamed >= 0)
        return true;
    ErrorBox::show(this, tr("Rename Payees"), tr("The payees could not be renamed."),
                   tr("Nothing was changed; every transaction keeps its payee."));
    return false;
}

void PayeeScreen::onRename() {
    const QString target = m_renameTo->text().trimmed();
    const QStringList selected = selectedPayees();
    if (target.isEmpty() || selected.isEmpty())
        return;
    int renamed = 0;
    if (!rename(selected, target, &renamed))
        return;
    MessageBoxes::inform(this, tr("Rename Complete"),
                         tr("Renamed %n transaction(s).", nullptr, renamed));
    // The list follows on the rename's change notice: read once, there.
    m_selectAfterRead = {target};
    Q_EMIT payeesChanged();
}

void PayeeScreen::onMerge() {
    const QStringList selected = selectedPayees();
    if (selected.size() < 2) {
        MessageBoxes::inform(this, tr("Merge"), tr("Select 2 or more payees to merge."));
        return;
    }
    QString target = m_renameTo->text().trimmed();
    if (target.isEmpty())
        target = selected.first();
    if (!MessageBoxes::ask(
            this, tr("Merge Payees"),
            tr("Merge %1 payees into \"%2\"?").arg(QString::number(selected.size()), target)))
        return;
    int renamed = 0;
    if (!rename(selected, target, &renamed))
        return;
    MessageBoxes::inform(this, tr("Merge Complete"),
                         tr("Merged %n transaction(s).", nullptr, renamed));
    m_selectAfterRead = {target};
    Q_EMIT payeesChanged();
}

void PayeeScreen::onDataChanged(const DataChange &change) {
    if (!change.touches(DataChange::Transactions))
        return;
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void PayeeScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}
