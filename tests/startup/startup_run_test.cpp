// The real Quillon.exe on the device: its databases start by start, one
// copy only, the settings it leaves, a failed start, and its window.
#include "core/record_layouts.h"
#include "core/registry.h"
#include "tests/support/box_watch.h"
#include "tests/startup/holiday_fixture.h"
#include "tests/startup/quillon_process.h"
#include "tests/startup/volume_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kVolume[] = L"\\pim.vol";
constexpr wchar_t kSettingsFile[] = L"\\Windows\\Quillon.ini";
constexpr wchar_t kReloadValue[] = L"Quillon ChangeRest";
constexpr DWORD kCaseInsensitive = 2;

const wchar_t* const kDiaryDatabases[] = {L"QuillonMemo2", L"QuillonTask", L"QuillonNote",
                                         L"QuillonShortcut", L"QuillonNoteOutlook", L"QuillonPlan",
                                         L"QuillonMemo", L"QuillonRest", L"QuillonEnv"};

// Starts the program, waits for its window, closes it; true when it ran and
// ended with 0.
testing::AssertionResult RunOnce()
{
    quillon::Process process = quillon::Start();
    if (!process.handle)
        return testing::AssertionFailure() << "Quillon.exe did not start";
    HWND window = quillon::WaitForMainWindow();
    if (!window) {
        quillon::Discard(process);
        return testing::AssertionFailure() << "no main window";
    }
    int code = quillon::Close(window, process);
    if (code != 0)
        return testing::AssertionFailure() << "ended with " << code;
    return testing::AssertionSuccess();
}

std::wstring ReloadValue()
{
    wchar_t value[100] = L"(missing)";
    ReadRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kReloadValue, L"(missing)", value, sizeof(value));
    return value;
}

void ClearReloadValue()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, kReloadValue);
        RegCloseKey(key);
    }
}

void ExpectTheBuiltinHolidays(const std::vector<probe::Record>& holidays)
{
    ASSERT_EQ(holidays.size(), 76u);
    for (size_t i = 0; i < holidays.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "holiday " << i);
        const HolidayRow& h = kHolidayFixture[i];
        EXPECT_EQ(holidays[i], (probe::Record{probe::I4(0, h.id), probe::Text(1, h.date), probe::Text(2, h.name),
                                              probe::Text(3, h.lunar)}));
    }
}

class StartupRunTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileW(kVolume);
        DeleteFileW(kSettingsFile);
        ClearReloadValue();
    }
    void TearDown() override { probe::UnmountVolume(); }

    // Mounts the device's volume to look at it while no copy runs.
    void Inspect() { ASSERT_TRUE(probe::MountVolume(kVolume, false)); }
};

TEST_F(StartupRunTest, HolidaysAreReloadedOnceStartByStart)
{
    struct Start {
        const char* what;
        const wchar_t* valueBefore;  // null: leave as the last start left it
        bool reloaded;
        const wchar_t* valueAfter;
    };
    const Start starts[] = {
        {"first start on an empty volume", nullptr, false, L"(missing)"},
        {"second start: the value is still unset", nullptr, true, L"0"},
        {"third start", nullptr, false, L"0"},
        {"the value 1", L"1", false, L"1"},
        {"the value empty", L"", true, L"0"},
    };
    CEOID lastHolidayDatabase = 0;
    for (const Start& s : starts) {
        SCOPED_TRACE(s.what);
        if (s.valueBefore)
            WriteRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, kReloadValue, s.valueBefore);
        ASSERT_TRUE(RunOnce());
        Inspect();
        probe::DatabaseShape holidays = probe::ReadShape(L"QuillonRest");
        ASSERT_TRUE(holidays.exists);
        if (lastHolidayDatabase != 0) {
            EXPECT_EQ(holidays.oid != lastHolidayDatabase, s.reloaded) << "holiday database made again";
        }
        lastHolidayDatabase = holidays.oid;
        ExpectTheBuiltinHolidays(probe::ReadRecords(L"QuillonRest"));
        EXPECT_EQ(ReloadValue(), s.valueAfter);
        probe::UnmountVolume();
    }
}

