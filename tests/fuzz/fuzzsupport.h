// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>

class Database;

// What the fuzz targets share: the application object, bytes as Qt types, files and throw-away
// databases. A target stays deterministic for one input, so a finding replays.
namespace Fuzz {

// Creates the application object once (a QApplication on the offscreen platform when gui is
// true, else a QCoreApplication) and silences Qt's messages: hostile input makes the code
// log a lot, and the logging is not what is being tested.
void ensureApplication(bool gui = false);

inline QByteArray bytes(const uint8_t *data, size_t size) {
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// The input as UTF-8 text (malformed sequences become replacement characters, as they do
// wherever the program reads UTF-8).
inline QString text(const uint8_t *data, size_t size) {
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Writes bytes to a file of this name in the process's scratch directory and returns its path.
QString writeScratchFile(const QString &name, const QByteArray &bytes);

// A fresh database with the current schema, one account per currency ("fuzz-usd", ...) and
// one category ("fuzz-cat"), on a copy of a file prepared once per process; closed and removed
// again when the handle goes.
class ScratchDatabase {
public:
    ScratchDatabase();
    ~ScratchDatabase();
    Database *database() const { return m_database.get(); }

private:
    std::unique_ptr<Database> m_database;
};

// Every row of every table, in storage order: equal dumps mean nothing was written.
QString dumpTables(Database *database);

// Stops the process with a message when a promise of the code under test is broken; libFuzzer
// keeps the input as a crash.
[[noreturn]] void fail(const char *what, const QString &detail = QString());

} // namespace Fuzz
