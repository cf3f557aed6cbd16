// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "account/webauthhandler.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

using namespace TindAccount;

namespace {

struct Harness {
    TestHttpServer server;
    MemoryTokenStore *store; // Not owned: the token manager has it.
    TokenManager tokens;
    ApiClient api{&tokens};
    AuthClient auth{"https://auth.example.test", "tindral", "0123456789abcdef0123456789abcdef",
                    &api, &tokens};
    QList<QUrl> opened;

    Harness()
        : store(new MemoryTokenStore)
        , tokens(std::unique_ptr<TokenStore>(store)) {
        QVERIFY(server.listen());
        api.setBaseUrl(server.url("/api/v1/realms/tindral"));
        auth.setUrlOpener([this](const QUrl &url) {
            opened.append(url);
            return true;
        });
    }

    // The redirect port the last login URL names.
    quint16 redirectPort() const {
        const QUrl redirect(
            QUrlQuery(opened.last()).queryItemValue("redirect_uri", QUrl::FullyDecoded));
        return quint16(redirect.port());
    }
    // What the last login URL carried for the server.
    QString sent(const char *name) const {
        return QUrlQuery(opened.last()).queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
    }
};

QString s256(const QString &verifier) {
    return QString::fromLatin1(
        QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// What a browser sends to the loopback listener; the reply it gets back.
QByteArray browse(quint16 port, const QByteArray &target, bool splitRequestLine = false) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(3000))
        return QByteArray();
    const QByteArray request = "GET " + target + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
    if (splitRequestLine) {
        socket.write(request.left(20));
        socket.flush();
        QTest::qWait(100);
        socket.write(request.mid(20));
    } else {
        socket.write(request);
    }
    QByteArray reply;
    QDeadlineTimer deadline(5000);
    while (socket.state() != QAbstractSocket::UnconnectedState && !deadline.hasExpired()) {
        QTest::qWait(5);
        reply += socket.readAll();
    }
    return reply + socket.readAll();
}

bool portIsFree(quint16 port) {
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, port);
}

} // namespace

class tst_AuthClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void loginUrlAndListener();
    void loginWhenPreferredPortTaken();
    void redirect_data();
    void redirect();
    void signInWhileSignedIn();
    void logout_data();
    void logout();
    void startup_data();
    void startup();
    void explicitRefreshFailure_data();
    void explicitRefreshFailure();
    void refusalAfterNewerSignIn();
    void userCalls();
};

void tst_AuthClient::loginUrlAndListener() {
    if (!portIsFree(WebAuthHandler::PreferredPort))
        QSKIP("port 19876 is held by another program");
    Harness h;
    QSignalSpy states(&h.auth, &AuthClient::stateChanged);
    h.auth.login();
    QCOMPARE(h.opened.size(), 1);
    const QString url = h.opened.first().toString(QUrl::FullyEncoded);
    QVERIFY2(url.startsWith(QStringLiteral("https://auth.example.test/tindral/account/login"
                                           "?client_id=0123456789abcdef0123456789abcdef"
                                           "&redirect_uri=http%3A%2F%2Flocalhost%3A19876%2Fcallback"
                                           "&state=")),
             qPrintable(url));
    QCOMPARE(h.sent("code_challenge_method"), QStringLiteral("S256"));
    const QString state = h.sent("state");
    const QString challenge = h.sent("code_challenge");
    // 32 random bytes and a SHA-256, base64url without padding.
    const QRegularExpression base64url(QStringLiteral("^[A-Za-z0-9_-]{43}$"));
    QVERIFY2(base64url.match(state).hasMatch(), qPrintable(state));
    QVERIFY2(base64url.match(challenge).hasMatch(), qPrintable(challenge));
    QVERIFY(!portIsFree(WebAuthHandler::PreferredPort));
    QCOMPARE(states.size(), 0);
    QCOMPARE(h.auth.state(), AuthState::Initial);
}

