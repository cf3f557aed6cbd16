// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/accountsharingservice.h"
#include "storage/budgetrepository.h"
#include "tests/server/serverprocess.h"
#include "tests/services/syncdevice.h"
#include "tests/support/testrecords.h"

#include <QFile>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTcpSocket>
#include <QTest>
#include <QUrlQuery>

#include <memory>

using namespace TestRecords;

namespace {

struct Reply {
    int status = 0;
    QJsonObject body;
};

// A signed-in user of the API through the program's own request frame.
struct Caller {
    explicit Caller(const QUrl &url, const ServerProcess::Tokens &tokens)
        : manager(std::make_unique<TindAccount::MemoryTokenStore>())
        , api(&manager) {
        api.setBaseUrl(url);
        manager.setTokens(tokens.access, tokens.refresh);
    }

    Reply call(const QByteArray &method, const QString &path, const QJsonObject &body = {},
               const QUrlQuery &query = {}) {
        Reply reply;
        bool done = false;
        const auto finished = [&](bool, int status, const QJsonObject &json) {
            reply = {status, json};
            done = true;
        };
        if (method == "GET")
            api.get(path, finished, query);
        else if (method == "POST")
            api.post(path, body, finished);
        else
            api.deleteRequest(path, finished);
        if (!QTest::qWaitFor([&] { return done; }, 20000))
            qWarning("no answer to %s %s", method.constData(), qPrintable(path));
        return reply;
    }

    Reply push(const QJsonArray &changes) {
        return call("POST", QStringLiteral("/sync/push"), {{"changes", changes}});
    }
    // Every record the user can see now, by client id, as the pull pages bring them.
    QHash<QString, QJsonObject> pullAll() {
        QHash<QString, QJsonObject> seen;
        QString since;
        for (int page = 0; page < 100; ++page) {
            QUrlQuery query;
            if (!since.isEmpty())
                query.addQueryItem("since", since);
            query.addQueryItem("limit", "200");
            const Reply reply = call("GET", QStringLiteral("/sync/pull"), {}, query);
            if (reply.status != 200)
                return {};
            for (const char *array : {"accounts", "categories", "recurring_transactions",
                                      "transactions", "reconciliations"})
                for (const QJsonValue &value : reply.body.value(array).toArray())
                    seen.insert(value.toObject().value("client_id").toString(), value.toObject());
            since = reply.body.value("server_time").toString();
            if (!reply.body.value("has_more").toBool())
                break;
        }
        return seen;
    }

    TindAccount::TokenManager manager;
    TindAccount::ApiClient api;
};

QJsonObject change(const QString &type, const QString &id, int version, const QJsonObject &payload,
                   bool deleted = false) {
    QJsonObject body = payload;
    body.insert("client_id", id);
    return {{"entity_type", type},
            {"entity_id", id},
            {"action", deleted ? "delete" : "upsert"},
            {"version", version},
            {"payload", body}};
}

QJsonObject accountChange(const QString &id, int version, const QString &name,
                          const QString &serverId = QString()) {
    QJsonObject payload{{"name", name}, {"currency", "EUR"}};
    if (!serverId.isEmpty())
        payload.insert("server_id", serverId);
    return change("account", id, version, payload);
}

QJsonObject transactionChange(const QString &id, const QString &accountId, int version,
                              const QString &payee, const QString &serverId = QString()) {
    QJsonObject payload{
        {"account_id", accountId}, {"date", "2026-03-01"}, {"payee", payee}, {"amount", -500}};
    if (!serverId.isEmpty())
        payload.insert("server_id", serverId);
    return change("transaction", id, version, payload);
}

QString resultStatus(const Reply &reply, int index = 0) {
    return reply.body.value("results").toArray().at(index).toObject().value("status").toString();
}

QString resultServerId(const Reply &reply, int index = 0) {
    return reply.body.value("results").toArray().at(index).toObject().value("server_id").toString();
}

// The rows of a device that sync carries, bookkeeping aside, in id order.
QStringList rows(const SyncDevice &device, const QString &table, const QString &columns) {
    QSqlQuery query(device.db.connection());
    query.exec(QStringLiteral("SELECT id, version, deleted_at IS NOT NULL, %1 FROM %2 ORDER BY id")
                   .arg(columns, table));
    QStringList result;
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << query.value(i).toString();
        result << fields.join(QLatin1Char('|'));
    }
    return result;
}

QStringList liveIds(const SyncDevice &device, const QString &table) {
    QSqlQuery query(device.db.connection());
    query.exec(QStringLiteral("SELECT id FROM %1 WHERE deleted_at IS NULL ORDER BY id").arg(table));
    QStringList ids;
    while (query.next())
        ids << query.value(0).toString();
    return ids;
}

Budget budget(const QString &id, const QString &categoryId, const QString &month, qint64 amount,
              int secondsLater = 0) {
    Budget b;
    b.id = id;
    b.categoryId = categoryId;
    b.month = month;
    b.amount = amount;
    b.createdAt = stamp(secondsLater);
    b.updatedAt = stamp(secondsLater);
    return b;
}

