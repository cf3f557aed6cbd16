// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registertableview.h"

#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"

#include <QApplication>
#include <QTimer>

RegisterTableView::RegisterTableView(RegisterScreen *screen, QWidget *parent)
    : QTableView(parent)
    , m_screen(screen) {}

QWidget *RegisterTableView::currentEditor() const {
    if (!isEditing())
        return nullptr;
    return indexWidget(currentIndex());
}

void RegisterTableView::finishEditing(bool commit) {
    QWidget *editor = currentEditor();
    if (!editor)
        return;
    if (commit)
        commitData(editor);
    // Taking focus from the editor below would let the delegate see the field end on its
    // own: it would write the editor back (even when its text is being thrown away) and
    // close it before we do.
    editor->removeEventFilter(itemDelegateForIndex(currentIndex()));
    // Focus inside an editor made of several fields (payee and memo) is not the editor's own
    // focus to the view, which would then let Qt hand it to the next widget: a Tab more.
    if (editor->isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::OtherFocusReason);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool RegisterTableView::editCurrent() {
    return edit(currentIndex(), QAbstractItemView::AllEditTriggers, nullptr);
}

bool RegisterTableView::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) {
    if (index.isValid() && index.column() != RegisterModel::BalanceColumn
        && (trigger == AllEditTriggers || (editTriggers() & trigger)) && !isEditing()) {
        // Only the row in the edit buffer has editors; bring this one into it first.
        if (!m_screen->startEditingRow(index.row()))
            return false;
    }
    return QTableView::edit(index, trigger, event);
}

bool RegisterTableView::focusNextPrevChild(bool next) {
    // Tab never leaves the register; it walks the fields of the row.
    QTimer::singleShot(0, m_screen, [screen = m_screen, next] { screen->tabToField(next); });
    return true;
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction,
                                          Qt::KeyboardModifiers modifiers) {
    QModelIndex target = QTableView::moveCursor(cursorAction, modifiers);
    if (target.isValid() && target.column() == RegisterModel::BalanceColumn)
        target = model()->index(target.row(), RegisterModel::ClrColumn);
    return target;
}

void RegisterTableView::closeEditor(QWidget *editor, QAbstractItemDelegate::EndEditHint hint) {
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (hint == QAbstractItemDelegate::EditNextItem
        || hint == QAbstractItemDelegate::EditPreviousItem) {
        const bool next = hint == QAbstractItemDelegate::EditNextItem;
        QTimer::singleShot(0, m_screen, [screen = m_screen, next] { screen->tabToField(next); });
    }
    Q_EMIT editingFinished();
}
