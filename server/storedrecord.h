// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QString>

// One synchronised row as the server keeps it. Rows live in the data space of their owner;
// accountId (the owning account's client id, or the account's own for an account) is what a
// share of that account reaches.
struct StoredRecord {
    QString serverId;
    QString ownerId;
    QString entityType;
    QString clientId;
    QString accountId;
    int version = 0;
    bool deleted = false;
    qint64 sequence = 0;
    QByteArray payload;   // compact JSON as pushed, without the identity members
    bool revoked = false; // read from a revocation: the reader is sent a tombstone
};
