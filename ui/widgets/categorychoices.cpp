// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/categorychoices.h"

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

namespace {

std::optional<QString> uniqueByName(const QList<Category> &categories, const QString &name) {
    std::optional<QString> found;
    for (const Category &category : categories) {
        if (category.name.compare(name, Qt::CaseInsensitive) != 0)
            continue;
        // Two categories of one name under different parents: the name alone is no choice.
        if (found)
            return std::nullopt;
        found = category.id;
    }
    return found;
}

} // namespace

std::optional<QString> idForText(const QList<Category> &categories, const QString &text) {
    const QString wanted = text.trimmed();
    if (wanted.isEmpty())
        return std::nullopt;
    for (const Choice &choice : from(categories)) {
        if (choice.text.compare(wanted, Qt::CaseInsensitive) == 0)
            return choice.id;
    }
    if (std::optional<QString> named = uniqueByName(categories, wanted))
        return named;
    const int arrow = wanted.indexOf(QStringLiteral(" > "));
    if (arrow < 0)
        return std::nullopt;
    return uniqueByName(categories, wanted.mid(arrow + 3).trimmed());
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
