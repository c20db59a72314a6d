#include "editors/today_colors_page.h"

#include "core/settings_file.h"
#include "editors/color_picker.h"
#include "editors/preference_pages.h"
#include "editors/preferences_state.h"
#include "resources/resource.h"

namespace {

constexpr DWORD kShellFlags = SHIDIF_DONEBUTTON | SHIDIF_SIPDOWN | SHIDIF_FULLSCREENNOMENUBAR;
// PSN_APPLY arrives as the other pages' OK.
constexpr int kApplyCommand = IDC_PAGE_OK;

// Stands for the Today item's own text colour among the reset values.
constexpr int64_t kTodayText = -1;
constexpr COLORREF kRed = 0x0000FF;
constexpr COLORREF kCyan = 0xFFFF00;

struct Swatch {
    int id;
    int32_t DiarySettings::*field;
    int64_t resetValue;
};
using S = DiarySettings;
const Swatch kSwatches[] = {
    {IDC_COLORS_SCHEDULE, &S::ScheduleColor, kTodayText},
    {IDC_COLORS_ANNIVERSARY, &S::AnniversaryColor, kTodayText},
    {IDC_COLORS_HOLIDAY, &S::HolidayColor, kTodayText},
    {IDC_COLORS_HEADER, &S::HeaderColor, kTodayText},
    {IDC_COLORS_DATE_WEEKDAY, &S::DateWeekdayColor, kTodayText},
    {IDC_COLORS_DATE_SATURDAY, &S::DateSaturdayColor, kTodayText},
    {IDC_COLORS_DATE_SUNDAY, &S::DateSundayColor, kRed},
    {IDC_COLORS_DATE_HOLIDAY, &S::DateHolidayColor, kRed},
    {IDC_COLORS_NAME_WEEKDAY, &S::DayNameWeekdayColor, kTodayText},
    {IDC_COLORS_NAME_SATURDAY, &S::DayNameSaturdayColor, kCyan},
    {IDC_COLORS_NAME_SUNDAY, &S::DayNameSundayColor, kRed},
};

// Rows of the page: y of each row, and the label and swatch x of its two
// columns.
constexpr int kRowY[] = {47, 64, 98, 115, 132, 166, 183};
constexpr int kLabelX[] = {30, 130};
constexpr int kSwatchX[] = {70, 170};
constexpr int kCellWidth = 40, kCellHeight = 16;

struct Cell {
    int labelId;
    int row, column;
};
// Each swatch's label is one id below it.
const Cell kCells[] = {
    {IDC_COLORS_SCHEDULE_LABEL, 0, 0},      {IDC_COLORS_ANNIVERSARY_LABEL, 0, 1},
    {IDC_COLORS_HOLIDAY_LABEL, 1, 0},       {IDC_COLORS_HEADER_LABEL, 2, 0},
    {IDC_COLORS_DATE_WEEKDAY_LABEL, 2, 1},  {IDC_COLORS_DATE_SATURDAY_LABEL, 3, 0},
    {IDC_COLORS_DATE_SUNDAY_LABEL, 3, 1},   {IDC_COLORS_DATE_HOLIDAY_LABEL, 4, 0},
    {IDC_COLORS_NAME_WEEKDAY_LABEL, 5, 0},  {IDC_COLORS_NAME_SATURDAY_LABEL, 5, 1},
    {IDC_COLORS_NAME_SUNDAY_LABEL, 6, 0},
};

const PageControl kFixedControls[] = {
    {IDC_COLORS_GROUP, 10, 10, 220, 202},
    {IDC_COLORS_CONTENT_HEADING, 20, 30, 100, 16},
    {IDC_COLORS_DATE_HEADING, 20, 81, 100, 16},
    {IDC_COLORS_NAME_HEADING, 20, 149, 100, 16},
    {IDC_COLORS_RESET, 100, 214, 129, 20},
    {IDC_COLORS_OK, 2, 271, 50, 20},
    {IDC_COLORS_CANCEL, 53, 271, 50, 20},
};

void PlaceControls(HWND page)
{
    PlacePageControls(page, kFixedControls);
    for (const Cell& cell : kCells) {
        const int y = kRowY[cell.row];
        // "일정" is the one narrower label.
        const int labelWidth = cell.labelId == IDC_COLORS_SCHEDULE_LABEL ? 30 : kCellWidth;
        MoveWindow(GetDlgItem(page, cell.labelId), kLabelX[cell.column], y, labelWidth, kCellHeight, FALSE);
        MoveWindow(GetDlgItem(page, cell.labelId + 1), kSwatchX[cell.column], y, kCellWidth, kCellHeight, FALSE);
    }
}

const Swatch* SwatchOf(int id)
{
    for (const Swatch& swatch : kSwatches) {
        if (swatch.id == id)
            return &swatch;
    }
    return nullptr;
}

// Only the colours come from the files again: picks not yet saved are
// dropped, while the view, the schedule letter and the keypad layout of
// this run stay as they are.
void RereadColours()
{
    TodayTextColor = ReadTodayTextColor();
    const DiarySettings stored = ReadSettingsFile(TodayTextColor, nullptr);
    for (const Swatch& swatch : kSwatches)
        Settings.*swatch.field = stored.*swatch.field;
}

void PickColour(HWND page, const Swatch& swatch)
{
    RunColorPicker(page);
    if (PickedColor == -1)
        return;
    Settings.*swatch.field = PickedColor;
    InvalidateRect(GetDlgItem(page, swatch.id), nullptr, TRUE);
}

void ResetColours(HWND page)
{
    for (const Swatch& swatch : kSwatches) {
        Settings.*swatch.field = static_cast<int32_t>(
            swatch.resetValue == kTodayText ? TodayTextColor : static_cast<COLORREF>(swatch.resetValue));
        InvalidateRect(GetDlgItem(page, swatch.id), nullptr, TRUE);
    }
    SetFocus(GetDlgItem(page, IDC_COLORS_CANCEL));
}

void OnInit(HWND page)
{
    RegisterSettingsPage(page, kTodayColorsPage);
    RereadColours();
    PlaceControls(page);
    InitPageForShell(page, kShellFlags);
}

void OnCommand(HWND page, int id)
{
    switch (id) {
    case IDC_COLORS_OK:
    case kApplyCommand:
    case IDOK:
        ConfirmSettingsPage(page, id);
        return;
    case IDC_COLORS_CANCEL:
        EndDialog(page, id);
        return;
    case IDC_COLORS_RESET:
        ResetColours(page);
        return;
    }
    if (const Swatch* swatch = SwatchOf(id))
        PickColour(page, *swatch);
}

bool DrawItem(const DRAWITEMSTRUCT& item)
{
    if (const Swatch* swatch = SwatchOf(static_cast<int>(item.CtlID))) {
        DrawSwatch(item, static_cast<COLORREF>(Settings.*swatch->field));
        return true;
    }
    return DrawOkCancelFace(item, IDC_COLORS_OK, IDC_COLORS_CANCEL);
}

}  // namespace

INT_PTR CALLBACK TodayColorsPageProc(HWND page, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_INITDIALOG:
        OnInit(page);
        return TRUE;
    case WM_COMMAND:
        OnCommand(page, LOWORD(wParam));
        return TRUE;
    case WM_NOTIFY:
        return TurnApplyIntoOk(page, *reinterpret_cast<const NMHDR*>(lParam), kApplyCommand);
    case WM_DRAWITEM:
        return DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    }
    return FALSE;
}
