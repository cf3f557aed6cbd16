// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/apiclient.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "services/syncengine.h"
#include "storage/accountrepository.h"
#include "storage/categoryrepository.h"
#include "storage/preferencesrepository.h"
#include "storage/reconciliationrepository.h"
#include "storage/recurringrepository.h"
#include "storage/transactionrepository.h"
#include "tests/account/fakejwt.h"
#include "tests/support/testdatabase.h"

#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <memory>

// One device of a sync test: its own database file and connection, repositories, API client
// and engine, against the given sync server URL, signed in.
struct SyncDevice {
    SyncDevice(const QString &name, const QUrl &syncUrl)
        : db(name)
        , accounts(db.database())
        , transactions(db.database())
        , categories(db.database())
        , preferences(db.database())
        , recurring(db.database())
        , reconciliations(db.database())
        , tokens(std::make_unique<TindAccount::MemoryTokenStore>())
        , api(&tokens)
        , engine(&api, &accounts, &transactions, &categories, &recurring, &reconciliations,
                 &preferences) {
        api.setBaseUrl(syncUrl);
        tokens.setTokens(fakeJwtExpiringIn(3600), QStringLiteral("refresh"));
    }

    // Runs one sync to its end; true when it completed, false when it failed or hung.
    bool sync(int timeoutMs = 20000) {
        QSignalSpy completed(&engine, &SyncEngine::syncCompleted);
        QSignalSpy failed(&engine, &SyncEngine::syncFailed);
        engine.syncNow();
        QDeadlineTimer deadline(timeoutMs);
        while (completed.isEmpty() && failed.isEmpty() && !deadline.hasExpired())
            QTest::qWait(1);
        return !completed.isEmpty();
    }

    QVariant scalar(const QString &sql) const { return db.scalar(sql); }
    QString cursor() const { return preferences.value(SyncEngine::CursorKey, QString()); }

    TestDatabase db;
    AccountRepository accounts;
    TransactionRepository transactions;
    CategoryRepository categories;
    PreferencesRepository preferences;
    RecurringRepository recurring;
    ReconciliationRepository reconciliations;
    TindAccount::TokenManager tokens;
    TindAccount::ApiClient api;
    SyncEngine engine;
};
