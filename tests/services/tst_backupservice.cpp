// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/backupservice.h"
#include "services/ziparchivereader.h"
#include "tests/support/testdatabase.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QtEndian>

#include <QtGui/private/qzipwriter_p.h>

namespace {

using Entries = QList<QPair<QString, QByteArray>>;

QByteArray zipOf(const Entries &entries) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    // Stored, not deflated: quicker to build, and the reader takes both.
    writer.setCompressionPolicy(QZipWriter::NeverCompress);
    for (const auto &entry : entries)
        writer.addFile(entry.first, entry.second);
    writer.close();
    return buffer.data();
}

QByteArray json(const QJsonObject &object) {
    return QJsonDocument(object).toJson();
}

const QPair<QString, QByteArray> kManifest{"manifest.json", json({{"version", 1}})};

QJsonObject accountRow(const QString &id, const QString &name,
                       const QString &updatedAt = "2026-01-02T10:00:00Z") {
    QJsonObject row{
        {"id", id},          {"name", name},          {"account_type", "checking"},
        {"currency", "USD"}, {"starting_balance", 0}, {"created_at", "2026-01-01T00:00:00Z"}};
    if (!updatedAt.isEmpty())
        row.insert("updated_at", updatedAt);
    return row;
}

bool execAll(const TestDatabase &db, const QStringList &statements) {
    QSqlQuery query(db.connection());
    for (const QString &sql : statements) {
        if (!query.exec(sql)) {
            qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
            return false;
        }
    }
    return true;
}

// Every row of a table, every column, by id.
QStringList dump(const TestDatabase &db, const QString &table) {
    QSqlQuery query(db.connection());
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table)))
        return {"query failed"};
    QStringList rows;
    while (query.next()) {
        QStringList cells;
        for (int i = 0; i < query.record().count(); ++i) {
            const QVariant value = query.value(i);
            cells << query.record().fieldName(i) + '='
                         + (query.isNull(i)                        ? QStringLiteral("NULL")
                            : value.typeId() == QMetaType::QString ? '\'' + value.toString() + '\''
                                                                   : value.toString());
        }
        rows << cells.join(' ');
    }
    return rows;
}

const QStringList kTables{
    "accounts",        "categories",   "transactions", "split_lines", "recurring_transactions",
    "reconciliations", "import_rules", "budgets"};

int totalImported(const BackupImportResult &r) {
    return r.accounts.imported + r.categories.imported + r.transactions.imported
           + r.splitLines.imported + r.recurring.imported + r.reconciliations.imported
           + r.importRules.imported + r.budgets.imported;
}

int totalSkipped(const BackupImportResult &r) {
    return r.accounts.skipped + r.categories.skipped + r.transactions.skipped + r.splitLines.skipped
           + r.recurring.skipped + r.reconciliations.skipped + r.importRules.skipped
           + r.budgets.skipped;
}

} // namespace

class tst_BackupService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsEveryTable();
    void modes_data();
    void modes();
    void archiveErrors_data();
    void archiveErrors();
    void badRowsCostOnlyThemselves();
    void repeatedEntryNamesAreReadInTurn();
    void failedCommitRestoresNothing();
    void writeFailuresRestoreNothing_data();
    void writeFailuresRestoreNothing();
    void valuesMustFitTheirColumns_data();
    void valuesMustFitTheirColumns();
    void largeRowsRoundTripWhole();
    void hostileSizesAreRefusedBeforeWriting();
    void exportFailsWhenATableCannotBeRead();
    void categoriesRestoreParentsFirst();
    void cancelledRestoreWritesNothing_data();
    void cancelledRestoreWritesNothing();
    void cancelledExportGivesNoArchive();
};

