// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// The first rows of a bank file as the import screen shows them before the import. The first
// byte picks how many rows are asked for; the rest is the file.

#include "services/importparsing.h"
#include "services/importpreview.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    Fuzz::ensureApplication();
    const int maxRows = data[0] % 16;
    const QByteArray bytes = Fuzz::bytes(data + 1, size - 1);
    // No suffix that decides: the screen looks at the first line.
    const QString path = Fuzz::writeScratchFile(QStringLiteral("preview.txt"), bytes);
    ImportPreview::looksLikeQif(path);

    const QString text = decodeImportText(bytes);
    ImportPreview preview;
    if (!preview.readCsv(path, maxRows))
        Fuzz::fail("the CSV preview cannot read the file", preview.errorString());
    // The preview promises the rows the import will read, so they are the first rows of it.
    if (preview.csvRows() != parseCsv(text).mid(0, maxRows))
        Fuzz::fail("the CSV preview differs from the rows the import reads");

    if (!preview.readQif(path, maxRows))
        Fuzz::fail("the QIF preview cannot read the file", preview.errorString());
    const QList<QifRecord> records = parseQif(text).mid(0, maxRows);
    if (preview.qifRecords().size() != records.size())
        Fuzz::fail("the QIF preview differs from the records the import reads");
    for (qsizetype i = 0; i < records.size(); ++i) {
        const QifRecord &shown = preview.qifRecords().at(i);
        const QifRecord &read = records.at(i);
        if (shown.date != read.date || shown.payee != read.payee || shown.amount != read.amount
            || shown.memo != read.memo || shown.category != read.category)
            Fuzz::fail("a QIF preview record differs from the import's");
    }
    return 0;
}
