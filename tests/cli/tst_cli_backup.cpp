// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/cli/clirunner.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A connection of the test's own to a data directory's database, beside the companion.
class OutsideConnection {
public:
    explicit OutsideConnection(const QString &dataDir) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kName);
        m_db.setDatabaseName(dataDir + QStringLiteral("/quillon.db"));
        m_db.open();
    }
    ~OutsideConnection() {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(kName);
    }
    bool exec(const QString &sql) {
        QSqlQuery query(m_db);
        if (query.exec(sql))
            return true;
        qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
        return false;
    }
    int count(const QString &table) {
        QSqlQuery query(m_db);
        query.exec(QStringLiteral("SELECT COUNT(*) FROM ") + table);
        return query.next() ? query.value(0).toInt() : -1;
    }

private:
    static inline const QString kName = QStringLiteral("outside");
    QSqlDatabase m_db;
};

} // namespace

class tst_CliBackup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void exportOfADamagedDatabaseFailsAndLeavesNoFile();
    void restoreBlockedByAnotherWriterFails();
    void rowsWithUnknownColumnsAreCountedAndNamed();
    void progressOnlyOnATerminal();

private:
    std::unique_ptr<QTemporaryDir> m_source;
    std::unique_ptr<QTemporaryDir> m_target;
    QString m_archive;
};

void tst_CliBackup::init() {
    m_source = std::make_unique<QTemporaryDir>();
    m_target = std::make_unique<QTemporaryDir>();
    m_archive = m_source->filePath(QStringLiteral("backup.zip"));
    const CliResult r
        = runCli(m_source->path(), {"account", "add", "--name", "Checking", "--opening", "12.50"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
}

void tst_CliBackup::exportOfADamagedDatabaseFailsAndLeavesNoFile() {
    {
        OutsideConnection outside(m_source->path());
        QVERIFY(outside.exec("PRAGMA foreign_keys = OFF"));
        QVERIFY(outside.exec("DROP TABLE reconciliations"));
    }
    const CliResult r = runCli(m_source->path(), {"backup", "export", m_archive});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains("reconciliations"), r.err.constData());
    QVERIFY(!QFile::exists(m_archive));
}

void tst_CliBackup::restoreBlockedByAnotherWriterFails() {
    CliResult r = runCli(m_source->path(), {"backup", "export", m_archive});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QVERIFY(runCli(m_target->path(), {"accounts"}).exitCode == 0);

    OutsideConnection outside(m_target->path());
    QVERIFY(outside.exec("BEGIN IMMEDIATE"));
    r = runCli(m_target->path(), {"backup", "import", m_archive, "--mode", "replace"});
    QVERIFY(outside.exec("ROLLBACK"));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.out.contains("nothing was restored"), r.out.constData());
    QVERIFY2(!r.out.contains("Skipped"), r.out.constData());
    QCOMPARE(outside.count("accounts"), 0);

    // The same archive goes in once the lock is free.
    r = runCli(m_target->path(), {"backup", "import", m_archive, "--mode", "replace"});
    QVERIFY2(r.exitCode == 0, r.out.constData());
    QCOMPARE(outside.count("accounts"), 1);
}

void tst_CliBackup::rowsWithUnknownColumnsAreCountedAndNamed() {
    // As a newer version would write it: a column this one does not have.
    {
        OutsideConnection outside(m_source->path());
        QVERIFY(outside.exec("ALTER TABLE accounts ADD COLUMN nickname TEXT"));
    }
    CliResult r = runCli(m_source->path(), {"backup", "export", m_archive});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    r = runCli(m_target->path(), {"backup", "import", m_archive, "--mode", "replace"});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.out.contains("Skipped 1 row(s) with columns this version does not know "
                            "(nickname)"),
             r.out.constData());
    // Imported, skipped, failed, unknown columns.
    QVERIFY2(QString::fromUtf8(r.out).contains(QRegularExpression("\\baccounts +0 +0 +0 +1\\n")),
             r.out.constData());
}

void tst_CliBackup::progressOnlyOnATerminal() {
    const QString script = QStandardPaths::findExecutable(QStringLiteral("script"));
    if (script.isEmpty())
        QSKIP("needs script(1) to run the command on a terminal");
    // Progress is drawn from the thousandth row on.
    const QString csv = m_source->filePath(QStringLiteral("bank.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date,Payee,Amount\n");
    for (int i = 0; i < 1500; ++i)
        file.write(QStringLiteral("01/02/2026,Payee %1,-1.00\n").arg(i).toUtf8());
    file.close();
    CliResult r = runCli(m_source->path(), {"import", "csv", csv, "--account", "Checking"});
    QVERIFY2(r.exitCode == 0, r.err.constData());

    r = runCli(m_source->path(), {"backup", "export", m_archive});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(r.err, QByteArray());
    r = runCli(m_target->path(), {"backup", "import", m_archive, "--mode", "skip"});
    QVERIFY2(r.exitCode == 0, r.err.constData());
    QCOMPARE(r.err, QByteArray());

    // On a terminal (standard output and error both go to it).
    const auto onTerminal = [&script](const QString &dataDir, const QString &arguments) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLON_DATA_DIR"), dataDir);
        env.remove(QStringLiteral("QUILLON_VERBOSE"));
        process.setProcessEnvironment(env);
        process.start(script,
                      {"-qec", QStringLiteral(QUILLON_CLI_PATH " ") + arguments, "/dev/null"});
        process.waitForFinished(60000);
        return process.readAllStandardOutput();
    };
    const QString second = m_source->filePath(QStringLiteral("second.zip"));
    QByteArray shown = onTerminal(m_source->path(), "backup export " + second);
    QVERIFY2(shown.contains("Exporting: ") && shown.contains("rows/s"), shown.constData());
    QVERIFY(QFile::exists(second));
    QTemporaryDir fresh;
    shown = onTerminal(fresh.path(), "backup import " + second + " --mode skip");
    QVERIFY2(shown.contains("Restoring: ") && shown.contains("rows/s"), shown.constData());

    // A listing draws progress only while its rows go to a file, not over the rows themselves.
    const QString listing = m_source->filePath(QStringLiteral("register.csv"));
    shown = onTerminal(m_source->path(), "register Checking --format csv > " + listing);
    QVERIFY2(shown.contains("Listing: "), shown.constData());
    QFile written(listing);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray rows = written.readAll();
    QVERIFY(rows.contains("Payee 1499") && !rows.contains("Listing"));
    shown = onTerminal(m_source->path(), "register Checking --format csv");
    QVERIFY2(!shown.contains("Listing: ") && shown.contains("Payee 1499"), shown.constData());
}

QTEST_GUILESS_MAIN(tst_CliBackup)
#include "tst_cli_backup.moc"
