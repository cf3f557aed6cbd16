// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct RecurringTransaction {
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    Frequency frequency = Frequency::Monthly;
    QDate startDate;
    std::optional<QDate> endDate;
    QDate nextDueDate;
    bool autoPost = false;
    bool isActive = true;
    QString transferDestAccountId; // non-empty: each posting is a transfer
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
