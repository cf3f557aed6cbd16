// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QChar>
#include <QString>

// Money is a signed count of the currency's minor unit (cents; whole yen for JPY).
// Text conversion is locale-independent: English grouping and a dot as decimal point.
QChar currencySymbol(Currency currency);
QString formatMoney(qint64 amount, Currency currency);
QString formatAmount(qint64 amount, Currency currency);
qint64 parseAmount(const QString &text, Currency currency);
