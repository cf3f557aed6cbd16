// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/online/accountscreen.h"

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/device.h"
#include "account/group.h"
#include "account/session.h"
#include "account/user.h"
#include "ui/common/messageboxes.h"
#include "ui/common/modalrunner.h"
#include "ui/common/styles.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr int kStatusMs = 4000;
constexpr int kGroupReloadMs = 500;

const char kNavigationStyle[]
    = "QListWidget {  background: %1; border: none; padding: 12px 8px;}QListWidget::item {  "
      "padding: 8px 12px; border-radius: 6px;}QListWidget::item:hover { background: %2; }"
      "QListWidget::item:selected { background: %3; color: %4; }";

// Text from the server, never read as markup.
QLabel *plainLabel(const QString &text, QWidget *parent = nullptr) {
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QLabel *heading(const QString &text) {
    auto *label = plainLabel(text);
    QFont font = QApplication::font();
    font.setPointSize(font.pointSize() + 1);
    font.setWeight(QFont::DemiBold);
    label->setFont(font);
    return label;
}

QLabel *muted(const QString &text) {
    auto *label = plainLabel(text);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(Styles::mutedColour()));
    return label;
}

// Empties a rebuilt section and gives back a fresh body for it.
QVBoxLayout *freshBody(QVBoxLayout *content) {
    while (QLayoutItem *item = content->takeAt(0)) {
        if (QWidget *widget = item->widget())
            widget->deleteLater();
        delete item;
    }
    auto *body = new QWidget;
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    content->addWidget(body);
    return layout;
}

QHBoxLayout *row(QVBoxLayout *body, QWidget *text, QWidget *action) {
    auto *line = new QHBoxLayout;
    line->addWidget(text, 1);
    if (action)
        line->addWidget(action, 0, Qt::AlignTop);
    body->addLayout(line);
    return line;
}

