// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/money.h"

#include <QLocale>
#include <QTest>

class tst_Money : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void format_data();
    void format();
    void parse_data();
    void parse();
    void tryParse_data();
    void tryParse();
    void range_data();
    void range();
    void symbols();
    void plainNumber_data();
    void plainNumber();
};

void tst_Money::format_data() {
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("money");
    QTest::addColumn<QString>("plain");

    QTest::addRow("negative usd") << qint64(-123405) << Currency::USD << "-$1,234.05"
                                  << "-1,234.05";
    QTest::addRow("five cents") << qint64(5) << Currency::USD << "$0.05"
                                << "0.05";
    QTest::addRow("zero") << qint64(0) << Currency::USD << "$0.00"
                          << "0.00";
    QTest::addRow("zero eur") << qint64(0) << Currency::EUR << QString::fromUtf8("€0.00") << "0.00";
    QTest::addRow("minus one cent") << qint64(-1) << Currency::USD << "-$0.01"
                                    << "-0.01";
    QTest::addRow("million gbp") << qint64(100000000) << Currency::GBP
                                 << QString::fromUtf8("£1,000,000.00") << "1,000,000.00";
    QTest::addRow("yen") << qint64(-1500) << Currency::JPY << QString::fromUtf8("-¥1,500")
                         << "-1,500";
    QTest::addRow("yen large") << qint64(1234567) << Currency::JPY
                               << QString::fromUtf8("¥1,234,567") << "1,234,567";
    QTest::addRow("cad") << qint64(99) << Currency::CAD << "$0.99"
                         << "0.99";
    QTest::addRow("int64 min") << std::numeric_limits<qint64>::min() << Currency::USD
                               << "-$92,233,720,368,547,758.08"
                               << "-92,233,720,368,547,758.08";
}

void tst_Money::format() {
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, money);
    QFETCH(QString, plain);
    QCOMPARE(formatMoney(amount, currency), money);
    QCOMPARE(formatAmount(amount, currency), plain);
}

void tst_Money::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("expected");

    QTest::addRow("grouped") << "$1,234.56" << Currency::USD << qint64(123456);
    QTest::addRow("rounds half away") << "-12.345" << Currency::USD << qint64(-1235);
    QTest::addRow("yen symbol") << QString::fromUtf8("¥1,500") << Currency::JPY << qint64(1500);
    QTest::addRow("yen fraction") << "12.50" << Currency::JPY << qint64(0);
    QTest::addRow("parentheses") << "(5.00)" << Currency::USD << qint64(0);
    QTest::addRow("letters") << "abc" << Currency::USD << qint64(0);
    QTest::addRow("other symbol") << QString::fromUtf8("€5") << Currency::USD << qint64(0);
    QTest::addRow("own euro symbol") << QString::fromUtf8("€5") << Currency::EUR << qint64(500);
    QTest::addRow("blanks and sign") << "  -$7  " << Currency::USD << qint64(-700);
    QTest::addRow("exponent") << "1e2" << Currency::USD << qint64(10000);
    QTest::addRow("empty usd") << "" << Currency::USD << qint64(0);
    QTest::addRow("empty jpy") << "" << Currency::JPY << qint64(0);
    QTest::addRow("lone minus") << "-" << Currency::USD << qint64(0);
    QTest::addRow("infinite") << "1e400" << Currency::USD << qint64(0);
    QTest::addRow("nan") << "nan" << Currency::USD << qint64(0);
}

void tst_Money::parse() {
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(qint64, expected);
    QCOMPARE(parseAmount(text, currency), expected);
}

