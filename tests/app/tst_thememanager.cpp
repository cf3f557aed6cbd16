// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/thememanager.h"
#include "storage/preferencesrepository.h"
#include "tests/support/testdatabase.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

class tst_ThemeManager : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void palettes();
    void setTheme_data();
    void setTheme();
    void sameThemeTwiceWritesAndEmitsTwice();
};

void tst_ThemeManager::palettes() {
    const QPalette light = ThemeManager::lightPalette();
    const QPalette dark = ThemeManager::darkPalette();
    QCOMPARE(light.color(QPalette::Window), QColor("#FAFBFA"));
    QCOMPARE(dark.color(QPalette::Window), QColor("#0F1E19"));
    QCOMPARE(light.color(QPalette::Inactive, QPalette::Highlight), QColor("#00897B"));
    QCOMPARE(dark.color(QPalette::Active, QPalette::Highlight), QColor("#4DB6AC"));
    QCOMPARE(light.color(QPalette::Disabled, QPalette::Text), QColor("#A0B5A8"));
    QCOMPARE(light.color(QPalette::Active, QPalette::Text), QColor("#1B2D26"));
    QCOMPARE(dark.color(QPalette::Disabled, QPalette::ButtonText), QColor("#3A5A4A"));
    QCOMPARE(dark.color(QPalette::PlaceholderText), QColor("#8FAF9F"));
    QCOMPARE(dark.color(QPalette::Link), QColor("#4DB6AC"));
    QVERIFY(!ThemeManager::isDark(light));
    QVERIFY(ThemeManager::isDark(dark));
}

void tst_ThemeManager::setTheme_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("systemDark");
    QTest::addColumn<int>("theme");
    QTest::addColumn<bool>("darkApplied");
    QTest::addColumn<QString>("stored");
    QTest::addRow("light") << "light" << true << int(ThemeManager::Light) << false << "light";
    QTest::addRow("dark") << "dark" << false << int(ThemeManager::Dark) << true << "dark";
    QTest::addRow("system on light")
        << "system" << false << int(ThemeManager::System) << false << "system";
    QTest::addRow("system on dark")
        << "system" << true << int(ThemeManager::System) << true << "system";
    QTest::addRow("capital Dark is system")
        << "Dark" << false << int(ThemeManager::System) << false << "system";
    QTest::addRow("unknown is system")
        << "sepia" << true << int(ThemeManager::System) << true << "system";
}

void tst_ThemeManager::setTheme() {
    QFETCH(QString, name);
    QFETCH(bool, systemDark);
    QFETCH(int, theme);
    QFETCH(bool, darkApplied);
    QFETCH(QString, stored);

    TestDatabase db;
    QVERIFY(db.isValid());
    PreferencesRepository prefs(db.database());
    ThemeManager manager(&prefs);
    manager.setSystemPalette(systemDark ? ThemeManager::darkPalette()
                                        : ThemeManager::lightPalette());
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);

    manager.setTheme(name);
    QCOMPARE(int(manager.theme()), theme);
    QCOMPARE(ThemeManager::isDarkNow(), darkApplied);
    QCOMPARE(QGuiApplication::palette().color(QPalette::Base),
             QColor(darkApplied ? "#152420" : "#FFFFFF"));
    QCOMPARE(prefs.value("theme", QString()), stored);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().value<ThemeManager::Theme>(), ThemeManager::Theme(theme));
}

void tst_ThemeManager::sameThemeTwiceWritesAndEmitsTwice() {
    TestDatabase db;
    QVERIFY(db.isValid());
    PreferencesRepository prefs(db.database());
    ThemeManager manager(&prefs);
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    QSignalSpy written(&prefs, &PreferencesRepository::changed);
    manager.setTheme("dark");
    manager.setTheme("dark");
    QCOMPARE(changed.count(), 2);
    QCOMPARE(written.count(), 2);
}

QTEST_MAIN(tst_ThemeManager)
#include "tst_thememanager.moc"
