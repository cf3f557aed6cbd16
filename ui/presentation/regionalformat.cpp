// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/regionalformat.h"

namespace RegionalFormat {

namespace {

struct State {
    QString language = QStringLiteral("en");
    QString chosenDateFormat;
};

State &state() {
    static State s;
    return s;
}

} // namespace

void setLanguage(const QString &language) {
    state().language = language;
}

QString language() {
    return state().language;
}

QString defaultDateFormat(const QString &language) {
    if (language == QLatin1String("de"))
        return QStringLiteral("d.M.yyyy");
    if (language == QLatin1String("fr") || language == QLatin1String("es"))
        return QStringLiteral("d/M/yyyy");
    if (language == QLatin1String("ja"))
        return QStringLiteral("yyyy/M/d");
    return QStringLiteral("M/d/yyyy");
}

QStringList dateFormats() {
    return {QStringLiteral("M/d/yyyy"), QStringLiteral("d/M/yyyy"), QStringLiteral("d.M.yyyy"),
            QStringLiteral("yyyy/M/d"), QStringLiteral("yyyy-MM-dd")};
}

QString dateFormat() {
    const State &s = state();
    return dateFormats().contains(s.chosenDateFormat) ? s.chosenDateFormat
                                                      : defaultDateFormat(s.language);
}

void setDateFormat(const QString &format) {
    state().chosenDateFormat = format;
}

QString formatDate(const QDate &date) {
    return date.toString(dateFormat());
}

bool writesDecimalComma(const QString &language) {
    return language == QLatin1String("de") || language == QLatin1String("fr")
           || language == QLatin1String("es");
}

bool decimalComma() {
    return writesDecimalComma(state().language);
}

} // namespace RegionalFormat
