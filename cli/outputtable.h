// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

// A listing printed as an aligned text table, as CSV or as a JSON array of objects.
// Money cells show the formatted amount in text and integer minor units in CSV and JSON.
class OutputTable {
public:
    enum class Format { Text, Csv, Json };

    struct Cell {
        QString text;     // what the text table shows
        QJsonValue value; // what CSV and JSON carry
        bool rightAligned = false;

        static Cell plain(const QString &text);
        static Cell money(qint64 amount, Currency currency);
        static Cell number(qint64 value);
        static Cell flag(bool value);
    };

    struct Column {
        QString title; // text and CSV header
        QString key;   // JSON member
    };

    explicit OutputTable(QList<Column> columns);

    void addRow(QList<Cell> cells);

    QByteArray render(Format format) const;

    // Parses "text", "csv" or "json"; false for anything else.
    static bool parseFormat(const QString &text, Format *format);

private:
    QByteArray renderText() const;
    QByteArray renderCsv() const;
    QByteArray renderJson() const;

    QList<Column> m_columns;
    QList<QList<Cell>> m_rows;
};
