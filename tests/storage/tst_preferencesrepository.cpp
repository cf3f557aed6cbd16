// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/preferencesrepository.h"
#include "tests/support/testdatabase.h"

#include <QSignalSpy>
#include <QTest>

class tst_PreferencesRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void boolValue_data();
    void boolValue();
    void valuesAndSignals();
};

void tst_PreferencesRepository::boolValue_data() {
    QTest::addColumn<QVariant>("stored"); // invalid: no row
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");
    QTest::addRow("absent keeps default true") << QVariant() << true << true;
    QTest::addRow("absent keeps default false") << QVariant() << false << false;
    QTest::addRow("one") << QVariant("1") << false << true;
    QTest::addRow("true") << QVariant("true") << false << true;
    QTest::addRow("TRUE is false") << QVariant("TRUE") << true << false;
    QTest::addRow("yes is false") << QVariant("yes") << true << false;
    QTest::addRow("empty is false") << QVariant("") << true << false;
}

void tst_PreferencesRepository::boolValue() {
    QFETCH(QVariant, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    TestDatabase db;
    PreferencesRepository prefs(db.database());
    if (stored.isValid())
        QVERIFY(prefs.setValue("flag", stored.toString()));
    QCOMPARE(prefs.boolValue("flag", defaultValue), expected);
}

void tst_PreferencesRepository::valuesAndSignals() {
    TestDatabase db;
    PreferencesRepository prefs(db.database());
    QSignalSpy changed(&prefs, &PreferencesRepository::changed);

    QVERIFY(!prefs.value("theme"));
    QCOMPARE(prefs.value("theme", "system"), QStringLiteral("system"));
    QVERIFY(prefs.setValue("theme", ""));
    QCOMPARE(prefs.value("theme"), std::optional<QString>(QString()));
    QCOMPARE(prefs.value("theme", "system"), QString());

    QVERIFY(prefs.setValue("theme", "dark"));
    QVERIFY(prefs.setValue("theme", "dark"));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.last().first().toString(), QStringLiteral("theme"));
    QCOMPARE(db.scalar("SELECT count(*) FROM preferences").toInt(), 1);

    QVERIFY(prefs.setInt("weekStartDay", 7));
    QVERIFY(prefs.setBool("registerTwoLine", true));
    QCOMPARE(prefs.value("weekStartDay", ""), QStringLiteral("7"));
    QCOMPARE(prefs.value("registerTwoLine", ""), QStringLiteral("1"));

    QVERIFY(prefs.remove("theme"));
    QVERIFY(prefs.remove("never-set"));
    QCOMPARE(changed.count(), 5);
    QVERIFY(!prefs.value("theme"));
}

QTEST_GUILESS_MAIN(tst_PreferencesRepository)
#include "tst_preferencesrepository.moc"
