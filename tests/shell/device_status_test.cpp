// The handset's status as each supported profile makes the device report it.
#include "tests/shell/support.h"

#include <gtest/gtest.h>

namespace {

struct HandsetCase {
    const wchar_t* profile;
    const wchar_t* oem;       // read with a size of 100
    const wchar_t* oemShort;  // read with a size of 16: 7 characters
    DWORD major;
    BYTE acLine;
    BYTE batteryFlag;
    BYTE batteryPercent;
};

const HandsetCase kHandsets[] = {
    {L"default", L"Pocket PC", L"Pocket ", 5, 1, 8, 80},
    {L"hp-rw6100", L"hp iPAQ rw6100", L"hp iPAQ", 5, 0, 1, 73},
    {L"hp-hx4700", L"HP iPAQ hx4700", L"HP iPAQ", 4, 1, 8, 95},
    {L"samsung-m4500", L"SAMSUNG SPH-M4500", L"SAMSUNG", 5, 0, 2, 12},
    {L"samsung-m4300", L"SAMSUNG SPH-M4300", L"SAMSUNG", 4, 1, 8, 255},
    {L"samsung-m420", L"SAMSUNG SCH-M420", L"SAMSUNG", 4, 0, 1, 50},
    {L"samsung-m8100", L"SPH-M8100", L"SPH-M81", 5, 1, 0, 100},
    {L"lg", L"LG PDA PHONE", L"LG PDA ", 5, 0, 1, 64},
    {L"lg-phone", L"LG PHONE", L"LG PHON", 4, 1, 8, 88},
    {L"harrowell", L"HARROWELL", L"HARROWE", 4, 0, 1, 41},
    {L"ce3", L"CE3 POCKET PC", L"CE3 POC", 3, 0, 4, 5},
};

constexpr wchar_t kUntouched = 0xAAAA;

}  // namespace

TEST(DeviceStatus, EachHandsetReportsItsOemTextVersionAndPower)
{
    for (const HandsetCase& c : kHandsets) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.profile)));
        shelltest::ScopedProfile pose(shelltest::ProfilePath(c.profile));

        wchar_t oem[100];
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETOEMINFO, sizeof(oem), oem, 0));
        EXPECT_STREQ(oem, c.oem);

        // The size counts bytes: 16 leave room for 7 characters and the zero,
        // and nothing beyond the 16 bytes is written.
        wchar_t small[32];
        for (wchar_t& ch : small)
            ch = kUntouched;
        ASSERT_TRUE(SystemParametersInfoW(SPI_GETOEMINFO, 16, small, 0));
        EXPECT_STREQ(small, c.oemShort);
        for (int i = 8; i < 32; ++i)
            EXPECT_EQ(small[i], kUntouched) << "written past the 16 bytes at " << i;

        OSVERSIONINFOW version = {};
        version.dwOSVersionInfoSize = sizeof(version);
        ASSERT_TRUE(GetVersionExW(&version));
        EXPECT_EQ(version.dwMajorVersion, c.major);
        EXPECT_EQ(version.dwPlatformId, static_cast<DWORD>(VER_PLATFORM_WIN32_CE));

        SYSTEM_POWER_STATUS_EX power = {};
        ASSERT_TRUE(GetSystemPowerStatusEx(&power, FALSE));
        EXPECT_EQ(power.ACLineStatus, c.acLine);
        EXPECT_EQ(power.BatteryFlag, c.batteryFlag);
        EXPECT_EQ(power.BatteryLifePercent, c.batteryPercent);
    }
}

TEST(DeviceStatus, TextQueriesRefuseMissingRoomAndVersionQueriesCheckTheSize)
{
    wchar_t one[1] = {kUntouched};
    EXPECT_FALSE(SystemParametersInfoW(SPI_GETOEMINFO, 1, one, 0));  // not even the zero fits
    EXPECT_EQ(one[0], kUntouched);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETOEMINFO, 2, one, 0));
    EXPECT_EQ(one[0], 0);

    wchar_t platform[32];
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETPLATFORMTYPE, sizeof(platform), platform, 0));
    EXPECT_STREQ(platform, L"PocketPC");

    OSVERSIONINFOEXW extended = {};
    extended.dwOSVersionInfoSize = sizeof(extended);
    EXPECT_TRUE(GetVersionExW(reinterpret_cast<OSVERSIONINFOW*>(&extended)));
    EXPECT_EQ(extended.dwMajorVersion, 5u);
    OSVERSIONINFOW wrong = {};
    wrong.dwOSVersionInfoSize = 12;
    EXPECT_FALSE(GetVersionExW(&wrong));
}

