// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/account/fakejwt.h"

#include "account/memorytokenstore.h"
#include "account/tindclaims.h"
#include "account/tokenmanager.h"

#include <QTest>

using namespace TindAccount;

namespace {

// Records what reaches the store, and can refuse to hold one key.
class SpyStore : public MemoryTokenStore {
public:
    bool remove(const QString &key) override {
        removed.append(key);
        return MemoryTokenStore::remove(key);
    }
    QStringList removed;
};

} // namespace

class tst_TokenManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void expiry_data();
    void expiry();
    void claims_data();
    void claims();
    void storesAndClears();
    void refreshIsCoalesced();
    void refreshWithoutTokenOrFunctionFails();
    void completionMayStartAnotherRefresh();
    void clearedTokensStayClearedAfterRefresh();
};

void tst_TokenManager::expiry_data() {
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<bool>("needsRefresh");

    // The tokens are made here, before the rows run: a few seconds over the margin keep this
    // row true on a slow run (under the sanitizers a second boundary passed before it ran).
    QTest::addRow("35 s left") << fakeJwtExpiringIn(35) << "r" << true << false;
    QTest::addRow("30 s left") << fakeJwtExpiringIn(30) << "r" << false << true;
    QTest::addRow("expired") << fakeJwtExpiringIn(-600) << "r" << false << true;
    QTest::addRow("expired, no refresh token") << fakeJwtExpiringIn(-600) << "" << false << false;
    QTest::addRow("no exp") << fakeJwt({{"sub", "u1"}}) << "r" << false << true;
    QTest::addRow("exp as text") << fakeJwt({{"exp", "9999999999"}}) << "r" << false << true;
    QTest::addRow("not a JWT") << "opaque"
                               << "r" << false << true;
    // "exp" beyond 2^31 (January 2038) must still read as the future.
    QTest::addRow("expires in 2040")
        << fakeJwt({{"exp", qint64(2208988800)}}) << "r" << true << false;
    QTest::addRow("nothing held") << ""
                                  << "" << false << false;
    QTest::addRow("only a refresh token") << ""
                                          << "r" << false << true;
}

void tst_TokenManager::expiry() {
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(bool, usable);
    QFETCH(bool, needsRefresh);

    TokenManager tokens(std::make_unique<MemoryTokenStore>());
    tokens.setTokens(access, refresh);
    QCOMPARE(tokens.accessToken(), usable ? access : QString());
    QCOMPARE(tokens.needsRefresh(), needsRefresh);
    QCOMPARE(tokens.currentRefreshToken(), refresh);
}

void tst_TokenManager::claims_data() {
    QTest::addColumn<QString>("token");
    QTest::addColumn<QString>("groupId");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("subject");

    const QJsonObject tind{{"group_id", "g-1"}, {"role", "owner"}};
    QTest::addRow("full") << fakeJwt({{"sub", "u-7"}, {"custom", QJsonObject{{"tind", tind}}}})
                          << "g-1"
                          << "owner"
                          << "u-7";
    QTest::addRow("no custom") << fakeJwt({{"sub", "u-7"}}) << ""
                               << ""
                               << "u-7";
    QTest::addRow("tind not an object") << fakeJwt({{"custom", QJsonObject{{"tind", "x"}}}}) << ""
                                        << ""
                                        << "";
    QTest::addRow("one part") << "abc"
                              << ""
                              << ""
                              << "";
    QTest::addRow("payload not JSON") << "a.!!!.c"
                                      << ""
                                      << ""
                                      << "";
    QString padded = fakeJwt({{"sub", "u-8"}});
    const QStringList parts = padded.split('.');
    padded = parts[0] + '.' + parts[1] + QString(4 - parts[1].size() % 4, '=') + '.' + parts[2];
    QTest::addRow("payload with padding") << padded << ""
                                          << ""
                                          << "u-8";
}

void tst_TokenManager::claims() {
    QFETCH(QString, token);
    const TindClaims claims = TindClaims::fromAccessToken(token);
    QTEST(claims.groupId, "groupId");
    QTEST(claims.role, "role");
    QTEST(TokenManager::tokenSubject(token), "subject");
}

