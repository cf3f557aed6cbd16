// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/lists/searchresultsmodel.h"

#include "storage/money.h"
#include "ui/register/registermodel.h"

SearchResultsModel::SearchResultsModel(RegisterModel *rows, QObject *parent)
    : QAbstractTableModel(parent)
    , m_rows(rows) {
    connect(m_rows, &QAbstractItemModel::modelAboutToBeReset, this,
            &SearchResultsModel::beginResetModel);
    connect(m_rows, &QAbstractItemModel::modelReset, this, &SearchResultsModel::endResetModel);
    connect(m_rows, &QAbstractItemModel::dataChanged, this, [this] {
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    });
}

void SearchResultsModel::setAccountNames(const QHash<QString, QString> &names) {
    if (names == m_accountNames)
        return;
    m_accountNames = names;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, AccountColumn), index(rowCount() - 1, AccountColumn),
                           {Qt::DisplayRole});
}

void SearchResultsModel::setAccountCurrencies(const QHash<QString, Currency> &currencies) {
    if (currencies == m_accountCurrencies)
        return;
    m_accountCurrencies = currencies;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, PaymentColumn), index(rowCount() - 1, DepositColumn),
                           {Qt::DisplayRole});
}

int SearchResultsModel::registerColumn(int column) {
    switch (column) {
    case DateColumn:
        return RegisterModel::DateColumn;
    case CheckColumn:
        return RegisterModel::CheckColumn;
    case CategoryColumn:
        return RegisterModel::CategoryColumn;
    case MemoColumn:
        return RegisterModel::MemoColumn;
    case PaymentColumn:
        return RegisterModel::PaymentColumn;
    case DepositColumn:
        return RegisterModel::DepositColumn;
    case ClrColumn:
        return RegisterModel::ClrColumn;
    default:
        return RegisterModel::PayeeColumn;
    }
}

int SearchResultsModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : m_rows->dataRowCount();
}

int SearchResultsModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchResultsModel::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const int row = m_rows->modelRow(index.row());
    if (index.column() == AccountColumn && (role == Qt::DisplayRole || role == Qt::ToolTipRole)) {
        const RegisterRow *stored = m_rows->rowAt(row);
        return stored ? m_accountNames.value(stored->transaction.accountId) : QString();
    }
    if ((index.column() == PaymentColumn || index.column() == DepositColumn)
        && role == Qt::DisplayRole) {
        const RegisterRow *stored = m_rows->rowAt(row);
        if (!stored)
            return QString();
        const qint64 amount = stored->transaction.amount;
        const bool shown = index.column() == PaymentColumn ? amount < 0 : amount >= 0;
        return shown ? formatMoney(qAbs(amount), m_accountCurrencies.value(
                                                     stored->transaction.accountId, Currency::USD))
                     : QString();
    }
    return m_rows->data(m_rows->index(row, registerColumn(index.column())), role);
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == AccountColumn)
        return tr("Account");
    if (section < 0 || section >= ColumnCount)
        return QVariant();
    return m_rows->headerData(registerColumn(section), orientation, role);
}

QString SearchResultsModel::transactionIdAt(int row) const {
    const RegisterRow *stored = m_rows->rowAt(m_rows->modelRow(row));
    return stored ? stored->transaction.id : QString();
}
