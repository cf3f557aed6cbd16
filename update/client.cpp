// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/client.h"

#include "update/manifest.h"
#include "update/platform.h"
#include "update/updatelog.h"
#include "update/updaterequest.h"
#include "update/version.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace TindUpdate {

Client::Client(const UpdateConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_platformKey(Platform::currentKey())
    , m_timeoutMs(UpdateRequest::kDefaultTimeoutMs)
    , m_network(new QNetworkAccessManager(this)) {}

Client::~Client() = default;

QUrl Client::manifestUrl(const QUrl &baseUrl) {
    QUrl url = baseUrl;
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QLatin1String("latest.json"));
    return url;
}

void Client::check() {
    if (m_inFlight) {
        qCDebug(lcUpdate) << "check already in flight, ignoring";
        return;
    }
    // A base without a scheme (a mistyped setting) can never be fetched.
    if (!m_config.manifestBaseUrl.isValid() || m_config.manifestBaseUrl.isRelative()) {
        Q_EMIT checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        Q_EMIT checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }

    const QNetworkRequest request
        = UpdateRequest::create(manifestUrl(m_config.manifestBaseUrl), m_config.appId, m_timeoutMs);
    QNetworkReply *reply = m_network->get(request);
    m_inFlight = true;
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReplyFinished(reply); });
}

void Client::onReplyFinished(QNetworkReply *reply) {
    reply->deleteLater();
    m_inFlight = false;

    if (reply->error() != QNetworkReply::NoError) {
        Q_EMIT checkFailed(QStringLiteral("network error: %1").arg(reply->errorString()));
        return;
    }
    evaluate(reply->readAll());
}

void Client::evaluate(const QByteArray &body) {
    QString error;
    const std::optional<Manifest> manifest = Manifest::parse(body, &error);
    if (!manifest) {
        Q_EMIT checkFailed(QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }

    if (m_platformKey.isEmpty()) {
        qCWarning(lcUpdate) << "unknown platform, skipping update check";
        Q_EMIT upToDate();
        return;
    }
    const auto it = manifest->artifacts().constFind(m_platformKey);
    if (it == manifest->artifacts().constEnd()) {
        qCInfo(lcUpdate).noquote()
            << "platform" << m_platformKey << "not shipped in current manifest";
        Q_EMIT upToDate();
        return;
    }

    const Artifact &artifact = it.value();
    const Version current = Version::fromString(m_config.currentVersion);
    if (!(current < Version::fromString(artifact.version))) {
        Q_EMIT upToDate();
        return;
    }
    if (!artifact.minUpgradableFrom.isEmpty()
        && current < Version::fromString(artifact.minUpgradableFrom)) {
        Q_EMIT checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from "
                                          "%2; please upgrade to an intermediate release first")
                               .arg(m_config.currentVersion, artifact.minUpgradableFrom));
        return;
    }
    Q_EMIT updateAvailable(artifact);
}

} // namespace TindUpdate
