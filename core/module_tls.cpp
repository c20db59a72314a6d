// For a DLL of ours that its host loads and frees again and again (the
// Today item, the phone library, the setup hooks). The statically linked
// runtime takes TLS indexes for itself the first time the DLL needs them
// and never gives them back, so each load would leave its indexes behind
// until the host process has none left and aborts. The link routes the
// runtime's TlsAlloc through here (quillon_gives_back_tls); whatever the
// DLL took is freed when it goes.
#include <windows.h>

namespace {

constexpr LONG kMostIndexes = 16;
LONG IndexCount = 0;
DWORD Indexes[kMostIndexes];

DWORD WINAPI TlsAllocOfThisModule();

}  // namespace

extern "C" {
extern DWORD(WINAPI* __real___imp_TlsAlloc)();
DWORD(WINAPI* __wrap___imp_TlsAlloc)() = TlsAllocOfThisModule;
}

namespace {

DWORD WINAPI TlsAllocOfThisModule()
{
    const DWORD index = __real___imp_TlsAlloc();
    if (index != TLS_OUT_OF_INDEXES) {
        const LONG slot = InterlockedIncrement(&IndexCount) - 1;
        if (slot < kMostIndexes)
            Indexes[slot] = index;
    }
    return index;
}

// Made before any other static object of the DLL, so destroyed after them
// all, at the unload, when nothing of the DLL runs any more.
struct IndexesFreedAtUnload {
    ~IndexesFreedAtUnload()
    {
        const LONG count = IndexCount < kMostIndexes ? IndexCount : kMostIndexes;
        for (LONG i = 0; i < count; ++i)
            TlsFree(Indexes[i]);
        IndexCount = 0;
    }
};

IndexesFreedAtUnload FreedAtUnload __attribute__((init_priority(101)));

}  // namespace
