// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/accountclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "server/accountapi.h"
#include "server/jwtsigner.h"
#include "tests/server/serverprocess.h"
#include "ui/online/accountscreen.h"

#include <QDir>
#include <QJsonArray>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <functional>
#include <memory>

using TindAccount::Device;
using TindAccount::Group;
using TindAccount::GroupInvitation;

namespace {

struct Answer {
    int status = 0;
    QJsonObject body;
};

// Waits for an asynchronous call of the program's client and returns what it passed back.
template<typename T> T await(const std::function<void(std::function<void(T)>)> &call) {
    std::optional<T> result;
    call([&result](T value) { result = value; });
    if (!QTest::qWaitFor([&] { return result.has_value(); }, 20000))
        qWarning("no answer from the client");
    return result.value_or(T());
}

QJsonObject json(const QByteArray &text) {
    return QJsonDocument::fromJson(text).object();
}

const QString kRobsShare = QStringLiteral("/quillon/v1/accounts/rob-acc/share");
const QString kRobsShares = QStringLiteral("/quillon/v1/accounts/rob-acc/members");

QByteArray accountPush(const QString &account) {
    const QJsonObject change{
        {"entity_type", "account"},
        {"entity_id", account},
        {"action", "upsert"},
        {"version", 1},
        {"payload", QJsonObject{{"client_id", account}, {"name", account}, {"currency", "EUR"}}}};
    return QJsonDocument(QJsonObject{{"changes", QJsonArray{change}}}).toJson();
}

QStringList memberIds(const Group &group) {
    QStringList ids;
    for (const TindAccount::GroupMember &member : group.members)
        ids << member.accountId + QLatin1Char(':') + member.role;
    return ids;
}

} // namespace

// The account service of the real server process, through the program's own client where the
// program calls it and through plain HTTP where a hostile caller would.
class tst_AccountServer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void familyThroughTheProgramsClient();
    void security_data();
    void security();
    void hostileInput_data();
    void hostileInput();
    void deletingTheProfileLeavesNothing();
    void codeGuessingIsHeldBack();
    void accountWindowShowsTheServersAnswers();

private:
    QUrl url(const QString &path) const;
    Answer send(const QByteArray &method, const QString &path, const QString &token,
                const QByteArray &body = QByteArray());
    QString token(const QString &user, const QStringList &extra = {}) const {
        return m_server.tokens(user, QString(), extra).access;
    }
    std::unique_ptr<TindAccount::Client> client(const QString &user, const QStringList &extra = {});
    // What a failed request must leave alone: the profiles, groups and devices of the fixture.
    QByteArray snapshot();

    ServerProcess m_server;
    QNetworkAccessManager m_network;
    // The security fixture: Alice owns a group with Bob and a pending invitation; Rob was
    // removed from it; Mallory owns a group of her own.
    QHash<QString, QString> m_ids;
    QHash<QString, QString> m_tokens;
};

