// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "shell/application.h"

#include <QFile>
#include <QFontDatabase>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Records the database error instead of showing a modal box, which would block offscreen.
class TestApplication : public Application {
public:
    using Application::Application;
    QStringList errors;

protected:
    void showDatabaseError(const QString &dataDirectory) override { errors << dataDirectory; }
};

} // namespace

class tst_Application : public QObject {
    Q_OBJECT

public:
    explicit tst_Application(TestApplication *app)
        : m_app(app) {}

private Q_SLOTS:
    void identity();
    void languageResolution_data();
    void languageResolution();
    void englishHasNoQtTranslator();
    void databaseErrorExitsWithOne();

private:
    TestApplication *m_app;
};

void tst_Application::identity() {
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Tindral"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Quillon"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.0.3"));
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(QFile::exists(":/fonts/fonts/MaterialIcons-Regular.otf"));
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Material Icons")));
    QCOMPARE(Application::supportedLanguages(), (QStringList{"en", "es", "de", "fr", "ja"}));
}

void tst_Application::languageResolution_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QString>("resolved");
    QTest::addRow("system on French") << "system"
                                      << "fr_FR"
                                      << "fr";
    QTest::addRow("system on German") << "system"
                                      << "de_DE"
                                      << "de";
    QTest::addRow("system on Italian") << "system"
                                       << "it_IT"
                                       << "en";
    QTest::addRow("stored Italian unchanged") << "it"
                                              << "fr_FR"
                                              << "it";
    QTest::addRow("stored Japanese") << "ja"
                                     << "en_US"
                                     << "ja";
    QTest::addRow("nothing stored") << QString() << "es_ES"
                                    << "es";
}

void tst_Application::languageResolution() {
    QFETCH(QString, stored);
    QFETCH(QString, systemLocale);
    QFETCH(QString, resolved);
    QSettings().remove("ui/language");
    if (!stored.isNull())
        Application::setUiLanguage(stored);
    QLocale::setDefault(QLocale(systemLocale));
    QCOMPARE(Application::uiLanguage(true), resolved);
    QCOMPARE(Application::uiLanguage(false), stored.isNull() ? QStringLiteral("system") : stored);
    QLocale::setDefault(QLocale::c());
}

void tst_Application::englishHasNoQtTranslator() {
    // main() stored "en" before the application was constructed.
    QVERIFY(m_app->qtTranslator() == nullptr);
}

void tst_Application::databaseErrorExitsWithOne() {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString dataDir = dir.filePath("file/data");
    qputenv("QUILLON_DATA_DIR", dataDir.toUtf8());
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^Failed to open database: "));
    QCOMPARE(m_app->run(), 1);
    QCOMPARE(m_app->errors, QStringList{dataDir});
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
    qunsetenv("QUILLON_DATA_DIR");
}

int main(int argc, char *argv[]) {
    // Keep the settings of the test away from the user's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("Quillon");
    QSettings().setValue("ui/language", "en");
    QSettings().sync();

    TestApplication app(argc, argv);
    tst_Application tc(&app);
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_application.moc"
