// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registermodel.h"

#include "app/thememanager.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "ui/common/styles.h"
#include "ui/presentation/amountinput.h"
#include "ui/presentation/dateinput.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QMetaObject>

namespace {

// Rows read around the one asked for: a screenful and some, more below than above, since a
// view asks for its rows from the top.
constexpr int kRowsAbove = 32;
constexpr int kRowsPerRead = 128;

QFont monospaceFont() {
    QFont font(QStringLiteral("monospace"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(QApplication::font().pointSizeF());
    return font;
}

Qt::Alignment alignmentOf(int column) {
    switch (column) {
    case RegisterModel::PaymentColumn:
    case RegisterModel::DepositColumn:
    case RegisterModel::BalanceColumn:
        return Qt::AlignRight | Qt::AlignVCenter;
    case RegisterModel::ClrColumn:
        return Qt::AlignCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent) {
    clearEntry();
}

int RegisterModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : int(m_slots.size()) + 1;
}

int RegisterModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

int RegisterModel::newEntryRow() const {
    return m_newestFirst ? 0 : int(m_slots.size());
}

int RegisterModel::dataRow(int modelRow) const {
    const int row = m_newestFirst ? modelRow - 1 : modelRow;
    return row >= 0 && row < m_slots.size() ? row : -1;
}

int RegisterModel::modelRow(int dataRow) const {
    return m_newestFirst ? dataRow + 1 : dataRow;
}

const RegisterRow *RegisterModel::rowAt(int modelRow) const {
    const int row = dataRow(modelRow);
    return row < 0 ? nullptr : loadedRow(row);
}

RegisterRow *RegisterModel::loadedRow(int dataRow) const {
    if (!m_loaded[dataRow])
        readAround(dataRow);
    if (!m_loaded[dataRow]) {
        // Gone since the register was opened: a blank, read-only stand-in until the rows are
        // read again.
        m_loaded[dataRow] = std::make_unique<RegisterRow>();
        m_loaded[dataRow]->rowId = m_slots.at(dataRow).rowId;
        if (!std::exchange(m_outdatedNoted, true))
            QMetaObject::invokeMethod(const_cast<RegisterModel *>(this),
                                      &RegisterModel::rowsOutdated, Qt::QueuedConnection);
    }
    RegisterRow *row = m_loaded[dataRow].get();
    row->runningBalance = m_slots.at(dataRow).balance;
    return row;
}

void RegisterModel::readAround(int dataRow) const {
    if (!m_source)
        return;
    const int first = qMax(0, dataRow - kRowsAbove);
    const int end = qMin(int(m_slots.size()), first + kRowsPerRead);
    QList<qint64> wanted;
    QHash<qint64, int> positions;
    for (int i = first; i < end; ++i) {
        if (m_loaded[i])
            continue;
        wanted.append(m_slots.at(i).rowId);
        positions.insert(m_slots.at(i).rowId, i);
    }
    const QList<RegisterRow> rows = m_source->registerRowsById(m_sourceAccountId, wanted);
    for (const RegisterRow &row : rows) {
        const auto at = positions.constFind(row.rowId);
        if (at != positions.constEnd())
            m_loaded[*at] = std::make_unique<RegisterRow>(row);
    }
}

int RegisterModel::rowOfId(const QString &id) const {
    if (id.isEmpty())
        return -1;
    for (size_t i = 0; i < m_loaded.size(); ++i) {
        if (m_loaded[i] && m_loaded[i]->transaction.id == id)
            return modelRow(int(i));
    }
    const qint64 rowId = m_source ? m_source->rowIdOf(id) : 0;
    if (rowId == 0)
        return -1;
    for (int i = 0; i < m_slots.size(); ++i) {
        if (m_slots.at(i).rowId == rowId)
            return modelRow(i);
    }
    return -1;
}

bool RegisterModel::isReadOnlyRow(int modelRow) const {
    const RegisterRow *row = rowAt(modelRow);
    return row && row->transaction.id.isEmpty();
}

void RegisterModel::setCurrency(Currency currency) {
    if (currency == m_currency)
        return;
    m_currency = currency;
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0, PaymentColumn), index(rowCount() - 1, BalanceColumn),
                           {Qt::DisplayRole, Qt::EditRole});
}

QString RegisterModel::amountText(qint64 amount) const {
    return AmountInput::toText(amount, m_currency);
}

QString RegisterModel::dateText(const QDate &date) {
    return DateInput::format(date);
}

QDate RegisterModel::parseDateText(const QString &text) {
    return DateInput::parse(text, QDate());
}

QString RegisterModel::bufferText(int column) const {
    switch (column) {
    case DateColumn:
        return m_buffer.date;
    case CheckColumn:
        return m_buffer.checkNumber;
    case PayeeColumn:
        return m_buffer.payee;
    case CategoryColumn:
        return m_buffer.categoryText;
    case MemoColumn:
        return m_buffer.memo;
    case PaymentColumn:
        return m_buffer.payment;
    case DepositColumn:
        return m_buffer.deposit;
    case ClrColumn:
        return m_buffer.clr;
    default:
        return QString();
    }
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const int row = index.row();
    const int column = index.column();
    const bool isNew = isNewEntryRow(row);
    const bool isEdited = !isNew && row == m_editingRow;
    const RegisterRow *stored = rowAt(row);

    if (role == IsNewEntryRole)
        return isNew;
    if (role == IsReadOnlyRole)
        return isReadOnlyRow(row);
    if (role == TransactionIdRole)
        return stored ? stored->transaction.id : QString();
    if (role == AmountRole)
        return stored ? QVariant(stored->transaction.amount) : QVariant();
    if (role == RunningBalanceRole)
        return stored ? QVariant(stored->runningBalance) : QVariant();

    const bool fromBuffer = (isEdited || (isNew && m_editingRow < 0)) && column < BalanceColumn;
    if (role == CategoryIdRole)
        return fromBuffer ? m_buffer.categoryId
               : stored   ? stored->transaction.categoryId
                          : QString();
    if (fromBuffer && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        const QString text = bufferText(column);
        if (isNew && role == Qt::DisplayRole && text.isEmpty())
            return headerData(column, Qt::Horizontal, Qt::DisplayRole);
        return text;
    }
    if (isNew) {
        if (role == Qt::ForegroundRole && m_editingRow < 0 && column < BalanceColumn
            && bufferText(column).isEmpty())
            return QColor(Styles::mutedColour());
        if (role == Qt::BackgroundRole && !m_twoLine)
            return Styles::entryRowColour();
        return QVariant();
    }
    if (isEdited && role == Qt::BackgroundRole && !m_twoLine)
        return Styles::entryRowColour();
    if (!stored)
        return QVariant();
    const Transaction &t = stored->transaction;

    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (column) {
        case DateColumn:
            return dateText(t.date);
        case CheckColumn:
            return t.checkNumber;
        case PayeeColumn:
            return t.payee;
        case CategoryColumn:
            return t.isSplit ? tr("(split)") : stored->categoryName;
        case MemoColumn:
            return t.memo;
        case PaymentColumn:
            return t.amount < 0 ? amountText(-t.amount) : QString();
        case DepositColumn:
            return t.amount >= 0 ? amountText(t.amount) : QString();
        case ClrColumn:
            return t.reconciled ? QStringLiteral("R") : t.cleared ? QStringLiteral("C") : QString();
        case BalanceColumn:
            return amountText(stored->runningBalance);
        }
        return QVariant();
    case Qt::FontRole:
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn)
            return monospaceFont();
        return QVariant();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(column));
    case Qt::ForegroundRole:
        if (column == MemoColumn || column == ClrColumn)
            return QColor(Styles::mutedColour());
        if (column == DepositColumn && t.amount >= 0)
            return Styles::positiveColour();
        if (column == PaymentColumn)
            return Styles::negativeColour();
        if (column == BalanceColumn && stored->runningBalance < 0)
            return Styles::negativeColour();
        return QVariant();
    case Qt::ToolTipRole:
        if (t.id.isEmpty() && stored->rowId == 0)
            return tr("The opening balance is the account's starting balance; change it with "
                      "Account > Edit.");
        return QVariant();
    default:
        return QVariant();
    }
}

