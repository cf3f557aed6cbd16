// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/settings/settingspage.h"

class AppState;
class QCheckBox;

// The Register page of the Preferences window: how the register lays out and orders its rows.
class SettingsRegisterPage : public SettingsPage {
    Q_OBJECT

public:
    SettingsRegisterPage(AppState *state, QWidget *parent);

    QCheckBox *twoLineCheck() const { return m_twoLineCheck; }
    QCheckBox *newestFirstCheck() const { return m_newestFirstCheck; }

public Q_SLOTS:
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);

private:
    AppState *m_state;                       // Not owned.
    QCheckBox *m_twoLineCheck = nullptr;     // Owned (Qt child).
    QCheckBox *m_newestFirstCheck = nullptr; // Owned (Qt child).
};
