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

    bool insert(const Budget &budget);
    // Writes every column but id and created_at, deleted_at included.
    bool update(const Budget &budget);

    static Budget readBudget(RowReader &row);

Q_SIGNALS:
    void budgetsChanged();

protected:
    void announceChange(const QString &subject) override;
};
