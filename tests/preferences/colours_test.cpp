// The colours page and the colour picker: each swatch through the picker,
// the palette, the reset from the Today item's colour, unsaved picks.
#include "core/settings_file.h"
#include "editors/color_picker.h"
#include "editors/preferences_state.h"
#include "resources/resource.h"
#include "tests/preferences/sheet_driver.h"
#include "tests/views/main_window_fixture.h"

#include <commctrl.h>

namespace {

constexpr wchar_t kPickerCaption[] = L"색상 선택";
constexpr wchar_t kTodayColourFile[] = L"\\Windows\\Glimmor.ini";

using S = DiarySettings;
struct SwatchField {
    int id;
    int32_t S::*field;
};
const SwatchField kSwatches[] = {
    {IDC_COLORS_SCHEDULE, &S::ScheduleColor},           {IDC_COLORS_ANNIVERSARY, &S::AnniversaryColor},
    {IDC_COLORS_HOLIDAY, &S::HolidayColor},             {IDC_COLORS_HEADER, &S::HeaderColor},
    {IDC_COLORS_DATE_WEEKDAY, &S::DateWeekdayColor},    {IDC_COLORS_DATE_SATURDAY, &S::DateSaturdayColor},
    {IDC_COLORS_DATE_SUNDAY, &S::DateSundayColor},      {IDC_COLORS_DATE_HOLIDAY, &S::DateHolidayColor},
    {IDC_COLORS_NAME_WEEKDAY, &S::DayNameWeekdayColor}, {IDC_COLORS_NAME_SATURDAY, &S::DayNameSaturdayColor},
    {IDC_COLORS_NAME_SUNDAY, &S::DayNameSundayColor},
};

void WriteTodayColour(COLORREF colour)
{
    char text[16];
    snprintf(text, sizeof(text), "%9lu", static_cast<unsigned long>(colour));
    testkit::WriteFileBytes(kTodayColourFile, std::vector<uint8_t>(text, text + 9));
}

// The centre pixel of a control on the screen, once it shows the colour
// or a bound passes: a loaded machine paints the children late.
COLORREF CentreOnceItShows(HWND page, int id, COLORREF expected)
{
    RECT r = testkit::ScreenRect(GetDlgItem(page, id));
    COLORREF seen = CLR_INVALID;
    testkit::PumpUntil(
        [&] {
            seen = testkit::ScreenPixel((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            return seen == expected;
        },
        3000);
    return seen;
}

class ColoursTest : public testing::Test {
protected:
    void SetUp() override
    {
        views::EnsureMainWindow();
        WriteTodayColour(RGB(255, 255, 255));
        ASSERT_TRUE(SaveSettings());
    }
};

TEST_F(ColoursTest, EachSwatchTakesThePickedColour)
{
    std::vector<int32_t> picked;
    prefs::NoticeCounter notices;
    ASSERT_TRUE(prefs::RunSheet(kTodayColorsPage, [&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        int pick = IDC_PICKER_FIRST_SWATCH + 3;
        for (const SwatchField& swatch : kSwatches) {
            SCOPED_TRACE(swatch.id);
            EXPECT_TRUE(prefs::WithDialog(kPickerCaption, [&] { prefs::Click(page, swatch.id); },
                                          [&](HWND picker) { prefs::Click(picker, pick); }));
            EXPECT_EQ(PaletteColorOf(pick), Settings.*swatch.field);
            picked.push_back(Settings.*swatch.field);
            pick += 4;
        }
        UpdateWindow(page);
        const auto first = static_cast<COLORREF>(PaletteColorOf(IDC_PICKER_FIRST_SWATCH + 3));
        EXPECT_EQ(first, CentreOnceItShows(page, IDC_COLORS_SCHEDULE, first));
        prefs::PressOk(page);
    }));
    const DiarySettings saved = ReadSettingsFile(RGB(255, 255, 255), nullptr);
    for (size_t i = 0; i < std::size(kSwatches); ++i)
        EXPECT_EQ(picked[i], saved.*kSwatches[i].field);
}

TEST_F(ColoursTest, ClosingThePickerChangesNothing)
{
    const int32_t before = Settings.HolidayColor;
    ASSERT_TRUE(prefs::RunSheet(kTodayColorsPage, [&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        EXPECT_TRUE(prefs::WithDialog(kPickerCaption, [&] { prefs::Click(page, IDC_COLORS_HOLIDAY); },
                                      [](HWND picker) { prefs::Click(picker, IDCANCEL); }));
        EXPECT_EQ(-1, PickedColor);
        prefs::PressCancel(page);
    }));
    EXPECT_EQ(before, Settings.HolidayColor);
}

TEST_F(ColoursTest, PaletteHoldsFortyEightColoursInRows)
{
    const COLORREF expected[48] = {
        0x8080FF, 0x80FFFF, 0x80FF80, 0x80FF00, 0xFFFF80, 0xFF8000, 0xC080FF, 0xFF80FF,
        0x0000FF, 0x00FFFF, 0x00FF80, 0x40FF00, 0xFFFF00, 0xC08000, 0xC08080, 0xFF00FF,
        0x404080, 0x4080FF, 0x00FF00, 0x808000, 0x804000, 0xFF8080, 0x400080, 0x8000FF,
        0x000080, 0x0080FF, 0x008000, 0x408000, 0xFF0000, 0xA00000, 0x800080, 0xFF0080,
        0x000040, 0x004080, 0x004000, 0x404000, 0x800000, 0x400000, 0x400040, 0x800040,
        0x000000, 0x008080, 0x408080, 0x808080, 0x808040, 0xC0C0C0, 0x400040, 0xFFFFFF,
    };
    EXPECT_EQ(-1, PaletteColorOf(IDC_PICKER_FIRST_SWATCH - 1));
    EXPECT_EQ(-1, PaletteColorOf(IDC_PICKER_LAST_SWATCH + 1));
    HWND owner = views::EnsureMainWindow();
    EXPECT_TRUE(prefs::WithDialog(kPickerCaption, [&] { RunColorPicker(owner); }, [&](HWND picker) {
        const RECT place = testkit::ScreenRect(picker);
        EXPECT_EQ(15, place.left);
        EXPECT_EQ(47, place.top);
        EXPECT_EQ(210, place.right - place.left);
        EXPECT_EQ(209, place.bottom - place.top);
        UpdateWindow(picker);
        for (int i = 0; i < 48; ++i) {
            SCOPED_TRACE(i);
            const int id = IDC_PICKER_FIRST_SWATCH + i;
            EXPECT_EQ(static_cast<int>(expected[i]), PaletteColorOf(id));
            RECT r = testkit::ScreenRect(GetDlgItem(picker, id));
            MapWindowPoints(nullptr, picker, reinterpret_cast<POINT*>(&r), 2);
            EXPECT_EQ(10 + 24 * (i % 8), r.left);
            EXPECT_EQ(20 + 24 * (i / 8), r.top);
            EXPECT_EQ(20, r.right - r.left);
            EXPECT_EQ(20, r.bottom - r.top);
        }
        EXPECT_EQ(expected[12], CentreOnceItShows(picker, IDC_PICKER_FIRST_SWATCH + 12, expected[12]));
        RedrawWindow(picker, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        testkit::SaveScreenshot(testkit::CaptureWindow(picker), L"prefs_colour_picker");
        prefs::Click(picker, IDC_PICKER_FIRST_SWATCH + 47);
    }));
    EXPECT_EQ(0xFFFFFF, PickedColor);
}

TEST_F(ColoursTest, ResetTakesTheTodayItemsColour)
{
    for (COLORREF today : {RGB(255, 255, 255), RGB(7, 3, 1)}) {
        SCOPED_TRACE(today);
        WriteTodayColour(today);
        for (const SwatchField& swatch : kSwatches)
            Settings.*swatch.field = 0x123456;
        ASSERT_TRUE(SaveSettings());
        ASSERT_TRUE(prefs::RunSheet(kTodayColorsPage, [&](HWND sheet) {
            HWND page = PropSheet_GetCurrentPageHwnd(sheet);
            prefs::Click(page, IDC_COLORS_RESET);
            EXPECT_EQ(GetDlgItem(page, IDC_COLORS_CANCEL), GetFocus());
            UpdateWindow(page);
            EXPECT_EQ(today, CentreOnceItShows(page, IDC_COLORS_SCHEDULE, today));
            EXPECT_EQ(RGB(255, 0, 0), CentreOnceItShows(page, IDC_COLORS_DATE_SUNDAY, RGB(255, 0, 0)));
            EXPECT_EQ(RGB(0, 255, 255), CentreOnceItShows(page, IDC_COLORS_NAME_SATURDAY, RGB(0, 255, 255)));
            prefs::PressCancel(page);
        }));
        int whiteOrToday = 0, red = 0, cyan = 0;
        for (const SwatchField& swatch : kSwatches) {
            const COLORREF colour = static_cast<COLORREF>(Settings.*swatch.field);
            whiteOrToday += colour == today;
            red += colour == 0x0000FF;
            cyan += colour == 0xFFFF00;
        }
        EXPECT_EQ(7, whiteOrToday);
        EXPECT_EQ(3, red);
        EXPECT_EQ(1, cyan);
        EXPECT_EQ(static_cast<int32_t>(0x0000FF), Settings.DayNameSundayColor);
        EXPECT_EQ(static_cast<int32_t>(0xFFFF00), Settings.DayNameSaturdayColor);
    }
    WriteTodayColour(RGB(255, 255, 255));
}

TEST_F(ColoursTest, AnUnsavedPickIsDroppedAtTheNextOpening)
{
    const int32_t saved = Settings.ScheduleColor;
    ASSERT_TRUE(prefs::RunSheet(kTodayColorsPage, [&](HWND sheet) {
        HWND page = PropSheet_GetCurrentPageHwnd(sheet);
        EXPECT_TRUE(prefs::WithDialog(kPickerCaption, [&] { prefs::Click(page, IDC_COLORS_SCHEDULE); },
                                      [](HWND picker) { prefs::Click(picker, IDC_PICKER_FIRST_SWATCH + 5); }));
        prefs::PressCancel(page);
    }));
    // Kept in memory after Cancel...
    EXPECT_EQ(PaletteColorOf(IDC_PICKER_FIRST_SWATCH + 5), Settings.ScheduleColor);
    ASSERT_TRUE(prefs::RunSheet(kTodayColorsPage, [&](HWND sheet) {
        // ...and read again from the file when the page opens.
        EXPECT_EQ(saved, Settings.ScheduleColor);
        prefs::PressCancel(PropSheet_GetCurrentPageHwnd(sheet));
    }));
}

}  // namespace
