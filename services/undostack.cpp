// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/undostack.h"

#include "services/servicelog.h"
#include "storage/database.h"
#include "storage/timestamps.h"
#include "storage/transactionscope.h"

#include <QHash>

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <functional>

namespace {

// Every table a person's change can write. Anything else (preferences, sync bookkeeping,
// the report summaries the triggers keep) follows from these or is no part of the books.
// New tables go at the end: a step the command line kept names its tables by position.
const char *const kTables[]
    = {"accounts",        "categories", "transactions", "split_lines", "recurring_transactions",
       "reconciliations", "budgets"};

// Sync bookkeeping: a push marks rows synced without anyone changing them.
bool isSyncColumn(const QString &column) {
    return column == QLatin1String("sync_status") || column == QLatin1String("server_id");
}

// Kept as the row holds them when an image is written back: who the row is, when it was
// first made and how far sync got; the version and update time move forward instead.
bool isKeptColumn(const QString &column) {
    return column == QLatin1String("id") || column == QLatin1String("created_at")
           || column == QLatin1String("version") || column == QLatin1String("updated_at")
           || isSyncColumn(column);
}

// From this many rows on (an import), a step is written with the statement journal in memory,
// as the import that made it was: on disk the journal costs several writes a row.
constexpr int kBulkRows = 1000;

} // namespace

// Prepared on first use, for the rows of one apply: the check reads thousands of rows of an
// import, and each row's write is one of a few statements a table.
struct UndoStack::Statements {
    Database *database;
    QHash<QByteArray, QSqlQuery *> prepared;

    QSqlQuery *get(int table, char kind, const QByteArray &columns,
                   const std::function<QString()> &sql) {
        QByteArray key = columns;
        key.prepend(kind).prepend(char(table));
        auto found = prepared.constFind(key);
        if (found != prepared.constEnd())
            return *found;
        QSqlQuery *query = database->preparedStatement(sql());
        prepared.insert(key, query);
        return query;
    }
};

UndoStack::UndoStack(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database) {
    m_ready = installTriggers();
    if (!m_ready)
        qCWarning(lcServices) << "Undo history unavailable: recording triggers not installed";
}

UndoStack::~UndoStack() = default;

bool UndoStack::installTriggers() {
    if (!m_database)
        return false;
    QSqlQuery query(m_database->connection());
    auto run = [&query](const QString &sql) {
        if (query.exec(sql))
            return true;
        qCWarning(lcServices).noquote() << "UndoStack:" << query.lastError().text() << sql;
        return false;
    };
    if (!run(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS undo_recording (active INTEGER)"))
        || !run(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS undo_touched (tbl TEXT NOT NULL, "
                               "id TEXT NOT NULL, PRIMARY KEY (tbl, id)) WITHOUT ROWID")))
        return false;
    for (const char *name : kTables) {
        Table table;
        table.name = QString::fromLatin1(name);
        if (!query.exec(QStringLiteral("PRAGMA main.table_info(%1)").arg(table.name)))
            return false;
        while (query.next())
            table.columns << query.value(1).toString();
        if (table.columns.isEmpty())
            return false;
        table.versioned = table.columns.contains(QLatin1String("version"));
        table.version = table.columns.indexOf(QLatin1String("version"));
        table.updatedAt = table.columns.indexOf(QLatin1String("updated_at"));
        table.deletedAt = table.columns.indexOf(QLatin1String("deleted_at"));
        table.syncStatus = table.columns.indexOf(QLatin1String("sync_status"));
        for (int column = 0; column < table.columns.size(); ++column) {
            if (!isSyncColumn(table.columns.at(column)))
                table.compared << column;
        }
        if (table.name == QLatin1String("transactions"))
            table.account = table.columns.indexOf(QLatin1String("account_id"));
        const QString t = table.name;
        const QString recording = QStringLiteral("EXISTS (SELECT 1 FROM temp.undo_recording)");
        // The first image of a row wins: a row written twice in one change comes back as it
        // was before the change, and a row the change made has no image at all.
        const QString firstTouch
            = QStringLiteral("%1 AND NOT EXISTS (SELECT 1 FROM temp.undo_touched WHERE "
                             "tbl = '%2' AND id = OLD.id)")
                  .arg(recording, t);
        const QString keepImage
            = QStringLiteral("BEGIN INSERT INTO undo_before_%1 SELECT * FROM main.%1 "
                             "WHERE id = OLD.id; INSERT INTO undo_touched VALUES "
                             "('%1', OLD.id); END")
                  .arg(t);
        if (!run(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS undo_before_%1 AS SELECT * "
                                "FROM main.%1 WHERE 0")
                     .arg(t))
            || !run(QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS temp.undo_before_%1_id ON "
                                   "undo_before_%1 (id)")
                        .arg(t))
            || !run(QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS undo_%1_bu BEFORE UPDATE "
                                   "ON main.%1 WHEN %2 %3")
                        .arg(t, firstTouch, keepImage))
            || !run(QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS undo_%1_bd BEFORE DELETE "
                                   "ON main.%1 WHEN %2 %3")
                        .arg(t, firstTouch, keepImage))
            || !run(QStringLiteral("CREATE TEMP TRIGGER IF NOT EXISTS undo_%1_ai AFTER INSERT ON "
                                   "main.%1 WHEN %2 BEGIN INSERT OR IGNORE INTO undo_touched "
                                   "VALUES ('%1', NEW.id); END")
                        .arg(t, recording)))
            return false;
        m_tables << table;
    }
    return true;
}

