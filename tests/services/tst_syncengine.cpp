// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/syncpageapplier.h"
#include "storage/budgetrepository.h"
#include "storage/transactionscope.h"
#include "tests/services/syncdevice.h"
#include "tests/support/testrecords.h"
#include "tests/support/testsyncserver.h"

#include <QJsonArray>
#include <QList>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QTest>

#include <functional>

using namespace TestRecords;

namespace {

QJsonObject pulledTransaction(const QString &serverId, const QString &clientId, int version,
                              const QString &payee = QStringLiteral("Server"),
                              const QString &date = QStringLiteral("2026-01-05")) {
    return QJsonObject{{"id", serverId},
                       {"client_id", clientId},
                       {"account_id", "acc-1"},
                       {"date", date},
                       {"payee", payee},
                       {"amount", -100},
                       {"version", version},
                       {"created_at", "2026-01-05T09:00:00Z"},
                       {"updated_at", "2026-01-05T09:00:00Z"}};
}

QJsonObject page(const QJsonObject &arrays, const QString &serverTime, bool hasMore = false) {
    QJsonObject result = arrays;
    result.insert("server_time", serverTime);
    result.insert("has_more", hasMore);
    return result;
}

QJsonArray pushedChanges(const TestHttpServer::Request &request) {
    return request.json().value("changes").toArray();
}

// Inserts rows in one transaction: a thousand single commits would dominate the test.
template<typename Insert> void inTransaction(SyncDevice &device, Insert insert) {
    TransactionScope scope(device.db.database());
    QVERIFY(scope.isOpen());
    insert();
    QVERIFY(scope.commit());
}

} // namespace

class tst_SyncEngine : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void stateTexts_data();
    void stateTexts();
    void firstSyncPullsWithoutCursor();
    void pushesInBatches();
    void pullStopsAfterFiftyPages();
    void pullFailureKeepsReceivedPages();
    void pullMerge_data();
    void pullMerge();
    void pageOfManyRecords_data();
    void pageOfManyRecords();
    void brokenDatesAreSkipped();
    void amountsOutOfRangeAreSkipped();
    void recordsWaitForWhatTheyReferTo();
    void budgetsWaitForAServerThatKnowsThem();
    void editKeepsTheCategoryItWaitsFor();
    void integrityMismatchOnlyWarns();
    void pushFailureLeavesRowsPending();
    void rejectedRecordStaysPending();
    void editDuringPushStaysPending();
    void syncNowDuringSyncRunsOneFollowUp();
    void authenticationFailure();
    void signedOutSendsNothing();
    void timers();

private:
    std::unique_ptr<TestSyncServer> m_server;
};

void tst_SyncEngine::init() {
    m_server = std::make_unique<TestSyncServer>();
    QVERIFY(m_server->listen());
}

void tst_SyncEngine::stateTexts_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("text");
    QTest::addRow("idle") << 0 << "Synced";
    QTest::addRow("syncing") << 1 << "Syncing...";
    QTest::addRow("error") << 2 << "Sync error";
    QTest::addRow("offline") << 3 << "Offline";
    QTest::addRow("other") << 7 << "Unknown";
}

void tst_SyncEngine::stateTexts() {
    QFETCH(int, state);
    QFETCH(QString, text);
    QCOMPARE(SyncEngine::stateText(static_cast<SyncEngine::SyncState>(state)), text);
}

void tst_SyncEngine::firstSyncPullsWithoutCursor() {
    SyncDevice device("device", m_server->url());
    QSignalSpy states(&device.engine, &SyncEngine::stateChanged);
    QSignalSpy data(&device.engine, &SyncEngine::dataChanged);
    QVERIFY(device.sync());

    QCOMPARE(m_server->requests().size(), 1);
    const TestHttpServer::Request request = m_server->requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path, QStringLiteral("/quillon/v1/sync/pull"));
    QCOMPARE(request.query.queryItems(),
             (QList<QPair<QString, QString>>{{QStringLiteral("limit"), QStringLiteral("200")}}));
    QCOMPARE(states.size(), 2);
    QCOMPARE(states.at(0).at(0).value<SyncEngine::SyncState>(), SyncEngine::Syncing);
    QCOMPARE(states.at(1).at(0).value<SyncEngine::SyncState>(), SyncEngine::Idle);
    QCOMPARE(data.size(), 1);
    QVERIFY(!device.cursor().isEmpty());

    // The next sync goes on from the stored cursor.
    QVERIFY(device.sync());
    QCOMPARE(m_server->requests().last().query.queryItemValue("since"), device.cursor());
}

