// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "commandrunner.h"
#include "loghandler.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tindral"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("tindral.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.3"));
    LogHandler::installUnlessVerbose();

    CommandRunner runner(QCoreApplication::arguments());
    return runner.run();
}
