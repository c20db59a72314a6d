#include "mainwindow/edit_colours.h"

#include "mainwindow/state.h"
#include "resources/resource.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kDark = RGB(57, 56, 74);
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

struct EditColours {
    UINT first, last;
    COLORREF text;
    CtlColorBrushIndex background;
};

const EditColours kEditColours[] = {
    {IDC_KEYPAD_INNER_FRAME, IDC_KEYPAD_INNER_FRAME, kDark, kBrushCream},
    {IDC_SEARCH_ROW_FRAME, IDC_SEARCH_ROW_FRAME, kBlack, kBrushLavender},
    {IDC_KEYPAD_FRAME, IDC_KEYPAD_FRAME, kBlack, kBrushLavender},
    {IDC_RANGE_START_LABEL, IDC_RANGE_END_LABEL, kBlack, kBrushLavender},
    {IDC_RANGE_SPARE_LABEL, IDC_RANGE_SPARE_LABEL, kBlack, kBrushLavender},
    {IDC_DETAIL_TEXT_2, IDC_DETAIL_TEXT_2, kWhite, kBrushSteel},
    {IDC_SCHEDULE_INNER_FRAME, IDC_SCHEDULE_INNER_FRAME, kDark, kBrushWhite},
    {IDC_SCHEDULE_FRAME, IDC_SCHEDULE_FRAME, kBlack, kBrushWhite},
    {IDC_GRID_YEAR_LABEL, IDC_GRID_MONTH_LABEL, kNavy, kBrushWhite},
    {IDC_ANNIVERSARY_YEAR_LABEL, IDC_ANNIVERSARY_AGE_LABEL, kNavy, kBrushWhite},
    {IDC_PREVIOUS_MONTH, IDC_NEXT_MONTH, kGrey, kBrushWhite},
    {IDC_GRID_DATE_LABEL, IDC_GRID_DATE_LABEL, kGrey, kBrushWhite},
    {IDC_GRID_LUNAR_LABEL, IDC_GRID_LUNAR_LABEL, kGrey, kBrushWhite},
    {IDC_ANNIVERSARY_HEADER_FRAME, IDC_ANNIVERSARY_HEADER_FRAME, kGrey, kBrushWhite},
    {IDC_ANNIVERSARY_LUNAR_LABEL, IDC_ANNIVERSARY_LUNAR_LABEL, kGrey, kBrushWhite},
};

// The day-name labels, Sunday first: Sunday red, Saturday blue.
constexpr COLORREF kDayNameText[kWeekDays] = {kRed, kBlack, kBlack, kBlack, kBlack, kBlack, kBlue};
// The weekday headers by the week start: Sunday red, Saturday blue.
constexpr COLORREF kSundayFirstText[kWeekDays] = {kRed, kDark, kDark, kDark, kDark, kDark, kBlue};
constexpr COLORREF kMondayFirstText[kWeekDays] = {kDark, kDark, kDark, kDark, kDark, kBlue, kRed};

bool InFamily(UINT id, UINT first, int* index)
{
    if (id < first || id >= first + kWeekDays)
        return false;
    *index = static_cast<int>(id - first);
    return true;
}

HBRUSH Colour(HDC dc, COLORREF text, CtlColorBrushIndex background)
{
    SetTextColor(dc, text);
    SetBkColor(dc, kCtlColorBrushColours[background]);
    return CtlColorBrushes[background];
}

}  // namespace

HBRUSH OnMainCtlColorEdit(HDC dc, HWND control)
{
    const UINT id = static_cast<UINT>(GetDlgCtrlID(control));
    int day = 0;
    if (InFamily(id, IDC_ANNIVERSARY_DAY_NAME_FIRST, &day) || InFamily(id, IDC_SCHEDULE_DAY_NAME_FIRST, &day))
        return Colour(dc, kDayNameText[day], kBrushWhite);
    if (InFamily(id, IDC_WEEKDAY_HEADER_FIRST, &day))
        return Colour(dc, (ActiveWeekStart == 1 ? kMondayFirstText : kSundayFirstText)[day], kBrushLavender);
    for (const EditColours& row : kEditColours) {
        if (id >= row.first && id <= row.last)
            return Colour(dc, row.text, row.background);
    }
    return nullptr;
}
