// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/loginpage.h"

#include <QRegularExpression>
#include <QUrl>

namespace {

// toHtmlEscaped leaves the single quote alone; attributes here are double-quoted, but an
// escaped quote costs nothing.
QString escaped(const QString &text) {
    return text.toHtmlEscaped().replace(QLatin1Char('\''), QStringLiteral("&#39;"));
}

QString hidden(const char *name, const QString &value) {
    return QStringLiteral("<input type=\"hidden\" name=\"%1\" value=\"%2\">")
        .arg(QLatin1String(name), escaped(value));
}

const char kStyle[]
    = "body{font-family:sans-serif;background:#f4f7f6;color:#1d2b26;margin:0}"
      "main{max-width:22rem;margin:3rem auto;padding:1.5rem;background:#fff;"
      "border-radius:8px;box-shadow:0 1px 4px rgba(0,0,0,.15)}"
      "h1{font-size:1.4rem;color:#00897B}h2{font-size:1.1rem;margin-top:2rem}"
      "label{display:block;margin:.8rem 0 .2rem}"
      "input[type=email],input[type=password],input[type=text]{width:100%;box-sizing:"
      "border-box;padding:.5rem;font-size:1rem}"
      "button{margin-top:1rem;padding:.5rem 1rem;font-size:1rem;background:#00897B;"
      "color:#fff;border:0;border-radius:4px}"
      ".message{color:#C62828}";

// The origin of a target the form may lead to, as a CSP source; empty when it does not look
// like a plain origin (then only the page's own origin is allowed).
QString formSource(const QString &target) {
    const QUrl url(target, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return QString();
    const QString origin = url.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment
                                        | QUrl::RemoveUserInfo)
                               .toString(QUrl::FullyEncoded);
    static const QRegularExpression plain(
        QStringLiteral("^https?://[A-Za-z0-9.\\-]+(:[0-9]+)?$|^https?://\\[[0-9a-fA-F:.]+\\]"
                       "(:[0-9]+)?$"));
    return plain.match(origin).hasMatch() ? origin : QString();
}

} // namespace

HttpResponse LoginPage::page(int status, const QString &body, const QString &formTarget) {
    HttpResponse response;
    response.status = status;
    response.contentType = "text/html; charset=utf-8";
    response.body = QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\"><head><meta "
                                   "charset=\"utf-8\"><meta name=\"viewport\" "
                                   "content=\"width=device-width, initial-scale=1\">"
                                   "<title>Sign in</title><style>%1</style></head>"
                                   "<body><main>%2</main></body></html>\n")
                        .arg(QLatin1String(kStyle), body)
                        .toUtf8();
    // No scripts at all; the form may post only here, and the redirect after it only to the
    // program that asked (browsers check form-action on the redirect as well).
    QString formAction = QStringLiteral("'self'");
    const QString target = formSource(formTarget);
    if (!target.isEmpty())
        formAction += QLatin1Char(' ') + target;
    response.headers = {
        {"Content-Security-Policy",
         QStringLiteral("default-src 'none'; style-src 'unsafe-inline'; form-action %1; "
                        "frame-ancestors 'none'; base-uri 'none'")
             .arg(formAction)
             .toUtf8()},
        {"X-Frame-Options", "DENY"},
        {"X-Content-Type-Options", "nosniff"},
        {"Referrer-Policy", "no-referrer"},
        {"Cache-Control", "no-store"},
    };
    return response;
}

HttpResponse LoginPage::form(int status, const QString &action, const Fields &fields,
                             const QString &message, const QString &email, bool allowSignup) {
    const QString carried
        = hidden("client_id", fields.clientId) + hidden("redirect_uri", fields.redirectUri)
          + hidden("state", fields.state) + hidden("code_challenge", fields.codeChallenge)
          + hidden("code_challenge_method", fields.codeChallengeMethod);
    QString body = QStringLiteral("<h1>Sign in to Quillon</h1>");
    if (!message.isEmpty())
        body += QStringLiteral("<p class=\"message\" role=\"alert\">%1</p>").arg(escaped(message));
    body += QStringLiteral(
                "<form method=\"post\" action=\"%1\">%2"
                "<label for=\"email\">Email</label><input id=\"email\" type=\"email\" "
                "name=\"email\" value=\"%3\" autocomplete=\"username\" maxlength=\"254\" "
                "required autofocus>"
                "<label for=\"password\">Password</label><input id=\"password\" "
                "type=\"password\" name=\"password\" autocomplete=\"current-password\" "
                "required>"
                "<button type=\"submit\" name=\"intent\" value=\"signin\">Sign in</button>"
                "</form>")
                .arg(escaped(action), carried, escaped(email));
    if (allowSignup)
        body += QStringLiteral(
                    "<h2>New here? Create an account</h2>"
                    "<form method=\"post\" action=\"%1\">%2"
                    "<label for=\"new-name\">Name</label><input id=\"new-name\" type=\"text\" "
                    "name=\"display_name\" maxlength=\"100\" autocomplete=\"name\">"
                    "<label for=\"new-email\">Email</label><input id=\"new-email\" "
                    "type=\"email\" name=\"email\" maxlength=\"254\" autocomplete=\"username\" "
                    "required>"
                    "<label for=\"new-password\">Password (at least 8 characters)</label>"
                    "<input id=\"new-password\" type=\"password\" name=\"password\" "
                    "minlength=\"8\" autocomplete=\"new-password\" required>"
                    "<button type=\"submit\" name=\"intent\" value=\"signup\">Create account"
                    "</button></form>")
                    .arg(escaped(action), carried);
    return page(status, body, fields.redirectUri);
}

HttpResponse LoginPage::problem(int status, const QString &message) {
    return page(status,
                QStringLiteral("<h1>Sign in to Quillon</h1><p class=\"message\" "
                               "role=\"alert\">%1</p>")
                    .arg(escaped(message)),
                QString());
}

HttpResponse LoginPage::redirect(const QString &location) {
    HttpResponse response = page(303, QString(), QString());
    response.body.clear();
    response.headers.append({"Location", location.toUtf8()});
    return response;
}
