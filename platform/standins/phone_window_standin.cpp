// A stand-in for a maker's phone application: a hidden window of the class
// and title the system looks for, which records every WM_COPYDATA packet it
// gets in the device's log and answers TRUE:
//   Standin <title>: WM_COPYDATA code=<dwData> wparam=<wParam> bytes=<count>
//   Standin <title>: data <offset> <up to 256 bytes as hexadecimal pairs>
// The program's name picks the application; an argument is the title
// instead (LgPhone.exe "LG PHONE" for the other title of that application).
// It runs until it is closed. An application may have its own start-up and
// its own commands (nate_phone.h).
#include "platform/ce.h"
#include "platform/standins/nate_phone.h"

#include <strsafe.h>

namespace {

constexpr DWORD kBytesPerLine = 256;

struct PhoneApplication {
    const wchar_t* program;
    const wchar_t* windowClass;
    const wchar_t* title;
    void (*prepare)();                                     // at start, or null
    bool (*command)(const wchar_t* arguments, int* exitCode);  // its own commands, or null
};

const PhoneApplication kApplications[] = {
    {L"HpPhone.exe", L"WCE_HPPHONE", L"HP Phone", nullptr, nullptr},
    {L"LgPhone.exe", L"AfxFrameOrView42u", L"LG_PDAPHONE", nullptr, nullptr},
    {L"NatePhone.exe", L"AfxTelvoNatePhone", L"Telvo Phone", standins::PrepareNatePhone,
     standins::RunNatePhoneCommand},
};

wchar_t g_title[64] = L"";

void RecordPacket(WPARAM wParam, const COPYDATASTRUCT* packet)
{
    NKDbgPrintfW(L"Standin %ls: WM_COPYDATA code=%llu wparam=%llu bytes=%lu", g_title,
                 static_cast<unsigned long long>(packet->dwData), static_cast<unsigned long long>(wParam),
                 packet->cbData);
    const BYTE* bytes = static_cast<const BYTE*>(packet->lpData);
    for (DWORD offset = 0; bytes && offset < packet->cbData; offset += kBytesPerLine) {
        wchar_t hex[kBytesPerLine * 2 + 1];
        DWORD count = packet->cbData - offset < kBytesPerLine ? packet->cbData - offset : kBytesPerLine;
        for (DWORD i = 0; i < count; ++i)
            StringCchPrintfW(hex + i * 2, 3, L"%02X", bytes[offset + i]);
        hex[count * 2] = 0;
        NKDbgPrintfW(L"Standin %ls: data %lu %ls", g_title, offset, hex);
    }
}

LRESULT CALLBACK PhoneWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_COPYDATA: RecordPacket(wParam, reinterpret_cast<const COPYDATASTRUCT*>(lParam)); return TRUE;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

const PhoneApplication* ApplicationOfThisProgram()
{
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    const wchar_t* name = wcsrchr(path, L'\\');
    for (const PhoneApplication& application : kApplications) {
        if (_wcsicmp(name ? name + 1 : path, application.program) == 0)
            return &application;
    }
    return nullptr;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int)
{
    const PhoneApplication* application = ApplicationOfThisProgram();
    if (!application)
        return 1;
    int exitCode = 0;
    if (application->command && application->command(arguments, &exitCode))
        return exitCode;
    if (application->prepare)
        application->prepare();
    StringCchCopyW(g_title, 64, arguments && arguments[0] ? arguments : application->title);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = PhoneWndProc;
    wc.hInstance = instance;
    wc.lpszClassName = application->windowClass;
    if (!RegisterClassW(&wc))
        return 1;
    // Hidden: found by class and title, never in the way on the screen.
    HWND window = CreateWindowExW(0, application->windowClass, g_title, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                  instance, nullptr);
    if (!window)
        return 1;
    NKDbgPrintfW(L"Standin %ls: ready", g_title);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
