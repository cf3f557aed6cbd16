// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/accountapi.h"

#include "server/grouppolicy.h"
#include "server/sharerevocation.h"
#include "server/syncstore.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QStringList>
#include <QUuid>

const QString AccountApi::BasePath = QStringLiteral("/account/v1");

namespace {

const QString kOwner = QStringLiteral("owner");
const QString kMember = QStringLiteral("member");
constexpr int kMaxIdLength = 128;
constexpr int kMaxEmailLength = 254;

QString nowText() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

QString newId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Ten symbols of 32 (no 0/O, 1/I): 50 bits, easy to read out and type.
QString newCode() {
    static const QString alphabet = QStringLiteral("ABCDEFGHJKLMNPQRSTUVWXYZ23456789");
    QString code;
    for (int i = 0; i < 10; ++i)
        code += alphabet.at(int(QRandomGenerator::system()->bounded(quint32(alphabet.size()))));
    return code;
}

HttpResponse refusal(GroupPolicy::Verdict verdict) {
    return HttpResponse::error(GroupPolicy::status(verdict), GroupPolicy::message(verdict));
}

HttpResponse methodNotAllowed() {
    return HttpResponse::error(405, QStringLiteral("method not allowed"));
}

HttpResponse badRequest(const QString &message) {
    return HttpResponse::error(400, message);
}

// The body as an object; an empty body is an empty object.
bool parseBody(const HttpRequest &request, QJsonObject *body, QString *error) {
    if (request.body.trimmed().isEmpty()) {
        *body = QJsonObject();
        return true;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(request.body, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QStringLiteral("the body is not a JSON object");
        return false;
    }
    *body = document.object();
    return true;
}

bool hasControlCharacters(const QString &text) {
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

// An optional text member of at most maxLength characters, without control characters.
bool textMember(const QJsonObject &body, const char *key, int maxLength, QString *value,
                QString *error) {
    const QJsonValue member = body.value(QLatin1String(key));
    if (member.isUndefined() || member.isNull()) {
        value->clear();
        return true;
    }
    if (!member.isString()) {
        *error = QStringLiteral("\"%1\" must be a string").arg(QLatin1String(key));
        return false;
    }
    *value = member.toString().trimmed();
    if (value->size() > maxLength) {
        *error = QStringLiteral("\"%1\" is longer than %2 characters")
                     .arg(QLatin1String(key))
                     .arg(maxLength);
        return false;
    }
    if (hasControlCharacters(*value)) {
        *error = QStringLiteral("\"%1\" holds control characters").arg(QLatin1String(key));
        return false;
    }
    return true;
}

// Addresses may be international; what is refused is what cannot be one.
bool plausibleEmail(const QString &email) {
    const int at = email.lastIndexOf(QLatin1Char('@'));
    if (at <= 0 || at == email.size() - 1)
        return false;
    for (const QChar c : email) {
        if (c.isSpace())
            return false;
    }
    const QString domain = email.mid(at + 1);
    return !domain.contains(QLatin1Char('@')) && !domain.startsWith(QLatin1Char('.'))
           && !domain.endsWith(QLatin1Char('.'));
}

QJsonObject invitationJson(const Invitation &invitation) {
    return QJsonObject{{QStringLiteral("id"), invitation.invitationId},
                       {QStringLiteral("invited_email"), invitation.email},
                       {QStringLiteral("invite_code"), invitation.code},
                       {QStringLiteral("status"), QStringLiteral("pending")},
                       {QStringLiteral("created_at"), invitation.createdAt},
                       {QStringLiteral("expires_at"), invitation.expiresAt}};
}

QJsonObject deviceJson(const RegisteredDevice &device) {
    return QJsonObject{{QStringLiteral("id"), device.deviceId},
                       {QStringLiteral("device_name"), device.name},
                       {QStringLiteral("platform"), device.platform},
                       {QStringLiteral("app_id"), device.appId},
                       {QStringLiteral("app_version"), device.appVersion},
                       {QStringLiteral("last_sync_at"), device.lastSyncAt},
                       {QStringLiteral("device_fingerprint"), device.fingerprint},
                       {QStringLiteral("created_at"), device.createdAt}};
}

// The group as stored; one that only tokens named so far gets its defaults.
FamilyGroup groupOf(StoreSession &session, const QString &groupId) {
    return session.group(groupId).value_or(
        FamilyGroup{groupId, groupId, GroupPolicy::MaxSeats, QString()});
}

QList<Invitation> openInvitations(StoreSession &session, const QString &groupId) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QList<Invitation> open;
    for (const Invitation &invitation : session.invitationsOf(groupId)) {
        if (!GroupPolicy::expired(invitation, now))
            open.append(invitation);
    }
    return open;
}

KnownUser storedUser(StoreSession &session, const QString &userId) {
    return session.user(userId).value_or(KnownUser::withId(userId));
}

} // namespace

AccountApi::AccountApi(SyncStore *store)
    : m_store(store)
    , m_joinLimiter(store, JoinWindowSeconds) {}

HttpResponse AccountApi::transact(bool writing, const Work &work) {
    HttpResponse response = HttpResponse::error(500, QStringLiteral("no answer"));
    QString error;
    const bool ok = m_store->run(
        writing ? SyncStore::Mode::Write : SyncStore::Mode::Read,
        [&](StoreSession &session) {
            if (writing && !session.serializeAccountChanges())
                return false;
            return work(session, response);
        },
        &error);
    if (ok)
        return response;
    qWarning("account: storing failed: %s", qPrintable(error));
    return HttpResponse::error(503, QStringLiteral("the account service could not store this"));
}

HttpResponse AccountApi::handle(const Identity &who, const HttpRequest &request,
                                const QString &path) {
    const QStringList parts = path.split(QLatin1Char('/'));
    // parts[0] is empty: the path starts with a slash.
    const QString first = parts.value(1);
    const QString second = parts.value(2);
    const QByteArray &method = request.method;
    if (parts.size() == 2 && first == QLatin1String("profile")) {
        if (method == "GET")
            return profile(who);
        return method == "DELETE" ? deleteProfile(who) : methodNotAllowed();
    }
    if (first == QLatin1String("group")) {
        if (parts.size() == 2)
            return method == "GET" ? group(who) : methodNotAllowed();
        if (parts.size() == 3 && second == QLatin1String("invite"))
            return method == "POST" ? invite(who, request) : methodNotAllowed();
        if (parts.size() == 3 && second == QLatin1String("leave"))
            return method == "POST" ? leave(who) : methodNotAllowed();
        if (parts.size() == 4 && second == QLatin1String("join"))
            return method == "POST" ? join(who, parts.at(3)) : methodNotAllowed();
        if (parts.size() == 4 && second == QLatin1String("members") && !parts.at(3).isEmpty())
            return method == "DELETE" ? removeMember(who, parts.at(3)) : methodNotAllowed();
        if (parts.size() == 4 && second == QLatin1String("invitations") && !parts.at(3).isEmpty())
            return method == "DELETE" ? revokeInvitation(who, parts.at(3)) : methodNotAllowed();
    }
    if (first == QLatin1String("devices")) {
        if (parts.size() == 2)
            return method == "GET" ? devices(who) : methodNotAllowed();
        if (parts.size() == 3 && second == QLatin1String("register"))
            return method == "POST" ? registerDevice(who, request) : methodNotAllowed();
        if (parts.size() == 3 && !second.isEmpty())
            return method == "DELETE" ? removeDevice(who, second) : methodNotAllowed();
    }
    return HttpResponse::error(404, QStringLiteral("not found"));
}

HttpResponse AccountApi::profile(const Identity &who) {
    return transact(false, [&](StoreSession &session, HttpResponse &response) {
        const KnownUser user = storedUser(session, who.userId);
        QJsonObject json{{QStringLiteral("id"), user.userId},
                         {QStringLiteral("email"), user.email},
                         {QStringLiteral("display_name"), user.displayName},
                         {QStringLiteral("avatar_url"), QString()},
                         {QStringLiteral("language"), QString()},
                         {QStringLiteral("timezone"), QString()},
                         {QStringLiteral("status"), QStringLiteral("active")},
                         {QStringLiteral("created_at"), user.createdAt}};
        if (!user.groupId.isEmpty()) {
            const FamilyGroup group = groupOf(session, user.groupId);
            json.insert(QStringLiteral("group"),
                        QJsonObject{{QStringLiteral("id"), group.groupId},
                                    {QStringLiteral("name"), group.name},
                                    {QStringLiteral("role"), user.role},
                                    {QStringLiteral("member_count"),
                                     int(session.membersOf(user.groupId).size())}});
        }
        response = HttpResponse::json(200, json);
        return session.lastError().isEmpty();
    });
}

HttpResponse AccountApi::deleteProfile(const Identity &who) {
    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        // Taking a place in the sequence waits for the pushes in flight, so none of the user's
        // devices stores a row after the records are gone.
        session.nextSequence();
        const KnownUser user = storedUser(session, who.userId);
        if (!user.groupId.isEmpty() && !depart(session, user))
            return false;
        if (!ShareRevocation::revokeAllOf(session, who.userId)
            || !session.removeUser(who.userId, nowText()) || !session.endSessionsOf(who.userId))
            return false;
        response = HttpResponse::json(200, {});
        return true;
    });
}

