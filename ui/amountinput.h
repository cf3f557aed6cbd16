// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QChar>
#include <QString>

namespace AmountInput {

// Where the cursor goes when typed is entered into an amount field showing text: right after
// the decimal point when typed is a decimal point (the locale's, a dot or a comma) and the
// text already has one; -1 when the key is ordinary input.
int decimalJumpPosition(const QString &text, QChar typed, QChar localeDecimal);

} // namespace AmountInput
