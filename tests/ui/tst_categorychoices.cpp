// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "storage/category.h"
#include "ui/widgets/categorychoices.h"

#include <QCompleter>
#include <QStringListModel>
#include <QTest>

class tst_CategoryChoices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void texts();
    void completionFindsAnyPart_data();
    void completionFindsAnyPart();
};

namespace {
Category category(const QString &id, const QString &name, const QString &parentId = QString()) {
    Category c;
    c.id = id;
    c.name = name;
    c.parentId = parentId;
    return c;
}
} // namespace

// A child listed before its parent still names it; a parent that is gone leaves the name alone.
void tst_CategoryChoices::texts() {
    const QList<CategoryChoices::Choice> choices = CategoryChoices::from(
        {category("dining", "Dining", "food"), category("food", "Food"),
         category("orphan", "Parts", "deleted-parent"), category("rent", "Rent")});
    QStringList texts, ids;
    for (const CategoryChoices::Choice &choice : choices) {
        texts << choice.text;
        ids << choice.id;
    }
    QCOMPARE(texts, (QStringList{"Food > Dining", "Food", "Parts", "Rent"}));
    QCOMPARE(ids, (QStringList{"dining", "food", "orphan", "rent"}));
}

void tst_CategoryChoices::completionFindsAnyPart_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("offered");
    QTest::newRow("child part, other case") << "DIN" << QStringList{"Food > Dining"};
    QTest::newRow("parent part") << "food" << QStringList{"Food", "Food > Dining"};
    QTest::newRow("nothing") << "zeppelin" << QStringList{};
}

void tst_CategoryChoices::completionFindsAnyPart() {
    QFETCH(QString, typed);
    QFETCH(QStringList, offered);
    QStringListModel model({"Food", "Food > Dining", "Rent"});
    QCompleter *completer = CategoryChoices::containsCompleter(&model, &model);
    completer->setCompletionPrefix(typed);
    QStringList found;
    for (int row = 0; completer->setCurrentRow(row); ++row)
        found << completer->currentCompletion();
    QCOMPARE(found, offered);
}

QTEST_MAIN(tst_CategoryChoices)
#include "tst_categorychoices.moc"
