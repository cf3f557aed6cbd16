// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/httpserver.h"

#include <QDateTime>
#include <QUrl>

#include <boost/asio/signal_set.hpp>
#include <boost/asio/ssl.hpp>
#include <boost/asio/steady_timer.hpp>
#include <boost/asio/strand.hpp>
#include <boost/beast/core.hpp>
#include <boost/beast/http.hpp>
#include <boost/beast/ssl.hpp>

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <mutex>
#include <optional>
#include <set>
#include <thread>
#include <vector>

namespace beast = boost::beast;
namespace http = beast::http;
namespace net = boost::asio;
namespace ssl = boost::asio::ssl;
using tcp = net::ip::tcp;

namespace {

// Beast reads a body only as far as the buffer's free space reaches; a small buffer means
// many small reads.
constexpr std::size_t kReadBuffer = 64 * 1024;
// How much of a refused request is read and dropped at most before the connection closes.
constexpr std::size_t kMaxDrain = 64 * 1024 * 1024;

// Clients that keep Nagle's algorithm on (Qt's HTTP client does) hold back the tail of a
// request body until what they sent before is acknowledged; with the acknowledgement delayed
// every push would stall for 40 ms. Linux leaves quick acknowledgement on its own accord,
// so it is asked for again before each read.
void acknowledgeQuickly(tcp::socket &socket) {
#ifdef TCP_QUICKACK
    const int on = 1;
    ::setsockopt(socket.native_handle(), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#else
    Q_UNUSED(socket);
#endif
}

class SessionBase {
public:
    virtual ~SessionBase() = default;
    virtual void closeIfIdle() = 0;
};

} // namespace

class HttpServer::Impl {
public:
    Impl(const Options &options, Handler handler)
        : options(options)
        , handler(std::move(handler))
        , io(options.threads)
        , acceptor(io)
        , signals(io, SIGINT, SIGTERM)
        , forceStop(io) {}

    void accept();
    void beginShutdown();
    void track(const std::shared_ptr<SessionBase> &session) {
        const std::lock_guard<std::mutex> lock(sessionsLock);
        sessions.insert(session);
    }
    void untrack(const std::shared_ptr<SessionBase> &session) {
        bool last = false;
        {
            const std::lock_guard<std::mutex> lock(sessionsLock);
            sessions.erase(session);
            last = sessions.empty();
        }
        // The last request in flight has been answered: nothing is left to wait for.
        if (last && stopping)
            net::post(io, [this] { forceStop.cancel(); });
    }
    HttpResponse respond(const HttpRequest &request) const;
    void log(const HttpRequest &request, const HttpResponse &response, double ms) const;

    Options options;
    Handler handler;
    net::io_context io;
    tcp::acceptor acceptor;
    net::signal_set signals;
    net::steady_timer forceStop;
    std::optional<ssl::context> tls;
    std::atomic<bool> stopping{false};
    std::mutex sessionsLock;
    std::set<std::weak_ptr<SessionBase>, std::owner_less<std::weak_ptr<SessionBase>>> sessions;
    std::mutex logLock;
};

namespace {

template<typename Stream>
class Session : public SessionBase, public std::enable_shared_from_this<Session<Stream>> {
public:
    static constexpr bool Tls = !std::is_same_v<Stream, beast::tcp_stream>;

    template<typename... Args>
    Session(HttpServer::Impl &server, tcp::socket &&socket, Args &&...args)
        : m_server(server)
        , m_stream(std::move(socket), std::forward<Args>(args)...) {
        m_buffer.reserve(kReadBuffer);
        boost::system::error_code ec;
        const auto endpoint = beast::get_lowest_layer(m_stream).socket().remote_endpoint(ec);
        if (!ec)
            m_remote = QString::fromStdString(endpoint.address().to_string());
    }

    void start() {
        m_server.track(this->shared_from_this());
        if constexpr (Tls) {
            beast::get_lowest_layer(m_stream).expires_after(
                std::chrono::seconds(m_server.options.readTimeoutSeconds));
            m_stream.async_handshake(ssl::stream_base::server,
                                     [self = this->shared_from_this()](beast::error_code ec) {
                                         if (ec)
                                             return self->finish();
                                         self->readHeader();
                                     });
        } else {
            readHeader();
        }
    }

