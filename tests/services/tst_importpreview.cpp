// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/importpreview.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_ImportPreview : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void csvDecodedAsTheImportReadsIt_data();
    void csvDecodedAsTheImportReadsIt();
    void csvRowCount_data();
    void csvRowCount();
    void onlyTheStartIsLookedAt();
    void qifRecords();
    void unreadableFile();
    void looksLikeQif_data();
    void looksLikeQif();

private:
    QString write(const QString &name, const QByteArray &content);

    QTemporaryDir m_dir;
};

QString tst_ImportPreview::write(const QString &name, const QByteArray &content) {
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

void tst_ImportPreview::csvDecodedAsTheImportReadsIt_data() {
    QTest::addColumn<QByteArray>("content");
    const QString text = QStringLiteral("Date,Payee,Amount\r\n01/02/2024,Café Zoë,-3.50\r\n");
    QTest::addRow("UTF-8") << text.toUtf8();
    QTest::addRow("UTF-8 with a byte-order mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
    QTest::addRow("Windows-1252") << text.toLatin1();
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    QTest::addRow("UTF-16 with a byte-order mark") << utf16;
}

void tst_ImportPreview::csvDecodedAsTheImportReadsIt() {
    QFETCH(QByteArray, content);
    ImportPreview preview;
    QVERIFY(preview.readCsv(write("file.csv", content), 5));
    const QList<QStringList> expected{{"Date", "Payee", "Amount"},
                                      {"01/02/2024", QStringLiteral("Café Zoë"), "-3.50"}};
    QCOMPARE(preview.csvRows(), expected);
}

void tst_ImportPreview::csvRowCount_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("lastFirstField");
    QTest::addRow("more rows than shown") << QByteArray("a\nb\nc\nd\ne\nf\ng\n") << 5 << "e";
    QTest::addRow("last row without a line break") << QByteArray("a\nb\n\nc") << 3 << "c";
    QTest::addRow("a quoted line break") << QByteArray("\"a\nstill a\",1\nb,2\n") << 2 << "b";
    QTest::addRow("empty file") << QByteArray() << 0 << "";
}

void tst_ImportPreview::csvRowCount() {
    QFETCH(QByteArray, content);
    QFETCH(int, rows);
    QFETCH(QString, lastFirstField);
    ImportPreview preview;
    QVERIFY(preview.readCsv(write("rows.csv", content), 5));
    QCOMPARE(preview.csvRows().size(), rows);
    if (rows > 0)
        QCOMPARE(preview.csvRows().last().first(), lastFirstField);
}

void tst_ImportPreview::onlyTheStartIsLookedAt() {
    // A byte that is not UTF-8, far past the rows shown: looking at the whole file would
    // read it as Windows-1252 and show the first rows garbled.
    QByteArray content = QStringLiteral("Date,Payee\n01/02/2024,Zoë\n").toUtf8();
    content.append(QByteArray(ImportPreview::kSniffLimit * 2, 'x'));
    content.append("\xFF\n");
    ImportPreview preview;
    QVERIFY(preview.readCsv(write("large.csv", content), 2));
    QCOMPARE(preview.csvRows().at(1).at(1), QStringLiteral("Zoë"));
}

void tst_ImportPreview::qifRecords() {
    ImportPreview preview;
    QVERIFY(preview.readQif(write("file.qif", "!Type:Bank\nD1/15'24\nT-45.00\nPGrocer\n^\n"
                                              "D13/45/2024\nT1\nPBad date\n^\nD2/1/24\nT2\nPLast"),
                            5));
    const QList<QifRecord> records = preview.qifRecords();
    QCOMPARE(records.size(), 3);
    QCOMPARE(records.at(0).date, QDate(2024, 1, 15));
    QCOMPARE(records.at(0).amount, qint64(-4500));
    QCOMPARE(records.at(0).payee, QStringLiteral("Grocer"));
    QVERIFY(!records.at(1).date.isValid());
    QCOMPARE(records.at(2).payee, QStringLiteral("Last"));

    QVERIFY(preview.readQif(m_dir.filePath("file.qif"), 1));
    QCOMPARE(preview.qifRecords().size(), 1);
}

void tst_ImportPreview::unreadableFile() {
    ImportPreview preview;
    QVERIFY(!preview.readCsv(m_dir.filePath("missing.csv"), 5));
    QVERIFY(!preview.errorString().isEmpty());
    QVERIFY(preview.csvRows().isEmpty());
    QVERIFY(!preview.readQif(m_dir.filePath("missing.qif"), 5));
}

void tst_ImportPreview::looksLikeQif_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("qif");
    QTest::addRow("by name") << "bank.QIF" << QByteArray("D1/1/24\n") << true;
    QTest::addRow("by header") << "export.txt" << QByteArray("\xEF\xBB\xBF!Type:Bank\n") << true;
    QTest::addRow("account list") << "export.dat" << QByteArray("  !Account\nNMain\n") << true;
    QTest::addRow("csv") << "bank.csv" << QByteArray("Date,Payee,Amount\n") << false;
}

void tst_ImportPreview::looksLikeQif() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, qif);
    QCOMPARE(ImportPreview::looksLikeQif(write(name, content)), qif);
}

QTEST_GUILESS_MAIN(tst_ImportPreview)
#include "tst_importpreview.moc"
