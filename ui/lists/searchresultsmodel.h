// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QString>

class RegisterModel;

// Search results as the register draws them (the same texts, colours, fonts and roles),
// taken from a register model that holds the found rows, with the account of each row
// beside its date. Leaves out what a search cannot give: the running balance, and the
// register's row for typing a new entry.
class SearchResultsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        DateColumn = 0,
        AccountColumn,
        CheckColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClrColumn,
        ColumnCount
    };

    // rows: the register model holding the found rows, oldest-first order off (not owned).
    explicit SearchResultsModel(RegisterModel *rows, QObject *parent = nullptr);

    // Account names by id, for the Account column.
    void setAccountNames(const QHash<QString, QString> &names);
    // The results come from accounts in different currencies: each amount is shown in its
    // own account's (USD for an account not named here).
    void setAccountCurrencies(const QHash<QString, Currency> &currencies);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The transaction id of a result row, or an empty text.
    QString transactionIdAt(int row) const;
    // The register column a result column shows (the payee's for the account column).
    static int registerColumn(int column);

private:
    RegisterModel *m_rows; // Not owned.
    QHash<QString, QString> m_accountNames;
    QHash<QString, Currency> m_accountCurrencies;
};
