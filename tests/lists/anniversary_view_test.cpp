// The anniversary view in the running main window: the kind pick list, the
// rows of each kind and of a year's holidays, both sorts, reselection and
// the header cleared when the list is empty.
#include "core/item_form.h"
#include "core/own_databases.h"
#include "lists/anniversary_lists.h"
#include "lists/state.h"
#include "lists/item_list_state.h"
#include "mainwindow/state.h"
#include "mainwindow/toolbar_window.h"
#include "resources/resource.h"
#include "tests/lists/list_window.h"
#include "tests/support/box_watch.h"

#include <string>
#include <vector>

namespace liststest {
namespace {

using Texts = std::vector<std::wstring>;

void AddAnniversary(int32_t id, const wchar_t* title, wchar_t yearKnown, const wchar_t* date, wchar_t lunar,
                    wchar_t kind, const wchar_t* startYear, const wchar_t* month, const wchar_t* day)
{
    wchar_t time[6] = L"10:00";
    InsertAnniversaryRecord(id, title, yearKnown, date, lunar, kind, L'0', 0, time, startYear, month, day, 0, L"");
}

class AnniversaryViewTest : public ListWindowTest {
protected:
    void SetUp() override
    {
        ListWindowTest::SetUp();
        AddAnniversary(10001, L"어머니", L'1', L"1970-03-15", L'1', L'0', L"1970", L"03", L"15");
        AddAnniversary(10002, L"결혼", L'1', L"2007-05-01", L'0', L'1', L"2007", L"05", L"01");
        AddAnniversary(10003, L"할아버지", L'0', L"11/30", L'1', L'2', L"", L"11", L"30");
        AddAnniversary(10004, L"동창회", L'0', L"02/09", L'0', L'3', L"", L"02", L"09");
        AddAnniversary(10005, L"민수", L'1', L"1990-06-01", L'0', L'0', L"1990", L"06", L"01");
        AnniversaryYear = 2007;
    }
    // The kind pick list's notification sets the year to this year: the
    // year is set after the view is shown.
    void Load(const wchar_t* kind, int year = 2007)
    {
        wcscpy(AnniversaryKindChoice, kind);
        AnniversaryYear = year;
        LoadAnniversaryList();
    }
};

TEST_F(AnniversaryViewTest, KindPickList)
{
    ShowView(kAnniversaryView);
    AnniversaryKindRow = 2;
    FillAnniversaryKindPickList();
    EXPECT_EQ(FirstColumn(AnniversaryKindPickList),
              (Texts{L"전체(공휴일제외)", L"생일", L"기념", L"제사", L"기타", L"공휴일"}));
    EXPECT_EQ(testkit::ListViewSelection(AnniversaryKindPickList), 2);
    EXPECT_EQ(AnniversaryKindCount, 6);
}

TEST_F(AnniversaryViewTest, RowsOfEachKind)
{
    ShowView(kAnniversaryView);
    struct Case {
        const wchar_t* kind;
        Texts rows;
    };
    const Case cases[] = {
        {L"생일", {L"[생일] 어머니|70-03-15(음)|10001|1970-03-15|1", L"[생일] 민수|90-06-01|10005|1990-06-01|0"}},
        {L"기념", {L"[기념] 결혼|07-05-01|10002|2007-05-01|0"}},
        {L"제사", {L"[제사] 할아버지|11/30(음)|10003|11/30|1"}},
        {L"기타", {L"[기타] 동창회|02/09|10004|02/09|0"}},
        {L"전체(공휴일제외)",
         {L"[기타] 동창회|02/09|10004|02/09|0", L"[생일] 어머니|70-03-15(음)|10001|1970-03-15|1",
          L"[기념] 결혼|07-05-01|10002|2007-05-01|0", L"[생일] 민수|90-06-01|10005|1990-06-01|0",
          L"[제사] 할아버지|11/30(음)|10003|11/30|1"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.kind)));
        Load(c.kind);
        EXPECT_EQ(ListRows(AnniversaryList, 5), c.rows);
        EXPECT_EQ(AnniversaryCount, static_cast<int>(c.rows.size()));
    }
}

TEST_F(AnniversaryViewTest, HolidaysOfTheYearByTheirSolarDates)
{
    ShowView(kAnniversaryView);
    Load(L"공휴일");
    EXPECT_EQ(ListRows(AnniversaryList, 5),
              (Texts{L"신정|01/01|0|2007-01-01|2", L"설날|01/01(음)|0|2007-02-18|2", L"삼일절|03/01|0|2007-03-01|2",
                     L"어린이날|05/05|0|2007-05-05|2", L"석가탄신일|04/08(음)|0|2007-05-24|2",
                     L"현충일|06/06|0|2007-06-06|2", L"제헌절|07/17|0|2007-07-17|2", L"광복절|08/15|0|2007-08-15|2",
                     L"추석|08/15(음)|0|2007-09-25|2", L"개천절|10/03|0|2007-10-03|2", L"성탄절|12/25|0|2007-12-25|2"}));
    Load(L"공휴일", 2004);
    EXPECT_EQ(AnniversaryCount, 0);
}

TEST_F(AnniversaryViewTest, SortByTitle)
{
    ShowView(kAnniversaryView);
    AnniversarySortKey = 'T';
    Load(L"전체(공휴일제외)");
    EXPECT_EQ(FirstColumn(AnniversaryList),
              (Texts{L"[기념] 결혼", L"[기타] 동창회", L"[생일] 민수", L"[생일] 어머니", L"[제사] 할아버지"}));
}

TEST_F(AnniversaryViewTest, ReselectionAndClamp)
{
    ShowView(kAnniversaryView);
    AnniversaryToReselect = 10005;
    Load(L"전체(공휴일제외)");
    EXPECT_EQ(ViewSelection[kAnniversaryView], 3);
    EXPECT_EQ(testkit::ListViewSelection(AnniversaryList), 3);

    AnniversaryToReselect = 0;
    Load(L"생일");
    // Row 3 is beyond the two birthdays: the first row.
    EXPECT_EQ(ViewSelection[kAnniversaryView], 0);
    EXPECT_EQ(testkit::ListViewSelection(AnniversaryList), 0);

    ViewSelection[kAnniversaryView] = 1;
    AnniversaryToReselect = 0;  // the row selected above became the one to select again
    Load(L"생일");
    EXPECT_EQ(testkit::ListViewSelection(AnniversaryList), 1);
}

// A tapped anniversary stays the chosen one through a delete and a reload,
// whatever anniversary a Today request left to select again.
TEST_F(AnniversaryViewTest, ATappedAnniversaryStaysChosenThroughReloads)
{
    ShowView(kAnniversaryView);
    AnniversaryToReselect = 10005;
    Load(L"전체(공휴일제외)");
    ASSERT_EQ(FirstColumn(AnniversaryList),
              (Texts{L"[기타] 동창회", L"[생일] 어머니", L"[기념] 결혼", L"[생일] 민수", L"[제사] 할아버지"}));
    ASSERT_EQ(testkit::ListViewSelection(AnniversaryList), 3);

    TapRow(AnniversaryList, 0);
    EXPECT_EQ(SelectedAnniversaryId, 10004);
    boxwatch::ArmForThisThread(IDYES);
    SendItemCommand(ID_ANNIVERSARY_DELETE);
    EXPECT_TRUE(boxwatch::Disarm().seen);
    EXPECT_EQ(FirstColumn(AnniversaryList), (Texts{L"[생일] 어머니", L"[기념] 결혼", L"[생일] 민수", L"[제사] 할아버지"}));
    EXPECT_EQ(testkit::ListViewSelection(AnniversaryList), 0);
    EXPECT_EQ(SelectedAnniversaryId, 10001);
    EXPECT_EQ(AnniversaryLunarFlag, L'1') << "the header's row is the lunar birthday's";

    TapRow(AnniversaryList, 1);
    EXPECT_EQ(SelectedAnniversaryId, 10002);
    AddAnniversary(10006, L"입사", L'1', L"2007-01-10", L'0', L'1', L"2007", L"01", L"10");
    ShowView(kAnniversaryView);
    EXPECT_EQ(FirstColumn(AnniversaryList),
              (Texts{L"[기념] 입사", L"[생일] 어머니", L"[기념] 결혼", L"[생일] 민수", L"[제사] 할아버지"}));
    EXPECT_EQ(testkit::ListViewSelection(AnniversaryList), 2);
    EXPECT_EQ(SelectedAnniversaryId, 10002);
}

TEST_F(AnniversaryViewTest, EmptyListClearsTheHeader)
{
    ShowView(kAnniversaryView);
    for (HWND label : {AnniversaryYearLabel, AnniversaryLunarLabel, AnniversaryAgeLabel})
        SetWindowTextW(label, L"x");
    ShowWindow(AnniversaryDayNameLabels[0], SW_HIDE);
    SetWindowTextW(AnniversaryDayNameLabels[0], L"07-05-01 일");
    Load(L"공휴일", 2003);
    for (HWND label : {AnniversaryYearLabel, AnniversaryLunarLabel, AnniversaryAgeLabel, AnniversaryDayNameLabels[0]})
        EXPECT_EQ(testkit::WindowText(label), L"");
    EXPECT_TRUE(testkit::IsShown(AnniversaryDayNameLabels[0]));
}

// The header of the selected row: the lunar birthday's solar day of the
// shown year with its weekday, the lunar label and the age; a holiday row
// after it shows no age; a year before the birth none either.
TEST_F(AnniversaryViewTest, HeaderOfTheSelectedRow)
{
    struct Case {
        long id;
        int year, month, day;
        wchar_t lunar;
        int weekday;
        const wchar_t *dayLabel, *lunarLabel, *age;
    };
    const Case cases[] = {
        {10001, 2007, 3, 15, L'1', 2, L"07-05-01 화", L"(음3/15)", L"38세"},
        {10001, 1969, 3, 15, L'1', -1, nullptr, L"(음3/15)", L""},
        {10002, 2007, 5, 1, L'0', 2, L"07-05-01 화", L"(음3/15)", L""},
        {10002, 2008, 5, 1, L'0', 4, L"08-05-01 목", L"(음3/26)", L"1주년"},
        {0, 2007, 5, 5, L'2', 6, L"07-05-05 토", L"(음3/19)", L""},
        {10005, 2020, 6, 1, L'0', 1, L"20-06-01 월", L"(음윤4/10)", L"31세"},
    };
    ShowView(kAnniversaryView);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << " in " << c.year);
        SelectedAnniversaryId = c.id;
        AnniversaryYear = c.year;
        AnniversaryMonth = c.month;
        AnniversaryDay = c.day;
        AnniversaryLunarFlag = c.lunar;
        ShowAnniversaryHeader();
        wchar_t year[16];
        swprintf(year, 16, L"%d년", c.year);
        EXPECT_EQ(testkit::WindowText(AnniversaryYearLabel), year);
        EXPECT_EQ(testkit::WindowText(AnniversaryAgeLabel), c.age);
        EXPECT_EQ(testkit::WindowText(AnniversaryLunarLabel), c.lunarLabel);
        if (c.weekday >= 0) {
            for (int d = 0; d < 7; ++d)
                EXPECT_EQ(IsWindowVisible(AnniversaryDayNameLabels[d]) != FALSE, d == c.weekday) << d;
            EXPECT_EQ(testkit::WindowText(AnniversaryDayNameLabels[c.weekday]), c.dayLabel);
        }
        // A lunar row's date is now that year's solar one.
        if (c.lunar == L'1' && c.year == 2007) {
            EXPECT_EQ(AnniversaryMonth, 5);
            EXPECT_EQ(AnniversaryDay, 1);
        }
    }
    Shot(L"anniversary-header");
}

