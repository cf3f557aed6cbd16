// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

using namespace TindAccount;

namespace {

// Auth and account service on one loopback server, as in a small deployment.
struct Harness {
    TestHttpServer server;
    TokenManager tokens{std::make_unique<MemoryTokenStore>()};
    ApiClient authApi{&tokens};
    ApiClient accountApi{&tokens};
    AuthClient auth{"http://unused", "tindral", "client", &authApi, &tokens};
    AccountClient account;
    QList<QUrl> opened;

    explicit Harness(const ClientConfig &config = defaultConfig())
        : account(&accountApi, &auth, config) {
        QVERIFY(server.listen());
        authApi.setBaseUrl(server.url("/auth"));
        accountApi.setBaseUrl(server.url("/account/v1"));
        tokens.setTokens(fakeJwtExpiringIn(3600), "R0");
        account.setUrlOpener([this](const QUrl &url) {
            opened.append(url);
            return true;
        });
    }

    static ClientConfig defaultConfig() {
        ClientConfig c;
        c.appId = "com.tindral.quillon";
        c.appName = "Tindral Quillon";
        c.appVersion = "1.0.3";
        c.portalUrl = "https://portal.example.test/account";
        return c;
    }
};

using Operation = std::function<void(AccountClient &, int &done)>;

} // namespace

class tst_AccountClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void requests_data();
    void requests();
    void parsesRecords();
    void failuresGiveEmptyRecords();
    void callbacksDieWithTheirReceiver();
    void groupChangesRefreshTheToken();
    void unsafeIdsSendNothing();
    void deviceRegistration();
    void accountPortal();
};

void tst_AccountClient::requests_data() {
    QTest::addColumn<Operation>("operation");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");

    const auto row = [](const char *name, Operation op, const char *method, const char *path,
                        const char *body = "") {
        QTest::addRow("%s", name) << op << QByteArray(method)
                                  << QStringLiteral("/account/v1") + QLatin1String(path)
                                  << QByteArray(body);
    };
    row(
        "getProfile",
        [](AccountClient &a, int &d) { a.getProfile([&d](const Profile &) { ++d; }); }, "GET",
        "/profile");
    row(
        "getGroup", [](AccountClient &a, int &d) { a.getGroup([&d](const Group &) { ++d; }); },
        "GET", "/group");
    row(
        "inviteByEmail",
        [](AccountClient &a, int &d) {
            a.inviteByEmail("b@example.test", [&d](const GroupInvitation &) { ++d; });
        },
        "POST", "/group/invite", R"({"email":"b@example.test"})");
    row(
        "generateInviteCode",
        [](AccountClient &a, int &d) {
            a.generateInviteCode([&d](const GroupInvitation &) { ++d; });
        },
        "POST", "/group/invite");
    row(
        "joinGroup", [](AccountClient &a, int &d) { a.joinGroup("K7Q2", [&d](bool) { ++d; }); },
        "POST", "/group/join/K7Q2");
    row(
        "leaveGroup", [](AccountClient &a, int &d) { a.leaveGroup(), ++d; }, "POST",
        "/group/leave");
    row(
        "removeMember", [](AccountClient &a, int &d) { a.removeMember("acc-2"), ++d; }, "DELETE",
        "/group/members/acc-2");
    row(
        "revokeInvitation", [](AccountClient &a, int &d) { a.revokeInvitation("inv-3"), ++d; },
        "DELETE", "/group/invitations/inv-3");
    row(
        "getDevices",
        [](AccountClient &a, int &d) { a.getDevices([&d](const QList<Device> &) { ++d; }); }, "GET",
        "/devices");
    row(
        "removeDevice", [](AccountClient &a, int &d) { a.removeDevice("dev-4"), ++d; }, "DELETE",
        "/devices/dev-4");
    row(
        "deleteAccount", [](AccountClient &a, int &d) { a.deleteAccount([&d](bool) { ++d; }); },
        "DELETE", "/profile");
}

void tst_AccountClient::requests() {
    QFETCH(Operation, operation);
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);

    Harness h;
    h.server.setHandler(
        [](const TestHttpServer::Request &) { return TestHttpServer::Response::json(200, {}); });
    int done = 0;
    operation(h.account, done);
    QTRY_COMPARE(done, 1);
    QVERIFY(h.server.waitForRequests(1));
    const auto &r = h.server.requests().first();
    QCOMPARE(r.method, method);
    QCOMPARE(r.path, path);
    QCOMPARE(r.body, body);
    QVERIFY(r.header("authorization").startsWith("Bearer "));
}

