// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/clientconfig.h"
#include "account/device.h"
#include "account/group.h"
#include "account/groupinvitation.h"
#include "account/profile.h"
#include "account/urlopener.h"
#include "account/whilealive.h"

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

    // The same calls for a receiver, a window or dialog: the callback dies with it, so that a
    // reply coming after it was closed calls nothing.
    void fetchProfile(const QObject *receiver, ProfileResultCallback callback) {
        fetchProfile(whileAlive(receiver, std::move(callback)));
    }
    void fetchGroup(const QObject *receiver, GroupResultCallback callback) {
        fetchGroup(whileAlive(receiver, std::move(callback)));
    }
    void getGroup(const QObject *receiver, GroupCallback callback) {
        getGroup(whileAlive(receiver, std::move(callback)));
    }
    void inviteByEmail(const QObject *receiver, const QString &email, InvitationCallback callback) {
        inviteByEmail(email, whileAlive(receiver, std::move(callback)));
    }
    void generateInviteCode(const QObject *receiver, InvitationCallback callback) {
        generateInviteCode(whileAlive(receiver, std::move(callback)));
    }
    void joinGroup(const QObject *receiver, const QString &code, BoolCallback callback) {
        joinGroup(code, whileAlive(receiver, std::move(callback)));
    }
    void leaveGroup(const QObject *receiver, BoolCallback callback) {
        leaveGroup(whileAlive(receiver, std::move(callback)));
    }
    void removeMember(const QObject *receiver, const QString &accountId, BoolCallback callback) {
        removeMember(accountId, whileAlive(receiver, std::move(callback)));
    }
    void revokeInvitation(const QObject *receiver, const QString &invitationId,
                          BoolCallback callback) {
        revokeInvitation(invitationId, whileAlive(receiver, std::move(callback)));
    }
    void getDevices(const QObject *receiver, DevicesCallback callback) {
        getDevices(whileAlive(receiver, std::move(callback)));
    }
    void removeDevice(const QObject *receiver, const QString &deviceId, BoolCallback callback) {
        removeDevice(deviceId, whileAlive(receiver, std::move(callback)));
    }
    void deleteAccount(const QObject *receiver, BoolCallback callback) {
        deleteAccount(whileAlive(receiver, std::move(callback)));
    }

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
