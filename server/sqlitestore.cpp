// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/sqlitestore.h"

#include "server/synccursor.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <memory>
#include <unordered_map>

namespace {

// Each entry brings the schema from the version before it to its own number.
const QList<QStringList> kMigrations{
    {
        QStringLiteral("CREATE TABLE records (server_id TEXT PRIMARY KEY, owner_id TEXT NOT NULL, "
                       "entity_type TEXT NOT NULL, client_id TEXT NOT NULL, account_id TEXT NOT "
                       "NULL DEFAULT '', version INTEGER NOT NULL, deleted INTEGER NOT NULL, seq "
                       "INTEGER NOT NULL, payload TEXT NOT NULL)"),
        QStringLiteral("CREATE UNIQUE INDEX records_identity ON records (owner_id, entity_type, "
                       "client_id)"),
        QStringLiteral("CREATE INDEX records_owner_seq ON records (owner_id, seq)"),
        QStringLiteral("CREATE INDEX records_account_seq ON records (owner_id, account_id, seq)"),
        QStringLiteral("CREATE TABLE shares (owner_id TEXT NOT NULL, account_id TEXT NOT NULL, "
                       "member_id TEXT NOT NULL, email TEXT NOT NULL, role TEXT NOT NULL, "
                       "created_at TEXT NOT NULL, PRIMARY KEY (owner_id, account_id, member_id))"),
        QStringLiteral("CREATE INDEX shares_member ON shares (member_id)"),
        QStringLiteral("CREATE TABLE revocations (member_id TEXT NOT NULL, server_id TEXT NOT "
                       "NULL, owner_id TEXT NOT NULL, account_id TEXT NOT NULL, entity_type TEXT "
                       "NOT NULL, client_id TEXT NOT NULL, version INTEGER NOT NULL, payload TEXT "
                       "NOT NULL, seq INTEGER NOT NULL, PRIMARY KEY (member_id, server_id))"),
        QStringLiteral("CREATE INDEX revocations_member_seq ON revocations (member_id, seq)"),
        QStringLiteral("CREATE TABLE users (user_id TEXT PRIMARY KEY, group_id TEXT NOT NULL, "
                       "email TEXT NOT NULL, display_name TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX users_email ON users (email)"),
        QStringLiteral("CREATE TABLE counters (name TEXT PRIMARY KEY, value INTEGER NOT NULL)"),
        QStringLiteral("INSERT INTO counters (name, value) VALUES ('sequence', 0)"),
        QStringLiteral("CREATE TABLE server_keys (name TEXT PRIMARY KEY, value TEXT NOT NULL)"),
    },
    {
        // The server now keeps the family groups itself, so it needs each member's role.
        QStringLiteral("ALTER TABLE users ADD COLUMN role TEXT NOT NULL DEFAULT ''"),
    },
};

const QString kRecordColumns = QStringLiteral(
    "server_id, owner_id, entity_type, client_id, account_id, version, deleted, seq, payload");

std::atomic<int> g_storeNumber{0};

} // namespace

struct SqliteStore::Connection {
    QString name;
    QHash<QString, std::shared_ptr<QSqlQuery>> statements;

    QSqlDatabase database() const { return QSqlDatabase::database(name, false); }
    QSqlQuery &prepared(const QString &sql) {
        auto &slot = statements[sql];
        if (!slot) {
            slot = std::make_shared<QSqlQuery>(database());
            slot->setForwardOnly(true);
            slot->prepare(sql);
        }
        return *slot;
    }
};

namespace {
// One connection per thread and store: QSqlDatabase connections belong to their thread.
thread_local std::unordered_map<const SqliteStore *, std::unique_ptr<SqliteStore::Connection>>
    tl_connections;
} // namespace

class SqliteStore::Session : public StoreSession {
public:
    Session(Connection *connection, bool writing)
        : m_connection(connection)
        , m_writing(writing) {}

    bool exec(QSqlQuery &query) {
        if (query.exec())
            return true;
        m_error = query.lastError().text();
        return false;
    }

    QSqlQuery &bind(const QString &sql, const QVariantList &values) {
        QSqlQuery &query = m_connection->prepared(sql);
        for (int i = 0; i < values.size(); ++i) {
            // Every text column is NOT NULL: an absent text is stored empty.
            const QVariant &value = values.at(i);
            query.bindValue(i, value.typeId() == QMetaType::QString && value.toString().isNull()
                                   ? QVariant(QStringLiteral(""))
                                   : value);
        }
        return query;
    }

