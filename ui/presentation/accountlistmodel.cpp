// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/accountlistmodel.h"

#include "storage/money.h"
#include "ui/presentation/accountpresentation.h"

#include <QCoreApplication>
#include <QMimeData>
#include <QSet>
#include <QTextDocument>

bool AccountListModel::Row::operator==(const Row &other) const {
    return id == other.id && name == other.name && balanceText == other.balanceText
           && negative == other.negative && subtitle == other.subtitle && type == other.type;
}

AccountListModel::AccountListModel(QObject *parent)
    : QAbstractListModel(parent) {}

void AccountListModel::setAccounts(const QList<Account> &accounts,
                                   const QHash<QString, qint64> &balances) {
    QList<Row> next;
    QSet<QString> nextIds;
    for (const Account &account : accounts) {
        const qint64 balance = AccountPresentation::balanceOf(account, balances);
        Row row;
        row.id = account.id;
        row.name = account.name;
        row.balanceText = formatMoney(balance, account.currency);
        row.negative = balance < 0;
        row.subtitle = AccountPresentation::subtitle(account);
        row.type = account.type;
        next << row;
        nextIds.insert(account.id);
    }

    for (int i = int(m_rows.size()) - 1; i >= 0; --i) {
        if (nextIds.contains(m_rows.at(i).id))
            continue;
        beginRemoveRows(QModelIndex(), i, i);
        m_rows.removeAt(i);
        endRemoveRows();
    }
    for (int i = 0; i < next.size(); ++i) {
        const Row &wanted = next.at(i);
        int found = i;
        while (found < m_rows.size() && m_rows.at(found).id != wanted.id)
            ++found;
        if (found == m_rows.size()) {
            beginInsertRows(QModelIndex(), i, i);
            m_rows.insert(i, wanted);
            endInsertRows();
            continue;
        }
        if (found != i) {
            beginMoveRows(QModelIndex(), found, found, QModelIndex(), i);
            m_rows.move(found, i);
            endMoveRows();
        }
        if (m_rows.at(i) != wanted) {
            m_rows[i] = wanted;
            Q_EMIT dataChanged(index(i), index(i));
        }
    }
}

QStringList AccountListModel::ids() const {
    QStringList ids;
    for (const Row &row : m_rows)
        ids << row.id;
    return ids;
}

int AccountListModel::rowOf(const QString &accountId) const {
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).id == accountId)
            return i;
    }
    return -1;
}

int AccountListModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant AccountListModel::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.name;
    case Qt::ToolTipRole:
        return Qt::convertFromPlainText(row.name, Qt::WhiteSpaceNoWrap);
    case Qt::AccessibleTextRole:
        return QCoreApplication::translate("AccountListModel", "%1, %2")
            .arg(row.name, row.balanceText);
    case Qt::AccessibleDescriptionRole:
        return row.subtitle;
    case IdRole:
        return row.id;
    case BalanceTextRole:
        return row.balanceText;
    case NegativeRole:
        return row.negative;
    case SubtitleRole:
        return row.subtitle;
    case GlyphRole:
        return QString(AccountPresentation::typeGlyph(row.type));
    case TypeNameRole:
        return AccountPresentation::typeName(row.type);
    default:
        return {};
    }
}

Qt::ItemFlags AccountListModel::flags(const QModelIndex &index) const {
    // Rows are dragged and dropped between others, never onto one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return QAbstractListModel::flags(index) | Qt::ItemIsDragEnabled;
}

Qt::DropActions AccountListModel::supportedDropActions() const {
    return Qt::MoveAction;
}

bool AccountListModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                                const QModelIndex &destinationParent, int destinationChild) {
    const int rows = int(m_rows.size());
    if (sourceParent.isValid() || destinationParent.isValid() || count < 1 || sourceRow < 0
        || sourceRow + count > rows || destinationChild < 0 || destinationChild > rows)
        return false;
    if (destinationChild >= sourceRow && destinationChild <= sourceRow + count)
        return false;
    if (!beginMoveRows(QModelIndex(), sourceRow, sourceRow + count - 1, QModelIndex(),
                       destinationChild))
        return false;
    const QList<Row> moved = m_rows.mid(sourceRow, count);
    m_rows.remove(sourceRow, count);
    const int at = destinationChild > sourceRow ? destinationChild - count : destinationChild;
    for (int i = 0; i < count; ++i)
        m_rows.insert(at + i, moved.at(i));
    endMoveRows();
    Q_EMIT reordered(ids());
    return true;
}
