// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/memorytuning.h"
#include "quillonversion.h"
#include "shell/application.h"

#include <cstdio>
#include <cstring>

namespace {

// Answered before any window or database exists, so that they work on a machine without a
// display and never touch the data.
bool answerInformationalOption(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            std::printf("Tindral Quillon %s\n", QUILLON_VERSION);
            return true;
        }
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::printf("Usage: quillon [options]\n"
                        "Tindral Quillon keeps household account registers.\n"
                        "\n"
                        "Options:\n"
                        "  -h, --help     Show this help and exit.\n"
                        "  -v, --version  Show the version and exit.\n"
                        "\n"
                        "Environment:\n"
                        "  QUILLON_DATA_DIR  The data directory (default: "
                        "~/.local/share/Tindral/Quillon).\n"
                        "  QUILLON_VERBOSE   Log debug and information messages too.\n"
                        "\n"
                        "A second start on the same data directory brings the running window "
                        "to the front.\n"
                        "The command-line companion is quillon-cli.\n");
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    MemoryTuning::keepFreedMemory();
    if (answerInformationalOption(argc, argv))
        return 0;
    Application app(argc, argv);
    return app.run();
}
