// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/loghandler.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

class tst_LogHandler : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void formatLine_data();
    void formatLine();
    void quietAndVerboseProcess_data();
    void quietAndVerboseProcess();
};

void tst_LogHandler::formatLine_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("line");
    QTest::addRow("debug dropped") << int(QtDebugMsg) << QByteArray();
    QTest::addRow("info dropped") << int(QtInfoMsg) << QByteArray();
    QTest::addRow("warning") << int(QtWarningMsg) << QByteArray("WARN: disk almost full\n");
    QTest::addRow("critical") << int(QtCriticalMsg) << QByteArray("disk almost full\n");
    QTest::addRow("fatal") << int(QtFatalMsg) << QByteArray("disk almost full\n");
}

void tst_LogHandler::formatLine() {
    QFETCH(int, type);
    QFETCH(QByteArray, line);
    QCOMPARE(LogHandler::formatLine(QtMsgType(type), QStringLiteral("disk almost full")), line);
}

void tst_LogHandler::quietAndVerboseProcess_data() {
    QTest::addColumn<QByteArray>("verbose");
    QTest::addColumn<bool>("infoShown");
    QTest::addRow("unset") << QByteArray() << false;
    QTest::addRow("empty") << QByteArray("") << false;
    QTest::addRow("one") << QByteArray("1") << true;
}

void tst_LogHandler::quietAndVerboseProcess() {
    // The handler is process-wide, so look at it from a child process: this same executable
    // started in "emit" mode.
    QFETCH(QByteArray, verbose);
    QFETCH(bool, infoShown);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QUILLON_VERBOSE");
    if (!verbose.isNull())
        env.insert("QUILLON_VERBOSE", QString::fromLatin1(verbose));
    env.insert("TST_LOGHANDLER_EMIT", "1");
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(10000));
    const QByteArray err = child.readAllStandardError();
    QCOMPARE(err.contains("Opening database at: /x"), infoShown);
    if (infoShown)
        QVERIFY2(err.contains("careful"), err.constData());
    else
        QVERIFY2(err.contains("WARN: careful\n") && err.contains("broken\n"), err.constData());
}

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsSet("TST_LOGHANDLER_EMIT")) {
        QCoreApplication app(argc, argv);
        LogHandler::installUnlessVerbose();
        qInfo("Opening database at: /x");
        qWarning("careful");
        qCritical("broken");
        return 0;
    }
    QCoreApplication app(argc, argv);
    tst_LogHandler tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_loghandler.moc"
