// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/syncwire.h"

#include "storage/enums.h"
#include "storage/money.h"
#include "storage/timestamps.h"

#include <QJsonValue>
#include <QList>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

const QString SyncWire::AccountEntity = QStringLiteral("account");
const QString SyncWire::CategoryEntity = QStringLiteral("category");
const QString SyncWire::RecurringEntity = QStringLiteral("recurring");
const QString SyncWire::TransactionEntity = QStringLiteral("transaction");
const QString SyncWire::ReconciliationEntity = QStringLiteral("reconciliation");
const QString SyncWire::BudgetEntity = QStringLiteral("budget");

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

namespace {

template<typename Record, typename Value> auto sameMember(Value Record::*member) {
    return [member](const Record &a, const Record &b) { return a.*member == b.*member; };
}

// The members of one kind's record, each listed once with its encoding: the push payload
// writes them and the pull reads them back.
template<typename Record> class Members {
public:
    Members &text(const char *key, QString Record::*member) {
        return add(
            key, sameMember(member), [member](const Record &r) { return QJsonValue(r.*member); },
            [member](Record &r, const QJsonObject &json, const QString &k) {
                r.*member = SyncWire::readText(json, k);
            });
    }
    Members &money(const char *key, qint64 Record::*member) {
        return add(
            key, sameMember(member), [member](const Record &r) { return wireMoney(r.*member); },
            [member](Record &r, const QJsonObject &json, const QString &k) {
                r.*member = SyncWire::readMoney(json, k);
            });
    }
    Members &integer(const char *key, int Record::*member) {
        return add(
            key, sameMember(member), [member](const Record &r) { return QJsonValue(r.*member); },
            [member](Record &r, const QJsonObject &json, const QString &k) {
                r.*member = SyncWire::readInteger(json, k);
            });
    }
    Members &flag(const char *key, bool Record::*member) {
        return add(
            key, sameMember(member),
            [member](const Record &r) { return QJsonValue(wireFlag(r.*member)); },
            [member](Record &r, const QJsonObject &json, const QString &k) {
                r.*member = SyncWire::readFlag(json, k);
            });
    }
    Members &date(const char *key, QDate Record::*member) {
        return add(
            key, sameMember(member),
            [member](const Record &r) { return QJsonValue(SyncWire::dateText(r.*member)); },
            [member](Record &r, const QJsonObject &json, const QString &k) {
                r.*member = SyncWire::readDate(json, k);
            });
    }
    // Sent only when there is one; a pulled text that is there marks one even when it does not
    // parse.
    Members &optionalDate(const char *key, std::optional<QDate> Record::*member) {
        return add(
            key, sameMember(member),
            [member](const Record &r) {
                return (r.*member) ? QJsonValue(SyncWire::dateText(*(r.*member)))
                                   : QJsonValue(QJsonValue::Undefined);
            },
            [member](Record &r, const QJsonObject &json, const QString &k) {
                if (!SyncWire::readText(json, k).isEmpty())
                    r.*member = SyncWire::readDate(json, k);
            });
    }
    Members &timestamp(const char *key, QDateTime Record::*member) {
        return add(
            key, sameMember(member),
            [member](const Record &r) { return QJsonValue(SyncWire::timestampText(r.*member)); },
            [member](Record &r, const QJsonObject &json, const QString &k) {
                r.*member = SyncWire::readTimestamp(json, k);
            });
    }
    // Pulled texts that are none of the kind's own read as its fallback value.
    template<typename Enum>
    Members &enumeration(const char *key, Enum Record::*member, QString (*toText)(Enum),
                         Enum (*fromText)(const QString &)) {
        return add(
            key, sameMember(member),
            [member, toText](const Record &r) { return QJsonValue(toText(r.*member)); },
            [member, fromText](Record &r, const QJsonObject &json, const QString &k) {
                r.*member = fromText(SyncWire::readText(json, k));
            });
    }

    void write(QJsonObject &payload, const Record &record) const {
        for (const Member &m : m_members) {
            const QJsonValue value = m.write(record);
            if (!value.isUndefined())
                payload.insert(m.key, value);
        }
    }
    void read(Record &record, const QJsonObject &json) const {
        for (const Member &m : m_members)
            m.read(record, json, m.key);
    }
    bool same(const Record &a, const Record &b) const {
        for (const Member &m : m_members) {
            if (!m.same(a, b))
                return false;
        }
        return true;
    }

private:
    struct Member {
        QString key;
        std::function<QJsonValue(const Record &)> write; // undefined: leave the member out
        std::function<void(Record &, const QJsonObject &, const QString &)> read;
        std::function<bool(const Record &, const Record &)> same;
    };

    template<typename Same, typename Write, typename Read>
    Members &add(const char *key, Same same, Write write, Read read) {
        m_members.append({QString::fromLatin1(key), write, read, same});
        return *this;
    }

    QList<Member> m_members;
};

const Members<Account> &accountMembers() {
    static const Members<Account> members
        = Members<Account>()
              .text("name", &Account::name)
              .enumeration("account_type", &Account::type, accountTypeToString,
                           accountTypeFromString)
              .enumeration("currency", &Account::currency, currencyToString, currencyFromString)
              .flag("is_shared", &Account::isShared)
              .text("institution", &Account::institution)
              .text("account_number_last4", &Account::accountNumberLast4)
              .money("starting_balance", &Account::startingBalance)
              .integer("sort_order", &Account::sortOrder)
              .integer("version", &Account::version);
    return members;
}

const Members<Category> &categoryMembers() {
    static const Members<Category> members
        = Members<Category>()
              .text("name", &Category::name)
              .enumeration("category_type", &Category::type, categoryTypeToString,
                           categoryTypeFromString)
              .text("parent_id", &Category::parentId)
              .flag("is_tax_relevant", &Category::isTaxRelevant)
              .text("tax_category", &Category::taxCategory)
              .text("icon", &Category::icon)
              .text("color", &Category::color)
              .flag("is_default", &Category::isDefault)
              .text("account_id", &Category::accountId)
              .integer("version", &Category::version);
    return members;
}

// The rule's version travels only in its change object.
const Members<RecurringTransaction> &recurringMembers() {
    using R = RecurringTransaction;
    static const Members<R> members
        = Members<R>()
              .text("account_id", &R::accountId)
              .text("payee", &R::payee)
              .text("memo", &R::memo)
              .money("amount", &R::amount)
              .text("category_id", &R::categoryId)
              .text("transfer_dest_account_id", &R::transferDestAccountId)
              .enumeration("frequency", &R::frequency, frequencyToString, frequencyFromString)
              .date("start_date", &R::startDate)
              .optionalDate("end_date", &R::endDate)
              .date("next_due_date", &R::nextDueDate)
              .flag("auto_post", &R::autoPost)
              .flag("is_active", &R::isActive);
    return members;
}

const Members<Transaction> &transactionMembers() {
    static const Members<Transaction> members
        = Members<Transaction>()
              .text("account_id", &Transaction::accountId)
              .date("date", &Transaction::date)
              .text("payee", &Transaction::payee)
              .text("memo", &Transaction::memo)
              .money("amount", &Transaction::amount)
              .text("category_id", &Transaction::categoryId)
              .text("check_number", &Transaction::checkNumber)
              .flag("cleared", &Transaction::cleared)
              .flag("reconciled", &Transaction::reconciled)
              .text("transfer_link_id", &Transaction::transferLinkId)
              .text("transfer_dest_account_id", &Transaction::transferDestAccountId)
              .flag("is_split", &Transaction::isSplit)
              .text("recurring_id", &Transaction::recurringId)
              .integer("version", &Transaction::version);
    return members;
}

const Members<Reconciliation> &reconciliationMembers() {
    static const Members<Reconciliation> members
        = Members<Reconciliation>()
              .text("account_id", &Reconciliation::accountId)
              .date("statement_date", &Reconciliation::statementDate)
              .money("statement_balance", &Reconciliation::statementBalance)
              .money("reconciled_balance", &Reconciliation::reconciledBalance)
              .timestamp("completed_at", &Reconciliation::completedAt)
              .integer("version", &Reconciliation::version);
    return members;
}

const Members<Budget> &budgetMembers() {
    static const Members<Budget> members = Members<Budget>()
                                               .text("category_id", &Budget::categoryId)
                                               .text("month", &Budget::month)
                                               .money("amount", &Budget::amount)
                                               .flag("rollover", &Budget::rollover)
                                               .integer("version", &Budget::version);
    return members;
}

template<typename Record>
QJsonObject payloadOf(const Members<Record> &members, const Record &record) {
    QJsonObject p;
    addIdentity(p, record);
    members.write(p, record);
    addBookkeeping(p, record);
    return p;
}

// Equal values push equal changes; values that merely encode alike (two texts of one
// instant) count as different, which at worst stores a record again.
template<typename Record>
bool sameOf(const Members<Record> &members, const Record &a, const Record &b) {
    return a.id == b.id && a.serverId == b.serverId && a.version == b.version
           && a.createdAt == b.createdAt && a.updatedAt == b.updatedAt && a.deletedAt == b.deletedAt
           && members.same(a, b);
}

template<typename Record>
Record fromPullOf(const Members<Record> &members, const QJsonObject &json) {
    Record record;
    members.read(record, json);
    readBookkeeping(record, json);
    return record;
}

} // namespace

