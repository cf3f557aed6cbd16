// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/database.h"
#include "tests/support/testdatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList schemaObjects(const QSqlDatabase &db, const QString &type) {
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = '%1' AND name NOT LIKE "
                          "'sqlite_%' ORDER BY name")
               .arg(type));
    QStringList names;
    while (q.next())
        names << q.value(0).toString();
    return names;
}

QString writeScript(const QTemporaryDir &dir, const QString &name, const QByteArray &text) {
    const QString path = dir.filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return QString();
    f.write(text);
    return path;
}

} // namespace

class tst_Database : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void splitBuiltInScripts_data();
    void splitBuiltInScripts();
    void splitTrickyInputs_data();
    void splitTrickyInputs();
    void scriptsKeepCrlf();
    void freshDatabase();
    void indexesChosen_data();
    void schemaVersionOfFile();
    void indexesChosen();
    void upgradeFromVersionOne();
    void failingMigrationRollsBack();
    void missingScriptStops();
    void copyBeforeMigration();
    void pulledRowsCountInReportsAfterUpgrade();
    void newerSchemaRefused();
    void dataDirectory();
    void openFailure();
};

void tst_Database::splitBuiltInScripts_data() {
    QTest::addColumn<QString>("resource");
    QTest::addColumn<int>("count");
    QTest::addRow("initial") << ":/sql/sql/migrations/001_initial.sql" << 19;
    QTest::addRow("recon_sync") << ":/sql/sql/migrations/002_recon_sync.sql" << 7;
    QTest::addRow("perf_indexes") << ":/sql/sql/migrations/003_perf_indexes.sql" << 3;
}

void tst_Database::splitBuiltInScripts() {
    QFETCH(QString, resource);
    QFETCH(int, count);
    QFile f(resource);
    QVERIFY(f.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList statements = Database::splitStatements(QString::fromUtf8(f.readAll()));
    QCOMPARE(statements.size(), count);
    for (const QString &s : statements) {
        QVERIFY2(!s.endsWith(QLatin1Char(';')), qPrintable(s));
        QVERIFY2(!s.contains(QLatin1String("--")), qPrintable(s));
        if (s.contains(QLatin1String("CREATE TRIGGER")))
            QVERIFY2(s.endsWith(QLatin1String("END")), qPrintable(s));
    }
}

void tst_Database::splitTrickyInputs_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");

    QTest::addRow("indented comment dropped") << "   -- note\nSELECT 1;\n"
                                              << QStringList{"SELECT 1"};
    QTest::addRow("trailing comment keeps statement open")
        << "SELECT 1; -- one\nSELECT 2;\n"
        << QStringList{"SELECT 1; -- one\nSELECT 2"};
    QTest::addRow("trigger with two statements")
        << "CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  INSERT INTO "
           "b VALUES (2);\nEND;\nSELECT 3;"
        << QStringList{"CREATE TRIGGER t AFTER INSERT ON a BEGIN\n  INSERT INTO b VALUES (1);\n  "
                       "INSERT INTO b VALUES (2);\nEND",
                       "SELECT 3"};
    QTest::addRow("end column outside a block")
        << "CREATE TABLE r (\n  end_date TEXT\n);\n"
        << QStringList{"CREATE TABLE r (\n  end_date TEXT\n)"};
    QTest::addRow("lone semicolon discarded") << ";\nSELECT 1;\n" << QStringList{"SELECT 1"};
    QTest::addRow("final statement without semicolon")
        << "SELECT 1;\nSELECT 2" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::addRow("crlf lines") << "SELECT 1;\r\n\r\nSELECT 2;\r\n"
                                << QStringList{"SELECT 1", "SELECT 2"};
    QTest::addRow("empty") << "" << QStringList{};
    QTest::addRow("only comments") << "-- a\n-- b\n" << QStringList{};
}

void tst_Database::splitTrickyInputs() {
    QFETCH(QString, script);
    QFETCH(QStringList, expected);
    QCOMPARE(Database::splitStatements(script), expected);
}