QByteArray forge(const QString &token) {
    // The payload claims another user; the signature is the original one.
    QList<QByteArray> parts = token.toLatin1().split('.');
    QJsonObject claims
        = QJsonDocument::fromJson(QByteArray::fromBase64(parts[1], QByteArray::Base64UrlEncoding))
              .object();
    claims.insert("sub", "someone-else");
    parts[1] = QJsonDocument(claims)
                   .toJson(QJsonDocument::Compact)
                   .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return parts.join('.');
}

} // namespace

class tst_SyncServer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void twoDevicesConverge();
    void booksStayWithTheirAccount();
    void budgetsConverge();
    void sharedAccountAppearsAndDisappears();
    void authorization_data();
    void authorization();
    void mergeRule_data();
    void mergeRule();
    void staleDeviceTakesTheStoredRecord();
    void hostileRequests_data();
    void hostileRequests();
    void oversizedRequests_data();
    void oversizedRequests();
    void killedServerKeepsAcknowledgedChanges();
    void twoServersKeepOneSequence();
    void commandLineSyncsThroughTheServer();

private:
    std::unique_ptr<SyncDevice> device(const QString &name, const QString &user,
                                       const QString &group = QString());
    std::unique_ptr<Caller> caller(const QString &user, const QString &group = QString());
    // Alice's account with one transaction, shared with Bob (member) and Carol (viewer);
    // returns the account and transaction server ids.
    QPair<QString, QString> sharedFixture(const QString &tag);

    ServerProcess m_server;
    QString m_group;
};

void tst_SyncServer::initTestCase() {
    if (m_server.unavailable())
        QSKIP("QUILLON_TEST_PG_URL is not set: no PostgreSQL database to test against");
    QVERIFY(m_server.start());
    m_group = m_server.user("family");
}

std::unique_ptr<SyncDevice> tst_SyncServer::device(const QString &name, const QString &user,
                                                   const QString &group) {
    auto result = std::make_unique<SyncDevice>(name, m_server.url());
    const ServerProcess::Tokens tokens = m_server.tokens(user, group);
    result->tokens.setTokens(tokens.access, tokens.refresh);
    return result;
}

std::unique_ptr<Caller> tst_SyncServer::caller(const QString &user, const QString &group) {
    return std::make_unique<Caller>(m_server.url(), m_server.tokens(user, group));
}

void tst_SyncServer::twoDevicesConverge() {
    const QString user = m_server.user("converge");
    auto laptop = device("laptop", user);
    auto phone = device("phone", user);

    QVERIFY(laptop->accounts.insert(account("acc-1", "Checking", 10000)));
    QVERIFY(laptop->categories.insert(category("cat-1", "Groceries")));
    for (int i = 0; i < 5; ++i) {
        Transaction t = transaction(QStringLiteral("tx-%1").arg(i), "acc-1", QDate(2026, 2, 1 + i),
                                    -100 * (i + 1));
        t.categoryId = "cat-1";
        QVERIFY(laptop->transactions.insert(t));
    }
    QVERIFY(laptop->sync());
    QVERIFY(phone->sync());

    // Edits on both sides, one deletion each way.
    Transaction edited = *phone->transactions.findById("tx-1");
    edited.payee = "Edited on the phone";
    ++edited.version;
    edited.syncStatus = SyncStatus::Pending;
    QVERIFY(phone->transactions.update(edited));
    QVERIFY(phone->transactions.softDelete("tx-2"));
    QVERIFY(laptop->transactions.softDelete("tx-3"));
    QVERIFY(laptop->transactions.insert(transaction("tx-9", "acc-1", QDate(2026, 3, 1), 42)));

    // A device echoes a deletion it pulls, so quiet comes one round later.
    for (int round = 0; round < 2; ++round) {
        QVERIFY(phone->sync());
        QVERIFY(laptop->sync());
    }
    QVERIFY(phone->sync());

    const QString txColumns = "account_id, date, payee, amount, category_id";
    QCOMPARE(rows(*phone, "transactions", txColumns), rows(*laptop, "transactions", txColumns));
    QCOMPARE(rows(*phone, "accounts", "name, starting_balance"),
             rows(*laptop, "accounts", "name, starting_balance"));
    QCOMPARE(liveIds(*phone, "transactions"), QStringList({"tx-0", "tx-1", "tx-4", "tx-9"}));
    QCOMPARE(phone->transactions.findById("tx-1")->payee, QString("Edited on the phone"));
    QCOMPARE(
        laptop->scalar("SELECT COUNT(*) FROM transactions WHERE sync_status <> 'synced'").toInt(),
        0);
}