    static StoredRecord readRecord(const QSqlQuery &query) {
        StoredRecord record;
        record.serverId = query.value(0).toString();
        record.ownerId = query.value(1).toString();
        record.entityType = query.value(2).toString();
        record.clientId = query.value(3).toString();
        record.accountId = query.value(4).toString();
        record.version = query.value(5).toInt();
        record.deleted = query.value(6).toInt() != 0;
        record.sequence = query.value(7).toLongLong();
        record.payload = query.value(8).toString().toUtf8();
        return record;
    }

    QList<StoredRecord> records(const QString &sql, const QVariantList &values) {
        QSqlQuery &query = bind(sql, values);
        QList<StoredRecord> result;
        if (!exec(query))
            return result;
        while (query.next())
            result.append(readRecord(query));
        query.finish();
        return result;
    }

    std::optional<StoredRecord> oneRecord(const QString &sql, const QVariantList &values) {
        QList<StoredRecord> found = records(sql, values);
        if (found.isEmpty())
            return std::nullopt;
        return found.first();
    }

    // The writer holds the database's write lock (BEGIN IMMEDIATE) for the whole session, so
    // what is read here stays true but for what this session writes itself.
    void preload(const QList<QString> &serverIds, const QList<ClientKey> &clientKeys) override {
        Q_ASSERT(m_writing);
        for (const QString &serverId : serverIds)
            m_preloaded.insert(serverKey(serverId), std::nullopt);
        QJsonArray keys;
        for (const ClientKey &key : clientKeys) {
            m_preloaded.insert(clientKey(key.ownerId, key.entityType, key.clientId), std::nullopt);
            keys.append(QJsonArray{key.ownerId, key.entityType, key.clientId});
        }
        const auto remember = [this](const QList<StoredRecord> &found) {
            for (const StoredRecord &record : found) {
                m_preloaded.insert(serverKey(record.serverId), record);
                m_preloaded.insert(clientKey(record.ownerId, record.entityType, record.clientId),
                                   record);
            }
        };
        if (!serverIds.isEmpty())
            remember(records(QStringLiteral("SELECT %1 FROM records WHERE server_id IN (SELECT "
                                            "value FROM json_each(?))")
                                 .arg(kRecordColumns),
                             {jsonText(QJsonArray::fromStringList(serverIds))}));
        if (!keys.isEmpty())
            remember(records(
                QStringLiteral("SELECT %1 FROM records WHERE (owner_id, entity_type, "
                               "client_id) IN (SELECT json_extract(value, '$[0]'), "
                               "json_extract(value, '$[1]'), json_extract(value, '$[2]') FROM "
                               "json_each(?))")
                    .arg(kRecordColumns),
                {jsonText(keys)}));
        // A failed read leaves nothing known: every lookup then asks the database.
        if (!m_error.isEmpty())
            m_preloaded.clear();
    }

    std::optional<StoredRecord> recordByServerId(const QString &serverId) override {
        const auto known = m_preloaded.constFind(serverKey(serverId));
        if (known != m_preloaded.cend())
            return *known;
        return oneRecord(
            QStringLiteral("SELECT %1 FROM records WHERE server_id = ?").arg(kRecordColumns),
            {serverId});
    }

    std::optional<StoredRecord> recordByClientId(const QString &ownerId, const QString &entityType,
                                                 const QString &clientId) override {
        const auto known = m_preloaded.constFind(clientKey(ownerId, entityType, clientId));
        if (known != m_preloaded.cend())
            return *known;
        return oneRecord(QStringLiteral("SELECT %1 FROM records WHERE owner_id = ? AND "
                                        "entity_type = ? AND client_id = ?")
                             .arg(kRecordColumns),
                         {ownerId, entityType, clientId});
    }

    QList<StoredRecord> recordsOfAccount(const QString &ownerId,
                                         const QString &accountId) override {
        return records(
            QStringLiteral("SELECT %1 FROM records WHERE owner_id = ? AND account_id = ?")
                .arg(kRecordColumns),
            {ownerId, accountId});
    }

    bool putRecord(const StoredRecord &record) override {
        QSqlQuery &query = bind(
            QStringLiteral("INSERT INTO records (%1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON "
                           "CONFLICT (server_id) DO UPDATE SET account_id = excluded.account_id, "
                           "version = excluded.version, deleted = excluded.deleted, seq = "
                           "excluded.seq, payload = excluded.payload")
                .arg(kRecordColumns),
            {record.serverId, record.ownerId, record.entityType, record.clientId, record.accountId,
             record.version, int(record.deleted), record.sequence,
             QString::fromUtf8(record.payload)});
        if (!exec(query))
            return false;
        if (!m_preloaded.isEmpty()) {
            m_preloaded.insert(serverKey(record.serverId), record);
            m_preloaded.insert(clientKey(record.ownerId, record.entityType, record.clientId),
                               record);
        }
        return true;
    }

