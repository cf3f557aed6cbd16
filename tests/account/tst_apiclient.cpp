// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

using namespace TindAccount;

namespace {

struct Result {
    int calls = 0;
    bool ok = false;
    int status = -1;
    QJsonObject body;

    ResponseCallback callback() {
        return [this](bool o, int s, const QJsonObject &b) {
            ++calls;
            ok = o;
            status = s;
            body = b;
        };
    }
};

// The frame as the client builds it: one token manager, the refresh exchange of the auth
// client, and an API client on the loopback server.
struct Harness {
    TestHttpServer server;
    TokenManager tokens{std::make_unique<MemoryTokenStore>()};
    ApiClient api{&tokens};
    AuthClient auth{"http://unused", "tindral", "client", &api, &tokens};

    Harness() {
        QVERIFY(server.listen());
        api.setBaseUrl(server.url("/api/v1"));
        api.setClientInfo("com.tindral.quillon", "1.0.3", "linux");
    }

    int requestsTo(const QString &path) const {
        int count = 0;
        for (const auto &r : server.requests())
            count += r.path == path;
        return count;
    }
};

enum Call { Get, GetUnauth, Post, PostUnauth, Patch, Delete };

} // namespace

class tst_ApiClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void frame_data();
    void frame();
    void urlJoining_data();
    void urlJoining();
    void statusAndBody_data();
    void statusAndBody();
    void closedPortIsNetworkError();
    void unknownMethodSendsNothing();
    void stalledServerTimesOut();
    void tokenStaysWithItsOrigin_data();
    void tokenStaysWithItsOrigin();

    void staleTokenRefreshesOnceForAllWaiting();
    void secondUnauthorizedIsReported();
    void refreshRejected();
    void refreshReplyWithoutRefreshToken();
    void refreshReplyWithoutAccessTokenFails();
    void nothingHeldSendsWithoutAuthorization();
};

void tst_ApiClient::frame_data() {
    QTest::addColumn<int>("call");
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("authorized");

    QTest::addRow("get") << int(Get) << QByteArray("GET") << QByteArray() << true;
    QTest::addRow("get unauthenticated")
        << int(GetUnauth) << QByteArray("GET") << QByteArray() << false;
    QTest::addRow("post") << int(Post) << QByteArray("POST") << QByteArray(R"({"a":1})") << true;
    QTest::addRow("post unauthenticated")
        << int(PostUnauth) << QByteArray("POST") << QByteArray(R"({"a":1})") << false;
    QTest::addRow("patch") << int(Patch) << QByteArray("PATCH") << QByteArray(R"({"a":1})") << true;
    QTest::addRow("delete") << int(Delete) << QByteArray("DELETE") << QByteArray() << true;
}

void tst_ApiClient::frame() {
    QFETCH(int, call);
    QFETCH(QByteArray, method);
    QFETCH(QByteArray, body);
    QFETCH(bool, authorized);

    Harness h;
    const QString token = fakeJwtExpiringIn(3600);
    h.tokens.setTokens(token, "r1");
    h.server.setHandler([](const TestHttpServer::Request &) {
        return TestHttpServer::Response::json(201, {{"id", "x1"}});
    });

    Result result;
    const QJsonObject object{{"a", 1}};
    switch (Call(call)) {
    case Get:
        h.api.get("/items", result.callback());
        break;
    case GetUnauth:
        h.api.getUnauthenticated("/items", result.callback());
        break;
    case Post:
        h.api.post("/items", object, result.callback());
        break;
    case PostUnauth:
        h.api.postUnauthenticated("/items", object, result.callback());
        break;
    case Patch:
        h.api.patch("/items", object, result.callback());
        break;
    case Delete:
        h.api.deleteRequest("/items", result.callback());
        break;
    }
    QTRY_COMPARE(result.calls, 1);
    QVERIFY(result.ok);
    QCOMPARE(result.status, 201);
    QCOMPARE(result.body, QJsonObject({{"id", "x1"}}));

    QCOMPARE(h.server.requests().size(), 1);
    const auto &r = h.server.requests().first();
    QCOMPARE(r.method, method);
    QCOMPARE(r.path, QStringLiteral("/api/v1/items"));
    QCOMPARE(r.body, body);
    QCOMPARE(r.header("content-type"), QByteArray("application/json"));
    QCOMPARE(r.header("accept"), QByteArray("application/json"));
    QCOMPARE(r.header("x-app-id"), QByteArray("com.tindral.quillon"));
    QCOMPARE(r.header("x-app-version"), QByteArray("1.0.3"));
    QCOMPARE(r.header("x-platform"), QByteArray("linux"));
    QCOMPARE(r.header("authorization"), authorized ? "Bearer " + token.toLatin1() : QByteArray());
}

