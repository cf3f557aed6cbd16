// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/authclient.h"
#include "account/client.h"
#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "app/thememanager.h"
#include "services/ledgerwriter.h"
#include "services/syncengine.h"
#include "storage/accountrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testhttpserver.h"
#include "tests/support/testrecords.h"
#include "tests/support/testsyncserver.h"
#include "ui/common/modalrunner.h"
#include "ui/presentation/dateinput.h"
#include "ui/presentation/regionalformat.h"
#include "ui/settings/settingsscreen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const char *const kServiceVariables[] = {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"};

void chooseText(QComboBox *combo, const QString &text) {
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
}

} // namespace

class tst_SettingsScreen : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void generalChoicesAreStored_data();
    void generalChoicesAreStored();
    void dateFormatAppliesAtOnce_data();
    void dateFormatAppliesAtOnce();
    void languageAsksOnlyWhenItChanges();
    void registerOptionsAreStored();
    void pagesByKeyboard();
    void restoreBringsBackWhatWasDeletedWithIt();
    void signedOutHidesSyncControls();
    void lastSyncedText_data();
    void lastSyncedText();
    void profileFetchedOncePerRefresh_data();
    void profileFetchedOncePerRefresh();
    void syncNowFollowsTheRun();
    void forceFullSync_data();
    void forceFullSync();
    void serverAddressTyped_data();
    void serverAddressTyped();
    void serverAddressFromEnvironmentIsReadOnly();

private:
    // Signed in against the loopback servers when signedIn.
    void openState(bool signedIn);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TestHttpServer> m_auth;
    std::unique_ptr<TestSyncServer> m_sync;
    std::unique_ptr<AppState> m_state;
    QStringList m_boxes; // titles of the boxes shown
    int m_answer = QMessageBox::Ok;
    int m_userRequests = 0;
    QJsonObject m_user;
    int m_userStatus = 200;
};

void tst_SettingsScreen::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonSettingsTest");
    QLocale::setDefault(QLocale::c());
}

void tst_SettingsScreen::init() {
    QSettings().clear();
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_boxes.clear();
    m_answer = QMessageBox::Ok;
    m_userRequests = 0;
    m_user = QJsonObject();
    m_userStatus = 200;
    ModalRunner::setHandler([this](QDialog *dialog) {
        m_boxes << dialog->windowTitle();
        return m_answer;
    });
}

void tst_SettingsScreen::cleanup() {
    ModalRunner::setHandler({});
    m_state.reset();
    m_sync.reset();
    m_auth.reset();
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
    for (const char *name : kServiceVariables)
        qunsetenv(name);
    qunsetenv("QUILLON_SERVER");
}

void tst_SettingsScreen::openState(bool signedIn) {
    auto store = std::make_unique<TindAccount::MemoryTokenStore>();
    if (signedIn) {
        m_auth = std::make_unique<TestHttpServer>();
        QVERIFY(m_auth->listen());
        m_auth->setHandler([this](const TestHttpServer::Request &request) {
            if (request.path.endsWith("/users/me")) {
                ++m_userRequests;
                return TestHttpServer::Response::json(m_userStatus, m_user);
            }
            return TestHttpServer::Response::json(
                200, {{"access_token", fakeJwtExpiringIn(3600, {{"sub", "user-1"}})},
                      {"refresh_token", "refresh-2"}});
        });
        m_sync = std::make_unique<TestSyncServer>();
        QVERIFY(m_sync->listen());
        qputenv("AUTH_BASE_URL", m_auth->url().toString().toUtf8());
        qputenv("ACCOUNT_API_URL", m_auth->url("/account/v1").toString().toUtf8());
        qputenv("SYNC_API_URL", m_sync->url().toString().toUtf8());
        store->save(TindAccount::TokenStore::AccessTokenKey,
                    fakeJwtExpiringIn(3600, {{"sub", "user-1"}}));
        store->save(TindAccount::TokenStore::RefreshTokenKey, "refresh-1");
    }
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::move(store));
    QVERIFY(m_state->initialize());
    auto *theme = new ThemeManager(m_state->preferencesRepository(), m_state.get());
    m_state->setThemeManager(theme);
    theme->setTheme("light");
    if (signedIn) {
        QCOMPARE(m_state->accountClient()->auth()->state(), TindAccount::AuthState::SignedIn);
        // Let the start-up sync run out, so that each test begins from a quiet engine.
        QTRY_COMPARE(m_state->syncEngine()->state(), SyncEngine::Idle);
    }
}

