// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/syncwire.h"

#include "storage/enums.h"
#include "storage/money.h"
#include "storage/timestamps.h"

#include <QJsonValue>

#include <cmath>
#include <limits>

const QString SyncWire::AccountEntity = QStringLiteral("account");
const QString SyncWire::CategoryEntity = QStringLiteral("category");
const QString SyncWire::RecurringEntity = QStringLiteral("recurring");
const QString SyncWire::TransactionEntity = QStringLiteral("transaction");
const QString SyncWire::ReconciliationEntity = QStringLiteral("reconciliation");

namespace {

int wireFlag(bool value) {
    return value ? 1 : 0;
}

// Money travels as a JSON number of minor units; a double holds every amount a register can
// reach exactly (up to 2^53).
QJsonValue wireMoney(qint64 amount) {
    return QJsonValue(amount);
}

// The members every record ends with.
template<typename Record> void addBookkeeping(QJsonObject &payload, const Record &record) {
    payload.insert(QStringLiteral("created_at"), SyncWire::timestampText(record.createdAt));
    payload.insert(QStringLiteral("updated_at"), SyncWire::timestampText(record.updatedAt));
    if (record.deletedAt)
        payload.insert(QStringLiteral("deleted_at"), SyncWire::timestampText(*record.deletedAt));
}

template<typename Record> void addIdentity(QJsonObject &payload, const Record &record) {
    payload.insert(QStringLiteral("client_id"), record.id);
    if (!record.serverId.isEmpty())
        payload.insert(QStringLiteral("server_id"), record.serverId);
}

template<typename Record>
QJsonObject changeObject(const QString &entityType, const Record &record,
                         const QJsonObject &payload) {
    return QJsonObject{
        {QStringLiteral("entity_type"), entityType},
        {QStringLiteral("entity_id"), record.id},
        {QStringLiteral("action"),
         record.deletedAt ? QStringLiteral("delete") : QStringLiteral("upsert")},
        {QStringLiteral("version"), record.version},
        {QStringLiteral("payload"), payload},
    };
}

template<typename Record> void readBookkeeping(Record &record, const QJsonObject &json) {
    record.id = SyncWire::readText(json, QStringLiteral("client_id"));
    record.serverId = SyncWire::readText(json, QStringLiteral("id"));
    record.version = SyncWire::readInteger(json, QStringLiteral("version"));
    record.syncStatus = SyncStatus::Synced;
    record.createdAt = SyncWire::readTimestamp(json, QStringLiteral("created_at"));
    record.updatedAt = SyncWire::readTimestamp(json, QStringLiteral("updated_at"));
    if (SyncWire::isDeleted(json))
        record.deletedAt = SyncWire::readTimestamp(json, QStringLiteral("deleted_at"));
}

} // namespace

QString SyncWire::dateText(const QDate &date) {
    return Timestamps::dateToText(date);
}

QString SyncWire::timestampText(const QDateTime &timestamp) {
    return Timestamps::toText(timestamp);
}

QJsonObject SyncWire::payload(const Account &a) {
    QJsonObject p;
    addIdentity(p, a);
    p.insert(QStringLiteral("name"), a.name);
    p.insert(QStringLiteral("account_type"), accountTypeToString(a.type));
    p.insert(QStringLiteral("currency"), currencyToString(a.currency));
    p.insert(QStringLiteral("is_shared"), wireFlag(a.isShared));
    p.insert(QStringLiteral("institution"), a.institution);
    p.insert(QStringLiteral("account_number_last4"), a.accountNumberLast4);
    p.insert(QStringLiteral("starting_balance"), wireMoney(a.startingBalance));
    p.insert(QStringLiteral("sort_order"), a.sortOrder);
    p.insert(QStringLiteral("version"), a.version);
    addBookkeeping(p, a);
    return p;
}

QJsonObject SyncWire::payload(const Category &c) {
    QJsonObject p;
    addIdentity(p, c);
    p.insert(QStringLiteral("name"), c.name);
    p.insert(QStringLiteral("category_type"), categoryTypeToString(c.type));
    p.insert(QStringLiteral("parent_id"), c.parentId);
    p.insert(QStringLiteral("is_tax_relevant"), wireFlag(c.isTaxRelevant));
    p.insert(QStringLiteral("tax_category"), c.taxCategory);
    p.insert(QStringLiteral("icon"), c.icon);
    p.insert(QStringLiteral("color"), c.color);
    p.insert(QStringLiteral("is_default"), wireFlag(c.isDefault));
    p.insert(QStringLiteral("account_id"), c.accountId);
    p.insert(QStringLiteral("version"), c.version);
    addBookkeeping(p, c);
    return p;
}

