// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/urlopener.h"

#include "account/accountlog.h"

#include <QDesktopServices>
#include <QGuiApplication>

namespace TindAccount {

bool openInSystemBrowser(const QUrl &url) {
    // Desktop services need the platform integration of a GUI application.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        qCWarning(lcTindAccount).noquote()
            << "Cannot open a browser without a GUI application; open this address yourself:"
            << url.toString(QUrl::FullyEncoded);
        return false;
    }
    return QDesktopServices::openUrl(url);
}

} // namespace TindAccount
