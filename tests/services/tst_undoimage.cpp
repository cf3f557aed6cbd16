// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/undoimage.h"

#include <QDate>
#include <QTest>

// Undo compares a row read back from the database with its image value by value, so an image
// must give back each value with its type and null-ness, or a row nobody touched would look
// changed (and a changed one unchanged).
class tst_UndoImage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void valuesComeBackAsTheyWent_data();
    void valuesComeBackAsTheyWent();
    void imagesCompareByValueAndType();
};

void tst_UndoImage::valuesComeBackAsTheyWent_data() {
    QTest::addColumn<QVariantList>("values");
    QTest::newRow("nothing") << QVariantList{};
    // The database's NULL arrives as a null string; an empty text is not NULL.
    QTest::newRow("nulls and empties")
        << QVariantList{QVariant(), QVariant(QMetaType::fromType<QString>()),
                        QVariant(QMetaType::fromType<qlonglong>()), QVariant(QString("")),
                        QVariant(QByteArray(""))};
    QTest::newRow("numbers at their limits") << QVariantList{
        QVariant(qlonglong(0)), QVariant(std::numeric_limits<qlonglong>::min()),
        QVariant(std::numeric_limits<qlonglong>::max()), QVariant(-0.5), QVariant(1e300)};
    QTest::newRow("text beyond Latin-1, long text, bytes")
        << QVariantList{QVariant(QString("Café")), QVariant(QStringLiteral("Zoë’s 寿司 🍣")),
                        QVariant(QString(300, QLatin1Char('x'))),
                        QVariant(QString(QChar(0xd800))), // a lone surrogate stays as it is
                        QVariant(QByteArray("\0\x01\xff", 3))};
    QTest::newRow("other types") << QVariantList{QVariant(true), QVariant(int(7)),
                                                 QVariant(QDate(2026, 3, 1))};
}

void tst_UndoImage::valuesComeBackAsTheyWent() {
    QFETCH(QVariantList, values);
    const QVariantList back = UndoImage(values).values();
    QCOMPARE(back.size(), values.size());
    for (int i = 0; i < values.size(); ++i) {
        QCOMPARE(back.at(i).metaType(), values.at(i).metaType());
        QCOMPARE(back.at(i).isNull(), values.at(i).isNull());
        QCOMPARE(back.at(i), values.at(i));
    }
}

void tst_UndoImage::imagesCompareByValueAndType() {
    const QVariantList row{QString("t1"), qlonglong(-1250),
                           QVariant(QMetaType::fromType<QString>())};
    QVERIFY(UndoImage(row) == UndoImage(row));
    QVariantList other = row;
    other[1] = qlonglong(-1251);
    QVERIFY(UndoImage(row) != UndoImage(other));
    other = row;
    other[2] = QString("");
    QVERIFY(UndoImage(row) != UndoImage(other));
}

QTEST_GUILESS_MAIN(tst_UndoImage)
#include "tst_undoimage.moc"
