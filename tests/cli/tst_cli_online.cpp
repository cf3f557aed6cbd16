// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/testsyncserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrlQuery>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QJsonArray json() const { return QJsonDocument::fromJson(out).array(); }
};

} // namespace

// Signing in, syncing and signing out from the command line, against an account service and
// a sync server running in this process. The companion runs as a child process, so this test
// keeps its event loop turning while it waits.
class tst_CliOnline : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void loginSyncAndLogout();
    void notSignedIn();

private:
    QProcessEnvironment environment(const QString &dataDir) const;
    void start(QProcess &process, const QString &dataDir, const QStringList &args) const;
    Run run(const QString &dataDir, const QStringList &args);
    // Runs a sign-in command and answers its login URL the way the browser would.
    Run signInWith(const QString &dataDir, const QStringList &args);
    QString newAccessToken() const;

    TestHttpServer m_auth;
    TestSyncServer m_sync;
    QTemporaryDir m_home;
    bool m_keyring = false;
};

void tst_CliOnline::initTestCase() {
    QVERIFY(m_auth.listen());
    QVERIFY(m_sync.listen());
    m_auth.setHandler([this](const TestHttpServer::Request &request) {
        if (request.path.endsWith(QLatin1String("/auth/token/refresh")))
            return TestHttpServer::Response::json(
                200, {{"access_token", newAccessToken()}, {"refresh_token", "refresh-2"}});
        return TestHttpServer::Response::json(200, QJsonObject{});
    });
    m_keyring = qEnvironmentVariable("QUILLON_KEYRING_AVAILABLE") == QLatin1String("1");
}

void tst_CliOnline::cleanupTestCase() {
    // Leave no session behind in the keyring of the test run.
    if (m_keyring)
        run(m_home.filePath("cleanup"), {"logout"});
}

QString tst_CliOnline::newAccessToken() const {
    return fakeJwtExpiringIn(3600, {{"sub", "user-42"}});
}

QProcessEnvironment tst_CliOnline::environment(const QString &dataDir) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QUILLON_DATA_DIR", dataDir);
    env.remove("QUILLON_VERBOSE");
    if (qEnvironmentVariableIsSet("TST_CLI_VERBOSE"))
        env.insert("QUILLON_VERBOSE", "1");
    env.remove("DISPLAY");
    env.remove("QT_QPA_PLATFORM");
    const QString auth = m_auth.url().toString();
    env.insert("AUTH_BASE_URL", auth);
    env.insert("ACCOUNT_API_URL", auth);
    env.insert("SYNC_API_URL", m_sync.url().toString());
    if (!m_keyring)
        env.remove("DBUS_SESSION_BUS_ADDRESS");
    return env;
}

void tst_CliOnline::start(QProcess &process, const QString &dataDir,
                          const QStringList &args) const {
    process.setProcessEnvironment(environment(dataDir));
    process.start(QStringLiteral(QUILLON_CLI_PATH), args);
}

