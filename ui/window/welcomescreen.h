// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// The introductory page: what the program offers, sign in or continue without an account.
class WelcomeScreen : public QWidget {
    Q_OBJECT

public:
    explicit WelcomeScreen(AppState *state, QWidget *parent = nullptr);

    QPushButton *signInButton() const { return m_signIn; }
    QPushButton *continueButton() const { return m_continue; }

public Q_SLOTS:
    // Labels the sign-in button for the current authentication state and points it at
    // sign-in or sign-out; the previous connection is removed first.
    void updateAuthButton();

Q_SIGNALS:
    void signInRequested();
    void dismissRequested();

protected:
    void changeEvent(QEvent *event) override;

private:
    void recolor();

    AppState *m_state;             // Not owned.
    QPushButton *m_signIn;         // Owned (Qt child).
    QPushButton *m_continue;       // Owned (Qt child).
    QList<QLabel *> m_mutedLabels; // Owned (Qt children).
    QMetaObject::Connection m_signInConnection;
};
