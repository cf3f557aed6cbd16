// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/backupservice.h"

#include "services/servicelog.h"
#include "services/ziparchivereader.h"
#include "storage/database.h"
#include "storage/money.h"
#include "storage/timestamps.h"
#include "storage/transactionscope.h"

#include <QBuffer>
#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QScopeGuard>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtEndian>

#include <QtGui/private/qzipwriter_p.h>

#include <exception>

namespace {

struct BackupTable {
    const char *folder;
    const char *table;
    BackupImportResult::Counts BackupImportResult::*counts;
    const char *manifestKey;
};

// Export and restore order: a row's references come before it. Not kept: cli_last_change,
// the command line's last change for its undo. It describes rows as this file held them at
// one moment; restored anywhere else (or here after other writes) undo would refuse it, and a
// restore that replaced it could take back a change the person never made on this file.
const BackupTable kTables[] = {
    {"accounts", "accounts", &BackupImportResult::accounts, "accountCount"},
    {"categories", "categories", &BackupImportResult::categories, "categoryCount"},
    {"transactions", "transactions", &BackupImportResult::transactions, "transactionCount"},
    {"split_lines", "split_lines", &BackupImportResult::splitLines, "splitLineCount"},
    {"recurring", "recurring_transactions", &BackupImportResult::recurring, "recurringCount"},
    {"reconciliations", "reconciliations", &BackupImportResult::reconciliations,
     "reconciliationCount"},
    {"import_rules", "import_rules", &BackupImportResult::importRules, "importRuleCount"},
    {"budgets", "budgets", &BackupImportResult::budgets, "budgetCount"},
};

// How often, in rows, export and restore tell how far they got.
constexpr qint64 kProgressStep = 1000;

const QString kManifestPath = QStringLiteral("manifest.json");
const QString kId = QStringLiteral("id");
const QString kUpdatedAt = QStringLiteral("updated_at");

QString quotedIdentifier(const QString &name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QJsonValue toJson(const QSqlQuery &query, int column) {
    if (query.isNull(column))
        return QJsonValue(QJsonValue::Null);
    const QVariant value = query.value(column);
    switch (value.typeId()) {
    case QMetaType::LongLong:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::Short:
        return QJsonValue(value.toLongLong());
    case QMetaType::ULongLong:
        return QJsonValue(qint64(value.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float:
        return QJsonValue(value.toDouble());
    case QMetaType::Bool:
        return QJsonValue(value.toBool() ? 1 : 0);
    default:
        return QJsonValue(value.toString());
    }
}

const QSet<QString> kAmountColumns{QStringLiteral("amount"), QStringLiteral("starting_balance"),
                                   QStringLiteral("statement_balance"),
                                   QStringLiteral("reconciled_balance")};
const QSet<QString> kFlagColumns{QStringLiteral("cleared"), QStringLiteral("reconciled"),
                                 QStringLiteral("auto_post"), QStringLiteral("rollover")};
const QSet<QString> kDateColumns{QStringLiteral("date"), QStringLiteral("start_date"),
                                 QStringLiteral("end_date"), QStringLiteral("next_due_date"),
                                 QStringLiteral("statement_date")};

// A JSON number that is a whole 64-bit integer (two defaults tell it from a fraction or a
// number beyond 64 bits).
bool wholeNumber(const QJsonValue &value, qint64 *integer) {
    if (!value.isDouble())
        return false;
    *integer = value.toInteger(1);
    return *integer == value.toInteger(2);
}

// A row's own fault, as opposed to a failure of the database as a whole (a lock, a full or
// read-only disk, an I/O error): only these cost the row alone.
bool isRowFault(const QSqlError &error) {
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xFF;
    // SQLite's primary result codes SQLITE_TOOBIG, SQLITE_CONSTRAINT and SQLITE_MISMATCH.
    return ok && (code == 18 || code == 19 || code == 20);
}

// QZipWriter cuts the entry count of the end record to 16 bits; other programs reading an
// archive of more than 65,535 entries need the ZIP64 end record and its locator.
void addZip64End(QByteArray &zip, quint64 entryCount) {
    constexpr int kEndSize = 22;
    if (entryCount <= 0xFFFF || zip.size() < kEndSize)
        return;
    const qint64 end = zip.size() - kEndSize;
    uchar *record = reinterpret_cast<uchar *>(zip.data()) + end;
    if (qFromLittleEndian<quint32>(record) != 0x06054b50)
        return;
    const quint64 directorySize = qFromLittleEndian<quint32>(record + 12);
    const quint64 directoryOffset = qFromLittleEndian<quint32>(record + 16);

    QByteArray tail(56 + 20, '\0');
    uchar *out = reinterpret_cast<uchar *>(tail.data());
    qToLittleEndian<quint32>(0x06064b50, out);
    qToLittleEndian<quint64>(44, out + 4); // size of the rest of the record
    qToLittleEndian<quint16>(45, out + 12);
    qToLittleEndian<quint16>(45, out + 14);
    qToLittleEndian<quint64>(entryCount, out + 24);
    qToLittleEndian<quint64>(entryCount, out + 32);
    qToLittleEndian<quint64>(directorySize, out + 40);
    qToLittleEndian<quint64>(directoryOffset, out + 48);
    qToLittleEndian<quint32>(0x07064b50, out + 56);
    qToLittleEndian<quint64>(quint64(end), out + 64);
    qToLittleEndian<quint32>(1, out + 72);

    qToLittleEndian<quint16>(0xFFFF, record + 8);
    qToLittleEndian<quint16>(0xFFFF, record + 10);
    zip.insert(end, tail);
}

} // namespace

BackupService::BackupService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database) {}

void BackupService::countRow(qint64 *rows) {
    ++*rows;
    if (*rows % kProgressStep == 0)
        Q_EMIT progressed(*rows);
}

QByteArray BackupService::exportBackup(QString *error) {
    const auto fail = [error](const QString &text) {
        qCWarning(lcServices).noquote() << "BackupService export failed:" << text;
        if (error)
            *error = text;
        return QByteArray();
    };
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    QJsonObject manifest;
    manifest.insert(QStringLiteral("version"), 1);
    manifest.insert(QStringLiteral("exportedAt"), Timestamps::toText(Timestamps::nowUtc()));
    quint64 entries = 0;
    qint64 totalSize = 0;
    qint64 rowsDone = 0;

    for (const BackupTable &entry : kTables) {
        const QString folder = QLatin1String(entry.folder);
        qint64 count = 0;
        QSqlQuery query(m_database->connection());
        query.setForwardOnly(true);
        // A table that cannot be read (a damaged file) fails the whole backup: an archive
        // without it would look whole and restore as a loss.
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(entry.table))))
            return fail(
                tr("Cannot read %1: %2").arg(QLatin1String(entry.table), query.lastError().text()));
        const QSqlRecord record = query.record();
        const int idColumn = record.indexOf(kId);
        QStringList names;
        for (int i = 0; i < record.count(); ++i)
            names << record.fieldName(i);
        while (query.next()) {
            // Not worth a warning: the user asked for it.
            if (cancelRequested()) {
                if (error)
                    *error = tr("The backup was cancelled");
                return QByteArray();
            }
            QJsonObject row;
            for (int i = 0; i < names.size(); ++i)
                row.insert(names.at(i), toJson(query, i));
            const QString path
                = QStringLiteral("%1/%2.json").arg(folder, query.value(idColumn).toString());
            const QByteArray data = QJsonDocument(row).toJson(QJsonDocument::Indented);
            // What the restore would refuse is refused here, where it can still be mended.
            if (data.size() > kMaxEntrySize)
                return fail(tr("%1: the row is too large for a backup (%2 bytes)")
                                .arg(path)
                                .arg(data.size()));
            totalSize += data.size();
            if (totalSize > kMaxTotalSize)
                return fail(tr("The database is too large for a backup"));
            writer.addFile(path, data);
            ++count;
            countRow(&rowsDone);
        }
        // next() also ends on a read error part way through the table.
        if (query.lastError().isValid())
            return fail(
                tr("Cannot read %1: %2").arg(QLatin1String(entry.table), query.lastError().text()));
        manifest.insert(QLatin1String(entry.manifestKey), count);
        entries += quint64(count);
    }

    writer.addFile(kManifestPath, QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    ++entries;
    writer.close();
    if (writer.status() != QZipWriter::NoError)
        return fail(tr("The archive could not be written"));
    QByteArray zip = buffer.data();
    addZip64End(zip, entries);
    return zip;
}

