// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/reconciliation/reconciliationmodel.h"

#include "storage/money.h"
#include "ui/common/styles.h"
#include "ui/presentation/regionalformat.h"

#include <QColor>
#include <QHash>

ReconciliationModel::ReconciliationModel(QObject *parent)
    : QAbstractTableModel(parent) {}

int ReconciliationModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ReconciliationModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ReconciliationModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const Transaction &row = m_rows.at(index.row());
    if (role == TransactionIdRole)
        return row.id;
    switch (index.column()) {
    case TickColumn:
        if (role == Qt::CheckStateRole)
            return isTicked(index.row()) ? Qt::Checked : Qt::Unchecked;
        if (role == Qt::AccessibleTextRole)
            return isTicked(index.row()) ? tr("Ticked") : tr("Not ticked");
        break;
    case DateColumn:
        if (role == Qt::DisplayRole)
            return RegionalFormat::formatDate(row.date);
        break;
    case PayeeColumn:
        if (role == Qt::DisplayRole)
            return row.payee;
        break;
    case AmountColumn:
        if (role == Qt::DisplayRole)
            return formatMoney(row.amount, m_currency);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::ForegroundRole && row.amount < 0)
            return Styles::negativeColour();
        break;
    case ClrColumn:
        if (role == Qt::DisplayRole)
            return row.cleared ? QStringLiteral("C") : QString();
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        break;
    default:
        break;
    }
    return {};
}

QVariant ReconciliationModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case DateColumn:
        return tr("Date");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case ClrColumn:
        return tr("Clr");
    default:
        return QString();
    }
}

Qt::ItemFlags ReconciliationModel::flags(const QModelIndex &index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == TickColumn)
        result |= Qt::ItemIsUserCheckable;
    return result;
}

bool ReconciliationModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || index.column() != TickColumn || role != Qt::CheckStateRole)
        return false;
    setTicked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

void ReconciliationModel::count(int row, int sign) {
    const qint64 amount = m_rows.at(row).amount;
    if (amount >= 0)
        m_deposits += sign * amount;
    else
        m_withdrawals += sign * amount;
}

void ReconciliationModel::setTicked(int row, bool ticked) {
    if (row < 0 || row >= m_rows.size() || isTicked(row) == ticked)
        return;
    m_ticked[size_t(row)] = ticked ? 1 : 0;
    count(row, ticked ? 1 : -1);
    const QModelIndex cell = index(row, TickColumn);
    Q_EMIT dataChanged(cell, cell, {Qt::CheckStateRole, Qt::AccessibleTextRole});
    Q_EMIT tickedChanged();
}

void ReconciliationModel::toggle(int row) {
    if (row >= 0 && row < m_rows.size())
        setTicked(row, !isTicked(row));
}

void ReconciliationModel::setRows(QList<Transaction> rows) {
    QHash<QString, bool> remembered;
    remembered.reserve(m_rows.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        remembered.insert(m_rows.at(i).id, m_ticked[size_t(i)] != 0);

    beginResetModel();
    m_rows = std::move(rows);
    m_ticked.assign(size_t(m_rows.size()), 0);
    m_deposits = m_withdrawals = 0;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const auto known = remembered.constFind(m_rows.at(i).id);
        const bool ticked = known != remembered.constEnd() ? *known : m_rows.at(i).cleared;
        if (ticked) {
            m_ticked[size_t(i)] = 1;
            count(int(i), 1);
        }
    }
    endResetModel();
    Q_EMIT tickedChanged();
}

void ReconciliationModel::clear() {
    beginResetModel();
    m_rows.clear();
    m_ticked.clear();
    m_deposits = m_withdrawals = 0;
    endResetModel();
    Q_EMIT tickedChanged();
}

void ReconciliationModel::setCurrency(Currency currency) {
    if (m_currency == currency)
        return;
    m_currency = currency;
    if (!m_rows.isEmpty())
        Q_EMIT dataChanged(index(0, AmountColumn), index(rowCount() - 1, AmountColumn));
}

QList<Transaction> ReconciliationModel::tickedTransactions() const {
    QList<Transaction> result;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_ticked[size_t(i)])
            result.append(m_rows.at(i));
    }
    return result;
}

int ReconciliationModel::rowOfId(const QString &id) const {
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).id == id)
            return int(i);
    }
    return -1;
}
