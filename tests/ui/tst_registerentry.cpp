// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "ui/presentation/registerentry.h"

#include <QLocale>
#include <QTest>

class tst_RegisterEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void read_data();
    void read();
    void storedRowReadsBack_data();
    void storedRowReadsBack();
};

namespace {

const QDate kToday(2026, 5, 17);

Account account(const QString &id, const QString &name) {
    Account a;
    a.id = id;
    a.name = name;
    return a;
}

Category category(const QString &id, const QString &name, const QString &parentId = QString()) {
    Category c;
    c.id = id;
    c.name = name;
    c.parentId = parentId;
    return c;
}

RegisterEntry entry(Currency currency = Currency::USD) {
    return RegisterEntry(
        QStringLiteral("a"), currency, {account("a", "Checking"), account("b", "Savings")},
        {category("food", "Food"), category("dining", "Dining", "food"), category("rent", "Rent")});
}

// What a row saves as, or why it is refused.
struct Saved {
    QString refusal;
    qint64 amount = 0;
    QString categoryId;
    QString clr;
    QDate date;
};

Saved saved(qint64 amount, const QString &categoryId = {}, const QString &clr = {},
            const QDate &date = QDate(2025, 3, 4)) {
    return {QString(), amount, categoryId, clr, date};
}

Saved refused(const QString &why) {
    return {why, 0, QString(), QString(), QDate()};
}

RegisterEntry::Text typed(const QString &payee, const QString &payment,
                          const QString &deposit = {}) {
    RegisterEntry::Text text;
    text.date = QStringLiteral("3/4/2025");
    text.payee = payee;
    text.payment = payment;
    text.deposit = deposit;
    text.memo = QStringLiteral("note");
    return text;
}

QString clrOf(const EntryFields &fields) {
    return fields.reconciled ? QStringLiteral("R") : fields.cleared ? QStringLiteral("C") : "";
}

} // namespace

Q_DECLARE_METATYPE(Saved)
Q_DECLARE_METATYPE(RegisterEntry::Text)

void tst_RegisterEntry::initTestCase() {
    QLocale::setDefault(QLocale::c());
}

void tst_RegisterEntry::read_data() {
    QTest::addColumn<RegisterEntry::Text>("text");
    QTest::addColumn<Saved>("expected");

    QTest::newRow("payment") << typed(" Shop ", "12.50") << saved(-1250);
    QTest::newRow("deposit with grouping") << typed("Pay", "", "1,000") << saved(100000);
    QTest::newRow("both filled: payment wins") << typed("Shop", "5", "7") << saved(-500);
    QTest::newRow("minus under payment") << typed("Shop", "-50") << saved(-5000);
    QTest::newRow("explicit zero") << typed("Shop", "", "0") << saved(0);
    RegisterEntry::Text text = typed("Shop", "1");
    text.date = QStringLiteral("someday");
    QTest::newRow("unreadable date is today") << text << saved(-100, {}, {}, kToday);
    QTest::newRow("empty payee") << typed("  ", "1") << refused("Payee is required");
    QTest::newRow("payee before amount") << typed("", "") << refused("Payee is required");
    QTest::newRow("no amount") << typed("Shop", " ", "")
                               << refused("Enter a payment or deposit amount");
    QTest::newRow("unreadable amount")
        << typed("Shop", "12x") << refused("Cannot read the amount \"12x\"; type it like 1,234.56");

    text = typed("Shop", "1");
    text.categoryText = QStringLiteral("Dining");
    text.categoryId = QStringLiteral("dining");
    QTest::newRow("category chosen by id") << text << saved(-100, "dining");
    text.categoryId.clear();
    text.categoryText = QStringLiteral("food > dining");
    QTest::newRow("category typed as parent > child") << text << saved(-100, "dining");
    text.categoryText = QStringLiteral("Treats > Dining");
    QTest::newRow("unknown parent, known child") << text << saved(-100, "dining");
    text.categoryText = QStringLiteral(" Zzz ");
    QTest::newRow("unknown category")
        << text << refused("No category \"Zzz\"; choose one from the list");

    const struct {
        const char *name;
        const char *typed;
        const char *clr;
    } clrs[] = {{"lower-case r reconciles", " r ", "R"},
                {"c clears", "c", "C"},
                {"other letters clear nothing", "x", ""}};
    for (const auto &clr : clrs) {
        text = typed("Shop", "1");
        text.clr = QString::fromLatin1(clr.typed);
        QTest::newRow(clr.name) << text << saved(-100, {}, clr.clr);
    }

    QTest::newRow("transfer to a known account")
        << typed("[Transfer] Savings", "20") << saved(-2000);
    QTest::newRow("transfer to an unknown account")
        << typed("[Transfer] Nowhere", "20") << refused("Transfer account not found");
    QTest::newRow("transfer names are exact")
        << typed("[Transfer] savings", "20") << refused("Transfer account not found");
    QTest::newRow("transfer to the same account")
        << typed("[Transfer] Checking", "20") << refused("A transfer needs another account");
}

