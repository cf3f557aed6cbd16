// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/postgresstore.h"

#include "server/synccursor.h"

#include <QHash>
#include <QList>
#include <QRandomGenerator>
#include <QStringList>
#include <QVariant>

#include <libpq-fe.h>

#include <memory>
#include <unordered_map>

namespace {

const QList<QStringList> kMigrations{
    {
        QStringLiteral("CREATE TABLE records (server_id TEXT PRIMARY KEY, owner_id TEXT NOT NULL, "
                       "entity_type TEXT NOT NULL, client_id TEXT NOT NULL, account_id TEXT NOT "
                       "NULL DEFAULT '', version INTEGER NOT NULL, deleted INTEGER NOT NULL, seq "
                       "BIGINT NOT NULL, payload TEXT NOT NULL)"),
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
                       "NOT NULL, seq BIGINT NOT NULL, PRIMARY KEY (member_id, server_id))"),
        QStringLiteral("CREATE INDEX revocations_member_seq ON revocations (member_id, seq)"),
        QStringLiteral("CREATE TABLE users (user_id TEXT PRIMARY KEY, group_id TEXT NOT NULL, "
                       "email TEXT NOT NULL, display_name TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX users_email ON users (email)"),
        QStringLiteral("CREATE TABLE counters (name TEXT PRIMARY KEY, value BIGINT NOT NULL)"),
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

struct ResultDeleter {
    void operator()(PGresult *result) const { PQclear(result); }
};
using Result = std::unique_ptr<PGresult, ResultDeleter>;

bool succeeded(const PGresult *result) {
    const ExecStatusType status = PQresultStatus(result);
    return status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK;
}

QString text(const PGresult *result, int row, int column) {
    return QString::fromUtf8(PQgetvalue(result, row, column), PQgetlength(result, row, column));
}

} // namespace

class PostgresStore::Session : public StoreSession {
public:
    Session(PGconn *connection, QHash<QString, QByteArray> &prepared, bool writing)
        : m_connection(connection)
        , m_prepared(prepared)
        , m_writing(writing) {}

    // Runs one statement with text parameters; null when it failed.
    Result exec(const QString &sql, const QVariantList &values = {}) {
        if (!flushWrites())
            return nullptr;
        return execNow(sql, values);
    }

    Result execNow(const QString &sql, const QVariantList &values) {
        std::vector<QByteArray> texts;
        std::vector<const char *> pointers;
        encode(values, &texts, &pointers);
        const QByteArray name = preparedName(sql, int(values.size()));
        if (name.isNull())
            return nullptr;
        Result result(name.isEmpty()
                          ? PQexecParams(m_connection, sql.toUtf8().constData(), int(values.size()),
                                         nullptr, pointers.data(), nullptr, nullptr, 0)
                          : PQexecPrepared(m_connection, name.constData(), int(values.size()),
                                           pointers.data(), nullptr, nullptr, 0));
        if (!result || !succeeded(result.get())) {
            m_error = QString::fromUtf8(PQerrorMessage(m_connection)).trimmed();
            return nullptr;
        }
        return result;
    }

    // Queries are planned once per connection and then only executed; statements that are
    // not queries run as they are. Null when preparing failed, empty for "run as it is".
    QByteArray preparedName(const QString &sql, int parameters) {
        static const QStringList queries{QStringLiteral("SELECT"), QStringLiteral("INSERT"),
                                         QStringLiteral("UPDATE"), QStringLiteral("DELETE")};
        if (!queries.contains(sql.section(QLatin1Char(' '), 0, 0)))
            return QByteArray("");
        const auto found = m_prepared.constFind(sql);
        if (found != m_prepared.cend())
            return *found;
        const QByteArray name = "quillon_" + QByteArray::number(m_prepared.size());
        Result prepared(PQprepare(m_connection, name.constData(), sql.toUtf8().constData(),
                                  parameters, nullptr));
        if (!prepared || PQresultStatus(prepared.get()) != PGRES_COMMAND_OK) {
            m_error = QString::fromUtf8(PQerrorMessage(m_connection)).trimmed();
            return QByteArray();
        }
        m_prepared.insert(sql, name);
        return name;
    }

    static void encode(const QVariantList &values, std::vector<QByteArray> *texts,
                       std::vector<const char *> *pointers) {
        texts->reserve(values.size());
        for (const QVariant &value : values)
            texts->push_back(value.typeId() == QMetaType::Bool
                                 ? QByteArray(value.toBool() ? "1" : "0")
                                 : value.toString().toUtf8());
        for (const QByteArray &text : *texts)
            pointers->push_back(text.constData());
    }

