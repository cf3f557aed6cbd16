// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// A QIF bank file imported into an account, whatever its encoding.

#include "services/importparsing.h"
#include "services/importservice.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/money.h"
#include "storage/transactionrepository.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QSqlQuery>

namespace {

qint64 rowCount(Database *database) {
    QSqlQuery query(database->connection());
    if (!query.exec(QStringLiteral("SELECT count(*) FROM transactions")) || !query.next())
        Fuzz::fail("cannot count the rows");
    return query.value(0).toLongLong();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Fuzz::ensureApplication();
    const QByteArray bytes = Fuzz::bytes(data, size);
    for (const QifRecord &record : parseQif(decodeImportText(bytes))) {
        if (record.amountReadable && !isAmountInRange(record.amount, Currency::USD))
            Fuzz::fail("a QIF record carries an amount out of range");
    }

    const QString path = Fuzz::writeScratchFile(QStringLiteral("import.qif"), bytes);
    Fuzz::ScratchDatabase scratch;
    TransactionRepository transactions(scratch.database());
    CategoryRepository categories(scratch.database());
    ImportService service(&transactions, &categories);
    const qint64 before = rowCount(scratch.database());
    const ImportResult result = service.importQif(path, QStringLiteral("fuzz-usd"));
    if (!result.error.isEmpty())
        Fuzz::fail("the import failed as a whole", result.error);
    if (rowCount(scratch.database()) != before + result.imported)
        Fuzz::fail("the rows stored differ from the rows reported");
    return 0;
}
