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
    while (cells.size() < m_columns.size())
        cells.append(Cell::plain(QString()));
    m_rows.append(std::move(cells));
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
    switch (format) {
    case Format::Csv:
        return renderCsv();
    case Format::Json:
        return renderJson();
    case Format::Text:
        break;
    }
    return renderText();
}

QByteArray OutputTable::renderText() const {
    QList<int> widths;
    for (const Column &column : m_columns)
        widths.append(int(column.title.size()));
    for (const auto &row : m_rows) {
        for (int i = 0; i < m_columns.size(); ++i)
            widths[i] = qMax(widths[i], int(row.at(i).text.size()));
    }

    const auto line = [&](const QList<QString> &texts, const QList<bool> &right) {
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
        return out + QLatin1Char('\n');
    };

    QList<bool> right;
    for (int i = 0; i < m_columns.size(); ++i) {
        bool r = !m_rows.isEmpty();
        for (const auto &row : m_rows)
            r = r && row.at(i).rightAligned;
        right.append(r);
    }

    QList<QString> titles;
    for (const Column &column : m_columns)
        titles.append(column.title);
    QString out = line(titles, right);
    for (const auto &row : m_rows) {
        QList<QString> texts;
        for (int i = 0; i < m_columns.size(); ++i)
            texts.append(row.at(i).text);
        out += line(texts, right);
    }
    return out.toUtf8();
}

QByteArray OutputTable::renderCsv() const {
    // The same quoting as the reports screen's export, so files from both look alike.
    QStringList headers;
    for (const Column &column : m_columns)
        headers.append(column.title);
    QList<QStringList> rows;
    for (const auto &row : m_rows) {
        QStringList cells;
        for (int i = 0; i < m_columns.size(); ++i)
            cells.append(valueText(row.at(i).value));
        rows.append(cells);
    }
    return ReportService::toCsv(headers, rows).toUtf8();
}

QByteArray OutputTable::renderJson() const {
    QJsonArray array;
    for (const auto &row : m_rows) {
        QJsonObject object;
        for (int i = 0; i < m_columns.size(); ++i)
            object.insert(m_columns.at(i).key, row.at(i).value);
        array.append(object);
    }
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}
