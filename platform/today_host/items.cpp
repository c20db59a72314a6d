#include "platform/today_host/items.h"

#include "platform/today_host/commands.h"

#include <strsafe.h>

#include <algorithm>

namespace todayhost {

namespace {

constexpr DWORD kMaxValueChars = MAX_PATH;

DWORD ReadDword(HKEY key, const wchar_t* name, DWORD fallback)
{
    DWORD value = 0, type = 0, size = sizeof(value);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return fallback;
    return value;
}

std::wstring ReadString(HKEY key, const wchar_t* name)
{
    wchar_t text[kMaxValueChars + 1] = L"";
    DWORD type = 0, size = kMaxValueChars * sizeof(wchar_t);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::wstring();
    text[std::min<DWORD>(size / sizeof(wchar_t), kMaxValueChars)] = 0;
    return text;
}

bool IsLoaded(const std::wstring& name)
{
    return std::any_of(Items.begin(), Items.end(),
                       [&](const std::unique_ptr<HostedItem>& item) { return item->registered.name == name; });
}

bool Wanted(const RegisteredItem& item)
{
    return item.type == tlitCustom && item.enabled != 0 && !item.dllPath.empty();
}

void FillRecord(HostedItem& item)
{
    TODAYLISTITEM& record = item.record;
    record = TODAYLISTITEM{};
    StringCchCopyW(record.szName, MAX_ITEMNAME, item.registered.name.c_str());
    record.tlit = static_cast<TODAYLISTITEMTYPE>(item.registered.type);
    record.fEnabled = TRUE;
    record.fOptions = item.registered.options != 0;
    StringCchCopyW(record.szDLLPath, MAX_PATH, item.registered.dllPath.c_str());
    record.hinstDLL = item.module;
}

// Loads the DLL and makes the item's window; null (and a log line) when the
// item is left out.
std::unique_ptr<HostedItem> LoadItem(const RegisteredItem& registered)
{
    const wchar_t* name = registered.name.c_str();
    auto item = std::make_unique<HostedItem>();
    item->registered = registered;
    item->module = LoadLibraryW(registered.dllPath.c_str());
    if (!item->module) {
        NKDbgPrintfW(L"TodayHost: item \"%ls\" left out: %ls did not load (error %lu)", name,
                     registered.dllPath.c_str(), GetLastError());
        return nullptr;
    }
    auto initialize = reinterpret_cast<PFNCUSTOMINITIALIZEITEM>(
        reinterpret_cast<void*>(GetProcAddress(item->module, MAKEINTRESOURCEA(ORDINAL_INITIALIZEITEM))));
    if (!initialize) {
        NKDbgPrintfW(L"TodayHost: item \"%ls\" left out: %ls has no ordinal %d", name, registered.dllPath.c_str(),
                     ORDINAL_INITIALIZEITEM);
        FreeLibrary(item->module);
        return nullptr;
    }
    FillRecord(*item);
    HWND window = initialize(&item->record, HostWindow);
    if (!window || !IsWindow(window)) {
        NKDbgPrintfW(L"TodayHost: item \"%ls\" left out: ordinal %d gave no window", name, ORDINAL_INITIALIZEITEM);
        FreeLibrary(item->module);
        return nullptr;
    }
    item->record.hwndCustom = window;
    NKDbgPrintfW(L"TodayHost: item \"%ls\" loaded from %ls", name, registered.dllPath.c_str());
    return item;
}

void UnloadItem(std::unique_ptr<HostedItem>& item)
{
    HWND window = item->Window();
    if (IsWindow(window)) {
        SendMessageW(window, WM_TODAYCUSTOM_CLEARCACHE, reinterpret_cast<WPARAM>(&item->record), 0);
        DestroyWindow(window);
    }
    FreeLibrary(item->module);
    NKDbgPrintfW(L"TodayHost: item \"%ls\" unloaded", item->registered.name.c_str());
    item.reset();
}

}  // namespace

std::vector<RegisteredItem> ReadRegisteredItems()
{
    std::vector<RegisteredItem> items;
    HKEY root = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, TODAY_ITEMS_KEY, 0, KEY_READ, &root) != ERROR_SUCCESS)
        return items;
    for (DWORD index = 0;; ++index) {
        wchar_t name[MAX_ITEMNAME * 2] = L"";
        DWORD chars = ARRAYSIZE(name);
        LONG result = RegEnumKeyExW(root, index, name, &chars, nullptr, nullptr, nullptr, nullptr);
        if (result == ERROR_MORE_DATA)
            continue;  // a name longer than any record holds
        if (result != ERROR_SUCCESS)
            break;
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, name, 0, KEY_READ, &key) != ERROR_SUCCESS)
            continue;
        RegisteredItem item;
        item.name = name;
        item.type = ReadDword(key, L"Type", 0);
        item.options = ReadDword(key, L"Options", 0);
        item.enabled = ReadDword(key, L"Enabled", 1);
        item.selectability = ReadDword(key, L"Selectability", kNotSelectable);
        item.dllPath = ReadString(key, L"DLL");
        RegCloseKey(key);
        items.push_back(item);
    }
    RegCloseKey(root);
    return items;
}

