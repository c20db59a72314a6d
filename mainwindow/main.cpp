// Entry point of the main program.
#include "platform/ce.h"
#include "resources/resource.h"

namespace {

constexpr int kTextChars = 100;
constexpr COLORREF kTitleBand = RGB(16, 44, 99);

LRESULT CALLBACK MainWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        RECT band = {0, 0, 240, 17};
        HBRUSH brush = CreateSolidBrush(kTitleBand);
        FillRect(dc, &band, brush);
        DeleteObject(brush);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    wchar_t title[kTextChars] = L"";
    wchar_t className[kTextChars] = L"";
    LoadStringW(instance, IDS_APP_TITLE, title, kTextChars);
    LoadStringW(instance, IDS_MAIN_CLASS, className, kTextChars);

    WNDCLASSW wc = {};
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = instance;
    wc.hbrBackground = CreateSolidBrush(RGB(255, 255, 255));
    wc.lpszClassName = className;
    RegisterClassW(&wc);

    HWND main = CreateWindowExW(0, className, title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    if (!main)
        return 0;
    ShowWindow(main, show);
    UpdateWindow(main);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
