// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "appstate.h"

#include "applog.h"
#include "database.h"

#include <QLocale>

#include <optional>

namespace {

std::optional<Qt::DayOfWeek> &weekStartStorage()
{
    static std::optional<Qt::DayOfWeek> day;
    return day;
}

} // namespace

AppState::AppState(QObject *parent)
    : QObject(parent)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = Database::databasePath();
    qCInfo(lcApp).noquote() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->runMigrations())
        return false;

    Q_EMIT databaseReady();
    return true;
}

void AppState::setCurrentAccountId(const QString &accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    Q_EMIT currentAccountChanged(accountId);
}

Qt::DayOfWeek AppState::weekStartDay()
{
    auto &day = weekStartStorage();
    if (!day)
        day = QLocale().firstDayOfWeek();
    return *day;
}

void AppState::setWeekStartDay(Qt::DayOfWeek day)
{
    weekStartStorage() = day;
}
