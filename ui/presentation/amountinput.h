// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"
#include "ui/presentation/regionalformat.h"

#include <QChar>
#include <QString>

#include <optional>

// The one way money crosses the window: every amount field and register cell shows and reads
// amounts through these, with the currency of the account the amount belongs to, so that no
// screen assumes cents or dollars.
namespace AmountInput {

// The text an amount field or cell shows: the currency's decimals (none for yen), English
// grouping, no symbol.
QString toText(qint64 amount, Currency currency);

// Reads what a person typed for an account in currency: the money parser's forms ("1,234.56",
// the currency's symbol, a leading minus) and, where decimalComma is set, also a decimal
// comma ("12,50", "1.234,50"); "1,234" stays one thousand two hundred and thirty-four, as the
// fields show it. Empty when it cannot be read, has more decimals than the currency can hold
// whole (12.5 yen), or is out of range.
std::optional<qint64> fromText(const QString &text, Currency currency,
                               bool decimalComma = RegionalFormat::decimalComma());

// Between minor units and the major-unit number of a spin box, rounded to the currency's
// minor unit (halves away from zero).
double toMajor(qint64 amount, Currency currency);
qint64 fromMajor(double value, Currency currency);

// Where the cursor goes when typed is entered into an amount field showing text: right after
// the decimal point when typed is a decimal point (the locale's, a dot or a comma) and the
// text already has one; -1 when the key is ordinary input.
int decimalJumpPosition(const QString &text, QChar typed, QChar localeDecimal);

} // namespace AmountInput
