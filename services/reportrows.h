// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QString>

// The rows of the reports. Money in minor units of the accounts' currency with the register's
// sign: negative is money out. Only the account summary names its currency; the other reports
// add up the accounts they are asked about, which the caller keeps to one currency.

struct CategorySpendingRow {
    QString name;
    qint64 total = 0;
};

struct PayeeSummaryRow {
    QString payee;
    qint64 total = 0;
    int count = 0;
};

struct TaxLineRow {
    QString categoryName;
    QString taxCode;
    qint64 total = 0;
};

struct CashFlowMonthRow {
    QString month; // yyyy-MM
    qint64 income = 0;
    qint64 expenses = 0; // zero or negative
    qint64 net = 0;      // income + expenses
};

struct AccountSummaryRow {
    QString name;
    QString accountType; // the stored text
    qint64 clearedBalance = 0;
    qint64 unclearedAmount = 0;
    qint64 balance = 0;
    Currency currency = Currency::USD;
};

struct PeriodComparisonRow {
    QString categoryName;
    qint64 period1Total = 0;
    qint64 period2Total = 0;
    qint64 difference = 0; // period 2 - period 1
};