void tst_AuthClient::loginWhenPreferredPortTaken() {
    QTcpServer squatter;
    squatter.listen(QHostAddress::LocalHost, WebAuthHandler::PreferredPort); // may already be taken
    Harness h;
    h.auth.login();
    QCOMPARE(h.opened.size(), 1);
    const quint16 port = h.redirectPort();
    QVERIFY(port != 0 && port != WebAuthHandler::PreferredPort);
    QVERIFY(
        h.opened.first()
            .toString(QUrl::FullyEncoded)
            .contains(
                QStringLiteral("&redirect_uri=http%3A%2F%2Flocalhost%3A%1%2Fcallback&").arg(port)));

    // A second attempt while the first still listens gets a port and secrets of its own.
    const QString state = h.sent("state");
    const QString challenge = h.sent("code_challenge");
    h.auth.login();
    QCOMPARE(h.opened.size(), 2);
    QVERIFY(h.redirectPort() != port);
    QVERIFY(h.sent("state") != state);
    QVERIFY(h.sent("code_challenge") != challenge);
}

// In a target, STATE stands for the state the login URL sent and A for a good access token.
// tokenStatus is the server's answer to the code exchange, 0 when it must not be asked.
void tst_AuthClient::redirect_data() {
    QTest::addColumn<QByteArray>("target");
    QTest::addColumn<bool>("split");
    QTest::addColumn<int>("tokenStatus");
    QTest::addColumn<QString>("error"); // empty: signed in

    QTest::addRow("code") << QByteArray("/callback?code=C1&state=STATE") << false << 200
                          << QString();
    QTest::addRow("code, request line in two pieces")
        << QByteArray("/callback?code=C1&state=STATE") << true << 200 << QString();
    QTest::addRow("code the server refuses") << QByteArray("/callback?code=C1&state=STATE") << false
                                             << 400 << QStringLiteral("Code exchange failed");
    QTest::addRow("code without state")
        << QByteArray("/callback?code=C1") << false << 0 << QStringLiteral("State mismatch");
    QTest::addRow("code with another state") << QByteArray("/callback?code=C1&state=STATEx")
                                             << false << 0 << QStringLiteral("State mismatch");
    QTest::addRow("code with a forged state as long as the real one")
        << QByteArray("/callback?code=C1&state=FORGED") << false << 0
        << QStringLiteral("State mismatch");
    QTest::addRow("tokens in the query")
        << QByteArray("/callback?access_token=A&refresh_token=R&state=STATE") << false << 0
        << QString();
    QTest::addRow("tokens in the fragment")
        << QByteArray("/callback#access_token=A&refresh_token=R&state=STATE") << false << 0
        << QString();
    QTest::addRow("planted tokens without state")
        << QByteArray("/callback?access_token=A&refresh_token=R") << false << 0
        << QStringLiteral("State mismatch");
    QTest::addRow("state in the query, tokens in the fragment")
        << QByteArray("/callback?state=x#access_token=A&refresh_token=R&state=STATE") << false << 0
        << QString();
    QTest::addRow("only an access token") << QByteArray("/callback?access_token=A&state=STATE")
                                          << false << 0 << QStringLiteral("No tokens received");
    QTest::addRow("error redirect") << QByteArray("/callback?error=access_denied&state=STATE")
                                    << false << 0 << QStringLiteral("No tokens received");
    QTest::addRow("site icon first")
        << QByteArray("/favicon.ico") << false << 0 << QStringLiteral("State mismatch");
}