bool SyncItems()
{
    std::vector<RegisteredItem> registered = ReadRegisteredItems();
    bool changed = false;

    // Unload what is no longer wanted.
    for (auto& item : Items) {
        auto entry = std::find_if(registered.begin(), registered.end(),
                                  [&](const RegisteredItem& r) { return r.name == item->registered.name; });
        if (entry == registered.end() || !Wanted(*entry)) {
            UnloadItem(item);
            changed = true;
        }
    }
    Items.erase(std::remove(Items.begin(), Items.end(), nullptr), Items.end());

    // Load what is wanted and missing, then stack in the registry's order.
    for (const RegisteredItem& entry : registered) {
        if (!Wanted(entry) || IsLoaded(entry.name))
            continue;
        if (Items.size() >= kMaxItems) {
            NKDbgPrintfW(L"TodayHost: item \"%ls\" left out: too many items", entry.name.c_str());
            continue;
        }
        if (auto item = LoadItem(entry)) {
            Items.push_back(std::move(item));
            QueryItem(*Items.back());
            changed = true;
        }
    }
    auto rank = [&](const std::unique_ptr<HostedItem>& item) {
        for (size_t i = 0; i < registered.size(); ++i) {
            if (registered[i].name == item->registered.name)
                return i;
        }
        return registered.size();
    };
    std::stable_sort(Items.begin(), Items.end(),
                     [&](const auto& a, const auto& b) { return rank(a) < rank(b); });
    if (changed)
        SelectedItem = -1;
    return changed;
}

void UnloadAllItems()
{
    for (auto& item : Items)
        UnloadItem(item);
    Items.clear();
    SelectedItem = -1;
}

bool QueryItem(HostedItem& item)
{
    if (!IsWindow(item.Window()))
        return false;
    return SendMessageW(item.Window(), WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<WPARAM>(&item.record), 0) !=
           0;
}

bool QueryAllItems()
{
    bool changed = false;
    for (auto& item : Items) {
        if (!IsWindow(item->Window())) {
            NKDbgPrintfW(L"TodayHost: item \"%ls\" dropped: its window has gone", item->registered.name.c_str());
            FreeLibrary(item->module);
            item.reset();
            changed = true;
            continue;
        }
        if (QueryItem(*item))
            changed = true;
    }
    if (std::find(Items.begin(), Items.end(), nullptr) != Items.end()) {
        Items.erase(std::remove(Items.begin(), Items.end(), nullptr), Items.end());
        SelectedItem = -1;
    }
    return changed;
}

int ItemIndexOfWindow(HWND window)
{
    for (size_t i = 0; i < Items.size(); ++i) {
        if (Items[i]->Window() == window)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace todayhost