void tst_ApiClient::urlJoining_data() {
    QTest::addColumn<QString>("basePath");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expectedPath");

    QTest::addRow("no base path") << ""
                                  << "/sync/pull"
                                  << ""
                                  << "/sync/pull";
    QTest::addRow("base path") << "/quillon/v1"
                               << "/sync/pull"
                               << ""
                               << "/quillon/v1/sync/pull";
    QTest::addRow("encoded base path") << "/a%20b"
                                       << "/c d"
                                       << ""
                                       << "/a b/c d";
    QTest::addRow("query") << "/quillon/v1"
                           << "/sync/pull"
                           << "since=2024-05-01T10:00:00Z"
                           << "/quillon/v1/sync/pull";
}

void tst_ApiClient::urlJoining() {
    QFETCH(QString, basePath);
    QFETCH(QString, path);
    QFETCH(QString, query);
    QFETCH(QString, expectedPath);

    Harness h;
    h.api.setBaseUrl(QUrl(h.server.url().toString() + basePath));
    h.server.setHandler(
        [](const TestHttpServer::Request &) { return TestHttpServer::Response::json(200, {}); });
    Result result;
    QUrlQuery q;
    if (!query.isEmpty()) {
        q.addQueryItem("since", query.section('=', 1));
        q.addQueryItem("limit", "200");
    }
    h.api.get(path, result.callback(), q);
    QTRY_COMPARE(result.calls, 1);
    QCOMPARE(h.server.requests().first().path, expectedPath);
    if (!query.isEmpty()) {
        QCOMPARE(h.server.requests().first().query.queryItemValue("since"), query.section('=', 1));
        QCOMPARE(h.server.requests().first().query.queryItemValue("limit"), QStringLiteral("200"));
    } else {
        QVERIFY(h.server.requests().first().query.isEmpty());
    }
}

void tst_ApiClient::statusAndBody_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QJsonObject>("body");

    QTest::addRow("404 with JSON") << 404 << QByteArray(R"({"error":"no such item"})") << false
                                   << QJsonObject{{"error", "no such item"}};
    QTest::addRow("500 not JSON") << 500 << QByteArray("<html>oops</html>") << false
                                  << QJsonObject();
    QTest::addRow("200 array") << 200 << QByteArray("[1,2]") << true << QJsonObject();
    QTest::addRow("204 empty") << 204 << QByteArray() << true << QJsonObject();
    QTest::addRow("299 is success")
        << 299 << QByteArray(R"({"k":true})") << true << QJsonObject{{"k", true}};
    QTest::addRow("300 is not") << 300 << QByteArray("{}") << false << QJsonObject();
}

void tst_ApiClient::statusAndBody() {
    QFETCH(int, status);
    QFETCH(QByteArray, reply);

    Harness h;
    h.server.setHandler([&](const TestHttpServer::Request &) {
        return TestHttpServer::Response::text(status, reply, "application/json");
    });
    QSignalSpy networkErrors(&h.api, &ApiClient::networkError);
    Result result;
    h.api.getUnauthenticated("/thing", result.callback());
    QTRY_COMPARE(result.calls, 1);
    QTEST(result.ok, "ok");
    QCOMPARE(result.status, status);
    QTEST(result.body, "body");
    QCOMPARE(networkErrors.size(), 0);
}

void tst_ApiClient::closedPortIsNetworkError() {
    quint16 port = 0;
    {
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost));
        port = probe.serverPort();
    }
    TokenManager tokens(std::make_unique<MemoryTokenStore>());
    ApiClient api(&tokens);
    api.setBaseUrl(QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)));
    QSignalSpy networkErrors(&api, &ApiClient::networkError);
    Result result;
    api.get("/x", result.callback());
    QTRY_COMPARE(result.calls, 1);
    QCOMPARE(result.ok, false);
    QCOMPARE(result.status, 0);
    QVERIFY(result.body.isEmpty());
    QCOMPARE(networkErrors.size(), 1);
    QVERIFY(!networkErrors.first().first().toString().isEmpty());
}

