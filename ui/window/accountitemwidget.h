// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/account.h"

#include <QWidget>

class BalanceLabel;
class ElidedLabel;
class QLabel;

// One row of the account sidebar: type glyph, name, balance and a subtitle line.
class AccountItemWidget : public QWidget {
    Q_OBJECT

public:
    AccountItemWidget(const Account &account, qint64 balance, QWidget *parent = nullptr);

    QString nameText() const;
    QString balanceText() const;
    QString subtitleText() const;
    // The colour the balance is drawn in.
    QString balanceColour() const { return m_balanceColour; }

private:
    ElidedLabel *m_name;     // Owned (Qt child).
    BalanceLabel *m_balance; // Owned (Qt child).
    QLabel *m_subtitle;      // Owned (Qt child).
    QString m_balanceColour;
};
