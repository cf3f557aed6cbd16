// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "server/recordid.h"

#include <QSet>
#include <QTest>
#include <QUuid>

#include <thread>
#include <vector>

// Record ids are what every device stores as a record's server id: valid UUID text, never
// twice the same, and in the order they were made (which keeps the key indexes append-only).
class tst_RecordId : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void idsAreOrderedUniqueUuids();
    void threadsNeverShareAnId();
};

void tst_RecordId::idsAreOrderedUniqueUuids() {
    QString previous;
    QSet<QString> seen;
    // More ids than one millisecond's counter holds, so that the counter rolls over.
    for (int i = 0; i < 20000; ++i) {
        const QString id = RecordId::create();
        const QUuid uuid(id);
        QVERIFY2(!uuid.isNull(), qPrintable(id));
        QCOMPARE(id.size(), 36);
        QCOMPARE(id, id.toLower());
        // The version digit; Qt 6.4 knows versions up to 5 only.
        QCOMPARE(id.at(14), QLatin1Char('7'));
        QCOMPARE(uuid.variant(), QUuid::DCE);
        QVERIFY2(id > previous, qPrintable(previous + QLatin1String(" then ") + id));
        QVERIFY(!seen.contains(id));
        seen.insert(id);
        previous = id;
    }
}

void tst_RecordId::threadsNeverShareAnId() {
    constexpr int kThreads = 4;
    constexpr int kEach = 5000;
    std::vector<QStringList> made(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&made, t] {
            for (int i = 0; i < kEach; ++i)
                made[t].append(RecordId::create());
        });
    for (std::thread &thread : threads)
        thread.join();
    QSet<QString> all;
    for (const QStringList &ids : made)
        for (const QString &id : ids)
            all.insert(id);
    QCOMPARE(all.size(), kThreads * kEach);
}

QTEST_GUILESS_MAIN(tst_RecordId)
#include "tst_recordid.moc"
