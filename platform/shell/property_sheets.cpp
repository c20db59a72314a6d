#include "platform/shell/state.h"

#include <commctrl.h>

#undef PropertySheetW

namespace {

constexpr int kMaxSheets = 4;
constexpr UINT_PTR kSheetSubclass = 1;
constexpr int kTabControlId = 0x3020;
constexpr int kApplyButtonId = 0x3021;
constexpr int kDesktopButtons[] = {IDOK, IDCANCEL, kApplyButtonId, IDHELP};

struct Sheet {
    bool inUse;
    HWND window;
    PFNPROPSHEETCALLBACK callback;  // the caller's, or null
    bool fullScreen;
    bool modeless;
    bool closing;
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

void LayoutFullScreen(HWND window)
{
    shell::PlaceWithoutFrame(window, shell::WorkArea());
    for (int id : kDesktopButtons) {
        if (HWND button = GetDlgItem(window, id))
            ShowWindow(button, SW_HIDE);
    }
    if (HWND tabs = GetDlgItem(window, kTabControlId)) {
        RECT client;
        GetClientRect(window, &client);
        SetWindowPos(tabs, nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
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
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, SheetSubclassProc, kSheetSubclass);
        if (Sheet* sheet = SheetOf(hwnd)) {
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
            sheet->callback(hwnd, PSCB_GETVERSION, 0);
        }
        if (sheet->fullScreen)
            LayoutFullScreen(hwnd);
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
    HWND parent = page ? GetParent(page) : nullptr;
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
                   (copy.dwFlags & PSH_MAXIMIZE) != 0, (copy.dwFlags & PSH_MODELESS) != 0, false};
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
