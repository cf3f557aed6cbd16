// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/categorychoices.h"

#include "storage/categoryrepository.h"

#include <QComboBox>
#include <QCompleter>

namespace CategoryChoices {

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