void tst_TokenManager::storesAndClears() {
    auto owned = std::make_unique<SpyStore>();
    SpyStore *store = owned.get();
    const QString access = fakeJwtExpiringIn(3600);
    {
        TokenManager tokens(std::move(owned));
        tokens.setTokens(access, "r1");
        QCOMPARE(store->load(TokenStore::AccessTokenKey), std::optional<QString>(access));
        QCOMPARE(store->load(TokenStore::RefreshTokenKey), std::optional<QString>("r1"));

        TokenManager reloaded(std::make_unique<MemoryTokenStore>(*store));
        reloaded.loadTokens();
        QCOMPARE(reloaded.accessToken(), access);
        QCOMPARE(reloaded.currentRefreshToken(), QStringLiteral("r1"));

        // A missing credential must not stop the other from being removed.
        store->remove(TokenStore::AccessTokenKey);
        store->removed.clear();
        tokens.clearTokens();
        QCOMPARE(store->removed,
                 QStringList({TokenStore::AccessTokenKey, TokenStore::RefreshTokenKey}));
        QVERIFY(!store->load(TokenStore::RefreshTokenKey));
        QVERIFY(tokens.accessToken().isEmpty());
        QVERIFY(tokens.currentRefreshToken().isEmpty());
    }
}

void tst_TokenManager::refreshIsCoalesced() {
    TokenManager tokens(std::make_unique<MemoryTokenStore>());
    tokens.setTokens(QString(), "r1");
    int exchanges = 0;
    TokenManager::SuccessFunction answer;
    tokens.setRefreshCallback([&](const QString &refreshToken, TokenManager::SuccessFunction ok,
                                  TokenManager::FailureFunction) {
        ++exchanges;
        QCOMPARE(refreshToken, QStringLiteral("r1"));
        answer = ok;
    });

    QList<int> order;
    const QString fresh = fakeJwtExpiringIn(3600);
    for (int i = 0; i < 3; ++i) {
        tokens.refresh([&, i](bool ok) {
            QVERIFY(ok);
            QCOMPARE(tokens.accessToken(), fresh);
            order.append(i);
        });
    }
    QCOMPARE(exchanges, 1);
    QVERIFY(order.isEmpty());
    answer(fresh, "r2");
    answer(fresh, "r3"); // a second answer to the same exchange is ignored
    QCOMPARE(order, QList<int>({0, 1, 2}));
    QCOMPARE(tokens.currentRefreshToken(), QStringLiteral("r2"));
}

void tst_TokenManager::refreshWithoutTokenOrFunctionFails() {
    TokenManager tokens(std::make_unique<MemoryTokenStore>());
    tokens.setTokens(QString(), "r1");
    QList<bool> results;
    tokens.refresh([&](bool ok) { results.append(ok); }); // no function installed
    tokens.setRefreshCallback([](const QString &, TokenManager::SuccessFunction,
                                 TokenManager::FailureFunction failed) { failed(); });
    tokens.refresh([&](bool ok) { results.append(ok); }); // rejected
    tokens.setTokens(QString(), QString());
    tokens.refresh([&](bool ok) { results.append(ok); }); // nothing to refresh with
    QCOMPARE(results, QList<bool>({false, false, false}));
}

void tst_TokenManager::completionMayStartAnotherRefresh() {
    TokenManager tokens(std::make_unique<MemoryTokenStore>());
    tokens.setTokens(QString(), "r1");
    int exchanges = 0;
    tokens.setRefreshCallback(
        [&](const QString &, TokenManager::SuccessFunction ok, TokenManager::FailureFunction) {
            ++exchanges;
            ok(fakeJwtExpiringIn(3600), "r" + QString::number(exchanges + 1));
        });
    bool inner = false;
    tokens.refresh([&](bool) { tokens.refresh([&](bool ok) { inner = ok; }); });
    QVERIFY(inner);
    QCOMPARE(exchanges, 2);
}

void tst_TokenManager::clearedTokensStayClearedAfterRefresh() {
    MemoryTokenStore *store = nullptr;
    auto owned = std::make_unique<MemoryTokenStore>();
    store = owned.get();
    TokenManager tokens(std::move(owned));
    tokens.setTokens(QString(), "r1");
    TokenManager::SuccessFunction answer;
    tokens.setRefreshCallback([&](const QString &, TokenManager::SuccessFunction ok,
                                  TokenManager::FailureFunction) { answer = ok; });
    bool result = true;
    tokens.refresh([&](bool ok) { result = ok; });

    tokens.clearTokens(); // signed out while the exchange was on its way
    answer(fakeJwtExpiringIn(3600), "r2");
    QVERIFY(!result);
    QVERIFY(tokens.currentRefreshToken().isEmpty());
    QVERIFY(!store->load(TokenStore::RefreshTokenKey));
}

QTEST_GUILESS_MAIN(tst_TokenManager)
#include "tst_tokenmanager.moc"
