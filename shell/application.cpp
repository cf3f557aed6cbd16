// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "shell/application.h"
#include "quillonversion.h"

#include "app/appstate.h"
#include "app/appupdateconfig.h"
#include "app/loghandler.h"
#include "app/preferencekeys.h"
#include "app/singleinstance.h"
#include "app/thememanager.h"
#include "storage/database.h"
#include "storage/preferencesrepository.h"
#include "ui/common/themestyle.h"
#include "ui/presentation/regionalformat.h"
#include "ui/window/mainwindow.h"
#include "ui/window/startupchecks.h"

#include <QEventLoop>
#include <QFontDatabase>
#include <QIcon>
#include <QLabel>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QThread>
#include <QTranslator>

#include <memory>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv) {
    LogHandler::installUnlessVerbose();

    setOrganizationName(QStringLiteral("Tindral"));
    setOrganizationDomain(QStringLiteral("tindral.example"));
    setApplicationName(QStringLiteral("Quillon"));
    setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    setApplicationDisplayName(QStringLiteral("Tindral Quillon"));

    installTranslators();

    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application() {
    delete m_mainWindow;
}

void Application::installTranslators() {
    const QString lang = uiLanguage(true);
    RegionalFormat::setLanguage(lang);
    if (lang != QLatin1String("en")) {
        auto *qt = new QTranslator(this);
        if (qt->load(QLocale(lang), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(qt);
            m_qtTranslator = qt;
        } else {
            delete qt;
        }
    }

    auto *own = new QTranslator(this);
    if (own->load(QStringLiteral(":/i18n/quillon_%1.qm").arg(lang))) {
        installTranslator(own);
        m_appTranslator = own;
    } else {
        delete own;
    }
}

int Application::run() {
    // A second start on the same data directory hands over to the running window and ends.
    m_instance = new SingleInstance(Database::dataDirectory(), this);
    if (!m_instance->claim())
        return 0;
    connect(m_instance, &SingleInstance::activationRequested, this, &Application::raiseMainWindow);

    upgradeDatabaseWithNotice(Database::databasePath());
    m_appState = new AppState(this);
    if (!m_appState->initialize()) {
        showDatabaseError(Database::dataDirectory());
        return 1;
    }
    // The theme needs this QApplication, so the shell adds it to the widget-free state.
    setStyle(new ThemeStyle);
    auto *theme = new ThemeManager(m_appState->preferencesRepository(), m_appState);
    m_appState->setThemeManager(theme);
    theme->setTheme(m_appState->preferencesRepository()->value(PreferenceKeys::theme(),
                                                               QStringLiteral("system")));

    m_mainWindow = new MainWindow(m_appState);
    m_mainWindow->show();
    m_appState->watchOtherWriters(1000);

    auto *checks = new StartupChecks(m_appState, updateConfig(), applicationDisplayName(),
                                     m_mainWindow, this);
    checks->start();

    return exec();
}

void Application::upgradeDatabaseWithNotice(const QString &path) {
    const int version = Database::schemaVersionOf(path);
    // A new file, or one this version cannot read: the usual start creates it or says why.
    if (version <= 0 || version >= Database::migrations().constLast().version)
        return;
    QLabel notice(tr("Updating your data for this version of %1...").arg(applicationDisplayName()));
    notice.setWindowTitle(applicationDisplayName());
    notice.setAccessibleName(notice.text());
    notice.setAlignment(Qt::AlignCenter);
    notice.setMargin(32);
    notice.setAttribute(Qt::WA_QuitOnClose, false);
    notice.show();

    // A failed upgrade is left for the usual start, which runs the same steps again and shows
    // the error; the copy made before the first of them stays beside the file.
    std::unique_ptr<QThread> worker(QThread::create([path] {
        Database database(QStringLiteral("quillon-upgrade"));
        if (database.open(path))
            database.runMigrations();
    }));
    QEventLoop loop;
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
}

void Application::raiseMainWindow() {
    if (!m_mainWindow)
        return;
    if (m_mainWindow->isMinimized())
        m_mainWindow->showNormal();
    m_mainWindow->show();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void Application::showDatabaseError(const QString &dataDirectory) {
    QString text = tr("Failed to initialize the database.\n\nData directory: "
                      "%1\n\nPlease check file permissions and try again.")
                       .arg(dataDirectory);
    // A reason the user can act on (a database from a newer version) goes first.
    const QString reason
        = m_appState && m_appState->database() ? m_appState->database()->lastError() : QString();
    if (!reason.isEmpty())
        text = reason + QStringLiteral("\n\n") + text;
    QMessageBox::critical(nullptr, tr("Database Error"), text);
}

QString Application::uiLanguage(bool resolveSystem) {
    const QString stored
        = QSettings().value(PreferenceKeys::language(), QStringLiteral("system")).toString();
    if (!resolveSystem || stored != QLatin1String("system"))
        return stored;
    const QString system = QLocale().name().left(2);
    return supportedLanguages().contains(system) ? system : QStringLiteral("en");
}

void Application::setUiLanguage(const QString &language) {
    QSettings().setValue(PreferenceKeys::language(), language);
}

QStringList Application::supportedLanguages() {
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

TindUpdate::UpdateConfig Application::updateConfig() {
    return AppUpdateConfig::create();
}
