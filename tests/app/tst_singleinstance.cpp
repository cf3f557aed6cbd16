// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/singleinstance.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_SingleInstance : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void secondClaimHandsOver();
    void otherDirectoryIsIndependent();
    void releasedOnDestruction();
    void programProcesses();
};

void tst_SingleInstance::secondClaimHandsOver() {
    QTemporaryDir dir;
    SingleInstance first(dir.path());
    QVERIFY(first.claim());
    QSignalSpy activations(&first, &SingleInstance::activationRequested);
    QVERIFY(activations.isValid());

    SingleInstance second(dir.path());
    QVERIFY(!second.claim(2000));
    QVERIFY(activations.wait(3000));
    QCOMPARE(activations.count(), 1);
}

void tst_SingleInstance::otherDirectoryIsIndependent() {
    QTemporaryDir a;
    QTemporaryDir b;
    QVERIFY(SingleInstance::serverName(a.path()) != SingleInstance::serverName(b.path()));
    SingleInstance first(a.path());
    QVERIFY(first.claim());
    SingleInstance other(b.path());
    QVERIFY(other.claim(500));
}

void tst_SingleInstance::releasedOnDestruction() {
    QTemporaryDir dir;
    {
        SingleInstance first(dir.path());
        QVERIFY(first.claim());
    }
    SingleInstance next(dir.path());
    QVERIFY(next.claim(500));
}

// The real program: a second start on the same data directory ends at once (after handing
// over), a start on another data directory keeps running.
void tst_SingleInstance::programProcesses() {
    QTemporaryDir a;
    QTemporaryDir b;
    auto start = [](QProcess &process, const QString &dataDir) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QUILLON_DATA_DIR"), dataDir);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(QUILLON_PATH), {});
        return process.waitForStarted(5000);
    };

    QProcess first;
    QVERIFY(start(first, a.path()));
    // Wait until the first instance listens.
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            QLocalSocket probe;
            probe.connectToServer(SingleInstance::serverName(a.path()));
            return probe.waitForConnected(100);
        }(),
        15000);

    QProcess second;
    QVERIFY(start(second, a.path()));
    QVERIFY2(second.waitForFinished(10000), "the second start did not end");
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);

    QProcess other;
    QVERIFY(start(other, b.path()));
    QVERIFY(!other.waitForFinished(2000));

    other.kill();
    other.waitForFinished();
    first.kill();
    first.waitForFinished();
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
