// The tool's one window: "Soft Reset" in the middle, a menu bar with Tools.
#include "snapkit/resource.h"
#include "snapkit/state.h"

namespace {

constexpr int kTextChars = 100;

HINSTANCE InstanceOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
}

void CreateResetMenuBar(HWND window)
{
    SHMENUBARINFO info = {};
    info.cbSize = sizeof(info);
    info.hwndParent = window;
    info.nToolBarId = IDR_SNAPKIT_MENU;
    info.hInstRes = InstanceOf(window);
    ResetMenuBar = SHCreateMenuBar(&info) ? info.hwndMB : nullptr;
}

void OnResetCreate(HWND window)
{
    CreateResetMenuBar(window);
    ResetActivateInfo = SHACTIVATEINFO{};
    ResetActivateInfo.cbSize = sizeof(ResetActivateInfo);
}

void OnResetPaint(HWND window)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    wchar_t text[kTextChars] = L"";
    LoadStringW(InstanceOf(window), IDS_SNAPKIT_TEXT, text, kTextChars);
    RECT client;
    GetClientRect(window, &client);
    DrawTextW(dc, text, -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(window, &ps);
}

void OnResetCommand(HWND window, UINT command)
{
    switch (command) {
    case IDOK:
        SendMessageW(window, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(window));
        SendMessageW(window, WM_CLOSE, 0, 0);
        break;
    case IDM_SNAPKIT_ABOUT:
        DialogBoxW(InstanceOf(window), MAKEINTRESOURCEW(IDD_SNAPKIT_ABOUT), window, ResetAboutDlgProc);
        break;
    }
}

void OnResetDestroy()
{
    if (ResetMenuBar)
        DestroyWindow(ResetMenuBar);
    ResetMenuBar = nullptr;
    PostQuitMessage(0);
}

}  // namespace

HWND ResetMenuBar = nullptr;
SHACTIVATEINFO ResetActivateInfo = {};

ATOM RegisterResetWindowClass(HINSTANCE instance, const wchar_t* className)
{
    WNDCLASSW wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ResetWndProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_SNAPKIT));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = className;
    return RegisterClassW(&wc);
}

LRESULT CALLBACK ResetWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE: OnResetCreate(window); return 0;
    case WM_ACTIVATE: SHHandleWMActivate(window, wParam, lParam, &ResetActivateInfo, 0); return 0;
    case WM_SETTINGCHANGE: SHHandleWMSettingChange(window, wParam, lParam, &ResetActivateInfo); return 0;
    case WM_PAINT: OnResetPaint(window); return 0;
    case WM_COMMAND: OnResetCommand(window, LOWORD(wParam)); return 0;
    case WM_DESTROY: OnResetDestroy(); return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}