HttpResponse AccountApi::group(const Identity &who) {
    return transact(false, [&](StoreSession &session, HttpResponse &response) {
        const KnownUser caller = storedUser(session, who.userId);
        const GroupPolicy::Verdict verdict = GroupPolicy::mayActInGroup(who, caller);
        if (verdict == GroupPolicy::Verdict::NotInGroup) {
            // No group is an answer, not a failure: the program then offers to join one.
            response = HttpResponse::json(200, {});
            return true;
        }
        if (verdict != GroupPolicy::Verdict::Allowed) {
            response = refusal(verdict);
            return true;
        }
        const FamilyGroup group = groupOf(session, caller.groupId);
        QJsonArray members;
        for (const KnownUser &member : session.membersOf(caller.groupId))
            members.append(QJsonObject{{QStringLiteral("account_id"), member.userId},
                                       {QStringLiteral("display_name"), member.displayName},
                                       {QStringLiteral("email"), member.email},
                                       {QStringLiteral("role"), member.role},
                                       {QStringLiteral("joined_at"), member.joinedAt}});
        // Codes are the owner's to hand out.
        QJsonArray invitations;
        if (caller.role == kOwner) {
            for (const Invitation &invitation : openInvitations(session, caller.groupId))
                invitations.append(invitationJson(invitation));
        }
        response = HttpResponse::json(200, {{QStringLiteral("id"), group.groupId},
                                            {QStringLiteral("name"), group.name},
                                            {QStringLiteral("max_seats"), group.maxSeats},
                                            {QStringLiteral("members"), members},
                                            {QStringLiteral("pending_invitations"), invitations}});
        return session.lastError().isEmpty();
    });
}