void tst_Database::scriptsKeepCrlf() {
    // Read in binary mode: the resources must carry the CRLF line ends byte for byte.
    for (const char *path :
         {":/sql/sql/migrations/001_initial.sql", ":/sql/sql/migrations/002_recon_sync.sql",
          ":/sql/sql/migrations/003_perf_indexes.sql"}) {
        QFile f(QString::fromLatin1(path));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.count("\r\n") > 5);
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    }
}

void tst_Database::freshDatabase() {
    TestDatabase db;
    QVERIFY(db.isValid());

    QCOMPARE(schemaObjects(db.connection(), "table"), (QStringList{"account_live_totals",
                                                                   "accounts",
                                                                   "budgets",
                                                                   "categories",
                                                                   "cli_last_change",
                                                                   "import_rules",
                                                                   "preferences",
                                                                   "reconciliations",
                                                                   "recurring_transactions",
                                                                   "report_account_category_months",
                                                                   "report_account_payee_months",
                                                                   "report_category_months",
                                                                   "report_payee_months",
                                                                   "report_payee_years",
                                                                   "schema_version",
                                                                   "split_lines",
                                                                   "sync_held_records",
                                                                   "sync_queue",
                                                                   "transaction_templates",
                                                                   "transactions",
                                                                   "transactions_fts",
                                                                   "transactions_fts_config",
                                                                   "transactions_fts_data",
                                                                   "transactions_fts_docsize",
                                                                   "transactions_fts_idx"}));
    QCOMPARE(schemaObjects(db.connection(), "index"),
             (QStringList{"idx_accounts_server_id",
                          "idx_budgets_category_month",
                          "idx_budgets_month_category",
                          "idx_categories_server_id",
                          "idx_reconciliations_server_id",
                          "idx_recurring_transactions_server_id",
                          "idx_split_lines_transaction_id",
                          "idx_transactions_account_id",
                          "idx_transactions_bank_reference",
                          "idx_transactions_category_id",
                          "idx_transactions_date",
                          "idx_transactions_live_account_amount",
                          "idx_transactions_live_account_order",
                          "idx_transactions_live_date_report",
                          "idx_transactions_live_payee",
                          "idx_transactions_live_unreconciled",
                          "idx_transactions_server_id",
                          "idx_transactions_sync_status",
                          "idx_transactions_transfer_link_id",
                          "idx_transactions_unlinked_amount"}));
    QCOMPARE(schemaObjects(db.connection(), "trigger"),
             (QStringList{"transactions_ad", "transactions_ai", "transactions_au",
                          "transactions_reports_ad", "transactions_reports_ai",
                          "transactions_reports_au", "transactions_totals_ad",
                          "transactions_totals_ai", "transactions_totals_au"}));

    QSqlQuery q(db.connection());
    QVERIFY2(q.exec("SELECT version, name, applied_at FROM schema_version ORDER BY version"),
             qPrintable(q.lastError().text()));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 1);
    QCOMPARE(q.value(1).toString(), QStringLiteral("initial"));
    QCOMPARE(q.value(2).toString().size(), 19);
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 2);
    QCOMPARE(q.value(1).toString(), QStringLiteral("recon_sync"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 3);
    QCOMPARE(q.value(1).toString(), QStringLiteral("perf_indexes"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 4);
    QCOMPARE(q.value(1).toString(), QStringLiteral("sync_support"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 5);
    QCOMPARE(q.value(1).toString(), QStringLiteral("account_totals"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 6);
    QCOMPARE(q.value(1).toString(), QStringLiteral("report_index"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 7);
    QCOMPARE(q.value(1).toString(), QStringLiteral("unreconciled_index"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 8);
    QCOMPARE(q.value(1).toString(), QStringLiteral("register_order_index"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 9);
    QCOMPARE(q.value(1).toString(), QStringLiteral("report_summaries"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 10);
    QCOMPARE(q.value(1).toString(), QStringLiteral("bank_import"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 11);
    QCOMPARE(q.value(1).toString(), QStringLiteral("reports_without_transfers"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 12);
    QCOMPARE(q.value(1).toString(), QStringLiteral("budgets"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 13);
    QCOMPARE(q.value(1).toString(), QStringLiteral("cli_last_change"));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 14);
    QCOMPARE(q.value(1).toString(), QStringLiteral("pulled_links_null"));
    QVERIFY(!q.next());

    QCOMPARE(db.scalar("PRAGMA journal_mode").toString(), QStringLiteral("wal"));
    QCOMPARE(db.scalar("PRAGMA foreign_keys").toInt(), 1);
    // Temporary storage goes to memory for bulk writes only, and never inside a transaction.
    QCOMPARE(db.scalar("PRAGMA temp_store").toInt(), 0);
    QVERIFY(db.database()->setBulkWriteJournal(true));
    QCOMPARE(db.scalar("PRAGMA temp_store").toInt(), 2);
    QVERIFY(db.database()->setBulkWriteJournal(false));
    QCOMPARE(db.scalar("PRAGMA temp_store").toInt(), 0);

    // Running again applies nothing.
    QSignalSpy applied(db.database(), &Database::migrationApplied);
    QVERIFY(db.database()->runMigrations());
    QCOMPARE(applied.count(), 0);

    // The full-text triggers follow inserts, updates and deletes.
    QVERIFY2(
        q.exec(
            "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"),
        qPrintable(q.lastError().text()));
    QVERIFY2(q.exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                    "updated_at) VALUES ('t', 'a', '2026-01-01', 'Grocer', -100, 'x', 'x')"),
             qPrintable(q.lastError().text()));
    QCOMPARE(
        db.scalar("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH 'grocer'")
            .toInt(),
        1);
    QVERIFY2(q.exec("UPDATE transactions SET payee = 'Bakery' WHERE id = 't'"),
             qPrintable(q.lastError().text()));
    QCOMPARE(
        db.scalar("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH 'grocer'")
            .toInt(),
        0);
    QCOMPARE(
        db.scalar("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH 'bakery'")
            .toInt(),
        1);

    // Foreign keys are enforced.
    QVERIFY(!q.exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                    "updated_at) VALUES ('u', 'missing', '2026-01-01', 'P', 1, 'x', 'x')"));
}

void tst_Database::upgradeFromVersionOne() {
    QTemporaryDir dir;
    const QString path = dir.filePath("quillon.db");
    {
        Database db;
        QVERIFY(db.open(path));
        QVERIFY(db.runMigrations({Database::migrations().first()}));
        QSqlQuery q(db.connection());
        QVERIFY2(q.exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', "
                        "'x', 'x')"),
                 qPrintable(q.lastError().text()));
        QVERIFY2(q.exec("INSERT INTO reconciliations (id, account_id, statement_date, "
                        "statement_balance, reconciled_balance, completed_at) VALUES ('r', 'a', "
                        "'2025-12-31', 1000, 1000, '2026-01-02T10:00:00Z')"),
                 qPrintable(q.lastError().text()));
    }
    Database db;
    QVERIFY(db.open(path));
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.runMigrations());
    QCOMPARE(applied.count(), Database::migrations().size() - 1);
    QCOMPARE(applied.first().at(0).toInt(), 2);
    QCOMPARE(applied.first().at(1).toString(), QStringLiteral("recon_sync"));
    QCOMPARE(applied.last().at(0).toInt(), Database::migrations().last().version);

    QSqlQuery q(db.connection());
    QVERIFY2(q.exec("SELECT created_at, updated_at, version, sync_status, server_id, deleted_at "
                    "FROM reconciliations WHERE id = 'r'"),
             qPrintable(q.lastError().text()));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("2026-01-02T10:00:00Z"));
    QCOMPARE(q.value(1).toString(), QStringLiteral("2026-01-02T10:00:00Z"));
    QCOMPARE(q.value(2).toInt(), 1);
    QCOMPARE(q.value(3).toString(), QStringLiteral("pending"));
    QVERIFY(q.value(4).isNull());
    QVERIFY(q.value(5).isNull());
}

void tst_Database::failingMigrationRollsBack() {
    QTemporaryDir dir;
    const QString script = writeScript(dir, "bad.sql",
                                       "CREATE TABLE good (id INTEGER);\r\nINSERT INTO good VALUES "
                                       "(1);\r\nCREATE TABLE broken (;\r\n");
    Database db;
    QVERIFY(db.open(dir.filePath("quillon.db")));
    QVERIFY(db.runMigrations());

    QList<Database::Migration> list = Database::migrations();
    const int next = list.last().version + 1;
    list.append({next, "bad", script});
    QSignalSpy errors(&db, &Database::migrationError);
    QTest::ignoreMessage(QtCriticalMsg,
                         QRegularExpression(QStringLiteral("^Migration %1 failed: .*\nStatement: "
                                                           "CREATE TABLE broken")
                                                .arg(next)));
    QVERIFY(!db.runMigrations(list));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().at(0).toInt(), next);

    QSqlQuery q(db.connection());
    QVERIFY2(q.exec("SELECT MAX(version) FROM schema_version"), qPrintable(q.lastError().text()));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), Database::migrations().last().version);
    QVERIFY2(q.exec("SELECT count(*) FROM sqlite_master WHERE name = 'good'"),
             qPrintable(q.lastError().text()));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), 0);
}

