// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-import: a 10,000-row CSV file imported through the import window, offscreen,
// as the user does it: the file chosen, Import pressed, the work on its worker thread under
// the progress dialog, until the result page is painted.
//
//   quillon-bench-import [--db PATH] [Google Benchmark options]
//
// PATH (a database written by quillon-gendb) is copied first and never changed; without it
// the import goes into a fresh database. Each pass imports into a new account of its own, so
// that no row is a duplicate of an earlier pass.
//
// Counters: total_ms, from the press of Import until the result page is painted, and
// max_gap_ms, the longest time the GUI thread went without serving its event loop meanwhile
// (a 1 ms timer's longest gap between two timeouts, counting the time before the first and
// after the last), which is how long the window could not repaint.

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "ui/import/importscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kRows = 10000;

AppState *g_state = nullptr;
QString g_csvPath;

bool writeCsv(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray text = "Date,Payee,Amount,Memo\n";
    const QDate first(2020, 1, 1);
    // Every row differs in date, payee or amount, so that none is skipped as a repeat.
    for (int row = 0; row < kRows; ++row) {
        const QDate date = first.addDays(row % 1500);
        text += date.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",Payee "
                + QByteArray::number(row % 700) + ",-" + QByteArray::number(1 + row / 100) + "."
                + QByteArray::number(10 + row % 90) + ",Row " + QByteArray::number(row) + "\n";
    }
    return file.write(text) == text.size();
}

// Records the longest time between two passes of the event loop while it runs.
class GapMeter {
public:
    GapMeter() {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
    }
    void start() {
        m_maxGap = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    void stop() {
        m_timer.stop();
        tick();
    }
    double maxGapMs() const { return m_maxGap / 1e6; }

private:
    void tick() {
        const qint64 now = m_clock.nsecsElapsed();
        m_maxGap = std::max(m_maxGap, now - m_last);
        m_last = now;
    }

    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_maxGap = 0;
};

void BM_ImportCsvThroughScreen(benchmark::State &state) {
    int pass = 0;
    double maxGap = 0;
    double totalMs = 0;
    for (auto _ : state) {
        Account account;
        account.id = QStringLiteral("bench-import-%1").arg(++pass);
        account.name = QStringLiteral("Import %1").arg(pass);
        account.createdAt = account.updatedAt = QDateTime::currentDateTimeUtc();
        if (!g_state->accountRepository()->insert(account)) {
            state.SkipWithError("cannot add the account");
            return;
        }
        ImportScreen screen(g_state);
        screen.resize(640, 560);
        screen.show();
        screen.refresh();
        screen.accountBox()->setCurrentIndex(screen.accountBox()->findData(account.id));
        screen.loadFile(g_csvPath);
        QCoreApplication::processEvents();

        GapMeter meter;
        QElapsedTimer clock;
        clock.start();
        meter.start();
        // Returns once the worker has finished and the result page is set.
        screen.importButton()->click();
        screen.repaint();
        meter.stop();
        const double elapsed = clock.nsecsElapsed() / 1e6;
        state.SetIterationTime(elapsed / 1e3);
        totalMs = std::max(totalMs, elapsed);
        maxGap = std::max(maxGap, meter.maxGapMs());

        if (screen.pages()->currentIndex() != ImportScreen::ResultPage
            || !screen.resultLabel()->text().contains(
                QStringLiteral("%1 transactions imported").arg(kRows))) {
            state.SkipWithError(qPrintable(screen.resultLabel()->text()));
            return;
        }
        // The worker's notice of its writes, as the other windows would receive it.
        QCoreApplication::processEvents();
    }
    // The worst pass, as that is what the user would see.
    state.counters["total_ms"] = totalMs;
    state.counters["max_gap_ms"] = maxGap;
    state.counters["rows"] = kRows;
}
BENCHMARK(BM_ImportCsvThroughScreen)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QString source;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--db") == 0)
            source = QString::fromLocal8Bit(argv[i + 1]);
    }
    QApplication app(argc, argv);

    QTemporaryDir dir;
    // The program finds its database as quillon.db in its data directory; a copy, as the
    // import writes to it.
    if (!source.isEmpty() && !QFile::copy(source, dir.filePath("quillon.db"))) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
        return 1;
    }
    g_csvPath = dir.filePath("bank.csv");
    if (!writeCsv(g_csvPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(g_csvPath));
        return 1;
    }
    qputenv("QUILLON_DATA_DIR", dir.path().toUtf8());
    AppState state;
    state.setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    if (!state.initialize()) {
        std::fprintf(stderr, "cannot open the database in %s\n", qPrintable(dir.path()));
        return 1;
    }
    g_state = &state;

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