// One person's credential store holds one sign-in, but they may keep several data directories:
// books first synced by one user are never pushed into, or filled from, another's account.
void tst_SyncServer::booksStayWithTheirAccount() {
    const QString owner = m_server.user("owner");
    const QString other = m_server.user("other");
    auto books = device("owners-books", owner);
    QVERIFY(books->accounts.insert(account("own-acc", "Owner's Checking", 500)));
    QVERIFY(books->sync());
    QVERIFY(caller(other)->push({accountChange("other-acc", 1, "Other's Savings")}).status == 200);

    // The other user signs in where the owner's books live, and the books change meanwhile.
    QVERIFY(books->transactions.insert(transaction("own-tx", "own-acc", QDate(2026, 5, 1), -700)));
    const ServerProcess::Tokens otherTokens = m_server.tokens(other);
    books->tokens.setTokens(otherTokens.access, otherTokens.refresh);
    QSignalSpy failed(&books->engine, &SyncEngine::syncFailed);
    QVERIFY(!books->sync());
    QCOMPARE(failed.size(), 1);
    QVERIFY2(failed.at(0).at(0).toString().contains("another Tindral account"),
             qPrintable(failed.at(0).at(0).toString()));
    const QHash<QString, QJsonObject> othersView = caller(other)->pullAll();
    QCOMPARE(othersView.keys(), QStringList({"other-acc"}));
    QCOMPARE(liveIds(*books, "accounts"), QStringList({"own-acc"}));
    QCOMPARE(books->scalar("SELECT sync_status FROM transactions WHERE id = 'own-tx'").toString(),
             QString("pending"));

    // Back with the owner, the waiting change goes where it belongs.
    const ServerProcess::Tokens ownerTokens = m_server.tokens(owner);
    books->tokens.setTokens(ownerTokens.access, ownerTokens.refresh);
    QVERIFY(books->sync());
    QVERIFY(caller(owner)->pullAll().contains("own-tx"));
}

void tst_SyncServer::budgetsConverge() {
    const QString user = m_server.user("budgets");
    auto laptop = device("laptop", user);
    auto phone = device("phone", user);
    BudgetRepository laptopBudgets(laptop->db.database());
    BudgetRepository phoneBudgets(phone->db.database());
    const auto syncBoth = [&] {
        // A device pushes the budget it gave up to the other's, which the other takes back
        // the round after: quiet comes on the third.
        for (int round = 0; round < 3; ++round) {
            if (!laptop->sync() || !phone->sync())
                return false;
        }
        return true;
    };
    const QString columns = "category_id, month, amount, rollover";

    QVERIFY(laptop->categories.insert(category("cat-food", "Food")));
    Budget food = budget("b-food", "cat-food", "2026-01", 30000);
    food.rollover = true;
    QVERIFY(laptopBudgets.insert(food));
    QVERIFY(syncBoth());
    QCOMPARE(rows(*phone, "budgets", columns), QStringList{"b-food|1|0|cat-food|2026-01|30000|1"});

    // A change on one device reaches the other.
    Budget raised = *phoneBudgets.findById("b-food");
    raised.amount = 35000;
    ++raised.version;
    raised.syncStatus = SyncStatus::Pending;
    QVERIFY(phoneBudgets.update(raised));
    // Both budget February before either syncs: the one set last stays on both.
    QVERIFY(laptopBudgets.insert(budget("b-feb-laptop", "cat-food", "2026-02", 10000, 1)));
    QVERIFY(phoneBudgets.insert(budget("b-feb-phone", "cat-food", "2026-02", 12000, 2)));
    QVERIFY(syncBoth());

    QCOMPARE(rows(*laptop, "budgets", columns), rows(*phone, "budgets", columns));
    QCOMPARE(liveIds(*laptop, "budgets"), QStringList({"b-feb-phone", "b-food"}));
    QCOMPARE(laptopBudgets.findById("b-food")->amount, qint64(35000));
    QCOMPARE(laptop->scalar("SELECT COUNT(*) FROM budgets WHERE sync_status <> 'synced'").toInt(),
             0);
}