void tst_AuthClient::redirect() {
    QFETCH(QByteArray, target);
    QFETCH(bool, split);
    QFETCH(int, tokenStatus);
    QFETCH(QString, error);

    Harness h;
    const QString access = fakeJwtExpiringIn(3600);
    QString verifierSeen;
    h.server.setHandler([&](const TestHttpServer::Request &request) {
        const QJsonObject body = request.json();
        verifierSeen = body.value("code_verifier").toString();
        if (tokenStatus != 200 || request.path != "/api/v1/realms/tindral/auth/token"
            || body.value("code").toString() != "C1"
            || body.value("grant_type").toString() != "authorization_code"
            || s256(verifierSeen) != h.sent("code_challenge")
            || body.value("redirect_uri").toString() != h.sent("redirect_uri"))
            return TestHttpServer::Response::json(400, {{"error", "invalid_grant"}});
        return TestHttpServer::Response::json(200,
                                              {{"access_token", access}, {"refresh_token", "R"}});
    });
    QSignalSpy succeeded(&h.auth, &AuthClient::loginSucceeded);
    QSignalSpy failed(&h.auth, &AuthClient::loginFailed);
    QSignalSpy states(&h.auth, &AuthClient::stateChanged);
    h.auth.login();
    const quint16 port = h.redirectPort();
    target.replace("STATE", h.sent("state").toLatin1());
    target.replace("FORGED", QByteArray(h.sent("state").size(), 'A'));
    target.replace("access_token=A", "access_token=" + access.toLatin1());
    const QPointer<WebAuthHandler> handler = h.auth.findChild<WebAuthHandler *>();
    QVERIFY(handler);

    const QByteArray reply = browse(port, target, split);
    QVERIFY(reply.contains("Connection: close\r\n"));
    if (error == "State mismatch") {
        QVERIFY2(reply.startsWith("HTTP/1.1 400 Bad Request\r\n"), reply.constData());
        QVERIFY(reply.contains("<h2>Sign-in refused</h2>"));
    } else {
        QVERIFY2(reply.startsWith("HTTP/1.1 200 OK\r\n"), reply.constData());
        QVERIFY(reply.contains("<h2>Authentication complete!</h2>"));
    }
    QTRY_COMPARE(succeeded.size() + failed.size(), 1);
    QCOMPARE(h.server.requests().size(), tokenStatus ? 1 : 0);
    if (tokenStatus) // the verifier itself never travels before the exchange
        QVERIFY(!verifierSeen.isEmpty() && !h.opened.last().toString().contains(verifierSeen));

    if (error.isEmpty()) {
        QCOMPARE(succeeded.size(), 1);
        QCOMPARE(h.auth.state(), AuthState::SignedIn);
        QCOMPARE(states.size(), 1);
        QCOMPARE(h.store->load(TokenStore::AccessTokenKey), std::optional<QString>(access));
        QCOMPARE(h.store->load(TokenStore::RefreshTokenKey), std::optional<QString>("R"));
    } else {
        QCOMPARE(failed.first().first().toString(), error);
        QCOMPARE(h.auth.state(), AuthState::Initial);
        QCOMPARE(states.size(), 0);
        QVERIFY(!h.store->load(TokenStore::AccessTokenKey));
    }
    // The first request ends the attempt: the listener is gone.
    QTRY_VERIFY(!handler);
    QTcpSocket late;
    late.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(!late.waitForConnected(500));
}

void tst_AuthClient::signInWhileSignedIn() {
    Harness h;
    h.tokens.setTokens(fakeJwtExpiringIn(3600), "R0");
    h.auth.initialize();
    QCOMPARE(h.auth.state(), AuthState::SignedIn);
    QSignalSpy succeeded(&h.auth, &AuthClient::loginSucceeded);
    QSignalSpy states(&h.auth, &AuthClient::stateChanged);
    h.auth.login();
    browse(h.redirectPort(), "/callback?access_token=" + fakeJwtExpiringIn(7200).toLatin1()
                                 + "&refresh_token=R1&state=" + h.sent("state").toLatin1());
    QTRY_COMPARE(succeeded.size(), 1);
    QCOMPARE(states.size(), 0);
    QCOMPARE(h.tokens.currentRefreshToken(), QStringLiteral("R1"));
}

void tst_AuthClient::logout_data() {
    QTest::addColumn<bool>("serverUp");
    QTest::addColumn<bool>("tokenValid");

    QTest::addRow("server up") << true << true;
    QTest::addRow("server down") << false << true;
    QTest::addRow("nearly expired token") << true << false;
}

