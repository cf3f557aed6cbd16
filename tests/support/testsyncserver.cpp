// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testsyncserver.h"

#include <QDateTime>
#include <QJsonArray>
#include <QUuid>

namespace {

const QStringList kEntityTypes{QStringLiteral("account"), QStringLiteral("category"),
                               QStringLiteral("recurring"), QStringLiteral("transaction"),
                               QStringLiteral("reconciliation")};

QString pullArrayOf(const QString &entityType) {
    if (entityType == QLatin1String("account"))
        return QStringLiteral("accounts");
    if (entityType == QLatin1String("category"))
        return QStringLiteral("categories");
    if (entityType == QLatin1String("recurring"))
        return QStringLiteral("recurring_transactions");
    if (entityType == QLatin1String("transaction"))
        return QStringLiteral("transactions");
    return QStringLiteral("reconciliations");
}

QDateTime cursorEpoch() {
    return QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC);
}

QString nowText() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

TestHttpServer::Response error(int status, const QString &message) {
    return TestHttpServer::Response::json(status, {{QStringLiteral("error"), message}});
}

} // namespace

TestSyncServer::TestSyncServer(const QString &basePath, QObject *parent)
    : QObject(parent)
    , m_basePath(basePath) {
    m_http.setHandler([this](const TestHttpServer::Request &request) {
        TestHttpServer::Response response = handle(request);
        response.delayMs = m_delayMs;
        return response;
    });
}

bool TestSyncServer::listen(quint16 port) {
    return m_http.listen(port);
}

QUrl TestSyncServer::url() const {
    return m_http.url(m_basePath);
}

QList<TestHttpServer::Request> TestSyncServer::requests(const QString &apiPath) const {
    QList<TestHttpServer::Request> matching;
    for (const TestHttpServer::Request &request : m_http.requests()) {
        if (request.path == m_basePath + apiPath)
            matching.append(request);
    }
    return matching;
}

QString TestSyncServer::cursorText(qint64 sequence) {
    return cursorEpoch().addMSecs(sequence).toString(Qt::ISODateWithMs);
}

qint64 TestSyncServer::cursorSequence(const QString &text, bool *ok) {
    const QDateTime time = QDateTime::fromString(text, Qt::ISODateWithMs);
    *ok = time.isValid();
    return time.isValid() ? cursorEpoch().msecsTo(time) : 0;
}

void TestSyncServer::rejectEntity(const QString &entityId, const QString &message) {
    m_rejected.insert(entityId, message);
}

QList<TestSyncServer::Member> TestSyncServer::members(const QString &accountId) const {
    return m_members.value(accountServerId(accountId));
}

QString TestSyncServer::seed(const QString &entityType, const QJsonObject &payload, int version,
                             bool deleted) {
    return store(entityType, payload.value(QLatin1String("client_id")).toString(), QString(),
                 version, deleted, payload);
}

QList<TestSyncServer::Record> TestSyncServer::records(const QString &entityType) const {
    QList<Record> result;
    for (const auto &[sequence, serverId] : m_order) {
        const Record &record = m_records[serverId];
        if (record.entityType == entityType)
            result.append(record);
    }
    return result;
}

std::optional<TestSyncServer::Record>
TestSyncServer::recordByClientId(const QString &entityType, const QString &clientId) const {
    const QString serverId = m_byClientId.value(entityType + QLatin1Char('\n') + clientId);
    if (serverId.isEmpty())
        return std::nullopt;
    return m_records.value(serverId);
}

void TestSyncServer::touch(Record &record) {
    m_order.erase(record.sequence);
    record.sequence = ++m_sequence;
    m_order.emplace(record.sequence, record.serverId);
}

QString TestSyncServer::store(const QString &entityType, const QString &clientId,
                              const QString &serverId, int version, bool deleted,
                              const QJsonObject &payload) {
    QString id = serverId;
    if (id.isEmpty() || !m_records.contains(id))
        id = m_byClientId.value(entityType + QLatin1Char('\n') + clientId);
    if (id.isEmpty()) {
        id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        Record fresh;
        fresh.entityType = entityType;
        fresh.serverId = id;
        fresh.clientId = clientId;
        m_records.insert(id, fresh);
        if (!clientId.isEmpty())
            m_byClientId.insert(entityType + QLatin1Char('\n') + clientId, id);
    }
    Record &record = m_records[id];
    count(record, -1);
    record.version = version;
    record.deleted = deleted;
    record.payload = payload;
    record.payload.remove(QStringLiteral("server_id"));
    if (deleted && record.payload.value(QLatin1String("deleted_at")).toString().isEmpty())
        record.payload.insert(QStringLiteral("deleted_at"), nowText());
    // The server knows who an account is shared with; a device's copy of the flag does not
    // override that.
    if (entityType == QLatin1String("account") && m_members.contains(id))
        record.payload.insert(QStringLiteral("is_shared"), !m_members.value(id).isEmpty());
    count(record, +1);
    touch(record);
    return id;
}

