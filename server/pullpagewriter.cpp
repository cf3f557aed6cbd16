// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/pullpagewriter.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QString kAccount = QStringLiteral("account");

// Members the server sets itself: a stored text that names one is rebuilt as an object, so
// that the server's value is the only one sent.
bool namesServerMember(const QByteArray &payload) {
    return payload.contains("\"id\"") || payload.contains("\"client_id\"")
           || payload.contains("\"version\"") || payload.contains("\"deleted_at\"");
}

} // namespace

PullPageWriter::PullPageWriter(const QStringList &entityTypes, const QStringList &arrayNames,
                               const QSet<QString> &sharedAccounts, const QString &userId)
    : m_entityTypes(entityTypes)
    , m_arrayNames(arrayNames)
    , m_sharedAccounts(sharedAccounts)
    , m_userId(userId)
    , m_arrays(size_t(arrayNames.size())) {}

QJsonObject PullPageWriter::recordObject(const StoredRecord &record, bool isSharedAccount) {
    QJsonObject json = QJsonDocument::fromJson(record.payload).object();
    json.insert(QStringLiteral("id"), record.serverId);
    json.insert(QStringLiteral("client_id"), record.clientId);
    json.insert(QStringLiteral("version"), record.version);
    if (record.deleted || record.revoked) {
        if (json.value(QLatin1String("deleted_at")).toString().isEmpty())
            json.insert(QStringLiteral("deleted_at"),
                        QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    } else {
        json.remove(QStringLiteral("deleted_at"));
    }
    // Whether an account is shared is the server's to say, not the pushing device's.
    if (record.entityType == kAccount)
        json.insert(QStringLiteral("is_shared"), isSharedAccount);
    return json;
}

QByteArray PullPageWriter::recordText(const StoredRecord &record) const {
    const QByteArray payload = record.payload.trimmed();
    const bool plain = record.entityType != kAccount && !record.deleted && !record.revoked
                       && payload.startsWith('{') && payload.endsWith('}')
                       && !namesServerMember(payload);
    if (!plain) {
        const bool shared
            = record.ownerId != m_userId || m_sharedAccounts.contains(record.clientId);
        return QJsonDocument(recordObject(record, shared)).toJson(QJsonDocument::Compact);
    }
    QByteArray out;
    out.reserve(payload.size() + record.serverId.size() + record.clientId.size() + 48);
    out += "{\"id\":";
    appendString(out, record.serverId);
    out += ",\"client_id\":";
    appendString(out, record.clientId);
    out += ",\"version\":";
    out += QByteArray::number(record.version);
    // What follows the payload's opening brace: its members and its closing brace.
    const QByteArray rest = payload.mid(1).trimmed();
    if (rest != "}")
        out += ',';
    out += rest;
    return out;
}

bool PullPageWriter::add(const StoredRecord &record) {
    const qsizetype index = m_entityTypes.indexOf(record.entityType);
    if (index < 0 || index >= qsizetype(m_arrays.size()))
        return false;
    QByteArray &array = m_arrays[size_t(index)];
    if (!array.isEmpty())
        array += ',';
    array += recordText(record);
    return true;
}

QByteArray PullPageWriter::finish(const QString &serverTime, bool hasMore,
                                  qint64 categoryCount) const {
    QByteArray out("{");
    for (qsizetype i = 0; i < m_arrayNames.size(); ++i) {
        appendString(out, m_arrayNames.at(i));
        out += ":[";
        out += m_arrays[size_t(i)];
        out += "],";
    }
    out += "\"server_time\":";
    appendString(out, serverTime);
    out += ",\"has_more\":";
    out += hasMore ? "true" : "false";
    out += ",\"integrity\":{\"category_count\":";
    out += QByteArray::number(categoryCount);
    out += "}}";
    return out;
}

// A JSON string: UTF-8, with the quote, the backslash and control characters escaped.
void PullPageWriter::appendString(QByteArray &out, const QString &text) {
    static const char hex[] = "0123456789abcdef";
    const QByteArray utf8 = text.toUtf8();
    out += '"';
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += "\\u00";
            out += hex[byte >> 4];
            out += hex[byte & 0xf];
        } else {
            out += c;
        }
    }
    out += '"';
}