void tst_SyncEngine::pushesInBatches() {
    SyncDevice device("device", m_server->url());
    inTransaction(device, [&] {
        QVERIFY(device.accounts.insert(account("acc-1")));
        for (int i = 0; i < 1233; ++i)
            QVERIFY(device.transactions.insert(
                transaction(QStringLiteral("tx-%1").arg(i), "acc-1", QDate(2026, 1, 1), -i)));
    });
    QVERIFY(device.sync());

    QList<int> sizes;
    for (const auto &request : m_server->requests("/sync/push"))
        sizes << pushedChanges(request).size();
    QCOMPARE(sizes, (QList<int>{500, 500, 234}));
    // Accounts go first, and the pull follows the last batch.
    QCOMPARE(pushedChanges(m_server->requests().first()).first()["entity_type"].toString(),
             QStringLiteral("account"));
    QCOMPARE(m_server->requests("/sync/push").size(), 3);
    QVERIFY(m_server->requests().at(3).path.endsWith("/sync/pull"));

    QCOMPARE(device
                 .scalar("SELECT count(*) FROM transactions WHERE sync_status = 'synced' AND "
                         "server_id IS NOT NULL")
                 .toInt(),
             1233);
    const auto stored = m_server->recordByClientId("transaction", "tx-7");
    QVERIFY(stored);
    QCOMPARE(device.transactions.findById("tx-7")->serverId, stored->serverId);

    // Once known, the server id travels with every later push.
    Account renamed = *device.accounts.findById("acc-1");
    renamed.name = "Renamed";
    renamed.syncStatus = SyncStatus::Pending;
    QVERIFY(device.accounts.update(renamed));
    m_server->http()->clearRequests();
    QVERIFY(device.sync());
    const QJsonArray changes = pushedChanges(m_server->requests("/sync/push").first());
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.first()["payload"]["server_id"].toString(),
             m_server->recordByClientId("account", "acc-1")->serverId);
}

void tst_SyncEngine::pullStopsAfterFiftyPages() {
    SyncDevice device("device", m_server->url());
    for (int i = 1; i <= 51; ++i)
        m_server->queuePullPage(page({}, QStringLiteral("page-%1").arg(i), i < 51));
    QVERIFY(device.sync());
    const auto pulls = m_server->requests("/sync/pull");
    QCOMPARE(pulls.size(), 50);
    QCOMPARE(pulls.at(49).query.queryItemValue("since"), QStringLiteral("page-49"));
    QCOMPARE(device.cursor(), QStringLiteral("page-50"));

    QVERIFY(device.sync());
    QCOMPARE(m_server->requests("/sync/pull").at(50).query.queryItemValue("since"),
             QStringLiteral("page-50"));
}

// Pages are stored in groups, but a failure in the middle of a pull ends like one that stored
// each page as it came: everything received is kept, with the cursor of its last page.
void tst_SyncEngine::pullFailureKeepsReceivedPages() {
    SyncDevice device("device", m_server->url());
    Account acc = account("acc-1");
    acc.syncStatus = SyncStatus::Synced;
    QVERIFY(device.accounts.insert(acc));
    m_server->queuePullPage(page(
        {{"transactions", QJsonArray{pulledTransaction("srv-t1", "tx-1", 1)}}}, "page-1", true));
    m_server->queuePullPage(page(
        {{"transactions", QJsonArray{pulledTransaction("srv-t2", "tx-2", 1)}}}, "page-2", true));
    m_server->setPullFailure(503, 2);
    QVERIFY(!device.sync());
    QCOMPARE(device.engine.lastError(), QStringLiteral("Pull failed (HTTP 503)"));
    QCOMPARE(device.cursor(), QStringLiteral("page-2"));
    QVERIFY(device.transactions.findById("tx-1"));
    QVERIFY(device.transactions.findById("tx-2"));

    m_server->setPullFailure(0);
    m_server->queuePullPage(page({}, "page-3"));
    QVERIFY(device.sync());
    QCOMPARE(m_server->requests("/sync/pull").last().query.queryItemValue("since"),
             QStringLiteral("page-2"));
}

namespace {

// One synced kind as the merge table sees it: where its rows live, a local row to merge into
// and a pulled record to merge, told apart by one column ("Local" or "Server" below).
struct MergeKind {
    QString table;
    QString pullKey;
    QString column;      // the column that tells the local row from the server's
    QString localValue;  // its value in the local row
    QString serverValue; // its value in the pulled record
    bool echoesDeletion; // a pulled deletion is pushed back (the row turns pending)
    bool belongsToAccount;
    std::function<bool(SyncDevice &, int version, SyncStatus status)> insertLocal;
    QJsonObject pulled; // the kind's own members of the pulled record
};

template<typename Record, typename Repository>
bool insertLocal(Repository &repository, Record record, int version, SyncStatus status) {
    record.version = version;
    record.serverId = "srv-1";
    record.syncStatus = status;
    return repository.insert(record);
}

const QList<MergeKind> &mergeKinds() {
    static const QList<MergeKind> kinds = {
        {"accounts",
         "accounts",
         "name",
         "Local",
         "Server",
         true,
         false,
         [](SyncDevice &d, int version, SyncStatus status) {
             return insertLocal(d.accounts, account("x-1", "Local"), version, status);
         },
         {{"name", "Server"}}},
        {"categories",
         "categories",
         "name",
         "Local",
         "Server",
         true,
         false,
         [](SyncDevice &d, int version, SyncStatus status) {
             return insertLocal(d.categories, category("x-1", "Local"), version, status);
         },
         {{"name", "Server"}}},
        {"recurring_transactions",
         "recurring_transactions",
         "payee",
         "Local",
         "Server",
         true,
         true,
         [](SyncDevice &d, int version, SyncStatus status) {
             RecurringTransaction local = rule("x-1", "acc-1", QDate(2026, 2, 1));
             local.payee = "Local";
             return insertLocal(d.recurring, local, version, status);
         },
         {{"account_id", "acc-1"},
          {"payee", "Server"},
          {"start_date", "2026-01-01"},
          {"next_due_date", "2026-02-01"},
          {"frequency", "monthly"}}},
        {"transactions",
         "transactions",
         "payee",
         "Local",
         "Server",
         true,
         true,
         [](SyncDevice &d, int version, SyncStatus status) {
             return insertLocal(d.transactions,
                                transaction("x-1", "acc-1", QDate(2026, 1, 1), -5, "Local"),
                                version, status);
         },
         {{"account_id", "acc-1"}, {"date", "2026-01-05"}, {"payee", "Server"}, {"amount", -100}}},
        {"reconciliations",
         "reconciliations",
         "statement_balance",
         "1000",
         "2000",
         false,
         true,
         [](SyncDevice &d, int version, SyncStatus status) {
             return insertLocal(d.reconciliations,
                                reconciliation("x-1", "acc-1", QDate(2026, 1, 31)), version,
                                status);
         },
         {{"account_id", "acc-1"},
          {"statement_date", "2026-01-31"},
          {"statement_balance", 2000},
          {"completed_at", "2026-02-01T08:00:00Z"}}},
    };
    return kinds;
}

} // namespace

