// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/outputtable.h"
#include "services/reportservice.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

using Cell = OutputTable::Cell;

const QList<OutputTable::Column> kColumns = {{"Payee", "payee"}, {"Amount", "amount"}};

QList<QList<Cell>> sampleRows(int count) {
    QList<QList<Cell>> rows;
    for (int i = 0; i < count; ++i)
        rows.append({Cell::plain(i == 1 ? QStringLiteral("Say \"hi\", Bob")
                                        : QStringLiteral("Payee %1").arg(i)),
                     Cell::money(-1234 - i, Currency::USD)});
    return rows;
}

// The documents as a whole-table writer would build them.
QByteArray wholeCsv(const QList<QList<Cell>> &rows) {
    QList<QStringList> texts;
    for (const auto &row : rows)
        texts.append({row.at(0).text, QString::number(row.at(1).value.toInteger())});
    return ReportService::toCsv({"Payee", "Amount"}, texts).toUtf8();
}

QByteArray wholeJson(const QList<QList<Cell>> &rows) {
    QJsonArray array;
    for (const auto &row : rows)
        array.append(QJsonObject{{"payee", row.at(0).value}, {"amount", row.at(1).value}});
    return QJsonDocument(array).toJson(QJsonDocument::Indented);
}

struct Streamed {
    bool ok = false;
    QByteArray text;
    int writes = 0;
    int sourceRuns = 0;
};

Streamed streamRows(OutputTable::Format format, const QList<QList<Cell>> &rows,
                    bool failing = false) {
    Streamed result;
    const OutputTable table(kColumns);
    result.ok = table.stream(
        format,
        [&](const OutputTable::RowSink &sink) {
            ++result.sourceRuns;
            for (const auto &row : rows)
                sink(row);
            return !failing;
        },
        [&](const QByteArray &text) {
            result.text += text;
            ++result.writes;
        });
    return result;
}

} // namespace

class tst_OutputTable : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void streamsTheWholeDocument_data();
    void streamsTheWholeDocument();
    void textTable();
    void longListingsAreWrittenInPieces();
    void failingSource();
};

void tst_OutputTable::streamsTheWholeDocument_data() {
    QTest::addColumn<OutputTable::Format>("format");
    QTest::addColumn<int>("count");
    for (const int count : {0, 1, 3}) {
        QTest::addRow("csv, %d rows", count) << OutputTable::Format::Csv << count;
        QTest::addRow("json, %d rows", count) << OutputTable::Format::Json << count;
    }
}

// Written row by row, CSV and JSON are byte for byte the documents of the whole table.
void tst_OutputTable::streamsTheWholeDocument() {
    QFETCH(OutputTable::Format, format);
    QFETCH(int, count);
    const QList<QList<Cell>> rows = sampleRows(count);
    const Streamed streamed = streamRows(format, rows);
    QVERIFY(streamed.ok);
    QCOMPARE(streamed.sourceRuns, 1);
    QCOMPARE(streamed.text, format == OutputTable::Format::Csv ? wholeCsv(rows) : wholeJson(rows));

    OutputTable table(kColumns);
    for (const auto &row : rows)
        table.addRow(row);
    QCOMPARE(table.render(format), streamed.text);
}

void tst_OutputTable::textTable() {
    const Streamed streamed = streamRows(OutputTable::Format::Text, sampleRows(3));
    QVERIFY(streamed.ok);
    // The payee column as wide as its widest cell, money right-aligned under its title.
    QCOMPARE(streamed.text, QByteArray("Payee           Amount\n"
                                       "Payee 0        -$12.34\n"
                                       "Say \"hi\", Bob  -$12.35\n"
                                       "Payee 2        -$12.36\n"));
    QCOMPARE(streamRows(OutputTable::Format::Text, {}).text, QByteArray("Payee  Amount\n"));
}

// A long listing reaches the writer in several pieces, each far smaller than the whole.
void tst_OutputTable::longListingsAreWrittenInPieces() {
    const QList<QList<Cell>> rows = sampleRows(20000);
    for (const OutputTable::Format format :
         {OutputTable::Format::Text, OutputTable::Format::Csv, OutputTable::Format::Json}) {
        const Streamed streamed = streamRows(format, rows);
        QVERIFY(streamed.ok);
        QVERIFY2(streamed.writes > 4, qPrintable(QString::number(streamed.writes)));
        QVERIFY(streamed.text.size() / streamed.writes < 128 * 1024);
    }
}

// A text table is measured before anything is written, so a failed read writes nothing.
void tst_OutputTable::failingSource() {
    const Streamed text = streamRows(OutputTable::Format::Text, sampleRows(2), true);
    QVERIFY(!text.ok);
    QVERIFY(text.text.isEmpty());
    QCOMPARE(text.sourceRuns, 1);
    QVERIFY(!streamRows(OutputTable::Format::Csv, sampleRows(2), true).ok);
    QVERIFY(!streamRows(OutputTable::Format::Json, sampleRows(2), true).ok);
}

QTEST_GUILESS_MAIN(tst_OutputTable)
#include "tst_outputtable.moc"
