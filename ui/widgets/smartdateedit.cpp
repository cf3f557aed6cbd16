// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/smartdateedit.h"

#include "ui/presentation/dateinput.h"
#include "ui/widgets/calendarpopup.h"

#include <QAction>
#include <QKeyEvent>

SmartDateEdit::SmartDateEdit(QWidget *parent)
    : QLineEdit(parent)
    , m_date(QDate::currentDate()) {
    showDate();
    QAction *calendar = addAction(CalendarPopup::icon(palette()), QLineEdit::TrailingPosition);
    calendar->setToolTip(tr("Open calendar (F4)"));
    calendar->setText(tr("Open calendar"));
    connect(calendar, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
}

QDate SmartDateEdit::parsedDate() const {
    return DateInput::parse(text(), m_date);
}

void SmartDateEdit::setDate(const QDate &date) {
    m_date = date;
    showDate();
}

void SmartDateEdit::openCalendarPopup() {
    CalendarPopup::open(this, parsedDate(), [this](const QDate &date) { takeDate(date); });
}

void SmartDateEdit::keyPressEvent(QKeyEvent *event) {
    const bool altDown = event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier);
    if (event->key() == Qt::Key_F4 || altDown) {
        openCalendarPopup();
        event->accept();
        return;
    }
    // The shortcut works from what the field shows, typed text included.
    if (const auto date = DateInput::shortcut(event->text(), parsedDate())) {
        takeDate(*date);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void SmartDateEdit::takeDate(const QDate &date) {
    m_date = date;
    showDate();
    selectAll();
}

void SmartDateEdit::showDate() {
    setText(DateInput::format(m_date));
}
