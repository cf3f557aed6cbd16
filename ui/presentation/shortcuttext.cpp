// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/shortcuttext.h"

#include <QKeySequence>

namespace ShortcutText {

QString of(const char *portable) {
    return QKeySequence::fromString(QLatin1String(portable), QKeySequence::PortableText)
        .toString(QKeySequence::NativeText);
}

} // namespace ShortcutText
