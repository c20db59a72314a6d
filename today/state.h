// State of the Today item, shared by its files. The Today screen makes at
// most one item window per loaded library; everything runs on its thread.
// The settings record (Settings), the Today text colour, the database
// volume and session, the Pocket Outlook application object and the
// shortcut table are the core's (core/state.h).
#pragma once

#include "platform/ce.h"
#include "core/state.h"

#include <commctrl.h>

#include <cstdint>
#include <string>

// ---- the item and its window (item_entry.cpp) --------------------------------

extern HINSTANCE ItemInstance;
extern HWND ItemWindow;

constexpr wchar_t kItemWindowClass[] = L"GlimmorWndClass";

enum TodayViewMode { kViewMonth = 0, kViewSchedule = 1, kViewTasks = 2, kViewMemos = 3 };
constexpr int kViewModeCount = 4;
extern int ViewMode;

// 1: paint into the off-screen bitmap and copy; 0: straight to the window.
extern int OffscreenPainting;
extern HBITMAP OffscreenBitmap;
extern SIZE OffscreenSize;

// Set after creation and every re-layout; only the refresh query that
// reports the new height clears it.
extern BYTE HeightPending;
extern int ItemHeight;

// The pen: the press point ({-1, -1} none) and whether the thumb is dragged.
extern POINT PressPoint;
extern BYTE Dragging;

// Timers of the item window.
constexpr UINT kTimerWeatherImport = 1;
constexpr UINT kTimerRebuild = 2;
constexpr UINT kTimerMarkers = 3;
constexpr UINT kTimerStorageFigures = 5;
constexpr UINT kTimerWeatherDownload = 6;
constexpr UINT kTimerClock = 7;
constexpr UINT kTimerArrowRepeat = 11;

extern int RefreshCountdown;
extern int OneShotCountdown;
// Storage-card figures and shortcut icons are shown once timer 5 fired.
extern BYTE StorageFiguresShown;

// What the status line and the clock showed last ("%.1fM" and "HH:mm").
constexpr int kFigureChars = 16;
extern BYTE LastBatteryPercent;
extern wchar_t LastMemoryText[kFigureChars];
extern wchar_t LastStorageTotalText[kFigureChars];
extern wchar_t LastStorageFreeText[kFigureChars];
extern wchar_t LastClockText[6];

// The main program's folder ("Quillon InstallDir"); empty when not set.
extern wchar_t MainProgramFolder[MAX_PATH];

// ---- dates and the list ------------------------------------------------------

constexpr int kDateChars = 11;  // "yyyy-MM-dd"
extern wchar_t TodayDateText[kDateChars];
extern DATE TodayDay;   // midnight of today
extern DATE SpanStart;  // first day of the schedule span
extern int ShownYear;   // the month view's month
extern int ShownMonth;

constexpr int kRowHeight = 14;
constexpr int kMaxRowsShown = 20;
extern int TopRow;
extern int RowCount;
extern int RowsShown;    // TodayLines + 3, at most 20
extern int VisibleRows;  // the smaller of RowsShown and RowCount
extern int PixelsPerRow; // of the scroll thumb; 0 without overflow
extern int ThumbTravel;  // pixels the scroll thumb can move; 0 without overflow
extern RECT ScrollThumbRect;

// The view's header: its title and, in the task and memo views, the filter
// or grouping text.
constexpr int kHeaderChars = 64;
extern wchar_t HeaderTitle[kHeaderChars];
extern wchar_t HeaderSecond[kHeaderChars];

// ---- icons (icon_lists.cpp) ------------------------------------------------------

extern HIMAGELIST MarkIcons;          // 12 x 12: reminder, importance, months, check boxes
extern HIMAGELIST TitleIcons;         // 16 x 16: title bar, mode icons, status glyphs
extern HIMAGELIST WeatherIconsSmall;  // 16 x 16
extern HIMAGELIST WeatherIconsLarge;  // 32 x 32
extern HBRUSH WhiteBrush;

// Images of MarkIcons.
constexpr int kMarkReminder = 1;
constexpr int kMarkHighImportance = 2;
constexpr int kMarkLowImportance = 4;
constexpr int kMarkFirstMonth = 6;  // month m is m + 5
constexpr int kMarkScrollUp = 18;
constexpr int kMarkScrollDown = 19;
constexpr int kMarkTaskOpen = 24;
constexpr int kMarkTaskDone = 25;
constexpr int kMarkRecurring = 26;
constexpr int kMarkMemo = 27;
constexpr int kMarkImageCount = 28;

// Images of TitleIcons.
constexpr int kTitleProgram = 0;
constexpr int kTitlePrevious = 1;
constexpr int kTitleToday = 2;
constexpr int kTitleNext = 3;
constexpr int kTitleFirstMode = 4;  // view v: 4 + 2v, pressed 5 + 2v
constexpr int kTitleMenuMark = 12;
constexpr int kTitleBattery = 29;
constexpr int kTitleMemory = 30;
constexpr int kTitleStorage = 31;
constexpr int kTitleImageCount = 34;

