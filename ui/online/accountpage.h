// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QLineEdit>
#include <QScrollArea>

#include <optional>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;

namespace TindAccount {
class Client;
} // namespace TindAccount

// A section of the account window: a scrolling column of what the server said, with the
// buttons that change it. Results are reported for the window's status line.
class AccountPage : public QScrollArea {
    Q_OBJECT

public:
    AccountPage(TindAccount::Client *client, QWidget *parent = nullptr);

Q_SIGNALS:
    // How a change on the server went, once it has answered.
    void reported(const QString &text, bool success);

protected:
    QVBoxLayout *content() const { return m_content; }
    void report(const QString &text, bool success);
    // The signed-in user owns the group.
    bool isOwner() const;

    // Text from the server, never read as markup.
    static QLabel *plainLabel(const QString &text, QWidget *parent = nullptr);
    static QLabel *heading(const QString &text);
    static QLabel *muted(const QString &text);
    // Empties a rebuilt section and gives back a fresh body for it.
    static QVBoxLayout *freshBody(QVBoxLayout *content);
    static QHBoxLayout *row(QVBoxLayout *body, QWidget *text, QWidget *action);
    // The entered text, or nothing when the dialog was cancelled.
    std::optional<QString> askText(const QString &title, const QString &label,
                                   const QString &initial = QString(),
                                   QLineEdit::EchoMode echo = QLineEdit::Normal);

    TindAccount::Client *client() const { return m_client; }

private:
    TindAccount::Client *m_client; // Not owned.
    QVBoxLayout *m_content;        // Owned (Qt child).
};
