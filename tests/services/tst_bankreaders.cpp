// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/camtreader.h"
#include "services/importformat.h"
#include "services/ofxreader.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <libofx/libofx.h>

#include <cmath>

namespace {

QString fixturePath(const QString &name) {
    return QStringLiteral(QUILLON_IMPORT_DATA "/") + name;
}

QString describe(const BankEntry &e) {
    return QStringLiteral("%1|%2|%3|%4|%5|%6")
        .arg(e.date.toString(Qt::ISODate), e.amount, e.payee, e.memo, e.checkNumber, e.reference);
}

QString describe(const BankStatement &s) {
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(s.accountNumber, s.currency, s.ledgerBalance, s.balanceDate.toString(Qt::ISODate))
        .arg(s.entries);
}

struct Read {
    bool ok = false;
    QStringList entries;
    QStringList statements;
    QString error;
};

Read readFile(const QString &path) {
    Read read;
    const auto collect = [&read](const BankEntry &e) {
        read.entries << describe(e);
        return true;
    };
    QList<BankStatement> statements;
    if (detectImportFormat(path) == ImportFormat::Camt) {
        CamtReader reader;
        read.ok = reader.read(path, collect);
        read.error = reader.errorString();
        statements = reader.statements();
    } else {
        OfxReader reader;
        read.ok = reader.read(path, collect);
        read.error = reader.errorString();
        statements = reader.statements();
    }
    for (const BankStatement &s : statements)
        read.statements << describe(s);
    return read;
}

// What libofx makes of the same file, in the same shape, for the fields both read.
QStringList libofxEntries(const QString &path) {
    ofx_PARSER_msg = ofx_DEBUG_msg = ofx_DEBUG1_msg = ofx_DEBUG2_msg = ofx_DEBUG3_msg
        = ofx_DEBUG4_msg = ofx_DEBUG5_msg = ofx_STATUS_msg = ofx_INFO_msg = ofx_WARNING_msg
        = ofx_ERROR_msg = 0;
    QStringList entries;
    LibofxContextPtr context = libofx_get_new_context();
    ofx_set_transaction_cb(
        context,
        [](const OfxTransactionData data, void *list) {
            BankEntry e;
            if (data.date_posted_valid)
                e.date = QDateTime::fromSecsSinceEpoch(data.date_posted).date();
            if (data.amount_valid)
                e.amount = QString::number(std::llround(data.amount * 100) / 100.0, 'f', 2);
            if (data.name_valid)
                e.payee = QString::fromUtf8(data.name);
            if (data.memo_valid)
                e.memo = QString::fromUtf8(data.memo);
            if (data.check_number_valid)
                e.checkNumber = QString::fromUtf8(data.check_number);
            if (data.fi_id_valid)
                e.reference = QString::fromUtf8(data.fi_id);
            static_cast<QStringList *>(list)->append(describe(e));
            return 0;
        },
        &entries);
    libofx_proc_file(context, QFile::encodeName(path).constData(), OFX);
    libofx_free_context(context);
    return entries;
}

} // namespace

class tst_BankReaders : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void readsStatements_data();
    void readsStatements();
    void agreesWithLibofx_data();
    void agreesWithLibofx();
    void refusesHostileFiles_data();
    void refusesHostileFiles();
    void hugeValueIsRefusedQuickly_data();
    void hugeValueIsRefusedQuickly();
    void detectsFormatByContent_data();
    void detectsFormatByContent();
    void handlerStopsReading();
    void accountNumberReadsTheSameGrouped();
};

