// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/amountinput.h"
#include "ui/dateinput.h"

#include <QTest>

class tst_DateInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shortcuts_data();
    void shortcuts();
    void parse_data();
    void parse();
    void decimalJump_data();
    void decimalJump();
};

namespace {
const QDate kToday(2026, 3, 18); // a Wednesday
}

void tst_DateInput::shortcuts_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("expected"); // invalid: not a shortcut

    QTest::addRow("t") << "t" << QDate(2020, 1, 1) << kToday;
    QTest::addRow("T upper") << "T" << QDate(2020, 1, 1) << kToday;
    QTest::addRow("+ over month end") << "+" << QDate(2024, 1, 31) << QDate(2024, 2, 1);
    QTest::addRow("= as plus") << "=" << QDate(2024, 2, 28) << QDate(2024, 2, 29);
    QTest::addRow("- over year start") << "-" << QDate(2024, 1, 1) << QDate(2023, 12, 31);
    QTest::addRow("m") << "m" << QDate(2024, 2, 17) << QDate(2024, 2, 1);
    QTest::addRow("h leap February") << "h" << QDate(2024, 2, 3) << QDate(2024, 2, 29);
    QTest::addRow("h plain February") << "h" << QDate(2023, 2, 3) << QDate(2023, 2, 28);
    QTest::addRow("H upper, 30-day month") << "H" << QDate(2024, 4, 30) << QDate(2024, 4, 30);
    QTest::addRow("y") << "y" << QDate(2024, 7, 4) << QDate(2024, 1, 1);
    QTest::addRow("r") << "r" << QDate(2024, 7, 4) << QDate(2024, 12, 31);
    QTest::addRow("w on Sunday stays") << "w" << QDate(2024, 3, 3) << QDate(2024, 3, 3);
    QTest::addRow("w on Saturday") << "w" << QDate(2024, 3, 9) << QDate(2024, 3, 3);
    QTest::addRow("w on Monday, back over month") << "w" << QDate(2024, 4, 1) << QDate(2024, 3, 31);
    QTest::addRow("k on Sunday") << "k" << QDate(2024, 3, 3) << QDate(2024, 3, 9);
    QTest::addRow("k on Saturday stays") << "k" << QDate(2024, 3, 9) << QDate(2024, 3, 9);
    QTest::addRow("k into next year") << "k" << QDate(2024, 12, 30) << QDate(2025, 1, 4);
    QTest::addRow("invalid date counts as today") << "+" << QDate() << kToday.addDays(1);
    QTest::addRow("other letter") << "x" << QDate(2024, 1, 1) << QDate();
    QTest::addRow("digit") << "5" << QDate(2024, 1, 1) << QDate();
    QTest::addRow("empty") << "" << QDate(2024, 1, 1) << QDate();
}

void tst_DateInput::shortcuts() {
    QFETCH(QString, key);
    QFETCH(QDate, from);
    QFETCH(QDate, expected);
    const std::optional<QDate> result = DateInput::shortcut(key, from, kToday);
    QCOMPARE(result.has_value(), expected.isValid());
    if (result)
        QCOMPARE(*result, expected);
}

void tst_DateInput::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    const QDate fallback(2001, 2, 3);

    QTest::addRow("M/d/yyyy") << "1/5/2024" << QDate(2024, 1, 5);
    QTest::addRow("MM/dd/yyyy") << "01/05/2024" << QDate(2024, 1, 5);
    QTest::addRow("M/d/yy recent") << "1/5/24" << QDate(2024, 1, 5);
    QTest::addRow("MM/dd/yy recent") << "01/05/24" << QDate(2024, 1, 5);
    QTest::addRow("yy at window end") << "12/31/46" << QDate(2046, 12, 31);
    QTest::addRow("yy past window end") << "1/1/47" << QDate(1947, 1, 1);
    QTest::addRow("yy 00 leap day") << "2/29/00" << QDate(2000, 2, 29);
    QTest::addRow("surrounding blanks") << " 3/4/2025 " << QDate(2025, 3, 4);
    QTest::addRow("impossible day") << "2/30/2024" << fallback;
    QTest::addRow("not a date") << "soon" << fallback;
    QTest::addRow("empty") << "" << fallback;
}

void tst_DateInput::parse() {
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(DateInput::parse(text, QDate(2001, 2, 3), kToday), expected);
}

void tst_DateInput::decimalJump_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<QChar>("localeDecimal");
    QTest::addColumn<int>("position");
    QTest::addRow("dot") << "$ 12.00" << QChar('.') << QChar('.') << 5;
    QTest::addRow("comma") << "$ 12.00" << QChar(',') << QChar('.') << 5;
    QTest::addRow("German locale, dot typed") << "12,00" << QChar('.') << QChar(',') << 3;
    QTest::addRow("no locale decimal") << "12.00" << QChar('.') << QChar() << 3;
    QTest::addRow("digit is input") << "12.00" << QChar('5') << QChar('.') << -1;
    QTest::addRow("no decimal shown") << "12" << QChar('.') << QChar('.') << -1;
}

void tst_DateInput::decimalJump() {
    QFETCH(QString, text);
    QFETCH(QChar, typed);
    QFETCH(QChar, localeDecimal);
    QFETCH(int, position);
    QCOMPARE(AmountInput::decimalJumpPosition(text, typed, localeDecimal), position);
}

QTEST_GUILESS_MAIN(tst_DateInput)
#include "tst_dateinput.moc"
