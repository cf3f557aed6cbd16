// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/csvparser.h"
#include "services/importparsing.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray fixture(const char *name) {
    QFile file(QStringLiteral(QUILLON_IMPORT_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qWarning("cannot read fixture %s", name);
    return file.readAll();
}

// Rows as "a|b;c|d" so that a table row states a whole parse.
QString flatten(const QList<QStringList> &rows) {
    QStringList parts;
    for (const QStringList &row : rows)
        parts << row.join('|');
    return parts.join(';');
}

QString describe(const QifRecord &r) {
    return QStringLiteral("%1 %2 %3 m=%4 c=%5 n=%6 %7")
        .arg(r.date.toString(Qt::ISODate), r.payee)
        .arg(r.amount)
        .arg(r.memo, r.category, r.checkNumber, r.cleared ? "cleared" : "open");
}

} // namespace

class tst_ImportParsing : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parseCsv_data();
    void parseCsv();
    void decodeImportText_data();
    void decodeImportText();
    void parseQif_data();
    void parseQif();
    void parseQifDate_data();
    void parseQifDate();
    void parseQifAmount_data();
    void parseQifAmount();
};

void tst_ImportParsing::parseCsv_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addRow("plain") << "a,b,c\n1,2,3\n"
                           << "a|b|c;1|2|3";
    QTest::addRow("no final line feed") << "a,b\n1,2"
                                        << "a|b;1|2";
    QTest::addRow("quoted comma") << "\"Acme, Inc.\",5"
                                  << "Acme, Inc.|5";
    QTest::addRow("doubled quotes") << "\"He said \"\"hi\"\"\",x"
                                    << "He said \"hi\"|x";
    QTest::addRow("quote inside a field") << "ab\"c,d\"e"
                                          << "abc,de";
    QTest::addRow("fields trimmed") << "  a , b  \n"
                                    << "a|b";
    QTest::addRow("blank lines dropped") << "a\n\n\r\nb\n\n"
                                         << "a;b";
    QTest::addRow("empty fields kept") << ",\n,x,\n"
                                       << "|;|x|";
    QTest::addRow("ragged rows") << "a\nb,c,d\n"
                                 << "a;b|c|d";
    QTest::addRow("CRLF") << "a,b\r\n1,2\r\n"
                          << "a|b;1|2";
    QTest::addRow("quoted CRLF becomes a line feed") << "\"one\r\ntwo\",x\r\n"
                                                     << "one\ntwo|x";
    QTest::addRow("quoted lone carriage return kept") << "\"a\rb\",x\n"
                                                      << "a\rb|x";
    QTest::addRow("unterminated quote") << "\"abc,def\nghi"
                                        << "abc,def\nghi";
    QTest::addRow("empty") << ""
                           << "";
}

void tst_ImportParsing::parseCsv() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(flatten(::parseCsv(text)), expected);
    // A file is read in pieces that may end anywhere: between doubled quotes, inside a CRLF.
    for (qsizetype split = 0; split <= text.size(); ++split) {
        CsvParser parser;
        parser.feed(QStringView(text).left(split));
        parser.feed(QStringView(text).mid(split));
        parser.finish();
        QVERIFY2(flatten(parser.takeRows()) == expected, qPrintable(QString::number(split)));
    }
}

void tst_ImportParsing::decodeImportText_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::addRow("windows-1252 file")
        << fixture("windows-1252.csv")
        << "Date|Payee|Amount;12/04/2025|Café Rémy|100.25;12/05/2025|Boulangerie Müller|-42.10";
    QTest::addRow("utf-8 with mark")
        << fixture("utf-8-bom.csv") << "Date|Payee|Amount;12/04/2025|Zoë’s Bakery|-3.50";
    QTest::addRow("utf-8 with mark, no header")
        << fixture("utf-8-bom-noheader.csv")
        << "12/04/2025|Zoë’s Bakery|-3.50;12/05/2025|Señor Taco|-8.25";
    QTest::addRow("utf-16le with mark")
        << fixture("utf-16le-bom.csv") << "Date|Payee|Amount;12/04/2025|Caffè Nero|-4.20";
    QTest::addRow("utf-16be with mark") << QByteArray("\xFE\xFF\x00\x43\x00\xE9", 6) << "Cé";
    QTest::addRow("utf-8 without mark") << QByteArray("Zo\xC3\xAB") << "Zoë";
    QTest::addRow("1252 quotes and euro") << QByteArray("\x93\x80\x94") << "“€”";
    QTest::addRow("empty") << QByteArray() << "";
}

