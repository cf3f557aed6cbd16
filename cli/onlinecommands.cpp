// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/commands.h"

#include "cli/commandcontext.h"

#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "app/appstate.h"
#include "cli/asyncwait.h"
#include "services/syncengine.h"
#include "storage/preferencesrepository.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>
#include <QProcess>

#include <cstdio>

namespace {

constexpr int kSessionWaitMs = 30000;

// Waits until the stored session is usable or known to be gone.
bool waitForSession(CommandContext &context) {
    TindAccount::AuthClient *auth = context.state()->accountClient()->auth();
    if (auth->state() != TindAccount::AuthState::Initial)
        return auth->isAuthenticated();
    // Only a refresh token was usable: the restore is refreshing it now.
    waitForResult(
        [auth](QObject *scope, const std::function<void()> &done) {
            QObject::connect(auth, &TindAccount::AuthClient::stateChanged, scope, done);
        },
        kSessionWaitMs);
    return auth->isAuthenticated();
}

// The --timeout of the commands that sign in: seconds, more than none.
bool readTimeout(CommandContext &context, const QCommandLineParser &parser,
                 const QCommandLineOption &option, int *seconds) {
    bool ok = false;
    *seconds = parser.value(option).toInt(&ok);
    if (ok && *seconds > 0)
        return true;
    context.usageError(QStringLiteral("--timeout needs a number of seconds"));
    return false;
}

// Runs the browser sign-in; prints the login URL. Returns Success or Failure.
int signIn(CommandContext &context, bool openBrowser, int timeoutSeconds) {
    TindAccount::Client *client = context.state()->accountClient();
    client->setUrlOpener([&context, openBrowser](const QUrl &url) {
        context.printLine(url.toString(QUrl::FullyEncoded));
        if (openBrowser)
            QProcess::startDetached(QStringLiteral("xdg-open"), {url.toString(QUrl::FullyEncoded)});
        return true;
    });
    if (!context.tokensPersist())
        std::fprintf(stderr, "quillon-cli: no credential store is available: the sign-in will not "
                             "persist after this command\n");

    QString error;
    TindAccount::AuthClient *auth = client->auth();
    const bool finished = waitForResult(
        [auth, &error](QObject *scope, const std::function<void()> &done) {
            QObject::connect(auth, &TindAccount::AuthClient::loginSucceeded, scope, done);
            QObject::connect(auth, &TindAccount::AuthClient::loginFailed, scope,
                             [&error, done](const QString &message) {
                                 error = message;
                                 done();
                             });
            auth->login();
        },
        qMax(1, timeoutSeconds) * 1000);

    if (!finished)
        return context.failure(
            QStringLiteral("Timed out waiting for the sign-in after %1 s").arg(timeoutSeconds));
    if (!error.isEmpty())
        return context.failure(error);
    TindAccount::TokenManager *tokens = client->tokens();
    if (tokens->accessToken().isEmpty() || tokens->currentRefreshToken().isEmpty())
        return context.failure(QStringLiteral("No tokens received"));
    context.printLine(QStringLiteral("Signed in"));
    return CommandContext::Success;
}

// Signs in with the tokens of a file such as `quillon-server token` prints, for a machine
// without a browser. The refresh token is exchanged once, so a file the server does not accept
// is refused now rather than at the first sync.
int signInWithTokenFile(CommandContext &context, const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return context.failure(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    const QJsonObject json = QJsonDocument::fromJson(file.read(64 * 1024)).object();
    const QString access = json.value(QLatin1String("access_token")).toString();
    const QString refresh = json.value(QLatin1String("refresh_token")).toString();
    if (access.isEmpty() || refresh.isEmpty())
        return context.failure(
            QStringLiteral("%1 has no \"access_token\" and \"refresh_token\"").arg(path));

    TindAccount::Client *client = context.state()->accountClient();
    client->tokens()->setTokens(access, refresh);
    bool refreshed = false;
    const bool answered = waitForResult(
        [client, &refreshed](QObject *, const std::function<void()> &done) {
            client->auth()->refreshToken([&refreshed, done](bool ok) {
                refreshed = ok;
                done();
            });
        },
        kSessionWaitMs);
    if (!answered || !refreshed) {
        client->tokens()->clearTokens();
        return context.failure(
            QStringLiteral("The server did not accept the tokens of %1").arg(path));
    }
    if (!context.tokensPersist())
        std::fprintf(stderr, "quillon-cli: no credential store is available: the sign-in will not "
                             "persist after this command\n");
    context.printLine(QStringLiteral("Signed in"));
    return CommandContext::Success;
}

} // namespace

int Commands::login(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption noBrowser(QStringLiteral("no-browser"),
                                       QStringLiteral("Only print the login URL."));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("Seconds to wait for the sign-in (300)."),
                                     QStringLiteral("seconds"), QStringLiteral("300"));
    const QCommandLineOption tokenFile(
        QStringLiteral("token-file"),
        QStringLiteral("Sign in with the tokens of a JSON file instead of the browser."),
        QStringLiteral("file"));
    parser.addOptions({noBrowser, timeout, tokenFile});
    const CommandContext::Parsed parsed
        = context.parse(parser, args,
                        QStringLiteral("Sign in through the browser. The login URL is "
                                       "printed; open it anywhere on this machine."),
                        false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (parser.isSet(tokenFile)) {
        if (!context.openState(true))
            return CommandContext::Failure;
        return signInWithTokenFile(context, parser.value(tokenFile));
    }
    int seconds = 0;
    if (!readTimeout(context, parser, timeout, &seconds))
        return CommandContext::UsageError;
    if (!context.openState(true))
        return CommandContext::Failure;
    return signIn(context, !parser.isSet(noBrowser), seconds);
}

int Commands::status(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    const CommandContext::Parsed parsed
        = context.parse(parser, args,
                        QStringLiteral("Show the sign-in state, the sync cursor and the "
                                       "changes waiting to be pushed."),
                        true);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!context.openState(true))
        return CommandContext::Failure;
    const bool signedIn = waitForSession(context);
    TindAccount::TokenManager *tokens = context.state()->accountClient()->tokens();
    const QString userId
        = signedIn ? TindAccount::TokenManager::tokenSubject(tokens->accessToken()) : QString();
    const QString cursor
        = context.state()->preferencesRepository()->value(SyncEngine::CursorKey, QString());