void tst_BankReaders::readsStatements_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("OFX 1 SGML, Windows-1252, two equal purchases")
        << "ofx1-checking-1252.ofx"
        << QStringList{"2024-01-05|-45.10|Café Rouge|POS purchase||20240105001",
                       "2024-01-10|-120.00|Check 1042||1042|20240110001",
                       "2024-01-15|2500.00|ACME PAYROLL|Salary January||20240115001",
                       "2024-01-20|-3.50|Coffee Cart|||20240120001",
                       "2024-01-20|-3.50|Coffee Cart|||20240120002"}
        << QStringList{"000123454521|USD|1331.40|2024-01-31|5"};
    QTest::newRow("OFX 2 XML, UTF-8, entity in a memo")
        << "ofx2-savings-utf8.ofx"
        << QStringList{"2024-02-02|200.00|Übertrag Girokonto|Sparen & Anlegen||S-0202-1",
                       "2024-02-29|1.27|Zinsen|||S-0229-1"}
        << QStringList{"DE89370400440532013000|EUR|5201.27|2024-02-29|2"};
    QTest::newRow("QFX credit card on few lines")
        << "qfx-creditcard.qfx"
        << QStringList{"2024-02-03|-89.99|BOOKSHOP ONLINE|||CC240203A",
                       "2024-02-10|25.00|BOOKSHOP ONLINE|Refund||CC240210R",
                       "2024-02-25|300.00|PAYMENT THANK YOU|||CC240225P"}
        << QStringList{"4111111111119876|USD|-412.34|2024-02-29|3"};
    QTest::newRow("CAMT.053 v02, two statements, pending entry left out")
        << "camt053-v02-two-statements.xml"
        << QStringList{"2024-02-05|-44.50|Stadtwerke Süd|Abschlag Strom Februar 2024||"
                       "2024020500001",
                       "2024-02-27|1000.00|ACME GmbH|Gehalt 02/2024||2024022700007",
                       "2024-02-28|-25.00|Kontoführung|||"}
        << QStringList{"DE89370400440532013000|EUR|1955.50|2024-02-29|2",
                       "0532013001|EUR|-25.00|2024-02-29|1"};
    QTest::newRow("CAMT.053 v08, status and party nested")
        << "camt053-v08.xml" << QStringList{"2024-03-12|-89.60|Migros Zürich|Einkauf||CH-0312-88"}
        << QStringList{"CH9300762011623852957|CHF|310.40|2024-03-31|1"};
}

void tst_BankReaders::readsStatements() {
    QFETCH(QString, file);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, statements);
    const Read read = readFile(fixturePath(file));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.entries, entries);
    QCOMPARE(read.statements, statements);
}

void tst_BankReaders::agreesWithLibofx_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("version 1") << "ofx1-checking-1252.ofx";
    QTest::newRow("overlapping version 1") << "ofx1-checking-overlap.ofx";
    QTest::newRow("version 2") << "ofx2-savings-utf8.ofx";
    QTest::newRow("QFX") << "qfx-creditcard.qfx";
}

// libofx is the reader the free finance programs share; where both read a file, they agree.
void tst_BankReaders::agreesWithLibofx() {
    QFETCH(QString, file);
    const Read read = readFile(fixturePath(file));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.entries, libofxEntries(fixturePath(file)));
}

void tst_BankReaders::refusesHostileFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");
    QTest::newRow("truncated OFX") << "ofx-truncated.ofx"
                                   << "cut off";
    QTest::newRow("OFX entity expansion") << "ofx-billion-laughs.ofx"
                                          << "document type";
    QTest::newRow("OFX external entity") << "ofx-external-entity.ofx"
                                         << "document type";
    QTest::newRow("truncated CAMT") << "camt-truncated.xml"
                                    << "line";
    QTest::newRow("CAMT entity expansion") << "camt-billion-laughs.xml"
                                           << "document type";
    QTest::newRow("CAMT external entity") << "camt-external-entity.xml"
                                          << "document type";
}

void tst_BankReaders::refusesHostileFiles() {
    QFETCH(QString, file);
    QFETCH(QString, error);
    QElapsedTimer timer;
    timer.start();
    const Read read = readFile(fixturePath(file));
    QVERIFY(!read.ok);
    QVERIFY2(read.error.contains(error), qPrintable(read.error));
    QVERIFY(!read.error.contains(QLatin1String("root:")));
    QVERIFY(timer.elapsed() < 5000);
}

