// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/platform.h"

#include <QSysInfo>

namespace TindUpdate {

QString Platform::currentKey() {
    return keyFor(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture());
}

QString Platform::keyFor(const QString &kernelType, const QString &cpuArchitecture) {
    if (cpuArchitecture != QLatin1String("x86_64"))
        return {};
    if (kernelType == QLatin1String("winnt"))
        return QStringLiteral("windows-x64");
    if (kernelType == QLatin1String("linux"))
        return QStringLiteral("linux-x64");
    return {};
}

} // namespace TindUpdate
