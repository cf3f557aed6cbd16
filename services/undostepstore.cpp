// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/undostepstore.h"

#include "services/servicelog.h"
#include "services/undostack.h"
#include "storage/database.h"
#include "storage/timestamps.h"

#include <QDataStream>
#include <QHash>
#include <QIODevice>
#include <QSqlError>
#include <QSqlQuery>

namespace {

constexpr quint32 kFormat = 1;
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_6_4;

// An image of a row, or none; undo's "current" is mostly the "after" image and then is not
// written twice.
enum class Image : quint8 { None, Values, SameAsAfter };

void writeImage(QDataStream &out, const std::optional<UndoImage> &image) {
    out << quint8(image ? Image::Values : Image::None);
    if (image)
        out << image->values();
}

// Reads an image written by writeImage, or the mark that it is the after image.
bool readImage(QDataStream &in, int width, const std::optional<UndoImage> *after,
               std::optional<UndoImage> *image) {
    quint8 kind = 0;
    in >> kind;
    if (in.status() != QDataStream::Ok)
        return false;
    switch (Image(kind)) {
    case Image::None:
        return true;
    case Image::SameAsAfter:
        if (!after || !*after)
            return false;
        *image = *after;
        return true;
    case Image::Values:
        break;
    default:
        return false;
    }
    QVariantList values;
    in >> values;
    if (in.status() != QDataStream::Ok || values.size() != width)
        return false;
    *image = UndoImage(values);
    return true;
}

} // namespace

UndoStepStore::UndoStepStore(Database *database, UndoStack *stack)
    : m_database(database)
    , m_stack(stack) {}

bool UndoStepStore::save() {
    if (!m_stack || !m_stack->canUndo())
        return false;
    const UndoStep &step = m_stack->undoSteps().last();
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(kStreamVersion);
    out << kFormat << quint32(m_stack->tableCount());
    for (int table = 0; table < m_stack->tableCount(); ++table)
        out << m_stack->tableName(table) << m_stack->tableColumns(table);
    out << quint32(step.rows.size());
    for (const UndoRow &row : step.rows) {
        out << quint32(row.table) << row.id;
        writeImage(out, row.before);
        writeImage(out, row.after);
        if (row.current == row.after && row.current) {
            out << quint8(Image::SameAsAfter);
        } else {
            writeImage(out, row.current);
        }
    }
    QSqlQuery query(m_database->connection());
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO cli_last_change (id, label, step, "
                                 "recorded_at) VALUES (1, ?, ?, ?)"));
    query.addBindValue(step.label);
    query.addBindValue(bytes);
    query.addBindValue(Timestamps::toText(Timestamps::nowUtc()));
    if (query.exec())
        return true;
    qCWarning(lcServices).noquote()
        << "UndoStepStore: cannot keep the step:" << query.lastError().text();
    return false;
}

std::optional<UndoStep> UndoStepStore::restore(QString *error) {
    error->clear();
    QSqlQuery query(m_database->connection());
    if (!query.exec(QStringLiteral("SELECT label, step FROM cli_last_change WHERE id = 1"))) {
        *error = QStringLiteral("the database could not be read: %1").arg(query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    UndoStep step;
    step.label = query.value(0).toString();
    const QByteArray bytes = query.value(1).toByteArray();
    query.finish();

    const QString unreadable = QStringLiteral(
        "the last change was recorded by another version of the program and cannot be undone");
    QDataStream in(bytes);
    in.setVersion(kStreamVersion);
    quint32 format = 0;
    quint32 tables = 0;
    in >> format >> tables;
    if (in.status() != QDataStream::Ok || format != kFormat) {
        *error = unreadable;
        return std::nullopt;
    }
    // Stored table slots to this run's; a table whose columns moved cannot take the images.
    QHash<QString, int> current;
    for (int table = 0; table < m_stack->tableCount(); ++table)
        current.insert(m_stack->tableName(table), table);
    QList<int> slotToTable;
    for (quint32 slot = 0; slot < tables && in.status() == QDataStream::Ok; ++slot) {
        QString name;
        QStringList columns;
        in >> name >> columns;
        const int table = current.value(name, -1);
        slotToTable << (table >= 0 && m_stack->tableColumns(table) == columns ? table : -1);
    }
    quint32 rows = 0;
    in >> rows;
    for (quint32 index = 0; index < rows && in.status() == QDataStream::Ok; ++index) {
        quint32 slot = 0;
        UndoRow row;
        in >> slot >> row.id;
        const int table = slot < quint32(slotToTable.size()) ? slotToTable.at(int(slot)) : -1;
        if (table < 0) {
            *error = unreadable;
            return std::nullopt;
        }
        row.table = table;
        const int width = int(m_stack->tableColumns(table).size());
        if (!readImage(in, width, nullptr, &row.before)
            || !readImage(in, width, nullptr, &row.after)
            || !readImage(in, width, &row.after, &row.current)) {
            *error = unreadable;
            return std::nullopt;
        }
        step.rows << row;
    }
    if (in.status() != QDataStream::Ok || !in.atEnd()) {
        *error = unreadable;
        return std::nullopt;
    }
    m_stack->pushUndo(step);
    return step;
}

bool UndoStepStore::clear() {
    QSqlQuery query(m_database->connection());
    if (query.exec(QStringLiteral("DELETE FROM cli_last_change")))
        return true;
    qCWarning(lcServices).noquote()
        << "UndoStepStore: cannot forget the step:" << query.lastError().text();
    return false;
}