bool RegisterModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !checkIndex(index, CheckIndexOption::IndexIsValid)
        || index.column() >= BalanceColumn)
        return false;
    setBufferField(index.column(), value.toString());
    return true;
}

void RegisterModel::setBufferField(int column, const QString &text) {
    if (column >= DateColumn && column < BalanceColumn && bufferText(column) != text)
        m_dirty = true;
    switch (column) {
    case DateColumn:
        m_buffer.date = text;
        break;
    case CheckColumn:
        m_buffer.checkNumber = text;
        break;
    case PayeeColumn:
        m_buffer.payee = text;
        break;
    case CategoryColumn:
        // Typed text names a category afresh; the id is looked up again on save.
        if (text != m_buffer.categoryText)
            m_buffer.categoryId.clear();
        m_buffer.categoryText = text;
        break;
    case MemoColumn:
        m_buffer.memo = text;
        break;
    case PaymentColumn:
        m_buffer.payment = text;
        break;
    case DepositColumn:
        m_buffer.deposit = text;
        break;
    case ClrColumn:
        m_buffer.clr = text;
        break;
    default:
        return;
    }
    const int row = m_editingRow >= 0 ? m_editingRow : newEntryRow();
    const QModelIndex changed = index(row, column);
    Q_EMIT dataChanged(changed, changed);
}

