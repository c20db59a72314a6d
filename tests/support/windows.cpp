#include "tests/support/testkit.h"

namespace testkit {

constexpr int kClassNameChars = 32;

std::wstring RegisterTestClass(WNDPROC proc)
{
    static int classes = 0;
    wchar_t name[kClassNameChars];
    _snwprintf(name, kClassNameChars, L"TestkitWindow%d", ++classes);
    name[kClassNameChars - 1] = L'\0';
    WNDCLASSW wc = {};
    wc.lpfnWndProc = proc ? proc : DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    RegisterClassW(&wc);
    return name;
}

HWND CreateTestWindow(bool visible, int width, int height, WNDPROC proc)
{
    // The procedure comes after creation: the host class is one for all.
    static const std::wstring hostClass = RegisterTestClass();
    HWND window = CreateWindowExW(0, hostClass.c_str(), L"test", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 26,
                                  width, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window && proc)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    if (window && visible)
        UpdateWindow(window);
    return window;
}

std::wstring WindowText(HWND window)
{
    int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return text;
}

bool IsShown(HWND window)
{
    return IsWindowVisible(window) != FALSE;
}

RECT ScreenRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

RECT ClientRectOf(HWND window)
{
    RECT r = {};
    GetClientRect(window, &r);
    return r;
}

int ListViewCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

std::wstring ListViewText(HWND list, int item, int column)
{
    wchar_t buffer[1024] = L"";
    LVITEMW lv = {};
    lv.iSubItem = column;
    lv.pszText = buffer;
    lv.cchTextMax = 1024;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
    return buffer;
}

std::vector<std::wstring> ListViewRows(HWND list, int columns)
{
    std::vector<std::wstring> rows;
    for (int row = 0; row < ListViewCount(list); ++row) {
        std::wstring text;
        for (int column = 0; column < columns; ++column)
            text += (column ? L"|" : L"") + ListViewText(list, row, column);
        rows.push_back(text);
    }
    return rows;
}

UINT ListViewState(HWND list, int item, UINT mask)
{
    return static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(item), mask));
}

int ListViewSelection(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::vector<std::wstring> ComboItems(HWND combo)
{
    std::vector<std::wstring> items;
    int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0));
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length > 0 ? length : 0));
        items.push_back(text);
    }
    return items;
}

int ComboSelection(HWND combo)
{
    return static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
}

std::vector<MenuEntry> MenuEntries(HMENU menu)
{
    std::vector<MenuEntry> entries;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING;
        GetMenuItemInfoW(menu, i, TRUE, &info);  // the text's length
        std::wstring text(info.cch + 1, L'\0');
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_STRING | MIIM_FTYPE;
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
        GetMenuItemInfoW(menu, i, TRUE, &info);
        text.resize(wcsnlen(text.c_str(), text.size()));
        entries.push_back({info.wID, text, (info.fType & MFT_SEPARATOR) != 0, (info.fState & MFS_CHECKED) != 0});
    }
    return entries;
}

}  // namespace testkit
