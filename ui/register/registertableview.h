// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QTableView>

class RegisterScreen;

// The register's table: editing begins through the screen (which loads the row into the edit
// buffer), Tab stays inside the row, and the Balance column is never a stop for the cursor.
class RegisterTableView : public QTableView {
    Q_OBJECT

public:
    explicit RegisterTableView(RegisterScreen *screen, QWidget *parent = nullptr);

    bool isEditing() const { return state() == QAbstractItemView::EditingState; }
    // The open editor of the current cell, or null.
    QWidget *currentEditor() const;
    // Writes the open editor back into the buffer (when commit) and closes it.
    void finishEditing(bool commit);
    // Opens the editor of the current cell.
    bool editCurrent();

Q_SIGNALS:
    // An editor closed; a reload that waited for it may run now.
    void editingFinished();

protected:
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    RegisterScreen *m_screen; // Not owned (the parent screen).
};
