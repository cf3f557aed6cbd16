// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/enums.h"
#include "storage/identifiers.h"
#include "storage/timestamps.h"

#include <QRegularExpression>
#include <QTest>

class tst_Records : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void enumTexts();
    void enumFallbacks_data();
    void enumFallbacks();
    void identifiers();
    void timestamps();
    void parsingAgreesWithQt_data();
    void parsingAgreesWithQt();
};

void tst_Records::enumTexts() {
    const QStringList accountTypes
        = {"checking", "savings", "credit_card", "cash", "investment", "other"};
    for (int i = 0; i < accountTypes.size(); ++i) {
        QCOMPARE(accountTypeToString(AccountType(i)), accountTypes.at(i));
        QCOMPARE(accountTypeFromString(accountTypes.at(i)), AccountType(i));
    }
    const QStringList currencies = {"USD", "EUR", "GBP", "CAD", "AUD", "JPY"};
    for (int i = 0; i < currencies.size(); ++i) {
        QCOMPARE(currencyToString(Currency(i)), currencies.at(i));
        QCOMPARE(currencyFromString(currencies.at(i)), Currency(i));
    }
    const QStringList categoryTypes = {"income", "expense", "transfer"};
    for (int i = 0; i < categoryTypes.size(); ++i) {
        QCOMPARE(categoryTypeToString(CategoryType(i)), categoryTypes.at(i));
        QCOMPARE(categoryTypeFromString(categoryTypes.at(i)), CategoryType(i));
    }
    const QStringList frequencies
        = {"daily", "weekly", "biweekly", "monthly", "quarterly", "semi_annual", "annual"};
    for (int i = 0; i < frequencies.size(); ++i) {
        QCOMPARE(frequencyToString(Frequency(i)), frequencies.at(i));
        QCOMPARE(frequencyFromString(frequencies.at(i)), Frequency(i));
    }
    const QStringList statuses = {"pending", "synced", "conflict"};
    for (int i = 0; i < statuses.size(); ++i) {
        QCOMPARE(syncStatusToString(SyncStatus(i)), statuses.at(i));
        QCOMPARE(syncStatusFromString(statuses.at(i)), SyncStatus(i));
    }
}

void tst_Records::enumFallbacks_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");

    QTest::addRow("upper-case account type") << "account"
                                             << "CREDIT_CARD" << int(AccountType::Other);
    QTest::addRow("capitalised account type") << "account"
                                              << "Checking" << int(AccountType::Other);
    QTest::addRow("empty account type") << "account"
                                        << "" << int(AccountType::Other);
    QTest::addRow("lower-case currency") << "currency"
                                         << "eur" << int(Currency::USD);
    QTest::addRow("unknown category type") << "category"
                                           << "asset" << int(CategoryType::Expense);
    QTest::addRow("fortnightly") << "frequency"
                                 << "fortnightly" << int(Frequency::Monthly);
    QTest::addRow("capital Synced") << "sync"
                                    << "Synced" << int(SyncStatus::Pending);
}

void tst_Records::enumFallbacks() {
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, expected);
    int actual = -1;
    if (kind == "account")
        actual = int(accountTypeFromString(text));
    else if (kind == "currency")
        actual = int(currencyFromString(text));
    else if (kind == "category")
        actual = int(categoryTypeFromString(text));
    else if (kind == "frequency")
        actual = int(frequencyFromString(text));
    else if (kind == "sync")
        actual = int(syncStatusFromString(text));
    QCOMPARE(actual, expected);

    // Out-of-range values write the fallback's text.
    QCOMPARE(accountTypeToString(AccountType(17)), QStringLiteral("other"));
    QCOMPARE(currencyToString(Currency(-1)), QStringLiteral("USD"));
    QCOMPARE(frequencyToString(Frequency(99)), QStringLiteral("monthly"));
}

void tst_Records::identifiers() {
    const QRegularExpression shape(
        QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"));
    const QString a = Identifiers::newId();
    QVERIFY2(shape.match(a).hasMatch(), qPrintable(a));
    QVERIFY(a != Identifiers::newId());

    // RFC 4122 appendix example: the version 5 id of "www.example.com" in the DNS namespace.
    QCOMPARE(Identifiers::nameBasedId(Identifiers::categoryNamespace(), "www.example.com"),
             QStringLiteral("2ed6657d-e927-568b-95e1-2665a8aea6a2"));

    const QString posting
        = Identifiers::nameBasedId(Identifiers::recurringNamespace(), "rule-1:2026-01-31");
    QCOMPARE(posting,
             Identifiers::nameBasedId(Identifiers::recurringNamespace(), "rule-1:2026-01-31"));
    QVERIFY(
        posting
        != Identifiers::nameBasedId(Identifiers::recurringNamespace(), "rule-1:2026-01-31:dest"));
    QCOMPARE(posting.size(), 36);
    QCOMPARE(posting, posting.toLower());
    QCOMPARE(posting.at(14), QChar(u'5'));
}

void tst_Records::timestamps() {
    const QDateTime now = Timestamps::nowUtc();
    const QString text = Timestamps::toText(now);
    QVERIFY2(text.endsWith(QLatin1Char('Z')), qPrintable(text));
    QCOMPARE(text.size(), 20);
    const QDateTime back = Timestamps::fromText(text);
    QCOMPARE(back, now);
    QCOMPARE(back.timeSpec(), Qt::UTC);

    QVERIFY(!Timestamps::fromText(QString()).isValid());
    QVERIFY(!Timestamps::fromText("yesterday").isValid());
    QCOMPARE(Timestamps::dateToText(QDate(2026, 2, 3)), QStringLiteral("2026-02-03"));
    QCOMPARE(Timestamps::dateFromText("2026-02-03"), QDate(2026, 2, 3));
    QVERIFY(!Timestamps::dateFromText("2026-02-30").isValid());
    QVERIFY(!Timestamps::dateFromText("").isValid());
    QVERIFY(Timestamps::dateToText(QDate()).isEmpty());
}

void tst_Records::parsingAgreesWithQt_data() {
    QTest::addColumn<QString>("text");
    for (const char *text :
         {"2026-01-02T10:00:00Z", "1999-12-31T23:59:59Z", "2024-02-29T00:00:00Z",
          "2023-02-29T00:00:00Z", "2026-13-01T00:00:00Z", "2026-01-02T24:00:00Z",
          "2026-01-02T23:60:00Z", "2026-01-02T10:00:00+02:00", "2026-01-02T10:00:00.500Z",
          "2026-01-02 10:00:00Z", "2026-01-02T10:00:00", "0000-01-01T00:00:00Z", "2026-01-02",
          "2026-1-02", "2026-02-30", "20260102", "2026-01-0x", "abcd-ef-gh"})
        QTest::addRow("%s", text) << QString::fromLatin1(text);
}

// The stored forms are read by a fast path; every text must read as Qt's parsers read it.
void tst_Records::parsingAgreesWithQt() {
    QFETCH(QString, text);
    const QDateTime expected = QDateTime::fromString(text, Qt::ISODate);
    const QDateTime actual = Timestamps::fromText(text);
    QCOMPARE(actual.isValid(), expected.isValid());
    if (expected.isValid()) {
        QCOMPARE(actual, expected.toUTC());
        QCOMPARE(actual.timeSpec(), Qt::UTC);
    }
    QCOMPARE(Timestamps::dateFromText(text), QDate::fromString(text, Qt::ISODate));
}

QTEST_GUILESS_MAIN(tst_Records)
#include "tst_records.moc"
