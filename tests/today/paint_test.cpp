// What the painters draw: clock and day texts, fitted rows, nothing below
// the list, the status figures in 64 bits, the pending height kept, weather
// icons only for known codes; and pictures of each view to look at.
#include "tests/today/today_fixture.h"

#include "core/settings_file.h"
#include "tests/today/request_bytes.h"
#include "today/device_figures.h"
#include "today/icon_lists.h"
#include "today/layout.h"
#include "today/offscreen_bitmap.h"
#include "today/paint_tools.h"
#include "today/painters.h"
#include "today/refresh_query.h"
#include "today/schedule_view.h"
#include "today/view_switch.h"

#include <algorithm>
#include <string>

namespace {

using namespace todaytest;

constexpr COLORREF kWhite = RGB(255, 255, 255);

void WriteProfile(const wchar_t* section, const wchar_t* key, const wchar_t* value)
{
    WritePrivateProfileStringW(section, key, value, testkit::DeviceProfilePath().c_str());
}

class TodayPaintTest : public TodayTest {
protected:
    void SetUp() override
    {
        TodayTest::SetUp();
        LoadIconImageLists();
        // Dark text on the white of the test's background.
        Settings = ParseSettingsRecord(nullptr, 0, RGB(0, 0, 0));
        Settings.TodayShowWeather = 0;
        RowsShown = Settings.TodayLines + 3;
        BuildHotZones();
    }
    void TearDown() override
    {
        WriteProfile(L"Power", nullptr, nullptr);
        WriteProfile(L"Memory", nullptr, nullptr);
        WriteProfile(L"Cards", nullptr, nullptr);
        TodayTest::TearDown();
    }
};

TEST(TodayTexts, ClockAndDayMarks)
{
    struct Clock {
        int hour, minute;
        const wchar_t* text;
    };
    const Clock clocks[] = {{0, 5, L"오전 12:05"}, {11, 59, L"오전 11:59"}, {12, 5, L"오후 12:05"},
                            {13, 5, L"오후 1:05"}, {23, 0, L"오후 11:00"}};
    for (const Clock& c : clocks) {
        wchar_t text[32];
        ClockText(c.hour, c.minute, text, 32);
        EXPECT_EQ(std::wstring(text), c.text);
    }
    TodayDay = Date(2024, 5, 7);
    struct Mark {
        int day;
        const wchar_t* text;
    };
    const Mark marks[] = {{7, L"오늘"}, {8, L"내일"}, {6, L"+1"}, {1, L"+6"}, {10, L"-3"}, {31, L"-24"}};
    for (const Mark& m : marks) {
        wchar_t text[16];
        DayMarkText(Date(2024, 5, m.day), text, 16);
        EXPECT_EQ(std::wstring(text), m.text) << m.day;
    }
}

TEST(TodayTexts, LongRowTextsKeepNineCharactersAndEndInTwoDots)
{
    testkit::Canvas canvas(240, 20, kWhite);
    HGDIOBJ old = SelectObject(canvas.dc(), ItemFont());
    const wchar_t* subject = L"아주아주아주 긴 일정의 제목은 여기서 잘립니다";
    const int full = TextWidth(canvas.dc(), subject);
    EXPECT_EQ(FitRowText(canvas.dc(), subject, full), subject);
    for (int width : {full - 1, full / 2, 30, 0}) {
        SCOPED_TRACE(width);
        std::wstring fitted = FitRowText(canvas.dc(), subject, width);
        ASSERT_GE(fitted.size(), 11u);
        EXPECT_EQ(fitted.substr(0, 9), std::wstring(subject, 9));
        EXPECT_EQ(fitted.substr(fitted.size() - 2), L"..");
        const std::wstring kept = fitted.substr(0, fitted.size() - 2);
        const int slack = std::max(7, TextWidth(canvas.dc(), L".."));
        if (kept.size() > 9) {
            EXPECT_LE(TextWidth(canvas.dc(), kept.c_str()) + slack, width);
        }
        EXPECT_GT(TextWidth(canvas.dc(), subject, static_cast<int>(kept.size()) + 1) + slack, width);
    }
    SelectObject(canvas.dc(), old);
}

TEST_F(TodayPaintTest, NothingIsDrawnBelowTheList)
{
    for (int i = 0; i < 30; ++i) {
        wchar_t subject[16];
        _snwprintf(subject, 16, L"일정 %02d", i);
        AddAppointment({subject, Date(2024, 5, 7, 8, i), Date(2024, 5, 7, 9, i)});
    }
    Settings.TodayShowStatus = 0;
    Settings.TodayShowShortcuts = 0;
    Settings.TodayUnderline = 0;
    BuildHotZones();
    ShowScheduleMode();
    ASSERT_EQ(RowCount, 31);
    for (int top : {0, 10, RowCount - RowsShown, RowCount}) {
        SCOPED_TRACE(top);
        TopRow = top;
        LayoutScheduleRows();
        testkit::Canvas canvas(240, ItemHeight + 60, kWhite);
        PaintItem(canvas.dc());
        EXPECT_EQ(canvas.InkedPixels(0, Bands.list.bottom, 240, ItemHeight + 60), 0);
        for (int row = 0; row < RowsShown; ++row)
            EXPECT_GT(canvas.InkedPixels(20, RowTop(row), 200, RowTop(row) + kRowHeight), 0) << row;
    }
}

TEST_F(TodayPaintTest, PaintingKeepsThePendingHeightForTheRefreshQuery)
{
    BuildHotZones();
    ShowScheduleMode();
    testkit::Canvas canvas(240, ItemHeight, kWhite);
    PaintItem(canvas.dc());
    EXPECT_EQ(HeightPending, 1);
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::NewHeight);
    EXPECT_EQ(HeightPending, 0);
}

