// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QList>
#include <QString>

#include <optional>

class CategoryRepository;
class QAbstractItemModel;
class QComboBox;
class QCompleter;
class QObject;
struct Category;

// The categories as every picker offers them, so the register, the transaction form and the
// recurring form name a category alike and find it by the same typing.
namespace CategoryChoices {

struct Choice {
    QString text;
    QString id;
};

// In the given order: "Parent > Child" where the parent is among them, else the name alone.
QList<Choice> from(const QList<Category> &categories);
QList<Choice> all(const CategoryRepository *categories);

// The category a typed text names: a choice's text ("Parent > Child"), else the one category
// of that name, else, for "Parent > Child" whose parent is unknown, the one category named
// by the part after " > ". Case does not matter. Nothing when no category, or more than one,
// fits.
std::optional<QString> idForText(const QList<Category> &categories, const QString &text);

// One entry per category after whatever the combo already holds, the id as item data.
void addTo(QComboBox *combo, const CategoryRepository *categories);

// The pickers' completion, for payees as much as categories: case-insensitive, on any part
// of the text, so "groc" finds "Food > Groceries".
QCompleter *containsCompleter(QAbstractItemModel *model, QObject *parent);

} // namespace CategoryChoices
