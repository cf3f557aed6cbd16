// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QChar>
#include <QString>

#include <optional>

// Money is a signed count of the currency's minor unit (cents; whole yen for JPY).
// Text conversion is locale-independent: English grouping and a dot as decimal point.
QChar currencySymbol(Currency currency);
// How many minor units make one major unit: 100 (cents), or 1 for a currency without them (JPY).
qint64 minorPerMajor(Currency currency);
// Digits after the decimal point in the currency's text: 2, or 0 for JPY.
int minorDigits(Currency currency);
QString formatMoney(qint64 amount, Currency currency);
QString formatAmount(qint64 amount, Currency currency);
// The amount as a plain number for files other programs add up: a dot as decimal point, the
// currency's decimals, no symbol and no grouping (-123405 in USD is -1234.05).
QString formatPlainNumber(qint64 amount, Currency currency);

// The largest amount the program keeps, in major units (dollars, euros, yen) either way.
constexpr qint64 MaxMajorAmount = 1000000000000LL;

// Whether an amount in minor units lies within plus or minus MaxMajorAmount of its currency.
bool isAmountInRange(qint64 amount, Currency currency);

// Reads typed amount text exactly (no binary floating point): the currency's own symbol may
// appear, commas only as thousands separators, a leading minus, and for currencies with cents
// a fraction and an exponent ("1e2"); halves of a cent round away from zero. Empty text is
// zero. Text it cannot read, or an amount out of range, gives an empty result.
std::optional<qint64> tryParseAmount(const QString &text, Currency currency);
// As tryParseAmount, with 0 for anything it cannot read.
qint64 parseAmount(const QString &text, Currency currency);