BackupImportResult BackupService::importBackup(const QByteArray &archive, BackupImportMode mode) {
    BackupImportResult result;
    const ZipArchiveReader zip(archive);
    if (!zip.isValid()) {
        result.errors << tr("Failed to open ZIP archive");
        return result;
    }

    QByteArray manifestData;
    const int manifestIndex = zip.indexOf(kManifestPath);
    const auto manifestRead = zip.read(manifestIndex, kMaxEntrySize, &manifestData);
    if (manifestRead == ZipArchiveReader::ReadStatus::TooLarge) {
        result.errors << tr("%1: entry too large").arg(kManifestPath);
        return result;
    }
    if (manifestData.isEmpty()) {
        result.errors << tr("Invalid backup: missing manifest.json");
        return result;
    }
    const QJsonObject manifest = QJsonDocument::fromJson(manifestData).object();
    const int version = manifest.value(QStringLiteral("version")).toInt(0);
    if (version != 1) {
        result.errors << tr("Unsupported backup version: %1").arg(version);
        return result;
    }

    const QList<ZipArchiveReader::Entry> &entries = zip.entries();
    // Decided on the sizes the archive declares (the reader inflates no entry beyond its
    // own), before the write lock is taken.
    qint64 totalSize = 0;
    for (const ZipArchiveReader::Entry &entry : entries) {
        if (entry.uncompressedSize <= kMaxEntrySize)
            totalSize += entry.uncompressedSize;
    }
    if (totalSize > kMaxTotalSize) {
        result.errors << tr("The backup is too large to restore");
        return result;
    }

    const auto refused = [](const QString &reason) {
        qCWarning(lcServices).noquote() << "BackupService: the restore failed:" << reason;
        BackupImportResult failedResult;
        failedResult.errors << tr("The backup could not be written to the database (%1); "
                                  "nothing was restored.")
                                   .arg(reason);
        return failedResult;
    };
    const bool journalInMemory = m_database->setBulkWriteJournal(true);
    const auto journalBack = qScopeGuard([&] {
        if (journalInMemory)
            m_database->setBulkWriteJournal(false);
    });
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return refused(scope.errorText());

    QSet<QString> unknownNames;
    QString fatal;
    qint64 rowsDone = 0;
    const auto cancelled = [] {
        BackupImportResult cancelledResult;
        cancelledResult.cancelled = true;
        cancelledResult.errors << tr("The restore was cancelled; nothing was restored.");
        return cancelledResult;
    };
    for (const BackupTable &entry : kTables) {
        const QString table = QLatin1String(entry.table);
        const QString prefix = QLatin1String(entry.folder) + QLatin1Char('/');
        const TableColumns columns = columnsOf(table);
        BackupImportResult::Counts &counts = result.*(entry.counts);

        // False when the restore cannot go on.
        const auto apply = [&](const Row &row) {
            countRow(&rowsDone);
            QString detail;
            switch (upsertRow(table, columns, row.object, mode, &detail)) {
            case RowOutcome::Written:
                ++counts.imported;
                break;
            case RowOutcome::Skipped:
                ++counts.skipped;
                break;
            case RowOutcome::Failed:
                ++counts.failed;
                result.errors << tr("%1: %2").arg(row.path, detail);
                break;
            case RowOutcome::UnknownColumns:
                ++counts.unknownColumns;
                for (const QString &name : detail.split(QLatin1Char(',')))
                    unknownNames.insert(name);
                break;
            case RowOutcome::Fatal:
                fatal = detail;
                return false;
            }
            return true;
        };

        // Rows that reference rows of their own table wait for the whole table, to be
        // written parents first.
        QList<Row> held;
        for (int i = 0; i < entries.size(); ++i) {
            const QString &path = entries.at(i).path;
            if (!path.startsWith(prefix) || !path.endsWith(QLatin1String(".json")))
                continue;
            if (cancelRequested())
                return cancelled();
            try {
                QByteArray data;
                const auto status = zip.read(i, kMaxEntrySize, &data);
                if (status == ZipArchiveReader::ReadStatus::TooLarge) {
                    result.errors << tr("%1: entry too large").arg(path);
                    continue;
                }
                if (status != ZipArchiveReader::ReadStatus::Ok) {
                    result.errors << tr("%1: unexpected error").arg(path);
                    continue;
                }
                QJsonParseError error;
                const QJsonDocument document = QJsonDocument::fromJson(data, &error);
                if (error.error != QJsonParseError::NoError || !document.isObject()
                    || document.object().isEmpty()) {
                    result.errors << tr("%1: invalid JSON").arg(path);
                    continue;
                }
                Row row{path, document.object()};
                if (!columns.selfReference.isEmpty())
                    held.append(std::move(row));
                else if (!apply(row))
                    return refused(fatal);
            } catch (const std::exception &) {
                result.errors << tr("%1: unexpected error").arg(path);
            }
        }
        for (const Row &row : orderedByReference(held, columns.selfReference)) {
            if (cancelRequested())
                return cancelled();
            if (!apply(row))
                return refused(fatal);
        }
        // Written through SQL of its own, so the restore announces each table itself.
        if (counts.imported > 0)
            m_database->noteChange(table);
    }

    // Last chance to stop: after the commit the restore stands.
    if (cancelRequested())
        return cancelled();
    if (!scope.commit())
        return refused(scope.errorText());
    result.unknownColumnNames = unknownNames.values();
    result.unknownColumnNames.sort();
    result.completed = true;
    return result;
}

