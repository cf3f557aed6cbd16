// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "services/recurringservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class tst_AppState : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("QUILLON_DATA_DIR"); }

    void initializeCreatesDatabase();
    void initializeFailsOnUncreatableDirectory();
    void currentAccount();
    void repositoriesInMemberOrder();
    void storedPreferencesAtStart_data();
    void storedPreferencesAtStart();
};

void tst_AppState::initializeCreatesDatabase() {
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
    QCOMPARE(q.value(0).toInt(), 5);

    // A new database starts with the default categories.
    QCOMPARE(state.categoryRepository()->count(), 56);
    QCOMPARE(state.recurringService()->parent(), &state);
}

void tst_AppState::initializeFailsOnUncreatableDirectory() {
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

void tst_AppState::currentAccount() {
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

void tst_AppState::repositoriesInMemberOrder() {
    QTemporaryDir dir;
    qputenv("QUILLON_DATA_DIR", dir.path().toUtf8());
    AppState state;
    QVERIFY(state.initialize());
    const QList<QObject *> expected{state.database(),
                                    state.accountRepository(),
                                    state.transactionRepository(),
                                    state.categoryRepository(),
                                    state.preferencesRepository(),
                                    state.splitLineRepository(),
                                    state.recurringRepository(),
                                    state.reconciliationRepository()};
    // The services and the rest follow the repositories.
    QCOMPARE(state.children().mid(0, expected.size()), expected);

    // Choosing an account remembers it; choosing it again writes nothing.
    QSignalSpy written(state.preferencesRepository(), &PreferencesRepository::changed);
    state.setCurrentAccountId("acc-9");
    QCOMPARE(state.preferencesRepository()->value("lastViewedAccountId", ""),
             QStringLiteral("acc-9"));
    state.setCurrentAccountId("acc-9");
    QCOMPARE(written.count(), 1);
}

void tst_AppState::storedPreferencesAtStart_data() {
    QTest::addColumn<QString>("weekStart");
    QTest::addColumn<bool>("taken");
    QTest::addRow("sunday") << "7" << true;
    QTest::addRow("monday") << "1" << true;
    QTest::addRow("zero") << "0" << false;
    QTest::addRow("eight") << "8" << false;
    QTest::addRow("not a number") << "sun" << false;
}

void tst_AppState::storedPreferencesAtStart() {
    QFETCH(QString, weekStart);
    QFETCH(bool, taken);
    QTemporaryDir dir;
    qputenv("QUILLON_DATA_DIR", dir.path().toUtf8());
    {
        AppState first;
        QVERIFY(first.initialize());
        first.preferencesRepository()->setValue("weekStartDay", weekStart);
        first.preferencesRepository()->setValue("lastViewedAccountId", "deleted-account");
    }
    // A day no stored value can name, to see whether start-up replaced it.
    AppState::setWeekStartDay(Qt::Wednesday);
    AppState state;
    QSignalSpy changed(&state, &AppState::currentAccountChanged);
    QVERIFY(state.initialize());
    QCOMPARE(state.currentAccountId(), QStringLiteral("deleted-account"));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(AppState::weekStartDay(),
             taken ? static_cast<Qt::DayOfWeek>(weekStart.toInt()) : Qt::Wednesday);
}

QTEST_GUILESS_MAIN(tst_AppState)
#include "tst_appstate.moc"
