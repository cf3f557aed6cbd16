// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"

#include <QWidget>

class AppState;
class CategoryTreeModel;
class QPushButton;
class QTreeView;
struct Category;

// The category tree, with new categories (top level, or under a top-level one), renaming and
// deleting.
class CategoriesScreen : public QWidget {
    Q_OBJECT

public:
    explicit CategoriesScreen(AppState *state, QWidget *parent = nullptr);

    // Reads the categories again and shows the whole tree, keeping the current category.
    void refresh();

    QTreeView *tree() const { return m_tree; }
    CategoryTreeModel *model() const { return m_model; }
    QPushButton *newButton() const { return m_new; }
    // Makes the category current, when it is in the tree.
    void setCurrentCategory(const QString &id);

public Q_SLOTS:
    void onCreateCategory();
    void onEditCategory();
    void onDeleteCategory();

protected:
    void showEvent(QShowEvent *event) override;

private:
    const Category *currentCategory() const;
    // The name typed into a "Category name:" box, or an empty text when cancelled or blank.
    QString askName(const QString &title, const QString &name);
    void showContextMenu(const QPoint &position);
    void onDataChanged(const DataChange &change);

    AppState *m_state;          // Not owned.
    CategoryTreeModel *m_model; // Owned (Qt child).
    QTreeView *m_tree;          // Owned (Qt child).
    QPushButton *m_new;         // Owned (Qt child).
    bool m_stale = false;       // Data changed while hidden.
    // Made current by the next read, which the change notice of this screen's own edit brings.
    QString m_selectAfterRead;
};
