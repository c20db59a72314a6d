#include "today/pick_date.h"

#include "today/day_text.h"
#include "today/item_menus.h"
#include "today/popup_frame.h"
#include "today/resource.h"
#include "today/view_switch.h"

#include <algorithm>

namespace {

constexpr int kPickLeft = 20;
constexpr int kPickWidth = 140;
constexpr int kPickHeight = 170;
constexpr int kPickTitleBand = 16;
constexpr int kCalendarLeft = 1;
constexpr int kCalendarTop = 17;
constexpr int kCalendarWidth = 138;
constexpr int kCalendarHeight = 150;
constexpr int kCalendarBottomMargin = kPickHeight - kCalendarTop - kCalendarHeight;
constexpr DWORD kFirstDayMonday = 0;
constexpr DWORD kFirstDaySunday = 6;

INT_PTR CALLBACK PickDateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

const PopupLayout kPickLayout = {IDD_PICK_DATE, PickDateDlgProc, kPickTitleBand, nullptr, 0, nullptr};

void OnDayPicked(const SYSTEMTIME& day)
{
    HidePopup(kPopupPickDate);
    ShowScheduleFrom(DateOfParts(day.wYear, day.wMonth, day.wDay));
}

INT_PTR CALLBACK PickDateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_INITDIALOG: return TRUE;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_PICK_CALENDAR && header->code == MCN_SELECT) {
            OnDayPicked(reinterpret_cast<const NMSELCHANGE*>(lParam)->stSelStart);
            return TRUE;
        }
        break;
    }
    }
    INT_PTR result = FALSE;
    return HandlePopupMessage(kPopupPickDate, dialog, message, wParam, lParam, &result) ? result : FALSE;
}

// The calendar at its place, at least as large as a whole month needs with
// its font (which may be more than its given size); the pop-up's size
// around it.
SIZE PlaceCalendar(HWND calendar)
{
    RECT needed = {};
    MonthCal_GetMinReqRect(calendar, &needed);
    const int width = std::max<int>(kCalendarWidth, needed.right - needed.left);
    const int height = std::max<int>(kCalendarHeight, needed.bottom - needed.top);
    SetWindowPos(calendar, nullptr, kCalendarLeft, kCalendarTop, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    return SIZE{std::max(kPickWidth, width + 2 * kCalendarLeft),
                std::max(kPickHeight, height + kCalendarTop + kCalendarBottomMargin)};
}

}  // namespace

void ShowPickDateDialog()
{
    HWND dialog = EnsurePopup(kPopupPickDate, kPickLayout);
    if (!dialog)
        return;
    SetWindowTextW(dialog, L"■ 달력");
    HWND calendar = GetDlgItem(dialog, IDC_PICK_CALENDAR);
    MonthCal_SetFirstDayOfWeek(calendar, Settings.WeekStart == 0 ? kFirstDaySunday : kFirstDayMonday);
    SYSTEMTIME first;
    if (SplitDate(SpanStart, &first))
        MonthCal_SetCurSel(calendar, &first);
    const SIZE size = PlaceCalendar(calendar);
    RECT item = {};
    GetWindowRect(ItemWindow, &item);
    // Moved left as far as it takes to stay on the screen.
    const int left = std::max<int>(0, std::min<int>(item.left + kPickLeft, GetSystemMetrics(SM_CXSCREEN) - size.cx));
    ShowPopup(kPopupPickDate, left, PopupMenuPoint(Bands.title).y, size.cx, size.cy);
}
