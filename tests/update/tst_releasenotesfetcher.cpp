// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testhttpserver.h"
#include "update/releasenotesfetcher.h"

#include <QSignalSpy>
#include <QTest>

using TindUpdate::ReleaseNotesFetcher;
using TindUpdate::UpdateConfig;

using Files = QHash<QString, QByteArray>;

namespace {

const QString kPlain = QStringLiteral("/quillon/1.0.3/release-notes.md");
const QString kGerman = QStringLiteral("/quillon/1.0.3/release-notes.de.md");
const QString kJapanese = QStringLiteral("/quillon/1.0.3/release-notes.ja.md");

} // namespace

class tst_ReleaseNotesFetcher : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void notesUrlFor_data();
    void notesUrlFor();
    void localizedUrl_data();
    void localizedUrl();
    void fetch_data();
    void fetch();
    void explicitUrlCarriesCallerInUserAgent();
    void invalidUrlIsUnavailable();
};

void tst_ReleaseNotesFetcher::notesUrlFor_data() {
    QTest::addColumn<QUrl>("base");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QUrl>("expected");

    QTest::addRow("channel directory") << QUrl("https://d.example/quillon/stable/") << "1.0.3"
                                       << QUrl("https://d.example/quillon/1.0.3/release-notes.md");
    QTest::addRow("without trailing slash")
        << QUrl("https://d.example/quillon/stable") << "1.0.3"
        << QUrl("https://d.example/quillon/1.0.3/release-notes.md");
    QTest::addRow("deeper path and port")
        << QUrl("http://127.0.0.1:8080/dl/quillon/beta/") << "2.0.0"
        << QUrl("http://127.0.0.1:8080/dl/quillon/2.0.0/release-notes.md");
    QTest::addRow("host only") << QUrl("https://d.example") << "1.0.3"
                               << QUrl("https://d.example/1.0.3/release-notes.md");
    QTest::addRow("no version") << QUrl("https://d.example/quillon/stable/") << "" << QUrl();
}

void tst_ReleaseNotesFetcher::notesUrlFor() {
    QFETCH(QUrl, base);
    QFETCH(QString, version);
    QFETCH(QUrl, expected);
    QCOMPARE(ReleaseNotesFetcher::notesUrlFor(base, version), expected);
}

void tst_ReleaseNotesFetcher::localizedUrl_data() {
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QUrl>("expected");

    const QUrl notes("https://d.example/quillon/1.0.3/release-notes.md");
    QTest::addRow("german") << notes << "de"
                            << QUrl("https://d.example/quillon/1.0.3/release-notes.de.md");
    QTest::addRow("japanese") << notes << "ja"
                              << QUrl("https://d.example/quillon/1.0.3/release-notes.ja.md");
    QTest::addRow("english is the plain file") << notes << "en" << QUrl();
    QTest::addRow("no language") << notes << "" << QUrl();
    QTest::addRow("C locale") << notes << "C" << QUrl();
    QTest::addRow("not markdown") << QUrl("https://d.example/notes.txt") << "de" << QUrl();
    QTest::addRow("query kept") << QUrl("https://d.example/n.md?v=2") << "fr"
                                << QUrl("https://d.example/n.fr.md?v=2");
}

void tst_ReleaseNotesFetcher::localizedUrl() {
    QFETCH(QUrl, url);
    QFETCH(QString, language);
    QFETCH(QUrl, expected);
    QCOMPARE(ReleaseNotesFetcher::localizedUrl(url, language), expected);
}

