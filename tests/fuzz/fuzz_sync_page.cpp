// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// A page of records pulled from the sync server, applied to a database with rows of its own.
// The body is read as the API client reads every response.

#include "services/syncpageapplier.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/fuzz/fuzzsupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Fuzz::ensureApplication();
    const QJsonObject page = QJsonDocument::fromJson(Fuzz::bytes(data, size)).object();

    Fuzz::ScratchDatabase scratch;
    Database *database = scratch.database();
    AccountRepository accounts(database);
    TransactionRepository transactions(database);
    CategoryRepository categories(database);
    RecurringRepository recurring(database);
    ReconciliationRepository reconciliations(database);
    SyncPageApplier applier(&accounts, &transactions, &categories, &recurring, &reconciliations);
    const QString before = Fuzz::dumpTables(database);
    if (!applier.apply(page) && Fuzz::dumpTables(database) != before)
        Fuzz::fail("a page that could not be stored changed the database");
    // The same page again, as after a lost reply: it must apply as well as the first time.
    applier.apply(page);

    QSqlQuery check(database->connection());
    if (!check.exec(QStringLiteral("PRAGMA foreign_key_check")))
        Fuzz::fail("cannot check the references");
    if (check.next())
        Fuzz::fail("a pulled page left a broken reference", check.value(0).toString());
    return 0;
}
