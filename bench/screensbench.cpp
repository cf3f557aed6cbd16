// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-screens: the search, payee and category windows on a large database written
// by quillon-gendb, offscreen, each measured up to its first paint.
//
//   quillon-bench-screens --db PATH [--word WORD] [Google Benchmark options]
//
// The search is measured from the moment the typing pause ends (the search itself, filling
// the results and painting them); WORD defaults to "coffee", in the memo of many rows. The
// file is opened as the program's own database: it is migrated when it is older.

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "ui/lists/categoriesscreen.h"
#include "ui/lists/payeescreen.h"
#include "ui/lists/searchresultsmodel.h"
#include "ui/lists/searchscreen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

AppState *g_state = nullptr;
QString g_word = QStringLiteral("coffee");

void paintNow(QWidget *widget) {
    widget->repaint();
    QCoreApplication::processEvents();
}

// What follows the typing pause: one search of a common word, its rows shown.
void BM_SearchAfterPause(benchmark::State &state) {
    SearchScreen screen(g_state);
    screen.resize(800, 550);
    screen.refresh();
    screen.show();
    paintNow(&screen);
    screen.searchField()->setText(g_word);
    for (auto _ : state) {
        screen.performSearch();
        paintNow(screen.resultsView()->viewport());
    }
    state.counters["rows"] = screen.results()->rowCount();
}
BENCHMARK(BM_SearchAfterPause)->Unit(benchmark::kMillisecond);

// The same with every filter on: one account, a year, cleared only.
void BM_SearchFiltered(benchmark::State &state) {
    SearchScreen screen(g_state);
    screen.resize(800, 550);
    screen.refresh();
    screen.show();
    screen.searchField()->setText(g_word);
    screen.accountFilter()->setCurrentIndex(1);
    screen.fromDate()->setDate(QDate(2024, 1, 1));
    screen.toDate()->setDate(QDate(2024, 12, 31));
    screen.dateRangeBox()->setChecked(true);
    screen.clearedOnlyBox()->setChecked(true);
    for (auto _ : state) {
        screen.performSearch();
        paintNow(screen.resultsView()->viewport());
    }
    state.counters["rows"] = screen.results()->rowCount();
}
BENCHMARK(BM_SearchFiltered)->Unit(benchmark::kMillisecond);

// Opening the payee window the first time: made, filled, shown and painted.
void BM_PayeeScreenOpen(benchmark::State &state) {
    int payees = 0;
    for (auto _ : state) {
        PayeeScreen screen(g_state);
        screen.resize(550, 500);
        screen.refresh();
        screen.show();
        paintNow(&screen);
        payees = screen.payeeList()->model()->rowCount();
    }
    state.counters["payees"] = payees;
}
BENCHMARK(BM_PayeeScreenOpen)->Unit(benchmark::kMillisecond);

void BM_CategoriesScreenOpen(benchmark::State &state) {
    for (auto _ : state) {
        CategoriesScreen screen(g_state);
        screen.resize(600, 500);
        screen.refresh();
        screen.show();
        paintNow(&screen);
    }
}
BENCHMARK(BM_CategoriesScreenOpen)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QString path;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--db") == 0)
            path = QString::fromLocal8Bit(argv[i + 1]);
        if (std::strcmp(argv[i], "--word") == 0)
            g_word = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (path.isEmpty()) {
        std::fprintf(stderr, "usage: quillon-bench-screens --db PATH [--word WORD] "
                             "[benchmark options]\n");
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
    g_state = &state;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
