// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QCoreApplication>
#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QString>

#include <array>
#include <functional>

class MainWindow;
class QAction;
class QMenu;
class QMenuBar;

// The main window's menu bar, made from one table, and the lines of the keyboard shortcuts
// help made from the same table, so that a key can never be bound in one and described
// differently in the other.
class MainMenu {
    Q_DECLARE_TR_FUNCTIONS(MainMenu)

public:
    // One item of the menu bar, a separator when name is null. Texts and keys are translated
    // in this class's context; a key the platform names (Quit, Find) wins over keys. An item
    // with a help text is listed with its keys in the keyboard shortcuts help, at helpRow.
    struct Item {
        const char *menu;
        const char *name;
        const char *text;
        QKeySequence::StandardKey standardKey;
        std::array<const char *, 2> keys;
        std::function<void(MainWindow *)> slot;
        const char *help;
        int helpRow;
    };
    static const QList<Item> &items();

    // Fills the window's menu bar; each action is named after its item.
    explicit MainMenu(MainWindow *window);

    // The action with this object name, or null.
    QAction *action(const QString &name) const;
    const QList<QMenu *> &menus() const { return m_menus; }
    // (key as bound, meaning) of each item with a help text, in help order.
    QList<QPair<QString, QString>> shortcutRows() const;

private:
    QList<QMenu *> m_menus; // Owned by the menu bar.
};