    // Record writes of a push wait here and go to the server together, in pipeline mode, so
    // a batch costs one round trip instead of one per row.
    bool flushWrites() {
        if (m_pending.empty())
            return true;
        std::vector<StoredRecord> pending;
        pending.swap(m_pending);
        m_pendingIndex.clear();
        // Planned once per connection: parsing and planning the statement again for each
        // row was most of what the database did for a push.
        const QByteArray name = preparedName(
            QStringLiteral("INSERT INTO records (%1) VALUES ($1, $2, $3, $4, $5, $6, $7, $8, "
                           "$9) ON CONFLICT (server_id) DO UPDATE SET account_id = "
                           "excluded.account_id, version = excluded.version, deleted = "
                           "excluded.deleted, seq = excluded.seq, payload = excluded.payload")
                .arg(kRecordColumns),
            9);
        if (name.isEmpty())
            return false;
        if (PQenterPipelineMode(m_connection) != 1) {
            m_error = QString::fromUtf8(PQerrorMessage(m_connection)).trimmed();
            return false;
        }
        bool ok = true;
        for (const StoredRecord &record : pending) {
            std::vector<QByteArray> texts;
            std::vector<const char *> pointers;
            encode({record.serverId, record.ownerId, record.entityType, record.clientId,
                    record.accountId, record.version, int(record.deleted), record.sequence,
                    QString::fromUtf8(record.payload)},
                   &texts, &pointers);
            if (PQsendQueryPrepared(m_connection, name.constData(), 9, pointers.data(), nullptr,
                                    nullptr, 0)
                != 1) {
                ok = false;
                break;
            }
        }
        if (PQpipelineSync(m_connection) != 1)
            ok = false;
        // Every statement's results, then the sync point.
        for (;;) {
            Result result(PQgetResult(m_connection));
            if (!result)
                continue; // the end of one statement's results
            const ExecStatusType status = PQresultStatus(result.get());
            if (status == PGRES_PIPELINE_SYNC)
                break;
            if (status != PGRES_COMMAND_OK) {
                if (m_error.isEmpty())
                    m_error = QString::fromUtf8(PQresultErrorMessage(result.get())).trimmed();
                ok = false;
            }
            if (PQstatus(m_connection) != CONNECTION_OK)
                break;
        }
        PQexitPipelineMode(m_connection);
        return ok;
    }

    static StoredRecord readRecord(const PGresult *result, int row) {
        StoredRecord record;
        record.serverId = text(result, row, 0);
        record.ownerId = text(result, row, 1);
        record.entityType = text(result, row, 2);
        record.clientId = text(result, row, 3);
        record.accountId = text(result, row, 4);
        record.version = text(result, row, 5).toInt();
        record.deleted = text(result, row, 6).toInt() != 0;
        record.sequence = text(result, row, 7).toLongLong();
        record.payload = QByteArray(PQgetvalue(result, row, 8), PQgetlength(result, row, 8));
        return record;
    }

    QList<StoredRecord> records(const QString &sql, const QVariantList &values) {
        QList<StoredRecord> found;
        if (Result result = exec(sql, values)) {
            for (int row = 0; row < PQntuples(result.get()); ++row)
                found.append(readRecord(result.get(), row));
        }
        return found;
    }

    static QString serverKey(const QString &serverId) { return QLatin1Char('#') + serverId; }
    static QString clientKey(const QString &ownerId, const QString &entityType,
                             const QString &clientId) {
        return ownerId + QLatin1Char('\n') + entityType + QLatin1Char('\n') + clientId;
    }

    // What this session wrote, else what it read ahead; nothing when it knows neither.
    std::optional<std::optional<StoredRecord>> knownRecord(const QString &key) const {
        const auto pending = m_pendingIndex.find(key);
        if (pending != m_pendingIndex.end())
            return std::optional<StoredRecord>(m_pending.at(pending->second));
        const auto read = m_preloaded.find(key);
        if (read != m_preloaded.end())
            return read->second;
        return std::nullopt;
    }

    // A text[] literal: every element quoted, with quotes and backslashes escaped.
    static QString arrayLiteral(const QList<QString> &values) {
        QString literal = QStringLiteral("{");
        for (const QString &value : values) {
            if (literal.size() > 1)
                literal += QLatin1Char(',');
            QString escaped = value;
            escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
            escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
            literal += QLatin1Char('"') + escaped + QLatin1Char('"');
        }
        return literal + QLatin1Char('}');
    }

    void preload(const QList<QString> &serverIds, const QList<ClientKey> &clientKeys) override {
        Q_ASSERT(m_writing);
        // The sequence row is locked before reading: writers that come later wait for this
        // one, so what is read here stays true until it commits.
        lockSequence();
        for (const QString &serverId : serverIds)
            m_preloaded.emplace(serverKey(serverId), std::nullopt);
        for (const ClientKey &key : clientKeys)
            m_preloaded.emplace(clientKey(key.ownerId, key.entityType, key.clientId), std::nullopt);
        const auto remember = [this](const QList<StoredRecord> &found) {
            for (const StoredRecord &record : found) {
                m_preloaded[serverKey(record.serverId)] = record;
                m_preloaded[clientKey(record.ownerId, record.entityType, record.clientId)] = record;
            }
        };
        if (!serverIds.isEmpty())
            remember(records(QStringLiteral("SELECT %1 FROM records WHERE server_id = "
                                            "ANY($1::text[])")
                                 .arg(kRecordColumns),
                             {arrayLiteral(serverIds)}));
        if (!clientKeys.isEmpty()) {
            QList<QString> owners, types, clientIds;
            for (const ClientKey &key : clientKeys) {
                owners.append(key.ownerId);
                types.append(key.entityType);
                clientIds.append(key.clientId);
            }
            remember(records(QStringLiteral("SELECT r.server_id, r.owner_id, r.entity_type, "
                                            "r.client_id, r.account_id, r.version, r.deleted, "
                                            "r.seq, r.payload FROM unnest($1::text[], "
                                            "$2::text[], $3::text[]) AS k (owner_id, "
                                            "entity_type, client_id) JOIN records r USING "
                                            "(owner_id, entity_type, client_id)"),
                             {arrayLiteral(owners), arrayLiteral(types), arrayLiteral(clientIds)}));
        }
        // A failed read leaves nothing known: every lookup then asks the database.
        if (!m_error.isEmpty())
            m_preloaded.clear();
    }