QList<BackupService::Row> BackupService::orderedByReference(const QList<Row> &rows,
                                                            const QString &column) {
    // Linear in the rows: each is placed once, after the chain of parents above it. A chain
    // that loops back on itself is placed as it stands; its first row then fails alone.
    QHash<QString, int> firstIndex;
    for (int i = 0; i < rows.size(); ++i)
        firstIndex.insert(rows.at(i).object.value(kId).toString(), i);
    for (int i = rows.size() - 1; i >= 0; --i)
        firstIndex.insert(rows.at(i).object.value(kId).toString(), i);
    enum : char { New, OnChain, Placed };
    QList<char> state(rows.size(), New);
    QList<Row> ordered;
    ordered.reserve(rows.size());
    QList<int> chain;
    for (int start = 0; start < rows.size(); ++start) {
        chain.clear();
        for (int i = start; state.at(i) == New;) {
            state[i] = OnChain;
            chain.append(i);
            const QString parent = rows.at(i).object.value(column).toString();
            const auto it = firstIndex.constFind(parent);
            if (parent.isEmpty() || it == firstIndex.constEnd())
                break;
            i = *it;
        }
        for (int k = chain.size() - 1; k >= 0; --k) {
            state[chain.at(k)] = Placed;
            ordered.append(rows.at(chain.at(k)));
        }
    }
    return ordered;
}

