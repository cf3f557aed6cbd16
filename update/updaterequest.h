// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QNetworkRequest>
#include <QString>
#include <QUrl>

namespace TindUpdate {

// The GET request every call to the download server uses.
class UpdateRequest {
public:
    // A stalled server must not keep a check in flight for ever.
    static constexpr int kDefaultTimeoutMs = 30000;

    static QNetworkRequest create(const QUrl &url, const QString &appId,
                                  int timeoutMs = kDefaultTimeoutMs);
    static QByteArray userAgent(const QString &appId);
};

} // namespace TindUpdate
