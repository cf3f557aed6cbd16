// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// How the window writes dates and reads typed numbers for the interface language, decided
// once for the whole process. Stored and exported texts (ISO dates, CSV, the command line)
// never go through here.
namespace RegionalFormat {

// The two-letter interface language ("en", "de", ...); unknown ones behave as English.
void setLanguage(const QString &language);
QString language();

// The date format a language writes: M/d/yyyy in English, d.M.yyyy in German, d/M/yyyy in
// French and Spanish, yyyy/M/d in Japanese.
QString defaultDateFormat(const QString &language);
// The formats a person can choose from, in the order they are offered.
QStringList dateFormats();

// The format every date field, cell, list and report shows: the chosen one, or the
// language's while none (or one not offered) is chosen.
QString dateFormat();
void setDateFormat(const QString &format);
QString formatDate(const QDate &date);

// Whether the language writes a decimal comma ("12,50"), so amount fields also read one.
bool writesDecimalComma(const QString &language);
bool decimalComma();

} // namespace RegionalFormat