TEST_F(TodayPaintTest, TheLowBatteryColour)
{
    struct Case {
        const wchar_t* acLine;
        const wchar_t* flag;
        const wchar_t* percent;
        COLORREF fill;
    };
    const COLORREF low = 0x003CFF, green = 0x319621;
    const Case cases[] = {
        {L"0", L"0", L"255", low},    // no reading and no power: low, shown as 100%
        {L"1", L"0", L"255", green},  // no reading on external power
        {L"0", L"8", L"255", green},  // no reading while charging
        {L"0", L"0", L"32", low},
        {L"0", L"0", L"33", green},
    };
    Settings.TodayShowStatus = 1;
    BuildHotZones();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::wstring(c.acLine) + c.flag + c.percent);
        WriteProfile(L"Power", L"ACLineStatus", c.acLine);
        WriteProfile(L"Power", L"BatteryFlag", c.flag);
        WriteProfile(L"Power", L"BatteryLifePercent", c.percent);
        testkit::Canvas canvas(240, ItemHeight, kWhite);
        PaintItem(canvas.dc());
        const RECT bar = StatusBarRect(0);
        EXPECT_EQ(canvas.At(bar.left + 2, bar.top + 2), c.fill);
    }
}

TEST_F(TodayPaintTest, FiguresOfSixtyFourMegabytesAndGigabyteCards)
{
    WriteProfile(L"Memory", L"ProgramTotal", L"65536");
    WriteProfile(L"Memory", L"ProgramFree", L"32768");
    WriteProfile(L"Cards", L"Count", L"2");
    WriteProfile(L"Cards", L"Card1", L"Storage Card");
    WriteProfile(L"Cards", L"Card1Total", L"6291456");   // 6 GB
    WriteProfile(L"Cards", L"Card1Free", L"3145728");
    WriteProfile(L"Cards", L"Card2", L"Storage Card2");
    WriteProfile(L"Cards", L"Card2Total", L"67108864");  // 64 GB
    WriteProfile(L"Cards", L"Card2Free", L"33554432");
    Settings.TodayShowStatus = 1;
    StorageFiguresShown = 1;
    BuildHotZones();
    testkit::Canvas canvas(240, ItemHeight, kWhite);
    PaintItem(canvas.dc());
    EXPECT_EQ(std::wstring(LastMemoryText), L"32.0M");
    EXPECT_EQ(std::wstring(LastStorageTotalText), L"71744.0M");   // 64 MB + 6 GB + 64 GB
    EXPECT_EQ(std::wstring(LastStorageFreeText), L"35880.0M");    // 40 MB + 3 GB + 32 GB
    StorageFigures storage;
    ASSERT_TRUE(ReadStorageFigures(&storage));
    EXPECT_EQ(UsedPercent(storage.totalKilobytes, storage.freeKilobytes), 49);
    EXPECT_EQ(UsedPercent(0, 0), 0);
    EXPECT_EQ(UsedPercent(10, 20), 0);

    // The refresh query: the height first, then the battery, then what differs from the painted figures.
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::NewHeight);
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::StatusChanged);  // the first battery reading
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::Nothing);
    WriteProfile(L"Memory", L"ProgramFree", L"16384");
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::StatusChanged);
    PaintItem(canvas.dc());
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::Nothing);
    WriteProfile(L"Cards", L"Card2Free", L"33554431");
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::Nothing);  // the same to a tenth of a megabyte
    WriteProfile(L"Cards", L"Card2Free", L"30000000");
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::StatusChanged);
    WriteProfile(L"Power", L"BatteryLifePercent", L"50");
    Settings.TodayShowStatus = 0;
    EXPECT_EQ(DecideRefresh(), RefreshAnswer::Nothing);
}

