// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/httpmessage.h"

#include <QJsonDocument>

HttpResponse HttpResponse::json(int status, const QJsonObject &object) {
    HttpResponse response;
    response.status = status;
    response.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return response;
}

HttpResponse HttpResponse::error(int status, const QString &message) {
    return json(status, QJsonObject{{QStringLiteral("error"), message}});
}