Run tst_CliOnline::run(const QString &dataDir, const QStringList &args) {
    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    start(process, dataDir, args);
    Run result;
    if (!finished.wait(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

Run tst_CliOnline::signInWith(const QString &dataDir, const QStringList &args) {
    QProcess process;
    QSignalSpy finished(&process, &QProcess::finished);
    start(process, dataDir, args);
    Run result;

    // The login URL is printed first; it names the loopback redirect.
    QByteArray out;
    QUrl login;
    for (int i = 0; i < 600 && !login.isValid(); ++i) {
        QTest::qWait(50);
        out += process.readAllStandardOutput();
        const QRegularExpressionMatch match
            = QRegularExpression(QStringLiteral("(http\\S+/account/login\\S+)"))
                  .match(QString::fromUtf8(out));
        if (match.hasMatch())
            login = QUrl(match.captured(1));
        if (process.state() == QProcess::NotRunning)
            break;
    }
    if (!login.isValid()) {
        qWarning("no login URL: %s %s", out.constData(),
                 process.readAllStandardError().constData());
        process.kill();
        return result;
    }
    QUrl redirect(QUrlQuery(login).queryItemValue("redirect_uri", QUrl::FullyDecoded));
    redirect.setHost(QStringLiteral("127.0.0.1"));
    redirect.setQuery(
        QStringLiteral("access_token=%1&refresh_token=refresh-1&state=%2")
            .arg(newAccessToken(), QUrlQuery(login).queryItemValue("state", QUrl::FullyDecoded)));

    QNetworkAccessManager nam;
    QNetworkReply *reply = nam.get(QNetworkRequest(redirect));
    QSignalSpy replied(reply, &QNetworkReply::finished);
    replied.wait(10000);
    reply->deleteLater();

    if (!finished.wait(60000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitCode();
    result.out = out + process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}

void tst_CliOnline::loginSyncAndLogout() {
    const QString deviceA = m_home.filePath("a");
    const QString deviceB = m_home.filePath("b");
    QCOMPARE(run(deviceA, {"account", "add", "--name", "Checking", "--opening", "500", "--as-of",
                           "2026-01-01"})
                 .exitCode,
             0);
    QCOMPARE(run(deviceA, {"add", "Checking", "--date", "2026-02-01", "--payee", "Grocer",
                           "--amount", "-12.34"})
                 .exitCode,
             0);

    if (!m_keyring) {
        // Without a credential store the sign-in lasts one process: sign in and sync at once.
        const Run once
            = signInWith(deviceA, {"sync", "--login", "--no-browser", "--timeout", "30"});
        QVERIFY2(once.exitCode == 0, once.err.constData());
        QVERIFY(once.err.contains("will not persist"));
        QVERIFY2(once.out.contains("Signed in") && once.out.contains("Pushed "),
                 once.out.constData());
        QCOMPARE(run(deviceA, {"sync"}).exitCode, 1);
        QSKIP("No Secret Service in this environment: the persistent sign-in is tested under "
              "scripts/run-tests");
    }

    const Run login = signInWith(deviceA, {"login", "--no-browser", "--timeout", "30"});
    QVERIFY2(login.exitCode == 0, login.err.constData());
    QVERIFY2(login.out.contains("/account/login?") && login.out.endsWith("Signed in\n"),
             login.out.constData());

    Run status = run(deviceA, {"status", "--format", "json"});
    QCOMPARE(status.exitCode, 0);
    if (qEnvironmentVariableIsSet("TST_CLI_VERBOSE"))
        qWarning("%s", status.err.constData());
    QJsonObject values;
    for (const QJsonValue &row : status.json())
        values.insert(row["item"].toString(), row["value"]);
    QCOMPARE(values["signed_in"].toBool(), true);
    QCOMPARE(values["user_id"].toString(), QStringLiteral("user-42"));
    QVERIFY(values["pending_transactions"].toInteger() >= 2);

    // Device A pushes; device B, a second data directory on the same session, pulls.
    Run sync = run(deviceA, {"sync"});
    QVERIFY2(sync.exitCode == 0, sync.err.constData());
    if (qEnvironmentVariableIsSet("TST_CLI_VERBOSE"))
        qWarning("%s", sync.err.constData());
    QVERIFY2(sync.out.startsWith("Pushed "), sync.out.constData());
    QCOMPARE(m_sync.records("transaction").size(), 2);
    status = run(deviceA, {"status", "--format", "json"});
    for (const QJsonValue &row : status.json()) {
        if (row["item"].toString().startsWith("pending_"))
            QCOMPARE(row["value"].toInteger(), 0);
    }

    sync = run(deviceB, {"sync"});
    QVERIFY2(sync.exitCode == 0, sync.err.constData());
    QVERIFY2(sync.out.contains("pulled "), sync.out.constData());
    QCOMPARE(run(deviceB, {"register", "Checking", "--format", "json"}).json(),
             run(deviceA, {"register", "Checking", "--format", "json"}).json());

    // B's edit travels back to A.
    QCOMPARE(run(deviceB,
                 {"add", "Checking", "--date", "2026-02-02", "--payee", "Bakery", "--amount", "-3"})
                 .exitCode,
             0);
    QCOMPARE(run(deviceB, {"sync"}).exitCode, 0);
    QCOMPARE(run(deviceA, {"sync"}).exitCode, 0);
    QCOMPARE(run(deviceA, {"register", "Checking", "--format", "json"}).json(),
             run(deviceB, {"register", "Checking", "--format", "json"}).json());
    QCOMPARE(run(deviceA, {"register", "Checking", "--format", "json"}).json().size(), 3);

    // A failing server is an error, and the change stays pending.
    QCOMPARE(run(deviceA,
                 {"add", "Checking", "--date", "2026-02-03", "--payee", "Cafe", "--amount", "-2"})
                 .exitCode,
             0);
    m_sync.setPushFailure(500);
    sync = run(deviceA, {"sync"});
    m_sync.setPushFailure(0);
    QCOMPARE(sync.exitCode, 1);
    QVERIFY2(sync.err.contains("Push failed (HTTP 500)"), sync.err.constData());
    QCOMPARE(run(deviceA, {"sync"}).exitCode, 0);
    QCOMPARE(m_sync.records("transaction").size(), 4);

    m_auth.clearRequests();
    const Run logout = run(deviceA, {"logout"});
    QCOMPARE(logout.exitCode, 0);
    bool logoutSent = false;
    for (const auto &request : m_auth.requests())
        logoutSent = logoutSent || request.path.endsWith(QLatin1String("/auth/logout"));
    QVERIFY(logoutSent);
    sync = run(deviceB, {"sync"});
    QCOMPARE(sync.exitCode, 1);
    QVERIFY2(sync.err.contains("Not signed in"), sync.err.constData());
}

void tst_CliOnline::notSignedIn() {
    const Run sync = run(m_home.filePath("fresh"), {"sync"});
    QCOMPARE(sync.exitCode, 1);
    QVERIFY2(sync.err.contains("Not signed in"), sync.err.constData());
    const Run status = run(m_home.filePath("fresh"), {"status"});
    QCOMPARE(status.exitCode, 0);
    QVERIFY2(status.out.contains("signed_in"), status.out.constData());
}

QTEST_GUILESS_MAIN(tst_CliOnline)
#include "tst_cli_online.moc"
