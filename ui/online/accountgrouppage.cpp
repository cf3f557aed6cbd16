// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountgrouppage.h"

#include "account/accountclient.h"
#include "account/client.h"
#include "account/group.h"
#include "ui/common/messageboxes.h"
#include "ui/common/styles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int kGroupReloadMs = 500;

} // namespace

AccountGroupPage::AccountGroupPage(TindAccount::Client *client, QWidget *parent)
    : AccountPage(client, parent) {}

void AccountGroupPage::loadGroup() {
    client()->account()->getGroup(this,
                                  [this](const TindAccount::Group &group) { showGroup(group); });
}

void AccountGroupPage::showGroup(const TindAccount::Group &group) {
    Q_EMIT groupShown();
    QVBoxLayout *body = freshBody(content());
    if (group.id.isEmpty()) {
        body->addWidget(heading(tr("No Group")));
        body->addWidget(muted(tr("You're not part of a group. The group owner can invite you, "
                                 "or you can join with an invite code.")));
        auto *join = new QPushButton(tr("Join with Invite Code"));
        join->setAccessibleName(tr("Join with Invite Code"));
        connect(join, &QPushButton::clicked, this, &AccountGroupPage::joinGroup);
        row(body, new QWidget, join);
        return;
    }

    const bool owner = isOwner();
    body->addWidget(heading(group.name));
    body->addWidget(muted(tr("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats)));
    body->addSpacing(8);
    body->addWidget(heading(tr("Members")));
    for (const TindAccount::GroupMember &member : group.members) {
        const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
        auto *text = new QWidget;
        auto *lines = new QVBoxLayout(text);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setSpacing(2);
        auto *first = new QHBoxLayout;
        first->addWidget(plainLabel(name), 1);
        if (member.role == QLatin1String("owner")) {
            auto *badge = plainLabel(tr("Owner"));
            badge->setStyleSheet(Styles::textColourStyle(Styles::accentColour())
                                 + QStringLiteral(" font-weight: 600;"));
            first->addWidget(badge);
        }
        lines->addLayout(first);
        if (!member.email.isEmpty() && member.email != name)
            lines->addWidget(muted(member.email));
        QPushButton *remove = nullptr;
        if (owner && member.role != QLatin1String("owner")) {
            remove = new QPushButton(tr("Remove"));
            remove->setAccessibleName(tr("Remove %1").arg(name));
            const QString id = member.accountId;
            connect(remove, &QPushButton::clicked, this, [this, remove, id, name] {
                if (!MessageBoxes::ask(this, tr("Remove Member"),
                                       tr("Remove %1 from the group?").arg(name)))
                    return;
                remove->setEnabled(false);
                client()->account()->removeMember(this, id, [this, name](bool ok) {
                    if (!ok) {
                        report(tr("Failed to remove %1.").arg(name), false);
                        loadGroup();
                        return;
                    }
                    report(tr("%1 removed.").arg(name), true);
                    QTimer::singleShot(kGroupReloadMs, this, &AccountGroupPage::loadGroup);
                });
            });
        }
        row(body, text, remove);
    }

    if (owner) {
        if (!group.pendingInvitations.isEmpty()) {
            body->addSpacing(8);
            body->addWidget(heading(tr("Pending Invitations")));
            for (const TindAccount::GroupInvitation &invitation : group.pendingInvitations) {
                const QString label = invitation.invitedEmail.isEmpty()
                                          ? tr("Invite code: %1").arg(invitation.inviteCode)
                                          : invitation.invitedEmail;
                auto *revoke = new QPushButton(tr("Revoke"));
                revoke->setAccessibleName(tr("Revoke invitation %1").arg(label));
                const QString id = invitation.id;
                connect(revoke, &QPushButton::clicked, this, [this, revoke, id] {
                    revoke->setEnabled(false);
                    client()->account()->revokeInvitation(this, id, [this](bool ok) {
                        report(ok ? tr("Invitation revoked.") : tr("Failed to revoke invitation."),
                               ok);
                        loadGroup();
                    });
                });
                row(body, plainLabel(label), revoke);
            }
        }
        body->addSpacing(8);
        body->addWidget(heading(tr("Invite Members")));
        auto *buttons = new QHBoxLayout;
        auto *byEmail = new QPushButton(tr("Invite by Email"));
        byEmail->setAccessibleName(tr("Invite by Email"));
        connect(byEmail, &QPushButton::clicked, this, &AccountGroupPage::inviteByEmail);
        auto *code = new QPushButton(tr("Generate Invite Code"));
        code->setAccessibleName(tr("Generate Invite Code"));
        connect(code, &QPushButton::clicked, this, &AccountGroupPage::generateInviteCode);
        buttons->addWidget(byEmail);
        buttons->addWidget(code);
        buttons->addStretch(1);
        body->addLayout(buttons);
    } else {
        body->addSpacing(8);
        auto *leave = new QPushButton(tr("Leave Group"));
        leave->setAccessibleName(tr("Leave Group"));
        connect(leave, &QPushButton::clicked, this, [this, leave] {
            if (!MessageBoxes::ask(this, tr("Leave Group"),
                                   tr("Leave this group? You will lose access to shared data.")))
                return;
            leave->setEnabled(false);
            client()->account()->leaveGroup(this, [this](bool ok) {
                report(ok ? tr("Left group.") : tr("Failed to leave group."), ok);
                loadGroup();
            });
        });
        row(body, new QWidget, leave);
    }
}

void AccountGroupPage::joinGroup() {
    const auto entered = askText(tr("Join Group"), tr("Enter invite code:"));
    if (!entered)
        return;
    const QString code = entered->trimmed();
    if (code.isEmpty())
        return;
    client()->account()->joinGroup(this, code, [this](bool ok) {
        report(ok ? tr("Joined group.") : tr("Invalid or expired invite code."), ok);
        if (ok)
            loadGroup();
    });
}

void AccountGroupPage::inviteByEmail() {
    const auto entered = askText(tr("Invite by Email"), tr("Email address:"));
    if (!entered)
        return;
    const QString email = entered->trimmed();
    if (email.isEmpty())
        return;
    client()->account()->inviteByEmail(
        this, email, [this](const TindAccount::GroupInvitation &sent) {
            const bool ok = !sent.id.isEmpty();
            report(ok ? tr("Invitation sent.") : tr("Failed to send invitation."), ok);
            if (ok)
                loadGroup();
        });
}

void AccountGroupPage::generateInviteCode() {
    client()->account()->generateInviteCode(this, [this](const TindAccount::GroupInvitation &made) {
        if (made.inviteCode.isEmpty()) {
            report(tr("Failed to generate code."), false);
            return;
        }
        MessageBoxes::inform(
            this, tr("Invite Code"),
            tr("Share this code with the person you want to invite:\n\n%1").arg(made.inviteCode));
        loadGroup();
    });
}
