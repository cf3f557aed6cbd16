// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/clientconfig.h"
#include "account/device.h"
#include "account/group.h"
#include "account/groupinvitation.h"
#include "account/profile.h"
#include "account/urlopener.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

namespace TindAccount {

class ApiClient;
class AuthClient;

// The account service: profile, group membership and invitations, devices.
class AccountClient : public QObject {
    Q_OBJECT

public:
    using ProfileCallback = std::function<void(const Profile &profile)>;
    using GroupCallback = std::function<void(const Group &group)>;
    // ok is false when the server could not be asked or refused: an empty group then means
    // "unknown", not "no group".
    using ProfileResultCallback = std::function<void(bool ok, const Profile &profile)>;
    using GroupResultCallback = std::function<void(bool ok, const Group &group)>;
    using InvitationCallback = std::function<void(const GroupInvitation &invitation)>;
    using DevicesCallback = std::function<void(const QList<Device> &devices)>;
    using BoolCallback = std::function<void(bool ok)>;

    AccountClient(ApiClient *accountApi, AuthClient *auth, const ClientConfig &config,
                  QObject *parent = nullptr);
    ~AccountClient() override;

    void setUrlOpener(UrlOpener opener) { m_urlOpener = std::move(opener); }

    void getProfile(ProfileCallback callback);
    void getGroup(GroupCallback callback);
    void fetchProfile(ProfileResultCallback callback);
    void fetchGroup(GroupResultCallback callback);
    void inviteByEmail(const QString &email, InvitationCallback callback);
    void generateInviteCode(InvitationCallback callback);
    void joinGroup(const QString &code, BoolCallback callback);
    // The callbacks of the membership and device calls say whether the server agreed, so
    // that a screen reports the outcome only once it is known.
    void leaveGroup(BoolCallback callback = BoolCallback());
    void removeMember(const QString &accountId, BoolCallback callback = BoolCallback());
    void revokeInvitation(const QString &invitationId, BoolCallback callback = BoolCallback());
    void getDevices(DevicesCallback callback);
    void removeDevice(const QString &deviceId, BoolCallback callback = BoolCallback());
    void registerDevice();
    void deleteAccount(BoolCallback callback);
    void openAccountPortal();

    // The body registerDevice() sends for this machine.
    QJsonObject deviceRegistration() const;
    // The platform's machine id, else the first 32 hex digits of SHA-256 of the host name.
    static QString deviceFingerprint();

Q_SIGNALS:
    void groupChanged();

private:
    void afterGroupChange(const BoolCallback &callback);

    QPointer<ApiClient> m_api;   // Not owned.
    QPointer<AuthClient> m_auth; // Not owned.
    QString m_appId;
    QString m_appName;
    QString m_appVersion;
    QString m_portalUrl;
    UrlOpener m_urlOpener = openInSystemBrowser;
};

} // namespace TindAccount
