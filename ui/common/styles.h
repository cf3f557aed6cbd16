// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/thememanager.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QString>

// Style sheets shared by several screens.
namespace Styles {

// The teal button of a screen's main action.
inline QString primaryButton() {
    return QStringLiteral("QPushButton {  background-color: %1;  color: white;  border: none;  "
                          "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  "
                          "min-width: 80px;}QPushButton:hover {  background-color: #00796B;}"
                          "QPushButton:pressed {  background-color: #004D40;}")
        .arg(QLatin1String("#00897B"));
}

// Secondary text: the muted green-grey that reads on both palettes.
inline QString mutedColour() {
    return QStringLiteral("#6E8A7E");
}

// The program's teal: main buttons, badges, a selected page, work in progress.
inline QColor accentColour() {
    return QColor(0x00, 0x89, 0x7B);
}

// Text and glyphs drawn on the teal.
inline QColor onAccentColour() {
    return QColor(0xFF, 0xFF, 0xFF);
}

// The lighter teal of the glyphs that decorate a page or an account.
inline QColor glyphColour() {
    return QColor(0x4D, 0xB6, 0xAC);
}

// The main button, greyed out while it cannot be pressed: the teal alone would look ready.
inline QString primaryButtonGreyedWhenDisabled() {
    return primaryButton()
           + QStringLiteral("QPushButton:disabled { background-color: %1; color: #F4F7F6; }")
                 .arg(mutedColour());
}

// A button that deletes or leaves for good.
inline QString dangerButton() {
    return QStringLiteral("QPushButton { color: white; background: #C62828; border: none;  "
                          "border-radius: 4px; padding: 6px 16px; font-weight: 600; }"
                          "QPushButton:hover { background: #B71C1C; }"
                          "QPushButton:disabled { background: #666; }");
}

// Amount and status colours. The deep tones of the light palette vanish on the dark one, so
// each comes in a lighter tone there. Read them when painting: the theme may change.
inline QColor negativeColour(const QPalette &palette = QGuiApplication::palette()) {
    return ThemeManager::isDark(palette) ? QColor(0xFF, 0x8A, 0x80) : QColor(0xC6, 0x28, 0x28);
}

inline QColor positiveColour(const QPalette &palette = QGuiApplication::palette()) {
    return ThemeManager::isDark(palette) ? QColor(0x66, 0xBB, 0x6A) : QColor(0x2E, 0x7D, 0x32);
}

// Warnings and counts of things waiting for the user.
inline QColor warningColour(const QPalette &palette = QGuiApplication::palette()) {
    return ThemeManager::isDark(palette) ? QColor(0xFF, 0xA7, 0x26) : QColor(0xE6, 0x51, 0x00);
}

// A due recurring entry: a vivid green apart from the muted green of money, so a due date
// does not read as an amount.
inline QColor dueColour(const QPalette &palette = QGuiApplication::palette()) {
    return ThemeManager::isDark(palette) ? QColor(0x66, 0xBB, 0x6A) : QColor(0x00, 0x88, 0x00);
}

// The status bar's texts.
inline QColor statusTextColour(const QPalette &palette = QGuiApplication::palette()) {
    return ThemeManager::isDark(palette) ? QColor(0x8F, 0xAF, 0x9F) : QColor(0x2A, 0x3D, 0x33);
}

// The explanations under a heading on the welcome page.
inline QColor descriptionColour(const QPalette &palette = QGuiApplication::palette()) {
    return ThemeManager::isDark(palette) ? QColor(0x8F, 0xAF, 0x9F) : QColor(0x4A, 0x63, 0x58);
}

// The register row being typed into, and the empty row where a new entry starts.
inline QColor entryRowColour(const QPalette &palette = QGuiApplication::palette()) {
    return ThemeManager::isDark(palette) ? QColor(0x1A, 0x2E, 0x28) : QColor(0xE8, 0xF5, 0xE9);
}

// The key reminders under the register.
inline QColor keyHintColour() {
    return QColor(0x5A, 0x7A, 0x6E);
}

// The page lists down the left of the preferences and of the account window.
struct Navigation {
    QColor background;
    QColor text;
    QColor hover;
    QColor selected;
    QColor selectedText;
    // The lines between the sections of a page beside the list.
    QColor divider;
};

inline Navigation navigation(const QPalette &palette = QGuiApplication::palette()) {
    if (ThemeManager::isDark(palette))
        return {QColor(0x15, 0x24, 0x20), QColor(0xD8, 0xE8, 0xDF), QColor(0x1E, 0x35, 0x30),
                QColor(0x26, 0x57, 0x4A), onAccentColour(),         QColor(0x2A, 0x40, 0x38)};
    return {QColor(0xF0, 0xF4, 0xF2), QColor(0x1B, 0x2D, 0x26), QColor(0xE0, 0xEB, 0xE5),
            accentColour(),           onAccentColour(),         QColor(0xD8, 0xE0, 0xDB)};
}

// A colour as style sheets write it ("#00897B").
inline QString hex(const QColor &colour) {
    return colour.name().toUpper();
}

// A style sheet giving a label one of the colours above.
inline QString textColourStyle(const QColor &colour) {
    return QStringLiteral("color: %1;").arg(colour.name().toUpper());
}

// The account sidebar keeps its deep green in both themes, so that the accounts stand apart
// from the page beside them; its texts are chosen to read on that green.
namespace Sidebar {
inline QColor background() {
    return QColor(0x15, 0x24, 0x20);
}
inline QColor hoverBackground() {
    return QColor(0x1E, 0x35, 0x30);
}
inline QColor selectedBackground() {
    return QColor(0x26, 0x57, 0x4A);
}
// The line between the accounts and their total.
inline QColor rule() {
    return QColor(0x1E, 0x30, 0x28);
}
inline QColor text() {
    return QColor(0x8F, 0xAF, 0x9F);
}
inline QColor brightText() {
    return QColor(0xFF, 0xFF, 0xFF);
}
inline QColor disabledText() {
    return QColor(0x5A, 0x7A, 0x6E);
}
inline QColor icon() {
    return glyphColour();
}
// Balances in the dark palette's tones, since the sidebar is dark in either theme.
inline QColor negative() {
    return negativeColour(QPalette(background()));
}
inline QColor positive() {
    return positiveColour(QPalette(background()));
}
} // namespace Sidebar

} // namespace Styles
