// The settings file: layouts by length, defaults, the Today colour, the
// writer's exact bytes and how it replaces the file.
#include "core/settings_file.h"

#include "tests/startup/settings_fixture.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr wchar_t kIni[] = L"\\Windows\\Quillon.ini";
constexpr wchar_t kTodayColour[] = L"\\Windows\\Glimmor.ini";
constexpr int32_t kWhite = 0xFFFFFF;

// Every field's default when there is no file, with white as Today colour.
const int32_t kFreshDefaults[47] = {
    0, 0, 0, -1, 1, 6, 4, 1, 2,
    kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, 255, 255, kWhite, 0xFFFF00, 255,
    1, 1, 1, 1,
    1, 1, 200, 100,
    0, 0, 1, 1, 0, 1, 0, 1, 1, 1,
    1, 1, 1,
    1, 2,
    0, 0, 0,
    1};

// What an older layout sets for fields 21 to 47 that it lacks.
const int32_t kOlderDefaultsFrom21[27] = {
    2, 1, 1, 1,
    1, 1, 200, 100,
    0, 0, 1, 1, 0, 1, 0, 1, 1, 1,
    1, 1, 1,
    1, 1,
    0, 0, 0,
    1};


std::vector<int32_t> Values(const DiarySettings& s)
{
    const int32_t* fields = reinterpret_cast<const int32_t*>(&s);
    return std::vector<int32_t>(fields, fields + kSettingsFieldCount);
}

std::vector<uint8_t> Bytes(const char* text, size_t count)
{
    return std::vector<uint8_t>(text, text + count);
}

std::string FileText(const wchar_t* path)
{
    std::vector<uint8_t> bytes = testkit::ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        DeleteFileW(kIni);
        DeleteFileW(kTodayColour);
        SettingsFilePath[0] = L'\0';
        Settings = DiarySettings();
    }
    void TearDown() override
    {
        SetFileAttributesW(kIni, FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(kIni);
        DeleteFileW(kTodayColour);
        RemoveDirectoryW(L"\\Windows\\Quillon.ini.tmp");
        SettingsFilePath[0] = L'\0';
    }
    // The letters as the main window sets them from the loaded numbers.
    void TakeLettersFromFields()
    {
        KeypadSearchField = SearchFieldLetter(Settings.KeypadSearchField, 'S');
        ContactSearchField = SearchFieldLetter(Settings.ContactSearchField, 'S');
    }
};

TEST_F(SettingsFileTest, LayoutIsToldByTheFileLength)
{
    struct LengthCase {
        size_t bytes;
        int fieldsKept;  // -1: nothing kept, every field its default
    };
    const LengthCase cases[] = {
        {178, 47}, {176, 46}, {170, 43}, {158, 38}, {126, 24}, {118, 20},
        {0, -1},   {1, -1},   {100, -1}, {117, -1}, {125, -1}, {177, -1},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bytes << " bytes");
        ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(kCustomRecord, c.bytes)));
        LoadSettings();
        std::vector<int32_t> got = Values(Settings);
        for (int i = 0; i < 47; ++i) {
            int32_t expected = c.fieldsKept < 0       ? kFreshDefaults[i]
                               : i < c.fieldsKept     ? kCustomValues[i]
                                                      : kOlderDefaultsFrom21[i - 20];
            EXPECT_EQ(got[i], expected) << "field " << i + 1;
        }
    }
}

TEST_F(SettingsFileTest, NoFileGivesEveryDefault)
{
    LoadSettings();
    EXPECT_EQ(Values(Settings), std::vector<int32_t>(kFreshDefaults, kFreshDefaults + 47));
    EXPECT_EQ(Settings.MemoSource, 2);
    EXPECT_EQ(ScheduleMode, 'D');
    EXPECT_STREQ(SettingsFilePath, kIni);
}

TEST_F(SettingsFileTest, LongerFileIsReadAsItsFirst178Bytes)
{
    std::vector<uint8_t> bytes = Bytes(kCustomRecord, 178);
    bytes.insert(bytes.end(), 122, '7');
    ASSERT_TRUE(testkit::WriteFileBytes(kIni, bytes));
    LoadSettings();
    EXPECT_EQ(Values(Settings), std::vector<int32_t>(kCustomValues, kCustomValues + 47));
}