    void closeIfIdle() override {
        net::post(m_stream.get_executor(), [self = this->shared_from_this()] {
            if (self->m_idle && self->m_buffer.size() == 0)
                beast::get_lowest_layer(self->m_stream).socket().close();
        });
    }

private:
    void readHeader() {
        if (m_server.stopping && m_buffer.size() == 0)
            return close();
        m_parser.emplace();
        m_parser->header_limit(std::uint32_t(m_server.options.headerLimit));
        m_parser->body_limit(m_server.options.bodyLimit);
        m_idle = true;
        beast::get_lowest_layer(m_stream).expires_after(
            std::chrono::seconds(m_server.options.idleTimeoutSeconds));
        acknowledgeQuickly(beast::get_lowest_layer(m_stream).socket());
        http::async_read_header(m_stream, m_buffer, *m_parser,
                                [self = this->shared_from_this()](
                                    beast::error_code ec, std::size_t) { self->onHeader(ec); });
    }

    void onHeader(beast::error_code ec) {
        m_idle = false;
        if (ec == http::error::header_limit)
            return fail(431, QStringLiteral("request header too large"));
        // A declared length over the limit is refused before any of the body is read.
        if (ec == http::error::body_limit)
            return fail(413, QStringLiteral("request body too large"));
        if (ec == http::error::end_of_stream || ec)
            return isParseError(ec) ? fail(400, QStringLiteral("malformed request")) : close();
        const auto length = m_parser->content_length();
        if (length && *length > m_server.options.bodyLimit)
            return fail(413, QStringLiteral("request body too large"));
        m_started = std::chrono::steady_clock::now();
        beast::get_lowest_layer(m_stream).expires_after(
            std::chrono::seconds(m_server.options.readTimeoutSeconds));
        // A client that waits for leave to send its body gets it at once, not after its own
        // timeout.
        const auto expect = m_parser->get().find(http::field::expect);
        if (expect != m_parser->get().end() && beast::iequals(expect->value(), "100-continue")) {
            auto interim = std::make_shared<http::response<http::empty_body>>(
                http::status::continue_, m_parser->get().version());
            http::async_write(
                m_stream, *interim,
                [self = this->shared_from_this(), interim](beast::error_code ec, std::size_t) {
                    if (ec)
                        return self->close();
                    self->readBody();
                });
            return;
        }
        readBody();
    }

    // Piece by piece, so that every read asks for quick acknowledgement again.
    void readBody() {
        if (m_parser->is_done())
            return onBody({});
        acknowledgeQuickly(beast::get_lowest_layer(m_stream).socket());
        http::async_read_some(m_stream, m_buffer, *m_parser,
                              [self = this->shared_from_this()](beast::error_code ec, std::size_t) {
                                  if (ec)
                                      return self->onBody(ec);
                                  self->readBody();
                              });
    }

    static bool isParseError(const beast::error_code &ec) {
        return ec.category() == beast::error_code(http::error::bad_target).category()
               && ec != http::error::end_of_stream && ec != http::error::partial_message;
    }

    void onBody(beast::error_code ec) {
        if (ec == http::error::body_limit)
            return fail(413, QStringLiteral("request body too large"));
        if (ec)
            return isParseError(ec) ? fail(400, QStringLiteral("malformed request")) : close();

        http::request<http::string_body> &message = m_parser->get();
        HttpRequest request;
        request.method
            = QByteArray(message.method_string().data(), int(message.method_string().size()));
        const QByteArray target(message.target().data(), int(message.target().size()));
        const QUrl url = QUrl::fromEncoded(target, QUrl::StrictMode);
        request.path = url.path(QUrl::FullyDecoded);
        request.query = QUrlQuery(url.query(QUrl::FullyEncoded));
        const auto authorization = message.find(http::field::authorization);
        if (authorization != message.end())
            request.authorization
                = QByteArray(authorization->value().data(), int(authorization->value().size()));
        const auto header = [&message](beast::string_view name) {
            const auto found = message.find(name);
            return found == message.end()
                       ? QByteArray()
                       : QByteArray(found->value().data(), int(found->value().size()));
        };
        request.userAgent = header("User-Agent");
        request.forwardedFor = header("X-Forwarded-For");
        request.body = QByteArray::fromStdString(message.body());
        request.remote = m_remote;

        HttpResponse response
            = url.isValid() && target.startsWith('/')
                  ? m_server.respond(request)
                  : HttpResponse::error(400, QStringLiteral("bad request target"));
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now()
                                                                    - m_started)
                              .count();
        m_server.log(request, response, ms);
        write(response, message.version(), message.keep_alive() && !m_server.stopping);
    }

