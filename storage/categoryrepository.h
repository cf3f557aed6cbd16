// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/category.h"
#include "storage/repository.h"

#include <QList>
#include <QString>

#include <optional>

class CategoryRepository : public Repository {
    Q_OBJECT

public:
    explicit CategoryRepository(Database *database, QObject *parent = nullptr);

    // Live categories by name (binary collation).
    QList<Category> findAll() const;
    // Also soft-deleted categories.
    std::optional<Category> findById(const QString &id) const;
    // A live category of exactly this name (case-sensitive).
    std::optional<Category> findByName(const QString &name) const;
    // Every pending row, soft-deleted ones included.
    QList<Category> findPending() const;
    // Live categories; 0 on failure.
    int count() const;

    // An empty parent or account id is stored as NULL: parent_id is a foreign key.
    bool insert(const Category &category);
    bool update(const Category &category);
    // Leaves the children and the transactions that use the category as they are.
    bool softDelete(const QString &id);
    bool markSynced(const QString &id, const QString &serverId);
    int markAllPendingForResync();

    static Category readCategory(RowReader &row);

Q_SIGNALS:
    void categoriesChanged();

protected:
    void announceChange(const QString &accountId) override;

private:
    static QVariantList ownFields(const Category &category);
};
