// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/dateinput.h"

#include "storage/dateparsing.h"

#include <QStringList>

namespace DateInput {

QString format(const QDate &date) {
    return date.toString(QStringLiteral("M/d/yyyy"));
}

QDate parse(const QString &text, const QDate &fallback, const QDate &today) {
    static const QStringList formats{QStringLiteral("M/d/yyyy"), QStringLiteral("MM/dd/yyyy"),
                                     QStringLiteral("M/d/yy"), QStringLiteral("MM/dd/yy")};
    const QString trimmed = text.trimmed();
    for (const QString &f : formats) {
        const QDate date = DateParsing::fromString(trimmed, f, today);
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
