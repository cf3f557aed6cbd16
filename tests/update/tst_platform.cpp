// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/platform.h"

#include <QTest>

using TindUpdate::Platform;

class tst_Platform : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyFor_data();
    void keyFor();
};

void tst_Platform::keyFor_data() {
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<QString>("key");

    QTest::addRow("windows x64") << "winnt"
                                 << "x86_64"
                                 << "windows-x64";
    QTest::addRow("linux x64 gets no windows installer") << "linux"
                                                         << "x86_64"
                                                         << "linux-x64";
    QTest::addRow("windows arm") << "winnt"
                                 << "arm64"
                                 << "";
    QTest::addRow("windows 32-bit") << "winnt"
                                    << "i386"
                                    << "";
    QTest::addRow("macos x64") << "darwin"
                               << "x86_64"
                               << "";
}

void tst_Platform::keyFor() {
    QFETCH(QString, kernel);
    QFETCH(QString, cpu);
    QFETCH(QString, key);
    QCOMPARE(Platform::keyFor(kernel, cpu), key);
}

QTEST_GUILESS_MAIN(tst_Platform)
#include "tst_platform.moc"
