// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/secretservicetokenstore.h"
#include "account/tokenmanager.h"

#include <QFileInfo>
#include <QTest>

using namespace TindAccount;

namespace {

const QString Service = QStringLiteral("com.tindral.quillon.tests");
const QString OtherService = QStringLiteral("com.tindral.quillon.tests.other");

bool sessionBusExists() {
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

} // namespace

// Runs against a real Secret Service daemon; the test script starts an unlocked one.
class tst_SecretServiceTokenStore : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void saveLoadRemove_data();
    void saveLoadRemove();
    void clearRemovesBoth();
    void servicesAreSeparate();
    void tokensOutliveTheManager();
};

void tst_SecretServiceTokenStore::initTestCase() {
    SecretServiceTokenStore store(Service);
    if (store.isAvailable())
        return;
    if (qEnvironmentVariable("QUILLON_KEYRING_AVAILABLE") == QLatin1String("1"))
        QFAIL("QUILLON_KEYRING_AVAILABLE is set but no Secret Service answers");
    if (!sessionBusExists())
        QSKIP("No D-Bus session bus: run through scripts/run-tests to test the Secret Service");
    QFAIL("A session bus exists but no Secret Service answers on it");
}

void tst_SecretServiceTokenStore::cleanup() {
    SecretServiceTokenStore(Service).clear();
    SecretServiceTokenStore(OtherService).clear();
}

void tst_SecretServiceTokenStore::saveLoadRemove_data() {
    QTest::addColumn<QString>("value");

    QTest::addRow("token") << QStringLiteral("eyJhbGciOiJub25lIn0.eyJleHAiOjF9.c2ln");
    QTest::addRow("non-ASCII") << QStringLiteral("Grüße-東京-✓");
    QTest::addRow("long") << QString(8000, QLatin1Char('x'));
}

void tst_SecretServiceTokenStore::saveLoadRemove() {
    QFETCH(QString, value);
    SecretServiceTokenStore store(Service);
    QVERIFY(!store.load(TokenStore::AccessTokenKey));
    QVERIFY(store.save(TokenStore::AccessTokenKey, "first"));
    QVERIFY(store.save(TokenStore::AccessTokenKey, value)); // replaces, never duplicates
    QCOMPARE(store.load(TokenStore::AccessTokenKey), std::optional<QString>(value));
    QVERIFY(store.remove(TokenStore::AccessTokenKey));
    QVERIFY(!store.load(TokenStore::AccessTokenKey));
    QVERIFY(!store.remove(TokenStore::AccessTokenKey));
}

void tst_SecretServiceTokenStore::clearRemovesBoth() {
    SecretServiceTokenStore store(Service);
    QVERIFY(store.save(TokenStore::RefreshTokenKey, "r1"));
    store.clear(); // the access token is missing: the refresh token goes all the same
    QVERIFY(!store.load(TokenStore::RefreshTokenKey));

    QVERIFY(store.save(TokenStore::AccessTokenKey, "a1"));
    QVERIFY(store.save(TokenStore::RefreshTokenKey, "r1"));
    store.clear();
    QVERIFY(!store.load(TokenStore::AccessTokenKey));
    QVERIFY(!store.load(TokenStore::RefreshTokenKey));
}

void tst_SecretServiceTokenStore::servicesAreSeparate() {
    SecretServiceTokenStore one(Service);
    SecretServiceTokenStore other(OtherService);
    QVERIFY(one.save(TokenStore::AccessTokenKey, "mine"));
    QVERIFY(other.save(TokenStore::AccessTokenKey, "theirs"));
    QCOMPARE(one.load(TokenStore::AccessTokenKey), std::optional<QString>("mine"));
    other.clear();
    QCOMPARE(one.load(TokenStore::AccessTokenKey), std::optional<QString>("mine"));
}

void tst_SecretServiceTokenStore::tokensOutliveTheManager() {
    {
        TokenManager tokens(std::make_unique<SecretServiceTokenStore>(Service));
        tokens.setTokens("a.b.c", "r1");
    }
    TokenManager restored(std::make_unique<SecretServiceTokenStore>(Service));
    restored.loadTokens();
    QCOMPARE(restored.currentRefreshToken(), QStringLiteral("r1"));
    restored.clearTokens();

    TokenManager cleared(std::make_unique<SecretServiceTokenStore>(Service));
    cleared.loadTokens();
    QVERIFY(cleared.currentRefreshToken().isEmpty());
}

QTEST_GUILESS_MAIN(tst_SecretServiceTokenStore)
#include "tst_secretservicetokenstore.moc"
