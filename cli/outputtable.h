// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/enums.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <functional>

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

    // A producer of rows: hands each row to the sink, in order; false when it could not
    // produce them all.
    using RowSink = std::function<void(QList<Cell> cells)>;
    using RowSource = std::function<bool(const RowSink &sink)>;
    using Writer = std::function<void(const QByteArray &text)>;
    // Writes the table's columns with the rows source produces (not the rows added), in
    // pieces, without keeping the rows: CSV and JSON in one pass, the text table in two (the
    // first only measures the columns, so source runs twice and must give the same rows).
    // False when source failed; a text table is then not written at all, CSV and JSON may
    // have been written in part.
    bool stream(Format format, const RowSource &source, const Writer &write) const;

    // Parses "text", "csv" or "json"; false for anything else.
    static bool parseFormat(const QString &text, Format *format);

private:
    QList<Cell> padded(QList<Cell> cells) const;
    bool streamText(const RowSource &source, const Writer &write) const;
    bool streamCsv(const RowSource &source, const Writer &write) const;
    bool streamJson(const RowSource &source, const Writer &write) const;

    QList<Column> m_columns;
    QList<QList<Cell>> m_rows;
};