// The value to bind for a column, or false when the value does not fit the column: text
// columns take strings, dates ISO dates, flags 0 or 1 (or a JSON boolean), amounts whole
// numbers within the program's range, other integer columns whole 64-bit numbers. Null
// is left to the column's own constraint.
bool BackupService::checkedValue(const QJsonValue &value, ColumnKind kind, QVariant *variant) {
    if (value.isNull()) {
        *variant = QVariant();
        return true;
    }
    qint64 integer = 0;
    switch (kind) {
    case ColumnKind::Text:
        if (!value.isString())
            return false;
        *variant = value.toString();
        return true;
    case ColumnKind::Date: {
        const QString text = value.toString();
        if (!value.isString() || text.size() != 10
            || !QDate::fromString(text, Qt::ISODate).isValid())
            return false;
        *variant = text;
        return true;
    }
    case ColumnKind::Flag:
        if (value.isBool())
            integer = value.toBool() ? 1 : 0;
        else if (!wholeNumber(value, &integer) || (integer != 0 && integer != 1))
            return false;
        break;
    case ColumnKind::Amount:
        // The wider of the two ranges (cents); the row does not say its currency.
        if (!wholeNumber(value, &integer) || !isAmountInRange(integer, Currency::USD))
            return false;
        break;
    case ColumnKind::Integer:
        if (!wholeNumber(value, &integer))
            return false;
        break;
    }
    *variant = integer;
    return true;
}

