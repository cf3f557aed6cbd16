// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/thememanager.h"

#include "app/preferencekeys.h"
#include "storage/preferencesrepository.h"

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QStyleHints>

namespace {

const QString kThemeKey = PreferenceKeys::theme();

struct RoleColours {
    QPalette::ColorRole role;
    const char *light;
    const char *dark;
};

// In the order they are set.
const RoleColours kRoles[] = {
    {QPalette::Window, "#FAFBFA", "#0F1E19"},
    {QPalette::WindowText, "#1B2D26", "#D8E8DF"},
    {QPalette::Base, "#FFFFFF", "#152420"},
    {QPalette::AlternateBase, "#F2F7F4", "#1A2E28"},
    {QPalette::Text, "#1B2D26", "#D8E8DF"},
    {QPalette::Button, "#E0EBE5", "#1E3530"},
    {QPalette::ButtonText, "#1B2D26", "#D8E8DF"},
    {QPalette::Highlight, "#00897B", "#4DB6AC"},
    {QPalette::HighlightedText, "#FFFFFF", "#0F1E19"},
    {QPalette::ToolTipBase, "#FFFFFF", "#1E3530"},
    {QPalette::ToolTipText, "#1B2D26", "#D8E8DF"},
    {QPalette::PlaceholderText, "#6E8A7E", "#8FAF9F"},
    {QPalette::Mid, "#D8E0DB", "#2A4038"},
    {QPalette::Light, "#FFFFFF", "#2A4038"},
    {QPalette::Dark, "#9BB0A3", "#0A1510"},
    // Qt's default link blue cannot be read on the dark window; links take the highlight.
    {QPalette::Link, "#00897B", "#4DB6AC"},
    {QPalette::LinkVisited, "#00897B", "#4DB6AC"},
};

QPalette buildPalette(bool dark) {
    QPalette palette;
    for (const RoleColours &entry : kRoles)
        palette.setColor(entry.role, QColor(dark ? entry.dark : entry.light));
    const QColor disabled(dark ? "#3A5A4A" : "#A0B5A8");
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository *preferences, QObject *parent)
    : QObject(parent)
    , m_preferences(preferences)
    , m_systemPalette(QGuiApplication::palette()) {}

void ThemeManager::setTheme(const QString &name) {
    bool dark = false;
    if (name == QLatin1String("light")) {
        m_theme = Light;
    } else if (name == QLatin1String("dark")) {
        m_theme = Dark;
        dark = true;
    } else {
        m_theme = System;
        dark = systemPrefersDark();
    }
    apply(dark ? darkPalette() : lightPalette());
    if (m_preferences)
        m_preferences->setValue(kThemeKey, themeName(m_theme));
    Q_EMIT themeChanged(m_theme);
}

QString ThemeManager::themeName(Theme theme) {
    switch (theme) {
    case Light:
        return QStringLiteral("light");
    case Dark:
        return QStringLiteral("dark");
    case System:
        break;
    }
    return QStringLiteral("system");
}

QPalette ThemeManager::lightPalette() {
    return buildPalette(false);
}

QPalette ThemeManager::darkPalette() {
    return buildPalette(true);
}

bool ThemeManager::isDark(const QPalette &palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

bool ThemeManager::isDarkNow() {
    return isDark(QGuiApplication::palette());
}

bool ThemeManager::systemPrefersDark() const {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const Qt::ColorScheme scheme = QGuiApplication::styleHints()->colorScheme();
    if (scheme != Qt::ColorScheme::Unknown)
        return scheme == Qt::ColorScheme::Dark;
#endif
    // Without a colour-scheme hint the platform's own palette tells.
    return isDark(m_systemPalette);
}

void ThemeManager::apply(const QPalette &palette) {
    QGuiApplication::setPalette(palette);
    // Setting the font again makes every widget re-polish with the new palette.
    QGuiApplication::setFont(QGuiApplication::font());
}
