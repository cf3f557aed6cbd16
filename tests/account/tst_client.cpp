// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"

#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

using namespace TindAccount;

class tst_Client : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void platformName_data();
    void platformName();
    void wiring();
    void signedInAnnouncesClaims();
};

void tst_Client::platformName_data() {
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("expected");

    QTest::addRow("configured wins") << "windows"
                                     << "windows";
    QString running = QSysInfo::kernelType().toLower();
    if (running == "darwin")
        running = "macos";
    else if (running == "winnt")
        running = "windows";
    QTest::addRow("derived") << "" << running;
}

void tst_Client::platformName() {
    QFETCH(QString, configured);
    QTEST(Client::platformName(configured), "expected");
}

void tst_Client::wiring() {
    TestHttpServer server;
    QVERIFY(server.listen());
    ClientConfig config;
    config.authBaseUrl = server.url().toString();
    config.realmSlug = "tindral";
    config.accountApiUrl = server.url("/account/v1").toString();
    config.appId = "com.tindral.quillon";
    config.appVersion = "1.0.3";
    Client client(config, std::make_unique<MemoryTokenStore>());

    QCOMPARE(client.syncApi()->baseUrl(), QUrl());
    client.syncApi()->setBaseUrl(server.url("/quillon/v1"));
    client.authApi()->getUnauthenticated("/a", {});
    client.accountApi()->getUnauthenticated("/b", {});
    client.syncApi()->getUnauthenticated("/c", {});
    QVERIFY(server.waitForRequests(3));

    QStringList paths;
    for (const auto &r : server.requests()) {
        paths.append(r.path);
        QCOMPARE(r.header("x-app-id"), QByteArray("com.tindral.quillon"));
        QCOMPARE(r.header("x-platform"), Client::platformName(QString()).toUtf8());
    }
    paths.sort();
    QCOMPARE(paths, QStringList({"/account/v1/b", "/api/v1/realms/tindral/a", "/quillon/v1/c"}));
}

void tst_Client::signedInAnnouncesClaims() {
    auto store = std::make_unique<MemoryTokenStore>();
    const QJsonObject tind{{"group_id", "g-9"}, {"role", "owner"}};
    store->save(TokenStore::AccessTokenKey,
                fakeJwtExpiringIn(3600, {{"custom", QJsonObject{{"tind", tind}}}}));
    store->save(TokenStore::RefreshTokenKey, "r1");
    Client client(ClientConfig(), std::move(store));
    QVERIFY(client.claims().isEmpty()); // nothing loaded yet

    QSignalSpy states(&client, &Client::authStateChanged);
    QSignalSpy claims(&client, &Client::claimsUpdated);
    client.initialize();
    QCOMPARE(states.size(), 1);
    QCOMPARE(states.first().first().value<AuthState>(), AuthState::SignedIn);
    QCOMPARE(claims.size(), 1);
    const auto announced = claims.first().first().value<TindClaims>();
    QCOMPARE(announced.groupId, QStringLiteral("g-9"));
    QCOMPARE(announced.role, QStringLiteral("owner"));
    QVERIFY(client.isAuthenticated());

    client.setUrlOpener([](const QUrl &) { return true; });
    client.auth()->logout();
    QCOMPARE(states.size(), 2);
    QCOMPARE(claims.size(), 1);
    QVERIFY(client.claims().isEmpty());
}

QTEST_GUILESS_MAIN(tst_Client)
#include "tst_client.moc"
