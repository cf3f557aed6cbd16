// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "update/artifact.h"

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>

namespace TindUpdate {

// The channel's "latest.json": which release each platform should run.
class Manifest {
public:
    static constexpr int kSchema = 1;

    // Returns nothing for a manifest that breaks any rule, with the reason in *error. One bad
    // artifact rejects the whole manifest, whichever platform it is for.
    static std::optional<Manifest> parse(const QByteArray &json, QString *error);

    int schema() const { return m_schema; }
    QString app() const { return m_app; }
    QString channel() const { return m_channel; }
    const QMap<QString, Artifact> &artifacts() const { return m_artifacts; }

private:
    int m_schema = kSchema;
    QString m_app;
    QString m_channel;
    QMap<QString, Artifact> m_artifacts; // by platform key
};

} // namespace TindUpdate
