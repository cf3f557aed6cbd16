// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "services/categoryservice.h"

#include "services/servicelog.h"
#include "storage/category.h"
#include "storage/categoryrepository.h"
#include "storage/database.h"
#include "storage/identifiers.h"
#include "storage/timestamps.h"
#include "storage/transactionscope.h"

#include <QCoreApplication>

namespace {

struct DefaultCategory {
    const char *name;
    const char *type;
    const char *parent;  // nullptr for a top-level category
    const char *taxCode; // nullptr when not tax-relevant
};

// Parents come before their children.
const DefaultCategory kDefaults[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), "expense", nullptr,
     "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), "expense", nullptr,
     "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), "expense", nullptr,
     "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "expense", "Business Expenses",
     "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), "expense", nullptr, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), "expense", nullptr, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), "expense", nullptr,
     "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), "expense", nullptr,
     "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), "expense", "Housing", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), "expense", "Utilities", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "expense", "Transportation", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), "expense", "Entertainment", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), "expense", "Shopping", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), "expense", "Insurance", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), "expense", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "expense", "Fees & Charges", nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), "income", nullptr, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), "income", nullptr, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), "income", nullptr, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), "income", nullptr,
     "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), "income", nullptr, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), "income", nullptr, nullptr},
};

} // namespace

CategoryService::CategoryService(CategoryRepository *categories, QObject *parent)
    : QObject(parent)
    , m_categories(categories) {}

QString CategoryService::defaultCategoryId(const QString &type, const QString &parentName,
                                           const QString &name) {
    return Identifiers::nameBasedId(Identifiers::categoryNamespace(),
                                    QStringLiteral("%1:%2:%3").arg(type, parentName, name));
}

bool CategoryService::ensureDefaults() {
    if (m_categories->count() > 0)
        return true;
    m_idByName.clear();
    m_nameById.clear();
    const bool ok = seedDefaults();
    m_idByName.clear();
    m_nameById.clear();
    if (!ok)
        qCWarning(lcServices) << "CategoryService::ensureDefaults failed: no category was added";
    return ok;
}

bool CategoryService::seedDefaults() {
    TransactionScope scope(m_categories->database());
    if (!scope.isOpen())
        return false;
    const QDateTime now = Timestamps::nowUtc();
    for (const DefaultCategory &entry : kDefaults) {
        Category category;
        category.name = tr(entry.name);
        category.type = categoryTypeFromString(QLatin1String(entry.type));
        if (entry.parent)
            category.parentId = m_idByName.value(tr(entry.parent));
        const QString parentName = m_nameById.value(category.parentId);
        category.id = defaultCategoryId(QLatin1String(entry.type), parentName, category.name);
        category.isTaxRelevant = entry.taxCode != nullptr;
        if (entry.taxCode)
            category.taxCategory = QLatin1String(entry.taxCode);
        category.isDefault = true;
        category.createdAt = category.updatedAt = now;
        // Each row on its own: a row whose id is taken already (a deleted default, one that
        // arrived by sync) is left as it is, and the rest are still seeded. Its id stays
        // known, so its children still find their parent.
        TransactionScope row(m_categories->database());
        if (!row.isOpen())
            return false;
        if (!m_categories->insert(category))
            row.rollback();
        else if (!row.commit())
            return false;
        m_idByName.insert(category.name, category.id);
        m_nameById.insert(category.id, category.name);
    }
    return scope.commit();
}
