// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QCoreApplication>
#include <QString>

#include <atomic>
#include <functional>

class AppState;
class Database;
class QProgressDialog;
class QWidget;

// Runs a long piece of work (an import, a backup, a restore) on a worker thread with a
// connection of its own to the database file, under a modal progress dialog whose Cancel
// really stops the work. The call returns when the work is over; meanwhile the windows keep
// repainting. The worker's committed writes are announced afterwards through AppState, in
// one notice, as the main connection's own would be.
class BackgroundJob {
    Q_DECLARE_TR_FUNCTIONS(BackgroundJob)

public:
    // What the work is handed, on the worker thread.
    class Context {
    public:
        // The worker's own connection, open on the program's database file.
        Database *database() const { return m_database; }
        // True once the user asked to stop; the work should then undo itself and return.
        bool isCancelled() const { return m_cancelled->load(); }
        // Rows done so far; shown in the dialog a few times a second.
        void setProgress(qint64 rows) { m_progress->store(rows); }

    private:
        friend class BackgroundJob;
        Database *m_database = nullptr;
        const std::atomic<bool> *m_cancelled = nullptr;
        std::atomic<qint64> *m_progress = nullptr;
    };

    // True when the work succeeded. It must not touch widgets or the main connection.
    using Work = std::function<bool(Context &context)>;

    enum class Outcome { Succeeded, Failed, Cancelled };

    // label: what the dialog says is being done ("Importing transactions...").
    static Outcome run(QWidget *parent, AppState *state, const QString &title, const QString &label,
                       const Work &work);

    // For tests: called with the progress dialog just before the worker starts, so that a
    // test can press Cancel at a point of its choosing. An empty hook removes it.
    using StartHook = std::function<void(QProgressDialog *dialog)>;
    static void setStartHook(StartHook hook);
};
