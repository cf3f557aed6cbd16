// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// A backup archive read entry by entry and restored into a database that has rows of its own.
// The import mode follows from the input's length, so that the archive bytes stay untouched.

#include "services/backupservice.h"
#include "services/ziparchivereader.h"
#include "storage/database.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Fuzz::ensureApplication();
    const QByteArray archive = Fuzz::bytes(data, size);

    const ZipArchiveReader reader(archive);
    if (reader.isValid()) {
        for (int i = 0; i < reader.entries().size(); ++i) {
            const ZipArchiveReader::Entry &entry = reader.entries().at(i);
            if (reader.indexOf(entry.path) > i)
                Fuzz::fail("an entry is found after itself", entry.path);
            QByteArray content;
            if (reader.read(i, 1 << 20, &content) == ZipArchiveReader::ReadStatus::Ok
                && content.size() != entry.uncompressedSize)
                Fuzz::fail("an entry inflates to another size than it declares", entry.path);
        }
    }

    Fuzz::ScratchDatabase scratch;
    const QString before = Fuzz::dumpTables(scratch.database());
    BackupService service(scratch.database());
    const BackupImportResult result = service.importBackup(archive, BackupImportMode(size % 3));
    if (!result.completed && Fuzz::dumpTables(scratch.database()) != before)
        Fuzz::fail("a restore that did not complete changed the database");
    return 0;
}