void tst_Database::missingScriptStops() {
    QTemporaryDir dir;
    const QString later = writeScript(dir, "later.sql", "CREATE TABLE later (id INTEGER);");
    Database db;
    QVERIFY(db.open(dir.filePath("quillon.db")));
    QList<Database::Migration> list = Database::migrations();
    const int next = list.last().version + 1;
    list.append({next, "gone", ":/sql/sql/migrations/999_missing.sql"});
    list.append({next + 1, "later", later});
    QSignalSpy errors(&db, &Database::migrationError);
    QTest::ignoreMessage(QtCriticalMsg,
                         "Cannot read migration file: :/sql/sql/migrations/999_missing.sql");
    QVERIFY(!db.runMigrations(list));
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.first().at(1).toString(),
             QStringLiteral("Cannot read migration file: :/sql/sql/migrations/999_missing.sql"));
    QSqlQuery q(db.connection());
    QVERIFY2(q.exec("SELECT MAX(version) FROM schema_version"), qPrintable(q.lastError().text()));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), Database::migrations().last().version);
}

// An existing database is copied once before each upgrade; the copy holds the old state and
// only the two most recent copies stay.
void tst_Database::copyBeforeMigration() {
    QTemporaryDir dir;
    const QString path = dir.filePath("quillon.db");
    const QList<Database::Migration> all = Database::migrations();
    QCOMPARE(all.size(), 14);
    auto countCopies
        = [&] { return QDir(dir.path()).entryList({"quillon.db.before-v*"}, QDir::Files); };

    Database db;
    QVERIFY(db.open(path));
    QVERIFY(db.runMigrations(all.mid(0, 1)));
    QVERIFY2(countCopies().isEmpty(), "a new database needs no copy");
    QSqlQuery q(db.connection());
    QVERIFY2(
        q.exec(
            "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')"),
        qPrintable(q.lastError().text()));

    QVERIFY(db.runMigrations(all.mid(0, 2)));
    QCOMPARE(countCopies(), QStringList{"quillon.db.before-v2"});
    {
        QSqlDatabase copy = QSqlDatabase::addDatabase("QSQLITE", "copy");
        copy.setDatabaseName(dir.filePath("quillon.db.before-v2"));
        QVERIFY(copy.open());
        QSqlQuery c(copy);
        QVERIFY2(c.exec("SELECT MAX(version) FROM schema_version"),
                 qPrintable(c.lastError().text()));
        QVERIFY(c.next());
        QCOMPARE(c.value(0).toInt(), 1);
        QVERIFY2(c.exec("SELECT name FROM accounts"), qPrintable(c.lastError().text()));
        QVERIFY(c.next());
        QCOMPARE(c.value(0).toString(), QStringLiteral("A"));
        copy.close();
    }
    QSqlDatabase::removeDatabase("copy");

    QVERIFY(db.runMigrations(all.mid(0, 2)));
    QCOMPARE(countCopies().size(), 1);
    QVERIFY(db.runMigrations(all.mid(0, 3)));
    QVERIFY(db.runMigrations(all.mid(0, 4)));
    QCOMPARE(countCopies(), (QStringList{"quillon.db.before-v3", "quillon.db.before-v4"}));
}

