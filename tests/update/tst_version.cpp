// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/version.h"

#include <QTest>

using TindUpdate::Version;

class tst_Version : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data();
    void parse();
    void order_data();
    void order();
};

void tst_Version::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::addRow("three parts") << "1.0.3"
                                 << "1.0.3";
    QTest::addRow("two parts") << "1.4"
                               << "1.4.0";
    QTest::addRow("one part") << "2"
                              << "2.0.0";
    QTest::addRow("leading zeros") << "01.002.0003"
                                   << "1.2.3";
    QTest::addRow("empty") << ""
                           << "0.0.0";
    QTest::addRow("four parts") << "1.2.3.4"
                                << "0.0.0";
    QTest::addRow("pre-release suffix") << "1.0.3-beta"
                                        << "0.0.0";
    QTest::addRow("empty part") << "1..3"
                                << "0.0.0";
    QTest::addRow("trailing dot") << "1.2."
                                  << "0.0.0";
    QTest::addRow("negative") << "1.-2.3"
                              << "0.0.0";
    QTest::addRow("plus sign") << "+1.2.3"
                               << "0.0.0";
    QTest::addRow("blank") << " 1.2.3"
                           << "0.0.0";
    QTest::addRow("v prefix") << "v1.2.3"
                              << "0.0.0";
    QTest::addRow("overflow") << "1.99999999999.0"
                              << "0.0.0";
}

void tst_Version::parse() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(Version::fromString(text).toString(), expected);
}

void tst_Version::order_data() {
    QTest::addColumn<QString>("lower");
    QTest::addColumn<QString>("higher");
    QTest::addColumn<bool>("equal");

    QTest::addRow("numeric, not text") << "1.0.3"
                                       << "1.0.10" << false;
    QTest::addRow("minor beats patch") << "1.9.9"
                                       << "1.10.0" << false;
    QTest::addRow("major beats minor") << "1.99.99"
                                       << "2.0.0" << false;
    QTest::addRow("missing part is zero") << "1.2"
                                          << "1.2.0" << true;
    QTest::addRow("single part") << "2"
                                 << "2.0.0" << true;
    QTest::addRow("suffix is never newer") << "1.0.3-beta"
                                           << "0.0.1" << false;
    QTest::addRow("garbage equals empty") << "latest"
                                          << "" << true;
}

void tst_Version::order() {
    QFETCH(QString, lower);
    QFETCH(QString, higher);
    QFETCH(bool, equal);
    const Version a = Version::fromString(lower);
    const Version b = Version::fromString(higher);
    QCOMPARE(a == b, equal);
    QCOMPARE(a != b, !equal);
    QCOMPARE(a < b, !equal);
    QCOMPARE(b > a, !equal);
    QVERIFY(a <= b);
    QVERIFY(b >= a);
    QVERIFY(!(b < a));
}

QTEST_GUILESS_MAIN(tst_Version)
#include "tst_version.moc"
