// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QMetaObject>
#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The "Preferences" window: General, Register, Data & Sync and About pages. Every change is
// stored the moment it is made; there is nothing to confirm.
class SettingsScreen : public QWidget {
    Q_OBJECT

public:
    enum PageIndex { GeneralPage = 0, RegisterPage = 1, DataPage = 2, AboutPage = 3 };

    explicit SettingsScreen(AppState *state, QWidget *parent = nullptr);
    ~SettingsScreen() override;

    // For tests and the look of the window.
    QListWidget *pageList() const { return m_pageList; }
    QStackedWidget *pages() const { return m_pages; }
    QComboBox *themeCombo() const { return m_themeCombo; }
    QComboBox *weekStartCombo() const { return m_weekStartCombo; }
    QComboBox *languageCombo() const { return m_languageCombo; }
    QComboBox *dateFormatCombo() const { return m_dateFormatCombo; }
    QCheckBox *twoLineCheck() const { return m_twoLineCheck; }
    QCheckBox *newestFirstCheck() const { return m_newestFirstCheck; }
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

public Q_SLOTS:
    void refresh();
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    // Stores the "dateFormat" preference (removed for the language's own) and applies it.
    void onDateFormatChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void restoreSelectedAccount();
    // Stores the typed server address (removed when empty); refuses what is not an http(s) URL.
    void saveServerAddress();

Q_SIGNALS:
    void deletedAccountRestored();
    // Open screens should show their dates again.
    void dateFormatChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    QWidget *buildGeneralPage();
    QWidget *buildRegisterPage();
    QWidget *buildDataPage();
    QWidget *buildAboutPage();
    QWidget *newPage(const QString &title, class QVBoxLayout **layout);
    void addSectionHeader(QVBoxLayout *layout, const QString &title, const QString &description);
    void addDivider(QVBoxLayout *layout);
    QLabel *hintLabel(const QString &text);
    void rebuildDeletedAccounts();
    // The sign-in and sync part; asks the server for the user's name at most when allowed.
    void showSyncStatus(bool mayFetchUser);
    void syncNow();
    void forceFullSync();
    void addServerAddress(QVBoxLayout *layout, QWidget *page);
    // Re-enables the sync buttons at the first state after this run that is not "Syncing".
    void waitForSyncEnd();
    void exportBackup();
    void importBackup();
    void applyColours();

    AppState *m_state; // Not owned.
    QListWidget *m_pageList = nullptr;
    QStackedWidget *m_pages = nullptr;
    QComboBox *m_themeCombo = nullptr;
    QComboBox *m_weekStartCombo = nullptr;
    QComboBox *m_languageCombo = nullptr;
    QComboBox *m_dateFormatCombo = nullptr; // Owned (Qt child).
    QCheckBox *m_twoLineCheck = nullptr;
    QCheckBox *m_newestFirstCheck = nullptr;
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
    QList<QFrame *> m_dividers;
    QMetaObject::Connection m_syncWait;
    bool m_fetchingUser = false;
    int m_userFetches = 0;
    bool m_applyingColours = false;
};