void tst_SyncServer::sharedAccountAppearsAndDisappears() {
    const QString alice = m_server.user("alice-share");
    const QString bob = m_server.user("bob-share");
    auto aliceDevice = device("alice", alice, m_group);
    auto bobDevice = device("bob", bob, m_group);
    QVERIFY(aliceDevice->accounts.insert(account("joint", "Joint")));
    QVERIFY(aliceDevice->accounts.insert(account("private", "Private")));
    QVERIFY(aliceDevice->transactions.insert(
        transaction("joint-tx", "joint", QDate(2026, 2, 1), -700)));
    QVERIFY(aliceDevice->transactions.insert(
        transaction("private-tx", "private", QDate(2026, 2, 1), -5)));
    QVERIFY(aliceDevice->sync());

    AccountSharingService sharing(&aliceDevice->api);
    bool shared = false;
    QString shareError = "no answer";
    sharing.shareWith("joint", bob, QString(), [&](bool ok, const QString &error) {
        shared = ok;
        shareError = error;
    });
    QTRY_VERIFY_WITH_TIMEOUT(shareError != "no answer", 10000);
    QVERIFY2(shared, qPrintable(shareError));

    QVERIFY(bobDevice->sync());
    QCOMPARE(liveIds(*bobDevice, "accounts"), QStringList{"joint"});
    QCOMPARE(liveIds(*bobDevice, "transactions"), QStringList{"joint-tx"});
    QVERIFY(bobDevice->accounts.findById("joint")->isShared);

    // A member writes to the shared account; the owner receives it.
    QVERIFY(bobDevice->transactions.insert(transaction("bob-tx", "joint", QDate(2026, 2, 3), -60)));
    QVERIFY(bobDevice->sync());
    QCOMPARE(
        bobDevice->scalar("SELECT sync_status FROM transactions WHERE id = 'bob-tx'").toString(),
        QString("synced"));
    QVERIFY(aliceDevice->sync());
    QCOMPARE(liveIds(*aliceDevice, "transactions"),
             QStringList({"bob-tx", "joint-tx", "private-tx"}));
    QVERIFY(aliceDevice->accounts.findById("joint")->isShared);

    bool removed = false;
    bool answered = false;
    sharing.removeShare("joint", bob, [&](bool ok) {
        removed = ok;
        answered = true;
    });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QVERIFY(removed);

    QVERIFY(bobDevice->sync());
    QVERIFY(liveIds(*bobDevice, "accounts").isEmpty());
    QVERIFY(liveIds(*bobDevice, "transactions").isEmpty());
    // Bob's device pushes its deletions back; they must not reach Alice's rows.
    QVERIFY(bobDevice->sync());
    QCOMPARE(bobDevice->scalar("SELECT COUNT(*) FROM transactions WHERE sync_status <> 'synced'")
                 .toInt(),
             0);
    QVERIFY(aliceDevice->sync());
    QCOMPARE(liveIds(*aliceDevice, "transactions"),
             QStringList({"bob-tx", "joint-tx", "private-tx"}));
    QCOMPARE(liveIds(*aliceDevice, "accounts"), QStringList({"joint", "private"}));
    QVERIFY(!aliceDevice->accounts.findById("joint")->isShared);
}

QPair<QString, QString> tst_SyncServer::sharedFixture(const QString &tag) {
    auto alice = caller(m_server.user("alice"), m_group);
    caller(m_server.user("bob"), m_group)->call("GET", "/sync/pull");
    caller(m_server.user("carol"), m_group)->call("GET", "/sync/pull");
    const Reply pushed = alice->push({accountChange("acc-" + tag, 1, "Joint " + tag),
                                      transactionChange("tx-" + tag, "acc-" + tag, 1, "Original")});
    const QString account = resultServerId(pushed, 0);
    const QString tx = resultServerId(pushed, 1);
    alice->call("POST", "/accounts/acc-" + tag + "/share",
                {{"user_id", m_server.user("bob")}, {"role", "member"}});
    alice->call("POST", "/accounts/acc-" + tag + "/share",
                {{"user_id", m_server.user("carol")}, {"role", "viewer"}});
    return {account, tx};
}

// Every endpoint against the owner, a member who may write, a member who may only read and a
// user of another group. The expected answer is an HTTP status, or a push result status.
void tst_SyncServer::authorization_data() {
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("ownerSeesChange");

    const QStringList callers{"alice", "bob", "carol", "mallory"};
    const QStringList pulls{"sees", "sees", "sees", "blind"};
    const QStringList txUpdate{"ok", "ok", "forbidden", "forbidden"};
    const QStringList accountUpdate{"ok", "forbidden", "forbidden", "forbidden"};
    const QStringList txCreate{"ok", "ok", "forbidden", "ok"}; // mallory's lands in her own space
    const QStringList members{"200", "200", "200", "404"};
    const QStringList share{"200", "404", "404", "404"};
    // Carol's own share: a member may leave.
    const QStringList unshare{"200", "404", "200", "404"};
    for (int i = 0; i < callers.size(); ++i) {
        const QString &who = callers.at(i);
        const bool owner = i == 0;
        QTest::addRow("%s pull", qPrintable(who)) << who << "pull" << pulls.at(i) << false;
        QTest::addRow("%s update transaction", qPrintable(who))
            << who << "updateTx" << txUpdate.at(i) << (txUpdate.at(i) == "ok");
        QTest::addRow("%s delete transaction", qPrintable(who))
            << who << "deleteTx" << txUpdate.at(i) << (txUpdate.at(i) == "ok");
        QTest::addRow("%s update account", qPrintable(who))
            << who << "updateAccount" << accountUpdate.at(i) << owner;
        QTest::addRow("%s create transaction", qPrintable(who))
            << who << "createTx" << txCreate.at(i) << (i < 2);
        QTest::addRow("%s list members", qPrintable(who))
            << who << "members" << members.at(i) << false;
        QTest::addRow("%s share", qPrintable(who)) << who << "share" << share.at(i) << false;
        QTest::addRow("%s unshare", qPrintable(who)) << who << "unshare" << unshare.at(i) << false;
    }
}

