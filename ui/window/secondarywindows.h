// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>

#include <functional>
#include <type_traits>

class AppState;
class QMenu;

// The windows the main window opens beside itself: one of each kind, made on first use and
// kept while the main window lives, each a top-level window of its own that the menus' keys
// reach as well.
class SecondaryWindows {
public:
    SecondaryWindows(QWidget *owner, AppState *state);

    // The menus whose keys the windows share.
    void setMenus(const QList<QMenu *> &menus) { m_menus = menus; }

    // Shows window as a top-level window owned by the main window, with title: the default
    // size only when it is not shown yet, then shown, raised and activated.
    void present(QWidget *window, const QString &title, const QSize &defaultSize) const;

    // The one window of type T, or null before its first use.
    template<class T> T *find() const {
        return static_cast<T *>(m_windows.value(&T::staticMetaObject).data());
    }

    // Shows the one window of type T. make builds it on first use (by default with the
    // application state and the main window as parent) and connects it; update brings it up
    // to date each time before it is presented.
    template<class T>
    T *show(const QString &title, const QSize &defaultSize, const std::function<T *()> &make = {},
            const std::function<void(T *)> &update = {});

private:
    QWidget *m_owner;  // Not owned.
    AppState *m_state; // Not owned.
    QList<QMenu *> m_menus;
    // By class; the windows are the main window's Qt children.
    QHash<const QMetaObject *, QPointer<QWidget>> m_windows;
};

template<class T>
T *SecondaryWindows::show(const QString &title, const QSize &defaultSize,
                          const std::function<T *()> &make,
                          const std::function<void(T *)> &update) {
    T *window = find<T>();
    if (!window) {
        if (make) {
            window = make();
        } else if constexpr (std::is_constructible_v<T, AppState *, QWidget *>) {
            window = new T(m_state, m_owner);
        }
        Q_ASSERT(window);
        m_windows.insert(&T::staticMetaObject, window);
    }
    if (update)
        update(window);
    present(window, title, defaultSize);
    return window;
}
