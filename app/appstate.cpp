// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appstate.h"

#include "account/accountclient.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "app/applog.h"
#include "app/preferencekeys.h"
#include "services/accountsharingservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/entrywriter.h"
#include "services/importservice.h"
#include "services/ledgerwriter.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/undostack.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/importrulerepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
// Both client libraries have a client.h; name this one by its folder.
#include "account/client.h"
#include "account/clientconfig.h"
#include "account/tokenstore.h"
#include "services/syncengine.h"
#include "storage/splitlinerepository.h"
#include "storage/transactionrepository.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>
#include <QTimer>
#include <QUrl>

#include <optional>
#include <utility>

const QString AppState::ServerAddressKey = QStringLiteral("serverAddress");

namespace {

const QString kLastViewedAccountKey = QStringLiteral("lastViewedAccountId");
const QString kWeekStartKey = PreferenceKeys::weekStartDay();

// The deployment's services; each can be overridden from the environment.
const QString kDefaultAuthBaseUrl = QStringLiteral("https://auth.tindral.example");
const QString kDefaultAccountApiUrl = QStringLiteral("https://api.tindral.example/account/v1");
const QString kDefaultSyncApiUrl = QStringLiteral("https://api.tindral.example/quillon/v1");
const QString kDefaultRealmSlug = QStringLiteral("tindral");
const QString kDefaultClientId = QStringLiteral("5f0c2a7e9b1d4e38a6c7d2f1e0b9a834");
const QString kDefaultPortalUrl = QStringLiteral("https://account.tindral.example");
// Where each service lives on one self-hosted server address.
const QString kAccountApiPath = QStringLiteral("/account/v1");
const QString kSyncApiPath = QStringLiteral("/quillon/v1");
const QString kPortalPath = QStringLiteral("/account");
const QString kAppId = QStringLiteral("example.tindral.quillon");
const QString kAppName = QStringLiteral("Tindral Quillon");
constexpr int kAutoSyncIntervalMs = 300000;

std::optional<Qt::DayOfWeek> &weekStartStorage() {
    static std::optional<Qt::DayOfWeek> day;
    return day;
}

} // namespace

AppState::AppState(QObject *parent)
    : QObject(parent) {}

AppState::~AppState() = default;

bool AppState::initialize() {
    m_database = new Database(this);
    const QString path = Database::databasePath();
    qCInfo(lcApp).noquote() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->runMigrations())
        return false;
    connect(m_database, &Database::changed, this, &AppState::collectChange);

    m_accountRepository = new AccountRepository(m_database, this);
    m_transactionRepository = new TransactionRepository(m_database, this);
    m_categoryRepository = new CategoryRepository(m_database, this);
    m_preferencesRepository = new PreferencesRepository(m_database, this);
    m_splitLineRepository = new SplitLineRepository(m_database, this);
    m_recurringRepository = new RecurringRepository(m_database, this);
    m_reconciliationRepository = new ReconciliationRepository(m_database, this);
    m_importRuleRepository = new ImportRuleRepository(m_database, this);

    m_categoryService = new CategoryService(m_categoryRepository, this);
    m_recurringService = new RecurringService(m_recurringRepository, m_transactionRepository,
                                              m_accountRepository, this);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_transactionRepository, m_categoryRepository, this);
    m_backupService = new BackupService(m_database, this);
    m_ledger = new LedgerWriter(m_database, m_accountRepository, m_transactionRepository,
                                m_recurringRepository, m_reconciliationRepository,
                                m_categoryRepository, this);
    m_entryWriter
        = new EntryWriter(m_database, m_ledger, m_accountRepository, m_transactionRepository,
                          m_splitLineRepository, m_recurringRepository, this);
    m_undoStack = new UndoStack(m_database, this);
    m_ledger->setUndoStack(m_undoStack);
    m_entryWriter->setUndoStack(m_undoStack);
    m_recurringService->setUndoStack(m_undoStack);
    m_importService->setUndoStack(m_undoStack);
    createOnlineServices();

    // An unusable stored week start leaves the locale's.
    if (const auto stored = m_preferencesRepository->value(kWeekStartKey)) {
        bool ok = false;
        const int day = stored->toInt(&ok);
        if (ok && day >= 1 && day <= 7)
            setWeekStartDay(static_cast<Qt::DayOfWeek>(day));
    }

    // A failed seeding leaves no category and is tried again at the next start; the program
    // is usable without the defaults.
    m_categoryService->ensureDefaults();
    // Default categories are ensured before this point, so that a first sync sees them.
    connectOnlineServices();

    // Taken over unchecked: a deleted or unknown account is still the current one.
    if (const auto lastViewed = m_preferencesRepository->value(kLastViewedAccountKey))
        m_currentAccountId = *lastViewed;

    Q_EMIT databaseReady();
    return true;
}