void tst_SettingsScreen::generalChoicesAreStored_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addRow("dark theme") << "theme"
                                << "Dark"
                                << "theme"
                                << "dark";
    QTest::addRow("system theme") << "theme"
                                  << "System Default"
                                  << "theme"
                                  << "system";
    QTest::addRow("week from Monday") << "week"
                                      << "Monday"
                                      << "weekStartDay"
                                      << "1";
    QTest::addRow("week from Saturday") << "week"
                                        << "Saturday"
                                        << "weekStartDay"
                                        << "6";
    QTest::addRow("week from Sunday") << "week"
                                      << "Sunday"
                                      << "weekStartDay"
                                      << "7";
}

void tst_SettingsScreen::generalChoicesAreStored() {
    QFETCH(QString, control);
    QFETCH(QString, item);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    openState(false);
    // Start from a value the row does not choose, so that choosing it is a change.
    m_state->preferencesRepository()->setInt("weekStartDay", 3);
    AppState::setWeekStartDay(Qt::Wednesday);
    SettingsScreen screen(m_state.get());
    QComboBox *combo = control == "theme" ? screen.themeCombo() : screen.weekStartCombo();
    if (combo->currentText() == item)
        chooseText(combo, combo->itemText((combo->currentIndex() + 1) % combo->count()));
    chooseText(combo, item);

    QCOMPARE(m_state->preferencesRepository()->value(key, QString()), stored);
    if (control == "week")
        QCOMPARE(int(AppState::weekStartDay()), stored.toInt());
    else
        QCOMPARE(m_state->themeManager()->theme(),
                 stored == "dark" ? ThemeManager::Dark : ThemeManager::System);
    QVERIFY(m_boxes.isEmpty());
}

void tst_SettingsScreen::dateFormatAppliesAtOnce_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("before"); // the stored choice, empty for none
    QTest::addColumn<QString>("chosen"); // empty: as the language writes dates
    QTest::addColumn<QString>("shown");
    QTest::addRow("English reader picks day first") << "en"
                                                    << ""
                                                    << "d/M/yyyy"
                                                    << "1/12/2026";
    QTest::addRow("German reader back to the language's") << "de"
                                                          << "yyyy-MM-dd"
                                                          << ""
                                                          << "1.12.2026";
    QTest::addRow("Japanese reader picks ISO") << "ja"
                                               << ""
                                               << "yyyy-MM-dd"
                                               << "2026-12-01";
}

void tst_SettingsScreen::dateFormatAppliesAtOnce() {
    QFETCH(QString, language);
    QFETCH(QString, before);
    QFETCH(QString, chosen);
    QFETCH(QString, shown);
    openState(false);
    RegionalFormat::setLanguage(language);
    if (!before.isEmpty())
        m_state->preferencesRepository()->setValue("dateFormat", before);
    RegionalFormat::setDateFormat(before);
    SettingsScreen screen(m_state.get());
    QComboBox *combo = screen.dateFormatCombo();
    QCOMPARE(combo->currentData().toString(), before);
    QSignalSpy changed(&screen, &SettingsScreen::dateFormatChanged);
    combo->setCurrentIndex(combo->findData(chosen));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_state->preferencesRepository()->value("dateFormat").value_or(QString()), chosen);
    QCOMPARE(DateInput::format(QDate(2026, 12, 1)), shown);
    RegionalFormat::setDateFormat(QString());
    RegionalFormat::setLanguage("en");
}

void tst_SettingsScreen::languageAsksOnlyWhenItChanges() {
    QSettings().setValue("ui/language", "de");
    openState(false);
    SettingsScreen screen(m_state.get());
    QComboBox *combo = screen.languageCombo();
    QCOMPARE(combo->currentText(), QStringLiteral("Deutsch"));

    screen.onLanguageChanged(combo->currentIndex()); // the stored one again
    QVERIFY(m_boxes.isEmpty());

    chooseText(combo, QStringLiteral("Français"));
    QCOMPARE(QSettings().value("ui/language").toString(), QStringLiteral("fr"));
    QCOMPARE(m_boxes, QStringList{"Language Changed"});
}