BackupService::TableColumns BackupService::columnsOf(const QString &table) const {
    TableColumns columns;
    QSqlQuery query(m_database->connection());
    if (query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(table)))) {
        while (query.next()) {
            const QString name = query.value(1).toString();
            ColumnKind kind = ColumnKind::Text;
            if (kDateColumns.contains(name))
                kind = ColumnKind::Date;
            else if (!query.value(2).toString().contains(QLatin1String("INT"), Qt::CaseInsensitive))
                kind = ColumnKind::Text;
            else if (kAmountColumns.contains(name))
                kind = ColumnKind::Amount;
            else if (kFlagColumns.contains(name) || name.startsWith(QLatin1String("is_")))
                kind = ColumnKind::Flag;
            else
                kind = ColumnKind::Integer;
            columns.kinds.insert(name, kind);
        }
    }
    if (query.exec(QStringLiteral("PRAGMA foreign_key_list(%1)").arg(quotedIdentifier(table)))) {
        while (query.next()) {
            if (query.value(2).toString() == table)
                columns.selfReference = query.value(3).toString();
        }
    }
    columns.hasSync = columns.kinds.contains(QStringLiteral("sync_status"))
                      && columns.kinds.contains(QStringLiteral("server_id"))
                      && columns.kinds.contains(QStringLiteral("version"));
    return columns;
}

BackupService::RowOutcome BackupService::upsertRow(const QString &table,
                                                   const TableColumns &columns, QJsonObject row,
                                                   BackupImportMode mode, QString *detail) const {
    // Restored rows go up to the server as new rows at the next sync.
    if (columns.hasSync) {
        row.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
        row.insert(QStringLiteral("server_id"), QJsonValue(QJsonValue::Null));
        row.insert(QStringLiteral("version"), 1);
    }

    // Member names become SQL identifiers: only the table's own columns are accepted.
    QStringList unknown;
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        if (!columns.kinds.contains(it.key()))
            unknown << it.key();
    }
    if (!unknown.isEmpty()) {
        *detail = unknown.join(QLatin1Char(','));
        return RowOutcome::UnknownColumns;
    }
    const QString id = row.value(kId).toString();
    if (id.isEmpty()) {
        *detail = tr("the row has no id");
        return RowOutcome::Failed;
    }
    QStringList names;
    QVariantList values;
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        QVariant value;
        if (!checkedValue(it.value(), columns.kinds.value(it.key()), &value)) {
            *detail = tr("invalid value for %1").arg(it.key());
            return RowOutcome::Failed;
        }
        names << it.key();
        values << value;
    }

    const QString quotedTable = quotedIdentifier(table);
    QSqlError prepareError;
    QSqlQuery *existing = m_database->preparedStatement(
        QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(quotedTable),
        &prepareError);
    if (!existing) {
        *detail = prepareError.text();
        return RowOutcome::Fatal;
    }
    existing->bindValue(0, id);
    if (!existing->exec()) {
        *detail = existing->lastError().text();
        return RowOutcome::Fatal;
    }
    const bool exists = existing->next();
    const QString localUpdatedAt = exists ? existing->value(1).toString() : QString();
    existing->finish();

    QString sql;
    QVariantList bound;
    if (exists) {
        if (mode == BackupImportMode::SkipExisting)
            return RowOutcome::Skipped;
        if (mode == BackupImportMode::KeepNewer) {
            const QString backupUpdatedAt = row.value(kUpdatedAt).toString();
            if (!backupUpdatedAt.isEmpty() && backupUpdatedAt <= localUpdatedAt)
                return RowOutcome::Skipped;
        }
        QStringList assignments;
        for (int i = 0; i < names.size(); ++i) {
            if (names.at(i) == kId)
                continue;
            assignments << quotedIdentifier(names.at(i)) + QLatin1String(" = ?");
            bound << values.at(i);
        }
        bound << id;
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE id = ?")
                  .arg(quotedTable, assignments.join(QLatin1String(", ")));
    } else {
        QStringList quotedNames;
        for (const QString &name : names)
            quotedNames << quotedIdentifier(name);
        QStringList marks(names.size(), QStringLiteral("?"));
        bound = values;
        sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(quotedTable, quotedNames.join(QLatin1String(", ")),
                       marks.join(QLatin1String(", ")));
    }

    QSqlQuery *write = m_database->preparedStatement(sql, &prepareError);
    if (!write) {
        *detail = prepareError.text();
        return RowOutcome::Fatal;
    }
    // A statement that fails takes back all it did, what its triggers wrote included, so a
    // refused row needs no savepoint of its own.
    for (int i = 0; i < bound.size(); ++i)
        write->bindValue(i, bound.at(i));
    const bool written = write->exec();
    const QSqlError error = write->lastError();
    write->finish();
    if (written)
        return RowOutcome::Written;
    if (isRowFault(error)) {
        *detail = error.databaseText();
        return RowOutcome::Failed;
    }
    *detail = error.text();
    return RowOutcome::Fatal;
}
