// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importparsing.h"

#include <QStringDecoder>

#include <cmath>
#include <optional>

namespace {

// Windows-1252 for when the converter has no such codec (a Qt built without ICU): Latin-1
// except for 0x80-0x9F. The five undefined bytes map to themselves, as the codec does.
QString decodeWindows1252ByHand(const QByteArray &bytes) {
    static const char16_t high[32]
        = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
           0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
           0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const uchar byte = uchar(c);
        *out++ = byte >= 0x80 && byte < 0xA0 ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return text;
}

QString decodeWindows1252(const QByteArray &bytes) {
    QStringDecoder decoder("Windows-1252");
    if (!decoder.isValid())
        return decodeWindows1252ByHand(bytes);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return decodeWindows1252ByHand(bytes);
    return text;
}

enum class QifSection { Transactions, Other };

QifSection sectionOf(const QString &header) {
    // "!Type:Bank", "!Type:CCard", "!Type:Invst", ... hold transactions; "!Account",
    // "!Type:Cat", "!Type:Class" and "!Type:Memorized" describe other things.
    const QString h = header.toLower();
    if (h.startsWith(QLatin1String("!type:"))) {
        const QString type = h.mid(6).trimmed();
        if (type == QLatin1String("cat") || type == QLatin1String("class")
            || type.startsWith(QLatin1String("memorized")))
            return QifSection::Other;
        return QifSection::Transactions;
    }
    return QifSection::Other;
}

} // namespace

QString decodeImportText(const QByteArray &bytes) {
    if (const std::optional<QStringConverter::Encoding> marked
        = QStringConverter::encodingForData(bytes)) {
        // The decoder drops the mark itself.
        QStringDecoder decoder(*marked);
        return decoder.decode(bytes);
    }
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

QList<QStringList> parseCsv(const QString &text) {
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;

    const auto endField = [&]() {
        row.append(field.trimmed());
        field.clear();
    };
    const auto endRow = [&]() {
        if (!(row.size() == 1 && row.first().isEmpty()))
            rows.append(row);
        row.clear();
    };

    const int size = text.size();
    for (int i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                    field += QLatin1Char('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else if (c == QLatin1Char('\r') && i + 1 < size
                       && text.at(i + 1) == QLatin1Char('\n')) {
                // A CRLF file's line break inside a field is kept as a plain line feed.
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endField();
            endRow();
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        endField();
        if (!row.isEmpty())
            rows.append(row);
    }
    return rows;
}

QDate parseQifDate(const QString &text) {
    QString normalized = text;
    normalized.replace(QLatin1Char('\''), QLatin1Char('/'));
    normalized.replace(QLatin1Char('-'), QLatin1Char('/'));
    const QStringList parts = normalized.split(QLatin1Char('/'));
    if (parts.size() != 3)
        return QDate();
    bool okMonth = false;
    bool okDay = false;
    bool okYear = false;
    const int month = parts.at(0).trimmed().toInt(&okMonth, 10);
    const int day = parts.at(1).trimmed().toInt(&okDay, 10);
    int year = parts.at(2).trimmed().toInt(&okYear, 10);
    if (!okMonth || !okDay || !okYear)
        return QDate();
    if (year >= 0 && year < 100)
        year += year < 70 ? 2000 : 1900;
    return QDate(year, month, day);
}

qint64 parseQifAmount(const QString &text) {
    QString s = text;
    s.remove(QLatin1Char(','));
    bool ok = false;
    const double value = s.trimmed().toDouble(&ok);
    // Out-of-range or non-finite input cannot become money.
    if (!ok || !std::isfinite(value) || std::fabs(value) * 100.0 >= 9.2e18)
        return 0;
    return static_cast<qint64>(std::llround(value * 100.0));
}

QList<QifRecord> parseQif(const QString &text) {
    QList<QifRecord> records;
    QifRecord record;
    bool hasField = false;
    QifSection section = QifSection::Transactions;

    const auto finishRecord = [&]() {
        if (hasField && section == QifSection::Transactions)
            records.append(record);
        record = QifRecord();
        hasField = false;
    };

    const QStringList lines = text.split(QLatin1Char('\n'));
    for (const QString &rawLine : lines) {
        const QString line = rawLine.trimmed();
        if (line.isEmpty())
            continue;
        const QChar code = line.at(0);
        const QString value = line.mid(1).trimmed();
        switch (code.unicode()) {
        case '!':
            // Option lines switch a mode of the exporting program, not the section.
            if (!line.startsWith(QLatin1String("!Option"), Qt::CaseInsensitive)
                && !line.startsWith(QLatin1String("!Clear"), Qt::CaseInsensitive)) {
                finishRecord();
                section = sectionOf(line);
            }
            break;
        case 'D':
            record.date = parseQifDate(value);
            hasField = true;
            break;
        case 'T':
            record.amount = parseQifAmount(value);
            hasField = true;
            break;
        case 'P':
            record.payee = value;
            hasField = true;
            break;
        case 'M':
            record.memo = value;
            hasField = true;
            break;
        case 'N':
            record.checkNumber = value;
            hasField = true;
            break;
        case 'L':
            record.category = value;
            hasField = true;
            break;
        case 'C':
            record.cleared = value == QLatin1String("X") || value == QLatin1String("*");
            hasField = true;
            break;
        case '^':
            finishRecord();
            break;
        default:
            break;
        }
    }
    finishRecord();
    return records;
}
