#include "today/weather_store.h"

#include "core/db_access.h"

#include <strsafe.h>

#include <algorithm>
#include <cstring>

namespace {

struct WeatherRegionEntry {
    int code;
    const wchar_t* name;
    const wchar_t* title;
};
const WeatherRegionEntry kRegions[] = {
    {1, L"서울", L"■ 날씨[서울/경기 지역]"},   {101, L"춘천", L"■ 날씨[영서/춘천 지역]"},
    {201, L"강릉", L"■ 날씨[영동/강릉 지역]"}, {301, L"청주", L"■ 날씨[충북/청주 지역]"},
    {401, L"대전", L"■ 날씨[충남/대전 지역]"}, {501, L"전주", L"■ 날씨[전북/전주 지역]"},
    {601, L"광주", L"■ 날씨[전남/광주 지역]"}, {701, L"대구", L"■ 날씨[경북/대구 지역]"},
    {801, L"부산", L"■ 날씨[경남/부산 지역]"}, {901, L"제주", L"■ 날씨[제주 지역]"},
};

constexpr DWORD kDateBytes = 10;

using WeatherValues = std::array<CEPROPVAL, 9>;

WeatherValues ValuesOf(int sequence, LPCWSTR date, LPCWSTR region, LPCWSTR description, LPCWSTR icon, LPCWSTR value1,
                       LPCWSTR value2, LPCWSTR value3, LPCWSTR value4)
{
    return {I4Value(kWeatherSequence, sequence), TextValue(kWeatherDate, date),
            TextValue(kWeatherRegion, region),   TextValue(kWeatherDescription, description),
            TextValue(kWeatherIcon, icon),       TextValue(kWeatherValue1, value1),
            TextValue(kWeatherValue2, value2),   TextValue(kWeatherValue3, value3),
            TextValue(kWeatherValue4, value4)};
}

bool WriteValues(HANDLE database, WeatherValues values)
{
    return CeWriteRecordProps(database, 0, static_cast<WORD>(values.size()), values.data()) != 0;
}

bool WriteDayIn(HANDLE database, int sequence, const WeatherDay& day)
{
    return WriteValues(database, ValuesOf(sequence, day.date, day.region, day.description, day.icon, day.value1,
                                          day.value2, day.value3, day.value4));
}

template <size_t N>
void CopyText(wchar_t (&to)[N], LPCWSTR from)
{
    StringCchCopyW(to, N, from ? from : L"");
}

void ReadDay(const OwnRecord& record, WeatherDay& day)
{
    day = WeatherDay();
    CopyText(day.date, record.Text(kWeatherDate));
    CopyText(day.region, record.Text(kWeatherRegion));
    CopyText(day.description, record.Text(kWeatherDescription));
    CopyText(day.icon, record.Text(kWeatherIcon));
    CopyText(day.value1, record.Text(kWeatherValue1));
    CopyText(day.value2, record.Text(kWeatherValue2));
    CopyText(day.value3, record.Text(kWeatherValue3));
    CopyText(day.value4, record.Text(kWeatherValue4));
}

// The whole file when it is at most limit bytes; false when it is missing.
// The file is deleted after the read.
bool TakeFile(LPCWSTR path, std::vector<uint8_t>* bytes, DWORD limit)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bytes->assign(limit + 1, 0);
    DWORD read = 0;
    if (!ReadFile(file, bytes->data(), limit + 1, &read, nullptr))
        read = 0;
    bytes->resize(read);
    CloseHandle(file);
    DeleteFileW(path);
    return true;
}

}  // namespace

int CreateWeatherDatabase()
{
    return CreateOwnDatabase(kWeatherDatabase, {kWeatherSequence, kWeatherRegion});
}

int DeleteWeatherDatabase()
{
    return DropOwnDatabase(kWeatherDatabase);
}

bool WriteWeatherRecord(int sequence, LPCWSTR date, LPCWSTR region, LPCWSTR description, LPCWSTR icon,
                        LPCWSTR value1, LPCWSTR value2, LPCWSTR value3, LPCWSTR value4)
{
    bool written = false;
    WithOwnDatabase(kWeatherDatabase, kUnsorted, [&](HANDLE database) {
        written = WriteValues(database,
                              ValuesOf(sequence, date, region, description, icon, value1, value2, value3, value4));
    });
    return written;
}

