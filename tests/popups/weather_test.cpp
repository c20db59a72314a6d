// The weather feed and its store: the record layout against the fixture and
// its table, the refusals, the database and Cloudrake.ini as written, the
// region's days read back, the import file, and the downloads from the
// weather server stand-in in each of its modes, bounded in time.
#include "tests/popups/weather_fixture.h"

#include "tests/today/today_fixture.h"
#include "core/db_access.h"
#include "tests/shell/support.h"
#include "tests/support/device_clock.h"
#include "today/item_timers.h"
#include "today/weather_download.h"
#include "today/weather_store.h"

#include <cstring>
#include <functional>

namespace {

using namespace weathertest;
using todaytest::Ascii;
using todaytest::Hex;
using todaytest::operator+;

constexpr wchar_t kAddress[] = L"127.0.0.23";
// The cap of an exchange and what Wine's process and socket start add.
constexpr DWORD kCallLimitMs = kWeatherExchangeLimitMs + 1500;

std::wstring DateOfDay(int day)
{
    wchar_t text[kDateChars];
    _snwprintf(text, kDateChars, L"2024-05-%02d", 7 + day);
    return text;
}

Bytes WithByte(Bytes bytes, size_t offset, uint8_t value)
{
    bytes[offset] = value;
    return bytes;
}

Bytes WithText(Bytes bytes, size_t offset, const std::string& text)
{
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<ptrdiff_t>(offset));
    return bytes;
}

class WeatherTest : public todaytest::TodayTest {
protected:
    void SetUp() override
    {
        TodayTest::SetUp();
        ResetWeatherState();
        DeleteFileW(kLastWeatherDateFile);
        DeleteFileW(kWeatherImportFile);
        SetWeatherHost(nullptr);
        Settings.TodayShowWeather = 1;
        ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 0));
    }
    void TearDown() override
    {
        testkit::RestoreDeviceTime();
        SetWeatherHost(nullptr);
        TodayTest::TearDown();
    }
    // A stored feed to be kept: the fixture stored on 2024-05-06.
    StoredWeather StoreEarlierFeed()
    {
        SetToday(2024, 5, 6);
        EXPECT_TRUE(StoreWeatherFeed(FixtureRecords()));
        SetToday(2024, 5, 7);
        return ReadStoredWeather();
    }
};

// ---- the record layout -----------------------------------------------------------

TEST(WeatherRecordLayout, TheFixtureReadsFieldByFieldAsItsTable)
{
    const Bytes bytes = FixtureFeed();
    ASSERT_EQ(bytes.size(), kWeatherFeedBytes);
    const std::vector<TableRow> table = FixtureTable();
    ASSERT_EQ(table.size(), kWeatherFeedRecords);
    WeatherFeed feed;
    ASSERT_TRUE(DecodeWeatherFeed(bytes.data(), bytes.size(), kWeatherRecordBytes, &feed));
    auto trimmed = [](std::wstring text) { return text.erase(text.find_last_not_of(L' ') + 1); };
    for (size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(i);
        const TableRow& row = table[i];
        const WeatherDay& day = feed[i];
        EXPECT_EQ(std::wstring(day.date), DateOfDay(row.day));
        EXPECT_EQ(std::wstring(day.region), row.region);
        EXPECT_EQ(std::wstring(day.icon), row.icon);
        EXPECT_EQ(std::wstring(day.value1), row.value1);
        EXPECT_EQ(std::wstring(day.value2), row.value2);
        EXPECT_EQ(std::wstring(day.value3), row.value3);
        EXPECT_EQ(std::wstring(day.value4), row.value4);
        EXPECT_EQ(std::wstring(day.description), trimmed(row.description));
    }
    // What the table holds that the reader must get right.
    EXPECT_EQ(std::wstring(feed[1].value1), L"-12");
    EXPECT_EQ(std::wstring(feed[6].value1), L"");
    EXPECT_EQ(std::wstring(feed[6].value2), L"");
    EXPECT_EQ(table[25].description.back(), L' ');  // trailing blanks in the table, trimmed when read
    EXPECT_NE(std::wstring(feed[25].description).back(), L' ');
    // "서울" in code page 949 followed by six blanks.
    EXPECT_EQ(Hex(Bytes(bytes.begin() + 10, bytes.begin() + 20)), Hex(Bytes{0xBC, 0xAD, 0xBF, 0xEF} + Bytes(6, ' ')));
}

