// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-gendb: writes a large, realistic database for the benchmarks. The schema comes
// from our own migrations; the rows go in through the bare SQLite API on the same
// connection, in one transaction with prepared statements.
//
//   quillon-gendb [--transactions N] [--schema-version V] [--seed S] [--one-account] PATH
//
// Defaults: 1,000,000 live transactions over the ten years 2016-2025, every migration.
// One account in ten rows ("Everyday Checking") holds a tenth of them (with --one-account,
// all of them: one register as long as the whole database); one row in 101 is soft-deleted
// on top of the live ones. The expense sub-categories have budgets for 2024 and 2025.

#include "storage/database.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDriver>
#include <QTextStream>

#include <sqlite3.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

struct Options {
    long long transactions = 1000000;
    int schemaVersion = 0; // 0: every migration
    unsigned seed = 20260101;
    bool oneAccount = false;
    QString path;
};

class Generator {
public:
    Generator(sqlite3 *db, unsigned seed)
        : m_db(db)
        , m_random(seed) {}

    bool run(long long liveTransactions, bool oneAccount);

private:
    struct CategoryRow {
        std::string id;
        bool income = false;
    };
    struct PayeeRow {
        std::string name;
        int category = 0; // index into m_categories
        bool income = false;
    };

    std::string newId();
    bool exec(const char *sql);
    sqlite3_stmt *prepare(const char *sql);
    bool step(sqlite3_stmt *statement);
    void bindText(sqlite3_stmt *s, int index, const std::string &text);
    void bindTextOrNull(sqlite3_stmt *s, int index, const std::string &text);

    bool insertCategories(const std::string &now);
    bool insertAccounts(const std::string &now);
    bool insertBudgets(const std::string &now);
    void makePayees();
    void makeWords();
    std::string memo();
    int zipf(int n, double exponent);

    sqlite3 *m_db;
    std::mt19937_64 m_random;
    std::vector<CategoryRow> m_categories;
    std::vector<std::string> m_accounts;
    std::vector<double> m_accountWeights;
    std::vector<PayeeRow> m_payees;
    std::vector<std::string> m_words;
    std::vector<std::vector<double>> m_zipfCache;
};

std::string Generator::newId() {
    static const char hex[] = "0123456789abcdef";
    const std::uint64_t a = m_random();
    const std::uint64_t b = m_random();
    std::string id(36, '-');
    int bit = 0;
    for (int i = 0; i < 36; ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23)
            continue;
        const std::uint64_t source = bit < 16 ? a : b;
        id[i] = hex[(source >> ((bit % 16) * 4)) & 0xf];
        ++bit;
    }
    id[14] = '4';
    id[19] = hex[8 + (b & 0x3)];
    return id;
}

bool Generator::exec(const char *sql) {
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s: %s\n", sql, error ? error : "?");
        sqlite3_free(error);
        return false;
    }
    return true;
}

sqlite3_stmt *Generator::prepare(const char *sql) {
    sqlite3_stmt *statement = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr) != SQLITE_OK)
        std::fprintf(stderr, "prepare failed: %s\n", sqlite3_errmsg(m_db));
    return statement;
}

bool Generator::step(sqlite3_stmt *statement) {
    const int rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (rc != SQLITE_DONE) {
        std::fprintf(stderr, "insert failed: %s\n", sqlite3_errmsg(m_db));
        return false;
    }
    return true;
}

void Generator::bindText(sqlite3_stmt *s, int index, const std::string &text) {
    sqlite3_bind_text(s, index, text.data(), int(text.size()), SQLITE_TRANSIENT);
}

void Generator::bindTextOrNull(sqlite3_stmt *s, int index, const std::string &text) {
    if (text.empty())
        sqlite3_bind_null(s, index);
    else
        bindText(s, index, text);
}

