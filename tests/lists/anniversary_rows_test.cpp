// Anniversary rows: row texts of anniversaries and holidays, the date
// column, both sorts, the kind choices and the header of a selected row.
#include "lists/anniversary_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

AnniversaryRecordFacts Record(int32_t id, const wchar_t* title, const wchar_t* date, const wchar_t* month,
                              const wchar_t* day, wchar_t lunar, wchar_t kind)
{
    AnniversaryRecordFacts facts;
    facts.id = id;
    facts.title = title;
    facts.date = date;
    facts.month = month;
    facts.day = day;
    facts.lunar = lunar;
    facts.kind = kind;
    return facts;
}

TEST(AnniversaryRows, RowTextsOfEachKind)
{
    struct Case {
        AnniversaryListRow row;
        int32_t id;
        const wchar_t* label;
        const wchar_t* dateText;
        const wchar_t* column;
        const wchar_t* lunarFlag;
        const wchar_t* sortKey;
    };
    const Case cases[] = {
        {MakeAnniversaryRow(Record(10001, L"어머니", L"1970-03-15", L"03", L"15", L'1', L'0')), 10001, L"[생일] 어머니",
         L"1970-03-15(음)", L"70-03-15(음)", L"1", L"0315"},
        {MakeAnniversaryRow(Record(10002, L"결혼", L"2007-05-01", L"05", L"01", L'0', L'1')), 10002, L"[기념] 결혼",
         L"2007-05-01", L"07-05-01", L"0", L"0501"},
        {MakeAnniversaryRow(Record(10003, L"할아버지", L"11/30", L"11", L"30", L'1', L'2')), 10003, L"[제사] 할아버지",
         L"11/30(음)", L"11/30(음)", L"1", L"1130"},
        {MakeAnniversaryRow(Record(10004, L"모임", L"02/09", L"2", L"9", L'0', L'3')), 10004, L"[기타] 모임",
         L"02/09", L"02/09", L"0", L"0209"},
        {MakeHolidayRow(L"2007-02-18", L"설날", L"01/01"), 0, L"설날", L"01/01(음)", L"01/01(음)", L"2", L"0218"},
        {MakeHolidayRow(L"2007-12-25", L"성탄절", L""), 0, L"성탄절", L"12/25", L"12/25", L"2", L"1225"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.label));
        EXPECT_EQ(c.row.id, c.id);
        EXPECT_EQ(c.row.label, c.label);
        EXPECT_EQ(c.row.dateText, c.dateText);
        EXPECT_EQ(AnniversaryDateColumn(c.row), c.column);
        EXPECT_EQ(c.row.lunarFlag, c.lunarFlag);
        EXPECT_EQ(c.row.sortKey, c.sortKey);
    }
}

std::vector<std::wstring> Sorted(char key, const std::vector<AnniversaryListRow>& rows)
{
    AnniversaryRowTable table;
    for (const auto& row : rows)
        table.Add(row);
    SortAnniversaryRows(&table, key);
    std::vector<std::wstring> labels;
    for (int p = 0; p < table.Count(); ++p)
        labels.push_back(table.At(p)->label + L" " + table.At(p)->sortKey);
    return labels;
}

TEST(AnniversarySort, ByMonthAndDayOrByTitle)
{
    const std::vector<AnniversaryListRow> rows = {
        MakeAnniversaryRow(Record(1, L"나", L"1980-12-01", L"12", L"01", L'0', L'0')),
        MakeAnniversaryRow(Record(2, L"가", L"05/05", L"05", L"05", L'1', L'1')),
        MakeAnniversaryRow(Record(3, L"나", L"2001-01-20", L"01", L"20", L'0', L'3')),
        MakeAnniversaryRow(Record(4, L"다", L"1999-03-02", L"03", L"02", L'0', L'0')),
    };
    EXPECT_EQ(Sorted('D', rows), (std::vector<std::wstring>{L"[기타] 나 0120", L"[생일] 다 0302", L"[기념] 가 0505",
                                                          L"[생일] 나 1201"}));
    EXPECT_EQ(Sorted('T', rows), (std::vector<std::wstring>{L"[기념] 가 0505", L"[기타] 나 0120", L"[생일] 나 1201",
                                                          L"[생일] 다 0302"}));
}