TEST(WeatherRecordLayout, TheWriterGivesTheFixturesBack)
{
    const WeatherFeed feed = FixtureRecords();
    EXPECT_EQ(Hex(EncodeWeatherFeed(feed, kWeatherRecordBytes)), Hex(FixtureFeed()));
    const Bytes dat = FixtureDat();
    ASSERT_EQ(dat.size(), kWeatherFileBytes);
    EXPECT_EQ(Hex(EncodeWeatherFeed(feed, kWeatherFileSlotBytes)), Hex(dat));
    WeatherFeed fromDat;
    ASSERT_TRUE(DecodeWeatherFeed(dat.data(), dat.size(), kWeatherFileSlotBytes, &fromDat));
    for (size_t i = 0; i < kWeatherFeedRecords; ++i)
        EXPECT_EQ(std::wstring(fromDat[i].description), std::wstring(feed[i].description)) << i;
}

TEST(WeatherRecordLayout, FeedsThatAreRefusedWhole)
{
    const Bytes good = FixtureFeed();
    const size_t last = 69 * kWeatherRecordBytes;
    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"empty", Bytes()},
        {"one byte short", Bytes(good.begin(), good.end() - 1)},
        {"one byte long", good + Bytes{' '}},
        {"30 February", WithText(good, 0, "2024-02-30")},
        {"month 13", WithText(good, last, "2024-13-01")},
        {"slashes", WithText(good, 0, "2024/05/07")},
        {"letters", WithText(good, 0, "abcd-ef-gh")},
        {"blank date", WithText(good, 0, "          ")},
        {"zero byte in the region", WithByte(good, 12, 0)},
        {"zero byte in a value", WithByte(good, last + 23, 0)},
        {"zero byte in the description", WithByte(good, 34 + 49, 0)},
        {"a lead byte cut at the region's end", WithByte(good, 19, 0xB0)},
        {"a lead byte without its trail", WithText(good, 34, "\xB0\x20")},
        {"a byte of no character", WithByte(good, last + 40, 0xFF)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WeatherFeed feed;
        EXPECT_FALSE(DecodeWeatherFeed(c.bytes.data(), c.bytes.size(), kWeatherRecordBytes, &feed));
    }
    // Values and icon codes are free text; a leap day is a date.
    WeatherFeed feed;
    Bytes free = WithText(WithText(WithText(good, 20, "00"), 22, "abc"), 84 + 20, "40");
    free = WithText(free, 0, "2024-02-29");
    ASSERT_TRUE(DecodeWeatherFeed(free.data(), free.size(), kWeatherRecordBytes, &feed));
    EXPECT_EQ(std::wstring(feed[0].icon), L"00");
    EXPECT_EQ(std::wstring(feed[0].value1), L"abc");
    EXPECT_EQ(std::wstring(feed[1].icon), L"40");
}

// ---- the store -----------------------------------------------------------------

