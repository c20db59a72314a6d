#include "today/pick_date.h"

#include "today/day_text.h"
#include "today/item_menus.h"
#include "today/popup_frame.h"
#include "today/resource.h"
#include "today/view_switch.h"

namespace {

constexpr int kPickLeft = 20;
constexpr int kPickWidth = 140;
constexpr int kPickHeight = 170;
constexpr int kPickTitleBand = 16;
constexpr DWORD kFirstDayMonday = 0;
constexpr DWORD kFirstDaySunday = 6;

INT_PTR CALLBACK PickDateDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

const PopupSpec kPickSpec = {IDD_PICK_DATE, PickDateDlgProc, kPickTitleBand, nullptr, 0, nullptr};
const ControlPlace kPickPlaces[] = {{IDC_PICK_CALENDAR, PlaceFrom::Left, 1, 17, 138, 150}};

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

}  // namespace

void ShowPickDateDialog()
{
    HWND dialog = EnsurePopup(kPopupPickDate, kPickSpec);
    if (!dialog)
        return;
    SetWindowTextW(dialog, L"■ 달력");
    PlaceControls(dialog, kPickPlaces, std::size(kPickPlaces), kPickWidth);
    HWND calendar = GetDlgItem(dialog, IDC_PICK_CALENDAR);
    MonthCal_SetFirstDayOfWeek(calendar, Settings.WeekStart == 0 ? kFirstDaySunday : kFirstDayMonday);
    SYSTEMTIME first;
    if (SplitDate(SpanStart, &first))
        MonthCal_SetCurSel(calendar, &first);
    RECT item = {};
    GetWindowRect(ItemWindow, &item);
    ShowPopup(kPopupPickDate, item.left + kPickLeft, PopupMenuPoint(Bands.title).y, kPickWidth, kPickHeight);
}