TEST_F(AnniversaryViewTest, RecordIntoTheFormOrNothing)
{
    wchar_t time[6] = L"07:30";
    ASSERT_TRUE(InsertAnniversaryRecord(10010, L"첫 만남", L'1', L"2001-04-05", L'0', L'1', L'1', 9, time, L"2001",
                                        L"04", L"05", 0, L"장미 한 송이"));
    SelectedAnniversaryId = 10010;
    ASSERT_TRUE(LoadAnniversaryRecord());
    const AnniversaryFormFields& form = ItemFormState.Anniversary;
    EXPECT_STREQ(form.Title, L"첫 만남");
    EXPECT_EQ(form.YearKnown, L'1');
    EXPECT_STREQ(form.Date, L"2001-04-05");
    EXPECT_STREQ(form.StartYear, L"2001");
    EXPECT_EQ(form.Lunar, L'0');
    EXPECT_EQ(form.Kind, L'1');
    EXPECT_EQ(form.ReminderFlag, L'1');
    EXPECT_EQ(form.ReminderChoice, 9);
    EXPECT_STREQ(form.Time, L"07:30");
    EXPECT_STREQ(form.Note, L"장미 한 송이");

    // Without a note the old note goes; without a record nothing changes.
    SelectedAnniversaryId = 10003;
    ASSERT_TRUE(LoadAnniversaryRecord());
    EXPECT_STREQ(form.Title, L"할아버지");
    EXPECT_STREQ(form.Note, L"");
    SelectedAnniversaryId = 99999;
    EXPECT_FALSE(LoadAnniversaryRecord());
    EXPECT_STREQ(form.Title, L"할아버지");
}

}  // namespace
}  // namespace liststest
