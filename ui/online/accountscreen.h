// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDateTime>
#include <QWidget>

class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;
class QVBoxLayout;

namespace TindAccount {
class Client;
struct Group;
struct Session;
struct Device;
} // namespace TindAccount

// The "Tindral Account" window: profile, group, devices, sessions and account deletion of the
// signed-in user. Every change is made on the server; the screen says how it went only when
// the server has answered.
class AccountScreen : public QWidget {
    Q_OBJECT

public:
    enum PageIndex { ProfilePage = 0, GroupPage, DevicesPage, SecurityPage, PrivacyPage };

    explicit AccountScreen(TindAccount::Client *client, QWidget *parent = nullptr);
    ~AccountScreen() override;

    // "Active now", "5m ago", "3h ago", "2d ago", then the date; "Unknown" without a time.
    static QString relativeTime(const QDateTime &time,
                                const QDateTime &now = QDateTime::currentDateTimeUtc());

    // For tests.
    QListWidget *navigation() const { return m_navigation; }
    QStackedWidget *pages() const { return m_pages; }
    QLabel *statusLine() const { return m_status; }
    QPushButton *deleteAccountButton() const { return m_deleteAccount; }
    QLabel *ownerNotice() const { return m_ownerNotice; }

public Q_SLOTS:
    // Loads the user, the group, the devices and the sessions again.
    void reload();
    void loadGroup();
    void loadDevices();
    void loadSessions();

Q_SIGNALS:
    void logoutRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildProfilePage();
    QWidget *buildSecurityPage();
    QWidget *buildPrivacyPage();
    QWidget *scrollPage(QVBoxLayout **content);
    void showProfile();
    void showGroup(const TindAccount::Group &group);
    void showDevices(const QList<TindAccount::Device> &devices);
    void showSessions(const QList<TindAccount::Session> &sessions);
    void updateOwnerState();
    bool isOwner() const;
    void report(const QString &text, bool success);

    void editDisplayName();
    void changePassword();
    void joinGroup();
    void inviteByEmail();
    void generateInviteCode();
    void deleteAccount();

    TindAccount::Client *m_client; // Not owned.
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_statusTimer = nullptr;
    QLabel *m_displayName = nullptr;
    QLabel *m_email = nullptr;
    QPushButton *m_changePassword = nullptr;
    QVBoxLayout *m_groupContent = nullptr;
    QVBoxLayout *m_devicesContent = nullptr;
    QVBoxLayout *m_sessionsContent = nullptr;
    QPushButton *m_deleteAccount = nullptr;
    QLabel *m_ownerNotice = nullptr;
    bool m_recolouring = false;
};
