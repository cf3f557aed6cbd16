// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/importrule.h"
#include "storage/repository.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The import rules, in the order they are tried. They stay on this device (backed up and
// restored, not synchronised).
class ImportRuleRepository : public Repository {
    Q_OBJECT

public:
    explicit ImportRuleRepository(Database *database, QObject *parent = nullptr);

    // By position, then by creation.
    QList<ImportRule> findAll() const;
    std::optional<ImportRule> findById(const QString &id) const;

    // A rule without a position goes after the others; without an id it gets a new one,
    // written back into rule.
    bool insert(ImportRule &rule);
    bool update(const ImportRule &rule);
    bool remove(const QString &id);
    // Gives the rules of ids the positions 0, 1, 2... in that order, in one transaction.
    bool reorder(const QStringList &ids);

    static ImportRule readRule(RowReader &row);

Q_SIGNALS:
    void rulesChanged();

protected:
    void announceChange(const QString &subject) override;

private:
    static QVariantList ownFields(const ImportRule &rule);
};
