// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

// Reading dates typed by people or written by banks, where a year may have two digits.
namespace DateParsing {

// The full year of a two-digit year: the one in the hundred years that end twenty years
// after today's year (in 2026: 1947 to 2046).
int fullYear(int twoDigitYear, const QDate &today);

// QDate::fromString with a Qt date format, except that a two-digit year ("yy") is read by
// fullYear instead of as 1900-1999. Invalid when the text does not match the format.
QDate fromString(const QString &text, const QString &format,
                 const QDate &today = QDate::currentDate());

} // namespace DateParsing
