// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/categoryrepository.h"
#include "tests/support/testdatabase.h"
#include "tests/support/testrecords.h"

#include <QSignalSpy>
#include <QTest>

using namespace TestRecords;

class tst_CategoryRepository : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void emptyReferencesAreStoredAsNull();
    void unknownParentFailsAndIsLogged();
    void findByNameIsExactAndLive();
    void softDeleteKeepsChildren();
};

void tst_CategoryRepository::emptyReferencesAreStoredAsNull() {
    TestDatabase db;
    CategoryRepository repo(db.database());
    QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);
    Category food = category("food", "Food");
    food.taxCategory = "";
    QVERIFY(repo.insert(food));
    QCOMPARE(db.scalar("SELECT parent_id IS NULL AND account_id IS NULL FROM categories").toInt(),
             1);

    Category dining = category("dining", "Dining");
    dining.parentId = "food";
    dining.type = CategoryType::Income;
    dining.isTaxRelevant = true;
    QVERIFY(repo.insert(dining));
    QCOMPARE(changed.count(), 2);
    const auto read = repo.findById("dining");
    QVERIFY(read);
    QCOMPARE(read->parentId, QStringLiteral("food"));
    QCOMPARE(read->type, CategoryType::Income);
    QVERIFY(read->isTaxRelevant);

    dining.parentId.clear();
    QVERIFY(repo.update(dining));
    QCOMPARE(db.scalar("SELECT parent_id IS NULL FROM categories WHERE id = 'dining'").toInt(), 1);
    QCOMPARE(repo.count(), 2);
}

void tst_CategoryRepository::unknownParentFailsAndIsLogged() {
    TestDatabase db;
    CategoryRepository repo(db.database());
    QSignalSpy changed(&repo, &CategoryRepository::categoriesChanged);
    Category orphan = category("orphan", "Orphan");
    orphan.parentId = "missing";
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^CategoryRepository::insert failed: .*FOREIGN KEY"));
    QVERIFY(!repo.insert(orphan));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(repo.count(), 0);
}

void tst_CategoryRepository::findByNameIsExactAndLive() {
    TestDatabase db;
    CategoryRepository repo(db.database());
    QVERIFY(repo.insert(category("c1", "Groceries")));
    QVERIFY(repo.insert(category("c2", "Old")));
    QVERIFY(repo.softDelete("c2"));

    QCOMPARE(repo.findByName("Groceries")->id, QStringLiteral("c1"));
    QVERIFY(!repo.findByName("groceries"));
    QVERIFY(!repo.findByName("Old"));
    QVERIFY(repo.findById("c2")->deletedAt);
    QCOMPARE(repo.count(), 1);
    QCOMPARE(repo.findPending().size(), 2);
}

void tst_CategoryRepository::softDeleteKeepsChildren() {
    TestDatabase db;
    CategoryRepository repo(db.database());
    QVERIFY(repo.insert(category("p", "Parent")));
    Category child = category("c", "Child");
    child.parentId = "p";
    QVERIFY(repo.insert(child));
    QVERIFY(repo.softDelete("p"));
    const QList<Category> live = repo.findAll();
    QCOMPARE(live.size(), 1);
    QCOMPARE(live.first().parentId, QStringLiteral("p"));
}

QTEST_GUILESS_MAIN(tst_CategoryRepository)
#include "tst_categoryrepository.moc"
