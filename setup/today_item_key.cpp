#include "setup/today_item_key.h"

#include "core/build_variant.h"
#include "core/registry.h"
#include "setup/registry_values.h"

namespace {

struct TodayItemValue {
    const wchar_t* name;
    DWORD number;        // REG_DWORD values
    const wchar_t* text; // REG_SZ values
};

const TodayItemValue kTodayItemValues[] = {
    {L"Type", tlitCustom, nullptr},
    {L"Options", 0, nullptr},
    {L"DLL", 0, L"\\Windows\\Glimmor.dll"},
    {kTodayItemEnabledValue, 1, nullptr},
    {L"Selectability", 2, nullptr},
};

// A window that does not answer within this time is passed over, so that a
// hung program cannot hold the installer.
constexpr UINT kBroadcastWaitMs = 2000;

}  // namespace

void DeleteTodayItemKey()
{
    // The device deletes a key together with its subkeys.
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, TodayItemRegistryKey());
}

void RegisterTodayItem()
{
    for (const TodayItemValue& value : kTodayItemValues) {
        int written = value.text ? SetRegistryString(HKEY_LOCAL_MACHINE, TodayItemRegistryKey(), value.name, value.text)
                                 : SetRegistryDword(HKEY_LOCAL_MACHINE, TodayItemRegistryKey(), value.name, value.number);
        if (!written)
            NKDbgPrintfW(L"QuillonSetup: the Today item's \"%ls\" could not be written", value.name);
    }
}

void AnnounceTodayItemsChanged()
{
    SendMessageTimeoutW(HWND_BROADCAST, WM_WININICHANGE, TODAY_RELOAD_ITEMS, 0, SMTO_ABORTIFHUNG, kBroadcastWaitMs,
                        nullptr);
}
