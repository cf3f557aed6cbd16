// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/cli/clirunner.h"
#include "tests/support/bookrows.h"

#include <QFile>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class tst_Cli : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void help();
    void accountsRegisterAndTransfer();
    void searchFilters();
    void csvCellsNeverRunAsFormulas();
    void recurringAndSample();
    void importReportAndBackup();
    void reportHeaders_data();
    void reportHeaders();
    void budgetSetShowCopyFill();
    void errors_data();
    void errors();
    void unopenableDatabase();
    void newerDatabaseRefused();
    void balanceBeyondSixtyFourBits();
    void importCountsAndFailures();
    void bankStatementsAndRules();
    void undoTakesBackTheLastChange_data();
    void undoTakesBackTheLastChange();
    void undoRefusedAfterAnotherProgramsChange();
    void noWidgetLibraries();

private:
    CliResult cli(const QStringList &args) { return runCli(m_dir->path(), args); }
    void addAccounts();
    // The books in the data directory's database, read through a connection of the test's.
    BookRows::Rows books();

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_Cli::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void tst_Cli::cleanup() {
    m_dir->setAutoRemove(!QTest::currentTestFailed());
    m_dir.reset();
}

void tst_Cli::addAccounts() {
    CliResult r = cli({"account", "add", "--name", "Checking", "--opening", "1,250.00", "--as-of",
                       "2026-01-01", "--institution", "First Bank", "--last4", "1234"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    r = cli({"account", "add", "--name", "Euro Savings", "--type", "savings", "--currency", "EUR"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
}

BookRows::Rows tst_Cli::books() {
    BookRows::Rows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "books");
        db.setDatabaseName(m_dir->filePath("quillon.db"));
        if (db.open())
            rows = BookRows::live(db);
        db.close();
    }
    QSqlDatabase::removeDatabase("books");
    return rows;
}

void tst_Cli::help() {
    const CliResult top = cli({"--help"});
    QCOMPARE(top.exitCode, 0);
    for (const char *command :
         {"accounts",          "account add",    "register",       "add",
          "import csv",        "import qif",     "search",         "report",
          "backup export",     "backup import",  "recurring list", "recurring post-due",
          "recurring confirm", "recurring skip", "sample load",    "sample clear",
          "import ofx",        "rule list",      "rule add",       "rule remove",
          "budget show",       "budget set",     "undo",           "sync"}) {
        QVERIFY2(top.out.contains(command), command);
    }
    for (const QStringList &args :
         {QStringList{"accounts", "--help"}, QStringList{"account", "add", "--help"},
          QStringList{"add", "--help"}, QStringList{"search", "--help"}}) {
        const CliResult r = cli(args);
        QCOMPARE(r.exitCode, 0);
        QVERIFY2(r.out.startsWith("Usage: quillon-cli " + args.first().toUtf8()),
                 r.out.constData());
    }
    QCOMPARE(cli({}).exitCode, 2);
}

void tst_Cli::accountsRegisterAndTransfer() {
    addAccounts();
    CliResult r = cli({"add", "Checking", "--date", "2026-02-01", "--payee", "Grocer", "--amount",
                       "-45.10", "--memo", "weekly", "--check", "101"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    r = cli({"add", "Checking", "--date", "2026-02-03", "--payee", "[Transfer] Euro Savings",
             "--amount", "-200", "--cleared"});
    QVERIFY2(r.exitCode == 0, r.err.constData());

    r = cli({"accounts", "--format", "json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray accounts = r.json();
    QCOMPARE(accounts.size(), 2);
    QCOMPARE(accounts.at(0)["name"].toString(), QStringLiteral("Checking"));
    QCOMPARE(accounts.at(0)["balance"].toInteger(), 125000 - 4510 - 20000);
    QCOMPARE(accounts.at(1)["name"].toString(), QStringLiteral("Euro Savings"));
    QCOMPARE(accounts.at(1)["currency"].toString(), QStringLiteral("EUR"));
    QCOMPARE(accounts.at(1)["balance"].toInteger(), 20000);

    // A second account of an existing name: the command reports the one it made.
    r = cli({"account", "add", "--name", "Checking", "--format", "json"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QString madeId = r.json().at(0)["id"].toString();
    QVERIFY(!madeId.isEmpty());
    QVERIFY(madeId != accounts.at(0)["id"].toString());
    r = cli({"accounts", "--format", "json"});
    QCOMPARE(r.json().size(), 3);
    QCOMPARE(r.json().at(2)["id"].toString(), madeId);
    QCOMPARE(r.json().at(2)["balance"].toInteger(), 0);

    // Text output formats money in the account's currency.
    r = cli({"accounts"});
    QVERIFY2(r.out.contains("$1,004.90")
                 && r.out.contains("\xe2\x82\xac"
                                   "200.00"),
             r.out.constData());

    // The opening balance is a stored, reconciled transaction (the account's own starting
    // balance stays 0), so the register shows it once.
    r = cli({"register", "Checking", "--format", "json"});
    QCOMPARE(r.exitCode, 0);
    const QJsonArray rows = r.json();
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows.at(0)["payee"].toString(), QStringLiteral("Opening Balance"));
    QCOMPARE(rows.at(0)["clr"].toString(), QStringLiteral("R"));
    QCOMPARE(rows.at(0)["deposit"].toInteger(), 125000);
    QCOMPARE(rows.at(1)["check_number"].toString(), QStringLiteral("101"));
    QCOMPARE(rows.at(1)["payment"].toInteger(), 4510);
    QCOMPARE(rows.at(1)["balance"].toInteger(), 120490);
    QCOMPARE(rows.at(2)["payee"].toString(), QStringLiteral("Transfer to Euro Savings"));
    QCOMPARE(rows.at(2)["clr"].toString(), QStringLiteral("C"));

    r = cli({"register", "Euro Savings", "--format", "csv"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out, QByteArray("\"Date\",\"Num\",\"Payee\",\"Category\",\"Memo\",\"Payment\","
                               "\"Deposit\",\"Clr\",\"Balance\"\n\"2026-02-03\",\"\",\"Transfer "
                               "from Checking\",\"\",\"\",\"0\",\"20000\",\"\",\"20000\"\n"));

    // An account is also found by its id.
    const QString id = accounts.at(1)["id"].toString();
    QCOMPARE(cli({"register", id, "--format", "json"}).json().size(), 1);
}

void tst_Cli::searchFilters() {
    addAccounts();
    for (const QStringList &add : {QStringList{"Checking", "--date", "2026-03-01", "--payee",
                                               "Corner Grocery", "--amount", "-12"},
                                   QStringList{"Checking", "--date", "2026-04-01", "--payee",
                                               "Grocer Express", "--amount", "-8", "--cleared"},
                                   QStringList{"Euro Savings", "--date", "2026-03-05", "--payee",
                                               "Groceries abroad", "--amount", "-3"}}) {
        const CliResult r = cli(QStringList{"add"} + add);
        QVERIFY2(r.exitCode == 0, r.err.constData());
    }
    QCOMPARE(cli({"search", "groc*", "--format", "json"}).json().size(), 3);
    QCOMPARE(cli({"search", "groc*", "--account", "Checking", "--format", "json"}).json().size(),
             2);
    QCOMPARE(cli({"search", "groc*", "--cleared", "--format", "json"}).json().size(), 1);
    const QJsonArray march
        = cli({"search", "--from", "2026-03-01", "--to", "2026-03-31", "--format", "json"}).json();
    QCOMPARE(march.size(), 2);
    QCOMPARE(march.at(0)["account"].toString(), QStringLiteral("Euro Savings"));

    // Typed words, never index syntax: a prefix without a star, punctuation that would be an
    // operator or a broken string to the index, and text with nothing to search for.
    const QList<std::pair<QString, int>> typed{{"groc", 3}, {"corner groc", 1}, {"Grocer\"", 3},
                                               {"\"", 0},   {"AND", 0},         {"grocery-", 1}};
    for (const auto &[text, count] : typed) {
        const CliResult found = cli({"search", text, "--format", "json"});
        QVERIFY2(found.exitCode == 0, qPrintable(text + ": " + QString::fromUtf8(found.err)));
        QCOMPARE(found.json().size(), count);
    }
}

// A payee or memo typed like a formula must reach a spreadsheet as text from every listing;
// amounts with a sign stay numbers.
void tst_Cli::csvCellsNeverRunAsFormulas() {
    addAccounts();
    CliResult r = cli({"add", "Checking", "--date", "2026-03-01", "--payee", "=HYPERLINK(\"x\")",
                       "--memo", "-Refund", "--amount", "-12.50"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QByteArray row = "\"'=HYPERLINK(\"\"x\"\")\"";
    for (const QStringList &listing :
         {QStringList{"register", "Checking"}, QStringList{"search", "hyperlink"},
          QStringList{"report", "payee-summary", "--from", "2026-03-01", "--to", "2026-03-31"}}) {
        r = cli(listing + QStringList{"--format", "csv"});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(r.out.contains(row) && !r.out.contains("''"), r.out.constData());
    }
    QVERIFY(cli({"register", "Checking", "--format", "csv"}).out.contains("\"'-Refund\""));
    // A negative total is a number, not a formula.
    QVERIFY(r.out.contains("\"-1250\""));
}

void tst_Cli::recurringAndSample() {
    CliResult r = cli({"sample", "load"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    r = cli({"sample", "load"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.err.contains("already loaded"));

    const QJsonArray rules = cli({"recurring", "list", "--format", "json"}).json();
    QVERIFY(!rules.isEmpty());
    const QJsonObject rule = rules.at(0).toObject();
    const QString due = rule["next_due_date"].toString();
    const int before = cli({"search", "--format", "json"}).json().size();

    r = cli({"recurring", "confirm", rule["id"].toString()});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY(r.out.contains(due.toUtf8()));
    QCOMPARE(cli({"search", "--format", "json"}).json().size(), qMin(before + 1, 200));

    // Skipping moves the schedule on without posting.
    r = cli({"recurring", "skip", rule["id"].toString()});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QJsonArray after = cli({"recurring", "list", "--format", "json"}).json();
    for (const QJsonValue &v : after) {
        if (v["id"] == rule["id"])
            QVERIFY(v["next_due_date"].toString() > due);
    }
    r = cli({"recurring", "post-due"});
    QCOMPARE(r.exitCode, 0);
    QVERIFY(r.out.startsWith("Posted "));
    QCOMPARE(cli({"recurring", "confirm", "no-such-rule"}).exitCode, 1);
    QCOMPARE(cli({"recurring", "confirm"}).exitCode, 2);

    r = cli({"sample", "clear"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(cli({"accounts", "--format", "json"}).json().size(), 0);
    QCOMPARE(cli({"recurring", "list", "--format", "json"}).json().size(), 0);
}

void tst_Cli::importReportAndBackup() {
    addAccounts();
    const QString csv = m_dir->filePath("bank.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Posted,Description,Value,Note\n"
               "05.01.2026,\"Coffee \"\"Bean\"\"\",-4.50,morning\n"
               "06.01.2026,Salary,1000.00,\n"
               "06.01.2026,Salary,1000.00,\n");
    file.close();

    const QStringList import
        = {"import", "csv",           csv,         "--account", "Checking", "--memo-column",
           "3",      "--date-format", "dd.MM.yyyy"};
    CliResult r = cli(import);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(r.out, QByteArray("Imported 2, duplicates 1, failed 0\n"));
    r = cli(import);
    QCOMPARE(r.out, QByteArray("Imported 0, duplicates 3, failed 0\n"));

    r = cli({"report", "payee-summary", "--from", "2026-01-01", "--to", "2026-01-31", "--format",
             "csv"});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(r.out,
             QByteArray("\"Payee\",\"Total\",\"Count\"\n\"Coffee \"\"Bean\"\"\",\"-450\",\"1\"\n"
                        "\"Salary\",\"100000\",\"1\"\n\"Opening Balance\",\"125000\",\"1\"\n"));
    const QJsonArray summary = cli({"report", "account-summary", "--format", "json"}).json();
    QCOMPARE(summary.size(), 2);
    QCOMPARE(summary.at(0)["total"].toInteger(), 125000 - 450 + 100000);
    QCOMPARE(cli({"report", "cash-flow", "--from", "2026-02-01", "--to", "2026-02-28", "--format",
                  "json"})
                 .json()
                 .size(),
             0);
    QCOMPARE(cli({"report", "nonsense"}).exitCode, 2);

    // A backup restored into an empty data directory brings every row back.
    const QString archive = m_dir->filePath("backup.zip");
    r = cli({"backup", "export", archive});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QTemporaryDir other;
    r = runCli(other.path(), {"backup", "import", archive, "--mode", "keep-newer"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY2(r.out.contains("transactions"), r.out.constData());
    QCOMPARE(runCli(other.path(), {"register", "Checking", "--format", "json"}).json(),
             cli({"register", "Checking", "--format", "json"}).json());

    // A broken archive is an error and changes nothing.
    const QString broken = m_dir->filePath("broken.zip");
    QFile junk(broken);
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a zip");
    junk.close();
    r = cli({"backup", "import", broken, "--mode", "replace"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(r.out.contains("error: "));
    QCOMPARE(cli({"backup", "import", archive}).exitCode, 2);
    QCOMPARE(
        cli({"import", "qif", m_dir->filePath("missing.qif"), "--account", "Checking"}).exitCode,
        1);
}

void tst_Cli::budgetSetShowCopyFill() {
    addAccounts();
    CliResult r = cli({"add", "Checking", "--date", "2025-12-20", "--payee", "Grocer", "--amount",
                       "-45.10", "--category", "Groceries"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    r = cli({"budget", "set", "Groceries", "300", "--month", "2025-12", "--rollover"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY2(r.out.contains("Budget of Groceries in 2025-12: $300.00"), r.out.constData());

    // December's leftover rolls into January, across the year end.
    QCOMPARE(cli({"budget", "copy", "--month", "2026-01"}).exitCode, 0);
    r = cli({"budget", "show", "--month", "2026-01", "--format", "json"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QJsonArray rows = r.json();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0)["category"].toString(), QString("Groceries"));
    QCOMPARE(rows.at(0)["budget"].toInteger(), 30000);
    QCOMPARE(rows.at(0)["carried"].toInteger(), 30000 - 4510);
    QCOMPARE(rows.at(0)["spent"].toInteger(), 0);
    QCOMPARE(rows.at(1)["category"].toString(), QString("Total"));
    QCOMPARE(rows.at(1)["remaining"].toInteger(), 60000 - 4510);

    // January is replaced by the average of October to December.
    r = cli({"budget", "fill", "--month", "2026-01"});
    QVERIFY2(r.out.contains("Filled 1 budget(s) of 2026-01"), r.out.constData());
    rows = cli({"budget", "show", "--month", "2026-01", "--format", "json"}).json();
    QCOMPARE(rows.at(0)["budget"].toInteger(), 1503);
    QVERIFY(rows.at(0)["rollover"].toBool());

    // The report adds up the whole months a period touches; the carry inside it is already
    // in the budgets it sums.
    r = cli({"report", "budget", "--from", "2025-12-15", "--to", "2026-01-10", "--format", "json"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    rows = r.json();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.at(0)["budget"].toInteger(), 30000 + 1503);
    QCOMPARE(rows.at(0)["carried"].toInteger(), 0);
    QCOMPARE(rows.at(0)["spent"].toInteger(), 4510);
    QCOMPARE(rows.at(1)["remaining"].toInteger(), 30000 + 1503 - 4510);
}

void tst_Cli::errors_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message");

    QTest::addRow("unknown command") << QStringList{"frobnicate"} << 2 << "unknown command";
    QTest::addRow("unknown option") << QStringList{"accounts", "--bogus"} << 2 << "bogus";
    QTest::addRow("bad format") << QStringList{"accounts", "--format", "xml"} << 2
                                << "unknown format";
    QTest::addRow("add without amount")
        << QStringList{"add", "Checking", "--date", "2026-01-01", "--payee", "P"} << 2
        << "--amount";
    QTest::addRow("bad date") << QStringList{"add",     "Checking", "--date",   "01/02/2026",
                                             "--payee", "P",        "--amount", "1"}
                              << 2 << "cannot read the date";
    QTest::addRow("bad amount") << QStringList{"add",     "Checking", "--date",   "2026-01-02",
                                               "--payee", "P",        "--amount", "ten"}
                                << 2 << "cannot read the amount";
    for (const char *text : {"€5", "12,50", "1.2.3", "99999999999999999"}) {
        QTest::addRow("unreadable amount %s", text)
            << QStringList{"add",     "Checking", "--date",   "2026-01-02",
                           "--payee", "P",        "--amount", QString::fromUtf8(text)}
            << 2 << "cannot read the amount";
        QTest::addRow("unreadable opening %s", text)
            << QStringList{"account", "add", "--name", "X", "--opening", QString::fromUtf8(text)}
            << 2 << "cannot read the amount";
    }
    QTest::addRow("budget for an unknown category")
        << QStringList{"budget", "set", "Nowhere", "10"} << 1 << "Unknown category \"Nowhere\"";
    QTest::addRow("budget for an income category")
        << QStringList{"budget", "set", "Salary / Wages", "10"} << 1
        << "\"Salary / Wages\" is not an expense category";
    QTest::addRow("unreadable budget")
        << QStringList{"budget", "set", "Groceries", "ten"} << 1 << "cannot read the budget";
    QTest::addRow("budget month 13")
        << QStringList{"budget", "show", "--month", "2026-13"} << 1 << "cannot read the month";
    QTest::addRow("budget report of one account")
        << QStringList{"report", "budget", "--account", "Checking"} << 2 << "covers every account";
    QTest::addRow("budget set without amount")
        << QStringList{"budget", "set", "Groceries"} << 2 << "takes 2 argument(s)";
    QTest::addRow("unknown account")
        << QStringList{"add", "Nowhere", "--date", "2026-01-02", "--payee", "P", "--amount", "1"}
        << 1 << "Unknown account \"Nowhere\"";
    QTest::addRow("unknown transfer account")
        << QStringList{"add",     "Checking",           "--date",   "2026-01-02",
                       "--payee", "[Transfer] Nowhere", "--amount", "1"}
        << 1 << "Transfer account not found";
    QTest::addRow("unknown category")
        << QStringList{"add", "Checking", "--date", "2026-01-02", "--payee",
                       "P",   "--amount", "1",      "--category", "No Such Category"}
        << 1 << "Unknown category";
    QTest::addRow("unknown account type")
        << QStringList{"account", "add", "--name", "X", "--type", "Checking"} << 2
        << "unknown account type";
    QTest::addRow("register of unknown account")
        << QStringList{"register", "Nope"} << 1 << "Unknown account";
}

void tst_Cli::errors() {
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    addAccounts();
    const CliResult r = cli(args);
    QCOMPARE(r.exitCode, exitCode);
    QVERIFY2(r.err.contains(message.toUtf8()), r.err.constData());
    QCOMPARE(r.err.count('\n'), 1);
    // Nothing was written by a failed command.
    QCOMPARE(cli({"register", "Checking", "--format", "json"}).json().size(), 1);
}

void tst_Cli::unopenableDatabase() {
    QFile blocker(m_dir->filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const CliResult r = runCli(m_dir->filePath("file/data"), {"accounts"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("Cannot open the database"), r.err.constData());
}

void tst_Cli::newerDatabaseRefused() {
    addAccounts();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "newer");
        db.setDatabaseName(m_dir->filePath("quillon.db"));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec("INSERT INTO schema_version (version, name) VALUES (99, 'future')"),
                 qPrintable(q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase("newer");
    const CliResult r
        = cli({"add", "Checking", "--date", "2026-02-01", "--payee", "Grocer", "--amount", "-5"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("written by a newer version of Tindral Quillon"), r.err.constData());
}

// Rows written by an older program (or another tool) can hold amounts whose sum no 64-bit
// integer holds: that is reported, never shown as a zero balance.
void tst_Cli::balanceBeyondSixtyFourBits() {
    addAccounts();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "huge");
        db.setDatabaseName(m_dir->filePath("quillon.db"));
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const char *id : {"h1", "h2"}) {
            QVERIFY2(
                q.exec(QStringLiteral(
                           "INSERT INTO transactions (id, account_id, date, payee, amount, "
                           "created_at, updated_at) SELECT '%1', id, '2026-03-01', 'Huge', "
                           "9000000000000000000, 'x', 'x' FROM accounts WHERE name = 'Checking'")
                           .arg(id)),
                qPrintable(q.lastError().text()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("huge");
    CliResult r = cli({"accounts"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("cannot be added up"), r.err.constData());
    QVERIFY2(r.out.contains("Euro Savings"), r.out.constData());
    QVERIFY2(!r.out.contains("Checking"), r.out.constData());

    r = cli({"report", "account-summary"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY(!r.err.isEmpty());
}

void tst_Cli::importCountsAndFailures() {
    addAccounts();
    const QString csv = m_dir->filePath("bank.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date,Payee,Amount\n01/05/2026,,-4.50\n01/06/2026,Huge,99999999999999999\n");
    file.close();
    const QStringList import = {"import", "csv", csv, "--account", "Checking"};
    CliResult r = cli(import);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(r.out, QByteArray("Imported 1, duplicates 0, failed 1\n"));
    // Not a terminal: no progress on standard error.
    QCOMPARE(r.err, QByteArray());

    // Another writer holds the database past the busy timeout: nothing is stored, and the
    // command says so.
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "writer");
    db.setDatabaseName(m_dir->filePath("quillon.db"));
    QVERIFY(db.open());
    {
        QSqlQuery begin(db);
        QVERIFY2(begin.exec("BEGIN IMMEDIATE"), qPrintable(begin.lastError().text()));
    }
    r = cli(import);
    QSqlQuery(db).exec("ROLLBACK");
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase("writer");
    QCOMPARE(r.exitCode, 1);
    QCOMPARE(r.out, QByteArray());
    // The log's warnings may come before it; the command's own verdict is one line.
    QVERIFY2(r.err.contains("\nquillon-cli: Import failed: ") && r.err.count("quillon-cli:") == 1,
             r.err.constData());
}

// An OFX file named anything imports by its content; a stored rule renames its payees; a
// second import adds nothing; a rule can be listed and removed by id.
void tst_Cli::bankStatementsAndRules() {
    addAccounts();
    CliResult r = cli({"rule", "add", "--match", "starts-with", "--text", "coffee", "--payee",
                       "Coffee", "--max", "-1"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const QByteArray id = r.out.trimmed();
    QCOMPARE(cli({"rule", "add", "--text", "x", "--match", "sounds-like", "--payee", "y"}).exitCode,
             2);
    QCOMPARE(cli({"rule", "add", "--text", "x"}).exitCode, 2);

    const QString statement = m_dir->filePath("download.txt");
    QVERIFY(QFile::copy(QStringLiteral(QUILLON_IMPORT_DATA "/ofx1-checking-1252.ofx"), statement));
    const QStringList import = {"import", "ofx", statement, "--account", "Checking"};
    r = cli(import);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(r.out, QByteArray("Imported 5, duplicates 0, failed 0\n"
                               "Statement *4521: ledger balance $1,331.40 on 2024-01-31\n"));
    r = cli(import);
    QVERIFY(r.out.startsWith("Imported 0, duplicates 5, failed 0\n"));
    r = cli({"register", "Checking", "--format", "csv"});
    QCOMPARE(r.out.count("\"Coffee\""), 2);
    QCOMPARE(r.out.count("Coffee Cart"), 0);

    r = cli({"rule", "list", "--format", "csv"});
    QVERIFY2(r.out.contains(id) && r.out.contains("starts-with"), r.out.constData());
    QCOMPARE(cli({"rule", "remove", QString::fromUtf8(id)}).exitCode, 0);
    QCOMPARE(cli({"rule", "remove", QString::fromUtf8(id)}).exitCode, 1);
    QVERIFY(!cli({"rule", "list"}).out.contains(id));

    const QString cut = m_dir->filePath("cut.ofx");
    QVERIFY(QFile::copy(QStringLiteral(QUILLON_IMPORT_DATA "/ofx-truncated.ofx"), cut));
    r = cli({"import", "ofx", cut, "--account", "Checking"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("cut off"), r.err.constData());
}

void tst_Cli::undoTakesBackTheLastChange_data() {
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<QString>("label");
    QTest::addRow("transfer, both legs")
        << QStringList{} << QStringList{"add",        "Checking", "--date",
                                        "2026-02-03", "--payee",  "[Transfer] Euro Savings",
                                        "--amount",   "-200"}
        << "New Transaction";
    QTest::addRow("account with opening balance")
        << QStringList{} << QStringList{"account", "add", "--name", "Cash", "--opening", "40"}
        << "New Account";
    QTest::addRow("import") << QStringList{}
                            << QStringList{"import", "csv", "%csv", "--account", "Checking"}
                            << "Import of 2 Transaction(s)";
    QTest::addRow("recurring confirm")
        << QStringList{"sample", "load"} << QStringList{"recurring", "confirm", "%rule"}
        << "Confirm Recurring Transaction";
}

// Each run is a session of its own: the change one run made is what the next run's undo
// takes back, once.
void tst_Cli::undoTakesBackTheLastChange() {
    QFETCH(QStringList, setup);
    QFETCH(QStringList, change);
    QFETCH(QString, label);
    addAccounts();
    if (!setup.isEmpty())
        QCOMPARE(cli(setup).exitCode, 0);
    const QString csv = m_dir->filePath("bank.csv");
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date,Payee,Amount\n01/05/2026,Bakery,-3.50\n01/06/2026,Employer,2500.00\n");
    file.close();
    change.replaceInStrings("%csv", csv);
    if (change.contains("%rule"))
        change.replaceInStrings(
            "%rule", cli({"recurring", "list", "--format", "json"}).json().at(0)["id"].toString());

    const BookRows::Rows before = books();
    CliResult r = cli(change);
    QVERIFY2(r.exitCode == 0, r.err.constData());
    const BookRows::Rows after = books();
    QVERIFY(after != before);
    // Commands that read do not take the place of the change.
    QCOMPARE(cli({"accounts"}).exitCode, 0);

    r = cli({"undo"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(r.out, "Undone: " + label.toUtf8() + '\n');
    QCOMPARE(books(), before);

    r = cli({"undo"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("Nothing to undo"), r.err.constData());
    QCOMPARE(books(), before);
}

void tst_Cli::undoRefusedAfterAnotherProgramsChange() {
    addAccounts();
    CliResult r
        = cli({"add", "Checking", "--date", "2026-02-01", "--payee", "Grocer", "--amount", "-5"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "other");
        db.setDatabaseName(m_dir->filePath("quillon.db"));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY2(q.exec("UPDATE transactions SET memo = 'theirs', version = version + 1 "
                        "WHERE payee = 'Grocer'"),
                 qPrintable(q.lastError().text()));
        db.close();
    }
    QSqlDatabase::removeDatabase("other");
    const BookRows::Rows held = books();

    r = cli({"undo"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("\"New Transaction\" cannot be undone"), r.err.constData());
    QCOMPARE(r.err.count('\n'), 1);
    QCOMPARE(books(), held);
}

void tst_Cli::noWidgetLibraries() {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {QStringLiteral(QUILLON_CLI_PATH)});
    QVERIFY(ldd.waitForFinished());
    const QByteArray libraries = ldd.readAllStandardOutput();
    QVERIFY2(libraries.contains("libQt6Core"), libraries.constData());
    QVERIFY2(!libraries.contains("libQt6Widgets"), libraries.constData());
}

void tst_Cli::reportHeaders_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("header");
    QTest::newRow("category spending")
        << "category-spending" << QByteArray("\"Category\",\"Total\"");
    QTest::newRow("payee summary")
        << "payee-summary" << QByteArray("\"Payee\",\"Total\",\"Count\"");
    QTest::newRow("tax") << "tax" << QByteArray("\"Category\",\"Tax Code\",\"Total\"");
    QTest::newRow("cash flow") << "cash-flow"
                               << QByteArray("\"Month\",\"Income\",\"Expenses\",\"Net\"");
    QTest::newRow("year over year")
        << "year-over-year" << QByteArray("\"Category\",\"Period 1\",\"Period 2\",\"Difference\"");
    QTest::newRow("account summary")
        << "account-summary"
        << QByteArray("\"Account\",\"Type\",\"Cleared\",\"Uncleared\",\"Total\"");
}

// Scripts read these headers: they stay in English whatever the reports window shows.
void tst_Cli::reportHeaders() {
    QFETCH(QString, kind);
    QFETCH(QByteArray, header);
    const CliResult r = cli({"report", kind, "--format", "csv"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(r.out.left(r.out.indexOf('\n')), header);
}

QTEST_GUILESS_MAIN(tst_Cli)
#include "tst_cli.moc"
