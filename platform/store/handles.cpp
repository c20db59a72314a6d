// Database and session handles are kernel event objects, so that their
// values never clash with other handles; CloseHandle reaches CeCloseHandle
// through ce.h and ends the open.
#include "platform/store/store_state.h"

#include <unordered_map>

namespace store {

namespace {

struct HandleEntry {
    uint32_t sessionVolume = 0;  // a session when no open database
    std::unique_ptr<OpenDatabase> open;
};

std::unordered_map<HANDLE, HandleEntry>& Handles()
{
    static std::unordered_map<HANDLE, HandleEntry> handles;
    return handles;
}

HANDLE AddHandle(HandleEntry entry)
{
    HANDLE h = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (!h) {
        SetLastError(ERROR_NO_SYSTEM_RESOURCES);
        return INVALID_HANDLE_VALUE;
    }
    // A value still listed was closed behind our back: that open is over.
    Handles()[h] = std::move(entry);
    return h;
}

}  // namespace

HANDLE AddDatabaseHandle(std::unique_ptr<OpenDatabase> open)
{
    HandleEntry entry;
    entry.open = std::move(open);
    return AddHandle(std::move(entry));
}

HANDLE AddSessionHandle(uint32_t volumeSerial)
{
    HandleEntry entry;
    entry.sessionVolume = volumeSerial;
    return AddHandle(std::move(entry));
}

OpenDatabase* DatabaseOfHandle(HANDLE handle, Volume** volume)
{
    auto it = Handles().find(handle);
    if (it == Handles().end() || !it->second.open) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    *volume = VolumeBySerial(it->second.open->volumeSerial);
    if (!*volume) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return it->second.open.get();
}

bool SessionVolume(HANDLE handle, uint32_t* volumeSerial)
{
    auto it = Handles().find(handle);
    if (it == Handles().end() || it->second.open)
        return false;
    *volumeSerial = it->second.sessionVolume;
    return true;
}

void ForEachOpenDatabase(const std::function<void(OpenDatabase&)>& visit)
{
    for (auto& [handle, entry] : Handles()) {
        if (entry.open)
            visit(*entry.open);
    }
}

void CloseAllHandles()
{
    for (auto& [handle, entry] : Handles())
        ::CloseHandle(handle);
    Handles().clear();
}

}  // namespace store

CEAPI BOOL WINAPI CeCloseHandle(HANDLE handle)
{
    {
        store::StoreGuard guard;
        store::Handles().erase(handle);
    }
    return ::CloseHandle(handle);
}
