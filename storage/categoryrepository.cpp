// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/categoryrepository.h"

namespace {

const QString kColumns = QStringLiteral(
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, "
    "account_id, version, sync_status, server_id, created_at, updated_at, deleted_at");
const QString kTable = QStringLiteral("categories");

QString select(const char *rest) {
    return QStringLiteral("SELECT %1 FROM categories ").arg(kColumns) + QLatin1String(rest);
}

} // namespace

CategoryRepository::CategoryRepository(Database *database, QObject *parent)
    : Repository(database, kTable, parent) {}

// The columns that insert and update both write, in statement order. The references are
// NULL when empty: parent_id is a foreign key.
QVariantList CategoryRepository::ownFields(const Category &c) {
    return {c.name,
            categoryTypeToString(c.type),
            textOrNull(c.parentId),
            flag(c.isTaxRelevant),
            c.taxCategory,
            c.icon,
            c.color,
            flag(c.isDefault),
            textOrNull(c.accountId)};
}

Category CategoryRepository::readCategory(RowReader &row) {
    Category c;
    c.id = row.text();
    c.name = row.text();
    c.type = categoryTypeFromString(row.text());
    c.parentId = row.text();
    c.isTaxRelevant = row.flag();
    c.taxCategory = row.text();
    c.icon = row.text();
    c.color = row.text();
    c.isDefault = row.flag();
    c.accountId = row.text();
    row.readBookkeeping(c);
    return c;
}

QList<Category> CategoryRepository::findAll() const {
    return readList<Category>(select("WHERE deleted_at IS NULL ORDER BY name"), {}, readCategory);
}

std::optional<Category> CategoryRepository::findById(const QString &id) const {
    return readFirst<Category>(select("WHERE id = ?"), {id}, readCategory);
}

std::optional<Category> CategoryRepository::findByName(const QString &name) const {
    return readFirst<Category>(select("WHERE name = ? AND deleted_at IS NULL"), {name},
                               readCategory);
}

QList<Category> CategoryRepository::findPending() const {
    return readList<Category>(select("WHERE sync_status = 'pending'"), {}, readCategory);
}

int CategoryRepository::count() const {
    const auto n
        = readFirst<int>(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"),
                         {}, [](RowReader &row) { return row.number(); });
    return n.value_or(0);
}

bool CategoryRepository::insert(const Category &c) {
    return change(
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, "
                       "is_tax_relevant, tax_category, icon, color, is_default, account_id, "
                       "version, sync_status, server_id, created_at, updated_at) VALUES (?, ?, ?, "
                       "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        QVariantList{c.id} + ownFields(c) + insertBookkeeping(c), "insert");
}

bool CategoryRepository::update(const Category &c) {
    return change(
        QStringLiteral("UPDATE categories SET name=?, category_type=?, parent_id=?, "
                       "is_tax_relevant=?, tax_category=?, icon=?, color=?, is_default=?, "
                       "account_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE "
                       "id=?"),
        ownFields(c) + updateBookkeeping(c), "update");
}

bool CategoryRepository::softDelete(const QString &id) {
    return softDeleteRow(kTable, id, "softDelete");
}

bool CategoryRepository::markSynced(const QString &id, const QString &serverId) {
    return markSyncedRow(kTable, id, serverId);
}

int CategoryRepository::markAllPendingForResync() {
    return markAllPendingRows(kTable);
}

void CategoryRepository::announceChange(const QString &) {
    Q_EMIT categoriesChanged();
}
