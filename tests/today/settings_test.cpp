// The item's settings: the shared settings file by its length with the
// item's defaults, the Today colour file, the saved view mode and the
// first-run marker.
#include "tests/today/today_fixture.h"

#include "tests/startup/settings_fixture.h"
#include "today/today_settings.h"

#include <string>

namespace {

using namespace todaytest;

constexpr COLORREF kTodayColour = RGB(0x12, 0x34, 0x56);

void WriteSettingsFile(size_t length)
{
    testkit::WriteFileBytes(L"\\Windows\\Quillon.ini",
                            std::vector<uint8_t>(kCustomRecord, kCustomRecord + length));
}

class TodaySettingsTest : public TodayTest {
protected:
    void TearDown() override
    {
        DeleteFileW(L"\\Windows\\Quillon.ini");
        DeleteFileW(L"\\Windows\\GlimmorM.ini");
        DeleteFileW(L"\\Windows\\Glimmor.$$$");
        TodayTest::TearDown();
    }
};

TEST_F(TodaySettingsTest, EveryKnownLengthKeepsItsFieldsAndTakesTheItemsDefaultsForTheRest)
{
    struct Case {
        size_t length;
        int32_t dateStyle;     // field 23
        int32_t showWeather;   // field 39
        int32_t region;        // field 41
        int32_t dottedLines;   // field 47
        int32_t rowsShown;     // field 7 + 3
    };
    const Case cases[] = {
        {178, 3, 0, 501, 0, 15},
        {176, 3, 0, 501, 1, 15},
        {170, 3, 0, 501, 1, 15},
        {158, 3, 1, 1, 1, 15},
        {126, 3, 1, 1, 1, 15},
        {118, 2, 1, 1, 1, 15},  // the oldest layout shows the lunar date alone
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        WriteSettingsFile(c.length);
        ReadTodaySettings(kTodayColour);
        EXPECT_EQ(Settings.TodayDateStyle, c.dateStyle);
        EXPECT_EQ(Settings.TodayShowWeather, c.showWeather);
        EXPECT_EQ(Settings.WeatherRegion, c.region);
        EXPECT_EQ(Settings.CalendarDottedLines, c.dottedLines);
        EXPECT_EQ(RowsShown, c.rowsShown);
        EXPECT_EQ(Settings.ScheduleColor, 1010);  // every layout carries the colours
    }
}

TEST_F(TodaySettingsTest, NoFileOrAnUnknownLengthTakesTheTodayColourForTheColours)
{
    for (size_t length : {size_t(0), size_t(100), size_t(177)}) {
        SCOPED_TRACE(length);
        DeleteFileW(L"\\Windows\\Quillon.ini");
        if (length > 0)
            WriteSettingsFile(length);
        ReadTodaySettings(kTodayColour);
        EXPECT_EQ(Settings.ScheduleColor, static_cast<int32_t>(kTodayColour));
        EXPECT_EQ(Settings.HeaderColor, static_cast<int32_t>(kTodayColour));
        EXPECT_EQ(Settings.DateSundayColor, 255);
        EXPECT_EQ(Settings.TodayDateStyle, 1);
        EXPECT_EQ(RowsShown, 7);
    }
}

TEST_F(TodaySettingsTest, TheTodayColourIsWrittenForTheMainProgram)
{
    ReadTodaySettings(kTodayColour);
    const std::vector<uint8_t> bytes = testkit::ReadFileBytes(L"\\Windows\\Glimmor.ini");
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "  5649426");
}

TEST_F(TodaySettingsTest, TheMainProgramsFolderComesFromTheRegistry)
{
    ReadTodaySettings(kTodayColour);
    EXPECT_EQ(std::wstring(MainProgramFolder), StandinFolder());
}

TEST_F(TodaySettingsTest, TheViewModeFileHoldsAViewOrReadsAsTheSchedule)
{
    struct Case {
        const char* bytes;
        int mode;
    };
    const Case cases[] = {
        {" 0", 0}, {" 2", 2}, {" 3", 3}, {"99", 1}, {"-1", 1}, {" 4", 1}, {"x1", 1}, {"3", 1}, {" 2 ", 1}, {nullptr, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes ? c.bytes : "(no file)");
        DeleteFileW(L"\\Windows\\GlimmorM.ini");
        if (c.bytes)
            testkit::WriteFileBytes(L"\\Windows\\GlimmorM.ini",
                                    std::vector<uint8_t>(c.bytes, c.bytes + strlen(c.bytes)));
        EXPECT_EQ(LoadViewMode(), c.mode);
    }
    ViewMode = kViewMemos;
    SaveViewMode();
    const std::vector<uint8_t> saved = testkit::ReadFileBytes(L"\\Windows\\GlimmorM.ini");
    EXPECT_EQ(std::string(saved.begin(), saved.end()), " 3");
    EXPECT_EQ(LoadViewMode(), kViewMemos);
}

TEST_F(TodaySettingsTest, TheFirstRunMarkerStartsTheMainProgramOnce)
{
    const int before = MainProgramStarts();
    testkit::WriteFileBytes(L"\\Windows\\Glimmor.$$$", {});
    ReadTodaySettings(kTodayColour);
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Glimmor.$$$"));
    ReadTodaySettings(kTodayColour);
    EXPECT_EQ(WaitForMainProgramStarts(before + 1), before + 1);
}

}  // namespace
