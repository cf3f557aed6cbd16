// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// One request to the server's API, from the router down to a throw-away SQLite store, without
// a socket. The input is three lines and a body:
//   method
//   path, with its query after a "?"
//   who: "@0", "@1" or "@2" for a valid access token of one of three users (0 and 1 share a
//        group), anything else is sent as the Authorization header as it stands
//   body, where "$REFRESH" stands for a valid refresh token of user 0
// so that the fuzzer reaches past the token check without forging signatures. Each input
// starts from the same store, which knows all three users, holds a signed-in session of each
// and one account of user 0, "a1"; user 0 owns group-a, with user 1 in it and an open
// invitation, user 2 owns group-b.

#include "server/apirouter.h"
#include "server/jwtsigner.h"
#include "server/sessiontokens.h"
#include "server/sqlitestore.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QTemporaryDir &storeRoot() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quillon-fuzz-server-XXXXXX"));
    if (!dir.isValid())
        Fuzz::fail("cannot create a directory for the stores");
    return dir;
}

// The sessions of the template store: tokens must name a live one to get past the router.
struct Seeded {
    QString sessions[3];
    QString refreshToken; // of user 0
};

Seeded &seeded() {
    static Seeded value;
    return value;
}

Identity user(int number) {
    return {QStringLiteral("user-%1").arg(number),
            number < 2 ? QStringLiteral("group-a") : QStringLiteral("group-b"),
            number == 1 ? QStringLiteral("member") : QStringLiteral("owner"),
            seeded().sessions[number]};
}

// The migrated store is made once; each input gets a copy of its file, which is far cheaper
// than migrating again and keeps one input from seeing what another wrote.
const QString &templateDir() {
    static const QString path = [] {
        const QString dir = storeRoot().filePath(QStringLiteral("template"));
        SqliteStore store(dir);
        QString error;
        const QByteArray key = store.open(&error) ? store.signingKey(&error) : QByteArray();
        if (key.isEmpty())
            Fuzz::fail("cannot prepare the template store", error);
        const bool signedIn = store.run(
            SyncStore::Mode::Write,
            [&key](StoreSession &session) {
                for (int number : {0, 1, 2}) {
                    const auto issued = SessionTokens::start(
                        session, JwtSigner(key), user(number).userId, QStringLiteral("fuzz"),
                        QStringLiteral("127.0.0.1"), QDateTime::currentSecsSinceEpoch());
                    if (!issued)
                        return false;
                    seeded().sessions[number] = issued->sessionId;
                    if (number == 0)
                        seeded().refreshToken = issued->refreshToken;
                }
                return true;
            },
            &error);
        if (!signedIn)
            Fuzz::fail("cannot start the sessions of the template store", error);
        // An account of user 0 ("a1") and one of its entries, so that the sharing and pull
        // paths have something to find.
        HttpRequest push;
        push.method = "POST";
        push.path = ApiRouter::BasePath + QStringLiteral("/sync/push");
        push.authorization
            = "Bearer "
              + JwtSigner(key)
                    .issue(user(0), JwtSigner::Use::Access, QDateTime::currentSecsSinceEpoch(),
                           JwtSigner::AccessLifetimeSeconds)
                    .toLatin1();
        push.body = R"({"changes":[
            {"entity_type":"account","entity_id":"a1","action":"upsert","version":1,
             "payload":{"name":"Checking","currency":"USD"}},
            {"entity_type":"transaction","entity_id":"t1","action":"upsert","version":1,
             "payload":{"account_id":"a1","amount":-1250,"date":"2026-01-02"}}]})";
        ApiRouter router(&store, key);
        if (router.handle(push).status != 200)
            Fuzz::fail("cannot seed the template store");
        // The server knows users by their first request; users 1 and 2 have made one.
        for (int number : {1, 2}) {
            HttpRequest pull;
            pull.method = "GET";
            pull.path = ApiRouter::BasePath + QStringLiteral("/sync/pull");
            pull.authorization
                = "Bearer "
                  + JwtSigner(key)
                        .issue(user(number), JwtSigner::Use::Access,
                               QDateTime::currentSecsSinceEpoch(), JwtSigner::AccessLifetimeSeconds)
                        .toLatin1();
            if (router.handle(pull).status != 200)
                Fuzz::fail("cannot seed the template store");
        }
        // Groups are the store's to say, not the tokens': the memberships the tokens claim,
        // and an open invitation into group-a with the code "FUZZCODE22".
        const bool grouped = store.run(
            SyncStore::Mode::Write,
            [](StoreSession &session) {
                const QString since = QStringLiteral("2026-01-01T00:00:00Z");
                for (int number : {0, 1, 2}) {
                    const Identity who = user(number);
                    KnownUser known
                        = session.user(who.userId).value_or(KnownUser::withId(who.userId));
                    known.groupId = who.groupId;
                    known.role = who.role;
                    known.joinedAt = since;
                    if (!session.putUser(known)
                        || !session.putGroup(FamilyGroup{who.groupId, who.groupId, 6, since}))
                        return false;
                }
                return session.putInvitation(
                    Invitation{QStringLiteral("inv-1"), QStringLiteral("group-a"),
                               QStringLiteral("FUZZCODE22"), QString(), user(0).userId, since,
                               QStringLiteral("2099-01-01T00:00:00Z")});
            },
            &error);
        if (!grouped)
            Fuzz::fail("cannot seed the template store", error);
        return dir;
    }();
    return path;
}