// The page list is where the keyboard starts; the arrow keys and Home/End walk the pages.
void tst_SettingsScreen::pagesByKeyboard() {
    openState(false);
    SettingsScreen screen(m_state.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QListWidget *list = screen.pageList();
    QCOMPARE(list->accessibleName(), QStringLiteral("Preference pages"));
    // First in the tab chain: the window's focus starts there.
    QTRY_VERIFY(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(screen.pages()->currentIndex(), int(SettingsScreen::RegisterPage));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(screen.pages()->currentIndex(), int(SettingsScreen::AboutPage));
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(screen.pages()->currentIndex(), int(SettingsScreen::DataPage));
}

void tst_SettingsScreen::registerOptionsAreStored() {
    openState(false);
    SettingsScreen screen(m_state.get());
    screen.show();
    screen.pageList()->setCurrentRow(SettingsScreen::RegisterPage);
    QCOMPARE(screen.pages()->currentIndex(), int(SettingsScreen::RegisterPage));
    PreferencesRepository *preferences = m_state->preferencesRepository();
    QSignalSpy changed(preferences, &PreferencesRepository::changed);

    QTest::mouseClick(screen.twoLineCheck(), Qt::LeftButton, {},
                      QPoint(8, screen.twoLineCheck()->height() / 2));
    QTest::mouseClick(screen.newestFirstCheck(), Qt::LeftButton, {},
                      QPoint(8, screen.newestFirstCheck()->height() / 2));
    QVERIFY(preferences->boolValue("registerTwoLine", false));
    QVERIFY(preferences->boolValue("registerNewestFirst", false));
    QTest::mouseClick(screen.twoLineCheck(), Qt::LeftButton, {},
                      QPoint(8, screen.twoLineCheck()->height() / 2));
    QVERIFY(!preferences->boolValue("registerTwoLine", true));
    QCOMPARE(changed.count(), 3);
}

void tst_SettingsScreen::restoreBringsBackWhatWasDeletedWithIt() {
    openState(false);
    using namespace TestRecords;
    QVERIFY(m_state->accountRepository()->insert(account("acc-1", "Savings")));
    QVERIFY(m_state->accountRepository()->insert(account("acc-2", "Kept")));
    QVERIFY(m_state->transactionRepository()->insert(
        transaction("tx-1", "acc-1", QDate(2026, 1, 3), -500)));
    QVERIFY(m_state->recurringRepository()->insert(rule("rule-1", "acc-1", QDate(2026, 2, 1))));
    QVERIFY(m_state->reconciliationRepository()->insert(
        reconciliation("rec-1", "acc-1", QDate(2026, 1, 31))));

    SettingsScreen screen(m_state.get());
    screen.refresh();
    QVERIFY(screen.deletedSection()->isHidden());

    QVERIFY(m_state->ledger()->deleteAccount("acc-1"));
    screen.refresh();
    QVERIFY(!screen.deletedSection()->isHidden());
    QCOMPARE(screen.deletedList()->count(), 1);
    QCOMPARE(screen.deletedList()->item(0)->text(), QStringLiteral("Savings"));
    QVERIFY(!screen.restoreButton()->isEnabled());

    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    screen.deletedList()->setCurrentRow(0);
    QVERIFY(screen.restoreButton()->isEnabled());
    screen.show();
    screen.pageList()->setCurrentRow(SettingsScreen::DataPage);
    QTest::mouseClick(screen.restoreButton(), Qt::LeftButton);

    QCOMPARE(restored.count(), 1);
    QVERIFY(!m_state->accountRepository()->findById("acc-1")->deletedAt);
    QVERIFY(!m_state->transactionRepository()->findById("tx-1")->deletedAt);
    QVERIFY(!m_state->recurringRepository()->findById("rule-1")->deletedAt);
    QVERIFY(!m_state->reconciliationRepository()->findById("rec-1")->deletedAt);
    QVERIFY(screen.deletedSection()->isHidden());
    QVERIFY(m_boxes.isEmpty());
}

void tst_SettingsScreen::signedOutHidesSyncControls() {
    openState(false);
    SettingsScreen screen(m_state.get());
    screen.refresh();
    QCOMPARE(screen.accountStatusLabel()->text(),
             QStringLiteral("Not signed in.\nSign in via File › Sign In to enable sync."));
    QVERIFY(screen.lastSyncedLabel()->isHidden());
    QVERIFY(screen.syncButtonRow()->isHidden());
}

void tst_SettingsScreen::lastSyncedText_data() {
    QTest::addColumn<QString>("stored"); // null: no preference
    QTest::addColumn<QString>("shown");  // empty: a formatted time, not the raw text
    QTest::addRow("never") << QString() << "Never synced";
    QTest::addRow("empty") << ""
                           << "Never synced";
    QTest::addRow("not a time") << "yesterday-ish"
                                << "Last synced: yesterday-ish";
    QTest::addRow("time") << "2026-03-04T05:06:07Z"
                          << "";
}

void tst_SettingsScreen::lastSyncedText() {
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    openState(true);
    m_user = {{"id", "user-1"}, {"display_name", "Ana <b>Bold</b>"}};
    QTRY_VERIFY(true);
    if (!stored.isNull())
        m_state->preferencesRepository()->setValue("lastSyncTimestamp", stored);
    else
        m_state->preferencesRepository()->remove("lastSyncTimestamp");
    SettingsScreen screen(m_state.get());
    screen.refresh();
    QVERIFY(!screen.syncButtonRow()->isHidden());
    QVERIFY(!screen.lastSyncedLabel()->isHidden());
    const QString text = screen.lastSyncedLabel()->text();
    if (shown.isEmpty()) {
        QVERIFY2(text.startsWith("Last synced: ") && !text.contains(stored), qPrintable(text));
    } else {
        QCOMPARE(text, shown);
    }
    // Whoever the server says the user is, the name is text, not markup.
    QTRY_VERIFY(screen.accountStatusLabel()->text().contains("Ana &lt;b&gt;Bold&lt;/b&gt;"));
}

void tst_SettingsScreen::profileFetchedOncePerRefresh_data() {
    QTest::addColumn<int>("status");
    QTest::addRow("no name on the server") << 200;
    QTest::addRow("server fails") << 500;
}

void tst_SettingsScreen::profileFetchedOncePerRefresh() {
    QFETCH(int, status);
    openState(true);
    m_userStatus = status;
    m_user = status == 200 ? QJsonObject{{"id", "user-1"}} : QJsonObject();
    SettingsScreen screen(m_state.get());
    screen.refresh();
    QTRY_COMPARE(m_userRequests, 1);
    QTest::qWait(300);
    QCOMPARE(m_userRequests, 1);
    // The subject of the token stands in for the missing name.
    QVERIFY(screen.accountStatusLabel()->text().contains("user-1"));

    screen.refresh();
    QTRY_COMPARE(m_userRequests, 2);
    QTest::qWait(300);
    QCOMPARE(m_userRequests, 2);
}

void tst_SettingsScreen::syncNowFollowsTheRun() {
    openState(true);
    m_user = {{"id", "user-1"}, {"email", "ana@example.test"}};
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc-1", "Checking")));
    SettingsScreen screen(m_state.get());
    screen.show();
    screen.pageList()->setCurrentRow(SettingsScreen::DataPage);
    screen.refresh();
    const int pushesBefore = m_sync->requests("/sync/push").size();

    QTest::mouseClick(screen.syncNowButton(), Qt::LeftButton);
    QVERIFY(!screen.syncNowButton()->isEnabled());
    QCOMPARE(screen.syncNowButton()->text(), QStringLiteral("Syncing..."));
    QTRY_VERIFY(screen.syncNowButton()->isEnabled());
    QCOMPARE(screen.syncNowButton()->text(), QStringLiteral("Sync Now"));
    QCOMPARE(m_state->syncEngine()->state(), SyncEngine::Idle);
    QVERIFY(m_sync->requests("/sync/push").size() > pushesBefore);
    QVERIFY(m_sync->recordByClientId("account", "acc-1"));
    QVERIFY(screen.lastSyncedLabel()->text().startsWith("Last synced: "));
}

void tst_SettingsScreen::forceFullSync_data() {
    QTest::addColumn<bool>("confirm");
    QTest::addRow("no") << false;
    QTest::addRow("yes") << true;
}

void tst_SettingsScreen::forceFullSync() {
    QFETCH(bool, confirm);
    openState(true);
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc-1", "Checking")));
    m_state->syncEngine()->syncNow();
    QTRY_VERIFY(m_sync->recordByClientId("account", "acc-1"));
    QTRY_COMPARE(m_state->syncEngine()->state(), SyncEngine::Idle);
    const QString lastSync = m_state->preferencesRepository()->value("lastSyncTimestamp", "");
    QVERIFY(!lastSync.isEmpty());
    const int pushesBefore = m_sync->requests("/sync/push").size();

    SettingsScreen screen(m_state.get());
    screen.show();
    screen.pageList()->setCurrentRow(SettingsScreen::DataPage);
    screen.refresh();
    m_answer = confirm ? QMessageBox::Yes : QMessageBox::No;
    QTest::mouseClick(screen.forceFullSyncButton(), Qt::LeftButton);
    QCOMPARE(m_boxes, QStringList{"Force Full Sync"});

    if (!confirm) {
        QTest::qWait(200);
        QCOMPARE(m_sync->requests("/sync/push").size(), pushesBefore);
        QCOMPARE(m_state->preferencesRepository()->value("lastSyncTimestamp", ""), lastSync);
        QVERIFY(screen.forceFullSyncButton()->isEnabled());
        return;
    }
    QVERIFY(!screen.forceFullSyncButton()->isEnabled());
    QVERIFY(!screen.syncNowButton()->isEnabled());
    QTRY_VERIFY(screen.forceFullSyncButton()->isEnabled());
    QVERIFY(screen.syncNowButton()->isEnabled());
    // The account went up again although nothing about it had changed.
    const QList<TestHttpServer::Request> pushes = m_sync->requests("/sync/push");
    QVERIFY(pushes.size() > pushesBefore);
    QVERIFY(pushes.last().body.contains("acc-1"));
}

void tst_SettingsScreen::serverAddressTyped_data() {
    QTest::addColumn<QString>("before"); // stored before; empty for none
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after"); // stored after; empty for none
    QTest::addColumn<bool>("refused");
    QTest::addRow("https saved") << ""
                                 << "https://books.example.org"
                                 << "https://books.example.org" << false;
    QTest::addRow("http with port replaces") << "https://old.example.org"
                                             << "  http://127.0.0.1:8080/  "
                                             << "http://127.0.0.1:8080/" << false;
    QTest::addRow("empty clears") << "https://old.example.org"
                                  << ""
                                  << "" << false;
    QTest::addRow("no scheme refused") << "https://old.example.org"
                                       << "books.example.org"
                                       << "https://old.example.org" << true;
    QTest::addRow("ftp refused") << ""
                                 << "ftp://books.example.org"
                                 << "" << true;
    QTest::addRow("no host refused") << "https://old.example.org"
                                     << "https://"
                                     << "https://old.example.org" << true;
}

void tst_SettingsScreen::serverAddressTyped() {
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(bool, refused);
    openState(false);
    PreferencesRepository *preferences = m_state->preferencesRepository();
    if (!before.isEmpty())
        preferences->setValue(AppState::ServerAddressKey, before);
    SettingsScreen screen(m_state.get());
    screen.show();
    screen.pageList()->setCurrentRow(SettingsScreen::DataPage);
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QLineEdit *edit = screen.serverAddressEdit();
    QCOMPARE(edit->accessibleName(), QStringLiteral("Server address"));
    QCOMPARE(edit->text(), before);
    QVERIFY(!edit->isReadOnly());
    QVERIFY(screen.serverAddressNote()->text().contains("next time"));

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);

    QCOMPARE(preferences->value(AppState::ServerAddressKey).value_or(QString()), after);
    QCOMPARE(preferences->value(AppState::ServerAddressKey).has_value(), !after.isEmpty());
    QCOMPARE(screen.serverAddressError()->isVisible(), refused);
    if (refused) {
        QVERIFY(screen.serverAddressError()->text().contains("https://"));
        // Typing again takes the complaint away until the next attempt.
        QTest::keyClick(edit, Qt::Key_Backspace);
        QVERIFY(!screen.serverAddressError()->isVisible());
    }
}

// The environment wins over the stored address, so the field shows it and cannot change it.
void tst_SettingsScreen::serverAddressFromEnvironmentIsReadOnly() {
    openState(false);
    m_state->preferencesRepository()->setValue(AppState::ServerAddressKey,
                                               "https://stored.example.org");
    qputenv("QUILLON_SERVER", "https://env.example.org");
    SettingsScreen screen(m_state.get());
    screen.show();
    screen.pageList()->setCurrentRow(SettingsScreen::DataPage);
    QLineEdit *edit = screen.serverAddressEdit();
    QCOMPARE(edit->text(), QStringLiteral("https://env.example.org"));
    QVERIFY(edit->isReadOnly());
    QVERIFY(screen.serverAddressNote()->text().contains("QUILLON_SERVER"));

    edit->setFocus();
    QTest::keyClicks(edit, "x");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(edit->text(), QStringLiteral("https://env.example.org"));
    QCOMPARE(m_state->preferencesRepository()->value(AppState::ServerAddressKey),
             std::optional<QString>("https://stored.example.org"));
}

QTEST_MAIN(tst_SettingsScreen)
#include "tst_settingsscreen.moc"