    qint64 nextSequence() override {
        Q_ASSERT(m_writing);
        if (!m_sequenceRead) {
            m_sequence = committedSequence();
            m_sequenceRead = true;
        }
        m_sequence = SyncCursor::next(m_sequence);
        m_sequenceDirty = true;
        return m_sequence;
    }

    qint64 committedSequence() override {
        QSqlQuery &query
            = bind(QStringLiteral("SELECT value FROM counters WHERE name = 'sequence'"), {});
        qint64 value = 0;
        if (exec(query) && query.next())
            value = query.value(0).toLongLong();
        query.finish();
        return value;
    }

    bool flush() {
        if (!m_sequenceDirty)
            return true;
        QSqlQuery &query = bind(
            QStringLiteral("UPDATE counters SET value = ? WHERE name = 'sequence'"), {m_sequence});
        return exec(query);
    }

    QList<StoredRecord> ownChanges(const QString &ownerId, qint64 since, qint64 upTo,
                                   int limit) override {
        return records(QStringLiteral("SELECT %1 FROM records WHERE owner_id = ? AND seq > ? AND "
                                      "seq <= ? ORDER BY seq LIMIT ?")
                           .arg(kRecordColumns),
                       {ownerId, since, upTo, limit});
    }

    QList<StoredRecord> sharedChanges(const QString &memberId, qint64 since, qint64 upTo,
                                      int limit) override {
        return records(
            QStringLiteral("SELECT r.server_id, r.owner_id, r.entity_type, r.client_id, "
                           "r.account_id, r.version, r.deleted, r.seq, r.payload FROM shares s "
                           "JOIN records r ON r.owner_id = s.owner_id AND r.account_id = "
                           "s.account_id WHERE s.member_id = ? AND r.seq > ? AND r.seq <= ? "
                           "ORDER BY r.seq LIMIT ?"),
            {memberId, since, upTo, limit});
    }

    QList<StoredRecord> revocations(const QString &memberId, qint64 since, qint64 upTo,
                                    int limit) override {
        QList<StoredRecord> result = records(
            QStringLiteral("SELECT server_id, owner_id, entity_type, client_id, account_id, "
                           "version, 1, seq, payload FROM revocations WHERE member_id = ? AND seq "
                           "> ? AND seq <= ? ORDER BY seq LIMIT ?"),
            {memberId, since, upTo, limit});
        for (StoredRecord &record : result)
            record.revoked = true;
        return result;
    }

    bool hasRevocation(const QString &memberId, const QString &serverId) override {
        QSqlQuery &query = bind(
            QStringLiteral("SELECT 1 FROM revocations WHERE member_id = ? AND server_id = ?"),
            {memberId, serverId});
        const bool found = exec(query) && query.next();
        query.finish();
        return found;
    }

    bool addRevocation(const QString &memberId, const StoredRecord &record,
                       qint64 sequence) override {
        QSqlQuery &query = bind(
            QStringLiteral("INSERT OR REPLACE INTO revocations (member_id, server_id, owner_id, "
                           "account_id, entity_type, client_id, version, payload, seq) VALUES "
                           "(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {memberId, record.serverId, record.ownerId, record.accountId, record.entityType,
             record.clientId, record.version, QString::fromUtf8(record.payload), sequence});
        return exec(query);
    }

    bool clearRevocations(const QString &memberId, const QString &ownerId,
                          const QString &accountId) override {
        QSqlQuery &query = bind(QStringLiteral("DELETE FROM revocations WHERE member_id = ? AND "
                                               "owner_id = ? AND account_id = ?"),
                                {memberId, ownerId, accountId});
        return exec(query);
    }

    int liveCategoryCount(const QString &ownerId) override {
        QSqlQuery &query = bind(QStringLiteral("SELECT COUNT(*) FROM records WHERE owner_id = ? "
                                               "AND entity_type = 'category' AND deleted = 0"),
                                {ownerId});
        int count = 0;
        if (exec(query) && query.next())
            count = query.value(0).toInt();
        query.finish();
        return count;
    }