void tst_BackupService::roundTripKeepsEveryTable() {
    // One connection at a time: the source goes before the target opens.
    QByteArray archive;
    QHash<QString, QStringList> expected;
    {
        TestDatabase source;
        QVERIFY(source.isValid());
        const QString t = "'2026-01-02T10:00:00Z'";
        QVERIFY(execAll(
            source,
            {"INSERT INTO accounts (id, name, starting_balance, sort_order, version, sync_status, "
             "server_id, created_at, updated_at) VALUES ('a1', 'Main', -100000000000000, "
             "9223372036854775807, 4, 'synced', 's-a1', "
                 + t + ", " + t + ")",
             "INSERT INTO accounts (id, name, institution, created_at, updated_at, deleted_at) "
             "VALUES "
             "('a2', 'Closed \"old\"', 'Bank ü', "
                 + t + ", " + t + ", " + t + ")",
             // The child is older than its new parent: it comes first in the archive.
             "INSERT INTO categories (id, name, created_at, updated_at) VALUES ('c-child', "
             "'Child', "
                 + t + ", " + t + ")",
             "INSERT INTO categories (id, name, is_tax_relevant, tax_category, created_at, "
             "updated_at) VALUES ('c-parent', 'Parent', 1, 'Sched A', "
                 + t + ", " + t + ")",
             "UPDATE categories SET parent_id = 'c-parent' WHERE id = 'c-child'",
             "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
             "is_split, version, sync_status, server_id, created_at, updated_at) VALUES ('t1', "
             "'a1', "
             "'2024-01-15', 'Grocer', 'line\none', -123456789012, 'c-child', 1, 3, 'conflict', "
             "'s-t1', "
                 + t + ", " + t + ")",
             "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
             "updated_at, "
             "deleted_at, bank_reference) VALUES ('t2', 'a1', '2024-01-16', 'Gone', -5, "
                 + t + ", " + t + ", " + t + ", 'FITID-9')",
             "INSERT INTO import_rules (id, position, match_kind, match_text, min_amount, "
             "account_id, set_payee, set_category_id, created_at, updated_at) VALUES ('i1', 2, "
             "'starts_with', 'GROC', -5000, 'a1', 'Grocer', 'c-child', "
                 + t + ", " + t + ")",
             "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, "
             "updated_at) VALUES ('s1', 't1', 'c-parent', -100, NULL, "
                 + t + ", " + t + ")",
             "INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, "
             "next_due_date, created_at, updated_at) VALUES ('r1', 'a1', 'Rent', -120000, "
             "'2024-01-01', '2024-02-01', "
                 + t + ", " + t + ")",
             "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
             "reconciled_balance, completed_at, created_at, updated_at) VALUES ('k1', 'a1', "
             "'2024-01-31', 1000, 1000, "
                 + t + ", " + t + ", " + t + ")",
             "INSERT INTO budgets (id, category_id, month, amount, rollover, version, "
             "sync_status, server_id, created_at, updated_at) VALUES ('b1', 'c-child', "
             "'2024-12', 50000, 1, 2, 'synced', 's-b1', "
                 + t + ", " + t + ")"}));

        BackupService sourceBackup(source.database());
        archive = sourceBackup.exportBackup();
        QVERIFY(!archive.isEmpty());

        // Restored rows are new to the server; split lines come back as they were.
        QVERIFY(
            execAll(source, {"UPDATE accounts SET sync_status = 'pending', server_id = NULL, "
                             "version = 1",
                             "UPDATE categories SET sync_status = 'pending', server_id = NULL, "
                             "version = 1",
                             "UPDATE transactions SET sync_status = 'pending', server_id = NULL, "
                             "version = 1",
                             "UPDATE budgets SET sync_status = 'pending', server_id = NULL, "
                             "version = 1"}));
        for (const QString &table : kTables)
            expected.insert(table, dump(source, table));
    }

    const ZipArchiveReader zip(archive);
    QVERIFY(zip.isValid());
    QStringList paths;
    for (const auto &entry : zip.entries())
        paths << entry.path;
    QCOMPARE(paths, (QStringList{"accounts/a1.json", "accounts/a2.json", "categories/c-child.json",
                                 "categories/c-parent.json", "transactions/t1.json",
                                 "transactions/t2.json", "split_lines/s1.json", "recurring/r1.json",
                                 "reconciliations/k1.json", "import_rules/i1.json",
                                 "budgets/b1.json", "manifest.json"}));
    QByteArray data;
    QCOMPARE(zip.read(paths.size() - 1, BackupService::kMaxEntrySize, &data),
             ZipArchiveReader::ReadStatus::Ok);
    QJsonObject manifest = QJsonDocument::fromJson(data).object();
    QVERIFY(manifest.take("exportedAt").toString().endsWith('Z'));
    QCOMPARE(manifest, (QJsonObject{{"version", 1},
                                    {"accountCount", 2},
                                    {"categoryCount", 2},
                                    {"transactionCount", 2},
                                    {"splitLineCount", 1},
                                    {"recurringCount", 1},
                                    {"reconciliationCount", 1},
                                    {"importRuleCount", 1},
                                    {"budgetCount", 1}}));
    QCOMPARE(zip.read(0, BackupService::kMaxEntrySize, &data), ZipArchiveReader::ReadStatus::Ok);
    const QJsonObject a1 = QJsonDocument::fromJson(data).object();
    QCOMPARE(a1.value("sort_order").toInteger(), Q_INT64_C(9223372036854775807));
    QVERIFY(a1.value("deleted_at").isNull());

    TestDatabase target;
    BackupService targetBackup(target.database());
    const BackupImportResult result
        = targetBackup.importBackup(archive, BackupImportMode::KeepNewer);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.accounts.imported, 2);
    QCOMPARE(result.categories.imported, 2);
    QCOMPARE(result.transactions.imported, 2);
    QCOMPARE(result.splitLines.imported, 1);
    QCOMPARE(result.recurring.imported, 1);
    QCOMPARE(result.reconciliations.imported, 1);
    QCOMPARE(result.importRules.imported, 1);
    QCOMPARE(result.budgets.imported, 1);
    QCOMPARE(totalSkipped(result), 0);

    for (const QString &table : kTables)
        QCOMPARE(dump(target, table), expected.value(table));
    QCOMPARE(expected.value("split_lines").size(), 1);
    // The full-text index learnt the restored rows.
    QCOMPARE(target
                 .scalar("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH "
                         "'Grocer'")
                 .toInt(),
             1);

    // Into the database it came from, skipping existing rows: nothing changes.
    const BackupImportResult again
        = targetBackup.importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(totalImported(again), 0);
    QCOMPARE(totalSkipped(again), 11);
    QVERIFY(again.errors.isEmpty());
}