void tst_AccountServer::initTestCase() {
    if (m_server.unavailable())
        QSKIP("QUILLON_TEST_PG_URL is not set: no PostgreSQL database to test against");
    QVERIFY(m_server.start());

    const QString alice = m_server.user("sec-alice");
    const QString bob = m_server.user("sec-bob");
    const QString rob = m_server.user("sec-rob");
    const QString mallory = m_server.user("sec-mallory");
    QString founder = token(alice, {"--email", "alice@example.org"});
    QStringList codes;
    for (int i = 0; i < 3; ++i) {
        const Answer invited = send("POST", "/group/invite", founder);
        QCOMPARE(invited.status, 200);
        codes << invited.body.value("invite_code").toString();
        m_ids.insert("invitation", invited.body.value("id").toString());
        // The first invitation founded the group: the token that did it is out of date now.
        founder = token(alice);
    }
    m_ids.insert("code", codes.at(2));
    QCOMPARE(send("POST", "/group/join/" + codes.at(0), token(bob)).status, 200);
    QCOMPARE(send("POST", "/group/join/" + codes.at(1), token(rob)).status, 200);
    m_tokens.insert("removed member", token(rob));
    QCOMPARE(send("POST", "/quillon/v1/sync/push", token(rob), accountPush("rob-acc")).status, 200);
    QCOMPARE(send("DELETE", "/group/members/" + rob, founder).status, 200);
    const Answer device = send("POST", "/devices/register", founder,
                               R"({"device_fingerprint":"alice-laptop","device_name":"Laptop"})");
    QCOMPARE(device.status, 200);
    m_ids.insert("device", device.body.value("id").toString());
    m_ids.insert("member", bob);
    QCOMPARE(send("POST", "/group/invite", token(mallory)).status, 200);

    m_tokens.insert("alice", founder);
    m_tokens.insert("bob", token(bob));
    m_tokens.insert("rob", token(rob));
    m_tokens.insert("another user", token(mallory));
    m_tokens.insert("no token", QString());
    m_tokens.insert("expired", token(alice, {"--expires-in", "-60"}));
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QString group = send("GET", "/group", founder).body.value("id").toString();
    QVERIFY(!group.isEmpty());
    m_tokens.insert("other key", JwtSigner("not this server's key")
                                     .issue(Identity{alice, group, "owner", {}},
                                            JwtSigner::Use::Access, now, 3600));
}

QUrl tst_AccountServer::url(const QString &path) const {
    QUrl result = m_server.rootUrl();
    result.setPath("/account/v1" + path);
    return result;
}

Answer tst_AccountServer::send(const QByteArray &method, const QString &path, const QString &token,
                               const QByteArray &body) {
    QNetworkRequest request(path.startsWith("/quillon/") || path.startsWith("/api/")
                                ? QUrl(m_server.rootUrl().toString() + path)
                                : url(path));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    if (!token.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + token.toLatin1());
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 20000))
        qWarning("no answer to %s %s", method.constData(), qPrintable(path));
    Answer answer{reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(),
                  json(reply->readAll())};
    reply->deleteLater();
    return answer;
}

std::unique_ptr<TindAccount::Client> tst_AccountServer::client(const QString &user,
                                                               const QStringList &extra) {
    TindAccount::ClientConfig config;
    config.authBaseUrl = m_server.rootUrl().toString();
    config.realmSlug = "tindral";
    config.accountApiUrl = url(QString()).toString();
    config.clientId = QString(32, QLatin1Char('a'));
    config.appId = "com.tindral.quillon";
    config.appName = "Tindral Quillon";
    config.appVersion = "3.1.0";
    const ServerProcess::Tokens tokens = m_server.tokens(user, QString(), extra);
    auto store = std::make_unique<TindAccount::MemoryTokenStore>();
    store->save(TindAccount::TokenStore::AccessTokenKey, tokens.access);
    store->save(TindAccount::TokenStore::RefreshTokenKey, tokens.refresh);
    auto result = std::make_unique<TindAccount::Client>(config, std::move(store));
    result->initialize();
    return result;
}

QByteArray tst_AccountServer::snapshot() {
    QByteArray state;
    for (const auto &[who, path] : QList<QPair<QString, QString>>{{"alice", "/profile"},
                                                                  {"alice", "/group"},
                                                                  {"alice", "/devices"},
                                                                  {"bob", "/profile"},
                                                                  {"rob", "/profile"},
                                                                  {"rob", kRobsShares},
                                                                  {"another user", "/group"}}) {
        const Answer answer = send("GET", path, m_tokens.value(who));
        state += QByteArray::number(answer.status) + ' '
                 + QJsonDocument(answer.body).toJson(QJsonDocument::Compact) + '\n';
    }
    return state;
}

