// The month grid's picture: where each day lands for both week starts, the
// next month's days in the last row, and how days look: holidays and the
// Sunday column red, busy days bold, today underlined, the range banded.
#include "core/fonts.h"
#include "lists/mini_calendar.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr COLORREF kBand = RGB(233, 234, 251);

ScheduleEntry DayEntry(const wchar_t* day, int32_t oid, const wchar_t* subject = L"")
{
    ScheduleEntry entry = {};
    entry.objectId = oid;
    wcsncpy(entry.dayDate, day, kScheduleDateChars - 1);
    wcsncpy(entry.subject, subject, kScheduleSubjectChars - 1);
    return entry;
}

class MiniCalendarTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(CreateAppFonts()); }
    void TearDown() override
    {
        MonthScheduleCache.entries.clear();
        DeleteAppFonts();
    }

    static std::vector<int> Row(int row) { return std::vector<int>(DayCellDays[row], DayCellDays[row] + kGridColumns); }

    // Pixels of the day's number in the text colour: near black or red.
    static int TextPixels(const testkit::Canvas& canvas, const RECT& cell, bool red)
    {
        int count = 0;
        for (int y = cell.top; y < cell.bottom; ++y) {
            for (int x = cell.left; x < cell.right; ++x) {
                COLORREF c = canvas.At(x, y);
                bool isRed = GetRValue(c) > GetGValue(c) + 60 && GetRValue(c) > GetBValue(c) + 60;
                bool isDark = GetRValue(c) + GetGValue(c) + GetBValue(c) < 300;
                count += red ? isRed : isDark;
            }
        }
        return count;
    }
};

struct LayoutCase {
    int year, month, weekStart;
    const wchar_t* rangeStart;
    const wchar_t* rangeEnd;
    std::vector<std::vector<int>> rows;
};

TEST_F(MiniCalendarTest, DaysLandInTheirCells)
{
    const LayoutCase cases[] = {
        // A Saturday 1st with the week starting on Sunday: all six rows.
        {2007, 12, 0, L"2007-12-01", L"2007-12-31",
         {{0, 0, 0, 0, 0, 0, 1}, {2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15}, {16, 17, 18, 19, 20, 21, 22},
          {23, 24, 25, 26, 27, 28, 29}, {30, 31, 1, 2, 3, 4, 5}}},
        // A Sunday 1st with the week starting on Monday: six blanks first.
        {2007, 7, 1, L"2007-07-01", L"2007-07-31",
         {{0, 0, 0, 0, 0, 0, 1}, {2, 3, 4, 5, 6, 7, 8}, {9, 10, 11, 12, 13, 14, 15}, {16, 17, 18, 19, 20, 21, 22},
          {23, 24, 25, 26, 27, 28, 29}, {30, 31, 1, 2, 3, 4, 5}}},
        // A week running into February: the last row ends with its days.
        {2007, 1, 0, L"2007-01-28", L"2007-02-03",
         {{0, 1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12, 13}, {14, 15, 16, 17, 18, 19, 20}, {21, 22, 23, 24, 25, 26, 27},
          {28, 29, 30, 31, 1, 2, 3}, {0, 0, 0, 0, 0, 0, 0}}},
        // February of a common year starting on a Sunday: four full rows.
        {2009, 2, 0, L"2009-02-01", L"2009-02-28",
         {{1, 2, 3, 4, 5, 6, 7}, {8, 9, 10, 11, 12, 13, 14}, {15, 16, 17, 18, 19, 20, 21}, {22, 23, 24, 25, 26, 27, 28},
          {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0}}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << " week start " << c.weekStart);
        testkit::Canvas canvas(140, 84);
        PaintMonthCells(canvas.dc(), c.year, c.month, {c.rangeStart, c.rangeEnd, L"2000-01-01", c.weekStart});
        EXPECT_EQ(GridYear, c.year);
        EXPECT_EQ(GridMonth, c.month);
        for (int row = 0; row < kGridRows; ++row) {
            EXPECT_EQ(Row(row), c.rows[static_cast<size_t>(row)]) << "row " << row;
            for (int column = 0; column < kGridColumns; ++column) {
                const RECT& cell = DayCellRects[row][column];
                if (DayCellDays[row][column] == 0) {
                    EXPECT_TRUE(IsRectEmpty(&cell));
                    continue;
                }
                // Columns 18 pixels apart from x 1, rows 13 apart from y 2.
                EXPECT_EQ(cell.left, 18 * column);
                EXPECT_EQ(cell.top, 13 * row + 2);
                EXPECT_GT(cell.right, cell.left + 8);
                EXPECT_GT(cell.bottom, cell.top + 8);
            }
        }
    }
}

