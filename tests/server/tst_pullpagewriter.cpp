// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/pullpagewriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

const QStringList kTypes{"account", "transaction"};
const QStringList kArrays{"accounts", "transactions"};

StoredRecord record(const QString &type, const QByteArray &payload, bool deleted = false) {
    StoredRecord r;
    r.serverId = "01a26631-96c0-7000-9974-82845dec49f3";
    r.ownerId = "alice";
    r.entityType = type;
    r.clientId = "tx-1";
    r.accountId = "acc-1";
    r.version = 3;
    r.deleted = deleted;
    r.payload = payload;
    return r;
}

} // namespace

// A pulled record written as text must read exactly as the object the server would build.
class tst_PullPageWriter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordReadsAsItsObject_data();
    void recordReadsAsItsObject();
    void pageIsOneJsonObject();
};

void tst_PullPageWriter::recordReadsAsItsObject_data() {
    QTest::addColumn<StoredRecord>("stored");

    QTest::newRow("transaction") << record(
        "transaction", R"({"account_id":"acc-1","amount":-1250,"payee":"Bakery"})");
    QTest::newRow("no members") << record("transaction", "{}");
    QTest::newRow("text with spaces, as PostgreSQL returns it")
        << record("transaction", R"( { "amount": 5, "payee": "A" } )");
    QTest::newRow("quotes, backslashes, control characters, accents") << record(
        "transaction", R"({"memo":"say \"hi\"\\n\u0001\ttab","payee":"Café \u00e9 \ud83d\ude00"})");
    StoredRecord oddClient = record("transaction", R"({"amount":1})");
    oddClient.clientId = QString::fromUtf8("quo\"te\\slash\x01 \xc3\xa9");
    QTest::newRow("client id with characters to escape") << oddClient;
    QTest::newRow("payload naming a member the server sets")
        << record("transaction", R"({"amount":1,"id":"forged","version":99})");
    QTest::newRow("value that reads like such a member")
        << record("transaction", R"({"memo":"\"id\" card","amount":1})");
    QTest::newRow("tombstone") << record("transaction", R"({"amount":1})", true);
    StoredRecord revoked = record("transaction", R"({"amount":1})");
    revoked.revoked = true;
    QTest::newRow("revoked") << revoked;
    QTest::newRow("own account") << record("account", R"({"name":"Checking","is_shared":true})");
    StoredRecord foreign = record("account", R"({"name":"Joint"})");
    foreign.ownerId = "bob";
    QTest::newRow("account shared by its owner") << foreign;
}

void tst_PullPageWriter::recordReadsAsItsObject() {
    QFETCH(StoredRecord, stored);
    const PullPageWriter writer(kTypes, kArrays, {}, "alice");
    QJsonParseError error;
    const QJsonDocument written = QJsonDocument::fromJson(writer.recordText(stored), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QVERIFY(written.isObject());
    QJsonObject expected = PullPageWriter::recordObject(stored, stored.ownerId != "alice");
    QJsonObject actual = written.object();
    // A tombstone's time is the moment it is written.
    if (stored.deleted || stored.revoked) {
        QVERIFY(!actual.value("deleted_at").toString().isEmpty());
        actual.remove("deleted_at");
        expected.remove("deleted_at");
    }
    QCOMPARE(actual, expected);
    QCOMPARE(actual.value("id").toString(), stored.serverId);
    QCOMPARE(actual.value("client_id").toString(), stored.clientId);
    QCOMPARE(actual.value("version").toInt(), 3);
}

void tst_PullPageWriter::pageIsOneJsonObject() {
    PullPageWriter writer(kTypes, kArrays, {}, "alice");
    QVERIFY(writer.add(record("transaction", R"({"amount":1})")));
    QVERIFY(writer.add(record("account", R"({"name":"Checking"})")));
    QVERIFY(writer.add(record("transaction", "{}")));
    QVERIFY(!writer.add(record("unknown", "{}")));
    QJsonParseError error;
    const QJsonObject page
        = QJsonDocument::fromJson(writer.finish("2026-12-11T10:00:00.000001Z", true, 12), &error)
              .object();
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(page.value("transactions").toArray().size(), 2);
    QCOMPARE(page.value("accounts").toArray().size(), 1);
    QCOMPARE(page.value("server_time").toString(), QStringLiteral("2026-12-11T10:00:00.000001Z"));
    QCOMPARE(page.value("has_more").toBool(), true);
    QCOMPARE(page.value("integrity").toObject().value("category_count").toInt(), 12);

    const QJsonObject empty
        = QJsonDocument::fromJson(PullPageWriter(kTypes, kArrays, {}, "alice").finish("", false, 0))
              .object();
    QCOMPARE(empty.value("transactions").toArray().size(), 0);
    QCOMPARE(empty.value("has_more").toBool(true), false);
}

QTEST_GUILESS_MAIN(tst_PullPageWriter)
#include "tst_pullpagewriter.moc"
