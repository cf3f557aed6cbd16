// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

namespace TindAccount {

// Whether text may stand as one segment of a request path: not empty, no slash or backslash,
// not "." or "..". Ids and invite codes go into paths as they are, so one holding a slash or
// a dot segment would reach a different operation of the service.
bool isSafePathSegment(const QString &text);

} // namespace TindAccount