void tst_SyncServer::authorization() {
    QFETCH(QString, who);
    QFETCH(QString, action);
    QFETCH(QString, expected);
    QFETCH(bool, ownerSeesChange);

    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
    const auto [accountServerId, txServerId] = sharedFixture(tag);
    QVERIFY(!txServerId.isEmpty());
    const QString account = "acc-" + tag;
    const QString group = who == "mallory" ? m_server.user("elsewhere") : m_group;
    auto actor = caller(m_server.user(who), group);
    auto alice = caller(m_server.user("alice"), m_group);
    const QHash<QString, QJsonObject> before = alice->pullAll();

    QString outcome;
    if (action == "pull") {
        const QHash<QString, QJsonObject> seen = actor->pullAll();
        outcome = seen.contains("tx-" + tag) && seen.contains(account) ? "sees"
                  : seen.isEmpty()                                     ? "blind"
                                                                       : "partly";
        if (who == "mallory")
            outcome = seen.contains("tx-" + tag) || seen.contains(account) ? "sees" : "blind";
    } else if (action == "updateTx") {
        outcome = resultStatus(
            actor->push({transactionChange("tx-" + tag, account, 2, "Changed", txServerId)}));
    } else if (action == "deleteTx") {
        QJsonObject del = transactionChange("tx-" + tag, account, 2, "Original", txServerId);
        del.insert("action", "delete");
        outcome = resultStatus(actor->push({del}));
    } else if (action == "updateAccount") {
        outcome
            = resultStatus(actor->push({accountChange(account, 2, "Renamed", accountServerId)}));
    } else if (action == "createTx") {
        outcome = resultStatus(actor->push({transactionChange("new-" + tag, account, 1, "New")}));
    } else if (action == "members") {
        outcome = QString::number(actor->call("GET", "/accounts/" + account + "/members").status);
    } else if (action == "share") {
        caller(m_server.user("dave"), m_group)->call("GET", "/sync/pull");
        outcome = QString::number(actor
                                      ->call("POST", "/accounts/" + account + "/share",
                                             {{"user_id", m_server.user("dave")}})
                                      .status);
    } else if (action == "unshare") {
        outcome = QString::number(
            actor->call("DELETE", "/accounts/" + account + "/share/" + m_server.user("carol"))
                .status);
    }
    QCOMPARE(outcome, expected);

    const QHash<QString, QJsonObject> after = alice->pullAll();
    const bool changed = after.value("tx-" + tag) != before.value("tx-" + tag)
                         || after.value(account) != before.value(account)
                         || after.contains("new-" + tag);
    QCOMPARE(changed, ownerSeesChange);
}

// A transaction stored at version 3, then pushed again at another version.
void tst_SyncServer::mergeRule_data() {
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("storedPayee");
    QTest::addColumn<int>("storedVersion");
    QTest::addColumn<bool>("advancesCursor");
    QTest::addColumn<QString>("id"); // empty: a fresh UUID

    QTest::newRow("lower loses") << 2 << "Lower"
                                 << "conflict"
                                 << "Stored" << 3 << false << QString();
    // Looked up with others in one statement, where its text must not break the list.
    QTest::newRow("lower loses, id with quotes and commas")
        << 2 << "Lower"
        << "conflict"
        << "Stored" << 3 << false << QStringLiteral(R"(q"u\o,t{e} )");
    QTest::newRow("equal and same is a no-op") << 3 << "Stored"
                                               << "ok"
                                               << "Stored" << 3 << false << QString();
    QTest::newRow("equal and different: last wins") << 3 << "Equal"
                                                    << "ok"
                                                    << "Equal" << 3 << true << QString();
    QTest::newRow("higher wins") << 4 << "Higher"
                                 << "ok"
                                 << "Higher" << 4 << true << QString();
}

void tst_SyncServer::mergeRule() {
    QFETCH(int, version);
    QFETCH(QString, payee);
    QFETCH(QString, status);
    QFETCH(QString, storedPayee);
    QFETCH(int, storedVersion);
    QFETCH(bool, advancesCursor);
    QFETCH(QString, id);

    auto user = caller(m_server.user("merge-" + QString::number(QTest::currentDataTag()[0])));
    if (id.isEmpty())
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QCOMPARE(resultStatus(user->push({accountChange("m-acc", 1, "Merge"),
                                      transactionChange(id, "m-acc", 3, "Stored")}),
                          1),
             QString("ok"));
    const QString cursor = user->call("GET", "/sync/pull").body.value("server_time").toString();

    const Reply reply = user->push({transactionChange(id, "m-acc", version, payee)});
    QCOMPARE(reply.status, 200);
    QCOMPARE(resultStatus(reply), status);
    QVERIFY(!resultServerId(reply).isEmpty());

    const QJsonObject stored = user->pullAll().value(id);
    QCOMPARE(stored.value("payee").toString(), storedPayee);
    QCOMPARE(stored.value("version").toInt(), storedVersion);
    const Reply since = user->call("GET", "/sync/pull", {}, QUrlQuery{{"since", cursor}});
    QCOMPARE(since.body.value("transactions").toArray().size(), advancesCursor ? 1 : 0);
}

