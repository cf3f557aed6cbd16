// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/grouppolicy.h"

#include <QTest>

using Verdict = GroupPolicy::Verdict;
Q_DECLARE_METATYPE(GroupPolicy::Verdict)
Q_DECLARE_METATYPE(KnownUser)
Q_DECLARE_METATYPE(Identity)

namespace {

const QDateTime kNow(QDate(2026, 6, 1), QTime(12, 0), Qt::UTC);

KnownUser user(const QString &id, const QString &group = QString(), const QString &role = QString(),
               const QString &email = QString()) {
    KnownUser u = KnownUser::withId(id);
    u.groupId = group;
    u.role = role;
    u.email = email;
    return u;
}

// The token says what the store says, unless a test wants it otherwise.
Identity claims(const KnownUser &u) {
    return Identity{u.userId, u.groupId, u.role, {}};
}

Invitation invitation(const QString &group, qint64 expiresInSeconds,
                      const QString &email = QString()) {
    return Invitation{"inv",
                      group,
                      "CODE",
                      email,
                      "owner",
                      kNow.toString(Qt::ISODate),
                      kNow.addSecs(expiresInSeconds).toString(Qt::ISODate)};
}

} // namespace

// The rules of the family group on plain values; the server test covers the wiring.
class tst_GroupPolicy : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void join_data();
    void join();
    void ownerActions_data();
    void ownerActions();
    void successor_data();
    void successor();
};

void tst_GroupPolicy::join_data() {
    QTest::addColumn<KnownUser>("joiner");
    QTest::addColumn<QString>("claimedGroup");
    QTest::addColumn<bool>("hasInvitation");
    QTest::addColumn<qint64>("expiresIn");
    QTest::addColumn<QString>("invitedEmail");
    QTest::addColumn<int>("members");
    QTest::addColumn<Verdict>("verdict");

    const KnownUser free = user("u", {}, {}, "Ann@Example.org");
    QTest::newRow("open code") << free << "" << true << qint64(60) << "" << 2 << Verdict::Allowed;
    QTest::newRow("email in other case")
        << free << "" << true << qint64(60) << " ann@example.ORG" << 2 << Verdict::Allowed;
    QTest::newRow("someone else's email")
        << free << "" << true << qint64(60) << "bob@example.org" << 2 << Verdict::NotForYou;
    QTest::newRow("unknown code") << free << "" << false << qint64(60) << "" << 0
                                  << Verdict::UnusableCode;
    QTest::newRow("expired this second")
        << free << "" << true << qint64(0) << "" << 2 << Verdict::UnusableCode;
    QTest::newRow("group full") << free << "" << true << qint64(60) << "" << GroupPolicy::MaxSeats
                                << Verdict::GroupFull;
    QTest::newRow("already in a group") << user("u", "g2", "member") << "g2" << true << qint64(60)
                                        << "" << 2 << Verdict::AlreadyInGroup;
    QTest::newRow("token still claims an old group")
        << free << "g-old" << true << qint64(60) << "" << 2 << Verdict::StaleToken;
}

void tst_GroupPolicy::join() {
    QFETCH(KnownUser, joiner);
    QFETCH(QString, claimedGroup);
    QFETCH(bool, hasInvitation);
    QFETCH(qint64, expiresIn);
    QFETCH(QString, invitedEmail);
    QFETCH(int, members);
    QFETCH(Verdict, verdict);
    Identity who = claims(joiner);
    who.groupId = claimedGroup;
    if (!claimedGroup.isEmpty() && joiner.groupId.isEmpty())
        who.role = "member";
    const std::optional<Invitation> code
        = hasInvitation ? std::optional<Invitation>(invitation("g1", expiresIn, invitedEmail))
                        : std::nullopt;
    QCOMPARE(GroupPolicy::mayJoin(who, joiner, code, members, kNow), verdict);
}

