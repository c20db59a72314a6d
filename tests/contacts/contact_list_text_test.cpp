// The texts of the owner-data contact lists in both column layouts.
#include "mainwindow/contact_list_text.h"
#include "tests/contacts/contacts_fixture.h"

namespace contactstest {
namespace {

struct TextCase {
    ContactCacheEntry row;
    int layout;
    const wchar_t* columns[4];
};

TEST(ContactListText, ColumnsOfBothLayouts)
{
    const TextCase cases[] = {
        {Row(0x80000001, L"홍길동", L"", L"010-1234-5678", L"02-123", L"031-9"), 1,
         {L"홍길동", L"010-1234-5678", L"휴", L"-2147483647"}},
        {Row(0x80000001, L"홍길동", L"", L"010-1234-5678", L"02-123", L"031-9"), 2,
         {L"홍길동", L"01012345678", L"02123", L"-2147483647"}},
        // No mobile: the shown phone and its kind.
        {Row(7, L"김", L"", L"", L"02-555", L"", L"", L'B'), 1, {L"김", L"02-555", L"회", L"7"}},
        {Row(7, L"김", L"", L"", L"031-55", L"031-55", L"", L'H'), 1, {L"김", L"031-55", L"집", L"7"}},
        {Row(7, L"김", L"", L"", L"", L"", L"", L'H'), 1, {L"김", L"", L"", L"7"}},
        {Row(7, L"김", L"", L"", L"", L"", L"", L'H'), 2, {L"김", L"", L"", L"7"}},
        // Names cut to a blank-free run of three in the two-number layout.
        {Row(8, L"남궁민수"), 2, {L"남궁민", L"", L"", L"8"}},
        {Row(8, L"남궁민수"), 1, {L"남궁민수", L"", L"", L"8"}},
        {Row(8, L"Li Wei"), 2, {L"Li", L"", L"", L"8"}},
        {Row(8, L"  Kim Su"), 2, {L"Kim", L"", L"", L"8"}},
        {Row(8, L"A B"), 2, {L"A B", L"", L"", L"8"}},
        {Row(8, L""), 2, {L"", L"", L"", L"8"}},
    };
    for (const TextCase& c : cases) {
        for (int column = 0; column < 4; ++column) {
            SCOPED_TRACE(testing::Message() << testing::PrintToString(c.row.name) << " layout " << c.layout
                                            << " column " << column);
            wchar_t text[kContactColumnChars];
            ContactListColumnText(c.row, column, c.layout, text, kContactColumnChars);
            EXPECT_EQ(std::wstring(text), c.columns[column]);
        }
    }
}

TEST(ContactListText, TextsAreCutToTheListsBuffer)
{
    ContactCacheEntry row = Row(1, std::wstring(300, L'가'), L"", std::wstring(120, L'1'));
    wchar_t text[kContactColumnChars];
    ContactListColumnText(row, kContactNameColumn, 1, text, kContactColumnChars);
    EXPECT_EQ(wcslen(text), static_cast<size_t>(kContactColumnChars - 1));
    wchar_t small[5] = L"xxxx";
    ContactListColumnText(row, kContactPhoneColumn, 2, small, 5);
    EXPECT_STREQ(small, L"1111");
}

}  // namespace
}  // namespace contactstest
