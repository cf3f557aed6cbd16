// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/apiclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "services/syncengine.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/testsyncserver.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

const char *const kServiceVariables[]
    = {"AUTH_BASE_URL",   "ACCOUNT_API_URL", "SYNC_API_URL",
       "AUTH_REALM_SLUG", "AUTH_CLIENT_ID",  "ACCOUNT_PORTAL_URL"};

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

QTEST_GUILESS_MAIN(tst_AppStateOnline)
#include "tst_appstateonline.moc"
