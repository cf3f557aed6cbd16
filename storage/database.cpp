// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/database.h"

#include "storage/storagelog.h"
#include "storage/transactionscope.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

#include <sqlite3.h>

#include <algorithm>
#include <atomic>
#include <utility>

namespace {

// SQLite counts every allocation under a global lock so that it can report and cap its memory
// use, which this program never asks for; a bulk write allocates for nearly every row it
// stores. Qt's driver uses the same library, so this has to happen before its first
// connection opens (later, SQLite refuses it and keeps counting, which is harmless).
void configureSqlite() {
    static const bool configured = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
    Q_UNUSED(configured);
}

const QString kConnectionName = QStringLiteral("qt_sql_default_connection");

} // namespace

Database::Database(QObject *parent)
    : Database(kConnectionName, parent) {}

Database::Database(const QString &connectionName, QObject *parent)
    : QObject(parent)
    , m_connectionName(connectionName.isEmpty() ? kConnectionName : connectionName) {}

Database::~Database() {
    Q_EMIT aboutToClose();
    releaseStatements();
    if (m_open)
        m_db.close();
    // Release our handle before unregistering, so that another Database (a test, a second
    // start in one process) can register the same connection name without a warning.
    const bool registered = m_db.isValid();
    m_db = QSqlDatabase();
    if (registered)
        QSqlDatabase::removeDatabase(m_connectionName);
}

QString Database::dataDirectory() {
    const QByteArray env = qgetenv("QUILLON_DATA_DIR");
    if (!env.isEmpty()) {
        const QString dir = QString::fromUtf8(env);
        QDir(dir).mkpath(QStringLiteral("."));
        return dir;
    }
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                        + QStringLiteral("/Tindral/Quillon");
    if (!QDir(dir).exists())
        QDir(dir).mkpath(QStringLiteral("."));
    return dir;
}

QString Database::databasePath() {
    return dataDirectory() + QStringLiteral("/quillon.db");
}

QList<Database::Migration> Database::migrations() {
    return {
        {1, QStringLiteral("initial"), QStringLiteral(":/sql/sql/migrations/001_initial.sql")},
        {2, QStringLiteral("recon_sync"),
         QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql")},
        {3, QStringLiteral("perf_indexes"),
         QStringLiteral(":/sql/sql/migrations/003_perf_indexes.sql")},
        {4, QStringLiteral("sync_support"),
         QStringLiteral(":/sql/sql/migrations/004_sync_support.sql")},
        {5, QStringLiteral("account_totals"),
         QStringLiteral(":/sql/sql/migrations/005_account_totals.sql")},
        {6, QStringLiteral("report_index"),
         QStringLiteral(":/sql/sql/migrations/006_report_index.sql")},
        {7, QStringLiteral("unreconciled_index"),
         QStringLiteral(":/sql/sql/migrations/007_unreconciled_index.sql")},
        {8, QStringLiteral("register_order_index"),
         QStringLiteral(":/sql/sql/migrations/008_register_order_index.sql")},
        {9, QStringLiteral("report_summaries"),
         QStringLiteral(":/sql/sql/migrations/009_report_summaries.sql")},
        {10, QStringLiteral("bank_import"),
         QStringLiteral(":/sql/sql/migrations/010_bank_import.sql")},
        {11, QStringLiteral("reports_without_transfers"),
         QStringLiteral(":/sql/sql/migrations/011_reports_without_transfers.sql")},
        {12, QStringLiteral("budgets"), QStringLiteral(":/sql/sql/migrations/012_budgets.sql")},
        {13, QStringLiteral("cli_last_change"),
         QStringLiteral(":/sql/sql/migrations/013_cli_last_change.sql")},
        {14, QStringLiteral("pulled_links_null"),
         QStringLiteral(":/sql/sql/migrations/014_pulled_links_null.sql")},
    };
}

QStringList Database::splitStatements(const QString &script) {
    QStringList statements;
    QString buffer;
    int depth = 0;

    const auto flush = [&]() {
        QString statement = buffer.trimmed();
        buffer.clear();
        if (statement == QLatin1String(";"))
            return;
        if (statement.endsWith(QLatin1Char(';')))
            statement.chop(1);
        statement = statement.trimmed();
        if (!statement.isEmpty())
            statements.append(statement);
    };

    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1String("--")))
            continue;
        buffer += line;
        buffer += QLatin1Char('\n');

        const QString upper = t.toUpper();
        const bool begins = upper.contains(QLatin1String("BEGIN"));
        const bool ends = upper.startsWith(QLatin1String("END")) && depth + (begins ? 1 : 0) > 0;
        if (begins)
            ++depth;
        if (ends)
            depth = qMax(0, depth - 1);

        if (depth == 0 && t.endsWith(QLatin1Char(';')))
            flush();
    }
    flush();
    return statements;
}