QByteArray takeLine(QByteArray &input) {
    const qsizetype end = input.indexOf('\n');
    const QByteArray line = end < 0 ? input : input.left(end);
    input = end < 0 ? QByteArray() : input.mid(end + 1);
    return line;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Fuzz::ensureApplication();
    const QString source = templateDir();
    const QString dir = storeRoot().filePath(QStringLiteral("work"));
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    if (!QFile::copy(QDir(source).filePath(QStringLiteral("quillon-server.db")),
                     QDir(dir).filePath(QStringLiteral("quillon-server.db"))))
        Fuzz::fail("cannot copy the template store");

    SqliteStore store(dir);
    QString error;
    if (!store.open(&error))
        Fuzz::fail("cannot open the store copy", error);
    const QByteArray key = store.signingKey(&error);
    if (key.isEmpty())
        Fuzz::fail("the store copy has no signing key", error);
    const JwtSigner signer(key);
    const qint64 now = QDateTime::currentSecsSinceEpoch();

    QByteArray input = Fuzz::bytes(data, size);
    HttpRequest request;
    request.method = takeLine(input);
    const QString target = QString::fromUtf8(takeLine(input));
    const qsizetype question = target.indexOf(QLatin1Char('?'));
    request.path = question < 0 ? target : target.left(question);
    if (question >= 0)
        request.query.setQuery(target.mid(question + 1));
    const QByteArray who = takeLine(input);
    if (who.size() == 2 && who.at(0) == '@' && who.at(1) >= '0' && who.at(1) <= '2') {
        const QString token = signer.issue(user(who.at(1) - '0'), JwtSigner::Use::Access, now,
                                           JwtSigner::AccessLifetimeSeconds);
        request.authorization = "Bearer " + token.toLatin1();
    } else {
        request.authorization = who;
    }
    request.body = input.replace("$REFRESH", seeded().refreshToken.toLatin1());
    request.remote = QStringLiteral("127.0.0.1");

    ApiRouter router(&store, key);
    const HttpResponse response = router.handle(request);
    // To see whether the seeds reach the handlers they are meant for.
    if (qEnvironmentVariableIsSet("QUILLON_FUZZ_VERBOSE"))
        std::fprintf(stderr, "%d %s\n", response.status, response.body.left(200).constData());
    // The request is the only thing at fault here: the store is healthy, so a server error
    // means bad input got past the checks.
    if (response.status < 200 || response.status >= 500)
        Fuzz::fail("a request was answered with a server error",
                   QString::number(response.status) + QLatin1Char(' ')
                       + QString::fromUtf8(response.body));
    if (response.contentType == "application/json" && !response.body.isEmpty()
        && QJsonDocument::fromJson(response.body).isNull())
        Fuzz::fail("a JSON answer that is not JSON", QString::fromUtf8(response.body));
    return 0;
}
