// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QLabel>

// The balance of a sidebar row; a type of its own so that style sheets and tests can find it.
class BalanceLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
};
