// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// An OFX or QFX statement file, version 1 (SGML) or 2 (XML), read as the import reads it.

#include "services/ofxreader.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Fuzz::ensureApplication();
    const QString path
        = Fuzz::writeScratchFile(QStringLiteral("statement.ofx"), Fuzz::bytes(data, size));

    int entries = 0;
    OfxReader whole;
    const bool read = whole.read(path, [&entries](const BankEntry &) {
        ++entries;
        return true;
    });
    if (!read && whole.errorString().isEmpty())
        Fuzz::fail("a refused file gives no reason");
    if (entries == 0)
        return 0;

    // Stopping at the first entry is the caller's choice, never a fault of the file, even
    // when the file goes wrong later on.
    int handed = 0;
    OfxReader first;
    const bool stopped = first.read(path, [&handed](const BankEntry &) {
        ++handed;
        return false;
    });
    if (!stopped || handed != 1)
        Fuzz::fail("stopping at the first entry was taken as a fault", first.errorString());
    return 0;
}
