#include "core/input_method_menu.h"

#include "resources/resource.h"

#include <cstring>
#include <cwchar>

InputMethodTable InputMethodList = {};

namespace {

// The pop-up hangs from the right edge above the menu bar, one row per item.
constexpr int kMenuRight = 240;
constexpr int kMenuBottom = 293;
constexpr int kMenuRowHeight = 19;

}  // namespace

bool SameInputMethodId(const CLSID* first, const CLSID* second)
{
    return memcmp(first, second, sizeof(CLSID)) == 0;
}

int EnumInputMethodsCallback(IMENUMINFO* info)
{
    if (InputMethodList.count >= kMaxInputMethods)
        return 0;
    InputMethodEntry& entry = InputMethodList.entries[InputMethodList.count++];
    wcsncpy(entry.name, info->szName, kInputMethodNameChars - 1);
    entry.name[kInputMethodNameChars - 1] = 0;
    entry.classId = info->clsid;
    return InputMethodList.count < kMaxInputMethods ? 1 : 0;
}

bool ShowInputMethodMenu(HWND owner)
{
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_INPUT_METHOD_MENU));
    HMENU popup = menu ? GetSubMenu(menu, 0) : nullptr;
    if (!popup) {
        if (menu)
            DestroyMenu(menu);
        return false;
    }
    DeleteMenu(popup, IDM_INPUT_METHOD_FIRST, MF_BYCOMMAND);

    CLSID current = {};
    const bool haveCurrent = SipGetCurrentIM(&current) != FALSE;
    InputMethodList.count = 0;
    SipEnumIM(EnumInputMethodsCallback);

    for (int i = 0; i < InputMethodList.count; ++i) {
        const InputMethodEntry& entry = InputMethodList.entries[i];
        const bool isCurrent = haveCurrent && SameInputMethodId(&entry.classId, &current);
        AppendMenuW(popup, MF_STRING | (isCurrent ? MF_CHECKED : MF_UNCHECKED), IDM_INPUT_METHOD_FIRST + i,
                    entry.name);
    }
    TrackPopupMenu(popup, 0, kMenuRight, kMenuBottom - kMenuRowHeight * InputMethodList.count, 0, owner, nullptr);
    DestroyMenu(menu);
    return true;
}

bool ChooseInputMethodCommand(UINT command)
{
    if (command < IDM_INPUT_METHOD_FIRST || command >= IDM_INPUT_METHOD_FIRST + static_cast<UINT>(InputMethodList.count))
        return false;
    return SipSetCurrentIM(&InputMethodList.entries[command - IDM_INPUT_METHOD_FIRST].classId) != FALSE;
}