    void write(const HttpResponse &response, unsigned version, bool keepAlive,
               bool thenDrain = false) {
        auto message = std::make_shared<http::response<http::string_body>>(
            static_cast<http::status>(response.status), version);
        message->set(http::field::server, "quillon-server");
        message->set(http::field::content_type,
                     beast::string_view(response.contentType.constData(),
                                        std::size_t(response.contentType.size())));
        for (const auto &[name, value] : response.headers)
            message->set(beast::string_view(name.constData(), std::size_t(name.size())),
                         beast::string_view(value.constData(), std::size_t(value.size())));
        message->keep_alive(keepAlive);
        message->body().assign(response.body.constData(), std::size_t(response.body.size()));
        message->prepare_payload();
        beast::get_lowest_layer(m_stream).expires_after(
            std::chrono::seconds(m_server.options.readTimeoutSeconds));
        http::async_write(m_stream, *message,
                          [self = this->shared_from_this(), message, keepAlive,
                           thenDrain](beast::error_code ec, std::size_t) {
                              if (!ec && thenDrain)
                                  return self->drain();
                              if (ec || !keepAlive)
                                  return self->close();
                              self->readHeader();
                          });
    }

    // Answers a request that could not be read, then closes: the rest of the connection
    // cannot be trusted to start at a request.
    void fail(int status, const QString &message) {
        HttpRequest request;
        request.remote = m_remote;
        if (m_parser && m_parser->is_header_done()) {
            const auto &header = m_parser->get();
            request.method
                = QByteArray(header.method_string().data(), int(header.method_string().size()));
            request.path
                = QUrl::fromEncoded(QByteArray(header.target().data(), int(header.target().size())))
                      .path();
        }
        const HttpResponse response = HttpResponse::error(status, message);
        m_server.log(request, response, 0);
        write(response, 11, false, true);
    }

    // Reads and drops what the client still sends after a refusal, for a short while, so that
    // closing does not reset the connection before the client has read the answer.
    void drain() {
        if (!m_drainBuffer) {
            m_drainBuffer = std::make_shared<std::vector<char>>(kReadBuffer);
            beast::get_lowest_layer(m_stream).expires_after(std::chrono::seconds(2));
        }
        m_stream.async_read_some(
            net::buffer(*m_drainBuffer),
            [self = this->shared_from_this()](beast::error_code ec, std::size_t bytes) {
                self->m_drained += bytes;
                if (ec || self->m_drained > kMaxDrain)
                    return self->finish();
                self->drain();
            });
    }

    void close() {
        if constexpr (Tls) {
            beast::get_lowest_layer(m_stream).expires_after(std::chrono::seconds(5));
            m_stream.async_shutdown(
                [self = this->shared_from_this()](beast::error_code) { self->finish(); });
        } else {
            finish();
        }
    }

    void finish() {
        boost::system::error_code ec;
        beast::get_lowest_layer(m_stream).socket().shutdown(tcp::socket::shutdown_both, ec);
        beast::get_lowest_layer(m_stream).socket().close(ec);
        m_server.untrack(this->shared_from_this());
    }

    HttpServer::Impl &m_server;
    Stream m_stream;
    beast::flat_buffer m_buffer;
    std::optional<http::request_parser<http::string_body>> m_parser;
    QString m_remote;
    bool m_idle = false;
    std::shared_ptr<std::vector<char>> m_drainBuffer;
    std::size_t m_drained = 0;
    std::chrono::steady_clock::time_point m_started;
};

} // namespace

HttpResponse HttpServer::Impl::respond(const HttpRequest &request) const {
    try {
        return handler(request);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "request failed: %s\n", error.what());
    }
    return HttpResponse::error(500, QStringLiteral("internal error"));
}

