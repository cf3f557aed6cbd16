// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class CategoryRepository;

// Gives a new database its starting category tree: expense groups, income categories and the
// tax-relevant categories the tax report groups by.
class CategoryService : public QObject {
    Q_OBJECT

public:
    explicit CategoryService(CategoryRepository *categories, QObject *parent = nullptr);

    // Seeds the default categories when no live category exists. A row that cannot be added
    // (its id is taken) is skipped and the others are still seeded; false when the database
    // failed, and then it is as it was. True when there was nothing to do.
    bool ensureDefaults();

    // The same on every device seeded in the same language: "type:parent name:name" as a
    // name-based id, so the two "Maintenance" rows differ by their parents.
    static QString defaultCategoryId(const QString &type, const QString &parentName,
                                     const QString &name);

private:
    bool seedDefaults();

    CategoryRepository *m_categories; // Not owned.
    // Only during one seeding run: parents are looked up by name, their ids' texts by id.
    QHash<QString, QString> m_idByName;
    QHash<QString, QString> m_nameById;
};