void tst_AccountClient::parsesRecords() {
    Harness h;
    h.server.setHandler([](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/profile"))
            return TestHttpServer::Response::json(
                200,
                {{"id", "p1"},
                 {"email", "a@example.test"},
                 {"created_at", "2025-01-02T03:04:05Z"},
                 {"group", QJsonObject{{"id", "g1"}, {"role", "owner"}, {"member_count", 3}}}});
        if (r.path.endsWith("/group"))
            return TestHttpServer::Response::json(
                200, {{"id", "g1"},
                      {"name", "Home"},
                      {"max_seats", 5},
                      {"members", QJsonArray{QJsonObject{{"account_id", "a1"}, {"role", "owner"}},
                                             QJsonObject{{"account_id", "a2"}, {"email", "b@x"}}}},
                      {"pending_invitations",
                       QJsonArray{QJsonObject{{"id", "i1"}, {"invite_code", "K7Q2"}}}}});
        return TestHttpServer::Response::json(
            200, {{"devices", QJsonArray{QJsonObject{{"id", "d1"},
                                                     {"device_name", "desk"},
                                                     {"last_sync_at", "2026-02-03T04:05:06Z"}}}}});
    });

    Profile profile;
    Group group;
    QList<Device> devices;
    h.account.getProfile([&](const Profile &p) { profile = p; });
    h.account.getGroup([&](const Group &g) { group = g; });
    h.account.getDevices([&](const QList<Device> &d) { devices = d; });
    QTRY_VERIFY(!profile.id.isEmpty() && !group.id.isEmpty() && !devices.isEmpty());

    QCOMPARE(profile.email, QStringLiteral("a@example.test"));
    QVERIFY(profile.createdAt.isValid());
    QVERIFY(profile.group.has_value());
    QCOMPARE(profile.group->role, QStringLiteral("owner"));
    QCOMPARE(profile.group->memberCount, 3);
    QCOMPARE(group.maxSeats, 5);
    QCOMPARE(group.members.size(), 2);
    QCOMPARE(group.members.at(1).email, QStringLiteral("b@x"));
    QCOMPARE(group.pendingInvitations.size(), 1);
    QCOMPARE(group.pendingInvitations.first().inviteCode, QStringLiteral("K7Q2"));
    QCOMPARE(devices.first().deviceName, QStringLiteral("desk"));
    QCOMPARE(devices.first().lastSyncAt, QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6), Qt::UTC));
}

void tst_AccountClient::failuresGiveEmptyRecords() {
    Harness h;
    h.server.setHandler([](const TestHttpServer::Request &) {
        // An error body shaped like a record must not leak into the result.
        return TestHttpServer::Response::json(500, {{"id", "x"}, {"devices", QJsonArray{1}}});
    });
    int calls = 0;
    h.account.getProfile([&](const Profile &p) { calls += p.id.isEmpty() && !p.group; });
    h.account.getGroup([&](const Group &g) { calls += g.id.isEmpty(); });
    h.account.inviteByEmail("b@x", [&](const GroupInvitation &i) { calls += i.id.isEmpty(); });
    h.account.getDevices([&](const QList<Device> &d) { calls += d.isEmpty(); });
    h.account.deleteAccount([&](bool ok) { calls += !ok; });
    h.account.joinGroup("K7Q2", [&](bool ok) { calls += !ok; });
    QTRY_COMPARE(calls, 6);
}

// A window closed before its reply came is never called back; one still open is.
void tst_AccountClient::callbacksDieWithTheirReceiver() {
    Harness h;
    h.server.setHandler([](const TestHttpServer::Request &) {
        return TestHttpServer::Response::json(200, {{"id", "g1"}});
    });
    auto closed = std::make_unique<QObject>();
    int closedCalls = 0;
    h.account.getGroup(closed.get(), [&](const Group &) { ++closedCalls; });
    closed.reset();
    QVERIFY(h.server.waitForRequests(1));
    QObject open;
    int openCalls = 0;
    h.account.getGroup(&open, [&](const Group &group) { openCalls += group.id == "g1"; });
    QTRY_COMPARE(openCalls, 1);
    QCOMPARE(closedCalls, 0);
}

