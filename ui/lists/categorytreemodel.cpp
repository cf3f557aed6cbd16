// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/lists/categorytreemodel.h"

#include "ui/common/styles.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QSet>

namespace {

// True when following the parent ids from id comes back to a category already passed.
bool parentChainLoops(const QString &id, const QHash<QString, QString> &parentOf) {
    QSet<QString> seen;
    QString current = id;
    while (!current.isEmpty()) {
        if (seen.contains(current))
            return true;
        seen.insert(current);
        current = parentOf.value(current);
    }
    return false;
}

} // namespace

CategoryTreeModel::CategoryTreeModel(QObject *parent)
    : QAbstractItemModel(parent) {}

CategoryTreeModel::~CategoryTreeModel() = default;

void CategoryTreeModel::setCategories(const QList<Category> &categories) {
    beginResetModel();
    m_root.children.clear();
    m_nodes.clear();

    // Only listed parents count: a deleted or unknown one leaves the child at the top level.
    QHash<QString, QString> parentOf;
    for (const Category &category : categories)
        parentOf.insert(category.id, QString());
    for (const Category &category : categories) {
        if (!category.parentId.isEmpty() && parentOf.contains(category.parentId))
            parentOf[category.id] = category.parentId;
    }
    QHash<QString, Node *> byId;
    m_nodes.reserve(categories.size());
    for (const Category &category : categories) {
        auto node = std::make_unique<Node>();
        node->category = category;
        byId.insert(category.id, node.get());
        m_nodes.push_back(std::move(node));
    }
    for (const std::unique_ptr<Node> &node : m_nodes) {
        const QString parentId = parentOf.value(node->category.id);
        Node *parent = &m_root;
        if (!parentId.isEmpty() && !parentChainLoops(node->category.id, parentOf))
            parent = byId.value(parentId, &m_root);
        node->parent = parent;
        node->row = int(parent->children.size());
        parent->children.push_back(node.get());
    }
    endResetModel();
}

const CategoryTreeModel::Node *CategoryTreeModel::nodeOf(const QModelIndex &index) const {
    return index.isValid() ? static_cast<const Node *>(index.internalPointer()) : &m_root;
}

const Category *CategoryTreeModel::categoryAt(const QModelIndex &index) const {
    return index.isValid() && index.model() == this ? &nodeOf(index)->category : nullptr;
}

QModelIndex CategoryTreeModel::indexOfId(const QString &id) const {
    for (const std::unique_ptr<Node> &node : m_nodes) {
        if (node->category.id == id)
            return createIndex(node->row, NameColumn, node.get());
    }
    return QModelIndex();
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex &parent) const {
    if (column < 0 || column >= ColumnCount || (parent.isValid() && parent.column() != 0))
        return QModelIndex();
    const Node *node = nodeOf(parent);
    if (row < 0 || row >= int(node->children.size()))
        return QModelIndex();
    return createIndex(row, column, node->children.at(size_t(row)));
}

QModelIndex CategoryTreeModel::parent(const QModelIndex &child) const {
    if (!child.isValid())
        return QModelIndex();
    const Node *parent = nodeOf(child)->parent;
    if (!parent || parent == &m_root)
        return QModelIndex();
    return createIndex(parent->row, NameColumn, const_cast<Node *>(parent));
}

QString CategoryTreeModel::taxCodeName(const QString &code) {
    static const struct {
        const char *code;
        const char *name;
    } kNames[] = {
        {"charitable_contributions", QT_TR_NOOP("Charitable contributions")},
        {"medical_dental", QT_TR_NOOP("Medical and dental")},
        {"business_expense", QT_TR_NOOP("Business expense")},
        {"home_office", QT_TR_NOOP("Home office")},
        {"education", QT_TR_NOOP("Education")},
        {"salt", QT_TR_NOOP("State and local taxes")},
        {"mortgage_interest", QT_TR_NOOP("Mortgage interest")},
        {"schedule_a_property_tax", QT_TR_NOOP("Property tax")},
    };
    for (const auto &entry : kNames) {
        if (code == QLatin1String(entry.code))
            return tr(entry.name);
    }
    // A code another device or a newer version wrote: shown as it is rather than hidden.
    return code;
}

int CategoryTreeModel::rowCount(const QModelIndex &parent) const {
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return int(nodeOf(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex &) const {
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex &index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const Node *node = nodeOf(index);
    const Category &category = node->category;
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return category.name;
        case TypeColumn:
            switch (category.type) {
            case CategoryType::Income:
                return tr("Income");
            case CategoryType::Transfer:
                return tr("Transfer");
            default:
                return tr("Expense");
            }
        case TaxCodeColumn:
            return category.isTaxRelevant ? taxCodeName(category.taxCategory) : QString();
        }
        return QVariant();
    case Qt::ForegroundRole:
        // The program's green for money in, in the shade that reads on the current theme.
        if (index.column() == TypeColumn && category.type == CategoryType::Income)
            return Styles::positiveColour();
        return QVariant();
    case Qt::FontRole:
        if (index.column() == NameColumn && !node->children.empty()) {
            QFont font;
            font.setWeight(QFont::Bold);
            return font;
        }
        return QVariant();
    case CategoryIdRole:
        return category.id;
    default:
        return QVariant();
    }
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case NameColumn:
        return tr("Category");
    case TypeColumn:
        return tr("Type");
    case TaxCodeColumn:
        return tr("Tax Code");
    default:
        return QVariant();
    }
}
