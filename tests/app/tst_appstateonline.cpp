// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/apiclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "services/syncengine.h"
#include "storage/preferencesrepository.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/testsyncserver.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const kServiceVariables[]
    = {"AUTH_BASE_URL",  "ACCOUNT_API_URL",    "SYNC_API_URL",  "AUTH_REALM_SLUG",
       "AUTH_CLIENT_ID", "ACCOUNT_PORTAL_URL", "QUILLON_SERVER"};

std::unique_ptr<TindAccount::MemoryTokenStore> storeWith(const QString &access,
                                                         const QString &refresh) {
    auto store = std::make_unique<TindAccount::MemoryTokenStore>();
    store->save(QStringLiteral("tindral_access_token"), access);
    store->save(QStringLiteral("tindral_refresh_token"), refresh);
    return store;
}

} // namespace

class tst_AppStateOnline : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void serviceSettings_data();
    void serviceSettings();
    void startupRefresh_data();
    void startupRefresh();
    void serverAddress_data();
    void serverAddress();

private:
    QTemporaryDir m_dir;
};

void tst_AppStateOnline::init() {
    qputenv("QUILLON_DATA_DIR", m_dir.path().toUtf8());
    for (const char *name : kServiceVariables)
        qunsetenv(name);
}

void tst_AppStateOnline::cleanup() {
    QFile::remove(m_dir.filePath("quillon.db"));
    qunsetenv("QUILLON_DATA_DIR");
    for (const char *name : kServiceVariables)
        qunsetenv(name);
}

void tst_AppStateOnline::serviceSettings_data() {
    QTest::addColumn<QByteArray>("value"); // null: unset
    QTest::addColumn<QString>("syncUrl");
    QTest::addColumn<QString>("realm");
    QTest::addRow("unset") << QByteArray() << "https://api.tindral.example/quillon/v1"
                           << "tindral";
    QTest::addRow("empty") << QByteArray("") << "https://api.tindral.example/quillon/v1"
                           << "tindral";
    QTest::addRow("set") << QByteArray("http://127.0.0.1:9/sync/ ") << "http://127.0.0.1:9/sync/ "
                         << "http://127.0.0.1:9/sync/ ";
}

void tst_AppStateOnline::serviceSettings() {
    QFETCH(QByteArray, value);
    QFETCH(QString, syncUrl);
    QFETCH(QString, realm);
    if (!value.isNull()) {
        qputenv("SYNC_API_URL", value);
        qputenv("AUTH_REALM_SLUG", value);
    }
    QCOMPARE(AppState::syncApiUrlFromEnvironment(), syncUrl);

    AppState state;
    state.setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(state.initialize());
    QVERIFY(state.accountClient() && state.syncEngine() && state.sharingService());
    QCOMPARE(state.accountClient()->parent(), &state);
    QCOMPARE(state.accountClient()->config().realmSlug, realm);
    QCOMPARE(state.accountClient()->config().appName, QStringLiteral("Tindral Quillon"));
    QCOMPARE(state.accountClient()->config().clientId.size(), 32);
    QCOMPARE(state.accountClient()->syncApi()->baseUrl(), QUrl(syncUrl));
    // Signed out: no periodic sync.
    QVERIFY(!state.syncEngine()->isAutoSyncActive());
}

void tst_AppStateOnline::startupRefresh_data() {
    QTest::addColumn<bool>("accessValid");
    QTest::addColumn<bool>("refreshOk");
    QTest::addColumn<bool>("syncs");
    QTest::addRow("valid token, refresh ok") << true << true << true;
    QTest::addRow("valid token, refresh refused") << true << false << false;
    QTest::addRow("expired token, refresh ok") << false << true << true;
    QTest::addRow("expired token, refresh refused") << false << false << false;
}

