// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/apiclient.h"
#include "account/client.h"
#include "account/clientconfig.h"
#include "account/memorytokenstore.h"
#include "services/accountsharingservice.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"
#include "ui/common/modalrunner.h"
#include "ui/online/sharemembersdialog.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

struct Box {
    QString title;
    QString text;
    Qt::TextFormat format;
};

} // namespace

// The dialog against one loopback server that plays both the account service (profile,
// group) and the sync server's sharing paths.
class tst_ShareMembersDialog : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void candidatesLeaveOutSelfAndShared();
    void withoutGroupTheAddRowIsHidden();
    void failedFetchIsSaid_data();
    void failedFetchIsSaid();
    void shareFailure_data();
    void shareFailure();
    void removeAsksThenRemoves_data();
    void removeAsksThenRemoves();

private:
    std::unique_ptr<ShareMembersDialog> open();
    TestHttpServer::Response answer(const TestHttpServer::Request &request);

    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<TindAccount::Client> m_client;
    std::unique_ptr<AccountSharingService> m_sharing;
    QJsonArray m_groupMembers;
    QJsonArray m_shares;
    int m_changeStatus = 200;
    QString m_failingPath;
    QJsonObject m_changeBody;
    QList<Box> m_boxes;
    int m_answer = QMessageBox::Yes;
};

void tst_ShareMembersDialog::init() {
    m_server = std::make_unique<TestHttpServer>();
    QVERIFY(m_server->listen());
    m_server->setHandler([this](const TestHttpServer::Request &r) { return answer(r); });
    m_groupMembers
        = {QJsonObject{{"account_id", "u1"}, {"display_name", "Ana"}, {"email", "ana@ex.test"}},
           QJsonObject{{"account_id", "u2"}, {"display_name", "Ben"}, {"email", "ben@ex.test"}},
           QJsonObject{{"account_id", "u3"}, {"display_name", ""}, {"email", "cy@ex.test"}}};
    m_shares = {QJsonObject{{"user_id", "u1"}, {"role", "owner"}},
                QJsonObject{{"user_id", "u3"}, {"role", "member"}}};
    m_changeStatus = 200;
    m_failingPath.clear();
    m_changeBody = {};
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    ModalRunner::setHandler([this](QDialog *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog))
            m_boxes.append({box->windowTitle(), box->text(), box->textFormat()});
        return m_answer;
    });
}

void tst_ShareMembersDialog::cleanup() {
    ModalRunner::setHandler({});
    m_sharing.reset();
    m_client.reset();
    m_server.reset();
}

TestHttpServer::Response tst_ShareMembersDialog::answer(const TestHttpServer::Request &request) {
    const QString path = request.path;
    if (path == m_failingPath)
        return TestHttpServer::Response::json(503, {});
    if (path == "/account/v1/profile")
        return TestHttpServer::Response::json(200, {{"id", "u1"}});
    if (path == "/account/v1/group") {
        if (m_groupMembers.isEmpty())
            return TestHttpServer::Response::json(200, {});
        return TestHttpServer::Response::json(
            200, {{"id", "g1"}, {"name", "Family"}, {"members", m_groupMembers}});
    }
    if (path == "/sync/accounts/acc-1/members")
        return TestHttpServer::Response::json(200, {{"members", m_shares}});
    if (m_changeStatus != 200)
        return TestHttpServer::Response::json(m_changeStatus, m_changeBody);
    if (request.method == "POST" && path == "/sync/accounts/acc-1/share") {
        m_shares.append(QJsonObject{{"user_id", request.json().value("user_id")},
                                    {"role", request.json().value("role")}});
    } else if (request.method == "DELETE" && path.startsWith("/sync/accounts/acc-1/share/")) {
        QJsonArray kept;
        for (const QJsonValue &share : std::as_const(m_shares)) {
            if (share.toObject().value("user_id").toString() != path.section('/', -1))
                kept.append(share);
        }
        m_shares = kept;
    }
    return TestHttpServer::Response::json(200, {{"status", "ok"}});
}

