// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "app/datachange.h"

#include <QObject>
#include <QString>

#include <memory>

class AccountRepository;
class BackupService;
class AccountSharingService;
class SyncEngine;
class CategoryRepository;
class ImportRuleRepository;
class CategoryService;
class Database;
class QTimer;
class ImportService;
class EntryWriter;
class LedgerWriter;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class ThemeManager;
class TransactionRepository;
class UndoStack;

namespace TindAccount {
class Client;
struct ClientConfig;
class TokenStore;
} // namespace TindAccount

// The central state object: owns the database and everything built on it, for the life of
// the process. Widget-free, so that the command-line companion can bring it up on a
// QCoreApplication.
class AppState : public QObject {
    Q_OBJECT

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // True when the database opened and migrated and every owned object exists.
    bool initialize();

    // Where the account client keeps its tokens; taken over by initialize(). Without one the
    // system's credential store is used. For tests and for callers with a store of their own.
    void setTokenStore(std::unique_ptr<TindAccount::TokenStore> store);

    // The service settings: the environment variable when it is set and non-empty, else the
    // value derived from the server address when there is one, else the built-in default.
    // Read once by initialize().
    static QString environmentValue(const char *name, const QString &fallback);
    static TindAccount::ClientConfig clientConfigFromEnvironment(const QString &server = {});
    static QString syncApiUrlFromEnvironment(const QString &server = {});
    // The one address of a self-hosted server ("https://host"): QUILLON_SERVER, else the
    // stored preference; empty when neither is set. Without a trailing slash.
    static QString serverAddress(const QString &stored = {});
    // The preference that keeps the server address.
    static const QString ServerAddressKey;

    Database *database() const { return m_database; }
    AccountRepository *accountRepository() const { return m_accountRepository; }
    TransactionRepository *transactionRepository() const { return m_transactionRepository; }
    CategoryRepository *categoryRepository() const { return m_categoryRepository; }
    ImportRuleRepository *importRuleRepository() const { return m_importRuleRepository; }
    PreferencesRepository *preferencesRepository() const { return m_preferencesRepository; }
    SplitLineRepository *splitLineRepository() const { return m_splitLineRepository; }
    RecurringRepository *recurringRepository() const { return m_recurringRepository; }
    ReconciliationRepository *reconciliationRepository() const {
        return m_reconciliationRepository;
    }
    CategoryService *categoryService() const { return m_categoryService; }
    RecurringService *recurringService() const { return m_recurringService; }
    ReportService *reportService() const { return m_reportService; }
    ImportService *importService() const { return m_importService; }
    BackupService *backupService() const { return m_backupService; }
    // The writes that touch more than one row (accounts with their opening balance,
    // transfers and their legs, cascade deletes); each runs in one transaction.
    LedgerWriter *ledger() const { return m_ledger; }
    EntryWriter *entryWriter() const { return m_entryWriter; }
    // The session's history of changes made through the writers, for Edit > Undo and Redo.
    UndoStack *undoStack() const { return m_undoStack; }
    AccountSharingService *sharingService() const { return m_sharingService; }
    TindAccount::Client *accountClient() const { return m_accountClient; }
    SyncEngine *syncEngine() const { return m_syncEngine; }
    // Null in a program without a GUI; the desktop shell creates it (as a child of this
    // object) right after initialize().
    ThemeManager *themeManager() const { return m_themeManager; }
    void setThemeManager(ThemeManager *themeManager) { m_themeManager = themeManager; }

    // A write committed on another connection to the same file (a worker thread's), announced
    // with the main connection's own in the next dataChanged notice.
    void noteExternalChange(const QString &table, const QString &subject = QString()) {
        collectChange(table, subject);
    }

    // Looks every intervalMs for commits another program (the command-line companion, a
    // second copy) made to the file, and announces them as a change of everything: without
    // it such rows would stay unseen until this program wrote itself.
    void watchOtherWriters(int intervalMs);

    QString currentAccountId() const { return m_currentAccountId; }
    // Also remembers the account in the "lastViewedAccountId" preference.
    void setCurrentAccountId(const QString &accountId);

    // The process-wide first day of the week (1 = Monday ... 7 = Sunday) used by every
    // calendar popup. Until set it is the system locale's.
    static Qt::DayOfWeek weekStartDay();
    static void setWeekStartDay(Qt::DayOfWeek day);

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();
    // One notice per pass of the event loop, after the writes of that pass committed,
    // naming the tables (and accounts) they touched. Screens reload on this, never per row.
    void dataChanged(const DataChange &change);

private:
    void createOnlineServices();
    // Gathers the committed writes of this pass of the event loop into one notice.
    void collectChange(const QString &table, const QString &subject);
    void publishDataChange();
    void checkOtherWriters();
    void connectOnlineServices();
    void startSyncAfterSignIn();

    QTimer *m_otherWritersTimer = nullptr; // Owned (Qt child); null until watched.
    qint64 m_seenDataVersion = -1;

    // All owned (Qt children), created by initialize() in this order.
    Database *m_database = nullptr;
    AccountRepository *m_accountRepository = nullptr;
    TransactionRepository *m_transactionRepository = nullptr;
    CategoryRepository *m_categoryRepository = nullptr;
    PreferencesRepository *m_preferencesRepository = nullptr;
    SplitLineRepository *m_splitLineRepository = nullptr;
    RecurringRepository *m_recurringRepository = nullptr;
    ReconciliationRepository *m_reconciliationRepository = nullptr;
    ImportRuleRepository *m_importRuleRepository = nullptr;
    CategoryService *m_categoryService = nullptr;
    RecurringService *m_recurringService = nullptr;
    ReportService *m_reportService = nullptr;
    ImportService *m_importService = nullptr;
    BackupService *m_backupService = nullptr;
    LedgerWriter *m_ledger = nullptr;
    EntryWriter *m_entryWriter = nullptr;
    UndoStack *m_undoStack = nullptr;
    AccountSharingService *m_sharingService = nullptr;
    TindAccount::Client *m_accountClient = nullptr;
    SyncEngine *m_syncEngine = nullptr;
    ThemeManager *m_themeManager = nullptr; // Owned (Qt child) when set.
    QString m_currentAccountId;
    DataChange m_pendingChange; // Collected until the event loop comes round.
    bool m_changePublishQueued = false;

    std::unique_ptr<TindAccount::TokenStore> m_tokenStore; // Until initialize() hands it over.
};
