// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "tests/support/testhttpserver.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTest>

// The fixture itself must be trustworthy before other tests lean on it.
class tst_TestHttpServer : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void recordsAndAnswers();
};

void tst_TestHttpServer::recordsAndAnswers() {
    TestHttpServer server;
    QVERIFY(server.listen());
    server.setHandler([](const TestHttpServer::Request &r) {
        auto response = TestHttpServer::Response::json(r.path == "/slow" ? 202 : 201,
                                                       {{"echo", QString::fromUtf8(r.body)}});
        if (r.path == "/slow")
            response.delayMs = 50;
        return response;
    });

    QNetworkAccessManager nam;
    QNetworkRequest request(server.url("/items?a=1&b=two"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    request.setRawHeader("X-Test", "yes");
    QNetworkReply *post = nam.post(request, QByteArray("{\"k\":1}"));
    QNetworkReply *slow = nam.get(QNetworkRequest(server.url("/slow")));
    QSignalSpy postDone(post, &QNetworkReply::finished);
    QSignalSpy slowDone(slow, &QNetworkReply::finished);
    QVERIFY(slowDone.wait(5000));
    if (postDone.isEmpty())
        QVERIFY(postDone.wait(5000));

    QCOMPARE(post->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 201);
    QCOMPARE(QJsonDocument::fromJson(post->readAll()).object().value("echo").toString(),
             QStringLiteral("{\"k\":1}"));
    QCOMPARE(slow->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt(), 202);

    QCOMPARE(server.requests().size(), 2);
    const auto &first = server.requests().first().path == "/items" ? server.requests().at(0)
                                                                   : server.requests().at(1);
    QCOMPARE(first.method, QByteArray("POST"));
    QCOMPARE(first.query.queryItemValue("b"), QStringLiteral("two"));
    QCOMPARE(first.header("x-test"), QByteArray("yes"));
    QCOMPARE(first.json().value("k").toInt(), 1);
    delete post;
    delete slow;
}

QTEST_GUILESS_MAIN(tst_TestHttpServer)
#include "tst_testhttpserver.moc"
