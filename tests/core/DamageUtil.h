// Helpers of the damaged-archive tests: the cause of a failed load, and a count of heap blocks
// to see whether failed loads leak.
#pragma once

#include <windows.h>

#include <cstddef>

#include "platform/base/ArchiveException.h"
#include "platform/base/FileException.h"

// Runs fnLoad: the archive exception's cause, 100 for a file exception, -1 when nothing threw.
template <class Fn> int LoadFailureCause(Fn fnLoad)
{
    try {
        fnLoad();
    } catch (CArchiveException* e) {
        int nCause = e->m_cause;
        e->Delete();
        return nCause;
    } catch (CFileException* e) {
        e->Delete();
        return 100;
    }
    return -1;
}

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