TEST_F(StartupRunTest, FirstStartMakesTheNineDatabasesWithTheirSortOrders)
{
    ASSERT_TRUE(RunOnce());
    Inspect();
    const std::vector<std::vector<CEPROPID>> sortOrders = {
        {ownprop::I4(0)},
        {ownprop::I4(1), ownprop::I4(2)},
        {ownprop::Text(2), ownprop::I4(0), ownprop::I4(1), ownprop::Text(5)},
        {ownprop::I4(0)},
        {ownprop::I4(1), ownprop::Text(2)},
        {ownprop::I4(1), ownprop::I4(2)},
        {ownprop::Text(8), ownprop::I4(0), ownprop::I4(12)},
        {ownprop::Text(1), ownprop::I4(0)},
        {},
    };
    for (size_t i = 0; i < 9; ++i) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(kDiaryDatabases[i])));
        probe::DatabaseShape shape = probe::ReadShape(kDiaryDatabases[i]);
        ASSERT_TRUE(shape.exists);
        ASSERT_EQ(shape.sortOrders.size(), sortOrders[i].size());
        for (size_t k = 0; k < sortOrders[i].size(); ++k) {
            EXPECT_EQ(shape.sortOrders[k].properties, std::vector<CEPROPID>{sortOrders[i][k]});
            EXPECT_EQ(shape.sortOrders[k].flags, std::vector<DWORD>{kCaseInsensitive});
        }
        if (i != 7 && i != 8) {
            EXPECT_EQ(shape.records, 0u);
        }
    }
    EXPECT_EQ(probe::ReadRecords(L"QuillonEnv"),
              (std::vector<probe::Record>{{probe::I4(0, 10000), probe::I4(1, 10000), probe::I4(2, 10000)}}));
}

struct PresentCase {
    const char* what;
    std::vector<const wchar_t*> present;
    const wchar_t* valueAfter;  // "(missing)": the holidays were not reloaded
};

TEST_F(StartupRunTest, APartlyPresentVolumeGetsWhatIsMissingAndOneHolidaySet)
{
    const PresentCase cases[] = {
        // The anniversary texts and the Notes links do not count: with only
        // them there the start is a first start, and nothing is reloaded.
        {"anniversary texts and Notes links", {L"QuillonMemo2", L"QuillonNoteOutlook"}, L"(missing)"},
        // Any of the seven others makes it a later start, which reloads the
        // holidays at once (they were made now: still one set).
        {"anniversary texts and memos", {L"QuillonMemo2", L"QuillonNote"}, L"0"},
        {"shortcuts", {L"QuillonShortcut"}, L"0"},
    };
    for (const PresentCase& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(kVolume);
        ClearReloadValue();
        ASSERT_TRUE(probe::MountVolume(kVolume, true));
        for (const wchar_t* name : c.present) {
            CEDBASEINFOEX info = {};
            info.wVersion = CEDBASEINFOEX_VERSION;
            info.dwFlags = CEDB_VALIDNAME;
            wcscpy(info.szDbaseName, name);
            ASSERT_NE(CeCreateDatabaseEx2(&DiaryVolume, &info), 0u);
        }
        probe::UnmountVolume();

        ASSERT_TRUE(RunOnce());
        Inspect();
        for (const wchar_t* name : kDiaryDatabases)
            EXPECT_TRUE(probe::ReadShape(name).exists) << testing::PrintToString(std::wstring(name));
        ExpectTheBuiltinHolidays(probe::ReadRecords(L"QuillonRest"));
        EXPECT_EQ(probe::ReadRecords(L"QuillonEnv").size(), 1u);
        EXPECT_EQ(ReloadValue(), c.valueAfter);
        probe::UnmountVolume();
    }
}

}  // namespace
