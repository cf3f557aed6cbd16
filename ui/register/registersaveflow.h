// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/entrywriter.h"
#include "storage/database.h"
#include "storage/splitline.h"

#include <QList>
#include <QObject>
#include <QString>

class AppState;
class QWidget;
struct Transaction;

// A save from the register and the questions it may have to ask on the way: whether to
// rewrite a reconciled other leg, and how to divide a split whose amount changed.
class RegisterSaveFlow : public QObject {
    Q_OBJECT

public:
    // Its questions open over parent.
    RegisterSaveFlow(AppState *state, QWidget *parent);

    // Writes the transaction (new when fields has no id, else edited) and, when lines is
    // set, its split lines, all in one database transaction. Asks before it rewrites a
    // reconciled other leg; says why when it fails.
    // before, when given, receives the database's write mark from before the save.
    bool store(const EntryFields &fields, const QList<SplitLine> *lines, QString *savedId,
               Database::WriteMark *before = nullptr);
    // Explains a refused or failed write.
    void showWriteResult(EntryWriter::Result result);
    // A split row whose amount changed: asks to split it again (filling lines) or to remove
    // the split. False when the user backed out and nothing should be saved.
    bool resplit(const Transaction &transaction, QList<SplitLine> *lines);

Q_SIGNALS:
    // For the register's message line.
    void statusMessage(const QString &text, int milliseconds);

private:
    AppState *m_state; // Not owned.
    QWidget *m_parent; // Not owned (the register).
};
