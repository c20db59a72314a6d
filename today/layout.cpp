#include "today/layout.h"

#include "core/record_layouts.h"
#include "today/day_text.h"
#include "today/paint_tools.h"
#include "today/schedule_queries.h"
#include "today/schedule_view.h"
#include "today/zone_actions.h"

#include <algorithm>

namespace {

constexpr int kBaseWidth = 240;
constexpr int kClockHeight = 17;
constexpr int kTitleHeight = 18;
constexpr int kLargeWeatherHeight = 34;
constexpr int kSmallWeatherHeight = 30;
constexpr int kStatusHeight = 17;
constexpr int kNoShortcutHeight = 16;
constexpr int kIconCell = 17;
constexpr int kModeIcons = 4;
constexpr int kScrollColumn = 13;
constexpr int kArrowHeight = 12;
constexpr int kGlyph = 12;
constexpr int kDayBox = 14;
constexpr int kExtraColumn = 31;
constexpr int kWeatherCell = 80;
constexpr int kStatusGlyph = 16;
constexpr int kStatusBar = 56;
constexpr int kSmallShortcutCell = 24;
constexpr int kLargeShortcutCell = 40;

int LastLaidWidth = -1;
bool LastScrollBar = false;
bool DaysSet = false;

bool TodayScreenShowsScrollBar()
{
    HWND parent = ItemWindow ? GetParent(ItemWindow) : nullptr;
    return parent && (GetWindowLongW(parent, GWL_STYLE) & WS_VSCROLL) != 0;
}

RECT Band(int top, int height, int width)
{
    return RECT{0, top, width, top + height};
}

HotZone Zone(int value, RECT rect, ZoneHandler handler)
{
    return HotZone{value, rect, handler};
}

int ShortcutsPerRow()
{
    return Settings.ShortcutIconSize == 1 ? 6 : 10;
}

int ShortcutRows()
{
    bool large = Settings.ShortcutIconSize == 1;
    return ShortcutPathCount >= (large ? 7 : 11) ? 2 : 1;
}

int ShortcutCellHeight()
{
    return (Settings.ShortcutIconSize == 1 ? 32 : 16) + 4;
}

void PlaceTitleZones(const RECT& title, int width)
{
    const int top = title.top, bottom = title.bottom;
    auto cell = [&](int left) { return RECT{left, top, left + kIconCell, bottom}; };
    FixedZones[kZoneProgram] = Zone(206, cell(0), OnProgramZone);
    FixedZones[kZonePrevious] = Zone(201, cell(kIconCell), OnPreviousSpanZone);
    FixedZones[kZoneToday] = Zone(202, cell(kIconCell * 2), OnTodayZone);
    FixedZones[kZoneNext] = Zone(203, cell(kIconCell * 3), OnNextSpanZone);
    const int modesLeft = width - kIconCell * kModeIcons - 1;
    FixedZones[kZoneModeMonth] = Zone(0, cell(modesLeft), OnModeZone);
    FixedZones[kZoneModeSchedule] = Zone(0, cell(modesLeft + kIconCell), OnModeZone);
    FixedZones[kZoneModeTasks] = Zone(0, cell(modesLeft + kIconCell * 2), OnModeZone);
    FixedZones[kZoneModeMemos] = Zone(0, cell(modesLeft + kIconCell * 3), OnModeZone);
    if (ViewMode == kViewTasks || ViewMode == kViewMemos) {
        const int split = kIconCell + (modesLeft - kIconCell) * 3 / 5;
        FixedZones[kZoneRangeMenu] = Zone(0, RECT{kIconCell + 1, top, split, bottom}, OnRangeMenuZone);
        FixedZones[kZoneSortMenu] = Zone(0, RECT{split, top, modesLeft - 1, bottom}, OnSortMenuZone);
    } else {
        FixedZones[kZoneRangeMenu] = Zone(0, RECT{kIconCell * 4 + 1, top, modesLeft - 1, bottom}, OnRangeMenuZone);
        FixedZones[kZoneSortMenu] = Zone(0, RECT{}, nullptr);
    }
}

void PlaceScrollZones()
{
    const RECT& list = Bands.list;
    const int left = Bands.width - kScrollColumn;
    if (ListOverflows()) {
        FixedZones[kZoneRowUp] = Zone(204, RECT{left, list.top, Bands.width - 1, list.top + kArrowHeight}, OnRowUpZone);
        FixedZones[kZoneRowDown] =
            Zone(205, RECT{left, list.bottom - kArrowHeight, Bands.width - 1, list.bottom}, OnRowDownZone);
    } else {
        FixedZones[kZoneRowUp] = Zone(204, RECT{}, OnRowUpZone);
        FixedZones[kZoneRowDown] = Zone(205, RECT{}, OnRowDownZone);
    }
    FixedZones[kZoneThumb] = Zone(0, ScrollThumbRect, nullptr);
}

void PlaceCells()
{
    for (int i = 0; i < kWeatherCells; ++i)
        WeatherZones[i] = Zone(i < WeatherDayCount ? i + 1 : 0,
                               Settings.TodayShowWeather == 1 ? WeatherCellRect(i) : RECT{}, OnWeatherCell);
    for (int i = 0; i < kStatusCells; ++i)
        StatusZones[i] = Zone(i, Settings.TodayShowStatus == 1 ? StatusCellRect(i) : RECT{}, OnStatusCell);
    ShortcutCellCount = 0;
    if (Settings.TodayShowShortcuts != 1)
        return;
    const int perRow = ShortcutsPerRow();
    const int cellWidth = std::max(Bands.width / perRow, 1);
    const int cellHeight = ShortcutCellHeight();
    const int shown = std::min(ShortcutPathCount, perRow * ShortcutRows());
    for (int i = 0; i < shown; ++i) {
        int left = (i % perRow) * cellWidth, top = Bands.shortcuts.top + (i / perRow) * cellHeight;
        const RECT cell = {left, top, left + cellWidth, top + cellHeight};
        ShortcutZones[ShortcutCellCount++] = Zone(i, cell, OnShortcutCell);
    }
}

bool ExtraColumnShown(const TodayScheduleRow& row)
{
    return Settings.TodayExtraInfo != 0 || (wcscmp(row.dateText, TodayDateText) == 0 && row.timeText[0]);
}

// The right edge of a row's text: the extra column and the scroll column
// keep their room.
int TextRightEdge(bool extraColumn)
{
    const bool overflow = ListOverflows();
    int margin = extraColumn ? (overflow ? 48 : 35) : (overflow ? 17 : 4);
    return Bands.width - margin;
}

RECT ExtraColumnRect(int top)
{
    int right = Bands.width - 4 - (ListOverflows() ? 13 : 0);
    return RECT{right - kExtraColumn, top, right, top + kRowHeight};
}

// The "(name)" part, then the rest of the text from left on.
void PlaceNameAndText(HDC measure, const wchar_t* name, int left, int right, int top, RowPlaces& places)
{
    places.name = RECT{};
    if (name && name[0]) {
        std::wstring shown = std::wstring(L"(") + name + L")";
        int width = std::min(TextWidth(measure, shown.c_str()), std::max(right - left, 0));
        places.name = RECT{left, top, left + width, top + kRowHeight};
        left += width;
    }
    places.text = RECT{left, top, std::max(left, right), top + kRowHeight};
}

void LookUpVisibleContacts()
{
    for (int i = 0; i < DrawnRows(); ++i) {
        TodayScheduleRow& row = ScheduleRows[TopRow + i];
        if (row.linkedContactId != 0)
            continue;
        if (row.task)
            GetLinkedContactName(kTaskLinkDatabase, row);
        else
            GetLinkedContactId(kPlanLinkDatabase, row);
    }
}

void SetRowZone(int screenRow, RowZonePart part, int value, RECT rect, ZoneHandler handler)
{
    RowZones[screenRow][part] = Zone(value, rect, handler);
}

// The common end of the row layouts: the scroll zones, and the list redrawn.
void FinishRowLayout()
{
    PlaceScrollZones();
    InvalidateListArea();
}

}  // namespace

