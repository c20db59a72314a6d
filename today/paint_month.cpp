// The month view's grid: the weekday header and one row per week.
#include "today/painters.h"

#include "today/day_text.h"
#include "today/layout.h"
#include "today/month_view.h"
#include "today/paint_tools.h"

namespace {

constexpr COLORREF kMarkedCell = RGB(255, 255, 255);
constexpr COLORREF kMarkedText = RGB(0, 0, 0);

COLORREF HeaderColour(int weekday)
{
    if (weekday == 0)
        return static_cast<COLORREF>(Settings.DayNameSundayColor);
    if (weekday == 6)
        return static_cast<COLORREF>(Settings.DayNameSaturdayColor);
    return static_cast<COLORREF>(Settings.DayNameWeekdayColor);
}

void PaintWeekdayHeader(HDC dc, int left)
{
    if (TopRow > 0)
        return;
    const int top = RowTop(0);
    for (int column = 0; column < kMonthColumns; ++column) {
        const int weekday = (column + FirstWeekdayColumn()) % 7;
        SetTextColor(dc, HeaderColour(weekday));
        const int x = left + column * kMonthCellWidth;
        DrawTextCentred(dc, WeekdayName(weekday), RECT{x, top, x + kMonthCellWidth, top + kRowHeight});
    }
}

void PaintCell(HDC dc, const MonthCell& cell)
{
    if (cell.dayText[0] == L'\0' || cell.rect.right <= cell.rect.left)
        return;
    const bool red = cell.sunday || cell.holiday;
    COLORREF text = static_cast<COLORREF>(red ? Settings.DayNameSundayColor : Settings.DayNameWeekdayColor);
    if (cell.marked) {
        RECT fill = cell.rect;
        InflateRect(&fill, -1, 0);
        HBRUSH white = CreateSolidBrush(kMarkedCell);
        if (white) {
            FillRect(dc, &fill, white);
            DeleteObject(white);
        }
        // Framed as well, so that a mark shows on a light Today background.
        HBRUSH frame = CreateSolidBrush(static_cast<COLORREF>(Settings.HeaderColor));
        if (frame) {
            FrameRect(dc, &fill, frame);
            DeleteObject(frame);
        }
        if (!red)
            text = kMarkedText;
    }
    SetTextColor(dc, text);
    DrawTextCentred(dc, cell.dayText, cell.rect);
}

void PaintDottedGrid(HDC dc, int left)
{
    const COLORREF colour = SeparatorColour();
    const int top = Bands.list.top, rows = DrawnRows();
    const int bottom = top + rows * kRowHeight, right = left + kMonthColumns * kMonthCellWidth;
    for (int column = 1; column < kMonthColumns; ++column) {
        const int x = left + column * kMonthCellWidth;
        DrawItemLine(dc, LineStyle::Dotted, x, top, x, bottom, colour);
    }
    for (int row = 1; row < rows; ++row) {
        const int y = top + row * kRowHeight;
        DrawItemLine(dc, LineStyle::Dotted, left, y, right, y, colour);
    }
}

}  // namespace

void PaintMonthGrid(HDC dc)
{
    PlaceMonthCells();
    const int left = MonthGridLeft();
    PaintWeekdayHeader(dc, left);
    for (int week = 0; week < MonthWeeks; ++week)
        for (const MonthCell& cell : MonthCells[week])
            PaintCell(dc, cell);
    if (Settings.CalendarDottedLines == 1)
        PaintDottedGrid(dc, left);
}
