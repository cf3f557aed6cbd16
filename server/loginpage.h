// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "server/httpmessage.h"

#include <QString>

// The browser sign-in page: plain HTML without scripts, every shown value escaped, no cookies,
// and headers that keep it out of frames and caches. What the program asked for (client,
// redirect, state, challenge) rides along in hidden fields.
class LoginPage {
public:
    struct Fields {
        QString clientId;
        QString redirectUri;
        QString state;
        QString codeChallenge;
        QString codeChallengeMethod;
    };

    // The form; message above it (empty for none), email filled in again after a failure.
    static HttpResponse form(int status, const QString &action, const Fields &fields,
                             const QString &message, const QString &email, bool allowSignup);
    // A page with a message and no form, for a link that cannot lead to a sign-in.
    static HttpResponse problem(int status, const QString &message);
    // Sends the browser on to the program's redirect; the page's rules must allow the target.
    static HttpResponse redirect(const QString &location);

private:
    static HttpResponse page(int status, const QString &body, const QString &formTarget);
};
