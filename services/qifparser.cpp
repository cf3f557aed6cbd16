// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/qifparser.h"

#include "services/importparsing.h"

QifParser::Section QifParser::sectionOf(QStringView header) {
    // "!Type:Bank", "!Type:CCard", "!Type:Invst", ... hold transactions; "!Account",
    // "!Type:Cat", "!Type:Class" and "!Type:Memorized" describe other things.
    const QString h = header.toString().toLower();
    if (h.startsWith(QLatin1String("!type:"))) {
        const QString type = h.mid(6).trimmed();
        if (type == QLatin1String("cat") || type == QLatin1String("class")
            || type.startsWith(QLatin1String("memorized")))
            return Section::Other;
        return Section::Transactions;
    }
    return Section::Other;
}

void QifParser::finishRecord() {
    if (m_hasField && m_section == Section::Transactions)
        m_records.append(m_record);
    m_record = QifRecord();
    m_hasField = false;
}

void QifParser::finish() {
    finishRecord();
}

void QifParser::feedLine(QStringView rawLine) {
    ++m_line;
    const QStringView line = rawLine.trimmed();
    if (line.isEmpty())
        return;
    if (!m_hasField)
        m_record.line = m_line;
    const QChar code = line.at(0);
    const QString value = line.mid(1).trimmed().toString();
    switch (code.unicode()) {
    case '!':
        // Option lines switch a mode of the exporting program, not the section.
        if (!line.startsWith(QLatin1String("!Option"), Qt::CaseInsensitive)
            && !line.startsWith(QLatin1String("!Clear"), Qt::CaseInsensitive)) {
            finishRecord();
            m_section = sectionOf(line);
        }
        break;
    case 'D':
        m_record.date = parseQifDate(value);
        m_hasField = true;
        break;
    case 'T': {
        const std::optional<qint64> amount = tryParseQifAmount(value);
        m_record.amount = amount.value_or(0);
        m_record.amountReadable = amount.has_value();
        m_hasField = true;
        break;
    }
    case 'P':
        m_record.payee = value;
        m_hasField = true;
        break;
    case 'M':
        m_record.memo = value;
        m_hasField = true;
        break;
    case 'N':
        m_record.checkNumber = value;
        m_hasField = true;
        break;
    case 'L':
        m_record.category = value;
        m_hasField = true;
        break;
    case 'C':
        m_record.cleared = value == QLatin1String("X") || value == QLatin1String("*");
        m_hasField = true;
        break;
    case '^':
        finishRecord();
        break;
    default:
        break;
    }
}