void tst_RegisterEntry::read() {
    QFETCH(RegisterEntry::Text, text);
    QFETCH(Saved, expected);

    const RegisterEntry::Outcome outcome = entry().read(text, kToday);
    QCOMPARE(outcome.refusal, expected.refusal);
    QCOMPARE(outcome.accepted(), expected.refusal.isEmpty());
    if (!outcome.accepted()) {
        QVERIFY(outcome.messageMs > 0);
        return;
    }
    const EntryFields &fields = outcome.fields;
    QVERIFY(fields.id.isEmpty());
    QCOMPARE(fields.accountId, QStringLiteral("a"));
    QCOMPARE(fields.payee, text.payee.trimmed());
    QCOMPARE(fields.memo, text.memo);
    QCOMPARE(fields.amount, expected.amount);
    QCOMPARE(fields.categoryId, expected.categoryId);
    QCOMPARE(clrOf(fields), expected.clr);
    QCOMPARE(fields.date, expected.date);
}

// A stored row opened for editing and saved untouched saves what it holds, in a currency
// with cents and in one without.
void tst_RegisterEntry::storedRowReadsBack_data() {
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::newRow("payment, cleared")
        << Currency::USD << qint64(-123456) << true << false << "1,234.56"
        << "";
    QTest::newRow("zero is a deposit") << Currency::USD << qint64(0) << false << false << ""
                                       << "0.00";
    QTest::newRow("yen deposit, reconciled") << Currency::JPY << qint64(5000) << true << true << ""
                                             << "5,000";
}

void tst_RegisterEntry::storedRowReadsBack() {
    QFETCH(Currency, currency);
    QFETCH(qint64, amount);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    QFETCH(QString, payment);
    QFETCH(QString, deposit);

    RegisterRow row;
    Transaction &t = row.transaction;
    t.id = QStringLiteral("t1");
    t.accountId = QStringLiteral("a");
    t.date = QDate(2025, 12, 31);
    t.payee = QStringLiteral("Diner");
    t.checkNumber = QStringLiteral("101");
    t.amount = amount;
    t.categoryId = QStringLiteral("dining");
    t.cleared = cleared;
    t.reconciled = reconciled;
    row.categoryName = QStringLiteral("Dining");

    const RegisterEntry::Text text = RegisterEntry::textOf(row, currency);
    QCOMPARE(text.payment, payment);
    QCOMPARE(text.deposit, deposit);
    const RegisterEntry::Outcome outcome = entry(currency).read(text, kToday);
    QVERIFY2(outcome.accepted(), qPrintable(outcome.refusal));
    QCOMPARE(outcome.fields.amount, amount);
    QCOMPARE(outcome.fields.date, t.date);
    QCOMPARE(outcome.fields.categoryId, t.categoryId);
    QCOMPARE(outcome.fields.checkNumber, t.checkNumber);
    QCOMPARE(outcome.fields.cleared, cleared);
    QCOMPARE(outcome.fields.reconciled, reconciled);
}

QTEST_GUILESS_MAIN(tst_RegisterEntry)
#include "tst_registerentry.moc"
