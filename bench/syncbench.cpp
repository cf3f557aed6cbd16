// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// The sync engine against the in-process test sync server: pushing 100,000 pending
// transactions, and pulling 100,000 into an empty database over as many syncs as the page
// cap needs. Each run starts from a fresh database file and a fresh server.

#include "account/apiclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "services/syncengine.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testsyncserver.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRows = 100000;
const QString kStamp = QStringLiteral("2026-01-02T10:00:00Z");

struct Device {
    explicit Device(const QUrl &syncUrl)
        : database(QStringLiteral("bench-device")) {
        if (!database.open(dir.filePath(QStringLiteral("quillon.db"))) || !database.runMigrations())
            qFatal("cannot create the benchmark database");
        accounts = std::make_unique<AccountRepository>(&database);
        transactions = std::make_unique<TransactionRepository>(&database);
        categories = std::make_unique<CategoryRepository>(&database);
        preferences = std::make_unique<PreferencesRepository>(&database);
        recurring = std::make_unique<RecurringRepository>(&database);
        reconciliations = std::make_unique<ReconciliationRepository>(&database);
        tokens = std::make_unique<TindAccount::TokenManager>(
            std::make_unique<TindAccount::MemoryTokenStore>());
        // Signed in: the engine sends nothing without a token.
        tokens->setTokens(fakeJwtExpiringIn(24 * 3600), QStringLiteral("bench-refresh"));
        api = std::make_unique<TindAccount::ApiClient>(tokens.get());
        api->setBaseUrl(syncUrl);
        engine = std::make_unique<SyncEngine>(api.get(), accounts.get(), transactions.get(),
                                              categories.get(), recurring.get(),
                                              reconciliations.get(), preferences.get());
    }

    ~Device() {
        engine.reset();
        api.reset();
    }

    // One sync to its end; false when it failed.
    bool sync() {
        bool ok = false;
        QEventLoop loop;
        QObject::connect(engine.get(), &SyncEngine::syncCompleted, &loop, [&] {
            ok = true;
            loop.quit();
        });
        QObject::connect(engine.get(), &SyncEngine::syncFailed, &loop, [&] { loop.quit(); });
        engine->syncNow();
        loop.exec();
        return ok;
    }

    int count(const QString &sql) const {
        QSqlQuery query(database.connection());
        return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
    }

    QTemporaryDir dir;
    Database database;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<CategoryRepository> categories;
    std::unique_ptr<PreferencesRepository> preferences;
    std::unique_ptr<RecurringRepository> recurring;
    std::unique_ptr<ReconciliationRepository> reconciliations;
    std::unique_ptr<TindAccount::TokenManager> tokens;
    std::unique_ptr<TindAccount::ApiClient> api;
    std::unique_ptr<SyncEngine> engine;
};

QJsonObject transactionPayload(int i) {
    return QJsonObject{{"client_id", QStringLiteral("tx-%1").arg(i)},
                       {"account_id", "acc-bench"},
                       {"date", QStringLiteral("2025-%1-%2")
                                    .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                    .arg(1 + i % 28, 2, 10, QLatin1Char('0'))},
                       {"payee", QStringLiteral("Payee %1").arg(i % 500)},
                       {"memo", QStringLiteral("memo %1").arg(i)},
                       {"amount", -(i % 10000) - 1},
                       {"category_id", ""},
                       {"check_number", ""},
                       {"cleared", i % 2},
                       {"reconciled", 0},
                       {"transfer_link_id", ""},
                       {"transfer_dest_account_id", ""},
                       {"is_split", 0},
                       {"recurring_id", ""},
                       {"version", 1},
                       {"created_at", kStamp},
                       {"updated_at", kStamp}};
}

void insertPending(Device &device) {
    QSqlDatabase db = device.database.connection();
    db.transaction();
    QSqlQuery query(db);
    query.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                              "('acc-bench', 'Bench', '%1', '%1')")
                   .arg(kStamp));
    query.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, cleared, "
        "created_at, updated_at) VALUES (?, 'acc-bench', ?, ?, ?, ?, ?, ?, ?)"));
    for (int i = 0; i < kRows; ++i) {
        const QJsonObject p = transactionPayload(i);
        query.addBindValue(p["client_id"].toString());
        query.addBindValue(p["date"].toString());
        query.addBindValue(p["payee"].toString());
        query.addBindValue(p["memo"].toString());
        query.addBindValue(p["amount"].toInteger());
        query.addBindValue(p["cleared"].toInt());
        query.addBindValue(kStamp);
        query.addBindValue(kStamp);
        query.exec();
    }
    db.commit();
}

// The push phase ends when the pull that follows it is requested; the sync goes on to pull
// the first pages of its own changes back, reported as a whole too.
void BM_Push100k(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        TestSyncServer server;
        server.listen();
        auto device = std::make_unique<Device>(server.url());
        insertPending(*device);
        QElapsedTimer clock;
        qint64 pushMs = -1;
        QObject::connect(server.http(), &TestHttpServer::requestReceived, [&] {
            if (pushMs < 0 && server.requests().last().path.endsWith(QLatin1String("/sync/pull")))
                pushMs = clock.elapsed();
        });
        state.ResumeTiming();

        clock.start();
        const bool ok = device->sync();
        const qint64 syncMs = clock.elapsed();

        state.PauseTiming();
        if (!ok || server.records(QStringLiteral("transaction")).size() != kRows
            || device->count("SELECT count(*) FROM transactions WHERE sync_status = 'pending'")
                   != 0)
            state.SkipWithError("the push did not complete");
        state.counters["push_ms"] = double(pushMs);
        state.counters["sync_ms"] = double(syncMs);
        device.reset();
        state.ResumeTiming();
    }
}

void BM_Pull100k(benchmark::State &state) {
    for (auto _ : state) {
        state.PauseTiming();
        TestSyncServer server;
        server.listen();
        server.seed(QStringLiteral("account"), {{"client_id", "acc-bench"},
                                                {"name", "Bench"},
                                                {"account_type", "checking"},
                                                {"currency", "USD"},
                                                {"created_at", kStamp},
                                                {"updated_at", kStamp}});
        for (int i = 0; i < kRows; ++i)
            server.seed(QStringLiteral("transaction"), transactionPayload(i));
        auto device = std::make_unique<Device>(server.url());
        state.ResumeTiming();

        int syncs = 0;
        bool ok = true;
        while (ok && device->count("SELECT count(*) FROM transactions") < kRows && syncs < 100) {
            ok = device->sync();
            ++syncs;
        }

        state.PauseTiming();
        if (!ok || device->count("SELECT count(*) FROM transactions") != kRows)
            state.SkipWithError("the pull did not complete");
        state.counters["syncs"] = syncs;
        device.reset();
        state.ResumeTiming();
    }
}

BENCHMARK(BM_Push100k)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Pull100k)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv) {
    int qtArgc = 1;
    QCoreApplication app(qtArgc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
