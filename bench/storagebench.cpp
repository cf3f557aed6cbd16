// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-storage: the repositories' hot reads and one insert on a large database
// (written by quillon-gendb), each beside the same SQL run through the bare SQLite API on
// the same file. The bare side prepares, binds and steps like the repository does and
// copies every column into plain C++ values, so the ratio is the cost of our layer: Qt's
// driver, the records and the running balance.
//
//   quillon-bench-storage --db PATH [--as-is] [Google Benchmark options]
//
// Without --as-is the file is first brought to the current schema (our migrations).

#include "accountrepository.h"
#include "database.h"
#include "timestamps.h"
#include "transactionrepository.h"

#include <QCoreApplication>
#include <QUuid>

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace {

// ---- The bare side -------------------------------------------------------------------

struct BareRow {
    std::vector<std::string> texts;
    std::vector<long long> integers;
    long long runningBalance = 0;
};

class Bare {
public:
    explicit Bare(const char *path) {
        if (sqlite3_open_v2(path, &m_db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "cannot open %s\n", path);
            std::exit(1);
        }
        sqlite3_busy_timeout(m_db, 5000);
        sqlite3_exec(m_db, "PRAGMA foreign_keys=ON", nullptr, nullptr, nullptr);
    }
    ~Bare() { sqlite3_close(m_db); }

    using Value = std::variant<std::nullptr_t, std::string, long long>;

    // Prepares sql, binds the values in order, steps through every row and copies each
    // column: integers as integers, everything else as text.
    std::vector<BareRow> query(const std::string &sql,
                               const std::vector<Value> &values = {}) const {
        std::vector<BareRow> rows;
        sqlite3_stmt *s = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.c_str(), int(sql.size()), &s, nullptr) != SQLITE_OK) {
            std::fprintf(stderr, "prepare failed: %s\n", sqlite3_errmsg(m_db));
            std::exit(1);
        }
        int index = 1;
        for (const Value &value : values) {
            if (const auto *text = std::get_if<std::string>(&value))
                sqlite3_bind_text(s, index, text->data(), int(text->size()), SQLITE_STATIC);
            else if (const auto *integer = std::get_if<long long>(&value))
                sqlite3_bind_int64(s, index, *integer);
            else
                sqlite3_bind_null(s, index);
            ++index;
        }
        const int columns = sqlite3_column_count(s);
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            BareRow row;
            row.texts.reserve(columns);
            for (int c = 0; c < columns; ++c) {
                if (sqlite3_column_type(s, c) == SQLITE_INTEGER) {
                    row.integers.push_back(sqlite3_column_int64(s, c));
                } else {
                    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(s, c));
                    row.texts.emplace_back(text ? text : "", sqlite3_column_bytes(s, c));
                }
            }
            rows.push_back(std::move(row));
        }
        if (rc != SQLITE_DONE) {
            std::fprintf(stderr, "step failed: %s\n", sqlite3_errmsg(m_db));
            std::exit(1);
        }
        sqlite3_finalize(s);
        return rows;
    }

    sqlite3 *handle() const { return m_db; }

private:
    sqlite3 *m_db = nullptr;
};

const std::string kColumns
    = "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, "
      "t.cleared, t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, "
      "t.recurring_id, t.version, t.sync_status, t.server_id, t.created_at, t.updated_at, "
      "t.deleted_at";

