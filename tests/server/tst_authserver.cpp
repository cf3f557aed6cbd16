// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "tests/server/serverprocess.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>
#include <QUrlQuery>

namespace {

const QString kClientId = QStringLiteral("5f0c2a7e9b1d4e38a6c7d2f1e0b9a834");
const QString kLoopback = QStringLiteral("http://localhost:19999/callback");
const QString kRegisteredClient = QStringLiteral("registered-app");
const QString kRegisteredUri = QStringLiteral("https://app.example.org/signed-in");
const QString kPassword = QStringLiteral("correct horse 1");

struct Answer {
    int status = 0;
    QByteArray body;
    QJsonObject json;
    QHash<QByteArray, QByteArray> headers; // lower-case names

    QUrlQuery redirectQuery() const { return QUrlQuery(QUrl(location())); }
    QString location() const { return QString::fromUtf8(headers.value("location")); }
};

struct Pkce {
    QString verifier;
    QString challenge;

    static Pkce make() {
        QByteArray bytes(32, Qt::Uninitialized);
        QRandomGenerator::global()->generate(bytes.begin(), bytes.end());
        const auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
        const QString verifier = QString::fromLatin1(bytes.toBase64(b64));
        return {verifier, QString::fromLatin1(QCryptographicHash::hash(verifier.toLatin1(),
                                                                       QCryptographicHash::Sha256)
                                                  .toBase64(b64))};
    }
};

QString encoded(const QString &value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

QByteArray json(const QJsonObject &object) {
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// What a browser submits: form encoding, where a space is a plus.
QByteArray formBody(const QUrlQuery &form) {
    QByteArray body;
    for (const auto &[key, value] : form.queryItems(QUrl::FullyDecoded)) {
        if (!body.isEmpty())
            body += '&';
        body += QUrl::toPercentEncoding(key) + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

} // namespace

// The sign-in realm of the real server process: the browser page, codes, tokens, sessions and
// the administrator's commands, on SQLite and, in the second run, PostgreSQL.
class tst_AuthServer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void clientSignsInThroughTheBrowser();
    void commandLineSignsIn();
    void loginPage_data();
    void loginPage();
    void signInRefusals_data();
    void signInRefusals();
    void signUp();
    void codeExchange_data();
    void codeExchange();
    void refreshRotatesAndReuseEndsTheSession();
    void issuedTokensSignInSeveralMachines();
    void endedSessionsAreRefused_data();
    void endedSessionsAreRefused();
    void sessionsAndPassword();
    void hostileBodies_data();
    void hostileBodies();
    void rateLimits();
    void administration();

private:
    Answer send(const QByteArray &method, const QUrl &url, const QByteArray &body = {},
                const QByteArray &bearer = {},
                const QList<QPair<QByteArray, QByteArray>> &headers = {});
    Answer realm(const QByteArray &method, const QString &path, const QByteArray &bearer,
                 const QJsonObject &body = {});
    QUrl pageUrl(const ServerProcess &server, const QUrlQuery &query = {}) const;
    static QUrlQuery loginQuery(const Pkce &pkce, const QString &clientId = kClientId,
                                const QString &redirect = kLoopback,
                                const QString &state = QStringLiteral("state-1"));
    Answer postLogin(const ServerProcess &server, const Pkce &pkce, const QString &email,
                     const QString &password, const QString &intent = QStringLiteral("signin"),
                     const QList<QPair<QByteArray, QByteArray>> &headers = {});
    Answer exchange(const QString &code, const Pkce &pkce, const QString &redirect = kLoopback);
    // Signs in like the program does and returns the token answer; empty when that failed.
    QJsonObject signIn(const QString &email, const QString &password = kPassword);
    // Acts as the browser on a login page the program opened: submits the sign-in form with
    // every field the page carries and returns where the server sends the browser next
    // (invalid when it does not).
    QUrl browse(const QUrl &page, const QString &email);
    int admin(const ServerProcess &server, const QStringList &arguments,
              const QByteArray &input = {}, QByteArray *output = nullptr);
    // A new account with kPassword; its email.
    QString addUser(const QString &name);

    ServerProcess m_server;
    QNetworkAccessManager m_network;
};

void tst_AuthServer::initTestCase() {
    if (m_server.unavailable())
        QSKIP("QUILLON_TEST_PG_URL is not set: no PostgreSQL database to test against");
    QVERIFY(m_server.start({"--allow-signup", "--redirect-uri",
                            kRegisteredClient + QLatin1Char('=') + kRegisteredUri,
                            "--sign-in-limit", "1000"}));
}

Answer tst_AuthServer::send(const QByteArray &method, const QUrl &url, const QByteArray &body,
                            const QByteArray &bearer,
                            const QList<QPair<QByteArray, QByteArray>> &headers) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    if (!bearer.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + bearer);
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);
    if (!body.isEmpty() && !request.hasRawHeader("Content-Type"))
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    QNetworkReply *reply = m_network.sendCustomRequest(request, method, body);
    if (!QTest::qWaitFor([reply] { return reply->isFinished(); }, 30000))
        qWarning("no answer to %s %s", method.constData(), qPrintable(url.toString()));
    Answer answer;
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    answer.body = reply->readAll();
    answer.json = QJsonDocument::fromJson(answer.body).object();
    for (const auto &[name, value] : reply->rawHeaderPairs())
        answer.headers.insert(name.toLower(), value);
    reply->deleteLater();
    return answer;
}

Answer tst_AuthServer::realm(const QByteArray &method, const QString &path,
                             const QByteArray &bearer, const QJsonObject &body) {
    QUrl url = m_server.rootUrl();
    url.setPath(QStringLiteral("/api/v1/realms/tindral") + path);
    return send(method, url, body.isEmpty() ? QByteArray() : json(body), bearer);
}

QUrl tst_AuthServer::pageUrl(const ServerProcess &server, const QUrlQuery &query) const {
    QUrl url = server.rootUrl();
    url.setPath(QStringLiteral("/tindral/account/login"));
    url.setQuery(query);
    return url;
}

QUrlQuery tst_AuthServer::loginQuery(const Pkce &pkce, const QString &clientId,
                                     const QString &redirect, const QString &state) {
    QUrlQuery query;
    query.addQueryItem("client_id", encoded(clientId));
    query.addQueryItem("redirect_uri", encoded(redirect));
    query.addQueryItem("state", encoded(state));
    query.addQueryItem("code_challenge", pkce.challenge);
    query.addQueryItem("code_challenge_method", "S256");
    return query;
}

Answer tst_AuthServer::postLogin(const ServerProcess &server, const Pkce &pkce,
                                 const QString &email, const QString &password,
                                 const QString &intent,
                                 const QList<QPair<QByteArray, QByteArray>> &headers) {
    QUrlQuery form = loginQuery(pkce);
    form.addQueryItem("email", encoded(email));
    form.addQueryItem("password", encoded(password));
    form.addQueryItem("intent", intent);
    return send("POST", pageUrl(server), formBody(form), {},
                headers
                    + QList<QPair<QByteArray, QByteArray>>{
                        {"Content-Type", "application/x-www-form-urlencoded"}});
}

Answer tst_AuthServer::exchange(const QString &code, const Pkce &pkce, const QString &redirect) {
    return realm("POST", "/auth/token", {},
                 {{"grant_type", "authorization_code"},
                  {"code", code},
                  {"code_verifier", pkce.verifier},
                  {"redirect_uri", redirect},
                  {"client_id", kClientId}});
}

QJsonObject tst_AuthServer::signIn(const QString &email, const QString &password) {
    const Pkce pkce = Pkce::make();
    const Answer page = postLogin(m_server, pkce, email, password);
    if (page.status != 303)
        return {};
    const Answer tokens = exchange(page.redirectQuery().queryItemValue("code"), pkce);
    return tokens.status == 200 ? tokens.json : QJsonObject();
}

QUrl tst_AuthServer::browse(const QUrl &pageAddress, const QString &email) {
    const Answer page = send("GET", pageAddress);
    QUrlQuery form;
    static const QRegularExpression hidden(
        QStringLiteral("<input type=\"hidden\" name=\"([a-z_]+)\" value=\"([^\"]*)\">"));
    const QString signInForm = QString::fromUtf8(page.body).section("</form>", 0, 0);
    for (auto match = hidden.globalMatch(signInForm); match.hasNext();) {
        const QRegularExpressionMatch field = match.next();
        form.addQueryItem(field.captured(1), encoded(field.captured(2)));
    }
    form.addQueryItem("email", encoded(email));
    form.addQueryItem("password", encoded(kPassword));
    form.addQueryItem("intent", "signin");
    QUrl action = pageAddress;
    action.setQuery(QString());
    const Answer submitted = send("POST", action, formBody(form), {},
                                  {{"Content-Type", "application/x-www-form-urlencoded"}});
    if (page.status != 200 || submitted.status != 303
        || submitted.redirectQuery().hasQueryItem("access_token")) {
        qWarning("sign-in page %d, form %d", page.status, submitted.status);
        return QUrl();
    }
    QUrl callback(submitted.location());
    if (callback.host() != QLatin1String("localhost"))
        return QUrl();
    callback.setHost("127.0.0.1"); // the listener is bound to IPv4 loopback only
    return callback;
}

int tst_AuthServer::admin(const ServerProcess &server, const QStringList &arguments,
                          const QByteArray &input, QByteArray *output) {
    QProcess process;
    // The command and its action, then where the data is, then the rest.
    const QStringList args = arguments.mid(0, 2) + server.storeArguments() + arguments.mid(2);
    process.start(QStringLiteral(QUILLON_SERVER_PATH), args);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return -1;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

QString tst_AuthServer::addUser(const QString &name) {
    const QString email = m_server.user(name) + QStringLiteral("@example.org");
    if (admin(m_server, {"user", "add", "--email", email, "--name", name},
              kPassword.toUtf8() + '\n')
        != 0)
        qWarning("user add failed for %s", qPrintable(email));
    return email;
}

// The program's own sign-in, with the test as the browser: it opens the page the program
// names, submits the form and follows the redirect to the program's loopback listener.
void tst_AuthServer::clientSignsInThroughTheBrowser() {
    const QString email = addUser("browser");
    TindAccount::ClientConfig config;
    config.authBaseUrl = m_server.rootUrl().toString();
    config.realmSlug = "tindral";
    config.clientId = kClientId;
    config.accountApiUrl = m_server.rootUrl().toString() + "/account/v1";
    config.appId = "org.tindral.quillon.test";
    TindAccount::Client client(config, std::make_unique<TindAccount::MemoryTokenStore>());
    QUrl opened;
    client.setUrlOpener([&opened](const QUrl &url) {
        opened = url;
        return true;
    });
    bool succeeded = false;
    QString failure;
    connect(client.auth(), &TindAccount::AuthClient::loginSucceeded, this,
            [&succeeded] { succeeded = true; });
    connect(client.auth(), &TindAccount::AuthClient::loginFailed, this,
            [&failure](const QString &error) { failure = error; });
    client.auth()->login();
    QVERIFY(opened.isValid());

    const QUrl callback = browse(opened, email.toUpper());
    QVERIFY(callback.isValid());
    send("GET", callback);
    QVERIFY(QTest::qWaitFor([&] { return succeeded || !failure.isEmpty(); }, 20000));
    QVERIFY2(failure.isEmpty(), qPrintable(failure));

    TindAccount::User user;
    bool fetched = false;
    client.auth()->fetchCurrentUser([&](const TindAccount::User &current) {
        user = current;
        fetched = true;
    });
    QVERIFY(QTest::qWaitFor([&] { return fetched; }, 20000));
    QCOMPARE(user.email, email.toLower());
    QCOMPARE(client.auth()->currentUserId(), user.id);
}

// `quillon-cli login --no-browser` prints the page to open and waits for the redirect.
void tst_AuthServer::commandLineSignsIn() {
    const QString email = addUser("cli");
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name :
         {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL", "AUTH_REALM_SLUG", "AUTH_CLIENT_ID",
          "QUILLON_VERBOSE", "DISPLAY", "QT_QPA_PLATFORM", "DBUS_SESSION_BUS_ADDRESS"})
        environment.remove(name); // no credential store: nothing lands in a keyring
    environment.insert("QUILLON_DATA_DIR", home.path());
    environment.insert("QUILLON_SERVER", m_server.rootUrl().toString());
    QProcess cli;
    cli.setProcessEnvironment(environment);
    cli.start(QStringLiteral(QUILLON_CLI_PATH), {"login", "--no-browser", "--timeout", "60"});

    QByteArray out;
    QUrl page;
    static const QRegularExpression address(QStringLiteral("(http://\\S+/account/login\\S+)"));
    QVERIFY(QTest::qWaitFor(
        [&] {
            out += cli.readAllStandardOutput();
            const QRegularExpressionMatch match = address.match(QString::fromUtf8(out));
            if (match.hasMatch())
                page = QUrl(match.captured(1));
            return page.isValid() || cli.state() == QProcess::NotRunning;
        },
        30000));
    QVERIFY2(page.isValid(), out.constData());
    const QUrl callback = browse(page, email);
    QVERIFY(callback.isValid());
    send("GET", callback);
    // send() runs the event loop, so the command may already have finished here, and
    // waitForFinished() answers false for a process that has.
    QVERIFY(QTest::qWaitFor([&] { return cli.state() == QProcess::NotRunning; }, 30000));
    out += cli.readAllStandardOutput();
    QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
    QVERIFY(out.contains("Signed in"));
}

void tst_AuthServer::loginPage_data() {
    QTest::addColumn<QString>("clientId");
    QTest::addColumn<QString>("redirect");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("method");
    QTest::addColumn<int>("status");

    const QString script = "\"><script>alert(1)</script>";
    QTest::newRow("loopback") << kClientId << kLoopback << "s"
                              << "S256" << 200;
    QTest::newRow("127.0.0.1 with a path") << kClientId << "http://127.0.0.1:4321/x/y"
                                           << "s"
                                           << "S256" << 200;
    QTest::newRow("registered") << kRegisteredClient << kRegisteredUri << "s"
                                << "S256" << 200;
    QTest::newRow("hostile state") << kClientId << kLoopback << script << "S256" << 200;
    QTest::newRow("hostile loopback query")
        << kClientId << "http://127.0.0.1:4321/cb?x='onfocus='alert(1)"
        << "s"
        << "S256" << 200;
    QTest::newRow("loopback with markup")
        << kClientId << "http://127.0.0.1:4321/cb?x=" + script << "s"
        << "S256" << 400;
    QTest::newRow("hostile client id") << script << kLoopback << "s"
                                       << "S256" << 400;
    QTest::newRow("registered to another client") << kClientId << kRegisteredUri << "s"
                                                  << "S256" << 400;
    QTest::newRow("elsewhere") << kClientId << "http://evil.example/callback"
                               << "s"
                               << "S256" << 400;
    QTest::newRow("loopback without port") << kClientId << "http://localhost/callback"
                                           << "s"
                                           << "S256" << 400;
    QTest::newRow("user info before the host")
        << kClientId << "http://localhost:80@evil.example:80/"
        << "s"
        << "S256" << 400;
    QTest::newRow("https to loopback") << kClientId << "https://localhost:4321/callback"
                                       << "s"
                                       << "S256" << 400;
    QTest::newRow("plain challenge") << kClientId << kLoopback << "s"
                                     << "plain" << 400;
}

void tst_AuthServer::loginPage() {
    QFETCH(QString, clientId);
    QFETCH(QString, redirect);
    QFETCH(QString, state);
    QFETCH(QString, method);
    QFETCH(int, status);

    QUrlQuery query = loginQuery(Pkce::make(), clientId, redirect, state);
    query.removeAllQueryItems("code_challenge_method");
    query.addQueryItem("code_challenge_method", method);
    const Answer page = send("GET", pageUrl(m_server, query));
    QCOMPARE(page.status, status);
    QVERIFY(page.headers.value("content-security-policy").contains("default-src 'none'"));
    QVERIFY(page.headers.value("content-security-policy").contains("frame-ancestors 'none'"));
    QCOMPARE(page.headers.value("x-frame-options"), QByteArray("DENY"));
    QVERIFY(!page.headers.contains("set-cookie"));
    QVERIFY2(!page.body.contains("<script") && !page.body.contains("'onfocus"),
             page.body.constData());
    QCOMPARE(page.body.contains("<form"), status == 200);
    // Sign-up is open on this server, so the page offers it.
    QCOMPARE(page.body.contains("value=\"signup\""), status == 200);
}

void tst_AuthServer::signInRefusals_data() {
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");

    // Rows fill in "@user" with an account that exists.
    QTest::newRow("wrong password") << "@user"
                                    << "wrong password" << 401;
    QTest::newRow("unknown user") << "nobody-here@example.org" << kPassword << 401;
    QTest::newRow("SQL in the password") << "@user"
                                         << "' OR '1'='1' --" << 401;
    QTest::newRow("SQL in the email") << "x' OR 1=1 --@example.org" << kPassword << 400;
    QTest::newRow("unicode email")
        << QString::fromUtf8("\xD0\xB0lice@example.org") << kPassword << 400;
    QTest::newRow("huge email") << QString(5000, 'a') + "@example.org" << kPassword << 400;
    QTest::newRow("huge password") << "@user" << QString(5000, 'p') << 400;
    QTest::newRow("empty") << ""
                           << "" << 400;
}

void tst_AuthServer::signInRefusals() {
    QFETCH(QString, email);
    QFETCH(QString, password);
    QFETCH(int, status);

    static const QString user = addUser("refusals");
    const Answer page
        = postLogin(m_server, Pkce::make(), email == "@user" ? user : email, password);
    QCOMPARE(page.status, status);
    QVERIFY(page.location().isEmpty());
    QVERIFY(page.body.contains("<form")); // the form again, to try once more
    QVERIFY(!page.body.contains("<script"));
}

void tst_AuthServer::signUp() {
    const QString email = m_server.user("newcomer") + "@example.org";
    const Pkce pkce = Pkce::make();
    const Answer created = postLogin(m_server, pkce, email, kPassword, "signup");
    QCOMPARE(created.status, 303);
    const Answer tokens = exchange(created.redirectQuery().queryItemValue("code"), pkce);
    QCOMPARE(tokens.status, 200);
    const Answer me
        = realm("GET", "/users/me", tokens.json.value("access_token").toString().toLatin1());
    QCOMPARE(me.json.value("email").toString(), email);

    QCOMPARE(postLogin(m_server, Pkce::make(), email.toUpper(), kPassword, "signup").status, 409);
    QCOMPARE(postLogin(m_server, Pkce::make(), email, "short", "signup").status, 400);

    // Closed by default: the page offers no sign-up and the server takes none.
    ServerProcess closed(&m_server);
    QVERIFY(closed.start());
    const Answer page = send("GET", pageUrl(closed, loginQuery(Pkce::make())));
    QCOMPARE(page.status, 200);
    QVERIFY(!page.body.contains("value=\"signup\""));
    QCOMPARE(postLogin(closed, Pkce::make(), m_server.user("refused") + "@example.org", kPassword,
                       "signup")
                 .status,
             403);
}

void tst_AuthServer::codeExchange_data() {
    QTest::addColumn<QString>("change"); // what differs from the proper exchange
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("codeSpent"); // the code is of no use afterwards

    QTest::newRow("proper") << "" << 200 << true;
    QTest::newRow("wrong verifier") << "verifier" << 400 << true;
    QTest::newRow("other redirect") << "redirect" << 400 << true;
    QTest::newRow("other client") << "client" << 400 << true;
    QTest::newRow("unknown code") << "code" << 400 << false;
    QTest::newRow("other grant") << "grant" << 400 << false;
    QTest::newRow("code as number") << "number" << 400 << false;
    QTest::newRow("not json") << "garbage" << 400 << false;
}

void tst_AuthServer::codeExchange() {
    QFETCH(QString, change);
    QFETCH(int, status);
    QFETCH(bool, codeSpent);

    static const QString user = addUser("exchange");
    const Pkce pkce = Pkce::make();
    const Answer page = postLogin(m_server, pkce, user, kPassword);
    QCOMPARE(page.status, 303);
    QCOMPARE(page.redirectQuery().queryItemValue("state"), QString("state-1"));
    const QString code = page.redirectQuery().queryItemValue("code");

    QJsonObject body{{"grant_type", "authorization_code"},
                     {"code", code},
                     {"code_verifier", pkce.verifier},
                     {"redirect_uri", kLoopback},
                     {"client_id", kClientId}};
    if (change == "verifier")
        body["code_verifier"] = Pkce::make().verifier;
    else if (change == "redirect")
        body["redirect_uri"] = "http://localhost:19998/callback";
    else if (change == "client")
        body["client_id"] = kRegisteredClient;
    else if (change == "code")
        body["code"] = Pkce::make().verifier;
    else if (change == "grant")
        body["grant_type"] = "password";
    else if (change == "number")
        body["code"] = 12345;
    QUrl url = m_server.rootUrl();
    url.setPath("/api/v1/realms/tindral/auth/token");
    const Answer answer = send("POST", url, change == "garbage" ? QByteArray("{code") : json(body));
    QCOMPARE(answer.status, status);
    QCOMPARE(answer.json.contains("access_token"), status == 200);

    // A code is good for one exchange, whatever became of the first.
    QCOMPARE(exchange(code, pkce).status, codeSpent ? 400 : 200);
}

// What quillon-server token prints signs in any number of machines, each to a session of its
// own whose tokens rotate as a sign-in's do; ending the administrator's session ends it.
void tst_AuthServer::issuedTokensSignInSeveralMachines() {
    const QString email = addUser("issued");
    const QString userId
        = realm("GET", "/users/me", signIn(email).value("access_token").toString().toLatin1())
              .json.value("id")
              .toString();
    QVERIFY(!userId.isEmpty());
    const ServerProcess::Tokens issued = m_server.tokens(userId);
    const auto refresh = [this](const QString &token) {
        return realm("POST", "/auth/token/refresh", {}, {{"refresh_token", token}});
    };
    const Answer one = refresh(issued.refresh);
    const Answer two = refresh(issued.refresh);
    QCOMPARE(one.status, 200);
    QCOMPARE(two.status, 200);
    const QString oneRefresh = one.json.value("refresh_token").toString();
    const QString twoRefresh = two.json.value("refresh_token").toString();
    QVERIFY(oneRefresh != twoRefresh && oneRefresh != issued.refresh);
    QVERIFY(!oneRefresh.startsWith("enrol."));

    // A machine's own token rotates: its reuse ends that machine's session, not the other's.
    const Answer oneAgain = refresh(oneRefresh);
    QCOMPARE(oneAgain.status, 200);
    QCOMPARE(refresh(oneRefresh).status, 401);
    QCOMPARE(
        realm("GET", "/users/me", oneAgain.json.value("access_token").toString().toLatin1()).status,
        401);
    QCOMPARE(realm("GET", "/users/me", two.json.value("access_token").toString().toLatin1()).status,
             200);

    // Ending the session quillon-server token started makes the file useless.
    const QByteArray own = issued.access.toLatin1();
    const Answer sessions = realm("GET", "/users/me/sessions", own);
    QString issuedSession;
    for (const QJsonValue &entry : sessions.json.value("sessions").toArray()) {
        if (entry.toObject().value("is_current").toBool())
            issuedSession = entry.toObject().value("id").toString();
    }
    QVERIFY(!issuedSession.isEmpty());
    QCOMPARE(realm("DELETE", "/users/me/sessions/" + issuedSession, own).status, 200);
    QCOMPARE(refresh(issued.refresh).status, 401);
}

void tst_AuthServer::refreshRotatesAndReuseEndsTheSession() {
    const QJsonObject first = signIn(addUser("rotation"));
    QVERIFY(!first.isEmpty());
    const auto refresh = [this](const QJsonObject &tokens) {
        return realm("POST", "/auth/token/refresh", {},
                     {{"refresh_token", tokens.value("refresh_token")}});
    };
    const Answer second = refresh(first);
    QCOMPARE(second.status, 200);
    QVERIFY(second.json.value("refresh_token") != first.value("refresh_token"));
    const QByteArray access = second.json.value("access_token").toString().toLatin1();
    QCOMPARE(realm("GET", "/users/me", access).status, 200);
    const Answer third = refresh(second.json);
    QCOMPARE(third.status, 200);

    // The first token again: someone kept a copy, so the whole session ends.
    QCOMPARE(refresh(first).status, 401);
    QCOMPARE(refresh(third.json).status, 401);
    const QByteArray latest = third.json.value("access_token").toString().toLatin1();
    QCOMPARE(realm("GET", "/users/me", latest).status, 401);
    QUrl pull = m_server.url();
    pull.setPath(pull.path() + "/sync/pull");
    QCOMPARE(send("GET", pull, {}, latest).status, 401);
}

void tst_AuthServer::endedSessionsAreRefused_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("token"); // none, expired, other-key, revoked, other-user