// An index in [0, n) drawn from a Zipf-like distribution: a few values are very common.
int Generator::zipf(int n, double exponent) {
    if (int(m_zipfCache.size()) <= n)
        m_zipfCache.resize(n + 1);
    std::vector<double> &cumulative = m_zipfCache[n];
    if (cumulative.empty()) {
        double sum = 0;
        for (int i = 0; i < n; ++i) {
            sum += 1.0 / std::pow(i + 1, exponent);
            cumulative.push_back(sum);
        }
    }
    const double x = std::uniform_real_distribution<double>(0, cumulative.back())(m_random);
    return int(std::lower_bound(cumulative.begin(), cumulative.end(), x) - cumulative.begin());
}

bool Generator::insertCategories(const std::string &now) {
    struct Group {
        const char *name;
        bool income;
        std::vector<const char *> children;
    };
    const std::vector<Group> tree = {
        {"Income", true, {"Salary", "Bonus", "Interest", "Dividends", "Refunds", "Gifts Received"}},
        {"Housing", false, {"Rent", "Mortgage", "Property Tax", "Home Insurance", "Repairs"}},
        {"Utilities", false, {"Electricity", "Water", "Gas", "Internet", "Mobile Phone"}},
        {"Food", false, {"Groceries", "Restaurants", "Coffee Shops", "Fast Food"}},
        {"Transportation",
         false,
         {"Fuel", "Public Transit", "Parking", "Car Insurance", "Car Maintenance"}},
        {"Health", false, {"Doctor", "Pharmacy", "Dental", "Health Insurance"}},
        {"Shopping", false, {"Clothing", "Electronics", "Household", "Books"}},
        {"Entertainment", false, {"Movies", "Music", "Games", "Streaming", "Hobbies"}},
        {"Travel", false, {"Flights", "Hotels", "Car Rental", "Vacation"}},
        {"Personal Care", false, {"Hair", "Gym", "Spa"}},
        {"Education", false, {"Tuition", "Courses", "School Supplies"}},
        {"Gifts & Donations", false, {"Gifts", "Charity"}},
        {"Financial", false, {"Bank Fees", "Interest Paid", "Taxes", "Loan Payment"}},
        {"Kids", false, {"Childcare", "Toys", "Activities"}},
        {"Pets", false, {"Pet Food", "Veterinary"}},
    };
    sqlite3_stmt *s = prepare(
        "INSERT INTO categories (id, name, category_type, parent_id, is_default, version, "
        "sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, ?, 1, 1, 'synced', ?, "
        "?, ?)");
    bool ok = s != nullptr;
    for (const Group &group : tree) {
        const std::string parent = newId();
        for (int child = -1; ok && child < int(group.children.size()); ++child) {
            const std::string id = child < 0 ? parent : newId();
            bindText(s, 1, id);
            bindText(s, 2, child < 0 ? group.name : group.children[child]);
            bindText(s, 3, group.income ? "income" : "expense");
            bindTextOrNull(s, 4, child < 0 ? std::string() : parent);
            bindText(s, 5, newId());
            bindText(s, 6, now);
            bindText(s, 7, now);
            ok = step(s);
            if (child >= 0)
                m_categories.push_back({id, group.income});
        }
    }
    sqlite3_finalize(s);
    return ok;
}

