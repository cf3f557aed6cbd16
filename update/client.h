// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/artifact.h"
#include "update/updateconfig.h"

#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;

namespace TindUpdate {

// Asks the download server whether a newer release exists for this platform. Every check
// ends in exactly one of the three signals; a check started while another is in flight is
// ignored.
class Client : public QObject {
    Q_OBJECT

public:
    explicit Client(const UpdateConfig &config, QObject *parent = nullptr);
    ~Client() override;

    const UpdateConfig &config() const { return m_config; }

    // Defaults to Platform::currentKey(); empty means no build exists for this system.
    void setPlatformKey(const QString &key) { m_platformKey = key; }
    QString platformKey() const { return m_platformKey; }

    void setTimeout(int milliseconds) { m_timeoutMs = milliseconds; }

    bool isChecking() const { return m_inFlight; }

    static QUrl manifestUrl(const QUrl &baseUrl);

public Q_SLOTS:
    void check();

Q_SIGNALS:
    void updateAvailable(const TindUpdate::Artifact &artifact);
    void upToDate();
    void checkFailed(const QString &reason);

private:
    void onReplyFinished(QNetworkReply *reply);
    void evaluate(const QByteArray &body);

    UpdateConfig m_config;
    QString m_platformKey;
    int m_timeoutMs;
    QNetworkAccessManager *m_network; // Owned (Qt child).
    bool m_inFlight = false;
};

} // namespace TindUpdate