// ---- hot zones (layout.cpp) --------------------------------------------------------

// A zone's handler gets the zone's index in its table (for row zones the
// screen row, for month cells the cell).
using ZoneHandler = void (*)(int index);
struct HotZone {
    int value;
    RECT rect;
    ZoneHandler handler;
};

enum FixedZoneIndex {
    kZonePrevious = 0,
    kZoneToday = 1,
    kZoneNext = 2,
    kZoneRowUp = 3,
    kZoneRowDown = 4,
    kZoneProgram = 5,
    kZoneRangeMenu = 6,
    kZoneThumb = 7,
    kZoneModeMonth = 8,
    kZoneModeSchedule = 9,
    kZoneSortMenu = 10,
    kZoneModeTasks = 11,
    kZoneModeMemos = 12,
    kFixedZoneCount = 13,
};
constexpr int kWeatherCells = 3;
constexpr int kStatusCells = 3;  // battery, memory, storage
constexpr int kMaxShortcutCells = 20;
extern HotZone FixedZones[kFixedZoneCount];
extern HotZone WeatherZones[kWeatherCells];
extern HotZone StatusZones[kStatusCells];
extern HotZone ShortcutZones[kMaxShortcutCells];
extern int ShortcutCellCount;

// Five zones per list row: the month part, the date, the check box, the
// linked name and the rest of the row.
enum RowZonePart { kRowMonth = 0, kRowDate = 1, kRowCheck = 2, kRowName = 3, kRowBody = 4, kZonesPerRow = 5 };
extern HotZone RowZones[kMaxRowsShown][kZonesPerRow];

// Bands of the item, from the layout.
struct ItemBands {
    RECT clock;      // empty when the clock is off
    RECT weather;    // empty when the weather line is off
    RECT title;
    RECT list;       // rows, or the month grid
    RECT status;     // empty when the status line is off
    RECT shortcuts;  // empty when the shortcuts are off
    int width;
};
extern ItemBands Bands;

// ---- the schedule view (schedule_view.cpp) --------------------------------------------

constexpr int kMaxTodayRows = 1000;
constexpr int kLinkedNameChars = 51;
constexpr int kTimeChars = 6;
constexpr int kWeekdayChars = 2;

struct TodayScheduleRow {
    int32_t objectId;
    int32_t linkedContactId;  // -1 when none (or not an item row)
    int32_t anniversaryId;
    int32_t taskObjectId;
    wchar_t linkedName[kLinkedNameChars];
    wchar_t dateText[kDateChars];
    wchar_t timeText[kTimeChars];
    wchar_t weekdayName[kWeekdayChars];
    DATE start;
    DATE end;
    DATE displayDay;
    BSTR subject;  // owned by the row
    int32_t reminderWord;
    VARIANT_BOOL reminderSet;
    VARIANT_BOOL recurring;
    VARIANT_BOOL allDay;
    int32_t holiday;
    int32_t task;
    int32_t reserved;
    wchar_t importance;  // '1' low, '2' normal, '3' high
    wchar_t complete;    // 'T' or 'F'
    int16_t todayLine;
    int32_t hasBody;
};
extern TodayScheduleRow ScheduleRows[kMaxTodayRows];
extern int ScheduleRowCount;

struct TodayTaskRow {
    int32_t objectId;
    int32_t linkedContactId;
    wchar_t linkedName[kLinkedNameChars];
    wchar_t dateText[kDateChars];  // due date
    wchar_t timeText[kTimeChars];
    DATE start;
    DATE due;
    DATE dueDay;
    BSTR subject;  // owned by the row
    DATE reminderTime;
    VARIANT_BOOL reminderSet;
    VARIANT_BOOL recurring;
    wchar_t importance;
    wchar_t complete;
    int32_t hasBody;
};
extern TodayTaskRow TaskRows[kMaxTodayRows];
extern int TaskRowCount;

constexpr int kMaxHolidays = 10;
struct TodayHoliday {
    int32_t id;
    wchar_t date[kDateChars];
    wchar_t name[41];
    wchar_t lunarDate[6];
};
extern TodayHoliday Holidays[kMaxHolidays];
extern int HolidayCount;

// The days the schedule view lists: the day part of SpanStart and the span
// of TodaySpan days from it.
extern DATE ScheduleWindowStart;
extern DATE ScheduleWindowEnd;

// Today's start times ("HH:mm"), for the minute rebuild.
constexpr int kMaxStartTimes = 100;
extern wchar_t TodayStartTimes[kMaxStartTimes][kTimeChars];
extern int TodayStartTimeCount;
// The minute up to which begun rows of today were dropped.
extern wchar_t PastRowsDroppedUntil[kTimeChars];

// ---- the task view (task_view.cpp) ---------------------------------------------------

enum TaskFilter { kTasksActive = 0, kTasksCompleted = 1, kTasksOverdue = 2, kTasksAll = 3, kTaskFilterCount = 4 };
enum TaskSort {
    kSortByState = 0,
    kSortByImportance = 1,
    kSortBySubject = 2,
    kSortByStart = 3,
    kSortByDue = 4,
    kTaskSortCount = 5,
};
extern int TaskFilterChoice;
extern int TaskSortChoice;