// A device that edited a row older than the server's gets "conflict", keeps the row pending,
// and its next pull replaces it with the stored record: both devices end up alike.
void tst_SyncServer::staleDeviceTakesTheStoredRecord() {
    const QString user = m_server.user("stale");
    auto first = device("first", user);
    auto second = device("second", user);
    QVERIFY(first->accounts.insert(account("s-acc")));
    QVERIFY(
        first->transactions.insert(transaction("s-tx", "s-acc", QDate(2026, 4, 1), -10, "One")));
    QVERIFY(first->sync());
    QVERIFY(second->sync());

    for (int i = 0; i < 2; ++i) {
        Transaction t = *first->transactions.findById("s-tx");
        t.payee = QStringLiteral("First %1").arg(i);
        ++t.version;
        t.syncStatus = SyncStatus::Pending;
        QVERIFY(first->transactions.update(t));
    }
    QVERIFY(first->sync()); // version 3 on the server

    Transaction stale = *second->transactions.findById("s-tx");
    stale.payee = "Second";
    ++stale.version; // version 2
    stale.syncStatus = SyncStatus::Pending;
    QVERIFY(second->transactions.update(stale));
    QVERIFY(second->sync());
    QCOMPARE(second->engine.lastRunSummary().rejected, 1);
    QCOMPARE(second->transactions.findById("s-tx")->payee, QString("First 1"));
    QCOMPARE(second->transactions.findById("s-tx")->version, 3);
    QCOMPARE(second->scalar("SELECT sync_status FROM transactions WHERE id = 's-tx'").toString(),
             QString("synced"));
}

void tst_SyncServer::hostileRequests_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>(
        "token"); // "good", "expired", "forged", "other-key", "refresh", "none"
    QTest::addColumn<int>("status");

    const QByteArray good
        = QJsonDocument(QJsonObject{{"changes", QJsonArray{accountChange("h-acc", 9, "Hostile")}}})
              .toJson();
    const auto withChange = [](const QJsonObject &change) {
        return QJsonDocument(QJsonObject{{"changes", QJsonArray{change}}}).toJson();
    };
    QJsonObject stringVersion = accountChange("h-acc", 9, "x");
    stringVersion.insert("version", "9");
    QJsonObject numericId = accountChange("h-acc", 9, "x");
    numericId.insert("entity_id", 7);
    QJsonObject arrayPayload = accountChange("h-acc", 9, "x");
    arrayPayload.insert("payload", QJsonArray{1, 2});
    QJsonObject unknownType = accountChange("h-acc", 9, "x");
    unknownType.insert("entity_type", "split_line");
    QJsonArray many;
    for (int i = 0; i < 10000; ++i)
        many.append(accountChange(QStringLiteral("h-%1").arg(i), 1, "x"));

    QTest::newRow("malformed json")
        << QByteArray("POST") << "/sync/push" << QByteArray("{\"changes\": [") << "good" << 400;
    QTest::newRow("not an object")
        << QByteArray("POST") << "/sync/push" << QByteArray("[1, 2]") << "good" << 400;
    QTest::newRow("changes not an array")
        << QByteArray("POST") << "/sync/push" << QByteArray("{\"changes\": {}}") << "good" << 400;
    QTest::newRow("version as text")
        << QByteArray("POST") << "/sync/push" << withChange(stringVersion) << "good" << 400;
    QTest::newRow("entity id as number")
        << QByteArray("POST") << "/sync/push" << withChange(numericId) << "good" << 400;
    QTest::newRow("payload as array")
        << QByteArray("POST") << "/sync/push" << withChange(arrayPayload) << "good" << 400;
    QTest::newRow("unknown entity type")
        << QByteArray("POST") << "/sync/push" << withChange(unknownType) << "good" << 400;
    QTest::newRow("10000 changes")
        << QByteArray("POST") << "/sync/push"
        << QJsonDocument(QJsonObject{{"changes", many}}).toJson(QJsonDocument::Compact) << "good"
        << 413;
    QTest::newRow("cursor not a server time")
        << QByteArray("GET") << "/sync/pull?since=yesterday" << QByteArray() << "good" << 400;
    QTest::newRow("no token") << QByteArray("POST") << "/sync/push" << good << "none" << 401;
    QTest::newRow("expired token")
        << QByteArray("POST") << "/sync/push" << good << "expired" << 401;
    QTest::newRow("forged token") << QByteArray("POST") << "/sync/push" << good << "forged" << 401;
    QTest::newRow("token of another server")
        << QByteArray("POST") << "/sync/push" << good << "other-key" << 401;
    QTest::newRow("refresh token as access")
        << QByteArray("POST") << "/sync/push" << good << "refresh" << 401;
    QTest::newRow("wrong method") << QByteArray("GET") << "/sync/push" << QByteArray() << "good"
                                  << 405;
}

