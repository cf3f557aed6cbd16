// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/ziparchivereader.h"

#include <QBuffer>
#include <QTest>
#include <QtEndian>

#include <QtGui/private/qzipwriter_p.h>

namespace {

QByteArray zipOf(const QList<QPair<QString, QByteArray>> &entries,
                 QZipWriter::CompressionPolicy policy = QZipWriter::AlwaysCompress) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.setCompressionPolicy(policy);
    for (const auto &entry : entries)
        writer.addFile(entry.first, entry.second);
    writer.close();
    return buffer.data();
}

// Overwrites a 32-bit field of the first central directory header.
QByteArray patchCentral(QByteArray zip, int field, quint32 value) {
    const qsizetype header = zip.indexOf(QByteArray("PK\x01\x02", 4));
    if (header >= 0)
        qToLittleEndian<quint32>(value, zip.data() + header + field);
    return zip;
}

const QByteArray kData = QByteArray("{\n    \"id\": \"a\"\n}\n").repeated(20);

} // namespace

class tst_ZipArchiveReader : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void moreThan65535Entries();
    void read_data();
    void read();
    void unreadableArchives_data();
    void unreadableArchives();
};

void tst_ZipArchiveReader::moreThan65535Entries() {
    // QZipWriter's end record counts only the low 16 bits of this.
    const int count = 70000;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.setCompressionPolicy(QZipWriter::NeverCompress);
    for (int i = 0; i < count; ++i)
        writer.addFile(QStringLiteral("rows/%1.json").arg(i), QByteArray::number(i));
    writer.addFile("manifest.json", "{}");
    writer.close();

    const ZipArchiveReader zip(buffer.data());
    QVERIFY(zip.isValid());
    QCOMPARE(zip.entries().size(), count + 1);
    QCOMPARE(zip.indexOf("manifest.json"), count);
    QByteArray data;
    QCOMPARE(zip.read(count - 1, 100, &data), ZipArchiveReader::ReadStatus::Ok);
    QCOMPARE(data, QByteArray::number(count - 1));
}

void tst_ZipArchiveReader::read_data() {
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<ZipArchiveReader::ReadStatus>("status");
    using S = ZipArchiveReader::ReadStatus;
    const QByteArray deflated = zipOf({{"a.json", kData}});
    QTest::addRow("deflated") << deflated << qint64(kData.size()) << S::Ok;
    QTest::addRow("stored") << zipOf({{"a.json", kData}}, QZipWriter::NeverCompress)
                            << qint64(kData.size()) << S::Ok;
    QTest::addRow("one byte over the limit") << deflated << qint64(kData.size() - 1) << S::TooLarge;
    // An entry that inflates to more than it declares is not inflated further.
    QTest::addRow("declared size too small")
        << patchCentral(deflated, 24, 10) << qint64(1000) << S::Unreadable;
    QTest::addRow("declared size too large")
        << patchCentral(deflated, 24, kData.size() + 5) << qint64(1000) << S::Unreadable;
    QTest::addRow("checksum") << patchCentral(deflated, 16, 0x12345678) << qint64(1000)
                              << S::Unreadable;
    QTest::addRow("local header outside")
        << patchCentral(deflated, 42, 0x7fffffff) << qint64(1000) << S::Unreadable;
}

void tst_ZipArchiveReader::read() {
    QFETCH(QByteArray, archive);
    QFETCH(qint64, limit);
    QFETCH(ZipArchiveReader::ReadStatus, status);
    const ZipArchiveReader zip(archive);
    QVERIFY(zip.isValid());
    QCOMPARE(zip.entries().size(), 1);
    QCOMPARE(zip.entries().first().path, QStringLiteral("a.json"));
    QByteArray data;
    QCOMPARE(zip.read(0, limit, &data), status);
    QCOMPARE(data, status == ZipArchiveReader::ReadStatus::Ok ? kData : QByteArray());
}

void tst_ZipArchiveReader::unreadableArchives_data() {
    QTest::addColumn<QByteArray>("archive");
    const QByteArray zip = zipOf({{"a.json", kData}, {"b.json", kData}});
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("text") << QByteArray("just some text that is long enough to look");
    QTest::addRow("cut short") << zip.left(zip.size() - 30);
    QTest::addRow("directory cut")
        << zip.left(zip.indexOf(QByteArray("PK\x01\x02", 4)) + 20) + zip.right(22);
}

void tst_ZipArchiveReader::unreadableArchives() {
    QFETCH(QByteArray, archive);
    const ZipArchiveReader zip(archive);
    QVERIFY(!zip.isValid());
    QVERIFY(zip.entries().isEmpty());
    QByteArray data;
    QCOMPARE(zip.read(0, 1000, &data), ZipArchiveReader::ReadStatus::Unreadable);
}

QTEST_GUILESS_MAIN(tst_ZipArchiveReader)
#include "tst_ziparchivereader.moc"