TEST(DeviceStatus, MemoryAndObjectStoreComeFromTheProfile)
{
    struct MemoryCase {
        const wchar_t* profile;
        SIZE_T totalKb, freeKb;
        DWORD load;
        DWORD storeKb, storeFreeKb;
    };
    const MemoryCase cases[] = {
        {L"default", 65536, 32768, 50, 65536, 40960},
        {L"ce3", 32768, 8192, 75, 32768, 4096},
        {L"hp-rw6100", 65536, 30720, 53, 65536, 51200},  // 53.1 % used, rounded down
    };
    for (const MemoryCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.profile)));
        shelltest::ScopedProfile pose(shelltest::ProfilePath(c.profile));
        MEMORYSTATUS memory = {};
        GlobalMemoryStatus(&memory);
        EXPECT_EQ(memory.dwTotalPhys, c.totalKb * 1024);
        EXPECT_EQ(memory.dwAvailPhys, c.freeKb * 1024);
        EXPECT_EQ(memory.dwMemoryLoad, c.load);

        STORE_INFORMATION store = {};
        ASSERT_TRUE(GetStoreInformation(&store));
        EXPECT_EQ(store.dwStoreSize, c.storeKb * 1024);
        EXPECT_EQ(store.dwFreeSize, c.storeFreeKb * 1024);

        ULARGE_INTEGER avail = {}, total = {}, free = {};
        ASSERT_TRUE(GetDiskFreeSpaceExW(L"\\", &avail, &total, &free));
        EXPECT_EQ(total.QuadPart, c.storeKb * 1024ull);
        EXPECT_EQ(free.QuadPart, c.storeFreeKb * 1024ull);
    }
    EXPECT_FALSE(GetStoreInformation(nullptr));
}

TEST(DeviceStatus, AProfileWithoutMemoryKeysGivesTheDefaults)
{
    shelltest::ScopedProfile pose(shelltest::WriteProfile(L"bare", L"[Device]\r\nOemText=bare\r\n"));
    MEMORYSTATUS memory = {};
    GlobalMemoryStatus(&memory);
    EXPECT_EQ(memory.dwTotalPhys, 65536u * 1024);
    EXPECT_EQ(memory.dwAvailPhys, 32768u * 1024);
    SYSTEM_POWER_STATUS_EX power = {};
    ASSERT_TRUE(GetSystemPowerStatusEx(&power, TRUE));
    EXPECT_EQ(power.BatteryLifePercent, 80);
    EXPECT_EQ(power.BatteryLifeTime, BATTERY_LIFE_UNKNOWN);
}

TEST(DeviceStatus, WorkAreaIsTheScreenBelowTheTopBar)
{
    RECT area = {};
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0));
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 26);
    EXPECT_EQ(area.right, 240);
    EXPECT_EQ(area.bottom, 320);
    RECT same = {};
    ASSERT_TRUE(CeGetWorkArea(&same));
    EXPECT_TRUE(EqualRect(&area, &same));
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof(monitor);
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
    EXPECT_TRUE(EqualRect(&monitor.rcWork, &area));
    EXPECT_EQ(monitor.rcMonitor.bottom, 320);
}

TEST(DeviceStatus, SpecialFoldersAreRootedDevicePaths)
{
    struct FolderCase {
        int folder;
        const wchar_t* path;
    };
    const FolderCase cases[] = {
        {CSIDL_PERSONAL, L"\\My Documents"},
        {CSIDL_PROGRAMS, L"\\Windows\\시작 메뉴\\프로그램"},
        {CSIDL_STARTMENU, L"\\Windows\\시작 메뉴"},
        {CSIDL_WINDOWS, L"\\Windows"},
        {CSIDL_PROGRAM_FILES, L"\\Program Files"},
    };
    for (const FolderCase& c : cases) {
        wchar_t path[MAX_PATH] = L"";
        ASSERT_TRUE(SHGetSpecialFolderPathW(nullptr, path, c.folder, FALSE)) << c.folder;
        EXPECT_STREQ(path, c.path);
    }
    wchar_t path[MAX_PATH] = L"";
    EXPECT_FALSE(SHGetSpecialFolderPathW(nullptr, path, 0x7777, FALSE));
}