void tst_AccountServer::familyThroughTheProgramsClient() {
    const QString alice = m_server.user("alice");
    const QString bob = m_server.user("bob");
    const QString carol = m_server.user("carol");
    const QString dave = m_server.user("dave");
    auto aliceClient = client(alice, {"--email", "alice@example.org", "--name", "Alice"});
    TindAccount::AccountClient *account = aliceClient->account();

    const GroupInvitation code
        = await<GroupInvitation>([&](auto done) { account->generateInviteCode(done); });
    QCOMPARE(code.inviteCode.size(), 10);
    QVERIFY(code.expiresAt > QDateTime::currentDateTimeUtc().addDays(6));
    const GroupInvitation forCarol = await<GroupInvitation>(
        [&](auto done) { account->inviteByEmail("Carol@Example.org", done); });
    QVERIFY(!forCarol.id.isEmpty());
    QCOMPARE(forCarol.invitedEmail, QString("Carol@Example.org"));

    auto bobClient = client(bob, {"--email", "bob@example.org"});
    QVERIFY(
        await<bool>([&](auto done) { bobClient->account()->joinGroup(code.inviteCode, done); }));
    // Joining renewed Bob's token: its claims name the group now.
    QCOMPARE(bobClient->claims().role, QString("member"));
    const QString groupId = bobClient->claims().groupId;
    QVERIFY(!groupId.isEmpty());

    // The code is used up, and Carol's invitation is Carol's alone.
    auto daveClient = client(dave, {"--email", "dave@example.org"});
    QVERIFY(
        !await<bool>([&](auto done) { daveClient->account()->joinGroup(code.inviteCode, done); }));
    QVERIFY(!await<bool>(
        [&](auto done) { daveClient->account()->joinGroup(forCarol.inviteCode, done); }));
    auto carolClient = client(carol, {"--email", "carol@example.org"});
    QVERIFY(await<bool>(
        [&](auto done) { carolClient->account()->joinGroup(forCarol.inviteCode, done); }));

    // Alice's token still says she has no group: the client renews it on the refusal.
    Group group = await<Group>([&](auto done) { account->getGroup(done); });
    QCOMPARE(group.id, groupId);
    QCOMPARE(group.maxSeats, 6);
    QCOMPARE(memberIds(group), QStringList({alice + ":owner", bob + ":member", carol + ":member"}));
    QCOMPARE(aliceClient->claims().role, QString("owner"));
    QVERIFY(group.pendingInvitations.isEmpty());

    // Alice shares an account with Bob; removing him from the group takes it away again.
    const QString aliceToken = aliceClient->tokens()->accessToken();
    QCOMPARE(send("POST", "/quillon/v1/sync/push", aliceToken, accountPush("family-acc")).status,
             200);
    QCOMPARE(send("POST", "/quillon/v1/accounts/family-acc/share", aliceToken,
                  QJsonDocument(QJsonObject{{"user_id", bob}}).toJson())
                 .status,
             200);
    QVERIFY(await<bool>([&](auto done) { account->removeMember(bob, done); }));
    const QJsonArray bobsAccounts
        = send("GET", "/quillon/v1/sync/pull", bobClient->tokens()->accessToken())
              .body.value("accounts")
              .toArray();
    QCOMPARE(bobsAccounts.size(), 1);
    QVERIFY(!bobsAccounts.first().toObject().value("deleted_at").toString().isEmpty());
    QVERIFY(await<bool>([&](auto done) { carolClient->account()->leaveGroup(done); }));
    QVERIFY(carolClient->claims().groupId.isEmpty());
    group = await<Group>([&](auto done) { account->getGroup(done); });
    QCOMPARE(memberIds(group), QStringList({alice + ":owner"}));
    // Bob learns of the removal when his out-of-date token is renewed.
    const Group bobsGroup = await<Group>([&](auto done) { bobClient->account()->getGroup(done); });
    QVERIFY(bobsGroup.id.isEmpty());
    QVERIFY(bobClient->claims().groupId.isEmpty());

    const GroupInvitation spare
        = await<GroupInvitation>([&](auto done) { account->generateInviteCode(done); });
    QVERIFY(await<bool>([&](auto done) { account->revokeInvitation(spare.id, done); }));
    QVERIFY(
        !await<bool>([&](auto done) { daveClient->account()->joinGroup(spare.inviteCode, done); }));

    // Devices: every sign-in registers this machine; a second one renews the same entry.
    account->registerDevice();
    QList<Device> devices;
    QTRY_VERIFY_WITH_TIMEOUT(
        (devices = await<QList<Device>>([&](auto done) { account->getDevices(done); })).size() == 1,
        10000);
    QCOMPARE(devices.first().deviceFingerprint, TindAccount::AccountClient::deviceFingerprint());
    QCOMPARE(devices.first().appVersion, QString("3.1.0"));
    QCOMPARE(send("POST", "/devices/register", aliceClient->tokens()->accessToken(),
                  QJsonDocument(account->deviceRegistration()).toJson())
                 .status,
             200);
    devices = await<QList<Device>>([&](auto done) { account->getDevices(done); });
    QCOMPARE(devices.size(), 1);
    QVERIFY(await<bool>([&](auto done) { account->removeDevice(devices.first().id, done); }));
    QVERIFY(await<QList<Device>>([&](auto done) { account->getDevices(done); }).isEmpty());
}

