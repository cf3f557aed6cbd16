// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace TindUpdate {

// One downloadable build of a release, as listed in the manifest for a platform key.
struct Artifact {
    QString version;
    QDateTime releasedAt;
    QUrl url;         // the installer; always http or https
    qint64 size = -1; // bytes
    QString sha256;   // 64 characters
    bool mandatory = false;
    QString minUpgradableFrom; // empty when any older version may upgrade directly
    QUrl releaseNotesUrl;      // empty when the release has no notes
};

} // namespace TindUpdate

Q_DECLARE_METATYPE(TindUpdate::Artifact)
