// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QSet>
#include <QString>

// Hands out one shared copy of each text it has seen, so that the thousands of rows of a
// register that name the same account, payee or category hold one string between them
// (implicit sharing) instead of one each. Lives for one read. Past its capacity it starts
// afresh, so that a read of any length holds a bounded number of texts.
class StringPool {
public:
    explicit StringPool(qsizetype capacity = 8192)
        : m_capacity(capacity) {}

    QString intern(const QString &text) {
        if (text.isEmpty())
            return text;
        const auto found = m_texts.constFind(text);
        if (found != m_texts.constEnd())
            return *found;
        if (m_texts.size() >= m_capacity)
            m_texts.clear();
        m_texts.insert(text);
        return text;
    }

private:
    qsizetype m_capacity;
    QSet<QString> m_texts;
};