void tst_SyncEngine::pullMerge_data() {
    QTest::addColumn<int>("kind");         // index into mergeKinds()
    QTest::addColumn<int>("localVersion"); // 0: no local row; -1: version 1, pending
    QTest::addColumn<bool>("localDeleted");
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("deleted");
    QTest::addColumn<bool>("elsewhere"); // the record's account is not on this device yet
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("value"); // "Local" or "Server"
    QTest::addColumn<bool>("deletedAfter");
    QTest::addColumn<QString>("status"); // "echoed": pending where deletions are pushed back
    QTest::addColumn<QString>("id");     // empty: a new random id

    struct Case {
        const char *name;
        int localVersion;
        bool localDeleted;
        const char *clientId;
        int version;
        bool deleted;
        bool elsewhere;
        int rows;
        const char *value;
        bool deletedAfter;
        const char *status;
        const char *id;
    };
    const Case cases[] = {
        {"lower version keeps the local row", 4, false, "x-1", 3, false, false, 1, "Local", false,
         "synced", "x-1"},
        {"equal version overwrites", 4, false, "x-1", 4, false, false, 1, "Server", false, "synced",
         "x-1"},
        {"higher version overwrites", 4, false, "x-1", 5, false, false, 1, "Server", false,
         "synced", "x-1"},
        {"unknown client id, matched by server id", 1, false, "made-elsewhere", 1, false, false, 1,
         "Server", false, "synced", "x-1"},
        {"no client id, matched by server id", 1, false, "", 1, false, false, 1, "Server", false,
         "synced", "x-1"},
        {"deleted, known: stored and echoed", 1, false, "x-1", 2, true, false, 1, "Server", true,
         "echoed", "x-1"},
        {"deleted, already deleted here", 1, true, "x-1", 2, true, false, 1, "Server", true,
         "synced", "x-1"},
        {"deleted, unknown: ignored", 0, false, "x-1", 1, true, false, 0, "", false, "", ""},
        {"new", 0, false, "x-1", 1, false, false, 1, "Server", false, "synced", "x-1"},
        {"new without client id", 0, false, "", 1, false, false, 1, "Server", false, "synced", ""},
        {"pending local change of the same version is kept", -1, false, "x-1", 1, false, false, 1,
         "Local", false, "pending", "x-1"},
        {"pending local change, newer version overwrites", -1, false, "x-1", 2, false, false, 1,
         "Server", false, "synced", "x-1"},
        {"restored on another device", 1, true, "x-1", 2, false, false, 1, "Server", false,
         "synced", "x-1"},
        {"new, its account not here yet: held", 0, false, "x-1", 1, false, true, 0, "", false, "",
         ""},
        {"moved to an account not here yet: held", 1, false, "x-1", 2, false, true, 1, "Local",
         false, "synced", "x-1"},
    };
    for (int kind = 0; kind < mergeKinds().size(); ++kind) {
        const MergeKind &k = mergeKinds().at(kind);
        for (const Case &c : cases) {
            if (c.elsewhere && !k.belongsToAccount)
                continue;
            QString status = QString::fromLatin1(c.status);
            if (status == "echoed")
                status = k.echoesDeletion ? "pending" : "synced";
            QTest::addRow("%s: %s", qPrintable(k.table), c.name)
                << kind << c.localVersion << c.localDeleted << c.clientId << c.version << c.deleted
                << c.elsewhere << c.rows << c.value << c.deletedAfter << status << c.id;
        }
    }
}

