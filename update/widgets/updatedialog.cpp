// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/widgets/updatedialog.h"

#include "update/releasenotesfetcher.h"
#include "update/updatelog.h"
#include "update/widgets/linkpolicy.h"
#include "update/widgets/notesbrowser.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace TindUpdate {

UpdateDialog::UpdateDialog(const Artifact &artifact, const QString &currentVersion,
                           const QString &appName, QWidget *parent)
    : QDialog(parent)
    , m_artifact(artifact) {
    setWindowTitle(tr("Update available"));
    setAccessibleName(tr("Update available"));
    auto *layout = new QVBoxLayout(this);

    // Names and versions come from a server: never read as markup.
    auto *headline = new QLabel(tr("A new version of %1 is available.").arg(appName), this);
    headline->setTextFormat(Qt::PlainText);
    headline->setWordWrap(true);
    QFont headlineFont = headline->font();
    headlineFont.setBold(true);
    headline->setFont(headlineFont);
    layout->addWidget(headline);
    auto *versions = new QLabel(
        tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version),
        this);
    versions->setTextFormat(Qt::PlainText);
    versions->setWordWrap(true);
    layout->addWidget(versions);

    if (artifact.releaseNotesUrl.isValid() && !artifact.releaseNotesUrl.isEmpty()) {
        m_notes = new NotesBrowser(this);
        m_notes->setMinimumHeight(150);
        m_notes->setPlainText(tr("Loading release notes…"));
        layout->addWidget(m_notes, 1);
        m_fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl,
                                            QStringLiteral("update-dialog"), this);
        connect(m_fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(m_fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this] {
            m_notes->setMarkdown(tr("*Release notes are not available for this version.*"));
        });
        m_fetcher->fetch();
        resize(520, 420);
    }

    auto *buttons = new QDialogButtonBox(this);
    m_download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    m_download->setDefault(true);
    m_download->setAccessibleName(tr("Download"));
    connect(m_download, &QPushButton::clicked, this, &UpdateDialog::onDownloadClicked);
    if (!artifact.mandatory) {
        m_later = buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
        m_later->setAccessibleName(tr("Later"));
        connect(m_later, &QPushButton::clicked, this, [this] {
            m_postponed = true;
            reject();
        });
    }
    layout->addWidget(buttons);
}

UpdateDialog *UpdateDialog::present(const Artifact &artifact, const QString &currentVersion,
                                    const QString &appName, QWidget *parent) {
    if (parent) {
        for (UpdateDialog *open :
             parent->findChildren<UpdateDialog *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (!open->isVisible())
                continue;
            if (open->artifact().version == artifact.version) {
                open->raise();
                open->activateWindow();
                return open;
            }
            open->close();
        }
    }
    auto *dialog = new UpdateDialog(artifact, currentVersion, appName, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
    return dialog;
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::onDownloadClicked() {
    if (!m_artifact.url.isValid() || m_artifact.url.isEmpty()) {
        qCWarning(lcUpdate) << "TindUpdate: download URL is empty or invalid";
    } else if (!LinkPolicy::open(m_artifact.url)) {
        qCWarning(lcUpdate) << "TindUpdate: QDesktopServices::openUrl failed for:"
                            << m_artifact.url;
    }
    accept();
}

void UpdateDialog::onNotesReady(const QString &markdown) {
    if (m_notes)
        m_notes->setMarkdown(markdown);
}

} // namespace TindUpdate
