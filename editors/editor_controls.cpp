#include "editors/editor_controls.h"

#include "core/dates.h"
#include "mainwindow/fitted_font.h"
#include "platform/shell/dialogs.h"

#include <commctrl.h>
#include <imm.h>
#include <strsafe.h>

#include <algorithm>
#include <climits>
#include <cwchar>
#include <vector>

void MakeFullScreen(HWND dialog)
{
    SHINITDLGINFO info = {SHIDIM_FLAGS, dialog, SHIDIF_SIZEDLGFULLSCREEN};
    SHInitDialog(&info);
}

void PlaceControls(HWND dialog, std::span<const ControlPlace> places)
{
    for (const ControlPlace& p : places)
        MoveWindow(GetDlgItem(dialog, p.id), p.x, p.y, p.width, p.height, FALSE);
}

namespace {

int WindowHeight(HWND window)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    return static_cast<int>(rect.bottom - rect.top);
}

}  // namespace

void SetComboFieldHeight(HWND dialog, int id, int height)
{
    HWND combo = GetDlgItem(dialog, id);
    if (!combo)
        return;
    const LRESULT selection = SendMessageW(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (selection == CB_ERR)
        return;
    // What the window adds to the selection's height is not the same on
    // every system: set once, then mend by what the window became.
    int wanted = static_cast<int>(selection) - (WindowHeight(combo) - height);
    for (int tries = 0; tries < 2 && wanted > 0 && WindowHeight(combo) != height; ++tries) {
        SendMessageW(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), wanted);
        wanted += height - WindowHeight(combo);
    }
}

void MoveControl(HWND dialog, int id, int x, int y)
{
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowControl(HWND dialog, int id, bool shown)
{
    ShowWindow(GetDlgItem(dialog, id), shown ? SW_SHOW : SW_HIDE);
}

void EnableControl(HWND dialog, int id, bool enabled)
{
    EnableWindow(GetDlgItem(dialog, id), enabled);
}

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void SetPickerFormat(HWND dialog, int id, const wchar_t* format)
{
    SendDlgItemMessageW(dialog, id, DTM_SETFORMATW, 0, reinterpret_cast<LPARAM>(format));
}

HFONT FitPickerFont(HWND dialog, std::span<const int> ids, const wchar_t* widest)
{
    // The picker's fields start a few pixels in from its edge.
    constexpr int kPickerInset = 3;
    int room = INT_MAX;
    for (int id : ids) {
        RECT client = {};
        GetClientRect(GetDlgItem(dialog, id), &client);
        room = std::min<int>(room, client.right - GetSystemMetrics(SM_CXVSCROLL) - kPickerInset);
    }
    HFONT font = CreateFittedFont(reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0)), widest, room);
    for (int id : ids) {
        if (font)
            SendDlgItemMessageW(dialog, id, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return font;
}

SYSTEMTIME PickerTime(HWND dialog, int id)
{
    SYSTEMTIME time = {};
    SendDlgItemMessageW(dialog, id, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time));
    return time;
}

void SetPickerTime(HWND dialog, int id, const SYSTEMTIME& time)
{
    SYSTEMTIME copy = time;
    SendDlgItemMessageW(dialog, id, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&copy));
}

void DateTextOf(const SYSTEMTIME& day, wchar_t* text, size_t count)
{
    StringCchPrintfW(text, count, L"%4d-%02d-%02d", day.wYear, day.wMonth, day.wDay);
}

bool DayOfText(const wchar_t* text, SYSTEMTIME* day)
{
    int y = 0, m = 0, d = 0;
    if (!text || swscanf(text, L"%4d-%2d-%2d", &y, &m, &d) != 3 || m < 1 || m > 12 || d < 1 ||
        d > DaysInMonth(y, m) || y < 1601)
        return false;
    *day = SYSTEMTIME{};
    day->wYear = static_cast<WORD>(y);
    day->wMonth = static_cast<WORD>(m);
    day->wDay = static_cast<WORD>(d);
    day->wDayOfWeek = static_cast<WORD>(WeekdayOfDayNumber(DayNumber(y, m, d)));
    return true;
}

void PickerDateText(HWND dialog, int id, wchar_t* text, size_t count)
{
    DateTextOf(PickerTime(dialog, id), text, count);
}

void PickerTimeText(HWND dialog, int id, wchar_t* text, size_t count)
{
    SYSTEMTIME time = PickerTime(dialog, id);
    StringCchPrintfW(text, count, L"%02d:%02d", time.wHour, time.wMinute);
}

bool SetPickerDate(HWND dialog, int id, const wchar_t* date)
{
    SYSTEMTIME day = {};
    if (!DayOfText(date, &day))
        return false;
    SYSTEMTIME time = PickerTime(dialog, id);
    day.wHour = time.wHour;
    day.wMinute = time.wMinute;
    SetPickerTime(dialog, id, day);
    return true;
}

bool SetPickerClock(HWND dialog, int id, const wchar_t* time)
{
    int h = 0, m = 0;
    if (!time || swscanf(time, L"%2d:%2d", &h, &m) != 2 || h < 0 || h > 23 || m < 0 || m > 59)
        return false;
    SYSTEMTIME value = PickerTime(dialog, id);
    value.wHour = static_cast<WORD>(h);
    value.wMinute = static_cast<WORD>(m);
    value.wSecond = 0;
    value.wMilliseconds = 0;
    SetPickerTime(dialog, id, value);
    return true;
}

void ReadText(HWND dialog, int id, wchar_t* text, int count)
{
    text[0] = L'\0';
    GetDlgItemTextW(dialog, id, text, count);
}

std::wstring TrimmedText(HWND dialog, int id, int chars)
{
    std::vector<wchar_t> text(static_cast<size_t>(chars) + 1, L'\0');
    ReadText(dialog, id, text.data(), chars + 1);
    std::wstring result(text.data());
    size_t first = result.find_first_not_of(L' ');
    if (first == std::wstring::npos)
        return L"";
    return result.substr(first, result.find_last_not_of(L' ') - first + 1);
}

void TellUser(HWND dialog, const wchar_t* text, const wchar_t* caption, int focusId)
{
    MessageBoxW(dialog, text, caption, MB_OK | MB_ICONEXCLAMATION);
    if (focusId)
        SetFocus(GetDlgItem(dialog, focusId));
}

void UseHangulInput(HWND control)
{
    HIMC context = ImmGetContext(control);
    if (!context)
        return;
    DWORD conversion = 0, sentence = 0;
    ImmGetConversionStatus(context, &conversion, &sentence);
    ImmSetConversionStatus(context, conversion | IME_CMODE_NATIVE, sentence);
    ImmReleaseContext(control, context);
}

void FillCombo(HWND dialog, int id, std::span<const wchar_t* const> texts, int limit)
{
    HWND combo = GetDlgItem(dialog, id);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    for (const wchar_t* text : texts)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    if (limit > 0)
        SendMessageW(combo, CB_LIMITTEXT, static_cast<WPARAM>(limit), 0);
}

int ComboIndex(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}
