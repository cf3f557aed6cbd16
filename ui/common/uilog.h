// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QLoggingCategory>

// What the windows report about themselves, apart from the application core's own messages, so
// that the window's noise can be turned down or up on its own ("quillon.ui.debug=true").
Q_DECLARE_LOGGING_CATEGORY(lcUi)
