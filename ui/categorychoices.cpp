// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/categorychoices.h"

#include "storage/categoryrepository.h"

#include <QComboBox>
#include <QCompleter>
#include <QHash>

namespace CategoryChoices {

QList<Choice> from(const QList<Category> &categories) {
    QHash<QString, QString> names;
    for (const Category &category : categories)
        names.insert(category.id, category.name);
    QList<Choice> choices;
    choices.reserve(categories.size());
    for (const Category &category : categories) {
        const QString parent
            = category.parentId.isEmpty() ? QString() : names.value(category.parentId);
        choices.append({parent.isEmpty() ? category.name
                                         : QStringLiteral("%1 > %2").arg(parent, category.name),
                        category.id});
    }
    return choices;
}

QList<Choice> all(const CategoryRepository *categories) {
    return from(categories->findAll());
}

void addTo(QComboBox *combo, const CategoryRepository *categories) {
    for (const Choice &choice : all(categories))
        combo->addItem(choice.text, choice.id);
}

QCompleter *containsCompleter(QAbstractItemModel *model, QObject *parent) {
    auto *completer = new QCompleter(model, parent);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    return completer;
}

} // namespace CategoryChoices
