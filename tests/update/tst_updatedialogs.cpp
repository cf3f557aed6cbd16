// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testhttpserver.h"
#include "update/platform.h"
#include "update/widgets/linkpolicy.h"
#include "update/widgets/notesbrowser.h"
#include "update/widgets/updatedialog.h"
#include "update/widgets/updateflows.h"
#include "update/widgets/whatsnewdialog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QTest>

using namespace TindUpdate;

class tst_UpdateDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openableLinks_data();
    void openableLinks();
    void updateDialogShowsNotesAndButtons_data();
    void updateDialogShowsNotesAndButtons();
    void downloadOpensOnlySafeLinks_data();
    void downloadOpensOnlySafeLinks();
    void interactiveCheckReports_data();
    void interactiveCheckReports();

private:
    UpdateConfig config() const;

    TestHttpServer m_server;
    QList<QUrl> m_opened;
    QByteArray m_manifest;
};

void tst_UpdateDialogs::init() {
    m_opened.clear();
    m_manifest.clear();
    LinkPolicy::setOpener([this](const QUrl &url) {
        m_opened << url;
        return true;
    });
    if (!m_server.port())
        QVERIFY(m_server.listen());
    m_server.clearRequests();
    m_server.setHandler([this](const TestHttpServer::Request &request) {
        if (request.path.endsWith("latest.json") && !m_manifest.isEmpty())
            return TestHttpServer::Response::text(200, m_manifest, "application/json");
        if (request.path == "/quillon/1.0.5/release-notes.md")
            return TestHttpServer::Response::text(200, "# Faster\n\nEverything is *faster*.");
        return TestHttpServer::Response::text(404, "");
    });
}

void tst_UpdateDialogs::cleanup() {
    LinkPolicy::setOpener({});
}

UpdateConfig tst_UpdateDialogs::config() const {
    return {"quillon", "stable", m_server.url("/quillon/stable/"), "1.0.3"};
}

void tst_UpdateDialogs::openableLinks_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("openable");
    QTest::addRow("https") << "https://downloads.example.test/q.exe" << true;
    QTest::addRow("http on loopback") << "http://127.0.0.1:8080/q.exe" << true;
    QTest::addRow("http on localhost") << "http://localhost/q.exe" << true;
    QTest::addRow("http on IPv6 loopback") << "http://[::1]/q.exe" << true;
    QTest::addRow("plain http elsewhere") << "http://downloads.example.test/q.exe" << false;
    QTest::addRow("file") << "file:///tmp/q.exe" << false;
    QTest::addRow("javascript") << "javascript:alert(1)" << false;
    QTest::addRow("empty") << "" << false;
}

void tst_UpdateDialogs::openableLinks() {
    QFETCH(QString, url);
    QFETCH(bool, openable);
    QCOMPARE(LinkPolicy::isOpenable(QUrl(url)), openable);
    QCOMPARE(LinkPolicy::open(QUrl(url)), openable);
    QCOMPARE(m_opened.size(), openable ? 1 : 0);
}

void tst_UpdateDialogs::updateDialogShowsNotesAndButtons_data() {
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QString>("notesPath"); // empty: no notes
    QTest::addColumn<QString>("notes");     // what the browser ends up saying
    QTest::addRow("optional with notes") << false << "/quillon/1.0.5/release-notes.md"
                                         << "Everything is faster.";
    QTest::addRow("mandatory, notes missing")
        << true << "/quillon/9.9.9/release-notes.md"
        << "Release notes are not available for this version.";
    QTest::addRow("no notes") << false << ""
                              << "";
}

void tst_UpdateDialogs::updateDialogShowsNotesAndButtons() {
    QFETCH(bool, mandatory);
    QFETCH(QString, notesPath);
    QFETCH(QString, notes);
    Artifact artifact;
    artifact.version = "1.0.5";
    artifact.url = QUrl("https://downloads.example.test/q.exe");
    artifact.mandatory = mandatory;
    if (!notesPath.isEmpty())
        artifact.releaseNotesUrl = m_server.url(notesPath);
    UpdateDialog dialog(artifact, "1.0.3", "Tindral Quillon");
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update available"));
    QCOMPARE(dialog.laterButton() == nullptr, mandatory);
    QVERIFY(dialog.downloadButton()->isDefault());
    if (notes.isEmpty()) {
        QVERIFY(!dialog.notesBrowser());
    } else {
        QTRY_VERIFY(dialog.notesBrowser()->toPlainText().contains(notes));
        // The dialog asks as itself, not as the product.
        QVERIFY(m_server.requests().last().header("user-agent").contains("update-dialog"));
    }
    if (!mandatory) {
        QTest::mouseClick(dialog.laterButton(), Qt::LeftButton);
        QVERIFY(dialog.postponed());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
}

void tst_UpdateDialogs::downloadOpensOnlySafeLinks_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("opened");
    QTest::addRow("https") << "https://downloads.example.test/q.exe" << true;
    QTest::addRow("file") << "file:///etc/passwd" << false;
}

