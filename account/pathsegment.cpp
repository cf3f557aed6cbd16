// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/pathsegment.h"

namespace TindAccount {

bool isSafePathSegment(const QString &text) {
    if (text.isEmpty() || text == QLatin1String(".") || text == QLatin1String(".."))
        return false;
    return !text.contains(QLatin1Char('/')) && !text.contains(QLatin1Char('\\'));
}

} // namespace TindAccount
