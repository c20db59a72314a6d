#include "tests/requests/requests_fixture.h"

#include "core/today_request_format.h"
#include "mainwindow/state.h"

namespace requests {

namespace {

constexpr wchar_t kPhoneLibrary[] = L"\\Windows\\Telvo.dll";

std::wstring WindowsPathOf(const char* path)
{
    std::wstring text(path, path + strlen(path));
    for (wchar_t& c : text) {
        if (c == L'/')
            c = L'\\';
    }
    return L"Z:" + text;
}

// ---- the menu watch -----------------------------------------------------------

WNDPROC g_mainProcedure = nullptr;
std::vector<OpenedMenu> g_seen;
HMENU g_opening = nullptr;

BOOL CALLBACK FindMenuWindow(HWND window, LPARAM param)
{
    wchar_t name[16] = L"";
    GetClassNameW(window, name, 16);
    if (wcscmp(name, L"#32768") == 0 && IsWindowVisible(window)) {
        *reinterpret_cast<HWND*>(param) = window;
        return FALSE;
    }
    return TRUE;
}

// The items are read as the menu opens; its window's place once it shows,
// when the menu loop first idles; then the menu is closed.
LRESULT CALLBACK WatchingProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITMENUPOPUP: {
        LRESULT result = CallWindowProcW(g_mainProcedure, window, msg, wParam, lParam);
        OpenedMenu menu;
        menu.opened = true;
        menu.items = testkit::MenuEntries(reinterpret_cast<HMENU>(wParam));
        g_seen.push_back(menu);
        g_opening = reinterpret_cast<HMENU>(wParam);
        return result;
    }
    case WM_ENTERIDLE:
        if (wParam == MSGF_MENU && g_opening) {
            HWND shown = nullptr;
            EnumThreadWindows(GetCurrentThreadId(), FindMenuWindow, reinterpret_cast<LPARAM>(&shown));
            if (shown && !g_seen.empty())
                GetWindowRect(shown, &g_seen.back().place);
            g_opening = nullptr;
            EndMenu();
        }
        break;
    }
    return CallWindowProcW(g_mainProcedure, window, msg, wParam, lParam);
}

}  // namespace

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes Repeat(uint8_t byte, size_t count)
{
    return Bytes(count, byte);
}

void WriteRequestFile(const Bytes& bytes)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kTodayRequestFile, bytes));
}

bool RequestFileExists()
{
    return testkit::FileExists(kTodayRequestFile);
}

void PutPhoneLibrary(PhoneLibrary library)
{
    // The installed library is a link to the build's file: remove the link,
    // never write through it.
    DeleteFileW(kPhoneLibrary);
    ASSERT_FALSE(testkit::FileExists(kPhoneLibrary));
    if (library == PhoneLibrary::None)
        return;
    const std::wstring built = WindowsPathOf(QUILLON_TEST_PHONE_LIBRARIES) +
                               (library == PhoneLibrary::WithDial ? L"\\telvo_with_dial.dll"
                                                                  : L"\\telvo_without_dial.dll");
    ASSERT_TRUE(CopyFileW(built.c_str(), kPhoneLibrary, FALSE)) << "error " << GetLastError();
}

LogMark::LogMark() : length_(testkit::DeviceLogText().size()) {}

std::vector<std::wstring> LogMark::Since(const std::wstring& token) const
{
    return testkit::DeviceLogRecords(token, length_);
}

std::vector<UINT> ItemIds(const OpenedMenu& menu)
{
    std::vector<UINT> ids;
    for (const testkit::MenuEntry& item : menu.items)
        ids.push_back(item.separator ? 0 : item.id);
    return ids;
}

MenuWatch::MenuWatch()
{
    g_seen.clear();
    g_mainProcedure = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WatchingProcedure)));
}

MenuWatch::~MenuWatch()
{
    SetWindowLongPtrW(MainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_mainProcedure));
    g_mainProcedure = nullptr;
}

const std::vector<OpenedMenu>& MenuWatch::Seen() const
{
    return g_seen;
}

}  // namespace requests
