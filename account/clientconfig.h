// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

namespace TindAccount {

struct ClientConfig {
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    QString clientId; // 32 hexadecimal digits, sent on the browser login URL
    QString appId;    // reverse-DNS; also names the stored credentials
    QString appName;
    QString appVersion;
    QString platform; // empty: derived from the running system
    QString portalUrl;
};

} // namespace TindAccount
