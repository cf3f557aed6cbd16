// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/updateconfig.h"
#include "update/widgets/updatedialog.h"
#include "update/widgets/whatsnewdialog.h"

#include <QObject>
#include <QPointer>

#include <optional>

class AppState;
class QWidget;

// What the program does once its window is up: the notes of a newly installed version, once
// per version, then one update check a little later. Never more than one of its dialogs is
// open at a time.
class StartupChecks : public QObject {
    Q_OBJECT

public:
    static constexpr int kUpdateDelayMs = 1500;

    StartupChecks(AppState *state, const TindUpdate::UpdateConfig &config, const QString &appName,
                  QWidget *window, QObject *parent = nullptr);
    ~StartupChecks() override;

    // For tests: a shorter wait before the update check.
    void setUpdateDelay(int milliseconds) { m_updateDelayMs = milliseconds; }

    void start();

    TindUpdate::WhatsNewDialog *whatsNewDialog() const { return m_whatsNew; }
    TindUpdate::UpdateDialog *updateDialog() const { return m_update; }

Q_SIGNALS:
    // The update check ended (whatever it found) and any dialog it wants is shown.
    void updateCheckFinished();

private:
    void showWhatsNewIfDue();
    void checkForUpdate();
    void offerUpdate(const TindUpdate::Artifact &artifact);
    void presentPendingOffer();
    void presentUpdate(const TindUpdate::Artifact &artifact);

    AppState *m_state; // Not owned.
    TindUpdate::UpdateConfig m_config;
    QString m_appName;
    QPointer<QWidget> m_window;
    QPointer<TindUpdate::WhatsNewDialog> m_whatsNew;
    QPointer<TindUpdate::UpdateDialog> m_update;
    std::optional<TindUpdate::Artifact> m_pendingOffer; // Waits for the notes to close.
    bool m_whatsNewLoading = false;
    int m_updateDelayMs = kUpdateDelayMs;
};
