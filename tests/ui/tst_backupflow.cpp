// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/database.h"
#include "storage/transactionrepository.h"
#include "tests/support/testrecords.h"
#include "ui/common/backgroundjob.h"
#include "ui/common/modalrunner.h"
#include "ui/settings/backupflow.h"
#include "ui/window/mainwindow.h"

#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

struct Shown {
    QString title;
    QString text;
};

} // namespace

class tst_BackupFlow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void exportThenImport_data();
    void exportThenImport();
    void exportProposesTodaysName();
    void exportIntoUnwritableFolderFails();
    void replaceAnsweredNoChangesNothing();
    void cancelLeavesEverythingAsItWas();
    void unreadableArchiveSaysWhy();
    void windowRefreshesAfterRestore();

private:
    int scalar(const QString &sql) const;
    // Answers the mode question with mode, questions with reply, other boxes with Ok.
    void answer(const QString &mode, int reply = QMessageBox::Yes);
    QString exportedArchive();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<AppState> m_state;
    QList<Shown> m_shown;
};

void tst_BackupFlow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName("Tindral");
    QCoreApplication::setApplicationName("QuillonBackupFlowTest");
    QLocale::setDefault(QLocale::c());
}

void tst_BackupFlow::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    qputenv("QUILLON_DATA_DIR", m_dir->path().toUtf8());
    m_state = std::make_unique<AppState>();
    m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
    QVERIFY(m_state->initialize());
    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("acc", "Checking")));
    QVERIFY(m_state->transactionRepository()->insert(
        TestRecords::transaction("t1", "acc", QDate(2024, 1, 2), -1000, "Grocer")));
    m_shown.clear();
    answer("Skip existing items");
}

void tst_BackupFlow::cleanup() {
    ModalRunner::setHandler({});
    BackgroundJob::setStartHook({});
    BackupFlow::setSaveFileChooser({});
    BackupFlow::setOpenFileChooser({});
    m_state.reset();
    if (m_dir)
        m_dir->setAutoRemove(!QTest::currentTestFailed());
    m_dir.reset();
    qunsetenv("QUILLON_DATA_DIR");
}

int tst_BackupFlow::scalar(const QString &sql) const {
    QSqlQuery query(m_state->database()->connection());
    return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
}

void tst_BackupFlow::answer(const QString &mode, int reply) {
    ModalRunner::setHandler([this, mode, reply](QDialog *dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(dialog)) {
            m_shown.append({box->windowTitle(), box->text()});
            return box->standardButtons().testFlag(QMessageBox::Yes) ? reply : int(QMessageBox::Ok);
        }
        m_shown.append({dialog->windowTitle(), QString()});
        auto *input = qobject_cast<QInputDialog *>(dialog);
        if (!input || !input->comboBoxItems().contains(mode))
            return int(QDialog::Rejected);
        input->setTextValue(mode);
        return int(QDialog::Accepted);
    });
}

QString tst_BackupFlow::exportedArchive() {
    const QString path = m_dir->filePath("backup.zip");
    if (!BackupFlow::exportBackupTo(nullptr, m_state.get(), path))
        return QString();
    m_shown.clear();
    return path;
}

void tst_BackupFlow::exportThenImport_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("confirmed");
    QTest::addColumn<QString>("payee");
    // The archive holds the account, its transaction and the default categories.
    QTest::addRow("skip existing") << "Skip existing items" << false << "Changed";
    QTest::addRow("keep newer") << "Keep newer (compare timestamps)" << false << "Changed";
    QTest::addRow("replace") << "Replace all with backup data" << true << "Grocer";
}

void tst_BackupFlow::exportThenImport() {
    QFETCH(QString, mode);
    QFETCH(bool, confirmed);
    QFETCH(QString, payee);
    const QString path = m_dir->filePath("backup.zip");
    QVERIFY(BackupFlow::exportBackupTo(nullptr, m_state.get(), path));
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Backup Complete"));
    QCOMPARE(m_shown.first().text, "Backup saved to:\n" + path);
    QVERIFY(QFile::exists(path));
    m_shown.clear();

    // A change made after the backup, with a later timestamp.
    QSqlQuery query(m_state->database()->connection());
    QVERIFY2(query.exec("UPDATE transactions SET payee = 'Changed', updated_at = "
                        "'2099-01-01T00:00:00Z' WHERE id = 't1'"),
             qPrintable(query.lastError().text()));
    const int rows = scalar("SELECT (SELECT COUNT(*) FROM accounts) + (SELECT COUNT(*) FROM "
                            "categories) + (SELECT COUNT(*) FROM transactions)");

    answer(mode);
    QVERIFY(BackupFlow::importBackupFrom(nullptr, m_state.get(), path));
    QStringList titles;
    for (const Shown &shown : std::as_const(m_shown))
        titles << shown.title;
    QStringList expected{"Import Mode"};
    if (confirmed)
        expected << "Replace Existing Data";
    expected << "Import Complete";
    QCOMPARE(titles, expected);
    const QString result = confirmed ? QStringLiteral("Imported %1 items, skipped 0.").arg(rows)
                                     : QStringLiteral("Imported 0 items, skipped %1.").arg(rows);
    QCOMPARE(m_shown.last().text, result);
    QSqlQuery check(m_state->database()->connection());
    QVERIFY2(check.exec("SELECT payee FROM transactions WHERE id = 't1'"),
             qPrintable(check.lastError().text()));
    QVERIFY(check.next());
    QCOMPARE(check.value(0).toString(), payee);
}

