// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/categorynames.h"

#include <QHash>

namespace CategoryNames {

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

} // namespace CategoryNames
