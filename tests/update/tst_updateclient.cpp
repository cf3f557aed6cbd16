// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testhttpserver.h"
#include "update/client.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using TindUpdate::Artifact;
using TindUpdate::Client;
using TindUpdate::UpdateConfig;

namespace {

const QString kManifestPath = QStringLiteral("/quillon/stable/latest.json");
const QByteArray kUserAgent = "TindUpdateQt/0.1 (quillon)";

QJsonObject artifact(const QString &version, const QString &minUpgradableFrom = QString()) {
    QJsonObject a{{"version", version},
                  {"released_at", "2026-03-01T12:00:00Z"},
                  {"url", "https://downloads.example/quillon/" + version + "/setup.exe"},
                  {"size", 1024},
                  {"sha256", QString(64, QLatin1Char('f'))}};
    if (!minUpgradableFrom.isEmpty())
        a["min_upgradable_from"] = minUpgradableFrom;
    return a;
}

QByteArray manifest(const QJsonObject &windowsArtifact, int schema = 1) {
    const QJsonObject root{{"schema", schema},
                           {"app", "quillon"},
                           {"channel", "stable"},
                           {"artifacts", QJsonObject{{"windows-x64", windowsArtifact}}}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

// Records which of the three outcomes a check ended in.
struct Outcome {
    explicit Outcome(Client *client)
        : available(client, &Client::updateAvailable)
        , upToDate(client, &Client::upToDate)
        , failed(client, &Client::checkFailed) {}

    int count() const { return available.count() + upToDate.count() + failed.count(); }
    bool wait() const {
        return QTest::qWaitFor([this] { return count() > 0; }, 5000);
    }
    QString describe() const {
        if (!available.isEmpty())
            return "available " + available.first().first().value<Artifact>().version;
        if (!upToDate.isEmpty())
            return QStringLiteral("up to date");
        if (!failed.isEmpty())
            return "failed: " + failed.first().first().toString();
        return QStringLiteral("nothing");
    }

    QSignalSpy available;
    QSignalSpy upToDate;
    QSignalSpy failed;
};

} // namespace

class tst_UpdateClient : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();

    void check_data();
    void check();
    void httpError_data();
    void httpError();
    void invalidConfig_data();
    void invalidConfig();
    void manifestUrl_data();
    void manifestUrl();
    void offeredArtifactIsComplete();
    void followsRedirect();
    void secondCheckWhileInFlightIsIgnored();
    void stalledServerTimesOut();

private:
    UpdateConfig config(const QString &currentVersion) const {
        return {QStringLiteral("quillon"), QStringLiteral("stable"),
                m_server->url(QStringLiteral("/quillon/stable/")), currentVersion};
    }

    std::unique_ptr<TestHttpServer> m_server;
};

void tst_UpdateClient::init() {
    m_server = std::make_unique<TestHttpServer>();
    QVERIFY(m_server->listen());
}

void tst_UpdateClient::check_data() {
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("outcome");

    const QString win = QStringLiteral("windows-x64");
    QTest::addRow("numeric comparison offers 1.0.10")
        << "1.0.3" << win << manifest(artifact("1.0.10")) << "available 1.0.10";
    QTest::addRow("same version") << "1.0.3" << win << manifest(artifact("1.0.3")) << "up to date";
    QTest::addRow("1.2 is 1.2.0") << "1.2" << win << manifest(artifact("1.2.0")) << "up to date";
    QTest::addRow("local build newer")
        << "1.1.0" << win << manifest(artifact("1.0.10")) << "up to date";
    QTest::addRow("beta never offered")
        << "1.0.3" << win << manifest(artifact("1.0.4-beta")) << "up to date";
    QTest::addRow("meets min_upgradable_from")
        << "1.0.3" << win << manifest(artifact("2.0.0", "1.0.3")) << "available 2.0.0";
    QTest::addRow("below min_upgradable_from")
        << "0.9.8" << win << manifest(artifact("2.0.0", "1.0.0"))
        << "failed: current version 0.9.8 is older than min_upgradable_from 1.0.0; please "
           "upgrade to an intermediate release first";
    QTest::addRow("platform not shipped")
        << "1.0.3"
        << "linux-x64" << manifest(artifact("1.0.10")) << "up to date";
    QTest::addRow("unknown platform") << "1.0.3"
                                      << "" << manifest(artifact("1.0.10")) << "up to date";
    QTest::addRow("schema 2") << "1.0.3" << win << manifest(artifact("1.0.10"), 2)
                              << "failed: manifest invalid: unsupported manifest schema: 2 "
                                 "(expected 1)";
    QJsonObject shortDigest = artifact("1.0.10");
    shortDigest["sha256"] = QString(63, QLatin1Char('f'));
    QTest::addRow("63-character digest")
        << "1.0.3" << win << manifest(shortDigest)
        << "failed: manifest invalid: artifact windows-x64 failed validation";
    QTest::addRow("html instead of json")
        << "1.0.3" << win << QByteArray("<html>maintenance</html>")
        << "failed: manifest invalid: JSON parse error: illegal value";
}

void tst_UpdateClient::check() {
    QFETCH(QString, current);
    QFETCH(QString, platform);
    QFETCH(QByteArray, body);
    QFETCH(QString, outcome);

    m_server->setHandler([body](const TestHttpServer::Request &) {
        return TestHttpServer::Response::text(200, body, "application/json");
    });
    if (platform.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, "unknown platform, skipping update check");
    else if (platform == QLatin1String("linux-x64"))
        QTest::ignoreMessage(QtInfoMsg, "platform linux-x64 not shipped in current manifest");

    Client client(config(current));
    client.setPlatformKey(platform);
    Outcome result(&client);
    client.check();
    QVERIFY(client.isChecking());
    QVERIFY(result.wait());

    QCOMPARE(result.describe(), outcome);
    QCOMPARE(result.count(), 1);
    QVERIFY(!client.isChecking());
    QCOMPARE(m_server->requests().size(), 1);
    const TestHttpServer::Request &request = m_server->requests().first();
    QCOMPARE(request.method, QByteArray("GET"));
    QCOMPARE(request.path, kManifestPath);
    QCOMPARE(request.header("User-Agent"), kUserAgent);
}

void tst_UpdateClient::httpError_data() {
    QTest::addColumn<int>("status");
    QTest::addRow("not found") << 404;
    QTest::addRow("server error") << 500;
}

void tst_UpdateClient::httpError() {
    QFETCH(int, status);
    // An error page may well carry a perfectly valid manifest; it must not be used.
    m_server->setHandler([status](const TestHttpServer::Request &) {
        return TestHttpServer::Response::text(status, manifest(artifact("9.0.0")));
    });
    Client client(config(QStringLiteral("1.0.3")));
    client.setPlatformKey(QStringLiteral("windows-x64"));
    Outcome result(&client);
    client.check();
    QVERIFY(result.wait());

    QCOMPARE(result.failed.count(), 1);
    const QString reason = result.failed.first().first().toString();
    QVERIFY2(reason.startsWith("network error: ") && reason.contains("server replied"),
             qPrintable(reason));
}

void tst_UpdateClient::invalidConfig_data() {
    QTest::addColumn<QUrl>("baseUrl");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("reason");

    QTest::addRow("no base url") << QUrl() << "1.0.3"
                                 << "manifestBaseUrl is not valid";
    QTest::addRow("malformed base url") << QUrl("http://exa mple/", QUrl::StrictMode) << "1.0.3"
                                        << "manifestBaseUrl is not valid";
    QTest::addRow("base url without scheme") << QUrl("downloads.example/quillon/stable/") << "1.0.3"
                                             << "manifestBaseUrl is not valid";
    QTest::addRow("no current version") << QUrl("https://downloads.example/quillon/stable/") << ""
                                        << "currentVersion is empty";
}

void tst_UpdateClient::invalidConfig() {
    QFETCH(QUrl, baseUrl);
    QFETCH(QString, current);
    QFETCH(QString, reason);

    Client client({QStringLiteral("quillon"), QStringLiteral("stable"), baseUrl, current});
    Outcome result(&client);
    client.check();
    QCOMPARE(result.describe(), "failed: " + reason);
    QCOMPARE(result.count(), 1);
    QVERIFY(!client.isChecking());
}

void tst_UpdateClient::manifestUrl_data() {
    QTest::addColumn<QUrl>("base");
    QTest::addColumn<QUrl>("expected");

    QTest::addRow("trailing slash") << QUrl("https://d.example/quillon/stable/")
                                    << QUrl("https://d.example/quillon/stable/latest.json");
    QTest::addRow("no trailing slash") << QUrl("https://d.example/quillon/stable")
                                       << QUrl("https://d.example/quillon/stable/latest.json");
    QTest::addRow("query kept") << QUrl("https://d.example/quillon/stable/?k=1")
                                << QUrl("https://d.example/quillon/stable/latest.json?k=1");
    QTest::addRow("host only") << QUrl("https://d.example")
                               << QUrl("https://d.example/latest.json");
}

void tst_UpdateClient::manifestUrl() {
    QFETCH(QUrl, base);
    QFETCH(QUrl, expected);
    QCOMPARE(Client::manifestUrl(base), expected);
}

void tst_UpdateClient::offeredArtifactIsComplete() {
    QJsonObject offered = artifact("1.1.0", "1.0.0");
    offered["mandatory"] = true;
    offered["release_notes_url"] = "https://downloads.example/quillon/1.1.0/release-notes.md";
    m_server->setHandler([offered](const TestHttpServer::Request &) {
        return TestHttpServer::Response::text(200, manifest(offered));
    });
    Client client(config(QStringLiteral("1.0.3")));
    client.setPlatformKey(QStringLiteral("windows-x64"));
    Outcome result(&client);
    client.check();
    QVERIFY(result.wait());
    QCOMPARE(result.available.count(), 1);

    const auto a = result.available.first().first().value<Artifact>();
    QCOMPARE(a.version, QStringLiteral("1.1.0"));
    QCOMPARE(a.url, QUrl("https://downloads.example/quillon/1.1.0/setup.exe"));
    QCOMPARE(a.size, qint64(1024));
    QCOMPARE(a.sha256, QString(64, QLatin1Char('f')));
    QCOMPARE(a.mandatory, true);
    QCOMPARE(a.minUpgradableFrom, QStringLiteral("1.0.0"));
    QCOMPARE(a.releaseNotesUrl, QUrl("https://downloads.example/quillon/1.1.0/release-notes.md"));
    QCOMPARE(a.releasedAt, QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC));
}

