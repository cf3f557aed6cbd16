// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/manifest.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>

#include <cmath>

namespace TindUpdate {

namespace {

// JSON numbers are doubles; only integral values that fit a qint64 count as integers.
std::optional<qint64> integerValue(const QJsonValue &value) {
    if (!value.isDouble())
        return std::nullopt;
    const double d = value.toDouble();
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!std::isfinite(d) || std::trunc(d) != d || d < -limit || d >= limit)
        return std::nullopt;
    return value.toInteger();
}

bool requiredString(const QJsonObject &object, const QString &key, QString *out, QString *error) {
    const QJsonValue value = object.value(key);
    if (!value.isString()) {
        *error = QStringLiteral("missing or non-string field: %1").arg(key);
        return false;
    }
    *out = value.toString();
    return true;
}

// Absent and null both mean "not given".
bool optionalString(const QJsonObject &object, const QString &key, QString *out, QString *error) {
    const QJsonValue value = object.value(key);
    if (value.isUndefined() || value.isNull())
        return true;
    return requiredString(object, key, out, error);
}

// Download and notes links are handed to the browser and to the network layer, so a
// manifest must not be able to point them at local files or other schemes.
bool isWebUrl(const QUrl &url) {
    const QString scheme = url.scheme();
    return url.isValid() && !url.host().isEmpty()
           && (scheme == QLatin1String("https") || scheme == QLatin1String("http"));
}

std::optional<Artifact> parseArtifact(const QString &platform, const QJsonObject &object,
                                      QString *error) {
    Artifact artifact;
    QString releasedAt;
    QString url;
    QString notesUrl;
    if (!requiredString(object, QStringLiteral("version"), &artifact.version, error)
        || !requiredString(object, QStringLiteral("released_at"), &releasedAt, error)
        || !requiredString(object, QStringLiteral("url"), &url, error)
        || !requiredString(object, QStringLiteral("sha256"), &artifact.sha256, error)
        || !optionalString(object, QStringLiteral("min_upgradable_from"),
                           &artifact.minUpgradableFrom, error)
        || !optionalString(object, QStringLiteral("release_notes_url"), &notesUrl, error))
        return std::nullopt;

    bool valid = !artifact.version.isEmpty() && artifact.sha256.size() == 64;

    artifact.releasedAt = QDateTime::fromString(releasedAt, Qt::ISODate);
    valid = valid && artifact.releasedAt.isValid();

    artifact.url = QUrl(url, QUrl::StrictMode);
    valid = valid && isWebUrl(artifact.url);

    const QJsonValue size = object.value(QStringLiteral("size"));
    if (!size.isUndefined()) {
        const std::optional<qint64> bytes = integerValue(size);
        artifact.size = bytes.value_or(-1);
    }
    valid = valid && artifact.size > 0;

    const QJsonValue mandatory = object.value(QStringLiteral("mandatory"));
    if (mandatory.isBool())
        artifact.mandatory = mandatory.toBool();
    else if (!mandatory.isUndefined() && !mandatory.isNull())
        valid = false; // "true" as text must not silently become an optional update

    if (!notesUrl.isEmpty()) {
        artifact.releaseNotesUrl = QUrl(notesUrl, QUrl::StrictMode);
        valid = valid && isWebUrl(artifact.releaseNotesUrl);
    }

    if (!valid) {
        *error = QStringLiteral("artifact %1 failed validation").arg(platform);
        return std::nullopt;
    }
    return artifact;
}

} // namespace

std::optional<Manifest> Manifest::parse(const QByteArray &json, QString *error) {
    QString ignored;
    if (!error)
        error = &ignored;

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("JSON parse error: %1").arg(parseError.errorString());
        return std::nullopt;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("manifest root is not a JSON object");
        return std::nullopt;
    }
    const QJsonObject root = document.object();

    const std::optional<qint64> schema = integerValue(root.value(QStringLiteral("schema")));
    if (!schema) {
        *error = QStringLiteral("missing or non-integer field: schema");
        return std::nullopt;
    }
    if (*schema != kSchema) {
        *error = QStringLiteral("unsupported manifest schema: %1 (expected %2)")
                     .arg(*schema)
                     .arg(kSchema);
        return std::nullopt;
    }

    Manifest manifest;
    if (!requiredString(root, QStringLiteral("app"), &manifest.m_app, error)
        || !requiredString(root, QStringLiteral("channel"), &manifest.m_channel, error))
        return std::nullopt;

    const QJsonValue artifacts = root.value(QStringLiteral("artifacts"));
    if (!artifacts.isObject()) {
        *error = QStringLiteral("missing or non-object field: artifacts");
        return std::nullopt;
    }
    const QJsonObject entries = artifacts.toObject();
    for (auto it = entries.begin(); it != entries.end(); ++it) {
        if (!it.value().isObject()) {
            *error = QStringLiteral("artifact %1 is not an object").arg(it.key());
            return std::nullopt;
        }
        std::optional<Artifact> artifact = parseArtifact(it.key(), it.value().toObject(), error);
        if (!artifact)
            return std::nullopt;
        manifest.m_artifacts.insert(it.key(), *artifact);
    }

    if (manifest.m_app.isEmpty() || manifest.m_channel.isEmpty()
        || manifest.m_artifacts.isEmpty()) {
        *error = QStringLiteral("manifest failed validation");
        return std::nullopt;
    }
    return manifest;
}

} // namespace TindUpdate