void tst_ApiClient::stalledServerTimesOut() {
    Harness h;
    QCOMPARE(h.api.transferTimeout(), 30000);
    h.server.setHandler([](const TestHttpServer::Request &) {
        TestHttpServer::Response response = TestHttpServer::Response::json(200, {});
        response.delayMs = 60000; // accepts and never answers within the test
        return response;
    });
    h.api.setTransferTimeout(200);
    QSignalSpy networkErrors(&h.api, &ApiClient::networkError);
    Result result;
    h.api.get("/slow", result.callback());
    QTRY_COMPARE_WITH_TIMEOUT(result.calls, 1, 5000);
    QCOMPARE(result.ok, false);
    QCOMPARE(result.status, 0);
    QCOMPARE(networkErrors.size(), 1);
}

// A redirect keeps the request's headers; the bearer token must not reach another origin
// (another port on the same host is another origin). Without a token the redirect is followed.
void tst_ApiClient::tokenStaysWithItsOrigin_data() {
    QTest::addColumn<bool>("sameOrigin");
    QTest::addColumn<bool>("withToken");
    QTest::addRow("other origin, token") << false << true;
    QTest::addRow("other origin, no token") << false << false;
    QTest::addRow("same origin, token") << true << true;
}

void tst_ApiClient::tokenStaysWithItsOrigin() {
    QFETCH(bool, sameOrigin);
    QFETCH(bool, withToken);
    Harness h;
    TestHttpServer elsewhere;
    QVERIFY(elsewhere.listen());
    const auto answer = [](const TestHttpServer::Request &) {
        return TestHttpServer::Response::json(200, {{"landed", true}});
    };
    elsewhere.setHandler(answer);
    const QUrl target = sameOrigin ? h.server.url("/api/v1/moved") : elsewhere.url("/moved");
    h.server.setHandler([&](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/moved"))
            return answer(r);
        TestHttpServer::Response response = TestHttpServer::Response::json(302, {});
        response.headers.append({"Location", target.toEncoded()});
        return response;
    });
    const QString token = fakeJwtExpiringIn(3600);
    if (withToken)
        h.tokens.setTokens(token, "r1");

    Result result;
    h.api.get("/start", result.callback());
    QTRY_COMPARE(result.calls, 1);
    for (const TestHttpServer::Request &r : elsewhere.requests())
        QVERIFY(r.header("authorization").isEmpty());
    if (sameOrigin) {
        QVERIFY(result.ok);
        QCOMPARE(h.server.requests().last().header("authorization"), "Bearer " + token.toLatin1());
    } else if (withToken) {
        QVERIFY(!result.ok);
        QVERIFY(elsewhere.requests().isEmpty());
    } else {
        QVERIFY(result.ok);
        QCOMPARE(elsewhere.requests().size(), 1);
    }
}

void tst_ApiClient::unknownMethodSendsNothing() {
    Harness h;
    for (const QByteArray &method : {QByteArray("OPTIONS"), QByteArray("get")}) {
        Result result;
        h.api.sendRequest(method, "/x", {}, result.callback(), {}, true);
        QCOMPARE(result.calls, 1); // at once, not through the event loop
        QCOMPARE(result.ok, false);
        QCOMPARE(result.status, 0);
    }
    QTest::qWait(50);
    QVERIFY(h.server.requests().isEmpty());
}

void tst_ApiClient::staleTokenRefreshesOnceForAllWaiting() {
    Harness h;
    h.tokens.setTokens(fakeJwtExpiringIn(10), "r1");
    const QString fresh = fakeJwtExpiringIn(3600);
    h.server.setHandler([&](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/auth/token/refresh")) {
            auto response = TestHttpServer::Response::json(
                200, {{"access_token", fresh}, {"refresh_token", "r2"}});
            response.delayMs = 100; // let all three requests queue up behind it
            return response;
        }
        return TestHttpServer::Response::json(200, {{"path", r.path}});
    });

    Result a, b, c;
    h.api.get("/a", a.callback());
    h.api.post("/b", {{"n", 1}}, b.callback());
    h.api.deleteRequest("/c", c.callback());
    QTRY_VERIFY(a.calls == 1 && b.calls == 1 && c.calls == 1);
    QVERIFY(a.ok && b.ok && c.ok);

    QCOMPARE(h.requestsTo("/api/v1/auth/token/refresh"), 1);
    const auto &refresh = h.server.requests().first();
    QCOMPARE(refresh.path, QStringLiteral("/api/v1/auth/token/refresh"));
    QCOMPARE(refresh.json(), QJsonObject({{"refresh_token", "r1"}}));
    QVERIFY(refresh.header("authorization").isEmpty());
    QCOMPARE(h.server.requests().size(), 4);
    for (int i = 1; i < 4; ++i)
        QCOMPARE(h.server.requests().at(i).header("authorization"), "Bearer " + fresh.toLatin1());
    QCOMPARE(h.tokens.currentRefreshToken(), QStringLiteral("r2"));
}

