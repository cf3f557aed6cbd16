// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QLoggingCategory>

namespace TindUpdate {

Q_DECLARE_LOGGING_CATEGORY(lcUpdate)

} // namespace TindUpdate
