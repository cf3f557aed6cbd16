// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/servicelog.h"

Q_LOGGING_CATEGORY(lcServices, "quillon.services", QtInfoMsg)