std::unique_ptr<ShareMembersDialog> tst_ShareMembersDialog::open() {
    TindAccount::ClientConfig config;
    config.authBaseUrl = m_server->url().toString();
    config.accountApiUrl = m_server->url("/account/v1").toString();
    config.appId = "com.tindral.quillon";
    auto store = std::make_unique<TindAccount::MemoryTokenStore>();
    store->save(TindAccount::TokenStore::AccessTokenKey, fakeJwtExpiringIn(3600));
    store->save(TindAccount::TokenStore::RefreshTokenKey, "r1");
    m_client = std::make_unique<TindAccount::Client>(config, std::move(store));
    m_client->initialize();
    m_client->syncApi()->setBaseUrl(m_server->url("/sync"));
    m_sharing = std::make_unique<AccountSharingService>(m_client->syncApi());

    ShareMembersDialog::Texts texts;
    texts.windowTitle = "Share Account";
    texts.noGroup = "Join a group first.";
    texts.role = "member";
    texts.shareFailedTitle = "Share Failed";
    texts.removeFailedTitle = "Remove Failed";
    texts.removeConfirmText = "Remove %1's access to this account?";
    auto dialog = std::make_unique<ShareMembersDialog>(m_client.get(), m_sharing.get(),
                                                       QStringLiteral("acc-1"), texts);
    QSignalSpy loaded(dialog.get(), &ShareMembersDialog::loaded);
    dialog->show();
    if (!loaded.wait(5000))
        qWarning("the dialog did not finish loading");
    return dialog;
}

void tst_ShareMembersDialog::candidatesLeaveOutSelfAndShared() {
    auto dialog = open();
    QComboBox *combo = dialog->candidateCombo();
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->itemText(0), QStringLiteral("Ben (ben@ex.test)"));
    QCOMPARE(dialog->shareList()->count(), 1);
    // Neither name nor e-mail came with the share: both are taken from the group.
    QCOMPARE(dialog->shareList()->item(0)->text(), QStringLiteral("cy@ex.test"));
    QVERIFY(dialog->shareButton()->isEnabled());

    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
    QSignalSpy loaded(dialog.get(), &ShareMembersDialog::loaded);
    QTest::mouseClick(dialog->shareButton(), Qt::LeftButton);
    QCOMPARE(dialog->shareButton()->text(), QStringLiteral("Sharing..."));
    QVERIFY(!dialog->shareButton()->isEnabled());
    QVERIFY(loaded.wait(5000));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(dialog->shareButton()->text(), QStringLiteral("Share"));
    QCOMPARE(dialog->shareList()->count(), 2);
    QCOMPARE(combo->count(), 1);
    QCOMPARE(combo->itemText(0), QStringLiteral("All group members already added"));
    QVERIFY(!dialog->shareButton()->isEnabled());
    QVERIFY(m_boxes.isEmpty());
}

void tst_ShareMembersDialog::withoutGroupTheAddRowIsHidden() {
    m_groupMembers = {};
    m_shares = {};
    auto dialog = open();
    QVERIFY(dialog->addRow()->isHidden());
    QVERIFY(!dialog->noGroupLabel()->isHidden());
    QCOMPARE(dialog->shareList()->count(), 1);
    QCOMPARE(dialog->shareList()->item(0)->text(), QStringLiteral("Not shared with anyone yet."));
    QVERIFY(!(dialog->shareList()->item(0)->flags() & Qt::ItemIsSelectable));
}

void tst_ShareMembersDialog::failedFetchIsSaid_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("groupFailed");
    QTest::addRow("group") << "/account/v1/group" << true;
    // Without the profile the user would be offered as someone to share with.
    QTest::addRow("profile") << "/account/v1/profile" << true;
    QTest::addRow("shares") << "/sync/accounts/acc-1/members" << false;
}

