// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/recurringrepository.h"

#include "storage/storagelog.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, "
    "next_due_date, auto_post, is_active, transfer_dest_account_id, version, sync_status, "
    "server_id, created_at, updated_at, deleted_at");
const QString kTable = QStringLiteral("recurring_transactions");

QString select(const char *rest) {
    return QStringLiteral("SELECT %1 FROM recurring_transactions ").arg(kColumns)
           + QLatin1String(rest);
}

} // namespace

RecurringRepository::RecurringRepository(Database *database, QObject *parent)
    : Repository(database, kTable, parent) {}

// The columns that insert and update both write, in statement order. An empty category and
// an absent end date are NULL.
QVariantList RecurringRepository::ownFields(const RecurringTransaction &r) {
    return {r.payee,
            r.memo,
            r.amount,
            textOrNull(r.categoryId),
            frequencyToString(r.frequency),
            date(r.startDate),
            r.endDate ? date(*r.endDate) : QVariant(),
            date(r.nextDueDate),
            flag(r.autoPost),
            flag(r.isActive),
            r.transferDestAccountId};
}

RecurringTransaction RecurringRepository::readRule(RowReader &row) {
    RecurringTransaction r;
    r.id = row.text();
    r.accountId = row.text();
    r.payee = row.text();
    r.memo = row.text();
    r.amount = row.money();
    r.categoryId = row.text();
    r.frequency = frequencyFromString(row.text());
    r.startDate = row.date();
    r.endDate = row.optionalDate();
    r.nextDueDate = row.date();
    r.autoPost = row.flag();
    r.isActive = row.flag();
    r.transferDestAccountId = row.text();
    row.readBookkeeping(r);
    return r;
}

QList<RecurringTransaction> RecurringRepository::findAll() const {
    return readList<RecurringTransaction>(select("WHERE deleted_at IS NULL ORDER BY next_due_date"),
                                          {}, readRule);
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString &id) const {
    return readFirst<RecurringTransaction>(select("WHERE id = ?"), {id}, readRule);
}

QList<RecurringTransaction> RecurringRepository::findDue() const {
    return readList<RecurringTransaction>(
        select("WHERE deleted_at IS NULL AND is_active = 1 AND next_due_date <= ?"),
        {date(QDate::currentDate())}, readRule);
}

QList<RecurringTransaction> RecurringRepository::findPending() const {
    return readList<RecurringTransaction>(select("WHERE sync_status = 'pending'"), {}, readRule);
}

QDate RecurringRepository::lastPostedDate(const QString &ruleId) const {
    const std::optional<QDate> latest = readFirst<QDate>(
        QStringLiteral("SELECT MAX(date) FROM transactions WHERE recurring_id = ?"), {ruleId},
        [](RowReader &row) { return row.date(); });
    return latest.value_or(QDate());
}

bool RecurringRepository::isBrokenDueDate(const QDate &date) {
    return !date.isValid() || date < QDate(2000, 1, 1);
}

void RecurringRepository::warnIfBroken(const RecurringTransaction &rule,
                                       const char *operation) const {
    if (!isBrokenDueDate(rule.nextDueDate))
        return;
    qCWarning(lcStorage).noquote()
        << QStringLiteral("RecurringRepository::%1").arg(QLatin1String(operation))
        << "saving recurring with broken nextDueDate:" << QStringLiteral("id=%1").arg(rule.id)
        << QStringLiteral("payee=%1").arg(rule.payee)
        << QStringLiteral("nextDueDate=%1").arg(Timestamps::dateToText(rule.nextDueDate))
        << QStringLiteral("startDate=%1").arg(Timestamps::dateToText(rule.startDate))
        << QStringLiteral("frequency=%1").arg(static_cast<int>(rule.frequency));
}

bool RecurringRepository::insert(const RecurringTransaction &r) {
    warnIfBroken(r, "insert");
    return change(
        QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, "
                       "category_id, frequency, start_date, end_date, next_due_date, auto_post, "
                       "is_active, transfer_dest_account_id, version, sync_status, server_id, "
                       "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?, ?, ?)"),
        QVariantList{r.id, r.accountId} + ownFields(r) + insertBookkeeping(r), "insert");
}

bool RecurringRepository::update(const RecurringTransaction &r) {
    warnIfBroken(r, "update");
    return change(
        QStringLiteral("UPDATE recurring_transactions SET payee=?, memo=?, amount=?, "
                       "category_id=?, frequency=?, start_date=?, end_date=?, next_due_date=?, "
                       "auto_post=?, is_active=?, transfer_dest_account_id=?, version=?, "
                       "sync_status=?, server_id=?, updated_at=? WHERE id=?"),
        ownFields(r) + updateBookkeeping(r), "update");
}

bool RecurringRepository::softDelete(const QString &id) {
    return softDeleteRow(kTable, id, nullptr);
}

bool RecurringRepository::deactivate(const QString &id) {
    return change(QStringLiteral("UPDATE recurring_transactions SET is_active=0, "
                                 "sync_status='pending', updated_at=? WHERE id=?"),
                  {nowText(), id}, "deactivate");
}

int RecurringRepository::softDeleteByAccount(const QString &accountId, const QDateTime &stamp) {
    return softDeleteAllOfAccount(kTable, accountId, stamp);
}

int RecurringRepository::restoreByAccount(const QString &accountId, const QDateTime &from,
                                          const QDateTime &to) {
    return restoreAllOfAccount(kTable, accountId, from, to);
}

bool RecurringRepository::markSynced(const QString &id, const QString &serverId) {
    return markSyncedRow(kTable, id, serverId);
}

int RecurringRepository::markAllPendingForResync() {
    return markAllPendingRows(kTable);
}

void RecurringRepository::announceChange(const QString &) {
    Q_EMIT recurringChanged();
}
