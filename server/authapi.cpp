// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/authapi.h"

#include "server/passwordhasher.h"
#include "server/sessiontokens.h"
#include "server/syncstore.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>
#include <QUuid>

namespace {

constexpr int kMaxFormBytes = 64 * 1024;
constexpr int kMaxDisplayName = 100;
constexpr int kMaxState = 512;
constexpr int kMaxRedirect = 2048;

const QString kBadCredentials = QStringLiteral("The email address or password is wrong.");

qint64 now() {
    return QDateTime::currentSecsSinceEpoch();
}

HttpResponse error(int status, const QString &message) {
    return HttpResponse::error(status, message);
}

HttpResponse methodNotAllowed() {
    return error(405, QStringLiteral("method not allowed"));
}

bool validClientId(const QString &id) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9._~-]{1,128}$"));
    return pattern.match(id).hasMatch();
}

// S256 challenges are the base64url of a SHA-256: always 43 characters.
bool validChallenge(const QString &challenge) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9_-]{43}$"));
    return pattern.match(challenge).hasMatch();
}

bool validVerifier(const QString &verifier) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z0-9._~-]{43,128}$"));
    return pattern.match(verifier).hasMatch();
}

// Only the characters of an IPv4 or IPv6 address: the value becomes part of a counter's name.
bool looksLikeAddress(const QString &text) {
    static const QRegularExpression pattern(QStringLiteral("^[0-9A-Fa-f:.]{2,45}$"));
    return pattern.match(text).hasMatch();
}

bool sameText(const QString &a, const QString &b) {
    const QByteArray x = a.toUtf8();
    const QByteArray y = b.toUtf8();
    if (x.size() != y.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < x.size(); ++i)
        difference |= static_cast<unsigned char>(x.at(i) ^ y.at(i));
    return difference == 0;
}

