// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/fuzz/fuzzsupport.h"

#include "storage/account.h"
#include "storage/accountrepository.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/enums.h"
#include "storage/timestamps.h"
#include "storage/transaction.h"
#include "storage/transactionrepository.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

namespace {

void quiet(QtMsgType, const QMessageLogContext &, const QString &) {}

// Removed when the process ends normally; a crash leaves it behind in the temporary folder.
QTemporaryDir &scratchDirectory() {
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/quillon-fuzz-XXXXXX"));
    if (!dir.isValid())
        fail("cannot create a scratch directory");
    return dir;
}

const QString kConnection = QStringLiteral("fuzz");

QString templatePath() {
    static const QString path = [] {
        const QString file = scratchDirectory().filePath(QStringLiteral("template.db"));
        {
            Database database(kConnection);
            if (!database.open(file) || !database.runMigrations())
                fail("cannot prepare the template database", database.lastError());
            const QDateTime now = Timestamps::nowUtc();
            AccountRepository accounts(&database);
            const QList<std::pair<const char *, Currency>> currencies{
                {"usd", Currency::USD}, {"eur", Currency::EUR}, {"gbp", Currency::GBP},
                {"cad", Currency::CAD}, {"aud", Currency::AUD}, {"jpy", Currency::JPY}};
            for (const auto &[suffix, currency] : currencies) {
                Account account;
                account.id = QStringLiteral("fuzz-") + QLatin1String(suffix);
                account.name = account.id;
                account.currency = currency;
                account.createdAt = now;
                account.updatedAt = now;
                if (!accounts.insert(account))
                    fail("cannot store the template accounts");
            }
            Category category;
            category.id = QStringLiteral("fuzz-cat");
            category.name = QStringLiteral("Groceries");
            category.createdAt = now;
            category.updatedAt = now;
            if (!CategoryRepository(&database).insert(category))
                fail("cannot store the template category");
            // Something for searches and duplicate checks to find.
            Transaction transaction;
            transaction.id = QStringLiteral("fuzz-txn");
            transaction.accountId = QStringLiteral("fuzz-usd");
            transaction.date = QDate(2026, 1, 15);
            transaction.payee = QStringLiteral("Corner Grocery");
            transaction.memo = QStringLiteral("weekly shopping");
            transaction.amount = -4250;
            transaction.categoryId = category.id;
            transaction.createdAt = now;
            transaction.updatedAt = now;
            if (!TransactionRepository(&database).insert(transaction))
                fail("cannot store the template transaction");
        }
        return file;
    }();
    return path;
}

} // namespace

void ensureApplication(bool gui) {
    if (QCoreApplication::instance())
        return;
    qInstallMessageHandler(quiet);
    static int argc = 1;
    static char name[] = "quillon-fuzz";
    static char *argv[] = {name, nullptr};
    if (gui) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    } else {
        new QCoreApplication(argc, argv);
    }
}

QString writeScratchFile(const QString &name, const QByteArray &bytes) {
    const QString path = scratchDirectory().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail("cannot write a scratch file", path);
    return path;
}

ScratchDatabase::ScratchDatabase() {
    const QString source = templatePath();
    const QString path = scratchDirectory().filePath(QStringLiteral("work.db"));
    for (const char *suffix : {"", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
    if (!QFile::copy(source, path))
        fail("cannot copy the template database");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    m_database = std::make_unique<Database>(kConnection);
    if (!m_database->open(path) || !m_database->runMigrations())
        fail("cannot open the scratch database", m_database->lastError());
}

ScratchDatabase::~ScratchDatabase() = default;

QString dumpTables(Database *database) {
    QSqlQuery tables(database->connection());
    if (!tables.exec(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")))
        fail("cannot list the tables");
    QString dump;
    while (tables.next()) {
        const QString table = tables.value(0).toString();
        QSqlQuery rows(database->connection());
        if (!rows.exec(QStringLiteral("SELECT * FROM \"%1\"").arg(table)))
            fail("cannot read a table", table);
        dump += table + QLatin1Char('\n');
        while (rows.next()) {
            for (int i = 0; i < rows.record().count(); ++i)
                dump += rows.value(i).toString() + QLatin1Char('|');
            dump += QLatin1Char('\n');
        }
    }
    return dump;
}

void fail(const char *what, const QString &detail) {
    std::fprintf(stderr, "fuzz: %s%s%s\n", what, detail.isEmpty() ? "" : ": ", qPrintable(detail));
    std::abort();
}

} // namespace Fuzz
