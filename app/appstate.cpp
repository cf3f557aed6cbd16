// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "appstate.h"

#include "accountrepository.h"
#include "applog.h"
#include "backupservice.h"
#include "categoryrepository.h"
#include "categoryservice.h"
#include "database.h"
#include "importservice.h"
#include "preferencesrepository.h"
#include "reconciliationrepository.h"
#include "recurringrepository.h"
#include "recurringservice.h"
#include "reportservice.h"
#include "splitlinerepository.h"
#include "transactionrepository.h"

#include <QLocale>

#include <optional>

namespace {

const QString kLastViewedAccountKey = QStringLiteral("lastViewedAccountId");
const QString kWeekStartKey = QStringLiteral("weekStartDay");

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

    m_accountRepository = new AccountRepository(m_database, this);
    m_transactionRepository = new TransactionRepository(m_database, this);
    m_categoryRepository = new CategoryRepository(m_database, this);
    m_preferencesRepository = new PreferencesRepository(m_database, this);
    m_splitLineRepository = new SplitLineRepository(m_database, this);
    m_recurringRepository = new RecurringRepository(m_database, this);
    m_reconciliationRepository = new ReconciliationRepository(m_database, this);

    m_categoryService = new CategoryService(m_categoryRepository, this);
    m_recurringService = new RecurringService(m_recurringRepository, m_transactionRepository,
                                              m_accountRepository, this);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_transactionRepository, m_categoryRepository, this);
    m_backupService = new BackupService(m_database, this);

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

    // Taken over unchecked: a deleted or unknown account is still the current one.
    if (const auto lastViewed = m_preferencesRepository->value(kLastViewedAccountKey))
        m_currentAccountId = *lastViewed;

    Q_EMIT databaseReady();
    return true;
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
