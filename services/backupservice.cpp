// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/backupservice.h"

#include "services/servicelog.h"
#include "services/ziparchivereader.h"
#include "storage/database.h"
#include "storage/timestamps.h"
#include "storage/transactionscope.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSqlError>
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

// Export and restore order: a row's references come before it.
const BackupTable kTables[] = {
    {"accounts", "accounts", &BackupImportResult::accounts, "accountCount"},
    {"categories", "categories", &BackupImportResult::categories, "categoryCount"},
    {"transactions", "transactions", &BackupImportResult::transactions, "transactionCount"},
    {"split_lines", "split_lines", &BackupImportResult::splitLines, "splitLineCount"},
    {"recurring", "recurring_transactions", &BackupImportResult::recurring, "recurringCount"},
    {"reconciliations", "reconciliations", &BackupImportResult::reconciliations,
     "reconciliationCount"},
};

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

// Binds JSON values: numbers as 64-bit integers (a fraction stays a fraction rather than
// being cut), strings as text, booleans as true/false. Arrays and objects have no column
// type; such a row is not written.
bool toVariant(const QJsonValue &value, QVariant *variant) {
    switch (value.type()) {
    case QJsonValue::Null:
        *variant = QVariant();
        return true;
    case QJsonValue::Double: {
        // An integer keeps all 64 bits (a double would not); two defaults tell a real
        // integer from a fraction.
        const qint64 integer = value.toInteger(1);
        if (integer == value.toInteger(2))
            *variant = integer;
        else
            *variant = value.toDouble();
        return true;
    }
    case QJsonValue::String:
        *variant = value.toString();
        return true;
    case QJsonValue::Bool:
        *variant = value.toBool();
        return true;
    default:
        return false;
    }
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

QByteArray BackupService::exportBackup() const {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    QJsonObject manifest;
    manifest.insert(QStringLiteral("version"), 1);
    manifest.insert(QStringLiteral("exportedAt"), Timestamps::toText(Timestamps::nowUtc()));
    quint64 entries = 0;

    for (const BackupTable &entry : kTables) {
        const QString folder = QLatin1String(entry.folder);
        qint64 count = 0;
        QSqlQuery query(m_database->connection());
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT * FROM %1").arg(QLatin1String(entry.table)))) {
            qCWarning(lcServices).noquote()
                << "BackupService export query failed:" << query.lastError().text();
        } else {
            const QSqlRecord record = query.record();
            const int idColumn = record.indexOf(kId);
            QStringList names;
            for (int i = 0; i < record.count(); ++i)
                names << record.fieldName(i);
            while (query.next()) {
                QJsonObject row;
                for (int i = 0; i < names.size(); ++i)
                    row.insert(names.at(i), toJson(query, i));
                writer.addFile(
                    QStringLiteral("%1/%2.json").arg(folder, query.value(idColumn).toString()),
                    QJsonDocument(row).toJson(QJsonDocument::Indented));
                ++count;
            }
        }
        manifest.insert(QLatin1String(entry.manifestKey), count);
        entries += quint64(count);
    }

    writer.addFile(kManifestPath, QJsonDocument(manifest).toJson(QJsonDocument::Indented));
    ++entries;
    writer.close();
    if (writer.status() != QZipWriter::NoError)
        return QByteArray();
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

    const QString commitFailed = tr("The backup could not be written to the database; nothing "
                                    "was restored.");
    TransactionScope scope(m_database);
    if (!scope.isOpen()) {
        qCWarning(lcServices).noquote() << "BackupService: cannot begin a transaction";
        result.errors << commitFailed;
        return result;
    }

    const QList<ZipArchiveReader::Entry> &entries = zip.entries();
    for (const BackupTable &entry : kTables) {
        const QString table = QLatin1String(entry.table);
        const QString prefix = QLatin1String(entry.folder) + QLatin1Char('/');
        const TableColumns columns = columnsOf(table);
        BackupImportResult::Counts &counts = result.*(entry.counts);
        // Rows whose statement failed, tried again once the rest of the table is in: a
        // category can come before the parent it references.
        QList<QJsonObject> failed;

        for (int i = 0; i < entries.size(); ++i) {
            const QString &path = entries.at(i).path;
            if (!path.startsWith(prefix) || !path.endsWith(QLatin1String(".json")))
                continue;
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
                const QJsonObject row = document.object();
                switch (upsertRow(table, columns, row, mode)) {
                case RowOutcome::Written:
                    ++counts.imported;
                    break;
                case RowOutcome::Skipped:
                    ++counts.skipped;
                    break;
                case RowOutcome::Failed:
                    failed.append(row);
                    break;
                }
            } catch (const std::exception &) {
                result.errors << tr("%1: unexpected error").arg(path);
            }
        }

        for (bool progress = true; progress && !failed.isEmpty();) {
            progress = false;
            for (auto it = failed.begin(); it != failed.end();) {
                if (upsertRow(table, columns, *it, mode) == RowOutcome::Written) {
                    ++counts.imported;
                    it = failed.erase(it);
                    progress = true;
                } else {
                    ++it;
                }
            }
        }
        counts.skipped += int(failed.size());
        // Written through SQL of its own, so the restore announces each table itself.
        if (counts.imported > 0)
            m_database->noteChange(table);
    }

    if (!scope.commit()) {
        qCWarning(lcServices).noquote()
            << "BackupService: the restore could not be committed:" << scope.errorText();
        BackupImportResult failedResult;
        failedResult.errors << commitFailed;
        return failedResult;
    }
    return result;
}