TEST_F(TodayPaintTest, WeatherIconsOnlyForTheCodesOfTheList)
{
    // A list of 39 red icons stands for the weather strip's.
    FreeIconImageLists();
    WeatherIconsLarge = ImageList_Create(32, 32, ILC_COLOR24 | ILC_MASK, 39, 1);
    testkit::Canvas red(32, 32, RGB(255, 0, 0));
    HBITMAP picture = CreateCompatibleBitmap(red.dc(), 32, 32);
    HDC dc = CreateCompatibleDC(red.dc());
    HGDIOBJ old = SelectObject(dc, picture);
    BitBlt(dc, 0, 0, 32, 32, red.dc(), 0, 0, SRCCOPY);
    SelectObject(dc, old);
    DeleteDC(dc);
    for (int i = 0; i < 39; ++i)
        ImageList_AddMasked(WeatherIconsLarge, picture, RGB(255, 0, 255));
    DeleteObject(picture);

    Settings.TodayShowWeather = 1;
    Settings.WeatherIconSize = 1;
    const wchar_t* codes[kWeatherCells] = {L"01", L"40", L"ab"};
    for (int i = 0; i < kWeatherCells; ++i) {
        WeatherDays[i] = WeatherDay();
        _snwprintf(WeatherDays[i].date, kDateChars, L"2024-05-%02d", 7 + i);
        wcscpy(WeatherDays[i].icon, codes[i]);
        wcscpy(WeatherDays[i].value1, L"12");
        wcscpy(WeatherDays[i].value2, L"23");
    }
    WeatherDayCount = 3;
    BuildHotZones();
    testkit::Canvas canvas(240, ItemHeight, kWhite);
    PaintItem(canvas.dc());
    for (int i = 0; i < kWeatherCells; ++i) {
        const RECT cell = WeatherCellRect(i);
        EXPECT_EQ(canvas.At(cell.left + 10, cell.top + 10) == RGB(255, 0, 0), i == 0) << i;
        EXPECT_EQ(WeatherZones[i].value, i + 1);
    }
    WeatherDayCount = 0;
}

