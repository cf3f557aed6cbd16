// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

struct Transaction {
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0; // negative: money out
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;        // the other leg of a transfer
    QString transferDestAccountId; // the other account of a transfer
    bool isSplit = false;
    QString recurringId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};
