// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace TindAccount {

class TokenStore;

// Holds the access and refresh tokens, in memory and in the token store, and runs the
// refresh exchange so that any number of waiting requests share one.
class TokenManager : public QObject {
    Q_OBJECT

public:
    using SuccessFunction = std::function<void(const QString &access, const QString &refresh)>;
    using FailureFunction = std::function<void()>;
    using RefreshFunction = std::function<void(
        const QString &refreshToken, SuccessFunction onSuccess, FailureFunction onFailure)>;
    using Completion = std::function<void(bool ok)>;

    // A token counts as expired this many seconds before its "exp".
    static constexpr qint64 ExpiryMarginSeconds = 30;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject *parent = nullptr);
    ~TokenManager() override;

    void loadTokens();
    void setTokens(const QString &access, const QString &refresh);
    void clearTokens();

    // The access token while it is still good for more than the margin, else empty.
    QString accessToken() const;
    QString currentRefreshToken() const { return m_refreshToken; }
    bool needsRefresh() const;

    // Runs the refresh exchange, or joins the one in flight; done(ok) is called exactly once.
    void refresh(Completion done);
    void setRefreshCallback(RefreshFunction function);

    TokenStore *store() const { return m_store.get(); }

    // "exp" in seconds since the epoch; 0 when the token or the claim is missing or unreadable.
    static qint64 tokenExpiry(const QString &token);
    static QString tokenSubject(const QString &token);

private:
    void storeTokens(const QString &access, const QString &refresh);
    void finishRefresh(quint64 generation, bool ok, const QString &access, const QString &refresh);

    std::unique_ptr<TokenStore> m_store; // Owned.
    QString m_accessToken;
    QString m_refreshToken;
    RefreshFunction m_refreshFunction;

    // Guards the bookkeeping below. Never held while a completion or the refresh function runs,
    // so either may start a new request or refresh.
    mutable QMutex m_mutex;
    bool m_refreshing = false;
    QList<Completion> m_pending;
    // Bumped whenever the tokens are replaced or cleared from outside a refresh, so that a
    // refresh that was already in flight cannot bring back tokens the user signed out of.
    quint64 m_generation = 0;
};

} // namespace TindAccount
