// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// A CSV bank file imported into an account. The first byte picks the column mapping and the
// size of the pieces the text is read in; the rest is the file.

#include "services/csvmapping.h"
#include "services/csvparser.h"
#include "services/importparsing.h"
#include "services/importservice.h"
#include "services/importtextreader.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QSqlQuery>

namespace {

CsvMapping mappingFor(uint8_t choice) {
    static const QStringList formats{QStringLiteral("MM/dd/yyyy"), QStringLiteral("yyyy-MM-dd"),
                                     QStringLiteral("dd.MM.yy"), QStringLiteral("d/M/yy")};
    CsvMapping mapping;
    mapping.hasHeader = choice & 1;
    mapping.dateFormat = formats.at((choice >> 1) % formats.size());
    if (choice & 8) {
        // Columns in another order, with memo and category, one of them beyond most rows.
        mapping.dateColumn = 2;
        mapping.payeeColumn = 0;
        mapping.amountColumn = 1;
        mapping.memoColumn = 3;
        mapping.categoryColumn = 4;
    }
    return mapping;
}

qint64 rowCount(Database *database) {
    QSqlQuery query(database->connection());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM transactions")) || !query.next())
        Fuzz::fail("cannot count the rows");
    return query.value(0).toLongLong();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0)
        return 0;
    Fuzz::ensureApplication();
    const QByteArray bytes = Fuzz::bytes(data + 1, size - 1);
    const QString path = Fuzz::writeScratchFile(QStringLiteral("import.csv"), bytes);

    // The import reads the file in pieces; the text must be the same as decoded at once.
    const QString whole = decodeImportText(bytes);
    ImportTextReader reader;
    if (!reader.open(path))
        Fuzz::fail("cannot open the import file", reader.errorString());
    QString pieces;
    for (QString piece; reader.read(&piece);)
        pieces += piece;
    if (reader.hasError() || pieces != whole)
        Fuzz::fail("the text read in pieces differs from the whole file's");

    // A piece may end anywhere, even inside a quoted field or between the halves of "".
    const qsizetype step = 1 + data[0] % 7;
    CsvParser parser;
    for (qsizetype at = 0; at < whole.size(); at += step)
        parser.feed(QStringView(whole).mid(at, step));
    parser.finish();
    if (parser.takeRows() != parseCsv(whole))
        Fuzz::fail("rows read in pieces differ from the whole text's");

    Fuzz::ScratchDatabase scratch;
    TransactionRepository transactions(scratch.database());
    CategoryRepository categories(scratch.database());
    ImportService service(&transactions, &categories);
    const qint64 before = rowCount(scratch.database());
    const ImportResult result
        = service.importCsv(path, QStringLiteral("fuzz-usd"), mappingFor(data[0]));
    // Whatever the file holds, a row is stored, refused or a duplicate: the database itself
    // never fails because of it.
    if (!result.error.isEmpty())
        Fuzz::fail("the import failed as a whole", result.error);
    if (rowCount(scratch.database()) != before + result.imported)
        Fuzz::fail("the rows stored differ from the rows reported");
    return 0;
}