// Every endpoint with a token that must not get through. The expected answer is a status; a
// refused request leaves the fixture exactly as it was.
void tst_AccountServer::security_data() {
    QTest::addColumn<QString>("credential");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("status");

    const QList<QPair<QByteArray, QString>> endpoints{
        {"GET", "/profile"},
        {"DELETE", "/profile"},
        {"GET", "/group"},
        {"POST", "/group/invite"},
        {"POST", "/group/join/{code}"},
        {"POST", "/group/leave"},
        {"DELETE", "/group/members/{member}"},
        {"DELETE", "/group/invitations/{invitation}"},
        {"GET", "/devices"},
        {"DELETE", "/devices/{device}"},
        {"POST", "/devices/register"},
    };
    for (const char *credential : {"no token", "expired", "other key"}) {
        for (const auto &[method, path] : endpoints)
            QTest::addRow("%s: %s %s", credential, method.constData(), qPrintable(path))
                << credential << method << path << 401;
    }
    // Someone else's ids are answered as missing; joining from another group is a conflict.
    QTest::newRow("another user: remove Alice's member")
        << "another user" << QByteArray("DELETE") << "/group/members/{member}" << 404;
    QTest::newRow("another user: revoke Alice's invitation")
        << "another user" << QByteArray("DELETE") << "/group/invitations/{invitation}" << 404;
    QTest::newRow("another user: remove Alice's device")
        << "another user" << QByteArray("DELETE") << "/devices/{device}" << 404;
    QTest::newRow("another user: join Alice's group")
        << "another user" << QByteArray("POST") << "/group/join/{code}" << 409;
    // A removed member's token still names the group: group actions refuse it.
    for (const auto &[method, path] : endpoints) {
        if (path.startsWith("/group"))
            QTest::addRow("removed member: %s %s", method.constData(), qPrintable(path))
                << "removed member" << method << path << 401;
    }
    QTest::newRow("removed member: share with the group")
        << "removed member" << QByteArray("POST") << kRobsShare << 401;
    QTest::newRow("removed member, renewed token: share with the group")
        << "rob" << QByteArray("POST") << kRobsShare << 404;
}

void tst_AccountServer::security() {
    QFETCH(QString, credential);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(int, status);
    QString resolved = path;
    for (const char *key : {"code", "member", "invitation", "device"})
        resolved.replace(QStringLiteral("{%1}").arg(QLatin1String(key)),
                         m_ids.value(QLatin1String(key)));
    QByteArray body = path == "/devices/register"
                          ? QByteArray(R"({"device_fingerprint":"intruder"})")
                          : QByteArray("{}");
    if (path == kRobsShare)
        body = QJsonDocument(QJsonObject{{"user_id", m_ids.value("member")}}).toJson();
    const QByteArray before = snapshot();
    QCOMPARE(send(method, resolved, m_tokens.value(credential), body).status, status);
    QCOMPARE(snapshot(), before);
}

