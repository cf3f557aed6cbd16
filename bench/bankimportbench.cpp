// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-bankimport: one bank statement imported into a database, in place, as the
// import window does it (with the undo recording), and nothing else in the process, so that
// /usr/bin/time -v around it gives the import's CPU time and peak memory.
//
//   quillon-bench-bankimport --db PATH --file STATEMENT [--rules N] [--account NAME]
//                            [--no-undo]
//
// PATH is changed: give it a copy of a quillon-gendb database. --rules stores N import rules
// first, most of which match no row, as most of a person's rules do not for any one row.
// The account defaults to "Everyday Checking". --no-undo leaves the undo recording out, to
// tell its share.

#include "services/importservice.h"
#include "services/undostack.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/importrulerepository.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>
#include <ctime>

namespace {

// Kilobytes of a /proc/self/status line such as "VmHWM".
long statusKb(const char *key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString path;
    QString file;
    QString accountName = QStringLiteral("Everyday Checking");
    int rules = 0;
    bool recordUndo = true;
    QStringList args = app.arguments();
    if (args.removeAll(QStringLiteral("--no-undo")) > 0)
        recordUndo = false;
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--db"))
            path = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--file"))
            file = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--rules"))
            rules = args.at(i + 1).toInt();
        else if (args.at(i) == QLatin1String("--account"))
            accountName = args.at(i + 1);
    }
    if (path.isEmpty() || file.isEmpty()) {
        std::fprintf(stderr, "usage: quillon-bench-bankimport --db PATH --file STATEMENT "
                             "[--rules N] [--account NAME] [--no-undo]\n");
        return 2;
    }
    Database database;
    if (!database.open(path) || !database.runMigrations()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    ImportRuleRepository ruleRepository(&database);
    const QList<Category> known = categories.findAll();
    for (int i = 0; i < rules; ++i) {
        ImportRule rule;
        rule.match = RuleMatch(i % 3);
        rule.text = QStringLiteral("Bank Payee %1%2").arg(i * 10).arg(i % 3 == 1 ? "" : "x");
        rule.setPayee = QStringLiteral("Payee %1").arg(i);
        if (!known.isEmpty())
            rule.setCategoryId = known.at(i % known.size()).id;
        if (!ruleRepository.insert(rule)) {
            std::fprintf(stderr, "cannot store rule %d\n", i);
            return 1;
        }
    }
    QString accountId;
    for (const Account &account : accounts.findAll()) {
        if (account.name == accountName)
            accountId = account.id;
    }
    if (accountId.isEmpty()) {
        std::fprintf(stderr, "no account named %s\n", qPrintable(accountName));
        return 1;
    }

    UndoStack undo(&database);
    ImportService import(&transactions, &categories);
    if (recordUndo)
        import.setUndoStack(&undo);
    const long rssBefore = statusKb("VmRSS");
    const double cpuBefore = cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    const ImportResult result = import.importBankFile(file, accountId);
    const double wall = clock.nsecsElapsed() / 1e9;
    const double cpu = cpuSeconds() - cpuBefore;
    std::printf("import: %.2f s wall, %.2f s CPU, RSS before %ld MiB, peak %ld MiB; imported %d, "
                "duplicates %d, transfers %d, failed %d, undo steps %d%s%s\n",
                wall, cpu, rssBefore / 1024, statusKb("VmHWM") / 1024, result.imported,
                result.duplicates, result.transfers, result.failed, int(undo.undoSteps().size()),
                result.error.isEmpty() ? "" : ", error: ", qPrintable(result.error));
    return result.error.isEmpty() ? 0 : 1;
}
