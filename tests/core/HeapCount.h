// Busy heap blocks of the process, to see whether repeated work leaks.
#pragma once

#include <windows.h>

#include <cstddef>

// Busy blocks of every heap of the process: the C runtime's heap among them.
inline size_t CountHeapBlocks()
{
    HANDLE heaps[64];
    DWORD nHeaps = GetProcessHeaps(64, heaps);
    size_t nBlocks = 0;
    for (DWORD i = 0; i < nHeaps && i < 64; ++i) {
        if (!HeapLock(heaps[i])) {
            continue;
        }
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry)) {
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) {
                ++nBlocks;
            }
        }
        HeapUnlock(heaps[i]);
    }
    return nBlocks;
}