void AppState::collectChange(const QString &table, const QString &subject) {
    static const QHash<QString, DataChange::Table> tables = {
        {QStringLiteral("accounts"), DataChange::Accounts},
        {QStringLiteral("transactions"), DataChange::Transactions},
        {QStringLiteral("categories"), DataChange::Categories},
        {QStringLiteral("recurring_transactions"), DataChange::Recurring},
        {QStringLiteral("reconciliations"), DataChange::Reconciliations},
        {QStringLiteral("preferences"), DataChange::Preferences},
        {QStringLiteral("split_lines"), DataChange::SplitLines},
        {QStringLiteral("budgets"), DataChange::Budgets},
    };
    const auto found = tables.constFind(table);
    if (found == tables.constEnd())
        return;
    m_pendingChange.tables |= *found;
    if (*found == DataChange::Transactions) {
        if (subject.isEmpty())
            m_pendingChange.anyAccount = true;
        else
            m_pendingChange.accountIds.insert(subject);
    }
    if (!m_changePublishQueued) {
        m_changePublishQueued = true;
        QMetaObject::invokeMethod(this, &AppState::publishDataChange, Qt::QueuedConnection);
    }
}

void AppState::publishDataChange() {
    m_changePublishQueued = false;
    const DataChange change = std::exchange(m_pendingChange, DataChange());
    if (!change.isEmpty())
        Q_EMIT dataChanged(change);
}

void AppState::watchOtherWriters(int intervalMs) {
    if (!m_database)
        return;
    if (!m_otherWritersTimer) {
        m_otherWritersTimer = new QTimer(this);
        connect(m_otherWritersTimer, &QTimer::timeout, this, &AppState::checkOtherWriters);
    }
    m_seenDataVersion = m_database->writeMark().dataVersion;
    m_otherWritersTimer->start(intervalMs);
}

void AppState::checkOtherWriters() {
    const qint64 version = m_database->writeMark().dataVersion;
    if (version < 0 || version == std::exchange(m_seenDataVersion, version))
        return;
    // Which rows another program wrote is not known here: every screen reads again (a
    // worker's writes, announced already, are read twice; that costs one more reload).
    for (const char *table : {"accounts", "transactions", "categories", "recurring_transactions",
                              "reconciliations", "preferences", "split_lines"})
        collectChange(QString::fromLatin1(table), QString());
}

void AppState::setCurrentAccountId(const QString &accountId) {
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (m_preferencesRepository)
        m_preferencesRepository->setValue(kLastViewedAccountKey, accountId);
    Q_EMIT currentAccountChanged(accountId);
}

Qt::DayOfWeek AppState::weekStartDay() {
    auto &day = weekStartStorage();
    if (!day)
        day = QLocale().firstDayOfWeek();
    return *day;
}

void AppState::setWeekStartDay(Qt::DayOfWeek day) {
    weekStartStorage() = day;
}

void AppState::setTokenStore(std::unique_ptr<TindAccount::TokenStore> store) {
    m_tokenStore = std::move(store);
}

QString AppState::environmentValue(const char *name, const QString &fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : QString::fromUtf8(value);
}

QString AppState::serverAddress(const QString &stored) {
    QString address = environmentValue("QUILLON_SERVER", stored).trimmed();
    while (address.endsWith(QLatin1Char('/')))
        address.chop(1);
    return address;
}