bool Generator::insertAccounts(const std::string &now) {
    const std::array<std::pair<const char *, const char *>, 20> accounts = {{
        {"Everyday Checking", "checking"},
        {"Joint Checking", "checking"},
        {"High-Yield Savings", "savings"},
        {"Emergency Fund", "savings"},
        {"Visa Rewards", "credit_card"},
        {"Mastercard", "credit_card"},
        {"Store Card", "credit_card"},
        {"Wallet", "cash"},
        {"Brokerage", "investment"},
        {"Retirement", "investment"},
        {"Business Checking", "checking"},
        {"Vacation Savings", "savings"},
        {"Kids Savings", "savings"},
        {"Travel Card", "credit_card"},
        {"Petty Cash", "cash"},
        {"Old Checking", "checking"},
        {"Car Loan", "other"},
        {"Mortgage", "other"},
        {"Health Savings", "savings"},
        {"Gas Card", "credit_card"},
    }};
    sqlite3_stmt *s = prepare(
        "INSERT INTO accounts (id, name, account_type, currency, institution, "
        "account_number_last4, starting_balance, sort_order, version, sync_status, server_id, "
        "created_at, updated_at) VALUES (?, ?, ?, 'USD', 'First Bank', ?, ?, ?, 1, 'synced', ?, "
        "?, ?)");
    bool ok = s != nullptr;
    for (int i = 0; ok && i < int(accounts.size()); ++i) {
        m_accounts.push_back(newId());
        bindText(s, 1, m_accounts.back());
        bindText(s, 2, accounts[i].first);
        bindText(s, 3, accounts[i].second);
        bindText(s, 4, std::to_string(1000 + i * 37));
        sqlite3_bind_int64(s, 5, i % 4 == 3 ? 0 : (i + 1) * 123456);
        sqlite3_bind_int(s, 6, i);
        bindText(s, 7, newId());
        bindText(s, 8, now);
        bindText(s, 9, now);
        ok = step(s);
        // Every account but the first shares the other nine rows in ten, unevenly.
        m_accountWeights.push_back(i == 0 ? 0.0 : 1.0 / std::pow(i, 0.3));
    }
    sqlite3_finalize(s);
    return ok;
}

void Generator::makeWords() {
    // Memo vocabulary, most common first.
    m_words = {"payment",      "monthly",  "groceries",  "coffee",        "lunch",    "dinner",
               "gas",          "transfer", "online",     "order",         "refund",   "bill",
               "weekly",       "shopping", "rent",       "insurance",     "gift",     "birthday",
               "school",       "books",    "fuel",       "parking",       "ticket",   "movie",
               "subscription", "annual",   "fee",        "deposit",       "cash",     "withdrawal",
               "pharmacy",     "doctor",   "dentist",    "repair",        "car",      "service",
               "hardware",     "garden",   "kids",       "toys",          "clothes",  "shoes",
               "haircut",      "gym",      "membership", "travel",        "hotel",    "flight",
               "taxi",         "train",    "bus",        "snacks",        "bakery",   "bread",
               "milk",         "fruit",    "vegetables", "meat",          "fish",     "wine",
               "beer",         "party",    "holiday",    "christmas",     "vacation", "weekend",
               "morning",      "evening",  "family",     "friends",       "work",     "office",
               "supplies",     "printer",  "phone",      "internet",      "electric", "water",
               "heating",      "cleaning", "laundry",    "pet",           "vet",      "food",
               "donation",     "charity",  "church",     "tax",           "return",   "interest",
               "dividend",     "salary",   "bonus",      "reimbursement", "split",    "shared",
               "cafe",         "takeout",  "delivery",   "pizza",         "sushi",    "burger",
               "tea",          "juice",    "market"};
}

void Generator::makePayees() {
    // Pseudo-words make payee names whose first word is unique to the payee, so that a
    // rare payee is also a rare search word.
    static const char *syllables[]
        = {"ka",  "lo",  "mi",  "ren",  "tas", "vo",  "bel", "dor", "fin", "gra", "hul", "jen",
           "mar", "nor", "pel", "quin", "ros", "sil", "tor", "ul",  "ven", "wex", "yar", "zel"};
    static const char *kinds[]
        = {"Market", "Cafe",       "Pharmacy", "Hardware", "Books",   "Grill",     "Bakery",
           "Motors", "Fitness",    "Travel",   "Energy",   "Telecom", "Insurance", "Dental",
           "Clinic", "Outfitters", "Foods",    "Services", "Supply",  "Bistro"};
    const int payeeCount = 3000;
    std::uniform_int_distribution<int> syllable(0, 23);
    for (int i = 0; i < payeeCount; ++i) {
        std::string word;
        for (int k = 0; k < 3; ++k)
            word += syllables[syllable(m_random)];
        word[0] = char(std::toupper(word[0]));
        PayeeRow payee;
        payee.name = word + " " + kinds[i % 20] + (i % 7 == 0 ? " #" + std::to_string(i) : "");
        payee.category = int(m_random() % m_categories.size());
        payee.income = m_categories[payee.category].income;
        m_payees.push_back(payee);
    }
}

