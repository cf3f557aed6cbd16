// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/appupdateconfig.h"

#include <QTest>

class tst_AppUpdateConfig : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("UPDATE_MANIFEST_URL"); }

    void create_data();
    void create();
};

void tst_AppUpdateConfig::create_data() {
    QTest::addColumn<bool>("set");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QUrl>("expected");

    const QUrl builtIn = AppUpdateConfig::defaultManifestBaseUrl();
    QTest::addRow("unset") << false << QByteArray() << builtIn;
    QTest::addRow("empty counts as unset") << true << QByteArray() << builtIn;
    QTest::addRow("self-hosted server")
        << true << QByteArray("http://127.0.0.1:8123/quillon/stable/")
        << QUrl("http://127.0.0.1:8123/quillon/stable/");
    QTest::addRow("mistyped value stays invalid")
        << true << QByteArray("http://exa mple/quillon/stable/") << QUrl();
}

void tst_AppUpdateConfig::create() {
    QFETCH(bool, set);
    QFETCH(QByteArray, value);
    QFETCH(QUrl, expected);
    if (set)
        qputenv("UPDATE_MANIFEST_URL", value);
    else
        qunsetenv("UPDATE_MANIFEST_URL");

    const TindUpdate::UpdateConfig config = AppUpdateConfig::create();
    QCOMPARE(config.appId, QStringLiteral("quillon"));
    QCOMPARE(config.channel, QStringLiteral("stable"));
    QCOMPARE(config.currentVersion, QStringLiteral("1.0.3"));
    QCOMPARE(config.manifestBaseUrl.isValid(), expected.isValid());
    if (expected.isValid())
        QCOMPARE(config.manifestBaseUrl, expected);
    QVERIFY(AppUpdateConfig::defaultManifestBaseUrl().path().endsWith("/quillon/stable/"));
    QCOMPARE(AppUpdateConfig::defaultManifestBaseUrl().scheme(), QStringLiteral("https"));
}

QTEST_GUILESS_MAIN(tst_AppUpdateConfig)
#include "tst_appupdateconfig.moc"
