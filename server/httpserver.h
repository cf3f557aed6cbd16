// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/httpmessage.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <memory>

// The HTTP/1.1 front of the server on a small pool of threads: keep-alive, pipelining and
// HTTP/1.0, limits on header and body size (431 and 413), a time limit for reading a request
// and for an idle connection, TLS when given a certificate, an access log line per request,
// and a shutdown that finishes the requests in flight. Handlers run on the pool's threads.
class HttpServer {
public:
    using Handler = std::function<HttpResponse(const HttpRequest &)>;

    struct Options {
        QString address = QStringLiteral("127.0.0.1");
        quint16 port = 8080;
        int threads = 4;
        std::size_t bodyLimit = 8 * 1024 * 1024;
        std::size_t headerLimit = 16 * 1024;
        int readTimeoutSeconds = 30;
        int idleTimeoutSeconds = 75;
        int shutdownGraceSeconds = 20;
        QString tlsCertificate; // PEM chain; TLS is used when set
        QString tlsKey;
        bool accessLog = true;
    };

    HttpServer(const Options &options, Handler handler);
    ~HttpServer();
    HttpServer(const HttpServer &) = delete;
    HttpServer &operator=(const HttpServer &) = delete;

    // Binds the address; the port is chosen by the system when the option is 0.
    bool listen(QString *error);
    quint16 port() const;
    // Serves until SIGTERM or SIGINT arrives or stop() is called, then lets the requests in
    // flight finish (up to the grace time) and returns.
    void run();
    void stop();

    class Impl; // public only for the connection classes inside the source file

private:
    std::unique_ptr<Impl> d;
};