void tst_ImportParsing::decodeImportText() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    const QString text = ::decodeImportText(bytes);
    QVERIFY(!text.contains(QChar(0xFEFF)));
    QVERIFY(!text.contains(QChar::ReplacementCharacter));
    QCOMPARE(flatten(::parseCsv(text)), expected);
}

void tst_ImportParsing::parseQif_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("record") << "!Type:Bank\nD1/15'24\nT-45.00\nPGrocer\n^\n"
                            << QStringList{"2024-01-15 Grocer -4500 m= c= n= open"};
    QTest::addRow("every field, no closing caret")
        << "D12/31/1999\nT1,234.50\nPPay\nMNote\nN101\nLFood:Out\nCX\nXunknown"
        << QStringList{"1999-12-31 Pay 123450 m=Note c=Food:Out n=101 cleared"};
    QTest::addRow("cleared marks")
        << "D1/1/20\nC*\n^\nD1/2/20\nCR\n^\nD1/3/20\nC\n^"
        << QStringList{"2020-01-01  0 m= c= n= cleared", "2020-01-02  0 m= c= n= open",
                       "2020-01-03  0 m= c= n= open"};
    QTest::addRow("empty records dropped") << "^\n^\nX1\n^\n" << QStringList{};
    QTest::addRow("account block") << QString::fromUtf8(fixture("qif-with-account-block.qif"))
                                   << QStringList{"2018-12-19 COUNTY WASTE -2500 m= c= n= open"};
    QTest::addRow("categories with colons")
        << QString::fromUtf8(fixture("qif-categories.qif"))
        << QStringList{"2018-12-19 Outlet -10058 m= c=Usual Expenses:Shopping n= open",
                       "2018-12-19 GroceriesYou -2015 m= c=Groceries n= open",
                       "2018-12-19 RestaurantExample -4060 m= c=Food n= open"};
    QTest::addRow("missing payee and memo")
        << QString::fromUtf8(fixture("qif-missing-fields.qif"))
        << QStringList{"2019-01-23 Payee Name -1000 m=Note Text c= n= open",
                       "2019-01-23 Payee Name Only -2000 m= c= n= open",
                       "2019-01-23  -3000 m=Note Only Text c= n= open",
                       "2019-01-23  -4000 m= c= n= open"};
    QTest::addRow("category list skipped") << "!Type:Cat\nNFood\nE\n^\n!Type:CCard\nD2/3/21\nT-1\n^"
                                           << QStringList{"2021-02-03  -100 m= c= n= open"};
}

void tst_ImportParsing::parseQif() {
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QStringList actual;
    for (const QifRecord &record : ::parseQif(text))
        actual << describe(record);
    QCOMPARE(actual, expected);
}

void tst_ImportParsing::parseQifDate_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");
    QTest::addRow("apostrophe year") << "1/15'24" << QDate(2024, 1, 15);
    QTest::addRow("two-digit 69") << "12/19/69" << QDate(2069, 12, 19);
    QTest::addRow("two-digit 70") << "1-2-70" << QDate(1970, 1, 2);
    QTest::addRow("four digits") << "01/23/2019" << QDate(2019, 1, 23);
    QTest::addRow("spaces") << " 1/ 5/2020" << QDate(2020, 1, 5);
    QTest::addRow("no such day") << "2/30/2024" << QDate();
    QTest::addRow("ISO order") << "2024-01-15" << QDate();
    QTest::addRow("two parts") << "1/15" << QDate();
    QTest::addRow("letters") << "Jan/15/2024" << QDate();
    QTest::addRow("empty") << "" << QDate();
}

void tst_ImportParsing::parseQifDate() {
    QFETCH(QString, text);
    QFETCH(QDate, expected);
    QCOMPARE(::parseQifDate(text), expected);
}

void tst_ImportParsing::parseQifAmount_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");
    QTest::addRow("negative") << "-45.00" << qint64(-4500);
    QTest::addRow("grouping") << "1,234.56" << qint64(123456);
    QTest::addRow("half away from zero") << "0.125" << qint64(13);
    QTest::addRow("negative half") << "-0.125" << qint64(-13);
    QTest::addRow("unreadable") << "Bank" << qint64(0);
    QTest::addRow("overflow") << "1e300" << qint64(0);
}

void tst_ImportParsing::parseQifAmount() {
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(::parseQifAmount(text), expected);
}

QTEST_GUILESS_MAIN(tst_ImportParsing)
#include "tst_importparsing.moc"
