#include "tests/shell/support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace shelltest {

namespace {

std::wstring WindowsPathOf(const char* unixPath)
{
    std::wstring path = L"Z:";
    for (const char* p = unixPath; *p; ++p)
        path += *p == '/' ? L'\\' : static_cast<wchar_t>(*p);
    return path;
}

}  // namespace

std::wstring ProfilePath(const std::wstring& name)
{
    return WindowsPathOf(QUILLON_SOURCE_DIR) + L"\\tools\\lib\\profiles\\" + name + L".ini";
}

ScopedProfile::ScopedProfile(const std::wstring& path) : previous_(testkit::DeviceProfilePath())
{
    SetEnvironmentVariableW(L"QUILLON_DEVICE_PROFILE", path.c_str());
}

ScopedProfile::~ScopedProfile()
{
    SetEnvironmentVariableW(L"QUILLON_DEVICE_PROFILE", previous_.c_str());
}

std::wstring WriteProfile(const std::wstring& name, const std::wstring& text)
{
    std::wstring path = testkit::TestRunDir() + L"\\" + name + L".ini";
    std::vector<uint8_t> bytes;
    for (wchar_t c : text)
        bytes.push_back(static_cast<uint8_t>(c));  // profiles are ASCII
    testkit::WriteFileBytes(path, bytes);
    return path;
}

std::vector<std::wstring> LogRecords(const std::wstring& token)
{
    return testkit::DeviceLogRecords(token);
}

std::wstring BuiltProgram(const std::wstring& fileName)
{
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.rfind(L'\\') + 1) + fileName;
}

HANDLE StartBuiltProgram(const std::wstring& fileName, const std::wstring& arguments)
{
    std::wstring command = L"\"" + BuiltProgram(fileName) + L"\" " + arguments;
    PROCESS_INFORMATION pi = {};
    if (!testkit::StartProcess(command, &pi)) {
        ADD_FAILURE() << "could not start " << testing::PrintToString(command) << ": error " << GetLastError();
        return nullptr;
    }
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

int WaitPumping(HANDLE process, DWORD timeoutMs)
{
    if (!process)
        return -1;
    bool ended = testkit::PumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMs);
    DWORD code = static_cast<DWORD>(-1);
    if (ended)
        GetExitCodeProcess(process, &code);
    else
        TerminateProcess(process, 1);
    CloseHandle(process);
    return static_cast<int>(code);
}

HWND CreateDeviceWindow(const wchar_t* title, WNDPROC proc)
{
    std::wstring name = testkit::RegisterTestClass(proc);
    HWND window = CreateWindowExW(0, name.c_str(), title, WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window) {
        UpdateWindow(window);
        SetForegroundWindow(window);
    }
    return window;
}

HWND MakeListView(HWND parent, const std::vector<std::wstring>& rows)
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL |
                                LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS,
                                3, 34, 234, 105, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    column.cx = 220;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    for (size_t i = 0; i < rows.size(); ++i) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(i);
        item.pszText = const_cast<wchar_t*>(rows[i].c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    return list;
}

void ExpectRect(const RECT& r, int left, int top, int right, int bottom)
{
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

bool BarShowsOnScreen(HWND bar, DWORD waitMs)
{
    RECT place;
    if (!GetWindowRect(bar, &place))
        return false;
    // An empty stretch of the bar, right of its buttons and left of the panel's.
    const int x = place.left + (place.right - place.left) * 2 / 3;
    const int y = place.top + 3;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return testkit::PumpUntil([&] { return testkit::ScreenPixel(x, y) == face; }, waitMs);
}

void InjectKeys(const std::vector<UINT>& keys)
{
    for (UINT key : keys) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = static_cast<WORD>(key);
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

namespace {
Failsafe* g_failsafe = nullptr;
}

Failsafe::Failsafe(DWORD ms, void (*end)()) : end_(end)
{
    g_failsafe = this;
    timer_ = SetTimer(nullptr, 0, ms, OnTimer);
}

Failsafe::~Failsafe()
{
    KillTimer(nullptr, timer_);
    g_failsafe = nullptr;
}

void CALLBACK Failsafe::OnTimer(HWND, UINT, UINT_PTR, DWORD)
{
    Failsafe* self = g_failsafe;
    if (!self || self->fired_)
        return;
    self->fired_ = true;
    KillTimer(nullptr, self->timer_);
    self->end_();
}

std::vector<HWND> ShownTopLevelWindows(bool withTopmost)
{
    std::vector<HWND> order;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (IsWindowVisible(w) && (withTopmost || !(GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_TOPMOST)))
            order.push_back(w);
    }
    return order;
}

size_t PlaceOf(const std::vector<HWND>& order, HWND window)
{
    auto at = std::find(order.begin(), order.end(), window);
    return at == order.end() ? 1000 : static_cast<size_t>(at - order.begin());
}

}  // namespace shelltest
