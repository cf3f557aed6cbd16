// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>
#include <QUrl>

namespace TindUpdate {

// What every entry point of the library is given by the application.
struct UpdateConfig {
    QString appId;          // product identifier, also sent in the User-Agent
    QString channel;        // e.g. "stable"
    QUrl manifestBaseUrl;   // the channel's directory on the download server
    QString currentVersion; // the running version, e.g. "1.0.3"
};

} // namespace TindUpdate
