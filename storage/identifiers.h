// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>
#include <QUuid>

namespace Identifiers {

// Namespace of the default categories: the standard DNS namespace.
QUuid categoryNamespace();
// Namespace of the transactions posted from recurring rules.
QUuid recurringNamespace();

// 36 lowercase characters with hyphens, no braces.
QString toText(const QUuid &uuid);
// A new random (version 4) id.
QString newId();
// A name-based (version 5) id over the UTF-8 bytes of name.
QString nameBasedId(const QUuid &ns, const QString &name);

} // namespace Identifiers