QJsonObject SyncWire::payload(const Account &a) {
    return payloadOf(accountMembers(), a);
}

QJsonObject SyncWire::payload(const Category &c) {
    return payloadOf(categoryMembers(), c);
}

QJsonObject SyncWire::payload(const RecurringTransaction &r) {
    return payloadOf(recurringMembers(), r);
}

QJsonObject SyncWire::payload(const Transaction &t) {
    return payloadOf(transactionMembers(), t);
}

QJsonObject SyncWire::payload(const Reconciliation &r) {
    return payloadOf(reconciliationMembers(), r);
}

QJsonObject SyncWire::payload(const Budget &b) {
    return payloadOf(budgetMembers(), b);
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

QJsonObject SyncWire::change(const Budget &b) {
    return changeObject(BudgetEntity, b, payload(b));
}

bool SyncWire::sameChange(const Account &a, const Account &b) {
    return sameOf(accountMembers(), a, b);
}

bool SyncWire::sameChange(const Category &a, const Category &b) {
    return sameOf(categoryMembers(), a, b);
}

bool SyncWire::sameChange(const RecurringTransaction &a, const RecurringTransaction &b) {
    return sameOf(recurringMembers(), a, b);
}

bool SyncWire::sameChange(const Transaction &a, const Transaction &b) {
    return sameOf(transactionMembers(), a, b);
}

bool SyncWire::sameChange(const Reconciliation &a, const Reconciliation &b) {
    return sameOf(reconciliationMembers(), a, b);
}

bool SyncWire::sameChange(const Budget &a, const Budget &b) {
    return sameOf(budgetMembers(), a, b);
}

Account SyncWire::accountFromPull(const QJsonObject &json) {
    return fromPullOf(accountMembers(), json);
}

Category SyncWire::categoryFromPull(const QJsonObject &json) {
    return fromPullOf(categoryMembers(), json);
}

RecurringTransaction SyncWire::recurringFromPull(const QJsonObject &json) {
    return fromPullOf(recurringMembers(), json);
}

Transaction SyncWire::transactionFromPull(const QJsonObject &json) {
    return fromPullOf(transactionMembers(), json);
}

Reconciliation SyncWire::reconciliationFromPull(const QJsonObject &json) {
    return fromPullOf(reconciliationMembers(), json);
}

Budget SyncWire::budgetFromPull(const QJsonObject &json) {
    return fromPullOf(budgetMembers(), json);
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
    else if (entityType == RecurringEntity || entityType == TransactionEntity
             || entityType == BudgetEntity)
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
    if (!value.isDouble())
        return 0;
    // A number no int can hold reads like any other value that cannot be read: converting it
    // would be undefined, and a huge version must not win every merge.
    const double d = std::trunc(value.toDouble());
    if (!std::isfinite(d) || d < double(std::numeric_limits<int>::min())
        || d > double(std::numeric_limits<int>::max()))
        return 0;
    return static_cast<int>(d);
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
