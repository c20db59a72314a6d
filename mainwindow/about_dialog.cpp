#include "mainwindow/about_dialog.h"

#include "core/drawing.h"
#include "mainwindow/state.h"
#include "resources/resource.h"

namespace {

struct Placement {
    int id;
    int x, y, width, height;
};

// Placed in pixels for the 240-pixel screen, in this order.
const Placement kPlacements[] = {
    {IDC_ABOUT_TITLE, 70, 23, 165, 45},
    {IDC_ABOUT_DESCRIPTION, 15, 55, 208, 40},
    {IDC_ABOUT_VERSION, 15, 92, 208, 40},
    {IDC_ABOUT_EMPTY, 15, 129, 208, 60},
    {IDOK, 94, 240, 50, 20},
};

constexpr DWORD kFullScreenDoneSipDown = SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN;

void OnAboutInit(HWND dialog)
{
    for (const Placement& p : kPlacements)
        SetWindowPos(GetDlgItem(dialog, p.id), HWND_TOP, p.x, p.y, p.width, p.height, SWP_SHOWWINDOW);
    SendDlgItemMessageW(dialog, IDC_ABOUT_TITLE, WM_SETFONT, reinterpret_cast<WPARAM>(AppFonts.largeBold), TRUE);
    SetDlgItemTextW(dialog, IDC_ABOUT_TITLE, L"Vestamor 다이어리");
    SetDlgItemTextW(dialog, IDC_ABOUT_EMPTY, L"");

    SHINITDLGINFO shell = {};
    shell.dwMask = SHIDIM_FLAGS;
    shell.hDlg = dialog;
    shell.dwFlags = kFullScreenDoneSipDown;
    SHInitDialog(&shell);
}

void DrawOkButton(const DRAWITEMSTRUCT& item)
{
    StretchBitmapOver(item.hDC, item.rcItem, AppInstance, IDB_OK_BUTTON);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnAboutInit(dialog);
        return TRUE;
    case WM_DRAWITEM:
        if (wParam != IDOK)
            return FALSE;
        DrawOkButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}
