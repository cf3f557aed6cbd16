// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "ui/settings/settingspage.h"

#include <QMetaObject>

class AppState;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The Data & Sync page of the Preferences window: sign-in and sync, the server address,
// backups and the accounts that were deleted.
class SettingsDataPage : public SettingsPage {
    Q_OBJECT

public:
    SettingsDataPage(AppState *state, QWidget *parent);
    ~SettingsDataPage() override;

    QLabel *accountStatusLabel() const { return m_accountStatus; }
    QLabel *lastSyncedLabel() const { return m_lastSynced; }
    QWidget *syncButtonRow() const { return m_syncButtons; }
    QPushButton *syncNowButton() const { return m_syncNow; }
    QPushButton *forceFullSyncButton() const { return m_forceFullSync; }
    QLineEdit *serverAddressEdit() const { return m_serverEdit; }
    QLabel *serverAddressError() const { return m_serverError; }
    QLabel *serverAddressNote() const { return m_serverNote; }
    QPushButton *exportButton() const { return m_exportBackup; }
    QPushButton *importButton() const { return m_importBackup; }
    QWidget *deletedSection() const { return m_deletedSection; }
    QListWidget *deletedList() const { return m_deletedList; }
    QPushButton *restoreButton() const { return m_restore; }
    // How many times the signed-in user was asked of the server.
    int userFetchCount() const { return m_userFetches; }

    void applyColours() override;
    void rebuildDeletedAccounts();
    // The sign-in and sync part; asks the server for the user's name at most when allowed.
    void showSyncStatus(bool mayFetchUser);
    // The sync buttons while a run is going on, and after.
    void showSyncRunning(bool syncing);

public Q_SLOTS:
    void refresh();
    void restoreSelectedAccount();
    // Stores the typed server address (removed when empty); refuses what is not an http(s) URL.
    void saveServerAddress();

Q_SIGNALS:
    void deletedAccountRestored();

private:
    void syncNow();
    void forceFullSync();
    void addServerAddress(QVBoxLayout *layout);
    // Re-enables the sync buttons at the first state after this run that is not "Syncing".
    void waitForSyncEnd();
    void exportBackup();
    void importBackup();

    AppState *m_state; // Not owned.
    QLabel *m_accountStatus = nullptr;
    QLabel *m_lastSynced = nullptr;
    QWidget *m_syncButtons = nullptr;
    QPushButton *m_syncNow = nullptr;
    QPushButton *m_forceFullSync = nullptr;
    QLineEdit *m_serverEdit = nullptr;
    QLabel *m_serverError = nullptr;
    QLabel *m_serverNote = nullptr;
    QPushButton *m_exportBackup = nullptr;
    QPushButton *m_importBackup = nullptr;
    QWidget *m_deletedSection = nullptr;
    QListWidget *m_deletedList = nullptr;
    QPushButton *m_restore = nullptr;
    QMetaObject::Connection m_syncWait;
    bool m_fetchingUser = false;
    int m_userFetches = 0;
};
