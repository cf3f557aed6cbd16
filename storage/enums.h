// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

enum class AccountType {
    Checking = 0,
    Savings = 1,
    CreditCard = 2,
    Cash = 3,
    Investment = 4,
    Other = 5
};
enum class Currency { USD = 0, EUR = 1, GBP = 2, CAD = 3, AUD = 4, JPY = 5 };
enum class CategoryType { Income = 0, Expense = 1, Transfer = 2 };
enum class Frequency {
    Daily = 0,
    Weekly = 1,
    Biweekly = 2,
    Monthly = 3,
    Quarterly = 4,
    SemiAnnual = 5,
    Annual = 6
};
enum class SyncStatus { Pending = 0, Synced = 1, Conflict = 2 };

// Stored texts. Reading is exact and case-sensitive; unknown texts and out-of-range
// values fall back to the documented default of each enumeration.
QString accountTypeToString(AccountType type);
AccountType accountTypeFromString(const QString &text);

QString currencyToString(Currency currency);
Currency currencyFromString(const QString &text);

QString categoryTypeToString(CategoryType type);
CategoryType categoryTypeFromString(const QString &text);

QString frequencyToString(Frequency frequency);
Frequency frequencyFromString(const QString &text);

QString syncStatusToString(SyncStatus status);
SyncStatus syncStatusFromString(const QString &text);
