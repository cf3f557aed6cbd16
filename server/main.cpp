// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-server: the sync and sharing service.
//   quillon-server serve --data DIR [--listen ADDR:PORT] [--database postgresql://...]
//                        [--tls-cert FILE --tls-key FILE] [--insecure-http]
//   quillon-server token (--data DIR | --database URL) --user ID [--group ID] [--role R]
//                        [--email ADDRESS] [--name TEXT]
//     --group puts the user into the group ("" takes them out of theirs), as --role
//     (owner or member; member when left out); without it the token carries the stored group.

#include "server/apirouter.h"
#include "server/grouppolicy.h"
#include "server/httpserver.h"
#include "server/jwtsigner.h"
#include "server/syncstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstdio>
#include <thread>

namespace {

constexpr int kFailure = 1;

int fail(const QString &message) {
    QTextStream(stderr) << "quillon-server: " << message << Qt::endl;
    return kFailure;
}

void addStoreOptions(QCommandLineParser &parser) {
    parser.addOption({QStringLiteral("data"), QStringLiteral("Data directory (SQLite)."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("database"),
                      QStringLiteral("PostgreSQL connection URL instead of SQLite."),
                      QStringLiteral("URL")});
}

std::unique_ptr<SyncStore> openStore(const QCommandLineParser &parser, int connections,
                                     QString *error) {
    const QString data = parser.value(QStringLiteral("data"));
    const QString database = parser.value(QStringLiteral("database"));
    if (data.isEmpty() == database.isEmpty()) {
        *error = QStringLiteral("give either --data DIR or --database URL");
        return nullptr;
    }
    if (!database.isEmpty() && !database.startsWith(QLatin1String("postgresql://"))
        && !database.startsWith(QLatin1String("postgres://"))) {
        *error = QStringLiteral("--database takes a postgresql:// URL");
        return nullptr;
    }
    std::unique_ptr<SyncStore> store = SyncStore::create(data, database, connections);
    if (!store->open(error))
        return nullptr;
    return store;
}

int token(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Prints an access and a refresh token for a user, as JSON."));
    addStoreOptions(parser);
    parser.addOption({QStringLiteral("user"), QStringLiteral("User id."), QStringLiteral("ID")});
    parser.addOption({QStringLiteral("group"), QStringLiteral("Group id."), QStringLiteral("ID")});
    parser.addOption(
        {QStringLiteral("role"), QStringLiteral("Role in the group."), QStringLiteral("ROLE")});
    parser.addOption({QStringLiteral("email"), QStringLiteral("Email address, for sharing."),
                      QStringLiteral("ADDRESS")});
    parser.addOption(
        {QStringLiteral("name"), QStringLiteral("Display name."), QStringLiteral("TEXT")});
    parser.addOption({QStringLiteral("expires-in"),
                      QStringLiteral("Lifetime of the access token in seconds."),
                      QStringLiteral("SECONDS")});
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    Identity who{parser.value(QStringLiteral("user")), parser.value(QStringLiteral("group")),
                 parser.value(QStringLiteral("role"))};
    if (!who.role.isEmpty() && who.role != QLatin1String("owner")
        && who.role != QLatin1String("member"))
        return fail(QStringLiteral("--role is owner or member"));
    if (who.userId.isEmpty())
        return fail(QStringLiteral("--user is required"));
    bool lifetimeOk = true;
    const qint64 lifetime = parser.isSet(QStringLiteral("expires-in"))
                                ? parser.value(QStringLiteral("expires-in")).toLongLong(&lifetimeOk)
                                : JwtSigner::AccessLifetimeSeconds;
    if (!lifetimeOk)
        return fail(QStringLiteral("--expires-in takes a number of seconds"));

    QString error;
    std::unique_ptr<SyncStore> store = openStore(parser, 1, &error);
    if (!store)
        return fail(error);
    const QByteArray key = store->signingKey(&error);
    if (key.isEmpty())
        return fail(error);
    // The store is the authority on groups: --group puts the user into one (creating it when
    // new), otherwise the token carries the membership already stored.
    const bool setGroup = parser.isSet(QStringLiteral("group"));
    if (setGroup && who.role.isEmpty())
        who.role = QStringLiteral("member");
    if (!store->run(
            SyncStore::Mode::Write,
            [&](StoreSession &session) {
                const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
                KnownUser user = session.user(who.userId).value_or(KnownUser::withId(who.userId));
                if (user.createdAt.isEmpty())
                    user.createdAt = now;
                if (parser.isSet(QStringLiteral("email")))
                    user.email = parser.value(QStringLiteral("email"));
                if (parser.isSet(QStringLiteral("name")))
                    user.displayName = parser.value(QStringLiteral("name"));
                if (setGroup && (user.groupId != who.groupId || user.role != who.role)) {
                    if (user.groupId != who.groupId)
                        user.joinedAt = who.groupId.isEmpty() ? QString() : now;
                    user.groupId = who.groupId;
                    user.role = who.groupId.isEmpty() ? QString() : who.role;
                    if (!who.groupId.isEmpty() && !session.group(who.groupId)
                        && !session.putGroup(
                            FamilyGroup{who.groupId, who.groupId, GroupPolicy::MaxSeats, now}))
                        return false;
                }
                who.groupId = user.groupId;
                who.role = user.role;
                return session.undeleteUser(who.userId) && session.putUser(user);
            },
            &error))
        return fail(error);

    const JwtSigner signer(key);
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    const QJsonObject tokens{
        {QStringLiteral("access_token"), signer.issue(who, JwtSigner::Use::Access, now, lifetime)},
        {QStringLiteral("refresh_token"),
         signer.issue(who, JwtSigner::Use::Refresh, now, JwtSigner::RefreshLifetimeSeconds)}};
    QTextStream(stdout) << QJsonDocument(tokens).toJson(QJsonDocument::Compact) << Qt::endl;
    return 0;
}

bool isLoopback(const QString &address) {
    return QHostAddress(address).isLoopback();
}

int serve(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Serves the sync and sharing API."));
    addStoreOptions(parser);
    parser.addOption({QStringLiteral("listen"),
                      QStringLiteral("Address and port (default 127.0.0.1:8080; port 0 picks a "
                                     "free one)."),
                      QStringLiteral("ADDR:PORT"), QStringLiteral("127.0.0.1:8080")});
    parser.addOption({QStringLiteral("tls-cert"), QStringLiteral("PEM certificate chain."),
                      QStringLiteral("FILE")});
    parser.addOption(
        {QStringLiteral("tls-key"), QStringLiteral("PEM private key."), QStringLiteral("FILE")});
    parser.addOption({QStringLiteral("insecure-http"),
                      QStringLiteral("Serve plain HTTP on a non-loopback address.")});
    parser.addOption(
        {QStringLiteral("threads"), QStringLiteral("Server threads."), QStringLiteral("N")});
    parser.addOption({QStringLiteral("max-body"), QStringLiteral("Largest request body in bytes."),
                      QStringLiteral("BYTES")});
    parser.addOption({QStringLiteral("no-access-log"), QStringLiteral("Log no request lines.")});
    if (!parser.parse(arguments))
        return fail(parser.errorText());

    HttpServer::Options options;
    const QString listen = parser.value(QStringLiteral("listen"));
    const int colon = listen.lastIndexOf(QLatin1Char(':'));
    bool portOk = false;
    options.port = colon > 0 ? listen.mid(colon + 1).toUShort(&portOk) : 0;
    options.address = listen.left(colon);
    if (options.address.startsWith(QLatin1Char('[')) && options.address.endsWith(QLatin1Char(']')))
        options.address = options.address.mid(1, options.address.size() - 2);
    if (!portOk || QHostAddress(options.address).isNull())
        return fail(QStringLiteral("--listen takes ADDRESS:PORT, for example 127.0.0.1:8080"));
    options.tlsCertificate = parser.value(QStringLiteral("tls-cert"));
    options.tlsKey = parser.value(QStringLiteral("tls-key"));
    if (options.tlsCertificate.isEmpty() != options.tlsKey.isEmpty())
        return fail(QStringLiteral("--tls-cert and --tls-key go together"));
    const bool tls = !options.tlsCertificate.isEmpty();
    if (!tls && !isLoopback(options.address) && !parser.isSet(QStringLiteral("insecure-http")))
        return fail(
            QStringLiteral(
                "refusing plain HTTP on %1: tokens would cross the network readable.\n"
                "Give --tls-cert and --tls-key, or listen on 127.0.0.1 behind a TLS proxy, for "
                "example Caddy (Debian package caddy) with this Caddyfile:\n"
                "    sync.example.org {\n"
                "        reverse_proxy 127.0.0.1:8080\n"
                "    }\n"
                "or, on a trusted network only, add --insecure-http.")
                .arg(options.address));
    options.threads = qMax(2, int(std::thread::hardware_concurrency()) * 2);
    if (parser.isSet(QStringLiteral("threads")))
        options.threads = qBound(1, parser.value(QStringLiteral("threads")).toInt(), 64);
    if (parser.isSet(QStringLiteral("max-body"))) {
        bool ok = false;
        options.bodyLimit = parser.value(QStringLiteral("max-body")).toULongLong(&ok);
        if (!ok || options.bodyLimit == 0)
            return fail(QStringLiteral("--max-body takes a number of bytes"));
    }
    options.accessLog = !parser.isSet(QStringLiteral("no-access-log"));

    QString error;
    std::unique_ptr<SyncStore> store = openStore(parser, options.threads, &error);
    if (!store)
        return fail(error);
    const QByteArray key = store->signingKey(&error);
    if (key.isEmpty())
        return fail(QStringLiteral("no signing key: %1").arg(error));

    ApiRouter router(store.get(), key);
    HttpServer server(options,
                      [&router](const HttpRequest &request) { return router.handle(request); });
    if (!server.listen(&error))
        return fail(QStringLiteral("cannot listen on %1: %2").arg(listen, error));
    const QString host = options.address.contains(QLatin1Char(':'))
                             ? QLatin1Char('[') + options.address + QLatin1Char(']')
                             : options.address;
    QTextStream out(stdout);
    out << "listening on " << (tls ? "https" : "http") << "://" << host << ':' << server.port()
        << ApiRouter::BasePath << Qt::endl;
    if (!tls)
        QTextStream(stderr) << "quillon-server: plain HTTP; run it behind a TLS proxy (such as "
                               "Caddy) for anything beyond this machine"
                            << Qt::endl;
    server.run();
    QTextStream(stderr) << "quillon-server: stopped" << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quillon-server"));
    QStringList arguments = app.arguments();
    const QString command = arguments.value(1);
    // The parsers see the program name followed by the command's own options.
    if (arguments.size() > 1)
        arguments.removeAt(1);
    if (command == QLatin1String("serve"))
        return serve(arguments);
    if (command == QLatin1String("token"))
        return token(arguments);
    return fail(QStringLiteral("usage: quillon-server serve|token [options] (see --help of each)"));
}
