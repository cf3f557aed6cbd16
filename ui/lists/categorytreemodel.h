// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/category.h"

#include <QAbstractItemModel>
#include <QList>

#include <memory>
#include <vector>

// The category tree: each live category under its parent when the parent is listed too,
// every other one at the top level. Children keep the order of the list they came in.
class CategoryTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    // The name a person reads for a stored tax code; an unknown code as it is.
    static QString taxCodeName(const QString &code);

    enum Column { NameColumn = 0, TypeColumn, TaxCodeColumn, ColumnCount };
    enum Role { CategoryIdRole = Qt::UserRole + 1 };

    explicit CategoryTreeModel(QObject *parent = nullptr);
    ~CategoryTreeModel() override;

    // Rebuilds the tree. A category whose chain of parents runs in a circle (which sync or an
    // old backup can bring) is shown at the top level, so the tree always ends.
    void setCategories(const QList<Category> &categories);
    // The category behind an index, or null for an invalid one.
    const Category *categoryAt(const QModelIndex &index) const;
    // The index of the category's name, or an invalid one.
    QModelIndex indexOfId(const QString &id) const;

    QModelIndex index(int row, int column,
                      const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Node {
        Category category;
        Node *parent = nullptr;       // Not owned; the root for top-level categories.
        std::vector<Node *> children; // Not owned (all nodes live in m_nodes).
        int row = 0;                  // Position among the parent's children.
    };

    const Node *nodeOf(const QModelIndex &index) const;

    Node m_root;
    std::vector<std::unique_ptr<Node>> m_nodes; // Owned: every node but the root.
};
