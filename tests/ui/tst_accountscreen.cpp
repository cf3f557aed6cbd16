// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/client.h"
#include "account/clientconfig.h"
#include "account/memorytokenstore.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"
#include "ui/common/modalrunner.h"
#include "ui/online/accountscreen.h"

#include <QInputDialog>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QString tokenFor(const QString &role) {
    return fakeJwtExpiringIn(
        3600, {{"sub", "u1"}, {"custom", QJsonObject{{"tind", QJsonObject{{"role", role}}}}}});
}

// The account and auth services of one small deployment on a loopback server.
struct Service {
    TestHttpServer server;
    QString role = QStringLiteral("member");
    bool inGroup = true;
    int failStatus = 0; // answer every change with this status (0: succeed)
    int delayMs = 0;

    TestHttpServer::Response answer(const TestHttpServer::Request &request) const {
        const QString path = request.path;
        const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        TestHttpServer::Response response;
        if (path.endsWith("/token/refresh")) {
            response = TestHttpServer::Response::json(
                200, {{"access_token", tokenFor(role)}, {"refresh_token", "r2"}});
        } else if (request.method == "GET" && path.endsWith("/users/me")) {
            response = TestHttpServer::Response::json(
                200, {{"id", "u1"}, {"display_name", "Ana"}, {"email", "ana@example.test"}});
        } else if (request.method == "GET" && path.endsWith("/users/me/sessions")) {
            response = TestHttpServer::Response::json(
                200, {{"sessions", QJsonArray{QJsonObject{{"id", "s1"},
                                                          {"user_agent", "This browser"},
                                                          {"is_current", true}},
                                              QJsonObject{{"id", "s2"},
                                                          {"user_agent", "Other browser"},
                                                          {"ip_address", "192.0.2.7"},
                                                          {"last_active_at", now}}}}});
        } else if (request.method == "GET" && path.endsWith("/group")) {
            if (!inGroup)
                return TestHttpServer::Response::json(200, {});
            response = TestHttpServer::Response::json(
                200, {{"id", "g1"},
                      {"name", "Family"},
                      {"max_seats", 5},
                      {"members",
                       QJsonArray{QJsonObject{{"account_id", "u1"},
                                              {"display_name", "Ana"},
                                              {"email", "ana@example.test"},
                                              {"role", role}},
                                  QJsonObject{{"account_id", "u2"},
                                              {"display_name", "Ben"},
                                              {"email", "ben@example.test"},
                                              {"role", role == "owner" ? "member" : "owner"}}}},
                      {"pending_invitations",
                       QJsonArray{QJsonObject{{"id", "inv1"},
                                              {"invited_email", "cy@example.test"},
                                              {"status", "pending"}}}}});
        } else if (request.method == "GET" && path.endsWith("/devices")) {
            response = TestHttpServer::Response::json(
                200, {{"devices", QJsonArray{QJsonObject{{"id", "d1"},
                                                         {"device_name", "Laptop"},
                                                         {"platform", "Linux"},
                                                         {"app_version", "1.0.3"},
                                                         {"last_sync_at", now}}}}});
        } else if (failStatus) {
            response = TestHttpServer::Response::json(failStatus, {{"error", "no"}});
        } else {
            response = TestHttpServer::Response::json(200, {{"ok", true}});
        }
        if (request.method != "GET")
            response.delayMs = delayMs;
        return response;
    }

    QList<TestHttpServer::Request> changes() const {
        QList<TestHttpServer::Request> result;
        for (const TestHttpServer::Request &request : server.requests()) {
            if (request.method != "GET" && !request.path.endsWith("/token/refresh"))
                result << request;
        }
        return result;
    }
};

QPushButton *buttonNamed(QWidget *root, const QString &name) {
    for (QPushButton *button : root->findChildren<QPushButton *>()) {
        if (button->accessibleName() == name && !button->isHidden())
            return button;
    }
    return nullptr;
}

} // namespace

class tst_AccountScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void relativeTime_data();
    void relativeTime();
    void inviteCodeIsTrimmed();
    void deletionNeedsTheExactWord_data();
    void deletionNeedsTheExactWord();
    void ownerCannotDelete();
    void serverActionsReportTheAnswer_data();
    void serverActionsReportTheAnswer();