std::string Generator::memo() {
    const int count = int(m_random() % 6); // 0 to 5 words
    std::string text;
    for (int i = 0; i < count; ++i) {
        if (!text.empty())
            text += ' ';
        text += m_words[zipf(int(m_words.size()), 1.0)];
    }
    return text;
}

// Two years of monthly budgets for every expense category below the top, every other one
// rolling over, so that a month's budget reads rollover chains back to January 2024. Made
// after the transactions, which therefore stay as they were without budgets.
bool Generator::insertBudgets(const std::string &now) {
    sqlite3_stmt *exists
        = prepare("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'budgets'");
    const bool hasTable = exists && sqlite3_step(exists) == SQLITE_ROW;
    sqlite3_finalize(exists);
    if (!hasTable) // an older schema
        return true;
    sqlite3_stmt *s = prepare(
        "INSERT INTO budgets (id, category_id, month, amount, rollover, version, sync_status, "
        "server_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?, 1, 'synced', ?, ?, ?)");
    bool ok = s != nullptr;
    int index = 0;
    char month[8];
    for (const CategoryRow &category : m_categories) {
        if (category.income)
            continue;
        for (int m = 0; ok && m < 24; ++m) {
            std::snprintf(month, sizeof month, "%04d-%02d", 2024 + m / 12, m % 12 + 1);
            bindText(s, 1, newId());
            bindText(s, 2, category.id);
            bindText(s, 3, month);
            sqlite3_bind_int64(s, 4, 5000 + (index * 1700) % 40000);
            sqlite3_bind_int(s, 5, index % 2 == 0 ? 1 : 0);
            bindText(s, 6, newId());
            bindText(s, 7, now);
            bindText(s, 8, now);
            ok = step(s);
        }
        ++index;
    }
    sqlite3_finalize(s);
    return ok;
}