QString challengeOf(const QString &verifier) {
    return QString::fromLatin1(
        QCryptographicHash::hash(verifier.toLatin1(), QCryptographicHash::Sha256)
            .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// The request's JSON object, or none when the body is anything else.
std::optional<QJsonObject> jsonObject(const HttpRequest &request) {
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

// A text member of at most maxLength characters; empty why when it is one.
QString text(const QJsonObject &object, const char *name, int maxLength, QString *why) {
    const QJsonValue value = object.value(QLatin1String(name));
    if (!value.isString()) {
        *why = QStringLiteral("%1 must be a text").arg(QLatin1String(name));
        return QString();
    }
    const QString result = value.toString();
    if (result.size() > maxLength) {
        *why = QStringLiteral("%1 is too long").arg(QLatin1String(name));
        return QString();
    }
    return result;
}

// Names are shown in lists and other people's screens: no control or format characters.
QString displayNameProblem(const QString &name) {
    if (name.isEmpty())
        return QStringLiteral("the name must not be empty");
    if (name.size() > kMaxDisplayName)
        return QStringLiteral("the name is too long");
    for (const QChar c : name) {
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format
            || category == QChar::Other_NotAssigned || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return QStringLiteral("the name contains characters that cannot be shown");
    }
    return QString();
}

// application/x-www-form-urlencoded, where a plus stands for a space.
QUrlQuery formOf(const QByteArray &body) {
    QByteArray spaced = body;
    spaced.replace('+', "%20");
    return QUrlQuery(QString::fromLatin1(spaced));
}

QString formValue(const QUrlQuery &form, const char *name) {
    return form.queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
}

QJsonObject userJson(const QString &userId, const std::optional<KnownUser> &user,
                     const std::optional<Credential> &credential) {
    const QString email = credential ? credential->email : user ? user->email : QString();
    return {{QStringLiteral("id"), userId},
            {QStringLiteral("email"), email},
            {QStringLiteral("display_name"), user ? user->displayName : QString()},
            {QStringLiteral("username"), email},
            {QStringLiteral("avatar_url"), QString()},
            {QStringLiteral("created_at"), credential ? credential->createdAt : QString()}};
}

} // namespace

AuthApi::AuthApi(SyncStore *store, const QByteArray &signingKey, Options options,
                 Authenticator authenticate)
    : m_store(store)
    , m_signer(signingKey)
    , m_options(std::move(options))
    , m_authenticate(std::move(authenticate))
    , m_limiter(store, m_options.windowSeconds)
    , m_apiPrefix(QStringLiteral("/api/v1/realms/") + m_options.realm)
    , m_pagePrefix(QLatin1Char('/') + m_options.realm) {}

bool AuthApi::owns(const QString &path) const {
    return path.startsWith(QLatin1String("/api/v1/realms/"))
           || path == m_pagePrefix + QLatin1String("/account/login");
}

bool AuthApi::redirectAllowed(const QString &clientId, const QString &redirectUri) const {
    if (redirectUri.isEmpty() || redirectUri.size() > kMaxRedirect)
        return false;
    if (m_options.registeredRedirects.contains(clientId, redirectUri))
        return true;
    // The program listens on this machine: plain HTTP to a loopback address, with a port.
    const QUrl url(redirectUri, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("http") || url.port() <= 0
        || !url.userInfo().isEmpty() || url.hasFragment())
        return false;
    const QString host = url.host();
    return host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1")
           || host == QLatin1String("::1");
}

QString AuthApi::clientAddress(const HttpRequest &request) const {
    if (m_options.trustForwardedFor && !request.forwardedFor.isEmpty()) {
        // The proxy appends the address it saw: the last entry is the one it vouches for.
        const QString last = QString::fromLatin1(request.forwardedFor.split(',').last()).trimmed();
        if (looksLikeAddress(last))
            return last;
    }
    return request.remote;
}

bool AuthApi::allowSignIn(const QString &email, const QString &address) {
    QList<RateLimiter::Bucket> buckets{
        {QStringLiteral("sign-in-address:") + address, m_options.attemptLimit * 10}};
    if (!email.isEmpty())
        buckets.append({QStringLiteral("sign-in-account:") + email, m_options.attemptLimit});
    return m_limiter.allow(buckets, now());
}

HttpResponse AuthApi::tooMany(HttpResponse response, qint64 retryAfter) {
    response.headers.append({"Retry-After", QByteArray::number(retryAfter)});
    return response;
}

HttpResponse AuthApi::handle(const HttpRequest &request) {
    const QString &path = request.path;
    if (path == m_pagePrefix + QLatin1String("/account/login")
        || path == m_apiPrefix + QLatin1String("/account/login"))
        return loginPage(request);
    if (!path.startsWith(m_apiPrefix + QLatin1Char('/')))
        return error(404, QStringLiteral("no such realm"));
    const QString rest = path.mid(m_apiPrefix.size());

    if (rest == QLatin1String("/auth/token"))
        return request.method == "POST" ? exchangeCode(request) : methodNotAllowed();
    if (rest == QLatin1String("/auth/token/refresh"))
        return request.method == "POST" ? refresh(request) : methodNotAllowed();

    const bool known = rest == QLatin1String("/auth/logout") || rest == QLatin1String("/users/me")
                       || rest == QLatin1String("/users/me/password")
                       || rest == QLatin1String("/users/me/sessions")
                       || rest.startsWith(QLatin1String("/users/me/sessions/"));
    if (!known)
        return error(404, QStringLiteral("not found"));
    QString why;
    int status = 401;
    const std::optional<Identity> who = m_authenticate(request, &why, &status);
    if (!who)
        return error(status, why);

    HttpResponse response = [&] {
        if (rest == QLatin1String("/auth/logout"))
            return request.method == "POST" ? logout(*who) : methodNotAllowed();
        if (rest == QLatin1String("/users/me")) {
            if (request.method == "GET")
                return me(*who);
            return request.method == "PATCH" ? updateMe(*who, request) : methodNotAllowed();
        }
        if (rest == QLatin1String("/users/me/password"))
            return request.method == "POST" ? changePassword(*who, request) : methodNotAllowed();
        if (rest == QLatin1String("/users/me/sessions"))
            return request.method == "GET" ? sessions(*who) : methodNotAllowed();
        const QString id = rest.mid(QStringLiteral("/users/me/sessions/").size());
        return request.method == "DELETE" ? revokeSession(*who, id) : methodNotAllowed();
    }();
    response.userId = who->userId;
    return response;
}

HttpResponse AuthApi::loginPage(const HttpRequest &request) {
    if (request.method != "GET" && request.method != "POST")
        return LoginPage::problem(405, QStringLiteral("This page only shows a sign-in form."));
    if (request.body.size() > kMaxFormBytes)
        return LoginPage::problem(413, QStringLiteral("The form was too large."));
    const bool posted = request.method == "POST";
    const QUrlQuery form = posted ? formOf(request.body) : request.query;
    const auto value = [&form](const char *name) {
        return form.queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
    };
    const LoginPage::Fields fields{value("client_id"), value("redirect_uri"), value("state"),
                                   value("code_challenge"), value("code_challenge_method")};

    // Nothing here may send the browser anywhere until the redirect is known to be the
    // program's own.
    if (!validClientId(fields.clientId))
        return LoginPage::problem(400, QStringLiteral("This sign-in link names no application."));
    if (!redirectAllowed(fields.clientId, fields.redirectUri))
        return LoginPage::problem(400, QStringLiteral("This sign-in link does not lead back to "
                                                      "an application on this computer."));
    if (!validChallenge(fields.codeChallenge) || fields.codeChallengeMethod != QLatin1String("S256")
        || fields.state.size() > kMaxState)
        return LoginPage::problem(400, QStringLiteral("This sign-in link is incomplete. Start "
                                                      "the sign-in from the application again."));
    if (!posted)
        return LoginPage::form(200, request.path, fields, QString(), QString(),
                               m_options.allowSignup);
    if (formValue(form, "intent") == QLatin1String("signup"))
        return signUp(request, fields, form);
    return signIn(request, fields, form);
}

HttpResponse AuthApi::signIn(const HttpRequest &request, const LoginPage::Fields &fields,
                             const QUrlQuery &form) {
    const QString typed = formValue(form, "email");
    const QString password = formValue(form, "password");
    const auto again = [&](int status, const QString &message) {
        return LoginPage::form(status, request.path, fields, message, typed.left(254),
                               m_options.allowSignup);
    };
    if (password.toUtf8().size() > PasswordHasher::MaximumPasswordBytes)
        return again(400, QStringLiteral("The password is too long."));
    const QString email = PasswordHasher::canonicalEmail(typed);
    if (!allowSignIn(email, clientAddress(request)))
        return tooMany(again(429, QStringLiteral("Too many attempts. Wait a few minutes and "
                                                 "try again.")),
                       m_options.windowSeconds);
    if (email.isEmpty())
        return again(400, QStringLiteral("Enter your email address."));

    std::optional<Credential> credential;
    QString storeError;
    if (!m_store->run(
            SyncStore::Mode::Read,
            [&](StoreSession &session) {
                credential = session.credentialByEmail(email);
                return session.lastError().isEmpty();
            },
            &storeError))
        return again(503, QStringLiteral("The server cannot sign you in right now."));
    if (!credential) {
        PasswordHasher::verifyNothing(password);
        return again(401, kBadCredentials);
    }
    if (!PasswordHasher::verify(credential->passwordHash, password))
        return again(401, kBadCredentials);
    if (credential->disabled)
        return again(403, QStringLiteral("This account is disabled."));
    return sendCode(credential->userId, fields);
}

HttpResponse AuthApi::signUp(const HttpRequest &request, const LoginPage::Fields &fields,
                             const QUrlQuery &form) {
    const QString typed = formValue(form, "email");
    const auto again = [&](int status, const QString &message) {
        return LoginPage::form(status, request.path, fields, message, QString(),
                               m_options.allowSignup);
    };
    if (!m_options.allowSignup)
        return again(403, QStringLiteral("This server does not take new accounts. Ask its "
                                         "administrator for one."));
    if (!m_limiter.allow(
            {{QStringLiteral("sign-up-address:") + clientAddress(request), m_options.attemptLimit}},
            now()))
        return tooMany(again(429, QStringLiteral("Too many attempts. Wait a few minutes and "
                                                 "try again.")),
                       m_options.windowSeconds);
    const QString email = PasswordHasher::canonicalEmail(typed);
    if (email.isEmpty())
        return again(400, QStringLiteral("Enter a valid email address."));
    const QString password = formValue(form, "password");
    const QString passwordProblem = PasswordHasher::passwordProblem(password);
    if (!passwordProblem.isEmpty())
        return again(400, passwordProblem);
    QString name = formValue(form, "display_name").trimmed();
    if (name.isEmpty())
        name = email.section(QLatin1Char('@'), 0, 0);
    if (!displayNameProblem(name).isEmpty())
        return again(400, QStringLiteral("Choose a shorter name made of letters, digits and "
                                         "punctuation."));

    const QString hash = PasswordHasher::hash(password);
    if (hash.isEmpty())
        return again(503, QStringLiteral("The server cannot create accounts right now."));
    const QString userId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool taken = false;
    QString storeError;
    const bool stored = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            if (session.credentialByEmail(email) || session.userByEmail(email)) {
                taken = true;
                return false;
            }
            KnownUser user = KnownUser::withId(userId);
            user.email = email;
            user.displayName = name;
            user.createdAt = SessionTokens::nowText(now());
            return session.putCredential(Credential{userId, email, hash, false, user.createdAt})
                   && session.putUser(user);
        },
        &storeError);
    if (taken)
        return again(409, QStringLiteral("An account with this email address exists already. "
                                         "Sign in instead."));
    if (!stored)
        return again(503, QStringLiteral("The server cannot create accounts right now."));
    return sendCode(userId, fields);
}