bool Database::open(const QString &path) {
    configureSqlite();
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(path);
    // A second process on the same file (the command-line companion) waits for the lock
    // instead of failing at once.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    if (!m_db.open()) {
        qCCritical(lcStorage).noquote() << "Failed to open database:" << m_db.lastError().text();
        return false;
    }
    QSqlQuery query(m_db);
    query.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    query.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // A larger page cache than SQLite's 2 MB keeps the indexes of a big register in memory
    // during imports and restores.
    query.exec(QStringLiteral("PRAGMA cache_size=-65536"));
    // A register of a big account reads its rows from all over the table: through read()
    // every page is a system call and a copy, which cost more than the query itself. Mapped,
    // the pages are read in place and shared with the operating system's cache instead of
    // being held twice.
    query.exec(QStringLiteral("PRAGMA mmap_size=1073741824"));
    m_open = true;
    return true;
}

QSqlQuery *Database::preparedStatement(const QString &sql, QSqlError *error) {
    auto cached = m_statements.find(sql);
    if (cached == m_statements.end()) {
        auto prepared = std::make_unique<QSqlQuery>(m_db);
        // Rows are read once, in order: no need for the driver to cache them.
        prepared->setForwardOnly(true);
        if (!prepared->prepare(sql)) {
            if (error)
                *error = prepared->lastError();
            return nullptr;
        }
        cached = m_statements.emplace(sql, std::move(prepared)).first;
    }
    return cached->second.get();
}

int Database::schemaVersionOf(const QString &path) {
    if (!QFileInfo::exists(path))
        return 0;
    static std::atomic<int> counter{0};
    const QString name = QStringLiteral("quillon-peek-%1").arg(++counter);
    int version = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' "
                                          "AND name = 'schema_version'"))) {
                version = 0;
                if (query.next()
                    && query.exec(QStringLiteral("SELECT MAX(version) FROM "
                                                 "schema_version"))
                    && query.next())
                    version = query.value(0).toInt();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return version;
}

Database::WriteMark Database::writeMark() {
    WriteMark mark;
    QSqlQuery *query = preparedStatement(QStringLiteral("SELECT total_changes()"));
    if (!query || !query->exec() || !query->next())
        return {};
    mark.ownChanges = query->value(0).toLongLong();
    query->finish();
    query = preparedStatement(QStringLiteral("PRAGMA data_version"));
    if (!query || !query->exec() || !query->next())
        return {};
    mark.dataVersion = query->value(0).toLongLong();
    query->finish();
    return mark;
}

void Database::releaseStatements() {
    m_statements.clear();
}

void Database::noteChange(const QString &table, const QString &subject) {
    if (m_transactionDepth == 0) {
        Q_EMIT changed(table, subject);
        return;
    }
    const Notice notice{table, subject};
    if (!m_pendingNotices.contains(notice))
        m_pendingNotices.append(notice);
}

void Database::publishNotices() {
    // Taken first: a receiver may write again and start a new list.
    const QList<Notice> notices = std::exchange(m_pendingNotices, {});
    for (const Notice &notice : notices)
        Q_EMIT changed(notice.table, notice.subject);
}

void Database::dropNoticesFrom(int index) {
    if (index < m_pendingNotices.size())
        m_pendingNotices.resize(index);
}

bool Database::setBulkWriteJournal(bool inMemory) {
    // Changing where temporary storage lives is refused inside a transaction, and it drops
    // temporary tables, which this program does not keep.
    if (m_transactionDepth > 0)
        return false;
    QSqlQuery query(m_db);
    return query.exec(inMemory ? QStringLiteral("PRAGMA temp_store=MEMORY")
                               : QStringLiteral("PRAGMA temp_store=DEFAULT"));
}

bool Database::runMigrations() {
    return runMigrations(migrations());
}

bool Database::runMigrations(const QList<Migration> &migrationList) {
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    "
            "TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCCritical(lcStorage).noquote()
            << "Failed to create schema_version table:" << query.lastError().text();
        return false;
    }

    int current = 0;
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && query.next())
        current = query.value(0).isNull() ? 0 : query.value(0).toInt();
    query.finish();

    int newest = 0;
    int firstPending = 0;
    for (const Migration &migration : migrationList) {
        newest = qMax(newest, migration.version);
        if (migration.version > current && (!firstPending || migration.version < firstPending))
            firstPending = migration.version;
    }
    if (current > newest) {
        // Reads would miss what the newer schema added and writes could break it.
        const QString error = tr("This database was written by a newer version of Tindral "
                                 "Quillon (schema %1; this version knows up to %2).")
                                  .arg(current)
                                  .arg(newest);
        qCCritical(lcStorage).noquote() << error;
        m_lastError = error;
        Q_EMIT migrationError(current, error);
        return false;
    }
    if (current > 0 && firstPending > 0 && !keepCopyBeforeMigration(firstPending))
        return false;

    for (const Migration &migration : migrationList) {
        if (migration.version <= current)
            continue;
        QFile file(migration.resourcePath);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString error
                = QStringLiteral("Cannot read migration file: %1").arg(migration.resourcePath);
            qCCritical(lcStorage).noquote() << error;
            Q_EMIT migrationError(migration.version, error);
            return false;
        }
        const QString script = QString::fromUtf8(file.readAll());
        if (!applyMigration(migration.version, migration.name, script))
            return false;
    }
    return true;
}

