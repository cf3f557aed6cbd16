// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

class UndoStack;

// Records the rows a write touches while it lives. Scopes nest: only the outermost one makes
// a step, so a register save that adds a transfer is one step, not three. Without keep() the
// write is taken as failed and nothing is recorded. A null stack records nothing.
class UndoRecording {
public:
    UndoRecording(UndoStack *stack, const QString &label);
    ~UndoRecording();
    UndoRecording(const UndoRecording &) = delete;
    UndoRecording &operator=(const UndoRecording &) = delete;

    // For names that depend on the outcome ("Import of 120 Transactions").
    void setLabel(const QString &label) { m_label = label; }
    // The write committed: what it touched becomes a step when the outermost scope ends.
    void keep() { m_keep = true; }

private:
    UndoStack *m_stack; // Not owned.
    QString m_label;
    bool m_keep = false;
};