HttpResponse AuthApi::sendCode(const QString &userId, const LoginPage::Fields &fields) {
    const QString code = SessionTokens::randomSecret();
    const qint64 issuedAt = now();
    QString storeError;
    if (!m_store->run(
            SyncStore::Mode::Write,
            [&](StoreSession &session) {
                return session.forgetExpired(issuedAt)
                       && session.putAuthCode(AuthCode{
                           SessionTokens::hashOf(code), userId, fields.clientId, fields.redirectUri,
                           fields.codeChallenge, issuedAt + CodeLifetimeSeconds});
            },
            &storeError))
        return LoginPage::problem(503, QStringLiteral("The server cannot sign you in right now."));
    QUrl target(fields.redirectUri);
    QUrlQuery query(target);
    query.addQueryItem(QStringLiteral("code"), code);
    if (!fields.state.isEmpty())
        query.addQueryItem(QStringLiteral("state"),
                           QString::fromLatin1(QUrl::toPercentEncoding(fields.state)));
    target.setQuery(query);
    return LoginPage::redirect(target.toString(QUrl::FullyEncoded));
}

HttpResponse AuthApi::exchangeCode(const HttpRequest &request) {
    const std::optional<QJsonObject> body = jsonObject(request);
    if (!body)
        return error(400, QStringLiteral("the body must be a JSON object"));
    QString why;
    const QString grant = text(*body, "grant_type", 64, &why);
    const QString code = text(*body, "code", 128, &why);
    const QString verifier = text(*body, "code_verifier", 128, &why);
    const QString redirectUri = text(*body, "redirect_uri", kMaxRedirect, &why);
    const QString clientId = text(*body, "client_id", 128, &why);
    if (!why.isEmpty())
        return error(400, why);
    if (grant != QLatin1String("authorization_code"))
        return error(400, QStringLiteral("unsupported grant_type"));
    if (!validVerifier(verifier))
        return error(400, QStringLiteral("code_verifier is malformed"));

    const qint64 at = now();
    std::optional<SessionTokens::Issued> issued;
    QString refusal;
    QString storeError;
    const bool ran = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            // Taken whatever follows: a code gets one try, so its verifier cannot be guessed.
            const std::optional<AuthCode> found = session.takeAuthCode(SessionTokens::hashOf(code));
            if (!found) {
                refusal = QStringLiteral("unknown or used code");
                return session.lastError().isEmpty();
            }
            if (found->expiresAt < at)
                refusal = QStringLiteral("the code has expired");
            else if (found->clientId != clientId || found->redirectUri != redirectUri)
                refusal = QStringLiteral("the code was issued to another client");
            else if (!sameText(challengeOf(verifier), found->codeChallenge))
                refusal = QStringLiteral("code_verifier does not match");
            if (!refusal.isEmpty())
                return true;
            const std::optional<Credential> credential = session.credential(found->userId);
            if (!credential || credential->disabled) {
                refusal = QStringLiteral("the account is disabled");
                return true;
            }
            issued = SessionTokens::start(session, m_signer, found->userId,
                                          QString::fromUtf8(request.userAgent),
                                          clientAddress(request), at);
            return bool(issued);
        },
        &storeError);
    if (!ran)
        return error(503, QStringLiteral("database unavailable"));
    if (!issued)
        return error(400, refusal);
    return HttpResponse::json(200, issued->toJson());
}

