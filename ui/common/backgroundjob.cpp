// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/common/backgroundjob.h"

#include "app/appstate.h"
#include "storage/database.h"

#include <QEventLoop>
#include <QList>
#include <QLocale>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <memory>
#include <utility>

namespace {

// How often the dialog shows the rows done.
constexpr int kProgressIntervalMs = 100;

BackgroundJob::StartHook &startHook() {
    static BackgroundJob::StartHook hook;
    return hook;
}

QString workerConnectionName() {
    static std::atomic<int> counter{0};
    return QStringLiteral("quillon-worker-%1").arg(++counter);
}

// Copies the log the work wrote back into the database file, on a pool thread of its own
// connection, once the work is over. Done at the work's commit, as SQLite does by itself, the
// copy of a large import's pages would keep the user waiting for the result that much longer;
// left to the next commit, it would fall on the main connection and stall a later save. A
// passive copy never waits for, nor holds up, the other connections; the application waits for
// the pool before it exits.
void checkpointInBackground(const QString &path) {
    QThreadPool::globalInstance()->start([path] {
        Database database(workerConnectionName());
        if (!database.open(path))
            return;
        QSqlQuery query(database.connection());
        query.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    });
}

} // namespace

void BackgroundJob::setStartHook(StartHook hook) {
    startHook() = std::move(hook);
}

BackgroundJob::Outcome BackgroundJob::run(QWidget *parent, AppState *state, const QString &title,
                                          const QString &label, const Work &work) {
    const QString path = state->database()->connection().databaseName();
    std::atomic<bool> cancelled{false};
    std::atomic<qint64> progress{0};
    bool succeeded = false;
    // Written on the worker thread, read here only after it has ended.
    QList<std::pair<QString, QString>> notices;

    QProgressDialog dialog(label, tr("Cancel"), 0, 0, parent);
    dialog.setWindowTitle(title);
    dialog.setAccessibleName(title);
    // The other windows must not write while the worker holds the database's write lock.
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(0);
    dialog.setMinimumWidth(320);
    // Closed from its title bar the dialog would go while the work is still undoing itself;
    // Cancel and Escape keep it up until the work has stopped.
    dialog.setWindowFlag(Qt::WindowCloseButtonHint, false);
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, [&] {
        cancelled.store(true);
        // QProgressDialog hides itself on Cancel; the rollback may take a moment, and the
        // dialog stays up until the work has really stopped.
        dialog.setLabelText(tr("Cancelling..."));
        if (QPushButton *button = dialog.findChild<QPushButton *>())
            button->setEnabled(false);
        dialog.show();
    });

    QTimer ticker;
    ticker.setInterval(kProgressIntervalMs);
    QObject::connect(&ticker, &QTimer::timeout, &dialog, [&] {
        if (cancelled.load())
            return;
        const qint64 rows = progress.load();
        if (rows > 0)
            dialog.setLabelText(label + QLatin1Char('\n')
                                + tr("%1 rows done").arg(QLocale().toString(rows)));
    });

    std::unique_ptr<QThread> thread(QThread::create([&] {
        Database database(workerConnectionName());
        QObject::connect(&database, &Database::changed,
                         [&notices](const QString &table, const QString &subject) {
                             notices.append({table, subject});
                         });
        if (!database.open(path))
            return;
        // The log is copied back afterwards (see checkpointInBackground).
        QSqlQuery(database.connection()).exec(QStringLiteral("PRAGMA wal_autocheckpoint=0"));
        Context context;
        context.m_database = &database;
        context.m_cancelled = &cancelled;
        context.m_progress = &progress;
        succeeded = work(context);
    }));

    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    dialog.show();
    if (startHook())
        startHook()(&dialog);
    ticker.start();
    thread->start();
    loop.exec();
    thread->wait();
    ticker.stop();
    dialog.hide();

    for (const auto &[table, subject] : std::as_const(notices))
        state->noteExternalChange(table, subject);
    if (!notices.isEmpty())
        checkpointInBackground(path);

    if (succeeded)
        return Outcome::Succeeded;
    return cancelled.load() ? Outcome::Cancelled : Outcome::Failed;
}
