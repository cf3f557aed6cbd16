// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/undoimage.h"

#include <QList>
#include <QString>

#include <optional>

// One row a change touched: how it looked before and after (no value: the row did not
// exist), and how it should look now, which is what undo and redo check before writing so
// that they never overwrite what another device or program wrote since.
struct UndoRow {
    int table = 0; // index into UndoStack's table list
    QString id;
    std::optional<UndoImage> before;
    std::optional<UndoImage> after;
    std::optional<UndoImage> current;
};

// A change a person made, as one step of the history: its name ("Delete Transaction") and
// the rows it touched.
struct UndoStep {
    QString label;
    QList<UndoRow> rows;
};
