// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/settings/settingspage.h"

// The About page of the Preferences window: the program's name, version, links and notices.
class SettingsAboutPage : public SettingsPage {
    Q_OBJECT

public:
    explicit SettingsAboutPage(QWidget *parent);
};