TEST_F(WeatherTest, TheDatabaseHoldsTheFeedPropertyByProperty)
{
    ASSERT_TRUE(StoreWeatherFeed(FixtureRecords()));
    const WeatherFeed feed = FixtureRecords();
    int sequence = 0;
    ForEachWeatherRecord(kWeatherSequence, [&](const CEPROPVAL* values, WORD count) {
        SCOPED_TRACE(sequence);
        ASSERT_LT(sequence, 70);
        const WeatherDay& day = feed[static_cast<size_t>(sequence++)];
        ASSERT_EQ(count, 9);
        const CEPROPID ids[] = {kWeatherSequence, kWeatherDate,   kWeatherRegion, kWeatherDescription, kWeatherIcon,
                                kWeatherValue1,   kWeatherValue2, kWeatherValue3, kWeatherValue4};
        const wchar_t* texts[] = {day.date,   day.region, day.description, day.icon,
                                  day.value1, day.value2, day.value3,      day.value4};
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(values[i].propid, ids[i]) << i;
        EXPECT_EQ(ids[0], 0x10003u);
        EXPECT_EQ(ids[8], 0x9001Fu);
        EXPECT_EQ(values[0].val.lVal, sequence);
        for (int i = 1; i < 9; ++i)
            EXPECT_STREQ(values[i].val.lpwstr, texts[i - 1]) << i;
    });
    EXPECT_EQ(sequence, 70);

    CEOID oid = 0;
    HANDLE database = CeOpenDatabaseInSession(DiarySession, &DiaryVolume, &oid, const_cast<LPWSTR>(kWeatherDatabase),
                                              nullptr, 0, nullptr);
    ASSERT_NE(database, INVALID_HANDLE_VALUE);
    CloseHandle(database);
    CEOIDINFOEX info = {};
    info.wVersion = CEOIDINFOEX_VERSION;
    ASSERT_TRUE(CeOidGetInfoEx2(&DiaryVolume, oid, &info));
    ASSERT_EQ(info.infDatabase.wNumSortOrder, 2);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[0].rgPropID[0], kWeatherSequence);
    EXPECT_EQ(info.infDatabase.rgSortSpecs[1].rgPropID[0], kWeatherRegion);
    EXPECT_EQ(info.infDatabase.dwNumRecords, 70u);

    EXPECT_EQ(Hex(testkit::ReadFileBytes(kLastWeatherDateFile)), Hex(Ascii("2024-05-07")));
    EXPECT_EQ(std::wstring(LastWeatherDate), L"2024-05-07");
}

