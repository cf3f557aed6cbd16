// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrlQuery>

// A request as the handlers see it: already read whole and within the limits.
struct HttpRequest {
    QByteArray method;
    QString path; // percent-decoded, without the query
    QUrlQuery query;
    QByteArray authorization; // the header's value, empty when absent
    QByteArray body;
    QString remote; // address of the peer, for the access log
    QByteArray userAgent;
    QByteArray forwardedFor; // X-Forwarded-For as a proxy in front of the server set it
};

struct HttpResponse {
    int status = 200;
    QByteArray body;
    QByteArray contentType = "application/json";
    // Sent as they are, after the content type.
    QList<QPair<QByteArray, QByteArray>> headers;
    // Whom the request was made by, once the token was verified; the access log names them.
    QString userId;

    static HttpResponse json(int status, const QJsonObject &object);
    static HttpResponse error(int status, const QString &message);
};
