// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/categoryservice.h"
#include "storage/categoryrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QRegularExpression>
#include <QTest>

class tst_CategoryService : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void seedsTheDefaultTree();
    void idsAreStableAcrossDatabases();
    void existingCategoriesAreLeftAlone();
    void rowsThatCannotBeAddedAreSkipped();
};

namespace {

QString idOf(const TestDatabase &db, const QString &name, const QString &parent = QString()) {
    const QString parentTest = parent.isEmpty() ? QStringLiteral("c.parent_id IS NULL")
                                                : QStringLiteral("p.name = '%1'").arg(parent);
    return db
        .scalar(QStringLiteral("SELECT c.id FROM categories c LEFT JOIN categories p ON "
                               "c.parent_id = p.id WHERE c.name = '%1' AND %2")
                    .arg(name, parentTest))
        .toString();
}

QStringList allIds(const TestDatabase &db) {
    QStringList ids;
    QSqlQuery q(db.connection());
    q.exec("SELECT id FROM categories ORDER BY id");
    while (q.next())
        ids << q.value(0).toString();
    return ids;
}

} // namespace

void tst_CategoryService::seedsTheDefaultTree() {
    TestDatabase db;
    CategoryRepository repo(db.database());
    CategoryService service(&repo);
    QVERIFY(service.ensureDefaults());

    QCOMPARE(db.scalar("SELECT COUNT(*) FROM categories").toInt(), 56);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM categories WHERE category_type = 'expense'").toInt(),
             48);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM categories WHERE category_type = 'income'").toInt(),
             8);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM categories WHERE is_tax_relevant = 1 AND "
                       "tax_category <> ''")
                 .toInt(),
             12);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM categories WHERE is_default = 1 AND version = 1 AND "
                       "sync_status = 'pending' AND deleted_at IS NULL")
                 .toInt(),
             56);
    QCOMPARE(db.scalar("SELECT tax_category FROM categories WHERE name = 'State & Local Taxes'")
                 .toString(),
             QStringLiteral("salt"));

    const QString business = idOf(db, "Business Expenses");
    QVERIFY(!business.isEmpty());
    QCOMPARE(db.scalar("SELECT parent_id FROM categories WHERE name = 'Home Office'").toString(),
             business);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM categories c JOIN categories p ON c.parent_id = p.id")
                 .toInt(),
             27);

    // The scheme is fixed: other devices derive the same ids independently.
    QCOMPARE(idOf(db, "Maintenance", "Housing"),
             QStringLiteral("daf59c16-ae84-5a09-be11-bd9dcd047413"));
    QCOMPARE(idOf(db, "Refunds"), QStringLiteral("ed3907f4-15c0-54db-82c4-ed599c3b0020"));
    QVERIFY(idOf(db, "Maintenance", "Transportation") != idOf(db, "Maintenance", "Housing"));
    QVERIFY(!idOf(db, "Maintenance", "Transportation").isEmpty());
}

void tst_CategoryService::idsAreStableAcrossDatabases() {
    // One after the other: the database takes the process's one connection.
    auto seededIds = [] {
        TestDatabase db;
        CategoryRepository repo(db.database());
        return CategoryService(&repo).ensureDefaults() ? allIds(db) : QStringList();
    };
    const QStringList ids = seededIds();
    QCOMPARE(ids.size(), 56);
    QCOMPARE(seededIds(), ids);
}

void tst_CategoryService::existingCategoriesAreLeftAlone() {
    TestDatabase db;
    CategoryRepository repo(db.database());
    CategoryService service(&repo);
    QVERIFY(repo.insert(TestRecords::category("mine", "Mine")));
    QVERIFY(service.ensureDefaults());
    QCOMPARE(allIds(db), QStringList{"mine"});

    // Once every category is deleted the tree comes back.
    QVERIFY(repo.softDelete("mine"));
    QVERIFY(service.ensureDefaults());
    QCOMPARE(repo.count(), 56);
}

void tst_CategoryService::rowsThatCannotBeAddedAreSkipped() {
    TestDatabase db;
    CategoryRepository repo(db.database());
    CategoryService service(&repo);
    QVERIFY(service.ensureDefaults());
    // The user deleted every category; the old Housing row is still stored, deleted, under
    // its seeded id. Groceries is refused outright.
    const QString housing = idOf(db, "Housing");
    QVERIFY(!housing.isEmpty());
    QVERIFY(
        db.scalar(QStringLiteral("DELETE FROM categories WHERE id <> '%1'").arg(housing)).isNull());
    QVERIFY(db.scalar("UPDATE categories SET deleted_at = '2026-01-01T00:00:00Z'").isNull());
    QVERIFY(db.scalar("CREATE TRIGGER refuse BEFORE INSERT ON categories WHEN new.name = "
                      "'Groceries' BEGIN SELECT RAISE(ABORT, 'refused'); END")
                .isNull());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^CategoryRepository::insert failed:.*UNIQUE"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^CategoryRepository::insert failed:.*refused"));
    QVERIFY(service.ensureDefaults());
    QCOMPARE(repo.count(), 54);
    // The children of the row that was there already still find their parent.
    QCOMPARE(idOf(db, "Maintenance", "Housing"),
             CategoryService::defaultCategoryId("expense", "Housing", "Maintenance"));
}

QTEST_GUILESS_MAIN(tst_CategoryService)

#include "tst_categoryservice.moc"
