// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/common/uilog.h"

Q_LOGGING_CATEGORY(lcUi, "quillon.ui", QtInfoMsg)
