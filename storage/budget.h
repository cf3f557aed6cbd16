// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QDateTime>
#include <QString>

#include <optional>

// What a person plans to spend in one category in one month.
struct Budget {
    QString id;
    QString categoryId;
    QString month;         // "yyyy-MM"
    qint64 amount = 0;     // minor units, not negative
    bool rollover = false; // what is left at the month's end carries into the next
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
