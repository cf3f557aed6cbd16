// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-bench-services: times the services on generated databases (quillon-gendb) and
// prints the peak resident memory of each phase beside its time.
//
//   quillon-bench-services --large PATH --small PATH [--work DIR]
//
// --large: the 1,000,000-transaction database. The six reports, a month of budgets and the
// budget report run over 2025 (best of three). A copy in the work directory receives a 10,000-row
// CSV import into the account "Everyday Checking", and the same file again (every row a duplicate).
// Fresh copies then receive a 100,000-transaction OFX statement, without rules and with 200 import
// rules, and the statement a second time (every row a duplicate).
// --small: the 100,000-transaction database (quillon-gendb --transactions 100000). It is
// exported, and the archive restored ("Keep newer") into an empty database in the work
// directory.

#include "services/backupservice.h"
#include "services/budgetservice.h"
#include "services/importservice.h"
#include "services/ledgerwriter.h"
#include "services/reportservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/importrulerepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <memory>

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

// Starts a new peak: the kernel resets VmHWM to the current resident size.
void resetPeak() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

double timed(const std::function<void()> &work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

void report(const char *name, double ms, const QString &detail = QString()) {
    std::printf("%-34s %10.1f ms  peak %7ld MiB  %s\n", name, ms, statusKb("VmHWM") / 1024,
                qPrintable(detail));
    std::fflush(stdout);
}

std::unique_ptr<Database> open(const QString &path) {
    auto database = std::make_unique<Database>();
    if (!database->open(path) || !database->runMigrations()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        std::exit(1);
    }
    return database;
}

void runReports(Database *database) {
    ReportService reports(database);
    AccountRepository accounts(database);
    TransactionRepository transactions(database);
    RecurringRepository recurring(database);
    ReconciliationRepository reconciliations(database);
    CategoryRepository categories(database);
    LedgerWriter ledger(database, &accounts, &transactions, &recurring, &reconciliations,
                        &categories);
    BudgetService budgets(database, &ledger);
    const QDate from(2025, 1, 1);
    const QDate to(2025, 12, 31);
    const std::pair<const char *, std::function<int()>> cases[] = {
        {"categorySpending 2025", [&] { return int(reports.categorySpending(from, to).size()); }},
        {"categorySpending all time",
         [&] {
             return int(reports.categorySpending(QDate(1900, 1, 1), QDate(9999, 12, 31)).size());
         }},
        {"payeeSummary 2025", [&] { return int(reports.payeeSummary(from, to).size()); }},
        {"taxReport 2025", [&] { return int(reports.taxReport(from, to).size()); }},
        {"cashFlow 2025", [&] { return int(reports.cashFlow(from, to).size()); }},
        {"accountSummary", [&] { return int(reports.accountSummary().size()); }},
        // What the budget window reads for a month.
        {"budget month 2025-06",
         [&] { return int(budgets.month(QDate(2025, 6, 1)).lines.size()); }},
        // The reports window's budget tab over the year.
        {"budget report 2025", [&] { return int(budgets.period(from, to).lines.size()); }},
        {"comparePeriods 2024/2025",
         [&] {
             return int(
                 reports.comparePeriods(QDate(2024, 1, 1), QDate(2024, 12, 31), from, to).size());
         }},
    };
    for (const auto &[name, run] : cases) {
        double best = 1e12;
        int rows = 0;
        for (int i = 0; i < 3; ++i)
            best = std::min(best, timed([&] { rows = run(); }));
        report(name, best, QStringLiteral("%1 rows (best of 3)").arg(rows));
    }
}

QString writeCsv(const QString &path, int rows) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QRandomGenerator random(7);
    QByteArray csv = "Date,Description,Amount,Memo,Category\n";
    const char *categories[] = {"Groceries", "Fuel", "Imported Misc", "", "Restaurants"};
    for (int i = 0; i < rows; ++i) {
        const QDate date = QDate(2025, 1, 1).addDays(i % 365);
        csv += date.toString(QStringLiteral("MM/dd/yyyy")).toLatin1() + ",\"Bank Payee "
               + QByteArray::number(random.bounded(2000)) + ", Inc.\","
               + QByteArray::number(-double(random.bounded(1, 50000)) / 100, 'f', 2) + ",memo "
               + QByteArray::number(i) + "," + categories[i % 5] + "\n";
    }
    file.write(csv);
    return path;
}

