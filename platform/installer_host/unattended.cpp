#include "platform/installer_host/unattended.h"

#include <string>

namespace installer {

namespace {

constexpr int kMessageBoxTextId = 0xFFFF;  // the static that holds a message box's text

HWND g_lastAnswered = nullptr;

std::wstring TextOf(HWND window)
{
    if (!window)
        return std::wstring();
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool IsDialogBox(HWND window)
{
    wchar_t name[16] = L"";
    GetClassNameW(window, name, ARRAYSIZE(name));
    return wcscmp(name, L"#32770") == 0;
}

// The box's default button among those it shows (a message box keeps the
// buttons of other kinds hidden): the one styled as default, else the one it
// names as default, else its first.
int DefaultButton(HWND box)
{
    LRESULT named = SendMessageW(box, DM_GETDEFID, 0, 0);
    int namedId = HIWORD(named) == DC_HASDEFID ? LOWORD(named) : 0;
    int first = 0;
    bool namedShown = false;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = L"";
        GetClassNameW(child, name, ARRAYSIZE(name));
        LONG style = GetWindowLongW(child, GWL_STYLE);
        if (_wcsicmp(name, L"Button") != 0 || !(style & WS_VISIBLE))
            continue;
        int id = GetDlgCtrlID(child);
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            return id;
        if (!first)
            first = id;
        namedShown = namedShown || id == namedId;
    }
    return namedShown ? namedId : first ? first : IDOK;
}

void Answer(HWND box)
{
    int id = DefaultButton(box);
    NKDbgPrintfW(L"InstallerHost: box \"%ls\": \"%ls\" answered %d", TextOf(box).c_str(),
                 TextOf(GetDlgItem(box, kMessageBoxTextId)).c_str(), id);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(box, id)));
}

LRESULT CALLBACK BoxHookProc(int code, WPARAM wParam, LPARAM lParam)
{
    // Activation comes once the box has made its controls and set its text.
    HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && window != g_lastAnswered && IsDialogBox(window)) {
        g_lastAnswered = window;
        Answer(window);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

UnattendedBoxes::UnattendedBoxes() : hook_(SetWindowsHookExW(WH_CBT, BoxHookProc, nullptr, GetCurrentThreadId()))
{
}

UnattendedBoxes::~UnattendedBoxes()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
}

}  // namespace installer