void tst_BackupFlow::exportProposesTodaysName() {
    QString proposed;
    BackupFlow::setSaveFileChooser(
        [&proposed](QWidget *, const QString &, const QString &name, const QString &) {
            proposed = name;
            return QString();
        });
    QVERIFY(!BackupFlow::exportBackup(nullptr, m_state.get()));
    QCOMPARE(proposed, "quillon-backup-" + QDate::currentDate().toString(Qt::ISODate) + ".zip");
    QVERIFY(m_shown.isEmpty());
}

void tst_BackupFlow::exportIntoUnwritableFolderFails() {
    const QString path = m_dir->filePath("missing-folder/backup.zip");
    QVERIFY(!BackupFlow::exportBackupTo(nullptr, m_state.get(), path));
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, QStringLiteral("Backup Failed"));
    QVERIFY(m_shown.first().text.startsWith("Could not write to:\n" + path));
    QVERIFY(!m_shown.first().text.contains("saved"));
    QVERIFY(!QFile::exists(path));
}

void tst_BackupFlow::replaceAnsweredNoChangesNothing() {
    const QString path = exportedArchive();
    QVERIFY(!path.isEmpty());
    QSqlQuery query(m_state->database()->connection());
    QVERIFY2(query.exec("UPDATE transactions SET payee = 'Changed' WHERE id = 't1'"),
             qPrintable(query.lastError().text()));
    bool started = false;
    BackgroundJob::setStartHook([&started](QProgressDialog *) { started = true; });
    answer("Replace all with backup data", QMessageBox::No);
    QVERIFY(!BackupFlow::importBackupFrom(nullptr, m_state.get(), path));
    QVERIFY(!started);
    QCOMPARE(m_shown.last().title, QStringLiteral("Replace Existing Data"));
    QVERIFY2(query.exec("SELECT payee FROM transactions WHERE id = 't1'"),
             qPrintable(query.lastError().text()));
    QVERIFY(query.next());
    QCOMPARE(query.value(0).toString(), QStringLiteral("Changed"));
}

void tst_BackupFlow::cancelLeavesEverythingAsItWas() {
    const QString archive = exportedArchive();
    QVERIFY(!archive.isEmpty());
    BackgroundJob::setStartHook([](QProgressDialog *dialog) {
        QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
    });

    const QString path = m_dir->filePath("cancelled.zip");
    QVERIFY(!BackupFlow::exportBackupTo(nullptr, m_state.get(), path));
    QVERIFY(!QFile::exists(path));

    QVERIFY(m_state->accountRepository()->insert(TestRecords::account("later", "Later")));
    QSqlQuery query(m_state->database()->connection());
    QVERIFY2(query.exec("DELETE FROM transactions"), qPrintable(query.lastError().text()));
    answer("Skip existing items");
    QVERIFY(!BackupFlow::importBackupFrom(nullptr, m_state.get(), archive));
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions"), 0);
    // No closing message for a cancel the user asked for: only the mode question.
    QCOMPARE(m_shown.size(), 1);
}

void tst_BackupFlow::unreadableArchiveSaysWhy() {
    const QString path = m_dir->filePath("broken.zip");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("not a zip") > 0);
    file.close();
    QVERIFY(!BackupFlow::importBackupFrom(nullptr, m_state.get(), path));
    QCOMPARE(m_shown.last().title, QStringLiteral("Import Failed"));
    QVERIFY(m_shown.last().text.contains("Failed to open ZIP archive"));

    QVERIFY(!BackupFlow::importBackupFrom(nullptr, m_state.get(), m_dir->filePath("none.zip")));
    QCOMPARE(m_shown.last().title, QStringLiteral("Import Failed"));
    QCOMPARE(m_shown.last().text, QStringLiteral("Could not read file."));
}

void tst_BackupFlow::windowRefreshesAfterRestore() {
    const QString archive = exportedArchive();
    QVERIFY(!archive.isEmpty());
    QSqlQuery query(m_state->database()->connection());
    // Gone behind the window's back, so only the restore's notice can bring it back.
    QVERIFY2(query.exec("DELETE FROM transactions"), qPrintable(query.lastError().text()));
    QVERIFY2(query.exec("DELETE FROM accounts"), qPrintable(query.lastError().text()));
    MainWindow window(m_state.get());
    const QAbstractItemModel *sidebar = window.findChild<QListView *>("accountList")->model();
    QCOMPARE(sidebar->rowCount(), 0);
    QVERIFY(BackupFlow::importBackupFrom(&window, m_state.get(), archive));
    QTRY_COMPARE(sidebar->rowCount(), 1);
}

QTEST_MAIN(tst_BackupFlow)
#include "tst_backupflow.moc"