void ReadLastWeatherDate()
{
    StringCchCopyW(LastWeatherDate, kDateChars, kNoWeatherDate);
    HANDLE file = CreateFileW(kLastWeatherDateFile, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return;
    char bytes[kDateBytes];
    DWORD read = 0;
    if (ReadFile(file, bytes, kDateBytes, &read, nullptr) && read == kDateBytes) {
        for (DWORD i = 0; i < kDateBytes; ++i)
            LastWeatherDate[i] = static_cast<unsigned char>(bytes[i]);
        LastWeatherDate[kDateBytes] = L'\0';
    }
    CloseHandle(file);
}

bool SaveLastWeatherDate()
{
    char bytes[kDateBytes];
    for (DWORD i = 0; i < kDateBytes; ++i)
        bytes[i] = static_cast<char>(LastWeatherDate[i]);
    HANDLE file = CreateFileW(kLastWeatherDateFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes, kDateBytes, &written, nullptr) && written == kDateBytes;
    CloseHandle(file);
    return whole;
}

void ApplyWeatherRegion(int code)
{
    for (const WeatherRegionEntry& region : kRegions) {
        if (region.code == code)
            StringCchCopyW(WeatherRegionName, ARRAYSIZE(WeatherRegionName), region.name);
    }
}

const wchar_t* WeatherRegionTitle(const wchar_t* regionName)
{
    for (const WeatherRegionEntry& region : kRegions) {
        if (wcscmp(region.name, regionName) == 0)
            return region.title;
    }
    return L"";
}

void LoadWeather(const wchar_t* regionName)
{
    WeatherDayCount = 0;
    WithOwnDatabase(kWeatherDatabase, kWeatherSequence, [&](HANDLE database) {
        DWORD index = 0;
        CEOID record = CeSeekDatabaseEx(database, CEDB_SEEK_BEGINNING, 0, 0, &index);
        OwnRecord read;
        while (record != 0 && WeatherDayCount < kMaxWeatherDays && read.ReadCurrent(database)) {
            if (wcscmp(read.Text(kWeatherRegion), regionName) == 0 &&
                wcscmp(read.Text(kWeatherDate), TodayDateText) >= 0)
                ReadDay(read, WeatherDays[WeatherDayCount++]);
            record = CeSeekDatabaseEx(database, CEDB_SEEK_CURRENT, 1, 0, &index);
        }
    });
    std::stable_sort(WeatherDays, WeatherDays + WeatherDayCount,
                     [](const WeatherDay& a, const WeatherDay& b) { return wcscmp(a.date, b.date) < 0; });
}

void LoadStoredWeather()
{
    ApplyWeatherRegion(Settings.WeatherRegion);
    ReadLastWeatherDate();
    LoadWeather(WeatherRegionName);
}

namespace {

// The feed written whole into a table of its own; nothing of it is left when
// a write fails.
bool WriteIncomingWeather(const WeatherFeed& feed)
{
    DropOwnDatabase(kIncomingWeatherDatabase);
    bool written = CreateOwnDatabase(kIncomingWeatherDatabase, {kWeatherSequence, kWeatherRegion}) == 1;
    if (written) {
        written = WithOwnDatabase(kIncomingWeatherDatabase, kUnsorted, [&](HANDLE database) {
            for (size_t i = 0; i < feed.size() && written; ++i)
                written = WriteDayIn(database, static_cast<int>(i + 1), feed[i]);
        }) && written;
    }
    if (!written)
        DropOwnDatabase(kIncomingWeatherDatabase);
    return written;
}

// The incoming table takes the stored one's name; the stored one is put
// aside first and comes back when the swap fails.
bool SwapInIncomingWeather()
{
    DropOwnDatabase(kOutgoingWeatherDatabase);
    const bool putAside = RenameOwnDatabase(kWeatherDatabase, kOutgoingWeatherDatabase);
    if (!RenameOwnDatabase(kIncomingWeatherDatabase, kWeatherDatabase)) {
        if (putAside)
            RenameOwnDatabase(kOutgoingWeatherDatabase, kWeatherDatabase);
        DropOwnDatabase(kIncomingWeatherDatabase);
        return false;
    }
    DropOwnDatabase(kOutgoingWeatherDatabase);
    return true;
}

}  // namespace

bool StoreWeatherFeed(const WeatherFeed& feed)
{
    // The old weather stays until the new one is whole.
    bool written = WriteIncomingWeather(feed) && SwapInIncomingWeather();
    if (written) {
        StringCchCopyW(LastWeatherDate, kDateChars, TodayDateText);
        written = SaveLastWeatherDate();
    }
    NKDbgPrintfW(written ? L"Glimmor: weather stored\r\n" : L"Glimmor: weather not stored (%lu)\r\n",
                 GetLastError());
    LoadWeather(WeatherRegionName);
    if (ItemWindow)
        InvalidateRect(ItemWindow, nullptr, TRUE);
    return written;
}

int ImportWeatherFile()
{
    std::vector<uint8_t> bytes;
    if (!TakeFile(kWeatherImportFile, &bytes, kWeatherFileBytes))
        return 0;
    WeatherFeed feed;
    if (DecodeWeatherFeed(bytes.data(), bytes.size(), kWeatherFileSlotBytes, &feed))
        StoreWeatherFeed(feed);
    else
        NKDbgPrintfW(L"Glimmor: %ls of %u bytes not stored\r\n", kWeatherImportFile,
                     static_cast<unsigned>(bytes.size()));
    return 1;
}
