// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/accountrepository.h"

#include "storage/database.h"
#include "storage/transactionscope.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QtNumeric>

#include <limits>

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

Currency AccountRepository::currencyOf(const QString &id) const {
    const std::optional<Account> account = findById(id);
    return account ? account->currency : Currency::USD;
}

QList<Account> AccountRepository::findDeleted() const {
    return readList<Account>(select("WHERE deleted_at IS NOT NULL ORDER BY name"), {}, readAccount);
}

QList<Account> AccountRepository::findPending() const {
    return readList<Account>(select("WHERE sync_status = 'pending'"), {}, readAccount);
}

QHash<QString, qint64> AccountRepository::balances(QStringList *unsummable) const {
    return readBalances(QString(), unsummable);
}

std::optional<qint64> AccountRepository::balance(const QString &accountId) const {
    if (accountId.isEmpty())
        return std::nullopt;
    const QHash<QString, qint64> found = readBalances(accountId, nullptr);
    const auto balance = found.constFind(accountId);
    if (balance == found.constEnd())
        return std::nullopt;
    return *balance;
}

QHash<QString, qint64> AccountRepository::readBalances(const QString &accountId,
                                                       QStringList *unsummable) const {
    QHash<QString, qint64> result;
    QStringList failed;
    const auto add = [&](const QString &id, qint64 start, qint64 total) {
        qint64 balance = 0;
        if (!qAddOverflow(start, total, &balance))
            result.insert(id, balance);
        else
            failed.append(id);
    };

    // The totals table is kept by triggers; a total that is not an integer overflowed and is
    // added up again here, so that a later delete of the huge rows shows the right balance.
    QList<QPair<QString, qint64>> toSum;
    QString sql = QStringLiteral(
        "SELECT a.id, a.starting_balance, t.total, typeof(t.total) FROM accounts a "
        "LEFT JOIN account_live_totals t ON t.account_id = a.id WHERE a.deleted_at IS NULL");
    QVariantList values;
    if (!accountId.isEmpty()) {
        sql += QStringLiteral(" AND a.id = ?");
        values << accountId;
    }
    const bool read = forEachRow(sql, values, [&](RowReader &row) {
        const QString id = row.text();
        const qint64 start = row.money();
        const qint64 total = row.money();
        if (row.text() == QLatin1String("real"))
            toSum.append({id, start});
        else
            add(id, start, total);
    });
    if (!read)
        logFailure("balances", QStringLiteral("the totals could not be read"));
    for (const auto &[id, start] : std::as_const(toSum)) {
        QSqlQuery *sum
            = run(QStringLiteral("SELECT SUM(amount) FROM transactions WHERE account_id = ? AND "
                                 "deleted_at IS NULL"),
                  {id}, "balances");
        if (sum && sum->next()) {
            const qint64 total = sum->value(0).toLongLong();
            sum->finish();
            add(id, start, total);
            write(QStringLiteral("UPDATE account_live_totals SET total = ? WHERE account_id = ?"),
                  {total, id}, "balances");
        } else {
            if (sum) {
                logFailure("balances", sum->lastError().text());
                sum->finish();
            }
            failed.append(id);
        }
    }
    if (unsummable)
        *unsummable = failed;
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
