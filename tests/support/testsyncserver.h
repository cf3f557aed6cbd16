// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "tests/support/testhttpserver.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QQueue>
#include <QSet>
#include <QString>
#include <QUrl>

#include <map>

// An in-process sync server on 127.0.0.1, built on TestHttpServer: it keeps its own records,
// gives each a server id, keeps the pushing device's "client_id" and the pushed version,
// answers a push per change, and serves pull pages in the order of a server-time cursor that
// every accepted change advances. It also serves the account sharing paths. Tests can script
// it to fail, to reject single records, to require a token, or to serve crafted pages.
class TestSyncServer : public QObject {
    Q_OBJECT

public:
    struct Record {
        QString entityType;
        QString serverId;
        QString clientId;
        int version = 0;
        bool deleted = false;
        qint64 sequence = 0; // position on the cursor
        QJsonObject payload; // as pushed, without "server_id"
    };

    struct Member {
        QString userId;
        QString email;
        QString role;
        QString createdAt;
    };

    // basePath: where the API lives on the server, like a deployment's "/quillon/v1".
    explicit TestSyncServer(const QString &basePath = QStringLiteral("/quillon/v1"),
                            QObject *parent = nullptr);

    bool listen(quint16 port = 0);
    // The sync API base URL to configure on the client.
    QUrl url() const;
    TestHttpServer *http() { return &m_http; }
    const QList<TestHttpServer::Request> &requests() const { return m_http.requests(); }
    // Requests to one API path ("/sync/push"), in order.
    QList<TestHttpServer::Request> requests(const QString &apiPath) const;

    // Stores a record as if a device had pushed it; returns its server id.
    QString seed(const QString &entityType, const QJsonObject &payload, int version = 1,
                 bool deleted = false);
    QList<Record> records(const QString &entityType) const;
    std::optional<Record> recordByClientId(const QString &entityType,
                                           const QString &clientId) const;
    // The pull record of one stored record: its payload with "id", "client_id", "version".
    QJsonObject pullRecord(const Record &record) const;
    // The cursor text of a position.
    static QString cursorText(qint64 sequence);
    static qint64 cursorSequence(const QString &text, bool *ok);

    // Scripting.
    // Pushes fail with this status (0: they succeed) after okBefore more successful ones.
    void setPushFailure(int status, int okBefore = 0) {
        m_pushFailure = status;
        m_pushesBeforeFailure = okBefore;
    }
    // Pulls likewise.
    void setPullFailure(int status, int okBefore = 0) {
        m_pullFailure = status;
        m_pullsBeforeFailure = okBefore;
    }
    // Changes of this entity id are answered with status "error" and the message.
    void rejectEntity(const QString &entityId, const QString &message);
    void clearRejections() { m_rejected.clear(); }
    // Answers every request without "Authorization: Bearer <token>" with 401.
    void setRequiredToken(const QString &token) { m_requiredToken = token; }
    // Served instead of the stored records by the next pulls, one page each, in order.
    void queuePullPage(const QJsonObject &page) { m_craftedPages.enqueue(page); }
    // Answers every request this much later, to keep a sync in flight.
    void setResponseDelay(int ms) { m_delayMs = ms; }
    // An "integrity" that disagrees with the records, for the mismatch warning.
    void setReportedCategoryCount(int count) { m_reportedCategoryCount = count; }

    QList<Member> members(const QString &accountId) const;

private:
    TestHttpServer::Response handle(const TestHttpServer::Request &request);
    TestHttpServer::Response push(const TestHttpServer::Request &request);
    TestHttpServer::Response pull(const TestHttpServer::Request &request);
    TestHttpServer::Response sharing(const TestHttpServer::Request &request, const QString &path);
    QString accountServerId(const QString &accountIdOrServerId) const;
    void touch(Record &record);
    QString store(const QString &entityType, const QString &clientId, const QString &serverId,
                  int version, bool deleted, const QJsonObject &payload);
    QJsonObject integrity() const;
    void count(const Record &record, int delta);

    TestHttpServer m_http;
    QString m_basePath;
    QHash<QString, Record> m_records;     // by server id
    QHash<QString, QString> m_byClientId; // entity type + '\n' + client id -> server id
    std::map<qint64, QString> m_order;    // sequence -> server id
    qint64 m_sequence = 0;
    QHash<QString, QList<Member>> m_members; // account server id -> members

    int m_pushFailure = 0;
    int m_pushesBeforeFailure = 0;
    int m_delayMs = 0;
    int m_pullFailure = 0;
    int m_pullsBeforeFailure = 0;
    QHash<QString, QString> m_rejected;
    QString m_requiredToken;
    QQueue<QJsonObject> m_craftedPages;
    int m_reportedCategoryCount = -1;
    // Kept as records change: a page must not walk every record.
    int m_liveCategories = 0;
    QHash<QString, int> m_liveTransactionsByAccount;
};
