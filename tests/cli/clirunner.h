// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs the built quillon-cli the way a user would, on a chosen data directory.
struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    QJsonArray json() const { return QJsonDocument::fromJson(out).array(); }
};

inline CliResult runCli(const QString &dataDir, const QStringList &args,
                        const QProcessEnvironment &extra = QProcessEnvironment(),
                        int timeoutMs = 60000) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QUILLON_DATA_DIR"), dataDir);
    env.remove(QStringLiteral("QUILLON_VERBOSE"));
    // No display: the companion must not need one.
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const QString &key : extra.keys())
        env.insert(key, extra.value(key));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(QUILLON_CLI_PATH), args);
    CliResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
