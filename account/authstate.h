// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>

namespace TindAccount {
Q_NAMESPACE

// The numeric values are exchanged with the application and must not change; 2 is unused.
enum class AuthState : int {
    Initial = 0,
    SignedOut = 1,
    SignedIn = 3,
};
Q_ENUM_NS(AuthState)

} // namespace TindAccount
