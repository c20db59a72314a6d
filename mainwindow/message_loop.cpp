#include "mainwindow/message_loop.h"

#include "mainwindow/state.h"

HWND AcceleratorTarget(const MSG& msg, HWND mainWindow)
{
    if (!mainWindow || !msg.hwnd)
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
