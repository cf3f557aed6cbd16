// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/qifrecord.h"
#include "storage/enums.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The text side of importing bank files, shared by the import and the import screen's
// preview. Widget-free and without database access.

// Bank files come in whatever encoding the bank's software used: a byte-order mark
// (UTF-8, UTF-16 LE/BE, UTF-32) decides and is dropped; text without one is UTF-8 when it
// is valid UTF-8, else Windows-1252.
QString decodeImportText(const QByteArray &bytes);
// Windows-1252 text, also where the converter has no such codec.
QString decodeWindows1252(const QByteArray &bytes);

// Comma-separated rows with double-quote quoting. Fields are trimmed; blank lines are
// dropped; rows may differ in length. A line break inside quotes stays in the field (as a
// line feed).
QList<QStringList> parseCsv(const QString &text);

// The transaction records of a QIF file. Records under a header that does not introduce
// transactions (an account list, categories, classes, memorised entries) are left out.
QList<QifRecord> parseQif(const QString &text);

// month/day/year with slash, apostrophe or hyphen between the parts; a two-digit year is
// 2000-2069 below 70, else 1900-1999. Anything else gives an invalid date.
QDate parseQifDate(const QString &text);

// A QIF amount in cents: commas removed, a decimal number rounded half away from zero to
// whole cents. Empty for unreadable text or an amount beyond the range money may take.
std::optional<qint64> tryParseQifAmount(const QString &text);
// As tryParseQifAmount, with 0 for anything it cannot read.
qint64 parseQifAmount(const QString &text);
// A QIF amount in cents as minor units of an account's currency: unchanged for a currency
// with cents; whole yen only when the cents hold no fraction of one.
std::optional<qint64> qifAmountIn(qint64 cents, Currency currency);