void RegisterModel::setCategory(const QString &text, const QString &id) {
    if (text != m_buffer.categoryText || id != m_buffer.categoryId)
        m_dirty = true;
    m_buffer.categoryText = text;
    m_buffer.categoryId = id;
    emitRowChanged(m_editingRow >= 0 ? m_editingRow : newEntryRow());
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const int row = index.row();
    if (index.column() != BalanceColumn && !isReadOnlyRow(row)
        && (isNewEntryRow(row) || row == m_editingRow))
        result |= Qt::ItemIsEditable;
    return result;
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case DateColumn:
        return tr("Date");
    case CheckColumn:
        return tr("Chk #");
    case PayeeColumn:
        return m_twoLine ? tr("Payee / Memo") : tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return tr("Payment");
    case DepositColumn:
        return tr("Deposit");
    case ClrColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return QVariant();
    }
}

void RegisterModel::setRows(const QList<RegisterRow> &rows, bool newestFirst) {
    QList<Slot> order;
    order.reserve(rows.size());
    LoadedRows loaded;
    loaded.reserve(rows.size());
    for (const RegisterRow &row : rows) {
        order.append({row.rowId, row.runningBalance});
        loaded.push_back(std::make_unique<RegisterRow>(row));
    }
    replaceRows(std::move(order), std::move(loaded), nullptr, QString(), newestFirst);
}

void RegisterModel::setRows(const RegisterEntries &entries, const TransactionRepository *source,
                            bool newestFirst) {
    const qsizetype count = entries.rowIds.size() + (entries.opening ? 1 : 0);
    QList<Slot> order;
    order.reserve(count);
    LoadedRows loaded;
    loaded.resize(size_t(count));
    if (entries.opening) {
        order.append({0, entries.opening->runningBalance});
        loaded.front() = std::make_unique<RegisterRow>(*entries.opening);
    }
    for (qsizetype i = 0; i < entries.rowIds.size(); ++i)
        order.append({entries.rowIds.at(i), entries.balances.at(i)});
    if (newestFirst) {
        std::reverse(order.begin(), order.end());
        std::reverse(loaded.begin(), loaded.end());
    }
    replaceRows(std::move(order), std::move(loaded), source, entries.accountId, newestFirst);
}

void RegisterModel::replaceRows(QList<Slot> order, LoadedRows loaded,
                                const TransactionRepository *source, const QString &sourceAccountId,
                                bool newestFirst) {
    QString editedId;
    if (const RegisterRow *edited = m_editingRow >= 0 ? rowAt(m_editingRow) : nullptr)
        editedId = edited->transaction.id;
    const bool wasEditingRow = m_editingRow >= 0;

    beginResetModel();
    m_patchedAt = {};
    m_slots = std::move(order);
    m_loaded = std::move(loaded);
    m_source = source;
    m_sourceAccountId = sourceAccountId;
    m_outdatedNoted = false;
    m_newestFirst = newestFirst;
    m_editingRow = -1;
    if (wasEditingRow) {
        m_editingRow = rowOfId(editedId);
        // The row being edited was deleted elsewhere: what was typed for it has nowhere to go.
        if (m_editingRow < 0)
            clearEntry();
    }
    endResetModel();
}

