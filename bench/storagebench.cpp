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

#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QUuid>

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <array>
#include <chrono>
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
    std::vector<std::string> inserted;
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

// One benchmark per operation: every iteration runs ours and the bare SQL, in alternating
// order, so that both see the same machine load and cache state. The benchmark's time is
// ours; the counters carry both means and their ratio.
void registerPair(const std::string &name, std::function<std::size_t()> ours,
                  std::function<std::size_t()> bare, std::function<void()> cleanup = {}) {
    benchmark::RegisterBenchmark(
        name.c_str(),
        [ours, bare, cleanup](benchmark::State &state) {
            using Clock = std::chrono::steady_clock;
            const auto timed = [](const std::function<std::size_t()> &body, std::size_t &rows) {
                const auto start = Clock::now();
                rows = body();
                return std::chrono::duration<double>(Clock::now() - start).count();
            };
            double oursTotal = 0;
            double bareTotal = 0;
            std::size_t oursRows = 0;
            std::size_t bareRows = 0;
            bool oursFirst = true;
            for (auto _ : state) {
                double oursTime = 0;
                if (oursFirst) {
                    oursTime = timed(ours, oursRows);
                    bareTotal += timed(bare, bareRows);
                } else {
                    bareTotal += timed(bare, bareRows);
                    oursTime = timed(ours, oursRows);
                }
                oursFirst = !oursFirst;
                oursTotal += oursTime;
                state.SetIterationTime(oursTime);
            }
            if (cleanup)
                cleanup();
            if (oursRows != bareRows)
                state.SkipWithError("ours and bare returned different row counts");
            const double n = double(state.iterations());
            state.counters["ours_ms"] = oursTotal * 1000 / n;
            state.counters["bare_ms"] = bareTotal * 1000 / n;
            state.counters["ratio"] = oursTotal / bareTotal;
            state.counters["rows"] = double(oursRows);
        })
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

void registerAll() {
    const QString account = QString::fromStdString(g.bigAccount);
    registerPair(
        "registerRows", [=] { return std::size_t(g.transactions->registerRows(account).size()); },
        [] { return bareRegister(*g.bare, g.bigAccount).size(); });

    // What a register holds in memory: heap bytes in use while the rows are held, per row
    // (the list's own storage included).
    benchmark::RegisterBenchmark("registerRows memory",
                                 [=](benchmark::State &state) {
                                     const auto inUse = [] {
                                         const struct mallinfo2 info = mallinfo2();
                                         return double(info.uordblks) + double(info.hblkhd);
                                     };
                                     // Once untimed, so that SQLite's page cache and the prepared
                                     // statements are in place before the count.
                                     g.transactions->registerRows(account);
                                     double bytes = 0;
                                     double rows = 0;
                                     for (auto _ : state) {
                                         const double before = inUse();
                                         const QList<RegisterRow> held
                                             = g.transactions->registerRows(account);
                                         bytes = inUse() - before;
                                         rows = double(held.size());
                                     }
                                     state.counters["bytes_per_row"] = rows > 0 ? bytes / rows : 0;
                                     state.counters["rows"] = rows;
                                 })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);

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
    registerPair(
        "insert",
        [] {
            const Transaction t = newTransaction();
            g.inserted.push_back(t.id.toStdString());
            return std::size_t(g.transactions->insert(t) ? 1 : 0);
        },
        [] {
            // Bound as the repository binds them: empty texts of the record as NULL.
            const Transaction t = newTransaction();
            g.inserted.push_back(t.id.toStdString());
            const std::string stamp = Timestamps::toText(t.createdAt).toStdString();
            g.bare->query(kInsertSql,
                          {g.inserted.back(), t.accountId.toStdString(),
                           Timestamps::dateToText(t.date).toStdString(), t.payee.toStdString(),
                           t.memo.toStdString(), static_cast<long long>(t.amount), nullptr, nullptr,
                           0LL, 0LL, nullptr, nullptr, 0LL, nullptr, 1LL, std::string("pending"),
                           nullptr, stamp, stamp});
            return std::size_t(sqlite3_changes(g.bare->handle()));
        },
        [] {
            removeInserted(g.inserted);
            g.inserted.clear();
        });
}

// ---- Reporting: our figure, the bare one, and their ratio ------------------------------

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // With --benchmark_repetitions the medians are compared, else the single runs.
    void ReportRuns(const std::vector<Run> &runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || (run.run_type != Run::RT_Iteration && !median)
                || (!median && run.repetitions > 1))
                continue;
            const auto counter = [&run](const char *name) {
                const auto it = run.counters.find(name);
                return it == run.counters.end() ? 0.0 : double(it->second);
            };
            m_rows[run.run_name.function_name]
                = {counter("ours_ms"), counter("bare_ms"), counter("ratio")};
        }
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-24s %12s %12s %8s\n", "operation", "ours (ms)", "bare (ms)", "ratio");
        for (const auto &[name, row] : m_rows)
            std::printf("%-24s %12.3f %12.3f %8.2f\n", name.c_str(), row[0], row[1], row[2]);
    }

private:
    std::map<std::string, std::array<double, 3>> m_rows;
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