void tst_SyncEngine::pullMerge() {
    QFETCH(int, kind);
    QFETCH(int, localVersion);
    QFETCH(bool, localDeleted);
    QFETCH(QString, clientId);
    QFETCH(int, version);
    QFETCH(bool, deleted);
    QFETCH(bool, elsewhere);
    QFETCH(int, rows);
    QFETCH(QString, value);
    QFETCH(bool, deletedAfter);
    QFETCH(QString, status);
    QFETCH(QString, id);
    const MergeKind &k = mergeKinds().at(kind);

    SyncDevice device("device", m_server->url());
    if (k.belongsToAccount) {
        Account acc = account("acc-1");
        acc.syncStatus = SyncStatus::Synced;
        QVERIFY(device.accounts.insert(acc));
    }
    if (localVersion != 0) {
        QVERIFY(k.insertLocal(device, qAbs(localVersion),
                              localVersion > 0 ? SyncStatus::Synced : SyncStatus::Pending));
        if (localDeleted)
            device.scalar(
                QString("UPDATE %1 SET deleted_at = '2026-01-02T10:00:00Z'").arg(k.table));
    }
    QJsonObject incoming = k.pulled;
    incoming.insert("id", "srv-1");
    incoming.insert("client_id", clientId);
    incoming.insert("version", version);
    incoming.insert("created_at", "2026-01-05T09:00:00Z");
    incoming.insert("updated_at", "2026-01-05T09:00:00Z");
    if (deleted)
        incoming.insert("deleted_at", "2026-01-06T00:00:00Z");
    if (elsewhere)
        incoming.insert("account_id", "acc-late");
    SyncPageApplier applier(&device.accounts, &device.transactions, &device.categories,
                            &device.recurring, &device.reconciliations);
    QVERIFY(applier.apply(page({{k.pullKey, QJsonArray{incoming}}}, "cursor-1")));

    const auto stored = [&](const QString &column) {
        return device.scalar(
            QString("SELECT %1 FROM %2 WHERE server_id = 'srv-1'").arg(column, k.table));
    };
    QCOMPARE(stored("count(*)").toInt(), rows);
    QCOMPARE(applier.heldCount(), elsewhere ? 1 : 0);
    if (rows == 0)
        return;
    QCOMPARE(stored(k.column).toString(), value == "Local" ? k.localValue : k.serverValue);
    QCOMPARE(stored("deleted_at IS NOT NULL").toBool(), deletedAfter);
    QCOMPARE(stored("sync_status").toString(), status);
    const QString storedId = stored("id").toString();
    if (id.isEmpty())
        QCOMPARE(storedId.size(), 36);
    else
        QCOMPARE(storedId, id);
}

// A page of many transactions is read and written together; each record must still end as if
// it had been merged on its own.
void tst_SyncEngine::pageOfManyRecords_data() {
    QTest::addColumn<QStringList>("local");  // id:server id:version, synced
    QTest::addColumn<QStringList>("pulled"); // server id:client id:version:payee, in order
    QTest::addColumn<QStringList>("stored"); // id:server id:payee, sorted

    QTest::newRow("new rows") << QStringList{}
                              << QStringList{"s1:c1:1:One", "s2:c2:1:Two", "s3:c3:1:Three"}
                              << QStringList{"c1:s1:One", "c2:s2:Two", "c3:s3:Three"};
    QTest::newRow("a refused row keeps out only itself")
        << QStringList{} << QStringList{"s1:c1:1:One", "s2:c2:1:Refused", "s3:c3:1:Three"}
        << QStringList{"c1:s1:One", "c3:s3:Three"};
    QTest::newRow("the same client id twice: the later record updates the row")
        << QStringList{} << QStringList{"s1:c1:1:First", "s2:c1:2:Second", "s3:c3:1:Three"}
        << QStringList{"c1:s2:Second", "c3:s3:Three"};
    QTest::newRow("new rows among known ones")
        << QStringList{"c2:s2:1", "c4:s4:5"}
        << QStringList{"s1:c1:1:One", "s2:c2:2:Two", "s3:c3:1:Three", "s4:c4:4:Old"}
        << QStringList{"c1:s1:One", "c2:s2:Two", "c3:s3:Three", "c4:s4:Local"};
    QTest::newRow("known by server id under another client id")
        << QStringList{"x9:s2:1"} << QStringList{"s1:c1:1:One", "s2:elsewhere:2:Two"}
        << QStringList{"c1:s1:One", "x9:s2:Two"};
}

void tst_SyncEngine::pageOfManyRecords() {
    QFETCH(QStringList, local);
    QFETCH(QStringList, pulled);
    QFETCH(QStringList, stored);

    SyncDevice device("device", m_server->url());
    QVERIFY(device.accounts.insert(account("acc-1")));
    device.scalar("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN new.payee = "
                  "'Refused' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    for (const QString &row : local) {
        const QStringList f = row.split(':');
        Transaction t = transaction(f[0], "acc-1", QDate(2026, 1, 5), -100, "Local");
        t.serverId = f[1];
        t.version = f[2].toInt();
        t.syncStatus = SyncStatus::Synced;
        QVERIFY(device.transactions.insert(t));
    }
    QJsonArray records;
    for (const QString &record : pulled) {
        const QStringList f = record.split(':');
        records.append(pulledTransaction(f[0], f[1], f[2].toInt(), f[3]));
    }
    if (pulled.join(',').contains("Refused")) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("insertMany failed:.*refused"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("TransactionRepository::insert failed:.*refused"));
    }
    SyncPageApplier applier(&device.accounts, &device.transactions, &device.categories,
                            &device.recurring, &device.reconciliations);
    QVERIFY(applier.apply(page({{"transactions", records}}, "cursor-1")));

    QStringList rows;
    for (const QString &id : device
                                 .scalar("SELECT group_concat(id || ':' || server_id || ':' || "
                                         "payee, ',') FROM (SELECT * FROM transactions ORDER "
                                         "BY id)")
                                 .toString()
                                 .split(','))
        rows.append(id);
    QCOMPARE(rows, stored);
}

