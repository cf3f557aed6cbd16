// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-ui: the main window's sidebar rebuild (every account with its balance),
// opening and saving in the largest account's register, the reports window showing a tab
// for a new period, and the reconciliation screen of the account with the most
// unreconciled rows, on a large database written by quillon-gendb, in offscreen windows.
//
//   quillon-bench-ui --db PATH [Google Benchmark options]
//
// For a hundred thousand unreconciled rows in one account:
//   quillon-gendb --one-account --transactions 1000000 big.db
//
// The file is opened as the program's own database: it is migrated when it is older.

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/registerrow.h"
#include "storage/transactionrepository.h"
#include "ui/presentation/reportperiods.h"
#include "ui/reconciliation/reconciliationmodel.h"
#include "ui/reconciliation/reconciliationscreen.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/reports/reportsscreen.h"
#include "ui/window/mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <cstring>
#include <ctime>
#include <memory>

namespace {

MainWindow *g_window = nullptr;

void BM_SidebarRefresh(benchmark::State &state) {
    for (auto _ : state)
        g_window->onAccountsChanged();
    state.counters["accounts"]
        = g_window->findChild<QListView *>("accountList")->model()->rowCount();
}
BENCHMARK(BM_SidebarRefresh)->Unit(benchmark::kMillisecond);

AppState *g_state = nullptr;

// The one query under the rebuild, for telling the two apart.
void BM_Balances(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(g_state->accountRepository()->balances());
}
BENCHMARK(BM_Balances)->Unit(benchmark::kMillisecond);

QString g_bigAccount;   // the account with the most transactions
QString g_smallAccount; // any other

double heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks) + double(info.hblkhd);
}

// Kilobytes of a /proc/self/status line such as "VmRSS".
double statusKb(const char *key) {
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key)) + 1).trimmed().split(' ').value(0).toDouble();
    }
    return 0;
}

// The rows alone, as the repository reads them for the register, and the heap they hold.
void BM_RegisterRows(benchmark::State &state) {
    double rows = 0;
    double bytes = 0;
    for (auto _ : state) {
        const double before = heapInUse();
        const QList<RegisterRow> held
            = g_state->transactionRepository()->registerRows(g_bigAccount);
        bytes = heapInUse() - before;
        rows = double(held.size());
    }
    state.counters["rows"] = rows;
    state.counters["bytes_per_row"] = rows > 0 ? bytes / rows : 0;
    state.counters["rows_MB"] = bytes / (1024.0 * 1024.0);
}
BENCHMARK(BM_RegisterRows)->Unit(benchmark::kMillisecond);

// Opening the register from another account: the rows read, the model reset and the first
// paint, as the person switching accounts waits for it.
void BM_OpenRegister(benchmark::State &state) {
    RegisterScreen *screen = g_window->findChild<RegisterScreen *>();
    for (auto _ : state) {
        state.PauseTiming();
        screen->loadAccount(g_smallAccount);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        g_window->selectAccount(g_bigAccount);
        screen->table()->viewport()->repaint();
    }
    state.counters["rows"] = screen->model()->rowCount() - 1;
    // The whole process with the register open: the program, Qt, SQLite's cache and the rows.
    state.counters["rss_MB"] = statusKb("VmRSS:") / 1024.0;
    // The part of it that is the program's own: the rest is the database file mapped, pages
    // the operating system's cache holds anyway and may drop at any time.
    state.counters["rss_anon_MB"] = statusKb("RssAnon:") / 1024.0;
}
BENCHMARK(BM_OpenRegister)->Unit(benchmark::kMillisecond);

// Saving one edited row in the middle of the open register, with the notice of the write
// delivered to the window as the event loop would, until the row below is current.
void BM_SaveRow(benchmark::State &state) {
    RegisterScreen *screen = g_window->findChild<RegisterScreen *>();
    g_window->selectAccount(g_bigAccount);
    QCoreApplication::processEvents();
    RegisterModel *model = screen->model();
    const int row = model->rowCount() / 2;
    qint64 cents = 1;
    for (auto _ : state) {
        screen->table()->setCurrentIndex(model->index(row, RegisterModel::PaymentColumn));
        screen->startEditingRow(row);
        // Alternate the amount, so every save changes the balances below it.
        model->setBufferField(RegisterModel::PaymentColumn, QString::number(cents++ % 2 + 1));
        model->setBufferField(RegisterModel::DepositColumn, QString());
        if (!screen->commitCurrentRow())
            state.SkipWithError("the row was not saved");
        QCoreApplication::processEvents();
        screen->table()->viewport()->repaint();
    }
    state.counters["rows"] = model->rowCount() - 1;
}
BENCHMARK(BM_SaveRow)->Unit(benchmark::kMillisecond);

ReportsScreen *g_reports = nullptr;

// What a person waits for after choosing another period (or a tab whose period changed):
// the report read, its table filled, its chart built and the window painted. The argument is
// the tab; the period alternates between All Time and Last 12 Months.
void BM_ReportNewPeriod(benchmark::State &state) {
    g_reports->show();
    g_reports->tabs()->setCurrentIndex(int(state.range(0)));
    bool allTime = false;
    // The two periods differ much in rows: each gets its own mean processor time.
    double seconds[2] = {0, 0};
    int runs[2] = {0, 0};
    for (auto _ : state) {
        allTime = !allTime;
        const std::clock_t start = std::clock();
        g_reports->periodCombo()->setCurrentIndex(allTime ? ReportPeriods::AllTime
                                                          : ReportPeriods::Last12Months);
        g_reports->runReport();
        g_reports->repaint();
        seconds[allTime] += double(std::clock() - start) / CLOCKS_PER_SEC;
        ++runs[allTime];
    }
    state.counters["rows"] = g_reports->table(int(state.range(0)))->rowCount();
    if (runs[1] > 0)
        state.counters["all_time_cpu_ms"] = 1000 * seconds[1] / runs[1];
    if (runs[0] > 0)
        state.counters["last12_cpu_ms"] = 1000 * seconds[0] / runs[0];
    g_reports->hide();
}
BENCHMARK(BM_ReportNewPeriod)
    ->DenseRange(0, ReportsScreen::TabCount - 1)
    ->Unit(benchmark::kMillisecond);

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
    window.resize(1280, 800);
    window.show();
    g_window = &window;
    g_state = &state;
    // quillon-gendb puts a tenth of the rows (all of them with --one-account) in this one.
    for (const Account &account : state.accountRepository()->findAll()) {
        if (account.name == QLatin1String("Everyday Checking"))
            g_bigAccount = account.id;
        else if (g_smallAccount.isEmpty())
            g_smallAccount = account.id;
    }
    if (g_bigAccount.isEmpty()) {
        std::fprintf(stderr, "no \"Everyday Checking\" account in %s\n", qPrintable(path));
        return 1;
    }
    ReportsScreen reports(&state);
    reports.resize(800, 600);
    // Shown only while its own benchmark runs: a visible reports window re-reads on every
    // write, which is not what the register benchmarks measure.
    g_reports = &reports;

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
