// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/sampledataservice.h"

#include "services/servicelog.h"
#include "storage/database.h"
#include "storage/timestamps.h"
#include "storage/transactionscope.h"

#include <QCoreApplication>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {

const QString kChecking = QStringLiteral("sample-acct-checking");
const QString kSavings = QStringLiteral("sample-acct-savings");
const QString kVisa = QStringLiteral("sample-acct-visa");

struct SampleAccount {
    const QString &id;
    const char *name;
    const char *type;
    const char *institution;
    const char *last4;
    qint64 startingBalance;
};

const SampleAccount kAccounts[] = {
    {kChecking, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), "checking",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521", 250000},
    {kSavings, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), "savings",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834", 1000000},
    {kVisa, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), "credit_card",
     QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0},
};

// A category is named by its default name and, for a child, its parent's. The names are the
// default categories' own texts, translated in their context so that they match the
// categories seeded in the same language.
struct CategoryRef {
    const char *parent;
    const char *name;
};

const CategoryRef kNoCategory{nullptr, nullptr};
const CategoryRef kSalary{nullptr, "Salary / Wages"};
const CategoryRef kRent{"Housing", "Rent/Mortgage Payment"};
const CategoryRef kGroceries{nullptr, "Groceries"};
const CategoryRef kStreaming{"Entertainment", "Streaming"};
const CategoryRef kElectric{"Utilities", "Electric"};
const CategoryRef kInternet{"Utilities", "Internet"};
const CategoryRef kFuel{"Transportation", "Gas/Fuel"};
const CategoryRef kAutoInsurance{"Transportation", "Auto Insurance"};
const CategoryRef kDining{nullptr, "Dining & Restaurants"};
const CategoryRef kMedical{nullptr, "Medical Expenses"};
const CategoryRef kDonations{nullptr, "Charitable Donations"};
const CategoryRef kInterest{nullptr, "Interest Income"};
const CategoryRef kElectronics{"Shopping", "Electronics"};
const CategoryRef kSubscriptions{nullptr, "Subscriptions"};
const CategoryRef kEducation{nullptr, "Education Expenses"};

struct SampleTransaction {
    const QString &account;
    int day;
    const char *payee;
    const char *memo;
    qint64 amount;
    CategoryRef category;
    const char *check;
    char status; // R: cleared and reconciled, C: cleared, U: neither
};