void tst_SyncEngine::brokenDatesAreSkipped() {
    SyncDevice device("device", m_server->url());
    QVERIFY(device.accounts.insert(account("acc-1")));
    QJsonObject rule{
        {"id", "srv-r"},  {"client_id", "rule-1"},      {"account_id", "acc-1"},
        {"payee", "Gym"}, {"start_date", "2026-01-01"}, {"next_due_date", "0000-00-00"}};
    QJsonObject recon{{"id", "srv-c"},
                      {"client_id", "recon-1"},
                      {"account_id", "acc-1"},
                      {"statement_date", "1970-01-01"}};
    m_server->queuePullPage(page(
        {{"transactions", QJsonArray{pulledTransaction("srv-1", "tx-old", 1, "Old", "1999-12-31"),
                                     pulledTransaction("srv-2", "tx-new", 1, "New", "2000-01-01")}},
         {"recurring_transactions", QJsonArray{rule}},
         {"reconciliations", QJsonArray{recon}}},
        "cursor-1"));
    QTest::ignoreMessage(QtWarningMsg, "applyTransactionChange: skipping server record with "
                                       "broken date: tx-old Old 1999-12-31");
    QTest::ignoreMessage(QtWarningMsg, "applyRecurring: skipping server record with broken "
                                       "nextDueDate: rule-1 Gym 0000-00-00");
    QTest::ignoreMessage(QtWarningMsg, "applyReconciliation: skipping server record with broken "
                                       "statementDate: recon-1 1970-01-01");
    QVERIFY(device.sync());
    QVERIFY(!device.transactions.findById("tx-old"));
    QVERIFY(device.transactions.findById("tx-new"));
    QVERIFY(!device.recurring.findById("rule-1"));
    QVERIFY(!device.reconciliations.findById("recon-1"));
}

// The limit is on the major amount: a trillion dollars is 10^14 cents, a trillion yen 10^12.
void tst_SyncEngine::amountsOutOfRangeAreSkipped() {
    SyncDevice device("device", m_server->url());
    QVERIFY(device.accounts.insert(account("acc-1")));
    Account yen = account("acc-y", "Yen");
    yen.currency = Currency::JPY;
    QVERIFY(device.accounts.insert(yen));
    const auto tx = [](const QString &id, const QString &accountId, const QJsonValue &amount) {
        QJsonObject object = pulledTransaction("srv-" + id, id, 1);
        object.insert("account_id", accountId);
        object.insert("amount", amount);
        return object;
    };
    QJsonObject bigAccount{{"id", "srv-a"},
                           {"client_id", "acc-big"},
                           {"name", "Big"},
                           {"currency", "EUR"},
                           {"starting_balance", -100000000000001.0}};
    QJsonObject recon{{"id", "srv-c"},
                      {"client_id", "recon-1"},
                      {"account_id", "acc-1"},
                      {"statement_date", "2026-01-31"},
                      {"reconciled_balance", 1e300}};
    m_server->queuePullPage(page(
        {{"accounts", QJsonArray{bigAccount}},
         {"transactions",
          QJsonArray{tx("usd-limit", "acc-1", 100000000000000.0),
                     tx("usd-over", "acc-1", 100000000000001.0), tx("usd-huge", "acc-1", 1e300),
                     tx("usd-int64", "acc-1", QJsonValue(qint64(9223372036854775807LL))),
                     tx("yen-limit", "acc-y", -1000000000000.0),
                     tx("yen-over", "acc-y", 1000000000001.0)}},
         {"reconciliations", QJsonArray{recon}}},
        "cursor-1"));
    for (int i = 0; i < 6; ++i)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression("^SyncPageApplier: skipping server record with an "
                                                "amount out of range"));
    QVERIFY(device.sync());
    QCOMPARE(device.transactions.findById("usd-limit")->amount, qint64(100000000000000));
    QCOMPARE(device.transactions.findById("yen-limit")->amount, qint64(-1000000000000));
    for (const char *id : {"usd-over", "usd-huge", "usd-int64", "yen-over"})
        QVERIFY2(!device.transactions.findById(id), id);
    QVERIFY(!device.accounts.findById("acc-big"));
    QVERIFY(!device.reconciliations.findById("recon-1"));
    QCOMPARE(device.engine.lastRunSummary().skipped, 6);
}