void TestSyncServer::count(const Record &record, int delta) {
    if (record.deleted || record.payload.isEmpty())
        return;
    if (record.entityType == QLatin1String("category"))
        m_liveCategories += delta;
    else if (record.entityType == QLatin1String("transaction"))
        m_liveTransactionsByAccount[record.payload.value(QLatin1String("account_id")).toString()]
            += delta;
}

QJsonObject TestSyncServer::pullRecord(const Record &record) const {
    QJsonObject json = record.payload;
    json.insert(QStringLiteral("id"), record.serverId);
    json.insert(QStringLiteral("client_id"), record.clientId);
    json.insert(QStringLiteral("version"), record.version);
    if (!record.deleted)
        json.remove(QStringLiteral("deleted_at"));
    return json;
}

TestHttpServer::Response TestSyncServer::handle(const TestHttpServer::Request &request) {
    if (!m_requiredToken.isEmpty()
        && request.header("Authorization") != "Bearer " + m_requiredToken.toUtf8())
        return error(401, QStringLiteral("unauthorized"));
    if (!request.path.startsWith(m_basePath + QLatin1Char('/')))
        return error(404, QStringLiteral("not found"));
    const QString path = request.path.mid(m_basePath.size());
    if (path == QLatin1String("/sync/push") && request.method == "POST")
        return push(request);
    if (path == QLatin1String("/sync/pull") && request.method == "GET")
        return pull(request);
    if (path.startsWith(QLatin1String("/accounts/")))
        return sharing(request, path);
    return error(404, QStringLiteral("not found"));
}

TestHttpServer::Response TestSyncServer::push(const TestHttpServer::Request &request) {
    if (m_pushFailure && m_pushesBeforeFailure-- <= 0)
        return error(m_pushFailure, QStringLiteral("push failure scripted by the test"));
    const QJsonObject body = request.json();
    if (!body.value(QLatin1String("changes")).isArray())
        return error(400, QStringLiteral("changes must be an array"));
    const QJsonArray changes = body.value(QLatin1String("changes")).toArray();
    if (changes.size() > 500)
        return error(413, QStringLiteral("at most 500 changes per push"));

    QJsonArray results;
    for (const QJsonValue &value : changes) {
        const QJsonObject change = value.toObject();
        const QString entityType = change.value(QLatin1String("entity_type")).toString();
        const QString entityId = change.value(QLatin1String("entity_id")).toString();
        const QJsonObject payload = change.value(QLatin1String("payload")).toObject();
        QJsonObject result{{QStringLiteral("entity_type"), entityType},
                           {QStringLiteral("entity_id"), entityId}};
        QString message;
        if (!kEntityTypes.contains(entityType))
            message = QStringLiteral("unknown entity type");
        else if (entityId.isEmpty())
            message = QStringLiteral("entity_id is required");
        else if (m_rejected.contains(entityId))
            message = m_rejected.value(entityId);
        if (!message.isEmpty()) {
            result.insert(QStringLiteral("status"), QStringLiteral("error"));
            result.insert(QStringLiteral("message"), message);
            results.append(result);
            continue;
        }
        const QString clientId = payload.value(QLatin1String("client_id")).toString();
        const QString serverId = store(
            entityType, clientId.isEmpty() ? entityId : clientId,
            payload.value(QLatin1String("server_id")).toString(),
            change.value(QLatin1String("version")).toInt(),
            change.value(QLatin1String("action")).toString() == QLatin1String("delete"), payload);
        result.insert(QStringLiteral("status"), QStringLiteral("ok"));
        result.insert(QStringLiteral("server_id"), serverId);
        results.append(result);
    }
    return TestHttpServer::Response::json(200, {{QStringLiteral("results"), results}});
}

QJsonObject TestSyncServer::integrity() const {
    QJsonObject accounts;
    for (auto it = m_liveTransactionsByAccount.cbegin(); it != m_liveTransactionsByAccount.cend();
         ++it) {
        if (it.value() > 0)
            accounts.insert(it.key(), QJsonObject{{QStringLiteral("count"), it.value()}});
    }
    return QJsonObject{
        {QStringLiteral("category_count"),
         m_reportedCategoryCount >= 0 ? m_reportedCategoryCount : m_liveCategories},
        {QStringLiteral("accounts"), accounts},
    };
}

