// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/dateedits.h"

#include "app/appstate.h"
#include "ui/presentation/regionalformat.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLocale>

namespace DateEdits {

QDateEdit *make(const QDate &date, QWidget *parent) {
    auto *edit = new QDateEdit(date, parent);
    edit->setDisplayFormat(RegionalFormat::dateFormat());
    edit->setLocale(QLocale::system());
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(AppState::weekStartDay());
    edit->calendarWidget()->setLocale(QLocale::system());
    return edit;
}

} // namespace DateEdits
