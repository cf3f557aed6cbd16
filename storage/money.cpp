// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/money.h"

#include <QLocale>
#include <QRegularExpression>

namespace {

QString body(quint64 magnitude, Currency currency) {
    static const QLocale english(QLocale::English);
    if (currency == Currency::JPY)
        return english.toString(magnitude);
    return QStringLiteral("%1.%2")
        .arg(english.toString(magnitude / 100))
        .arg(magnitude % 100, 2, 10, QLatin1Char('0'));
}

quint64 magnitudeOf(qint64 amount) {
    // Negating INT64_MIN overflows; go through the unsigned type instead.
    return amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
}

} // namespace

QChar currencySymbol(Currency currency) {
    switch (currency) {
    case Currency::EUR:
        return QChar(0x20AC);
    case Currency::GBP:
        return QChar(0x00A3);
    case Currency::JPY:
        return QChar(0x00A5);
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD:
        break;
    }
    return QLatin1Char('$');
}

qint64 minorPerMajor(Currency currency) {
    return currency == Currency::JPY ? 1 : 100;
}

int minorDigits(Currency currency) {
    return currency == Currency::JPY ? 0 : 2;
}

QString formatMoney(qint64 amount, Currency currency) {
    const QString text = currencySymbol(currency) + body(magnitudeOf(amount), currency);
    return amount < 0 ? QLatin1Char('-') + text : text;
}

QString formatAmount(qint64 amount, Currency currency) {
    const QString text = body(magnitudeOf(amount), currency);
    return amount < 0 ? QLatin1Char('-') + text : text;
}

QString formatPlainNumber(qint64 amount, Currency currency) {
    const quint64 m = magnitudeOf(amount);
    const quint64 per = quint64(minorPerMajor(currency));
    QString text = QString::number(m / per);
    if (per > 1)
        text += QStringLiteral(".%1").arg(m % per, minorDigits(currency), 10, QLatin1Char('0'));
    return amount < 0 ? QLatin1Char('-') + text : text;
}

bool isAmountInRange(qint64 amount, Currency currency) {
    const qint64 limit = MaxMajorAmount * minorPerMajor(currency);
    return amount >= -limit && amount <= limit;
}

std::optional<qint64> tryParseAmount(const QString &text, Currency currency) {
    QString s = text;
    s.remove(currencySymbol(currency));
    s = s.trimmed();
    if (s.isEmpty())
        return 0;

    bool negative = false;
    if (s.startsWith(QLatin1Char('-'))) {
        negative = true;
        s = s.mid(1).trimmed();
    }

    // Commas only as thousands separators: "12,50" is a decimal comma, not twelve hundred.
    // ASCII digits only: a \d class would also take the digits of other scripts.
    static const QRegularExpression decimalPattern(QStringLiteral(
        "^\\+?([0-9]{1,3}(?:,[0-9]{3})+|[0-9]*)(?:\\.([0-9]*))?(?:[eE]([+-]?[0-9]{1,6}))?$"));
    static const QRegularExpression wholePattern(
        QStringLiteral("^\\+?([0-9]{1,3}(?:,[0-9]{3})+|[0-9]+)$"));
    const bool whole = minorDigits(currency) == 0;
    const QRegularExpressionMatch match = (whole ? wholePattern : decimalPattern).match(s);
    if (!match.hasMatch())
        return std::nullopt;
    QString integerDigits = match.captured(1);
    integerDigits.remove(QLatin1Char(','));
    const QString fractionDigits = whole ? QString() : match.captured(2);
    if (integerDigits.isEmpty() && fractionDigits.isEmpty())
        return std::nullopt;
    const int exponent = whole || match.captured(3).isEmpty() ? 0 : match.captured(3).toInt();

    // The amount is digits * 10^scale in minor units, worked out on the decimal digits
    // themselves so that "1.005" is exactly one dollar and half a cent.
    QString digits = integerDigits + fractionDigits;
    while (digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    const int minorDecimals = minorDigits(currency);
    const int scale = exponent + minorDecimals - int(fractionDigits.size());
    // 10^15 minor units lie beyond every currency's limit; more digits can only be out of range.
    constexpr int maxDigits = 16;

    qint64 value = 0;
    if (!digits.isEmpty()) {
        const int keep = int(digits.size()) + scale;
        if (keep > maxDigits)
            return std::nullopt;
        if (scale >= 0) {
            value = (digits + QString(scale, QLatin1Char('0'))).toLongLong();
        } else {
            const QChar next = keep >= 0 ? digits.at(keep) : QLatin1Char('0');
            value = keep > 0 ? digits.left(keep).toLongLong() : 0;
            if (next >= QLatin1Char('5'))
                ++value; // the magnitude's half rounds up, so the signed amount away from zero
        }
    }
    if (negative)
        value = -value;
    if (!isAmountInRange(value, currency))
        return std::nullopt;
    return value;
}

qint64 parseAmount(const QString &text, Currency currency) {
    return tryParseAmount(text, currency).value_or(0);
}