TEST_F(SettingsFileTest, TodayColourFileGivesTheColourDefaults)
{
    struct ColourCase {
        const char* what;
        const char* bytes;  // null: no file
        int32_t colour;
    };
    const ColourCase cases[] = {
        {"missing", nullptr, kWhite},
        {"short", "   65280", kWhite},
        {"full", "    65280", 65280},
        {"longer", "     1234xyz", 1234},
        {"not a number", "abcdefghi", kWhite},
        {"blank", "         ", kWhite},
    };
    for (const ColourCase& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileW(kTodayColour);
        if (c.bytes) {
            ASSERT_TRUE(testkit::WriteFileBytes(kTodayColour, Bytes(c.bytes, strlen(c.bytes))));
        }
        LoadSettings();
        EXPECT_EQ(static_cast<int32_t>(TodayTextColor), c.colour);
        for (int32_t DiarySettings::*field :
             {&DiarySettings::ScheduleColor, &DiarySettings::AnniversaryColor, &DiarySettings::HolidayColor,
              &DiarySettings::HeaderColor, &DiarySettings::DateWeekdayColor, &DiarySettings::DateSaturdayColor,
              &DiarySettings::DayNameWeekdayColor}) {
            EXPECT_EQ(Settings.*field, c.colour);
        }
        EXPECT_EQ(Settings.DateSundayColor, 255);
        EXPECT_EQ(Settings.DateHolidayColor, 255);
        EXPECT_EQ(Settings.DayNameSaturdayColor, 0xFFFF00);
        EXPECT_EQ(Settings.DayNameSundayColor, 255);
    }
}

TEST_F(SettingsFileTest, KnownLayoutKeepsItsColoursWhateverTheTodayColour)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kTodayColour, Bytes("      128", 9)));
    ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(kCustomRecord, 118)));
    LoadSettings();
    EXPECT_EQ(Settings.ScheduleColor, 1010);
    EXPECT_EQ(Settings.DayNameSundayColor, 1020);
}

TEST_F(SettingsFileTest, DefaultRecordIsWrittenByteForByte)
{
    LoadSettings();
    TakeLettersFromFields();
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(FileText(kIni), std::string(kDefaultRecord));
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon.ini.tmp"));

    DiarySettings saved = Settings;
    LoadSettings();
    EXPECT_EQ(Values(Settings), Values(saved));
}

TEST_F(SettingsFileTest, CustomRecordRoundTripsByteForByte)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(kCustomRecord, 178)));
    LoadSettings();
    TakeLettersFromFields();
    EXPECT_EQ(ScheduleMode, 'M');
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(FileText(kIni), std::string(kCustomRecord));
}

TEST_F(SettingsFileTest, LettersAreSavedAsTheirNumbers)
{
    struct LetterCase {
        char schedule, keypad, contact;
        const char* field5;
        const char* field26;
        const char* field30;
    };
    const LetterCase cases[] = {
        {'D', 'S', 'N', " 0", " 1", " 1"},
        {'W', 'N', 'C', " 1", " 2", " 2"},
        {'M', 'C', 'T', " 2", " 3", " 3"},
        {'X', 'T', 'Q', " 3", " 1", " 0"},
    };
    for (const LetterCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.schedule << c.keypad << c.contact);
        LoadSettings();
        Settings.KeypadSearchField = 2;  // a number stored beforehand is replaced
        ScheduleMode = c.schedule;
        KeypadSearchField = c.keypad;
        ContactSearchField = c.contact;
        ASSERT_TRUE(SaveSettings());
        std::string text = FileText(kIni);
        ASSERT_EQ(text.size(), 178u);
        EXPECT_EQ(text.substr(FieldOffset(5), 2), c.field5);
        EXPECT_EQ(text.substr(FieldOffset(26), 2), c.field26);
        EXPECT_EQ(text.substr(FieldOffset(30), 2), c.field30);
    }
}

TEST_F(SettingsFileTest, ScheduleModeLetterComesFromField26)
{
    const std::pair<const char*, char> cases[] = {{" 1", 'D'}, {" 2", 'W'}, {" 3", 'M'}, {" 0", 'D'}, {" 7", 'D'},
                                                  {"-1", 'D'}};
    for (const auto& [field, letter] : cases) {
        SCOPED_TRACE(field);
        std::string record = kCustomRecord;
        record.replace(FieldOffset(26), 2, field);
        ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(record.data(), record.size())));
        ScheduleMode = '?';
        LoadSettings();
        EXPECT_EQ(ScheduleMode, letter);
    }
}

TEST_F(SettingsFileTest, ValuesAreClampedToTheirWidths)
{
    struct ClampCase {
        int32_t DiarySettings::*field;
        int32_t value;
        int fieldNumber;
        const char* text;
        int32_t readBack;
    };
    const ClampCase cases[] = {
        // Clamped values outside a field's range read back as its default.
        {&DiarySettings::KeypadLayout, -1, 4, "-1", -1},
        {&DiarySettings::KeypadLayout, -15, 4, "-9", -1},
        {&DiarySettings::CurrentView, 10, 25, " 9", 9},
        {&DiarySettings::TodayLines, 100, 7, " 99", 4},
        {&DiarySettings::MemoTypeZoom, 10000, 27, " 999", 200},
        {&DiarySettings::MemoInkZoom, -5000, 28, "-999", 100},
        {&DiarySettings::ScheduleColor, 0x7FFFFFFF, 10, " 99999999", kWhite},
        {&DiarySettings::HolidayColor, INT32_MIN, 12, "-99999999", kWhite},
        {&DiarySettings::WeatherRegion, 901, 41, " 901", 901},
    };
    for (const ClampCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.text);
        LoadSettings();
        TakeLettersFromFields();
        Settings.*c.field = c.value;
        ASSERT_TRUE(SaveSettings());
        std::string text = FileText(kIni);
        ASSERT_EQ(text.size(), 178u);
        EXPECT_EQ(text.substr(FieldOffset(c.fieldNumber), strlen(c.text)), c.text);
        LoadSettings();
        EXPECT_EQ(Settings.*c.field, c.readBack);
    }
}

