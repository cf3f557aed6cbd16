// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

// The names under which the preferences are stored. Each is read in one place and written in
// another (the settings window, the theme, the register, start-up), and a name typed twice can
// drift apart without any test noticing.
namespace PreferenceKeys {

// In the preferences of the data file.
inline QString theme() {
    return QStringLiteral("theme");
}
inline QString weekStartDay() {
    return QStringLiteral("weekStartDay");
}
inline QString registerTwoLine() {
    return QStringLiteral("registerTwoLine");
}
inline QString registerNewestFirst() {
    return QStringLiteral("registerNewestFirst");
}
inline QString dateFormat() {
    return QStringLiteral("dateFormat");
}

// In QSettings, since the translation is chosen before any data file is opened.
inline QString language() {
    return QStringLiteral("ui/language");
}

} // namespace PreferenceKeys
