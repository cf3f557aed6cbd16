// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountsecuritypage.h"

#include "account/authclient.h"
#include "account/client.h"
#include "account/session.h"
#include "ui/common/styles.h"
#include "ui/online/accountscreen.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AccountSecurityPage::AccountSecurityPage(TindAccount::Client *client, QWidget *parent)
    : AccountPage(client, parent) {
    QVBoxLayout *content = this->content();
    content->addWidget(heading(tr("Password")));
    m_changePassword = new QPushButton(tr("Change Password"));
    m_changePassword->setAccessibleName(tr("Change Password"));
    connect(m_changePassword, &QPushButton::clicked, this, &AccountSecurityPage::changePassword);
    row(content, muted(tr("Change your account password.")), m_changePassword);
    content->addSpacing(16);
    content->addWidget(heading(tr("Active Sessions")));
    content->addWidget(muted(tr("Sessions currently signed in to your account.")));
    m_sessions = new QVBoxLayout;
    content->addLayout(m_sessions);
}

void AccountSecurityPage::loadSessions() {
    client()->auth()->listSessions(
        this, [this](const QList<TindAccount::Session> &sessions) { showSessions(sessions); });
}

void AccountSecurityPage::showSessions(const QList<TindAccount::Session> &sessions) {
    QVBoxLayout *body = freshBody(m_sessions);
    if (sessions.isEmpty()) {
        body->addWidget(muted(tr("No active sessions.")));
        return;
    }
    for (const TindAccount::Session &session : sessions) {
        QString agent = session.userAgent;
        if (agent.isEmpty())
            agent = tr("Unknown client");
        else if (agent.size() > 60)
            agent = agent.left(60) + QStringLiteral("...");
        auto *text = new QWidget;
        auto *lines = new QVBoxLayout(text);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setSpacing(2);
        auto *first = plainLabel(agent);
        QFont medium = first->font();
        medium.setWeight(QFont::Medium);
        first->setFont(medium);
        lines->addWidget(first);
        QString second = session.isCurrent ? tr("This session")
                                           : AccountScreen::relativeTime(session.lastActiveAt);
        if (!session.ipAddress.isEmpty())
            second += tr("  ·  %1").arg(session.ipAddress);
        lines->addWidget(muted(second));
        QWidget *action = nullptr;
        if (session.isCurrent) {
            auto *mark = plainLabel(tr("Current"));
            mark->setStyleSheet(Styles::textColourStyle(Styles::positiveColour())
                                + QStringLiteral(" font-weight: 600;"));
            action = mark;
        } else {
            auto *revoke = new QPushButton(tr("Revoke"));
            revoke->setAccessibleName(tr("Revoke session %1").arg(agent));
            const QString id = session.id;
            connect(revoke, &QPushButton::clicked, this, [this, revoke, id] {
                revoke->setEnabled(false);
                client()->auth()->revokeSession(this, id, [this](bool ok) {
                    report(ok ? tr("Session revoked.") : tr("Failed to revoke session."), ok);
                    loadSessions();
                });
            });
            action = revoke;
        }
        row(body, text, action);
    }
}

void AccountSecurityPage::changePassword() {
    const auto current
        = askText(tr("Change Password"), tr("Current password:"), QString(), QLineEdit::Password);
    if (!current)
        return;
    const auto fresh = askText(tr("Change Password"), tr("New password (min 8 characters):"),
                               QString(), QLineEdit::Password);
    if (!fresh)
        return;
    if (fresh->size() < 8) {
        report(tr("Password must be at least 8 characters."), false);
        return;
    }
    const auto confirm = askText(tr("Change Password"), tr("Confirm new password:"), QString(),
                                 QLineEdit::Password);
    if (!confirm)
        return;
    if (*confirm != *fresh) {
        report(tr("Passwords do not match."), false);
        return;
    }
    m_changePassword->setEnabled(false);
    client()->auth()->changePassword(this, *current, *fresh, [this](bool ok) {
        m_changePassword->setEnabled(true);
        report(ok ? tr("Password changed.") : tr("Failed to change password."), ok);
    });
}
