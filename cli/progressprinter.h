// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

// A one-line progress report for long commands ("Importing: 12,000 rows, 48,000 rows/s"),
// redrawn in place a few times a second on standard error when that is a terminal and
// silent otherwise, so that scripts and pipes see nothing of it.
class ProgressPrinter {
public:
    // Prints to stderr only when it is a terminal.
    explicit ProgressPrinter(const QString &label);
    // Prints to the given stream when enabled, whatever it is.
    ProgressPrinter(const QString &label, FILE *stream, bool enabled);
    ~ProgressPrinter();

    ProgressPrinter(const ProgressPrinter &) = delete;
    ProgressPrinter &operator=(const ProgressPrinter &) = delete;

    bool isEnabled() const { return m_enabled; }
    // Items done so far; drawn at most every fifth of a second.
    void update(qint64 done);
    // Clears the line, so that the command's own output starts on a clean one.
    void finish();

private:
    void draw(qint64 done);

    QString m_label;
    FILE *m_stream;
    bool m_enabled;
    bool m_drawn = false;
    QElapsedTimer m_started;
    qint64 m_lastDraw = -1;
};
