// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/outputtable.h"

#include "services/reportservice.h"
#include "storage/money.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString valueText(const QJsonValue &value) {
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        return QString::number(value.toInteger());
    case QJsonValue::String:
        return value.toString();
    default:
        return QString();
    }
}

} // namespace

OutputTable::Cell OutputTable::Cell::plain(const QString &text) {
    return Cell{text, QJsonValue(text), false};
}

OutputTable::Cell OutputTable::Cell::money(qint64 amount, Currency currency) {
    return Cell{formatMoney(amount, currency), QJsonValue(amount), true};
}

OutputTable::Cell OutputTable::Cell::number(qint64 value) {
    return Cell{QString::number(value), QJsonValue(value), true};
}

OutputTable::Cell OutputTable::Cell::flag(bool value) {
    return Cell{value ? QStringLiteral("yes") : QStringLiteral("no"), QJsonValue(value), false};
}

OutputTable::OutputTable(QList<Column> columns)
    : m_columns(std::move(columns)) {}

void OutputTable::addRow(QList<Cell> cells) {
    m_rows.append(padded(std::move(cells)));
}

QList<OutputTable::Cell> OutputTable::padded(QList<Cell> cells) const {
    while (cells.size() < m_columns.size())
        cells.append(Cell::plain(QString()));
    return cells;
}

bool OutputTable::parseFormat(const QString &text, Format *format) {
    if (text == QLatin1String("text"))
        *format = Format::Text;
    else if (text == QLatin1String("csv"))
        *format = Format::Csv;
    else if (text == QLatin1String("json"))
        *format = Format::Json;
    else
        return false;
    return true;
}

QByteArray OutputTable::render(Format format) const {
    QByteArray out;
    stream(
        format,
        [this](const RowSink &sink) {
            for (const QList<Cell> &row : m_rows)
                sink(row);
            return true;
        },
        [&out](const QByteArray &text) { out += text; });
    return out;
}

bool OutputTable::stream(Format format, const RowSource &source, const Writer &write) const {
    // Rows are gathered into pieces of this size, so that a listing of a million rows is
    // neither held whole nor written one small piece at a time.
    constexpr qsizetype kPiece = 64 * 1024;
    QByteArray piece;
    const Writer buffered = [&](const QByteArray &text) {
        piece += text;
        if (piece.size() >= kPiece) {
            write(piece);
            piece.clear();
        }
    };
    bool ok = false;
    switch (format) {
    case Format::Csv:
        ok = streamCsv(source, buffered);
        break;
    case Format::Json:
        ok = streamJson(source, buffered);
        break;
    case Format::Text:
        ok = streamText(source, buffered);
        break;
    }
    if (!piece.isEmpty())
        write(piece);
    return ok;
}

bool OutputTable::streamText(const RowSource &source, const Writer &write) const {
    // First pass: the widths, and which columns are right-aligned (those whose every cell is;
    // none when there are no rows).
    QList<int> widths;
    for (const Column &column : m_columns)
        widths.append(int(column.title.size()));
    QList<bool> right(m_columns.size(), true);
    bool anyRow = false;
    const bool measured = source([&](QList<Cell> cells) {
        cells = padded(std::move(cells));
        anyRow = true;
        for (int i = 0; i < m_columns.size(); ++i) {
            widths[i] = qMax(widths[i], int(cells.at(i).text.size()));
            right[i] = right[i] && cells.at(i).rightAligned;
        }
    });
    if (!measured)
        return false;
    if (!anyRow)
        right.fill(false);

    const auto line = [&](const QList<QString> &texts) {
        QString out;
        for (int i = 0; i < texts.size(); ++i) {
            if (i > 0)
                out += QLatin1String("  ");
            const bool last = i + 1 == texts.size();
            if (right.at(i))
                out += texts.at(i).rightJustified(widths.at(i));
            else
                out += last ? texts.at(i) : texts.at(i).leftJustified(widths.at(i));
        }
        // Trailing blanks of a left-aligned last column help nobody.
        while (out.endsWith(QLatin1Char(' ')))
            out.chop(1);
        write((out + QLatin1Char('\n')).toUtf8());
    };

    QList<QString> titles;
    for (const Column &column : m_columns)
        titles.append(column.title);
    line(titles);
    return source([&](QList<Cell> cells) {
        cells = padded(std::move(cells));
        QList<QString> texts;
        for (int i = 0; i < m_columns.size(); ++i)
            texts.append(cells.at(i).text);
        line(texts);
    });
}

bool OutputTable::streamCsv(const RowSource &source, const Writer &write) const {
    // The same quoting as the reports screen's export, so files from both look alike.
    QStringList headers;
    for (const Column &column : m_columns)
        headers.append(column.title);
    write(ReportService::csvLine(headers).toUtf8());
    return source([&](QList<Cell> cells) {
        cells = padded(std::move(cells));
        QStringList texts;
        for (int i = 0; i < m_columns.size(); ++i)
            texts.append(valueText(cells.at(i).value));
        write(ReportService::csvLine(texts).toUtf8());
    });
}

bool OutputTable::streamJson(const RowSource &source, const Writer &write) const {
    // Each object as QJsonDocument indents it inside an array, so that the whole reads as
    // one indented document.
    bool first = true;
    write(QByteArrayLiteral("[\n"));
    const bool ok = source([&](QList<Cell> cells) {
        cells = padded(std::move(cells));
        QJsonObject object;
        for (int i = 0; i < m_columns.size(); ++i)
            object.insert(m_columns.at(i).key, cells.at(i).value);
        const QByteArray array = QJsonDocument(QJsonArray{object}).toJson(QJsonDocument::Indented);
        // "[\n" + the object + "\n]\n"
        const QByteArray element = array.mid(2, array.size() - 5);
        write(first ? element : QByteArrayLiteral(",\n") + element);
        first = false;
    });
    write(first ? QByteArrayLiteral("]\n") : QByteArrayLiteral("\n]\n"));
    return ok;
}
