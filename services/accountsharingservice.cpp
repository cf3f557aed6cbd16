// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/accountsharingservice.h"

#include "account/apiclient.h"

#include <QJsonArray>
#include <QJsonObject>

AccountSharingService::AccountSharingService(TindAccount::ApiClient *api, QObject *parent)
    : TindAccount::SharingBackend(parent)
    , m_api(api) {}

QJsonObject AccountSharingService::shareRequestBody(const QString &userIdOrEmail,
                                                    const QString &role) {
    QJsonObject body;
    if (userIdOrEmail.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), userIdOrEmail);
    body.insert(QStringLiteral("user_id"), userIdOrEmail);
    body.insert(QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role);
    return body;
}

void AccountSharingService::listMembers(const QString &accountId, MembersCallback callback) {
    if (!m_api) {
        if (callback)
            callback(false, {});
        return;
    }
    m_api->get(QStringLiteral("/accounts/%1/members").arg(accountId),
               [callback](bool ok, int, const QJsonObject &body) {
                   if (!callback)
                       return;
                   QList<TindAccount::ShareMember> members;
                   if (ok) {
                       const QJsonArray array = body.value(QLatin1String("members")).toArray();
                       for (const QJsonValue &value : array) {
                           const QJsonObject object = value.toObject();
                           TindAccount::ShareMember member;
                           member.id = object.value(QLatin1String("user_id")).toString();
                           member.userId = member.id;
                           member.email = object.value(QLatin1String("email")).toString();
                           member.displayName
                               = object.value(QLatin1String("display_name")).toString();
                           member.role = object.value(QLatin1String("role")).toString();
                           member.createdAt = object.value(QLatin1String("created_at")).toString();
                           members.append(member);
                       }
                   }
                   callback(ok, members);
               });
}

void AccountSharingService::shareWith(const QString &accountId, const QString &userIdOrEmail,
                                      const QString &role, ShareCallback callback) {
    if (!m_api) {
        if (callback)
            callback(false, tr("Failed to share account (HTTP %1)").arg(0));
        return;
    }
    m_api->post(QStringLiteral("/accounts/%1/share").arg(accountId),
                shareRequestBody(userIdOrEmail, role),
                [callback](bool ok, int status, const QJsonObject &body) {
                    if (!callback)
                        return;
                    if (ok) {
                        callback(true, QString());
                        return;
                    }
                    QString error = body.value(QLatin1String("error")).toString();
                    if (error.isEmpty())
                        error = tr("Failed to share account (HTTP %1)").arg(status);
                    callback(false, error);
                });
}

void AccountSharingService::removeShare(const QString &accountId, const QString &userId,
                                        RemoveCallback callback) {
    if (!m_api) {
        if (callback)
            callback(false);
        return;
    }
    m_api->deleteRequest(QStringLiteral("/accounts/%1/share/%2").arg(accountId, userId),
                         [callback](bool ok, int, const QJsonObject &) {
                             if (callback)
                                 callback(ok);
                         });
}
