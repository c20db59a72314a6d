// The device's clock and zone: every device process runs in the profile's
// zone (Korea's by default) and on the time a test poses, moved at once for
// processes already running.
#include "tests/hosts/today_items.h"
#include "tests/support/device_clock.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr int kSlackSeconds = 5;  // a loaded machine between the pose and the reading

long long SecondsOf(const SYSTEMTIME& time)
{
    FILETIME file = {};
    SystemTimeToFileTime(&time, &file);
    ULARGE_INTEGER value = {};
    value.LowPart = file.dwLowDateTime;
    value.HighPart = file.dwHighDateTime;
    return static_cast<long long>(value.QuadPart / 10000000);
}

// Seconds from the expected moment to the reading.
long long Lag(const SYSTEMTIME& expected, const SYSTEMTIME& read)
{
    return SecondsOf(read) - SecondsOf(expected);
}

// The moment a probe line gives ("ClockProbe: yyyy-mm-dd hh:mm:ss bias N").
bool ParseProbe(const std::wstring& line, SYSTEMTIME* time, long* bias)
{
    unsigned y, mo, d, h, mi, s;
    if (swscanf(line.c_str(), L"ClockProbe: %u-%u-%u %u:%u:%u bias %ld", &y, &mo, &d, &h, &mi, &s, bias) != 7)
        return false;
    *time = testkit::LocalMoment(static_cast<int>(y), static_cast<int>(mo), static_cast<int>(d), static_cast<int>(h),
                                 static_cast<int>(mi), static_cast<int>(s));
    return true;
}

class DeviceClockTest : public testing::Test {
protected:
    void SetUp() override { hosttest::ClearDeviceLog(); }
    void TearDown() override { testkit::RestoreDeviceTime(); }

    static SYSTEMTIME LocalNow()
    {
        SYSTEMTIME now = {};
        GetLocalTime(&now);
        return now;
    }
    // Whether a probe line shows a moment within the slack after the one given.
    static bool ProbeSaw(const SYSTEMTIME& moment)
    {
        for (const std::wstring& line : shelltest::LogRecords(L"ClockProbe: ")) {
            SYSTEMTIME seen = {};
            long bias = 0;
            if (ParseProbe(line, &seen, &bias) && Lag(moment, seen) >= 0 && Lag(moment, seen) <= kSlackSeconds)
                return true;
        }
        return false;
    }
};

TEST_F(DeviceClockTest, KoreaWhenTheProfileNamesNoZone)
{
    TIME_ZONE_INFORMATION zone = {};
    GetTimeZoneInformation(&zone);
    EXPECT_EQ(zone.Bias, -540);
    EXPECT_EQ(zone.DaylightDate.wMonth, 0);  // no summer time
    // Local time is nine hours ahead of universal time.
    SYSTEMTIME universal = {}, local = {};
    GetSystemTime(&universal);
    GetLocalTime(&local);
    long long ahead = SecondsOf(local) - SecondsOf(universal);
    EXPECT_NEAR(static_cast<double>(ahead), 9 * 3600.0, kSlackSeconds);
}

TEST_F(DeviceClockTest, PosedTimeHoldsForThisAndEveryOtherProcess)
{
    const SYSTEMTIME posed = testkit::LocalMoment(2031, 2, 3, 4, 5, 6);
    ASSERT_TRUE(testkit::PoseDeviceTime(posed));
    long long lag = Lag(posed, LocalNow());
    EXPECT_TRUE(lag >= 0 && lag <= kSlackSeconds) << lag;

    wchar_t date[16] = L"";
    GetDateFormatW(LOCALE_SYSTEM_DEFAULT, 0, nullptr, L"yyyy-MM-dd", date, ARRAYSIZE(date));
    EXPECT_STREQ(date, L"2031-02-03");

    EXPECT_EQ(shelltest::WaitPumping(shelltest::StartBuiltProgram(L"clock_probe.exe", L""), 30000), 0);
    EXPECT_TRUE(ProbeSaw(posed)) << testing::PrintToString(shelltest::LogRecords(L"ClockProbe: "));
    EXPECT_FALSE(shelltest::LogRecords(L"bias -540").empty());

    // Restored: this machine's time again, whatever the offset was.
    ASSERT_TRUE(testkit::RestoreDeviceTime());
    EXPECT_GT(LocalNow().wYear, 2020);
    EXPECT_LT(LocalNow().wYear, 2031);
}

TEST_F(DeviceClockTest, TimeMovedWhileAProcessRuns)
{
    // Just before midnight: the running probe sees the day change over.
    ASSERT_TRUE(testkit::PoseDeviceTime(2030, 12, 31, 23, 59, 58));
    HANDLE probe = shelltest::StartBuiltProgram(L"clock_probe.exe", L"30");
    ASSERT_NE(probe, nullptr);
    EXPECT_TRUE(testkit::PumpUntil([] { return ProbeSaw(testkit::LocalMoment(2031, 1, 1, 0, 0, 0)); }, 20000));

    // Moved far while it runs.
    const SYSTEMTIME moved = testkit::LocalMoment(2040, 6, 1, 12, 0, 0);
    ASSERT_TRUE(testkit::PoseDeviceTime(moved));
    EXPECT_TRUE(testkit::PumpUntil([&] { return ProbeSaw(moved); }, 10000));
    TerminateProcess(probe, 0);
    CloseHandle(probe);
}

TEST_F(DeviceClockTest, FileTimesReadBackAsThePosedLocalTime)
{
    const SYSTEMTIME posed = testkit::LocalMoment(2029, 8, 15, 10, 20, 30);
    ASSERT_TRUE(testkit::PoseDeviceTime(posed));
    const wchar_t path[] = L"\\My Documents\\clock.txt";
    ASSERT_TRUE(testkit::WriteFileBytes(path, {'x'}));

    WIN32_FIND_DATAW found = {};
    HANDLE find = FindFirstFileW(path, &found);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    FindClose(find);
    FILETIME localFile = {};
    SYSTEMTIME written = {};
    ASSERT_TRUE(FileTimeToLocalFileTime(&found.ftLastWriteTime, &localFile));
    ASSERT_TRUE(FileTimeToSystemTime(&localFile, &written));
    long long lag = Lag(posed, written);
    EXPECT_TRUE(lag >= 0 && lag <= kSlackSeconds) << written.wYear << "-" << written.wMonth << "-" << written.wDay
                                                   << " " << written.wHour << ":" << written.wMinute;
    DeleteFileW(path);
}

}  // namespace