void tst_BackupService::modes_data() {
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<QString>("backupUpdatedAt");
    QTest::addColumn<QString>("expectedName");
    QTest::addColumn<int>("imported");
    QTest::addColumn<int>("skipped");
    const auto skip = BackupImportMode::SkipExisting;
    const auto overwrite = BackupImportMode::Overwrite;
    const auto newer = BackupImportMode::KeepNewer;
    // The local row was updated at 2026-01-02T10:00:00Z; a new row is inserted every time.
    QTest::addRow("skip, later") << skip << "2026-02-01T00:00:00Z"
                                 << "Local" << 1 << 1;
    QTest::addRow("overwrite, earlier") << overwrite << "2020-01-01T00:00:00Z"
                                        << "Backup" << 2 << 0;
    QTest::addRow("newer, later") << newer << "2026-01-02T10:00:01Z"
                                  << "Backup" << 2 << 0;
    QTest::addRow("newer, equal") << newer << "2026-01-02T10:00:00Z"
                                  << "Local" << 1 << 1;
    QTest::addRow("newer, earlier") << newer << "2026-01-01T00:00:00Z"
                                    << "Local" << 1 << 1;
    QTest::addRow("newer, none") << newer << ""
                                 << "Backup" << 2 << 0;
}

void tst_BackupService::modes() {
    QFETCH(BackupImportMode, mode);
    QFETCH(QString, backupUpdatedAt);
    QFETCH(QString, expectedName);
    QFETCH(int, imported);
    QFETCH(int, skipped);
    TestDatabase db;
    QVERIFY(execAll(db, {"INSERT INTO accounts (id, name, sync_status, server_id, version, "
                         "created_at, updated_at) VALUES ('a', 'Local', 'synced', 's', 3, "
                         "'2026-01-01T00:00:00Z', '2026-01-02T10:00:00Z')",
                         "INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                         "('untouched', 'Mine', '2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')"}));
    BackupService backup(db.database());
    const BackupImportResult result = backup.importBackup(
        zipOf({{"accounts/a.json", json(accountRow("a", "Backup", backupUpdatedAt))},
               {"accounts/n.json", json(accountRow("n", "New"))},
               kManifest}),
        mode);
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(result.accounts.imported, imported);
    QCOMPARE(result.accounts.skipped, skipped);
    QCOMPARE(db.scalar("SELECT name FROM accounts WHERE id = 'a'").toString(), expectedName);
    QCOMPARE(db.scalar("SELECT sync_status || '/' || COALESCE(server_id, 'null') || '/' || "
                       "version FROM accounts WHERE id = 'a'")
                 .toString(),
             expectedName == "Backup" ? "pending/null/1" : "synced/s/3");
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 3);
    QCOMPARE(db.scalar("SELECT name FROM accounts WHERE id = 'untouched'").toString(), "Mine");
}

void tst_BackupService::archiveErrors_data() {
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("error");
    const QPair<QString, QByteArray> row{"accounts/a.json", json(accountRow("a", "A"))};
    QTest::addRow("not a ZIP") << QByteArray("PK not really") << "Failed to open ZIP archive";
    QTest::addRow("empty") << QByteArray() << "Failed to open ZIP archive";
    QTest::addRow("truncated") << zipOf({row, kManifest}).left(60) << "Failed to open ZIP archive";
    QTest::addRow("no manifest") << zipOf({row}) << "Invalid backup: missing manifest.json";
    QTest::addRow("empty manifest")
        << zipOf({row, {"manifest.json", QByteArray()}}) << "Invalid backup: missing manifest.json";
    QTest::addRow("version 2") << zipOf({row, {"manifest.json", json({{"version", 2}})}})
                               << "Unsupported backup version: 2";
    QTest::addRow("no version") << zipOf({row, {"manifest.json", json({{"exportedAt", "x"}})}})
                                << "Unsupported backup version: 0";
    QTest::addRow("manifest too large")
        << zipOf({row, {"manifest.json", QByteArray(BackupService::kMaxEntrySize + 1, ' ')}})
        << "manifest.json: entry too large";
}

void tst_BackupService::archiveErrors() {
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);
    TestDatabase db;
    BackupService backup(db.database());
    const BackupImportResult result = backup.importBackup(archive, BackupImportMode::Overwrite);
    QCOMPARE(result.errors, QStringList{error});
    QCOMPARE(totalImported(result) + totalSkipped(result), 0);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
}

void tst_BackupService::badRowsCostOnlyThemselves() {
    TestDatabase db;
    BackupService backup(db.database());
    QJsonObject crafted = accountRow("evil", "Evil");
    crafted.insert("name) VALUES ('x'); DROP TABLE accounts; --", 1);
    QJsonObject unknown = accountRow("unknown", "Unknown");
    unknown.insert("nickname", "newer schema");
    QJsonObject nested = accountRow("nested", "Nested");
    nested.insert("institution", QJsonObject{{"name", "Bank"}});
    QJsonObject noId = accountRow("", "No id");
    QJsonObject big = accountRow("big", QString(BackupService::kMaxEntrySize, 'x'));
    QJsonObject orphan{{"id", "orphan"}, {"transaction_id", "none"}, {"category_id", "none"},
                       {"amount", 1},    {"created_at", "x"},        {"updated_at", "x"}};

    const BackupImportResult result = backup.importBackup(
        zipOf({{"accounts/good.json", json(accountRow("good", "Good"))},
               {"accounts/empty.json", "{}"},
               {"accounts/broken.json", "{\"id\": "},
               {"accounts/array.json", "[1, 2]"},
               {"accounts/evil.json", json(crafted)},
               {"accounts/unknown.json", json(unknown)},
               {"accounts/nested.json", json(nested)},
               {"accounts/noid.json", json(noId)},
               {"accounts/big.json", json(big)},
               {"accounts/readme.txt", "not a row"},
               {"Accounts/upper.json", json(accountRow("upper", "Wrong folder"))},
               {"split_lines/orphan.json", json(orphan)},
               {"accounts/last.json", json(accountRow("last", "Last"))},
               kManifest}),
        BackupImportMode::Overwrite);
    QCOMPARE(
        result.errors,
        (QStringList{"accounts/empty.json: invalid JSON", "accounts/broken.json: invalid JSON",
                     "accounts/array.json: invalid JSON",
                     "accounts/nested.json: invalid value for institution",
                     "accounts/noid.json: the row has no id", "accounts/big.json: entry too large",
                     "split_lines/orphan.json: FOREIGN KEY constraint failed"}));
    QVERIFY(result.completed);
    QCOMPARE(result.accounts.imported, 2);
    QCOMPARE(result.accounts.skipped, 0);
    QCOMPARE(result.accounts.failed, 2);
    // Columns of a newer schema (or crafted ones) are named, never run as SQL.
    QCOMPARE(result.accounts.unknownColumns, 2);
    QCOMPARE(result.unknownColumnNames,
             (QStringList{"name) VALUES ('x'); DROP TABLE accounts; --", "nickname"}));
    QCOMPARE(result.splitLines.failed, 1);
    QCOMPARE(dump(db, "accounts").size(), 2);
    QCOMPARE(
        db.scalar("SELECT group_concat(id) FROM (SELECT id FROM accounts ORDER BY id)").toString(),
        "good,last");
}

void tst_BackupService::repeatedEntryNamesAreReadInTurn() {
    TestDatabase db;
    BackupService backup(db.database());
    const BackupImportResult result
        = backup.importBackup(zipOf({{"accounts/dup.json", json(accountRow("dup", "First"))},
                                     {"accounts/dup.json", json(accountRow("dup", "Second"))},
                                     kManifest}),
                              BackupImportMode::Overwrite);
    QVERIFY(result.errors.isEmpty());
    QCOMPARE(result.accounts.imported, 2);
    QCOMPARE(db.scalar("SELECT name FROM accounts WHERE id = 'dup'").toString(), "Second");
}

void tst_BackupService::failedCommitRestoresNothing() {
    TestDatabase db;
    QVERIFY(execAll(db, {"PRAGMA defer_foreign_keys = ON"}));
    BackupService backup(db.database());
    const QJsonObject orphan{{"id", "t"},
                             {"account_id", "nowhere"},
                             {"date", "2024-01-01"},
                             {"payee", "P"},
                             {"amount", -1},
                             {"created_at", "2026-01-01T00:00:00Z"},
                             {"updated_at", "2026-01-01T00:00:00Z"}};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^BackupService: the restore failed:"));
    const BackupImportResult result
        = backup.importBackup(zipOf({{"accounts/a.json", json(accountRow("a", "A"))},
                                     {"transactions/t.json", json(orphan)},
                                     kManifest}),
                              BackupImportMode::Overwrite);
    QCOMPARE(result.errors.size(), 1);
    QCOMPARE(totalImported(result) + totalSkipped(result), 0);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
}

void tst_BackupService::writeFailuresRestoreNothing_data() {
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<bool>("blockFromOutside");
    QTest::addColumn<QString>("reason");
    // A failure of the database rather than of one row's values: the restore fails whole.
    QTest::addRow("another writer holds the lock")
        << QStringList{"PRAGMA busy_timeout = 50"} << true << "database is locked";
    QTest::addRow("a write fails part way")
        << QStringList{"CREATE TRIGGER boom BEFORE INSERT ON transactions BEGIN SELECT "
                       "json('{'); END"}
        << false << "malformed JSON";
    QTest::addRow("read-only connection")
        << QStringList{"PRAGMA query_only = ON"} << false << "readonly";
}

void tst_BackupService::writeFailuresRestoreNothing() {
    QFETCH(QStringList, setup);
    QFETCH(bool, blockFromOutside);
    QFETCH(QString, reason);
    TestDatabase db;
    QVERIFY(execAll(db, setup));
    QSqlDatabase other;
    if (blockFromOutside) {
        other = QSqlDatabase::addDatabase("QSQLITE", "other-writer");
        other.setDatabaseName(db.path());
        QVERIFY(other.open());
        {
            QSqlQuery begin(other);
            QVERIFY2(begin.exec("BEGIN IMMEDIATE"), qPrintable(begin.lastError().text()));
        }
    }
    BackupService backup(db.database());
    const QJsonObject transaction{{"id", "t"},
                                  {"account_id", "a"},
                                  {"date", "2024-01-01"},
                                  {"payee", "P"},
                                  {"amount", -1},
                                  {"created_at", "2026-01-01T00:00:00Z"},
                                  {"updated_at", "2026-01-01T00:00:00Z"}};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("failed"));
    const BackupImportResult result
        = backup.importBackup(zipOf({{"accounts/a.json", json(accountRow("a", "A"))},
                                     {"transactions/t.json", json(transaction)},
                                     kManifest}),
                              BackupImportMode::Overwrite);
    if (blockFromOutside) {
        QSqlQuery(other).exec("ROLLBACK");
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other-writer");
    }
    QVERIFY(!result.completed);
    QCOMPARE(result.errors.size(), 1);
    QVERIFY2(result.errors.first().contains("nothing was restored"),
             qPrintable(result.errors.first()));
    QVERIFY2(result.errors.first().contains(reason, Qt::CaseInsensitive),
             qPrintable(result.errors.first()));
    QCOMPARE(totalImported(result) + totalSkipped(result), 0);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM transactions").toInt(), 0);
}

