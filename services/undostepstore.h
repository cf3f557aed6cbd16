// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/undostep.h"

#include <QString>

#include <optional>

class Database;
class UndoStack;

// Keeps one step of the history in the database, for a program whose session ends with
// each run (the command line): the newest step is saved when a run ends and put back on the
// stack by the run that takes it back. A step names its tables and their columns, so that a
// step the schema has moved past since is refused rather than written back wrongly.
class UndoStepStore {
public:
    UndoStepStore(Database *database, UndoStack *stack);

    // Replaces the kept step with the stack's newest one (the stack must have one).
    bool save();
    // The kept step, pushed onto the stack. No value and an empty *error when none is kept;
    // no value and the reason in *error when it cannot be read back.
    std::optional<UndoStep> restore(QString *error);
    bool clear();

private:
    Database *m_database; // Not owned.
    UndoStack *m_stack;   // Not owned.
};