QJsonObject SyncWire::payload(const RecurringTransaction &r) {
    QJsonObject p;
    addIdentity(p, r);
    p.insert(QStringLiteral("account_id"), r.accountId);
    p.insert(QStringLiteral("payee"), r.payee);
    p.insert(QStringLiteral("memo"), r.memo);
    p.insert(QStringLiteral("amount"), wireMoney(r.amount));
    p.insert(QStringLiteral("category_id"), r.categoryId);
    p.insert(QStringLiteral("transfer_dest_account_id"), r.transferDestAccountId);
    p.insert(QStringLiteral("frequency"), frequencyToString(r.frequency));
    p.insert(QStringLiteral("start_date"), dateText(r.startDate));
    if (r.endDate)
        p.insert(QStringLiteral("end_date"), dateText(*r.endDate));
    p.insert(QStringLiteral("next_due_date"), dateText(r.nextDueDate));
    p.insert(QStringLiteral("auto_post"), wireFlag(r.autoPost));
    p.insert(QStringLiteral("is_active"), wireFlag(r.isActive));
    addBookkeeping(p, r);
    return p;
}

QJsonObject SyncWire::payload(const Transaction &t) {
    QJsonObject p;
    addIdentity(p, t);
    p.insert(QStringLiteral("account_id"), t.accountId);
    p.insert(QStringLiteral("date"), dateText(t.date));
    p.insert(QStringLiteral("payee"), t.payee);
    p.insert(QStringLiteral("memo"), t.memo);
    p.insert(QStringLiteral("amount"), wireMoney(t.amount));
    p.insert(QStringLiteral("category_id"), t.categoryId);
    p.insert(QStringLiteral("check_number"), t.checkNumber);
    p.insert(QStringLiteral("cleared"), wireFlag(t.cleared));
    p.insert(QStringLiteral("reconciled"), wireFlag(t.reconciled));
    p.insert(QStringLiteral("transfer_link_id"), t.transferLinkId);
    p.insert(QStringLiteral("transfer_dest_account_id"), t.transferDestAccountId);
    p.insert(QStringLiteral("is_split"), wireFlag(t.isSplit));
    p.insert(QStringLiteral("recurring_id"), t.recurringId);
    p.insert(QStringLiteral("version"), t.version);
    addBookkeeping(p, t);
    return p;
}

QJsonObject SyncWire::payload(const Reconciliation &r) {
    QJsonObject p;
    addIdentity(p, r);
    p.insert(QStringLiteral("account_id"), r.accountId);
    p.insert(QStringLiteral("statement_date"), dateText(r.statementDate));
    p.insert(QStringLiteral("statement_balance"), wireMoney(r.statementBalance));
    p.insert(QStringLiteral("reconciled_balance"), wireMoney(r.reconciledBalance));
    p.insert(QStringLiteral("completed_at"), timestampText(r.completedAt));
    p.insert(QStringLiteral("version"), r.version);
    addBookkeeping(p, r);
    return p;
}

QJsonObject SyncWire::change(const Account &a) {
    return changeObject(AccountEntity, a, payload(a));
}

QJsonObject SyncWire::change(const Category &c) {
    return changeObject(CategoryEntity, c, payload(c));
}

QJsonObject SyncWire::change(const RecurringTransaction &r) {
    return changeObject(RecurringEntity, r, payload(r));
}

QJsonObject SyncWire::change(const Transaction &t) {
    return changeObject(TransactionEntity, t, payload(t));
}

QJsonObject SyncWire::change(const Reconciliation &r) {
    return changeObject(ReconciliationEntity, r, payload(r));
}

Account SyncWire::accountFromPull(const QJsonObject &json) {
    Account a;
    a.name = readText(json, QStringLiteral("name"));
    a.type = accountTypeFromString(readText(json, QStringLiteral("account_type")));
    a.currency = currencyFromString(readText(json, QStringLiteral("currency")));
    a.isShared = readFlag(json, QStringLiteral("is_shared"));
    a.institution = readText(json, QStringLiteral("institution"));
    a.accountNumberLast4 = readText(json, QStringLiteral("account_number_last4"));
    a.startingBalance = readMoney(json, QStringLiteral("starting_balance"));
    a.sortOrder = readInteger(json, QStringLiteral("sort_order"));
    readBookkeeping(a, json);
    return a;
}

Category SyncWire::categoryFromPull(const QJsonObject &json) {
    Category c;
    c.name = readText(json, QStringLiteral("name"));
    c.type = categoryTypeFromString(readText(json, QStringLiteral("category_type")));
    c.parentId = readText(json, QStringLiteral("parent_id"));
    c.isTaxRelevant = readFlag(json, QStringLiteral("is_tax_relevant"));
    c.taxCategory = readText(json, QStringLiteral("tax_category"));
    c.icon = readText(json, QStringLiteral("icon"));
    c.color = readText(json, QStringLiteral("color"));
    c.isDefault = readFlag(json, QStringLiteral("is_default"));
    c.accountId = readText(json, QStringLiteral("account_id"));
    readBookkeeping(c, json);
    return c;
}

