// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class Database;

// A small demonstration set (three accounts, two months of transactions ending today, three
// recurring rules) and its removal. Every row it writes has an id starting with "sample-",
// which is how it finds them again. Writes directly on the connection, each command in one
// database transaction.
class SampleDataService : public QObject {
    Q_OBJECT

public:
    explicit SampleDataService(Database *database, QObject *parent = nullptr);

    bool hasSampleData() const;
    // False when sample data is already present or a statement failed; then nothing was added.
    bool loadSampleData();
    // Removes the sample rows and what was derived from them (occurrences posted from the
    // sample rules, split lines of sample transactions, reconciliations of the sample
    // accounts). Rows the user added to a sample account stay, and so does that account:
    // keptAccounts receives the names of such accounts. False when a statement failed; then
    // nothing was removed.
    bool clearSampleData(QStringList *keptAccounts = nullptr);

private:
    Database *m_database; // Not owned.
};