private:
    std::unique_ptr<AccountScreen> open(const QString &role);

    std::unique_ptr<Service> m_service;
    std::unique_ptr<TindAccount::Client> m_client;
    QStringList m_boxes;
    QString m_typed; // what the user types into input dialogs
};

void tst_AccountScreen::init() {
    m_service = std::make_unique<Service>();
    QVERIFY(m_service->server.listen());
    m_service->server.setHandler(
        [this](const TestHttpServer::Request &request) { return m_service->answer(request); });
    m_boxes.clear();
    m_typed.clear();
    ModalRunner::setHandler([this](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        if (auto *input = qobject_cast<QInputDialog *>(dialog)) {
            input->setTextValue(m_typed);
            return int(QDialog::Accepted);
        }
        return int(QMessageBox::Yes);
    });
}

void tst_AccountScreen::cleanup() {
    ModalRunner::setHandler({});
    m_client.reset();
    m_service.reset();
}

std::unique_ptr<AccountScreen> tst_AccountScreen::open(const QString &role) {
    m_service->role = role;
    TindAccount::ClientConfig config;
    config.authBaseUrl = m_service->server.url().toString();
    config.realmSlug = "tindral";
    config.accountApiUrl = m_service->server.url("/account/v1").toString();
    config.clientId = QString(32, QLatin1Char('a'));
    config.appId = "com.tindral.quillon";
    config.appName = "Tindral Quillon";
    auto store = std::make_unique<TindAccount::MemoryTokenStore>();
    store->save(TindAccount::TokenStore::AccessTokenKey, tokenFor(role));
    store->save(TindAccount::TokenStore::RefreshTokenKey, "r1");
    m_client = std::make_unique<TindAccount::Client>(config, std::move(store));
    m_client->initialize();
    auto screen = std::make_unique<AccountScreen>(m_client.get());
    screen->show();
    screen->reload();
    return screen;
}

void tst_AccountScreen::relativeTime_data() {
    QTest::addColumn<qint64>("secondsAgo"); // negative: no time at all
    QTest::addColumn<QString>("shown");
    QTest::addRow("no time") << qint64(-1) << "Unknown";
    QTest::addRow("59 s") << qint64(59) << "Active now";
    QTest::addRow("60 s") << qint64(60) << "1m ago";
    QTest::addRow("3599 s") << qint64(3599) << "59m ago";
    QTest::addRow("3600 s") << qint64(3600) << "1h ago";
    QTest::addRow("a day less a second") << qint64(86399) << "23h ago";
    QTest::addRow("a day") << qint64(86400) << "1d ago";
    QTest::addRow("a week less a second") << qint64(604799) << "6d ago";
    QTest::addRow("a week") << qint64(604800) << "Jan 1, 2026";
}

void tst_AccountScreen::relativeTime() {
    QFETCH(qint64, secondsAgo);
    QFETCH(QString, shown);
    const QDateTime now(QDate(2026, 1, 8), QTime(12, 0), Qt::UTC);
    const QDateTime time = secondsAgo < 0 ? QDateTime() : now.addSecs(-secondsAgo);
    QCOMPARE(AccountScreen::relativeTime(time, now), shown);
}

void tst_AccountScreen::inviteCodeIsTrimmed() {
    m_service->inGroup = false;
    auto screen = open("member");
    screen->navigation()->setCurrentRow(AccountScreen::GroupPage);
    QPushButton *join = nullptr;
    QTRY_VERIFY((join = buttonNamed(screen.get(), "Join with Invite Code")));
    m_typed = "  ABC123 \t";
    join->click();
    QTRY_COMPARE(m_service->changes().size(), 1);
    QCOMPARE(m_service->changes().first().path, QStringLiteral("/account/v1/group/join/ABC123"));
    QTRY_COMPARE(screen->statusLine()->text(), QStringLiteral("Joined group."));
}