TEST_F(MiniCalendarTest, RangeBandReachesTheNextMonthsDaysOnlyWhenTheRangeDoes)
{
    testkit::Canvas canvas(140, 84);
    PaintMonthCells(canvas.dc(), 2007, 1, {L"2007-01-28", L"2007-02-03", L"2000-01-01", 0});
    // The box left of each number takes the cell's background.
    // The cell's first pixel: its box, above the number.
    auto background = [&](int row, int column) {
        return canvas.At(DayCellRects[row][column].left, DayCellRects[row][column].top);
    };
    EXPECT_EQ(background(4, 0), kBand);  // Jan 28
    EXPECT_EQ(background(4, 3), kBand);  // Jan 31
    EXPECT_EQ(background(4, 6), kBand);  // Feb 3
    EXPECT_EQ(background(3, 6), RGB(255, 255, 255));  // Jan 27

    PaintMonthCells(canvas.dc(), 2007, 1, {L"2007-01-01", L"2007-01-31", L"2000-01-01", 0});
    EXPECT_EQ(background(4, 3), kBand);
    EXPECT_EQ(background(4, 4), RGB(255, 255, 255));  // Feb 1, the range ends with January
}

TEST_F(MiniCalendarTest, HolidaysSundaysBusyDaysAndToday)
{
    // Wednesday 2007-01-10: a nameless holiday; Friday the 12th busy;
    // February 2nd (next month, last row) a holiday.
    testkit::Canvas plain(140, 84);
    PaintMonthCells(plain.dc(), 2007, 1, {L"2007-01-01", L"2007-01-31", L"2000-01-01", 0});
    RECT wednesday = DayCellRects[1][3];
    RECT friday = DayCellRects[1][5];
    RECT sunday = DayCellRects[1][0];
    RECT feb2 = DayCellRects[4][5];
    int plainFriday = TextPixels(plain, friday, false);
    int plainToday = TextPixels(plain, DayCellRects[2][2], false);
    EXPECT_EQ(TextPixels(plain, wednesday, true), 0);
    EXPECT_GT(TextPixels(plain, sunday, true), 0);

    MonthScheduleCache.entries = {DayEntry(L"2007-01-10", 0), DayEntry(L"2007-01-12", 5, L"회의"),
                                  DayEntry(L"2007-02-02", 0, L"명절")};
    testkit::Canvas marked(140, 84);
    PaintMonthCells(marked.dc(), 2007, 1, {L"2007-01-01", L"2007-01-31", L"2007-01-16", 0});
    EXPECT_GT(TextPixels(marked, wednesday, true), 0);
    EXPECT_GT(TextPixels(marked, feb2, true), 0);
    EXPECT_GT(TextPixels(marked, friday, false), plainFriday);          // bold
    EXPECT_GT(TextPixels(marked, DayCellRects[2][2], false), plainToday);  // underlined

    // With the week starting on Monday the Sunday column is the last one.
    testkit::Canvas monday(140, 84);
    PaintMonthCells(monday.dc(), 2007, 1, {L"2007-01-01", L"2007-01-31", L"2000-01-01", 1});
    EXPECT_EQ(DayCellDays[0][6], 7);
    EXPECT_GT(TextPixels(monday, DayCellRects[0][6], true), 0);
    EXPECT_EQ(TextPixels(monday, DayCellRects[0][0], true), 0);
}

// Stands in for the grid window: shows the kept picture when painted.
HBITMAP shownPicture = nullptr;

LRESULT CALLBACK PictureWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_PAINT)
        return DefWindowProcW(window, message, wParam, lParam);
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, shownPicture);
    BitBlt(dc, 0, 0, 126, 84, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    EndPaint(window, &paint);
    return 0;
}

