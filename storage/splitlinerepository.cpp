// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/splitlinerepository.h"

SplitLineRepository::SplitLineRepository(Database *database, QObject *parent)
    : Repository(database, QStringLiteral("split_lines"), parent) {}