// ---- the memo view (memo_view.cpp) ---------------------------------------------------

constexpr int kMemoTitleChars = 101;
constexpr int kMemoGroupChars = 64;
struct TodayMemoRow {
    int32_t memoId;                   // the own memo's id; 0 for a Notes file
    int32_t linkedContactId;
    wchar_t title[kMemoTitleChars];   // a file's name without ".pwi", cut to 100
    wchar_t group[kMemoGroupChars];   // category, or the file's folder name
    wchar_t folder[MAX_PATH];         // the folder of a Notes file
    // A Notes file's whole path, which the requests name: the title is cut
    // for drawing. Empty for own memos and for a path that does not fit.
    wchar_t path[MAX_PATH];
    wchar_t dateText[kDateChars];
};
extern TodayMemoRow MemoRows[kMaxTodayRows];
extern int MemoRowCount;

enum MemoGrouping { kMemosByDate = 0, kMemosByGroup = 1 };
enum MemoDateFilter {
    kMemosAll = 0,
    kMemosToday = 1,
    kMemosLast7 = 2,
    kMemosLast31 = 3,
    kMemosOlder = 4,
    kMemosFuture = 5,
    kMemoFilterCount = 6,
};
enum MemoSort { kMemosByTitle = 0, kMemosByDay = 1 };
extern int MemoGroupingChoice;
extern int MemoDateFilterChoice;
extern int MemoSortChoice;

// The memo groups (categories or note folders) offered by the group menu.
constexpr int kMaxMemoGroups = 50;
struct MemoGroup {
    wchar_t name[kMemoGroupChars];
    wchar_t root[MAX_PATH];  // the root folder of a note folder
};
extern MemoGroup MemoGroups[kMaxMemoGroups];
extern int MemoGroupCount;
extern int ChosenMemoGroup;

// ---- the month view (month_view.cpp) --------------------------------------------------

constexpr int kMonthColumns = 7;
constexpr int kMaxMonthWeeks = 6;
struct MonthCell {
    RECT rect;
    wchar_t dayText[3];  // empty outside the month
    bool marked;         // a day with entries
    bool holiday;
    bool sunday;
};
extern MonthCell MonthCells[kMaxMonthWeeks][kMonthColumns];
extern int MonthWeeks;

// ---- weather, filled by the weather store -------------------------------------------------

constexpr int kMaxWeatherDays = 8;
struct WeatherDay {
    wchar_t date[kDateChars];
    wchar_t region[11];
    wchar_t icon[3];
    wchar_t value1[4];
    wchar_t value2[4];
    wchar_t value3[4];
    wchar_t value4[4];
    wchar_t description[51];
};
extern WeatherDay WeatherDays[kMaxWeatherDays];
extern int WeatherDayCount;

// The region whose days are read ("서울" until the settings name another),
// the date of the last stored feed ("0000-00-00" when none), and the device
// time (seconds of a FILETIME) before which no download is tried after one
// that failed (0: none failed).
constexpr int kWeatherRegionChars = 11;
extern wchar_t WeatherRegionName[kWeatherRegionChars];
extern wchar_t LastWeatherDate[kDateChars];
extern ULONGLONG WeatherRetryAfter;

// ---- the pop-ups (popup_frame.cpp, current_item.cpp) -------------------------------------

// Made once each, on first use, with the item window as parent.
enum PopupKind { kPopupDetail = 0, kPopupContactCard = 1, kPopupPickDate = 2, kPopupWeather = 3, kPopupCount = 4 };
extern HWND PopupWindows[kPopupCount];
// The detail pop-up's Rich Ink page, made anew at each opening.
extern HWND DetailRichInk;

// The item a pop-up shows: a copy of the tapped row, so that a rebuild of
// the rows while the pop-up is open changes nothing it acts on.
enum class CurrentItemKind { None, Appointment, Anniversary, Task, OwnMemo, NotesFile };
struct CurrentItem {
    CurrentItemKind kind = CurrentItemKind::None;
    uint32_t objectId = 0;       // appointment or task
    int32_t anniversaryId = 0;
    int32_t memoId = 0;
    uint32_t contactId = 0;      // the linked contact, 0 when none
    DATE start = 0;
    DATE end = 0;
    bool allDay = false;
    bool recurring = false;
    bool reminderSet = false;
    wchar_t complete = L'F';
    wchar_t dateText[kDateChars] = {};
    wchar_t timeText[kTimeChars] = {};
    wchar_t linkedName[kLinkedNameChars] = {};
    std::wstring subject;        // a memo's title
    wchar_t path[MAX_PATH] = {}; // a Notes file; empty when "%s\%s.pwi" does not fit
};
extern CurrentItem CurrentRow;

// ---- shortcuts -------------------------------------------------------------------------

// Icons of ShortcutPathTable, fetched once each (null until then).
extern HICON ShortcutIcons[kShortcutSlots];
extern bool ShortcutIconFetched[kShortcutSlots];