// The entered text, or nothing when the dialog was cancelled.
std::optional<QString> askText(QWidget *parent, const QString &title, const QString &label,
                               const QString &initial = QString(),
                               QLineEdit::EchoMode echo = QLineEdit::Normal) {
    QInputDialog dialog(parent);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(initial);
    dialog.setTextEchoMode(echo);
    if (ModalRunner::exec(&dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

} // namespace

AccountScreen::AccountScreen(TindAccount::Client *client, QWidget *parent)
    : QWidget(parent)
    , m_client(client) {
    setAccessibleName(tr("Tindral Account"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto *layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_navigation = new QListWidget(this);
    m_navigation->setAccessibleName(tr("Account sections"));
    m_navigation->setFixedWidth(180);
    m_navigation->setFocusPolicy(Qt::NoFocus);
    m_navigation->addItems(
        {tr("Profile"), tr("Group"), tr("Devices"), tr("Security"), tr("Data & Privacy")});
    layout->addWidget(m_navigation);

    m_pages = new QStackedWidget(this);
    m_pages->setAccessibleName(tr("Account section"));
    m_pages->addWidget(buildProfilePage());
    QVBoxLayout *group = nullptr;
    m_pages->addWidget(scrollPage(&group));
    m_groupContent = group;
    QVBoxLayout *devices = nullptr;
    QWidget *devicesPage = scrollPage(&devices);
    devices->addWidget(heading(tr("Registered Devices")));
    devices->addWidget(muted(tr("Devices that have synced with your account.")));
    m_devicesContent = new QVBoxLayout;
    devices->addLayout(m_devicesContent);
    m_pages->addWidget(devicesPage);
    m_pages->addWidget(buildSecurityPage());
    m_pages->addWidget(buildPrivacyPage());
    layout->addWidget(m_pages, 1);
    outer->addLayout(layout, 1);

    m_status = new QLabel(this);
    m_status->setAccessibleName(tr("Result"));
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    outer->addWidget(m_status);
    m_statusTimer = new QTimer(this);
    m_statusTimer->setSingleShot(true);
    m_statusTimer->setInterval(kStatusMs);
    connect(m_statusTimer, &QTimer::timeout, m_status, &QLabel::clear);

    connect(m_navigation, &QListWidget::currentRowChanged, m_pages,
            &QStackedWidget::setCurrentIndex);
    m_navigation->setCurrentRow(ProfilePage);
    connect(m_client->account(), &TindAccount::AccountClient::groupChanged, this,
            [this] { updateOwnerState(); });
    connect(m_client, &TindAccount::Client::claimsUpdated, this, [this] { updateOwnerState(); });
    changeEvent(nullptr);
}

AccountScreen::~AccountScreen() = default;

QWidget *AccountScreen::scrollPage(QVBoxLayout **content) {
    auto *scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto *inner = new QWidget;
    auto *layout = new QVBoxLayout(inner);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    auto *body = new QVBoxLayout;
    body->setSpacing(8);
    layout->addLayout(body);
    layout->addStretch(1);
    scroll->setWidget(inner);
    *content = body;
    return scroll;
}

QWidget *AccountScreen::buildProfilePage() {
    QVBoxLayout *content = nullptr;
    QWidget *page = scrollPage(&content);
    content->addWidget(heading(tr("Personal Information")));
    m_displayName = plainLabel(tr("(not set)"));
    m_displayName->setAccessibleName(tr("Display name"));
    auto *edit = new QPushButton(tr("Edit Display Name"));
    edit->setAccessibleName(tr("Edit Display Name"));
    connect(edit, &QPushButton::clicked, this, &AccountScreen::editDisplayName);
    row(content, m_displayName, edit);
    m_email = muted(QString());
    m_email->setAccessibleName(tr("E-mail address"));
    content->addWidget(m_email);
    content->addSpacing(16);
    content->addWidget(heading(tr("Account Portal")));
    content->addWidget(muted(tr("Billing, subscriptions and more are managed on the web.")));
    auto *portal = new QPushButton(tr("Open Account Portal"));
    portal->setAccessibleName(tr("Open Account Portal"));
    connect(portal, &QPushButton::clicked, m_client->account(),
            &TindAccount::AccountClient::openAccountPortal);
    row(content, new QWidget, portal);
    return page;
}

QWidget *AccountScreen::buildSecurityPage() {
    QVBoxLayout *content = nullptr;
    QWidget *page = scrollPage(&content);
    content->addWidget(heading(tr("Password")));
    m_changePassword = new QPushButton(tr("Change Password"));
    m_changePassword->setAccessibleName(tr("Change Password"));
    connect(m_changePassword, &QPushButton::clicked, this, &AccountScreen::changePassword);
    row(content, muted(tr("Change your account password.")), m_changePassword);
    content->addSpacing(16);
    content->addWidget(heading(tr("Active Sessions")));
    content->addWidget(muted(tr("Sessions currently signed in to your account.")));
    m_sessionsContent = new QVBoxLayout;
    content->addLayout(m_sessionsContent);
    return page;
}

QWidget *AccountScreen::buildPrivacyPage() {
    QVBoxLayout *content = nullptr;
    QWidget *page = scrollPage(&content);
    content->addWidget(heading(tr("Danger Zone")));
    content->addWidget(
        muted(tr("Permanently delete your account. This cannot be undone after 30 days.")));
    m_deleteAccount = new QPushButton(tr("Delete Account"));
    m_deleteAccount->setAccessibleName(tr("Delete Account"));
    m_deleteAccount->setStyleSheet(Styles::dangerButton());
    connect(m_deleteAccount, &QPushButton::clicked, this, &AccountScreen::deleteAccount);
    row(content, new QWidget, m_deleteAccount);
    m_ownerNotice = muted(tr("You are the group owner. Transfer ownership or remove all members "
                             "before deleting your account."));
    m_ownerNotice->hide();
    content->addWidget(m_ownerNotice);
    return page;
}

void AccountScreen::changeEvent(QEvent *event) {
    if (event)
        QWidget::changeEvent(event);
    if (m_recolouring || (event && event->type() != QEvent::PaletteChange))
        return;
    m_recolouring = true;
    const Styles::Navigation colours = Styles::navigation();
    m_navigation->setStyleSheet(QString::fromLatin1(kNavigationStyle)
                                    .arg(Styles::hex(colours.background),
                                         Styles::hex(colours.hover), Styles::hex(colours.selected),
                                         Styles::hex(colours.selectedText)));
    m_recolouring = false;
}

QString AccountScreen::relativeTime(const QDateTime &time, const QDateTime &now) {
    if (!time.isValid())
        return tr("Unknown");
    const qint64 s = time.secsTo(now);
    if (s < 60)
        return tr("Active now");
    if (s < 3600)
        return tr("%1m ago").arg(s / 60);
    if (s <= 86399)
        return tr("%1h ago").arg(s / 3600);
    if (s <= 604799)
        return tr("%1d ago").arg(s / 86400);
    return QLocale(QLocale::English).toString(time.toLocalTime().date(), "MMM d, yyyy");
}

void AccountScreen::report(const QString &text, bool success) {
    m_status->setStyleSheet(
        Styles::textColourStyle(success ? Styles::positiveColour() : Styles::negativeColour())
        + QStringLiteral(" padding: 4px;"));
    m_status->setText(text);
    m_statusTimer->start();
}

bool AccountScreen::isOwner() const {
    return m_client->claims().role == QLatin1String("owner");
}

void AccountScreen::updateOwnerState() {
    const bool owner = isOwner();
    m_deleteAccount->setEnabled(!owner);
    m_ownerNotice->setVisible(owner);
}

void AccountScreen::reload() {
    updateOwnerState();
    showProfile();
    m_client->auth()->fetchCurrentUser(this, [this](const TindAccount::User &) { showProfile(); });
    loadGroup();
    loadDevices();
    loadSessions();
}

void AccountScreen::showProfile() {
    const TindAccount::User user = m_client->auth()->currentUser();
    m_displayName->setText(user.displayName.isEmpty() ? tr("(not set)") : user.displayName);
    m_email->setText(user.email);
}

void AccountScreen::loadGroup() {
    m_client->account()->getGroup(this,
                                  [this](const TindAccount::Group &group) { showGroup(group); });
}

void AccountScreen::showGroup(const TindAccount::Group &group) {
    updateOwnerState();
    QVBoxLayout *body = freshBody(m_groupContent);
    if (group.id.isEmpty()) {
        body->addWidget(heading(tr("No Group")));
        body->addWidget(muted(tr("You're not part of a group. The group owner can invite you, "
                                 "or you can join with an invite code.")));
        auto *join = new QPushButton(tr("Join with Invite Code"));
        join->setAccessibleName(tr("Join with Invite Code"));
        connect(join, &QPushButton::clicked, this, &AccountScreen::joinGroup);
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
                m_client->account()->removeMember(this, id, [this, name](bool ok) {
                    if (!ok) {
                        report(tr("Failed to remove %1.").arg(name), false);
                        loadGroup();
                        return;
                    }
                    report(tr("%1 removed.").arg(name), true);
                    QTimer::singleShot(kGroupReloadMs, this, &AccountScreen::loadGroup);
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
                    m_client->account()->revokeInvitation(this, id, [this](bool ok) {
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
        connect(byEmail, &QPushButton::clicked, this, &AccountScreen::inviteByEmail);
        auto *code = new QPushButton(tr("Generate Invite Code"));
        code->setAccessibleName(tr("Generate Invite Code"));
        connect(code, &QPushButton::clicked, this, &AccountScreen::generateInviteCode);
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
            m_client->account()->leaveGroup(this, [this](bool ok) {
                report(ok ? tr("Left group.") : tr("Failed to leave group."), ok);
                loadGroup();
            });
        });
        row(body, new QWidget, leave);
    }
}

void AccountScreen::loadDevices() {
    m_client->account()->getDevices(
        this, [this](const QList<TindAccount::Device> &devices) { showDevices(devices); });
}

void AccountScreen::showDevices(const QList<TindAccount::Device> &devices) {
    QVBoxLayout *body = freshBody(m_devicesContent);
    if (devices.isEmpty()) {
        body->addWidget(muted(tr("No devices registered.")));
        return;
    }
    for (const TindAccount::Device &device : devices) {
        const QString name = device.deviceName.isEmpty() ? tr("Unknown Device") : device.deviceName;
        auto *text = new QWidget;
        auto *lines = new QVBoxLayout(text);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setSpacing(2);
        auto *title = plainLabel(name);
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        lines->addWidget(title);
        QString detail = device.platform;
        if (!device.appVersion.isEmpty())
            detail += tr("  ·  v%1").arg(device.appVersion);
        lines->addWidget(muted(detail));
        lines->addWidget(muted(relativeTime(device.lastSyncAt)));
        auto *remove = new QPushButton(tr("Remove"));
        remove->setAccessibleName(tr("Remove %1").arg(name));
        const QString id = device.id;
        connect(remove, &QPushButton::clicked, this, [this, remove, id, name] {
            if (!MessageBoxes::ask(this, tr("Remove Device"), tr("Remove %1?").arg(name)))
                return;
            remove->setEnabled(false);
            m_client->account()->removeDevice(this, id, [this](bool ok) {
                report(ok ? tr("Device removed.") : tr("Failed to remove device."), ok);
                loadDevices();
            });
        });
        row(body, text, remove);
    }
}

void AccountScreen::loadSessions() {
    m_client->auth()->listSessions(
        this, [this](const QList<TindAccount::Session> &sessions) { showSessions(sessions); });
}

void AccountScreen::showSessions(const QList<TindAccount::Session> &sessions) {
    QVBoxLayout *body = freshBody(m_sessionsContent);
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
        QString second
            = session.isCurrent ? tr("This session") : relativeTime(session.lastActiveAt);
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
                m_client->auth()->revokeSession(this, id, [this](bool ok) {
                    report(ok ? tr("Session revoked.") : tr("Failed to revoke session."), ok);
                    loadSessions();
                });
            });
            action = revoke;
        }
        row(body, text, action);
    }
}

void AccountScreen::editDisplayName() {
    const std::optional<QString> entered
        = askText(this, tr("Edit Display Name"), tr("Display name:"),
                  m_client->auth()->currentUser().displayName);
    if (!entered || entered->trimmed().isEmpty())
        return;
    m_client->auth()->updateProfile(
        this, entered->trimmed(), [this](const TindAccount::User &user) {
            const bool ok = !user.id.isEmpty();
            report(ok ? tr("Display name updated.") : tr("Failed to update profile."), ok);
            showProfile();
        });
}

void AccountScreen::changePassword() {
    const auto current = askText(this, tr("Change Password"), tr("Current password:"), QString(),
                                 QLineEdit::Password);
    if (!current)
        return;
    const auto fresh = askText(this, tr("Change Password"), tr("New password (min 8 characters):"),
                               QString(), QLineEdit::Password);
    if (!fresh)
        return;
    if (fresh->size() < 8) {
        report(tr("Password must be at least 8 characters."), false);
        return;
    }
    const auto confirm = askText(this, tr("Change Password"), tr("Confirm new password:"),
                                 QString(), QLineEdit::Password);
    if (!confirm)
        return;
    if (*confirm != *fresh) {
        report(tr("Passwords do not match."), false);
        return;
    }
    m_changePassword->setEnabled(false);
    m_client->auth()->changePassword(this, *current, *fresh, [this](bool ok) {
        m_changePassword->setEnabled(true);
        report(ok ? tr("Password changed.") : tr("Failed to change password."), ok);
    });
}

void AccountScreen::joinGroup() {
    const auto entered = askText(this, tr("Join Group"), tr("Enter invite code:"));
    if (!entered)
        return;
    const QString code = entered->trimmed();
    if (code.isEmpty())
        return;
    m_client->account()->joinGroup(this, code, [this](bool ok) {
        report(ok ? tr("Joined group.") : tr("Invalid or expired invite code."), ok);
        if (ok)
            loadGroup();
    });
}

void AccountScreen::inviteByEmail() {
    const auto entered = askText(this, tr("Invite by Email"), tr("Email address:"));
    if (!entered)
        return;
    const QString email = entered->trimmed();
    if (email.isEmpty())
        return;
    m_client->account()->inviteByEmail(
        this, email, [this](const TindAccount::GroupInvitation &sent) {
            const bool ok = !sent.id.isEmpty();
            report(ok ? tr("Invitation sent.") : tr("Failed to send invitation."), ok);
            if (ok)
                loadGroup();
        });
}

void AccountScreen::generateInviteCode() {
    m_client->account()->generateInviteCode(this, [this](const TindAccount::GroupInvitation &made) {
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

void AccountScreen::deleteAccount() {
    if (isOwner())
        return;
    const auto entered = askText(this, tr("Delete Account"),
                                 tr("This will schedule your account for permanent deletion "
                                    "after 30 days.\n\nType DELETE to confirm:"));
    if (!entered || *entered != QLatin1String("DELETE"))
        return;
    m_deleteAccount->setEnabled(false);
    m_client->account()->deleteAccount(this, [this](bool ok) {
        updateOwnerState();
        if (!ok) {
            report(tr("Failed to delete account."), false);
            return;
        }
        MessageBoxes::inform(
            this, tr("Account Scheduled for Deletion"),
            tr("Your account will be permanently deleted in 30 days. You can recover it by "
               "signing in before then."));
        Q_EMIT logoutRequested();
    });
}