const SampleTransaction kTransactions[] = {
    {kChecking, -60, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'R'},
    {kChecking, -59, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "February rent"), -145000, kRent, "1041", 'R'},
    {kChecking, -57, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9862, kGroceries, nullptr, 'R'},
    {kChecking, -55, QT_TRANSLATE_NOOP("SampleDataService", "Streamly"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly subscription"), -1599, kStreaming, nullptr,
     'R'},
    {kChecking, -53, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -11280, kElectric, nullptr, 'R'},
    {kChecking, -51, QT_TRANSLATE_NOOP("SampleDataService", "QuickFuel"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fuel"), -4210, kFuel, nullptr, 'R'},
    {kChecking, -50, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -12433, kGroceries, nullptr, 'R'},
    {kChecking, -48, QT_TRANSLATE_NOOP("SampleDataService", "Fiberlink"),
     QT_TRANSLATE_NOOP("SampleDataService", "Internet service"), -6999, kInternet, nullptr, 'R'},
    {kChecking, -46, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'R'},
    {kChecking, -44, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner"), -5640, kDining, nullptr, 'R'},
    {kChecking, -43, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -10718, kGroceries, nullptr, 'R'},
    {kChecking, -40, QT_TRANSLATE_NOOP("SampleDataService", "Shieldline Insurance"),
     QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance premium"), -13450, kAutoInsurance,
     nullptr, 'R'},
    {kChecking, -38, QT_TRANSLATE_NOOP("SampleDataService", "Wellway Pharmacy"),
     QT_TRANSLATE_NOOP("SampleDataService", "Prescription"), -2499, kMedical, nullptr, 'R'},
    {kChecking, -36, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -13105, kGroceries, nullptr, 'R'},
    {kChecking, -35, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation"), -10000, kDonations, "1042", 'R'},
    {kChecking, -32, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'R'},
    {kChecking, -29, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "March rent"), -145000, kRent, "1043", 'C'},
    {kChecking, -27, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -11872, kGroceries, nullptr, 'C'},
    {kChecking, -25, QT_TRANSLATE_NOOP("SampleDataService", "Streamly"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly subscription"), -1599, kStreaming, nullptr,
     'C'},
    {kChecking, -23, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -9875, kElectric, nullptr, 'C'},
    {kChecking, -21, QT_TRANSLATE_NOOP("SampleDataService", "QuickFuel"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fuel"), -3987, kFuel, nullptr, 'C'},
    {kChecking, -20, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -10264, kGroceries, nullptr, 'C'},
    {kChecking, -18, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'C'},
    {kChecking, -16, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"),
     QT_TRANSLATE_NOOP("SampleDataService", "Lunch"), -2875, kDining, nullptr, 'C'},
    {kChecking, -13, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -12950, kGroceries, nullptr, 'C'},
    {kChecking, -11, QT_TRANSLATE_NOOP("SampleDataService", "Wellway Pharmacy"),
     QT_TRANSLATE_NOOP("SampleDataService", "Pharmacy"), -1850, kMedical, nullptr, 'C'},
    {kChecking, -8, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -11540, kGroceries, nullptr, 'U'},
    {kChecking, -6, QT_TRANSLATE_NOOP("SampleDataService", "QuickFuel"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fuel"), -4102, kFuel, nullptr, 'U'},
    {kChecking, -5, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation"), -10000, kDonations, "1044", 'U'},
    {kChecking, -4, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, nullptr, 'U'},
    {kChecking, -2, QT_TRANSLATE_NOOP("SampleDataService", "Corner Bistro"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner"), -6215, kDining, nullptr, 'U'},

    {kSavings, -45, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 820, kInterest, nullptr, 'C'},
    {kSavings, -15, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 835, kInterest, nullptr, 'C'},

    {kVisa, -58, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3245, kDining, nullptr, 'C'},
    {kVisa, -54, QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee"), -675, kDining, nullptr, 'C'},
    {kVisa, -50, QT_TRANSLATE_NOOP("SampleDataService", "Gadget World"),
     QT_TRANSLATE_NOOP("SampleDataService", "USB-C charger"), -2999, kElectronics, nullptr, 'C'},
    {kVisa, -45, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage"), -999, kSubscriptions, nullptr, 'C'},
    {kVisa, -40, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 10123, kNoCategory, nullptr,
     'C'},
    {kVisa, -37, QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee"), -540, kDining, nullptr, 'C'},
    {kVisa, -33, QT_TRANSLATE_NOOP("SampleDataService", "TechVault"),
     QT_TRANSLATE_NOOP("SampleDataService", "Wireless headphones"), -8999, kElectronics, nullptr,
     'C'},
    {kVisa, -25, QT_TRANSLATE_NOOP("SampleDataService", "BookNest Online"),
     QT_TRANSLATE_NOOP("SampleDataService", "Programming books"), -4599, kEducation, nullptr, 'C'},
    {kVisa, -15, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage"), -999, kSubscriptions, nullptr, 'C'},
    {kVisa, -10, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 12993, kNoCategory, nullptr,
     'C'},
    {kVisa, -6, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2870, kDining, nullptr, 'U'},
    {kVisa, -3, QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee"), -725, kDining, nullptr, 'U'},
};

// Checking to savings on these days; the status letters of the checking and savings legs.
struct SampleTransfer {
    int day;
    char checkingStatus;
    char savingsStatus;
};

const SampleTransfer kTransfers[] = {{-30, 'R', 'C'}, {0, 'U', 'U'}};
const qint64 kTransferAmount = 50000;

struct SampleRule {
    const char *payee;
    const char *memo;
    qint64 amount;
    CategoryRef category;
    const char *frequency;
    int nextDueDay;
    const QString *destination; // the other account of a transfer, or nullptr
};

const SampleRule kRules[] = {
    {QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000, kRent, "monthly", 1, nullptr},
    {QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, kSalary, "biweekly", 8,
     nullptr},
    {QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, kNoCategory, "monthly", 1,
     &kSavings},
};

// Budgets of the current month and the two before it, so that the budget screen has a past
// to roll over from; the utilities are budgeted per child and their parent sums them.
struct SampleBudget {
    CategoryRef category;
    qint64 amount;
    bool rollover;
};

const SampleBudget kBudgets[] = {
    {kGroceries, 60000, false}, {kDining, 20000, true}, {kElectric, 15000, false},
    {kInternet, 8000, false},   {kFuel, 20000, true},   {kRent, 145000, false},
};

QString text(const char *source) {
    return QCoreApplication::translate("SampleDataService", source);
}

QString sampleId(const char *kind) {
    return QStringLiteral("sample-%1-%2")
        .arg(QLatin1String(kind), QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
}

QVariant textOrNull(const QString &value) {
    return value.isEmpty() ? QVariant() : QVariant(value);
}

// Runs statements on one connection and remembers the first failure for the log.
class Writer {
public:
    Writer(const QSqlDatabase &connection, const char *operation)
        : m_connection(connection)
        , m_operation(operation) {}

    bool run(const QString &sql, const QVariantList &values = {}) {
        QSqlQuery query(m_connection);
        bool ok = query.prepare(sql);
        if (ok) {
            for (const QVariant &value : values)
                query.addBindValue(value);
            ok = query.exec();
        }
        if (!ok)
            qCWarning(lcServices).noquote()
                << QStringLiteral("SampleDataService::%1 failed:").arg(QLatin1String(m_operation))
                << query.lastError().text();
        return ok;
    }

private:
    QSqlDatabase m_connection;
    const char *m_operation;
};

} // namespace

SampleDataService::SampleDataService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database) {}

bool SampleDataService::hasSampleData() const {
    QSqlQuery query(m_database->connection());
    return query.exec(QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"))
           && query.next();
}

bool SampleDataService::loadSampleData() {
    if (hasSampleData())
        return false;

    const QSqlDatabase connection = m_database->connection();
    const QString now = Timestamps::toText(Timestamps::nowUtc());
    const QDate today = QDate::currentDate();
    auto day = [&today](int offset) { return Timestamps::dateToText(today.addDays(offset)); };

    QHash<QString, QString> categoryIds;
    {
        QSqlQuery query(connection);
        query.exec(QStringLiteral(
            "SELECT c.id, c.name, p.name AS parent_name FROM categories c LEFT JOIN categories p "
            "ON c.parent_id = p.id WHERE c.deleted_at IS NULL"));
        while (query.next()) {
            const QString id = query.value(0).toString();
            const QString name = query.value(1).toString();
            const QString parent = query.value(2).toString();
            categoryIds.insert(name, id);
            if (!parent.isEmpty())
                categoryIds.insert(QStringLiteral("%1/%2").arg(parent, name), id);
        }
    }
    auto category = [&categoryIds](const CategoryRef &ref) -> QVariant {
        if (!ref.name)
            return QVariant();
        QString key = QCoreApplication::translate("CategoryService", ref.name);
        if (ref.parent)
            key.prepend(QCoreApplication::translate("CategoryService", ref.parent)
                        + QLatin1Char('/'));
        return textOrNull(categoryIds.value(key));
    };

    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return false;
    Writer writer(connection, "loadSampleData");

    int sortOrder = 0;
    for (const SampleAccount &account : kAccounts) {
        if (!writer.run(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, "
                                       "institution, account_number_last4, starting_balance, "
                                       "sort_order, is_shared, version, sync_status, created_at, "
                                       "updated_at) VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, "
                                       "'pending', ?, ?)"),
                        {account.id, text(account.name), QLatin1String(account.type),
                         text(account.institution), QLatin1String(account.last4),
                         account.startingBalance, sortOrder++, now, now}))
            return false;
    }

    const QString insertTransaction = QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
        "version, sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
        "?, 0, 1, 'pending', ?, ?)");
    auto insert
        = [&](const QString &id, const QString &account, int offset, const QString &payee,
              const QString &memo, qint64 amount, const QVariant &categoryId, const char *check,
              char status, const QString &link, const QString &destination) {
              const bool cleared = status == 'C' || status == 'R';
              return writer.run(insertTransaction,
                                {id, account, day(offset), payee, memo, amount, categoryId,
                                 check ? QVariant(QLatin1String(check)) : QVariant(),
                                 cleared ? 1 : 0, status == 'R' ? 1 : 0, textOrNull(link),
                                 textOrNull(destination), now, now});
          };

    for (const SampleTransaction &t : kTransactions) {
        if (!insert(sampleId("txn"), t.account, t.day, text(t.payee), text(t.memo), t.amount,
                    category(t.category), t.check, t.status, QString(), QString()))
            return false;
    }

    // Each leg names the other leg, as every transfer in the register does.
    for (const SampleTransfer &transfer : kTransfers) {
        const QString out = sampleId("xfer");
        const QString in = sampleId("xfer");
        const QString memo = tr("Monthly savings");
        if (!insert(out, kChecking, transfer.day, tr("Transfer to Savings"), memo, -kTransferAmount,
                    QVariant(), nullptr, transfer.checkingStatus, in, kSavings)
            || !insert(in, kSavings, transfer.day, tr("Transfer from Checking"), memo,
                       kTransferAmount, QVariant(), nullptr, transfer.savingsStatus, out,
                       kChecking))
            return false;
    }

    for (const SampleRule &rule : kRules) {
        if (!writer.run(
                QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, "
                               "amount, category_id, frequency, start_date, next_due_date, "
                               "auto_post, is_active, transfer_dest_account_id, version, "
                               "sync_status, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, "
                               "?, ?, ?, 0, 1, ?, 1, 'pending', ?, ?)"),
                {sampleId("rec"), kChecking, text(rule.payee), text(rule.memo), rule.amount,
                 category(rule.category), QLatin1String(rule.frequency), day(-60),
                 day(rule.nextDueDay), rule.destination ? QVariant(*rule.destination) : QVariant(),
                 now, now}))
            return false;
    }

    for (const SampleBudget &budget : kBudgets) {
        const QVariant categoryId = category(budget.category);
        if (categoryId.isNull())
            continue; // the default category was renamed or deleted
        for (int back = 2; back >= 0; --back) {
            if (!writer.run(QStringLiteral("INSERT INTO budgets (id, category_id, month, amount, "
                                           "rollover, version, sync_status, created_at, "
                                           "updated_at) VALUES (?, ?, ?, ?, ?, 1, 'pending', ?, "
                                           "?) ON CONFLICT DO NOTHING"),
                            {sampleId("budget"), categoryId,
                             today.addMonths(-back).toString(QStringLiteral("yyyy-MM")),
                             budget.amount, budget.rollover ? 1 : 0, now, now}))
                return false;
        }
    }

    for (const char *table : {"accounts", "transactions", "recurring_transactions", "budgets"})
        m_database->noteChange(QLatin1String(table));
    return scope.commit();
}

bool SampleDataService::clearSampleData(QStringList *keptAccounts) {
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return false;
    Writer writer(m_database->connection(), "clearSampleData");
    // Rows the user entered into a sample account are not the sample's to delete, nor is the
    // account that holds them (or their reconciliations): only the sample rows go.
    static const QString userRows = QStringLiteral(
        "EXISTS (SELECT 1 FROM transactions t WHERE t.account_id = %1 AND t.id NOT LIKE "
        "'sample-%' AND (t.recurring_id IS NULL OR t.recurring_id NOT LIKE 'sample-%')) OR "
        "EXISTS (SELECT 1 FROM recurring_transactions r WHERE r.account_id = %1 AND r.id NOT "
        "LIKE 'sample-%')");
    QSqlQuery kept(m_database->connection());
    if (!kept.exec(QStringLiteral("SELECT name FROM accounts WHERE id LIKE 'sample-%' AND (%1) "
                                  "ORDER BY sort_order, name")
                       .arg(userRows.arg(QStringLiteral("accounts.id"))))) {
        qCWarning(lcServices).noquote()
            << "SampleDataService::clearSampleData failed:" << kept.lastError().text();
        return false;
    }
    QStringList keptNames;
    while (kept.next())
        keptNames.append(kept.value(0).toString());

    // Children before parents: the foreign keys refuse anything else.
    const QString statements[] = {
        QStringLiteral(
            "DELETE FROM split_lines WHERE id LIKE 'sample-%' OR transaction_id IN (SELECT id FROM "
            "transactions WHERE id LIKE 'sample-%' OR recurring_id LIKE 'sample-%')"),
        QStringLiteral("DELETE FROM reconciliations WHERE id LIKE 'sample-%' OR (account_id LIKE "
                       "'sample-%' AND NOT (%1))")
            .arg(userRows.arg(QStringLiteral("reconciliations.account_id"))),
        QStringLiteral("DELETE FROM transactions WHERE id LIKE 'sample-%' OR recurring_id LIKE "
                       "'sample-%'"),
        QStringLiteral("DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'"),
        QStringLiteral("DELETE FROM budgets WHERE id LIKE 'sample-%'"),
        QStringLiteral("DELETE FROM accounts WHERE id LIKE 'sample-%' AND NOT (%1)")
            .arg(userRows.arg(QStringLiteral("accounts.id"))),
        QStringLiteral("DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%' AND entity_id NOT "
                       "IN (SELECT id FROM accounts)"),
    };
    for (const QString &sql : statements) {
        if (!writer.run(sql))
            return false;
    }
    for (const char *table : {"split_lines", "reconciliations", "transactions",
                              "recurring_transactions", "accounts", "budgets"})
        m_database->noteChange(QLatin1String(table));
    if (!scope.commit())
        return false;
    if (keptAccounts)
        *keptAccounts = keptNames;
    return true;
}
