// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/sharemember.h"
#include "account/whilealive.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace TindAccount {

// Where the sharing dialog lists, adds and removes the people an item is shared with. The
// application implements it; the dialog never talks to the network itself.
class SharingBackend : public QObject {
    Q_OBJECT

public:
    // ok is false when the list could not be read: members is empty then, which is not the
    // same as an item shared with nobody.
    using MembersCallback = std::function<void(bool ok, const QList<ShareMember> &members)>;
    using ShareCallback = std::function<void(bool ok, const QString &error)>;
    using RemoveCallback = std::function<void(bool ok)>;

    using QObject::QObject;

    virtual void listMembers(const QString &itemId, MembersCallback callback) = 0;
    // userIdOrEmail: a user id, or an e-mail address (contains "@"). An empty role means "member".
    virtual void shareWith(const QString &itemId, const QString &userIdOrEmail, const QString &role,
                           ShareCallback callback)
        = 0;
    virtual void removeShare(const QString &itemId, const QString &shareId, RemoveCallback callback)
        = 0;

    // The same calls for a receiver, a window or dialog: the callback dies with it, so that a
    // reply coming after it was closed calls nothing.
    void listMembers(const QObject *receiver, const QString &itemId, MembersCallback callback) {
        listMembers(itemId, whileAlive(receiver, std::move(callback)));
    }
    void shareWith(const QObject *receiver, const QString &itemId, const QString &userIdOrEmail,
                   const QString &role, ShareCallback callback) {
        shareWith(itemId, userIdOrEmail, role, whileAlive(receiver, std::move(callback)));
    }
    void removeShare(const QObject *receiver, const QString &itemId, const QString &shareId,
                     RemoveCallback callback) {
        removeShare(itemId, shareId, whileAlive(receiver, std::move(callback)));
    }
};

} // namespace TindAccount
