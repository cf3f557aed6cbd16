// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcServices)
