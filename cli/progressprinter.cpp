// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "cli/progressprinter.h"

#include <QLocale>

#include <unistd.h>

namespace {

constexpr qint64 kRedrawMs = 200;

} // namespace

ProgressPrinter::ProgressPrinter(const QString &label)
    : ProgressPrinter(label, stderr, isatty(fileno(stderr)) == 1) {}

ProgressPrinter::ProgressPrinter(const QString &label, FILE *stream, bool enabled)
    : m_label(label)
    , m_stream(stream)
    , m_enabled(enabled) {
    m_started.start();
}

ProgressPrinter::~ProgressPrinter() {
    finish();
}

void ProgressPrinter::update(qint64 done) {
    if (!m_enabled)
        return;
    const qint64 elapsed = m_started.elapsed();
    if (m_lastDraw >= 0 && elapsed - m_lastDraw < kRedrawMs)
        return;
    m_lastDraw = elapsed;
    draw(done);
}

void ProgressPrinter::draw(qint64 done) {
    const qint64 elapsed = qMax<qint64>(1, m_started.elapsed());
    QLocale english(QLocale::English);
    english.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString line
        = QStringLiteral("\r%1: %2 rows, %3 rows/s\x1b[K")
              .arg(m_label, english.toString(done), english.toString(done * 1000 / elapsed));
    std::fputs(line.toLocal8Bit().constData(), m_stream);
    std::fflush(m_stream);
    m_drawn = true;
}

void ProgressPrinter::finish() {
    if (!m_drawn)
        return;
    std::fputs("\r\x1b[K", m_stream);
    std::fflush(m_stream);
    m_drawn = false;
}
