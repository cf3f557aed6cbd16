// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/updateconfig.h"

#include <QApplication>
#include <QString>
#include <QStringList>

class AppState;
class MainWindow;
class SingleInstance;
class QTranslator;

// The process entry: identity, logging, translations, icon font; creates AppState and the
// main window.
class Application : public QApplication {
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    int run();

    // The "ui/language" setting; with resolveSystem a stored "system" becomes the system
    // locale's language when supported, else "en".
    static QString uiLanguage(bool resolveSystem);
    static void setUiLanguage(const QString &language);
    static QStringList supportedLanguages();

    // The update check's product, channel, server directory and running version.
    static TindUpdate::UpdateConfig updateConfig();

    AppState *appState() const { return m_appState; }
    QTranslator *qtTranslator() const { return m_qtTranslator; }
    QTranslator *appTranslator() const { return m_appTranslator; }

protected:
    // Shows the "Database Error" box; tests replace it because a modal box blocks offscreen.
    virtual void showDatabaseError(const QString &dataDirectory);

private:
    void installTranslators();
    // Brings an older database file up to this version before the program uses it, on a
    // worker thread under a small notice: on a large file the new indexes and summaries take
    // a while, and the user should see the program start rather than nothing.
    void upgradeDatabaseWithNotice(const QString &path);
    void raiseMainWindow();

    SingleInstance *m_instance = nullptr;   // Owned (Qt child).
    AppState *m_appState = nullptr;         // Owned (Qt child).
    MainWindow *m_mainWindow = nullptr;     // Owned; no parent, deleted with the Application.
    QTranslator *m_qtTranslator = nullptr;  // Owned (Qt child); null when none loaded.
    QTranslator *m_appTranslator = nullptr; // Owned (Qt child); null when none loaded.
};
