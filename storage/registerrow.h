// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/transaction.h"

#include <QString>

struct RegisterRow {
    Transaction transaction;
    qint64 runningBalance = 0; // the account balance after this row
    QString categoryName;      // empty when the row has no category or it is not found
};
