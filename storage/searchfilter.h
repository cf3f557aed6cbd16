// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The optional filters of a transaction search; each unset field adds no condition.
struct SearchFilter {
    QString accountId;           // empty: all accounts
    QString categoryId;          // empty: all categories
    QDate fromDate;              // invalid: no lower bound
    QDate toDate;                // invalid: no upper bound
    std::optional<bool> cleared; // absent: cleared or not
};
