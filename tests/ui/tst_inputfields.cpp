// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/widgets/smartdateedit.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

class tst_InputFields : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void startsOnToday();
    void shortcutActsOnTypedText();
    void todayKeySelectsAll();
    void dateFieldAnnouncesAndRestores();
    void f4OpensCalendarOnStoredDate();
    void amountDecimalJump();
};

void tst_InputFields::startsOnToday() {
    SmartDateEdit edit;
    QCOMPARE(edit.date(), QDate::currentDate());
    QCOMPARE(edit.text(), QDate::currentDate().toString("M/d/yyyy"));
}

void tst_InputFields::shortcutActsOnTypedText() {
    SmartDateEdit edit;
    edit.setDate(QDate(2023, 6, 10));
    edit.selectAll();
    QTest::keyClicks(&edit, "2/10/2024");
    QTest::keyClick(&edit, 'h');
    QCOMPARE(edit.date(), QDate(2024, 2, 29));
    QCOMPARE(edit.text(), QStringLiteral("2/29/2024"));
    QCOMPARE(edit.selectedText(), edit.text());

    // A two-digit year typed, then the next day.
    edit.selectAll();
    QTest::keyClicks(&edit, "12/31/24");
    QTest::keyClick(&edit, Qt::Key_Plus, Qt::NoModifier);
    QCOMPARE(edit.date(), QDate(2025, 1, 1));
}

void tst_InputFields::todayKeySelectsAll() {
    DateField field;
    field.setDate(QDate(2020, 5, 5));
    QSignalSpy changed(&field, &DateField::dateChanged);
    field.setText("nonsense");
    QTest::keyClick(&field, 'T');
    QCOMPARE(field.date(), QDate::currentDate());
    QCOMPARE(field.selectedText(), QDate::currentDate().toString("M/d/yyyy"));
    QCOMPARE(changed.count(), 1);
}

void tst_InputFields::dateFieldAnnouncesAndRestores() {
    DateField field;
    field.setDate(QDate(2024, 3, 1));
    QSignalSpy changed(&field, &DateField::dateChanged);

    field.setText("03/09/24");
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&field, &out);
    QCOMPARE(field.date(), QDate(2024, 3, 9));
    QCOMPARE(field.text(), QStringLiteral("3/9/2024"));
    QCOMPARE(changed.count(), 1);

    field.setText("13/45/2024");
    QApplication::sendEvent(&field, &out);
    QCOMPARE(field.date(), QDate(2024, 3, 9));
    QCOMPARE(field.text(), QStringLiteral("3/9/2024"));
    QCOMPARE(changed.count(), 1);

    field.setDate(QDate(2024, 3, 9));
    QCOMPARE(changed.count(), 1);
}

void tst_InputFields::f4OpensCalendarOnStoredDate() {
    DateField field;
    field.setDate(QDate(2022, 8, 15));
    field.setText("garbage");
    QTest::keyClick(&field, Qt::Key_F4);
    auto *calendar = field.findChild<QCalendarWidget *>();
    QVERIFY(calendar);
    QCOMPARE(calendar->selectedDate(), QDate(2022, 8, 15));
    QSignalSpy changed(&field, &DateField::dateChanged);
    Q_EMIT calendar->clicked(QDate(2022, 8, 20));
    QCOMPARE(field.date(), QDate(2022, 8, 20));
    QCOMPARE(changed.count(), 1);
}

void tst_InputFields::amountDecimalJump() {
    SmartAmountField field;
    field.setRange(0, 99999999.99);
    field.setPrefix("$ ");
    field.setValue(12);
    QLineEdit *edit = field.findChild<QLineEdit *>();
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("$ 12.00"));
    edit->setCursorPosition(0);
    QTest::keyClick(&field, '.');
    QCOMPARE(edit->cursorPosition(), 5);
    QCOMPARE(edit->text(), QStringLiteral("$ 12.00"));
}

QTEST_MAIN(tst_InputFields)
#include "tst_inputfields.moc"