HttpResponse AuthApi::refresh(const HttpRequest &request) {
    const std::optional<QJsonObject> body = jsonObject(request);
    if (!body)
        return error(400, QStringLiteral("the body must be a JSON object"));
    QString why;
    const QString token = text(*body, "refresh_token", 128, &why);
    if (!why.isEmpty() || token.isEmpty())
        return error(400, why.isEmpty() ? QStringLiteral("refresh_token is required") : why);
    if (!m_limiter.allow({{QStringLiteral("refresh-address:") + clientAddress(request),
                           m_options.attemptLimit * 50}},
                         now()))
        return tooMany(error(429, QStringLiteral("too many attempts")), m_options.windowSeconds);

    const qint64 at = now();
    std::optional<SessionTokens::Issued> issued;
    QString userId;
    bool limited = false;
    QString refusal = QStringLiteral("invalid refresh token");
    QString storeError;
    const bool ran = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            const std::optional<RefreshToken> stored
                = session.refreshToken(SessionTokens::hashOf(token));
            if (!stored)
                return session.lastError().isEmpty();
            const std::optional<AuthSession> owner = session.authSession(stored->sessionId);
            if (!owner || owner->revoked || stored->expiresAt < at)
                return session.lastError().isEmpty();
            userId = owner->userId;
            const bool enrolment = SessionTokens::isEnrolment(token);
            // A used token seen again was copied: whoever holds the session now, it can no
            // longer be told apart from the thief, so the session ends for both.
            if (stored->used && !enrolment) {
                AuthSession ended = *owner;
                ended.revoked = true;
                refusal = QStringLiteral("refresh token reused; the session has ended");
                return session.putAuthSession(ended);
            }
            // Counted here, where the account is known, and before the token is used up:
            // a refused refresh leaves the session as it was.
            if (!m_limiter.allow(session,
                                 {{QStringLiteral("refresh-account:") + owner->userId,
                                   m_options.attemptLimit * 5}},
                                 at)) {
                limited = true;
                return session.lastError().isEmpty();
            }
            // Another request may have used it meanwhile: the same theft, seen a moment later.
            if (!enrolment && !session.useRefreshToken(stored->tokenHash)) {
                AuthSession ended = *owner;
                ended.revoked = true;
                refusal = QStringLiteral("refresh token reused; the session has ended");
                return session.putAuthSession(ended);
            }
            const std::optional<Credential> credential = session.credential(owner->userId);
            if (credential && credential->disabled) {
                refusal = QStringLiteral("the account is disabled");
                return true;
            }
            issued = enrolment ? SessionTokens::start(session, m_signer, owner->userId,
                                                      QString::fromUtf8(request.userAgent),
                                                      clientAddress(request), at)
                               : SessionTokens::renew(session, m_signer, owner->userId,
                                                      owner->sessionId, at);
            return bool(issued);
        },
        &storeError);
    if (!ran)
        return error(503, QStringLiteral("database unavailable"));
    if (limited)
        return tooMany(error(429, QStringLiteral("too many attempts")), m_options.windowSeconds);
    if (!issued)
        return error(401, refusal);
    HttpResponse response = HttpResponse::json(200, issued->toJson());
    response.userId = userId;
    return response;
}

