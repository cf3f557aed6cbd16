// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>
#include <QString>

class Database;

// The central state object: owns the database and everything built on it, for the life of
// the process. Widget-free, so that the command-line companion can bring it up on a
// QCoreApplication.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(QObject *parent = nullptr);
    ~AppState() override;

    // True when the database opened and migrated and every owned object exists.
    bool initialize();

    Database *database() const { return m_database; }

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString &accountId);

    // The process-wide first day of the week (1 = Monday ... 7 = Sunday) used by every
    // calendar popup. Until set it is the system locale's.
    static Qt::DayOfWeek weekStartDay();
    static void setWeekStartDay(Qt::DayOfWeek day);

Q_SIGNALS:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    Database *m_database = nullptr; // Owned (Qt child).
    QString m_currentAccountId;
};
