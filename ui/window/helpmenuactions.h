// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/widgets/updateflows.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class AppState;
class SampleDataService;
class StatusBar;
class QWidget;

// What the Help menu does: the about and shortcuts boxes, the update checks and the sample
// data. Messages go to the status bar, boxes over the owner.
class HelpMenuActions : public QObject {
    Q_OBJECT

public:
    HelpMenuActions(AppState *state, StatusBar *statusBar, QWidget *owner);

    void showAbout();
    // The register's and date fields' keys, then generalRows (key, meaning) as the menus bind
    // them, then the account keys.
    void showKeyboardShortcuts(const QList<QPair<QString, QString>> &generalRows);
    void showWhatsNew();
    void checkForUpdates();
    void loadSampleData();
    void clearSampleData();

Q_SIGNALS:
    void sampleDataCleared();

private:
    TindUpdate::StatusFunctions updateStatus();

    AppState *m_state;               // Not owned.
    StatusBar *m_statusBar;          // Not owned.
    QWidget *m_owner;                // Not owned.
    SampleDataService *m_sampleData; // Owned (Qt child).
};