HttpResponse AccountApi::invite(const Identity &who, const HttpRequest &request) {
    QJsonObject body;
    QString error;
    QString email;
    if (!parseBody(request, &body, &error)
        || !textMember(body, "email", kMaxEmailLength, &email, &error))
        return badRequest(error);
    if (!email.isEmpty() && !plausibleEmail(email))
        return badRequest(QStringLiteral("\"email\" is not an email address"));

    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        KnownUser caller = storedUser(session, who.userId);
        const GroupPolicy::Verdict verdict = GroupPolicy::mayInvite(
            who, caller, int(session.membersOf(caller.groupId).size()),
            caller.groupId.isEmpty() ? 0 : int(openInvitations(session, caller.groupId).size()));
        if (verdict != GroupPolicy::Verdict::Allowed) {
            response = refusal(verdict);
            return true;
        }
        // Expired invitations go when new ones are made, so they cannot pile up.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        for (const Invitation &old : session.invitationsOf(caller.groupId)) {
            if (GroupPolicy::expired(old, now) && !session.removeInvitation(old.invitationId))
                return false;
        }
        if (caller.groupId.isEmpty()) {
            // The first invitation founds the group, with the inviter as its owner.
            const FamilyGroup founded{newId(), QStringLiteral("Family"), GroupPolicy::MaxSeats,
                                      now.toString(Qt::ISODate)};
            caller.groupId = founded.groupId;
            caller.role = kOwner;
            caller.joinedAt = founded.createdAt;
            if (!session.putGroup(founded) || !session.putUser(caller))
                return false;
        }
        Invitation invitation{
            newId(),
            caller.groupId,
            newCode(),
            email,
            caller.userId,
            now.toString(Qt::ISODate),
            now.addSecs(GroupPolicy::InvitationLifetimeSeconds).toString(Qt::ISODate)};
        while (session.invitationByCode(invitation.code))
            invitation.code = newCode();
        if (!session.putInvitation(invitation))
            return false;
        response = HttpResponse::json(200, invitationJson(invitation));
        return true;
    });
}