void runImport(const QString &path, const QString &workDir) {
    const QString copy = workDir + QStringLiteral("/import.db");
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(copy + QLatin1String(suffix));
    if (!QFile::copy(path, copy)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(path));
        std::exit(1);
    }
    auto database = open(copy);
    AccountRepository accounts(database.get());
    TransactionRepository transactions(database.get());
    CategoryRepository categories(database.get());
    ImportService import(&transactions, &categories);
    QString accountId;
    for (const Account &account : accounts.findAll()) {
        if (account.name == QLatin1String("Everyday Checking"))
            accountId = account.id;
    }
    const QString csv = writeCsv(workDir + QStringLiteral("/import.csv"), 10000);
    CsvMapping mapping;
    mapping.memoColumn = 3;
    mapping.categoryColumn = 4;

    resetPeak();
    ImportResult result;
    double ms = timed([&] { result = import.importCsv(csv, accountId, mapping); });
    report(
        "importCsv 10,000 rows", ms,
        QStringLiteral("imported %1, duplicates %2").arg(result.imported).arg(result.duplicates));
    resetPeak();
    ms = timed([&] { result = import.importCsv(csv, accountId, mapping); });
    report(
        "importCsv 10,000 duplicates", ms,
        QStringLiteral("imported %1, duplicates %2").arg(result.imported).arg(result.duplicates));
    database.reset();
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(copy + QLatin1String(suffix));
}

QString writeOfx(const QString &path, int rows) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    QRandomGenerator random(11);
    file.write("OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:"
               "USASCII\r\nCHARSET:1252\r\nCOMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:"
               "NONE\r\n\r\n<OFX>\r\n<BANKMSGSRSV1>\r\n<STMTTRNRS>\r\n<TRNUID>1\r\n<STMTRS>\r\n"
               "<CURDEF>USD\r\n<BANKACCTFROM>\r\n<BANKID>121000248\r\n<ACCTID>000123454521\r\n"
               "<ACCTTYPE>CHECKING\r\n</BANKACCTFROM>\r\n<BANKTRANLIST>\r\n<DTSTART>20150101\r\n"
               "<DTEND>20251231\r\n");
    QByteArray chunk;
    for (int i = 0; i < rows; ++i) {
        const QDate date = QDate(2015, 1, 1).addDays(i % 4000);
        chunk += "<STMTTRN>\r\n<TRNTYPE>DEBIT\r\n<DTPOSTED>" + date.toString("yyyyMMdd").toLatin1()
                 + "\r\n<TRNAMT>"
                 + QByteArray::number(-double(random.bounded(1, 50000)) / 100, 'f', 2)
                 + "\r\n<FITID>B" + QByteArray::number(i) + "\r\n<NAME>Bank Payee "
                 + QByteArray::number(random.bounded(2000)) + "\r\n<MEMO>memo "
                 + QByteArray::number(i) + "\r\n</STMTTRN>\r\n";
        if (chunk.size() > 1 << 20) {
            file.write(chunk);
            chunk.clear();
        }
    }
    file.write(chunk);
    file.write("</BANKTRANLIST>\r\n<LEDGERBAL>\r\n<BALAMT>0.00\r\n<DTASOF>20251231\r\n"
               "</LEDGERBAL>\r\n</STMTRS>\r\n</STMTTRNRS>\r\n</BANKMSGSRSV1>\r\n</OFX>\r\n");
    return path;
}

