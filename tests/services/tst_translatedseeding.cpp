// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/categoryservice.h"
#include "services/sampledataservice.h"
#include "storage/categoryrepository.h"
#include "tests/support/testdatabase.h"

#include <QCoreApplication>
#include <QSet>
#include <QSqlQuery>
#include <QTest>
#include <QTranslator>

#include <memory>

// The default categories and the sample data are stored in the interface language of the
// moment they are written; the sample rows must still find their categories, and two devices
// seeded in one language must agree on every category id.
class tst_TranslatedSeeding : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void categoriesInEachLanguage_data();
    void categoriesInEachLanguage();
    void sampleDataFindsTranslatedCategories_data();
    void sampleDataFindsTranslatedCategories();

private:
    std::unique_ptr<QTranslator> m_translator;
};

namespace {

QStringList column(const TestDatabase &db, const QString &sql) {
    QStringList values;
    QSqlQuery query(db.connection());
    if (!query.exec(sql))
        return {QStringLiteral("query failed: ") + sql};
    while (query.next())
        values << query.value(0).toString();
    return values;
}

bool seed(const TestDatabase &db) {
    CategoryRepository categories(db.database());
    return CategoryService(&categories).ensureDefaults();
}

void addLanguageRows() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("groceries");
    QTest::addColumn<QString>("housing");
    QTest::addColumn<QString>("rent");
    QTest::addColumn<QString>("rentPayee");
    QTest::addColumn<QString>("checking");
    QTest::newRow("en") << "en"
                        << "Groceries"
                        << "Housing"
                        << "Rent/Mortgage Payment"
                        << "Pinecrest Apartments"
                        << "Main Checking";
    QTest::newRow("es") << "es"
                        << "Supermercado"
                        << "Vivienda"
                        << "Alquiler/Hipoteca"
                        << "Residencial Pinos"
                        << "Cuenta nómina";
    QTest::newRow("de") << "de"
                        << "Lebensmittel"
                        << "Wohnen"
                        << "Miete/Kreditrate"
                        << "Kiefernhain Wohnbau"
                        << "Girokonto";
    QTest::newRow("fr") << "fr"
                        << "Courses"
                        << "Logement"
                        << "Loyer/Mensualité de prêt"
                        << "Résidence Les Pins"
                        << "Compte courant principal";
    QTest::newRow("ja") << "ja"
                        << "食料品"
                        << "住居"
                        << "家賃・住宅ローン"
                        << "松ヶ丘レジデンス"
                        << "メイン口座";
}

} // namespace

void tst_TranslatedSeeding::init() {
    QFETCH(QString, language);
    m_translator = std::make_unique<QTranslator>();
    const QString file = QStringLiteral(QUILLON_QM_DIR "/quillon_%1.qm").arg(language);
    QVERIFY2(m_translator->load(file), qPrintable(file));
    QVERIFY(QCoreApplication::installTranslator(m_translator.get()));
}

void tst_TranslatedSeeding::cleanup() {
    if (m_translator)
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
}

void tst_TranslatedSeeding::categoriesInEachLanguage_data() {
    addLanguageRows();
}

void tst_TranslatedSeeding::categoriesInEachLanguage() {
    QFETCH(QString, groceries);
    QFETCH(QString, housing);
    QFETCH(QString, rent);

    TestDatabase first;
    TestDatabase second(QStringLiteral("second"));
    QVERIFY(seed(first));
    QVERIFY(seed(second));

    // Two translations that collapse into one name under one parent would share an id.
    const QStringList ids = column(first, "SELECT id FROM categories ORDER BY id");
    QCOMPARE(ids.size(), 56);
    QCOMPARE(QSet<QString>(ids.cbegin(), ids.cend()).size(), 56);
    QCOMPARE(column(second, "SELECT id FROM categories ORDER BY id"), ids);

    QCOMPARE(column(first, "SELECT name FROM categories WHERE id = '"
                               + CategoryService::defaultCategoryId("expense", {}, groceries)
                               + "'"),
             QStringList{groceries});
    const QString housingId = CategoryService::defaultCategoryId("expense", {}, housing);
    QCOMPARE(column(first, "SELECT parent_id FROM categories WHERE id = '"
                               + CategoryService::defaultCategoryId("expense", housing, rent)
                               + "'"),
             QStringList{housingId});
}

void tst_TranslatedSeeding::sampleDataFindsTranslatedCategories_data() {
    addLanguageRows();
}

void tst_TranslatedSeeding::sampleDataFindsTranslatedCategories() {
    QFETCH(QString, housing);
    QFETCH(QString, rent);
    QFETCH(QString, rentPayee);
    QFETCH(QString, checking);

    TestDatabase db;
    QVERIFY(seed(db));
    QVERIFY(SampleDataService(db.database()).loadSampleData());

    QCOMPARE(column(db, "SELECT name FROM accounts WHERE id = 'sample-acct-checking'"),
             QStringList{checking});
    // Only the four transfer legs and the two card payments have no category.
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM transactions WHERE category_id IS NULL").toInt(), 6);
    QCOMPARE(
        db.scalar("SELECT COUNT(*) FROM recurring_transactions WHERE category_id IS NULL").toInt(),
        1);
    const QString rentId = CategoryService::defaultCategoryId("expense", housing, rent);
    QCOMPARE(column(db, "SELECT DISTINCT category_id FROM transactions WHERE payee = '" + rentPayee
                            + "'"),
             QStringList{rentId});
}

QTEST_GUILESS_MAIN(tst_TranslatedSeeding)

#include "tst_translatedseeding.moc"
