// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// quillon-server: the sync and sharing service.
//   quillon-server serve --data DIR [--listen ADDR:PORT] [--database postgresql://...]
//                        [--tls-cert FILE --tls-key FILE] [--insecure-http]
//                        [--allow-signup] [--realm NAME] [--redirect-uri CLIENT=URI ...]
//   quillon-server token (--data DIR | --database URL) --user ID [--group ID] [--role R]
//                        [--email ADDRESS] [--name TEXT]
//     --group puts the user into the group ("" takes them out of theirs), as --role
//     (owner or member; member when left out); without it the token carries the stored group.
//   quillon-server user add|list|disable|enable|reset-password (--data DIR | --database URL)
//                        [--email ADDRESS] [--name TEXT]   (passwords are read from stdin)

#include "server/apirouter.h"
#include "server/grouppolicy.h"
#include "server/httpserver.h"
#include "server/jwtsigner.h"
#include "server/passwordhasher.h"
#include "server/sessiontokens.h"
#include "server/syncstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTextStream>
#include <QUrl>
#include <QUuid>

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
                 parser.value(QStringLiteral("role")), QString()};
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
    const JwtSigner signer(key);
    std::optional<SessionTokens::Issued> issued;
    // A session of its own, revoked like a sign-in's; its refresh token signs in machines
    // (each to a session of its own) until it expires or the session ends.
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
                if (!session.undeleteUser(who.userId) || !session.putUser(user))
                    return false;
                issued = SessionTokens::start(
                    session, signer, who.userId, QStringLiteral("quillon-server token"), QString(),
                    QDateTime::currentSecsSinceEpoch(), lifetime, SessionTokens::Kind::Enrolment);
                return bool(issued);
            },
            &error))
        return fail(error);
    QTextStream(stdout) << QJsonDocument(issued->toJson()).toJson(QJsonDocument::Compact)
                        << Qt::endl;
    return 0;
}

// A password from the first line of standard input: a script can pipe it in, and it shows up
// in no process list.
QString readPassword() {
    QTextStream in(stdin);
    return in.readLine();
}

