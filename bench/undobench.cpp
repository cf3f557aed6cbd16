// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// Undo and redo of a 10,000-row CSV import, the largest single step a person makes:
//   build/bench/quillon-bench-undo
// Each iteration imports the file again (untimed) and times the undo, then the redo.

#include "services/importservice.h"
#include "services/undostack.h"
#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/timestamps.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;

struct Books {
    QTemporaryDir dir;
    Database database{QStringLiteral("undobench")};
    AccountRepository accounts{&database};
    TransactionRepository transactions{&database};
    CategoryRepository categories{&database};
    std::unique_ptr<UndoStack> history;
    QString file;

    Books() {
        if (!database.open(dir.filePath(QStringLiteral("quillon.db"))) || !database.runMigrations())
            qFatal("cannot open the database");
        Account account;
        account.id = QStringLiteral("a1");
        account.name = QStringLiteral("Checking");
        account.createdAt = account.updatedAt = Timestamps::nowUtc();
        accounts.insert(account);
        history = std::make_unique<UndoStack>(&database);
        file = dir.filePath(QStringLiteral("bank.csv"));
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly))
            qFatal("cannot write the file");
        out.write("Date,Payee,Amount,Category\n");
        for (int row = 0; row < kRows; ++row)
            out.write(QStringLiteral("01/%1/2025,Payee %2,-%3.%4,Group %5\n")
                          .arg(row % 28 + 1, 2, 10, QLatin1Char('0'))
                          .arg(row % 500)
                          .arg(row % 300 + 1)
                          .arg(row % 100, 2, 10, QLatin1Char('0'))
                          .arg(row % 20)
                          .toUtf8());
    }

    void import() {
        ImportService service(&transactions, &categories);
        service.setUndoStack(history.get());
        const ImportResult result = service.importCsv(file, QStringLiteral("a1"), CsvMapping{});
        if (!result.error.isEmpty() || result.imported != kRows)
            qFatal("import failed: %s (%d rows)", qPrintable(result.error), result.imported);
    }
};

void BM_UndoImport(benchmark::State &state) {
    Books books;
    for (auto _ : state) {
        state.PauseTiming();
        // The rows of the previous round are deleted; a new import adds them afresh.
        books.import();
        state.ResumeTiming();
        if (!books.history->undo())
            state.SkipWithError("undo failed");
    }
}
BENCHMARK(BM_UndoImport)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_RedoImport(benchmark::State &state) {
    Books books;
    books.import();
    for (auto _ : state) {
        state.PauseTiming();
        books.history->undo();
        state.ResumeTiming();
        if (!books.history->redo())
            state.SkipWithError("redo failed");
    }
}
BENCHMARK(BM_RedoImport)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
