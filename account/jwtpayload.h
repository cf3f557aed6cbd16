// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QJsonObject>
#include <QString>

namespace TindAccount {

// The payload of a JWT as a JSON object; empty when the token is not one. The signature is
// not checked: the server does that, the client only reads its own token.
QJsonObject decodeJwtPayload(const QString &token);

} // namespace TindAccount