// Inviting, removing and revoking, by the owner, a member, a removed member and an outsider.
void tst_GroupPolicy::ownerActions_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<KnownUser>("caller");
    QTest::addColumn<Identity>("token");
    QTest::addColumn<Verdict>("verdict");

    const KnownUser owner = user("o", "g", "owner");
    const KnownUser member = user("m", "g", "member");
    const KnownUser removed = user("r"); // the store took them out; their token says otherwise
    const KnownUser outsider = user("x", "g2", "owner");
    const Identity removedToken{"r", "g", "member", {}};
    const Identity demotedToken{"m", "g", "owner", {}};

    QTest::newRow("owner invites") << "invite" << owner << claims(owner) << Verdict::Allowed;
    QTest::newRow("groupless user founds a group")
        << "invite" << removed << claims(removed) << Verdict::Allowed;
    QTest::newRow("member invites") << "invite" << member << claims(member) << Verdict::NotOwner;
    QTest::newRow("removed member invites")
        << "invite" << removed << removedToken << Verdict::StaleToken;
    QTest::newRow("token with a role taken back")
        << "invite" << member << demotedToken << Verdict::StaleToken;
    QTest::newRow("invite, seats taken")
        << "inviteFull" << owner << claims(owner) << Verdict::GroupFull;

    QTest::newRow("owner removes member")
        << "remove m" << owner << claims(owner) << Verdict::Allowed;
    QTest::newRow("owner removes self")
        << "remove o" << owner << claims(owner) << Verdict::CannotRemoveSelf;
    QTest::newRow("owner removes another group's user")
        << "remove x" << owner << claims(owner) << Verdict::NotAMember;
    QTest::newRow("owner removes nobody")
        << "remove nobody" << owner << claims(owner) << Verdict::NotAMember;
    QTest::newRow("member removes member")
        << "remove m" << member << claims(member) << Verdict::NotOwner;
    QTest::newRow("removed member removes")
        << "remove m" << removed << removedToken << Verdict::StaleToken;
    QTest::newRow("groupless user removes")
        << "remove m" << removed << claims(removed) << Verdict::NotInGroup;

    QTest::newRow("owner revokes own") << "revoke g" << owner << claims(owner) << Verdict::Allowed;
    QTest::newRow("owner revokes another group's")
        << "revoke g2" << owner << claims(owner) << Verdict::NoSuchInvitation;
    QTest::newRow("outsider revokes")
        << "revoke g" << outsider << claims(outsider) << Verdict::NoSuchInvitation;
    QTest::newRow("member revokes") << "revoke g" << member << claims(member) << Verdict::NotOwner;
    QTest::newRow("removed member revokes")
        << "revoke g" << removed << removedToken << Verdict::StaleToken;

    QTest::newRow("share within the group")
        << "share m" << owner << claims(owner) << Verdict::Allowed;
    QTest::newRow("share outside the group")
        << "share x" << owner << claims(owner) << Verdict::NotAMember;
    QTest::newRow("share by a removed member")
        << "share m" << removed << removedToken << Verdict::StaleToken;
}

void tst_GroupPolicy::ownerActions() {
    QFETCH(QString, action);
    QFETCH(KnownUser, caller);
    QFETCH(Identity, token);
    QFETCH(Verdict, verdict);
    const QHash<QString, KnownUser> users{{"o", user("o", "g", "owner")},
                                          {"m", user("m", "g", "member")},
                                          {"x", user("x", "g2", "owner")}};
    const QString argument = action.section(' ', 1);
    Verdict actual = Verdict::Allowed;
    if (action == "invite")
        actual = GroupPolicy::mayInvite(token, caller, 2, 1);
    else if (action == "inviteFull")
        actual = GroupPolicy::mayInvite(token, caller, GroupPolicy::MaxSeats - 1, 1);
    else if (action.startsWith("remove"))
        actual = GroupPolicy::mayRemove(token, caller,
                                        users.contains(argument)
                                            ? std::optional<KnownUser>(users.value(argument))
                                            : std::nullopt);
    else if (action.startsWith("revoke"))
        actual = GroupPolicy::mayRevoke(token, caller, invitation(argument, 60));
    else if (action.startsWith("share"))
        actual = GroupPolicy::mayShare(token, caller, users.value(argument));
    QCOMPARE(actual, verdict);
    // Every refusal is a client error the program can show or act on.
    const int status = GroupPolicy::status(actual);
    QVERIFY(actual == Verdict::Allowed ? status == 200 : status >= 400 && status < 500);
}

void tst_GroupPolicy::successor_data() {
    QTest::addColumn<QStringList>("members"); // id:joinedAt
    QTest::addColumn<QString>("next");
    QTest::newRow("alone") << QStringList{"o:2026-01-01T00:00:00Z"} << "";
    QTest::newRow("first to join")
        << QStringList{"o:2026-01-01T00:00:00Z", "b:2026-03-01T00:00:00Z", "a:2026-02-01T00:00:00Z"}
        << "a";
    QTest::newRow("same second, by id")
        << QStringList{"o:2026-01-01T00:00:00Z", "d:2026-02-01T00:00:00Z", "c:2026-02-01T00:00:00Z"}
        << "c";
}

void tst_GroupPolicy::successor() {
    QFETCH(QStringList, members);
    QFETCH(QString, next);
    QList<KnownUser> users;
    for (const QString &entry : members) {
        KnownUser u
            = user(entry.section(':', 0, 0), "g", entry.startsWith("o:") ? "owner" : "member");
        u.joinedAt = entry.section(':', 1);
        users.append(u);
    }
    const std::optional<KnownUser> found = GroupPolicy::successor(users, "o");
    QCOMPARE(found ? found->userId : QString(), next);
}

QTEST_MAIN(tst_GroupPolicy)
#include "tst_grouppolicy.moc"