    const QList<QPair<QByteArray, QString>> endpoints{
        {"POST", "/api/v1/realms/tindral/auth/logout"},
        {"GET", "/api/v1/realms/tindral/users/me"},
        {"PATCH", "/api/v1/realms/tindral/users/me"},
        {"POST", "/api/v1/realms/tindral/users/me/password"},
        {"GET", "/api/v1/realms/tindral/users/me/sessions"},
        {"DELETE", "/api/v1/realms/tindral/users/me/sessions/{victim}"},
        {"GET", "/quillon/v1/sync/pull"},
        {"POST", "/quillon/v1/sync/push"},
        {"GET", "/quillon/v1/accounts/a1/members"},
        {"POST", "/quillon/v1/accounts/a1/share"},
    };
    for (const auto &[method, path] : endpoints)
        for (const char *token : {"none", "expired", "other-key", "revoked"})
            QTest::addRow("%s %s, %s", method.constData(), qPrintable(path), token)
                << method << path << QString(token);
    QTest::newRow("another user's session")
        << QByteArray("DELETE") << "/api/v1/realms/tindral/users/me/sessions/{victim}"
        << "other-user";
}

// Every door refuses a token that is missing, expired, foreign or of an ended session, and
// nothing of the victim's changes.
void tst_AuthServer::endedSessionsAreRefused() {
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QString, token);

    static const QString victimEmail = addUser("victim");
    static const QJsonObject victim = signIn(victimEmail);
    QVERIFY(!victim.isEmpty());
    const QByteArray victimAccess = victim.value("access_token").toString().toLatin1();
    const QString victimSession = realm("GET", "/users/me/sessions", victimAccess)
                                      .json.value("sessions")
                                      .toArray()
                                      .at(0)
                                      .toObject()
                                      .value("id")
                                      .toString();
    QVERIFY(!victimSession.isEmpty());

    QByteArray bearer;
    if (token == "expired") {
        bearer = m_server.tokens(m_server.user("expired"), {}, {"--expires-in", "-10"})
                     .access.toLatin1();
    } else if (token == "other-key") {
        QTemporaryDir otherServer;
        bearer = ServerProcess::tokensFrom({"--data", otherServer.path()}, m_server.user("x"), {})
                     .access.toLatin1();
    } else if (token == "revoked") {
        const QJsonObject ended = signIn(victimEmail);
        bearer = ended.value("access_token").toString().toLatin1();
        QCOMPARE(realm("POST", "/auth/logout", bearer).status, 200);
    } else if (token == "other-user") {
        bearer = signIn(addUser("intruder")).value("access_token").toString().toLatin1();
    }

    QUrl url = m_server.rootUrl();
    url.setPath(QString(path).replace("{victim}", victimSession));
    const QJsonObject body{{"display_name", "Mallory"},
                           {"current_password", kPassword},
                           {"new_password", "taken over 1"},
                           {"user_id", "mallory"},
                           {"changes", QJsonArray()}};
    const Answer answer = send(method, url, json(body), bearer);
    QCOMPARE(answer.status, token == "other-user" ? 404 : 401);
    QVERIFY(!answer.json.value("error").toString().isEmpty());

    // The victim is still signed in, under the old name and password.
    const Answer me = realm("GET", "/users/me", victimAccess);
    QCOMPARE(me.status, 200);
    QCOMPARE(me.json.value("display_name").toString(), QString("victim"));
    QVERIFY(!signIn(victimEmail).isEmpty());
}