BackupService::TableColumns BackupService::columnsOf(const QString &table) const {
    TableColumns columns;
    QSqlQuery query(m_database->connection());
    if (query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quotedIdentifier(table)))) {
        while (query.next())
            columns.names.insert(query.value(1).toString());
    }
    columns.hasSync = columns.names.contains(QStringLiteral("sync_status"))
                      && columns.names.contains(QStringLiteral("server_id"))
                      && columns.names.contains(QStringLiteral("version"));
    return columns;
}

BackupService::RowOutcome BackupService::upsertRow(const QString &table,
                                                   const TableColumns &columns, QJsonObject row,
                                                   BackupImportMode mode) const {
    // Restored rows go up to the server as new rows at the next sync.
    if (columns.hasSync) {
        row.insert(QStringLiteral("sync_status"), QStringLiteral("pending"));
        row.insert(QStringLiteral("server_id"), QJsonValue(QJsonValue::Null));
        row.insert(QStringLiteral("version"), 1);
    }
    const QString id = row.value(kId).toString();
    if (id.isEmpty())
        return RowOutcome::Skipped;

    // Member names become SQL identifiers: only the table's own columns are accepted.
    QStringList names;
    QVariantList values;
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        QVariant value;
        if (!columns.names.contains(it.key()) || !toVariant(it.value(), &value))
            return RowOutcome::Skipped;
        names << it.key();
        values << value;
    }

    const QString quotedTable = quotedIdentifier(table);
    QSqlQuery *existing = m_database->preparedStatement(
        QStringLiteral("SELECT id, updated_at FROM %1 WHERE id = ?").arg(quotedTable));
    if (!existing)
        return RowOutcome::Skipped;
    existing->bindValue(0, id);
    if (!existing->exec())
        return RowOutcome::Skipped;
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

    QSqlQuery *write = m_database->preparedStatement(sql);
    if (!write)
        return RowOutcome::Failed;
    // A row that fails (a reference not in yet) must leave nothing behind, not even what a
    // trigger wrote for it.
    TransactionScope rowScope(m_database);
    if (!rowScope.isOpen())
        return RowOutcome::Failed;
    for (int i = 0; i < bound.size(); ++i)
        write->bindValue(i, bound.at(i));
    const bool written = write->exec();
    write->finish();
    if (!written)
        return RowOutcome::Failed;
    return rowScope.commit() ? RowOutcome::Written : RowOutcome::Failed;
}