    QList<Share> shares(const QString &where, const QVariantList &values) {
        QSqlQuery &query = bind(QStringLiteral("SELECT owner_id, account_id, member_id, email, "
                                               "role, created_at FROM shares WHERE %1 ORDER BY "
                                               "created_at, member_id")
                                    .arg(where),
                                values);
        QList<Share> result;
        if (!exec(query))
            return result;
        while (query.next())
            result.append(Share{query.value(0).toString(), query.value(1).toString(),
                                query.value(2).toString(), query.value(3).toString(),
                                query.value(4).toString(), query.value(5).toString()});
        query.finish();
        return result;
    }

    QList<Share> sharesOfMember(const QString &memberId) override {
        return shares(QStringLiteral("member_id = ?"), {memberId});
    }

    QList<Share> sharesOfAccount(const QString &ownerId, const QString &accountId) override {
        return shares(QStringLiteral("owner_id = ? AND account_id = ?"), {ownerId, accountId});
    }

    QList<QString> sharedAccountsOf(const QString &ownerId) override {
        QSqlQuery &query = bind(
            QStringLiteral("SELECT DISTINCT account_id FROM shares WHERE owner_id = ?"), {ownerId});
        QList<QString> result;
        if (!exec(query))
            return result;
        while (query.next())
            result.append(query.value(0).toString());
        query.finish();
        return result;
    }

    bool putShare(const Share &share) override {
        QSqlQuery &query = bind(QStringLiteral("INSERT OR REPLACE INTO shares (owner_id, "
                                               "account_id, member_id, email, role, created_at) "
                                               "VALUES (?, ?, ?, ?, ?, ?)"),
                                {share.ownerId, share.accountId, share.memberId, share.email,
                                 share.role, share.createdAt});
        return exec(query);
    }

    bool removeShare(const QString &ownerId, const QString &accountId,
                     const QString &memberId) override {
        QSqlQuery &query = bind(QStringLiteral("DELETE FROM shares WHERE owner_id = ? AND "
                                               "account_id = ? AND member_id = ?"),
                                {ownerId, accountId, memberId});
        return exec(query);
    }

    std::optional<KnownUser> oneUser(const QString &where, const QString &value) {
        QSqlQuery &query = bind(QStringLiteral("SELECT user_id, group_id, email, display_name, "
                                               "role FROM users WHERE %1 = ? LIMIT 1")
                                    .arg(where),
                                {value});
        std::optional<KnownUser> result;
        if (exec(query) && query.next())
            result = KnownUser{query.value(0).toString(), query.value(1).toString(),
                               query.value(2).toString(), query.value(3).toString(),
                               query.value(4).toString()};
        query.finish();
        return result;
    }

    std::optional<KnownUser> user(const QString &userId) override {
        return oneUser(QStringLiteral("user_id"), userId);
    }

    std::optional<KnownUser> userByEmail(const QString &email) override {
        return oneUser(QStringLiteral("email"), email);
    }

    bool putUser(const KnownUser &user) override {
        QSqlQuery &query
            = bind(QStringLiteral("INSERT OR REPLACE INTO users (user_id, group_id, "
                                  "email, display_name, role) VALUES (?, ?, ?, ?, ?)"),
                   {user.userId, user.groupId, user.email, user.displayName, user.role});
        return exec(query);
    }

    QString lastError() const override { return m_error; }

private:
    static QString serverKey(const QString &serverId) { return QLatin1Char('s') + serverId; }
    static QString clientKey(const QString &ownerId, const QString &entityType,
                             const QString &clientId) {
        return QLatin1Char('c') + ownerId + QLatin1Char('\n') + entityType + QLatin1Char('\n')
               + clientId;
    }
    static QString jsonText(const QJsonArray &array) {
        return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
    }

    // Read ahead by preload, by serverKey and clientKey; an empty entry: no such record.
    QHash<QString, std::optional<StoredRecord>> m_preloaded;
    Connection *m_connection;
    bool m_writing;
    qint64 m_sequence = 0;
    bool m_sequenceRead = false;
    bool m_sequenceDirty = false;
    QString m_error;
};

SqliteStore::SqliteStore(const QString &dataDir)
    : m_path(QDir(dataDir).filePath(QStringLiteral("quillon-server.db")))
    , m_connectionPrefix(QStringLiteral("quillon-server-%1-").arg(++g_storeNumber)) {}

SqliteStore::~SqliteStore() {
    auto it = tl_connections.find(this);
    if (it != tl_connections.end()) {
        const QString name = it->second->name;
        tl_connections.erase(it);
        QSqlDatabase::removeDatabase(name);
    }
}

