// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// Runs the in-process test sync server on its own, for tests of other programs: prints the
// sync API base URL and serves until killed.
//   quillon-test-sync-server [port]

#include "tests/support/testsyncserver.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = true;
    const quint16 port = args.size() > 1 ? args.at(1).toUShort(&ok) : 0;
    if (!ok) {
        QTextStream(stderr) << "usage: quillon-test-sync-server [port]\n";
        return 2;
    }
    TestSyncServer server;
    if (!server.listen(port)) {
        QTextStream(stderr) << "cannot listen on 127.0.0.1:" << port << "\n";
        return 1;
    }
    QTextStream(stdout) << server.url().toString() << Qt::endl;
    return app.exec();
}
