// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <utility>

namespace TindAccount {

// The callback, to run only while receiver lives: a reply that comes after the window that
// asked was closed calls nothing. Without a receiver the callback always runs.
template<class... Args>
std::function<void(Args...)> whileAlive(const QObject *receiver,
                                        std::function<void(Args...)> callback) {
    if (!receiver || !callback)
        return callback;
    return
        [alive = QPointer<const QObject>(receiver), callback = std::move(callback)](Args... args) {
            if (alive)
                callback(std::forward<Args>(args)...);
        };
}

} // namespace TindAccount
