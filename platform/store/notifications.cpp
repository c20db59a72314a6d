// Change notifications: a timer on the thread that asked for them turns new
// change-log entries into posted messages. Extended notifications point
// into a fixed pool; a record is given back once the receiving thread has
// retrieved its message and moved on to the next one (seen through a
// message hook), when it is freed, or when its window is gone, so that
// receivers that never free leak nothing.
#include "platform/store/store_state.h"

namespace store {

namespace {

constexpr UINT kPumpIntervalMs = 200;
constexpr int kPoolSize = 1024;

enum class SlotState { kFree, kPosted, kRetrieved };

struct Slot {
    SlotState state = SlotState::kFree;
    HWND window = nullptr;
    DWORD thread = 0;
};

struct ThreadHook {
    DWORD thread;
    HHOOK hook;
};

struct Change {
    sqlite3_int64 seq;
    CEOID database;
    CEOID record;
    UINT kind;
};

CENOTIFICATION g_pool[kPoolSize];
Slot g_slots[kPoolSize];
int g_nextSlot = 0;
int g_retrieved = 0;  // slots in kRetrieved, so that most messages cost no scan
UINT_PTR g_timer = 0;
std::vector<ThreadHook> g_hooks;
bool g_poolFullReported = false;

int SlotOf(const void* record)
{
    auto address = reinterpret_cast<uintptr_t>(record);
    auto first = reinterpret_cast<uintptr_t>(&g_pool[0]);
    if (address < first || address >= first + sizeof(g_pool) ||
        (address - first) % sizeof(CENOTIFICATION) != 0)
        return -1;
    return static_cast<int>((address - first) / sizeof(CENOTIFICATION));
}

void Release(Slot& s)
{
    if (s.state == SlotState::kRetrieved)
        --g_retrieved;
    s.state = SlotState::kFree;
}

void ReleaseRetrieved(DWORD thread)
{
    for (int i = 0; g_retrieved > 0 && i < kPoolSize; ++i) {
        if (g_slots[i].state == SlotState::kRetrieved && g_slots[i].thread == thread)
            Release(g_slots[i]);
    }
}

void ReleaseOrphans()
{
    for (Slot& s : g_slots) {
        if (s.state != SlotState::kFree && !IsWindow(s.window))
            Release(s);
    }
}

int FreeSlotFrom(int start)
{
    for (int n = 0; n < kPoolSize; ++n) {
        int i = (start + n) % kPoolSize;
        if (g_slots[i].state == SlotState::kFree)
            return i;
    }
    return -1;
}

// Reuses records as late as possible: the oldest freed first.
CENOTIFICATION* TakeRecord(HWND window, DWORD thread)
{
    int i = FreeSlotFrom(g_nextSlot);
    if (i < 0) {
        ReleaseOrphans();
        i = FreeSlotFrom(g_nextSlot);
    }
    if (i < 0)
        return nullptr;
    g_slots[i] = {SlotState::kPosted, window, thread};
    g_nextSlot = (i + 1) % kPoolSize;
    return &g_pool[i];
}

LRESULT CALLBACK RetrievalHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        StoreGuard guard;
        ReleaseRetrieved(GetCurrentThreadId());
        const MSG* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg->message == WM_DBNOTIFICATION) {
            int i = SlotOf(reinterpret_cast<const void*>(msg->lParam));
            if (i >= 0 && g_slots[i].state == SlotState::kPosted) {
                g_slots[i].state = SlotState::kRetrieved;
                ++g_retrieved;
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void HookThread(DWORD thread)
{
    for (const ThreadHook& h : g_hooks) {
        if (h.thread == thread)
            return;
    }
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, RetrievalHook, nullptr, thread);
    if (!hook) {
        NKDbgPrintfW(L"object store: no message hook on thread %lu (%lu)\r\n", thread,
                     GetLastError());
        return;
    }
    g_hooks.push_back({thread, hook});
}

void Post(const Volume& volume, const OpenDatabase& open, CEOID record, UINT kind)
{
    const CENOTIFYREQUEST& request = open.request;
    if (!(request.dwFlags & CEDB_EXNOTIFICATION)) {
        PostMessageW(request.hwnd, kind, record, open.database);
        return;
    }
    DWORD process = 0;
    DWORD thread = GetWindowThreadProcessId(request.hwnd, &process);
    if (!thread || process != GetCurrentProcessId())
        return;
    HookThread(thread);
    CENOTIFICATION* n = TakeRecord(request.hwnd, thread);
    if (!n) {
        if (!g_poolFullReported)
            NKDbgPrintfW(L"object store: notification pool full, notifications dropped\r\n");
        g_poolFullReported = true;
        return;
    }
    *n = {sizeof(CENOTIFICATION), request.dwParam, kind, volume.guid, record, open.database};
    if (!PostMessageW(request.hwnd, WM_DBNOTIFICATION, 0, reinterpret_cast<LPARAM>(n)))
        Release(g_slots[SlotOf(n)]);
}

bool Watched(const Volume& volume)
{
    bool watched = false;
    ForEachOpenDatabase([&](OpenDatabase& o) {
        watched = watched || (o.notify && o.volumeSerial == volume.serial);
    });
    return watched;
}

void PumpVolume(Volume& volume)
{
    constexpr size_t kBatch = 256;  // the LIMIT of kChangesAfter
    for (;;) {
        std::vector<Change> changes;
        {
            Statement after(volume.file, kChangesAfter);
            after.Bind(1, volume.changesPumped);
            while (after.Step()) {
                changes.push_back({after.Int(0), static_cast<CEOID>(after.Int(1)),
                                   static_cast<CEOID>(after.Int(2)),
                                   static_cast<UINT>(after.Int(3))});
            }
        }
        for (const Change& c : changes) {
            ForEachOpenDatabase([&](OpenDatabase& o) {
                if (o.notify && o.volumeSerial == volume.serial && o.database == c.database &&
                    c.seq > o.changesFrom)
                    Post(volume, o, c.record, c.kind);
            });
            volume.changesPumped = c.seq;
        }
        if (changes.size() < kBatch)
            return;
    }
}

void CALLBACK PumpTick(HWND, UINT, UINT_PTR, DWORD)
{
    StoreGuard guard;
    ReleaseRetrieved(GetCurrentThreadId());
    ReleaseOrphans();
    for (Volume* volume : LoadedVolumes()) {
        // A batch's changes are announced once it commits.
        if (volume->changesPumped >= 0 && volume->file.batchDepth == 0 && Watched(*volume))
            PumpVolume(*volume);
    }
}

}  // namespace

void WatchForNotifications(Volume& volume, OpenDatabase& open)
{
    open.changesFrom = LastChange(volume);
    if (volume.changesPumped < 0)
        volume.changesPumped = open.changesFrom;
    if (!g_timer)
        g_timer = SetTimer(nullptr, 0, kPumpIntervalMs, PumpTick);
}

void StopNotifications()
{
    if (g_timer)
        KillTimer(nullptr, g_timer);
    g_timer = 0;
    for (const ThreadHook& h : g_hooks)
        UnhookWindowsHookEx(h.hook);
    g_hooks.clear();
    for (Slot& s : g_slots)
        s = Slot();
    g_nextSlot = 0;
    g_retrieved = 0;
    g_poolFullReported = false;
}

}  // namespace store

using namespace store;

CEAPI BOOL WINAPI CeFreeNotification(PCENOTIFYREQUEST, PCENOTIFICATION pNotification)
{
    StoreGuard guard;
    int i = SlotOf(pNotification);
    if (i < 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    Release(g_slots[i]);
    return TRUE;
}

CEAPI DWORD WINAPI CeStoreOutstandingNotifications()
{
    StoreGuard guard;
    DWORD count = 0;
    for (const Slot& s : g_slots)
        count += s.state != SlotState::kFree;
    return count;
}
