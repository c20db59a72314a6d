#include "mainwindow/startup.h"

#include "mainwindow/main_window.h"
#include "mainwindow/month_grid.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"

namespace {

constexpr COLORREF kMainBackground = RGB(99, 125, 165);
constexpr COLORREF kToolbarBackground = RGB(168, 190, 224);
constexpr int kMenuBarHeight = 26;

void BringForward(HWND running)
{
    ShowWindow(running, SW_SHOW);
    // The low bit asks for the window's foremost owned window (an open
    // dialog) to come forward with it.
    SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
}

void ShrinkAboveMenuBar(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top - kMenuBarHeight, FALSE);
    // The move repaints nothing; the show that follows paints the window whole
    // (Wine drops the pending paint of a window moved without repainting).
    InvalidateRect(window, nullptr, TRUE);
}

void RegisterProgramClass(HINSTANCE instance, LPCWSTR name, UINT style, WNDPROC proc, COLORREF background)
{
    WNDCLASSW wc = {};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_QUILLON));
    wc.hbrBackground = CreateSolidBrush(background);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

}  // namespace

HWND FindRunningCopy(LPCWSTR className, LPCWSTR title)
{
    return FindWindowW(className, title);
}

void RegisterWindowClasses(HINSTANCE instance, LPCWSTR mainClassName)
{
    RegisterProgramClass(instance, mainClassName, CS_HREDRAW | CS_VREDRAW, MainWndProc, kMainBackground);
    RegisterProgramClass(instance, kMonthGridClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, CalWindowProc,
                         RGB(255, 255, 255));
    RegisterProgramClass(instance, kToolbarClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, ToolbarWndProc,
                         kToolbarBackground);
}

bool InitInstance(HINSTANCE instance, int showCommand)
{
    AppInstance = instance;
    wchar_t className[kResourceTextChars] = L"";
    wchar_t title[kResourceTextChars] = L"";
    LoadStringW(instance, IDS_MAIN_CLASS, className, kResourceTextChars);
    LoadStringW(instance, IDS_APP_TITLE, title, kResourceTextChars);

    if (HWND running = FindRunningCopy(className, title)) {
        BringForward(running);
        return false;
    }
    RegisterWindowClasses(instance, className);
    HWND window = CreateWindowExW(0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window)
        return false;
    if (MainMenuBar)
        ShrinkAboveMenuBar(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    return true;
}
