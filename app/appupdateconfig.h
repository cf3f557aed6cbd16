// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/updateconfig.h"

// Where and as what the program asks for updates. "UPDATE_MANIFEST_URL", when set to a
// non-empty value, replaces the download server's channel directory, for a self-hosted or
// test server.
class AppUpdateConfig {
public:
    static TindUpdate::UpdateConfig create();
    static QUrl defaultManifestBaseUrl();
};
