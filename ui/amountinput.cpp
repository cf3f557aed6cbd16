// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/amountinput.h"

namespace AmountInput {

int decimalJumpPosition(const QString &text, QChar typed, QChar localeDecimal) {
    const QChar decimal = localeDecimal.isNull() ? QLatin1Char('.') : localeDecimal;
    if (typed != decimal && typed != QLatin1Char('.') && typed != QLatin1Char(','))
        return -1;
    const int at = text.indexOf(decimal);
    return at < 0 ? -1 : at + 1;
}

} // namespace AmountInput