TEST_F(WeatherTest, TheLastDateIsTenBytesOrNone)
{
    struct Case {
        const char* what;
        bool file;
        Bytes bytes;
        const wchar_t* read;
    };
    const Case cases[] = {
        {"no file", false, Bytes(), L"0000-00-00"},
        {"nine bytes", true, Ascii("2024-05-0"), L"0000-00-00"},
        {"ten bytes", true, Ascii("2024-05-06"), L"2024-05-06"},
        {"more", true, Ascii("2024-05-06\r\n"), L"2024-05-06"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(kLastWeatherDateFile);
        if (c.file) {
            ASSERT_TRUE(testkit::WriteFileBytes(kLastWeatherDateFile, c.bytes));
        }
        ReadLastWeatherDate();
        EXPECT_EQ(std::wstring(LastWeatherDate), c.read);
    }
    wcscpy(LastWeatherDate, L"2024-12-31");
    ASSERT_TRUE(SaveLastWeatherDate());
    EXPECT_EQ(Hex(testkit::ReadFileBytes(kLastWeatherDateFile)), Hex(Ascii("2024-12-31")));
}

TEST_F(WeatherTest, TheRegionsDaysFromTodayAtMostEightInDateOrder)
{
    ASSERT_TRUE(StoreWeatherFeed(FixtureRecords()));
    // Trimmed region names match; the fixture's first region is Seoul.
    ASSERT_EQ(WeatherDayCount, 7);
    EXPECT_EQ(std::wstring(WeatherDays[0].date), L"2024-05-07");
    EXPECT_EQ(std::wstring(WeatherDays[0].region), L"서울");
    EXPECT_EQ(std::wstring(WeatherDays[0].description), L"맑음");

    SetToday(2024, 5, 10);
    LoadWeather(L"제주");
    ASSERT_EQ(WeatherDayCount, 4);  // days before today are not shown
    EXPECT_EQ(std::wstring(WeatherDays[0].date), L"2024-05-10");
    EXPECT_EQ(std::wstring(WeatherDays[3].date), L"2024-05-13");

    // Ten days of one region, stored latest first: the first eight found,
    // then in date order.
    WeatherFeed feed = FixtureRecords();
    for (int i = 0; i < 10; ++i) {
        WeatherDay& day = feed[static_cast<size_t>(i)];
        _snwprintf(day.date, kDateChars, L"2024-05-%02d", 29 - i);
        wcscpy(day.region, L"광주");
    }
    ASSERT_TRUE(StoreWeatherFeed(feed));
    LoadWeather(L"광주");
    ASSERT_EQ(WeatherDayCount, 8);
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(std::wstring(WeatherDays[i].date), DateOfDay(15 + i)) << i;  // 05-22 .. 05-29
    LoadWeather(L"없음");
    EXPECT_EQ(WeatherDayCount, 0);
}

TEST_F(WeatherTest, RegionCodesNameTheirRegionAndOthersKeepIt)
{
    struct Case {
        int code;
        const wchar_t* region;
        const wchar_t* title;
    };
    const Case cases[] = {
        {1, L"서울", L"■ 날씨[서울/경기 지역]"},   {101, L"춘천", L"■ 날씨[영서/춘천 지역]"},
        {201, L"강릉", L"■ 날씨[영동/강릉 지역]"}, {301, L"청주", L"■ 날씨[충북/청주 지역]"},
        {401, L"대전", L"■ 날씨[충남/대전 지역]"}, {501, L"전주", L"■ 날씨[전북/전주 지역]"},
        {601, L"광주", L"■ 날씨[전남/광주 지역]"}, {701, L"대구", L"■ 날씨[경북/대구 지역]"},
        {801, L"부산", L"■ 날씨[경남/부산 지역]"}, {901, L"제주", L"■ 날씨[제주 지역]"},
        {55, L"제주", L"■ 날씨[제주 지역]"},       {0, L"제주", L"■ 날씨[제주 지역]"},
        {1001, L"제주", L"■ 날씨[제주 지역]"},
    };
    EXPECT_EQ(std::wstring(WeatherRegionName), L"서울");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        ApplyWeatherRegion(c.code);
        EXPECT_EQ(std::wstring(WeatherRegionName), c.region);
        EXPECT_EQ(std::wstring(WeatherRegionTitle(WeatherRegionName)), c.title);
    }
}