// Malformed and hostile requests of a signed-in owner: a clear 4xx and nothing stored, or,
// where the text is a legitimate one, stored exactly as sent.
void tst_AccountServer::hostileInput_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("echoed"); // member of the answer that must hold the sent text

    const QByteArray longText(5000, 'a');
    QTest::newRow("invite: not JSON")
        << QByteArray("POST") << "/group/invite" << QByteArray("{") << 400 << "";
    QTest::newRow("invite: an array")
        << QByteArray("POST") << "/group/invite" << QByteArray("[]") << 400 << "";
    QTest::newRow("invite: email a number")
        << QByteArray("POST") << "/group/invite" << QByteArray(R"({"email":5})") << 400 << "";
    QTest::newRow("invite: email a list") << QByteArray("POST") << "/group/invite"
                                          << QByteArray(R"({"email":["a@b.c"]})") << 400 << "";
    QTest::newRow("invite: huge email")
        << QByteArray("POST") << "/group/invite"
        << QByteArray(R"({"email":")" + longText + R"(@b.c"})") << 400 << "";
    QTest::newRow("invite: no at sign") << QByteArray("POST") << "/group/invite"
                                        << QByteArray(R"({"email":"nobody"})") << 400 << "";
    QTest::newRow("invite: control character")
        << QByteArray("POST") << "/group/invite" << QByteArray(R"({"email":"a\u0000b@c.d"})") << 400
        << "";
    QTest::newRow("invite: SQL in the email")
        << QByteArray("POST") << "/group/invite"
        << QByteArray(R"({"email":"x');DROP/**/TABLE/**/users;--@b.c"})") << 200 << "invited_email";
    QTest::newRow("invite: unicode email")
        << QByteArray("POST") << "/group/invite" << QByteArray(u8R"({"email":"小林@例え.jp"})")
        << 200 << "invited_email";
    QTest::newRow("join: SQL code")
        << QByteArray("POST") << "/group/join/' OR '1'='1" << QByteArray() << 404 << "";
    QTest::newRow("join: huge code")
        << QByteArray("POST") << QString("/group/join/" + QString::fromLatin1(longText))
        << QByteArray() << 404 << "";
    QTest::newRow("join: unknown code")
        << QByteArray("POST") << "/group/join/ZZZZZZZZZZ" << QByteArray() << 404 << "";
    QTest::newRow("join: own group again")
        << QByteArray("POST") << "/group/join/{code}" << QByteArray() << 409 << "";
    QTest::newRow("register: not JSON")
        << QByteArray("POST") << "/devices/register" << QByteArray("device") << 400 << "";
    QTest::newRow("register: no fingerprint")
        << QByteArray("POST") << "/devices/register" << QByteArray("{}") << 400 << "";
    QTest::newRow("register: fingerprint a number")
        << QByteArray("POST") << "/devices/register" << QByteArray(R"({"device_fingerprint":12})")
        << 400 << "";
    QTest::newRow("register: huge name")
        << QByteArray("POST") << "/devices/register"
        << QByteArray(R"({"device_fingerprint":"fp","device_name":")" + longText + R"("})") << 400
        << "";
    QTest::newRow("register: SQL everywhere")
        << QByteArray("POST") << "/devices/register"
        << QByteArray(R"({"device_fingerprint":"fp'; DELETE FROM devices;--",)"
                      R"("device_name":"Robert'); DROP TABLE devices;--"})")
        << 200 << "device_name";
    QTest::newRow("remove device: SQL id")
        << QByteArray("DELETE") << "/devices/' OR 1=1 --" << QByteArray() << 404 << "";
    QTest::newRow("remove member: SQL id")
        << QByteArray("DELETE") << "/group/members/' OR '1'='1" << QByteArray() << 404 << "";
    QTest::newRow("revoke: unknown id")
        << QByteArray("DELETE") << "/group/invitations/%'" << QByteArray() << 404 << "";
    QTest::newRow("group: wrong method")
        << QByteArray("PUT") << "/group" << QByteArray("{}") << 405 << "";
    QTest::newRow("unknown path") << QByteArray("GET") << "/group/everything" << QByteArray() << 404
                                  << "";
}

void tst_AccountServer::hostileInput() {
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(QString, echoed);
    const QString resolved = QString(path).replace("{code}", m_ids.value("code"));
    const QByteArray before = snapshot();
    // Bad codes are tried by someone free to join; Alice would only hear she has a group.
    const bool groupless = path.startsWith("/group/join/") && !path.contains("{code}");
    const Answer answer = send(method, resolved, m_tokens.value(groupless ? "rob" : "alice"), body);
    QCOMPARE(answer.status, status);
    if (echoed.isEmpty()) {
        QVERIFY(!answer.body.value("error").toString().isEmpty());
        QCOMPARE(snapshot(), before);
        return;
    }
    const QString sent = json(body).value(echoed == "invited_email" ? "email" : echoed).toString();
    QCOMPARE(answer.body.value(echoed).toString(), sent);
    // What was stored reads back the same.
    const QString listPath = echoed == "invited_email" ? "/group" : "/devices";
    const QString listKey = echoed == "invited_email" ? "pending_invitations" : "devices";
    bool found = false;
    for (const QJsonValue &entry :
         send("GET", listPath, m_tokens.value("alice")).body.value(listKey).toArray())
        found = found || entry.toObject().value(echoed).toString() == sent;
    QVERIFY(found);
}

void tst_AccountServer::deletingTheProfileLeavesNothing() {
    const QString alice = m_server.user("del-alice");
    const QString bob = m_server.user("del-bob");
    const ServerProcess::Tokens aliceTokens = m_server.tokens(alice);
    const Answer invited = send("POST", "/group/invite", aliceTokens.access);
    QCOMPARE(send("POST", "/group/join/" + invited.body.value("invite_code").toString(), token(bob))
                 .status,
             200);
    const ServerProcess::Tokens owner = m_server.tokens(alice);
    const QString bobToken = token(bob);

    // Alice's account and transaction, shared with Bob; Bob's account, shared with Alice.
    const auto push = [&](const QString &who, const QString &account, bool withTransaction) {
        QJsonArray changes{QJsonObject{
            {"entity_type", "account"},
            {"entity_id", account},
            {"action", "upsert"},
            {"version", 1},
            {"payload",
             QJsonObject{{"client_id", account}, {"name", account}, {"currency", "EUR"}}}}};
        if (withTransaction)
            changes.append(QJsonObject{{"entity_type", "transaction"},
                                       {"entity_id", account + "-tx"},
                                       {"action", "upsert"},
                                       {"version", 1},
                                       {"payload", QJsonObject{{"client_id", account + "-tx"},
                                                               {"account_id", account},
                                                               {"date", "2026-03-01"},
                                                               {"payee", "Shop"},
                                                               {"amount", -500}}}});
        QCOMPARE(send("POST", "/quillon/v1/sync/push", who,
                      QJsonDocument(QJsonObject{{"changes", changes}}).toJson())
                     .status,
                 200);
    };
    push(owner.access, "alice-acc", true);
    push(bobToken, "bob-acc", false);
    QCOMPARE(send("POST", "/quillon/v1/accounts/alice-acc/share", owner.access,
                  QJsonDocument(QJsonObject{{"user_id", bob}}).toJson())
                 .status,
             200);
    QCOMPARE(send("POST", "/quillon/v1/accounts/bob-acc/share", bobToken,
                  QJsonDocument(QJsonObject{{"user_id", alice}}).toJson())
                 .status,
             200);
    QCOMPARE(
        send("POST", "/devices/register", owner.access, R"({"device_fingerprint":"fp"})").status,
        200);

    QCOMPARE(send("DELETE", "/profile", owner.access).status, 200);

    // Her tokens are refused from now on, access and refresh alike.
    QCOMPARE(send("GET", "/profile", owner.access).status, 401);
    QCOMPARE(send("GET", "/quillon/v1/sync/pull", owner.access).status, 401);
    QCOMPARE(send("POST", "/api/v1/realms/tindral/auth/token/refresh", QString(),
                  QJsonDocument(QJsonObject{{"refresh_token", owner.refresh}}).toJson())
                 .status,
             401);
    // Bob runs the group now, alone; Alice's shared rows leave his devices, his share is gone.
    const Answer bobsGroup = send("GET", "/group", token(bob));
    QCOMPARE(bobsGroup.body.value("members").toArray().size(), 1);
    QCOMPARE(bobsGroup.body.value("members").toArray().first().toObject().value("role"),
             QJsonValue("owner"));
    const Answer pulled = send("GET", "/quillon/v1/sync/pull", token(bob));
    for (const QJsonValue &value : pulled.body.value("transactions").toArray())
        QVERIFY(!value.toObject().value("deleted_at").toString().isEmpty());
    QVERIFY(!pulled.body.value("transactions").toArray().isEmpty());
    QVERIFY(send("GET", "/quillon/v1/accounts/bob-acc/members", token(bob))
                .body.value("members")
                .toArray()
                .isEmpty());

    if (!m_server.usesPostgres()) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "deleted-user");
        db.setDatabaseName(QDir(m_server.dataPath()).filePath("quillon-server.db"));
        QVERIFY(db.open());
        for (const char *where : {"records WHERE owner_id = ?", "shares WHERE owner_id = ?",
                                  "shares WHERE member_id = ?", "revocations WHERE member_id = ?",
                                  "devices WHERE user_id = ?", "users WHERE user_id = ?",
                                  "invitations WHERE invited_by = ?"}) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT COUNT(*) FROM %1").arg(where));
            query.addBindValue(alice);
            QVERIFY2(query.exec() && query.next(), where);
            QVERIFY2(query.value(0).toInt() == 0, where);
        }
        db.close();
    }
    QSqlDatabase::removeDatabase("deleted-user");

    // An administrator may issue the id again: it starts from nothing.
    const QString again = token(alice);
    QVERIFY(!send("GET", "/profile", again).body.contains("group"));
    QVERIFY(send("GET", "/devices", again).body.value("devices").toArray().isEmpty());
    const Answer own = send("GET", "/quillon/v1/sync/pull", again);
    QCOMPARE(own.status, 200);
    QVERIFY(own.body.value("accounts").toArray().isEmpty());
    QVERIFY(own.body.value("transactions").toArray().isEmpty());
}

