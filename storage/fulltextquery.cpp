// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/fulltextquery.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// The index keeps only letters and digits; a word without any has no tokens, and an empty
// phrase is a syntax error to the index.
bool hasSearchableCharacter(const QString &word) {
    for (const QChar c : word) {
        if (c.isLetterOrNumber())
            return true;
    }
    return false;
}

} // namespace

namespace FullTextQuery {

QString fromWords(const QString &text) {
    // A NUL would end the query where the index reads it, inside a quoted phrase; to the
    // index it separates words like a space does.
    static const QRegularExpression whitespace(QStringLiteral("[\\s\\x{0}]+"));
    QStringList phrases;
    for (QString word : text.split(whitespace, Qt::SkipEmptyParts)) {
        if (!hasSearchableCharacter(word))
            continue;
        // Inside a quoted string only a doubled quote means anything.
        word.replace(QLatin1Char('"'), QLatin1String("\"\""));
        phrases << QLatin1Char('"') + word + QLatin1String("\"*");
    }
    return phrases.join(QLatin1Char(' '));
}

} // namespace FullTextQuery
