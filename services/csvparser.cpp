// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/csvparser.h"

void CsvParser::feed(QStringView text) {
    for (const QChar c : text)
        take(c);
}

void CsvParser::take(QChar c) {
    takeCharacter(c);
    if (c == QLatin1Char('\n'))
        ++m_line;
}

void CsvParser::takeCharacter(QChar c) {
    if (m_quoteSeen) {
        m_quoteSeen = false;
        if (c == QLatin1Char('"')) {
            m_field += QLatin1Char('"');
            return;
        }
        m_quoted = false;
    } else if (m_carriageReturnSeen) {
        m_carriageReturnSeen = false;
        // A CRLF file's line break inside a field is kept as a plain line feed.
        if (c != QLatin1Char('\n'))
            m_field += QLatin1Char('\r');
    }
    if (m_quoted) {
        if (c == QLatin1Char('"'))
            m_quoteSeen = true;
        else if (c == QLatin1Char('\r'))
            m_carriageReturnSeen = true;
        else
            m_field += c;
        return;
    }
    if (c == QLatin1Char('"')) {
        m_quoted = true;
    } else if (c == QLatin1Char(',')) {
        endField();
    } else if (c == QLatin1Char('\n')) {
        endField();
        endRow();
        m_rowStartLine = m_line + 1;
    } else if (c != QLatin1Char('\r')) {
        m_field += c;
    }
}

void CsvParser::finish() {
    if (m_carriageReturnSeen)
        m_field += QLatin1Char('\r');
    m_quoteSeen = m_carriageReturnSeen = m_quoted = false;
    if (!m_field.isEmpty() || !m_row.isEmpty()) {
        endField();
        if (!m_row.isEmpty()) {
            m_rows.append(m_row);
            m_rowLines.append(m_rowStartLine);
        }
        m_row.clear();
    }
}

void CsvParser::endField() {
    m_row.append(m_field.trimmed());
    m_field.clear();
}

void CsvParser::endRow() {
    if (!(m_row.size() == 1 && m_row.first().isEmpty())) {
        m_rows.append(m_row);
        m_rowLines.append(m_rowStartLine);
    }
    m_row.clear();
}
