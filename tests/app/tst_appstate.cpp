// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "appstate.h"
#include "database.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class tst_AppState : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("QUILLON_DATA_DIR"); }

    void initializeCreatesDatabase();
    void initializeFailsOnUncreatableDirectory();
    void currentAccount();
};

void tst_AppState::initializeCreatesDatabase()
{
    QTemporaryDir dir;
    const QString dataDir = dir.filePath("fresh/data");
    qputenv("QUILLON_DATA_DIR", dataDir.toUtf8());

    AppState state;
    QSignalSpy ready(&state, &AppState::databaseReady);
    QVERIFY(state.initialize());
    QCOMPARE(ready.count(), 1);
    QVERIFY(state.database());
    QCOMPARE(state.database()->parent(), &state);
    QVERIFY(QFile::exists(dataDir + "/quillon.db"));

    QSqlQuery q(state.database()->connection());
    QVERIFY(q.exec("SELECT count(*) FROM schema_version") && q.next());
    QCOMPARE(q.value(0).toInt(), 2);
}

void tst_AppState::initializeFailsOnUncreatableDirectory()
{
    // A directory below a regular file cannot be created, not even by root.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("QUILLON_DATA_DIR", dir.filePath("file/data").toUtf8());

    AppState state;
    QSignalSpy ready(&state, &AppState::databaseReady);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Failed to open database: "));
    QVERIFY(!state.initialize());
    QCOMPARE(ready.count(), 0);
}

void tst_AppState::currentAccount()
{
    AppState state;
    QSignalSpy changed(&state, &AppState::currentAccountChanged);
    QVERIFY(state.currentAccountId().isEmpty());
    state.setCurrentAccountId("acc-1");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toString(), QStringLiteral("acc-1"));
    state.setCurrentAccountId("acc-1");
    QCOMPARE(changed.count(), 1);
    QCOMPARE(state.currentAccountId(), QStringLiteral("acc-1"));
}

QTEST_GUILESS_MAIN(tst_AppState)
#include "tst_appstate.moc"