TEST_F(WeatherTest, TheImportFileIsStoredOnlyWhenItIsWholeAndAlwaysRemoved)
{
    const Bytes dat = FixtureDat();
    struct Case {
        const char* what;
        Bytes bytes;
        bool stored;
    };
    const Case cases[] = {
        {"5949 bytes", Bytes(dat.begin(), dat.end() - 1), false},
        {"5951 bytes", dat + Bytes{'\n'}, false},
        {"a bad date", WithText(dat, 85 * 3, "2024-05-32"), false},
        {"5950 bytes", dat, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const StoredWeather before = ReadStoredWeather();
        ASSERT_TRUE(testkit::WriteFileBytes(kWeatherImportFile, c.bytes));
        EXPECT_EQ(ImportWeatherFile(), 1);
        EXPECT_FALSE(testkit::FileExists(kWeatherImportFile));
        const StoredWeather after = ReadStoredWeather();
        if (c.stored) {
            EXPECT_EQ(after.records.size(), 70u);
            EXPECT_EQ(Hex(after.lastDate), Hex(Ascii("2024-05-07")));
        } else {
            EXPECT_TRUE(after == before) << Describe(after);
        }
    }
    EXPECT_EQ(ImportWeatherFile(), 0);
    // Timer 1 imports a file too.
    ASSERT_TRUE(testkit::WriteFileBytes(kWeatherImportFile, dat));
    DeleteFileW(kLastWeatherDateFile);
    OnItemTimer(ItemWindow, kTimerWeatherImport);
    EXPECT_FALSE(testkit::FileExists(kWeatherImportFile));
    EXPECT_TRUE(testkit::FileExists(kLastWeatherDateFile));
}

// Timer 1 every 10 seconds: a file it cannot remove is not stored again
// and again; a read-only one is removed.
TEST_F(WeatherTest, AnImportFileThatStaysIsStoredOnce)
{
    auto stores = [] {
        const std::wstring log = testkit::DeviceLogText();
        int count = 0;
        for (size_t at = log.find(L"weather stored"); at != std::wstring::npos; at = log.find(L"weather stored", at + 1))
            ++count;
        return count;
    };
    ASSERT_TRUE(testkit::WriteFileBytes(kWeatherImportFile, FixtureDat()));
    ASSERT_TRUE(SetFileAttributesW(kWeatherImportFile, FILE_ATTRIBUTE_READONLY));
    int before = stores();
    OnItemTimer(ItemWindow, kTimerWeatherImport);
    EXPECT_EQ(stores(), before + 1);
    EXPECT_FALSE(testkit::FileExists(kWeatherImportFile));

    // Held open by its writer, without leave to delete it.
    ASSERT_TRUE(testkit::WriteFileBytes(kWeatherImportFile, FixtureDat()));
    HANDLE held = CreateFileW(kWeatherImportFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    before = stores();
    for (int tick = 0; tick < 3; ++tick)
        OnItemTimer(ItemWindow, kTimerWeatherImport);
    EXPECT_EQ(stores(), before + 1);
    EXPECT_TRUE(testkit::FileExists(kWeatherImportFile));
    CloseHandle(held);
    OnItemTimer(ItemWindow, kTimerWeatherImport);
    EXPECT_EQ(stores(), before + 1);
    EXPECT_FALSE(testkit::FileExists(kWeatherImportFile));
    // A new file is imported again.
    ASSERT_TRUE(testkit::WriteFileBytes(kWeatherImportFile, FixtureDat()));
    OnItemTimer(ItemWindow, kTimerWeatherImport);
    EXPECT_EQ(stores(), before + 2);
    EXPECT_FALSE(testkit::FileExists(kWeatherImportFile));
}

// A write that fails at the first, a middle or the last record of the new
// feed leaves the stored weather, its last date and the strip's days as they
// were; the next whole feed is stored.
TEST_F(WeatherTest, AStoreFaultLeavesTheLastDateAsItWas)
{
    const StoredWeather before = StoreEarlierFeed();
    ASSERT_EQ(before.records.size(), 70u);
    LoadWeather(WeatherRegionName);
    const int daysShown = WeatherDayCount;
    ASSERT_GT(daysShown, 0);
    for (DWORD failingRecord : {0u, 39u, 69u}) {
        SCOPED_TRACE(failingRecord);
        CeStoreFailLaterChange(kIncomingWeatherDatabase, failingRecord, ERROR_DISK_FULL);
        EXPECT_FALSE(StoreWeatherFeed(FixtureRecords()));
        CeStoreFailNextChange(nullptr, 0);
        EXPECT_TRUE(ReadStoredWeather() == before) << Describe(ReadStoredWeather());
        EXPECT_EQ(Hex(testkit::ReadFileBytes(kLastWeatherDateFile)), Hex(before.lastDate));
        EXPECT_EQ(std::wstring(LastWeatherDate), L"2024-05-06");
        EXPECT_EQ(WeatherDayCount, daysShown);
    }
    EXPECT_TRUE(StoreWeatherFeed(FixtureRecords()));
    const StoredWeather after = ReadStoredWeather();
    EXPECT_EQ(after.records, before.records);
    EXPECT_EQ(Hex(after.lastDate), Hex(Ascii("2024-05-07")));
}

// ---- downloads -------------------------------------------------------------------

struct DownloadOutcome {
    int result;
    DWORD ms;
};

DownloadOutcome TimedDownload()
{
    const DWORD start = GetTickCount();
    const int result = DownloadWeather();
    return DownloadOutcome{result, GetTickCount() - start};
}

TEST_F(WeatherTest, WholeFeedsAreStoredAsSent)
{
    SetWeatherHost(kAddress);
    Bytes free = WithText(WithText(FixtureFeed(), 20, "00"), 84 + 20, "40");
    free = WithText(free, 84 * 2 + 22, "???");
    struct Case {
        const char* what;
        Bytes feed;
        const wchar_t* mode;
    };
    const Case cases[] = {
        {"the fixture", FixtureFeed(), L"whole"},
        {"free-text values and codes 00 and 40", free, L"whole"},
        {"trickled within the time", FixtureFeed(), L"trickle:20"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(kLastWeatherDateFile);
        DeleteWeatherDatabase();
        WeatherServer server(kAddress, c.feed, c.mode);
        ASSERT_TRUE(server.Listening());
        const DownloadOutcome outcome = TimedDownload();
        EXPECT_EQ(outcome.result, 1);
        EXPECT_LT(outcome.ms, kCallLimitMs);
        const StoredWeather stored = ReadStoredWeather();
        ASSERT_EQ(stored.records.size(), 70u);
        EXPECT_EQ(Hex(stored.lastDate), Hex(Ascii("2024-05-07")));
        WeatherFeed sent;
        ASSERT_TRUE(DecodeWeatherFeed(c.feed.data(), c.feed.size(), kWeatherRecordBytes, &sent));
        for (size_t i = 0; i < 3; ++i) {
            for (const wchar_t* text : {sent[i].icon, sent[i].value1}) {
                EXPECT_NE(stored.records[i].find(L"=\"" + std::wstring(text) + L"\""), std::wstring::npos)
                    << testing::PrintToString(stored.records[i]);
            }
        }
        // The client sends nothing.
        const std::vector<std::wstring> connections = server.WaitForConnections(1);
        ASSERT_EQ(connections.size(), 1u);
        EXPECT_NE(connections[0].find(L"received 0 bytes"), std::wstring::npos) << testing::PrintToString(connections[0]);
    }
}

TEST_F(WeatherTest, FeedsThatAreNotWholeChangeNothingAndEndInTime)
{
    SetWeatherHost(kAddress);
    const StoredWeather before = StoreEarlierFeed();
    ASSERT_EQ(before.records.size(), 70u);
    const Bytes good = FixtureFeed();
    struct Case {
        const char* what;
        Bytes feed;
        const wchar_t* mode;
        int result;
    };
    const Case cases[] = {
        {"0 bytes", good, L"cut:0", 1},
        {"5879 bytes", good, L"cut:5879", 1},
        {"5881 bytes", good, L"extra:1", 1},
        {"far too many bytes", good, L"extra:9000", 1},
        {"a bad date", WithText(good, 84 * 40, "2024-04-31"), L"whole", 1},
        {"text not of code page 949", WithByte(good, 84 * 12 + 36, 0xFF), L"whole", 1},
        {"a zero byte", WithByte(good, 84 * 69 + 83, 0), L"whole", 1},
        {"closed at once", good, L"close", 1},
        {"trickled past the time", good, L"trickle:200", 1},
        {"silent", good, L"silent", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WeatherServer server(kAddress, c.feed, c.mode);
        ASSERT_TRUE(server.Listening());
        const DownloadOutcome outcome = TimedDownload();
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_LT(outcome.ms, kCallLimitMs);
        const StoredWeather after = ReadStoredWeather();
        EXPECT_TRUE(after == before) << Describe(after);
        EXPECT_EQ(server.WaitForConnections(1).size(), 1u);
    }
}

TEST_F(WeatherTest, NoHostOrNoServerMeansNoConnection)
{
    const StoredWeather before = StoreEarlierFeed();
    {
        WeatherServer server(kAddress, FixtureFeed());
        ASSERT_TRUE(server.Listening());
        EXPECT_EQ(TimedDownload().result, 0);  // no host set
        SetWeatherHost(L"");
        EXPECT_EQ(TimedDownload().result, 0);
        testkit::PumpFor(300);
        EXPECT_TRUE(server.Connections().empty());
    }
    SetWeatherHost(kAddress);  // refused: nothing listens
    const DownloadOutcome refused = TimedDownload();
    EXPECT_EQ(refused.result, 0);
    EXPECT_LT(refused.ms, kCallLimitMs);
    EXPECT_TRUE(ReadStoredWeather() == before);
}

TEST_F(WeatherTest, AHostNameIsLookedUp)
{
    WeatherServer server(L"127.0.0.1", FixtureFeed());
    ASSERT_TRUE(server.Listening());
    SetWeatherHost(L"localhost");
    EXPECT_EQ(TimedDownload().result, 1);
    EXPECT_EQ(ReadStoredWeather().records.size(), 70u);
}

// ---- a name server that does not answer ------------------------------------------

// The lookup the test holds: it answers with the stand-in's address only
// once let go (or after a long while, so that nothing hangs for good).
HANDLE g_letLookupAnswer = nullptr;
LONG g_lookupsStarted = 0;
constexpr DWORD kHeldLookupLimitMs = 20000;

bool HeldLookup(const char* name, uint32_t* address)
{
    InterlockedIncrement(&g_lookupsStarted);
    WaitForSingleObject(g_letLookupAnswer, kHeldLookupLimitMs);
    *address = 127u | 23u << 24;  // 127.0.0.23, network order
    return strcmp(name, "weather.example") == 0;
}

// Sends the item's window a message every 50 ms from another thread, as
// the Today host's shell would, and keeps the longest wait for its answer.
class AnswerWatch {
public:
    explicit AnswerWatch(HWND window) : window_(window)
    {
        stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~AnswerWatch() { Stop(); }
    DWORD Stop()
    {
        if (thread_) {
            SetEvent(stop_);
            WaitForSingleObject(thread_, 30000);
            CloseHandle(thread_);
            CloseHandle(stop_);
            thread_ = nullptr;
        }
        return longest_;
    }

private:
    static DWORD WINAPI Run(void* parameter)
    {
        auto* watch = static_cast<AnswerWatch*>(parameter);
        while (WaitForSingleObject(watch->stop_, 50) == WAIT_TIMEOUT) {
            const DWORD start = GetTickCount();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(watch->window_, WM_NULL, 0, 0, SMTO_NORMAL, kHeldLookupLimitMs, &result);
            const DWORD waited = GetTickCount() - start;
            if (waited > watch->longest_)
                watch->longest_ = waited;
        }
        return 0;
    }
    HWND window_;
    HANDLE stop_ = nullptr;
    HANDLE thread_ = nullptr;
    DWORD longest_ = 0;  // read once the thread has ended
};

TEST_F(WeatherTest, ALookupThatDoesNotAnswerHoldsTheItemNoLongerThanTheCap)
{
    g_letLookupAnswer = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_lookupsStarted = 0;
    SetWeatherHostLookup(HeldLookup);
    SetWeatherHost(L"weather.example");
    WeatherServer server(kAddress, FixtureFeed());
    ASSERT_TRUE(server.Listening());
    AnswerWatch watch(ItemWindow);

    // At the item's start, then at timer 6 once the wait after a failure is
    // over: each time the item gives up within the cap, the lookup still held.
    DWORD start = GetTickCount();
    DownloadWeatherIfDue();
    EXPECT_LT(GetTickCount() - start, kCallLimitMs);
    testkit::PumpFor(500);
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 16));
    start = GetTickCount();
    OnItemTimer(ItemWindow, kTimerWeatherDownload);
    EXPECT_LT(GetTickCount() - start, kCallLimitMs);
    EXPECT_EQ(std::wstring(LastWeatherDate), L"0000-00-00");
    EXPECT_TRUE(server.Connections().empty());

    // The answer, when it comes, is taken up by the next download; no other
    // lookup was started meanwhile.
    SetEvent(g_letLookupAnswer);
    testkit::PumpFor(300);
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 32));
    OnItemTimer(ItemWindow, kTimerWeatherDownload);
    EXPECT_EQ(server.WaitForConnections(1).size(), 1u);
    EXPECT_EQ(std::wstring(LastWeatherDate), L"2024-05-07");
    EXPECT_EQ(g_lookupsStarted, 1);

    const DWORD longest = watch.Stop();
    EXPECT_LT(longest, kCallLimitMs) << "the item's window did not answer for " << longest << " ms";
    SetWeatherHostLookup(nullptr);
    CloseHandle(g_letLookupAnswer);
}

TEST_F(WeatherTest, OneDownloadADayAndOneAtCreationWithoutALastDate)
{
    SetWeatherHost(kAddress);
    WeatherServer server(kAddress, FixtureFeed());
    ASSERT_TRUE(server.Listening());
    // As the item starts: no Cloudrake.ini, so step 14 downloads.
    LoadStoredWeather();
    EXPECT_EQ(std::wstring(LastWeatherDate), L"0000-00-00");
    DownloadWeatherIfDue();
    EXPECT_EQ(server.WaitForConnections(1).size(), 1u);
    EXPECT_EQ(std::wstring(LastWeatherDate), L"2024-05-07");
    EXPECT_EQ(WeatherDayCount, 7);
    // Timer 6 on the same day downloads no more.
    OnItemTimer(ItemWindow, kTimerWeatherDownload);
    OnItemTimer(ItemWindow, kTimerWeatherDownload);
    testkit::PumpFor(300);
    EXPECT_EQ(server.Connections().size(), 1u);
    // With the weather line off, nothing either.
    SetToday(2024, 5, 8);
    Settings.TodayShowWeather = 0;
    DownloadWeatherIfDue();
    testkit::PumpFor(300);
    EXPECT_EQ(server.Connections().size(), 1u);
    Settings.TodayShowWeather = 1;
    DownloadWeatherIfDue();
    EXPECT_EQ(server.WaitForConnections(2).size(), 2u);
    EXPECT_EQ(std::wstring(LastWeatherDate), L"2024-05-08");
}

TEST_F(WeatherTest, AfterAFailureTheNextTryWaitsFifteenMinutes)
{
    SetWeatherHost(kAddress);
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 0));
    DownloadWeatherIfDue();  // nothing listens
    EXPECT_EQ(std::wstring(LastWeatherDate), L"0000-00-00");
    WeatherServer server(kAddress, FixtureFeed());
    ASSERT_TRUE(server.Listening());
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 14, 50));
    OnItemTimer(ItemWindow, kTimerWeatherDownload);
    testkit::PumpFor(300);
    EXPECT_TRUE(server.Connections().empty());
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 7, 9, 15, 1));
    OnItemTimer(ItemWindow, kTimerWeatherDownload);
    EXPECT_EQ(server.WaitForConnections(1).size(), 1u);
    EXPECT_EQ(std::wstring(LastWeatherDate), L"2024-05-07");
}

TEST_F(WeatherTest, ANewDayReadsTheRegionsDaysAgain)
{
    ASSERT_TRUE(StoreWeatherFeed(FixtureRecords()));
    ASSERT_EQ(WeatherDayCount, 7);
    ASSERT_TRUE(testkit::PoseDeviceTime(2024, 5, 9, 8, 0));
    RefreshOnDateChange();
    EXPECT_EQ(std::wstring(TodayDateText), L"2024-05-09");
    ASSERT_EQ(WeatherDayCount, 5);
    EXPECT_EQ(std::wstring(WeatherDays[0].date), L"2024-05-09");
}

}  // namespace
