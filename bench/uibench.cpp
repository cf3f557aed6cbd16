// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-ui: the main window's sidebar rebuild (every account with its balance) and
// the reconciliation screen of the account with the most unreconciled rows, on a large
// database written by quillon-gendb, in an offscreen window.
//
//   quillon-bench-ui --db PATH [Google Benchmark options]
//
// For a hundred thousand unreconciled rows in one account:
//   quillon-gendb --one-account --transactions 1000000 big.db
//
// The file is opened as the program's own database: it is migrated when it is older.

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "ui/mainwindow.h"
#include "ui/reconciliationmodel.h"
#include "ui/reconciliationscreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

MainWindow *g_window = nullptr;

void BM_SidebarRefresh(benchmark::State &state) {
    for (auto _ : state)
        g_window->onAccountsChanged();
    state.counters["accounts"] = g_window->accountList()->count();
}
BENCHMARK(BM_SidebarRefresh)->Unit(benchmark::kMillisecond);

AppState *g_state = nullptr;

// The one query under the rebuild, for telling the two apart.
void BM_Balances(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(g_state->accountRepository()->balances());
}
BENCHMARK(BM_Balances)->Unit(benchmark::kMillisecond);

QString g_busiestAccount;

// Opening the reconciliation screen: the reconciled totals, every unreconciled row and the
// first paint.
void BM_ReconciliationOpen(benchmark::State &state) {
    int rows = 0;
    for (auto _ : state) {
        ReconciliationScreen screen(g_state);
        screen.resize(1100, 720);
        screen.setAccount(g_busiestAccount);
        screen.show();
        QCoreApplication::processEvents();
        rows = screen.model()->rowCount();
    }
    state.counters["rows"] = rows;
}
BENCHMARK(BM_ReconciliationOpen)->Unit(benchmark::kMillisecond);

// One tick by key on the open screen, with the difference it updates.
void BM_ReconciliationTick(benchmark::State &state) {
    ReconciliationScreen screen(g_state);
    screen.setAccount(g_busiestAccount);
    const int last = screen.model()->rowCount() - 1;
    for (auto _ : state)
        screen.model()->toggle(last);
}
BENCHMARK(BM_ReconciliationTick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QString path;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--db") == 0)
            path = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (path.isEmpty()) {
        std::fprintf(stderr, "usage: quillon-bench-ui --db PATH [benchmark options]\n");
        return 2;
    }
    QApplication app(argc, argv);

    // The program finds its database as quillon.db in its data directory: link it there.
    QTemporaryDir dir;
    if (!QFile::link(QFileInfo(path).absoluteFilePath(), dir.filePath("quillon.db"))) {
        std::fprintf(stderr, "cannot link %s\n", qPrintable(path));
        return 1;
    }
    qputenv("QUILLON_DATA_DIR", dir.path().toUtf8());
    AppState state;
    state.setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    if (!state.initialize()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }
    MainWindow window(&state);
    g_window = &window;
    g_state = &state;
    QSqlQuery busiest(state.database()->connection());
    busiest.exec(QStringLiteral("SELECT account_id FROM transactions WHERE deleted_at IS NULL "
                                "AND reconciled = 0 GROUP BY account_id ORDER BY COUNT(*) DESC "
                                "LIMIT 1"));
    if (busiest.next())
        g_busiestAccount = busiest.value(0).toString();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