TEST(AnniversarySort, HolidaysByTheirSolarDate)
{
    const std::vector<AnniversaryListRow> rows = {
        MakeHolidayRow(L"2007-09-25", L"추석", L"08/15"), MakeHolidayRow(L"2007-01-01", L"신정", L""),
        MakeHolidayRow(L"2007-12-25", L"성탄절", L""),    MakeHolidayRow(L"2007-05-24", L"석가탄신일", L"04/08"),
        MakeHolidayRow(L"2007-02-18", L"설날", L"01/01"),
    };
    EXPECT_EQ(Sorted('D', rows), (std::vector<std::wstring>{L"신정 0101", L"설날 0218", L"석가탄신일 0524",
                                                          L"추석 0925", L"성탄절 1225"}));
}

TEST(AnniversaryKinds, ChoiceToCode)
{
    EXPECT_EQ(AnniversaryKindCode(L"전체(공휴일제외)"), 0);
    EXPECT_EQ(AnniversaryKindCode(L"생일"), L'0');
    EXPECT_EQ(AnniversaryKindCode(L"기념"), L'1');
    EXPECT_EQ(AnniversaryKindCode(L"제사"), L'2');
    EXPECT_EQ(AnniversaryKindCode(L"기타"), L'3');
    EXPECT_EQ(AnniversaryKindCode(L""), 0);
    EXPECT_FALSE(IsHolidayKind(L"생일"));
    EXPECT_TRUE(IsHolidayKind(L"공휴일"));
    EXPECT_EQ(std::wstring(kAnniversaryKindTexts[5]), L"공휴일");
}

TEST(AnniversaryHeader, DateWeekdayLunarAndAge)
{
    struct Case {
        const char* name;
        int shownYear, month, day;
        wchar_t lunarFlag;
        AnniversaryHeaderFacts facts;
        const wchar_t* dayLabel;
        int weekday;
        const wchar_t* age;
        const wchar_t* lunar;
    };
    const AnniversaryHeaderFacts holiday = {};
    const Case cases[] = {
        {"lunar birthday 1970-03-15 shown in 2007", 2007, 3, 15, L'1', {true, L'1', L'0', 1970}, L"07-05-01 화", 2,
         L"38세", L"(음3/15)"},
        {"the same shown again as solar", 2007, 5, 1, L'0', {true, L'1', L'0', 1970}, L"07-05-01 화", 2, L"38세",
         L"(음3/15)"},
        {"a day in a leap month", 2001, 5, 23, L'0', {true, L'0', L'1', 1990}, L"01-05-23 수", 3, L"",
         L"(음윤4/1)"},
        {"birthday in its birth year", 1990, 6, 1, L'0', {true, L'1', L'0', 1990}, L"90-06-01 금", 5, L"1세",
         L"(음5/9)"},
        {"birthday shown a year before the birth", 1989, 6, 1, L'0', {true, L'1', L'0', 1990}, L"89-06-01 목", 4,
         L"", L"(음4/28)"},
        {"memorial day in its first year", 2007, 5, 1, L'0', {true, L'1', L'1', 2007}, L"07-05-01 화", 2, L"",
         L"(음3/15)"},
        {"memorial day one year on", 2008, 5, 1, L'0', {true, L'1', L'1', 2007}, L"08-05-01 목", 4, L"1주년",
         L"(음3/26)"},
        {"ancestral rite ten years on", 2017, 5, 1, L'0', {true, L'1', L'2', 2007}, L"17-05-01 월", 1, L"10주년",
         L"(음4/6)"},
        {"year not known", 2007, 5, 1, L'0', {true, L'0', L'0', 1970}, L"07-05-01 화", 2, L"", L"(음3/15)"},
        {"holiday row", 2007, 12, 25, L'2', holiday, L"07-12-25 화", 2, L"", L"(음11/16)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AnniversaryHeaderTexts header = MakeAnniversaryHeader(c.shownYear, c.month, c.day, c.lunarFlag, c.facts);
        EXPECT_EQ(header.dayLabel, c.dayLabel);
        EXPECT_EQ(header.weekday, c.weekday);
        EXPECT_EQ(header.ageLabel, c.age);
        EXPECT_EQ(header.lunarLabel, c.lunar);
        EXPECT_EQ(header.yearLabel, std::to_wstring(c.shownYear) + L"년");
    }
}

TEST(AnniversaryHeader, LunarDateInTheTwelfthMonthFallsInTheNextSolarYear)
{
    // Lunar 2007-12-20 is solar 2008-01-27.
    const AnniversaryHeaderTexts header = MakeAnniversaryHeader(2007, 12, 20, L'1', AnniversaryHeaderFacts());
    EXPECT_EQ(header.year, 2008);
    EXPECT_EQ(header.dayLabel, L"08-01-27 일");
    EXPECT_EQ(header.lunarLabel, L"(음12/20)");
    EXPECT_EQ(header.yearLabel, L"2007년");
}

}  // namespace
