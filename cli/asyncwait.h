// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <functional>

class QObject;

// The command line drives the program's asynchronous services from a plain function: it runs
// the event loop until the operation that start begins reports back through done, or until
// timeoutMs passes (negative: no limit). Connections start makes with scope as their context
// end with the wait, and a done that comes after the wait is harmless. True when done came.
bool waitForResult(
    const std::function<void(QObject *scope, const std::function<void()> &done)> &start,
    int timeoutMs = -1);