void tst_ApiClient::secondUnauthorizedIsReported() {
    Harness h;
    h.tokens.setTokens(fakeJwtExpiringIn(3600), "r1");
    const QString fresh = fakeJwtExpiringIn(3600, {{"n", 2}});
    int attempts = 0;
    h.server.setHandler([&](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/auth/token/refresh"))
            return TestHttpServer::Response::json(
                200, {{"access_token", fresh}, {"refresh_token", "r2"}});
        ++attempts;
        return TestHttpServer::Response::json(401, {{"error", "denied"}, {"attempt", attempts}});
    });
    QSignalSpy authRequired(&h.api, &ApiClient::authenticationRequired);
    Result result;
    h.api.get("/me", result.callback());
    QTRY_COMPARE(result.calls, 1);
    QTest::qWait(50); // nothing further may follow
    QCOMPARE(result.ok, false);
    QCOMPARE(result.status, 401);
    QCOMPARE(result.body, QJsonObject({{"error", "denied"}, {"attempt", 2}}));
    QCOMPARE(h.requestsTo("/api/v1/auth/token/refresh"), 1);
    QCOMPARE(h.requestsTo("/api/v1/me"), 2);
    QCOMPARE(h.server.requests().last().header("authorization"), "Bearer " + fresh.toLatin1());
    QCOMPARE(authRequired.size(), 0);
}

void tst_ApiClient::refreshRejected() {
    Harness h;
    h.tokens.setTokens(fakeJwtExpiringIn(-5), "r1");
    h.server.setHandler([](const TestHttpServer::Request &) {
        return TestHttpServer::Response::json(401, {{"error", "invalid_grant"}});
    });
    QSignalSpy authRequired(&h.api, &ApiClient::authenticationRequired);
    Result first, second;
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed for GET /api/v1/a");
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed for GET /api/v1/b");
    h.api.get("/a", first.callback());
    h.api.get("/b", second.callback());
    QTRY_VERIFY(first.calls == 1 && second.calls == 1);
    QCOMPARE(first.status, 401);
    QCOMPARE(second.status, 401);
    QVERIFY(first.body.isEmpty());
    QCOMPARE(authRequired.size(), 2);
    QCOMPARE(h.server.requests().size(), 1);                        // only the refresh went out
    QCOMPARE(h.tokens.currentRefreshToken(), QStringLiteral("r1")); // kept for the caller to decide
}

void tst_ApiClient::refreshReplyWithoutRefreshToken() {
    Harness h;
    h.tokens.setTokens(QString(), "r1");
    const QString fresh = fakeJwtExpiringIn(3600);
    h.server.setHandler([&](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/auth/token/refresh"))
            return TestHttpServer::Response::json(200, {{"access_token", fresh}});
        return TestHttpServer::Response::json(200, {});
    });
    Result result;
    h.api.get("/a", result.callback());
    QTRY_COMPARE(result.calls, 1);
    QVERIFY(result.ok);
    QCOMPARE(h.tokens.accessToken(), fresh);
    QVERIFY(h.tokens.currentRefreshToken().isEmpty());
    QCOMPARE(h.tokens.store()->load(TokenStore::RefreshTokenKey), std::optional<QString>(""));
}

void tst_ApiClient::refreshReplyWithoutAccessTokenFails() {
    Harness h;
    h.tokens.setTokens(QString(), "r1");
    h.server.setHandler([](const TestHttpServer::Request &) {
        return TestHttpServer::Response::json(200, {{"refresh_token", "r2"}});
    });
    QTest::ignoreMessage(QtWarningMsg, "ApiClient: token refresh failed for GET /api/v1/a");
    Result result;
    h.api.get("/a", result.callback());
    QTRY_COMPARE(result.calls, 1);
    QCOMPARE(result.status, 401);
    QCOMPARE(h.tokens.currentRefreshToken(), QStringLiteral("r1"));
}

void tst_ApiClient::nothingHeldSendsWithoutAuthorization() {
    Harness h;
    h.server.setHandler(
        [](const TestHttpServer::Request &) { return TestHttpServer::Response::json(200, {}); });
    Result result;
    h.api.get("/public", result.callback());
    QTRY_COMPARE(result.calls, 1);
    QCOMPARE(h.server.requests().size(), 1);
    QVERIFY(h.server.requests().first().header("authorization").isEmpty());
}

QTEST_GUILESS_MAIN(tst_ApiClient)
#include "tst_apiclient.moc"
