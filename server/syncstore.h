// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/storesession.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// Where the server keeps its data: SQLite in a data directory, or PostgreSQL. Safe to use from
// every thread of the server at once.
class SyncStore {
public:
    enum class Mode { Read, Write };
    using Work = std::function<bool(StoreSession &session)>;

    virtual ~SyncStore() = default;

    // Opens the database and brings its schema up to date.
    virtual bool open(QString *error) = 0;
    // The key tokens are signed with; made and kept on first use.
    virtual QByteArray signingKey(QString *error) = 0;
    // Runs work in one transaction, committed when it returns true and rolled back otherwise.
    virtual bool run(Mode mode, const Work &work, QString *error) = 0;

    // A store for a --database URL ("postgresql://...") or, when empty, SQLite in dataDir.
    static std::unique_ptr<SyncStore> create(const QString &dataDir, const QString &databaseUrl,
                                             int connections);
};
