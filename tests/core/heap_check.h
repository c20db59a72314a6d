// The process heap as tests see it: bytes in use, and its own validation.
#pragma once

#include <windows.h>

namespace coretest {

inline SIZE_T HeapBytesInUse()
{
    HANDLE heap = GetProcessHeap();
    HeapLock(heap);
    PROCESS_HEAP_ENTRY entry = {};
    SIZE_T bytes = 0;
    while (HeapWalk(heap, &entry)) {
        if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
            bytes += entry.cbData;
    }
    HeapUnlock(heap);
    return bytes;
}

inline bool HeapIsSound()
{
    return HeapValidate(GetProcessHeap(), 0, nullptr) != FALSE;
}

}  // namespace coretest