HttpResponse AuthApi::logout(const Identity &who) {
    QString storeError;
    const bool ok = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            std::optional<AuthSession> current = session.authSession(who.sessionId);
            if (!current)
                return session.lastError().isEmpty();
            current->revoked = true;
            return session.putAuthSession(*current);
        },
        &storeError);
    return ok ? HttpResponse::json(200, {}) : error(503, QStringLiteral("database unavailable"));
}

HttpResponse AuthApi::me(const Identity &who) {
    std::optional<KnownUser> user;
    std::optional<Credential> credential;
    QString storeError;
    if (!m_store->run(
            SyncStore::Mode::Read,
            [&](StoreSession &session) {
                user = session.user(who.userId);
                credential = session.credential(who.userId);
                return session.lastError().isEmpty();
            },
            &storeError))
        return error(503, QStringLiteral("database unavailable"));
    return HttpResponse::json(200, userJson(who.userId, user, credential));
}

HttpResponse AuthApi::updateMe(const Identity &who, const HttpRequest &request) {
    const std::optional<QJsonObject> body = jsonObject(request);
    if (!body)
        return error(400, QStringLiteral("the body must be a JSON object"));
    QString why;
    const QString name = text(*body, "display_name", 4 * kMaxDisplayName, &why).trimmed();
    if (!why.isEmpty())
        return error(400, why);
    const QString problem = displayNameProblem(name);
    if (!problem.isEmpty())
        return error(400, problem);
    std::optional<KnownUser> user;
    std::optional<Credential> credential;
    QString storeError;
    if (!m_store->run(
            SyncStore::Mode::Write,
            [&](StoreSession &session) {
                user = session.user(who.userId);
                credential = session.credential(who.userId);
                // Only the account service puts users into groups, never a token's claim.
                if (!user) {
                    user = KnownUser::withId(who.userId);
                    user->email = credential ? credential->email : QString();
                }
                user->displayName = name;
                return session.putUser(*user);
            },
            &storeError))
        return error(503, QStringLiteral("database unavailable"));
    return HttpResponse::json(200, userJson(who.userId, user, credential));
}