TestHttpServer::Response TestSyncServer::pull(const TestHttpServer::Request &request) {
    if (m_pullFailure && m_pullsBeforeFailure-- <= 0)
        return error(m_pullFailure, QStringLiteral("pull failure scripted by the test"));
    if (!m_craftedPages.isEmpty())
        return TestHttpServer::Response::json(200, m_craftedPages.dequeue());

    qint64 since = 0;
    const QString sinceText = request.query.queryItemValue(QStringLiteral("since"));
    if (!sinceText.isEmpty()) {
        bool ok = false;
        since = cursorSequence(sinceText, &ok);
        if (!ok)
            return error(400, QStringLiteral("since is not a server time"));
    }
    int limit = 200;
    if (request.query.hasQueryItem(QStringLiteral("limit"))) {
        bool ok = false;
        limit = request.query.queryItemValue(QStringLiteral("limit")).toInt(&ok);
        if (!ok || limit <= 0)
            return error(400, QStringLiteral("limit must be a positive number"));
        limit = qMin(limit, 1000);
    }

    QHash<QString, QJsonArray> arrays;
    qint64 last = since;
    int count = 0;
    auto it = m_order.upper_bound(since);
    for (; it != m_order.end() && count < limit; ++it, ++count) {
        const Record &record = m_records[it->second];
        arrays[pullArrayOf(record.entityType)].append(pullRecord(record));
        last = it->first;
    }
    const bool hasMore = it != m_order.end();

    QJsonObject page;
    for (const QString &type : kEntityTypes)
        page.insert(pullArrayOf(type), arrays.value(pullArrayOf(type)));
    page.insert(QStringLiteral("server_time"), cursorText(hasMore ? last : qMax(last, m_sequence)));
    page.insert(QStringLiteral("has_more"), hasMore);
    page.insert(QStringLiteral("integrity"), integrity());
    return TestHttpServer::Response::json(200, page);
}

QString TestSyncServer::accountServerId(const QString &accountIdOrServerId) const {
    const auto it = m_records.constFind(accountIdOrServerId);
    if (it != m_records.cend() && it->entityType == QLatin1String("account"))
        return accountIdOrServerId;
    return m_byClientId.value(QStringLiteral("account\n") + accountIdOrServerId);
}

TestHttpServer::Response TestSyncServer::sharing(const TestHttpServer::Request &request,
                                                 const QString &path) {
    // /accounts/<id>/members, /accounts/<id>/share, /accounts/<id>/share/<user>
    const QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() < 4)
        return error(404, QStringLiteral("not found"));
    const QString accountId = accountServerId(parts.at(2));
    if (accountId.isEmpty())
        return error(404, QStringLiteral("Account not found"));
    QList<Member> &members = m_members[accountId];
    const auto markShared = [this, accountId, &members] {
        Record &account = m_records[accountId];
        account.payload.insert(QStringLiteral("is_shared"), members.isEmpty() ? 0 : 1);
        touch(account);
    };

    if (parts.size() == 4 && parts.at(3) == QLatin1String("members") && request.method == "GET") {
        QJsonArray array;
        for (const Member &member : members)
            array.append(
                QJsonObject{{QStringLiteral("user_id"), member.userId},
                            {QStringLiteral("email"), member.email},
                            {QStringLiteral("display_name"), member.email.section('@', 0, 0)},
                            {QStringLiteral("role"), member.role},
                            {QStringLiteral("created_at"), member.createdAt}});
        return TestHttpServer::Response::json(200, {{QStringLiteral("members"), array}});
    }
    if (parts.size() == 4 && parts.at(3) == QLatin1String("share") && request.method == "POST") {
        const QJsonObject body = request.json();
        Member member;
        member.userId = body.value(QLatin1String("user_id")).toString();
        member.email = body.value(QLatin1String("email")).toString();
        member.role = body.value(QLatin1String("role")).toString();
        member.createdAt = nowText();
        if (member.userId.isEmpty())
            return error(400, QStringLiteral("user_id is required"));
        if (member.role != QLatin1String("member") && member.role != QLatin1String("viewer")
            && member.role != QLatin1String("owner"))
            return error(400, QStringLiteral("unknown role"));
        for (const Member &existing : members) {
            if (existing.userId == member.userId)
                return error(409, QStringLiteral("already shared with this user"));
        }
        members.append(member);
        markShared();
        return TestHttpServer::Response::json(200,
                                              {{QStringLiteral("status"), QStringLiteral("ok")}});
    }
    if (parts.size() == 5 && parts.at(3) == QLatin1String("share") && request.method == "DELETE") {
        for (int i = 0; i < members.size(); ++i) {
            if (members.at(i).userId == parts.at(4)) {
                members.removeAt(i);
                markShared();
                return TestHttpServer::Response::json(200, {});
            }
        }
        return error(404, QStringLiteral("no such share"));
    }
    return error(404, QStringLiteral("not found"));
}