// Text that parseAmount reads as 0 must be told apart from a real zero.
void tst_Money::tryParse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<qint64>("expected");

    QTest::addRow("half cent up") << "1.005" << Currency::USD << true << qint64(101);
    QTest::addRow("half cent up 2") << "0.285" << Currency::USD << true << qint64(29);
    QTest::addRow("negative half cent") << "-0.285" << Currency::USD << true << qint64(-29);
    QTest::addRow("below half") << "2.0049999" << Currency::USD << true << qint64(200);
    QTest::addRow("lone half cent") << "0.005" << Currency::USD << true << qint64(1);
    QTest::addRow("large exact") << "123456789012.345" << Currency::USD << true
                                 << qint64(12345678901235);
    QTest::addRow("exponent") << "1e2" << Currency::USD << true << qint64(10000);
    QTest::addRow("negative exponent") << "1234.5e-2" << Currency::USD << true << qint64(1235);
    QTest::addRow("tiny") << "1e-400" << Currency::USD << true << qint64(0);
    QTest::addRow("leading dot") << ".5" << Currency::USD << true << qint64(50);
    QTest::addRow("zero") << "0" << Currency::USD << true << qint64(0);
    QTest::addRow("empty") << "" << Currency::USD << true << qint64(0);
    QTest::addRow("grouped") << "$1,234,567.89" << Currency::USD << true << qint64(123456789);
    QTest::addRow("yen grouped") << QString::fromUtf8("-¥1,500") << Currency::JPY << true
                                 << qint64(-1500);
    QTest::addRow("largest") << "-1,000,000,000,000.00" << Currency::USD << true
                             << qint64(-100000000000000);
    QTest::addRow("largest yen") << "1000000000000" << Currency::JPY << true
                                 << qint64(1000000000000);

    QTest::addRow("other symbol") << QString::fromUtf8("€5") << Currency::USD << false << qint64(0);
    QTest::addRow("decimal comma") << "12,50" << Currency::USD << false << qint64(0);
    QTest::addRow("decimal comma eur") << "12,50" << Currency::EUR << false << qint64(0);
    QTest::addRow("letters") << "abc" << Currency::USD << false << qint64(0);
    QTest::addRow("other digits") << QString::fromUtf8("١٢") << Currency::USD << false << qint64(0);
    QTest::addRow("lone minus") << "-" << Currency::USD << false << qint64(0);
    QTest::addRow("double minus") << "--5" << Currency::USD << false << qint64(0);
    QTest::addRow("parentheses") << "(5.00)" << Currency::USD << false << qint64(0);
    QTest::addRow("yen fraction") << "12.50" << Currency::JPY << false << qint64(0);
    QTest::addRow("infinite") << "1e400" << Currency::USD << false << qint64(0);
    QTest::addRow("nan") << "nan" << Currency::USD << false << qint64(0);
    QTest::addRow("too large") << "99999999999999999" << Currency::USD << false << qint64(0);
    QTest::addRow("a cent too large") << "1000000000000.01" << Currency::USD << false << qint64(0);
    QTest::addRow("yen too large") << "1000000000001" << Currency::JPY << false << qint64(0);
    QTest::addRow("too small") << "-1000000000000.01" << Currency::USD << false << qint64(0);
}

void tst_Money::tryParse() {
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(bool, readable);
    QFETCH(qint64, expected);
    const std::optional<qint64> parsed = tryParseAmount(text, currency);
    QCOMPARE(parsed.has_value(), readable);
    if (readable)
        QCOMPARE(*parsed, expected);
    QCOMPARE(parseAmount(text, currency), expected);
}

void tst_Money::range_data() {
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("inRange");

    QTest::addRow("limit usd") << qint64(100000000000000) << Currency::USD << true;
    QTest::addRow("past limit usd") << qint64(100000000000001) << Currency::USD << false;
    QTest::addRow("negative limit eur") << qint64(-100000000000000) << Currency::EUR << true;
    QTest::addRow("past negative limit") << qint64(-100000000000001) << Currency::EUR << false;
    QTest::addRow("limit yen") << qint64(1000000000000) << Currency::JPY << true;
    QTest::addRow("past limit yen") << qint64(1000000000001) << Currency::JPY << false;
    QTest::addRow("int64 min") << std::numeric_limits<qint64>::min() << Currency::USD << false;
    QTest::addRow("int64 max") << std::numeric_limits<qint64>::max() << Currency::JPY << false;
}

void tst_Money::range() {
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(bool, inRange);
    QCOMPARE(isAmountInRange(amount, currency), inRange);
}

void tst_Money::symbols() {
    QCOMPARE(currencySymbol(Currency::USD), QChar(u'$'));
    QCOMPARE(currencySymbol(Currency::EUR), QChar(0x20AC));
    QCOMPARE(currencySymbol(Currency::GBP), QChar(0x00A3));
    QCOMPARE(currencySymbol(Currency::AUD), QChar(u'$'));
    QCOMPARE(currencySymbol(Currency::JPY), QChar(0x00A5));
    QCOMPARE(currencySymbol(static_cast<Currency>(42)), QChar(u'$'));
}

void tst_Money::plainNumber_data() {
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<QString>("plain");
    QTest::addRow("grouped dollars") << qint64(-106310) << Currency::USD << "-1063.10";
    QTest::addRow("cents only") << qint64(5) << Currency::EUR << "0.05";
    QTest::addRow("yen") << qint64(-1234567) << Currency::JPY << "-1234567";
    QTest::addRow("int64 min") << std::numeric_limits<qint64>::min() << Currency::USD
                               << "-92233720368547758.08";
}

void tst_Money::plainNumber() {
    QFETCH(qint64, amount);
    QFETCH(Currency, currency);
    QFETCH(QString, plain);
    QCOMPARE(formatPlainNumber(amount, currency), plain);
}

QTEST_GUILESS_MAIN(tst_Money)
#include "tst_money.moc"
