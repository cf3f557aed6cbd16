// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/identifiers.h"

namespace Identifiers {

QUuid categoryNamespace() {
    return QUuid(QStringLiteral("{6ba7b810-9dad-11d1-80b4-00c04fd430c8}"));
}

QUuid recurringNamespace() {
    return QUuid(QStringLiteral("{a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e}"));
}

QString toText(const QUuid &uuid) {
    return uuid.toString(QUuid::WithoutBraces).toLower();
}

QString newId() {
    return toText(QUuid::createUuid());
}

QString nameBasedId(const QUuid &ns, const QString &name) {
    return toText(QUuid::createUuidV5(ns, name.toUtf8()));
}

} // namespace Identifiers
