// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/cli/clirunner.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// One writer: runs "add" again as soon as the previous one ended, count times.
class Lane : public QObject {
public:
    Lane(const QString &dataDir, const QString &name, int count)
        : m_name(name)
        , m_left(count) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLON_DATA_DIR"), dataDir);
        env.remove(QStringLiteral("QUILLON_VERBOSE"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        m_process.setProcessEnvironment(env);
        connect(&m_process, &QProcess::finished, this, [this](int code, QProcess::ExitStatus st) {
            if (st != QProcess::NormalExit || code != 0) {
                ++failures;
                lastError = QString::fromUtf8(m_process.readAllStandardError());
            }
            next();
        });
    }

    void next() {
        if (m_left == 0) {
            finished = true;
            return;
        }
        --m_left;
        m_process.start(QStringLiteral(QUILLON_CLI_PATH),
                        {QStringLiteral("add"), QStringLiteral("Checking"),
                         QStringLiteral("--date"), QStringLiteral("2026-01-01"),
                         QStringLiteral("--payee"), QStringLiteral("%1 %2").arg(m_name).arg(m_left),
                         QStringLiteral("--amount"), QStringLiteral("-1.00")});
    }

    int failures = 0;
    bool finished = false;
    QString lastError;

private:
    QProcess m_process;
    QString m_name;
    int m_left;
};

} // namespace

class tst_CliConcurrency : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoProcessesWritingAtOnceBothSucceed();
};

// Two companions adding rows to one database at the same time: the second waits for the
// first's lock instead of failing with "database is locked".
void tst_CliConcurrency::twoProcessesWritingAtOnceBothSucceed() {
    constexpr int kRowsPerWriter = 100;
    QTemporaryDir dir;
    QCOMPARE(runCli(dir.path(), {"account", "add", "--name", "Checking"}).exitCode, 0);

    Lane first(dir.path(), QStringLiteral("First"), kRowsPerWriter);
    Lane second(dir.path(), QStringLiteral("Second"), kRowsPerWriter);
    first.next();
    second.next();
    QTRY_VERIFY_WITH_TIMEOUT(first.finished && second.finished, 600000);
    QVERIFY2(first.failures + second.failures == 0,
             qPrintable(QStringLiteral("%1 of %2 adds failed; last error: %3")
                            .arg(first.failures + second.failures)
                            .arg(2 * kRowsPerWriter)
                            .arg(first.lastError + second.lastError)));

    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(dir.filePath("quillon.db"));
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec("SELECT COUNT(*) FROM transactions"),
                 qPrintable(query.lastError().text()));
        QVERIFY(query.next());
        QCOMPARE(query.value(0).toInt(), 2 * kRowsPerWriter);
    }
    QSqlDatabase::removeDatabase("check");
}

QTEST_GUILESS_MAIN(tst_CliConcurrency)
#include "tst_cli_concurrency.moc"
