// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/version.h"

#include <QStringList>

namespace TindUpdate {

namespace {

// Digits only: toInt() alone would also take a sign or surrounding blanks.
bool parsePart(const QString &part, int *value) {
    if (part.isEmpty())
        return false;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    *value = part.toInt(&ok, 10);
    return ok;
}

} // namespace

Version Version::fromString(const QString &text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (text.isEmpty() || parts.size() > 3)
        return {};
    int numbers[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        if (!parsePart(parts.at(i), &numbers[i]))
            return {};
    }
    return {numbers[0], numbers[1], numbers[2]};
}

QString Version::toString() const {
    return QStringLiteral("%1.%2.%3").arg(m_major).arg(m_minor).arg(m_patch);
}

int Version::compare(const Version &a, const Version &b) {
    if (a.m_major != b.m_major)
        return a.m_major < b.m_major ? -1 : 1;
    if (a.m_minor != b.m_minor)
        return a.m_minor < b.m_minor ? -1 : 1;
    if (a.m_patch != b.m_patch)
        return a.m_patch < b.m_patch ? -1 : 1;
    return 0;
}

} // namespace TindUpdate