    std::optional<StoredRecord> recordByServerId(const QString &serverId) override {
        if (auto known = knownRecord(serverKey(serverId)))
            return *known;
        const QList<StoredRecord> found = records(
            QStringLiteral("SELECT %1 FROM records WHERE server_id = $1").arg(kRecordColumns),
            {serverId});
        return found.isEmpty() ? std::nullopt : std::optional<StoredRecord>(found.first());
    }

    std::optional<StoredRecord> recordByClientId(const QString &ownerId, const QString &entityType,
                                                 const QString &clientId) override {
        if (auto known = knownRecord(clientKey(ownerId, entityType, clientId)))
            return *known;
        const QList<StoredRecord> found = records(QStringLiteral("SELECT %1 FROM records WHERE "
                                                                 "owner_id = $1 AND entity_type "
                                                                 "= $2 AND client_id = $3")
                                                      .arg(kRecordColumns),
                                                  {ownerId, entityType, clientId});
        return found.isEmpty() ? std::nullopt : std::optional<StoredRecord>(found.first());
    }

    QList<StoredRecord> recordsOfAccount(const QString &ownerId,
                                         const QString &accountId) override {
        return records(
            QStringLiteral("SELECT %1 FROM records WHERE owner_id = $1 AND account_id = $2")
                .arg(kRecordColumns),
            {ownerId, accountId});
    }

    bool putRecord(const StoredRecord &record) override {
        const QString byServer = serverKey(record.serverId);
        const QString byClient = clientKey(record.ownerId, record.entityType, record.clientId);
        const auto it = m_pendingIndex.find(byServer);
        if (it != m_pendingIndex.end()) {
            m_pending[it->second] = record;
        } else {
            m_pending.push_back(record);
            m_pendingIndex[byServer] = m_pending.size() - 1;
            m_pendingIndex[byClient] = m_pending.size() - 1;
        }
        return true;
    }

    // The row lock is held to the end of the transaction: writers take turns, and their
    // changes become visible in the order of their numbers.
    void lockSequence() {
        if (m_sequenceRead)
            return;
        Result result
            = exec(QStringLiteral("SELECT value FROM counters WHERE name = 'sequence' FOR UPDATE"));
        m_sequence = result && PQntuples(result.get()) ? text(result.get(), 0, 0).toLongLong() : 0;
        m_sequenceRead = true;
    }

    qint64 nextSequence() override {
        Q_ASSERT(m_writing);
        lockSequence();
        m_sequence = SyncCursor::next(m_sequence);
        m_sequenceDirty = true;
        return m_sequence;
    }

    qint64 committedSequence() override {
        Result result = exec(QStringLiteral("SELECT value FROM counters WHERE name = 'sequence'"));
        return result && PQntuples(result.get()) ? text(result.get(), 0, 0).toLongLong() : 0;
    }

    bool finish() {
        if (!flushWrites())
            return false;
        if (!m_sequenceDirty)
            return true;
        return bool(exec(QStringLiteral("UPDATE counters SET value = $1 WHERE name = 'sequence'"),
                         {m_sequence}));
    }

    QList<StoredRecord> ownChanges(const QString &ownerId, qint64 since, qint64 upTo,
                                   int limit) override {
        return records(QStringLiteral("SELECT %1 FROM records WHERE owner_id = $1 AND seq > $2 "
                                      "AND seq <= $3 ORDER BY seq LIMIT $4")
                           .arg(kRecordColumns),
                       {ownerId, since, upTo, limit});
    }

    QList<StoredRecord> sharedChanges(const QString &memberId, qint64 since, qint64 upTo,
                                      int limit) override {
        return records(
            QStringLiteral("SELECT r.server_id, r.owner_id, r.entity_type, r.client_id, "
                           "r.account_id, r.version, r.deleted, r.seq, r.payload FROM shares s "
                           "JOIN records r ON r.owner_id = s.owner_id AND r.account_id = "
                           "s.account_id WHERE s.member_id = $1 AND r.seq > $2 AND r.seq <= $3 "
                           "ORDER BY r.seq LIMIT $4"),
            {memberId, since, upTo, limit});
    }