void HttpServer::Impl::log(const HttpRequest &request, const HttpResponse &response,
                           double ms) const {
    if (!options.accessLog)
        return;
    // Never the token or a body: only who, what and how it went.
    QString path = request.path;
    if (!request.query.isEmpty())
        path += QLatin1Char('?') + request.query.toString(QUrl::FullyEncoded);
    const QByteArray line
        = QStringLiteral("%1 %2 %3 %4 %5 %6 %7ms user=%8\n")
              .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs),
                   request.remote.isEmpty() ? QStringLiteral("-") : request.remote,
                   request.method.isEmpty() ? QStringLiteral("-")
                                            : QString::fromLatin1(request.method),
                   path.isEmpty() ? QStringLiteral("-") : path)
              .arg(response.status)
              .arg(response.body.size())
              .arg(ms, 0, 'f', 1)
              .arg(response.userId.isEmpty() ? QStringLiteral("-") : response.userId)
              .toUtf8();
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
}

void HttpServer::Impl::accept() {
    acceptor.async_accept(net::make_strand(io), [this](beast::error_code ec, tcp::socket socket) {
        if (ec) {
            if (!stopping && acceptor.is_open())
                accept();
            return;
        }
        // A response goes out in one write; nothing is gained by holding back its tail.
        socket.set_option(tcp::no_delay(true), ec);
        if (tls)
            std::make_shared<Session<beast::ssl_stream<beast::tcp_stream>>>(*this,
                                                                            std::move(socket), *tls)
                ->start();
        else
            std::make_shared<Session<beast::tcp_stream>>(*this, std::move(socket))->start();
        accept();
    });
}

void HttpServer::Impl::beginShutdown() {
    if (stopping.exchange(true))
        return;
    boost::system::error_code ec;
    acceptor.close(ec);
    signals.cancel(ec);
    std::vector<std::shared_ptr<SessionBase>> open;
    {
        const std::lock_guard<std::mutex> lock(sessionsLock);
        for (const auto &weak : sessions)
            if (auto session = weak.lock())
                open.push_back(session);
    }
    for (const auto &session : open)
        session->closeIfIdle();
    if (open.empty())
        return;
    forceStop.expires_after(std::chrono::seconds(options.shutdownGraceSeconds));
    forceStop.async_wait([this](beast::error_code ec) {
        if (!ec)
            io.stop();
    });
}

HttpServer::HttpServer(const Options &options, Handler handler)
    : d(std::make_unique<Impl>(options, std::move(handler))) {}

HttpServer::~HttpServer() = default;

bool HttpServer::listen(QString *error) {
    try {
        if (!d->options.tlsCertificate.isEmpty()) {
            d->tls.emplace(ssl::context::tls_server);
            d->tls->set_options(ssl::context::default_workarounds | ssl::context::no_sslv2
                                | ssl::context::no_sslv3 | ssl::context::no_tlsv1
                                | ssl::context::no_tlsv1_1);
            d->tls->use_certificate_chain_file(d->options.tlsCertificate.toStdString());
            d->tls->use_private_key_file(d->options.tlsKey.toStdString(), ssl::context::pem);
        }
        const tcp::endpoint endpoint(net::ip::make_address(d->options.address.toStdString()),
                                     d->options.port);
        d->acceptor.open(endpoint.protocol());
        d->acceptor.set_option(net::socket_base::reuse_address(true));
        d->acceptor.bind(endpoint);
        d->acceptor.listen(net::socket_base::max_listen_connections);
    } catch (const std::exception &e) {
        *error = QString::fromLocal8Bit(e.what());
        return false;
    }
    return true;
}

quint16 HttpServer::port() const {
    boost::system::error_code ec;
    return d->acceptor.local_endpoint(ec).port();
}

void HttpServer::run() {
    d->signals.async_wait([this](beast::error_code ec, int) {
        if (!ec)
            d->beginShutdown();
    });
    d->accept();
    std::vector<std::thread> threads;
    for (int i = 1; i < d->options.threads; ++i)
        threads.emplace_back([this] { d->io.run(); });
    d->io.run();
    for (std::thread &thread : threads)
        thread.join();
}

void HttpServer::stop() {
    net::post(d->io, [this] { d->beginShutdown(); });
}
