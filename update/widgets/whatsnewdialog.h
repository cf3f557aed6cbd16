// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;

namespace TindUpdate {

class NotesBrowser;

// The release notes of one version, with a download button when that version is not the
// one running.
class WhatsNewDialog : public QDialog {
    Q_OBJECT

public:
    WhatsNewDialog(const QString &markdown, const QString &appName, const QString &version,
                   const QString &currentVersion, QWidget *parent = nullptr,
                   const QUrl &downloadUrl = QUrl());
    ~WhatsNewDialog() override;

    NotesBrowser *notesBrowser() const { return m_notes; }
    QPushButton *downloadButton() const { return m_download; } // Null without a download.

private:
    NotesBrowser *m_notes = nullptr;   // Owned (Qt child).
    QPushButton *m_download = nullptr; // Owned (Qt child).
};

} // namespace TindUpdate
