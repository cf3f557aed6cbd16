// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/window/startupchecks.h"

#include "app/appstate.h"
#include "storage/accountrepository.h"
#include "storage/preferencesrepository.h"
#include "ui/common/uilog.h"
#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/version.h"
#include "update/widgets/updatedialog.h"
#include "update/widgets/whatsnewdialog.h"

#include <QTimer>
#include <QWidget>

namespace {

const QString kLastWhatsNewKey = QStringLiteral("last_whats_new_version");
const QString kDismissedKey = QStringLiteral("update_dismissed_version");

} // namespace

StartupChecks::StartupChecks(AppState *state, const TindUpdate::UpdateConfig &config,
                             const QString &appName, QWidget *window, QObject *parent)
    : QObject(parent)
    , m_state(state)
    , m_config(config)
    , m_appName(appName)
    , m_window(window) {}

StartupChecks::~StartupChecks() = default;

void StartupChecks::start() {
    showWhatsNewIfDue();
    QTimer::singleShot(m_updateDelayMs, this, &StartupChecks::checkForUpdate);
}

void StartupChecks::showWhatsNewIfDue() {
    PreferencesRepository *preferences = m_state->preferencesRepository();
    const std::optional<QString> last = preferences->value(kLastWhatsNewKey);
    const TindUpdate::Version current = TindUpdate::Version::fromString(m_config.currentVersion);
    if (!(TindUpdate::Version::fromString(last.value_or(QString())) < current))
        return;
    // Stored first, so that a crash while the notes are open does not show them for ever.
    preferences->setValue(kLastWhatsNewKey, m_config.currentVersion);
    // Someone starting with an empty file has not upgraded from anything.
    AccountRepository *accounts = m_state->accountRepository();
    if (!last && accounts->findAll().isEmpty() && accounts->findDeleted().isEmpty())
        return;

    // Only this version's own notes: a newer release is the update check's to offer.
    auto *fetcher = new TindUpdate::ReleaseNotesFetcher(m_config, this);
    m_whatsNewLoading = true;
    connect(fetcher, &TindUpdate::ReleaseNotesFetcher::notesReady, this,
            [this, fetcher](const QString &markdown) {
                fetcher->deleteLater();
                m_whatsNewLoading = false;
                if (m_window) {
                    auto *dialog = new TindUpdate::WhatsNewDialog(
                        markdown, m_appName, m_config.currentVersion, m_config.currentVersion,
                        m_window);
                    dialog->setAttribute(Qt::WA_DeleteOnClose);
                    m_whatsNew = dialog;
                    connect(dialog, &QObject::destroyed, this, &StartupChecks::presentPendingOffer,
                            Qt::QueuedConnection);
                    dialog->show();
                }
                presentPendingOffer();
            });
    connect(fetcher, &TindUpdate::ReleaseNotesFetcher::notesUnavailable, this, [this, fetcher] {
        fetcher->deleteLater();
        m_whatsNewLoading = false;
        presentPendingOffer();
    });
    fetcher->fetch();
}

void StartupChecks::checkForUpdate() {
    auto *client = new TindUpdate::Client(m_config, this);
    connect(client, &TindUpdate::Client::updateAvailable, this,
            [this, client](const TindUpdate::Artifact &artifact) {
                client->deleteLater();
                offerUpdate(artifact);
                Q_EMIT updateCheckFinished();
            });
    connect(client, &TindUpdate::Client::upToDate, this, [this, client] {
        client->deleteLater();
        Q_EMIT updateCheckFinished();
    });
    connect(client, &TindUpdate::Client::checkFailed, this, [this, client](const QString &reason) {
        client->deleteLater();
        qCWarning(lcUi).noquote() << "update check failed:" << reason;
        Q_EMIT updateCheckFinished();
    });
    client->check();
}

void StartupChecks::offerUpdate(const TindUpdate::Artifact &artifact) {
    const QString dismissed = m_state->preferencesRepository()->value(kDismissedKey, QString());
    if (!dismissed.isEmpty()
        && !(TindUpdate::Version::fromString(artifact.version)
             > TindUpdate::Version::fromString(dismissed)))
        return;
    m_pendingOffer = artifact;
    presentPendingOffer();
}

void StartupChecks::presentPendingOffer() {
    // The notes of this version first; the offer follows when they are closed.
    if (!m_pendingOffer || m_whatsNewLoading || m_whatsNew)
        return;
    const TindUpdate::Artifact artifact = *m_pendingOffer;
    m_pendingOffer.reset();
    presentUpdate(artifact);
}

void StartupChecks::presentUpdate(const TindUpdate::Artifact &artifact) {
    if (!m_window)
        return;
    const bool reused
        = m_update && m_update->isVisible() && m_update->artifact().version == artifact.version;
    TindUpdate::UpdateDialog *dialog
        = TindUpdate::UpdateDialog::present(artifact, m_config.currentVersion, m_appName, m_window);
    if (reused)
        return;
    // Only "Later" is an answer to remember: a mandatory release has no "Later", and Escape
    // or closing the window decides nothing, so the offer comes back at the next start.
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        if (dialog->postponed())
            m_state->preferencesRepository()->setValue(kDismissedKey, dialog->artifact().version);
    });
    m_update = dialog;
}
