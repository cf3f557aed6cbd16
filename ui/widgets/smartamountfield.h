// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QDoubleSpinBox>

// The amount input of the forms, for one currency at a time: its symbol in front, its
// decimals (none for yen), right-aligned. It shows and reads text through AmountInput, so a
// decimal comma is accepted where the language writes one; typing a decimal point when the
// field already shows one jumps to the cents. Callers deal in minor units only.
class SmartAmountField : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget *parent = nullptr);

    Currency currency() const { return m_currency; }
    // Keeps the amount in major units as typed (12.00 stays 12), so switching a form's currency
    // before typing loses nothing a person sees.
    void setCurrency(Currency currency);

    qint64 amount() const;
    void setAmount(qint64 amount);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    QString textFromValue(double value) const override;
    double valueFromText(const QString &text) const override;
    QValidator::State validate(QString &input, int &pos) const override;

private:
    QString stripAffixes(const QString &text) const;

    Currency m_currency = Currency::USD;
};
