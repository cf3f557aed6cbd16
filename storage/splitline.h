// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDateTime>
#include <QString>

// One line of a split transaction. Split lines carry no sync bookkeeping and are never
// soft-deleted.
struct SplitLine {
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};