void tst_BackupService::valuesMustFitTheirColumns_data() {
    QTest::addColumn<QString>("column");
    QTest::addColumn<QJsonValue>("value");
    QTest::addColumn<bool>("stored");
    QTest::addRow("amount fraction") << "amount" << QJsonValue(2.5) << false;
    QTest::addRow("amount 1e300") << "amount" << QJsonValue(1e300) << false;
    QTest::addRow("amount text") << "amount" << QJsonValue("abc") << false;
    QTest::addRow("amount numeric text") << "amount" << QJsonValue("100") << false;
    QTest::addRow("amount beyond range")
        << "amount" << QJsonValue(qint64(100000000000001)) << false;
    QTest::addRow("amount at range") << "amount" << QJsonValue(qint64(-100000000000000)) << true;
    QTest::addRow("amount whole") << "amount" << QJsonValue(-12345) << true;
    QTest::addRow("date words") << "date" << QJsonValue("not a date") << false;
    QTest::addRow("date impossible") << "date" << QJsonValue("2023-02-29") << false;
    QTest::addRow("date with time") << "date" << QJsonValue("2024-02-29T10:00:00Z") << false;
    QTest::addRow("date leap day") << "date" << QJsonValue("2024-02-29") << true;
    QTest::addRow("date null") << "date" << QJsonValue(QJsonValue::Null) << false;
    QTest::addRow("flag yes") << "cleared" << QJsonValue("yes") << false;
    QTest::addRow("flag 2") << "cleared" << QJsonValue(2) << false;
    QTest::addRow("flag 1") << "cleared" << QJsonValue(1) << true;
    QTest::addRow("flag true") << "reconciled" << QJsonValue(true) << true;
    QTest::addRow("text number") << "payee" << QJsonValue(5) << false;
    QTest::addRow("text null in nullable") << "memo" << QJsonValue(QJsonValue::Null) << true;
}

