// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importparsing.h"

#include "services/csvparser.h"
#include "services/qifparser.h"
#include "storage/money.h"

#include <QStringDecoder>

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

} // namespace

QString decodeWindows1252(const QByteArray &bytes) {
    QStringDecoder decoder("Windows-1252");
    if (!decoder.isValid())
        return decodeWindows1252ByHand(bytes);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return decodeWindows1252ByHand(bytes);
    return text;
}

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
    CsvParser parser;
    parser.feed(text);
    parser.finish();
    return parser.takeRows();
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

std::optional<qint64> tryParseQifAmount(const QString &text) {
    QString s = text;
    s.remove(QLatin1Char(','));
    // Read exactly (no binary floating point), and refused beyond the range money may take.
    return tryParseAmount(s.trimmed(), Currency::USD);
}

std::optional<qint64> qifAmountIn(qint64 cents, Currency currency) {
    const qint64 per = 100 / minorPerMajor(currency);
    if (cents % per != 0)
        return std::nullopt;
    return cents / per;
}

qint64 parseQifAmount(const QString &text) {
    return tryParseQifAmount(text).value_or(0);
}

QList<QifRecord> parseQif(const QString &text) {
    QifParser parser;
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n')))
        parser.feedLine(line);
    parser.finish();
    return parser.takeRecords();
}