// Earlier versions stored a pulled row's absent transfer link as '', which kept it out of every
// report; the upgrade turns those into NULL and the summaries count the rows in.
void tst_Database::pulledRowsCountInReportsAfterUpgrade() {
    QTemporaryDir dir;
    Database db;
    QVERIFY(db.open(dir.filePath("quillon.db")));
    const QList<Database::Migration> all = Database::migrations();
    QVERIFY(db.runMigrations(all.mid(0, 13)));
    QSqlQuery q(db.connection());
    const auto scalar = [&q](const char *sql) {
        if (!q.exec(QString::fromLatin1(sql)) || !q.next())
            qWarning("%s", qPrintable(q.lastError().text()));
        return q.value(0);
    };
    for (const char *sql :
         {"INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')",
          "INSERT INTO categories (id, name, created_at, updated_at) VALUES ('c', 'Food', 'x', "
          "'x')",
          "INSERT INTO transactions (id, account_id, date, payee, amount, category_id, "
          "transfer_link_id, transfer_dest_account_id, recurring_id, created_at, updated_at) "
          "VALUES ('pulled', 'a', '2026-03-04', 'Grocer', -1250, 'c', '', '', '', 'x', 'x')",
          "INSERT INTO transactions (id, account_id, date, payee, amount, transfer_link_id, "
          "created_at, updated_at) VALUES ('leg', 'a', '2026-03-05', 'Move', -500, 'other', 'x', "
          "'x')"})
        QVERIFY2(q.exec(QString::fromLatin1(sql)), qPrintable(q.lastError().text()));
    QCOMPARE(scalar("SELECT count(*) FROM report_category_months WHERE out_count > 0").toInt(), 0);
    q.finish();

    QVERIFY(db.runMigrations(all));
    QCOMPARE(scalar("SELECT count(*) FROM transactions WHERE transfer_link_id = '' OR "
                    "transfer_dest_account_id = '' OR recurring_id = ''")
                 .toInt(),
             0);
    QCOMPARE(scalar("SELECT out_total FROM report_category_months WHERE month = '2026-03' AND "
                    "category_id = 'c'")
                 .toLongLong(),
             -1250);
    QCOMPARE(scalar("SELECT transfer_link_id FROM transactions WHERE id = 'leg'").toString(),
             QStringLiteral("other"));
}

