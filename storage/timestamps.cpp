// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/timestamps.h"

#include <QTimeZone>

namespace {

// The number of two ASCII digits at position, or -1.
int twoDigits(const QString &text, int position) {
    const char16_t high = text.at(position).unicode();
    const char16_t low = text.at(position + 1).unicode();
    if (high < u'0' || high > u'9' || low < u'0' || low > u'9')
        return -1;
    return (high - u'0') * 10 + (low - u'0');
}

// yyyy-MM-dd at the start of text; invalid when it is not exactly that.
QDate dateFromDigits(const QString &text) {
    if (text.size() < 10 || text.at(4) != QLatin1Char('-') || text.at(7) != QLatin1Char('-'))
        return QDate();
    const int century = twoDigits(text, 0);
    const int year = twoDigits(text, 2);
    const int month = twoDigits(text, 5);
    const int day = twoDigits(text, 8);
    if (century < 0 || year < 0 || month < 0 || day < 0)
        return QDate();
    return QDate(century * 100 + year, month, day);
}

} // namespace

namespace Timestamps {

QDateTime nowUtc() {
    QDateTime now = QDateTime::currentDateTimeUtc();
    const QTime t = now.time();
    now.setTime(QTime(t.hour(), t.minute(), t.second()));
    return now;
}

QString toText(const QDateTime &timestamp) {
    if (!timestamp.isValid())
        return QString();
    return timestamp.toUTC().toString(Qt::ISODate);
}

QDateTime fromText(const QString &text) {
    if (text.isEmpty())
        return QDateTime();
    // The stored form, read for every row of a register, directly; anything else (and any
    // out-of-range field) goes to Qt's parser.
    if (text.size() == 20 && text.at(10) == QLatin1Char('T') && text.at(19) == QLatin1Char('Z')
        && text.at(13) == QLatin1Char(':') && text.at(16) == QLatin1Char(':')) {
        const QDate date = dateFromDigits(text);
        const int hour = twoDigits(text, 11);
        const int minute = twoDigits(text, 14);
        const int second = twoDigits(text, 17);
        if (date.isValid() && QTime::isValid(hour, minute, second))
            return QDateTime(date, QTime(hour, minute, second), Qt::UTC);
    }
    QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid())
        return QDateTime();
    return dt.toUTC();
}

QString dateToText(const QDate &date) {
    if (!date.isValid())
        return QString();
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString &text) {
    if (text.isEmpty())
        return QDate();
    if (text.size() == 10) {
        const QDate date = dateFromDigits(text);
        if (date.isValid())
            return date;
    }
    return QDate::fromString(text, Qt::ISODate);
}

} // namespace Timestamps
