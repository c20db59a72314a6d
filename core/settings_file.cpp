#include "core/settings_file.h"

#include <strsafe.h>

DiarySettings Settings = {};
char ScheduleMode = 'D';
char KeypadSearchField = 'S';
char ContactSearchField = 'S';
COLORREF TodayTextColor = RGB(255, 255, 255);
wchar_t SettingsFilePath[MAX_PATH] = L"";

namespace {

constexpr wchar_t kSettingsFile[] = L"\\Windows\\Quillon.ini";
constexpr wchar_t kTodayColourFile[] = L"\\Windows\\Glimmor.ini";
constexpr wchar_t kTemporarySuffix[] = L".tmp";
constexpr int kColourFieldBytes = 9;
constexpr int32_t kWhite = RGB(255, 255, 255);
constexpr int32_t kRed = 255;
constexpr int32_t kCyan = 0xFFFF00;
constexpr int32_t kTodayColour = INT32_MIN;  // stands for TodayTextColor in the table

constexpr int32_t kMinZoom = 25;     // the Rich Ink control's zoom range
constexpr int32_t kMaxZoom = 400;
constexpr int32_t kLastRegion = 901;  // 1 + 100 x the tenth region's index
// Fields whose readers have their own rule for any value (the saved view,
// the schedule range, the two search-field letters and the contact-list
// layout) keep what was read.
constexpr int32_t kAnyLowest = INT32_MIN;
constexpr int32_t kAnyHighest = INT32_MAX;

struct Field {
    int32_t DiarySettings::*member;
    int width;
    int32_t fresh;  // no file, or a length of no known layout
    int32_t older;  // missing from an older, shorter layout
    int32_t lowest, highest;  // what a value read from the file may be
};

// In file order. Fields 1 to 20 are in every known layout.
const Field kFields[kSettingsFieldCount] = {
    {&DiarySettings::TodayUnderline, 2, 0, 0, 0, 1},
    {&DiarySettings::TodayDayDivider, 2, 0, 0, 0, 1},
    {&DiarySettings::WeekStart, 2, 0, 0, 0, 1},
    {&DiarySettings::KeypadLayout, 2, -1, -1, -1, 3},
    {&DiarySettings::KeypadSearchField, 2, 1, 1, kAnyLowest, kAnyHighest},
    {&DiarySettings::TodaySpan, 2, 6, 6, 0, 6},
    {&DiarySettings::TodayLines, 3, 4, 4, 0, 14},
    {&DiarySettings::TodayOnlyBusyDays, 2, 1, 1, 0, 1},
    {&DiarySettings::TodayExtraInfo, 2, 2, 2, 0, 2},
    {&DiarySettings::ScheduleColor, 9, kTodayColour, kTodayColour, 0, kWhite},
    {&DiarySettings::AnniversaryColor, 9, kTodayColour, kTodayColour, 0, kWhite},
    {&DiarySettings::HolidayColor, 9, kTodayColour, kTodayColour, 0, kWhite},
    {&DiarySettings::HeaderColor, 9, kTodayColour, kTodayColour, 0, kWhite},
    {&DiarySettings::DateWeekdayColor, 9, kTodayColour, kTodayColour, 0, kWhite},
    {&DiarySettings::DateSaturdayColor, 9, kTodayColour, kTodayColour, 0, kWhite},
    {&DiarySettings::DateSundayColor, 9, kRed, kRed, 0, kWhite},
    {&DiarySettings::DateHolidayColor, 9, kRed, kRed, 0, kWhite},
    {&DiarySettings::DayNameWeekdayColor, 9, kTodayColour, kTodayColour, 0, kWhite},
    {&DiarySettings::DayNameSaturdayColor, 9, kCyan, kCyan, 0, kWhite},
    {&DiarySettings::DayNameSundayColor, 9, kRed, kRed, 0, kWhite},
    {&DiarySettings::ContactListColumns, 2, 1, 2, kAnyLowest, kAnyHighest},
    {&DiarySettings::ContactNameParts, 2, 1, 1, 1, 2},
    {&DiarySettings::TodayDateStyle, 2, 1, 1, 1, 3},
    {&DiarySettings::TodayDateBold, 2, 1, 1, 0, 1},
    {&DiarySettings::CurrentView, 2, 1, 1, kAnyLowest, kAnyHighest},
    {&DiarySettings::ScheduleMode, 2, 1, 1, kAnyLowest, kAnyHighest},
    {&DiarySettings::MemoTypeZoom, 4, 200, 200, kMinZoom, kMaxZoom},
    {&DiarySettings::MemoInkZoom, 4, 100, 100, kMinZoom, kMaxZoom},
    {&DiarySettings::TodayShowOverdueTasks, 2, 0, 0, 0, 1},
    {&DiarySettings::ContactSearchField, 2, 0, 0, kAnyLowest, kAnyHighest},
    {&DiarySettings::TodayShowPastItems, 2, 1, 1, 0, 1},
    {&DiarySettings::TodayShowStatus, 2, 1, 1, 0, 1},
    {&DiarySettings::TodayShowShortcuts, 2, 0, 0, 0, 1},
    {&DiarySettings::TodayStatusDivider, 2, 1, 1, 0, 1},
    {&DiarySettings::TodayShortcutDivider, 2, 0, 0, 0, 1},
    {&DiarySettings::TodayShowCompletedTasks, 2, 1, 1, 0, 1},
    {&DiarySettings::TodayShowWeekday, 2, 1, 1, 0, 1},
    {&DiarySettings::TodayShowReminderPriority, 2, 1, 1, 0, 1},
    {&DiarySettings::TodayShowWeather, 2, 1, 1, 0, 1},
    {&DiarySettings::WeatherIconSize, 2, 1, 1, 0, 1},
    {&DiarySettings::WeatherRegion, 4, 1, 1, 1, kLastRegion},
    {&DiarySettings::MemoInputMode, 2, 1, 1, 1, 2},
    {&DiarySettings::MemoSource, 2, 2, 1, 1, 2},
    {&DiarySettings::ShortcutIconSize, 2, 0, 0, 0, 1},
    {&DiarySettings::TodayShowClock, 2, 0, 0, 0, 1},
    {&DiarySettings::ContactLoader, 2, 0, 0, 0, 1},
    {&DiarySettings::CalendarDottedLines, 2, 1, 1, 0, 1},
};

// The layouts the program has written, by their length in bytes.
struct Layout {
    size_t bytes;
    int fields;
};

const Layout kLayouts[] = {{178, 47}, {176, 46}, {170, 43}, {158, 38}, {126, 24}, {118, 20}};

int FieldsOfLayout(size_t bytes)
{
    for (const Layout& layout : kLayouts) {
        if (layout.bytes == bytes)
            return layout.fields;
    }
    return 0;
}

int32_t Resolve(int32_t value, COLORREF todayTextColor)
{
    return value == kTodayColour ? static_cast<int32_t>(todayTextColor) : value;
}

// A right-aligned decimal number filling its slot: blanks, an optional
// minus sign and at least one digit.
bool ParseNumber(const char* text, int width, int32_t* value)
{
    int i = 0;
    while (i < width && text[i] == ' ')
        ++i;
    bool negative = i < width && text[i] == '-';
    if (negative)
        ++i;
    if (i == width)
        return false;
    int64_t number = 0;
    for (; i < width; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        number = number * 10 + (text[i] - '0');
    }
    *value = static_cast<int32_t>(negative ? -number : number);
    return true;
}

int32_t Clamp(int32_t value, int width)
{
    // One place of the width stays for a blank or the minus sign, so that
    // readers which skip blanks before each field stay aligned.
    int32_t limit = 1;
    for (int i = 1; i < width; ++i)
        limit *= 10;
    limit -= 1;
    if (value > limit)
        return limit;
    if (value < -limit)
        return -limit;
    return value;
}

int32_t SearchFieldNumber(char letter)
{
    switch (letter) {
    case 'N': return 1;
    case 'C': return 2;
    case 'T': return 3;
    default:  return 0;
    }
}

int32_t ScheduleModeNumber(char letter)
{
    return letter == 'W' ? 2 : letter == 'M' ? 3 : 1;
}

char ScheduleModeLetter(int32_t number)
{
    return number == 2 ? 'W' : number == 3 ? 'M' : 'D';
}

// Reads up to capacity bytes of an existing file; -1 when it cannot be opened.
int ReadFilePrefix(LPCWSTR path, char* bytes, DWORD capacity)
{
    HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return -1;
    DWORD total = 0;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file, bytes + total, capacity - total, &got, nullptr) || got == 0)
            break;
        total += got;
        if (total == capacity)
            break;
    }
    CloseHandle(file);
    return static_cast<int>(total);
}

