#include "platform/today_host/options.h"

#include "platform/today_host/commands.h"
#include "platform/today_host/items.h"
#include "platform/today_host/layout.h"

#include <string>

namespace todayhost {

void ShowOptionsMenu(POINT screenPoint)
{
    HMENU menu = CreatePopupMenu();
    if (!menu)
        return;
    int entries = 0;
    for (size_t i = 0; i < Items.size() && i < kMaxItems; ++i) {
        if (!Items[i]->registered.options)
            continue;
        std::wstring text = Items[i]->registered.name + L" 옵션...";
        AppendMenuW(menu, MF_STRING, kCommandOptionsFirst + i, text.c_str());
        ++entries;
    }
    if (entries > 0)
        TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, screenPoint.x, screenPoint.y, 0, HostWindow, nullptr);
    DestroyMenu(menu);
}

bool RunOptionsDialog(int index)
{
    if (index < 0 || index >= static_cast<int>(Items.size()))
        return false;
    HostedItem& item = *Items[static_cast<size_t>(index)];
    const wchar_t* name = item.registered.name.c_str();
    auto procedure = reinterpret_cast<DLGPROC>(
        reinterpret_cast<void*>(GetProcAddress(item.module, MAKEINTRESOURCEA(ORDINAL_OPTIONSDIALOGPROC))));
    if (!item.registered.options || !procedure) {
        NKDbgPrintfW(L"TodayHost: item \"%ls\" has no options dialog", name);
        return false;
    }
    NKDbgPrintfW(L"TodayHost: options dialog of \"%ls\"", name);
    INT_PTR result = DialogBoxParamW(item.module, MAKEINTRESOURCEW(IDD_TODAY_CUSTOM), HostWindow, procedure, 0);
    NKDbgPrintfW(L"TodayHost: options dialog of \"%ls\" ended (%lld)", name, static_cast<long long>(result));
    // The dialog may have closed the item's window or changed its height.
    if (QueryAllItems())
        LayoutItems();
    return true;
}

}  // namespace todayhost
