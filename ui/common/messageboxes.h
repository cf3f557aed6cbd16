// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

class QWidget;

// The screens' plain message boxes, next to ErrorBox: each runs through ModalRunner so tests
// can answer it, shows its text as written (names and server words are never markup) and is
// named after its title for screen readers.
namespace MessageBoxes {

void inform(QWidget *parent, const QString &title, const QString &text);
void warn(QWidget *parent, const QString &title, const QString &text);

// A question answered Yes or No; true for Yes. No is the default so that a stray Enter never
// deletes or overwrites anything; a question that only offers help may default to Yes.
enum class Default { No, Yes };
bool ask(QWidget *parent, const QString &title, const QString &text,
         Default defaultAnswer = Default::No);
// The same question under a warning sign, for an action that overwrites data.
bool askWarning(QWidget *parent, const QString &title, const QString &text);

} // namespace MessageBoxes
