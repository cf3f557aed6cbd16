// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

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

} // namespace Styles
