#include "tests/popups/weather_fixture.h"

#include "core/db_access.h"
#include "core/registry.h"
#include "tests/popups/fixture_ids.h"
#include "tests/shell/support.h"
#include "today/weather_store.h"

#include <sstream>

namespace weathertest {

namespace {

constexpr wchar_t kServedFeed[] = L"\\Temp\\weather-served.bin";
constexpr wchar_t kConnectionRecord[] = L"WeatherServer: connection";
constexpr DWORD kStartLimitMs = 15000;

Bytes Resource(int id)
{
    HMODULE self = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(self, MAKEINTRESOURCEW(id), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(self, found) : nullptr;
    const auto* bytes = static_cast<const uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    return bytes ? Bytes(bytes, bytes + SizeofResource(self, found)) : Bytes();
}

std::wstring FromUtf8(const std::string& text)
{
    std::wstring wide(text.size(), L'\0');
    const int chars = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                                          static_cast<int>(wide.size()));
    wide.resize(chars > 0 ? static_cast<size_t>(chars) : 0);
    return wide;
}

std::vector<std::wstring> SplitTabs(const std::wstring& line)
{
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (size_t tab = line.find(L'\t'); tab != std::wstring::npos; tab = line.find(L'\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(line.substr(start));
    return fields;
}

std::wstring PropertyText(const CEPROPVAL& value)
{
    std::wostringstream text;
    text << std::hex << value.propid << std::dec << L"=";
    switch (TypeFromPropID(value.propid)) {
    case CEVT_I4: text << value.val.lVal; break;
    case CEVT_LPWSTR: text << L"\"" << (value.val.lpwstr ? value.val.lpwstr : L"") << L"\""; break;
    default: text << L"?"; break;
    }
    return text.str();
}

}  // namespace

Bytes FixtureFeed()
{
    return Resource(IDR_WEATHER_FEED);
}

Bytes FixtureDat()
{
    return Resource(IDR_WEATHER_DAT);
}

WeatherFeed FixtureRecords()
{
    WeatherFeed feed;
    const Bytes bytes = FixtureFeed();
    EXPECT_TRUE(DecodeWeatherFeed(bytes.data(), bytes.size(), kWeatherRecordBytes, &feed));
    return feed;
}

std::vector<TableRow> FixtureTable()
{
    const Bytes bytes = Resource(IDR_WEATHER_TABLE);
    const std::wstring text = FromUtf8(std::string(bytes.begin(), bytes.end()));
    std::vector<TableRow> rows;
    std::wistringstream lines(text);
    std::wstring line;
    while (std::getline(lines, line)) {
        if (line.empty() || line[0] == L'#')
            continue;
        const std::vector<std::wstring> f = SplitTabs(line);
        if (f.size() != 8) {
            ADD_FAILURE() << "table line of " << f.size() << " fields";
            continue;
        }
        rows.push_back(TableRow{std::stoi(f[0]), f[1], f[2], f[3], f[4], f[5], f[6], f[7]});
    }
    return rows;
}

WeatherServer::WeatherServer(const std::wstring& address, const Bytes& feed, const std::wstring& mode)
{
    if (!testkit::WriteFileBytes(kServedFeed, feed)) {
        ADD_FAILURE() << "cannot write the served feed";
        return;
    }
    tag_ = L"WeatherServer: listening on " + address + L":";
    const size_t listeningBefore = shelltest::LogRecords(tag_).size();
    const size_t failedBefore = shelltest::LogRecords(L"WeatherServer: cannot").size();
    process_ = shelltest::StartBuiltProgram(L"WeatherServer.exe", L"/address " + address + L" /feed " + kServedFeed +
                                                                      L" /mode " + mode);
    if (!process_)
        return;
    testkit::PumpUntil(
        [&] {
            return shelltest::LogRecords(tag_).size() > listeningBefore ||
                   shelltest::LogRecords(L"WeatherServer: cannot").size() > failedBefore ||
                   WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
        },
        kStartLimitMs);
    listening_ = shelltest::LogRecords(tag_).size() > listeningBefore;
    connectionsBefore_ = shelltest::LogRecords(kConnectionRecord).size();
    EXPECT_TRUE(listening_) << "the weather server did not come up on " << testing::PrintToString(address);
}

WeatherServer::~WeatherServer()
{
    if (!process_)
        return;
    TerminateProcess(process_, 0);
    WaitForSingleObject(process_, 10000);
    CloseHandle(process_);
}

std::vector<std::wstring> WeatherServer::Connections() const
{
    std::vector<std::wstring> all = shelltest::LogRecords(kConnectionRecord);
    if (all.size() <= connectionsBefore_)
        return {};
    return std::vector<std::wstring>(all.begin() + static_cast<ptrdiff_t>(connectionsBefore_), all.end());
}

std::vector<std::wstring> WeatherServer::WaitForConnections(size_t count, DWORD timeoutMs) const
{
    testkit::PumpUntil([&] { return Connections().size() >= count; }, timeoutMs);
    return Connections();
}

void SetWeatherHost(const wchar_t* host)
{
    if (host) {
        ASSERT_EQ(WriteRegistryString(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, L"Quillon WeatherHost", host), 1);
        return;
    }
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kDiaryRegistryKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, L"Quillon WeatherHost");
        RegCloseKey(key);
    }
}

bool ForEachWeatherRecord(CEPROPID order, const std::function<void(const CEPROPVAL* values, WORD count)>& fn)
{
    return WithOwnDatabase(kWeatherDatabase, order, [&](HANDLE database) {
        DWORD index = 0;
        CEOID record = CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index);
        while (record != 0) {
            WORD count = 0;
            DWORD size = 0;
            BYTE* buffer = nullptr;
            if (!CeReadRecordPropsEx(database, 0, &count, nullptr, &buffer, &size, nullptr)) {
                ADD_FAILURE() << "a weather record does not read";
                break;
            }
            fn(reinterpret_cast<const CEPROPVAL*>(buffer), count);
            LocalFree(buffer);
            record = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
    });
}

StoredWeather ReadStoredWeather()
{
    StoredWeather stored;
    stored.databaseFound = ForEachWeatherRecord(kUnsorted, [&](const CEPROPVAL* values, WORD count) {
        std::wstring line;
        for (WORD i = 0; i < count; ++i)
            line += PropertyText(values[i]) + L" ";
        stored.records.push_back(line);
    });
    stored.lastDateFound = testkit::FileExists(kLastWeatherDateFile);
    stored.lastDate = testkit::ReadFileBytes(kLastWeatherDateFile);
    return stored;
}

std::string Describe(const StoredWeather& stored)
{
    std::ostringstream text;
    text << (stored.databaseFound ? "database of " : "no database, ") << stored.records.size() << " records; "
         << (stored.lastDateFound ? "Cloudrake.ini " + todaytest::Hex(stored.lastDate) : std::string("no Cloudrake.ini"));
    return text.str();
}

void ResetWeatherState()
{
    wcscpy(WeatherRegionName, L"서울");
    wcscpy(LastWeatherDate, kNoWeatherDate);
    WeatherRetryAfter = 0;
    WeatherDayCount = 0;
}

}  // namespace weathertest
