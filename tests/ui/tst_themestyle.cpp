// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/thememanager.h"
#include "ui/common/themestyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTest>

class tst_ThemeStyle : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void indicatorFrameStandsOut_data();
    void indicatorFrameStandsOut();
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

QTEST_MAIN(tst_ThemeStyle)
#include "tst_themestyle.moc"
