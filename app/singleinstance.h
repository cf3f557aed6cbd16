// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One program instance per data directory. The first start holds a lock file in the data
// directory and listens on a local socket named after it; a later start with the same data
// directory asks the first to come to the front and then exits. Two data directories are two
// independent instances.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString &dataDirectory, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this process is the data directory's instance (it then listens for later
    // starts); false when another process is, in which case that process has been asked to
    // show its window. Waits up to timeoutMs for a first instance that is still starting.
    bool claim(int timeoutMs = 3000);

    // The local socket's name for a data directory: stable per user and directory.
    static QString serverName(const QString &dataDirectory);

Q_SIGNALS:
    // A later start asked this instance to bring its window to the front.
    void activationRequested();

private:
    bool listen();
    bool notifyRunning(int timeoutMs);

    QString m_dataDirectory;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr; // Owned (Qt child).
};
