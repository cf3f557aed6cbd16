// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// What a person types into the search box, turned into a full-text query and run.

#include "storage/database.h"
#include "storage/fulltextquery.h"
#include "storage/transactionrepository.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QSqlError>
#include <QSqlQuery>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Fuzz::ensureApplication();
    // One database for the whole run: searching does not write.
    static Fuzz::ScratchDatabase *scratch = new Fuzz::ScratchDatabase;
    const QString words = Fuzz::text(data, size);
    const QString query = FullTextQuery::fromWords(words);
    if (query.isEmpty())
        return 0;
    // The index must accept every query built, or a search shows an error instead of rows.
    QSqlQuery match(scratch->database()->connection());
    match.prepare(
        QStringLiteral("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH ?"));
    match.addBindValue(query);
    if (!match.exec())
        Fuzz::fail("the index refuses a built query",
                   query + QLatin1String(": ") + match.lastError().text());
    TransactionRepository(scratch->database()).searchWords(words);
    return 0;
}