void tst_ReleaseNotesFetcher::fetch_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<Files>("files");
    QTest::addColumn<QString>("expected"); // empty: unavailable
    QTest::addColumn<QStringList>("requested");

    const QByteArray english = "# What's new\n\n- Faster register\n";
    const QByteArray german = "# Neuigkeiten\n\n- Schnelleres Kontobuch\n";

    QTest::addRow("localised variant first") << "de" << Files{{kGerman, german}, {kPlain, english}}
                                             << QString::fromUtf8(german) << QStringList{kGerman};
    QTest::addRow("falls back to the plain file")
        << "de" << Files{{kPlain, english}} << QString::fromUtf8(english)
        << QStringList{kGerman, kPlain};
    QTest::addRow("empty localised variant falls back")
        << "de" << Files{{kGerman, ""}, {kPlain, english}} << QString::fromUtf8(english)
        << QStringList{kGerman, kPlain};
    QTest::addRow("english asks for the plain file only")
        << "en" << Files{{kGerman, german}, {kPlain, english}} << QString::fromUtf8(english)
        << QStringList{kPlain};
    QTest::addRow("decoded as utf-8")
        << "ja" << Files{{kJapanese, QString::fromUtf8("# 新機能 €").toUtf8()}}
        << QString::fromUtf8("# 新機能 €") << QStringList{kJapanese};
    QTest::addRow("empty plain file is unavailable")
        << "en" << Files{{kPlain, ""}} << QString() << QStringList{kPlain};
    QTest::addRow("blank plain file is unavailable")
        << "en" << Files{{kPlain, " \n\n"}} << QString() << QStringList{kPlain};
    QTest::addRow("nothing on the server")
        << "de" << Files{} << QString() << QStringList{kGerman, kPlain};
}

void tst_ReleaseNotesFetcher::fetch() {
    QFETCH(QString, language);
    QFETCH(Files, files);
    QFETCH(QString, expected);
    QFETCH(QStringList, requested);

    TestHttpServer server;
    QVERIFY(server.listen());
    server.setHandler([files](const TestHttpServer::Request &r) {
        if (!files.contains(r.path))
            return TestHttpServer::Response::text(404, "not found");
        return TestHttpServer::Response::text(200, files.value(r.path), "text/markdown");
    });

    const UpdateConfig config{QStringLiteral("quillon"), QStringLiteral("stable"),
                              server.url(QStringLiteral("/quillon/stable/")),
                              QStringLiteral("1.0.3")};
    ReleaseNotesFetcher fetcher(config);
    fetcher.setLanguage(language);
    QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    QVERIFY(QTest::qWaitFor([&] { return ready.count() + unavailable.count() > 0; }, 5000));

    if (expected.isEmpty()) {
        QCOMPARE(unavailable.count(), 1);
        QCOMPARE(ready.count(), 0);
    } else {
        QCOMPARE(ready.count(), 1);
        QCOMPARE(unavailable.count(), 0);
        QCOMPARE(ready.first().first().toString(), expected);
    }
    QStringList paths;
    for (const TestHttpServer::Request &r : server.requests()) {
        paths << r.path;
        QCOMPARE(r.header("User-Agent"), QByteArray("TindUpdateQt/0.1 (quillon)"));
    }
    QCOMPARE(paths, requested);
}

void tst_ReleaseNotesFetcher::explicitUrlCarriesCallerInUserAgent() {
    TestHttpServer server;
    QVERIFY(server.listen());
    server.setHandler([](const TestHttpServer::Request &) {
        return TestHttpServer::Response::text(200, "notes", "text/markdown");
    });
    ReleaseNotesFetcher fetcher(server.url(QStringLiteral("/quillon/1.1.0/release-notes.md")),
                                QStringLiteral("update-dialog"));
    fetcher.setLanguage(QStringLiteral("fr"));
    QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
    fetcher.fetch();
    QVERIFY(ready.wait(5000));
    QCOMPARE(ready.first().first().toString(), QStringLiteral("notes"));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(server.requests().first().path, QStringLiteral("/quillon/1.1.0/release-notes.fr.md"));
    QCOMPARE(server.requests().first().header("User-Agent"),
             QByteArray("TindUpdateQt/0.1 (update-dialog)"));
}

void tst_ReleaseNotesFetcher::invalidUrlIsUnavailable() {
    ReleaseNotesFetcher fetcher(QUrl(), QStringLiteral("quillon"));
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    QCOMPARE(unavailable.count(), 1);
}

QTEST_GUILESS_MAIN(tst_ReleaseNotesFetcher)
#include "tst_releasenotesfetcher.moc"
