// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/database.h"
#include "storage/transaction.h"

#include <QObject>
#include <QString>

#include <optional>

class AppState;
class QStandardItemModel;
class QStringListModel;

// What the register's editors complete from and fill in: the payees, the categories as the
// pickers name them, and a payee's last transaction. All editors share the lists, read again
// only when something was written since, not for every editor that opens.
class RegisterCompletions : public QObject {
    Q_OBJECT

public:
    explicit RegisterCompletions(AppState *state, QObject *parent = nullptr);

    // The account being typed into: its own name is no transfer target.
    void setAccountId(const QString &accountId);

    // The payees of every account, then "[Transfer] NAME" for each other account.
    QStringListModel *payees();
    // An empty first row (no category), then one per category: "Parent > Child" or the name,
    // the id under Qt::UserRole.
    QStandardItemModel *categories();
    // The text a category is offered under; empty when it is no longer among them.
    QString categoryText(const QString &id);

    // The latest transaction of the account with exactly this payee.
    std::optional<Transaction> lastByPayee(const QString &payee) const;

private:
    void refreshPayees();
    void refreshCategories();

    AppState *m_state; // Not owned.
    QString m_accountId;
    QStringListModel *m_payees;       // Owned (Qt child).
    QStandardItemModel *m_categories; // Owned (Qt child).
    // The database as the lists were read from it; any write since reads them again.
    Database::WriteMark m_payeesReadAt;
    Database::WriteMark m_categoriesReadAt;
};
