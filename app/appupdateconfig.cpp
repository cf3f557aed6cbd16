// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appupdateconfig.h"

#include "quillonversion.h"

namespace {

const char kManifestUrlVariable[] = "UPDATE_MANIFEST_URL";

} // namespace

TindUpdate::UpdateConfig AppUpdateConfig::create() {
    TindUpdate::UpdateConfig config;
    config.appId = QStringLiteral("quillon");
    config.channel = QStringLiteral("stable");
    config.currentVersion = QStringLiteral(QUILLON_VERSION);

    const QString override = qEnvironmentVariable(kManifestUrlVariable);
    // Strict parsing: a mistyped value must fail the check, not be "repaired" into another
    // address.
    config.manifestBaseUrl
        = override.isEmpty() ? defaultManifestBaseUrl() : QUrl(override, QUrl::StrictMode);
    return config;
}

QUrl AppUpdateConfig::defaultManifestBaseUrl() {
    return QUrl(QStringLiteral("https://downloads.tindral.example/quillon/stable/"));
}
