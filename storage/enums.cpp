// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/enums.h"

#include <array>

namespace {

template<typename Enum, std::size_t N>
QString toText(const std::array<const char *, N> &table, Enum value, Enum fallback) {
    const auto index = static_cast<int>(value);
    if (index < 0 || index >= int(N))
        return QString::fromLatin1(table[static_cast<int>(fallback)]);
    return QString::fromLatin1(table[index]);
}

template<typename Enum, std::size_t N>
Enum fromText(const std::array<const char *, N> &table, const QString &text, Enum fallback) {
    for (std::size_t i = 0; i < N; ++i) {
        if (text == QLatin1String(table[i]))
            return static_cast<Enum>(i);
    }
    return fallback;
}

constexpr std::array<const char *, 6> kAccountTypes
    = {"checking", "savings", "credit_card", "cash", "investment", "other"};
constexpr std::array<const char *, 6> kCurrencies = {"USD", "EUR", "GBP", "CAD", "AUD", "JPY"};
constexpr std::array<const char *, 3> kCategoryTypes = {"income", "expense", "transfer"};
constexpr std::array<const char *, 7> kFrequencies
    = {"daily", "weekly", "biweekly", "monthly", "quarterly", "semi_annual", "annual"};
constexpr std::array<const char *, 3> kSyncStatuses = {"pending", "synced", "conflict"};

} // namespace

QString accountTypeToString(AccountType type) {
    return toText(kAccountTypes, type, AccountType::Other);
}

AccountType accountTypeFromString(const QString &text) {
    return fromText(kAccountTypes, text, AccountType::Other);
}

QString currencyToString(Currency currency) {
    return toText(kCurrencies, currency, Currency::USD);
}

Currency currencyFromString(const QString &text) {
    return fromText(kCurrencies, text, Currency::USD);
}

QString categoryTypeToString(CategoryType type) {
    return toText(kCategoryTypes, type, CategoryType::Expense);
}

CategoryType categoryTypeFromString(const QString &text) {
    return fromText(kCategoryTypes, text, CategoryType::Expense);
}

QString frequencyToString(Frequency frequency) {
    return toText(kFrequencies, frequency, Frequency::Monthly);
}

Frequency frequencyFromString(const QString &text) {
    return fromText(kFrequencies, text, Frequency::Monthly);
}

QString syncStatusToString(SyncStatus status) {
    return toText(kSyncStatuses, status, SyncStatus::Pending);
}

SyncStatus syncStatusFromString(const QString &text) {
    return fromText(kSyncStatuses, text, SyncStatus::Pending);
}
