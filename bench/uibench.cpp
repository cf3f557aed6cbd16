// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-ui: the main window's sidebar rebuild (every account with its balance) and
// the reports window showing a tab for a new period, on a large database written by
// quillon-gendb, in offscreen windows.
//
//   quillon-bench-ui --db PATH [Google Benchmark options]
//
// The file is opened as the program's own database: it is migrated when it is older.

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "ui/mainwindow.h"
#include "ui/reportperiods.h"
#include "ui/reportsscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
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

ReportsScreen *g_reports = nullptr;

// What a person waits for after choosing another period (or a tab whose period changed):
// the report read, its table filled, its chart built and the window painted. The argument is
// the tab; the period alternates between All Time and Last 12 Months.
void BM_ReportNewPeriod(benchmark::State &state) {
    g_reports->tabs()->setCurrentIndex(int(state.range(0)));
    bool allTime = false;
    for (auto _ : state) {
        allTime = !allTime;
        g_reports->periodCombo()->setCurrentIndex(allTime ? ReportPeriods::AllTime
                                                          : ReportPeriods::Last12Months);
        g_reports->runReport();
        g_reports->repaint();
    }
    state.counters["rows"] = g_reports->table(int(state.range(0)))->rowCount();
}
BENCHMARK(BM_ReportNewPeriod)
    ->DenseRange(0, ReportsScreen::TabCount - 1)
    ->Unit(benchmark::kMillisecond);

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
    ReportsScreen reports(&state);
    reports.resize(800, 600);
    reports.show();
    g_reports = &reports;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