int user(const QStringList &arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Manages the accounts that sign in with a password:\n"
        "  user add --email ADDRESS [--name TEXT]   (password on standard input)\n"
        "  user list\n"
        "  user disable --email ADDRESS             (also ends every session)\n"
        "  user enable --email ADDRESS\n"
        "  user reset-password --email ADDRESS      (password on standard input; ends every "
        "session)"));
    addStoreOptions(parser);
    parser.addOption(
        {QStringLiteral("email"), QStringLiteral("Email address."), QStringLiteral("ADDRESS")});
    parser.addOption(
        {QStringLiteral("name"), QStringLiteral("Display name."), QStringLiteral("TEXT")});
    parser.addPositionalArgument(QStringLiteral("action"),
                                 QStringLiteral("add, list, disable, enable or reset-password"));
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    const QString action = parser.positionalArguments().value(0);
    static const QStringList actions{QStringLiteral("add"), QStringLiteral("list"),
                                     QStringLiteral("disable"), QStringLiteral("enable"),
                                     QStringLiteral("reset-password")};
    if (parser.positionalArguments().size() != 1 || !actions.contains(action))
        return fail(QStringLiteral("usage: quillon-server user add|list|disable|enable|"
                                   "reset-password [options]"));
    QString email;
    if (action != QLatin1String("list")) {
        email = PasswordHasher::canonicalEmail(parser.value(QStringLiteral("email")));
        if (email.isEmpty())
            return fail(QStringLiteral("--email takes a plain email address"));
    }
    QString hash;
    if (action == QLatin1String("add") || action == QLatin1String("reset-password")) {
        const QString password = readPassword();
        const QString problem = PasswordHasher::passwordProblem(password);
        if (!problem.isEmpty())
            return fail(problem);
        hash = PasswordHasher::hash(password);
        if (hash.isEmpty())
            return fail(QStringLiteral("cannot hash the password"));
    }
    const QString name = parser.value(QStringLiteral("name")).trimmed();
    if (name.size() > 100)
        return fail(QStringLiteral("--name is too long"));

    QString error;
    std::unique_ptr<SyncStore> store = openStore(parser, 1, &error);
    if (!store)
        return fail(error);
    QTextStream out(stdout);
    QString refusal;
    const bool ok = store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            if (action == QLatin1String("list")) {
                for (const Credential &credential : session.credentials()) {
                    const std::optional<KnownUser> known = session.user(credential.userId);
                    out << credential.userId << '\t' << credential.email << '\t'
                        << (credential.disabled ? "disabled" : "active") << '\t'
                        << credential.createdAt << '\t' << (known ? known->displayName : QString())
                        << '\n';
                }
                return session.lastError().isEmpty();
            }
            std::optional<Credential> credential = session.credentialByEmail(email);
            if (action == QLatin1String("add")) {
                if (credential || session.userByEmail(email)) {
                    refusal = QStringLiteral("%1 has an account already").arg(email);
                    return false;
                }
                const QString userId = QUuid::createUuid().toString(QUuid::WithoutBraces);
                const qint64 now = QDateTime::currentSecsSinceEpoch();
                KnownUser user = KnownUser::withId(userId);
                user.email = email;
                user.displayName = name.isEmpty() ? email.section('@', 0, 0) : name;
                user.createdAt = SessionTokens::nowText(now);
                if (!session.putCredential(Credential{userId, email, hash, false, user.createdAt})
                    || !session.putUser(user))
                    return false;
                out << userId << '\n';
                return true;
            }
            if (!credential) {
                refusal = QStringLiteral("no account has the address %1").arg(email);
                return false;
            }
            if (action == QLatin1String("disable"))
                credential->disabled = true;
            else if (action == QLatin1String("enable"))
                credential->disabled = false;
            else
                credential->passwordHash = hash;
            if (!session.putCredential(*credential))
                return false;
            return action == QLatin1String("enable")
                   || session.revokeAuthSessionsOf(credential->userId, QString());
        },
        &error);
    if (!ok)
        return fail(refusal.isEmpty() ? error : refusal);
    out.flush();
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
    parser.addOption({QStringLiteral("allow-signup"),
                      QStringLiteral("Let anyone who reaches the sign-in page create an account "
                                     "(closed by default: see `user add`).")});
    parser.addOption({QStringLiteral("realm"),
                      QStringLiteral("Name of the sign-in realm (default tindral)."),
                      QStringLiteral("NAME"), QStringLiteral("tindral")});
    parser.addOption({QStringLiteral("redirect-uri"),
                      QStringLiteral("Allow the client id to be sent to this address after "
                                     "sign-in, besides its own loopback listener (repeatable)."),
                      QStringLiteral("CLIENT=URI")});
    parser.addOption({QStringLiteral("sign-in-limit"),
                      QStringLiteral("Sign-in attempts per account and 15 minutes (default 10; "
                                     "an address gets ten times as many)."),
                      QStringLiteral("N")});
    parser.addOption({QStringLiteral("trust-forwarded-for"),
                      QStringLiteral("Take client addresses from X-Forwarded-For (only behind a "
                                     "proxy that sets it).")});
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    AuthApi::Options auth;
    auth.allowSignup = parser.isSet(QStringLiteral("allow-signup"));
    auth.realm = parser.value(QStringLiteral("realm"));
    if (!QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]{1,64}$")).match(auth.realm).hasMatch())
        return fail(QStringLiteral("--realm takes letters, digits, - and _"));
    for (const QString &pair : parser.values(QStringLiteral("redirect-uri"))) {
        const int equals = pair.indexOf(QLatin1Char('='));
        const QUrl uri(pair.mid(equals + 1), QUrl::StrictMode);
        if (equals <= 0 || !uri.isValid() || uri.scheme().isEmpty() || uri.host().isEmpty())
            return fail(QStringLiteral("--redirect-uri takes CLIENT_ID=URI"));
        auth.registeredRedirects.insert(pair.left(equals), pair.mid(equals + 1));
    }
    if (parser.isSet(QStringLiteral("sign-in-limit"))) {
        bool ok = false;
        auth.attemptLimit = parser.value(QStringLiteral("sign-in-limit")).toInt(&ok);
        if (!ok || auth.attemptLimit < 1)
            return fail(QStringLiteral("--sign-in-limit takes a number above 0"));
    }
    auth.trustForwardedFor = parser.isSet(QStringLiteral("trust-forwarded-for"));

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

    ApiRouter router(store.get(), key, auth);
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
    if (command == QLatin1String("user"))
        return user(arguments);
    return fail(
        QStringLiteral("usage: quillon-server serve|token|user [options] (see --help of each)"));
}