QString UndoStack::undoLabel() const {
    return m_undo.isEmpty() ? QString() : m_undo.last().label;
}

QString UndoStack::redoLabel() const {
    return m_redo.isEmpty() ? QString() : m_redo.last().label;
}

void UndoStack::clear() {
    m_undo.clear();
    m_redo.clear();
    Q_EMIT changed();
}

void UndoStack::pushUndo(const UndoStep &step) {
    m_undo << step;
    m_redo.clear();
    Q_EMIT changed();
}

void UndoStack::clearRecorded() {
    QSqlQuery query(m_database->connection());
    query.exec(QStringLiteral("DELETE FROM temp.undo_recording"));
    query.exec(QStringLiteral("DELETE FROM temp.undo_touched"));
    for (const Table &table : std::as_const(m_tables))
        query.exec(QStringLiteral("DELETE FROM temp.undo_before_%1").arg(table.name));
}

void UndoStack::beginRecording() {
    if (m_depth++ > 0)
        return;
    clearRecorded();
    QSqlQuery query(m_database->connection());
    const QString start = QStringLiteral("INSERT INTO temp.undo_recording VALUES (1)");
    if (query.exec(start))
        return;
    // Moving temporary storage (a bulk import does) drops every temporary table and
    // trigger of the connection: put them back.
    m_tables.clear();
    if (!installTriggers() || !query.exec(start))
        qCWarning(lcServices).noquote() << "UndoStack: cannot record:" << query.lastError().text();
}

void UndoStack::endRecording(const QString &label, bool keep) {
    if (--m_depth > 0)
        return;
    UndoStep step;
    step.label = label;
    QSqlQuery query(m_database->connection());
    query.setForwardOnly(true);
    // Room for every row at once: growing the list row by row would hold two copies of it
    // for a moment, and an import's is large.
    if (keep && query.exec(QStringLiteral("SELECT count(*) FROM temp.undo_touched"))
        && query.next())
        step.rows.reserve(query.value(0).toLongLong());
    query.finish();
    for (int index = 0; keep && index < m_tables.size(); ++index) {
        const Table &table = m_tables.at(index);
        const int width = table.columns.size();
        auto image = [&query, width]() {
            QVariantList values;
            values.reserve(width);
            for (int column = 0; column < width; ++column)
                values << query.value(column);
            return values;
        };
        QHash<QString, UndoImage> before;
        if (query.exec(QStringLiteral("SELECT * FROM temp.undo_before_%1").arg(table.name))) {
            while (query.next())
                before.insert(query.value(0).toString(), UndoImage(image()));
        }
        // Each row as the change left it, packed as it is read: an import touches many
        // thousands, and a second copy of them all would double what the step costs.
        const int idColumn = table.columns.indexOf(QLatin1String("id"));
        if (!query.exec(QStringLiteral("SELECT m.*, u.id FROM temp.undo_touched u LEFT JOIN "
                                       "main.%1 m ON m.id = u.id WHERE u.tbl = '%1' ORDER BY u.id")
                            .arg(table.name)))
            continue;
        while (query.next()) {
            UndoRow row;
            row.table = index;
            row.id = query.value(width).toString();
            if (const auto found = before.constFind(row.id); found != before.constEnd())
                row.before = *found;
            if (!query.value(idColumn).isNull())
                row.after = UndoImage(image());
            row.current = row.after;
            step.rows << row;
        }
    }
    clearRecorded();
    if (!step.rows.isEmpty())
        pushUndo(step);
}

