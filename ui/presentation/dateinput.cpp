// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/dateinput.h"

#include "storage/dateparsing.h"
#include "ui/presentation/regionalformat.h"

#include <QRegularExpression>
#include <QStringList>

namespace DateInput {

namespace {

enum class Order { MonthDayYear, DayMonthYear, YearMonthDay };

Order orderOf(const QString &format) {
    const qsizetype year = format.indexOf(QLatin1Char('y'));
    const qsizetype month = format.indexOf(QLatin1Char('M'));
    const qsizetype day = format.indexOf(QLatin1Char('d'));
    if (year >= 0 && year < month && year < day)
        return Order::YearMonthDay;
    return day >= 0 && day < month ? Order::DayMonthYear : Order::MonthDayYear;
}

QDate read(const QStringList &fields, Order order, bool preferred, const QDate &today) {
    const int yearAt = order == Order::YearMonthDay ? 0 : 2;
    const int monthAt = order == Order::DayMonthYear ? 1 : (order == Order::YearMonthDay ? 1 : 0);
    const int dayAt = order == Order::DayMonthYear ? 0 : (order == Order::YearMonthDay ? 2 : 1);
    const QString &yearText = fields.at(yearAt);
    // A two-digit year in front reads as a day or month in the usual orders, so it counts as
    // a year only where the chosen format puts the year there.
    if (yearText.size() != 4 && !(yearText.size() == 2 && (yearAt == 2 || preferred)))
        return {};
    if (fields.at(monthAt).size() > 2 || fields.at(dayAt).size() > 2)
        return {};
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year = DateParsing::fullYear(year, today);
    return QDate(year, fields.at(monthAt).toInt(), fields.at(dayAt).toInt());
}

} // namespace

QString format(const QDate &date) {
    return RegionalFormat::formatDate(date);
}

QDate parse(const QString &text, const QDate &fallback, const QDate &today) {
    return parse(text, RegionalFormat::dateFormat(), fallback, today);
}

QDate parse(const QString &text, const QString &preferredFormat, const QDate &fallback,
            const QDate &today) {
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{1,4})[/.-]([0-9]{1,2})[/.-]([0-9]{1,4})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return fallback;
    const QStringList fields{match.captured(1), match.captured(2), match.captured(3)};
    const Order preferred = orderOf(preferredFormat);
    const QDate first = read(fields, preferred, true, today);
    if (first.isValid())
        return first;
    for (const Order order : {Order::MonthDayYear, Order::DayMonthYear, Order::YearMonthDay}) {
        if (order == preferred)
            continue;
        const QDate date = read(fields, order, false, today);
        if (date.isValid())
            return date;
    }
    return fallback;
}

std::optional<QDate> shortcut(const QString &keyText, const QDate &date, const QDate &today) {
    if (keyText.size() != 1)
        return std::nullopt;
    const QDate d = date.isValid() ? date : today;
    switch (keyText.at(0).toLower().unicode()) {
    case 't':
        return today;
    case '+':
    case '=':
        return d.addDays(1);
    case '-':
        return d.addDays(-1);
    case 'm':
        return QDate(d.year(), d.month(), 1);
    case 'h':
        return QDate(d.year(), d.month(), d.daysInMonth());
    case 'y':
        return QDate(d.year(), 1, 1);
    case 'r':
        return QDate(d.year(), 12, 31);
    case 'w':
        // Weeks for these keys run Sunday to Saturday whatever the calendar's week start.
        return d.dayOfWeek() == Qt::Sunday ? d : d.addDays(-d.dayOfWeek());
    case 'k':
        return d.dayOfWeek() == Qt::Sunday ? d.addDays(6) : d.addDays(6 - d.dayOfWeek());
    default:
        return std::nullopt;
    }
}

} // namespace DateInput