void tst_SyncServer::hostileRequests() {
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(QString, token);
    QFETCH(int, status);

    const QString user = m_server.user("hostile");
    const ServerProcess::Tokens tokens = m_server.tokens(user);
    QByteArray bearer;
    if (token == "good")
        bearer = tokens.access.toLatin1();
    else if (token == "expired")
        bearer = m_server.tokens(user, QString(), {"--expires-in", "-10"}).access.toLatin1();
    else if (token == "forged")
        bearer = forge(tokens.access);
    else if (token == "refresh")
        bearer = tokens.refresh.toLatin1();
    else if (token == "other-key") {
        QTemporaryDir otherServer;
        bearer = ServerProcess::tokensFrom({"--data", otherServer.path()}, user, QString())
                     .access.toLatin1();
    }
    Caller owner(m_server.url(), tokens);
    const QString cursorBefore
        = owner.call("GET", "/sync/pull").body.value("server_time").toString();

    QNetworkAccessManager network;
    QUrl url = m_server.url();
    const int query = path.indexOf('?');
    url.setPath(url.path() + path.left(query));
    if (query > 0)
        url.setQuery(path.mid(query + 1));
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    if (!bearer.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + bearer);
    QNetworkReply *reply = network.sendCustomRequest(request, method, body);
    QVERIFY(QTest::qWaitFor([reply] { return reply->isFinished(); }, 30000));
    QVERIFY2(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == status,
             qPrintable(reply->errorString()));
    const QJsonObject answer = QJsonDocument::fromJson(reply->readAll()).object();
    QVERIFY2(!answer.value("error").toString().isEmpty(), "a refusal says why");
    reply->deleteLater();

    // Nothing was stored for anyone: the owner's cursor stands where it was.
    QCOMPARE(owner.call("GET", "/sync/pull").body.value("server_time").toString(), cursorBefore);
    QVERIFY(m_server.process().state() == QProcess::Running);
}

// Requests refused on their header alone, sent over a bare socket: the 2 GB body is only
// announced, and the answer must come before any of it is read.
void tst_SyncServer::oversizedRequests_data() {
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");

    const QByteArray host = "Host: 127.0.0.1\r\n";
    QTest::newRow("2 GB body") << QByteArray("POST /quillon/v1/sync/push HTTP/1.1\r\n" + host
                                             + "Content-Length: 2147483648\r\n\r\n{\"changes\":")
                               << 413;
    QTest::newRow("huge header") << QByteArray(
        "GET /healthz HTTP/1.1\r\n" + host + "X-Big: " + QByteArray(64 * 1024, 'a') + "\r\n\r\n")
                                 << 431;
    QTest::newRow("not HTTP") << QByteArray("HELLO THERE\r\n\r\n") << 400;
}

void tst_SyncServer::oversizedRequests() {
    QFETCH(QByteArray, request);
    QFETCH(int, status);

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server.url().port());
    QVERIFY(socket.waitForConnected(5000));
    socket.write(request);
    QByteArray answer;
    QDeadlineTimer deadline(10000);
    while (!answer.contains("\r\n\r\n") && !deadline.hasExpired()) {
        socket.waitForReadyRead(100);
        answer += socket.readAll();
    }
    QVERIFY2(answer.startsWith("HTTP/1.1 " + QByteArray::number(status)),
             answer.left(200).constData());
    QVERIFY(m_server.process().state() == QProcess::Running);
}

// An acknowledged change survives kill -9, and the restarted server continues the sequence.
void tst_SyncServer::killedServerKeepsAcknowledgedChanges() {
    auto user = caller(m_server.user("killed"));
    QCOMPARE(resultStatus(user->push({accountChange("k-acc", 1, "Before")})), QString("ok"));
    const QString cursor = user->call("GET", "/sync/pull").body.value("server_time").toString();

    m_server.kill();
    QVERIFY(m_server.start());
    auto again = std::make_unique<Caller>(m_server.url(), m_server.tokens(m_server.user("killed")));
    QCOMPARE(again->pullAll().value("k-acc").value("name").toString(), QString("Before"));
    QCOMPARE(resultStatus(again->push({accountChange("k-acc2", 1, "After")})), QString("ok"));
    const Reply since = again->call("GET", "/sync/pull", {}, QUrlQuery{{"since", cursor}});
    const QJsonArray accounts = since.body.value("accounts").toArray();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.at(0).toObject().value("client_id").toString(), QString("k-acc2"));
    QVERIFY(since.body.value("server_time").toString() > cursor);

    // A clean stop exits 0.
    QCOMPARE(m_server.stop(), 0);
    QVERIFY(m_server.start());
}