void tst_BackupService::valuesMustFitTheirColumns() {
    QFETCH(QString, column);
    QFETCH(QJsonValue, value);
    QFETCH(bool, stored);
    TestDatabase db;
    BackupService backup(db.database());
    QJsonObject transaction{{"id", "t"},
                            {"account_id", "a"},
                            {"date", "2024-01-01"},
                            {"payee", "P"},
                            {"amount", -1},
                            {"created_at", "2026-01-01T00:00:00Z"},
                            {"updated_at", "2026-01-01T00:00:00Z"}};
    transaction.insert(column, value);
    const BackupImportResult result
        = backup.importBackup(zipOf({{"accounts/a.json", json(accountRow("a", "A"))},
                                     {"transactions/t.json", json(transaction)},
                                     kManifest}),
                              BackupImportMode::Overwrite);
    QVERIFY(result.completed);
    QCOMPARE(result.accounts.imported, 1);
    QCOMPARE(result.transactions.imported, stored ? 1 : 0);
    QCOMPARE(result.transactions.failed, stored ? 0 : 1);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM transactions").toInt(), stored ? 1 : 0);
    if (stored) {
        QVERIFY(result.errors.isEmpty());
        // What was stored is what the column holds: an integer stays an integer.
        const QString type
            = db.scalar(QStringLiteral("SELECT typeof(%1) FROM transactions").arg(column))
                  .toString();
        QCOMPARE(type, value.isNull() ? "null" : value.isString() ? "text" : "integer");
    } else {
        QCOMPARE(result.errors.size(), 1);
        QVERIFY2(result.errors.first().startsWith("transactions/t.json: "),
                 qPrintable(result.errors.first()));
    }
}

