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

#include <QtGui/private/qzipwriter_p.h>

namespace {

using Entries = QList<QPair<QString, QByteArray>>;

QByteArray zipOf(const Entries &entries) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
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
    "accounts",       "categories", "transactions", "split_lines", "recurring_transactions",
    "reconciliations"};

int totalImported(const BackupImportResult &r) {
    return r.accounts.imported + r.categories.imported + r.transactions.imported
           + r.splitLines.imported + r.recurring.imported + r.reconciliations.imported;
}

int totalSkipped(const BackupImportResult &r) {
    return r.accounts.skipped + r.categories.skipped + r.transactions.skipped + r.splitLines.skipped
           + r.recurring.skipped + r.reconciliations.skipped;
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
            {"INSERT INTO accounts (id, name, starting_balance, version, sync_status, server_id, "
             "created_at, updated_at) VALUES ('a1', 'Main', 9223372036854775807, 4, 'synced', "
             "'s-a1', "
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
             "deleted_at) VALUES ('t2', 'a1', '2024-01-16', 'Gone', -5, "
                 + t + ", " + t + ", " + t + ")",
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
                 + t + ", " + t + ", " + t + ")"}));

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
                                 "reconciliations/k1.json", "manifest.json"}));
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
                                    {"reconciliationCount", 1}}));
    QCOMPARE(zip.read(0, BackupService::kMaxEntrySize, &data), ZipArchiveReader::ReadStatus::Ok);
    const QJsonObject a1 = QJsonDocument::fromJson(data).object();
    QCOMPARE(a1.value("starting_balance").toInteger(), Q_INT64_C(9223372036854775807));
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
    QCOMPARE(totalSkipped(again), 9);
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
                     "accounts/array.json: invalid JSON", "accounts/big.json: entry too large"}));
    QCOMPARE(result.accounts.imported, 2);
    QCOMPARE(result.accounts.skipped, 4);
    QCOMPARE(result.splitLines.skipped, 1);
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
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^BackupService: the restore could not be committed:"));
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

QTEST_GUILESS_MAIN(tst_BackupService)
#include "tst_backupservice.moc"
