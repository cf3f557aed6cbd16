// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"
#include "storage/transaction.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

#include <vector>

// The unreconciled rows of one account with the tick of each. The ticks live here, one byte
// a row, and the cleared sums follow each tick, so that an account with a hundred thousand
// open rows ticks without recounting them.
class ReconciliationModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { TickColumn = 0, DateColumn, PayeeColumn, AmountColumn, ClrColumn, ColumnCount };
    enum Role { TransactionIdRole = Qt::UserRole + 1 };

    explicit ReconciliationModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Replaces the rows. A row that was shown before keeps its tick; a new one starts ticked
    // when it is cleared.
    void setRows(QList<Transaction> rows);
    // Forgets every tick, for another account.
    void clear();
    void setCurrency(Currency currency);

    const Transaction &transactionAt(int row) const { return m_rows.at(row); }
    bool isTicked(int row) const { return m_ticked.at(size_t(row)) != 0; }
    void setTicked(int row, bool ticked);
    void toggle(int row);
    QList<Transaction> tickedTransactions() const;
    int rowOfId(const QString &id) const;

    // Sums of the ticked rows: money in (>= 0) and money out (negative).
    qint64 clearedDeposits() const { return m_deposits; }
    qint64 clearedWithdrawals() const { return m_withdrawals; }

Q_SIGNALS:
    // A tick changed, by the user or by setTicked.
    void tickedChanged();

private:
    void count(int row, int sign);

    QList<Transaction> m_rows;
    std::vector<char> m_ticked; // Parallel to m_rows.
    Currency m_currency = Currency::USD;
    qint64 m_deposits = 0;
    qint64 m_withdrawals = 0;
};