    QList<StoredRecord> revocations(const QString &memberId, qint64 since, qint64 upTo,
                                    int limit) override {
        QList<StoredRecord> result = records(
            QStringLiteral("SELECT server_id, owner_id, entity_type, client_id, account_id, "
                           "version, 1, seq, payload FROM revocations WHERE member_id = $1 AND "
                           "seq > $2 AND seq <= $3 ORDER BY seq LIMIT $4"),
            {memberId, since, upTo, limit});
        for (StoredRecord &record : result)
            record.revoked = true;
        return result;
    }

    bool hasRevocation(const QString &memberId, const QString &serverId) override {
        Result result = exec(
            QStringLiteral("SELECT 1 FROM revocations WHERE member_id = $1 AND server_id = $2"),
            {memberId, serverId});
        return result && PQntuples(result.get()) > 0;
    }

    bool addRevocation(const QString &memberId, const StoredRecord &record,
                       qint64 sequence) override {
        return bool(exec(
            QStringLiteral("INSERT INTO revocations (member_id, server_id, owner_id, account_id, "
                           "entity_type, client_id, version, payload, seq) VALUES ($1, $2, $3, "
                           "$4, $5, $6, $7, $8, $9) ON CONFLICT (member_id, server_id) DO UPDATE "
                           "SET version = excluded.version, payload = excluded.payload, seq = "
                           "excluded.seq"),
            {memberId, record.serverId, record.ownerId, record.accountId, record.entityType,
             record.clientId, record.version, QString::fromUtf8(record.payload), sequence}));
    }

    bool clearRevocations(const QString &memberId, const QString &ownerId,
                          const QString &accountId) override {
        return bool(exec(QStringLiteral("DELETE FROM revocations WHERE member_id = $1 AND "
                                        "owner_id = $2 AND account_id = $3"),
                         {memberId, ownerId, accountId}));
    }

    int liveCategoryCount(const QString &ownerId) override {
        Result result = exec(QStringLiteral("SELECT COUNT(*) FROM records WHERE owner_id = $1 AND "
                                            "entity_type = 'category' AND deleted = 0"),
                             {ownerId});
        return result && PQntuples(result.get()) ? text(result.get(), 0, 0).toInt() : 0;
    }

    QList<Share> shares(const QString &where, const QVariantList &values) {
        QList<Share> found;
        Result result = exec(QStringLiteral("SELECT owner_id, account_id, member_id, email, role, "
                                            "created_at FROM shares WHERE %1 ORDER BY "
                                            "created_at, member_id")
                                 .arg(where),
                             values);
        if (!result)
            return found;
        for (int row = 0; row < PQntuples(result.get()); ++row)
            found.append(Share{text(result.get(), row, 0), text(result.get(), row, 1),
                               text(result.get(), row, 2), text(result.get(), row, 3),
                               text(result.get(), row, 4), text(result.get(), row, 5)});
        return found;
    }

    QList<Share> sharesOfMember(const QString &memberId) override {
        return shares(QStringLiteral("member_id = $1"), {memberId});
    }

    QList<Share> sharesOfAccount(const QString &ownerId, const QString &accountId) override {
        return shares(QStringLiteral("owner_id = $1 AND account_id = $2"), {ownerId, accountId});
    }

    QList<QString> sharedAccountsOf(const QString &ownerId) override {
        QList<QString> found;
        Result result
            = exec(QStringLiteral("SELECT DISTINCT account_id FROM shares WHERE owner_id = $1"),
                   {ownerId});
        if (result) {
            for (int row = 0; row < PQntuples(result.get()); ++row)
                found.append(text(result.get(), row, 0));
        }
        return found;
    }

    bool putShare(const Share &share) override {
        return bool(exec(QStringLiteral("INSERT INTO shares (owner_id, account_id, member_id, "
                                        "email, role, created_at) VALUES ($1, $2, $3, $4, $5, $6) "
                                        "ON CONFLICT (owner_id, account_id, member_id) DO UPDATE "
                                        "SET email = excluded.email, role = excluded.role"),
                         {share.ownerId, share.accountId, share.memberId, share.email, share.role,
                          share.createdAt}));
    }

    bool removeShare(const QString &ownerId, const QString &accountId,
                     const QString &memberId) override {
        return bool(exec(QStringLiteral("DELETE FROM shares WHERE owner_id = $1 AND account_id = "
                                        "$2 AND member_id = $3"),
                         {ownerId, accountId, memberId}));
    }

    // The rows of a query, each as its columns' texts.
    QList<QStringList> select(const QString &sql, const QVariantList &values) {
        QList<QStringList> rows;
        Result result = exec(sql, values);
        if (!result)
            return rows;
        for (int row = 0; row < PQntuples(result.get()); ++row) {
            QStringList columns;
            for (int column = 0; column < PQnfields(result.get()); ++column)
                columns.append(text(result.get(), row, column));
            rows.append(columns);
        }
        return rows;
    }

    bool execute(const QString &sql, const QVariantList &values) { return bool(exec(sql, values)); }

    static KnownUser toUser(const QStringList &row) {
        return KnownUser{row.at(0), row.at(1), row.at(2), row.at(3),
                         row.at(4), row.at(5), row.at(6)};
    }

