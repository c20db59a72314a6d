// The four contact lists take their column layout from the setting.
#include "mainwindow/contact_list_columns.h"

#include "mainwindow/state.h"
#include "tests/support/testkit.h"

#include <gtest/gtest.h>

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

HWND MakeList(HWND parent)
{
    HWND list = CreateWindowExW(0, WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT | LVS_NOCOLUMNHEADER, 3, 34, 234, 100,
                                parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    const wchar_t* headings[] = {L"이름", L"휴대폰", L"회사전화", L"ID"};
    const int widths[] = {50, 89, 84, 0};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<LPWSTR>(headings[i]);
        column.cx = widths[i];
        column.iSubItem = i;
        ListView_InsertColumn(list, i, &column);
    }
    return list;
}

TEST(ContactListColumns, WidthsFollowTheListLayout)
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
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "layout " << c.setting);
        Settings.ContactListColumns = c.setting;
        SetupContactListColumns();
        for (HWND list : {ContactList, KeypadResultList, GroupContactList}) {
            for (int i = 0; i < 4; ++i) {
                Column column = ReadColumn(list, i);
                EXPECT_EQ(column.text, headings[i]);
                EXPECT_EQ(column.width, c.widths[i]) << "column " << i;
                EXPECT_EQ(column.format, LVCFMT_LEFT);
            }
        }
    }
    ContactList = KeypadResultList = GroupContactList = nullptr;
    DestroyWindow(host);
}

}  // namespace