void tst_AccountScreen::deletionNeedsTheExactWord_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("deletes");
    QTest::addRow("DELETE") << "DELETE" << true;
    QTest::addRow("lower case") << "delete" << false;
    QTest::addRow("with a space") << "DELETE " << false;
    QTest::addRow("nothing") << "" << false;
}

void tst_AccountScreen::deletionNeedsTheExactWord() {
    QFETCH(QString, typed);
    QFETCH(bool, deletes);
    auto screen = open("member");
    QSignalSpy logout(screen.get(), &AccountScreen::logoutRequested);
    m_typed = typed;
    QVERIFY(screen->deleteAccountButton()->isEnabled());
    screen->deleteAccountButton()->click();
    if (!deletes) {
        QTest::qWait(200);
        QVERIFY(m_service->changes().isEmpty());
        QCOMPARE(logout.count(), 0);
        return;
    }
    QTRY_COMPARE(logout.count(), 1);
    QCOMPARE(m_service->changes().size(), 1);
    QCOMPARE(m_service->changes().first().method, QByteArray("DELETE"));
    QCOMPARE(m_service->changes().first().path, QStringLiteral("/account/v1/profile"));
    QCOMPARE(m_boxes.last(), QStringLiteral("Account Scheduled for Deletion"));
}

void tst_AccountScreen::ownerCannotDelete() {
    auto screen = open("owner");
    QVERIFY(!screen->deleteAccountButton()->isEnabled());
    QVERIFY(!screen->ownerNotice()->isHidden());
    screen->deleteAccountButton()->click();
    QTest::qWait(100);
    QVERIFY(m_boxes.isEmpty());
}

void tst_AccountScreen::serverActionsReportTheAnswer_data() {
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("failStatus");
    QTest::addColumn<QString>("result");

    const auto rows = [](const char *name, const QString &role, int page, const QString &button,
                         const QString &path, const QString &ok, const QString &failed) {
        QTest::addRow("%s ok", name) << role << page << button << path << 0 << ok;
        QTest::addRow("%s refused", name) << role << page << button << path << 403 << failed;
        QTest::addRow("%s server error", name) << role << page << button << path << 500 << failed;
    };
    rows("remove member", "owner", AccountScreen::GroupPage, "Remove Ben",
         "/account/v1/group/members/u2", "Ben removed.", "Failed to remove Ben.");
    rows("revoke invitation", "owner", AccountScreen::GroupPage,
         "Revoke invitation cy@example.test", "/account/v1/group/invitations/inv1",
         "Invitation revoked.", "Failed to revoke invitation.");
    rows("leave group", "member", AccountScreen::GroupPage, "Leave Group",
         "/account/v1/group/leave", "Left group.", "Failed to leave group.");
    rows("remove device", "member", AccountScreen::DevicesPage, "Remove Laptop",
         "/account/v1/devices/d1", "Device removed.", "Failed to remove device.");
    rows("end session", "member", AccountScreen::SecurityPage, "Revoke session Other browser",
         "/users/me/sessions/s2", "Session revoked.", "Failed to revoke session.");
}

void tst_AccountScreen::serverActionsReportTheAnswer() {
    QFETCH(QString, role);
    QFETCH(int, page);
    QFETCH(QString, button);
    QFETCH(QString, path);
    QFETCH(int, failStatus);
    QFETCH(QString, result);
    m_service->failStatus = failStatus;
    m_service->delayMs = 300;
    auto screen = open(role);
    screen->navigation()->setCurrentRow(page);
    QPushButton *action = nullptr;
    QTRY_VERIFY((action = buttonNamed(screen.get(), button)));
    action->click();

    QTRY_COMPARE(m_service->changes().size(), 1);
    QVERIFY2(m_service->changes().first().path.endsWith(path),
             qPrintable(m_service->changes().first().path));
    // Nothing is claimed while the server has not answered.
    QCOMPARE(screen->statusLine()->text(), QString());
    QTRY_COMPARE(screen->statusLine()->text(), result);
    QCOMPARE(screen->statusLine()->styleSheet().contains("#2E7D32"), failStatus == 0);
}

QTEST_MAIN(tst_AccountScreen)
#include "tst_accountscreen.moc"
