// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/asyncwait.h"

#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <memory>

bool waitForResult(
    const std::function<void(QObject *scope, const std::function<void()> &done)> &start,
    int timeoutMs) {
    struct Wait {
        QEventLoop *loop = nullptr;
        bool finished = false;
    };
    // Shared with done, which an operation may keep and call after the wait gave up.
    const auto wait = std::make_shared<Wait>();
    QEventLoop loop;
    wait->loop = &loop;
    const std::function<void()> done = [wait] {
        wait->finished = true;
        if (wait->loop)
            wait->loop->quit();
    };
    QObject scope;
    if (timeoutMs >= 0)
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    start(&scope, done);
    if (!wait->finished)
        loop.exec();
    wait->loop = nullptr;
    return wait->finished;
}