void tst_AuthServer::sessionsAndPassword() {
    const QString email = addUser("sessions");
    const QJsonObject laptop = signIn(email);
    const QJsonObject phone = signIn(email);
    const QJsonObject tablet = signIn(email);
    const QByteArray laptopAccess = laptop.value("access_token").toString().toLatin1();
    const QByteArray phoneAccess = phone.value("access_token").toString().toLatin1();
    const QByteArray tabletAccess = tablet.value("access_token").toString().toLatin1();

    const QJsonArray sessions
        = realm("GET", "/users/me/sessions", laptopAccess).json.value("sessions").toArray();
    QCOMPARE(sessions.size(), 3);
    int current = 0;
    for (const QJsonValue &session : sessions)
        current += session.toObject().value("is_current").toBool() ? 1 : 0;
    QCOMPARE(current, 1);

    // Ending one session from another.
    QString phoneSession;
    for (const QJsonValue &session :
         realm("GET", "/users/me/sessions", phoneAccess).json.value("sessions").toArray())
        if (session.toObject().value("is_current").toBool())
            phoneSession = session.toObject().value("id").toString();
    QCOMPARE(realm("DELETE", "/users/me/sessions/" + phoneSession, laptopAccess).status, 200);
    QCOMPARE(realm("GET", "/users/me", phoneAccess).status, 401);
    QCOMPARE(
        realm("POST", "/auth/token/refresh", {}, {{"refresh_token", phone.value("refresh_token")}})
            .status,
        401);

    const Answer renamed
        = realm("PATCH", "/users/me", laptopAccess, {{"display_name", "  Laptop Person  "}});
    QCOMPARE(renamed.status, 200);
    QCOMPARE(renamed.json.value("display_name").toString(), QString("Laptop Person"));

    // A password change keeps this session and ends the others.
    QCOMPARE(realm("POST", "/users/me/password", laptopAccess,
                   {{"current_password", "not it at all"}, {"new_password", "new secret 2"}})
                 .status,
             403);
    QCOMPARE(realm("POST", "/users/me/password", laptopAccess,
                   {{"current_password", kPassword}, {"new_password", "new secret 2"}})
                 .status,
             200);
    QCOMPARE(realm("GET", "/users/me", laptopAccess).status, 200);
    QCOMPARE(realm("GET", "/users/me", tabletAccess).status, 401);
    QVERIFY(signIn(email).isEmpty());
    QVERIFY(!signIn(email, "new secret 2").isEmpty());
}

