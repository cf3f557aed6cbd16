// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/storedrecord.h"

#include <QByteArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

// Writes the JSON text of one pulled page. A record is stored as the compact JSON its device
// pushed, without its identity; most records go out as that text with the identity put in
// front, instead of being parsed into an object and written again: a first pull sends every
// record of a household, and the round trip was most of the server's work for it. Records
// that need more than their identity added (accounts, tombstones, a stored text that already
// names a member the server sets) are still rebuilt as objects.
class PullPageWriter {
public:
    // The page's arrays, in the order entity types are listed.
    PullPageWriter(const QStringList &entityTypes, const QStringList &arrayNames,
                   const QSet<QString> &sharedAccounts, const QString &userId);

    // Into the array of its entity type; false (nothing added) for an unknown type.
    bool add(const StoredRecord &record);
    QByteArray finish(const QString &serverTime, bool hasMore, qint64 categoryCount) const;

    // The object a device receives for the record, built as an object.
    static QJsonObject recordObject(const StoredRecord &record, bool isSharedAccount);
    // The record's text as add() writes it.
    QByteArray recordText(const StoredRecord &record) const;

private:
    static void appendString(QByteArray &out, const QString &text);

    QStringList m_entityTypes;
    QStringList m_arrayNames;
    QSet<QString> m_sharedAccounts;
    QString m_userId;
    std::vector<QByteArray> m_arrays;
};
