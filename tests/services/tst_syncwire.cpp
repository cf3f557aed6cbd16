// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/syncwire.h"

#include <QJsonDocument>
#include <QTest>

namespace {

QJsonObject json(const char *text) {
    return QJsonDocument::fromJson(text).object();
}

} // namespace

class tst_SyncWire : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void pushedAccount();
    void pushedTransactionAndRule();
    void budgetRoundTrip();
    void pulledFlags_data();
    void pulledFlags();
    void pulledEnumerationsFallBack();
    void pulledRecurring();
    void pulledValues_data();
    void pulledValues();
};

void tst_SyncWire::pushedAccount() {
    Account a;
    a.id = "acc-1";
    a.name = "Checking";
    a.type = AccountType::CreditCard;
    a.startingBalance = 9007199254740991; // 2^53 - 1: the largest exact JSON integer
    a.isShared = true;
    a.version = 3;
    a.createdAt = a.updatedAt = QDateTime(QDate(2026, 1, 2), QTime(10, 0), Qt::UTC);

    QJsonObject change = SyncWire::change(a);
    QCOMPARE(change.value("entity_type").toString(), QStringLiteral("account"));
    QCOMPARE(change.value("entity_id").toString(), QStringLiteral("acc-1"));
    QCOMPARE(change.value("action").toString(), QStringLiteral("upsert"));
    QCOMPARE(change.value("version").toInt(), 3);
    QJsonObject payload = change.value("payload").toObject();
    QVERIFY(!payload.contains("server_id"));
    QVERIFY(!payload.contains("deleted_at"));
    QCOMPARE(payload.value("client_id").toString(), QStringLiteral("acc-1"));
    QCOMPARE(payload.value("account_type").toString(), QStringLiteral("credit_card"));
    QCOMPARE(payload.value("is_shared"), QJsonValue(1));
    QCOMPARE(payload.value("starting_balance").toInteger(), 9007199254740991);
    QCOMPARE(payload.value("created_at").toString(), QStringLiteral("2026-01-02T10:00:00Z"));

    a.serverId = "srv-1";
    a.deletedAt = QDateTime(QDate(2026, 1, 3), QTime(8, 30), Qt::UTC);
    change = SyncWire::change(a);
    payload = change.value("payload").toObject();
    QCOMPARE(change.value("action").toString(), QStringLiteral("delete"));
    QCOMPARE(payload.value("server_id").toString(), QStringLiteral("srv-1"));
    QCOMPARE(payload.value("deleted_at").toString(), QStringLiteral("2026-01-03T08:30:00Z"));
}

void tst_SyncWire::pushedTransactionAndRule() {
    Transaction t;
    t.id = "tx-1";
    t.date = QDate(2026, 2, 28);
    t.amount = -4599;
    t.cleared = true;
    const QJsonObject payload = SyncWire::payload(t);
    QCOMPARE(payload.value("cleared"), QJsonValue(1));
    QCOMPARE(payload.value("reconciled"), QJsonValue(0));
    QCOMPARE(payload.value("date").toString(), QStringLiteral("2026-02-28"));
    QCOMPARE(payload.value("amount").toInteger(), -4599);

    RecurringTransaction r;
    r.id = "rule-1";
    r.version = 4;
    r.frequency = Frequency::SemiAnnual;
    QJsonObject rule = SyncWire::payload(r);
    QVERIFY(!rule.contains("version")); // travels in the change object only
    QVERIFY(!rule.contains("end_date"));
    QCOMPARE(rule.value("frequency").toString(), QStringLiteral("semi_annual"));
    QCOMPARE(SyncWire::change(r).value("version").toInt(), 4);
    r.endDate = QDate(2027, 1, 1);
    QCOMPARE(SyncWire::payload(r).value("end_date").toString(), QStringLiteral("2027-01-01"));
}

void tst_SyncWire::budgetRoundTrip() {
    Budget b;
    b.id = "b-1";
    b.serverId = "srv-b1";
    b.categoryId = "cat-1";
    b.month = "2026-02";
    b.amount = 12550;
    b.rollover = true;
    b.version = 2;
    b.createdAt = b.updatedAt = QDateTime(QDate(2026, 1, 2), QTime(10, 0), Qt::UTC);
    const QJsonObject change = SyncWire::change(b);
    QCOMPARE(change.value("entity_type").toString(), QStringLiteral("budget"));
    QJsonObject payload = change.value("payload").toObject();
    QCOMPARE(payload.value("month").toString(), QStringLiteral("2026-02"));
    QCOMPARE(payload.value("rollover"), QJsonValue(1));
    QCOMPARE(payload.value("amount").toInteger(), 12550);

    // What the server hands back: its id as "id", the pushing device's as "client_id".
    payload.insert("id", payload.take("server_id"));
    const Budget pulled = SyncWire::budgetFromPull(payload);
    QVERIFY(SyncWire::sameChange(pulled, b));
    QCOMPARE(pulled.syncStatus, SyncStatus::Synced);
}