bool WriteWholeFile(LPCWSTR path, const std::string& bytes)
{
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ok = FlushFileBuffers(file) && ok;
    CloseHandle(file);
    return ok && written == bytes.size();
}

}  // namespace

DiarySettings ParseSettingsRecord(const char* bytes, size_t count, COLORREF todayTextColor)
{
    DiarySettings settings = {};
    int present = FieldsOfLayout(count);
    size_t position = 0;
    for (int i = 0; i < kSettingsFieldCount; ++i) {
        const Field& field = kFields[i];
        int32_t value = Resolve(present > 0 ? field.older : field.fresh, todayTextColor);
        // A damaged or hand-edited value would leave the readers and writers
        // of the field disagreeing: it takes the default.
        if (i < present && (!ParseNumber(bytes + position, field.width, &value) || value < field.lowest ||
                            value > field.highest))
            value = Resolve(field.fresh, todayTextColor);
        settings.*field.member = value;
        position += static_cast<size_t>(field.width);
    }
    return settings;
}

std::string FormatSettingsRecord(const DiarySettings& settings)
{
    std::string record;
    for (const Field& field : kFields) {
        char text[16] = "";
        StringCchPrintfA(text, ARRAYSIZE(text), "%*d", field.width,
                         static_cast<int>(Clamp(settings.*field.member, field.width)));
        record += text;
    }
    return record;
}

