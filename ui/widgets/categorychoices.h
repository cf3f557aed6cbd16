// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/presentation/categorynames.h"

#include <QList>
#include <QString>

class CategoryRepository;
class QAbstractItemModel;
class QComboBox;
class QCompleter;
class QObject;

// The categories as every picker offers them, so the register, the transaction form and the
// recurring form name a category alike and find it by the same typing.
namespace CategoryChoices {

using CategoryNames::Choice;
using CategoryNames::from;
using CategoryNames::idForText;

QList<Choice> all(const CategoryRepository *categories);

// One entry per category after whatever the combo already holds, the id as item data.
void addTo(QComboBox *combo, const CategoryRepository *categories);

// The pickers' completion, for payees as much as categories: case-insensitive, on any part
// of the text, so "groc" finds "Food > Groceries".
QCompleter *containsCompleter(QAbstractItemModel *model, QObject *parent);

} // namespace CategoryChoices
