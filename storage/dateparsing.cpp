// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/dateparsing.h"

#include <QList>
#include <QRegularExpression>

namespace DateParsing {

namespace {

constexpr int kYearsAhead = 20;

struct Token {
    QChar letter; // null for literal text
    int count = 0;
    QString literal;
};

// Qt's format syntax: runs of one letter are fields, quoted text and anything else literal.
QList<Token> tokenize(const QString &format) {
    QList<Token> tokens;
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            const int end = format.indexOf(QLatin1Char('\''), i + 1);
            const int stop = end < 0 ? format.size() : end;
            Token t;
            // Two quotes in a row stand for one quote.
            t.literal = stop == i + 1 ? QStringLiteral("'") : format.mid(i + 1, stop - i - 1);
            tokens.append(t);
            i = stop + 1;
        } else if (c.isLetter()) {
            int j = i;
            while (j < format.size() && format.at(j) == c)
                ++j;
            tokens.append(Token{c, j - i, QString()});
            i = j;
        } else {
            tokens.append(Token{QChar(), 0, QString(c)});
            ++i;
        }
    }
    return tokens;
}

} // namespace

int fullYear(int twoDigitYear, const QDate &today) {
    const int last = today.year() + kYearsAhead;
    int year = (last / 100) * 100 + twoDigitYear % 100;
    if (year > last)
        year -= 100;
    return year;
}

QDate fromString(const QString &text, const QString &format, const QDate &today) {
    const QList<Token> tokens = tokenize(format);
    bool twoDigitYear = false;
    bool simple = true; // only numeric day, month and year fields
    for (const Token &t : tokens) {
        if (t.letter.isNull())
            continue;
        if (t.letter == QLatin1Char('y') && t.count == 2)
            twoDigitYear = true;
        else if (!((t.letter == QLatin1Char('d') || t.letter == QLatin1Char('M')) && t.count <= 2)
                 && !(t.letter == QLatin1Char('y') && t.count == 4))
            simple = false;
    }
    if (!twoDigitYear)
        return QDate::fromString(text, format);

    if (!simple) {
        // Names of months or days: Qt reads the text, the year is moved into the window
        // (February 29 of a year 00 is lost this way; no bank writes it with month names).
        const QDate base = QDate::fromString(text, format);
        if (!base.isValid())
            return base;
        return QDate(fullYear(base.year() % 100, today), base.month(), base.day());
    }

    // Read the numbers ourselves, so that February 29 of a two-digit year 00 (2000, a leap
    // year) is not refused as 1900.
    QString pattern = QStringLiteral("^");
    QList<QChar> fields;
    for (const Token &t : tokens) {
        if (t.letter.isNull()) {
            pattern += QRegularExpression::escape(t.literal);
            continue;
        }
        fields.append(t.letter);
        if (t.letter == QLatin1Char('y'))
            pattern += t.count == 2 ? QStringLiteral("(\\d{2})") : QStringLiteral("(\\d{4})");
        else
            pattern += t.count == 2 ? QStringLiteral("(\\d{2})") : QStringLiteral("(\\d{1,2})");
    }
    pattern += QLatin1Char('$');
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    if (!match.hasMatch())
        return QDate();
    int year = 0, month = 0, day = 0;
    for (int i = 0; i < fields.size(); ++i) {
        const QString digits = match.captured(i + 1);
        const int value = digits.toInt();
        if (fields.at(i) == QLatin1Char('y'))
            year = digits.size() == 2 ? fullYear(value, today) : value;
        else if (fields.at(i) == QLatin1Char('M'))
            month = value;
        else
            day = value;
    }
    return QDate(year, month, day);
}

} // namespace DateParsing
