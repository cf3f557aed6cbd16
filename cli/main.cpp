// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/loghandler.h"
#include "app/memorytuning.h"
#include "cli/commandrunner.h"
#include "quillonversion.h"

#include <QCoreApplication>

int main(int argc, char *argv[]) {
    MemoryTuning::keepFreedMemory();
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Tindral"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("tindral.example"));
    QCoreApplication::setApplicationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLON_VERSION));
    LogHandler::installUnlessVerbose();

    CommandRunner runner(QCoreApplication::arguments());
    return runner.run();
}