bool Database::keepCopyBeforeMigration(int version) {
    const QString path = m_db.databaseName();
    if (path.isEmpty() || path == QLatin1String(":memory:"))
        return true;
    const QFileInfo info(path);
    const QString copy = path + QStringLiteral(".before-v%1").arg(version);
    const QString partial = copy + QStringLiteral(".partial");
    QFile::remove(partial);

    // VACUUM INTO writes a consistent copy even while another process reads the file, and
    // the rename makes a half-written copy impossible to mistake for a good one.
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("VACUUM INTO ?"));
    query.addBindValue(partial);
    if (!query.exec()) {
        const QString error = query.lastError().text();
        qCCritical(lcStorage).noquote()
            << QStringLiteral("Database::keepCopyBeforeMigration failed: %1").arg(error);
        QFile::remove(partial);
        m_lastError = error;
        Q_EMIT migrationError(version, error);
        return false;
    }
    query.finish();
    QFile::remove(copy);
    if (!QFile::rename(partial, copy)) {
        qCCritical(lcStorage).noquote()
            << "Database::keepCopyBeforeMigration failed: cannot rename" << partial;
        QFile::remove(partial);
        m_lastError = tr("Cannot keep a copy of the database before upgrading it.");
        Q_EMIT migrationError(version, m_lastError);
        return false;
    }

    // Keep the two most recent copies.
    const QString prefix = info.fileName() + QStringLiteral(".before-v");
    QDir dir = info.absoluteDir();
    QList<QPair<int, QString>> copies;
    const QStringList names = dir.entryList({prefix + QLatin1Char('*')}, QDir::Files);
    for (const QString &name : names) {
        bool ok = false;
        const int v = name.mid(prefix.size()).toInt(&ok);
        if (ok)
            copies.append({v, name});
    }
    std::sort(copies.begin(), copies.end());
    for (int i = 0; i + 2 < copies.size(); ++i)
        dir.remove(copies.at(i).second);
    qCInfo(lcStorage).noquote() << "Kept a copy of the database before migration" << version << "as"
                                << copy;
    return true;
}

bool Database::applyMigration(int version, const QString &name, const QString &script) {
    TransactionScope scope(this);
    if (!scope.isOpen()) {
        const QString error = QStringLiteral("cannot begin a transaction");
        qCCritical(lcStorage).noquote()
            << QStringLiteral("Migration %1 failed: %2").arg(version).arg(error);
        Q_EMIT migrationError(version, error);
        return false;
    }
    {
        // Another process may have applied it while this one waited for the lock.
        QSqlQuery applied(m_db);
        applied.prepare(QStringLiteral("SELECT 1 FROM schema_version WHERE version = ?"));
        applied.addBindValue(version);
        if (applied.exec() && applied.next()) {
            applied.finish();
            return scope.commit();
        }
    }

    const QStringList statements = splitStatements(script);
    for (const QString &statement : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            qCCritical(lcStorage).noquote()
                << QStringLiteral("Migration %1 failed: %2\nStatement: %3")
                       .arg(version)
                       .arg(error, statement.left(200));
            query.finish();
            scope.rollback();
            Q_EMIT migrationError(version, error);
            return false;
        }
    }

    QSqlQuery record(m_db);
    record.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    record.addBindValue(version);
    record.addBindValue(name);
    if (!record.exec()) {
        const QString error = record.lastError().text();
        qCCritical(lcStorage).noquote()
            << QStringLiteral("Migration %1 failed: %2").arg(version).arg(error);
        record.finish();
        scope.rollback();
        Q_EMIT migrationError(version, error);
        return false;
    }
    record.finish();

    if (!scope.commit()) {
        const QString error = QStringLiteral("the transaction could not be committed");
        qCCritical(lcStorage).noquote()
            << QStringLiteral("Migration %1 failed: %2").arg(version).arg(error);
        Q_EMIT migrationError(version, error);
        return false;
    }
    qCInfo(lcStorage).noquote() << "Applied migration" << version << name;
    Q_EMIT migrationApplied(version, name);
    return true;
}
