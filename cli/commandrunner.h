// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QStringList>

// The command-line companion: finds the sub-command in its table and runs it on the same
// database the program uses. Exit status: 0 success, 2 usage error, 1 any other failure (one
// line on standard error).
class CommandRunner {
public:
    explicit CommandRunner(const QStringList &arguments);

    int run();

    // The top-level help, built from the command table.
    static QByteArray helpText();

private:
    QStringList m_arguments;
};
