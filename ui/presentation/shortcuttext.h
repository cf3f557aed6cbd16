// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

namespace ShortcutText {

// A key combination written in Qt's portable form ("Ctrl+I", "Del") as the menus show it in
// the interface language ("Strg+I", "Entf" in German).
QString of(const char *portable);

} // namespace ShortcutText