// The grid with its labels, as the schedule view places them.
class MiniCalendarScreen : public MiniCalendarTest {
protected:
    void SetUp() override
    {
        MiniCalendarTest::SetUp();
        host = testkit::CreateTestWindow(true, 240, 120);
        auto label = [&](int x, int y, int width) {
            return CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_CENTER | ES_MULTILINE, x, y, width, 16,
                                   host, nullptr, nullptr, nullptr);
        };
        windows.grid = CreateWindowExW(0, testkit::RegisterTestClass(PictureWindowProc).c_str(), L"",
                                       WS_CHILD | WS_VISIBLE, 108, 20, 128, 83, host, nullptr, nullptr, nullptr);
        windows.yearLabel = label(35, 20, 57);
        windows.monthLabel = label(45, 36, 37);
        windows.dateLabel = label(20, 45, 87);
        windows.lunarLabel = label(20, 65, 87);
        for (HWND& name : windows.dayNameLabels)
            name = label(20, 50, 87);
        HDC dc = GetDC(windows.grid);
        bitmap = CreateCompatibleBitmap(dc, 140, 84);
        shownPicture = bitmap;
        ReleaseDC(windows.grid, dc);
        testkit::PumpFor(200);
    }
    void TearDown() override
    {
        DeleteObject(bitmap);
        DestroyWindow(host);
        MiniCalendarTest::TearDown();
    }

    HWND host = nullptr;
    MiniCalendarWindows windows = {};
    HBITMAP bitmap = nullptr;
};

TEST_F(MiniCalendarScreen, LabelsAndScreenshots)
{
    struct ScreenCase {
        const wchar_t* name;
        int year, month, weekStart;
        const wchar_t* start;
        const wchar_t* end;
        const wchar_t* current;
        const wchar_t* today;
        std::vector<ScheduleEntry> entries;
        const wchar_t* dayName;
        int dayIndex;
        const wchar_t* lunar;
    };
    const ScreenCase cases[] = {
        {L"grid-2007-01-week", 2007, 1, 0, L"2007-01-28", L"2007-02-03", L"2007-01-31", L"2007-01-16",
         {DayEntry(L"2007-01-10", 0, L"휴일"), DayEntry(L"2007-01-12", 5), DayEntry(L"2007-01-30", 6),
          DayEntry(L"2007-02-02", 7)},
         L"07-01-31 수", 3, L"(음12/13)"},
        {L"grid-2007-12-month", 2007, 12, 0, L"2007-12-01", L"2007-12-31", L"2007-12-25", L"2007-12-20",
         {DayEntry(L"2007-12-25", 0, L"성탄절"), DayEntry(L"2007-12-25", 3), DayEntry(L"2007-12-19", 4)},
         L"07-12-25 화", 2, L"(음11/16)"},
        {L"grid-2006-09-monday", 2006, 9, 1, L"2006-09-05", L"2006-09-05", L"2006-09-05", L"2006-09-05",
         {DayEntry(L"2006-09-05", 0, L"휴일"), DayEntry(L"2006-09-07", 9)}, L"06-09-05 화", 2, L"(음윤7/13)"},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.name)));
        MonthScheduleCache.entries = c.entries;
        int shown =
            PaintMiniCalendarTo(windows, bitmap, c.year, c.month, {c.start, c.end, c.today, c.weekStart}, c.current);
        EXPECT_EQ(testkit::WindowText(windows.yearLabel), std::to_wstring(c.year) + L"년");
        EXPECT_EQ(testkit::WindowText(windows.monthLabel), std::to_wstring(c.month) + L"월");
        EXPECT_EQ(testkit::WindowText(windows.lunarLabel), c.lunar);
        EXPECT_EQ(shown, c.dayIndex);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(testkit::IsShown(windows.dayNameLabels[i]), i == c.dayIndex) << i;
        EXPECT_EQ(testkit::WindowText(windows.dayNameLabels[c.dayIndex]), c.dayName);
        EXPECT_FALSE(testkit::IsShown(windows.dateLabel));
        testkit::PumpFor(150);
        testkit::SaveScreenshot(testkit::CaptureWindow(host), c.name);
    }
}

}  // namespace
