// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/updateconfig.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace TindUpdate {

// Downloads the Markdown release notes of one version, in the user's language when the
// server has them. Every fetch ends in exactly one of the two signals.
class ReleaseNotesFetcher : public QObject {
    Q_OBJECT

public:
    // The notes of the running version, next to the channel directory on the server.
    explicit ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent = nullptr);
    // The notes at an explicit location; appId goes into the User-Agent.
    ReleaseNotesFetcher(const QUrl &notesUrl, const QString &appId, QObject *parent = nullptr);
    ~ReleaseNotesFetcher() override;

    QUrl notesUrl() const { return m_notesUrl; }

    // Two-letter language code; defaults to the system locale's.
    void setLanguage(const QString &language) { m_language = language; }
    QString language() const { return m_language; }

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    // .../quillon/stable/ with version 1.0.3 gives .../quillon/1.0.3/release-notes.md.
    static QUrl notesUrlFor(const QUrl &manifestBaseUrl, const QString &version);
    // release-notes.md with "de" gives release-notes.de.md; empty when there is no variant
    // for that language (English is the plain file).
    static QUrl localizedUrl(const QUrl &notesUrl, const QString &language);

public Q_SLOTS:
    void fetch();

Q_SIGNALS:
    void notesReady(const QString &markdown);
    void notesUnavailable();

private:
    void get(const QUrl &url, bool localized);
    void onReplyFinished(QNetworkReply *reply, bool localized);

    QUrl m_notesUrl;
    QString m_appId;
    QString m_language;
    int m_timeoutMs;
    QNetworkAccessManager *m_network; // Owned (Qt child).
    bool m_inFlight = false;
};

} // namespace TindUpdate
