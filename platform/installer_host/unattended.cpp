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

void Answer(HWND box)
{
    LRESULT defaultId = SendMessageW(box, DM_GETDEFID, 0, 0);
    int id = HIWORD(defaultId) == DC_HASDEFID ? LOWORD(defaultId) : IDOK;
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