void tst_AuthServer::hostileBodies_data() {
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");

    const QByteArray huge = QByteArray(100000, 'x');
    QTest::newRow("name as number")
        << QByteArray("PATCH") << "/users/me" << QByteArray(R"({"display_name": 7})") << 400;
    QTest::newRow("name huge") << QByteArray("PATCH") << "/users/me"
                               << R"({"display_name": ")" + huge + R"("})" << 400;
    QTest::newRow("name with control characters")
        << QByteArray("PATCH") << "/users/me" << QByteArray(R"({"display_name": "a\u0007b"})")
        << 400;
    QTest::newRow("name empty") << QByteArray("PATCH") << "/users/me"
                                << QByteArray(R"({"display_name": "   "})") << 400;
    QTest::newRow("body an array")
        << QByteArray("PATCH") << "/users/me" << QByteArray("[1]") << 400;
    QTest::newRow("password as object")
        << QByteArray("POST") << "/users/me/password"
        << QByteArray(R"({"current_password": {}, "new_password": "long enough"})") << 400;
    QTest::newRow("new password short")
        << QByteArray("POST") << "/users/me/password"
        << QByteArray(R"({"current_password": "correct horse 1", "new_password": "short"})") << 400;
    QTest::newRow("new password huge")
        << QByteArray("POST") << "/users/me/password"
        << R"({"current_password": "correct horse 1", "new_password": ")" + huge + R"("})" << 400;
    QTest::newRow("refresh token as number") << QByteArray("POST") << "/auth/token/refresh"
                                             << QByteArray(R"({"refresh_token": 1})") << 400;
    QTest::newRow("refresh token huge") << QByteArray("POST") << "/auth/token/refresh"
                                        << R"({"refresh_token": ")" + huge + R"("})" << 400;
    QTest::newRow("refresh token with SQL")
        << QByteArray("POST") << "/auth/token/refresh"
        << QByteArray(R"({"refresh_token": "' OR 1=1; DROP TABLE auth_sessions; --"})") << 401;
    QTest::newRow("session id with SQL")
        << QByteArray("DELETE") << "/users/me/sessions/' OR '1'='1" << QByteArray() << 404;
    QTest::newRow("name with SQL is only a name")
        << QByteArray("PATCH") << "/users/me"
        << QByteArray(R"({"display_name": "Robert'); DROP TABLE users;--"})") << 200;
}

void tst_AuthServer::hostileBodies() {
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);

    static int accounts = 0;
    const QString email = addUser(QStringLiteral("hostile%1").arg(++accounts));
    const QByteArray access = signIn(email).value("access_token").toString().toLatin1();
    const QString name = realm("GET", "/users/me", access).json.value("display_name").toString();
    QUrl url = m_server.rootUrl();
    url.setPath("/api/v1/realms/tindral" + path);
    const Answer answer = send(method, url, body, access);
    QCOMPARE(answer.status, status);
    if (status != 200)
        QVERIFY(!answer.json.value("error").toString().isEmpty());

    // Still signed in, with the password and the name as they were (or as asked).
    const Answer me = realm("GET", "/users/me", access);
    QCOMPARE(me.status, 200);
    QCOMPARE(me.json.value("display_name").toString(),
             status == 200 ? QString("Robert'); DROP TABLE users;--") : name);
    QVERIFY(!signIn(email).isEmpty());
}

void tst_AuthServer::rateLimits() {
    // A server of its own with a small limit; the address comes from the proxy header, so that
    // this run's counters are its own even on a database that outlives it.
    ServerProcess limited(&m_server);
    QVERIFY(limited.start({"--sign-in-limit", "2", "--trust-forwarded-for"}));
    const QList<QPair<QByteArray, QByteArray>> from{
        {"X-Forwarded-For", QStringLiteral("10.9.%1.%2")
                                .arg(QRandomGenerator::global()->bounded(256))
                                .arg(QRandomGenerator::global()->bounded(256))
                                .toLatin1()}};
    const QString email = addUser("limited");
    QCOMPARE(postLogin(limited, Pkce::make(), email, "wrong one 1", "signin", from).status, 401);
    QCOMPARE(postLogin(limited, Pkce::make(), email, "wrong one 2", "signin", from).status, 401);
    const Answer refused = postLogin(limited, Pkce::make(), email, kPassword, "signin", from);
    QCOMPARE(refused.status, 429);
    QVERIFY(refused.headers.contains("retry-after"));
    // The account is limited from any address; another account from the same address is not,
    // until the address's own (ten times larger) limit.
    QCOMPARE(postLogin(limited, Pkce::make(), email, kPassword).status, 429);
    QCOMPARE(
        postLogin(limited, Pkce::make(), addUser("unlimited"), kPassword, "signin", from).status,
        303);

    // Refreshes are counted too, per account at five times the sign-in limit; a refused one
    // leaves the token as it was.
    QJsonObject tokens = signIn(addUser("refresher"));
    QUrl refreshUrl = limited.rootUrl();
    refreshUrl.setPath("/api/v1/realms/tindral/auth/token/refresh");
    Answer answer;
    int refreshes = 0;
    for (; refreshes < 20; ++refreshes) {
        answer = send("POST", refreshUrl, json({{"refresh_token", tokens.value("refresh_token")}}),
                      {}, from);
        if (answer.status != 200)
            break;
        tokens = answer.json;
    }
    QCOMPARE(answer.status, 429);
    QCOMPARE(refreshes, 10);
    QCOMPARE(
        realm("POST", "/auth/token/refresh", {}, {{"refresh_token", tokens.value("refresh_token")}})
            .status,
        200);
    QCOMPARE(limited.stop(), 0);
}

void tst_AuthServer::administration() {
    struct Step {
        QStringList arguments;
        QByteArray input;
        int exitCode;
    };
    const QString email = m_server.user("admin") + "@example.org";
    const QList<Step> steps{
        {{"user", "add", "--email", email, "--name", "Admin Test"}, "first secret 1\n", 0},
        {{"user", "add", "--email", email.toUpper()}, "first secret 1\n", 1},
        {{"user", "add", "--email", "not an address"}, "first secret 1\n", 1},
        {{"user", "add", "--email", m_server.user("weak") + "@example.org"}, "short\n", 1},
        {{"user", "disable", "--email", "nobody-" + email}, {}, 1},
        {{"user", "reset-password", "--email", "nobody-" + email}, "second secret 2\n", 1},
        {{"user", "rename"}, {}, 1},
        {{"user", "list"}, {}, 0},
    };
    for (const Step &step : steps)
        QVERIFY2(admin(m_server, step.arguments, step.input) == step.exitCode,
                 qPrintable(step.arguments.join(' ')));
    QByteArray listed;
    QCOMPARE(admin(m_server, {"user", "list"}, {}, &listed), 0);
    QVERIFY(listed.contains(email.toUtf8() + "\tactive"));

    // Disabling ends the live session at once and keeps the account from coming back.
    const QJsonObject tokens = signIn(email, "first secret 1");
    QVERIFY(!tokens.isEmpty());
    QCOMPARE(admin(m_server, {"user", "disable", "--email", email}), 0);
    QCOMPARE(realm("GET", "/users/me", tokens.value("access_token").toString().toLatin1()).status,
             401);
    QCOMPARE(
        realm("POST", "/auth/token/refresh", {}, {{"refresh_token", tokens.value("refresh_token")}})
            .status,
        401);
    QCOMPARE(postLogin(m_server, Pkce::make(), email, "first secret 1").status, 403);

    QCOMPARE(admin(m_server, {"user", "enable", "--email", email}), 0);
    QCOMPARE(admin(m_server, {"user", "reset-password", "--email", email}, "second secret 2\n"), 0);
    QVERIFY(signIn(email, "first secret 1").isEmpty());
    QVERIFY(!signIn(email, "second secret 2").isEmpty());
}

QTEST_MAIN(tst_AuthServer)
#include "tst_authserver.moc"
