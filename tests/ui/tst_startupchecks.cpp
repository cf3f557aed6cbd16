// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/preferencesrepository.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/testrecords.h"
#include "ui/window/startupchecks.h"
#include "update/platform.h"
#include "update/widgets/updatedialog.h"
#include "update/widgets/whatsnewdialog.h"

#include <QJsonDocument>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QString kLastWhatsNew = QStringLiteral("last_whats_new_version");
const QString kDismissed = QStringLiteral("update_dismissed_version");

} // namespace

// The start-up sequence against a download server on 127.0.0.1: what's new once per version,
// then one update check whose offer is remembered only when postponed.
class tst_StartupChecks : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void whatsNewOncePerVersion_data();
    void whatsNewOncePerVersion();
    void updateOffer_data();
    void updateOffer();
    void dialogsNeverStack();

private:
    std::unique_ptr<StartupChecks> checks(int updateDelayMs);
    TestHttpServer::Response answer(const TestHttpServer::Request &request) const;
    int notesRequests() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<QWidget> m_window;
    QString m_offered = QStringLiteral("1.0.3");
    bool m_mandatory = false;
};

void tst_StartupChecks::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonStartupTest");
}

void tst_StartupChecks::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(m_state->initialize());
    m_server = std::make_unique<TestHttpServer>();
    QVERIFY(m_server->listen());
    m_server->setHandler([this](const TestHttpServer::Request &r) { return answer(r); });
    m_window = std::make_unique<QWidget>();
    m_window->show();
    m_offered = QStringLiteral("1.0.3");
    m_mandatory = false;
}

