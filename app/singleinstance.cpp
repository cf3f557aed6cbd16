// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/singleinstance.h"

#include "app/applog.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace {

const QByteArray kActivate = QByteArrayLiteral("activate\n");
const char kLockFileName[] = "quillon.lock";

} // namespace

SingleInstance::SingleInstance(const QString &dataDirectory, QObject *parent)
    : QObject(parent)
    , m_dataDirectory(dataDirectory) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString &dataDirectory) {
    const QString canonical = QFileInfo(dataDirectory).canonicalFilePath();
    const QString key = (canonical.isEmpty() ? QDir::cleanPath(dataDirectory) : canonical)
                        + QLatin1Char('\n') + qEnvironmentVariable("USER");
    const QByteArray hash
        = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("quillon-") + QString::fromLatin1(hash);
}

bool SingleInstance::claim(int timeoutMs) {
    QDir().mkpath(m_dataDirectory);
    m_lock = std::make_unique<QLockFile>(QDir(m_dataDirectory).filePath(kLockFileName));
    // A lock left by a crashed process is taken over: QLockFile checks whether its owner
    // still runs.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return listen();

    if (notifyRunning(timeoutMs))
        return false;
    // The holder neither answers nor lets go: rather than refuse to start, run without the
    // hand-over. The database's busy timeout still keeps two writers apart.
    qCWarning(lcApp).noquote() << "SingleInstance: the running instance did not answer";
    m_lock.reset();
    return true;
}

bool SingleInstance::listen() {
    const QString name = serverName(m_dataDirectory);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket file of that name is a leftover of a crashed instance.
    QLocalServer::removeServer(name);
    if (!m_server->listen(name)) {
        qCWarning(lcApp).noquote() << "SingleInstance::listen failed:" << m_server->errorString();
        return true;
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->readAll().contains(kActivate.trimmed()))
                    Q_EMIT activationRequested();
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool SingleInstance::notifyRunning(int timeoutMs) {
    const QString name = serverName(m_dataDirectory);
    QDeadlineTimer deadline(timeoutMs);
    // The first instance may hold the lock but not listen yet: try again until the deadline.
    do {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(200)) {
            socket.write(kActivate);
            const bool written = socket.waitForBytesWritten(1000);
            socket.disconnectFromServer();
            if (written)
                return true;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    return false;
}
