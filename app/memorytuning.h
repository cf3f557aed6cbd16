// SPDX-FileCopyrightText: 2026 Tindral
// SPDX-License-Identifier: LicenseRef-Tindral-Proprietary

#pragma once

namespace MemoryTuning {

// Called once at process start, before any work. glibc's allocator hands freed memory back to
// the system as soon as a few hundred KiB lie free at the top of the heap, and serves blocks
// above a moving threshold from fresh mappings; work that sets up and frees the same large
// block for every item (a compressor's state per archive entry) then spends most of its time
// in the kernel. Keeping freed memory for reuse costs at most the stated amounts.
void keepFreedMemory();

} // namespace MemoryTuning
