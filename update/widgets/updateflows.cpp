// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/widgets/updateflows.h"

#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/widgets/updatedialog.h"
#include "update/widgets/whatsnewdialog.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

namespace TindUpdate {

namespace {

constexpr int kResultMs = 5000;

QString tr(const char *text) {
    return QCoreApplication::translate("TindUpdate", text);
}

void showStatus(const StatusFunctions &status, const QString &text, int ms = 0) {
    if (status.show)
        status.show(text, ms);
}

void clearStatus(const StatusFunctions &status) {
    if (status.clear)
        status.clear();
}

void presentWhatsNew(const QPointer<QWidget> &parent, const QString &markdown,
                     const QString &appName, const QString &version, const QString &current,
                     const QUrl &download = QUrl()) {
    if (!parent)
        return;
    auto *dialog = new WhatsNewDialog(markdown, appName, version, current, parent, download);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

// No notes for the running version: the notes of a newer release, if there is one.
void whatsNewOfNewerRelease(const UpdateConfig &config, const QString &appName,
                            const QPointer<QWidget> &parent, const StatusFunctions &status) {
    auto *client = new Client(config);
    const auto nothing = [config, appName, status] {
        showStatus(status,
                   tr("No release notes available for %1 %2").arg(appName, config.currentVersion),
                   kResultMs);
    };
    QObject::connect(
        client, &Client::updateAvailable, client,
        [client, config, appName, parent, status, nothing](const Artifact &artifact) {
            client->deleteLater();
            if (!artifact.releaseNotesUrl.isValid() || artifact.releaseNotesUrl.isEmpty()) {
                nothing();
                return;
            }
            auto *fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, config.appId);
            QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher,
                             [=](const QString &markdown) {
                                 fetcher->deleteLater();
                                 clearStatus(status);
                                 presentWhatsNew(parent, markdown, appName, artifact.version,
                                                 config.currentVersion, artifact.url);
                             });
            QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher,
                             [fetcher, nothing] {
                                 fetcher->deleteLater();
                                 nothing();
                             });
            fetcher->fetch();
        });
    QObject::connect(client, &Client::upToDate, client, [client, nothing] {
        client->deleteLater();
        nothing();
    });
    QObject::connect(client, &Client::checkFailed, client, [client, nothing](const QString &) {
        client->deleteLater();
        nothing();
    });
    client->check();
}

} // namespace

void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appName, QWidget *parent,
                                const StatusFunctions &status) {
    showStatus(status, tr("Checking for updates…"));
    QPointer<QWidget> weakParent(parent);
    auto *client = new Client(config);
    QObject::connect(client, &Client::updateAvailable, client,
                     [client, config, appName, weakParent, status](const Artifact &artifact) {
                         client->deleteLater();
                         clearStatus(status);
                         if (!weakParent)
                             return;
                         UpdateDialog::present(artifact, config.currentVersion, appName,
                                               weakParent);
                     });
    QObject::connect(client, &Client::upToDate, client, [client, config, appName, status] {
        client->deleteLater();
        showStatus(status, tr("%1 is up to date (version %2)").arg(appName, config.currentVersion),
                   kResultMs);
    });
    QObject::connect(client, &Client::checkFailed, client, [client, status](const QString &reason) {
        client->deleteLater();
        showStatus(status, tr("Update check failed: %1").arg(reason), kResultMs);
    });
    client->check();
}

void showWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent,
                  const StatusFunctions &status) {
    showStatus(status, tr("Loading release notes…"));
    QPointer<QWidget> weakParent(parent);
    auto *fetcher = new ReleaseNotesFetcher(config);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher,
                     [fetcher, config, appName, weakParent, status](const QString &markdown) {
                         fetcher->deleteLater();
                         clearStatus(status);
                         presentWhatsNew(weakParent, markdown, appName, config.currentVersion,
                                         config.currentVersion);
                     });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher,
                     [fetcher, config, appName, weakParent, status] {
                         fetcher->deleteLater();
                         whatsNewOfNewerRelease(config, appName, weakParent, status);
                     });
    fetcher->fetch();
}

void showWhatsNew(const UpdateConfig &config, const QString &appName, QWidget *parent) {
    showWhatsNew(config, appName, parent, StatusFunctions());
}

} // namespace TindUpdate
