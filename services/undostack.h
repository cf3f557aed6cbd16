// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/undostep.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Database;
class QSqlQuery;

// The session's history of changes to the books, for Edit > Undo and Redo. While a write
// service records (UndoRecording), triggers of this connection keep the first image of
// every row written; the step holds those and the rows as the write left them. Undo and
// redo write new versions of the rows, marked for sync like any edit, and refuse to touch a
// step whose rows someone changed since.
class UndoStack : public QObject {
    Q_OBJECT

public:
    explicit UndoStack(Database *database, QObject *parent = nullptr);
    ~UndoStack() override;

    // False when the recording triggers could not be installed; nothing is recorded then.
    bool isReady() const { return m_ready; }

    bool canUndo() const { return !m_undo.isEmpty(); }
    bool canRedo() const { return !m_redo.isEmpty(); }
    // The name of the change undo or redo would take back or do again; empty when none.
    QString undoLabel() const;
    QString redoLabel() const;

    // Takes back the newest change. False, with the reason in *error, when it was refused
    // or failed; nothing is written then and the step stays where it was.
    bool undo(QString *error = nullptr);
    bool redo(QString *error = nullptr);

    void clear();

    // Steps kept from older sessions (the command line keeps its last one in the database).
    const QList<UndoStep> &undoSteps() const { return m_undo; }
    void pushUndo(const UndoStep &step);

    // The tables a step's rows refer to by index, with their columns in image order, so that
    // a step kept outside the session can be read back against the schema of the day.
    int tableCount() const { return int(m_tables.size()); }
    QString tableName(int index) const { return m_tables.at(index).name; }
    QStringList tableColumns(int index) const { return m_tables.at(index).columns; }

Q_SIGNALS:
    // The history changed: a change was recorded, undone or redone.
    void changed();

private:
    friend class UndoRecording;

    struct Table {
        QString name;
        QStringList columns;
        bool versioned = false;
        // Where the columns undo writes itself sit in an image; -1 when the table has none.
        int version = -1;
        int updatedAt = -1;
        int deletedAt = -1;
        int syncStatus = -1;
        int account = -1;
        // The columns undo checks before it writes: all but the sync bookkeeping.
        QList<int> compared;
    };
    // The statements of one apply, prepared once for all its rows.
    struct Statements;

    void beginRecording();
    void endRecording(const QString &label, bool keep);
    bool installTriggers();
    void clearRecorded();
    // Whether the row stored under id is image (no value: there is none), sync bookkeeping
    // aside: a push marks rows synced without anyone changing them.
    bool rowIs(QSqlQuery *select, const Table &table, const QString &id,
               const std::optional<UndoImage> &image, bool *ok) const;
    // Writes the target image of every row (before for undo, after for redo) once each row
    // still looks as the step last left it.
    bool apply(UndoStep &step, bool toBefore, QString *error);
    bool writeStep(UndoStep &step, bool toBefore, QString *error);

    Database *m_database; // Not owned.
    QList<Table> m_tables;
    QList<UndoStep> m_undo;
    QList<UndoStep> m_redo;
    int m_depth = 0;
    bool m_ready = false;
};
