// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "update/manifest.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <functional>

using TindUpdate::Artifact;
using TindUpdate::Manifest;

namespace {

QJsonObject validArtifact() {
    return {{"version", "1.0.10"},
            {"released_at", "2026-03-01T12:00:00Z"},
            {"url", "https://downloads.example/quillon/1.0.10/setup.exe"},
            {"size", 48123456},
            {"sha256", QString(64, QLatin1Char('a'))},
            {"mandatory", true},
            {"min_upgradable_from", "1.0.0"},
            {"release_notes_url", "https://downloads.example/quillon/1.0.10/release-notes.md"}};
}

QJsonObject validManifest() {
    return {{"schema", 1},
            {"app", "quillon"},
            {"channel", "stable"},
            {"artifacts", QJsonObject{{"windows-x64", validArtifact()}}}};
}

using Edit = std::function<void(QJsonObject &root, QJsonObject &artifact)>;

QByteArray edited(const Edit &edit) {
    QJsonObject root = validManifest();
    QJsonObject artifact = validArtifact();
    const QJsonValue untouched = root.value("artifacts");
    edit(root, artifact);
    if (root.value("artifacts") == untouched)
        root["artifacts"] = QJsonObject{{"windows-x64", artifact}};
    return QJsonDocument(root).toJson(QJsonDocument::Compact);
}

} // namespace

class tst_Manifest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parsesValidManifest();
    void optionalFields();
    void rejects_data();
    void rejects();
};

void tst_Manifest::parsesValidManifest() {
    QString error;
    const std::optional<Manifest> manifest
        = Manifest::parse(QJsonDocument(validManifest()).toJson(), &error);
    QVERIFY2(manifest, qPrintable(error));
    QCOMPARE(manifest->app(), QStringLiteral("quillon"));
    QCOMPARE(manifest->channel(), QStringLiteral("stable"));
    QCOMPARE(manifest->artifacts().keys(), QStringList{"windows-x64"});

    const Artifact a = manifest->artifacts().value("windows-x64");
    QCOMPARE(a.version, QStringLiteral("1.0.10"));
    QCOMPARE(a.releasedAt, QDateTime(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC));
    QCOMPARE(a.url, QUrl("https://downloads.example/quillon/1.0.10/setup.exe"));
    QCOMPARE(a.size, qint64(48123456));
    QCOMPARE(a.sha256.size(), 64);
    QCOMPARE(a.mandatory, true);
    QCOMPARE(a.minUpgradableFrom, QStringLiteral("1.0.0"));
    QCOMPARE(a.releaseNotesUrl, QUrl("https://downloads.example/quillon/1.0.10/release-notes.md"));
}

void tst_Manifest::optionalFields() {
    const QByteArray json = edited([](QJsonObject &, QJsonObject &a) {
        a.remove("mandatory");
        a.remove("min_upgradable_from");
        a["release_notes_url"] = QJsonValue::Null;
        a["size"] = 5000000000.0; // beyond 32 bits
    });
    QString error;
    const std::optional<Manifest> manifest = Manifest::parse(json, &error);
    QVERIFY2(manifest, qPrintable(error));
    const Artifact a = manifest->artifacts().value("windows-x64");
    QCOMPARE(a.mandatory, false);
    QVERIFY(a.minUpgradableFrom.isEmpty());
    QVERIFY(a.releaseNotesUrl.isEmpty());
    QCOMPARE(a.size, qint64(5000000000));
}

