// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/loghandler.h"

#include <cstdio>

namespace LogHandler {

QByteArray formatLine(QtMsgType type, const QString &message) {
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return QByteArray();
    case QtWarningMsg:
        return QByteArrayLiteral("WARN: ") + message.toLocal8Bit() + '\n';
    case QtCriticalMsg:
    case QtFatalMsg:
        break;
    }
    return message.toLocal8Bit() + '\n';
}

void messageHandler(QtMsgType type, const QMessageLogContext &, const QString &message) {
    const QByteArray line = formatLine(type, message);
    if (line.isEmpty())
        return;
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

bool installUnlessVerbose() {
    if (!qEnvironmentVariableIsEmpty("QUILLON_VERBOSE"))
        return false;
    qInstallMessageHandler(messageHandler);
    return true;
}

} // namespace LogHandler