char SearchFieldLetter(int32_t number, char current)
{
    static const char kLetters[] = {'S', 'N', 'C', 'T'};
    return number >= 0 && number < 4 ? kLetters[number] : current;
}

void LoadSettings()
{
    TodayTextColor = ReadTodayTextColor();
    StringCchCopyW(SettingsFilePath, ARRAYSIZE(SettingsFilePath), kSettingsFile);
    char bytes[kSettingsRecordBytes] = {};
    int count = ReadFilePrefix(SettingsFilePath, bytes, kSettingsRecordBytes);
    Settings = ParseSettingsRecord(bytes, count < 0 ? 0 : static_cast<size_t>(count), TodayTextColor);
    ScheduleMode = ScheduleModeLetter(Settings.ScheduleMode);
}

bool SaveSettings()
{
    if (SettingsFilePath[0] == L'\0')
        return false;
    Settings.KeypadSearchField = SearchFieldNumber(KeypadSearchField);
    Settings.ContactSearchField = SearchFieldNumber(ContactSearchField);
    Settings.ScheduleMode = ScheduleModeNumber(ScheduleMode);

    wchar_t temporary[MAX_PATH + 8] = L"";
    if (FAILED(StringCchPrintfW(temporary, ARRAYSIZE(temporary), L"%ls%ls", SettingsFilePath, kTemporarySuffix)))
        return false;
    if (!WriteWholeFile(temporary, FormatSettingsRecord(Settings))) {
        DeleteFileW(temporary);
        return false;
    }
    if (!MoveFileExW(temporary, SettingsFilePath, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary);
        return false;
    }
    return true;
}

COLORREF ReadTodayTextColor()
{
    char bytes[kColourFieldBytes] = {};
    int32_t colour = 0;
    if (ReadFilePrefix(kTodayColourFile, bytes, kColourFieldBytes) == kColourFieldBytes &&
        ParseNumber(bytes, kColourFieldBytes, &colour))
        return static_cast<COLORREF>(colour);
    return kWhite;
}

// ---- the settings file as the Today item reads it ------------------------------

DiarySettings ReadSettingsFile(COLORREF todayTextColor, int* bytesRead)
{
    char bytes[kSettingsRecordBytes] = {};
    int count = ReadFilePrefix(kSettingsFile, bytes, kSettingsRecordBytes);
    if (bytesRead)
        *bytesRead = count;
    return ParseSettingsRecord(bytes, count < 0 ? 0 : static_cast<size_t>(count), todayTextColor);
}