void tst_AuthClient::logout() {
    QFETCH(bool, serverUp);
    QFETCH(bool, tokenValid);

    Harness h;
    const QString access = fakeJwtExpiringIn(tokenValid ? 3600 : 20);
    h.tokens.setTokens(access, "R0");
    h.server.setHandler([&](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/auth/token/refresh"))
            return TestHttpServer::Response::json(
                200, {{"access_token", fakeJwtExpiringIn(3600)}, {"refresh_token", "R9"}});
        return TestHttpServer::Response::json(tokenValid ? 204 : 401, {});
    });
    if (!serverUp)
        h.server.close();
    h.auth.initialize();
    QTRY_COMPARE(h.auth.state(), AuthState::SignedIn);
    h.tokens.setTokens(access, "R0"); // the start-up refresh may have replaced them
    h.server.clearRequests();

    QSignalSpy completed(&h.auth, &AuthClient::logoutCompleted);
    QSignalSpy networkErrors(&h.api, &ApiClient::networkError);
    h.auth.logout();
    // Signed out at once, whatever the server does.
    QCOMPARE(completed.size(), 1);
    QCOMPARE(h.auth.state(), AuthState::SignedOut);
    QVERIFY(!h.store->load(TokenStore::AccessTokenKey));
    QVERIFY(!h.store->load(TokenStore::RefreshTokenKey));

    if (serverUp) {
        // A nearly expired token is swapped for a fresh one first, used for the logout only.
        const int expected = tokenValid ? 1 : 2;
        QVERIFY(h.server.waitForRequests(expected));
        QTest::qWait(100);
        QCOMPARE(h.server.requests().size(), expected);
        if (!tokenValid) {
            const auto &refresh = h.server.requests().first();
            QCOMPARE(refresh.path, QStringLiteral("/api/v1/realms/tindral/auth/token/refresh"));
            QCOMPARE(refresh.json().value("refresh_token").toString(), QStringLiteral("R0"));
        }
        const auto &r = h.server.requests().last();
        QCOMPARE(r.method, QByteArray("POST"));
        QCOMPARE(r.path, QStringLiteral("/api/v1/realms/tindral/auth/logout"));
        QVERIFY(r.header("authorization").startsWith("Bearer "));
        if (tokenValid)
            QCOMPARE(r.header("authorization"), "Bearer " + access.toLatin1());
        else
            QVERIFY(r.header("authorization") != "Bearer " + access.toLatin1());
        // The fresh tokens did not bring the session back.
        QVERIFY(h.tokens.accessToken().isEmpty());
        QCOMPARE(h.auth.state(), AuthState::SignedOut);
    } else {
        QTRY_COMPARE(networkErrors.size(), 1);
    }
    QVERIFY(h.tokens.currentRefreshToken().isEmpty());
    QVERIFY(!h.store->load(TokenStore::RefreshTokenKey));
}

void tst_AuthClient::startup_data() {
    QTest::addColumn<qint64>("accessExpiresIn"); // 0: no access token
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<int>("refreshStatus");
    QTest::addColumn<AuthState>("state");
    QTest::addColumn<int>("requests");

    QTest::addRow("valid token") << qint64(3600) << "R0" << 200 << AuthState::SignedIn << 0;
    QTest::addRow("expired, refresh accepted")
        << qint64(-60) << "R0" << 200 << AuthState::SignedIn << 1;
    QTest::addRow("expired, refresh rejected")
        << qint64(-60) << "R0" << 401 << AuthState::SignedOut << 1;
    QTest::addRow("nothing stored") << qint64(0) << "" << 200 << AuthState::SignedOut << 0;
}

