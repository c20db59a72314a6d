// The four contact lists take their column layout from the setting.
#include "mainwindow/contact_list_columns.h"

#include "mainwindow/state.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

#include <map>

namespace {

struct Column {
    std::wstring text;
    int width;
    int format;
};

Column ReadColumn(HWND list, int index)
{
    wchar_t text[32] = L"";
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.pszText = text;
    column.cchTextMax = 32;
    ListView_GetColumn(list, index, &column);
    return {text, column.cx, column.fmt & LVCFMT_JUSTIFYMASK};
}

// The sub-item each column was last told to name, by list, as the setup
// sends it (the list keeps the sub-item of the insert for its read-back).
std::map<HWND, std::map<int, int>> g_subItems;
std::map<HWND, WNDPROC> g_listProcs;

LRESULT CALLBACK RecordSetColumn(HWND list, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == LVM_SETCOLUMNW) {
        const auto* column = reinterpret_cast<const LVCOLUMNW*>(lParam);
        if (column->mask & LVCF_SUBITEM)
            g_subItems[list][static_cast<int>(wParam)] = column->iSubItem;
    }
    return CallWindowProcW(g_listProcs[list], list, msg, wParam, lParam);
}

// Four columns that the setup must overwrite in every respect: other
// headings, right alignment, odd widths and sub-items of their own.
HWND MakeList(HWND parent)
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT | LVS_NOCOLUMNHEADER, 3, 34, 234, 100,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = i == 0 ? LVCFMT_LEFT : LVCFMT_RIGHT;
        column.pszText = const_cast<LPWSTR>(L"x");
        column.cx = 7;
        column.iSubItem = 3 - i;
        ListView_InsertColumn(list, i, &column);
    }
    // The first column of a list view is always left-aligned; give it
    // another alignment once it is there.
    LVCOLUMNW first = {};
    first.mask = LVCF_FMT;
    first.fmt = LVCFMT_RIGHT;
    ListView_SetColumn(list, 0, &first);
    g_listProcs[list] = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordSetColumn)));
    return list;
}

TEST(ContactListColumns, HeadingsWidthsAlignmentAndSubItemsFollowTheListLayout)
{
    HWND host = testkit::CreateTestWindow(false);
    ContactList = MakeList(host);
    KeypadResultList = MakeList(host);
    CompanyContactList = nullptr;  // not made: left alone
    GroupContactList = MakeList(host);

    struct LayoutCase {
        int setting;
        int widths[4];
    };
    const LayoutCase cases[] = {{1, {80, 115, 26, 0}}, {2, {50, 89, 82, 0}}, {0, {50, 89, 82, 0}}};
    const wchar_t* headings[] = {L"이름", L"휴대폰", L"회사전화", L"ID"};
    // Column 0 shows sub-item 0; the three others name sub-item 1.
    const int subItems[] = {0, 1, 1, 1};
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << c.setting);
        Settings.ContactListColumns = c.setting;
        g_subItems.clear();
        SetupContactListColumns();
        for (HWND list : {ContactList, KeypadResultList, GroupContactList}) {
            for (int i = 0; i < 4; ++i) {
                SCOPED_TRACE(testing::Message() << "column " << i);
                Column column = ReadColumn(list, i);
                EXPECT_EQ(column.text, headings[i]);
                EXPECT_EQ(column.width, c.widths[i]);
                EXPECT_EQ(column.format, LVCFMT_LEFT);
                ASSERT_EQ(g_subItems[list].count(i), 1u) << "the column's sub-item is set";
                EXPECT_EQ(g_subItems[list][i], subItems[i]);
            }
        }
    }
    ContactList = KeypadResultList = GroupContactList = nullptr;
    DestroyWindow(host);
}

}  // namespace
