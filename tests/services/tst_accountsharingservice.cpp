// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/apiclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "services/accountsharingservice.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/testsyncserver.h"

#include <QJsonArray>
#include <QTest>

#include <memory>

class tst_AccountSharingService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void shareListAndRemove();
    void shareBody_data();
    void shareBody();
    void shareFailureText_data();
    void shareFailureText();
    void failedListingIsEmpty();

private:
    void useServer(const QUrl &url) { m_api->setBaseUrl(url); }

    std::unique_ptr<TindAccount::TokenManager> m_tokens;
    std::unique_ptr<TindAccount::ApiClient> m_api;
    std::unique_ptr<AccountSharingService> m_service;
};

void tst_AccountSharingService::init() {
    m_tokens = std::make_unique<TindAccount::TokenManager>(
        std::make_unique<TindAccount::MemoryTokenStore>());
    m_api = std::make_unique<TindAccount::ApiClient>(m_tokens.get());
    m_service = std::make_unique<AccountSharingService>(m_api.get());
}

void tst_AccountSharingService::shareListAndRemove() {
    TestSyncServer server;
    QVERIFY(server.listen());
    server.seed("account", {{"client_id", "acc-1"}, {"name", "Joint"}});
    useServer(server.url());

    bool done = false;
    bool ok = false;
    QString error = "unset";
    m_service->shareWith("acc-1", "sam@example.org", QString(),
                         [&](bool success, const QString &e) {
                             done = true;
                             ok = success;
                             error = e;
                         });
    QTRY_VERIFY(done);
    QVERIFY(ok);
    QVERIFY(error.isEmpty());
    QCOMPARE(server.requests().last().path, QStringLiteral("/quillon/v1/accounts/acc-1/share"));

    QList<TindAccount::ShareMember> members;
    done = false;
    bool listed = false;
    m_service->listMembers("acc-1", [&](bool ok, const QList<TindAccount::ShareMember> &list) {
        done = true;
        listed = ok;
        members = list;
    });
    QTRY_VERIFY(done);
    QVERIFY(listed);
    QCOMPARE(members.size(), 1);
    QCOMPARE(members.first().id, QStringLiteral("sam@example.org"));
    QCOMPARE(members.first().userId, QStringLiteral("sam@example.org"));
    QCOMPARE(members.first().email, QStringLiteral("sam@example.org"));
    QCOMPARE(members.first().displayName, QStringLiteral("sam"));
    QCOMPARE(members.first().role, QStringLiteral("member"));
    QVERIFY(!members.first().createdAt.isEmpty());
    QCOMPARE(server.requests().last().method, QByteArray("GET"));
    QVERIFY(server.requests().last().query.isEmpty());

    done = false;
    m_service->removeShare("acc-1", "sam@example.org", [&](bool success) {
        done = true;
        ok = success;
    });
    QTRY_VERIFY(done);
    QVERIFY(ok);
    QCOMPARE(server.requests().last().method, QByteArray("DELETE"));
    QCOMPARE(server.requests().last().path,
             QStringLiteral("/quillon/v1/accounts/acc-1/share/sam@example.org"));
    QVERIFY(server.members("acc-1").isEmpty());

    // Removing it again fails.
    done = false;
    m_service->removeShare("acc-1", "sam@example.org", [&](bool success) {
        done = true;
        ok = success;
    });
    QTRY_VERIFY(done);
    QVERIFY(!ok);
}

void tst_AccountSharingService::shareBody_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QByteArray>("body");
    QTest::addRow("email") << "sam@example.org"
                           << "viewer"
                           << QByteArray(R"({"email":"sam@example.org","role":"viewer",)"
                                         R"("user_id":"sam@example.org"})");
    QTest::addRow("user id") << "u-42"
                             << "viewer" << QByteArray(R"({"role":"viewer","user_id":"u-42"})");
    QTest::addRow("default role") << "u-42"
                                  << "" << QByteArray(R"({"role":"member","user_id":"u-42"})");
}

void tst_AccountSharingService::shareBody() {
    QFETCH(QString, user);
    QFETCH(QString, role);
    QFETCH(QByteArray, body);
    TestHttpServer server;
    QVERIFY(server.listen());
    useServer(server.url("/api"));
    server.setHandler(
        [](const TestHttpServer::Request &) { return TestHttpServer::Response::json(200, {}); });
    bool ok = false;
    m_service->shareWith("acc-1", user, role, [&](bool success, const QString &) { ok = success; });
    QTRY_VERIFY(ok);
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().method, QByteArray("POST"));
    QCOMPARE(server.requests().first().path, QStringLiteral("/api/accounts/acc-1/share"));
    QCOMPARE(server.requests().first().body, body);
}

void tst_AccountSharingService::shareFailureText_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<QString>("error");
    QTest::addRow("server text") << 409 << QByteArray(R"({"error":"Already shared"})")
                                 << "Already shared";
    QTest::addRow("no error member")
        << 403 << QByteArray(R"({"detail":"no"})") << "Failed to share account (HTTP 403)";
    QTest::addRow("empty error") << 500 << QByteArray(R"({"error":""})")
                                 << "Failed to share account (HTTP 500)";
    QTest::addRow("not json") << 502 << QByteArray("Bad gateway")
                              << "Failed to share account (HTTP 502)";
}

void tst_AccountSharingService::shareFailureText() {
    QFETCH(int, status);
    QFETCH(QByteArray, reply);
    QFETCH(QString, error);
    TestHttpServer server;
    QVERIFY(server.listen());
    useServer(server.url());
    server.setHandler([&](const TestHttpServer::Request &) {
        return TestHttpServer::Response::text(status, reply, "application/json");
    });
    bool done = false;
    bool ok = true;
    QString text;
    m_service->shareWith("acc-1", "u-42", "member", [&](bool success, const QString &e) {
        done = true;
        ok = success;
        text = e;
    });
    QTRY_VERIFY(done);
    QVERIFY(!ok);
    QCOMPARE(text, error);
}

void tst_AccountSharingService::failedListingIsEmpty() {
    TestSyncServer server;
    QVERIFY(server.listen());
    useServer(server.url());
    bool done = false;
    QList<TindAccount::ShareMember> members{TindAccount::ShareMember()};
    bool listed = true;
    m_service->listMembers("no-such-account",
                           [&](bool ok, const QList<TindAccount::ShareMember> &list) {
                               done = true;
                               listed = ok;
                               members = list;
                           });
    QTRY_VERIFY(done);
    QVERIFY(!listed);
    QVERIFY(members.isEmpty());
    QCOMPARE(server.requests().size(), 1);
}

QTEST_GUILESS_MAIN(tst_AccountSharingService)
#include "tst_accountsharingservice.moc"
