// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/amountinput.h"
#include "ui/presentation/dateinput.h"
#include "ui/presentation/regionalformat.h"
#include "ui/presentation/shortcuttext.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <QTest>

class tst_DateInput : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shortcuts_data();
    void shortcuts();
    void parse_data();
    void parse();
    void parseInLanguageOrder_data();
    void parseInLanguageOrder();
    void languageDefaults_data();
    void languageDefaults();
    void decimalJump_data();
    void decimalJump();
    void amountText_data();
    void amountText();
    void shortcutTextsInLanguage();
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

void tst_DateInput::parseInLanguageOrder_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    const QDate fallback(2001, 2, 3);

    QTest::addRow("English month first") << "M/d/yyyy"
                                         << "12/10/2026" << QDate(2026, 12, 10);
    QTest::addRow("French day first") << "d/M/yyyy"
                                      << "12/10/2026" << QDate(2026, 10, 12);
    QTest::addRow("German dots") << "d.M.yyyy"
                                 << "12.10.2026" << QDate(2026, 10, 12);
    QTest::addRow("German short year") << "d.M.yyyy"
                                       << "1.5.24" << QDate(2024, 5, 1);
    QTest::addRow("Japanese year first") << "yyyy/M/d"
                                         << "2026/12/1" << QDate(2026, 12, 1);
    QTest::addRow("Japanese short year first") << "yyyy/M/d"
                                               << "26/12/1" << QDate(2026, 12, 1);
    // Only one reading gives a date: taken whatever the chosen order.
    QTest::addRow("French, month first unambiguous") << "d/M/yyyy"
                                                     << "12/31/2026" << QDate(2026, 12, 31);
    QTest::addRow("English, day first unambiguous") << "M/d/yyyy"
                                                    << "31/12/2026" << QDate(2026, 12, 31);
    QTest::addRow("ISO in a day-first language") << "d.M.yyyy"
                                                 << "2026-12-01" << QDate(2026, 12, 1);
    QTest::addRow("short year in front is no year elsewhere") << "M/d/yyyy"
                                                              << "26/12/1" << fallback;
    QTest::addRow("no date in any order") << "d/M/yyyy"
                                          << "31/31/2026" << fallback;
    QTest::addRow("two fields") << "d/M/yyyy"
                                << "12/10" << fallback;
}

void tst_DateInput::parseInLanguageOrder() {
    QFETCH(QString, format);
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(DateInput::parse(text, format, QDate(2001, 2, 3), kToday), expected);
    // What a field shows reads back as the same date.
    if (expected != QDate(2001, 2, 3))
        QCOMPARE(DateInput::parse(expected.toString(format), format, QDate(), kToday), expected);
}

void tst_DateInput::languageDefaults_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("decimalComma");
    QTest::addRow("en") << "en"
                        << "12/1/2026" << false;
    QTest::addRow("de") << "de"
                        << "1.12.2026" << true;
    QTest::addRow("fr") << "fr"
                        << "1/12/2026" << true;
    QTest::addRow("es") << "es"
                        << "1/12/2026" << true;
    QTest::addRow("ja") << "ja"
                        << "2026/12/1" << false;
}

void tst_DateInput::languageDefaults() {
    QFETCH(QString, language);
    QFETCH(QString, shown);
    QFETCH(bool, decimalComma);
    RegionalFormat::setLanguage(language);
    RegionalFormat::setDateFormat(QString());
    QCOMPARE(DateInput::format(QDate(2026, 12, 1)), shown);
    QCOMPARE(DateInput::parse(shown, QDate(), kToday), QDate(2026, 12, 1));
    QCOMPARE(RegionalFormat::decimalComma(), decimalComma);
    // A chosen format wins over the language's, and an unknown one falls back to it.
    RegionalFormat::setDateFormat(QStringLiteral("yyyy-MM-dd"));
    QCOMPARE(DateInput::format(QDate(2026, 12, 1)), QStringLiteral("2026-12-01"));
    RegionalFormat::setDateFormat(QStringLiteral("dd MMM"));
    QCOMPARE(DateInput::format(QDate(2026, 12, 1)), shown);
    RegionalFormat::setDateFormat(QString());
    RegionalFormat::setLanguage(QStringLiteral("en"));
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

void tst_DateInput::amountText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<bool>("decimalComma");
    QTest::addColumn<qint64>("expected"); // -1: not readable
    QTest::addRow("decimal comma") << "12,50" << Currency::EUR << true << qint64(1250);
    QTest::addRow("decimal comma, one digit") << "-3,5" << Currency::USD << true << qint64(-350);
    QTest::addRow("dot grouping, decimal comma")
        << QString::fromUtf8("€1.234,50") << Currency::EUR << true << qint64(123450);
    QTest::addRow("English text in a comma language")
        << "1,234.56" << Currency::USD << true << qint64(123456);
    QTest::addRow("three digits are thousands, as shown")
        << "1,234" << Currency::USD << true << qint64(123400);
    QTest::addRow("comma not read in English") << "12,50" << Currency::USD << false << qint64(-1);
    QTest::addRow("yen thousands") << "1,000" << Currency::JPY << true << qint64(1000);
    QTest::addRow("no fraction of a yen, comma") << "12,50" << Currency::JPY << true << qint64(-1);
    QTest::addRow("no fraction of a yen, dot") << "12.5" << Currency::JPY << false << qint64(-1);
    QTest::addRow("whole yen") << QString::fromUtf8("¥500") << Currency::JPY << false
                               << qint64(500);
    QTest::addRow("lone comma") << "," << Currency::USD << true << qint64(-1);
}

void tst_DateInput::amountText() {
    QFETCH(QString, text);
    QFETCH(Currency, currency);
    QFETCH(bool, decimalComma);
    QFETCH(qint64, expected);
    const std::optional<qint64> amount = AmountInput::fromText(text, currency, decimalComma);
    QCOMPARE(amount.has_value(), expected != -1);
    if (amount)
        QCOMPARE(*amount, expected);
}

void tst_DateInput::shortcutTextsInLanguage() {
    QCOMPARE(ShortcutText::of("Ctrl+I"), QStringLiteral("Ctrl+I"));
    QTranslator german;
    if (!german.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QSKIP("Qt's German translation is not installed");
    QCoreApplication::installTranslator(&german);
    const QString ctrlI = ShortcutText::of("Ctrl+I");
    const QString del = ShortcutText::of("Del");
    QCoreApplication::removeTranslator(&german);
    QCOMPARE(ctrlI, QStringLiteral("Strg+I"));
    QCOMPARE(del, QStringLiteral("Entf"));
}

QTEST_GUILESS_MAIN(tst_DateInput)
#include "tst_dateinput.moc"