// A list that could not be fetched is not an empty one: no "not part of a group", no
// "shared with nobody", and nobody offered who may already have access.
void tst_ShareMembersDialog::failedFetchIsSaid() {
    QFETCH(QString, path);
    QFETCH(bool, groupFailed);
    m_failingPath = path;
    auto dialog = open();
    if (groupFailed) {
        QVERIFY(dialog->addRow()->isHidden());
        QVERIFY(!dialog->noGroupLabel()->isHidden());
        QVERIFY2(dialog->noGroupLabel()->text().contains("could not be loaded"),
                 qPrintable(dialog->noGroupLabel()->text()));
        QCOMPARE(dialog->shareList()->count(), 1);
    } else {
        QCOMPARE(dialog->shareList()->count(), 1);
        QVERIFY2(dialog->shareList()->item(0)->text().contains("could not be loaded"),
                 qPrintable(dialog->shareList()->item(0)->text()));
    }
}

void tst_ShareMembersDialog::shareFailure_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QJsonObject>("body");
    QTest::addColumn<QString>("text");
    QTest::addRow("server's reason")
        << 409 << QJsonObject{{"error", "already shared"}} << "already shared";
    QTest::addRow("no reason") << 403 << QJsonObject{} << "Failed to share account (HTTP 403)";
    QTest::addRow("markup in the reason")
        << 400 << QJsonObject{{"error", "<b>bad</b> user"}} << "<b>bad</b> user";
}

void tst_ShareMembersDialog::shareFailure() {
    QFETCH(int, status);
    QFETCH(QJsonObject, body);
    QFETCH(QString, text);
    auto dialog = open();
    m_changeStatus = status;
    m_changeBody = body;
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
    QTest::mouseClick(dialog->shareButton(), Qt::LeftButton);
    QTRY_COMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().title, QStringLiteral("Share Failed"));
    QCOMPARE(m_boxes.first().text, text);
    QCOMPARE(m_boxes.first().format, Qt::PlainText);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(dialog->shareButton()->text(), QStringLiteral("Share"));
    QVERIFY(dialog->shareButton()->isEnabled());
}

void tst_ShareMembersDialog::removeAsksThenRemoves_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<int>("sharesLeft");
    QTest::addRow("no") << int(QMessageBox::No) << 200 << QStringList{"Remove Share"} << 1;
    QTest::addRow("yes") << int(QMessageBox::Yes) << 200 << QStringList{"Remove Share"} << 0;
    QTest::addRow("yes, refused") << int(QMessageBox::Yes) << 500
                                  << QStringList{"Remove Share", "Remove Failed"} << 1;
}

void tst_ShareMembersDialog::removeAsksThenRemoves() {
    QFETCH(int, answer);
    QFETCH(int, status);
    QFETCH(QStringList, titles);
    QFETCH(int, sharesLeft);
    auto dialog = open();
    m_answer = answer;
    m_changeStatus = status;
    QVERIFY(!dialog->removeButton()->isEnabled());
    dialog->shareList()->setCurrentRow(0);
    QVERIFY(dialog->removeButton()->isEnabled());
    QSignalSpy changed(dialog.get(), &ShareMembersDialog::sharingChanged);
    QTest::mouseClick(dialog->removeButton(), Qt::LeftButton);
    QTRY_COMPARE(m_boxes.size(), titles.size());
    QTest::qWait(200);
    QStringList shown;
    for (const Box &box : std::as_const(m_boxes))
        shown << box.title;
    QCOMPARE(shown, titles);
    QCOMPARE(m_boxes.first().text, QStringLiteral("Remove cy@ex.test's access to this account?"));
    if (titles.size() > 1)
        QCOMPARE(m_boxes.last().text, QStringLiteral("Could not remove share."));
    QCOMPARE(changed.count(), status == 200 && answer == QMessageBox::Yes ? 1 : 0);
    int left = 0;
    for (const QJsonValue &share : std::as_const(m_shares))
        left += share.toObject().value("role").toString() != "owner";
    QCOMPARE(left, sharesLeft);
}

QTEST_MAIN(tst_ShareMembersDialog)
#include "tst_sharemembersdialog.moc"
