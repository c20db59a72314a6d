#include "mainwindow/message_loop.h"

#include "mainwindow/state.h"

namespace {

constexpr int kClassChars = 16;

// Ctrl+A and Ctrl+Q typed into an edit (the search box, a combo box's own
// edit) select its text or are its own; they never reach the menu commands.
bool IsEditControl(HWND window)
{
    wchar_t name[kClassChars] = L"";
    GetClassNameW(window, name, kClassChars);
    return _wcsicmp(name, L"Edit") == 0;
}

}  // namespace

HWND AcceleratorTarget(const MSG& msg, HWND mainWindow)
{
    if (!mainWindow || !msg.hwnd || IsEditControl(msg.hwnd))
        return nullptr;
    if (msg.hwnd == mainWindow || IsChild(mainWindow, msg.hwnd))
        return mainWindow;
    return nullptr;
}

int RunMessageLoop(HACCEL accelerators)
{
    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND target = AcceleratorTarget(msg, MainWindow);
        if (target && accelerators && TranslateAcceleratorW(target, accelerators, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
