#include "platform/store/store_state.h"

#include <cwchar>

namespace store {

namespace {

constexpr DWORD kMountIgnoredFlags = 0x80000000;
constexpr DWORD kVolumeTag = 0x4C4F5651;  // "QVOL"
// The object store's own file in the device folder.
constexpr wchar_t kObjectStorePath[] = L"\\objstore.vol";

std::vector<std::unique_ptr<Volume>> g_mounted;
std::unique_ptr<Volume> g_objectStore;
uint32_t g_nextSerial = 1;

std::wstring FullPath(const wchar_t* path)
{
    wchar_t full[MAX_PATH];
    DWORD n = GetFullPathNameW(path, MAX_PATH, full, nullptr);
    return (n && n < MAX_PATH) ? std::wstring(full) : std::wstring(path);
}

bool SameGuid(const CEGUID& a, const CEGUID& b)
{
    return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 && a.Data4 == b.Data4;
}

std::unique_ptr<Volume> OpenVolume(const std::wstring& path, DWORD disposition)
{
    auto volume = std::make_unique<Volume>();
    if (!OpenVolumeFile(path, disposition, &volume->file))
        return nullptr;
    volume->serial = g_nextSerial++;
    volume->path = path;
    volume->mounts = 1;
    return volume;
}

Volume* ObjectStore()
{
    if (g_objectStore)
        return g_objectStore.get();
    std::wstring path = FullPath(kObjectStorePath);
    bool existed = GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    g_objectStore = OpenVolume(path, OPEN_ALWAYS);
    if (!g_objectStore)
        return nullptr;
    if (!existed)
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN);
    g_objectStore->objectStore = true;
    return g_objectStore.get();
}

Volume* MountedVolume(const CEGUID& guid)
{
    for (auto& v : g_mounted) {
        if (SameGuid(v->guid, guid))
            return v.get();
    }
    return nullptr;
}

}  // namespace

Volume* FindVolume(const CEGUID* guid)
{
    if (!guid) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (CHECK_SYSTEMGUID(guid))
        return ObjectStore();
    if (Volume* v = MountedVolume(*guid))
        return v;
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
}

Volume* VolumeBySerial(uint32_t serial)
{
    if (g_objectStore && g_objectStore->serial == serial)
        return g_objectStore.get();
    for (auto& v : g_mounted) {
        if (v->serial == serial)
            return v.get();
    }
    return nullptr;
}

std::vector<Volume*> AllVolumes()
{
    std::vector<Volume*> all;
    if (Volume* objectStore = ObjectStore())
        all.push_back(objectStore);
    for (auto& v : g_mounted)
        all.push_back(v.get());
    return all;
}

std::vector<Volume*> LoadedVolumes()
{
    std::vector<Volume*> loaded;
    if (g_objectStore)
        loaded.push_back(g_objectStore.get());
    for (auto& v : g_mounted)
        loaded.push_back(v.get());
    return loaded;
}

void CloseAllVolumes()
{
    for (auto& v : g_mounted)
        CloseVolumeFile(&v->file);
    g_mounted.clear();
    if (g_objectStore)
        CloseVolumeFile(&g_objectStore->file);
    g_objectStore.reset();
}

}  // namespace store

using namespace store;

CEAPI BOOL WINAPI CeMountDBVol(PCEGUID pguid, LPWSTR lpszVolume, DWORD dwFlags)
{
    StoreGuard guard;
    if (!pguid || !lpszVolume || !*lpszVolume) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    DWORD disposition = dwFlags & ~kMountIgnoredFlags;
    std::wstring path = FullPath(lpszVolume);
    for (auto& v : g_mounted) {
        if (_wcsicmp(v->path.c_str(), path.c_str()) != 0)
            continue;
        if (disposition == CREATE_NEW) {
            SetLastError(ERROR_FILE_EXISTS);
            return FALSE;
        }
        ++v->mounts;
        *pguid = v->guid;
        return TRUE;
    }
    std::unique_ptr<Volume> volume = OpenVolume(path, disposition);
    if (!volume)
        return FALSE;
    volume->guid = {volume->serial, GetCurrentProcessId(), kVolumeTag, 0};
    *pguid = volume->guid;
    g_mounted.push_back(std::move(volume));
    return TRUE;
}

CEAPI BOOL WINAPI CeFlushDBVol(PCEGUID pguid)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    return volume && CheckpointVolumeFile(&volume->file);
}

CEAPI BOOL WINAPI CeUnmountDBVol(PCEGUID pguid)
{
    StoreGuard guard;
    for (auto it = g_mounted.begin(); pguid && it != g_mounted.end(); ++it) {
        Volume& v = **it;
        if (!SameGuid(v.guid, *pguid))
            continue;
        if (--v.mounts == 0) {
            CloseVolumeFile(&v.file);
            g_mounted.erase(it);
        }
        return TRUE;
    }
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
}

CEAPI HANDLE WINAPI CeCreateSession(PCEGUID pguid)
{
    StoreGuard guard;
    Volume* volume = FindVolume(pguid);
    if (!volume)
        return INVALID_HANDLE_VALUE;
    return AddSessionHandle(volume->serial);
}
