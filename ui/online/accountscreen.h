// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDateTime>
#include <QWidget>

class AccountDevicesPage;
class AccountGroupPage;
class AccountPrivacyPage;
class AccountProfilePage;
class AccountSecurityPage;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace TindAccount {
class Client;
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
    QPushButton *deleteAccountButton() const;
    QLabel *ownerNotice() const;

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
    void updateOwnerState();
    void report(const QString &text, bool success);

    TindAccount::Client *m_client; // Not owned.
    QListWidget *m_navigation = nullptr;
    QStackedWidget *m_pages = nullptr;
    AccountProfilePage *m_profile = nullptr;   // Owned (Qt child).
    AccountGroupPage *m_group = nullptr;       // Owned (Qt child).
    AccountDevicesPage *m_devices = nullptr;   // Owned (Qt child).
    AccountSecurityPage *m_security = nullptr; // Owned (Qt child).
    AccountPrivacyPage *m_privacy = nullptr;   // Owned (Qt child).
    QLabel *m_status = nullptr;
    QTimer *m_statusTimer = nullptr;
    bool m_recolouring = false;
};
