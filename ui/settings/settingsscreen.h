// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QWidget>

class AppState;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class SettingsAboutPage;
class SettingsDataPage;
class SettingsGeneralPage;
class SettingsRegisterPage;

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
    QComboBox *themeCombo() const;
    QComboBox *weekStartCombo() const;
    QComboBox *languageCombo() const;
    QComboBox *dateFormatCombo() const;
    QCheckBox *twoLineCheck() const;
    QCheckBox *newestFirstCheck() const;
    QLabel *accountStatusLabel() const;
    QLabel *lastSyncedLabel() const;
    QWidget *syncButtonRow() const;
    QPushButton *syncNowButton() const;
    QPushButton *forceFullSyncButton() const;
    QLineEdit *serverAddressEdit() const;
    QLabel *serverAddressError() const;
    QLabel *serverAddressNote() const;
    QPushButton *exportButton() const;
    QPushButton *importButton() const;
    QWidget *deletedSection() const;
    QListWidget *deletedList() const;
    QPushButton *restoreButton() const;
    // How many times the signed-in user was asked of the server.
    int userFetchCount() const;

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
    void applyColours();

    AppState *m_state;                          // Not owned.
    QListWidget *m_pageList = nullptr;          // Owned (Qt child).
    QStackedWidget *m_pages = nullptr;          // Owned (Qt child).
    SettingsGeneralPage *m_general = nullptr;   // Owned (Qt child).
    SettingsRegisterPage *m_register = nullptr; // Owned (Qt child).
    SettingsDataPage *m_data = nullptr;         // Owned (Qt child).
    SettingsAboutPage *m_about = nullptr;       // Owned (Qt child).
    bool m_applyingColours = false;
};
