// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/secondarywindows.h"

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QShortcut>

#include <algorithm>

namespace {

// The keys a window binds itself, through its own shortcuts or its widgets' actions.
QSet<QKeySequence> ownKeys(QWidget *window, const QSet<QAction *> &shared) {
    QSet<QKeySequence> keys;
    for (const QShortcut *shortcut : window->findChildren<QShortcut *>()) {
        for (const QKeySequence &key : shortcut->keys())
            keys.insert(key);
    }
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets.prepend(window);
    for (const QWidget *widget : std::as_const(widgets)) {
        for (QAction *action : widget->actions()) {
            if (shared.contains(action))
                continue;
            for (const QKeySequence &key : action->shortcuts())
                keys.insert(key);
        }
    }
    return keys;
}

// The menus' keys work only while the main window is active, yet a person in the reports or
// search window expects Ctrl+F or Ctrl+3 all the same: those windows hold the actions too. A
// key the window binds itself stays its own (Ctrl+N adds to a reconciliation), since one key
// bound twice in a window would do nothing at all.
void shareMenuKeys(QWidget *window, const QList<QMenu *> &menus) {
    QSet<QAction *> shared;
    for (const QMenu *menu : menus) {
        for (QAction *action : menu->actions()) {
            if (!action->shortcut().isEmpty())
                shared.insert(action);
        }
    }
    const QSet<QKeySequence> taken = ownKeys(window, shared);
    for (QAction *action : std::as_const(shared)) {
        const QList<QKeySequence> keys = action->shortcuts();
        if (std::none_of(keys.cbegin(), keys.cend(),
                         [&](const QKeySequence &key) { return taken.contains(key); }))
            window->addAction(action);
    }
}

} // namespace

SecondaryWindows::SecondaryWindows(QWidget *owner, AppState *state)
    : m_owner(owner)
    , m_state(state) {}

void SecondaryWindows::present(QWidget *window, const QString &title,
                               const QSize &defaultSize) const {
    const bool shown = window->isVisible();
    if (window->parentWidget() != m_owner || !window->isWindow())
        window->setParent(m_owner, Qt::Window);
    window->setWindowTitle(title);
    shareMenuKeys(window, m_menus);
    if (!shown)
        window->resize(defaultSize);
    window->show();
    window->raise();
    window->activateWindow();
}
