// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

namespace TindUpdate {

// The manifest key of the builds that run here.
class Platform {
public:
    // Empty when no build is published for this system.
    static QString currentKey();

    // kernelType and cpuArchitecture as QSysInfo reports them ("winnt", "linux"; "x86_64").
    static QString keyFor(const QString &kernelType, const QString &cpuArchitecture);
};

} // namespace TindUpdate
