#include "tests/support/testkit.h"

namespace testkit {

namespace {

LPARAM Point(int x, int y)
{
    return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y));
}

LPARAM KeyData(UINT virtualKey, bool up)
{
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
    if (up)
        data |= (1u << 30) | (1u << 31);
    return data;
}

}  // namespace

void KeyDown(HWND target, UINT virtualKey)
{
    SendMessageW(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false));
    SendMessageW(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true));
}

void TypeText(HWND target, const std::wstring& text)
{
    for (wchar_t c : text)
        SendMessageW(target, WM_CHAR, c, 1);
}

void Tap(HWND target, int x, int y)
{
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    SendMessageW(target, WM_LBUTTONUP, 0, Point(x, y));
}

void DoubleTap(HWND target, int x, int y)
{
    Tap(target, x, y);
    SendMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(x, y));
    SendMessageW(target, WM_LBUTTONUP, 0, Point(x, y));
}

void LongPress(HWND target, int x, int y, DWORD holdMs)
{
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, Point(x, y));
    PumpFor(holdMs);
    PostMessageW(target, WM_LBUTTONUP, 0, Point(x, y));
    PumpPending();
}

void RightClick(HWND target, int x, int y)
{
    SendMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, Point(x, y));
    SendMessageW(target, WM_RBUTTONUP, 0, Point(x, y));
}

void ChooseCommand(HWND owner, UINT command)
{
    SendMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void InjectClick(int screenX, int screenY)
{
    int width = GetSystemMetrics(SM_CXSCREEN) - 1;
    int height = GetSystemMetrics(SM_CYSCREEN) - 1;
    INPUT in[3] = {};
    for (INPUT& i : in) {
        i.type = INPUT_MOUSE;
        i.mi.dx = width > 0 ? screenX * 65535 / width : 0;
        i.mi.dy = height > 0 ? screenY * 65535 / height : 0;
    }
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    SendInput(3, in, sizeof(INPUT));
    PumpPending();
}

void InjectKey(UINT virtualKey)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = static_cast<WORD>(virtualKey);
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
    PumpPending();
}

}  // namespace testkit