void tst_BankReaders::hugeValueIsRefusedQuickly_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("filler");
    QTest::addColumn<QString>("error");
    QTest::newRow("value") << QByteArray("OFXHEADER:100\n\n<OFX><STMTTRN><NAME>") << QByteArray("x")
                           << "value";
    QTest::newRow("tag name") << QByteArray("OFXHEADER:100\n\n<OFX><") << QByteArray("A") << "tag";
}

// 100 MB of one value or one tag name: read no further than the limit, in bounded memory.
void tst_BankReaders::hugeValueIsRefusedQuickly() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, filler);
    QFETCH(QString, error);
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.ofx");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(before);
    const QByteArray block = filler.repeated(1024 * 1024);
    for (int i = 0; i < 100; ++i)
        QCOMPARE(file.write(block), block.size());
    file.close();

    QElapsedTimer timer;
    timer.start();
    const Read read = readFile(path);
    QVERIFY(!read.ok);
    QVERIFY2(read.error.contains(error), qPrintable(read.error));
    QVERIFY2(timer.elapsed() < 10000, qPrintable(QString::number(timer.elapsed())));
}

void tst_BankReaders::detectsFormatByContent_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("format");
    QTest::newRow("OFX 1 named .txt")
        << "download.txt" << QByteArray("OFXHEADER:100\r\nDATA:OFXSGML") << int(ImportFormat::Ofx);
    QTest::newRow("OFX 2 named .xml")
        << "a.xml" << QByteArray("<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\"?>\n<OFX>")
        << int(ImportFormat::Ofx);
    QTest::newRow("CAMT named .dat")
        << "a.dat"
        << QByteArray("<?xml version=\"1.0\"?><Document "
                      "xmlns=\"urn:iso:std:iso:20022:tech:xsd:camt.053.001.04\">")
        << int(ImportFormat::Camt);
    QTest::newRow("QIF") << "a.txt" << QByteArray("!Type:Bank\nD1/1/24\n^")
                         << int(ImportFormat::Qif);
    QTest::newRow("unknown content named .qfx")
        << "a.qfx" << QByteArray("Date,Payee,Amount\n") << int(ImportFormat::Ofx);
    QTest::newRow("CSV") << "a.csv" << QByteArray("Date,Payee,Amount\n") << int(ImportFormat::Csv);
}

void tst_BankReaders::detectsFormatByContent() {
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(int, format);
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    QCOMPARE(int(detectImportFormat(file.fileName())), format);
}

// A preview wants a few entries and the account; it must not read the rest of the file.
void tst_BankReaders::handlerStopsReading() {
    OfxReader reader;
    int seen = 0;
    QVERIFY(reader.read(fixturePath("ofx1-checking-1252.ofx"),
                        [&seen](const BankEntry &) { return ++seen < 2; }));
    QCOMPARE(seen, 2);
    QCOMPARE(reader.statements().size(), 1);
    QCOMPARE(reader.statements().first().maskedAccountNumber(), QStringLiteral("*4521"));
}

// Banks group an IBAN in fours; the account it names is the same written either way.
void tst_BankReaders::accountNumberReadsTheSameGrouped() {
    CamtReader reader;
    QVERIFY(reader.read(fixturePath("camt053-same-account-two-days.xml"),
                        [](const BankEntry &) { return true; }));
    QCOMPARE(reader.statements().size(), 2);
    for (const BankStatement &statement : reader.statements()) {
        QCOMPARE(statement.plainAccountNumber(), QStringLiteral("DE89370400440532013000"));
        QCOMPARE(statement.lastFour(), QStringLiteral("3000"));
        QCOMPARE(statement.maskedAccountNumber(), QStringLiteral("*3000"));
    }
}

QTEST_GUILESS_MAIN(tst_BankReaders)
#include "tst_bankreaders.moc"