std::vector<BareRow> bareRegister(const Bare &bare, const std::string &accountId) {
    const std::string &id = accountId;
    const auto start = bare.query("SELECT starting_balance FROM accounts WHERE id = ?", {id});
    const long long startingBalance = start.empty() ? 0 : start.front().integers.front();
    std::vector<BareRow> rows;
    if (startingBalance != 0) {
        const auto first = bare.query("SELECT date FROM transactions WHERE account_id = ? AND "
                                      "deleted_at IS NULL ORDER BY date ASC LIMIT 1",
                                      {id});
        BareRow opening;
        opening.texts = {first.empty() ? std::string() : first.front().texts.front()};
        opening.runningBalance = startingBalance;
        rows.push_back(opening);
    }
    std::vector<BareRow> body = bare.query(
        "SELECT " + kColumns
            + ", c.name AS category_name FROM transactions t LEFT JOIN categories c ON "
              "t.category_id = c.id WHERE t.account_id = ? AND t.deleted_at IS NULL "
              "ORDER BY t.date ASC, t.created_at ASC",
        {id});
    long long running = startingBalance;
    for (BareRow &row : body) {
        running += row.integers.front(); // amount is the first integer column
        row.runningBalance = running;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string searchSql(bool withText, bool withDates) {
    std::string sql = "SELECT " + kColumns + ", c.name AS category_name FROM transactions t ";
    if (withText)
        sql += "JOIN transactions_fts fts ON fts.rowid = t.rowid LEFT JOIN categories c ON "
               "t.category_id = c.id WHERE t.deleted_at IS NULL AND transactions_fts MATCH ?";
    else
        sql += "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL";
    if (withDates)
        sql += " AND t.date >= ? AND t.date <= ?";
    return sql + " ORDER BY t.date DESC, t.created_at DESC LIMIT 200";
}

const char *kInsertSql
    = "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
      "check_number, cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
      "recurring_id, version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, "
      "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";

// ---- The figures -----------------------------------------------------------------------

struct Context {
    Database *database = nullptr;
    AccountRepository *accounts = nullptr;
    TransactionRepository *transactions = nullptr;
    Bare *bare = nullptr;
    std::string bigAccount;
    std::string commonWord;
    std::string rarePayee;
    std::string rareWord;
    std::string prefix;
    QDate quarterFrom;
    QDate quarterTo;
};

Context g;

Transaction newTransaction() {
    Transaction t;
    t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    t.accountId = QString::fromStdString(g.bigAccount);
    t.date = QDate(2025, 12, 31);
    t.payee = QString::fromStdString(g.rarePayee);
    t.memo = QStringLiteral("benchmark insert");
    t.amount = -1234;
    t.createdAt = t.updatedAt = Timestamps::nowUtc();
    return t;
}

void removeInserted(const std::vector<std::string> &ids) {
    sqlite3_exec(g.bare->handle(), "BEGIN", nullptr, nullptr, nullptr);
    for (const std::string &id : ids)
        g.bare->query("DELETE FROM transactions WHERE id = ?", {id});
    sqlite3_exec(g.bare->handle(), "COMMIT", nullptr, nullptr, nullptr);
}

void registerPair(const std::string &name, std::function<std::size_t()> ours,
                  std::function<std::size_t()> bare) {
    for (const auto &[side, body] : {std::make_pair("ours", ours), std::make_pair("bare", bare)}) {
        benchmark::RegisterBenchmark((name + "/" + side).c_str(), [body](benchmark::State &state) {
            std::size_t rows = 0;
            for (auto _ : state)
                benchmark::DoNotOptimize(rows = body());
            state.counters["rows"] = double(rows);
        })->Unit(benchmark::kMillisecond);
    }
}

void registerAll() {
    const QString account = QString::fromStdString(g.bigAccount);
    registerPair(
        "registerRows", [=] { return std::size_t(g.transactions->registerRows(account).size()); },
        [] { return bareRegister(*g.bare, g.bigAccount).size(); });

    const auto searchPair = [](const std::string &name, const std::string &text) {
        registerPair(
            name,
            [text] {
                return std::size_t(g.transactions->search(QString::fromStdString(text)).size());
            },
            [text] { return g.bare->query(searchSql(true, false), {text}).size(); });
    };
    searchPair("search common word", g.commonWord);
    searchPair("search rare payee word", g.rareWord);
    searchPair("search prefix", g.prefix);

    registerPair(
        "search quarter",
        [] {
            SearchFilter filter;
            filter.fromDate = g.quarterFrom;
            filter.toDate = g.quarterTo;
            return std::size_t(g.transactions->search(QString(), filter).size());
        },
        [] {
            const std::string from = g.quarterFrom.toString(Qt::ISODate).toStdString();
            const std::string to = g.quarterTo.toString(Qt::ISODate).toStdString();
            return g.bare->query(searchSql(false, true), {from, to}).size();
        });

    registerPair(
        "payees", [] { return std::size_t(g.transactions->payees().size()); },
        [] {
            return g.bare
                ->query("SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND "
                        "payee != '' ORDER BY payee")
                .size();
        });

    registerPair(
        "lastByPayee",
        [=] {
            return std::size_t(
                g.transactions->lastByPayee(QString::fromStdString(g.rarePayee), account) ? 1 : 0);
        },
        [] {
            return g.bare
                ->query("SELECT " + kColumns
                            + " FROM transactions t WHERE t.payee = ? AND t.account_id = ? AND "
                              "t.deleted_at IS NULL ORDER BY t.date DESC, t.created_at DESC "
                              "LIMIT 1",
                        {g.rarePayee, g.bigAccount})
                .size();
        });

    registerPair(
        "balances", [] { return std::size_t(g.accounts->balances().size()); },
        [] {
            return g.bare
                ->query("SELECT a.id, a.starting_balance + COALESCE((SELECT SUM(t.amount) FROM "
                        "transactions t WHERE t.account_id = a.id AND t.deleted_at IS NULL), 0) "
                        "FROM accounts a WHERE a.deleted_at IS NULL")
                .size();
        });

    // One insert, committed (the FTS trigger and every index included). The rows are
    // removed again after the run, outside the timing.
    for (const bool ours : {true, false}) {
        benchmark::RegisterBenchmark(ours ? "insert/ours" : "insert/bare", [ours](benchmark::State
                                                                                      &state) {
            std::vector<std::string> ids;
            for (auto _ : state) {
                const Transaction t = newTransaction();
                ids.push_back(t.id.toStdString());
                if (ours) {
                    if (!g.transactions->insert(t))
                        state.SkipWithError("insert failed");
                    continue;
                }
                // Bound as the repository binds them: empty texts of the record as NULL.
                const std::string stamp = Timestamps::toText(t.createdAt).toStdString();
                g.bare->query(kInsertSql,
                              {ids.back(), t.accountId.toStdString(),
                               Timestamps::dateToText(t.date).toStdString(), t.payee.toStdString(),
                               t.memo.toStdString(), static_cast<long long>(t.amount), nullptr,
                               nullptr, 0LL, 0LL, nullptr, nullptr, 0LL, nullptr, 1LL,
                               std::string("pending"), nullptr, stamp, stamp});
            }
            removeInserted(ids);
        })->Unit(benchmark::kMillisecond);
    }
}

// ---- Reporting: our figure, the bare one, and their ratio ------------------------------

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            const std::string name = run.benchmark_name();
            const auto slash = name.rfind('/');
            const double ms = run.GetAdjustedRealTime()
                              * benchmark::GetTimeUnitMultiplier(benchmark::kMillisecond)
                              / benchmark::GetTimeUnitMultiplier(run.time_unit);
            m_times[name.substr(0, slash)][name.substr(slash + 1)] = ms;
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-24s %12s %12s %8s\n", "operation", "ours (ms)", "bare (ms)", "ratio");
        for (const auto &[name, sides] : m_times) {
            const auto ours = sides.find("ours");
            const auto bare = sides.find("bare");
            if (ours == sides.end() || bare == sides.end())
                continue;
            std::printf("%-24s %12.3f %12.3f %8.2f\n", name.c_str(), ours->second, bare->second,
                        ours->second / bare->second);
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> m_times;
};

std::string firstText(const std::string &sql) {
    const auto rows = g.bare->query(sql);
    return rows.empty() || rows.front().texts.empty() ? std::string() : rows.front().texts.front();
}

} // namespace

int main(int argc, char **argv) {
    // Our own options first; the rest goes to Google Benchmark.
    QString path;
    bool asIs = false;
    std::vector<char *> rest{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--db") == 0 && i + 1 < argc)
            path = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--as-is") == 0)
            asIs = true;
        else
            rest.push_back(argv[i]);
    }
    if (path.isEmpty()) {
        std::fprintf(stderr, "usage: quillon-bench-storage --db PATH [--as-is] [benchmark "
                             "options]\n");
        return 2;
    }

    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    Database database;
    if (!database.open(path) || (!asIs && !database.runMigrations()))
        return 1;
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    Bare bare(path.toLocal8Bit().constData());

    g.database = &database;
    g.accounts = &accounts;
    g.transactions = &transactions;
    g.bare = &bare;
    g.bigAccount = firstText("SELECT a.id FROM accounts a JOIN transactions t ON t.account_id = "
                             "a.id WHERE t.deleted_at IS NULL GROUP BY a.id HAVING count(*) = "
                             "100000");
    if (g.bigAccount.empty())
        g.bigAccount = firstText("SELECT account_id FROM transactions GROUP BY account_id ORDER "
                                 "BY count(*) DESC LIMIT 1");
    // The least used payee whose first word is its own: a rare search word.
    g.rarePayee = firstText("SELECT payee FROM transactions WHERE deleted_at IS NULL AND "
                            "account_id = '"
                            + g.bigAccount
                            + "' GROUP BY payee ORDER BY "
                              "count(*), payee LIMIT 1");
    g.rareWord = g.rarePayee.substr(0, g.rarePayee.find(' '));
    g.commonWord = "coffee";
    g.prefix = "gro*";
    const QString lastDate = QString::fromStdString(
        firstText("SELECT max(date) FROM transactions WHERE deleted_at IS NULL"));
    g.quarterTo = QDate::fromString(lastDate, Qt::ISODate);
    g.quarterFrom = g.quarterTo.addMonths(-3).addDays(1);
    std::printf("database %s%s; big account %s; rare payee \"%s\"; quarter %s..%s\n",
                qPrintable(path), asIs ? " (as is)" : "", g.bigAccount.c_str(), g.rarePayee.c_str(),
                qPrintable(g.quarterFrom.toString(Qt::ISODate)),
                qPrintable(g.quarterTo.toString(Qt::ISODate)));

    registerAll();
    int benchArgc = int(rest.size());
    benchmark::Initialize(&benchArgc, rest.data());
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
