#include "mainwindow/go_to_month.h"

#include "core/drawing.h"
#include "core/lunar.h"
#include "core/text_helpers.h"
#include "lists/state.h"
#include "mainwindow/control_commands.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "mainwindow/view_utils.h"
#include "resources/resource.h"

#include <strsafe.h>

#include <string>

namespace {

constexpr int kYearChars = 4;
constexpr int kMonths = 12;
constexpr wchar_t kErrorCaption[] = L"오류";
constexpr wchar_t kYearNotRead[] = L"년도 자료가 올바르지 않습니다";
constexpr wchar_t kYearOutOfRange[] = L"년도 자료가 유효하지 않습니다\n(1841년에서 2050년까지만 유효함)";

struct Placement {
    int id;
    int x, y, width, height;
};

constexpr RECT kDialogPlace = {25, 61, 25 + 190, 61 + 117};
const Placement kPlacements[] = {
    {IDC_GO_TO_YEAR, 31, 19, 40, 20},   {IDC_GO_TO_YEAR_LABEL, 71, 20, 15, 20},
    {IDC_GO_TO_MONTH, 96, 19, 40, 20},  {IDC_GO_TO_MONTH_LABEL, 136, 20, 15, 20},
    {IDOK, 44, 65, 50, 20},             {IDCANCEL, 96, 65, 50, 20},
};

struct ButtonFace {
    int id;
    int bitmap;
};
const ButtonFace kButtonFaces[] = {{IDOK, IDB_OK_BUTTON}, {IDCANCEL, IDB_CANCEL_BUTTON}};

void OnInit(HWND dialog, const GoToMonthStart& start)
{
    SendDlgItemMessageW(dialog, IDC_GO_TO_YEAR, EM_LIMITTEXT, kYearChars, 0);
    SetWindowPos(dialog, nullptr, kDialogPlace.left, kDialogPlace.top, kDialogPlace.right - kDialogPlace.left,
                 kDialogPlace.bottom - kDialogPlace.top, SWP_NOZORDER | SWP_SHOWWINDOW);
    for (const Placement& p : kPlacements)
        MoveWindow(GetDlgItem(dialog, p.id), p.x, p.y, p.width, p.height, TRUE);

    SetDlgItemInt(dialog, IDC_GO_TO_YEAR, static_cast<UINT>(start.year), FALSE);
    HWND months = GetDlgItem(dialog, IDC_GO_TO_MONTH);
    for (int month = 1; month <= kMonths; ++month)
        SendMessageW(months, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(month).c_str()));
    SendMessageW(months, CB_SETCURSEL, static_cast<WPARAM>(start.month - 1), 0);
}

void Refuse(HWND dialog, const wchar_t* text)
{
    MessageBoxW(dialog, text, kErrorCaption, MB_OK | MB_ICONEXCLAMATION);
    SetFocus(GetDlgItem(dialog, IDC_GO_TO_YEAR));
}

// The year as four digits, else -1.
int ReadYear(HWND dialog)
{
    wchar_t text[kYearChars + 1] = L"";
    GetDlgItemTextW(dialog, IDC_GO_TO_YEAR, text, kYearChars + 1);
    TrimBlanks(text);
    if (wcslen(text) != kYearChars)
        return -1;
    int year = 0;
    for (const wchar_t* at = text; *at; ++at) {
        if (*at < L'0' || *at > L'9')
            return -1;
        year = year * 10 + (*at - L'0');
    }
    return year;
}

void OnOk(HWND dialog)
{
    const int year = ReadYear(dialog);
    if (year < 0)
        return Refuse(dialog, kYearNotRead);
    if (year < kFirstLunarYear || year > kLastLunarYear)
        return Refuse(dialog, kYearOutOfRange);
    LRESULT chosen = SendDlgItemMessageW(dialog, IDC_GO_TO_MONTH, CB_GETCURSEL, 0, 0);
    const int month = chosen >= 0 && chosen < kMonths ? static_cast<int>(chosen) + 1 : 1;
    StringCchPrintfW(CurrentDate, kDateTextChars, L"%04d-%02d-07", year, month);
    SendItemCommand(ScheduleModeCommand());
    EndDialog(dialog, kGoToMonthDone);
}

void OnCommand(HWND dialog, UINT id, UINT code)
{
    switch (id) {
    case IDC_GO_TO_YEAR:
        if (code == EN_SETFOCUS) {
            SetLatinInput(GetDlgItem(dialog, IDC_GO_TO_YEAR));
            SipShowIM(SIPF_ON);
        }
        break;
    case IDOK: OnOk(dialog); break;
    case IDCANCEL: EndDialog(dialog, kGoToMonthCancelled); break;
    }
}

bool DrawButton(const DRAWITEMSTRUCT& item)
{
    for (const ButtonFace& face : kButtonFaces) {
        if (face.id == static_cast<int>(item.CtlID)) {
            StretchBitmapOver(item.hDC, item.rcItem, AppInstance, face.bitmap);
            return true;
        }
    }
    return false;
}

// The month the grid painted last; before its first paint, the month of
// CurrentDate.
GoToMonthStart StartingMonth()
{
    if (GridYear >= kFirstLunarYear && GridYear <= kLastLunarYear && GridMonth >= 1 && GridMonth <= kMonths)
        return {GridYear, GridMonth};
    GoToMonthStart start = {};
    if (swscanf(CurrentDate, L"%4d-%2d", &start.year, &start.month) != 2 || start.month < 1 || start.month > kMonths)
        start = {kFirstLunarYear, 1};
    return start;
}

}  // namespace

void RunGoToMonthDialog(HWND owner)
{
    GoToMonthStart start = StartingMonth();
    DialogBoxParamW(AppInstance, MAKEINTRESOURCEW(IDD_GO_TO_MONTH), owner, GoToMonthDialogProc,
                    reinterpret_cast<LPARAM>(&start));
}

INT_PTR CALLBACK GoToMonthDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(dialog, *reinterpret_cast<const GoToMonthStart*>(lParam));
        return TRUE;
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DRAWITEM:
        return DrawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    }
    return FALSE;
}
