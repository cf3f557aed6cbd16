// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/smartamountfield.h"

#include "ui/amountinput.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent) {
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::keyPressEvent(QKeyEvent *event) {
    const QString typed = event->text();
    if (typed.size() == 1) {
        const QString decimal = locale().decimalPoint();
        const int position = AmountInput::decimalJumpPosition(
            lineEdit()->text(), typed.at(0), decimal.isEmpty() ? QChar() : decimal.at(0));
        if (position >= 0) {
            lineEdit()->deselect();
            lineEdit()->setCursorPosition(position);
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}
