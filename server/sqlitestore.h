// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/syncstore.h"

#include <QString>

#include <mutex>

// The embedded store: one SQLite file in the data directory, in WAL mode, one connection per
// server thread. Writers of this process take turns on a mutex before SQLite's own lock, so
// they queue instead of polling a busy database.
class SqliteStore : public SyncStore {
public:
    explicit SqliteStore(const QString &dataDir);
    ~SqliteStore() override;

    bool open(QString *error) override;
    QByteArray signingKey(QString *error) override;
    bool run(Mode mode, const Work &work, QString *error) override;

    QString databasePath() const { return m_path; }

    struct Connection; // public only for the per-thread table inside the source file

private:
    class Session;
    Connection *connection(QString *error);

    QString m_path;
    QString m_connectionPrefix;
    std::mutex m_writeLock;
};