// A damaged or hand-edited value outside what its field means takes the
// field's default; the values at the ends of a range are kept. The saved
// view, the schedule range, the search fields and the contact-list layout
// keep any value: their readers have their own rule for it.
TEST_F(SettingsFileTest, ValuesOutsideTheirRangeTakeTheirDefaults)
{
    struct RangeCase {
        int fieldNumber;
        const char* text;
        int32_t readBack;
    };
    const RangeCase cases[] = {
        {1, " 2", 0},           {1, " 1", 1},           {3, "-1", 0},           {4, " 4", -1},
        {4, " 3", 3},           {5, " 7", 7},           {6, " 7", 6},           {6, " 0", 0},
        {7, " 15", 4},          {7, " 14", 14},         {7, " -1", 4},          {9, " 3", 2},
        {10, " 16777216", kWhite}, {10, "       -1", kWhite}, {16, " 16777215", 0xFFFFFF}, {16, "       -5", 255},
        {19, " 99999999", 0xFFFF00}, {21, " 0", 0},     {21, " 3", 3},          {22, " 3", 1},
        {22, " 0", 1},          {22, "-1", 1},          {22, " 2", 2},          {23, " 4", 1},
        {25, " 9", 9},          {25, "-1", -1},          {26, " 4", 4},          {27, "  24", 200},
        {27, "  25", 25},       {28, " 401", 100},      {28, " 400", 400},      {30, "-1", -1},
        {39, " 2", 1},          {41, "   0", 1},        {41, " 902", 1},        {42, " 3", 1},
        {43, " 0", 2},          {43, " 1", 1},          {46, " 2", 0},          {47, "-1", 1},
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "field " << c.fieldNumber << " '" << c.text << "'");
        std::string record = kCustomRecord;
        record.replace(FieldOffset(c.fieldNumber), strlen(c.text), c.text);
        ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(record.data(), record.size())));
        LoadSettings();
        std::vector<int32_t> expected(kCustomValues, kCustomValues + 47);
        expected[c.fieldNumber - 1] = c.readBack;
        EXPECT_EQ(Values(Settings), expected);
    }
}

TEST_F(SettingsFileTest, GarbledFieldsTakeTheirDefaultsAndTheFileIsMended)
{
    std::string record = kCustomRecord;
    record.replace(FieldOffset(4), 2, "x1");
    record.replace(FieldOffset(25), 2, "  ");
    record.replace(FieldOffset(27), 4, "1-00");
    record.replace(FieldOffset(41), 4, " 5 1");
    ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(record.data(), record.size())));
    LoadSettings();
    std::vector<int32_t> expected(kCustomValues, kCustomValues + 47);
    expected[3] = -1;
    expected[24] = 1;
    expected[26] = 200;
    expected[40] = 1;
    EXPECT_EQ(Values(Settings), expected);

    ASSERT_TRUE(testkit::WriteFileBytes(kIni, std::vector<uint8_t>(178, 0xB0)));
    LoadSettings();
    EXPECT_EQ(Values(Settings), std::vector<int32_t>(kFreshDefaults, kFreshDefaults + 47));
    TakeLettersFromFields();
    ASSERT_TRUE(SaveSettings());
    EXPECT_EQ(FileText(kIni), std::string(kDefaultRecord));
}

TEST_F(SettingsFileTest, NothingIsSavedBeforeTheSettingsWereLoaded)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(kCustomRecord, 178)));
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(FileText(kIni), std::string(kCustomRecord));
}

TEST_F(SettingsFileTest, AFailedWriteLeavesTheOldFile)
{
    ASSERT_TRUE(testkit::WriteFileBytes(kIni, Bytes(kCustomRecord, 178)));
    LoadSettings();
    Settings.CurrentView = 4;

    // The temporary file cannot be made.
    ASSERT_TRUE(CreateDirectoryW(L"\\Windows\\Quillon.ini.tmp", nullptr));
    EXPECT_FALSE(SaveSettings());
    EXPECT_EQ(FileText(kIni), std::string(kCustomRecord));
    ASSERT_TRUE(RemoveDirectoryW(L"\\Windows\\Quillon.ini.tmp"));

    // The file cannot be replaced while another reader holds it.
    HANDLE reader = CreateFileW(kIni, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SaveSettings());
    CloseHandle(reader);
    EXPECT_EQ(FileText(kIni), std::string(kCustomRecord));
    EXPECT_FALSE(testkit::FileExists(L"\\Windows\\Quillon.ini.tmp"));

    EXPECT_TRUE(SaveSettings());
    EXPECT_EQ(FileText(kIni).substr(FieldOffset(25), 2), " 4");
}

}  // namespace
