// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QIcon>

#include <functional>

class QCalendarWidget;
class QPalette;
class QWidget;

// The calendar the date fields open with F4 or their calendar button.
namespace CalendarPopup {

// The calendar glyph in the palette's placeholder colour, for the fields' trailing button.
QIcon icon(const QPalette &palette);

// Opens a calendar under field on date (today when invalid), starting the week on the
// program's week-start day. picked gets the clicked date; the popup then closes and is
// deleted.
QCalendarWidget *open(QWidget *field, const QDate &date,
                      const std::function<void(const QDate &)> &picked);

} // namespace CalendarPopup