bool RegisterModel::updateRow(const RegisterRow &row) {
    m_patchedAt = {};
    const int model = rowOfId(row.transaction.id);
    const int data = dataRow(model);
    // A row never read has no amount to take the change from: read again instead.
    if (data < 0 || !m_loaded[size_t(data)])
        return false;
    const RegisterRow *stored = loadedRow(data);
    if (stored->transaction.date != row.transaction.date)
        return false;
    const qint64 delta = row.transaction.amount - stored->transaction.amount;
    auto updated = std::make_unique<RegisterRow>(row);
    updated->rowId = stored->rowId;
    m_loaded[size_t(data)] = std::move(updated);
    m_slots[data].balance += delta;
    loadedRow(data);
    Q_EMIT dataChanged(index(model, 0), index(model, ColumnCount - 1));
    if (delta == 0)
        return true;
    // The rows after it in time: below it, or above it when the newest come first. Rows not
    // read yet take their balance from the slot when they are.
    const int first = m_newestFirst ? 0 : data + 1;
    const int last = m_newestFirst ? data - 1 : int(m_slots.size()) - 1;
    for (int i = first; i <= last; ++i)
        m_slots[i].balance += delta;
    if (first <= last)
        Q_EMIT dataChanged(index(modelRow(first), BalanceColumn),
                           index(modelRow(last), BalanceColumn));
    return true;
}

bool RegisterModel::appendRow(const RegisterRow &row) {
    m_patchedAt = {};
    if (m_slots.isEmpty())
        return false;
    const int newestAt = m_newestFirst ? 0 : int(m_slots.size()) - 1;
    const RegisterRow *newest = loadedRow(newestAt);
    // The opening-balance row takes its date from the earliest transaction: with nothing but
    // that row the whole register is read again.
    if (newest->transaction.id.isEmpty() || row.transaction.date < newest->transaction.date)
        return false;
    const Slot added{row.rowId, m_slots.at(newestAt).balance + row.transaction.amount};
    auto addedRow = std::make_unique<RegisterRow>(row);
    addedRow->runningBalance = added.balance;
    if (m_newestFirst) {
        beginInsertRows(QModelIndex(), 1, 1);
        m_slots.prepend(added);
        m_loaded.insert(m_loaded.begin(), std::move(addedRow));
        if (m_editingRow >= 1)
            ++m_editingRow;
    } else {
        const int at = int(m_slots.size());
        beginInsertRows(QModelIndex(), at, at);
        m_slots.append(added);
        m_loaded.push_back(std::move(addedRow));
    }
    endInsertRows();
    return true;
}

void RegisterModel::notePatched(const Database::WriteMark &before,
                                const Database::WriteMark &after) {
    // Another program's commit since the save began is not in the rows.
    m_patchedAt = before.dataVersion == after.dataVersion ? after : Database::WriteMark();
}

void RegisterModel::setTwoLine(bool twoLine) {
    if (m_twoLine == twoLine)
        return;
    m_twoLine = twoLine;
    Q_EMIT headerDataChanged(Qt::Horizontal, PayeeColumn, PayeeColumn);
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void RegisterModel::setEditingRow(int modelRow) {
    const int old = m_editingRow;
    m_editingRow = (modelRow >= 0 && rowAt(modelRow)) ? modelRow : -1;
    emitRowChanged(old >= 0 ? old : newEntryRow());
    emitRowChanged(m_editingRow >= 0 ? m_editingRow : newEntryRow());
}

void RegisterModel::emitRowChanged(int modelRow) {
    if (modelRow < 0 || modelRow >= rowCount())
        return;
    Q_EMIT dataChanged(index(modelRow, 0), index(modelRow, ColumnCount - 1));
}

bool RegisterModel::hasTypedText() const {
    return !(m_buffer.checkNumber.isEmpty() && m_buffer.payee.isEmpty() && m_buffer.memo.isEmpty()
             && m_buffer.categoryText.isEmpty() && m_buffer.payment.isEmpty()
             && m_buffer.deposit.isEmpty() && m_buffer.clr.isEmpty());
}

void RegisterModel::clearEntry() {
    m_buffer = EditBuffer();
    m_dirty = false;
    m_buffer.date = m_lastDateUsed.isEmpty() ? dateText(QDate::currentDate()) : m_lastDateUsed;
    emitRowChanged(m_editingRow >= 0 ? m_editingRow : newEntryRow());
}

void RegisterModel::loadEntry(int modelRow) {
    const RegisterRow *row = rowAt(modelRow);
    if (!row)
        return;
    m_buffer = RegisterEntry::textOf(*row, m_currency);
    m_dirty = false;
}

qint64 RegisterModel::endingBalance(qint64 startingBalance) const {
    if (m_slots.isEmpty())
        return startingBalance;
    return m_newestFirst ? m_slots.first().balance : m_slots.last().balance;
}
