// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

// How long a message stays in a status line: a short one confirms, a long one explains a
// refusal or a failure that needs reading.
namespace MessageTimes {

constexpr int ShortMs = 3000;
constexpr int LongMs = 5000;

} // namespace MessageTimes
