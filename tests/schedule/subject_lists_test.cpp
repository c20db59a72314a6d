// The appointment editor's recent subjects and places: from the table of
// the list shown, each text once, Hangul first, the empty text among the
// others, holidays and anniversary appointments left out, at most 50.
#include "core/state.h"
#include "lists/subject_lists.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

ScheduleEntry Entry(const wchar_t* subject, const wchar_t* location, int32_t oid, int32_t linked)
{
    ScheduleEntry entry = {};
    entry.objectId = oid;
    wcsncpy(entry.subject, subject, kScheduleSubjectChars - 1);
    wcsncpy(entry.location, location, kScheduleLocationChars - 1);
    entry.linkedId = linked;
    return entry;
}

void Fill(ScheduleTable* table, const std::vector<ScheduleEntry>& entries)
{
    table->entries = entries;
    table->order.clear();
    for (size_t i = 0; i < entries.size(); ++i)
        table->order.push_back(static_cast<uint16_t>(i));
}

std::vector<std::wstring> Texts(const wchar_t (*slots)[kSubjectListChars], int count)
{
    return std::vector<std::wstring>(slots, slots + count);
}

class SubjectListsTest : public testing::Test {
protected:
    void TearDown() override
    {
        Fill(&MonthScheduleCache, {});
        Fill(&ContactScheduleCache, {});
        CurrentView = 0;
    }
};

TEST_F(SubjectListsTest, DistinctTextsHangulFirst)
{
    Fill(&MonthScheduleCache, {
                                  Entry(L"회의", L"본사", 5, 0),
                                  Entry(L"Lunch", L"", 6, 0),
                                  Entry(L"회의", L"지사", 5, 0),
                                  Entry(L"개천절", L"", 0, 15),       // holiday
                                  Entry(L"어머니 생신", L"집", 7, 77),  // anniversary appointment
                                  Entry(L"가족 모임", L"Seoul", 8, 0),
                                  Entry(L"10시 약속", L"본사", 9, 0),
                              });
    CurrentView = 4;
    BuildSubjectAndLocationLists();
    EXPECT_EQ(Texts(SubjectList, SubjectListCount),
              (std::vector<std::wstring>{L"가족 모임", L"회의", L"", L"10시 약속", L"Lunch"}));
    EXPECT_EQ(Texts(LocationList, LocationListCount),
              (std::vector<std::wstring>{L"본사", L"지사", L"", L"Seoul"}));
}

TEST_F(SubjectListsTest, SourceIsTheTableOfTheListShown)
{
    Fill(&MonthScheduleCache, {Entry(L"월간", L"", 1, 0)});
    Fill(&ContactScheduleCache, {Entry(L"연락처", L"", 2, 0)});
    CurrentView = 4;
    BuildSubjectAndLocationLists();
    EXPECT_EQ(Texts(SubjectList, SubjectListCount), (std::vector<std::wstring>{L"월간", L""}));
    CurrentView = 0;
    BuildSubjectAndLocationLists();
    EXPECT_EQ(Texts(SubjectList, SubjectListCount), (std::vector<std::wstring>{L"연락처", L""}));
}

TEST_F(SubjectListsTest, FiftySlotsWithTheEmptyOne)
{
    std::vector<ScheduleEntry> entries;
    for (int i = 0; i < 60; ++i) {
        wchar_t subject[16];
        _snwprintf(subject, 16, L"item %02d", i);
        entries.push_back(Entry(subject, L"", i + 1, 0));
    }
    Fill(&ContactScheduleCache, entries);
    CurrentView = 0;
    BuildSubjectAndLocationLists();
    ASSERT_EQ(SubjectListCount, kSubjectListSlots);
    EXPECT_EQ(std::wstring(SubjectList[0]), L"");
    EXPECT_EQ(std::wstring(SubjectList[1]), L"item 00");
    EXPECT_EQ(std::wstring(SubjectList[49]), L"item 48");
    EXPECT_EQ(LocationListCount, 1);
}

}  // namespace