void tst_AuthClient::startup() {
    QFETCH(qint64, accessExpiresIn);
    QFETCH(QString, refresh);
    QFETCH(int, refreshStatus);
    QFETCH(int, requests);

    Harness h;
    const QString access = accessExpiresIn ? fakeJwtExpiringIn(accessExpiresIn) : QString();
    if (!access.isEmpty())
        h.store->save(TokenStore::AccessTokenKey, access);
    if (!refresh.isEmpty())
        h.store->save(TokenStore::RefreshTokenKey, refresh);
    h.server.setHandler([&](const TestHttpServer::Request &) {
        if (refreshStatus != 200)
            return TestHttpServer::Response::json(refreshStatus, {{"error", "invalid_grant"}});
        return TestHttpServer::Response::json(
            200, {{"access_token", fakeJwtExpiringIn(3600)}, {"refresh_token", "R1"}});
    });

    QSignalSpy states(&h.auth, &AuthClient::stateChanged);
    h.auth.initialize();
    QTRY_COMPARE(states.size(), 1);
    QTEST(h.auth.state(), "state");
    QCOMPARE(h.server.requests().size(), requests);
    if (refreshStatus != 200) {
        // A rejected start-up refresh leaves the stored sign-in for an explicit decision.
        QCOMPARE(h.store->load(TokenStore::AccessTokenKey), std::optional<QString>(access));
        QCOMPARE(h.store->load(TokenStore::RefreshTokenKey), std::optional<QString>(refresh));
    }
}

void tst_AuthClient::explicitRefreshFailure_data() {
    QTest::addColumn<int>("status"); // 0: the server is down
    QTest::addColumn<bool>("keepsTokens");

    QTest::addRow("unauthorized") << 401 << false;
    QTest::addRow("bad request") << 400 << false;
    // Anything short of a refusal says nothing about the tokens: the sign-in stays.
    QTest::addRow("no answer") << 0 << true;
    QTest::addRow("server error") << 500 << true;
    QTest::addRow("unavailable") << 503 << true;
    QTest::addRow("forbidden") << 403 << true;
}

void tst_AuthClient::explicitRefreshFailure() {
    QFETCH(int, status);
    QFETCH(bool, keepsTokens);

    Harness h;
    h.server.setHandler([status](const TestHttpServer::Request &) {
        return TestHttpServer::Response::json(status, {});
    });
    const QString access = fakeJwtExpiringIn(3600);
    h.tokens.setTokens(access, "R0");
    h.auth.initialize();
    QCOMPARE(h.auth.state(), AuthState::SignedIn);
    if (status == 0)
        h.server.close();

    int calls = 0;
    bool result = true;
    if (keepsTokens)
        QTest::ignoreMessage(QtWarningMsg, "AuthClient: token refresh failed without a refusal; "
                                           "keeping the stored sign-in");
    h.auth.refreshToken([&](bool ok) {
        ++calls;
        result = ok;
    });
    QTRY_COMPARE(calls, 1);
    QVERIFY(!result);
    QCOMPARE(h.auth.state(), keepsTokens ? AuthState::SignedIn : AuthState::SignedOut);
    QCOMPARE(h.store->load(TokenStore::RefreshTokenKey).has_value(), keepsTokens);
    QCOMPARE(h.tokens.accessToken(), keepsTokens ? access : QString());
}

// The user signs in again while a refresh of the old tokens is on its way; its refusal
// concerns tokens that are gone and must not sign the new session out.
void tst_AuthClient::refusalAfterNewerSignIn() {
    Harness h;
    h.server.setHandler([](const TestHttpServer::Request &) {
        TestHttpServer::Response response = TestHttpServer::Response::json(401, {});
        response.delayMs = 300;
        return response;
    });
    h.tokens.setTokens(fakeJwtExpiringIn(3600), "R0");
    h.auth.initialize();

    int calls = 0;
    bool result = false;
    h.auth.refreshToken([&](bool ok) {
        ++calls;
        result = ok;
    });
    QVERIFY(h.server.waitForRequests(1));
    h.auth.login();
    browse(h.redirectPort(), "/callback?access_token=" + fakeJwtExpiringIn(7200).toLatin1()
                                 + "&refresh_token=R1&state=" + h.sent("state").toLatin1());
    QTRY_COMPARE(h.tokens.currentRefreshToken(), QStringLiteral("R1"));

    QTRY_COMPARE(calls, 1);
    QVERIFY(result); // the new session is good
    QCOMPARE(h.auth.state(), AuthState::SignedIn);
    QCOMPARE(h.store->load(TokenStore::RefreshTokenKey), std::optional<QString>("R1"));
    QVERIFY(!h.tokens.accessToken().isEmpty());
}

