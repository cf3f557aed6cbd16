// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"

#include <QAbstractListModel>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

// The live accounts as the sidebar lists them, in the order given, each with its balance.
// New data is merged row by row: a changed account changes its own row, an added or removed
// one inserts or removes just that row, a new order moves rows. Never a reset, so that the
// view keeps its selection, scroll position and hover while sync and edits come in.
class AccountListModel : public QAbstractListModel {
    Q_OBJECT

public:
    enum Role {
        // The account id; Qt::UserRole, where the sidebar always kept it.
        IdRole = Qt::UserRole,
        // The balance formatted in the account's currency.
        BalanceTextRole,
        // Whether the balance is below zero.
        NegativeRole,
        // The institution or type, with the masked account number.
        SubtitleRole,
        // The "Material Icons" glyph of the account's type, and the type's name.
        GlyphRole,
        TypeNameRole,
    };

    explicit AccountListModel(QObject *parent = nullptr);

    // Merges the accounts (in sidebar order) with their balances, keyed by id; an account
    // missing from balances shows its starting balance.
    void setAccounts(const QList<Account> &accounts, const QHash<QString, qint64> &balances);

    QStringList ids() const;
    int rowOf(const QString &accountId) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    // A row moved by a person (a drop in the view); announced by reordered.
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;

Q_SIGNALS:
    // A person put the rows in a new order: the ids as they now stand. Moves made by
    // setAccounts follow the stored order and are not announced.
    void reordered(const QStringList &ids);

private:
    struct Row {
        QString id;
        QString name;
        QString balanceText;
        bool negative = false;
        QString subtitle;
        AccountType type = AccountType::Other;

        bool operator==(const Row &other) const;
        bool operator!=(const Row &other) const { return !(*this == other); }
    };

    QList<Row> m_rows;
};
