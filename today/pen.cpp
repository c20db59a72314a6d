#include "today/pen.h"

#include "today/layout.h"
#include "today/zone_actions.h"

#include <algorithm>

namespace {

constexpr int kThumbSlack = 2;
constexpr UINT kRepeatMs = 1;

// Where a thumb drag started: the pen's height and the top row then.
int DragStartY = 0;
int DragStartRow = 0;

struct ZoneHit {
    RECT rect;
    ZoneHandler handler;
    int index;
};

bool Inside(const RECT& rect, POINT at)
{
    return rect.right > rect.left && rect.bottom > rect.top && PtInRect(&rect, at);
}

bool HitIn(const HotZone* zones, int count, POINT at, ZoneHit* hit, int firstIndex = 0)
{
    for (int i = firstIndex; i < count; ++i) {
        if (zones[i].handler && Inside(zones[i].rect, at)) {
            *hit = ZoneHit{zones[i].rect, zones[i].handler, i};
            return true;
        }
    }
    return false;
}

bool HitListZone(POINT at, ZoneHit* hit)
{
    if (ViewMode == kViewMonth) {
        for (int week = 0; week < MonthWeeks; ++week) {
            for (int column = 0; column < kMonthColumns; ++column) {
                const MonthCell& cell = MonthCells[week][column];
                if (cell.dayText[0] && Inside(cell.rect, at)) {
                    *hit = ZoneHit{cell.rect, OnMonthCell, week * kMonthColumns + column};
                    return true;
                }
            }
        }
        return false;
    }
    for (int row = 0; row < DrawnRows(); ++row) {
        ZoneHit partHit;
        if (HitIn(RowZones[row], kZonesPerRow, at, &partHit)) {
            *hit = ZoneHit{partHit.rect, partHit.handler, row};
            return true;
        }
    }
    return false;
}

bool FindZone(POINT at, ZoneHit* hit)
{
    const bool listView = ViewMode == kViewTasks || ViewMode == kViewMemos;
    return HitIn(FixedZones, kFixedZoneCount, at, hit, listView ? kZoneRowUp : 0) ||
           HitIn(WeatherZones, kWeatherCells, at, hit) || HitIn(StatusZones, kStatusCells, at, hit) ||
           HitIn(ShortcutZones, ShortcutCellCount, at, hit) || HitListZone(at, hit);
}

bool OnArrow(POINT at)
{
    return Inside(FixedZones[kZoneRowUp].rect, at) || Inside(FixedZones[kZoneRowDown].rect, at);
}

bool OnThumb(POINT at)
{
    const RECT& thumb = ScrollThumbRect;
    return thumb.right > thumb.left && at.x >= thumb.left - kThumbSlack && at.x <= thumb.right + kThumbSlack &&
           at.y >= thumb.top && at.y <= thumb.bottom;
}

}  // namespace

void HighlightZoneAtPoint(HWND window, int x, int y)
{
    ZoneHit hit;
    if (!FindZone(POINT{x, y}, &hit))
        return;
    HDC dc = GetDC(window);
    if (!dc)
        return;
    PatBlt(dc, hit.rect.left, hit.rect.top, hit.rect.right - hit.rect.left, hit.rect.bottom - hit.rect.top, DSTINVERT);
    ReleaseDC(window, dc);
}

bool OnItemTap(int x, int y)
{
    ZoneHit hit;
    if (!FindZone(POINT{x, y}, &hit))
        return false;
    if (ItemWindow)
        InvalidateRect(ItemWindow, &hit.rect, TRUE);
    hit.handler(hit.index);
    return true;
}

void RepeatArrowTap()
{
    OnItemTap(PressPoint.x, PressPoint.y);
}

void OnPenDown(HWND window, int x, int y)
{
    const POINT at = {x, y};
    SetCapture(window);
    if (OnArrow(at)) {
        PressPoint = at;
        OnItemTap(x, y);
        SetTimer(window, kTimerArrowRepeat, kRepeatMs, nullptr);
    } else if (OnThumb(at)) {
        PressPoint = at;
        Dragging = 1;
        DragStartY = y;
        DragStartRow = TopRow;
    } else {
        PressPoint = POINT{-1, -1};
        HighlightZoneAtPoint(window, x, y);
    }
}

void OnPenMove(HWND, int x, int y)
{
    if (!Dragging)
        return;
    if (PixelsPerRow > 0) {
        const int rows = (y - PressPoint.y) / PixelsPerRow;
        if (rows == 0)
            return;
        TopRow += rows;
    } else {
        // More rows than the track has pixels: the thumb's travel stands for
        // the rows that do not fit.
        if (ThumbTravel <= 0 || RowCount <= RowsShown)
            return;
        const int row = DragStartRow + (y - DragStartY) * (RowCount - RowsShown) / ThumbTravel;
        if (row == TopRow)
            return;
        TopRow = row;
    }
    ClampTopRow();
    LayoutCurrentRows();
    PressPoint = POINT{x, y};
}

void OnPenUp(HWND window, int x, int y)
{
    if (Dragging) {
        Dragging = 0;
        PressPoint = POINT{-1, -1};
    } else if (PressPoint.x == -1 && PressPoint.y == -1) {
        OnItemTap(x, y);
    }
    KillTimer(window, kTimerArrowRepeat);
    if (GetCapture() == window)
        ReleaseCapture();
}
