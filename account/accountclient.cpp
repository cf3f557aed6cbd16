// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/accountclient.h"

#include "account/accountlog.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/pathsegment.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QSysInfo>
#include <QUrl>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace TindAccount {

namespace {

void call(const AccountClient::BoolCallback &callback, bool ok) {
    if (callback)
        callback(ok);
}

QString registrationPlatform() {
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#else
    return QSysInfo::productType();
#endif
}

} // namespace

AccountClient::AccountClient(ApiClient *accountApi, AuthClient *auth, const ClientConfig &config,
                             QObject *parent)
    : QObject(parent)
    , m_api(accountApi)
    , m_auth(auth)
    , m_appId(config.appId)
    , m_appName(config.appName)
    , m_appVersion(config.appVersion)
    , m_portalUrl(config.portalUrl) {}

AccountClient::~AccountClient() = default;

void AccountClient::getProfile(ProfileCallback callback) {
    fetchProfile([callback](bool, const Profile &profile) {
        if (callback)
            callback(profile);
    });
}

void AccountClient::getGroup(GroupCallback callback) {
    fetchGroup([callback](bool, const Group &group) {
        if (callback)
            callback(group);
    });
}

void AccountClient::fetchProfile(ProfileResultCallback callback) {
    if (!m_api) {
        if (callback)
            callback(false, Profile());
        return;
    }
    m_api->get(QStringLiteral("/profile"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok, ok ? Profile::fromJson(body) : Profile());
    });
}

void AccountClient::fetchGroup(GroupResultCallback callback) {
    if (!m_api) {
        if (callback)
            callback(false, Group());
        return;
    }
    m_api->get(QStringLiteral("/group"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok, ok ? Group::fromJson(body) : Group());
    });
}

void AccountClient::inviteByEmail(const QString &email, InvitationCallback callback) {
    if (!m_api) {
        if (callback)
            callback(GroupInvitation());
        return;
    }
    m_api->post(QStringLiteral("/group/invite"), QJsonObject{{QStringLiteral("email"), email}},
                [callback](bool ok, int, const QJsonObject &body) {
                    if (callback)
                        callback(ok ? GroupInvitation::fromJson(body) : GroupInvitation());
                });
}

void AccountClient::generateInviteCode(InvitationCallback callback) {
    if (!m_api) {
        if (callback)
            callback(GroupInvitation());
        return;
    }
    m_api->post(QStringLiteral("/group/invite"), QJsonObject(),
                [callback](bool ok, int, const QJsonObject &body) {
                    if (callback)
                        callback(ok ? GroupInvitation::fromJson(body) : GroupInvitation());
                });
}

void AccountClient::afterGroupChange(const BoolCallback &callback) {
    // The group claims live in the access token, so a new one is fetched before anyone
    // reloads; the membership change itself has succeeded whatever the refresh says.
    QPointer<AccountClient> self(this);
    auto finish = [self, callback](bool) {
        if (self)
            Q_EMIT self->groupChanged();
        call(callback, true);
    };
    if (m_auth)
        m_auth->refreshToken(finish);
    else
        finish(true);
}

void AccountClient::joinGroup(const QString &code, BoolCallback callback) {
    // The code is typed by the user and becomes part of the path.
    if (!m_api || !isSafePathSegment(code)) {
        call(callback, false);
        return;
    }
    QPointer<AccountClient> self(this);
    m_api->post(QStringLiteral("/group/join/%1").arg(code), QJsonObject(),
                [self, callback](bool ok, int, const QJsonObject &) {
                    if (ok && self)
                        self->afterGroupChange(callback);
                    else
                        call(callback, false);
                });
}

void AccountClient::leaveGroup(BoolCallback callback) {
    if (!m_api) {
        call(callback, false);
        return;
    }
    QPointer<AccountClient> self(this);
    m_api->post(QStringLiteral("/group/leave"), QJsonObject(),
                [self, callback](bool ok, int, const QJsonObject &) {
                    if (ok && self)
                        self->afterGroupChange(callback);
                    else
                        call(callback, false);
                });
}

void AccountClient::removeMember(const QString &accountId, BoolCallback callback) {
    if (!m_api || !isSafePathSegment(accountId)) {
        call(callback, false);
        return;
    }
    QPointer<AccountClient> self(this);
    m_api->deleteRequest(QStringLiteral("/group/members/%1").arg(accountId),
                         [self, callback](bool ok, int, const QJsonObject &) {
                             if (ok && self)
                                 Q_EMIT self->groupChanged();
                             call(callback, ok);
                         });
}

void AccountClient::revokeInvitation(const QString &invitationId, BoolCallback callback) {
    if (!m_api || !isSafePathSegment(invitationId)) {
        call(callback, false);
        return;
    }
    m_api->deleteRequest(QStringLiteral("/group/invitations/%1").arg(invitationId),
                         [callback](bool ok, int, const QJsonObject &) { call(callback, ok); });
}

void AccountClient::getDevices(DevicesCallback callback) {
    if (!m_api) {
        if (callback)
            callback({});
        return;
    }
    m_api->get(QStringLiteral("/devices"), [callback](bool ok, int, const QJsonObject &body) {
        QList<Device> devices;
        if (ok) {
            for (const QJsonValue &value : body.value(QLatin1String("devices")).toArray())
                devices.append(Device::fromJson(value.toObject()));
        }
        if (callback)
            callback(devices);
    });
}

void AccountClient::removeDevice(const QString &deviceId, BoolCallback callback) {
    if (!m_api || !isSafePathSegment(deviceId)) {
        call(callback, false);
        return;
    }
    m_api->deleteRequest(QStringLiteral("/devices/%1").arg(deviceId),
                         [callback](bool ok, int, const QJsonObject &) { call(callback, ok); });
}

void AccountClient::registerDevice() {
    if (!m_api)
        return;
    m_api->post(QStringLiteral("/devices/register"), deviceRegistration(),
                [](bool ok, int status, const QJsonObject &) {
                    if (!ok)
                        qCInfo(lcTindAccount).noquote()
                            << "AccountClient: device registration failed, HTTP" << status;
                });
}

void AccountClient::deleteAccount(BoolCallback callback) {
    if (!m_api) {
        call(callback, false);
        return;
    }
    m_api->deleteRequest(QStringLiteral("/profile"),
                         [callback](bool ok, int, const QJsonObject &) { call(callback, ok); });
}

void AccountClient::openAccountPortal() {
    if (!m_portalUrl.isEmpty() && m_urlOpener)
        m_urlOpener(QUrl(m_portalUrl));
}

QJsonObject AccountClient::deviceRegistration() const {
    return QJsonObject{
        {QStringLiteral("device_name"), QSysInfo::machineHostName()},
        {QStringLiteral("platform"), registrationPlatform()},
        {QStringLiteral("app_id"), m_appId},
        {QStringLiteral("app_version"), m_appVersion},
        {QStringLiteral("device_fingerprint"), deviceFingerprint()},
    };
}

QString AccountClient::deviceFingerprint() {
#ifdef Q_OS_WIN
    const QSettings cryptography(
        QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"),
        QSettings::NativeFormat);
    const QString machineId = cryptography.value(QStringLiteral("MachineGuid")).toString();
#else
    const QString machineId = QString::fromUtf8(QSysInfo::machineUniqueId());
#endif
    if (!machineId.isEmpty())
        return machineId;
    const QByteArray digest = QCryptographicHash::hash(QSysInfo::machineHostName().toUtf8(),
                                                       QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(32));
}

} // namespace TindAccount