// Each weather day's date, "(12/11)" and the like, is drawn whole: every
// pixel the text inks when drawn unclipped at its place is inked in the item.
TEST_F(TodayPaintTest, WeatherDatesAreDrawnWhole)
{
    Settings.TodayShowWeather = 1;
    for (int size : {1, 0}) {
        SCOPED_TRACE(size);
        Settings.WeatherIconSize = size;
        for (int i = 0; i < kWeatherCells; ++i) {
            WeatherDays[i] = WeatherDay();
            _snwprintf(WeatherDays[i].date, kDateChars, L"2026-12-%02d", 11 + 10 * i);
            wcscpy(WeatherDays[i].icon, L"01");
            wcscpy(WeatherDays[i].value1, L"-12");
            wcscpy(WeatherDays[i].value2, L"-23");
        }
        WeatherDayCount = 3;
        BuildHotZones();
        testkit::Canvas canvas(240, ItemHeight, kWhite);
        PaintItem(canvas.dc());
        const wchar_t* dates[kWeatherCells] = {L"12/11", L"12/21", L"12/31"};
        for (int i = 0; i < kWeatherCells; ++i) {
            SCOPED_TRACE(i);
            const RECT cell = WeatherCellRect(i);
            const int middle = (cell.top + cell.bottom) / 2;
            const std::wstring text = size == 1 ? L"  (" + std::wstring(dates[i]) + L")" : dates[i];
            const int left = size == 1 ? WeatherTextRect(i).left : cell.left + 18;
            testkit::Canvas alone(240, ItemHeight, kWhite);
            HGDIOBJ old = SelectObject(alone.dc(), ItemFont());
            SetBkMode(alone.dc(), TRANSPARENT);
            RECT place = {left, cell.top, 240, middle};
            DrawTextW(alone.dc(), text.c_str(), -1, &place, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
            SelectObject(alone.dc(), old);
            int inked = 0, missing = 0;
            for (int y = cell.top; y < middle; ++y) {
                for (int x = left; x < 240; ++x) {
                    if (alone.InkedPixels(x, y, x + 1, y + 1) == 0)
                        continue;
                    ++inked;
                    missing += canvas.InkedPixels(x, y, x + 1, y + 1) == 0;
                }
            }
            EXPECT_GT(inked, 20);
            EXPECT_EQ(missing, 0);
        }
    }
    WeatherDayCount = 0;
}

TEST_F(TodayPaintTest, TheOffscreenBitmapFollowsTheClientArea)
{
    HDC screen = GetDC(nullptr);
    HBITMAP first = OffscreenBitmapFor(screen, RECT{0, 0, 480, 300});
    ASSERT_NE(first, nullptr);
    BITMAP info = {};
    GetObjectW(first, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 480);
    EXPECT_EQ(info.bmHeight, 300);
    EXPECT_EQ(OffscreenBitmapFor(screen, RECT{0, 0, 480, 300}), first);
    HBITMAP second = OffscreenBitmapFor(screen, RECT{0, 0, 240, 180});
    ASSERT_NE(second, nullptr);
    GetObjectW(second, sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 240);
    EXPECT_EQ(info.bmHeight, 180);
    DeleteOffscreenBitmap();
    ReleaseDC(nullptr, screen);
}

// A busy week in each view, painted for a person to look at.
TEST_F(TodayPaintTest, PicturesOfEachView)
{
    CEOID hong = AddContact(L"홍", L"길동");
    (void)hong;
    AddAppointment({L"주간 회의", Date(2024, 5, 7, 9, 0), Date(2024, 5, 7, 10, 0), false, true});
    AddAppointment({L"점심 약속이 아주 길게 적힌 제목", Date(2024, 5, 7, 12, 0), Date(2024, 5, 7, 13, 0)});
    AddAppointment({L"출장", Date(2024, 5, 8), Date(2024, 5, 10), true});
    AddDailyAppointment(L"운동", Date(2024, 5, 7, 19, 0), 60, 5);
    AddTask({L"보고서 제출", Date(2024, 5, 1), Date(2024, 5, 9), false, olImportanceHigh});
    AddTask({L"끝난 일", Date(2024, 5, 1), Date(2024, 5, 8), true});
    testkit::WriteFileBytes(L"\\My Documents\\회의 메모.pwi", {1});
    testkit::WriteFileBytes(L"\\Storage Card\\장보기 목록.pwi", {1});
    Settings.TodaySpan = 4;
    Settings.TodayShowStatus = 1;
    Settings.TodayShowClock = 1;
    Settings.TodayDayDivider = 1;
    StorageFiguresShown = 1;
    for (int view : {kViewSchedule, kViewTasks, kViewMemos, kViewMonth}) {
        ViewMode = view;
        TaskFilterChoice = kTasksAll;
        BuildHotZones();
        ShowCurrentView();
        testkit::Canvas canvas(240, ItemHeight, kWhite);
        PaintItem(canvas.dc());
        EXPECT_GT(canvas.InkedPixels(0, Bands.list.top, 240, Bands.list.bottom), 0);
        testkit::SaveScreenshot(canvas.ToImage(), L"view-" + std::to_wstring(view));
    }
    DeleteFileW(L"\\My Documents\\회의 메모.pwi");
    DeleteFileW(L"\\Storage Card\\장보기 목록.pwi");
}

}  // namespace
