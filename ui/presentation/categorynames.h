// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/category.h"

#include <QList>
#include <QString>

#include <optional>

// How a category is named in text, so that every picker shows it alike and what a person
// types finds it again by the same rules.
namespace CategoryNames {

struct Choice {
    QString text;
    QString id;
};

// In the given order: "Parent > Child" where the parent is among them, else the name alone.
QList<Choice> from(const QList<Category> &categories);

// The category a typed text names: a choice's text ("Parent > Child"), else the one category
// of that name, else, for "Parent > Child" whose parent is unknown, the one category named
// by the part after " > ". Case does not matter. Nothing when no category, or more than one,
// fits.
std::optional<QString> idForText(const QList<Category> &categories, const QString &text);

} // namespace CategoryNames
