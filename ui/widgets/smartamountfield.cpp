// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/smartamountfield.h"

#include "storage/money.h"
#include "ui/presentation/amountinput.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setCurrency(Currency::USD);
}

void SmartAmountField::setCurrency(Currency currency) {
    const double major = value();
    const double low = minimum();
    const double high = maximum();
    m_currency = currency;
    // setDecimals rounds the range and the value: give them back after it.
    setDecimals(minorDigits(currency));
    setRange(low, high);
    setPrefix(QString(currencySymbol(currency)) + QLatin1Char(' '));
    setValue(major);
}

qint64 SmartAmountField::amount() const {
    return AmountInput::fromMajor(value(), m_currency);
}

void SmartAmountField::setAmount(qint64 amount) {
    setValue(AmountInput::toMajor(amount, m_currency));
}

QString SmartAmountField::stripAffixes(const QString &text) const {
    QString s = text;
    if (!prefix().isEmpty() && s.startsWith(prefix()))
        s.remove(0, prefix().size());
    if (!suffix().isEmpty() && s.endsWith(suffix()))
        s.chop(suffix().size());
    return s.trimmed();
}

QString SmartAmountField::textFromValue(double value) const {
    return AmountInput::toText(AmountInput::fromMajor(value, m_currency), m_currency);
}

double SmartAmountField::valueFromText(const QString &text) const {
    const std::optional<qint64> amount = AmountInput::fromText(stripAffixes(text), m_currency);
    return amount ? AmountInput::toMajor(*amount, m_currency) : value();
}

QValidator::State SmartAmountField::validate(QString &input, int &pos) const {
    Q_UNUSED(pos);
    const QString s = stripAffixes(input);
    if (const std::optional<qint64> amount = AmountInput::fromText(s, m_currency)) {
        const double major = AmountInput::toMajor(*amount, m_currency);
        if (major >= minimum() && major <= maximum())
            return QValidator::Acceptable;
        return QValidator::Intermediate;
    }
    // Anything that could still become an amount while typing ("-", "12,", "1,2").
    for (const QChar c : s) {
        if (!c.isDigit() && !QStringLiteral(".,-+ eE").contains(c)
            && c != currencySymbol(m_currency))
            return QValidator::Invalid;
    }
    return QValidator::Intermediate;
}

void SmartAmountField::keyPressEvent(QKeyEvent *event) {
    const QString typed = event->text();
    if (typed.size() == 1) {
        // The field writes amounts with a dot whatever the language (see AmountInput).
        const int position
            = AmountInput::decimalJumpPosition(lineEdit()->text(), typed.at(0), QLatin1Char('.'));
        if (position >= 0) {
            lineEdit()->deselect();
            lineEdit()->setCursorPosition(position);
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}