HttpResponse AuthApi::changePassword(const Identity &who, const HttpRequest &request) {
    const std::optional<QJsonObject> body = jsonObject(request);
    if (!body)
        return error(400, QStringLiteral("the body must be a JSON object"));
    QString why;
    const QString current
        = text(*body, "current_password", PasswordHasher::MaximumPasswordBytes, &why);
    const QString fresh = text(*body, "new_password", PasswordHasher::MaximumPasswordBytes, &why);
    if (!why.isEmpty())
        return error(400, why);
    const QString problem = PasswordHasher::passwordProblem(fresh);
    if (!problem.isEmpty())
        return error(400, problem);

    std::optional<Credential> credential;
    QString storeError;
    if (!m_store->run(
            SyncStore::Mode::Read,
            [&](StoreSession &session) {
                credential = session.credential(who.userId);
                return session.lastError().isEmpty();
            },
            &storeError))
        return error(503, QStringLiteral("database unavailable"));
    if (!credential)
        return error(409, QStringLiteral("this account signs in without a password"));
    // A stolen access token must not buy unlimited guesses at the password.
    if (!allowSignIn(credential->email, clientAddress(request)))
        return tooMany(error(429, QStringLiteral("too many attempts")), m_options.windowSeconds);
    // 403, not 401: the token is good, and a 401 would send the program to refresh it.
    if (!PasswordHasher::verify(credential->passwordHash, current))
        return error(403, QStringLiteral("the current password is wrong"));
    const QString hash = PasswordHasher::hash(fresh);
    if (hash.isEmpty())
        return error(503, QStringLiteral("cannot hash the password"));
    if (!m_store->run(
            SyncStore::Mode::Write,
            [&](StoreSession &session) {
                std::optional<Credential> stored = session.credential(who.userId);
                if (!stored)
                    return false;
                stored->passwordHash = hash;
                // Whoever knew the old password is signed out everywhere but here.
                return session.putCredential(*stored)
                       && session.revokeAuthSessionsOf(who.userId, who.sessionId);
            },
            &storeError))
        return error(503, QStringLiteral("database unavailable"));
    return HttpResponse::json(200, {});
}

HttpResponse AuthApi::sessions(const Identity &who) {
    QList<AuthSession> found;
    QString storeError;
    if (!m_store->run(
            SyncStore::Mode::Read,
            [&](StoreSession &session) {
                found = session.liveAuthSessionsOf(who.userId);
                return session.lastError().isEmpty();
            },
            &storeError))
        return error(503, QStringLiteral("database unavailable"));
    QJsonArray list;
    const qint64 cutoff = now() - SessionTokens::RefreshLifetimeSeconds;
    for (const AuthSession &session : found) {
        // Its last refresh token has expired: nothing can use the session any more.
        if (QDateTime::fromString(session.lastActiveAt, Qt::ISODate).toSecsSinceEpoch() < cutoff)
            continue;
        list.append(
            QJsonObject{{QStringLiteral("id"), session.sessionId},
                        {QStringLiteral("user_agent"), session.userAgent},
                        {QStringLiteral("ip_address"), session.ipAddress},
                        {QStringLiteral("created_at"), session.createdAt},
                        {QStringLiteral("last_active_at"), session.lastActiveAt},
                        {QStringLiteral("is_current"), session.sessionId == who.sessionId}});
    }
    return HttpResponse::json(200, {{QStringLiteral("sessions"), list}});
}

HttpResponse AuthApi::revokeSession(const Identity &who, const QString &sessionId) {
    bool found = false;
    QString storeError;
    const bool ok = m_store->run(
        SyncStore::Mode::Write,
        [&](StoreSession &session) {
            std::optional<AuthSession> target = session.authSession(sessionId);
            // Another user's session is answered like one that does not exist.
            if (!target || target->userId != who.userId || target->revoked)
                return session.lastError().isEmpty();
            found = true;
            target->revoked = true;
            return session.putAuthSession(*target);
        },
        &storeError);
    if (!ok)
        return error(503, QStringLiteral("database unavailable"));
    return found ? HttpResponse::json(200, {}) : error(404, QStringLiteral("no such session"));
}
