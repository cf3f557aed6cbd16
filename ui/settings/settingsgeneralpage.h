// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/settings/settingspage.h"

class AppState;
class QComboBox;

// The General page of the Preferences window: theme, first day of the week, date format and
// language, each stored the moment it is chosen.
class SettingsGeneralPage : public SettingsPage {
    Q_OBJECT

public:
    SettingsGeneralPage(AppState *state, QWidget *parent);

    QComboBox *themeCombo() const { return m_themeCombo; }
    QComboBox *weekStartCombo() const { return m_weekStartCombo; }
    QComboBox *languageCombo() const { return m_languageCombo; }
    QComboBox *dateFormatCombo() const { return m_dateFormatCombo; }

public Q_SLOTS:
    void onThemeChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    // Stores the "dateFormat" preference (removed for the language's own) and applies it.
    void onDateFormatChanged(int index);

Q_SIGNALS:
    // Open screens should show their dates again.
    void dateFormatChanged();

private:
    AppState *m_state;                      // Not owned.
    QComboBox *m_themeCombo = nullptr;      // Owned (Qt child).
    QComboBox *m_weekStartCombo = nullptr;  // Owned (Qt child).
    QComboBox *m_languageCombo = nullptr;   // Owned (Qt child).
    QComboBox *m_dateFormatCombo = nullptr; // Owned (Qt child).
};
