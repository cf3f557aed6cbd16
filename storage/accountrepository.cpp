// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"

#include "storage/database.h"
#include "storage/transactionscope.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, "
    "sort_order, is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at");
const QString kTable = QStringLiteral("accounts");

QString select(const char *rest) {
    return QStringLiteral("SELECT %1 FROM accounts ").arg(kColumns) + QLatin1String(rest);
}

} // namespace

AccountRepository::AccountRepository(Database *database, QObject *parent)
    : Repository(database, kTable, parent) {}

// The columns that insert and update both write, in statement order.
QVariantList AccountRepository::ownFields(const Account &a) {
    return {a.name,
            accountTypeToString(a.type),
            currencyToString(a.currency),
            a.institution,
            a.accountNumberLast4,
            a.startingBalance,
            a.sortOrder,
            flag(a.isShared)};
}

Account AccountRepository::readAccount(RowReader &row) {
    Account a;
    a.id = row.text();
    a.name = row.text();
    a.type = accountTypeFromString(row.text());
    a.currency = currencyFromString(row.text());
    a.institution = row.text();
    a.accountNumberLast4 = row.text();
    a.startingBalance = row.money();
    a.sortOrder = row.number();
    a.isShared = row.flag();
    row.readBookkeeping(a);
    return a;
}

QList<Account> AccountRepository::findAll() const {
    return readList<Account>(select("WHERE deleted_at IS NULL ORDER BY sort_order, name"), {},
                             readAccount);
}

std::optional<Account> AccountRepository::findById(const QString &id) const {
    return readFirst<Account>(select("WHERE id = ?"), {id}, readAccount);
}

QList<Account> AccountRepository::findDeleted() const {
    return readList<Account>(select("WHERE deleted_at IS NOT NULL ORDER BY name"), {}, readAccount);
}

QList<Account> AccountRepository::findPending() const {
    return readList<Account>(select("WHERE sync_status = 'pending'"), {}, readAccount);
}

QHash<QString, qint64> AccountRepository::balances() const {
    QHash<QString, qint64> result;
    forEachRow(
        QStringLiteral("SELECT a.id, a.starting_balance + COALESCE((SELECT SUM(t.amount) FROM "
                       "transactions t WHERE t.account_id = a.id AND t.deleted_at IS NULL), 0) "
                       "FROM accounts a WHERE a.deleted_at IS NULL"),
        {}, [&](RowReader &row) {
            const QString id = row.text();
            result.insert(id, row.money());
        });
    return result;
}

bool AccountRepository::insert(const Account &a) {
    return change(
        QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, institution, "
                       "account_number_last4, starting_balance, sort_order, is_shared, version, "
                       "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?)"),
        QVariantList{a.id} + ownFields(a) + insertBookkeeping(a), "insert");
}

bool AccountRepository::update(const Account &a) {
    return change(
        QStringLiteral("UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, "
                       "account_number_last4=?, starting_balance=?, sort_order=?, is_shared=?, "
                       "version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        ownFields(a) + updateBookkeeping(a), "update");
}

bool AccountRepository::softDelete(const QString &id, const QDateTime &stamp) {
    return softDeleteRow(kTable, id, "softDelete", QString(), stamp);
}

bool AccountRepository::restore(const QString &id) {
    return change(QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', "
                                 "updated_at=? WHERE id=?"),
                  {nowText(), id}, "restore");
}

bool AccountRepository::updateSortOrder(const QList<QPair<QString, int>> &order) {
    TransactionScope scope(database());
    if (!scope.isOpen())
        return false;
    for (const auto &[id, sortOrder] : order) {
        if (!write(QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"),
                   {sortOrder, nowText(), id}, nullptr))
            return false;
    }
    noteChange();
    return scope.commit();
}

bool AccountRepository::markSynced(const QString &id, const QString &serverId) {
    return markSyncedRow(kTable, id, serverId);
}

int AccountRepository::markAllPendingForResync() {
    return markAllPendingRows(kTable);
}

void AccountRepository::announceChange(const QString &) {
    Q_EMIT accountsChanged();
}