void tst_AccountClient::groupChangesRefreshTheToken() {
    Harness h;
    const QString renewed = fakeJwtExpiringIn(
        3600,
        {{"custom", QJsonObject{{"tind", QJsonObject{{"group_id", "g1"}, {"role", "member"}}}}}});
    h.server.setHandler([&](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/auth/token/refresh"))
            return TestHttpServer::Response::json(
                200, {{"access_token", renewed}, {"refresh_token", "R1"}});
        return TestHttpServer::Response::json(200, {});
    });
    QSignalSpy changed(&h.account, &AccountClient::groupChanged);
    bool joined = false;
    h.account.joinGroup("K7Q2", [&](bool ok) {
        joined = ok;
        // Listeners see the renewed claims.
        QCOMPARE(h.tokens.accessToken(), renewed);
        QCOMPARE(changed.size(), 1);
    });
    QTRY_VERIFY(joined);

    h.account.leaveGroup();
    QTRY_COMPARE(changed.size(), 2);
    int refreshes = 0;
    for (const auto &r : h.server.requests())
        refreshes += r.path == "/auth/auth/token/refresh";
    QCOMPARE(refreshes, 2);

    h.account.removeMember("acc-2");
    QTRY_COMPARE(changed.size(), 3);
}

void tst_AccountClient::unsafeIdsSendNothing() {
    Harness h;
    QList<bool> results;
    // A typed code must not be able to reach another operation of the service.
    h.account.joinGroup("../leave", [&](bool ok) { results.append(ok); });
    h.account.joinGroup("", [&](bool ok) { results.append(ok); });
    h.account.removeDevice("a/b");
    h.account.removeMember("..");
    QCOMPARE(results, QList<bool>({false, false}));
    QTest::qWait(50);
    QVERIFY(h.server.requests().isEmpty());
}

void tst_AccountClient::deviceRegistration() {
    Harness h;
    h.server.setHandler(
        [](const TestHttpServer::Request &) { return TestHttpServer::Response::json(201, {}); });
    h.account.registerDevice();
    QVERIFY(h.server.waitForRequests(1));
    const auto &r = h.server.requests().first();
    QCOMPARE(r.method, QByteArray("POST"));
    QCOMPARE(r.path, QStringLiteral("/account/v1/devices/register"));

    const QJsonObject body = r.json();
    QCOMPARE(body.keys(), QStringList({"app_id", "app_version", "device_fingerprint", "device_name",
                                       "platform"}));
    QCOMPARE(body.value("device_name").toString(), QSysInfo::machineHostName());
#ifdef Q_OS_WIN
    QCOMPARE(body.value("platform").toString(), QStringLiteral("Windows"));
#elif defined(Q_OS_LINUX)
    QCOMPARE(body.value("platform").toString(), QStringLiteral("Linux"));
#endif
    QCOMPARE(body.value("app_id").toString(), QStringLiteral("com.tindral.quillon"));
    QCOMPARE(body.value("app_version").toString(), QStringLiteral("1.0.3"));

    const QString fingerprint = body.value("device_fingerprint").toString();
    const QByteArray machineId = QSysInfo::machineUniqueId();
    if (!machineId.isEmpty()) {
        QCOMPARE(fingerprint, QString::fromUtf8(machineId));
    } else {
        const QByteArray digest = QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(),
                                                           QCryptographicHash::Sha256);
        QCOMPARE(fingerprint, QString::fromLatin1(digest.toHex().left(32)));
    }
    QVERIFY(!fingerprint.isEmpty());
}

void tst_AccountClient::accountPortal() {
    Harness h;
    h.account.openAccountPortal();
    QCOMPARE(h.opened, QList<QUrl>({QUrl("https://portal.example.test/account")}));

    ClientConfig noPortal = Harness::defaultConfig();
    noPortal.portalUrl.clear();
    Harness without(noPortal);
    without.account.openAccountPortal();
    QVERIFY(without.opened.isEmpty());
}

QTEST_GUILESS_MAIN(tst_AccountClient)
#include "tst_accountclient.moc"
