// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include "account/memorytokenstore.h"
#include "app/appstate.h"
#include "app/thememanager.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The program's state on a fresh data directory (a real database file, migrated and seeded),
// with tokens kept in memory and the light theme, for screen tests. The directory is kept
// when the running test failed.
class TestAppState {
public:
    TestAppState() {
        qputenv("QUILLON_DATA_DIR", m_dir.path().toUtf8());
        m_state = std::make_unique<AppState>();
        m_state->setTokenStore(std::make_unique<TindAccount::MemoryTokenStore>());
        m_ok = m_state->initialize();
        if (m_ok) {
            auto *theme = new ThemeManager(m_state->preferencesRepository(), m_state.get());
            m_state->setThemeManager(theme);
            theme->setTheme(QStringLiteral("light"));
        }
    }
    ~TestAppState() {
        m_state.reset();
        m_dir.setAutoRemove(!QTest::currentTestFailed());
        qunsetenv("QUILLON_DATA_DIR");
    }
    TestAppState(const TestAppState &) = delete;
    TestAppState &operator=(const TestAppState &) = delete;

    bool isValid() const { return m_ok; }
    AppState *state() const { return m_state.get(); }
    // A path inside the data directory, for files a test writes beside the database.
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<AppState> m_state;
    bool m_ok = false;
};
