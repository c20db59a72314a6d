// The month list refilled over the rows it shows: it must end as a list
// emptied and filled anew ends (rows, selection, focus, selection mark,
// scroll), while sending only the cells that changed.
#include "lists/schedule_cache.h"
#include "lists/schedule_list.h"
#include "tests/support/testkit.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace scheduletest {
namespace {

constexpr int kColumns = 5;
constexpr UINT_PTR kCounterId = 1;

// A month of `rows` appointments, two a day from the 1st, subjects named
// with the prefix; `changedRow` (when not -1) gets another subject.
std::vector<ScheduleEntry> Month(int rows, const wchar_t* prefix, int changedRow = -1)
{
    std::vector<ScheduleEntry> entries;
    for (int i = 0; i < rows; ++i) {
        ScheduleEntry entry = {};
        entry.objectId = 100 + i;
        _snwprintf(entry.dayDate, kScheduleDateChars, L"2007-03-%02d", 1 + i / 2);
        _snwprintf(entry.startTime, kScheduleTimeChars, L"%02d:00", 9 + i % 2);
        _snwprintf(entry.subject, kScheduleSubjectChars, L"%ls %02d%ls", prefix, i, i == changedRow ? L" 바뀜" : L"");
        entries.push_back(entry);
    }
    return entries;
}

int Fill(HWND list, const std::vector<ScheduleEntry>& entries, const wchar_t* currentDate)
{
    MonthScheduleCache.entries = entries;
    MonthScheduleCache.order.clear();
    for (size_t i = 0; i < entries.size(); ++i)
        MonthScheduleCache.order.push_back(static_cast<uint16_t>(i));
    SortScheduleTable(&MonthScheduleCache);
    return FillMonthScheduleList(list, {L"2007-03-01", L"2007-03-31", currentDate, 'M', 0});
}

// What the user sees of a list and what the next key press starts from.
struct ListState {
    std::vector<std::wstring> rows;
    int selected;
    int focused;
    int mark;
    int top;
};

ListState StateOf(HWND list)
{
    return {testkit::ListViewRows(list, kColumns),
            static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_SELECTED)),
            static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, -1, LVNI_FOCUSED)),
            static_cast<int>(SendMessageW(list, LVM_GETSELECTIONMARK, 0, 0)),
            static_cast<int>(SendMessageW(list, LVM_GETTOPINDEX, 0, 0))};
}

// The user moves to a row: selected, focused, scrolled to.
void Choose(HWND list, int row)
{
    if (row < 0)
        return;
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list, LVM_SETSELECTIONMARK, 0, row);
    SendMessageW(list, LVM_ENSUREVISIBLE, row, FALSE);
}

// The messages a refill sends to the list that change its rows, and those
// that hide it and stop or restart its drawing (a restart invalidates the
// whole list, and so does showing it again).
struct RowMessages {
    int inserts = 0;
    int texts = 0;
    int deletes = 0;
    int clears = 0;
    int hides = 0;
    int drawingOffs = 0;
    int drawingOns = 0;
};

LRESULT CALLBACK CountRowMessages(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    RowMessages& counts = *reinterpret_cast<RowMessages*>(data);
    switch (msg) {
    case LVM_INSERTITEMW: ++counts.inserts; break;
    case LVM_SETITEMTEXTW: ++counts.texts; break;
    case LVM_DELETEITEM: ++counts.deletes; break;
    case LVM_DELETEALLITEMS: ++counts.clears; break;
    case WM_SHOWWINDOW: counts.hides += wParam ? 0 : 1; break;
    case WM_SETREDRAW: ++(wParam ? counts.drawingOns : counts.drawingOffs); break;
    }
    return DefSubclassProc(window, msg, wParam, lParam);
}

// The row each list last told its parent it selected (-1 none), as the main
// window takes it for its preview.
std::map<HWND, int> selectionNotices;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY) {
        const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if (change->hdr.code == LVN_ITEMCHANGED && change->iItem >= 0 && (change->uNewState & LVIS_SELECTED) &&
            !(change->uOldState & LVIS_SELECTED))
            selectionNotices[change->hdr.hwndFrom] = change->iItem;
    }
    return DefWindowProcW(window, msg, wParam, lParam);
}

class KeptRowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetScheduleTables();
        host_ = testkit::CreateTestWindow(false, 240, 294, HostProc);
    }
    void TearDown() override
    {
        ResetScheduleTables();
        DestroyWindow(host_);
    }

    HWND NewList()
    {
        HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SINGLESEL |
                                    LVS_NOCOLUMNHEADER | LVS_SHOWSELALWAYS,
                                    3, 34, 234, 105, host_, nullptr, GetModuleHandleW(nullptr), nullptr);
        for (int i = 0; i < kColumns; ++i) {
            LVCOLUMNW column = {};
            column.mask = LVCF_WIDTH;
            column.cx = i < 2 ? 110 : 0;
            SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
        }
        return list;
    }

    HWND host_ = nullptr;
};

struct RefillCase {
    const char* name;
    std::vector<ScheduleEntry> before;
    int chosenBefore;  // the row the user was on, -1 none
    std::vector<ScheduleEntry> after;
    const wchar_t* currentDate;
};

