// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QString>
#include <QWidget>

class AppState;
class QLabel;

// The page of the selected account. For now it names the account; the register with its
// transactions takes this place.
class RegisterScreen : public QWidget {
    Q_OBJECT

public:
    explicit RegisterScreen(AppState *state, QWidget *parent = nullptr);

    QString accountId() const { return m_accountId; }
    void loadAccount(const QString &accountId);
    // Reads the account again (its name may have changed).
    void reload();

    QString headingText() const;

private:
    AppState *m_state; // Not owned.
    QLabel *m_heading; // Owned (Qt child).
    QString m_accountId;
};