int ItemWidth()
{
    RECT client = {};
    if (ItemWindow && GetClientRect(ItemWindow, &client) && client.right > 0)
        return client.right;
    return GetSystemMetrics(SM_CXSCREEN);
}

int StripShift()
{
    const int screen = GetSystemMetrics(SM_CXSCREEN);
    if (screen <= kBaseWidth)
        return 0;
    int shift = (screen - kBaseWidth) / 3;
    if (TodayScreenShowsScrollBar())
        shift -= GetSystemMetrics(SM_CXVSCROLL) / 3;
    return shift;
}

bool ListOverflows()
{
    return RowCount > RowsShown;
}

void ClampTopRow()
{
    TopRow = std::clamp(TopRow, 0, std::max(RowCount - RowsShown, 0));
}

int DrawnRows()
{
    return std::max(std::min(RowsShown, RowCount - TopRow), 0);
}

int RowTop(int screenRow)
{
    return Bands.list.top + kRowHeight * screenRow;
}

void BuildHotZones()
{
    if (!DaysSet) {
        int year, month, day;
        if (ParseDateText(TodayDateText, &year, &month, &day)) {
            TodayDay = DateOfParts(year, month, day);
            SpanStart = TodayDay;
            DaysSet = true;
        }
    }
    const int width = ItemWidth();
    Bands = ItemBands();
    Bands.width = width;
    int y = 0;
    if (Settings.TodayShowClock == 1) {
        Bands.clock = Band(1, kClockHeight - 1, width);
        y = kClockHeight + 1;
    }
    if (Settings.TodayShowWeather == 1) {
        int height = Settings.WeatherIconSize == 1 ? kLargeWeatherHeight : kSmallWeatherHeight;
        Bands.weather = Band(y + 1, height, width);
        y += height + 2;
    }
    Bands.title = Band(y, kTitleHeight, width);
    y += kTitleHeight + 1;
    Bands.list = Band(y, RowsShown * kRowHeight, width);
    y += RowsShown * kRowHeight + 1;
    if (Settings.TodayShowStatus == 1) {
        Bands.status = Band(y + 1, kStatusHeight, width);
        y += kStatusHeight + 2;
    }
    if (Settings.TodayShowShortcuts == 1) {
        int height = ShortcutPathCount > 0 ? ShortcutRows() * ShortcutCellHeight() : kNoShortcutHeight;
        Bands.shortcuts = Band(y + 1, height, width);
        y += height + 2;
    }
    ItemHeight = y + 1;
    HeightPending = 1;

    PlaceTitleZones(Bands.title, width);
    PlaceScrollZones();
    PlaceCells();
    LastLaidWidth = width;
    LastScrollBar = TodayScreenShowsScrollBar();
}

