// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/artifact.h"

#include <QDialog>

class QPushButton;

namespace TindUpdate {

class NotesBrowser;
class ReleaseNotesFetcher;

// Offers a newer release: its version, its notes when it has any, "Download" and, unless
// the release is mandatory, "Later".
class UpdateDialog : public QDialog {
    Q_OBJECT

public:
    UpdateDialog(const Artifact &artifact, const QString &currentVersion, const QString &appName,
                 QWidget *parent = nullptr);
    ~UpdateDialog() override;

    // Shows the offer over parent, one at a time: a dialog already open for the same release
    // is raised instead of stacking a second one on it; one for another release gives way.
    // The dialog deletes itself when closed.
    static UpdateDialog *present(const Artifact &artifact, const QString &currentVersion,
                                 const QString &appName, QWidget *parent);

    const Artifact &artifact() const { return m_artifact; }
    // True only when the user chose "Later"; Escape or closing the window is no answer.
    bool postponed() const { return m_postponed; }

    QPushButton *downloadButton() const { return m_download; }
    QPushButton *laterButton() const { return m_later; }   // Null for a mandatory release.
    NotesBrowser *notesBrowser() const { return m_notes; } // Null without release notes.
    ReleaseNotesFetcher *notesFetcher() const { return m_fetcher; }

public Q_SLOTS:
    void onDownloadClicked();
    void onNotesReady(const QString &markdown);

private:
    Artifact m_artifact;
    QPushButton *m_download = nullptr;        // Owned (Qt child).
    QPushButton *m_later = nullptr;           // Owned (Qt child).
    NotesBrowser *m_notes = nullptr;          // Owned (Qt child).
    ReleaseNotesFetcher *m_fetcher = nullptr; // Owned (Qt child).
    bool m_postponed = false;
};

} // namespace TindUpdate
