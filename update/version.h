// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>

namespace TindUpdate {

// A release version major.minor.patch. Text that is not one to three dot-separated decimal
// numbers (suffixes such as "-beta" included) parses as 0.0.0, so it is never newer than
// anything.
class Version {
public:
    constexpr Version() = default;
    constexpr Version(int majorVersion, int minorVersion, int patchVersion)
        : m_major(majorVersion)
        , m_minor(minorVersion)
        , m_patch(patchVersion) {}

    static Version fromString(const QString &text);

    int majorVersion() const { return m_major; }
    int minorVersion() const { return m_minor; }
    int patchVersion() const { return m_patch; }
    QString toString() const;

    friend bool operator==(const Version &a, const Version &b) { return compare(a, b) == 0; }
    friend bool operator!=(const Version &a, const Version &b) { return compare(a, b) != 0; }
    friend bool operator<(const Version &a, const Version &b) { return compare(a, b) < 0; }
    friend bool operator<=(const Version &a, const Version &b) { return compare(a, b) <= 0; }
    friend bool operator>(const Version &a, const Version &b) { return compare(a, b) > 0; }
    friend bool operator>=(const Version &a, const Version &b) { return compare(a, b) >= 0; }

private:
    static int compare(const Version &a, const Version &b);

    int m_major = 0;
    int m_minor = 0;
    int m_patch = 0;
};

} // namespace TindUpdate
