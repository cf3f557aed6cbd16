// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>
#include <QPalette>
#include <QString>

class PreferencesRepository;

// Applies the light or the dark palette to the whole application and remembers the choice in
// the "theme" preference. "system" follows the platform's light or dark setting at the moment
// it is applied. Needs a QGuiApplication; kept out of the widget-free core for that reason.
class ThemeManager : public QObject {
    Q_OBJECT

public:
    enum Theme { System = 0, Light = 1, Dark = 2 };
    Q_ENUM(Theme)

    // Remembers the application palette as the platform's own, so construct it before any
    // theme was applied.
    explicit ThemeManager(PreferencesRepository *preferences, QObject *parent = nullptr);

    // "light" or "dark" (exactly); any other text means "system".
    void setTheme(const QString &name);
    Theme theme() const { return m_theme; }

    // The palette whose window colour tells whether the platform is dark; for tests that
    // stand in for a platform set to dark.
    void setSystemPalette(const QPalette &palette) { m_systemPalette = palette; }

    static QString themeName(Theme theme);
    static QPalette lightPalette();
    static QPalette darkPalette();
    // A palette counts as dark when the lightness of its window colour is below 128.
    static bool isDark(const QPalette &palette);
    // Whether the application palette in force now is dark.
    static bool isDarkNow();

Q_SIGNALS:
    void themeChanged(ThemeManager::Theme theme);

private:
    bool systemPrefersDark() const;
    static void apply(const QPalette &palette);

    PreferencesRepository *m_preferences; // Not owned.
    Theme m_theme = System;
    QPalette m_systemPalette;
};