SqliteStore::Connection *SqliteStore::connection(QString *error) {
    auto &slot = tl_connections[this];
    if (slot)
        return slot.get();
    auto connection = std::make_unique<Connection>();
    connection->name = m_connectionPrefix
                       + QString::number(reinterpret_cast<quintptr>(QThread::currentThreadId()));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection->name);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    if (!db.open()) {
        if (error)
            *error = db.lastError().text();
        tl_connections.erase(this);
        QSqlDatabase::removeDatabase(connection->name);
        return nullptr;
    }
    QSqlQuery pragma(db);
    pragma.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    pragma.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    // A push of 500 changes dirties pages all over the identity indexes (ids are random):
    // more than SQLite's 2 MB cache holds, so it would spill them to the log one by one
    // mid-transaction and read them back. Bounded per connection, so memory stays flat
    // however large the data grows.
    pragma.exec(QStringLiteral("PRAGMA cache_size = -16384"));
    // Upserts keep a statement journal; in memory it costs no file writes.
    pragma.exec(QStringLiteral("PRAGMA temp_store = MEMORY"));
    // A push commits a thousand pages or more, so at SQLite's default every commit would
    // copy the log back into the database: with a larger log the index pages that each push
    // rewrites are copied once for many pushes. The file is cut back after a checkpoint.
    pragma.exec(QStringLiteral("PRAGMA wal_autocheckpoint = 16384"));
    pragma.exec(QStringLiteral("PRAGMA journal_size_limit = 67108864"));
    slot = std::move(connection);
    return slot.get();
}

bool SqliteStore::open(QString *error) {
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        *error = QStringLiteral("cannot create the data directory");
        return false;
    }
    Connection *conn = connection(error);
    if (!conn)
        return false;
    const std::lock_guard<std::mutex> lock(m_writeLock);
    QSqlDatabase db = conn->database();
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        *error = query.lastError().text();
        return false;
    }
    int version = 0;
    if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next())
        version = query.value(0).toInt();
    for (int next = version; next < kMigrations.size(); ++next) {
        for (const QString &statement : kMigrations.at(next)) {
            if (!query.exec(statement)) {
                *error = QStringLiteral("migration %1 failed: %2")
                             .arg(next + 1)
                             .arg(query.lastError().text());
                query.exec(QStringLiteral("ROLLBACK"));
                return false;
            }
        }
    }
    if (version < kMigrations.size())
        query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kMigrations.size()));
    if (!query.exec(QStringLiteral("COMMIT"))) {
        *error = query.lastError().text();
        return false;
    }
    return true;
}

QByteArray SqliteStore::signingKey(QString *error) {
    QByteArray key;
    const bool ok = run(
        Mode::Write,
        [this, &key](StoreSession &) {
            QSqlQuery query(tl_connections[this]->database());
            if (!query.exec(QStringLiteral("SELECT value FROM server_keys WHERE name = 'jwt'")))
                return false;
            if (query.next()) {
                key = QByteArray::fromHex(query.value(0).toString().toLatin1());
                return true;
            }
            QByteArray fresh(32, Qt::Uninitialized);
            QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(fresh.data()),
                                                  fresh.size() / 4);
            query.prepare(
                QStringLiteral("INSERT INTO server_keys (name, value) VALUES ('jwt', ?)"));
            query.addBindValue(QString::fromLatin1(fresh.toHex()));
            if (!query.exec())
                return false;
            key = fresh;
            return true;
        },
        error);
    return ok ? key : QByteArray();
}

bool SqliteStore::run(Mode mode, const Work &work, QString *error) {
    Connection *conn = connection(error);
    if (!conn)
        return false;
    std::unique_lock<std::mutex> lock(m_writeLock, std::defer_lock);
    if (mode == Mode::Write)
        lock.lock();
    QSqlDatabase db = conn->database();
    QSqlQuery control(db);
    // A writer takes the database's write lock at once: taking it later, after reading, can
    // fail against another process instead of waiting for it.
    if (!control.exec(mode == Mode::Write ? QStringLiteral("BEGIN IMMEDIATE")
                                          : QStringLiteral("BEGIN"))) {
        if (error)
            *error = control.lastError().text();
        return false;
    }
    Session session(conn, mode == Mode::Write);
    const bool ok = work(session) && session.flush();
    if (!ok || !control.exec(QStringLiteral("COMMIT"))) {
        if (error)
            *error
                = session.lastError().isEmpty() ? control.lastError().text() : session.lastError();
        control.exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}
