// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/register/registerkeyboard.h"

#include "app/appstate.h"
#include "storage/categoryrepository.h"
#include "ui/presentation/registerentry.h"
#include "ui/register/payeememoeditor.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

bool isEnter(const QKeyEvent *event) {
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

// Ctrl alone: with Shift too the key is another (Ctrl+Shift+N is New Account).
bool isCtrl(const QKeyEvent *event) {
    return (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

// The register's own keys, which the window's shortcuts must not take while it has focus.
bool isRegisterShortcut(const QKeyEvent *event) {
    if (!isCtrl(event))
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_D:
    case Qt::Key_I:
    case Qt::Key_M:
    case Qt::Key_N:
        return true;
    default:
        return false;
    }
}

} // namespace

RegisterKeyboard::RegisterKeyboard(AppState *state, RegisterScreen *screen)
    : QObject(screen)
    , m_state(state)
    , m_screen(screen) {}

bool RegisterKeyboard::eventFilter(QObject *object, QEvent *event) {
    RegisterTableView *table = m_screen->table();
    if ((object == table || object == table->viewport())
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        if (handleKey(nullptr, static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QObject::eventFilter(object, event);
}

bool RegisterKeyboard::handleKey(QWidget *editor, QKeyEvent *event) {
    if (event->type() == QEvent::ShortcutOverride) {
        // Claim the register's keys before the window's shortcuts (Ctrl+I is Import there).
        if (isRegisterShortcut(event) || (editor && event->key() == Qt::Key_Escape)) {
            event->accept();
            return true;
        }
        return false;
    }
    RegisterTableView *table = m_screen->table();
    const bool ctrl = isCtrl(event);
    auto *line = qobject_cast<QLineEdit *>(editor);
    QCompleter *completer = line ? line->completer() : nullptr;
    if (!ctrl && completer && completer->popup()->isVisible()) {
        // With completions showing, Enter and Tab take the highlighted one and Escape only
        // closes the list.
        const QModelIndex highlighted = completer->popup()->currentIndex();
        const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
        if (isEnter(event) || tab || event->key() == Qt::Key_Escape) {
            if (event->key() != Qt::Key_Escape && highlighted.isValid()) {
                const QString text = highlighted.data(Qt::DisplayRole).toString();
                line->setText(text);
                Q_EMIT completer->activated(text);
            }
            completer->popup()->hide();
            // Enter goes on to the next field like Tab, so that what is typed next lands
            // there and not after the completion.
            if (event->key() == Qt::Key_Escape)
                return true;
        }
    }
    if (ctrl && isEnter(event)) {
        m_screen->commitCurrentRow();
        return true;
    }
    const bool leaving
        = isEnter(event) || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (!ctrl && leaving && editor
        && table->currentIndex().column() == RegisterModel::CategoryColumn) {
        const QString unknown = RegisterDelegate::unknownCategoryText(
            editor, m_state->categoryRepository()->findAll());
        if (!unknown.isEmpty()) {
            // Said here, where it can still be put right, rather than at the save.
            m_screen->showStatusMessage(
                tr("No category \"%1\"; choose one from the list").arg(unknown),
                RegisterEntry::LongMessageMs);
            return true;
        }
    }
    if (ctrl) {
        switch (event->key()) {
        case Qt::Key_D:
            m_screen->deleteCurrentRow();
            return true;
        case Qt::Key_I:
            m_screen->beginNewEntry();
            return true;
        case Qt::Key_M:
            m_screen->memorizeCurrentRow();
            return true;
        case Qt::Key_N:
            m_screen->newTransactionDialog();
            return true;
        default:
            return false;
        }
    }
    if (isEnter(event)) {
        if (editor || !table->currentIndex().isValid())
            advanceToNextField();
        else
            table->editCurrent();
        return true;
    }
    if (event->key() == Qt::Key_Escape && editor) {
        // The cell goes back to what it held; a second Escape discards the row.
        m_screen->finishEditor(false);
        table->setFocus();
        if (m_screen->model()->isDirty())
            m_screen->showStatusMessage(tr("Press Escape again to discard the row"),
                                        RegisterEntry::ShortMessageMs);
        return true;
    }
    if (event->key() == Qt::Key_Escape && m_screen->model()->isDirty()) {
        m_screen->discardEntry();
        m_screen->showStatusMessage(tr("Row discarded"), RegisterEntry::ShortMessageMs);
        return true;
    }
    if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && line) {
        // Payee and memo share one cell in two-line rows: Tab walks between them first.
        const bool next = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        const PayeeMemoEditor *pair = PayeeMemoEditor::of(line);
        if (QLineEdit *other = pair ? pair->partner(line, next) : nullptr) {
            other->setFocus(Qt::TabFocusReason);
            other->selectAll();
            return true;
        }
    }
    if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) {
        const bool next = event->key() == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        QTimer::singleShot(0, this, [this, next] { tabToField(next); });
        return true;
    }
    if (!editor && event->key() == Qt::Key_Apostrophe) {
        m_screen->copyFromAbove();
        return true;
    }
    return false;
}

int RegisterKeyboard::nextField(int column, bool forward) const {
    int candidate = column;
    if (column < 0 || column > RegisterModel::ClrColumn)
        candidate = forward ? -1 : RegisterModel::ClrColumn + 1;
    for (;;) {
        candidate += forward ? 1 : -1;
        if (candidate < 0 || candidate > RegisterModel::ClrColumn)
            return -1;
        if (!m_screen->table()->isColumnHidden(candidate))
            return candidate;
    }
}

void RegisterKeyboard::moveToField(int row, int column) {
    RegisterTableView *table = m_screen->table();
    const QModelIndex target = m_screen->model()->index(row, column);
    {
        const QSignalBlocker blocker(table->selectionModel());
        table->selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
    }
    table->viewport()->update();
    if (target.flags() & Qt::ItemIsEditable)
        table->editCurrent();
}

void RegisterKeyboard::advanceToNextField() {
    RegisterTableView *table = m_screen->table();
    if (!table->currentIndex().isValid())
        return;
    m_screen->finishEditor(true);
    const QModelIndex current = table->currentIndex();
    const int next = nextField(current.column(), true);
    if (next < 0) {
        m_screen->commitCurrentRow();
        return;
    }
    moveToField(current.row(), next);
}

void RegisterKeyboard::advanceToPreviousField() {
    RegisterTableView *table = m_screen->table();
    if (!table->currentIndex().isValid())
        return;
    m_screen->finishEditor(true);
    const QModelIndex current = table->currentIndex();
    const int previous = nextField(current.column(), false);
    if (previous >= 0)
        moveToField(current.row(), previous);
}

void RegisterKeyboard::tabToField(bool next) {
    RegisterTableView *table = m_screen->table();
    if (!table->currentIndex().isValid())
        return;
    m_screen->finishEditor(true);
    const QModelIndex current = table->currentIndex();
    const int target = nextField(current.column(), next);
    if (target < 0) {
        // No wrap and no save at the ends of the row: stay, with the editor open again.
        if (current.flags() & Qt::ItemIsEditable)
            table->editCurrent();
        return;
    }
    RegisterModel *model = m_screen->model();
    if (!(model->flags(model->index(current.row(), target)) & Qt::ItemIsEditable)
        && !m_screen->startEditingRow(current.row()))
        return;
    moveToField(current.row(), target);
}