void tst_SyncWire::pulledFlags_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<bool>("cleared");
    QTest::addRow("true") << R"({"cleared": true})" << true;
    QTest::addRow("one") << R"({"cleared": 1})" << true;
    QTest::addRow("two") << R"({"cleared": 2})" << true;
    QTest::addRow("false") << R"({"cleared": false})" << false;
    QTest::addRow("zero") << R"({"cleared": 0})" << false;
    QTest::addRow("text") << R"({"cleared": "1"})" << false;
    QTest::addRow("absent") << R"({})" << false;
}

void tst_SyncWire::pulledFlags() {
    QFETCH(QString, record);
    QFETCH(bool, cleared);
    QCOMPARE(SyncWire::transactionFromPull(json(record.toUtf8())).cleared, cleared);
}

void tst_SyncWire::pulledEnumerationsFallBack() {
    const Account odd = SyncWire::accountFromPull(
        json(R"({"id": "srv", "client_id": "acc", "currency": "CHF", "account_type": "loan"})"));
    QCOMPARE(odd.currency, Currency::USD);
    QCOMPARE(odd.type, AccountType::Other);
    QCOMPARE(odd.id, QStringLiteral("acc"));
    QCOMPARE(odd.serverId, QStringLiteral("srv"));
    QCOMPARE(odd.syncStatus, SyncStatus::Synced);
    QCOMPARE(odd.version, 0);
    QVERIFY(!odd.deletedAt);

    const Account known = SyncWire::accountFromPull(
        json(R"({"currency": "JPY", "account_type": "investment", "version": 7})"));
    QCOMPARE(known.currency, Currency::JPY);
    QCOMPARE(known.type, AccountType::Investment);
    QCOMPARE(known.version, 7);

    QCOMPARE(SyncWire::categoryFromPull(json(R"({"category_type": "bills"})")).type,
             CategoryType::Expense);
}

void tst_SyncWire::pulledRecurring() {
    const RecurringTransaction bare = SyncWire::recurringFromPull(json(R"({"payee": "Gym"})"));
    QVERIFY(!bare.isActive);
    QCOMPARE(bare.frequency, Frequency::Monthly);
    QVERIFY(!bare.endDate);

    const RecurringTransaction odd
        = SyncWire::recurringFromPull(json(R"({"end_date": "soon", "is_active": 1})"));
    QVERIFY(odd.isActive);
    QVERIFY(odd.endDate); // marked as ending even though the text does not parse
    QVERIFY(!odd.endDate->isValid());
}

void tst_SyncWire::pulledValues_data() {
    QTest::addColumn<QString>("record");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("deleted");
    QTest::addRow("plain") << R"({"date": "2026-03-01", "amount": -1250})" << QDate(2026, 3, 1)
                           << qint64(-1250) << false;
    QTest::addRow("date-time") << R"({"date": "2026-03-01T23:59:59Z", "amount": 5})"
                               << QDate(2026, 3, 1) << qint64(5) << false;
    QTest::addRow("broken date") << R"({"date": "03/01/2026"})" << QDate() << qint64(0) << false;
    QTest::addRow("beyond 32 bits") << R"({"date": "2026-03-01", "amount": 500000000000})"
                                    << QDate(2026, 3, 1) << qint64(500000000000) << false;
    QTest::addRow("amount as text")
        << R"({"date": "2026-03-01", "amount": "12"})" << QDate(2026, 3, 1) << qint64(0) << false;
    QTest::addRow("deleted") << R"({"date": "2026-03-01", "deleted_at": "2026-03-02T00:00:00Z"})"
                             << QDate(2026, 3, 1) << qint64(0) << true;
    QTest::addRow("empty deletion")
        << R"({"date": "2026-03-01", "deleted_at": ""})" << QDate(2026, 3, 1) << qint64(0) << false;
}

void tst_SyncWire::pulledValues() {
    QFETCH(QString, record);
    QFETCH(QDate, date);
    QFETCH(qint64, amount);
    QFETCH(bool, deleted);
    const Transaction t = SyncWire::transactionFromPull(json(record.toUtf8()));
    QCOMPARE(t.date, date);
    QCOMPARE(t.amount, amount);
    QCOMPARE(bool(t.deletedAt), deleted);
}

QTEST_GUILESS_MAIN(tst_SyncWire)
#include "tst_syncwire.moc"