    std::optional<KnownUser> oneUser(const QString &where, const QString &value) {
        const QList<QStringList> rows
            = select(QStringLiteral("SELECT user_id, group_id, email, display_name, role, "
                                    "joined_at, created_at FROM users WHERE %1 = $1 LIMIT 1")
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
        return bool(exec(
            QStringLiteral("INSERT INTO users (user_id, group_id, email, display_name, role, "
                           "joined_at, created_at) VALUES ($1, $2, $3, $4, $5, $6, $7) ON "
                           "CONFLICT (user_id) DO UPDATE SET group_id = excluded.group_id, email "
                           "= excluded.email, display_name = excluded.display_name, role = "
                           "excluded.role, joined_at = excluded.joined_at, created_at = "
                           "excluded.created_at"),
            {user.userId, user.groupId, user.email, user.displayName, user.role, user.joinedAt,
             user.createdAt}));
    }

    bool serializeAccountChanges() override {
        return execute(QStringLiteral("SELECT pg_advisory_xact_lock(7514002)"), {});
    }

    QList<KnownUser> membersOf(const QString &groupId) override {
        QList<KnownUser> members;
        if (groupId.isEmpty())
            return members;
        for (const QStringList &row :
             select(QStringLiteral("SELECT user_id, group_id, email, display_name, role, "
                                   "joined_at, created_at FROM users WHERE group_id = $1 ORDER BY "
                                   "joined_at, user_id"),
                    {groupId}))
            members.append(toUser(row));
        return members;
    }

    std::optional<FamilyGroup> group(const QString &groupId) override {
        const QList<QStringList> rows
            = select(QStringLiteral("SELECT group_id, name, max_seats, created_at FROM "
                                    "family_groups WHERE group_id = $1"),
                     {groupId});
        if (rows.isEmpty())
            return std::nullopt;
        const QStringList &row = rows.first();
        return FamilyGroup{row.at(0), row.at(1), row.at(2).toInt(), row.at(3)};
    }

    bool putGroup(const FamilyGroup &group) override {
        return execute(QStringLiteral("INSERT INTO family_groups (group_id, name, max_seats, "
                                      "created_at) VALUES ($1, $2, $3, $4) ON CONFLICT (group_id) "
                                      "DO UPDATE SET name = excluded.name, max_seats = "
                                      "excluded.max_seats"),
                       {group.groupId, group.name, group.maxSeats, group.createdAt});
    }

    bool removeGroup(const QString &groupId) override {
        return execute(QStringLiteral("DELETE FROM invitations WHERE group_id = $1"), {groupId})
               && execute(QStringLiteral("DELETE FROM family_groups WHERE group_id = $1"),
                          {groupId});
    }

    static const QString &invitationColumns() {
        static const QString columns = QStringLiteral(
            "invitation_id, group_id, code, email, invited_by, created_at, expires_at");
        return columns;
    }

    QList<Invitation> invitations(const QString &where, const QString &value) {
        QList<Invitation> result;
        for (const QStringList &row :
             select(QStringLiteral("SELECT %1 FROM invitations WHERE %2 = $1 ORDER BY "
                                   "created_at, invitation_id")
                        .arg(invitationColumns(), where),
                    {value}))
            result.append(Invitation{row.at(0), row.at(1), row.at(2), row.at(3), row.at(4),
                                     row.at(5), row.at(6)});
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
        return execute(QStringLiteral("INSERT INTO invitations (%1) VALUES ($1, $2, $3, $4, $5, "
                                      "$6, $7) ON CONFLICT (invitation_id) DO UPDATE SET email = "
                                      "excluded.email, expires_at = excluded.expires_at")
                           .arg(invitationColumns()),
                       {invitation.invitationId, invitation.groupId, invitation.code,
                        invitation.email, invitation.invitedBy, invitation.createdAt,
                        invitation.expiresAt});
    }

    bool removeInvitation(const QString &invitationId) override {
        return execute(QStringLiteral("DELETE FROM invitations WHERE invitation_id = $1"),
                       {invitationId});
    }

    QList<RegisteredDevice> devicesOf(const QString &userId) override {
        QList<RegisteredDevice> devices;
        for (const QStringList &row :
             select(QStringLiteral("SELECT device_id, user_id, fingerprint, device_name, "
                                   "platform, app_id, app_version, created_at, last_sync_at FROM "
                                   "devices WHERE user_id = $1 ORDER BY created_at, device_id"),
                    {userId}))
            devices.append(RegisteredDevice{row.at(0), row.at(1), row.at(2), row.at(3), row.at(4),
                                            row.at(5), row.at(6), row.at(7), row.at(8)});
        return devices;
    }

    bool putDevice(const RegisteredDevice &device) override {
        return execute(
            QStringLiteral("INSERT INTO devices (device_id, user_id, fingerprint, device_name, "
                           "platform, app_id, app_version, created_at, last_sync_at) VALUES ($1, "
                           "$2, $3, $4, $5, $6, $7, $8, $9) ON CONFLICT (device_id) DO UPDATE SET "
                           "device_name = excluded.device_name, platform = excluded.platform, "
                           "app_id = excluded.app_id, app_version = excluded.app_version, "
                           "last_sync_at = excluded.last_sync_at"),
            {device.deviceId, device.userId, device.fingerprint, device.name, device.platform,
             device.appId, device.appVersion, device.createdAt, device.lastSyncAt});
    }

    bool removeDevice(const QString &userId, const QString &deviceId) override {
        return execute(QStringLiteral("DELETE FROM devices WHERE user_id = $1 AND device_id = $2"),
                       {userId, deviceId});
    }

    bool removeUser(const QString &userId, const QString &deletedAt) override {
        return execute(QStringLiteral("DELETE FROM records WHERE owner_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM shares WHERE owner_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM shares WHERE member_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM revocations WHERE member_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM devices WHERE user_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM invitations WHERE invited_by = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM refresh_tokens WHERE session_id IN (SELECT "
                                         "session_id FROM auth_sessions WHERE user_id = $1)"),
                          {userId})
               && execute(QStringLiteral("DELETE FROM auth_sessions WHERE user_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM auth_codes WHERE user_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM credentials WHERE user_id = $1"), {userId})
               && execute(QStringLiteral("DELETE FROM users WHERE user_id = $1"), {userId})
               && execute(QStringLiteral("INSERT INTO deleted_users (user_id, deleted_at) VALUES "
                                         "($1, $2) ON CONFLICT (user_id) DO NOTHING"),
                          {userId, deletedAt});
    }

    bool isDeletedUser(const QString &userId) override {
        return !select(QStringLiteral("SELECT 1 FROM deleted_users WHERE user_id = $1"), {userId})
                    .isEmpty();
    }

    bool undeleteUser(const QString &userId) override {
        return execute(QStringLiteral("DELETE FROM deleted_users WHERE user_id = $1"), {userId});
    }

    // Runs a statement and tells how many rows it changed; -1 when it failed.
    int changedRows(const QString &sql, const QVariantList &values) {
        Result result = exec(sql, values);
        return result ? QByteArray(PQcmdTuples(result.get())).toInt() : -1;
    }

    QList<Credential> credentialsWhere(const QString &where, const QVariantList &values) {
        QList<Credential> found;
        Result result = exec(QStringLiteral("SELECT user_id, email, password_hash, disabled, "
                                            "created_at FROM credentials %1 ORDER BY email")
                                 .arg(where),
                             values);
        if (!result)
            return found;
        for (int row = 0; row < PQntuples(result.get()); ++row)
            found.append(Credential{
                text(result.get(), row, 0), text(result.get(), row, 1), text(result.get(), row, 2),
                text(result.get(), row, 3).toInt() != 0, text(result.get(), row, 4)});
        return found;
    }

    std::optional<Credential> credential(const QString &userId) override {
        const QList<Credential> found
            = credentialsWhere(QStringLiteral("WHERE user_id = $1"), {userId});
        return found.isEmpty() ? std::nullopt : std::optional<Credential>(found.first());
    }

    std::optional<Credential> credentialByEmail(const QString &email) override {
        const QList<Credential> found
            = credentialsWhere(QStringLiteral("WHERE email = $1"), {email});
        return found.isEmpty() ? std::nullopt : std::optional<Credential>(found.first());
    }

    QList<Credential> credentials() override { return credentialsWhere(QString(), {}); }

    bool putCredential(const Credential &credential) override {
        return changedRows(QStringLiteral("INSERT INTO credentials (user_id, email, "
                                          "password_hash, disabled, created_at) VALUES ($1, $2, "
                                          "$3, $4, $5) ON CONFLICT (user_id) DO UPDATE SET email "
                                          "= excluded.email, password_hash = "
                                          "excluded.password_hash, disabled = excluded.disabled"),
                           {credential.userId, credential.email, credential.passwordHash,
                            int(credential.disabled), credential.createdAt})
               >= 0;
    }

    QList<AuthSession> authSessionsWhere(const QString &where, const QVariantList &values) {
        QList<AuthSession> found;
        Result result
            = exec(QStringLiteral("SELECT session_id, user_id, user_agent, ip_address, created_at, "
                                  "last_active_at, revoked FROM auth_sessions WHERE %1 ORDER BY "
                                  "created_at, session_id")
                       .arg(where),
                   values);
        if (!result)
            return found;
        for (int row = 0; row < PQntuples(result.get()); ++row)
            found.append(AuthSession{text(result.get(), row, 0), text(result.get(), row, 1),
                                     text(result.get(), row, 2), text(result.get(), row, 3),
                                     text(result.get(), row, 4), text(result.get(), row, 5),
                                     text(result.get(), row, 6).toInt() != 0});
        return found;
    }

    bool putAuthSession(const AuthSession &session) override {
        return changedRows(QStringLiteral("INSERT INTO auth_sessions (session_id, user_id, "
                                          "user_agent, ip_address, created_at, last_active_at, "
                                          "revoked) VALUES ($1, $2, $3, $4, $5, $6, $7) ON "
                                          "CONFLICT (session_id) DO UPDATE SET last_active_at = "
                                          "excluded.last_active_at, revoked = excluded.revoked"),
                           {session.sessionId, session.userId, session.userAgent, session.ipAddress,
                            session.createdAt, session.lastActiveAt, int(session.revoked)})
               >= 0;
    }

    std::optional<AuthSession> authSession(const QString &sessionId) override {
        const QList<AuthSession> found
            = authSessionsWhere(QStringLiteral("session_id = $1"), {sessionId});
        return found.isEmpty() ? std::nullopt : std::optional<AuthSession>(found.first());
    }

    QList<AuthSession> liveAuthSessionsOf(const QString &userId) override {
        return authSessionsWhere(QStringLiteral("user_id = $1 AND revoked = 0"), {userId});
    }

    bool revokeAuthSessionsOf(const QString &userId, const QString &keep) override {
        return changedRows(QStringLiteral("UPDATE auth_sessions SET revoked = 1 WHERE user_id = "
                                          "$1 AND session_id <> $2"),
                           {userId, keep})
               >= 0;
    }

    bool isAuthSessionLive(const QString &sessionId, const QString &userId) override {
        Result result = exec(
            QStringLiteral("SELECT user_id, revoked FROM auth_sessions WHERE session_id = $1"),
            {sessionId});
        return result && PQntuples(result.get()) == 1 && text(result.get(), 0, 0) == userId
               && text(result.get(), 0, 1).toInt() == 0;
    }

    bool putRefreshToken(const RefreshToken &token) override {
        return changedRows(QStringLiteral("INSERT INTO refresh_tokens (token_hash, session_id, "
                                          "expires_at, used) VALUES ($1, $2, $3, $4)"),
                           {token.tokenHash, token.sessionId, token.expiresAt, int(token.used)})
               >= 0;
    }

    std::optional<RefreshToken> refreshToken(const QString &tokenHash) override {
        Result result = exec(QStringLiteral("SELECT token_hash, session_id, expires_at, used FROM "
                                            "refresh_tokens WHERE token_hash = $1"),
                             {tokenHash});
        if (!result || PQntuples(result.get()) == 0)
            return std::nullopt;
        return RefreshToken{text(result.get(), 0, 0), text(result.get(), 0, 1),
                            text(result.get(), 0, 2).toLongLong(),
                            text(result.get(), 0, 3).toInt() != 0};
    }

    bool useRefreshToken(const QString &tokenHash) override {
        // A second request with the same token waits here for the first one's row lock and
        // then finds the token used.
        return changedRows(QStringLiteral("UPDATE refresh_tokens SET used = 1 WHERE token_hash = "
                                          "$1 AND used = 0"),
                           {tokenHash})
               == 1;
    }

    bool forgetExpired(qint64 now) override {
        return changedRows(QStringLiteral("DELETE FROM refresh_tokens WHERE expires_at < $1"),
                           {now})
                   >= 0
               && changedRows(QStringLiteral("DELETE FROM auth_codes WHERE expires_at < $1"), {now})
                      >= 0;
    }

    bool putAuthCode(const AuthCode &code) override {
        return changedRows(QStringLiteral("INSERT INTO auth_codes (code_hash, user_id, client_id, "
                                          "redirect_uri, code_challenge, expires_at) VALUES ($1, "
                                          "$2, $3, $4, $5, $6)"),
                           {code.codeHash, code.userId, code.clientId, code.redirectUri,
                            code.codeChallenge, code.expiresAt})
               >= 0;
    }

    std::optional<AuthCode> takeAuthCode(const QString &codeHash) override {
        Result result = exec(QStringLiteral("DELETE FROM auth_codes WHERE code_hash = $1 RETURNING "
                                            "code_hash, user_id, client_id, redirect_uri, "
                                            "code_challenge, expires_at"),
                             {codeHash});
        if (!result || PQntuples(result.get()) == 0)
            return std::nullopt;
        return AuthCode{text(result.get(), 0, 0), text(result.get(), 0, 1),
                        text(result.get(), 0, 2), text(result.get(), 0, 3),
                        text(result.get(), 0, 4), text(result.get(), 0, 5).toLongLong()};
    }

    int countAttempt(const QString &bucket, qint64 windowStart) override {
        Result result = exec(QStringLiteral("INSERT INTO rate_limits (bucket, window_start, "
                                            "attempts) VALUES ($1, $2, 1) ON CONFLICT (bucket) DO "
                                            "UPDATE SET attempts = CASE WHEN "
                                            "rate_limits.window_start = excluded.window_start "
                                            "THEN rate_limits.attempts + 1 ELSE 1 END, "
                                            "window_start = excluded.window_start RETURNING "
                                            "attempts"),
                             {bucket, windowStart});
        return result && PQntuples(result.get()) ? text(result.get(), 0, 0).toInt() : 0;
    }

    bool forgetAttemptsBefore(qint64 windowStart) override {
        return changedRows(QStringLiteral("DELETE FROM rate_limits WHERE window_start < $1"),
                           {windowStart})
               >= 0;
    }

    QString lastError() const override { return m_error; }

private:
    PGconn *m_connection;
    QHash<QString, QByteArray> &m_prepared; // of this connection
    bool m_writing;
    qint64 m_sequence = 0;
    bool m_sequenceRead = false;
    bool m_sequenceDirty = false;
    QString m_error;
    std::vector<StoredRecord> m_pending;
    std::unordered_map<QString, std::size_t> m_pendingIndex;
    // Read ahead by preload, by serverKey and clientKey; an empty entry: no such record.
    std::unordered_map<QString, std::optional<StoredRecord>> m_preloaded;
};

PostgresStore::PostgresStore(const QString &url, int connections)
    : m_url(url.toUtf8())
    , m_size(qMax(1, connections)) {}

PostgresStore::~PostgresStore() {
    for (PGconn *connection : m_idle)
        PQfinish(connection);
}

PGconn *PostgresStore::acquire(QString *error) {
    std::unique_lock<std::mutex> lock(m_lock);
    m_available.wait(lock, [this] { return !m_idle.empty() || m_opened < m_size; });
    if (!m_idle.empty()) {
        PGconn *connection = m_idle.back();
        m_idle.pop_back();
        if (PQstatus(connection) == CONNECTION_OK)
            return connection;
        m_statements.erase(connection);
        PQfinish(connection); // dropped by the database: open a new one in its place
        --m_opened;
    }
    ++m_opened;
    lock.unlock();
    PGconn *connection = PQconnectdb(m_url.constData());
    if (PQstatus(connection) != CONNECTION_OK) {
        if (error)
            *error = QString::fromUtf8(PQerrorMessage(connection)).trimmed();
        PQfinish(connection);
        const std::lock_guard<std::mutex> relock(m_lock);
        --m_opened;
        m_available.notify_one();
        return nullptr;
    }
    return connection;
}

void PostgresStore::release(PGconn *connection) {
    const std::lock_guard<std::mutex> lock(m_lock);
    m_idle.push_back(connection);
    m_available.notify_one();
}

bool PostgresStore::open(QString *error) {
    return run(
        Mode::Write,
        [error](StoreSession &base) {
            auto &session = static_cast<Session &>(base);
            // Processes starting together migrate one after the other.
            if (!session.exec(QStringLiteral("SELECT pg_advisory_xact_lock(7514001)"))
                || !session.exec(QStringLiteral(
                    "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)")))
                return false;
            Result result = session.exec(QStringLiteral("SELECT MAX(version) FROM schema_version"));
            if (!result)
                return false;
            const int version = text(result.get(), 0, 0).toInt();
            for (int next = version; next < kMigrations.size(); ++next) {
                for (const QString &statement : kMigrations.at(next)) {
                    if (!session.exec(statement)) {
                        *error = QStringLiteral("migration %1 failed: %2")
                                     .arg(next + 1)
                                     .arg(session.lastError());
                        return false;
                    }
                }
                if (!session.exec(
                        QStringLiteral("INSERT INTO schema_version (version) VALUES ($1)"),
                        {next + 1}))
                    return false;
            }
            return true;
        },
        error);
}

QByteArray PostgresStore::signingKey(QString *error) {
    QByteArray key;
    const bool ok = run(
        Mode::Write,
        [&key](StoreSession &base) {
            auto &session = static_cast<Session &>(base);
            QByteArray fresh(32, Qt::Uninitialized);
            QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(fresh.data()),
                                                  fresh.size() / 4);
            // The first process to get here decides the key for all of them.
            if (!session.exec(QStringLiteral("INSERT INTO server_keys (name, value) VALUES "
                                             "('jwt', $1) ON CONFLICT (name) DO NOTHING"),
                              {QString::fromLatin1(fresh.toHex())}))
                return false;
            Result result
                = session.exec(QStringLiteral("SELECT value FROM server_keys WHERE name = 'jwt'"));
            if (!result || PQntuples(result.get()) == 0)
                return false;
            key = QByteArray::fromHex(text(result.get(), 0, 0).toLatin1());
            return true;
        },
        error);
    return ok ? key : QByteArray();
}

bool PostgresStore::run(Mode mode, const Work &work, QString *error) {
    PGconn *connection = acquire(error);
    if (!connection)
        return false;
    QHash<QString, QByteArray> *prepared = nullptr;
    {
        const std::lock_guard<std::mutex> lock(m_lock);
        prepared = &m_statements[connection];
    }
    Session session(connection, *prepared, mode == Mode::Write);
    // Under read committed every statement reads its own snapshot, inside a transaction or
    // not: around reads one would only add two round trips to every pull.
    const bool transaction = mode == Mode::Write;
    bool ok = !transaction || bool(session.execNow(QStringLiteral("BEGIN"), {}));
    ok = ok && work(session) && session.finish();
    if (transaction) {
        ok = ok && session.execNow(QStringLiteral("COMMIT"), {});
        if (!ok)
            Result(PQexec(connection, "ROLLBACK"));
    }
    if (!ok && error && error->isEmpty())
        *error = session.lastError();
    release(connection);
    return ok;
}
