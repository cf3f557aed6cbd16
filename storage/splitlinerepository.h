// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/repository.h"
#include "storage/splitline.h"

#include <QList>

// The lines a split transaction is divided into. They stay on this device (the sync server
// knows none); backups carry them.
class SplitLineRepository : public Repository {
    Q_OBJECT

public:
    explicit SplitLineRepository(Database *database, QObject *parent = nullptr);

    // The lines of one transaction, in the order they were stored.
    QList<SplitLine> findByTransaction(const QString &transactionId) const;
    // Replaces every line of the transaction. Callers that also change the transaction run
    // both inside one transaction scope.
    bool replaceForTransaction(const QString &transactionId, const QList<SplitLine> &lines);

protected:
    void announceChange(const QString &) override {}
};
