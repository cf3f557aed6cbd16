// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"
#include "services/backupservice.h"
#include "services/importservice.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"
#include "tests/support/testrecords.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

Q_DECLARE_METATYPE(std::function<void(AppState &, const QString &)>)

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
    void bulkWritesMakeOneNotice_data();
    void bulkWritesMakeOneNotice();
    void otherProgramsWritesAnnounced();
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
    QVERIFY2(q.exec("SELECT count(*) FROM schema_version"), qPrintable(q.lastError().text()));
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toInt(), int(Database::migrations().size()));

    // A new database starts with the default categories.
    QCOMPARE(state.categoryRepository()->count(), 56);
    QCOMPARE(state.recurringService()->parent(), &state);
}

// A commit by another program to the same file (here: another connection) reaches the screens
// as one notice of everything; the program's own writes never do it twice.
void tst_AppState::otherProgramsWritesAnnounced() {
    QTemporaryDir dir;
    qputenv("QUILLON_DATA_DIR", dir.path().toUtf8());
    AppState state;
    QVERIFY(state.initialize());
    QVERIFY(state.accountRepository()->insert(TestRecords::account("a", "Checking")));
    QSignalSpy changes(&state, &AppState::dataChanged);
    QTRY_COMPARE(changes.count(), 1); // the insert's own notice
    state.watchOtherWriters(20);

    // The program's own write: its notice only.
    QVERIFY(state.transactionRepository()->insert(
        TestRecords::transaction("mine", "a", QDate(2026, 1, 1), -100)));
    QTRY_COMPARE(changes.count(), 2);
    QTest::qWait(100);
    QCOMPARE(changes.count(), 2);

    Database other(QStringLiteral("other-program"));
    QVERIFY(other.open(dir.filePath("quillon.db")));
    QSqlQuery write(other.connection());
    QVERIFY2(write.exec("UPDATE transactions SET payee = 'Theirs' WHERE id = 'mine'"),
             qPrintable(write.lastError().text()));
    QTRY_COMPARE(changes.count(), 3);
    const DataChange change = changes.last().first().value<DataChange>();
    QVERIFY(change.touchesAccount("a"));
    QVERIFY(change.touches(DataChange::Accounts | DataChange::Categories));
    QTest::qWait(100);
    QCOMPARE(changes.count(), 3);
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
using BulkWrite = std::function<void(AppState &, const QString &)>;

void tst_AppState::bulkWritesMakeOneNotice_data() {
    QTest::addColumn<BulkWrite>("write");
    QTest::addColumn<int>("tables");
    QTest::addColumn<bool>("namesAccount");

    // The account "acc" exists; dir is a scratch directory.
    const auto importCsv = [](AppState &state, const QString &dir, int rows, int imported) {
        QFile file(dir + "/bank.csv");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Date,Payee,Amount\n");
        for (int i = 0; i < rows; ++i)
            file.write(QStringLiteral("01/%1/2026,Payee %2,-%3.00\n")
                           .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                           .arg(i)
                           .arg(1 + i % 90)
                           .toUtf8());
        file.close();
        const ImportResult result = state.importService()->importCsv(file.fileName(), "acc", {});
        QCOMPARE(result.imported, imported);
    };
    QTest::addRow("import of 10000 rows") << BulkWrite(
        [importCsv](AppState &state, const QString &dir) { importCsv(state, dir, 10000, 10000); })
                                          << int(DataChange::Transactions) << true;
    QTest::addRow("import whose every row is refused")
        << BulkWrite([importCsv](AppState &state, const QString &dir) {
               QSqlQuery q(state.database()->connection());
               QVERIFY2(q.exec("CREATE TRIGGER refuse BEFORE INSERT ON transactions BEGIN "
                               "SELECT RAISE(ABORT, 'refused'); END"),
                        qPrintable(q.lastError().text()));
               for (int i = 0; i < 2; ++i)
                   QTest::ignoreMessage(QtWarningMsg,
                                        QRegularExpression("^ImportService: row refused:"));
               importCsv(state, dir, 2, 0);
           })
        << 0 << false;
    QTest::addRow("cascade delete of an account")
        << BulkWrite([](AppState &state, const QString &) {
               QVERIFY(state.ledger()->deleteAccount("acc"));
           })
        << int(DataChange::Accounts | DataChange::Transactions) << true;
    QTest::addRow("restore of a backup over the same rows")
        << BulkWrite([](AppState &state, const QString &) {
               const QByteArray archive = state.backupService()->exportBackup();
               QVERIFY(!archive.isEmpty());
               const BackupImportResult result
                   = state.backupService()->importBackup(archive, BackupImportMode::Overwrite);
               QVERIFY(result.errors.isEmpty());
           })
        << int(DataChange::Accounts | DataChange::Transactions | DataChange::Categories) << false;
    QTest::addRow("sample data loaded and cleared in one pass")
        << BulkWrite([](AppState &state, const QString &) {
               SampleDataService samples(state.database());
               QVERIFY(samples.loadSampleData());
               QVERIFY(samples.clearSampleData());
           })
        << int(DataChange::Accounts | DataChange::Transactions | DataChange::Recurring
               | DataChange::Reconciliations | DataChange::SplitLines | DataChange::Budgets)
        << false;
}

// However many rows a write touches, the screens get one notice per pass of the event loop,
// after the commit; a write that stored nothing makes none.
void tst_AppState::bulkWritesMakeOneNotice() {
    QFETCH(BulkWrite, write);
    QFETCH(int, tables);
    QFETCH(bool, namesAccount);

    QTemporaryDir dir;
    qputenv("QUILLON_DATA_DIR", dir.path().toUtf8());
    AppState state;
    QVERIFY(state.initialize());
    Account account;
    account.id = "acc";
    account.name = "Checking";
    QVERIFY(state.ledger()->createAccount(account, 5000, QDate(2026, 1, 1)));
    QTest::qWait(0);
    QCoreApplication::processEvents();

    QSignalSpy notices(&state, &AppState::dataChanged);
    QVERIFY(notices.isValid());
    write(state, dir.path());
    QCOMPARE(notices.count(), 0);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(notices.count(), tables ? 1 : 0);
    if (!tables)
        return;
    const DataChange change = notices.first().first().value<DataChange>();
    QCOMPARE(int(change.tables), tables);
    if (namesAccount)
        QVERIFY(change.touchesAccount("acc"));
    QVERIFY(!change.touchesAccount("other") || change.anyAccount);
}

#include "tst_appstate.moc"
