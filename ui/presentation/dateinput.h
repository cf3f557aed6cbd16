// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

#include <optional>

// What the date fields decide, without the widgets: the accepted texts and the one-key
// shortcuts.
namespace DateInput {

// The date in the process's date format (RegionalFormat), the form the fields show.
QString format(const QDate &date);

// Reads three numbers separated by "/", "." or "-" in the order of the process's date format
// (RegionalFormat), with leading zeros or without, the year with four digits or two (the
// nearest fitting one, see DateParsing). A text that cannot be read in that order is read in
// the others where it gives a date: month first, day first, then a four-digit year first.
// fallback when none gives a date.
QDate parse(const QString &text, const QDate &fallback, const QDate &today = QDate::currentDate());
// As parse, reading first in the order of the given Qt date format.
QDate parse(const QString &text, const QString &preferredFormat, const QDate &fallback,
            const QDate &today = QDate::currentDate());

// The date a shortcut key gives from date (today when date is invalid): t today, + or = next
// day, - previous day, m/h first/last of month, y/r first/last of year, w/k the Sunday on or
// before / the Saturday on or after. Case does not matter. Nothing for any other text.
std::optional<QDate> shortcut(const QString &keyText, const QDate &date,
                              const QDate &today = QDate::currentDate());

} // namespace DateInput