void tst_StartupChecks::cleanup() {
    m_window.reset();
    m_server.reset();
    m_state.reset();
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

TestHttpServer::Response tst_StartupChecks::answer(const TestHttpServer::Request &request) const {
    if (request.path == "/quillon/stable/latest.json") {
        const QJsonObject artifact{
            {"version", m_offered},
            {"released_at", "2026-06-01T00:00:00Z"},
            {"url", m_server->url("/download/quillon.exe").toString()},
            {"size", 1000},
            {"sha256", QString(64, QLatin1Char('a'))},
            {"mandatory", m_mandatory},
            {"release_notes_url",
             m_server->url("/quillon/" + m_offered + "/release-notes.md").toString()}};
        const QJsonObject manifest{
            {"schema", 1},
            {"app", "quillon"},
            {"channel", "stable"},
            {"artifacts", QJsonObject{{TindUpdate::Platform::currentKey(), artifact}}}};
        return TestHttpServer::Response::json(200, manifest);
    }
    if (request.path.endsWith("/release-notes.md"))
        return TestHttpServer::Response::text(200, "# Notes\n\n- Better things.\n");
    return TestHttpServer::Response::text(404, "");
}

int tst_StartupChecks::notesRequests() const {
    int count = 0;
    for (const TestHttpServer::Request &request : m_server->requests())
        count += request.path.endsWith(".md");
    return count;
}

std::unique_ptr<StartupChecks> tst_StartupChecks::checks(int updateDelayMs) {
    TindUpdate::UpdateConfig config;
    config.appId = "quillon";
    config.channel = "stable";
    config.manifestBaseUrl = m_server->url("/quillon/stable/");
    config.currentVersion = "1.0.3";
    auto result
        = std::make_unique<StartupChecks>(m_state.get(), config, "Tindral Quillon", m_window.get());
    result->setUpdateDelay(updateDelayMs);
    return result;
}

void tst_StartupChecks::whatsNewOncePerVersion_data() {
    QTest::addColumn<QString>("stored"); // null: never stored
    QTest::addColumn<bool>("hasAccounts");
    QTest::addColumn<bool>("shown");
    QTest::addRow("upgrade from 1.0.2") << "1.0.2" << true << true;
    QTest::addRow("unreadable stored version") << "one" << true << true;
    QTest::addRow("first start of this version on kept data") << QString() << true << true;
    QTest::addRow("fresh database") << QString() << false << false;
    QTest::addRow("already seen") << "1.0.3" << true << false;
}

void tst_StartupChecks::whatsNewOncePerVersion() {
    QFETCH(QString, stored);
    QFETCH(bool, hasAccounts);
    QFETCH(bool, shown);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    if (!stored.isNull())
        preferences->setValue(kLastWhatsNew, stored);
    if (hasAccounts)
        QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc-1")));

    auto first = checks(60000);
    first->start();
    // Recorded before anything is shown.
    QCOMPARE(preferences->value(kLastWhatsNew, QString()), QStringLiteral("1.0.3"));
    if (shown) {
        QTRY_VERIFY(first->whatsNewDialog());
        QVERIFY(first->whatsNewDialog()->isVisible());
        QCOMPARE(first->whatsNewDialog()->windowTitle(),
                 QStringLiteral("What's New in Tindral Quillon 1.0.3"));
        QVERIFY(!first->whatsNewDialog()->downloadButton());
        first->whatsNewDialog()->close();
    } else {
        QTest::qWait(200);
        QVERIFY(!first->whatsNewDialog());
    }
    const int requests = notesRequests();
    QCOMPARE(requests > 0, shown);

    // The next start shows nothing.
    auto second = checks(60000);
    second->start();
    QTest::qWait(200);
    QVERIFY(!second->whatsNewDialog());
    QCOMPARE(notesRequests(), requests);
}

void tst_StartupChecks::updateOffer_data() {
    QTest::addColumn<QString>("dismissed");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QString>("answer"); // "later" or "escape"
    QTest::addColumn<QString>("storedAfter");
    QTest::addRow("nothing dismissed, later") << ""
                                              << "1.0.5" << false << true << "later"
                                              << "1.0.5";
    QTest::addRow("newer than dismissed") << "1.0.4"
                                          << "1.0.5" << false << true << "later"
                                          << "1.0.5";
    QTest::addRow("numeric order") << "1.0.9"
                                   << "1.0.10" << false << true << "later"
                                   << "1.0.10";
    QTest::addRow("dismissed again") << "1.0.4"
                                     << "1.0.4" << false << false << ""
                                     << "1.0.4";
    QTest::addRow("older than dismissed") << "1.0.5"
                                          << "1.0.4" << false << false << ""
                                          << "1.0.5";
    QTest::addRow("optional, escape") << ""
                                      << "1.0.5" << false << true << "escape"
                                      << "";
    QTest::addRow("mandatory, escape") << ""
                                       << "1.0.5" << true << true << "escape"
                                       << "";
    QTest::addRow("up to date") << ""
                                << "1.0.3" << false << false << ""
                                << "";
}

void tst_StartupChecks::updateOffer() {
    QFETCH(QString, dismissed);
    QFETCH(QString, offered);
    QFETCH(bool, mandatory);
    QFETCH(bool, shown);
    QFETCH(QString, answer);
    QFETCH(QString, storedAfter);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    preferences->setValue(kLastWhatsNew, "1.0.3");
    if (!dismissed.isEmpty())
        preferences->setValue(kDismissed, dismissed);
    m_offered = offered;
    m_mandatory = mandatory;

    auto startup = checks(0);
    QSignalSpy finished(startup.get(), &StartupChecks::updateCheckFinished);
    startup->start();
    QVERIFY(finished.wait(5000));
    TindUpdate::UpdateDialog *dialog = startup->updateDialog();
    QCOMPARE(dialog != nullptr, shown);
    if (dialog) {
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->laterButton() == nullptr, mandatory);
        QPointer<TindUpdate::UpdateDialog> watch(dialog);
        if (answer == "later")
            QTest::mouseClick(dialog->laterButton(), Qt::LeftButton);
        else
            QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(!watch);
    }
    QCOMPARE(preferences->value(kDismissed, QString()), storedAfter);
}

void tst_StartupChecks::dialogsNeverStack() {
    PreferencesRepository *preferences = m_state->preferencesRepository();
    preferences->setValue(kLastWhatsNew, "1.0.2");
    m_offered = "1.0.5";
    auto startup = checks(0);
    QSignalSpy finished(startup.get(), &StartupChecks::updateCheckFinished);
    startup->start();
    QTRY_VERIFY(startup->whatsNewDialog());
    if (finished.isEmpty())
        QVERIFY(finished.wait(5000));
    QVERIFY(!startup->updateDialog());
    // One check served the start: no second request for the manifest.
    int manifests = 0;
    for (const TestHttpServer::Request &request : m_server->requests())
        manifests += request.path.endsWith("latest.json");
    QCOMPARE(manifests, 1);

    startup->whatsNewDialog()->close();
    QTRY_VERIFY(startup->updateDialog());
    QCOMPARE(startup->updateDialog()->artifact().version, QStringLiteral("1.0.5"));
}

QTEST_MAIN(tst_StartupChecks)
#include "tst_startupchecks.moc"
