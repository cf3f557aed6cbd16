// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "timestamps.h"

#include <QTimeZone>

namespace Timestamps {

QDateTime nowUtc()
{
    QDateTime now = QDateTime::currentDateTimeUtc();
    const QTime t = now.time();
    now.setTime(QTime(t.hour(), t.minute(), t.second()));
    return now;
}

QString toText(const QDateTime &timestamp)
{
    if (!timestamp.isValid())
        return QString();
    return timestamp.toUTC().toString(Qt::ISODate);
}

QDateTime fromText(const QString &text)
{
    if (text.isEmpty())
        return QDateTime();
    QDateTime dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid())
        return QDateTime();
    return dt.toUTC();
}

QString dateToText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return date.toString(Qt::ISODate);
}

QDate dateFromText(const QString &text)
{
    if (text.isEmpty())
        return QDate();
    return QDate::fromString(text, Qt::ISODate);
}

} // namespace Timestamps