HttpResponse AccountApi::join(const Identity &who, const QString &code) {
    // Codes are handed on by people; case and stray spaces are not theirs to get right.
    const QString normalized = code.trimmed().toUpper();
    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        // Counted in this transaction, so a refused join still counts once it is answered.
        if (!m_joinLimiter.allow(session,
                                 {{QStringLiteral("join-account:") + who.userId, JoinAttempts}},
                                 QDateTime::currentSecsSinceEpoch())) {
            if (!session.lastError().isEmpty())
                return false;
            response = HttpResponse::error(429, QStringLiteral("too many attempts"));
            response.headers.append({"Retry-After", QByteArray::number(JoinWindowSeconds)});
            return true;
        }
        KnownUser joiner = storedUser(session, who.userId);
        std::optional<Invitation> invitation;
        if (!normalized.isEmpty() && normalized.size() <= kMaxIdLength)
            invitation = session.invitationByCode(normalized);
        const int members = invitation ? int(session.membersOf(invitation->groupId).size()) : 0;
        const GroupPolicy::Verdict verdict = GroupPolicy::mayJoin(who, joiner, invitation, members,
                                                                  QDateTime::currentDateTimeUtc());
        if (verdict != GroupPolicy::Verdict::Allowed) {
            response = refusal(verdict);
            return true;
        }
        joiner.groupId = invitation->groupId;
        joiner.role = kMember;
        joiner.joinedAt = nowText();
        if (!session.removeInvitation(invitation->invitationId) || !session.putUser(joiner))
            return false;
        response = HttpResponse::json(200, {{QStringLiteral("group_id"), joiner.groupId},
                                            {QStringLiteral("role"), joiner.role}});
        return true;
    });
}

bool AccountApi::depart(StoreSession &session, KnownUser user) {
    if (!ShareRevocation::revokeAllOf(session, user.userId))
        return false;
    if (user.role == kOwner) {
        if (std::optional<KnownUser> next
            = GroupPolicy::successor(session.membersOf(user.groupId), user.userId)) {
            next->role = kOwner;
            if (!session.putUser(*next))
                return false;
        } else if (!session.removeGroup(user.groupId)) {
            return false;
        }
    }
    user.groupId.clear();
    user.role.clear();
    user.joinedAt.clear();
    return session.putUser(user);
}

HttpResponse AccountApi::leave(const Identity &who) {
    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        const KnownUser caller = storedUser(session, who.userId);
        const GroupPolicy::Verdict verdict = GroupPolicy::mayActInGroup(who, caller);
        if (verdict != GroupPolicy::Verdict::Allowed) {
            response = refusal(verdict);
            return true;
        }
        if (!depart(session, caller))
            return false;
        response = HttpResponse::json(200, {});
        return true;
    });
}

