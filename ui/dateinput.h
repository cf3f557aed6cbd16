// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

#include <optional>

// What the date fields decide, without the widgets: the accepted texts and the one-key
// shortcuts.
namespace DateInput {

// "M/d/yyyy", the form the fields show.
QString format(const QDate &date);

// Tries "M/d/yyyy", "MM/dd/yyyy", "M/d/yy", "MM/dd/yy"; a two-digit year is the nearest
// fitting one (see DateParsing). fallback when none matches.
QDate parse(const QString &text, const QDate &fallback, const QDate &today = QDate::currentDate());

// The date a shortcut key gives from date (today when date is invalid): t today, + or = next
// day, - previous day, m/h first/last of month, y/r first/last of year, w/k the Sunday on or
// before / the Saturday on or after. Case does not matter. Nothing for any other text.
std::optional<QDate> shortcut(const QString &keyText, const QDate &date,
                              const QDate &today = QDate::currentDate());

} // namespace DateInput
