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
#include <QSqlRecord>
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
    {
        // Sign-in: credentials, sessions with their rotating refresh tokens, one-time codes
        // of the browser sign-in and the counters that slow down password guessing.
        QStringLiteral("CREATE TABLE credentials (user_id TEXT PRIMARY KEY, email TEXT NOT NULL "
                       "UNIQUE, password_hash TEXT NOT NULL, disabled INTEGER NOT NULL, "
                       "created_at TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE auth_sessions (session_id TEXT PRIMARY KEY, user_id TEXT NOT "
                       "NULL, user_agent TEXT NOT NULL, ip_address TEXT NOT NULL, created_at TEXT "
                       "NOT NULL, last_active_at TEXT NOT NULL, revoked INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX auth_sessions_user ON auth_sessions (user_id)"),
        QStringLiteral("CREATE TABLE refresh_tokens (token_hash TEXT PRIMARY KEY, session_id "
                       "TEXT NOT NULL, expires_at BIGINT NOT NULL, used INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX refresh_tokens_expiry ON refresh_tokens (expires_at)"),
        QStringLiteral("CREATE TABLE auth_codes (code_hash TEXT PRIMARY KEY, user_id TEXT NOT "
                       "NULL, client_id TEXT NOT NULL, redirect_uri TEXT NOT NULL, "
                       "code_challenge TEXT NOT NULL, expires_at BIGINT NOT NULL)"),
        QStringLiteral("CREATE TABLE rate_limits (bucket TEXT PRIMARY KEY, window_start BIGINT "
                       "NOT NULL, attempts INTEGER NOT NULL)"),
    },
    {
        // Groups, invitations and devices of the account service.
        QStringLiteral("ALTER TABLE users ADD COLUMN joined_at TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("ALTER TABLE users ADD COLUMN created_at TEXT NOT NULL DEFAULT ''"),
        QStringLiteral("CREATE INDEX users_group ON users (group_id)"),
        QStringLiteral("CREATE TABLE family_groups (group_id TEXT PRIMARY KEY, name TEXT NOT NULL, "
                       "max_seats INTEGER NOT NULL, created_at TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE invitations (invitation_id TEXT PRIMARY KEY, group_id TEXT "
                       "NOT NULL, code TEXT NOT NULL UNIQUE, email TEXT NOT NULL, invited_by TEXT "
                       "NOT NULL, created_at TEXT NOT NULL, expires_at TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX invitations_group ON invitations (group_id)"),
        QStringLiteral("CREATE TABLE devices (device_id TEXT PRIMARY KEY, user_id TEXT NOT NULL, "
                       "fingerprint TEXT NOT NULL, device_name TEXT NOT NULL, platform TEXT NOT "
                       "NULL, app_id TEXT NOT NULL, app_version TEXT NOT NULL, created_at TEXT NOT "
                       "NULL, last_sync_at TEXT NOT NULL, UNIQUE (user_id, fingerprint))"),
        QStringLiteral("CREATE TABLE deleted_users (user_id TEXT PRIMARY KEY, deleted_at TEXT NOT "
                       "NULL)"),
        // Groups taken from tokens so far had no roles and no rows of their own.
        QStringLiteral("UPDATE users SET role = 'member' WHERE group_id <> '' AND role = ''"),
        QStringLiteral("INSERT INTO family_groups (group_id, name, max_seats, created_at) SELECT "
                       "DISTINCT group_id, group_id, 6, '' FROM users WHERE group_id <> ''"),
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

    // The rows of a query, each as its columns' texts.
    QList<QStringList> select(const QString &sql, const QVariantList &values) {
        QSqlQuery &query = bind(sql, values);
        QList<QStringList> rows;
        if (!exec(query))
            return rows;
        while (query.next()) {
            QStringList row;
            for (int i = 0; i < query.record().count(); ++i)
                row.append(query.value(i).toString());
            rows.append(row);
        }
        query.finish();
        return rows;
    }

    bool execute(const QString &sql, const QVariantList &values) {
        QSqlQuery &query = bind(sql, values);
        const bool ok = exec(query);
        query.finish();
        return ok;
    }

    static KnownUser toUser(const QStringList &row) {
        return KnownUser{row.at(0), row.at(1), row.at(2), row.at(3),
                         row.at(4), row.at(5), row.at(6)};
    }

    std::optional<KnownUser> oneUser(const QString &where, const QString &value) {
        const QList<QStringList> rows
            = select(QStringLiteral("SELECT user_id, group_id, email, display_name, role, "
                                    "joined_at, created_at FROM users WHERE %1 = ? LIMIT 1")
                         .arg(where),
                     {value});
        if (rows.isEmpty())
            return std::nullopt;
        return toUser(rows.first());
    }

    std::optional<KnownUser> user(const QString &userId) override {
        return oneUser(QStringLiteral("user_id"), userId);
    }

    std::optional<KnownUser> userByEmail(const QString &email) override {
        return oneUser(QStringLiteral("email"), email);
    }

    bool putUser(const KnownUser &user) override {
        QSqlQuery &query = bind(
            QStringLiteral("INSERT OR REPLACE INTO users (user_id, group_id, email, display_name, "
                           "role, joined_at, created_at) VALUES (?, ?, ?, ?, ?, ?, ?)"),
            {user.userId, user.groupId, user.email, user.displayName, user.role, user.joinedAt,
             user.createdAt});
        return exec(query);
    }

    // Runs a statement and tells how many rows it changed; -1 when it failed.
    int changedRows(const QString &sql, const QVariantList &values) {
        QSqlQuery &query = bind(sql, values);
        if (!exec(query))
            return -1;
        const int changed = query.numRowsAffected();
        query.finish();
        return changed;
    }

    static Credential readCredential(const QSqlQuery &query) {
        return Credential{query.value(0).toString(), query.value(1).toString(),
                          query.value(2).toString(), query.value(3).toInt() != 0,
                          query.value(4).toString()};
    }

    QList<Credential> credentialsWhere(const QString &where, const QVariantList &values) {
        QSqlQuery &query = bind(QStringLiteral("SELECT user_id, email, password_hash, disabled, "
                                               "created_at FROM credentials %1 ORDER BY email")
                                    .arg(where),
                                values);
        QList<Credential> result;
        if (!exec(query))
            return result;
        while (query.next())
            result.append(readCredential(query));
        query.finish();
        return result;
    }

    std::optional<Credential> credential(const QString &userId) override {
        const QList<Credential> found
            = credentialsWhere(QStringLiteral("WHERE user_id = ?"), {userId});
        return found.isEmpty() ? std::nullopt : std::optional<Credential>(found.first());
    }

    std::optional<Credential> credentialByEmail(const QString &email) override {
        const QList<Credential> found
            = credentialsWhere(QStringLiteral("WHERE email = ?"), {email});
        return found.isEmpty() ? std::nullopt : std::optional<Credential>(found.first());
    }

    QList<Credential> credentials() override { return credentialsWhere(QString(), {}); }

    bool putCredential(const Credential &credential) override {
        return changedRows(QStringLiteral("INSERT INTO credentials (user_id, email, "
                                          "password_hash, disabled, created_at) VALUES (?, ?, ?, "
                                          "?, ?) ON CONFLICT (user_id) DO UPDATE SET email = "
                                          "excluded.email, password_hash = "
                                          "excluded.password_hash, disabled = excluded.disabled"),
                           {credential.userId, credential.email, credential.passwordHash,
                            int(credential.disabled), credential.createdAt})
               >= 0;
    }

    QList<AuthSession> authSessionsWhere(const QString &where, const QVariantList &values) {
        QSqlQuery &query
            = bind(QStringLiteral("SELECT session_id, user_id, user_agent, ip_address, created_at, "
                                  "last_active_at, revoked FROM auth_sessions WHERE %1 ORDER BY "
                                  "created_at, session_id")
                       .arg(where),
                   values);
        QList<AuthSession> result;
        if (!exec(query))
            return result;
        while (query.next())
            result.append(AuthSession{query.value(0).toString(), query.value(1).toString(),
                                      query.value(2).toString(), query.value(3).toString(),
                                      query.value(4).toString(), query.value(5).toString(),
                                      query.value(6).toInt() != 0});
        query.finish();
        return result;
    }

    bool putAuthSession(const AuthSession &session) override {
        return changedRows(QStringLiteral("INSERT OR REPLACE INTO auth_sessions (session_id, "
                                          "user_id, user_agent, ip_address, created_at, "
                                          "last_active_at, revoked) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                           {session.sessionId, session.userId, session.userAgent, session.ipAddress,
                            session.createdAt, session.lastActiveAt, int(session.revoked)})
               >= 0;
    }

    std::optional<AuthSession> authSession(const QString &sessionId) override {
        const QList<AuthSession> found
            = authSessionsWhere(QStringLiteral("session_id = ?"), {sessionId});
        return found.isEmpty() ? std::nullopt : std::optional<AuthSession>(found.first());
    }

    QList<AuthSession> liveAuthSessionsOf(const QString &userId) override {
        return authSessionsWhere(QStringLiteral("user_id = ? AND revoked = 0"), {userId});
    }

    bool revokeAuthSessionsOf(const QString &userId, const QString &keep) override {
        return changedRows(QStringLiteral("UPDATE auth_sessions SET revoked = 1 WHERE user_id = "
                                          "? AND session_id <> ?"),
                           {userId, keep})
               >= 0;
    }

    bool isAuthSessionLive(const QString &sessionId, const QString &userId) override {
        QSqlQuery &query = bind(QStringLiteral("SELECT user_id, revoked FROM auth_sessions WHERE "
                                               "session_id = ?"),
                                {sessionId});
        const bool live = exec(query) && query.next() && query.value(0).toString() == userId
                          && query.value(1).toInt() == 0;
        query.finish();
        return live;
    }

    bool putRefreshToken(const RefreshToken &token) override {
        return changedRows(QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, "
                                          "expires_at, used) VALUES (?, ?, ?, ?)"),
                           {token.tokenHash, token.sessionId, token.expiresAt, int(token.used)})
               >= 0;
    }

    std::optional<RefreshToken> refreshToken(const QString &tokenHash) override {
        QSqlQuery &query = bind(QStringLiteral("SELECT token_hash, session_id, expires_at, used "
                                               "FROM refresh_tokens WHERE token_hash = ?"),
                                {tokenHash});
        std::optional<RefreshToken> result;
        if (exec(query) && query.next())
            result = RefreshToken{query.value(0).toString(), query.value(1).toString(),
                                  query.value(2).toLongLong(), query.value(3).toInt() != 0};
        query.finish();
        return result;
    }

    bool useRefreshToken(const QString &tokenHash) override {
        return changedRows(QStringLiteral("UPDATE refresh_tokens SET used = 1 WHERE token_hash = "
                                          "? AND used = 0"),
                           {tokenHash})
               == 1;
    }

    bool forgetExpired(qint64 now) override {
        return changedRows(QStringLiteral("DELETE FROM refresh_tokens WHERE expires_at < ?"), {now})
                   >= 0
               && changedRows(QStringLiteral("DELETE FROM auth_codes WHERE expires_at < ?"), {now})
                      >= 0;
    }

    bool putAuthCode(const AuthCode &code) override {
        return changedRows(QStringLiteral("INSERT INTO auth_codes (code_hash, user_id, client_id, "
                                          "redirect_uri, code_challenge, expires_at) VALUES (?, "
                                          "?, ?, ?, ?, ?)"),
                           {code.codeHash, code.userId, code.clientId, code.redirectUri,
                            code.codeChallenge, code.expiresAt})
               >= 0;
    }

    std::optional<AuthCode> takeAuthCode(const QString &codeHash) override {
        QSqlQuery &query = bind(QStringLiteral("SELECT code_hash, user_id, client_id, "
                                               "redirect_uri, code_challenge, expires_at FROM "
                                               "auth_codes WHERE code_hash = ?"),
                                {codeHash});
        std::optional<AuthCode> result;
        if (exec(query) && query.next())
            result = AuthCode{query.value(0).toString(), query.value(1).toString(),
                              query.value(2).toString(), query.value(3).toString(),
                              query.value(4).toString(), query.value(5).toLongLong()};
        query.finish();
        if (result
            && changedRows(QStringLiteral("DELETE FROM auth_codes WHERE code_hash = ?"), {codeHash})
                   != 1)
            return std::nullopt;
        return result;
    }

    int countAttempt(const QString &bucket, qint64 windowStart) override {
        if (changedRows(QStringLiteral("INSERT INTO rate_limits (bucket, window_start, attempts) "
                                       "VALUES (?, ?, 1) ON CONFLICT (bucket) DO UPDATE SET "
                                       "attempts = CASE WHEN rate_limits.window_start = "
                                       "excluded.window_start THEN rate_limits.attempts + 1 ELSE "
                                       "1 END, window_start = excluded.window_start"),
                        {bucket, windowStart})
            < 0)
            return 0;
        QSqlQuery &query
            = bind(QStringLiteral("SELECT attempts FROM rate_limits WHERE bucket = ?"), {bucket});
        int attempts = 0;
        if (exec(query) && query.next())
            attempts = query.value(0).toInt();
        query.finish();
        return attempts;
    }

    bool forgetAttemptsBefore(qint64 windowStart) override {
        return changedRows(QStringLiteral("DELETE FROM rate_limits WHERE window_start < ?"),
                           {windowStart})
               >= 0;
    }

    QList<KnownUser> membersOf(const QString &groupId) override {
        QList<KnownUser> members;
        if (groupId.isEmpty())
            return members;
        for (const QStringList &row :
             select(QStringLiteral("SELECT user_id, group_id, email, display_name, role, "
                                   "joined_at, created_at FROM users WHERE group_id = ? ORDER BY "
                                   "joined_at, user_id"),
                    {groupId}))
            members.append(toUser(row));
        return members;
    }

    std::optional<FamilyGroup> group(const QString &groupId) override {
        const QList<QStringList> rows
            = select(QStringLiteral("SELECT group_id, name, max_seats, created_at FROM "
                                    "family_groups WHERE group_id = ?"),
                     {groupId});
        if (rows.isEmpty())
            return std::nullopt;
        const QStringList &row = rows.first();
        return FamilyGroup{row.at(0), row.at(1), row.at(2).toInt(), row.at(3)};
    }

    bool putGroup(const FamilyGroup &group) override {
        return execute(QStringLiteral("INSERT OR REPLACE INTO family_groups (group_id, name, "
                                      "max_seats, created_at) VALUES (?, ?, ?, ?)"),
                       {group.groupId, group.name, group.maxSeats, group.createdAt});
    }

    bool removeGroup(const QString &groupId) override {
        return execute(QStringLiteral("DELETE FROM invitations WHERE group_id = ?"), {groupId})
               && execute(QStringLiteral("DELETE FROM family_groups WHERE group_id = ?"),
                          {groupId});
    }

    static const QString &invitationColumns() {
        static const QString columns = QStringLiteral(
            "invitation_id, group_id, code, email, invited_by, created_at, expires_at");
        return columns;
    }

    static Invitation toInvitation(const QStringList &row) {
        return Invitation{row.at(0), row.at(1), row.at(2), row.at(3),
                          row.at(4), row.at(5), row.at(6)};
    }

    QList<Invitation> invitations(const QString &where, const QString &value) {
        QList<Invitation> result;
        for (const QStringList &row :
             select(QStringLiteral("SELECT %1 FROM invitations WHERE %2 = ? ORDER BY created_at, "
                                   "invitation_id")
                        .arg(invitationColumns(), where),
                    {value}))
            result.append(toInvitation(row));
        return result;
    }

    QList<Invitation> invitationsOf(const QString &groupId) override {
        return invitations(QStringLiteral("group_id"), groupId);
    }

    std::optional<Invitation> invitation(const QString &invitationId) override {
        const QList<Invitation> found = invitations(QStringLiteral("invitation_id"), invitationId);
        return found.isEmpty() ? std::nullopt : std::optional<Invitation>(found.first());
    }

    std::optional<Invitation> invitationByCode(const QString &code) override {
        const QList<Invitation> found = invitations(QStringLiteral("code"), code);
        return found.isEmpty() ? std::nullopt : std::optional<Invitation>(found.first());
    }

    bool putInvitation(const Invitation &invitation) override {
        return execute(QStringLiteral("INSERT OR REPLACE INTO invitations (%1) VALUES (?, ?, ?, "
                                      "?, ?, ?, ?)")
                           .arg(invitationColumns()),
                       {invitation.invitationId, invitation.groupId, invitation.code,
                        invitation.email, invitation.invitedBy, invitation.createdAt,
                        invitation.expiresAt});
    }

    bool removeInvitation(const QString &invitationId) override {
        return execute(QStringLiteral("DELETE FROM invitations WHERE invitation_id = ?"),
                       {invitationId});
    }

    QList<RegisteredDevice> devicesOf(const QString &userId) override {
        QList<RegisteredDevice> devices;
        for (const QStringList &row :
             select(QStringLiteral("SELECT device_id, user_id, fingerprint, device_name, "
                                   "platform, app_id, app_version, created_at, last_sync_at FROM "
                                   "devices WHERE user_id = ? ORDER BY created_at, device_id"),
                    {userId}))
            devices.append(RegisteredDevice{row.at(0), row.at(1), row.at(2), row.at(3), row.at(4),
                                            row.at(5), row.at(6), row.at(7), row.at(8)});
        return devices;
    }

    bool putDevice(const RegisteredDevice &device) override {
        return execute(
            QStringLiteral("INSERT OR REPLACE INTO devices (device_id, user_id, fingerprint, "
                           "device_name, platform, app_id, app_version, created_at, "
                           "last_sync_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {device.deviceId, device.userId, device.fingerprint, device.name, device.platform,
             device.appId, device.appVersion, device.createdAt, device.lastSyncAt});
    }

    bool removeDevice(const QString &userId, const QString &deviceId) override {
        return execute(QStringLiteral("DELETE FROM devices WHERE user_id = ? AND device_id = ?"),
                       {userId, deviceId});
    }

    bool removeUser(const QString &userId, const QString &deletedAt) override {
        return execute(QStringLiteral("DELETE FROM records WHERE owner_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM shares WHERE owner_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM shares WHERE member_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM revocations WHERE member_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM devices WHERE user_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM invitations WHERE invited_by = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM refresh_tokens WHERE session_id IN (SELECT "
                                         "session_id FROM auth_sessions WHERE user_id = ?)"),
                          {userId})
               && execute(QStringLiteral("DELETE FROM auth_sessions WHERE user_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM auth_codes WHERE user_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM credentials WHERE user_id = ?"), {userId})
               && execute(QStringLiteral("DELETE FROM users WHERE user_id = ?"), {userId})
               && execute(QStringLiteral("INSERT OR REPLACE INTO deleted_users (user_id, "
                                         "deleted_at) VALUES (?, ?)"),
                          {userId, deletedAt});
    }

    bool isDeletedUser(const QString &userId) override {
        return !select(QStringLiteral("SELECT 1 FROM deleted_users WHERE user_id = ?"), {userId})
                    .isEmpty();
    }

    bool undeleteUser(const QString &userId) override {
        return execute(QStringLiteral("DELETE FROM deleted_users WHERE user_id = ?"), {userId});
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