bool LayoutForScreenWidth()
{
    if (ItemWidth() == LastLaidWidth && TodayScreenShowsScrollBar() == LastScrollBar)
        return false;
    BuildHotZones();
    LayoutCurrentRows();
    return true;
}

void ClearRowZones()
{
    for (auto& row : RowZones)
        for (HotZone& zone : row)
            zone = HotZone{};
}

RowPlaces PlaceScheduleRow(HDC measure, const TodayScheduleRow& row, int screenRow)
{
    RowPlaces places = {};
    const int top = RowTop(screenRow), bottom = top + kRowHeight;
    const bool severalDays = SpanDays() > 1;
    int x = severalDays ? 15 : 1;
    if (severalDays)
        places.month = RECT{0, top, x, bottom};
    places.dayNumber = RECT{x, top, x + kDayBox, bottom};
    x += kDayBox;
    if (Settings.TodayShowWeekday == 1) {
        places.weekday = RECT{x, top, x + kDayBox, bottom};
        x += kDayBox;
    }
    x += 2;
    places.reminderX = places.importanceX = places.checkX = -1;
    if (Settings.TodayShowReminderPriority == 1) {
        if (row.reminderSet) {
            places.reminderX = x;
            x += kGlyph;
        }
        if (row.task && (row.importance == L'3' || row.importance == L'1')) {
            places.importanceX = x;
            x += kGlyph;
        }
    }
    if (row.task) {
        places.checkX = x;
        x += kGlyph + 1;
    }
    const bool extra = ExtraColumnShown(row);
    PlaceNameAndText(measure, row.linkedName, x, TextRightEdge(extra), top, places);
    if (extra)
        places.extra = ExtraColumnRect(top);
    return places;
}

