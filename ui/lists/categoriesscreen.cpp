// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/lists/categoriesscreen.h"

#include "app/appstate.h"
#include "services/ledgerwriter.h"
#include "storage/categoryrepository.h"
#include "storage/transactionrepository.h"
#include "ui/common/errorbox.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"
#include "ui/lists/categorytreemodel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

#include <utility>

CategoriesScreen::CategoriesScreen(AppState *state, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(new CategoryTreeModel(this))
    , m_tree(new QTreeView(this))
    , m_new(new QPushButton(tr("+ New Category"), this)) {
    setAccessibleName(tr("Categories"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *header = new QHBoxLayout;
    auto *title = new QLabel(tr("Categories"), this);
    QFont titleFont = QApplication::font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    m_new->setStyleSheet(Styles::primaryButton());
    m_new->setAccessibleName(tr("New Category"));
    header->addWidget(title);
    header->addStretch(1);
    header->addWidget(m_new);
    layout->addLayout(header);

    m_tree->setModel(m_model);
    m_tree->setAccessibleName(tr("Category tree"));
    m_tree->setAlternatingRowColors(true);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    m_tree->header()->resizeSection(CategoryTreeModel::TypeColumn, 90);
    m_tree->header()->resizeSection(CategoryTreeModel::TaxCodeColumn, 190);
    layout->addWidget(m_tree, 1);

    connect(m_new, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CategoriesScreen::showContextMenu);
    connect(m_tree, &QAbstractItemView::doubleClicked, this, &CategoriesScreen::onEditCategory);
    connect(m_state, &AppState::dataChanged, this, &CategoriesScreen::onDataChanged);
}

void CategoriesScreen::refresh() {
    m_stale = false;
    const Category *current = currentCategory();
    QString currentId = current ? current->id : QString();
    if (!m_selectAfterRead.isEmpty())
        currentId = std::exchange(m_selectAfterRead, QString());
    m_model->setCategories(m_state->categoryRepository()->findAll());
    m_tree->expandAll();
    setCurrentCategory(currentId);
}

void CategoriesScreen::setCurrentCategory(const QString &id) {
    const QModelIndex index = m_model->indexOfId(id);
    if (!index.isValid())
        return;
    m_tree->setCurrentIndex(index);
    m_tree->scrollTo(index);
}

const Category *CategoriesScreen::currentCategory() const {
    return m_model->categoryAt(m_tree->currentIndex());
}

QString CategoriesScreen::askName(const QString &title, const QString &name) {
    QInputDialog dialog(this);
    dialog.setWindowTitle(title);
    dialog.setLabelText(tr("Category name:"));
    dialog.setTextValue(name);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return QString();
    return dialog.textValue().trimmed();
}

void CategoriesScreen::onCreateCategory() {
    const QString name = askName(tr("New Category"), QString());
    if (name.isEmpty())
        return;
    Category category;
    category.name = name;
    category.type = CategoryType::Expense;
    // Categories nest one level deep: under a sub-category, the new one starts a group of
    // its own.
    const Category *current = currentCategory();
    if (current && current->parentId.isEmpty())
        category.parentId = current->id;
    QString id;
    if (!m_state->ledger()->addCategory(category, &id)) {
        ErrorBox::show(this, tr("New Category"), tr("The category could not be created."),
                       tr("Nothing was added; your categories are unchanged."));
        return;
    }
    // The tree follows on the change notice of the insert: read once, there.
    m_selectAfterRead = id;
}

void CategoriesScreen::onEditCategory() {
    const Category *current = currentCategory();
    if (!current)
        return;
    Category category = *current;
    const QString name = askName(tr("Edit Category"), category.name);
    if (name.isEmpty() || name == category.name)
        return;
    if (m_state->ledger()->renameCategory(category.id, name) != LedgerWriter::Result::Ok) {
        ErrorBox::show(this, tr("Edit Category"), tr("The category could not be renamed."),
                       tr("It keeps its previous name."));
        return;
    }
}

void CategoriesScreen::onDeleteCategory() {
    const Category *current = currentCategory();
    if (!current)
        return;
    const Category category = *current;
    const int used = m_state->transactionRepository()->countByCategory(category.id);
    QString text = tr("Delete \"%1\"?").arg(category.name) + QLatin1Char(' ');
    text += used > 0 ? tr("%n transaction(s) using this category will become uncategorized.",
                          nullptr, used)
                     : tr("No transactions use this category.");
    if (m_model->rowCount(m_tree->currentIndex().siblingAtColumn(0)) > 0)
        text += QLatin1Char(' ') + tr("Its sub-categories will move to the top level.");
    if (!MessageBoxes::ask(this, tr("Delete Category"), text))
        return;
    const LedgerWriter::Result result = m_state->ledger()->deleteCategory(category.id);
    if (result == LedgerWriter::Result::Failed) {
        ErrorBox::show(this, tr("Delete Category"), tr("The category could not be deleted."),
                       tr("Nothing was changed: the category and its transactions are as they "
                          "were."));
        return;
    }
}

void CategoriesScreen::showContextMenu(const QPoint &position) {
    QMenu menu(this);
    menu.setAccessibleName(tr("Category actions"));
    connect(menu.addAction(tr("&New Category")), &QAction::triggered, this,
            &CategoriesScreen::onCreateCategory);
    const QModelIndex index = m_tree->indexAt(position);
    if (index.isValid()) {
        m_tree->setCurrentIndex(index);
        connect(menu.addAction(tr("&Edit")), &QAction::triggered, this,
                &CategoriesScreen::onEditCategory);
        connect(menu.addAction(tr("&Delete")), &QAction::triggered, this,
                &CategoriesScreen::onDeleteCategory);
    }
    menu.exec(m_tree->viewport()->mapToGlobal(position));
}

void CategoriesScreen::onDataChanged(const DataChange &change) {
    if (!change.touches(DataChange::Categories))
        return;
    if (isVisible())
        refresh();
    else
        m_stale = true;
}

void CategoriesScreen::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}
