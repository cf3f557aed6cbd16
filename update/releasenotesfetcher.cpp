// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/releasenotesfetcher.h"

#include "update/updatelog.h"
#include "update/updaterequest.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace TindUpdate {

namespace {

const QLatin1String kNotesFile("release-notes.md");
const QLatin1String kMarkdownSuffix(".md");

QString systemLanguage() {
    return QLocale::system().name().left(2);
}

// Only a real two-letter language code names a variant: the C locale's name is "C".
bool isLanguageCode(const QString &language) {
    if (language.size() != 2)
        return false;
    for (const QChar c : language) {
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return false;
    }
    return true;
}

} // namespace

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent)
    : ReleaseNotesFetcher(notesUrlFor(config.manifestBaseUrl, config.currentVersion), config.appId,
                          parent) {}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl &notesUrl, const QString &appId,
                                         QObject *parent)
    : QObject(parent)
    , m_notesUrl(notesUrl)
    , m_appId(appId)
    , m_language(systemLanguage())
    , m_timeoutMs(UpdateRequest::kDefaultTimeoutMs)
    , m_network(new QNetworkAccessManager(this)) {}

ReleaseNotesFetcher::~ReleaseNotesFetcher() = default;

QUrl ReleaseNotesFetcher::notesUrlFor(const QUrl &manifestBaseUrl, const QString &version) {
    if (!manifestBaseUrl.isValid() || version.isEmpty())
        return {};
    QString path = manifestBaseUrl.path();
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    // Cut after the last slash: the channel directory's parent is the product directory.
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (path.isEmpty())
        path = QStringLiteral("/");
    QUrl url = manifestBaseUrl;
    url.setPath(path + version + QLatin1Char('/') + kNotesFile);
    return url;
}

QUrl ReleaseNotesFetcher::localizedUrl(const QUrl &notesUrl, const QString &language) {
    if (!isLanguageCode(language) || language == QLatin1String("en"))
        return {};
    const QString path = notesUrl.path();
    if (!path.endsWith(kMarkdownSuffix))
        return {};
    QUrl url = notesUrl;
    url.setPath(path.left(path.size() - kMarkdownSuffix.size()) + QLatin1Char('.') + language
                + kMarkdownSuffix);
    return url;
}

void ReleaseNotesFetcher::fetch() {
    if (m_inFlight) {
        qCDebug(lcUpdate) << "release notes fetch already in flight, ignoring";
        return;
    }
    if (!m_notesUrl.isValid() || m_notesUrl.isRelative()) {
        Q_EMIT notesUnavailable();
        return;
    }
    const QUrl localized = localizedUrl(m_notesUrl, m_language);
    if (localized.isValid())
        get(localized, true);
    else
        get(m_notesUrl, false);
}

void ReleaseNotesFetcher::get(const QUrl &url, bool localized) {
    QNetworkReply *reply = m_network->get(UpdateRequest::create(url, m_appId, m_timeoutMs));
    m_inFlight = true;
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, localized] { onReplyFinished(reply, localized); });
}

void ReleaseNotesFetcher::onReplyFinished(QNetworkReply *reply, bool localized) {
    reply->deleteLater();
    m_inFlight = false;

    const bool ok = reply->error() == QNetworkReply::NoError;
    if (!ok)
        qCDebug(lcUpdate).noquote()
            << "release notes not fetched from" << reply->url().toDisplayString() << ":"
            << reply->errorString();
    // Blank notes would show an empty window; treat them like missing ones.
    const QByteArray body = ok ? reply->readAll() : QByteArray();
    if (ok && !body.trimmed().isEmpty()) {
        Q_EMIT notesReady(QString::fromUtf8(body));
        return;
    }
    if (localized) {
        get(m_notesUrl, false);
        return;
    }
    Q_EMIT notesUnavailable();
}

} // namespace TindUpdate