void tst_UpdateClient::followsRedirect() {
    const QByteArray location = m_server->url("/mirror/latest.json").toEncoded();
    m_server->setHandler([location](const TestHttpServer::Request &r) {
        if (r.path == kManifestPath) {
            auto moved = TestHttpServer::Response::text(302, QByteArray());
            moved.headers.append({"Location", location});
            return moved;
        }
        return TestHttpServer::Response::text(200, manifest(artifact("1.0.4")));
    });
    Client client(config(QStringLiteral("1.0.3")));
    client.setPlatformKey(QStringLiteral("windows-x64"));
    Outcome result(&client);
    client.check();
    QVERIFY(result.wait());
    QCOMPARE(result.describe(), QStringLiteral("available 1.0.4"));
    QCOMPARE(m_server->requests().size(), 2);
    QCOMPARE(m_server->requests().at(1).path, QStringLiteral("/mirror/latest.json"));
    QCOMPARE(m_server->requests().at(1).header("User-Agent"), kUserAgent);
}

void tst_UpdateClient::secondCheckWhileInFlightIsIgnored() {
    m_server->setHandler([](const TestHttpServer::Request &) {
        auto response = TestHttpServer::Response::text(200, manifest(artifact("1.0.4")));
        response.delayMs = 200;
        return response;
    });
    Client client(config(QStringLiteral("1.0.3")));
    client.setPlatformKey(QStringLiteral("windows-x64"));
    Outcome result(&client);

    client.check();
    QTest::ignoreMessage(QtDebugMsg, "check already in flight, ignoring");
    client.check();
    QVERIFY(result.wait());
    QTest::qWait(300); // a second answer would have arrived by now
    QCOMPARE(result.describe(), QStringLiteral("available 1.0.4"));
    QCOMPARE(result.count(), 1);
    QCOMPARE(m_server->requests().size(), 1);

    // Once answered, the client checks again.
    client.check();
    QTRY_COMPARE_WITH_TIMEOUT(result.count(), 2, 5000);
    QCOMPARE(m_server->requests().size(), 2);
}

void tst_UpdateClient::stalledServerTimesOut() {
    m_server->setHandler([](const TestHttpServer::Request &) {
        auto response = TestHttpServer::Response::text(200, manifest(artifact("1.0.4")));
        response.delayMs = 3000;
        return response;
    });
    Client client(config(QStringLiteral("1.0.3")));
    client.setPlatformKey(QStringLiteral("windows-x64"));
    client.setTimeout(100);
    Outcome result(&client);
    client.check();
    QVERIFY(result.wait());
    QCOMPARE(result.failed.count(), 1);
    QVERIFY2(result.failed.first().first().toString().startsWith("network error: "),
             qPrintable(result.describe()));
    QVERIFY(!client.isChecking());
}

QTEST_GUILESS_MAIN(tst_UpdateClient)
#include "tst_updateclient.moc"
