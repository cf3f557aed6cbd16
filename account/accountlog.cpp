// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/accountlog.h"

Q_LOGGING_CATEGORY(lcTindAccount, "tindaccount.client", QtInfoMsg)