RecurringTransaction SyncWire::recurringFromPull(const QJsonObject &json) {
    RecurringTransaction r;
    r.accountId = readText(json, QStringLiteral("account_id"));
    r.payee = readText(json, QStringLiteral("payee"));
    r.memo = readText(json, QStringLiteral("memo"));
    r.amount = readMoney(json, QStringLiteral("amount"));
    r.categoryId = readText(json, QStringLiteral("category_id"));
    r.transferDestAccountId = readText(json, QStringLiteral("transfer_dest_account_id"));
    r.frequency = frequencyFromString(readText(json, QStringLiteral("frequency")));
    r.startDate = readDate(json, QStringLiteral("start_date"));
    if (!readText(json, QStringLiteral("end_date")).isEmpty())
        r.endDate = readDate(json, QStringLiteral("end_date"));
    r.nextDueDate = readDate(json, QStringLiteral("next_due_date"));
    r.autoPost = readFlag(json, QStringLiteral("auto_post"));
    r.isActive = readFlag(json, QStringLiteral("is_active"));
    readBookkeeping(r, json);
    return r;
}

Transaction SyncWire::transactionFromPull(const QJsonObject &json) {
    Transaction t;
    t.accountId = readText(json, QStringLiteral("account_id"));
    t.date = readDate(json, QStringLiteral("date"));
    t.payee = readText(json, QStringLiteral("payee"));
    t.memo = readText(json, QStringLiteral("memo"));
    t.amount = readMoney(json, QStringLiteral("amount"));
    t.categoryId = readText(json, QStringLiteral("category_id"));
    t.checkNumber = readText(json, QStringLiteral("check_number"));
    t.cleared = readFlag(json, QStringLiteral("cleared"));
    t.reconciled = readFlag(json, QStringLiteral("reconciled"));
    t.transferLinkId = readText(json, QStringLiteral("transfer_link_id"));
    t.transferDestAccountId = readText(json, QStringLiteral("transfer_dest_account_id"));
    t.isSplit = readFlag(json, QStringLiteral("is_split"));
    t.recurringId = readText(json, QStringLiteral("recurring_id"));
    readBookkeeping(t, json);
    return t;
}

Reconciliation SyncWire::reconciliationFromPull(const QJsonObject &json) {
    Reconciliation r;
    r.accountId = readText(json, QStringLiteral("account_id"));
    r.statementDate = readDate(json, QStringLiteral("statement_date"));
    r.statementBalance = readMoney(json, QStringLiteral("statement_balance"));
    r.reconciledBalance = readMoney(json, QStringLiteral("reconciled_balance"));
    r.completedAt = readTimestamp(json, QStringLiteral("completed_at"));
    readBookkeeping(r, json);
    return r;
}

QString SyncWire::readText(const QJsonObject &record, const QString &key) {
    return record.value(key).toString();
}

qint64 SyncWire::readMoney(const QJsonObject &record, const QString &key) {
    const QJsonValue value = record.value(key);
    if (!value.isDouble())
        return 0;
    // An integer member keeps all 64 bits; a fractional one is cut, never rounded up.
    const qint64 whole = value.toInteger(std::numeric_limits<qint64>::min());
    if (whole != std::numeric_limits<qint64>::min())
        return whole;
    // Converting a double beyond the 64-bit range is undefined; such a record is refused by
    // amountsInRange before it is stored.
    const double d = value.toDouble();
    return std::isfinite(d) && std::fabs(d) < 9.2e18 ? static_cast<qint64>(d) : 0;
}

bool SyncWire::amountsInRange(const QString &entityType, const QJsonObject &record,
                              Currency currency) {
    QStringList keys;
    if (entityType == AccountEntity)
        keys = {QStringLiteral("starting_balance")};
    else if (entityType == RecurringEntity || entityType == TransactionEntity)
        keys = {QStringLiteral("amount")};
    else if (entityType == ReconciliationEntity)
        keys = {QStringLiteral("statement_balance"), QStringLiteral("reconciled_balance")};
    for (const QString &key : keys) {
        const QJsonValue value = record.value(key);
        if (!value.isDouble())
            continue; // read as 0
        const double d = value.toDouble();
        if (!std::isfinite(d) || std::fabs(d) >= 9.2e18
            || !isAmountInRange(readMoney(record, key), currency))
            return false;
    }
    return true;
}

int SyncWire::readInteger(const QJsonObject &record, const QString &key) {
    const QJsonValue value = record.value(key);
    return value.isDouble() ? static_cast<int>(value.toDouble()) : 0;
}

bool SyncWire::readFlag(const QJsonObject &record, const QString &key) {
    const QJsonValue value = record.value(key);
    if (value.isBool())
        return value.toBool();
    if (value.isDouble())
        return value.toDouble() != 0.0;
    return false;
}

QDate SyncWire::readDate(const QJsonObject &record, const QString &key) {
    const QString text = readText(record, key);
    if (text.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return date;
    return QDateTime::fromString(text, Qt::ISODate).date();
}

QDateTime SyncWire::readTimestamp(const QJsonObject &record, const QString &key) {
    return Timestamps::fromText(readText(record, key));
}

bool SyncWire::isDeleted(const QJsonObject &record) {
    return !readText(record, QStringLiteral("deleted_at")).isEmpty();
}
