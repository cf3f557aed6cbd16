// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>

class AppState;
class QKeyEvent;
class RegisterScreen;

// The register's keyboard: the keys typed on the table or inside an editor, and the walk from
// field to field that Enter and Tab make along the row.
class RegisterKeyboard : public QObject {
    Q_OBJECT

public:
    RegisterKeyboard(AppState *state, RegisterScreen *screen);

    // The register's keys, typed on the table or inside an editor (editor may be null).
    bool handleKey(QWidget *editor, QKeyEvent *event);
    // Tab and Shift+Tab: the next (previous) field of the row, without saving or wrapping.
    void tabToField(bool next);
    // Enter: the next field, or the save after the last one.
    void advanceToNextField();
    void advanceToPreviousField();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    // The visible field after (before) column, or -1.
    int nextField(int column, bool forward) const;
    void moveToField(int row, int column);

    AppState *m_state;        // Not owned.
    RegisterScreen *m_screen; // Not owned (the parent screen).
};
