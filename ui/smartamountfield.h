// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDoubleSpinBox>

// The amount input of the forms: two decimals, right-aligned; typing a decimal point when
// the field already shows one jumps to the cents.
class SmartAmountField : public QDoubleSpinBox {
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
