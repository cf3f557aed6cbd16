// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "storage/repository.h"

// The repository object of split_lines. It has no operations: the table is read and written
// only by the backup and the sample data, with SQL of their own on the same connection.
class SplitLineRepository : public Repository {
    Q_OBJECT

public:
    explicit SplitLineRepository(Database *database, QObject *parent = nullptr);

protected:
    void announceChange(const QString &) override {}
};
