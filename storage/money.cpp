// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/money.h"

#include <QLocale>

#include <cmath>

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

QString formatMoney(qint64 amount, Currency currency) {
    const QString text = currencySymbol(currency) + body(magnitudeOf(amount), currency);
    return amount < 0 ? QLatin1Char('-') + text : text;
}

QString formatAmount(qint64 amount, Currency currency) {
    const QString text = body(magnitudeOf(amount), currency);
    return amount < 0 ? QLatin1Char('-') + text : text;
}

qint64 parseAmount(const QString &text, Currency currency) {
    QString s = text;
    s.remove(currencySymbol(currency));
    s.remove(QLatin1Char(','));
    s = s.trimmed();
    if (s.isEmpty())
        return 0;

    bool negative = false;
    if (s.startsWith(QLatin1Char('-'))) {
        negative = true;
        s.remove(0, 1);
    }

    qint64 value = 0;
    bool ok = false;
    if (currency == Currency::JPY) {
        value = s.toLongLong(&ok, 10);
    } else {
        const double d = s.toDouble(&ok);
        // Out-of-range or non-finite input cannot become money; treat it as unreadable.
        if (ok && (!std::isfinite(d) || std::fabs(d) * 100.0 >= 9.2e18))
            ok = false;
        if (ok)
            value = static_cast<qint64>(std::llround(d * 100.0));
    }
    if (!ok)
        return 0;
    return negative ? -value : value;
}