void tst_UpdateDialogs::downloadOpensOnlySafeLinks() {
    QFETCH(QString, url);
    QFETCH(bool, opened);
    Artifact artifact;
    artifact.version = "1.0.5";
    artifact.url = QUrl(url);
    UpdateDialog update(artifact, "1.0.3", "Tindral Quillon");
    QTest::mouseClick(update.downloadButton(), Qt::LeftButton);
    QCOMPARE(update.result(), int(QDialog::Accepted));
    QVERIFY(!update.postponed());

    WhatsNewDialog whatsNew("# Hi", "Tindral Quillon", "1.0.5", "1.0.3", nullptr, QUrl(url));
    QCOMPARE(whatsNew.downloadButton() != nullptr, opened);
    if (whatsNew.downloadButton()) {
        QCOMPARE(whatsNew.downloadButton()->text(), QStringLiteral("Download 1.0.5"));
        QTest::mouseClick(whatsNew.downloadButton(), Qt::LeftButton);
    }
    QCOMPARE(m_opened.size(), opened ? 2 : 0);
}

void tst_UpdateDialogs::interactiveCheckReports_data() {
    QTest::addColumn<QString>("offered"); // empty: no manifest at all
    QTest::addColumn<QString>("status");
    QTest::addColumn<bool>("dialog");
    QTest::addRow("newer") << "1.0.5"
                           << "" << true;
    QTest::addRow("same") << "1.0.3"
                          << "Tindral Quillon is up to date (version 1.0.3)" << false;
    QTest::addRow("no manifest") << ""
                                 << "Update check failed: network error:" << false;
}

void tst_UpdateDialogs::interactiveCheckReports() {
    QFETCH(QString, offered);
    QFETCH(QString, status);
    QFETCH(bool, dialog);
    if (!offered.isEmpty()) {
        const QJsonObject artifact{{"version", offered},
                                   {"released_at", "2026-06-01T00:00:00Z"},
                                   {"url", "https://downloads.example.test/q.exe"},
                                   {"size", 10},
                                   {"sha256", QString(64, QLatin1Char('b'))}};
        m_manifest = QJsonDocument(QJsonObject{{"schema", 1},
                                               {"app", "quillon"},
                                               {"channel", "stable"},
                                               {"artifacts",
                                                QJsonObject{{Platform::currentKey(), artifact}}}})
                         .toJson();
    }
    QWidget parent;
    QStringList shown;
    bool cleared = false;
    StatusFunctions functions;
    functions.show = [&](const QString &text, int) { shown << text; };
    functions.clear = [&] { cleared = true; };
    checkForUpdatesInteractive(config(), "Tindral Quillon", &parent, functions);
    QCOMPARE(shown.value(0), QStringLiteral("Checking for updates…"));
    if (dialog) {
        QTRY_VERIFY(parent.findChild<UpdateDialog *>());
        QVERIFY(cleared);
        QCOMPARE(parent.findChild<UpdateDialog *>()->artifact().version, offered);
        // The check run again while the offer is showing raises it, not a second one.
        parent.show();
        parent.findChild<UpdateDialog *>()->show();
        cleared = false;
        checkForUpdatesInteractive(config(), "Tindral Quillon", &parent, functions);
        QTRY_VERIFY(cleared);
        QCoreApplication::processEvents();
        QCOMPARE(parent.findChildren<UpdateDialog *>().size(), 1);
    } else {
        QTRY_COMPARE(shown.size(), 2);
        QVERIFY2(shown.last().startsWith(status), qPrintable(shown.last()));
        QVERIFY(!parent.findChild<UpdateDialog *>());
    }
}

QTEST_MAIN(tst_UpdateDialogs)
#include "tst_updatedialogs.moc"
