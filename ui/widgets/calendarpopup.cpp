// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/calendarpopup.h"

#include "app/appstate.h"

#include <QCalendarWidget>
#include <QFont>
#include <QLocale>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace CalendarPopup {

QIcon icon(const QPalette &palette) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::PlaceholderText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    painter.end();
    return QIcon(pixmap);
}

QCalendarWidget *open(QWidget *field, const QDate &date,
                      const std::function<void(const QDate &)> &picked) {
    auto *calendar = new QCalendarWidget(field);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setAttribute(Qt::WA_DeleteOnClose);
    calendar->setAccessibleName(QCalendarWidget::tr("Calendar"));
    calendar->setFirstDayOfWeek(AppState::weekStartDay());
    calendar->setLocale(QLocale::system());
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    calendar->setGridVisible(true);
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar,
                     [calendar, picked](const QDate &clicked) {
                         picked(clicked);
                         calendar->close();
                     });
    calendar->move(field->mapToGlobal(field->rect().bottomLeft()));
    calendar->show();
    calendar->setFocus();
    return calendar;
}

} // namespace CalendarPopup