void tst_Database::newerSchemaRefused() {
    QTemporaryDir dir;
    Database db;
    QVERIFY(db.open(dir.filePath("quillon.db")));
    QVERIFY(db.runMigrations());
    QSqlQuery q(db.connection());
    QVERIFY2(q.exec("INSERT INTO schema_version (version, name) VALUES (99, 'future')"),
             qPrintable(q.lastError().text()));
    QSignalSpy errors(&db, &Database::migrationError);
    QTest::ignoreMessage(QtCriticalMsg,
                         QRegularExpression("written by a newer version of Tindral Quillon"));
    QVERIFY(!db.runMigrations());
    QCOMPARE(errors.count(), 1);
    QVERIFY(db.lastError().startsWith(
        "This database was written by a newer version of Tindral Quillon"));
    QVERIFY(QDir(dir.path()).entryList({"quillon.db.before-v*"}, QDir::Files).isEmpty());
}

void tst_Database::dataDirectory() {
    QTemporaryDir dir;
    const QString nested = dir.filePath("a/b/c");
    qputenv("QUILLON_DATA_DIR", nested.toUtf8());
    QCOMPARE(Database::dataDirectory(), nested);
    QVERIFY(QDir(nested).exists());
    QCOMPARE(Database::databasePath(), nested + "/quillon.db");

    // Empty counts as unset: the per-user location is used.
    QStandardPaths::setTestModeEnabled(true);
    qputenv("QUILLON_DATA_DIR", "");
    QVERIFY(Database::dataDirectory().endsWith("/Tindral/Quillon"));
    qunsetenv("QUILLON_DATA_DIR");
    QVERIFY(Database::dataDirectory().endsWith("/Tindral/Quillon"));
    QStandardPaths::setTestModeEnabled(false);
}