// Someone trying invitation codes is stopped after a few, and the right code then waits too.
void tst_AccountServer::codeGuessingIsHeldBack() {
    const QString owner = m_server.user("guess-owner");
    const QString guesser = token(m_server.user("guesser"));
    const QString code
        = send("POST", "/group/invite", token(owner)).body.value("invite_code").toString();
    QVERIFY(!code.isEmpty());
    for (int attempt = 0; attempt < AccountApi::JoinAttempts; ++attempt)
        QCOMPARE(send("POST", "/group/join/GUESS" + QString::number(attempt), guesser).status, 404);
    QCOMPARE(send("POST", "/group/join/" + code, guesser).status, 429);
    // Another user is not held back by the guesser.
    QCOMPARE(send("POST", "/group/join/" + code, token(m_server.user("guess-friend"))).status, 200);
    // The owner's token was made before the group: a fresh one carries it.
    QCOMPARE(send("GET", "/group", token(owner)).body.value("members").toArray().size(), 2);
}

// The program's account window, offscreen, as the server answers it: the profile, the
// devices and the sessions this user has there.
void tst_AccountServer::accountWindowShowsTheServersAnswers() {
    const QString user = m_server.user("window");
    const std::unique_ptr<TindAccount::Client> program
        = client(user, {"--email", user + "@example.org", "--name", "Wendy Window"});
    QCOMPARE(send("POST", "/devices/register", token(user),
                  R"({"device_fingerprint":"fp-window","device_name":"Kitchen laptop"})")
                 .status,
             200);
    AccountScreen screen(program.get());
    screen.show();
    screen.reload(); // as the main window does each time it shows the window
    const auto shown = [&screen](const QString &text) {
        for (const QLabel *label : screen.findChildren<QLabel *>()) {
            if (label->text().contains(text))
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(shown("Wendy Window"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(shown(user + "@example.org"), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(shown("Kitchen laptop"), 20000);
    // The sessions quillon-server token started for this user, the program's among them.
    QTRY_VERIFY_WITH_TIMEOUT(shown("quillon-server token"), 20000);
}

QTEST_MAIN(tst_AccountServer)
#include "tst_accountserver.moc"
