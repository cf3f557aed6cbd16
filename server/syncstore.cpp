// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/syncstore.h"

#include "server/postgresstore.h"
#include "server/sqlitestore.h"

std::unique_ptr<SyncStore> SyncStore::create(const QString &dataDir, const QString &databaseUrl,
                                             int connections) {
    if (!databaseUrl.isEmpty())
        return std::make_unique<PostgresStore>(databaseUrl, connections);
    return std::make_unique<SqliteStore>(dataDir);
}
