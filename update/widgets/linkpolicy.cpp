// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/widgets/linkpolicy.h"

#include <QDesktopServices>
#include <QHostAddress>

namespace TindUpdate::LinkPolicy {

namespace {

Opener &installedOpener() {
    static Opener opener;
    return opener;
}

} // namespace

bool isOpenable(const QUrl &url) {
    if (!url.isValid() || url.host().isEmpty())
        return false;
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return false;
    if (url.host().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(url.host());
    return !address.isNull() && address.isLoopback();
}

bool open(const QUrl &url) {
    if (!isOpenable(url))
        return false;
    if (const Opener &opener = installedOpener())
        return opener(url);
    return QDesktopServices::openUrl(url);
}

void setOpener(Opener opener) {
    installedOpener() = std::move(opener);
}

} // namespace TindUpdate::LinkPolicy