bool UndoStack::rowIs(QSqlQuery *select, const Table &table, const QString &id,
                      const std::optional<UndoImage> &image, bool *ok) const {
    *ok = select && (select->addBindValue(id), select->exec());
    if (!*ok)
        return false;
    bool same = false;
    if (!select->next()) {
        same = !image;
    } else if (image) {
        const QVariantList values = image->values();
        same = true;
        for (const int column : table.compared) {
            if (select->value(column) != values.at(column)) {
                same = false;
                break;
            }
        }
    }
    select->finish();
    return same;
}

bool UndoStack::apply(UndoStep &step, bool toBefore, QString *error) {
    // Only outside a transaction; it also drops the recording's temporary tables, which the
    // next recording puts back.
    const bool bulk = step.rows.size() >= kBulkRows && m_database->transactionDepth() == 0
                      && m_database->setBulkWriteJournal(true);
    const bool ok = writeStep(step, toBefore, error);
    if (bulk)
        m_database->setBulkWriteJournal(false);
    return ok;
}

bool UndoStack::writeStep(UndoStep &step, bool toBefore, QString *error) {
    auto fail = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    TransactionScope scope(m_database);
    if (!scope.isOpen())
        return fail(tr("The database could not be written."));
    Statements statements{m_database, {}};
    auto select = [&](int index) {
        return statements.get(index, 's', {}, [&] {
            return QStringLiteral("SELECT * FROM main.%1 WHERE id = ?")
                .arg(m_tables.at(index).name);
        });
    };
    bool ok = true;
    for (const UndoRow &row : std::as_const(step.rows)) {
        const Table &table = m_tables.at(row.table);
        const bool same = rowIs(select(row.table), table, row.id, row.current, &ok);
        if (!ok)
            return fail(tr("The database could not be read."));
        if (!same)
            return fail(toBefore ? tr("\"%1\" cannot be undone: its entries were changed since, "
                                      "on another device or in another program.")
                                       .arg(step.label)
                                 : tr("\"%1\" cannot be redone: its entries were changed since, "
                                      "on another device or in another program.")
                                       .arg(step.label));
    }

    const QString now = Timestamps::toText(Timestamps::nowUtc());
    const QVariant pending = QStringLiteral("pending");
    // What an undo write does to every row it leaves in place: a new update time and, where
    // sync counts versions, the next version, waiting to be pushed.
    auto stamp = [&now, &pending](const Table &table, QVariantList &image) {
        if (table.updatedAt >= 0)
            image[table.updatedAt] = now;
        if (table.version >= 0)
            image[table.version] = image.at(table.version).toLongLong() + 1;
        if (table.syncStatus >= 0)
            image[table.syncStatus] = pending;
    };
    QList<std::optional<UndoImage>> written;
    written.reserve(step.rows.size());
    QByteArray changed;
    QVariantList values;
    for (const UndoRow &row : std::as_const(step.rows)) {
        const Table &table = m_tables.at(row.table);
        const auto unpack = [](const std::optional<UndoImage> &image) {
            return image ? std::optional<QVariantList>(image->values()) : std::nullopt;
        };
        const std::optional<QVariantList> target = unpack(toBefore ? row.before : row.after);
        const std::optional<QVariantList> present = unpack(row.current);
        const int width = table.columns.size();
        QSqlQuery *query = nullptr;
        std::optional<QVariantList> result;
        values.clear();
        if (!target && present && table.deletedAt >= 0 && table.versioned) {
            query = statements.get(row.table, 'd', {}, [&] {
                return QStringLiteral("UPDATE main.%1 SET deleted_at = ?, updated_at = ?, version "
                                      "= version + 1, sync_status = 'pending' WHERE id = ?")
                    .arg(table.name);
            });
            values = {now, now, row.id};
            result = present;
            (*result)[table.deletedAt] = now;
            stamp(table, *result);
        } else if (!target && present) {
            query = statements.get(row.table, 'D', {}, [&] {
                return QStringLiteral("DELETE FROM main.%1 WHERE id = ?").arg(table.name);
            });
            values = {row.id};
        } else if (target && !present) {
            result = target;
            stamp(table, *result);
            query = statements.get(row.table, 'i', {}, [&] {
                const QStringList marks(width, QStringLiteral("?"));
                return QStringLiteral("INSERT INTO main.%1 (%2) VALUES (%3)")
                    .arg(table.name, table.columns.join(QLatin1Char(',')),
                         marks.join(QLatin1Char(',')));
            });
            values = *result;
        } else if (target && present) {
            // Only the columns that differ: an import's rows differ in their deletion stamp
            // alone, and columns left out of the statement do not wake the search index's
            // and the summaries' triggers.
            changed.fill('0', width);
            bool any = false;
            for (int column = 0; column < width; ++column) {
                if (!isKeptColumn(table.columns.at(column))
                    && target->at(column) != present->at(column)) {
                    changed[column] = '1';
                    values << target->at(column);
                    any = true;
                }
            }
            result = present;
            if (any) {
                query = statements.get(row.table, 'u', changed, [&] {
                    QStringList sets;
                    for (int column = 0; column < width; ++column) {
                        if (changed.at(column) == '1')
                            sets << table.columns.at(column) + QStringLiteral(" = ?");
                    }
                    if (table.updatedAt >= 0)
                        sets << QStringLiteral("updated_at = ?");
                    if (table.versioned)
                        sets << QStringLiteral("version = version + 1")
                             << QStringLiteral("sync_status = 'pending'");
                    return QStringLiteral("UPDATE main.%1 SET %2 WHERE id = ?")
                        .arg(table.name, sets.join(QStringLiteral(", ")));
                });
                if (table.updatedAt >= 0)
                    values << now;
                values << row.id;
                for (int column = 0; column < width; ++column) {
                    if (changed.at(column) == '1')
                        (*result)[column] = target->at(column);
                }
                if (table.updatedAt >= 0)
                    (*result)[table.updatedAt] = now;
                if (table.versioned) {
                    (*result)[table.version] = result->at(table.version).toLongLong() + 1;
                    if (table.syncStatus >= 0)
                        (*result)[table.syncStatus] = pending;
                }
            }
        }
        if (!values.isEmpty()) {
            if (!query)
                return fail(tr("The database could not be written."));
            for (const QVariant &value : std::as_const(values))
                query->addBindValue(value);
            ok = query->exec();
            query->finish();
            if (!ok) {
                qCWarning(lcServices).noquote() << "UndoStack:" << query->lastError().text();
                return fail(tr("The database could not be written."));
            }
        }
        written << (result ? std::optional<UndoImage>(UndoImage(*result)) : std::nullopt);
        if (table.account >= 0) {
            for (const auto *image : {&target, &present}) {
                if (image->has_value())
                    m_database->noteChange(table.name, (*image)->at(table.account).toString());
            }
        } else {
            m_database->noteChange(table.name);
        }
    }
    if (!scope.commit()) {
        qCWarning(lcServices).noquote() << "UndoStack: commit failed:" << scope.errorText();
        return fail(tr("The database could not be written."));
    }
    for (int index = 0; index < step.rows.size(); ++index)
        step.rows[index].current = written.at(index);
    return true;
}

bool UndoStack::undo(QString *error) {
    if (m_undo.isEmpty() || m_depth > 0)
        return false;
    if (!apply(m_undo.last(), true, error))
        return false;
    m_redo << m_undo.takeLast();
    Q_EMIT changed();
    return true;
}

bool UndoStack::redo(QString *error) {
    if (m_redo.isEmpty() || m_depth > 0)
        return false;
    if (!apply(m_redo.last(), false, error))
        return false;
    m_undo << m_redo.takeLast();
    Q_EMIT changed();
    return true;
}
