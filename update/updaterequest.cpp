// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/updaterequest.h"

namespace TindUpdate {

QNetworkRequest UpdateRequest::create(const QUrl &url, const QString &appId, int timeoutMs) {
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent(appId));
    // Redirects are followed, but never from https down to plain http.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    return request;
}

QByteArray UpdateRequest::userAgent(const QString &appId) {
    return QStringLiteral("TindUpdateQt/0.1 (%1)").arg(appId).toUtf8();
}

} // namespace TindUpdate