const RefillCase kRefills[] = {
    {"the same rows, scrolled to the end", Month(40, L"약속"), 39, Month(40, L"약속"), L"2007-03-05"},
    {"the same rows, the same row chosen again", Month(40, L"약속"), 9, Month(40, L"약속"), L"2007-03-05"},
    {"the same rows, the chosen day further on", Month(40, L"약속"), 0, Month(40, L"약속"), L"2007-03-18"},
    {"one subject changed", Month(40, L"약속"), 20, Month(40, L"약속", 7), L"2007-03-10"},
    {"fewer rows, scrolled to the end", Month(40, L"약속"), 39, Month(9, L"약속"), L"2007-03-31"},
    {"more rows", Month(6, L"약속"), 5, Month(40, L"약속"), L"2007-03-12"},
    {"every text changed", Month(30, L"회의"), 29, Month(25, L"약속"), L"2007-03-02"},
    {"nothing left", Month(12, L"약속"), 3, {}, L"2007-03-15"},
    {"nothing on or before the chosen day", Month(20, L"약속"), 19, Month(20, L"약속"), L"2007-02-28"},
};

// Each list is filled with the rows before and moved on as a user would;
// then one is refilled straight away (its rows kept) and the other after a
// fill of a third list (so it is emptied and filled anew).
TEST_F(KeptRowsTest, RefillEndsAsAFreshFillDoes)
{
    for (const RefillCase& c : kRefills) {
        SCOPED_TRACE(c.name);
        HWND kept = NewList(), fresh = NewList(), other = NewList();
        Fill(fresh, c.before, L"2007-03-01");
        Choose(fresh, c.chosenBefore);
        Fill(kept, c.before, L"2007-03-01");
        Choose(kept, c.chosenBefore);

        selectionNotices.clear();
        int keptSelection = Fill(kept, c.after, c.currentDate);
        Fill(other, c.before, L"2007-03-01");
        int freshSelection = Fill(fresh, c.after, c.currentDate);

        EXPECT_EQ(keptSelection, freshSelection);
        ListState k = StateOf(kept), f = StateOf(fresh);
        EXPECT_EQ(k.rows, f.rows);
        EXPECT_EQ(k.rows.size(), c.after.size());
        EXPECT_EQ(k.selected, f.selected);
        EXPECT_EQ(k.focused, f.focused);
        EXPECT_EQ(k.mark, f.mark);
        EXPECT_EQ(k.top, f.top);
        EXPECT_EQ(testkit::IsShown(kept), testkit::IsShown(fresh));
        EXPECT_EQ(selectionNotices.count(kept), selectionNotices.count(fresh));
        EXPECT_EQ(selectionNotices[kept], selectionNotices[fresh]);
        EXPECT_EQ(ScheduleRowCount, static_cast<int>(c.after.size()));
        DestroyWindow(kept);
        DestroyWindow(fresh);
        DestroyWindow(other);
    }
}

struct MessageCase {
    const char* name;
    std::vector<ScheduleEntry> after;
    RowMessages expected;
};

// After a fill of 40 rows, each refill sends the list only what differs.
TEST_F(KeptRowsTest, RefillSendsOnlyTheCellsThatChanged)
{
    const MessageCase cases[] = {
        {"the same rows", Month(40, L"약속"), {0, 0, 0, 0, 0, 0, 0}},
        {"one subject changed", Month(40, L"약속", 7), {0, 1, 0, 0, 1, 1, 1}},
        {"two rows fewer", Month(38, L"약속"), {0, 0, 2, 0, 1, 1, 1}},
        {"three rows more", Month(43, L"약속"), {3, 12, 0, 0, 1, 1, 1}},
    };
    for (const MessageCase& c : cases) {
        SCOPED_TRACE(c.name);
        HWND list = NewList();
        Fill(list, Month(40, L"약속"), L"2007-03-05");
        RowMessages counts;
        ASSERT_TRUE(SetWindowSubclass(list, CountRowMessages, kCounterId, reinterpret_cast<DWORD_PTR>(&counts)));
        Fill(list, c.after, L"2007-03-05");
        RemoveWindowSubclass(list, CountRowMessages, kCounterId);
        EXPECT_EQ(counts.inserts, c.expected.inserts);
        EXPECT_EQ(counts.texts, c.expected.texts);
        EXPECT_EQ(counts.deletes, c.expected.deletes);
        EXPECT_EQ(counts.clears, c.expected.clears);
        EXPECT_EQ(counts.hides, c.expected.hides);
        EXPECT_EQ(counts.drawingOffs, c.expected.drawingOffs);
        EXPECT_EQ(counts.drawingOns, c.expected.drawingOns);
        EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE);
        EXPECT_EQ(testkit::ListViewRows(list, kColumns).size(), c.after.size());
        DestroyWindow(list);
    }
}

// Another window in the place of the one filled, or rows removed behind the
// fill's back: the list is emptied and filled anew.
TEST_F(KeptRowsTest, AListItDoesNotKnowIsFilledAnew)
{
    HWND list = NewList();
    Fill(list, Month(10, L"약속"), L"2007-03-01");
    SendMessageW(list, LVM_DELETEITEM, 0, 0);
    Fill(list, Month(10, L"약속"), L"2007-03-01");
    EXPECT_EQ(testkit::ListViewRows(list, kColumns).size(), 10u);
    EXPECT_EQ(testkit::ListViewText(list, 0, 1), L"약속 00");
    EXPECT_EQ(testkit::ListViewText(list, 9, 2), L"109");
    DestroyWindow(list);

    HWND next = NewList();
    Fill(next, Month(10, L"약속"), L"2007-03-01");
    EXPECT_EQ(testkit::ListViewText(next, 9, 1), L"약속 09");
    EXPECT_EQ(testkit::ListViewText(next, 9, 0), L"03/05 10:00");
    DestroyWindow(next);
}

}  // namespace
}  // namespace scheduletest