    OutputTable table({{QStringLiteral("Item"), QStringLiteral("item")},
                       {QStringLiteral("Value"), QStringLiteral("value")}});
    table.addRow(
        {OutputTable::Cell::plain(QStringLiteral("signed_in")), OutputTable::Cell::flag(signedIn)});
    table.addRow(
        {OutputTable::Cell::plain(QStringLiteral("user_id")), OutputTable::Cell::plain(userId)});
    table.addRow({OutputTable::Cell::plain(QStringLiteral("sync_cursor")),
                  OutputTable::Cell::plain(cursor)});
    for (const auto &[name, count] : context.pendingCounts())
        table.addRow({OutputTable::Cell::plain(name), OutputTable::Cell::number(count)});
    context.print(table.render(parsed.format));
    return CommandContext::Success;
}

int Commands::sync(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    const QCommandLineOption login(QStringLiteral("login"),
                                   QStringLiteral("Sign in first (for machines without a "
                                                  "credential store)."));
    const QCommandLineOption noBrowser(QStringLiteral("no-browser"),
                                       QStringLiteral("With --login: only print the login URL."));
    const QCommandLineOption timeout(QStringLiteral("timeout"),
                                     QStringLiteral("With --login: seconds to wait (300)."),
                                     QStringLiteral("seconds"), QStringLiteral("300"));
    parser.addOptions({login, noBrowser, timeout});
    const CommandContext::Parsed parsed
        = context.parse(parser, args,
                        QStringLiteral("Push every pending change and pull every change "
                                       "of the server, as the program does."),
                        false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!context.openState(true))
        return CommandContext::Failure;
    if (parser.isSet(login)) {
        int seconds = 0;
        if (!readTimeout(context, parser, timeout, &seconds))
            return CommandContext::UsageError;
        const int result = signIn(context, !parser.isSet(noBrowser), seconds);
        if (result != CommandContext::Success)
            return result;
    } else if (!waitForSession(context)) {
        return context.failure(QStringLiteral("Not signed in"));
    }

    SyncEngine *engine = context.state()->syncEngine();
    // One run at a time, driven from here: the program's timers would only start extra runs.
    engine->stopAutoSync();

    int runs = 0;
    SyncEngine::RunSummary total;
    for (;;) {
        QString error;
        waitForResult([engine, &error](QObject *scope, const std::function<void()> &done) {
            QObject::connect(engine, &SyncEngine::syncCompleted, scope, done);
            QObject::connect(engine, &SyncEngine::syncFailed, scope,
                             [&error, done](const QString &message) {
                                 error = message;
                                 done();
                             });
            engine->syncNow();
        });
        ++runs;
        if (!error.isEmpty())
            return context.failure(error);
        const SyncEngine::RunSummary run = engine->lastRunSummary();
        total.pushed += run.pushed;
        total.rejected += run.rejected;
        total.pulled += run.pulled;
        total.skipped += run.skipped;
        // The engine stops after its page limit; the program's next run goes on from the
        // cursor, and so do we.
        if (!run.morePages)
            break;
    }
    qint64 pendingAfter = 0;
    for (const auto &pending : context.pendingCounts())
        pendingAfter += pending.second;
    context.printLine(QStringLiteral("Pushed %1, rejected %2, pulled %3, skipped %4 (%5 run(s); %6 "
                                     "change(s) still pending)")
                          .arg(total.pushed)
                          .arg(total.rejected)
                          .arg(total.pulled)
                          .arg(total.skipped)
                          .arg(runs)
                          .arg(pendingAfter));
    return CommandContext::Success;
}

int Commands::logout(CommandContext &context, const QStringList &args) {
    QCommandLineParser parser;
    const CommandContext::Parsed parsed = context.parse(
        parser, args, QStringLiteral("Sign out and forget the stored tokens."), false);
    if (!parsed.ok)
        return parsed.exitCode;
    if (!context.openState(true))
        return CommandContext::Failure;
    TindAccount::AuthClient *auth = context.state()->accountClient()->auth();
    waitForResult(
        [auth](QObject *, const std::function<void()> &done) {
            auth->logout([done](bool) { done(); });
        },
        kSessionWaitMs);
    // The tokens are gone whether or not the server heard about it.
    context.state()->accountClient()->tokens()->clearTokens();
    context.printLine(QStringLiteral("Signed out"));
    return CommandContext::Success;
}
