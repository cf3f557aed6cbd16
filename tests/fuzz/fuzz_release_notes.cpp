// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

// Release notes in Markdown, as the update dialogs show them.

#include "tests/fuzz/fuzzsupport.h"
#include "update/widgets/notesbrowser.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Fuzz::ensureApplication(true);
    static TindUpdate::NotesBrowser *browser = [] {
        auto *notes = new TindUpdate::NotesBrowser;
        notes->resize(480, 360);
        return notes;
    }();
    // The fetcher hands the reply's bytes on as UTF-8.
    browser->setMarkdown(Fuzz::text(data, size));
    // Laid out as the dialog shows it.
    browser->document()->setTextWidth(460);
    browser->document()->size();
    browser->toPlainText();
    return 0;
}