void tst_Database::openFailure() {
    QTemporaryDir dir;
    Database db;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Failed to open database: "));
    QVERIFY(!db.open(dir.filePath("missing/dir/quillon.db")));
}

QTEST_GUILESS_MAIN(tst_Database)
// The reads that must not visit the table row by row on a large file, each with the index
// SQLite has to choose for it (two indexes share their leading columns).
void tst_Database::indexesChosen_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("plan");
    QTest::newRow("register balances")
        << "SELECT rowid, amount FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
           "ORDER BY date ASC, created_at ASC, rowid ASC"
        << "COVERING INDEX idx_transactions_live_account_order";
    QTest::newRow("open rows")
        << "SELECT t.id, t.payee, t.amount FROM transactions t WHERE t.account_id = ? AND "
           "t.deleted_at IS NULL AND t.reconciled = 0 ORDER BY t.date ASC, t.created_at ASC, "
           "t.rowid ASC"
        << "INDEX idx_transactions_live_unreconciled";
    QTest::newRow("open total")
        << "SELECT SUM(amount) FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
           "AND reconciled = 0"
        << "COVERING INDEX idx_transactions_live_unreconciled";
}

void tst_Database::indexesChosen() {
    QFETCH(QString, sql);
    QFETCH(QString, plan);
    TestDatabase db;
    QVERIFY(db.isValid());
    QSqlQuery q(db.connection());
    QVERIFY2(q.prepare("EXPLAIN QUERY PLAN " + sql), qPrintable(q.lastError().text()));
    q.addBindValue(QStringLiteral("a"));
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    QStringList steps;
    while (q.next())
        steps << q.value(3).toString();
    QVERIFY2(steps.join('\n').contains(plan), qPrintable(steps.join('\n')));
    // Only rows that tie on date and time are sorted apart; never the whole result.
    const QString all = steps.join('\n');
    QVERIFY2(!all.contains("TEMP B-TREE") || all.contains("TEMP B-TREE FOR RIGHT PART OF ORDER BY"),
             qPrintable(all));
}

// What the start reads to decide whether the file needs an upgrade first, without touching it.
void tst_Database::schemaVersionOfFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("quillon.db");
    QCOMPARE(Database::schemaVersionOf(path), 0);
    QVERIFY(!QFileInfo::exists(path));

    {
        Database db;
        QVERIFY(db.open(path));
        QCOMPARE(Database::schemaVersionOf(path), 0); // no table yet
        QVERIFY(db.runMigrations(Database::migrations().mid(0, 3)));
        QCOMPARE(Database::schemaVersionOf(path), 3);
        QVERIFY(db.runMigrations());
        QCOMPARE(Database::schemaVersionOf(path), Database::migrations().constLast().version);
    }

    const QString garbage = dir.filePath("garbage.db");
    QFile file(garbage);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    QCOMPARE(Database::schemaVersionOf(garbage), -1);
    QCOMPARE(QFileInfo(garbage).size(), 8192);
}

#include "tst_database.moc"
