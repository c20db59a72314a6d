#include "mainwindow/month_grid.h"

#include "core/date_text.h"
#include "core/dates.h"
#include "lists/mini_calendar.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"

#include <windowsx.h>

#include <cwchar>

HBITMAP MonthGridBitmap = nullptr;
bool MonthGridUnpainted = true;

namespace {

constexpr int kPictureWidth = 140;
constexpr int kPictureHeight = 84;
// Only the next month's first days stand in the last two rows below 15.
constexpr int kNextMonthDayLimit = 15;
constexpr int kFirstNextMonthRow = 4;

void OnGridPaint(HWND window)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    if (MonthGridUnpainted) {
        MonthGridBitmap = CreateCompatibleBitmap(dc, kPictureWidth, kPictureHeight);
        MonthGridUnpainted = false;
    }
    DrawMiniCalendarForDate(RangeStart);
    EndPaint(window, &paint);
}

// Row by row, left to right: the first numbered cell holding the point.
void OnGridTap(int x, int y)
{
    for (int row = 0; row < kGridRows; ++row) {
        for (int column = 0; column < kGridColumns; ++column) {
            const RECT& cell = DayCellRects[row][column];
            if (DayCellDays[row][column] <= 0 || x < cell.left || x > cell.right || y < cell.top || y > cell.bottom)
                continue;
            wchar_t day[12];
            _snwprintf(day, 12, L"%d", DayCellDays[row][column]);
            day[11] = L'\0';
            JumpToDay(day, row);
            return;
        }
    }
}

}  // namespace

LRESULT CALLBACK CalWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_PAINT:
        OnGridPaint(window);
        return 0;
    case WM_LBUTTONUP:
        OnGridTap(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return 0;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

void JumpToDay(const wchar_t* dayText, int row)
{
    int day = _wtoi(dayText);
    int year = GridYear;
    int month = GridMonth;
    if (day < kNextMonthDayLimit && row >= kFirstNextMonthRow) {
        year += month == 12 ? 1 : 0;
        month = month == 12 ? 1 : month + 1;
    }
    SYSTEMTIME date = {};
    if (!AddDaysToDate(&date, year, month, day, 0))
        return;
    WriteDateText(CurrentDate, kDateTextChars, DateParts{date.wYear, date.wMonth, date.wDay});
    switch (ScheduleMode) {
    case 'D': SendItemCommand(ID_SCHEDULE_DAY_MODE); break;
    case 'W': SendItemCommand(ID_SCHEDULE_WEEK_MODE); break;
    case 'M': SendItemCommand(ID_SCHEDULE_MONTH_MODE); break;
    }
}

void ResetMonthGrid()
{
    MonthGridBitmap = nullptr;
    MonthGridUnpainted = true;
}

void ReleaseMonthGrid()
{
    if (!MonthGridUnpainted && MonthGridBitmap)
        DeleteObject(MonthGridBitmap);
    ResetMonthGrid();
}