RowPlaces PlaceTaskRow(HDC measure, const TodayTaskRow& row, int screenRow)
{
    RowPlaces places = {};
    const int top = RowTop(screenRow);
    int x = 1;
    places.checkX = x;
    x += kGlyph + 1;
    places.reminderX = places.importanceX = -1;
    if (Settings.TodayShowReminderPriority == 1) {
        if (row.reminderSet) {
            places.reminderX = x;
            x += kGlyph;
        }
        if (row.importance == L'3' || row.importance == L'1') {
            places.importanceX = x;
            x += kGlyph;
        }
    }
    const int dateWidth = 52;
    int right = Bands.width - 4 - (ListOverflows() ? 13 : 0);
    places.extra = RECT{right - dateWidth, top, right, top + kRowHeight};
    PlaceNameAndText(measure, row.linkedName, x + 1, right - dateWidth - 2, top, places);
    return places;
}

RowPlaces PlaceMemoRow(HDC, const TodayMemoRow&, int screenRow)
{
    RowPlaces places = {};
    const int top = RowTop(screenRow);
    places.reminderX = places.importanceX = places.checkX = -1;
    const int dateWidth = 52;
    int right = Bands.width - 4 - (ListOverflows() ? 13 : 0);
    places.extra = RECT{right - dateWidth, top, right, top + kRowHeight};
    places.text = RECT{1 + kGlyph + 2, top, right - dateWidth - 2, top + kRowHeight};
    return places;
}

void LayoutScheduleRows()
{
    RowCount = ScheduleRowCount;
    ClampTopRow();
    VisibleRows = std::min(RowCount, RowsShown);
    ClearRowZones();
    LookUpVisibleContacts();
    MeasuringContext measure;
    for (int i = 0; i < DrawnRows(); ++i) {
        const int entry = TopRow + i;
        RowPlaces places = PlaceScheduleRow(measure.dc(), ScheduleRows[entry], i);
        RECT whole = {0, RowTop(i), Bands.width, RowTop(i) + kRowHeight};
        RECT date = places.dayNumber;
        if (places.weekday.right > date.right)
            date.right = places.weekday.right;
        SetRowZone(i, kRowMonth, entry + 1, places.month, OnScheduleRowMonth);
        SetRowZone(i, kRowDate, entry + 1, date, OnScheduleRowDate);
        if (places.checkX >= 0)
            SetRowZone(i, kRowCheck, entry + 1, RECT{places.checkX, whole.top, places.checkX + kGlyph, whole.bottom},
                       OnRowCheck);
        SetRowZone(i, kRowName, entry + 1, places.name, OnRowName);
        SetRowZone(i, kRowBody, entry + 1, RECT{date.right, whole.top, whole.right, whole.bottom}, OnScheduleRowBody);
    }
    FinishRowLayout();
}

