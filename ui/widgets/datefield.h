// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/widgets/smartdateedit.h"

// The date input of the forms: a SmartDateEdit that announces its changes and shows the
// accepted date again when it loses focus.
class DateField : public SmartDateEdit {
    Q_OBJECT

public:
    explicit DateField(QWidget *parent = nullptr);

    void setDate(const QDate &date);

Q_SIGNALS:
    void dateChanged(const QDate &date);

protected:
    void takeDate(const QDate &date) override;
    void focusOutEvent(QFocusEvent *event) override;
};