TindAccount::ClientConfig AppState::clientConfigFromEnvironment(const QString &server) {
    TindAccount::ClientConfig config;
    config.authBaseUrl
        = environmentValue("AUTH_BASE_URL", server.isEmpty() ? kDefaultAuthBaseUrl : server);
    config.realmSlug = environmentValue("AUTH_REALM_SLUG", kDefaultRealmSlug);
    config.accountApiUrl = environmentValue(
        "ACCOUNT_API_URL", server.isEmpty() ? kDefaultAccountApiUrl : server + kAccountApiPath);
    config.clientId = environmentValue("AUTH_CLIENT_ID", kDefaultClientId);
    config.appId = kAppId;
    config.appName = kAppName;
    config.appVersion = QCoreApplication::applicationVersion();
    config.portalUrl = environmentValue(
        "ACCOUNT_PORTAL_URL", server.isEmpty() ? kDefaultPortalUrl : server + kPortalPath);
    return config;
}

QString AppState::syncApiUrlFromEnvironment(const QString &server) {
    return environmentValue("SYNC_API_URL",
                            server.isEmpty() ? kDefaultSyncApiUrl : server + kSyncApiPath);
}

void AppState::createOnlineServices() {
    const QString server
        = serverAddress(m_preferencesRepository->value(ServerAddressKey, QString()));
    const TindAccount::ClientConfig config = clientConfigFromEnvironment(server);
    const QString syncUrl = syncApiUrlFromEnvironment(server);
    qCInfo(lcApp).noquote() << "Auth:" << config.authBaseUrl << "Account:" << config.accountApiUrl
                            << "Sync:" << syncUrl;

    m_accountClient = m_tokenStore ? new TindAccount::Client(config, std::move(m_tokenStore), this)
                                   : new TindAccount::Client(config, this);
    TindAccount::ApiClient *syncApi = m_accountClient->syncApi();
    syncApi->setBaseUrl(QUrl(syncUrl));
    m_syncEngine = new SyncEngine(syncApi, m_accountRepository, m_transactionRepository,
                                  m_categoryRepository, m_recurringRepository,
                                  m_reconciliationRepository, m_preferencesRepository, this);
    m_sharingService = new AccountSharingService(syncApi, this);
}

void AppState::connectOnlineServices() {
    TindAccount::AuthClient *auth = m_accountClient->auth();
    m_accountClient->initialize();

    connect(auth, &TindAccount::AuthClient::loginSucceeded, this, [this] {
        m_accountClient->account()->registerDevice();
        qCInfo(lcApp).noquote() << "loginSucceeded: starting auto-sync + immediate sync";
        startSyncAfterSignIn();
    });
    connect(auth, &TindAccount::AuthClient::logoutCompleted, m_syncEngine,
            &SyncEngine::stopAutoSync);

    const auto startupRefreshed = [this](bool ok) {
        qCInfo(lcApp).noquote() << "Startup token refresh:" << (ok ? "ok" : "failed");
        if (!ok)
            return;
        qCInfo(lcApp).noquote() << "Startup: starting auto-sync + immediate sync";
        startSyncAfterSignIn();
    };
    if (auth->state() == TindAccount::AuthState::SignedIn) {
        auth->refreshToken(startupRefreshed);
    } else if (auth->state() == TindAccount::AuthState::Initial) {
        // Only a refresh token was usable: the restore is still refreshing it. Its outcome is
        // the start-up refresh; without this, a stale access token at start would leave
        // automatic sync off until the next sign-in.
        auto *connection = new QMetaObject::Connection;
        *connection = connect(auth, &TindAccount::AuthClient::stateChanged, this,
                              [connection, startupRefreshed](TindAccount::AuthState state) {
                                  QObject::disconnect(*connection);
                                  delete connection;
                                  startupRefreshed(state == TindAccount::AuthState::SignedIn);
                              });
    }

    connect(m_accountRepository, &AccountRepository::accountsChanged, m_syncEngine,
            &SyncEngine::scheduleSync);
    connect(m_categoryRepository, &CategoryRepository::categoriesChanged, m_syncEngine,
            &SyncEngine::scheduleSync);
    connect(m_transactionRepository, &TransactionRepository::transactionsChanged, m_syncEngine,
            [this](const QString &) { m_syncEngine->scheduleSync(); });
    // Budgets have no repository here: the database's notice is theirs, and comes while the
    // engine's own writes are still told apart.
    connect(m_database, &Database::changed, m_syncEngine, [this](const QString &table) {
        if (table == QLatin1String("budgets"))
            m_syncEngine->scheduleSync();
    });
}

void AppState::startSyncAfterSignIn() {
    m_syncEngine->startAutoSync(kAutoSyncIntervalMs);
    m_syncEngine->scheduleSync();
}
