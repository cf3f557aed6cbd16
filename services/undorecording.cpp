// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/undorecording.h"

#include "services/undostack.h"

UndoRecording::UndoRecording(UndoStack *stack, const QString &label)
    : m_stack(stack && stack->isReady() ? stack : nullptr)
    , m_label(label) {
    if (m_stack)
        m_stack->beginRecording();
}

UndoRecording::~UndoRecording() {
    if (m_stack)
        m_stack->endRecording(m_label, m_keep);
}
