// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/jwtsigner.h"

#include <QTest>

// The checks a token must pass; the test of the running server covers the accepted path.
class tst_JwtSigner : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void verify_data();
    void verify();
};

void tst_JwtSigner::verify_data() {
    QTest::addColumn<QByteArray>("token");
    QTest::addColumn<bool>("valid");

    const JwtSigner signer("key-one");
    const Identity alice{"alice", "g", "member", "session-1"};
    const qint64 now = 1'800'000'000;
    const QByteArray good = signer.issue(alice, JwtSigner::Use::Access, now, 60).toLatin1();
    const QList<QByteArray> parts = good.split('.');
    QByteArray noneAlg
        = QByteArray(R"({"alg":"none","typ":"JWT"})")
              .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)
          + '.' + parts.at(1) + '.';

    QTest::newRow("issued") << good << true;
    QTest::newRow("expired") << signer.issue(alice, JwtSigner::Use::Access, now - 61, 60).toLatin1()
                             << false;
    QTest::newRow("refresh token")
        << signer.issue(alice, JwtSigner::Use::Refresh, now, 60).toLatin1() << false;
    QTest::newRow("other key")
        << JwtSigner("key-two").issue(alice, JwtSigner::Use::Access, now, 60).toLatin1() << false;
    QTest::newRow("alg none") << noneAlg << false;
    QTest::newRow("truncated signature") << good.left(good.size() - 2) << false;
    QTest::newRow("two parts") << parts.at(0) + '.' + parts.at(1) << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("no subject")
        << signer.issue(Identity{}, JwtSigner::Use::Access, now, 60).toLatin1() << false;
}

void tst_JwtSigner::verify() {
    QFETCH(QByteArray, token);
    QFETCH(bool, valid);
    const std::optional<Identity> who
        = JwtSigner("key-one").verify(token, JwtSigner::Use::Access, 1'800'000'000);
    QCOMPARE(bool(who), valid);
    if (who) {
        QCOMPARE(who->userId, QString("alice"));
        QCOMPARE(who->groupId, QString("g"));
        QCOMPARE(who->role, QString("member"));
        QCOMPARE(who->sessionId, QString("session-1"));
    }
}

QTEST_MAIN(tst_JwtSigner)
#include "tst_jwtsigner.moc"
