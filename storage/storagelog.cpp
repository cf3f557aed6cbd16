// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/storagelog.h"

// Info stays on: the start-up and migration lines are meant for verbose mode.
Q_LOGGING_CATEGORY(lcStorage, "quillon.storage", QtInfoMsg)
