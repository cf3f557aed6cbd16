// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

class AccountRepository;

// The recurring rules as a table, one row per rule in the order given.
class RecurringModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        AccountColumn,
        PayeeColumn,
        AmountColumn,
        FrequencyColumn,
        NextDueColumn,
        AutoColumn,
        StatusColumn,
        ColumnCount
    };

    explicit RecurringModel(AccountRepository *accounts, QObject *parent = nullptr);

    // Replaces the rules; account names are looked up afresh.
    void setRules(const QList<RecurringTransaction> &rules);
    // Null for a row out of range.
    const RecurringTransaction *ruleAt(int row) const;
    // Active with its next due date today or earlier.
    static bool isDue(const RecurringTransaction &rule, const QDate &today = QDate::currentDate());

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QString accountName(const QString &accountId) const;

    AccountRepository *m_accounts; // Not owned.
    QList<RecurringTransaction> m_rules;
    mutable QHash<QString, QString> m_accountNames;       // Filled on demand.
    mutable QHash<QString, Currency> m_accountCurrencies; // Filled with the names.
};
