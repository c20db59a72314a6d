#include "today/weather_record.h"

#include "core/today_request_format.h"

#include <algorithm>
#include <cstring>

namespace {

enum class Coding { Widened, Ansi };

struct FieldLayout {
    size_t offset;
    size_t bytes;
    Coding coding;
};

// In the order of WeatherFields below.
constexpr FieldLayout kLayout[] = {
    {0, 10, Coding::Widened},   // date
    {10, 10, Coding::Ansi},     // region
    {20, 2, Coding::Widened},   // icon code
    {22, 3, Coding::Widened},   // value 1
    {25, 3, Coding::Widened},   // value 2
    {28, 3, Coding::Widened},   // value 3
    {31, 3, Coding::Widened},   // value 4
    {34, 50, Coding::Ansi},     // description
};
constexpr size_t kFieldCount = std::size(kLayout);
static_assert(kLayout[kFieldCount - 1].offset + kLayout[kFieldCount - 1].bytes == kWeatherRecordBytes);

struct FieldText {
    wchar_t* text;
    size_t chars;
};

template <size_t N>
FieldText Field(wchar_t (&text)[N])
{
    return FieldText{text, N};
}

std::array<FieldText, kFieldCount> WeatherFields(WeatherDay& day)
{
    return {Field(day.date),   Field(day.region), Field(day.icon),   Field(day.value1),
            Field(day.value2), Field(day.value3), Field(day.value4), Field(day.description)};
}

size_t TrimmedLength(const uint8_t* bytes, size_t length)
{
    while (length > 0 && bytes[length - 1] == ' ')
        --length;
    return length;
}

bool DecodeField(const uint8_t* bytes, const FieldLayout& layout, FieldText out)
{
    const uint8_t* field = bytes + layout.offset;
    if (std::memchr(field, 0, layout.bytes))
        return false;
    const size_t length = TrimmedLength(field, layout.bytes);
    if (layout.coding == Coding::Widened) {
        for (size_t i = 0; i < length; ++i)
            out.text[i] = field[i];
        out.text[length] = L'\0';
        return true;
    }
    out.text[0] = L'\0';
    if (length == 0)
        return true;
    const int chars = MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, reinterpret_cast<const char*>(field),
                                          static_cast<int>(length), out.text, static_cast<int>(out.chars - 1));
    if (chars <= 0)
        return false;
    out.text[chars] = L'\0';
    return true;
}

void EncodeField(const FieldLayout& layout, const wchar_t* text, uint8_t* bytes)
{
    uint8_t* field = bytes + layout.offset;
    std::memset(field, ' ', layout.bytes);
    if (layout.coding == Coding::Ansi) {
        std::vector<uint8_t> ansi;
        if (AnsiCutToFit(text, layout.bytes, &ansi))
            std::copy(ansi.begin(), ansi.end(), field);
        return;
    }
    for (size_t i = 0; i < layout.bytes && text[i]; ++i)
        field[i] = text[i] <= 0xFF ? static_cast<uint8_t>(text[i]) : '?';
}

bool IsDigits(const wchar_t* text, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        if (text[i] < L'0' || text[i] > L'9')
            return false;
    }
    return true;
}

int Number(const wchar_t* text, size_t count)
{
    int value = 0;
    for (size_t i = 0; i < count; ++i)
        value = value * 10 + (text[i] - L'0');
    return value;
}

int DaysInMonth(int year, int month)
{
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

}  // namespace

bool IsRealDateText(const wchar_t* text)
{
    if (!text || wcslen(text) != 10 || text[4] != L'-' || text[7] != L'-')
        return false;
    if (!IsDigits(text, 4) || !IsDigits(text + 5, 2) || !IsDigits(text + 8, 2))
        return false;
    const int year = Number(text, 4), month = Number(text + 5, 2), day = Number(text + 8, 2);
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool DecodeWeatherRecord(const uint8_t* bytes, WeatherDay* day)
{
    *day = WeatherDay();
    const auto fields = WeatherFields(*day);
    for (size_t i = 0; i < kFieldCount; ++i) {
        if (!DecodeField(bytes, kLayout[i], fields[i]))
            return false;
    }
    return IsRealDateText(day->date);
}

void EncodeWeatherRecord(const WeatherDay& day, uint8_t* bytes)
{
    WeatherDay copy = day;
    const auto fields = WeatherFields(copy);
    for (size_t i = 0; i < kFieldCount; ++i)
        EncodeField(kLayout[i], fields[i].text, bytes);
}

bool DecodeWeatherFeed(const uint8_t* bytes, size_t size, size_t slotBytes, WeatherFeed* feed)
{
    if (!bytes || slotBytes < kWeatherRecordBytes || size != slotBytes * kWeatherFeedRecords)
        return false;
    for (size_t i = 0; i < kWeatherFeedRecords; ++i) {
        if (!DecodeWeatherRecord(bytes + i * slotBytes, &(*feed)[i]))
            return false;
    }
    return true;
}

std::vector<uint8_t> EncodeWeatherFeed(const WeatherFeed& feed, size_t slotBytes, uint8_t separator)
{
    std::vector<uint8_t> bytes(slotBytes * kWeatherFeedRecords, separator);
    for (size_t i = 0; i < kWeatherFeedRecords; ++i)
        EncodeWeatherRecord(feed[i], bytes.data() + i * slotBytes);
    return bytes;
}