// Another member's records may refer to accounts and categories that come later: on a later
// page, or later in the same page. None of them may be lost while the cursor moves on.
void tst_SyncEngine::recordsWaitForWhatTheyReferTo() {
    SyncDevice device("device", m_server->url());
    const auto row = [](QJsonObject object, const QString &serverId, const QString &clientId) {
        object.insert("id", serverId);
        object.insert("client_id", clientId);
        object.insert("version", 1);
        object.insert("created_at", "2026-01-05T09:00:00Z");
        object.insert("updated_at", "2026-01-05T09:00:00Z");
        return object;
    };
    QJsonObject categorized = pulledTransaction("srv-t1", "tx-1", 1);
    categorized.insert("category_id", "cat-late");
    QJsonObject elsewhere = pulledTransaction("srv-t2", "tx-2", 1);
    elsewhere.insert("account_id", "acc-2");
    m_server->queuePullPage(page(
        {{"accounts", QJsonArray{row({{"name", "One"}}, "srv-a1", "acc-1")}},
         {"categories",
          QJsonArray{row({{"name", "Child"}, {"parent_id", "cat-parent"}}, "srv-c1", "cat-child"),
                     row({{"name", "Parent"}}, "srv-c2", "cat-parent"),
                     row({{"name", "Orphan"}, {"parent_id", "cat-gone"}}, "srv-c3", "cat-orphan")}},
         {"transactions", QJsonArray{categorized, elsewhere}},
         {"reconciliations", QJsonArray{row({{"account_id", "acc-2"},
                                             {"statement_date", "2026-01-31"},
                                             {"completed_at", "2026-02-01T08:00:00Z"}},
                                            "srv-r1", "recon-1")}}},
        "cursor-1", true));
    m_server->queuePullPage(
        page({{"accounts", QJsonArray{row({{"name", "Two"}}, "srv-a2", "acc-2")}},
              {"categories", QJsonArray{row({{"name", "Late"}}, "srv-c4", "cat-late")}}},
             "cursor-2"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^applyCategory: parent category "
                                                          "cat-gone of cat-orphan"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^applyTransactionChange: category "
                                                          "cat-late of tx-1"));
    QVERIFY(device.sync());

    QCOMPARE(device.categories.findById("cat-child")->parentId, QStringLiteral("cat-parent"));
    QCOMPARE(device.categories.findById("cat-orphan")->parentId, QString());
    QCOMPARE(device.transactions.findById("tx-1")->categoryId, QStringLiteral("cat-late"));
    QCOMPARE(device.transactions.findById("tx-2")->accountId, QStringLiteral("acc-2"));
    QVERIFY(device.reconciliations.findById("recon-1"));
    QCOMPARE(device.cursor(), QStringLiteral("cursor-2"));
    // Only the orphan still waits for its parent.
    QCOMPARE(device.scalar("SELECT group_concat(record_key) FROM sync_held_records").toString(),
             QStringLiteral("srv-c3"));
    QCOMPARE(
        device.scalar("SELECT count(*) FROM transactions WHERE sync_status != 'synced'").toInt(),
        0);
}

// A pulled transaction is stored without the category that has not arrived yet. An edit made
// meanwhile must not push the row without it, or every device loses the categorisation.
// The test server is one that predates budgets: it sends no "budgets" array and refuses the
// kind, as an older server would (which refuses the whole push).
void tst_SyncEngine::budgetsWaitForAServerThatKnowsThem() {
    SyncDevice device("device", m_server->url());
    BudgetRepository budgets(device.db.database());
    QVERIFY(device.categories.insert(category("cat-1", "Food")));
    Budget mine;
    mine.id = "b-1";
    mine.categoryId = "cat-1";
    mine.month = "2026-01";
    mine.amount = 5000;
    mine.createdAt = mine.updatedAt = stamp();
    QVERIFY(budgets.insert(mine));
    const auto pushedTypes = [&] {
        QStringList types;
        for (const TestHttpServer::Request &push : m_server->requests("/sync/push"))
            for (const QJsonValue &change : pushedChanges(push))
                types << change["entity_type"].toString();
        return types;
    };

    QVERIFY(device.sync());
    QCOMPARE(pushedTypes(), QStringList{"category"});
    QCOMPARE(budgets.findById("b-1")->syncStatus, SyncStatus::Pending);

    // A page with the array: the budget goes out in the same sync. The pulled one waits for
    // its category.
    const QJsonObject theirs{{"id", "srv-b2"},
                             {"client_id", "b-2"},
                             {"category_id", "cat-2"},
                             {"month", "2026-02"},
                             {"amount", 7000},
                             {"rollover", true},
                             {"version", 1},
                             {"created_at", "2026-01-05T09:00:00Z"},
                             {"updated_at", "2026-01-05T09:00:00Z"}};
    m_server->queuePullPage(page({{"budgets", QJsonArray{theirs}}}, "page-1"));
    m_server->queuePullPage(page({}, "page-2")); // the pull after that push
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push result not ok .* budget b-1 .*"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push batch: 0 ok, 1 errors.*"));
    QVERIFY(device.sync());
    QCOMPARE(pushedTypes(), (QStringList{"category", "budget"}));
    QVERIFY(!budgets.findById("b-2"));

    const QJsonObject travel{{"id", "srv-c2"},
                             {"client_id", "cat-2"},
                             {"name", "Travel"},
                             {"version", 1},
                             {"created_at", "2026-01-05T09:00:00Z"},
                             {"updated_at", "2026-01-05T09:00:00Z"}};
    m_server->queuePullPage(page({{"categories", QJsonArray{travel}}}, "page-3"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push result not ok .* budget b-1 .*"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Push batch: 0 ok, 1 errors.*"));
    QVERIFY(device.sync());
    const std::optional<Budget> arrived = budgets.findById("b-2");
    QVERIFY(arrived);
    QCOMPARE(arrived->amount, qint64(7000));
    QVERIFY(arrived->rollover);
    QCOMPARE(arrived->syncStatus, SyncStatus::Synced);
}

