// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Comma-separated rows with double-quote quoting, read from text that may arrive in pieces:
// a quoted field may span lines and a piece may end anywhere, even between the two quotes
// of an escaped quote. Fields are trimmed; blank lines are dropped; rows may differ in
// length. A line break inside quotes stays in the field (as a line feed).
class CsvParser {
public:
    void feed(QStringView text);
    // The end of the text: the last row, without a closing line break, becomes available.
    void finish();

    bool hasRow() const { return !m_rows.isEmpty(); }
    // The oldest complete row not taken yet; *line gets the line of the text it starts on
    // (from 1; a quoted field may carry it over several lines).
    QStringList takeRow(int *line = nullptr) {
        const int start = m_rowLines.takeFirst();
        if (line)
            *line = start;
        return m_rows.takeFirst();
    }
    QList<QStringList> takeRows() {
        m_rowLines.clear();
        return std::exchange(m_rows, {});
    }

private:
    void take(QChar c);
    void takeCharacter(QChar c);
    void endField();
    void endRow();

    QList<QStringList> m_rows;
    QList<int> m_rowLines; // where each of m_rows starts
    QStringList m_row;
    int m_line = 1;
    int m_rowStartLine = 1;
    QString m_field;
    bool m_quoted = false;
    // The character before the current one when its meaning depends on the next one: a
    // double quote inside quotes (an escaped quote or the end of the quoted part), or a
    // carriage return inside quotes (half of a CRLF).
    bool m_quoteSeen = false;
    bool m_carriageReturnSeen = false;
};
