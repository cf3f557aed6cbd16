// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "services/qifrecord.h"

#include <QList>
#include <QStringView>

// The transaction records of a QIF file, read line by line. Records under a header that
// does not introduce transactions (an account list, categories, classes, memorised
// entries) are left out.
class QifParser {
public:
    void feedLine(QStringView line);
    // The end of the text: a record without a closing caret becomes available.
    void finish();

    bool hasRecord() const { return !m_records.isEmpty(); }
    QifRecord takeRecord() { return m_records.takeFirst(); }
    QList<QifRecord> takeRecords() { return std::exchange(m_records, {}); }

private:
    enum class Section { Transactions, Other };
    static Section sectionOf(QStringView header);
    void finishRecord();

    QList<QifRecord> m_records;
    QifRecord m_record;
    bool m_hasField = false;
    Section m_section = Section::Transactions;
    int m_line = 0;
};
