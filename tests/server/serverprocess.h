// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QUuid>

#include <csignal>

// The built quillon-server as a child process on a free loopback port, on a fresh SQLite data
// directory or, when the test runs for PostgreSQL, on the database QUILLON_TEST_PG_URL names.
// A PostgreSQL database outlives the test, so user ids carry a suffix of this run.
class ServerProcess {
public:
    struct Tokens {
        QString access;
        QString refresh;
    };

    // A second server on the same database as other, as a host runs several.
    explicit ServerProcess(const ServerProcess *other = nullptr) {
        if (other)
            m_sharedData = other->m_dir.path();
        m_postgres
            = qEnvironmentVariable("QUILLON_TEST_SERVER_BACKEND") == QLatin1String("postgres");
        m_databaseUrl = qEnvironmentVariable("QUILLON_TEST_PG_URL");
        m_run = QUuid::createUuid().toString(QUuid::Id128).left(8);
    }
    ~ServerProcess() { stop(); }

    // For the PostgreSQL run without a database to use: the test is skipped.
    bool unavailable() const { return m_postgres && m_databaseUrl.isEmpty(); }
    bool usesPostgres() const { return m_postgres; }
    QString user(const QString &name) const { return name + QLatin1Char('-') + m_run; }

    QStringList storeArguments() const {
        return m_postgres ? QStringList{QStringLiteral("--database"), m_databaseUrl}
                          : QStringList{QStringLiteral("--data"),
                                        m_sharedData.isEmpty() ? m_dir.path() : m_sharedData};
    }

    bool start(const QStringList &extra = {}) {
        m_process.setProgram(QStringLiteral(QUILLON_SERVER_PATH));
        m_process.setArguments(QStringList{QStringLiteral("serve")} + storeArguments()
                               + QStringList{QStringLiteral("--listen"),
                                             QStringLiteral("127.0.0.1:0"),
                                             QStringLiteral("--threads"), QStringLiteral("2")}
                               + extra);
        m_process.setProcessChannelMode(QProcess::SeparateChannels);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return false;
        static const QRegularExpression listening(QStringLiteral("listening on (\\S+)"));
        QDeadlineTimer deadline(15000);
        QByteArray out;
        while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
            m_process.waitForReadyRead(100);
            out += m_process.readAllStandardOutput();
            const QRegularExpressionMatch match = listening.match(QString::fromUtf8(out));
            if (match.hasMatch()) {
                m_url = QUrl(match.captured(1));
                return true;
            }
        }
        qWarning("server did not start: %s", m_process.readAllStandardError().constData());
        return false;
    }

    // SIGTERM and wait; the exit code, or -1 when it had to be killed.
    int stop() {
        if (m_process.state() == QProcess::NotRunning)
            return m_process.exitCode();
        m_process.terminate();
        if (!m_process.waitForFinished(30000)) {
            m_process.kill();
            m_process.waitForFinished();
            return -1;
        }
        return m_process.exitCode();
    }
    void kill() {
        m_process.kill();
        m_process.waitForFinished();
    }
    QProcess &process() { return m_process; }

    // The sync API base URL.
    QUrl url() const { return m_url; }
    QUrl rootUrl() const {
        QUrl root = m_url;
        root.setPath(QString());
        return root;
    }

    // Runs `quillon-server token` for a user; empty tokens when it failed.
    Tokens tokens(const QString &userId, const QString &groupId = QString(),
                  const QStringList &extra = {}) const {
        return tokensFrom(storeArguments(), userId, groupId, extra);
    }
    static Tokens tokensFrom(const QStringList &store, const QString &userId,
                             const QString &groupId, const QStringList &extra = {}) {
        QProcess process;
        QStringList args{QStringLiteral("token")};
        args += store;
        args += {QStringLiteral("--user"), userId};
        if (!groupId.isEmpty())
            args += {QStringLiteral("--group"), groupId, QStringLiteral("--role"),
                     QStringLiteral("member")};
        process.start(QStringLiteral(QUILLON_SERVER_PATH), args + extra);
        if (!process.waitForFinished(20000) || process.exitCode() != 0) {
            qWarning("token failed: %s", process.readAllStandardError().constData());
            return {};
        }
        const QJsonObject json = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
        return {json.value(QLatin1String("access_token")).toString(),
                json.value(QLatin1String("refresh_token")).toString()};
    }

    QString dataPath() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QUrl m_url;
    bool m_postgres = false;
    QString m_databaseUrl;
    QString m_run;
    QString m_sharedData;
};