void tst_Manifest::rejects_data() {
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("reason");

    const auto row = [](const char *name, const Edit &edit, const QString &reason) {
        QTest::addRow("%s", name) << edited(edit) << reason;
    };
    const QString failed = QStringLiteral("artifact windows-x64 failed validation");

    QTest::addRow("not json") << QByteArray("{\"schema\": 1,")
                              << "JSON parse error: unterminated object";
    QTest::addRow("empty body") << QByteArray() << "JSON parse error: illegal value";
    QTest::addRow("array root") << QByteArray("[1]") << "manifest root is not a JSON object";
    row(
        "schema missing", [](QJsonObject &r, QJsonObject &) { r.remove("schema"); },
        "missing or non-integer field: schema");
    row(
        "schema text", [](QJsonObject &r, QJsonObject &) { r["schema"] = "1"; },
        "missing or non-integer field: schema");
    row(
        "schema fraction", [](QJsonObject &r, QJsonObject &) { r["schema"] = 1.5; },
        "missing or non-integer field: schema");
    row(
        "schema 2", [](QJsonObject &r, QJsonObject &) { r["schema"] = 2; },
        "unsupported manifest schema: 2 (expected 1)");
    row(
        "app missing", [](QJsonObject &r, QJsonObject &) { r.remove("app"); },
        "missing or non-string field: app");
    row(
        "channel number", [](QJsonObject &r, QJsonObject &) { r["channel"] = 3; },
        "missing or non-string field: channel");
    row(
        "app empty", [](QJsonObject &r, QJsonObject &) { r["app"] = ""; },
        "manifest failed validation");
    row(
        "artifacts missing", [](QJsonObject &r, QJsonObject &) { r.remove("artifacts"); },
        "missing or non-object field: artifacts");
    row(
        "artifacts array", [](QJsonObject &r, QJsonObject &) { r["artifacts"] = QJsonArray(); },
        "missing or non-object field: artifacts");
    row(
        "artifacts empty", [](QJsonObject &r, QJsonObject &) { r["artifacts"] = QJsonObject(); },
        "manifest failed validation");
    row(
        "artifact not object",
        [](QJsonObject &r, QJsonObject &) {
            r["artifacts"] = QJsonObject{{"linux-x64", 7}};
        },
        "artifact linux-x64 is not an object");
    row(
        "version missing", [](QJsonObject &, QJsonObject &a) { a.remove("version"); },
        "missing or non-string field: version");
    row(
        "url not string", [](QJsonObject &, QJsonObject &a) { a["url"] = true; },
        "missing or non-string field: url");
    row(
        "sha256 missing", [](QJsonObject &, QJsonObject &a) { a.remove("sha256"); },
        "missing or non-string field: sha256");
    row(
        "released_at missing", [](QJsonObject &, QJsonObject &a) { a.remove("released_at"); },
        "missing or non-string field: released_at");
    row(
        "notes url number", [](QJsonObject &, QJsonObject &a) { a["release_notes_url"] = 1; },
        "missing or non-string field: release_notes_url");
    row(
        "version empty", [](QJsonObject &, QJsonObject &a) { a["version"] = ""; }, failed);
    row(
        "sha256 63 chars",
        [](QJsonObject &, QJsonObject &a) { a["sha256"] = QString(63, QLatin1Char('a')); }, failed);
    row(
        "sha256 65 chars",
        [](QJsonObject &, QJsonObject &a) { a["sha256"] = QString(65, QLatin1Char('a')); }, failed);
    row(
        "released_at not a date",
        [](QJsonObject &, QJsonObject &a) { a["released_at"] = "yesterday"; }, failed);
    row(
        "url empty", [](QJsonObject &, QJsonObject &a) { a["url"] = ""; }, failed);
    row(
        "url relative", [](QJsonObject &, QJsonObject &a) { a["url"] = "setup.exe"; }, failed);
    row(
        "url local file",
        [](QJsonObject &, QJsonObject &a) { a["url"] = "file:///C:/Windows/evil.exe"; }, failed);
    row(
        "notes url invalid",
        [](QJsonObject &, QJsonObject &a) { a["release_notes_url"] = "http://exa mple/"; }, failed);
    row(
        "size missing", [](QJsonObject &, QJsonObject &a) { a.remove("size"); }, failed);
    row(
        "size zero", [](QJsonObject &, QJsonObject &a) { a["size"] = 0; }, failed);
    row(
        "size negative", [](QJsonObject &, QJsonObject &a) { a["size"] = -4; }, failed);
    row(
        "size text", [](QJsonObject &, QJsonObject &a) { a["size"] = "12"; }, failed);
    row(
        "size fraction", [](QJsonObject &, QJsonObject &a) { a["size"] = 12.5; }, failed);
    row(
        "mandatory as text", [](QJsonObject &, QJsonObject &a) { a["mandatory"] = "true"; },
        failed);
    row(
        "bad artifact of another platform",
        [](QJsonObject &r, QJsonObject &a) {
            QJsonObject other = a;
            other["sha256"] = "short";
            r["artifacts"] = QJsonObject{{"linux-x64", other}, {"windows-x64", a}};
        },
        "artifact linux-x64 failed validation");
}

void tst_Manifest::rejects() {
    QFETCH(QByteArray, json);
    QFETCH(QString, reason);
    QString error;
    QVERIFY(!Manifest::parse(json, &error));
    QCOMPARE(error, reason);
}

QTEST_GUILESS_MAIN(tst_Manifest)
#include "tst_manifest.moc"
