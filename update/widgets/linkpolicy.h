// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QUrl>

#include <functional>

namespace TindUpdate {

// Which links from a manifest or from release notes may be handed to the browser, and how.
// Both come from a server, so a link of any other kind (file:, javascript:, plain http to
// another machine) is refused rather than opened.
namespace LinkPolicy {

using Opener = std::function<bool(const QUrl &url)>;

// https, or http on a loopback address (a local test server).
bool isOpenable(const QUrl &url);

// Opens an openable link through the opener (the desktop services by default); false when
// the link is refused or could not be opened.
bool open(const QUrl &url);

// Replaces the opener, for tests; an empty one restores the desktop services.
void setOpener(Opener opener);

} // namespace LinkPolicy

} // namespace TindUpdate
