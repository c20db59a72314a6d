#include "mainwindow/search_box.h"

#include "mainwindow/hooks.h"
#include "mainwindow/state.h"

#include <strsafe.h>

namespace {

WNDPROC g_boxProcedure = nullptr;

// The box's text with its last character, the one being composed, replaced
// by the composition's; an empty box has only the composing character.
void FollowComposition(HWND box, wchar_t composing)
{
    GetWindowTextW(box, ContactSearchText, kContactSearchChars);
    const size_t length = wcslen(ContactSearchText);
    if (length == 0) {
        ContactSearchText[0] = composing;
        ContactSearchText[1] = L'\0';
    } else {
        ContactSearchText[length - 1] = composing;
    }
    RunHook(Hooks.FilterContactsByInitial);
}

}  // namespace

void SubclassContactSearchBox(HWND box)
{
    if (!box || g_boxProcedure)
        return;
    g_boxProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SearchEditSubclassProc)));
}

LRESULT CALLBACK SearchEditSubclassProc(HWND box, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_KEYDOWN:
        if (wParam == VK_RETURN) {
            SipShowIM(SIPF_OFF);
            if (ContactList)
                SetFocus(ContactList);
            // The box never sees the Enter.
            wParam = 0;
        }
        break;
    case WM_IME_COMPOSITION:
        if (!SamsungImeFlag && wParam != 0)
            FollowComposition(box, static_cast<wchar_t>(wParam));
        break;
    case WM_NCDESTROY: {
        WNDPROC procedure = g_boxProcedure;
        g_boxProcedure = nullptr;
        return CallWindowProcW(procedure, box, msg, wParam, lParam);
    }
    }
    return CallWindowProcW(g_boxProcedure, box, msg, wParam, lParam);
}