void tst_SyncEngine::editKeepsTheCategoryItWaitsFor() {
    SyncDevice device("device", m_server->url());
    const auto stamped = [](QJsonObject payload) {
        payload.insert("created_at", "2026-01-05T09:00:00Z");
        payload.insert("updated_at", "2026-01-05T09:00:00Z");
        return payload;
    };
    m_server->seed("account", stamped({{"client_id", "acc-1"}, {"name", "Joint"}}));
    m_server->seed("transaction", stamped({{"client_id", "tx-1"},
                                           {"account_id", "acc-1"},
                                           {"date", "2026-01-05"},
                                           {"payee", "Grocer"},
                                           {"amount", -100},
                                           {"category_id", "cat-late"}}));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^applyTransactionChange: category cat-late of tx-1"));
    QVERIFY(device.sync());
    QVERIFY(device.transactions.findById("tx-1")->categoryId.isEmpty());

    Transaction edited = *device.transactions.findById("tx-1");
    edited.payee = "Grocer & Co";
    edited.version += 1;
    edited.syncStatus = SyncStatus::Pending;
    QVERIFY(device.transactions.update(edited));
    m_server->http()->clearRequests();
    // The echo of the pushed row still finds no category here and waits again.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^applyTransactionChange: category cat-late of tx-1"));
    QVERIFY(device.sync());
    const QList<TestHttpServer::Request> pushes = m_server->requests("/sync/push");
    QCOMPARE(pushes.size(), 1);
    const QJsonObject payload = pushedChanges(pushes.first()).first()["payload"].toObject();
    QCOMPARE(payload["payee"].toString(), QStringLiteral("Grocer & Co"));
    QCOMPARE(payload["category_id"].toString(), QStringLiteral("cat-late"));
    QCOMPARE(m_server->recordByClientId("transaction", "tx-1")->payload["category_id"].toString(),
             QStringLiteral("cat-late"));
    QCOMPARE(device.transactions.findById("tx-1")->syncStatus, SyncStatus::Synced);

    // Once the category arrives the row has it, with the edit.
    m_server->seed("category", stamped({{"client_id", "cat-late"}, {"name", "Late"}}));
    QVERIFY(device.sync());
    const Transaction stored = *device.transactions.findById("tx-1");
    QCOMPARE(stored.categoryId, QStringLiteral("cat-late"));
    QCOMPARE(stored.payee, QStringLiteral("Grocer & Co"));
    QCOMPARE(device.scalar("SELECT count(*) FROM sync_held_records").toInt(), 0);
}

void tst_SyncEngine::integrityMismatchOnlyWarns() {
    SyncDevice device("device", m_server->url());
    inTransaction(device, [&] {
        for (int i = 0; i < 55; ++i)
            QVERIFY(device.categories.insert(
                category(QStringLiteral("cat-%1").arg(i), QStringLiteral("C%1").arg(i))));
    });
    m_server->setReportedCategoryCount(56);
    QTest::ignoreMessage(QtWarningMsg,
                         "Category count mismatch: local= 55 server= 56 (informational only — "
                         "use Force Full Sync if data appears wrong)");
    QVERIFY(device.sync());
    QCOMPARE(device.categories.count(), 55);
    QCOMPARE(device.engine.state(), SyncEngine::Idle);
}

void tst_SyncEngine::pushFailureLeavesRowsPending() {
    SyncDevice device("device", m_server->url());
    inTransaction(device, [&] {
        QVERIFY(device.accounts.insert(account("acc-1")));
        for (int i = 0; i < 600; ++i)
            QVERIFY(device.transactions.insert(
                transaction(QStringLiteral("tx-%1").arg(i), "acc-1", QDate(2026, 1, 1), -i)));
    });
    m_server->setPushFailure(503, 1);
    QSignalSpy failed(&device.engine, &SyncEngine::syncFailed);
    QVERIFY(!device.sync());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Push failed (HTTP 503)"));
    QCOMPARE(device.engine.lastError(), QStringLiteral("Push failed (HTTP 503)"));
    QCOMPARE(device.engine.state(), SyncEngine::Error);
    QCOMPARE(
        device.scalar("SELECT count(*) FROM transactions WHERE sync_status = 'pending'").toInt()
            + device
                  .scalar("SELECT count(*) FROM accounts WHERE sync_status = "
                          "'pending'")
                  .toInt(),
        101);
    QVERIFY(m_server->requests("/sync/pull").isEmpty());
    QVERIFY(device.cursor().isEmpty());

    // The next sync sends what is left and goes on.
    m_server->setPushFailure(0);
    QVERIFY(device.sync());
    QCOMPARE(pushedChanges(m_server->requests("/sync/push").last()).size(), 101);
    QCOMPARE(device.engine.state(), SyncEngine::Idle);
}

void tst_SyncEngine::rejectedRecordStaysPending() {
    SyncDevice device("device", m_server->url());
    QVERIFY(device.accounts.insert(account("acc-1")));
    QVERIFY(device.transactions.insert(transaction("tx-good", "acc-1", QDate(2026, 1, 1), -1)));
    QVERIFY(device.transactions.insert(transaction("tx-bad", "acc-1", QDate(2026, 1, 1), -2)));
    m_server->rejectEntity("tx-bad", "amount out of range");
    QTest::ignoreMessage(QtWarningMsg, "Push result not ok — leaving record pending: transaction "
                                       "tx-bad status= error message= amount out of range");
    QTest::ignoreMessage(QtWarningMsg, "Push batch: 2 ok, 1 errors — failed records remain "
                                       "pending for next sync");
    QVERIFY(device.sync());
    QCOMPARE(device.transactions.findById("tx-bad")->syncStatus, SyncStatus::Pending);
    QCOMPARE(device.transactions.findById("tx-good")->syncStatus, SyncStatus::Synced);

    m_server->clearRejections();
    QVERIFY(device.sync());
    const QJsonArray retried = pushedChanges(m_server->requests("/sync/push").last());
    QCOMPARE(retried.size(), 1);
    QCOMPARE(retried.first()["entity_id"].toString(), QStringLiteral("tx-bad"));
    QCOMPARE(device.transactions.findById("tx-bad")->syncStatus, SyncStatus::Synced);
}