void tst_AppStateOnline::startupRefresh() {
    QFETCH(bool, accessValid);
    QFETCH(bool, refreshOk);
    QFETCH(bool, syncs);

    TestHttpServer auth;
    QVERIFY(auth.listen());
    auth.setHandler([refreshOk](const TestHttpServer::Request &request) {
        if (!request.path.endsWith("/auth/token/refresh") || !refreshOk)
            return TestHttpServer::Response::json(401, {{"error", "invalid refresh token"}});
        return TestHttpServer::Response::json(
            200, {{"access_token", fakeJwtExpiringIn(3600)}, {"refresh_token", "refresh-2"}});
    });
    TestSyncServer sync;
    QVERIFY(sync.listen());
    qputenv("AUTH_BASE_URL", auth.url().toString().toUtf8());
    qputenv("SYNC_API_URL", sync.url().toString().toUtf8());

    AppState state;
    state.setTokenStore(storeWith(accessValid ? fakeJwtExpiringIn(3600) : fakeJwtExpiringIn(-60),
                                  QStringLiteral("refresh-1")));
    QVERIFY(state.initialize());
    QVERIFY(auth.waitForRequests(1));
    if (syncs) {
        QVERIFY(sync.http()->waitForRequests(1));
        QVERIFY(state.syncEngine()->isAutoSyncActive());
        QCOMPARE(state.syncEngine()->autoSyncInterval(), 300000);
    } else {
        QTest::qWait(300);
        QVERIFY(sync.requests().isEmpty());
        QVERIFY(!state.syncEngine()->isAutoSyncActive());
    }
}

// One server address gives every service URL; a service's own variable still wins.
void tst_AppStateOnline::serverAddress_data() {
    QTest::addColumn<QByteArray>("server"); // QUILLON_SERVER, null: unset
    QTest::addColumn<QString>("stored");    // the preference
    QTest::addColumn<QByteArray>("syncOverride");
    QTest::addColumn<QString>("sync");
    QTest::addColumn<QString>("auth");
    QTest::addColumn<QString>("account");

    QTest::addRow("variable") << QByteArray("http://127.0.0.1:8080/") << QString() << QByteArray()
                              << "http://127.0.0.1:8080/quillon/v1"
                              << "http://127.0.0.1:8080"
                              << "http://127.0.0.1:8080/account/v1";
    QTest::addRow("preference") << QByteArray() << "https://home.example" << QByteArray()
                                << "https://home.example/quillon/v1"
                                << "https://home.example"
                                << "https://home.example/account/v1";
    QTest::addRow("variable over preference")
        << QByteArray("https://a.example") << "https://b.example" << QByteArray()
        << "https://a.example/quillon/v1"
        << "https://a.example"
        << "https://a.example/account/v1";
    QTest::addRow("own variable wins")
        << QByteArray("https://a.example") << QString() << QByteArray("https://sync.example/v9")
        << "https://sync.example/v9"
        << "https://a.example"
        << "https://a.example/account/v1";
    QTest::addRow("neither") << QByteArray() << QString() << QByteArray()
                             << "https://api.tindral.example/quillon/v1"
                             << "https://auth.tindral.example"
                             << "https://api.tindral.example/account/v1";
}

void tst_AppStateOnline::serverAddress() {
    QFETCH(QByteArray, server);
    QFETCH(QString, stored);
    QFETCH(QByteArray, syncOverride);
    QFETCH(QString, sync);
    QFETCH(QString, auth);
    QFETCH(QString, account);
    if (!server.isNull())
        qputenv("QUILLON_SERVER", server);
    if (!syncOverride.isNull())
        qputenv("SYNC_API_URL", syncOverride);
    if (!stored.isEmpty()) {
        AppState first;
        first.setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
        QVERIFY(first.initialize());
        first.preferencesRepository()->setValue(AppState::ServerAddressKey, stored);
    }

    AppState state;
    state.setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(state.initialize());
    QCOMPARE(state.accountClient()->syncApi()->baseUrl(), QUrl(sync));
    QCOMPARE(state.accountClient()->config().authBaseUrl, auth);
    QCOMPARE(state.accountClient()->config().accountApiUrl, account);
}

QTEST_GUILESS_MAIN(tst_AppStateOnline)
#include "tst_appstateonline.moc"
