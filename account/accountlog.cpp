// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "accountlog.h"

Q_LOGGING_CATEGORY(lcTindAccount, "tindaccount.client", QtInfoMsg)
