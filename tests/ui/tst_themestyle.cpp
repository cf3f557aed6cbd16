// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/thememanager.h"
#include "ui/common/styles.h"
#include "ui/common/themestyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

#include <algorithm>
#include <cmath>

class tst_ThemeStyle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void indicatorFrameStandsOut_data();
    void indicatorFrameStandsOut();
    void namedColoursRead_data();
    void namedColoursRead();
};

void tst_ThemeStyle::initTestCase() {
    QApplication::setStyle(new ThemeStyle);
}

void tst_ThemeStyle::indicatorFrameStandsOut_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("radio");
    QTest::addRow("dark check box") << true << false;
    QTest::addRow("dark radio button") << true << true;
    QTest::addRow("light check box") << false << false;
}

// An unticked box must be told from the window it sits on: the brightest step from the window
// colour across the indicator is what the eye finds.
void tst_ThemeStyle::indicatorFrameStandsOut() {
    QFETCH(bool, dark);
    QFETCH(bool, radio);
    const QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
    QApplication::setPalette(palette);
    std::unique_ptr<QAbstractButton> button;
    if (radio)
        button = std::make_unique<QRadioButton>("Choice");
    else
        button = std::make_unique<QCheckBox>("Choice");
    button->resize(button->sizeHint());
    const QImage image = button->grab().toImage();
    QStyleOptionButton option;
    option.initFrom(button.get());
    const QRect indicator = button->style()->subElementRect(radio ? QStyle::SE_RadioButtonIndicator
                                                                  : QStyle::SE_CheckBoxIndicator,
                                                            &option, button.get());
    QVERIFY(!indicator.isEmpty());
    const int window = palette.color(QPalette::Window).lightness();
    int contrast = 0;
    for (int x = indicator.left(); x <= indicator.right(); ++x)
        contrast = qMax(contrast,
                        qAbs(image.pixelColor(x, indicator.center().y()).lightness() - window));
    QVERIFY2(contrast >= 45, qPrintable(QString::number(contrast)));
}

void tst_ThemeStyle::namedColoursRead_data() {
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    for (const bool dark : {false, true}) {
        const QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
        const QColor window = palette.color(QPalette::Window);
        const Styles::Navigation navigation = Styles::navigation(palette);
        const char *theme = dark ? "dark" : "light";
        QTest::addRow("%s: status bar", theme) << Styles::statusTextColour(palette) << window;
        QTest::addRow("%s: description", theme) << Styles::descriptionColour(palette) << window;
        QTest::addRow("%s: warning", theme) << Styles::warningColour(palette) << window;
        QTest::addRow("%s: page list", theme) << navigation.text << navigation.background;
        QTest::addRow("%s: chosen page", theme) << navigation.selectedText << navigation.selected;
        QTest::addRow("%s: entry row", theme)
            << palette.color(QPalette::Text) << Styles::entryRowColour(palette);
        QTest::addRow("%s: key hints", theme) << Styles::keyHintColour() << window;
    }
    // The sidebar is the same in both themes.
    using namespace Styles::Sidebar;
    for (const QColor &row : {background(), hoverBackground(), selectedBackground()}) {
        const QString shade = row.name();
        QTest::addRow("sidebar name on %s", qPrintable(shade)) << brightText() << row;
        QTest::addRow("sidebar subtitle on %s", qPrintable(shade)) << text() << row;
        QTest::addRow("sidebar debt on %s", qPrintable(shade)) << negative() << row;
        QTest::addRow("sidebar credit on %s", qPrintable(shade)) << positive() << row;
    }
    QTest::addRow("sidebar total") << text() << background();
}

// Every named text colour stands out from what it is drawn on, in either theme: at least the
// contrast ratio asked of large text (3:1).
void tst_ThemeStyle::namedColoursRead() {
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    const auto luminance = [](const QColor &colour) {
        const auto channel = [](double c) {
            return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF())
               + 0.0722 * channel(colour.blueF());
    };
    const double a = luminance(text);
    const double b = luminance(background);
    const double ratio = (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
    QVERIFY2(ratio >= 3.0, qPrintable(QString::number(ratio, 'f', 2)));
}

QTEST_MAIN(tst_ThemeStyle)
#include "tst_themestyle.moc"