void tst_BackupService::largeRowsRoundTripWhole() {
    // A payee the import accepts must come back from the backup the program wrote.
    QString payee;
    for (int i = 0; payee.size() < 2 * 1024 * 1024; ++i)
        payee += QStringLiteral("Caf\u00e9 \"%1\"\t\\\n").arg(i);
    QByteArray archive;
    {
        TestDatabase source;
        QVERIFY(execAll(source, {"INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                 "('a', 'A', 'x', 'x')"}));
        QSqlQuery insert(source.connection());
        QVERIFY2(
            insert.prepare("INSERT INTO transactions (id, account_id, date, payee, amount, "
                           "created_at, updated_at) VALUES ('t', 'a', '2024-01-01', ?, 1, 'x', "
                           "'x')"),
            qPrintable(insert.lastError().text()));
        insert.addBindValue(payee);
        QVERIFY2(insert.exec(), qPrintable(insert.lastError().text()));
        BackupService backup(source.database());
        QString error;
        archive = backup.exportBackup(&error);
        QVERIFY2(!archive.isEmpty(), qPrintable(error));

        // What a restore would refuse, export refuses, naming the row.
        QSqlQuery update(source.connection());
        QVERIFY2(update.prepare("UPDATE accounts SET institution = ?"),
                 qPrintable(update.lastError().text()));
        update.addBindValue(QString(BackupService::kMaxEntrySize, 'm'));
        QVERIFY2(update.exec(), qPrintable(update.lastError().text()));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("export failed"));
        QVERIFY(backup.exportBackup(&error).isEmpty());
        QVERIFY2(error.startsWith("accounts/a.json: "), qPrintable(error));
    }
    TestDatabase target;
    BackupService backup(target.database());
    const BackupImportResult result = backup.importBackup(archive, BackupImportMode::Overwrite);
    QCOMPARE(result.errors, QStringList());
    QCOMPARE(result.transactions.imported, 1);
    QCOMPARE(target.scalar("SELECT payee FROM transactions").toString(), payee);
}

void tst_BackupService::hostileSizesAreRefusedBeforeWriting() {
    // Entries that declare more than a restore would ever inflate in all: refused whole,
    // before anything is written.
    Entries entries;
    const int count = int(BackupService::kMaxTotalSize / BackupService::kMaxEntrySize) + 1;
    for (int i = 0; i < count; ++i)
        entries.append(
            {QStringLiteral("accounts/%1.json").arg(i), json(accountRow(QString::number(i), "A"))});
    entries.append(kManifest);
    QByteArray archive = zipOf(entries);
    const char central[] = {'P', 'K', 1, 2};
    for (qsizetype at = archive.indexOf(QByteArray(central, 4)); at >= 0;
         at = archive.indexOf(QByteArray(central, 4), at + 4)) {
        if (archive.mid(at + 46, 8) == "manifest")
            continue;
        qToLittleEndian<quint32>(quint32(BackupService::kMaxEntrySize), archive.data() + at + 24);
    }
    TestDatabase db;
    BackupService backup(db.database());
    const BackupImportResult result = backup.importBackup(archive, BackupImportMode::Overwrite);
    QCOMPARE(result.errors, QStringList{"The backup is too large to restore"});
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
}

void tst_BackupService::exportFailsWhenATableCannotBeRead() {
    TestDatabase db;
    QVERIFY(execAll(db, {"INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                         "('a', 'A', 'x', 'x')",
                         "PRAGMA foreign_keys = OFF", "DROP TABLE reconciliations"}));
    BackupService backup(db.database());
    QString error;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("export failed"));
    QVERIFY(backup.exportBackup(&error).isEmpty());
    QVERIFY2(error.contains("reconciliations"), qPrintable(error));
}

void tst_BackupService::categoriesRestoreParentsFirst() {
    // A long chain stored child before parent, and a loop, which must end.
    Entries entries;
    const int depth = 4000;
    const auto category = [](const QString &id, const QString &parent) {
        QJsonObject row{{"id", id},
                        {"name", id},
                        {"created_at", "2026-01-01T00:00:00Z"},
                        {"updated_at", "2026-01-01T00:00:00Z"}};
        row.insert("parent_id", parent.isEmpty() ? QJsonValue() : QJsonValue(parent));
        return json(row);
    };
    for (int i = depth - 1; i >= 0; --i)
        entries.append({QStringLiteral("categories/c%1.json").arg(i),
                        category(QStringLiteral("c%1").arg(i),
                                 i > 0 ? QStringLiteral("c%1").arg(i - 1) : QString())});
    entries.append({"categories/loop-a.json", category("loop-a", "loop-b")});
    entries.append({"categories/loop-b.json", category("loop-b", "loop-a")});
    entries.append({"categories/self.json", category("self", "self")});
    entries.append(kManifest);
    TestDatabase db;
    BackupService backup(db.database());
    const BackupImportResult result
        = backup.importBackup(zipOf(entries), BackupImportMode::Overwrite);
    QVERIFY(result.completed);
    QCOMPARE(result.categories.imported, depth + 1);
    QCOMPARE(result.categories.failed, 2);
    QCOMPARE(db.scalar("SELECT parent_id FROM categories WHERE id = 'c3999'").toString(), "c3998");
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM categories WHERE id LIKE 'loop-%'").toInt(), 0);
}

void tst_BackupService::cancelledRestoreWritesNothing_data() {
    QTest::addColumn<int>("allowedChecks");
    // Three rows: the check is asked before each and once before the commit.
    QTest::addRow("part way") << 1;
    QTest::addRow("just before the commit") << 3;
}

void tst_BackupService::cancelledRestoreWritesNothing() {
    QFETCH(int, allowedChecks);
    TestDatabase db;
    QVERIFY(db.isValid());
    BackupService backup(db.database());
    int checks = 0;
    backup.setCancelCheck([&checks, allowedChecks] { return ++checks > allowedChecks; });
    const QByteArray archive = zipOf({{"accounts/a1.json", json(accountRow("a1", "One"))},
                                      {"accounts/a2.json", json(accountRow("a2", "Two"))},
                                      {"accounts/a3.json", json(accountRow("a3", "Three"))},
                                      kManifest});
    const BackupImportResult result = backup.importBackup(archive, BackupImportMode::Overwrite);
    QVERIFY(result.cancelled);
    QVERIFY(!result.completed);
    QCOMPARE(result.errors.size(), 1);
    QCOMPARE(checks, allowedChecks + 1);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);

    backup.setCancelCheck({});
    const BackupImportResult again = backup.importBackup(archive, BackupImportMode::Overwrite);
    QVERIFY(again.completed);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM accounts").toInt(), 3);
}

void tst_BackupService::cancelledExportGivesNoArchive() {
    TestDatabase db;
    QVERIFY(db.isValid());
    QVERIFY(execAll(db, {"INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a1', "
                         "'One', '2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')"}));
    BackupService backup(db.database());
    backup.setCancelCheck([] { return true; });
    QString error;
    QVERIFY(backup.exportBackup(&error).isEmpty());
    QVERIFY(!error.isEmpty());
    backup.setCancelCheck({});
    QVERIFY(!backup.exportBackup(&error).isEmpty());
}

QTEST_GUILESS_MAIN(tst_BackupService)
#include "tst_backupservice.moc"