void tst_SyncEngine::editDuringPushStaysPending() {
    SyncDevice device("device", m_server->url());
    QVERIFY(device.accounts.insert(account("acc-1")));
    QVERIFY(device.transactions.insert(transaction("tx-1", "acc-1", QDate(2026, 1, 1), -1, "Old")));
    m_server->setResponseDelay(100);
    QSignalSpy completed(&device.engine, &SyncEngine::syncCompleted);
    device.engine.syncNow();
    QVERIFY(m_server->http()->waitForRequests(1));
    Transaction edited = *device.transactions.findById("tx-1");
    edited.payee = "Edited while pushing";
    QVERIFY(device.transactions.update(edited));
    QVERIFY(device.transactions.softDelete("tx-1"));
    QVERIFY(completed.wait(5000));

    const Transaction after = *device.transactions.findById("tx-1");
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(after.serverId, m_server->recordByClientId("transaction", "tx-1")->serverId);
    QCOMPARE(device.accounts.findById("acc-1")->syncStatus, SyncStatus::Synced);

    m_server->setResponseDelay(0);
    QVERIFY(device.sync());
    const auto stored = m_server->recordByClientId("transaction", "tx-1");
    QCOMPARE(stored->payload["payee"].toString(), QStringLiteral("Edited while pushing"));
    QVERIFY(stored->deleted);
    QCOMPARE(m_server->records("transaction").size(), 1);
}

void tst_SyncEngine::syncNowDuringSyncRunsOneFollowUp() {
    SyncDevice device("device", m_server->url());
    m_server->setResponseDelay(50);
    QList<int> requestsAtCompletion;
    connect(&device.engine, &SyncEngine::syncCompleted, this,
            [&] { requestsAtCompletion << m_server->requests().size(); });
    device.engine.syncNow();
    device.engine.syncNow();
    device.engine.syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(requestsAtCompletion.size(), 2, 5000);
    QCOMPARE(requestsAtCompletion, (QList<int>{1, 2}));
    QTest::qWait(200);
    QCOMPARE(requestsAtCompletion.size(), 2);
    QCOMPARE(device.engine.state(), SyncEngine::Idle);
}

void tst_SyncEngine::authenticationFailure() {
    SyncDevice device("device", m_server->url());
    QSignalSpy failed(&device.engine, &SyncEngine::syncFailed);
    QSignalSpy states(&device.engine, &SyncEngine::stateChanged);

    Q_EMIT device.api.authenticationRequired();
    QCOMPARE(device.engine.state(), SyncEngine::Error);
    QCOMPARE(states.size(), 1);
    QCOMPARE(failed.size(), 0);
    QVERIFY(device.engine.lastError().isEmpty());
    Q_EMIT device.api.authenticationRequired();
    QCOMPARE(states.size(), 1);

    // A server that refuses the session: the token cannot be refreshed, the sync ends in Error.
    m_server->setRequiredToken("valid-token");
    QVERIFY(!device.sync());
    QCOMPARE(device.engine.state(), SyncEngine::Error);
    QCOMPARE(device.engine.lastError(), QStringLiteral("Pull failed (HTTP 401)"));
    QVERIFY(device.cursor().isEmpty());
}

// Without tokens the pending rows would go out unsigned: no sync may be scheduled or run.
void tst_SyncEngine::signedOutSendsNothing() {
    SyncDevice device("device", m_server->url());
    QVERIFY(device.accounts.insert(account("acc-1")));
    device.tokens.clearTokens();

    device.engine.scheduleSync();
    QVERIFY(!device.engine.isSyncScheduled());
    QSignalSpy failed(&device.engine, &SyncEngine::syncFailed);
    QVERIFY(!device.sync());
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Not signed in"));
    QTest::qWait(50);
    QVERIFY(m_server->requests().isEmpty());
    QCOMPARE(device.accounts.findById("acc-1")->syncStatus, SyncStatus::Pending);

    // A refresh token alone is enough: the request refreshes first.
    device.tokens.setTokens(QString(), "refresh");
    device.engine.scheduleSync();
    QVERIFY(device.engine.isSyncScheduled());
    device.engine.stopAutoSync(); // signing out also drops a sync that was waiting
    QVERIFY(!device.engine.isSyncScheduled());
}

void tst_SyncEngine::timers() {
    SyncDevice device("device", m_server->url());
    QSignalSpy completed(&device.engine, &SyncEngine::syncCompleted);
    device.engine.startAutoSync(60000);
    QVERIFY(device.engine.isAutoSyncActive());
    QCOMPARE(device.engine.autoSyncInterval(), 60000);
    QVERIFY(completed.wait(5000));
    device.engine.stopAutoSync();
    QVERIFY(!device.engine.isAutoSyncActive());

    // A burst of requests becomes one sync after the quiet period.
    device.engine.scheduleSync();
    QTest::qWait(100);
    device.engine.scheduleSync();
    QCOMPARE(completed.size(), 1);
    QVERIFY(completed.wait(5000));
    QTest::qWait(100);
    QCOMPARE(completed.size(), 2);
    QCOMPARE(m_server->requests().size(), 2);
}

QTEST_GUILESS_MAIN(tst_SyncEngine)
#include "tst_syncengine.moc"