// A fresh copy of the large database receives the statement, with that many rules stored.
void runOfxImport(const QString &path, const QString &workDir, const QString &ofx, int rules) {
    const QString copy = workDir + QStringLiteral("/ofx.db");
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(copy + QLatin1String(suffix));
    if (!QFile::copy(path, copy)) {
        std::fprintf(stderr, "cannot copy %s\n", qPrintable(path));
        std::exit(1);
    }
    auto database = open(copy);
    AccountRepository accounts(database.get());
    TransactionRepository transactions(database.get());
    CategoryRepository categories(database.get());
    ImportRuleRepository ruleRepository(database.get());
    const QList<Category> known = categories.findAll();
    for (int i = 0; i < rules; ++i) {
        ImportRule rule;
        rule.match = RuleMatch(i % 3);
        // Most never match, as most of a person's rules do not for any one row.
        rule.text = QStringLiteral("Bank Payee %1%2").arg(i * 10).arg(i % 3 == 1 ? "" : "x");
        rule.setPayee = QStringLiteral("Payee %1").arg(i);
        if (!known.isEmpty())
            rule.setCategoryId = known.at(i % known.size()).id;
        ruleRepository.insert(rule);
    }
    ImportService import(&transactions, &categories);
    QString accountId;
    for (const Account &account : accounts.findAll()) {
        if (account.name == QLatin1String("Everyday Checking"))
            accountId = account.id;
    }
    resetPeak();
    ImportResult result;
    double ms = timed([&] { result = import.importBankFile(ofx, accountId); });
    const QByteArray name
        = QStringLiteral("importBankFile OFX 100,000, %1 rules").arg(rules).toUtf8();
    report(name.constData(), ms,
           QStringLiteral("imported %1, duplicates %2, transfers %3, error %4")
               .arg(result.imported)
               .arg(result.duplicates)
               .arg(result.transfers)
               .arg(result.error));
    if (rules == 0) {
        resetPeak();
        ms = timed([&] { result = import.importBankFile(ofx, accountId); });
        report("importBankFile OFX again (duplicates)", ms,
               QStringLiteral("imported %1, duplicates %2")
                   .arg(result.imported)
                   .arg(result.duplicates));
    }
    database.reset();
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(copy + QLatin1String(suffix));
}

void runBackup(const QString &path, const QString &workDir) {
    QByteArray archive;
    {
        auto database = open(path);
        BackupService backup(database.get());
        resetPeak();
        const double ms = timed([&] { archive = backup.exportBackup(); });
        report("exportBackup", ms, QStringLiteral("%1 MiB archive").arg(archive.size() >> 20));
    }
    QFile out(workDir + QStringLiteral("/backup.zip"));
    if (out.open(QIODevice::WriteOnly))
        out.write(archive);
    out.close();

    const QString target = workDir + QStringLiteral("/restore.db");
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(target + QLatin1String(suffix));
    auto database = open(target);
    BackupService backup(database.get());
    resetPeak();
    BackupImportResult result;
    const double ms
        = timed([&] { result = backup.importBackup(archive, BackupImportMode::KeepNewer); });
    const int imported = result.accounts.imported + result.categories.imported
                         + result.transactions.imported + result.splitLines.imported
                         + result.recurring.imported + result.reconciliations.imported;
    report("importBackup (Keep newer), empty db", ms,
           QStringLiteral("imported %1, errors %2").arg(imported).arg(result.errors.size()));
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QString large;
    QString small;
    QString work;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args.at(i) == QLatin1String("--large"))
            large = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--small"))
            small = args.at(i + 1);
        else if (args.at(i) == QLatin1String("--work"))
            work = args.at(i + 1);
    }
    if (large.isEmpty() && small.isEmpty()) {
        std::fprintf(stderr, "usage: quillon-bench-services --large PATH --small PATH [--work "
                             "DIR]\n");
        return 2;
    }
    QTemporaryDir temporary;
    if (work.isEmpty())
        work = temporary.path();
    QDir().mkpath(work);

    if (!large.isEmpty()) {
        {
            auto database = open(large);
            runReports(database.get());
        }
        runImport(large, work);
        const QString ofx = writeOfx(work + QStringLiteral("/statement.ofx"), 100000);
        runOfxImport(large, work, ofx, 0);
        runOfxImport(large, work, ofx, 200);
    }
    if (!small.isEmpty())
        runBackup(small, work);
    return 0;
}
