// One half of the isolation check: leaves a file, a registry value and a
// coloured screen of its own, then looks for the other half's.
//   isolation_probe <own token> <other token>
#include "platform/ce.h"

#include <cstdio>
#include <cwchar>

namespace {

constexpr wchar_t kKey[] = L"Software\\QuillonIsolation";

COLORREF TokenColour(const wchar_t* token)
{
    return token[0] == L'a' ? RGB(200, 30, 30) : RGB(30, 30, 200);
}

LRESULT CALLBACK PaintProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT r;
        GetClientRect(hwnd, &r);
        HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush);
        DeleteObject(brush);
        return 1;
    }
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void Pump(DWORD ms)
{
    ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        Sleep(20);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 3)
        return 2;
    const wchar_t* own = argv[1];
    const wchar_t* other = argv[2];
    wchar_t path[MAX_PATH];

    _snwprintf(path, MAX_PATH, L"\\Windows\\iso-%ls.txt", own);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 3;
    CloseHandle(file);

    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return 4;
    DWORD one = 1;
    RegSetValueExW(key, own, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof(one));
    RegCloseKey(key);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = PaintProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"IsolationProbe";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, own, WS_POPUP, 0, 0, 240, 320, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, static_cast<LONG_PTR>(TokenColour(own)));
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    // Long enough for the other half to have done the same meanwhile.
    Pump(4000);

    int failures = 0;
    _snwprintf(path, MAX_PATH, L"\\Windows\\iso-%ls.txt", other);
    if (GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES) {
        printf("sees the other device's file\n");
        ++failures;
    }
    DWORD value = 0, size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, kKey, other, RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS) {
        printf("sees the other device's registry value\n");
        ++failures;
    }
    HDC screen = GetDC(nullptr);
    COLORREF centre = GetPixel(screen, 120, 160);
    ReleaseDC(nullptr, screen);
    if (centre != TokenColour(own)) {
        printf("the screen shows %06lx, not its own colour\n", static_cast<unsigned long>(centre));
        ++failures;
    }
    DestroyWindow(window);
    printf("isolation probe %ls: %d failure(s)\n", own, failures);
    fflush(stdout);
    return failures == 0 ? 0 : 1;
}
