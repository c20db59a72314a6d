// The Today item's shared state (today/state.h).
#include "today/state.h"

HINSTANCE ItemInstance = nullptr;
HWND ItemWindow = nullptr;
int ViewMode = kViewSchedule;

int OffscreenPainting = 1;
HBITMAP OffscreenBitmap = nullptr;
SIZE OffscreenSize = {};
BYTE HeightPending = 1;
int ItemHeight = 0;

POINT PressPoint = {-1, -1};
BYTE Dragging = 0;

int RefreshCountdown = 0;
int OneShotCountdown = 1;
BYTE StorageFiguresShown = 0;

BYTE LastBatteryPercent = 0;
wchar_t LastMemoryText[kFigureChars] = L"";
wchar_t LastStorageTotalText[kFigureChars] = L"";
wchar_t LastStorageFreeText[kFigureChars] = L"";
wchar_t LastClockText[6] = L"";

wchar_t MainProgramFolder[MAX_PATH] = L"";

wchar_t TodayDateText[kDateChars] = L"";
DATE TodayDay = 0;
DATE SpanStart = 0;
int ShownYear = 0;
int ShownMonth = 0;

int TopRow = 0;
int RowCount = 0;
int RowsShown = 7;
int VisibleRows = 0;
int PixelsPerRow = 0;
int ThumbTravel = 0;
RECT ScrollThumbRect = {-1, -1, -1, -1};

wchar_t HeaderTitle[kHeaderChars] = L"";
wchar_t HeaderSecond[kHeaderChars] = L"";

HIMAGELIST MarkIcons = nullptr;
HIMAGELIST TitleIcons = nullptr;
HIMAGELIST WeatherIconsSmall = nullptr;
HIMAGELIST WeatherIconsLarge = nullptr;
HBRUSH WhiteBrush = nullptr;

HotZone FixedZones[kFixedZoneCount] = {};
HotZone WeatherZones[kWeatherCells] = {};
HotZone StatusZones[kStatusCells] = {};
HotZone ShortcutZones[kMaxShortcutCells] = {};
int ShortcutCellCount = 0;
HotZone RowZones[kMaxRowsShown][kZonesPerRow] = {};
ItemBands Bands = {};

TodayScheduleRow ScheduleRows[kMaxTodayRows] = {};
int ScheduleRowCount = 0;
TodayTaskRow TaskRows[kMaxTodayRows] = {};
int TaskRowCount = 0;
TodayHoliday Holidays[kMaxHolidays] = {};
int HolidayCount = 0;
DATE ScheduleWindowStart = 0;
DATE ScheduleWindowEnd = 0;
wchar_t TodayStartTimes[kMaxStartTimes][kTimeChars] = {};
int TodayStartTimeCount = 0;
wchar_t PastRowsDroppedUntil[kTimeChars] = L"";

int TaskFilterChoice = kTasksActive;
int TaskSortChoice = kSortByDue;

TodayMemoRow MemoRows[kMaxTodayRows] = {};
int MemoRowCount = 0;
int MemoGroupingChoice = kMemosByDate;
int MemoDateFilterChoice = kMemosAll;
int MemoSortChoice = kMemosByDay;
MemoGroup MemoGroups[kMaxMemoGroups] = {};
int MemoGroupCount = 0;
int ChosenMemoGroup = 0;

MonthCell MonthCells[kMaxMonthWeeks][kMonthColumns] = {};
int MonthWeeks = 0;

WeatherDay WeatherDays[kMaxWeatherDays] = {};
int WeatherDayCount = 0;
wchar_t WeatherRegionName[kWeatherRegionChars] = L"서울";
wchar_t LastWeatherDate[kDateChars] = L"0000-00-00";
ULONGLONG WeatherRetryAfter = 0;

HWND PopupWindows[kPopupCount] = {};
HWND DetailRichInk = nullptr;
CurrentItem CurrentRow;

HICON ShortcutIcons[kShortcutSlots] = {};
bool ShortcutIconFetched[kShortcutSlots] = {};
