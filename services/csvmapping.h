// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QString>

// Which CSV column holds what, as the import screen lets the user choose. Columns are
// 0-based; -1 means the file has no such column.
struct CsvMapping {
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    bool hasHeader = true;
    QString dateFormat = QStringLiteral("MM/dd/yyyy"); // a Qt date format
    // The account's: amounts are read in its units (whole yen, cents).
    Currency currency = Currency::USD;
};
