// State the Today host's files share: its window, the items it has loaded
// (in the order they stack), the selection and the scroll position.
#pragma once

#include "platform/ce.h"

#include <memory>
#include <string>
#include <vector>

namespace todayhost {

// How an item takes the selection ("Selectability").
constexpr DWORD kNotSelectable = 0;
constexpr DWORD kItemHandlesKeys = 2;  // the item is asked about each key first

// One item as registered under the Today items key.
struct RegisteredItem {
    std::wstring name;  // the key's name
    DWORD type = 0;
    DWORD options = 0;
    DWORD enabled = 0;
    DWORD selectability = 0;
    std::wstring dllPath;
};

// An item whose DLL is loaded and whose window stands on the Today screen.
// The record lives as long as the item: the item may keep its address.
struct HostedItem {
    RegisteredItem registered;
    HMODULE module = nullptr;
    TODAYLISTITEM record = {};
    HWND Window() const { return record.hwndCustom; }
};

extern HWND HostWindow;
extern std::vector<std::unique_ptr<HostedItem>> Items;
extern int SelectedItem;  // index into Items, -1 for none
extern int ScrollTop;     // pixels of the stack scrolled off above

}  // namespace todayhost