HttpResponse AccountApi::removeMember(const Identity &who, const QString &userId) {
    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        const KnownUser caller = storedUser(session, who.userId);
        const std::optional<KnownUser> target
            = userId.size() <= kMaxIdLength ? session.user(userId) : std::nullopt;
        const GroupPolicy::Verdict verdict = GroupPolicy::mayRemove(who, caller, target);
        if (verdict != GroupPolicy::Verdict::Allowed) {
            response = refusal(verdict);
            return true;
        }
        if (!depart(session, *target))
            return false;
        response = HttpResponse::json(200, {});
        return true;
    });
}

HttpResponse AccountApi::revokeInvitation(const Identity &who, const QString &invitationId) {
    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        const KnownUser caller = storedUser(session, who.userId);
        const std::optional<Invitation> invitation
            = invitationId.size() <= kMaxIdLength ? session.invitation(invitationId) : std::nullopt;
        const GroupPolicy::Verdict verdict = GroupPolicy::mayRevoke(who, caller, invitation);
        if (verdict != GroupPolicy::Verdict::Allowed) {
            response = refusal(verdict);
            return true;
        }
        if (!session.removeInvitation(invitation->invitationId))
            return false;
        response = HttpResponse::json(200, {});
        return true;
    });
}

HttpResponse AccountApi::devices(const Identity &who) {
    return transact(false, [&](StoreSession &session, HttpResponse &response) {
        QJsonArray list;
        for (const RegisteredDevice &device : session.devicesOf(who.userId))
            list.append(deviceJson(device));
        response = HttpResponse::json(200, {{QStringLiteral("devices"), list}});
        return session.lastError().isEmpty();
    });
}

HttpResponse AccountApi::removeDevice(const Identity &who, const QString &deviceId) {
    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        bool found = false;
        for (const RegisteredDevice &device : session.devicesOf(who.userId))
            found = found || device.deviceId == deviceId;
        // Someone else's device is answered as missing.
        if (!found) {
            response = HttpResponse::error(404, QStringLiteral("no such device"));
            return session.lastError().isEmpty();
        }
        if (!session.removeDevice(who.userId, deviceId))
            return false;
        response = HttpResponse::json(200, {});
        return true;
    });
}

HttpResponse AccountApi::registerDevice(const Identity &who, const HttpRequest &request) {
    QJsonObject body;
    QString error;
    RegisteredDevice device;
    if (!parseBody(request, &body, &error)
        || !textMember(body, "device_fingerprint", kMaxIdLength, &device.fingerprint, &error)
        || !textMember(body, "device_name", 200, &device.name, &error)
        || !textMember(body, "platform", 64, &device.platform, &error)
        || !textMember(body, "app_id", 200, &device.appId, &error)
        || !textMember(body, "app_version", 64, &device.appVersion, &error))
        return badRequest(error);
    if (device.fingerprint.isEmpty())
        return badRequest(QStringLiteral("\"device_fingerprint\" is required"));

    return transact(true, [&](StoreSession &session, HttpResponse &response) {
        const QList<RegisteredDevice> known = session.devicesOf(who.userId);
        const QString now = nowText();
        device.userId = who.userId;
        device.lastSyncAt = now;
        device.createdAt = now;
        device.deviceId = newId();
        bool fresh = true;
        // Signing in again on the same machine renews its entry instead of adding one.
        for (const RegisteredDevice &existing : known) {
            if (existing.fingerprint == device.fingerprint) {
                device.deviceId = existing.deviceId;
                device.createdAt = existing.createdAt;
                fresh = false;
            }
        }
        if (fresh && known.size() >= MaxDevices) {
            response = HttpResponse::error(
                409, QStringLiteral("at most %1 devices; remove one first").arg(MaxDevices));
            return true;
        }
        if (!session.putDevice(device))
            return false;
        response = HttpResponse::json(200, deviceJson(device));
        return true;
    });
}
