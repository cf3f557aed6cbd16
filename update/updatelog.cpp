// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/updatelog.h"

namespace TindUpdate {

// Every level is enabled; the program's message handler decides what is shown.
Q_LOGGING_CATEGORY(lcUpdate, "tindupdate.client")

} // namespace TindUpdate