bool Generator::run(long long liveTransactions, bool oneAccount) {
    const std::string now = "2026-01-01T00:00:00Z";
    if (!exec("PRAGMA synchronous=OFF") || !exec("PRAGMA cache_size=-524288")
        || !exec("PRAGMA temp_store=MEMORY") || !exec("BEGIN"))
        return false;
    if (!insertCategories(now) || !insertAccounts(now))
        return false;
    makeWords();
    makePayees();

    sqlite3_stmt *s = prepare(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
        "check_number, cleared, reconciled, version, sync_status, server_id, created_at, "
        "updated_at, deleted_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, ?, ?, ?, ?, ?)");
    if (!s)
        return false;

    // One row in 101 is soft-deleted on top of the live ones; rows go in by date.
    const long long total = liveTransactions + liveTransactions / 100;
    const QDate first(2016, 1, 1);
    const long long days = first.daysTo(QDate(2025, 12, 31)) + 1;
    std::discrete_distribution<int> otherAccount(m_accountWeights.begin(), m_accountWeights.end());
    char stamp[32];
    char dateText[16];
    long long live = 0;
    for (long long i = 0; i < total; ++i) {
        const QDate date = first.addDays(i * days / total);
        const int seconds = int(m_random() % 86400);
        std::snprintf(dateText, sizeof dateText, "%04d-%02d-%02d", date.year(), date.month(),
                      date.day());
        std::snprintf(stamp, sizeof stamp, "%sT%02d:%02d:%02dZ", dateText, seconds / 3600,
                      seconds / 60 % 60, seconds % 60);
        const bool deleted = i % 101 == 50;
        live += deleted ? 0 : 1;
        const int account = oneAccount || i % 10 == 3 ? 0 : otherAccount(m_random);
        const PayeeRow &payee = m_payees[zipf(int(m_payees.size()), 0.9)];
        const qint64 cents = 100 + qint64(m_random() % 25000);
        const bool recent = date.year() == 2025 && date.month() == 12;

        bindText(s, 1, newId());
        bindText(s, 2, m_accounts[account]);
        bindText(s, 3, dateText);
        bindText(s, 4, payee.name);
        bindText(s, 5, memo());
        sqlite3_bind_int64(s, 6, payee.income ? cents * 10 : -cents);
        // One row in twelve has no category.
        bindTextOrNull(s, 7, i % 12 == 5 ? std::string() : m_categories[payee.category].id);
        bindText(s, 8, i % 20 == 7 ? std::to_string(1000 + i % 9000) : std::string());
        sqlite3_bind_int(s, 9, recent ? 0 : 1);
        sqlite3_bind_int(s, 10, date.year() < 2025 ? 1 : 0);
        bindText(s, 11, recent || deleted ? "pending" : "synced");
        bindText(s, 12, recent ? std::string() : newId());
        bindText(s, 13, stamp);
        bindText(s, 14, stamp);
        if (deleted)
            bindText(s, 15, now);
        else
            sqlite3_bind_null(s, 15);
        if (!step(s))
            return false;
        if (i % 100000 == 0 && i > 0)
            std::fprintf(stderr, "  %lld rows\n", i);
    }
    sqlite3_finalize(s);
    if (!insertBudgets(now))
        return false;
    if (!exec("COMMIT") || !exec("PRAGMA wal_checkpoint(TRUNCATE)"))
        return false;
    std::fprintf(stderr, "%lld live and %lld soft-deleted transactions\n", live, total - live);
    return true;
}

bool parse(const QStringList &args, Options &options) {
    for (int i = 1; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        const bool hasValue = i + 1 < args.size();
        if (arg == QLatin1String("--transactions") && hasValue)
            options.transactions = args.at(++i).toLongLong();
        else if (arg == QLatin1String("--schema-version") && hasValue)
            options.schemaVersion = args.at(++i).toInt();
        else if (arg == QLatin1String("--seed") && hasValue)
            options.seed = args.at(++i).toUInt();
        else if (arg == QLatin1String("--one-account"))
            options.oneAccount = true;
        else if (!arg.startsWith(QLatin1String("--")) && options.path.isEmpty())
            options.path = arg;
        else
            return false;
    }
    return !options.path.isEmpty() && options.transactions > 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    Options options;
    if (!parse(app.arguments(), options)) {
        std::fprintf(stderr, "usage: quillon-gendb [--transactions N] [--schema-version V] "
                             "[--seed S] [--one-account] PATH\n");
        return 2;
    }
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(options.path + QLatin1String(suffix));

    QElapsedTimer timer;
    timer.start();
    Database database;
    QList<Database::Migration> migrations = Database::migrations();
    if (options.schemaVersion > 0) {
        while (!migrations.isEmpty() && migrations.last().version > options.schemaVersion)
            migrations.removeLast();
    }
    if (!database.open(options.path) || !database.runMigrations(migrations))
        return 1;
    const QVariant handle = database.connection().driver()->handle();
    auto *db = handle.isValid() ? *static_cast<sqlite3 *const *>(handle.constData()) : nullptr;
    if (!db) {
        std::fprintf(stderr, "no SQLite handle\n");
        return 1;
    }
    Generator generator(db, options.seed);
    if (!generator.run(options.transactions, options.oneAccount))
        return 1;
    std::fprintf(stderr, "wrote %s in %.1f s\n", qPrintable(options.path),
                 timer.elapsed() / 1000.0);
    return 0;
}
