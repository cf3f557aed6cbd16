// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

class QSqlError;
class QSqlQuery;

// Owns the process's single SQLite connection and brings its schema up to date.
class Database : public QObject {
    Q_OBJECT

public:
    struct Migration {
        int version = 0;
        QString name;
        QString resourcePath;
    };

    explicit Database(QObject *parent = nullptr);
    // A connection of its own name, so that more than one database can be open in a process
    // (two devices in one sync test). The default is Qt's default connection.
    explicit Database(const QString &connectionName, QObject *parent = nullptr);
    ~Database() override;

    // QUILLON_DATA_DIR when set and non-empty, else the per-user data location followed by
    // "/Tindral/Quillon". Creates the directory (the result is not checked: a failure shows
    // as a failure to open).
    static QString dataDirectory();
    static QString databasePath();

    // The built-in migrations, in order.
    static QList<Migration> migrations();

    // Splits a migration script into statements, keeping trigger bodies whole.
    static QStringList splitStatements(const QString &script);

    // The schema version of the database file at path, without changing it: 0 for a file
    // without one yet, -1 when the file cannot be read.
    static int schemaVersionOf(const QString &path);

    bool open(const QString &path);
    bool runMigrations();
    bool runMigrations(const QList<Migration> &migrations);

    QSqlDatabase connection() const { return m_db; }
    // Why the last open or migration failed, in words for the user; empty when none did.
    QString lastError() const { return m_lastError; }
    QString connectionName() const { return m_connectionName; }

    // The statement prepared once for sql on this connection and shared by everyone who runs
    // the same text (repositories, the sync page applier, the backup); null when it cannot be
    // prepared, with the driver's error in error. Users bind, execute and finish() it, and
    // must not run the same text again while reading its rows. Released before the
    // connection closes.
    QSqlQuery *preparedStatement(const QString &sql, QSqlError *error = nullptr);

    // Announces a write to table (subject: the account id for transactions, the key for
    // preferences, else empty). Outside a transaction scope it is announced at once; inside
    // one it waits for the outermost commit, once per table and subject, and a rollback
    // drops it.
    void noteChange(const QString &table, const QString &subject = QString());
    // For a bulk write (an import, a restore): a statement that fails takes back what it wrote
    // from a statement journal, which on disk costs many writes a row. In memory it is cheap,
    // but large sorts (the reports' GROUP BY) then grow in memory and run slower, so this is
    // switched on for the bulk write only. Outside a transaction scope only.
    bool setBulkWriteJournal(bool inMemory);
    // Open transaction scopes on this connection.
    int transactionDepth() const { return m_transactionDepth; }
    // A mark that moves with every row this connection writes and every commit of another
    // connection to the file: equal marks mean nobody wrote in between. Invalid marks (when
    // it cannot be read) are never equal.
    struct WriteMark {
        qint64 ownChanges = -1;
        qint64 dataVersion = -1;
        bool operator==(const WriteMark &other) const {
            return ownChanges >= 0 && ownChanges == other.ownChanges
                   && dataVersion == other.dataVersion;
        }
        bool operator!=(const WriteMark &other) const { return !(*this == other); }
    };
    WriteMark writeMark();

Q_SIGNALS:
    void migrationApplied(int version, const QString &name);
    // Emitted before the connection closes, so that prepared statements can let go of it.
    void aboutToClose();
    void migrationError(int version, const QString &error);
    // A write to table committed (see noteChange).
    void changed(const QString &table, const QString &subject);

private:
    friend class TransactionScope;

    struct Notice {
        QString table;
        QString subject;
        bool operator==(const Notice &other) const {
            return table == other.table && subject == other.subject;
        }
    };

    // Before an existing database is upgraded: a consistent copy of it as
    // "<file>.before-v<version>", keeping the last two, so that an upgrade can be undone by
    // hand.
    bool keepCopyBeforeMigration(int version);
    bool applyMigration(int version, const QString &name, const QString &script);
    void publishNotices();
    void dropNoticesFrom(int index);
    void releaseStatements();

    QString m_connectionName;
    QSqlDatabase m_db;
    bool m_open = false;
    QString m_lastError;
    int m_transactionDepth = 0;
    QList<Notice> m_pendingNotices; // In the order of their first write.
    std::map<QString, std::unique_ptr<QSqlQuery>> m_statements;
};
