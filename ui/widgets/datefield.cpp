// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/datefield.h"

DateField::DateField(QWidget *parent)
    : SmartDateEdit(parent) {}

void DateField::setDate(const QDate &date) {
    if (date == this->date())
        return;
    SmartDateEdit::setDate(date);
    Q_EMIT dateChanged(date);
}

void DateField::takeDate(const QDate &date) {
    const bool changed = date != this->date();
    SmartDateEdit::takeDate(date);
    if (changed)
        Q_EMIT dateChanged(date);
}

void DateField::focusOutEvent(QFocusEvent *event) {
    const QDate typed = parsedDate();
    if (typed != date()) {
        storeDate(typed);
        Q_EMIT dateChanged(typed);
    }
    showDate();
    SmartDateEdit::focusOutEvent(event);
}
