#include "platform/shell/state.h"

#include <commctrl.h>

#undef PropertySheetW

namespace {

constexpr int kMaxSheets = 4;
constexpr UINT_PTR kSheetSubclass = 1;
constexpr UINT_PTR kPageSubclass = 2;
constexpr int kTabControlId = 0x3020;
// A sheet whose callback answers the version query with this or more wants
// the device's look.
constexpr int kDeviceLookVersion = 0x20E;
// Room under the tab strip for the controls a page keeps at its foot (where
// a menu bar would be), and the strip's own border.
constexpr int kFootBand = shell::kMenuBarHeight;
constexpr int kTabBorder = 4;
// Room around each title inside its tab, and what a tab adds to it for its
// edges; the smallest face a title may take to keep the strip on one row.
constexpr int kTabPaddingX = 2;
constexpr int kTabPaddingY = 3;
constexpr int kTabEdges = 2;
constexpr int kSmallestTitleHeight = 10;
constexpr int kApplyButtonId = 0x3021;
constexpr int kDesktopButtons[] = {IDOK, IDCANCEL, kApplyButtonId, IDHELP};

struct Sheet {
    bool inUse;
    HWND window;
    PFNPROPSHEETCALLBACK callback;  // the caller's, or null
    bool fullScreen;
    bool modeless;
    bool closing;
    bool deviceLook;  // tabs along the bottom, pages over the whole sheet
    HFONT tabFont;    // the strip's own smaller face, when the titles needed one
};
Sheet g_sheets[kMaxSheets];
Sheet* g_creating = nullptr;  // the sheet whose window is being made

Sheet* SheetOf(HWND window)
{
    for (Sheet& sheet : g_sheets) {
        if (sheet.inUse && window && sheet.window == window)
            return &sheet;
    }
    return nullptr;
}

Sheet* FreeSheet()
{
    for (Sheet& sheet : g_sheets) {
        if (!sheet.inUse)
            return &sheet;
    }
    return nullptr;
}

bool IsPage(HWND window)
{
    return shell::IsWindowOfClass(window, L"#32770") && (GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

// A page of the device's look covers the whole sheet from its top, under the
// tab strip, wherever the sheet tries to put it.
LRESULT CALLBACK PageSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (msg) {
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
        RECT sheet;
        GetClientRect(GetParent(hwnd), &sheet);
        pos->x = 0;
        pos->y = 0;
        pos->cx = sheet.right;
        pos->cy = sheet.bottom;
        pos->flags = (pos->flags & ~static_cast<UINT>(SWP_NOMOVE | SWP_NOSIZE)) | SWP_NOZORDER;
        break;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, PageSubclassProc, kPageSubclass);
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

void AdoptPage(HWND page)
{
    if (!IsPage(page))
        return;
    // Again for a page already adopted: the same subclass is only renewed.
    SetWindowLongW(page, GWL_STYLE, GetWindowLongW(page, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowSubclass(page, PageSubclassProc, kPageSubclass, 0);
    SetWindowPos(page, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOACTIVATE);
}

BOOL CALLBACK AdoptPageProc(HWND child, LPARAM sheet)
{
    if (GetParent(child) == reinterpret_cast<HWND>(sheet))
        AdoptPage(child);
    return TRUE;
}

int TitlesWidth(HWND tabs, HFONT font)
{
    HDC dc = GetDC(tabs);
    HGDIOBJ old = SelectObject(dc, font);
    int width = 0;
    const int count = TabCtrl_GetItemCount(tabs);
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = L"";
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = ARRAYSIZE(text);
        TabCtrl_GetItem(tabs, i, &item);
        SIZE extent = {};
        GetTextExtentPoint32W(dc, text, lstrlenW(text), &extent);
        width += extent.cx + 2 * kTabPaddingX + kTabEdges;
    }
    SelectObject(dc, old);
    ReleaseDC(tabs, dc);
    return width;
}

// A second row of tabs would lie over the pages' lower controls on a 240 x
// 320 screen, and a tapped back row trades places with the front one: the
// titles share one row, in a smaller face of the sheet's font when theirs
// is too wide.
void FitTitlesOnOneRow(Sheet& sheet, HWND tabs, int width)
{
    SetWindowLongW(tabs, GWL_STYLE, GetWindowLongW(tabs, GWL_STYLE) & ~TCS_MULTILINE);
    TabCtrl_SetPadding(tabs, kTabPaddingX, kTabPaddingY);
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(tabs, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (TitlesWidth(tabs, font) <= width)
        return;
    LOGFONTW face = {};
    GetObjectW(font, sizeof(face), &face);
    HDC dc = GetDC(tabs);
    TEXTMETRICW metrics = {};
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(tabs, dc);
    HFONT smaller = nullptr;
    for (int height = metrics.tmHeight - metrics.tmInternalLeading - 1; height >= kSmallestTitleHeight; --height) {
        if (smaller)
            DeleteObject(smaller);
        face.lfHeight = -height;
        face.lfWidth = 0;
        smaller = CreateFontIndirectW(&face);
        if (TitlesWidth(tabs, smaller) <= width)
            break;
    }
    if (!smaller)
        return;
    if (sheet.tabFont)
        DeleteObject(sheet.tabFont);
    sheet.tabFont = smaller;
    SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(smaller), TRUE);
}

// The tab strip along the bottom, just above the band a menu bar would take;
// the pages' foot band stays theirs.
void LayoutDeviceTabs(Sheet& sheet, HWND window, HWND tabs)
{
    SetWindowLongW(tabs, GWL_STYLE, GetWindowLongW(tabs, GWL_STYLE) | TCS_BOTTOM | WS_CLIPSIBLINGS);
    RECT client;
    GetClientRect(window, &client);
    FitTitlesOnOneRow(sheet, tabs, client.right - kTabBorder);
    RECT item = {};
    if (!TabCtrl_GetItemRect(tabs, 0, &item))
        item.bottom = GetSystemMetrics(SM_CYMENU);
    const int height = static_cast<int>(item.bottom - item.top) + kTabBorder;
    SetWindowPos(tabs, HWND_TOP, 0, client.bottom - kFootBand - height, client.right, height, SWP_NOACTIVATE);
    EnumChildWindows(window, AdoptPageProc, reinterpret_cast<LPARAM>(window));
}

void LayoutFullScreen(Sheet& sheet, HWND window)
{
    shell::PlaceWithoutFrame(window, shell::WorkArea());
    for (int id : kDesktopButtons) {
        if (HWND button = GetDlgItem(window, id))
            ShowWindow(button, SW_HIDE);
    }
    if (HWND tabs = GetDlgItem(window, kTabControlId)) {
        if (sheet.deviceLook) {
            LayoutDeviceTabs(sheet, window, tabs);
        } else {
            RECT client;
            GetClientRect(window, &client);
            SetWindowPos(tabs, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    shell::EnsureTopBar();
}

// Notes which way the sheet is closing, so that pages ending themselves
// during the close do not close it again.
LRESULT CALLBACK SheetSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            if (Sheet* sheet = SheetOf(hwnd))
                sheet->closing = true;
        }
        break;
    case WM_PARENTNOTIFY:
        if (LOWORD(wParam) == WM_CREATE) {
            Sheet* sheet = SheetOf(hwnd);
            if (sheet && sheet->fullScreen && sheet->deviceLook)
                AdoptPage(reinterpret_cast<HWND>(lParam));
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, SheetSubclassProc, kSheetSubclass);
        if (Sheet* sheet = SheetOf(hwnd)) {
            if (sheet->tabFont)
                DeleteObject(sheet->tabFont);
            sheet->tabFont = nullptr;
            if (sheet->modeless)
                *sheet = Sheet{};
            else
                sheet->window = nullptr;
        }
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lParam)
{
    Sheet* sheet = SheetOf(hwnd);
    if (!sheet)
        sheet = g_creating;
    if (!sheet)
        return 0;
    switch (msg) {
    case PSCB_INITIALIZED:
        sheet->window = hwnd;
        g_creating = nullptr;
        SetWindowSubclass(hwnd, SheetSubclassProc, kSheetSubclass, 0);
        if (sheet->callback) {
            sheet->callback(hwnd, PSCB_INITIALIZED, lParam);
            sheet->deviceLook = sheet->callback(hwnd, PSCB_GETVERSION, 0) >= kDeviceLookVersion;
        }
        if (sheet->fullScreen)
            LayoutFullScreen(*sheet, hwnd);
        return 0;
    case PSCB_GETVERSION:
        // On the desktop this is "a button was pressed": not the device's.
        return 0;
    }
    return sheet->callback ? sheet->callback(hwnd, msg, lParam) : 0;
}

void ResetSheets()
{
    for (Sheet& sheet : g_sheets)
        sheet = Sheet{};
    g_creating = nullptr;
}

const bool kResetRegistered = (CeRegisterTestReset(ResetSheets), true);

}  // namespace

namespace shell {

bool EndSheetPage(HWND page)
{
    // A page is the sheet's child; a dialog the sheet owns (a picker a page
    // opens) ends as any other.
    HWND parent = page ? GetAncestor(page, GA_PARENT) : nullptr;
    Sheet* sheet = SheetOf(parent);
    if (!sheet)
        return false;
    if (!sheet->closing) {
        sheet->closing = true;
        PropSheet_PressButton(parent, PSBTN_CANCEL);
    }
    return true;
}

}  // namespace shell

CEAPI INT_PTR WINAPI CePropertySheetW(LPCPROPSHEETHEADERW header)
{
    if (!header || header->dwSize < PROPSHEETHEADERW_V1_SIZE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return -1;
    }
    PROPSHEETHEADERW copy = {};
    CopyMemory(&copy, header, header->dwSize < sizeof(copy) ? header->dwSize : sizeof(copy));
    copy.dwSize = sizeof(copy);

    Sheet* sheet = FreeSheet();
    if (!sheet) {
        copy.dwFlags &= ~static_cast<DWORD>(PSH_MAXIMIZE);
        return ::PropertySheetW(&copy);
    }
    *sheet = Sheet{true, nullptr, (copy.dwFlags & PSH_USECALLBACK) ? copy.pfnCallback : nullptr,
                   (copy.dwFlags & PSH_MAXIMIZE) != 0, (copy.dwFlags & PSH_MODELESS) != 0, false, false, nullptr};
    copy.dwFlags &= ~static_cast<DWORD>(PSH_MAXIMIZE);
    copy.dwFlags |= PSH_USECALLBACK;
    copy.pfnCallback = SheetCallback;

    Sheet* outer = g_creating;
    g_creating = sheet;
    INT_PTR result = ::PropertySheetW(&copy);
    g_creating = outer;
    if (!sheet->modeless || result <= 0)
        *sheet = Sheet{};
    return result;
}
