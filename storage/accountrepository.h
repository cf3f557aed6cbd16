// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"
#include "storage/repository.h"

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

class AccountRepository : public Repository {
    Q_OBJECT

public:
    explicit AccountRepository(Database *database, QObject *parent = nullptr);

    // Live accounts by sort order, then name (binary collation).
    QList<Account> findAll() const;
    // Also soft-deleted accounts.
    std::optional<Account> findById(const QString &id) const;
    // The currency amounts of the account are kept in; USD for an unknown account, as for a
    // new one.
    Currency currencyOf(const QString &id) const;
    QList<Account> findDeleted() const;
    // Every pending row, soft-deleted ones included, so that deletions reach the server.
    QList<Account> findPending() const;
    // The balance of every live account: its starting balance plus the sum of its live
    // transactions, keyed by account id. One aggregate query, for the sidebar. An account
    // whose total does not fit in 64 bits is left out and its id put in unsummable, so that
    // no caller shows it as zero.
    QHash<QString, qint64> balances(QStringList *unsummable = nullptr) const;
    // The same for one account, reading only its row: nothing when it is deleted or unknown,
    // or when its total does not fit in 64 bits.
    std::optional<qint64> balance(const QString &accountId) const;

    bool insert(const Account &account);
    bool update(const Account &account);
    // stamp: the deletion time to write, now when not valid.
    bool softDelete(const QString &id, const QDateTime &stamp = {});
    bool restore(const QString &id);
    // (account id, sort order) pairs, in one database transaction. Changes neither version
    // nor sync status, so a new order alone is not sent to the server.
    bool updateSortOrder(const QList<QPair<QString, int>> &order);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    static Account readAccount(RowReader &row);

Q_SIGNALS:
    void accountsChanged();

protected:
    void announceChange(const QString &accountId) override;

private:
    static QVariantList ownFields(const Account &account);
    // balances(), of every live account or, with an id, of that one only.
    QHash<QString, qint64> readBalances(const QString &accountId, QStringList *unsummable) const;
};