void tst_AuthClient::userCalls() {
    Harness h;
    const QString access = fakeJwtExpiringIn(3600, {{"sub", "user-1"}});
    h.tokens.setTokens(access, "R0");
    h.server.setHandler([](const TestHttpServer::Request &r) {
        if (r.path.endsWith("/users/me/sessions"))
            return TestHttpServer::Response::json(
                200,
                {{"sessions", QJsonArray{QJsonObject{{"id", "s1"},
                                                     {"user_agent", "Quillon/1.0"},
                                                     {"ip_address", "10.0.0.2"},
                                                     {"last_active_at", "2026-01-02T03:04:05Z"},
                                                     {"is_current", true}},
                                         QJsonObject{{"id", "s2"}}}}});
        if (r.path.endsWith("/users/me/password"))
            return TestHttpServer::Response::json(403, {});
        if (r.path.endsWith("/users/me") && r.method == "PATCH")
            return TestHttpServer::Response::json(500, {});
        return TestHttpServer::Response::json(200, {{"id", "user-1"},
                                                    {"email", "a@example.test"},
                                                    {"display_name", "Ann"},
                                                    {"created_at", "2025-06-01T12:00:00Z"}});
    });
    QCOMPARE(h.auth.currentUserId(), QStringLiteral("user-1"));

    User fetched;
    h.auth.fetchCurrentUser([&](const User &u) { fetched = u; });
    QTRY_COMPARE(fetched.id, QStringLiteral("user-1"));
    QCOMPARE(fetched.displayName, QStringLiteral("Ann"));
    QCOMPARE(fetched.createdAt, QDateTime(QDate(2025, 6, 1), QTime(12, 0), Qt::UTC));

    // A failed update still answers with the cached user.
    User updated;
    h.auth.updateProfile("Bea", [&](const User &u) { updated = u; });
    QTRY_COMPARE(updated.id, QStringLiteral("user-1"));
    QCOMPARE(updated.displayName, QStringLiteral("Ann"));

    int passwordCalls = 0;
    h.auth.changePassword("old", "new-secret", [&](bool ok) {
        ++passwordCalls;
        QVERIFY(!ok);
    });
    QList<Session> sessions;
    h.auth.listSessions([&](const QList<Session> &s) { sessions = s; });
    QTRY_COMPARE(sessions.size(), 2);
    QTRY_COMPARE(passwordCalls, 1);
    QVERIFY(sessions.at(0).isCurrent);
    QCOMPARE(sessions.at(0).ipAddress, QStringLiteral("10.0.0.2"));
    QVERIFY(sessions.at(0).lastActiveAt.isValid());
    QVERIFY(!sessions.at(1).isCurrent);
    QVERIFY(!sessions.at(1).lastActiveAt.isValid());

    h.auth.revokeSession("s2");
    h.auth.revokeSession("../password"); // not a session id: nothing is sent
    QVERIFY(h.server.waitForRequests(5));
    QTest::qWait(50);

    QCOMPARE(h.server.requests().size(), 5);
    QMap<QString, TestHttpServer::Request> byCall;
    for (const auto &r : h.server.requests())
        byCall.insert(QString::fromLatin1(r.method) + ' ' + r.path, r);
    const QString base = "/api/v1/realms/tindral";
    QVERIFY(byCall.contains("GET " + base + "/users/me"));
    QCOMPARE(byCall.value("PATCH " + base + "/users/me").json(),
             QJsonObject({{"display_name", "Bea"}}));
    QCOMPARE(byCall.value("POST " + base + "/users/me/password").json(),
             QJsonObject({{"current_password", "old"}, {"new_password", "new-secret"}}));
    QVERIFY(byCall.contains("GET " + base + "/users/me/sessions"));
    QVERIFY(byCall.contains("DELETE " + base + "/users/me/sessions/s2"));
    for (const auto &r : h.server.requests())
        QCOMPARE(r.header("authorization"), "Bearer " + access.toLatin1());
}

QTEST_GUILESS_MAIN(tst_AuthClient)
#include "tst_authclient.moc"