// Two server processes on one database, pushes going to both at once, and a device pulling
// all the while: every change reaches the puller exactly once, none is skipped by its cursor.
void tst_SyncServer::twoServersKeepOneSequence() {
    ServerProcess second(&m_server);
    QVERIFY(second.start());
    const QString user = m_server.user("busy");
    const ServerProcess::Tokens tokens = m_server.tokens(user);
    Caller viaFirst(m_server.url(), tokens);
    Caller viaSecond(second.url(), tokens);
    Caller puller(m_server.url(), tokens);

    constexpr int kBatches = 12;
    constexpr int kPerBatch = 40;
    int answered = 0;
    int accepted = 0;
    QSet<QString> pushed;
    for (int batch = 0; batch < kBatches; ++batch) {
        QJsonArray changes;
        for (int i = 0; i < kPerBatch; ++i) {
            const QString id = QStringLiteral("b%1-%2").arg(batch).arg(i);
            changes.append(accountChange(id, 1, id));
            pushed.insert(id);
        }
        Caller &via = batch % 2 ? viaSecond : viaFirst;
        via.api.post("/sync/push", {{"changes", changes}},
                     [&](bool ok, int, const QJsonObject &body) {
                         ++answered;
                         if (!ok)
                             return;
                         for (const QJsonValue &result : body.value("results").toArray())
                             accepted += result.toObject().value("status").toString() == "ok";
                     });
    }

    QMultiHash<QString, int> seen; // client id -> version, once per delivery
    QString since;
    const auto pullPage = [&] {
        QUrlQuery query;
        if (!since.isEmpty())
            query.addQueryItem("since", since);
        query.addQueryItem("limit", "25");
        const Reply reply = puller.call("GET", "/sync/pull", {}, query);
        if (reply.status != 200)
            qWarning("pull answered %d", reply.status);
        for (const QJsonValue &value : reply.body.value("accounts").toArray())
            seen.insert(value.toObject().value("client_id").toString(), 1);
        since = reply.body.value("server_time").toString();
        return reply.body.value("has_more").toBool();
    };
    QDeadlineTimer deadline(60000);
    while (answered < kBatches && !deadline.hasExpired())
        pullPage();
    QCOMPARE(answered, kBatches);
    QCOMPARE(accepted, kBatches * kPerBatch);
    while (pullPage() && !deadline.hasExpired()) {
    }

    QCOMPARE(seen.size(), pushed.size());
    const QList<QString> keys = seen.uniqueKeys();
    QCOMPARE(QSet<QString>(keys.cbegin(), keys.cend()), pushed);
}

// A headless machine: `quillon-cli login --token-file` with what `quillon-server token`
// printed, and `quillon-cli sync`, with nothing configured but the server address.
void tst_SyncServer::commandLineSyncsThroughTheServer() {
    if (qEnvironmentVariable("QUILLON_KEYRING_AVAILABLE") != QLatin1String("1"))
        QSKIP("the command line keeps its sign-in in the Secret Service; none runs here");
    QTemporaryDir home;
    // One file for both machines, as an administrator hands it out: each machine signs in to
    // a session of its own with it.
    const QString tokenFile = home.filePath("tokens.json");
    {
        const ServerProcess::Tokens tokens = m_server.tokens(m_server.user("cli"));
        QFile out(tokenFile);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(QJsonDocument(QJsonObject{{"access_token", tokens.access},
                                            {"refresh_token", tokens.refresh}})
                      .toJson());
    }

    const auto cli = [&](const QString &dir, const QStringList &args) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name :
             {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "QT_QPA_PLATFORM"})
            env.remove(name);
        env.insert("QUILLON_SERVER", m_server.rootUrl().toString());
        env.insert("QUILLON_DATA_DIR", home.filePath(dir));
        process.setProcessEnvironment(env);
        process.start(QStringLiteral(QUILLON_CLI_PATH), args);
        if (!process.waitForFinished(60000))
            process.kill();
        if (process.exitCode() != 0)
            qWarning("quillon-cli %s: %s", qPrintable(args.join(' ')),
                     process.readAllStandardError().constData());
        return process.exitCode() == 0 ? process.readAllStandardOutput() : QByteArray();
    };
    QVERIFY(!cli("one", {"login", "--token-file", tokenFile}).isEmpty());
    QVERIFY(!cli("one", {"account", "add", "--name", "From the shell"}).isEmpty());
    QVERIFY(!cli("one", {"sync"}).isNull());
    QVERIFY(!cli("two", {"login", "--token-file", tokenFile}).isEmpty());
    QVERIFY(!cli("two", {"sync"}).isNull());
    QVERIFY(cli("two", {"accounts"}).contains("From the shell"));
    // The second sign-in left the first machine's session alone.
    QVERIFY(!cli("two", {"account", "add", "--name", "From the other shell"}).isEmpty());
    QVERIFY(!cli("two", {"sync"}).isNull());
    QVERIFY(!cli("one", {"sync"}).isNull());
    QVERIFY(cli("one", {"accounts"}).contains("From the other shell"));
    cli("one", {"logout"});
    cli("two", {"logout"});

    // A file the server did not issue signs nothing in.
    QFile file(home.filePath("forged.json"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"access_token": "a.b.c", "refresh_token": "d.e.f"})");
    file.close();
    QVERIFY(cli("three", {"login", "--token-file", file.fileName()}).isEmpty());
}

QTEST_MAIN(tst_SyncServer)
#include "tst_syncserver.moc"