void LayoutTaskRows()
{
    RowCount = TaskRowCount;
    ClampTopRow();
    VisibleRows = std::min(RowCount, RowsShown);
    ClearRowZones();
    for (int i = 0; i < DrawnRows(); ++i) {
        if (TaskRows[TopRow + i].linkedContactId == 0)
            GetTaskRowContact(TaskRows[TopRow + i]);
    }
    MeasuringContext measure;
    for (int i = 0; i < DrawnRows(); ++i) {
        const int entry = TopRow + i;
        RowPlaces places = PlaceTaskRow(measure.dc(), TaskRows[entry], i);
        const int top = RowTop(i);
        const RECT check = {places.checkX, top, places.checkX + kGlyph, top + kRowHeight};
        SetRowZone(i, kRowCheck, entry + 1, check, OnRowCheck);
        SetRowZone(i, kRowName, entry + 1, places.name, OnRowName);
        SetRowZone(i, kRowBody, entry + 1, RECT{places.checkX + kGlyph, top, Bands.width, top + kRowHeight}, OnRowText);
    }
    FinishRowLayout();
}

void LayoutMemoRows()
{
    RowCount = MemoRowCount;
    ClampTopRow();
    VisibleRows = std::min(RowCount, RowsShown);
    ClearRowZones();
    for (int i = 0; i < DrawnRows(); ++i) {
        const int top = RowTop(i);
        SetRowZone(i, kRowBody, TopRow + i + 1, RECT{0, top, Bands.width, top + kRowHeight}, OnRowText);
    }
    FinishRowLayout();
}

void InvalidateListArea()
{
    if (ViewMode == kViewMonth) {
        RowCount = 1 + MonthWeeks;
        ClampTopRow();
        VisibleRows = std::min(RowCount, RowsShown);
        ClearRowZones();
        PlaceMonthCells();
        PlaceScrollZones();
    }
    if (ItemWindow)
        InvalidateRect(ItemWindow, &Bands.list, TRUE);
}

void LayoutCurrentRows()
{
    switch (ViewMode) {
    case kViewTasks: LayoutTaskRows(); break;
    case kViewMemos: LayoutMemoRows(); break;
    case kViewSchedule: LayoutScheduleRows(); break;
    default: InvalidateListArea(); break;
    }
}

int MonthGridLeft()
{
    const int grid = kMonthCellWidth * kMonthColumns;
    return ListOverflows() ? (Bands.width - grid - 6) / 2 : (Bands.width - grid) / 2;
}

void PlaceMonthCells()
{
    const int left = MonthGridLeft();
    for (int week = 0; week < kMaxMonthWeeks; ++week) {
        const int screenRow = week + 1 - TopRow;  // grid row 0 is the weekday header
        for (int column = 0; column < kMonthColumns; ++column) {
            MonthCell& cell = MonthCells[week][column];
            if (week >= MonthWeeks || screenRow < 0 || screenRow >= RowsShown) {
                cell.rect = RECT{};
                continue;
            }
            const int x = left + column * kMonthCellWidth, y = RowTop(screenRow);
            cell.rect = RECT{x, y, x + kMonthCellWidth, y + kRowHeight};
        }
    }
}

RECT WeatherCellRect(int cell)
{
    const int shift = StripShift();
    const int left = cell * (kWeatherCell + shift) + 1;
    return RECT{left, Bands.weather.top, cell * kWeatherCell + (cell + 1) * shift + kWeatherCell - 1,
                Bands.weather.bottom};
}

RECT WeatherTextRect(int cell)
{
    const int shift = StripShift();
    return RECT{cell * (kWeatherCell + shift) + 33, Bands.weather.top, cell * kWeatherCell + (cell + 1) * shift + 76,
                Bands.weather.bottom};
}

RECT StatusCellRect(int cell)
{
    const int shift = StripShift();
    const int left = cell * (kWeatherCell + shift);
    return RECT{left, Bands.status.top, left + kWeatherCell + shift, Bands.status.bottom};
}

RECT StatusBarRect(int cell)
{
    RECT whole = StatusCellRect(cell);
    const int left = whole.left + kStatusGlyph + 4;
    return RECT{left, whole.top + 2, left + kStatusBar + StripShift(), whole.bottom - 1};
}
