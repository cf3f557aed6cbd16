// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/budget.h"
#include "storage/repository.h"

#include <QList>
#include <QString>

#include <optional>

class BudgetRepository : public Repository {
    Q_OBJECT

public:
    explicit BudgetRepository(Database *database, QObject *parent = nullptr);

    // Live budgets of the months from fromMonth to toMonth ("yyyy-MM", both included), by
    // month.
    QList<Budget> findMonths(const QString &fromMonth, const QString &toMonth) const;
    // The category's budget of the month: the live one, else the latest deleted one.
    std::optional<Budget> find(const QString &categoryId, const QString &month) const;
    std::optional<Budget> findById(const QString &id) const;
    // Rows waiting to be pushed, deleted ones included.
    QList<Budget> findPending() const;

    bool insert(const Budget &budget);
    // Writes every column but id and created_at, deleted_at included.
    bool update(const Budget &budget);
    bool markSynced(const QString &id, const QString &serverId);
    // Every live row pending again, for a full sync; the number marked, -1 on failure.
    int markAllPendingForResync();

    static Budget readBudget(RowReader &row);

Q_SIGNALS:
    void budgetsChanged();

protected:
    void announceChange(const QString &subject) override;
};
