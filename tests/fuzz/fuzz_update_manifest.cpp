// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// The release manifest the update check downloads, and the versions in it.

#include "tests/fuzz/fuzzsupport.h"
#include "update/manifest.h"
#include "update/version.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray json = Fuzz::bytes(data, size);
    QString error;
    const std::optional<TindUpdate::Manifest> manifest = TindUpdate::Manifest::parse(json, &error);
    if (!manifest) {
        if (error.isEmpty())
            Fuzz::fail("a manifest was refused without a reason");
        return 0;
    }
    for (const TindUpdate::Artifact &artifact : manifest->artifacts()) {
        // The installer link goes to the network layer and the notes link to the browser.
        for (const QUrl &url : {artifact.url, artifact.releaseNotesUrl}) {
            if (url.isEmpty() && &url != &artifact.url)
                continue;
            const QString scheme = url.scheme();
            if (url.host().isEmpty()
                || (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
                Fuzz::fail("a manifest link that is not a web address", url.toString());
        }
        if (artifact.sha256.size() != 64 || !artifact.releasedAt.isValid())
            Fuzz::fail("an artifact breaks the manifest's rules");
        const TindUpdate::Version version = TindUpdate::Version::fromString(artifact.version);
        if (TindUpdate::Version::fromString(version.toString()) != version)
            Fuzz::fail("a version does not read back", artifact.version);
        TindUpdate::Version::fromString(artifact.minUpgradableFrom);
    }
    return 0;
}
