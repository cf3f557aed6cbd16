// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/progressprinter.h"

#include <QTest>

#include <cstdio>

namespace {

QByteArray contentOf(FILE *stream) {
    std::fflush(stream);
    std::rewind(stream);
    QByteArray bytes;
    char buffer[512];
    size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, stream)) > 0)
        bytes.append(buffer, qsizetype(read));
    return bytes;
}

} // namespace

class tst_ProgressPrinter : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void drawsAndClearsOneLine();
    void silentWhenDisabled();
};

void tst_ProgressPrinter::drawsAndClearsOneLine() {
    FILE *stream = std::tmpfile();
    QVERIFY(stream);
    {
        ProgressPrinter progress(QStringLiteral("Importing"), stream, true);
        progress.update(12345);
        // Too soon after the first drawing: skipped.
        progress.update(12346);
        progress.finish();
    }
    const QByteArray text = contentOf(stream);
    std::fclose(stream);
    QVERIFY2(text.startsWith("\rImporting: 12,345 rows, "), text.constData());
    QVERIFY2(!text.contains("12,346"), text.constData());
    QVERIFY2(text.contains(" rows/s"), text.constData());
    // No line feed: the line is redrawn in place and cleared at the end.
    QVERIFY(!text.contains('\n'));
    QVERIFY(text.endsWith("\r\x1b[K"));
}

void tst_ProgressPrinter::silentWhenDisabled() {
    FILE *stream = std::tmpfile();
    QVERIFY(stream);
    {
        ProgressPrinter progress(QStringLiteral("Importing"), stream, false);
        progress.update(1000);
        progress.finish();
    }
    QCOMPARE(contentOf(stream), QByteArray());
    std::fclose(stream);
}

QTEST_GUILESS_MAIN(tst_ProgressPrinter)

#include "tst_progressprinter.moc"
