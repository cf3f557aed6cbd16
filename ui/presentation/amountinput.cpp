// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/amountinput.h"

#include "storage/money.h"

#include <QRegularExpression>

#include <cmath>

namespace AmountInput {

QString toText(qint64 amount, Currency currency) {
    return formatAmount(amount, currency);
}

std::optional<qint64> fromText(const QString &text, Currency currency, bool decimalComma) {
    if (!decimalComma || !text.contains(QLatin1Char(',')))
        return tryParseAmount(text, currency);

    QString s = text;
    s.remove(currencySymbol(currency));
    s = s.trimmed();
    static const QRegularExpression commaDecimal(
        QStringLiteral("^([-+]?\\s*)([0-9]{1,3}(?:\\.[0-9]{3})+|[0-9]*),([0-9]*)$"));
    const QRegularExpressionMatch match = commaDecimal.match(s);
    if (!match.hasMatch())
        return tryParseAmount(text, currency);
    const QString integer = match.captured(2);
    const QString fraction = match.captured(3);
    // Three digits after a lone comma are how the fields themselves group thousands.
    const bool grouping = fraction.size() == 3 && !integer.isEmpty() && integer.size() <= 3
                          && !integer.contains(QLatin1Char('.'));
    if (grouping)
        return tryParseAmount(text, currency);
    QString plain = integer;
    plain.remove(QLatin1Char('.'));
    return tryParseAmount(match.captured(1) + plain + QLatin1Char('.') + fraction, currency);
}

double toMajor(qint64 amount, Currency currency) {
    return double(amount) / double(minorPerMajor(currency));
}

qint64 fromMajor(double value, Currency currency) {
    // std::llround rounds halves away from zero.
    return qint64(std::llround(value * double(minorPerMajor(currency))));
}

int decimalJumpPosition(const QString &text, QChar typed, QChar localeDecimal) {
    const QChar decimal = localeDecimal.isNull() ? QLatin1Char('.') : localeDecimal;
    if (typed != decimal && typed != QLatin1Char('.') && typed != QLatin1Char(','))
        return -1;
    const int at = text.indexOf(decimal);
    return at < 0 ? -1 : at + 1;
}

} // namespace AmountInput
