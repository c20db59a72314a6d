// The soft-reset tool: it asks the device for a soft reset as soon as its
// window is up. Only one copy runs; a second brings the first forward.
#include "snapkit/resource.h"
#include "snapkit/state.h"

namespace {

constexpr int kNameChars = 100;
constexpr int kMenuBarHeight = 26;

}  // namespace

bool InitResetInstance(HINSTANCE instance, int showCommand)
{
    wchar_t className[kNameChars] = L"";
    wchar_t title[kNameChars] = L"";
    LoadStringW(instance, IDS_SNAPKIT_CLASS, className, kNameChars);
    LoadStringW(instance, IDS_SNAPKIT_TITLE, title, kNameChars);

    if (HWND running = FindWindowW(className, title)) {
        // The low bit brings its open dialog forward with it.
        SetForegroundWindow(reinterpret_cast<HWND>(reinterpret_cast<ULONG_PTR>(running) | 1));
        return false;
    }
    if (!RegisterResetWindowClass(instance, className))
        return false;
    HWND window = CreateWindowExW(0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!window)
        return false;

    // Leave the bottom strip to the menu bar.
    RECT rect;
    GetWindowRect(window, &rect);
    if (ResetMenuBar) {
        MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top - kMenuBarHeight,
                   TRUE);
    }
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    KernelIoControl(IOCTL_HAL_REBOOT, nullptr, 0, nullptr, 0, nullptr);
    return true;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand)
{
    if (!InitResetInstance(instance, showCommand))
        return 0;
    HACCEL accelerators = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_SNAPKIT_ACCELERATORS));
    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(msg.hwnd, accelerators, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
