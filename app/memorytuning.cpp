// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#include "app/memorytuning.h"

#include <cstdlib> // defines __GLIBC__ on glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace MemoryTuning {

void keepFreedMemory() {
#if defined(__GLIBC__)
    // Blocks up to 4 MiB come from the heap and are reused; up to 64 MiB of free memory at
    // the top of the heap stays with the process.
    mallopt(M_MMAP_THRESHOLD, 4 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

} // namespace MemoryTuning
