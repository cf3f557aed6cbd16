// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/syncstore.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <condition_variable>
#include <mutex>
#include <unordered_map>
#include <vector>

typedef struct pg_conn PGconn;

// The store for larger hosts: PostgreSQL through libpq, with a pool of connections shared by
// the server's threads. Several server processes may use one database: the sequence lives in
// a row that each writing transaction locks until it commits, so changes become visible in
// sequence order across all of them.
class PostgresStore : public SyncStore {
public:
    PostgresStore(const QString &url, int connections);
    ~PostgresStore() override;

    bool open(QString *error) override;
    QByteArray signingKey(QString *error) override;
    bool run(Mode mode, const Work &work, QString *error) override;

private:
    class Session;
    PGconn *acquire(QString *error);
    void release(PGconn *connection);

    QByteArray m_url;
    int m_size;
    int m_opened = 0;
    std::vector<PGconn *> m_idle;
    // The statements each connection has prepared; an entry is used only by the session that
    // holds its connection.
    std::unordered_map<PGconn *, QHash<QString, QByteArray>> m_statements;
    std::mutex m_lock;
    std::condition_variable m_available;
};
