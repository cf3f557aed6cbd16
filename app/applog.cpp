// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/applog.h"

Q_LOGGING_CATEGORY(lcApp, "quillon.app", QtInfoMsg)
