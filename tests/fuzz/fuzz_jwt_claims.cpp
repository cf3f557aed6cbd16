// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// An access token as the server hands it out: its payload and the group claims in it.

#include "account/jwtpayload.h"
#include "account/tindclaims.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // Tokens arrive in JSON strings, so as text; the ASCII path is the usual one.
    const QString token = Fuzz::text(data, size);
    const QJsonObject payload = TindAccount::decodeJwtPayload(token);
    // What the token manager reads from every token.
    payload.value(QLatin1String("exp")).toInteger(0);
    payload.value(QLatin1String("sub")).toString();
    TindAccount::TindClaims::fromAccessToken(token);
    TindAccount::decodeJwtPayload(
        QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
